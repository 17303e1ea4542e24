// Saving the log: the export the save dialog asks for, the folder and name it
// suggests, and continuous logging to a file per day.
#include "app/appcontroller.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include <limits>

namespace {

// Why a base file name cannot be used, or an empty text when it can. Only
// what would put the file somewhere else than the chosen folder, or give it
// no name at all, is refused here; the file system decides about the rest.
QString fileNameProblem(const QString& baseName)
{
    if (baseName.trimmed().isEmpty() || baseName == QLatin1String(".") ||
        baseName == QLatin1String("..")) {
        return AppController::tr("Enter a file name.");
    }
    for (const QChar c : baseName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) {
            return AppController::tr("A file name cannot contain \"/\", \"\\\" or control "
                                     "characters.");
        }
    }
    return {};
}

} // namespace

QString AppController::suggestedLogBaseName() const
{
    QString model = currentModelId();
    model.replace(QLatin1Char(' '), QLatin1Char('-'));
    if (model.isEmpty()) {
        model = QStringLiteral("device");
    }
    return QStringLiteral("korvel-%1-%2")
        .arg(model, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")));
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
    LogFileFormat fileFormat = LogFileFormat::Text;
    QString extension = QStringLiteral(".log");
    if (format == QLatin1String("csv")) {
        fileFormat = LogFileFormat::Csv;
        extension = QStringLiteral(".csv");
    } else if (format == QLatin1String("hex")) {
        fileFormat = LogFileFormat::Hex;
        extension = QStringLiteral(".hex.txt");
    }

    // An empty location would quietly mean the working folder of the process.
    if (directory.trimmed().isEmpty()) {
        return tr("Choose a folder for the log.");
    }
    const QString problem = fileNameProblem(baseFileName);
    if (!problem.isEmpty()) {
        return problem;
    }

    const QString path = QDir(directory).filePath(baseFileName + extension);
    QString error;
    if (!m_log.exportToFile(path, fileFormat, &error)) {
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
