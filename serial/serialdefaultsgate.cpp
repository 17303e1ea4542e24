#include "serial/serialdefaultsgate.h"

#include <utility>

void SerialDefaultsGate::modelChosen(const QVariantMap& defaults, bool sessionRunning)
{
    m_running = sessionRunning;
    if (!m_running) {
        emit apply(defaults, false);
        return;
    }
    m_pending = true;
    m_defaults = defaults;
}

void SerialDefaultsGate::setSessionRunning(bool running)
{
    m_running = running;
    if (running || !m_pending) {
        return;
    }
    m_pending = false;
    const QVariantMap defaults = std::exchange(m_defaults, {});
    emit apply(defaults, true);
}
