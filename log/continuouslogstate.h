#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class LogManager;

/// Continuous logging as the window shows it: whether it runs, the daily
/// file it writes and its folder, and a way to stop it.
class ContinuousLogState : public QObject
{
    Q_OBJECT

    Q_PROPERTY(bool active READ active NOTIFY changed)
    Q_PROPERTY(QString filePath READ filePath NOTIFY changed)
    Q_PROPERTY(QString fileName READ fileName NOTIFY changed)
    Q_PROPERTY(QUrl folderUrl READ folderUrl NOTIFY changed)

public:
    explicit ContinuousLogState(LogManager* log, QObject* parent = nullptr);

    bool active() const { return m_active; }
    /// Empty while no daily file is open (one that cannot be written).
    QString filePath() const { return m_filePath; }
    QString fileName() const;
    QUrl folderUrl() const;

    /// Stops continuous logging, also for the saved preference.
    Q_INVOKABLE void stop();

signals:
    void changed();

private:
    void refresh();

    LogManager* m_log;
    bool m_active = false;
    QString m_filePath;
    QString m_directory;
};
