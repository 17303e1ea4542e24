#pragma once

#include <QObject>
#include <QPointer>

class LogListModel;

/// What the log does while the data monitor is paused: how many lines came
/// in since the pause began, and whether the log (which keeps only the
/// newest LogManager::Capacity lines) has begun to evict lines that were in
/// sight then. Follows the monitor's batched row updates, not every append.
class PauseWatch : public QObject
{
    Q_OBJECT

    Q_PROPERTY(LogListModel* log READ log WRITE setLog NOTIFY logChanged)
    Q_PROPERTY(bool active READ active NOTIFY changed)
    Q_PROPERTY(int newLines READ newLines NOTIFY changed)
    Q_PROPERTY(bool droppingSeenLines READ droppingSeenLines NOTIFY changed)

public:
    explicit PauseWatch(QObject* parent = nullptr);

    LogListModel* log() const { return m_log; }
    void setLog(LogListModel* log);

    bool active() const { return m_active; }
    /// Lines appended since the pause began (at most INT_MAX).
    int newLines() const { return m_newLines; }
    /// Once true, it stays so until the pause ends.
    bool droppingSeenLines() const { return m_dropping; }

    /// The pause begins; @p firstLineInView is the number (as the monitor's
    /// rows count them) of the oldest line in sight, -1 for none.
    Q_INVOKABLE void begin(double firstLineInView);
    Q_INVOKABLE void end();
    /// Takes the log's counters again; the row updates call it.
    void refresh();

signals:
    void logChanged();
    void changed();

private:
    QPointer<LogListModel> m_log;
    QMetaObject::Connection m_updates;
    bool m_active = false;
    double m_startTotal = 0;
    double m_firstSeen = -1;
    int m_newLines = 0;
    bool m_dropping = false;
};
