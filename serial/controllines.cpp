#include "serial/controllines.h"

#include <algorithm>

bool SerialPortLines::settle(bool ok)
{
    if (!ok) {
        m_port.clearError();
    }
    return ok;
}

bool SerialPortLines::setDataTerminalReady(bool on)
{
    return settle(m_port.setDataTerminalReady(on));
}

bool SerialPortLines::setRequestToSend(bool on)
{
    return settle(m_port.setRequestToSend(on));
}

bool SerialPortLines::setBreakEnabled(bool on)
{
    return settle(m_port.setBreakEnabled(on));
}

bool SerialPortLines::readSignals(QSerialPort::PinoutSignals* lines)
{
    // The port reports "no signal" both for lines that are all low and for a
    // read it could not make; only its error tells them apart.
    m_port.clearError();
    const QSerialPort::PinoutSignals read = m_port.pinoutSignals();
    if (!settle(m_port.error() == QSerialPort::NoError)) {
        return false;
    }
    *lines = read;
    return true;
}

ControlLines::ControlLines(ControlLinePort* port, QObject* parent)
    : QObject(parent)
    , m_port(port)
{
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &ControlLines::poll);
    // The lengths matter to the device: a coarse timer may end them up to 5 % early.
    m_pulse.setTimerType(Qt::PreciseTimer);
    m_break.setTimerType(Qt::PreciseTimer);
    m_pulse.setSingleShot(true);
    connect(&m_pulse, &QTimer::timeout, this, &ControlLines::endPulse);
    m_break.setSingleShot(true);
    m_break.setInterval(BreakMs);
    connect(&m_break, &QTimer::timeout, this, &ControlLines::endBreak);
}

void ControlLines::setDtr(bool on)
{
    if (on == m_dtr || !available() || busy()) {
        return;
    }
    if (drive(Dtr, on)) {
        emit stateChanged();
    }
}

void ControlLines::setRts(bool on)
{
    if (on == m_rts || !available() || busy() || m_rtsOwned) {
        return;
    }
    if (drive(Rts, on)) {
        emit stateChanged();
    }
}

void ControlLines::setWatching(bool on)
{
    if (on == m_watching) {
        return;
    }
    m_watching = on;
    updatePolling();
    emit watchingChanged();
}

void ControlLines::setDtrOnOpen(bool asserted)
{
    if (asserted == m_dtrOnOpen) {
        return;
    }
    m_dtrOnOpen = asserted;
    emit openPolicyChanged();
}

void ControlLines::setRtsOnOpen(bool asserted)
{
    if (asserted == m_rtsOnOpen) {
        return;
    }
    m_rtsOnOpen = asserted;
    emit openPolicyChanged();
}

void ControlLines::setResetLine(int line)
{
    const int chosen = line == Rts ? Rts : Dtr;
    if (chosen == m_resetLine) {
        return;
    }
    m_resetLine = chosen;
    emit resetChanged();
}

void ControlLines::setResetPulseMs(int ms)
{
    const int bounded = std::clamp(ms, MinPulseMs, MaxPulseMs);
    if (bounded == m_pulseMs) {
        return;
    }
    m_pulseMs = bounded;
    emit resetChanged();
}

void ControlLines::sessionStarted(bool rtsFlowControl)
{
    m_session = true;
    m_supported = true;
    m_rtsOwned = rtsFlowControl;
    m_dtr = true;
    m_rts = true;
    m_signals = {};
    // Only a choice that differs from what the open left is sent: a port
    // whose lines are kept as they are is not asked anything.
    if (!m_dtrOnOpen) {
        drive(Dtr, false);
    }
    if (!m_rtsOnOpen && !m_rtsOwned && m_supported) {
        drive(Rts, false);
    }
    emit stateChanged();
    emit signalsChanged();
    updatePolling();
}

void ControlLines::sessionEnded()
{
    if (!m_session) {
        return;
    }
    m_session = false;
    m_pulse.stop();
    m_break.stop();
    m_signals = {};
    updatePolling();
    emit stateChanged();
    emit signalsChanged();
}

void ControlLines::resetDevice()
{
    if (!available() || busy()) {
        return;
    }
    const auto line = ResetLine(m_resetLine);
    if (line == Rts && m_rtsOwned) {
        emit notice(tr("Reset device pulses RTS, which RTS/CTS flow control drives: choose DTR "
                       "for the reset."));
        return;
    }
    const bool rest = line == Dtr ? m_dtr : m_rts;
    if (!drive(line, !rest)) {
        return;
    }
    m_pulsedLine = line;
    m_pulse.start(m_pulseMs);
    emit stateChanged();
}

void ControlLines::endPulse()
{
    const bool turned = m_pulsedLine == Dtr ? m_dtr : m_rts;
    if (drive(m_pulsedLine, !turned)) {
        emit notice(tr("Reset device: %1 pulsed for %2 ms.")
                        .arg(m_pulsedLine == Dtr ? QStringLiteral("DTR") : QStringLiteral("RTS"))
                        .arg(m_pulseMs));
    }
    emit stateChanged();
}

void ControlLines::sendBreak()
{
    if (!m_session || busy()) {
        return;
    }
    if (!m_port->setBreakEnabled(true)) {
        emit notice(tr("The port did not send a break."));
        return;
    }
    m_break.start();
    emit stateChanged();
}

void ControlLines::endBreak()
{
    if (m_port->setBreakEnabled(false)) {
        emit notice(tr("Break sent (%1 ms).").arg(BreakMs));
    } else {
        emit notice(tr("The port did not send a break."));
    }
    emit stateChanged();
}

bool ControlLines::drive(ResetLine line, bool on)
{
    const bool ok = line == Dtr ? m_port->setDataTerminalReady(on) : m_port->setRequestToSend(on);
    if (!ok) {
        refused();
        return false;
    }
    (line == Dtr ? m_dtr : m_rts) = on;
    return true;
}

void ControlLines::refused()
{
    if (!m_supported) {
        return;
    }
    m_supported = false;
    m_pulse.stop();
    m_signals = {};
    updatePolling();
    emit notice(tr("This port has no modem control lines."));
    emit stateChanged();
    emit signalsChanged();
}

void ControlLines::poll()
{
    QSerialPort::PinoutSignals read;
    if (!m_port->readSignals(&read)) {
        refused();
        return;
    }
    // Only the input lines: the outputs are shown from what was set.
    read &= QSerialPort::ClearToSendSignal | QSerialPort::DataSetReadySignal |
            QSerialPort::DataCarrierDetectSignal | QSerialPort::RingIndicatorSignal;
    if (read == m_signals) {
        return;
    }
    m_signals = read;
    emit signalsChanged();
}

void ControlLines::updatePolling()
{
    const bool wanted = m_session && m_supported && m_watching;
    if (wanted == m_poll.isActive()) {
        return;
    }
    if (wanted) {
        m_poll.start();
        poll();
    } else {
        m_poll.stop();
    }
}
