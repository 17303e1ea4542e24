#include "log/logexport.h"

#include <QCoreApplication>
#include <QDir>

// The texts keep the controller's translation context, where the catalogues have them from
// when the controller checked the names itself.

LogExport LogExport::target(const QString& directory, const QString& baseName,
                            const QString& formatName)
{
    LogExport result;
    QString extension = QStringLiteral(".log");
    if (formatName == QLatin1String("csv")) {
        result.format = LogFileFormat::Csv;
        extension = QStringLiteral(".csv");
    } else if (formatName == QLatin1String("hex")) {
        result.format = LogFileFormat::Hex;
        extension = QStringLiteral(".hex.txt");
    }
    // An empty location would quietly mean the working folder of the process.
    if (directory.trimmed().isEmpty()) {
        result.problem =
            QCoreApplication::translate("AppController", "Choose a folder for the log.");
        return result;
    }
    if (baseName.trimmed().isEmpty() || baseName == QLatin1String(".") ||
        baseName == QLatin1String("..")) {
        result.problem = QCoreApplication::translate("AppController", "Enter a file name.");
        return result;
    }
    for (const QChar c : baseName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) {
            result.problem = QCoreApplication::translate(
                "AppController", "A file name cannot contain \"/\", \"\\\" or control characters.");
            return result;
        }
    }
    result.path = QDir(directory).filePath(baseName + extension);
    return result;
}

QString LogExport::suggestedBaseName(const QString& modelId, const QDateTime& now)
{
    QString model = modelId;
    model.replace(QLatin1Char(' '), QLatin1Char('-'));
    if (model.isEmpty()) {
        model = QStringLiteral("device");
    }
    return QStringLiteral("korvel-%1-%2").arg(model, now.toString(QStringLiteral("yyyyMMdd-HHmm")));
}
