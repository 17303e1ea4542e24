#include "serial/repeatsender.h"

#include "serial/serialmanager.h"

#include <utility>

RepeatSender::RepeatSender(SerialManager* serial, std::function<void()> send, QObject* parent)
    : QObject(parent)
    , m_serial(serial)
    , m_send(std::move(send))
{
    connect(&m_timer, &QTimer::timeout, this, &RepeatSender::onTick);
    connect(m_serial, &SerialManager::bytesWritten, this, &RepeatSender::onBytesWritten);
}

void RepeatSender::setEnabled(bool on)
{
    if (on == m_enabled) {
        return;
    }
    m_enabled = on;
    m_awaitingDrain = false;
    if (on && m_serial->isOpen()) {
        m_timer.start(m_intervalMs);
    } else {
        m_timer.stop();
    }
}

void RepeatSender::setIntervalMs(int ms)
{
    if (ms == m_intervalMs) {
        return;
    }
    m_intervalMs = ms;
    if (m_timer.isActive()) {
        m_timer.start(ms);
    }
}

void RepeatSender::sessionStarted()
{
    if (m_enabled) {
        m_timer.start(m_intervalMs);
    }
}

void RepeatSender::sessionEnded()
{
    m_timer.stop();
    m_awaitingDrain = false;
}

void RepeatSender::onTick()
{
    if (m_serial->bytesToWrite() > 0) {
        m_timer.stop();
        m_awaitingDrain = true;
        return;
    }
    m_send();
}

// The port has taken what waited: a timer that rested for it goes on.
void RepeatSender::onBytesWritten()
{
    if (m_serial->bytesToWrite() > 0 || !m_awaitingDrain) {
        return;
    }
    m_awaitingDrain = false;
    if (m_enabled && m_serial->isOpen()) {
        m_timer.start(m_intervalMs);
    }
}
