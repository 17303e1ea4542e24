#include "log/continuouslogstate.h"

#include "log/logmanager.h"
#include "settings/settingsstore.h"

#include <QFileInfo>

ContinuousLogState::ContinuousLogState(LogManager* log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{
    connect(m_log, &LogManager::continuousLoggingChanged, this, &ContinuousLogState::refresh);
    refresh();
}

QString ContinuousLogState::fileName() const
{
    return QFileInfo(m_filePath).fileName();
}

QUrl ContinuousLogState::folderUrl() const
{
    return m_directory.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_directory);
}

void ContinuousLogState::stop()
{
    if (!m_log->continuousLoggingEnabled()) {
        return;
    }
    SettingsStore().setContinuousLoggingEnabled(false);
    m_log->setContinuousLogging(false, QString(), QString());
}

void ContinuousLogState::refresh()
{
    const bool active = m_log->continuousLoggingEnabled();
    const QString path = m_log->continuousFilePath();
    const QString directory = m_log->continuousDirectory();
    if (active == m_active && path == m_filePath && directory == m_directory) {
        return;
    }
    m_active = active;
    m_filePath = path;
    m_directory = directory;
    emit changed();
}
