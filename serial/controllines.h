#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>

/// What the control-line logic asks of a port. Each call returns false when
/// the port refused it, as a port without modem lines (a pseudo-terminal,
/// some USB CDC devices) does.
class ControlLinePort
{
public:
    virtual ~ControlLinePort() = default;
    virtual bool setDataTerminalReady(bool on) = 0;
    virtual bool setRequestToSend(bool on) = 0;
    virtual bool setBreakEnabled(bool on) = 0;
    /// The input lines (CTS, DSR, DCD, RI) into @p lines; false when the port
    /// cannot tell.
    virtual bool readSignals(QSerialPort::PinoutSignals* lines) = 0;
};

/// The lines of a QSerialPort. A refused call leaves no error behind in the
/// port, so that the next read or write does not report it again.
class SerialPortLines : public ControlLinePort
{
public:
    explicit SerialPortLines(QSerialPort& port)
        : m_port(port)
    {}

    bool setDataTerminalReady(bool on) override;
    bool setRequestToSend(bool on) override;
    bool setBreakEnabled(bool on) override;
    bool readSignals(QSerialPort::PinoutSignals* lines) override;

private:
    bool settle(bool ok);

    QSerialPort& m_port;
};

/// DTR, RTS, BREAK and the modem status of the open port. The output lines
/// show and take the user's choice while a session runs; their state right
/// after an open follows the stored choice; "Reset device" turns the chosen
/// line over for a moment. The first call the port refuses ends all of it for
/// the session with one notice, and the session goes on.
class ControlLines : public QObject
{
    Q_OBJECT

    /// A session runs on a port whose lines answer.
    Q_PROPERTY(bool available READ available NOTIFY stateChanged)
    /// False once the port of this session refused a control-line call.
    Q_PROPERTY(bool supported READ supported NOTIFY stateChanged)
    Q_PROPERTY(bool dtr READ dtr WRITE setDtr NOTIFY stateChanged)
    Q_PROPERTY(bool rts READ rts WRITE setRts NOTIFY stateChanged)
    /// RTS/CTS flow control drives RTS itself: the RTS choice rests.
    Q_PROPERTY(bool rtsOwnedByDriver READ rtsOwnedByDriver NOTIFY stateChanged)
    /// A reset pulse or a break is under way.
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(bool cts READ cts NOTIFY signalsChanged)
    Q_PROPERTY(bool dsr READ dsr NOTIFY signalsChanged)
    Q_PROPERTY(bool dcd READ dcd NOTIFY signalsChanged)
    Q_PROPERTY(bool ri READ ri NOTIFY signalsChanged)
    /// Whether someone shows the input lines; they are read only then.
    Q_PROPERTY(bool watching READ watching WRITE setWatching NOTIFY watchingChanged)
    Q_PROPERTY(bool dtrOnOpen READ dtrOnOpen WRITE setDtrOnOpen NOTIFY openPolicyChanged)
    Q_PROPERTY(bool rtsOnOpen READ rtsOnOpen WRITE setRtsOnOpen NOTIFY openPolicyChanged)
    /// The line "Reset device" pulses: ResetLine as an integer.
    Q_PROPERTY(int resetLine READ resetLine WRITE setResetLine NOTIFY resetChanged)
    Q_PROPERTY(int resetPulseMs READ resetPulseMs WRITE setResetPulseMs NOTIFY resetChanged)

public:
    enum ResetLine { Dtr = 0, Rts = 1 };
    Q_ENUM(ResetLine)

    static constexpr int DefaultPulseMs = 100;
    static constexpr int MinPulseMs = 10;
    static constexpr int MaxPulseMs = 5000;
    static constexpr int BreakMs = 250;
    /// The input lines are read at most this often (10 times a second).
    static constexpr int PollMs = 100;

    explicit ControlLines(ControlLinePort* port, QObject* parent = nullptr);

    bool available() const { return m_session && m_supported; }
    bool supported() const { return m_supported; }
    bool dtr() const { return m_dtr; }
    void setDtr(bool on);
    bool rts() const { return m_rts; }
    void setRts(bool on);
    bool rtsOwnedByDriver() const { return m_rtsOwned; }
    bool busy() const { return m_pulse.isActive() || m_break.isActive(); }
    bool cts() const { return m_signals.testFlag(QSerialPort::ClearToSendSignal); }
    bool dsr() const { return m_signals.testFlag(QSerialPort::DataSetReadySignal); }
    bool dcd() const { return m_signals.testFlag(QSerialPort::DataCarrierDetectSignal); }
    bool ri() const { return m_signals.testFlag(QSerialPort::RingIndicatorSignal); }
    bool watching() const { return m_watching; }
    void setWatching(bool on);
    bool dtrOnOpen() const { return m_dtrOnOpen; }
    void setDtrOnOpen(bool asserted);
    bool rtsOnOpen() const { return m_rtsOnOpen; }
    void setRtsOnOpen(bool asserted);
    int resetLine() const { return m_resetLine; }
    /// Anything but Rts stands for Dtr.
    void setResetLine(int line);
    int resetPulseMs() const { return m_pulseMs; }
    /// Kept within MinPulseMs and MaxPulseMs.
    void setResetPulseMs(int ms);

    /// The port has just opened (RTS/CTS flow control when @p rtsFlowControl):
    /// both lines are asserted, as the system leaves them after an open, then
    /// set as the stored choice says.
    void sessionStarted(bool rtsFlowControl);
    /// The port closed: nothing reaches it any more.
    void sessionEnded();

    /// Turns the reset line over for resetPulseMs, then back.
    Q_INVOKABLE void resetDevice();
    /// Holds the line in BREAK for BreakMs.
    Q_INVOKABLE void sendBreak();

signals:
    void stateChanged();
    void signalsChanged();
    void watchingChanged();
    void openPolicyChanged();
    void resetChanged();
    /// A line for the log (SYS).
    void notice(const QString& text);

private:
    bool drive(ResetLine line, bool on);
    void refused();
    void poll();
    void updatePolling();
    void endPulse();
    void endBreak();

    ControlLinePort* m_port;
    QTimer m_poll;
    QTimer m_pulse;
    QTimer m_break;
    QSerialPort::PinoutSignals m_signals;
    bool m_session = false;
    bool m_supported = true;
    bool m_dtr = false;
    bool m_rts = false;
    bool m_rtsOwned = false;
    bool m_watching = false;
    bool m_dtrOnOpen = true;
    bool m_rtsOnOpen = true;
    int m_resetLine = Dtr;
    int m_pulseMs = DefaultPulseMs;
    ResetLine m_pulsedLine = Dtr;
};
