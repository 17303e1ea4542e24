#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class SerialManager;

/// Repeat send: while it is on and the port is open, the sender is called once per interval.
/// A tick that finds earlier bytes still waiting to go out sends nothing; the timer rests
/// until the port reports them gone, so a short interval (0 fires on every pass of the event
/// loop) never queues payloads faster than the line drains them.
class RepeatSender : public QObject
{
    Q_OBJECT

public:
    RepeatSender(SerialManager* serial, std::function<void()> send, QObject* parent = nullptr);

    bool enabled() const { return m_enabled; }
    /// Starts at once when the port is open, else with the next session.
    void setEnabled(bool on);
    int intervalMs() const { return m_intervalMs; }
    /// A running timer goes on with the new interval.
    void setIntervalMs(int ms);
    /// A session began (the port opened, or a device came back): repeating starts when on.
    void sessionStarted();
    /// The port closed: nothing goes out until the next session.
    void sessionEnded();
    /// Whether the next send is waited for, by the timer or for the line to drain.
    bool active() const { return m_timer.isActive() || m_awaitingDrain; }

private:
    void onTick();
    void onBytesWritten();

    SerialManager* m_serial;
    std::function<void()> m_send;
    QTimer m_timer;
    bool m_enabled = false;
    int m_intervalMs = 1000;
    bool m_awaitingDrain = false;
};
