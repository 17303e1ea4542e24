#pragma once

#include <QObject>
#include <QVariantMap>

/// When the serial panel takes a device model's serial settings: at once
/// while no session runs, otherwise once the session ends, so that the panel
/// shows the settings in effect for as long as the port is open (or waits for
/// its device to come back) and the next open uses what the user then sees.
class SerialDefaultsGate : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /// A model was chosen; @p defaults as AppController::serialDefaultsForModel
    /// gives them. A later choice during the same session replaces an earlier one.
    void modelChosen(const QVariantMap& defaults, bool sessionRunning);
    /// Whether a session runs; at its end, settings chosen meanwhile are handed on.
    void setSessionRunning(bool running);
    bool hasPending() const { return m_pending; }

signals:
    /// The panel is to show @p defaults now; @p deferred when they waited
    /// for the end of a session.
    void apply(const QVariantMap& defaults, bool deferred);

private:
    bool m_running = false;
    bool m_pending = false;
    QVariantMap m_defaults;
};
