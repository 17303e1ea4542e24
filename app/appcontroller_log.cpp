// Saving the log: the export the save dialog asks for, the folder and name it
// suggests, and continuous logging to a file per day.
#include "app/appcontroller.h"

#include "log/logexport.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include <limits>

QString AppController::suggestedLogBaseName() const
{
    return LogExport::suggestedBaseName(currentModelId(), QDateTime::currentDateTime());
}

QString AppController::suggestedLogDirectory() const
{
    const QString last = m_settings.lastLogDirectory();
    if (!last.isEmpty()) {
        return last;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Korvel");
}

QString AppController::saveLog(const QString& directory, const QString& baseFileName,
                               const QString& format, bool autoRotate)
{
    const LogExport target = LogExport::target(directory, baseFileName, format);
    if (!target.problem.isEmpty()) {
        return target.problem;
    }
    const QString& path = target.path;
    QString error;
    if (!m_log.exportToFile(path, target.format, &error)) {
        return error.isEmpty() ? tr("The log could not be written to %1.").arg(path) : error;
    }

    m_settings.setLastLogDirectory(directory);
    m_settings.setContinuousLoggingEnabled(autoRotate);
    m_log.setContinuousLogging(autoRotate, directory, LogManager::dailyBaseName(baseFileName));
    emit statusMessage(tr("Log saved to %1").arg(path));
    return {};
}

QUrl AppController::urlForLocalPath(const QString& path) const
{
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

QString AppController::localPathForUrl(const QUrl& url) const
{
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

void AppController::onContinuousLogFailed(const QString& path, const QString& reason)
{
    tellUser(tr("The continuous log %1 cannot be written: %2").arg(path, reason));
}

namespace {

int shownCount(qint64 lines)
{
    return int(qMin<qint64>(lines, std::numeric_limits<int>::max()));
}

} // namespace

void AppController::onContinuousLogRecovered(const QString& path, qint64 lines,
                                             const QString& reason)
{
    tellUser(tr("The continuous log %1 is written again. Lines that could not be written to it: "
                "%n (%2); a line in the file marks where.",
                "", shownCount(lines))
                 .arg(path, reason),
             LogKind::SYS);
}

void AppController::onContinuousLinesLost(const QString& path, qint64 lines, const QString& reason)
{
    tellUser(tr("Lines that never reached the continuous log %1: %n (%2).", "", shownCount(lines))
                 .arg(path, reason));
}
