#include "update/selfupdateinstaller.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kTarStartMs = 5000;
constexpr int kTarFinishMs = 120000;

// "<temp>/<base>-<pid>-<ms since epoch>", created with any missing parents; a failure to create
// it shows up in the step that uses it. Empty when there is no temporary-files folder (Qt's
// answer when TMPDIR or TEMP names no folder), where the bare name would land in the root folder.
QString makeWorkFolder(const QString& base)
{
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (temp.isEmpty()) {
        return {};
    }
    const QString path = QStringLiteral("%1/%2-%3-%4")
                             .arg(temp, base, QString::number(QCoreApplication::applicationPid()),
                                  QString::number(QDateTime::currentMSecsSinceEpoch()));
    QDir().mkpath(path);
    return path;
}

QString noTempFolder()
{
    return QObject::tr("no temporary-files folder is available for the update");
}

// cmd.exe expands %NAME% even inside quotes: a doubled "%" is a literal one.
QString escapePercent(QString text)
{
    return text.replace(QLatin1String("%"), QLatin1String("%%"));
}

// A path as the batch script embeds it: with backslashes whatever platform wrote the script (it
// is only ever run by cmd.exe), and "%" escaped.
QString batchPath(QString path)
{
    return escapePercent(path.replace(QLatin1Char('/'), QLatin1Char('\\')));
}

} // namespace

QString SelfUpdateInstaller::sha256OfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) {
        return {};
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool SelfUpdateInstaller::extractAndValidate(const QString& archivePath,
                                             const QString& requiredName, QString* packageRoot,
                                             QString* error)
{
    const QString staging = makeWorkFolder(QStringLiteral("KorvelSerialAssistant-update-staging"));
    if (staging.isEmpty()) {
        *error = noTempFolder();
        return false;
    }

    QProcess tar;
    tar.start(QStringLiteral("tar"),
              {QStringLiteral("-xf"), archivePath, QStringLiteral("-C"), staging});
    if (!tar.waitForStarted(kTarStartMs)) {
        *error =
            QObject::tr("could not start 'tar' (bundled with Windows 10 1803+/Windows 11) -- %1")
                .arg(tar.errorString());
        return false;
    }
    if (!tar.waitForFinished(kTarFinishMs)) {
        tar.kill();
        tar.waitForFinished();
        *error = QObject::tr("'tar' timed out extracting the update");
        return false;
    }
    if (tar.exitStatus() != QProcess::NormalExit || tar.exitCode() != 0) {
        *error = QObject::tr("'tar' failed (exit %1): %2")
                     .arg(QString::number(tar.exitCode()),
                          QString::fromLocal8Bit(tar.readAllStandardError()));
        return false;
    }

    if (QFileInfo::exists(staging + QLatin1Char('/') + requiredName)) {
        *packageRoot = staging;
        return true;
    }
    // A release wrapped in one top folder is accepted; deeper nesting is not.
    const QDir stagingDir(staging);
    const QStringList folders =
        stagingDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
    for (const QString& folder : folders) {
        const QString candidate = stagingDir.filePath(folder);
        if (QFileInfo::exists(candidate + QLatin1Char('/') + requiredName)) {
            *packageRoot = candidate;
            return true;
        }
    }
    *error = QObject::tr("downloaded archive doesn't contain %1 -- not a valid release package")
                 .arg(requiredName);
    return false;
}

QStringList SelfUpdateInstaller::updateScriptLines(const QString& packageRoot,
                                                   const QString& installDir,
                                                   const QString& exeName,
                                                   const QString& archivePath, qint64 pid)
{
    const QString id = QString::number(pid);
    const QString src = batchPath(packageRoot);
    const QString dst = batchPath(installDir);
    const QString exe = escapePercent(exeName);
    const QString zip = batchPath(archivePath);
    return {
        QStringLiteral("@echo off"),
        QStringLiteral("setlocal"),
        QStringLiteral(":waitloop"),
        QStringLiteral("tasklist /FI \"PID eq %1\" | find \"%1\" >nul").arg(id),
        QStringLiteral("if not errorlevel 1 ("),
        QStringLiteral("  timeout /t 1 /nobreak >nul"),
        QStringLiteral("  goto waitloop"),
        QStringLiteral(")"),
        QStringLiteral(
            "robocopy \"%1\" \"%2\" /MIR /XF \".env\" /R:20 /W:1 /NFL /NDL /NJH /NJS >nul")
            .arg(src, dst),
        QStringLiteral("start \"\" \"%1\\%2\"").arg(dst, exe),
        QStringLiteral("rmdir /s /q \"%1\" >nul 2>nul").arg(src),
        QStringLiteral("del \"%1\" >nul 2>nul").arg(zip),
        QStringLiteral("(goto) 2>nul & del \"%~f0\""),
    };
}

QString SelfUpdateInstaller::writeUpdateScript(const QString& packageRoot,
                                               const QString& installDir, const QString& exeName,
                                               const QString& archivePath, qint64 pid,
                                               QString* error)
{
    const QString folder = makeWorkFolder(QStringLiteral("KorvelSerialAssistant-update-script"));
    if (folder.isEmpty()) {
        *error = noTempFolder();
        return {};
    }
    const QString path = folder + QStringLiteral("/apply-update.bat");
    QByteArray text;
    for (const QString& line :
         updateScriptLines(packageRoot, installDir, exeName, archivePath, pid)) {
        text += line.toLocal8Bit() + "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() ||
        !file.flush()) {
        *error =
            QObject::tr("could not write updater script to %1: %2").arg(path, file.errorString());
        return {};
    }
    return path;
}

bool SelfUpdateInstaller::launchDetached(const QString& scriptPath)
{
    return launchDetached(scriptPath, QStringLiteral("cmd.exe"));
}

bool SelfUpdateInstaller::launchDetached(const QString& scriptPath, const QString& interpreter)
{
    return QProcess::startDetached(interpreter, {QStringLiteral("/C"), scriptPath});
}

bool SelfUpdateInstaller::install(const QString& archivePath, const QString& expectedSha256,
                                  const Target& target, QString* error)
{
    // Nothing from the package is unpacked, let alone run, before it is known to be the one the
    // service published.
    const QString expected = expectedSha256.trimmed();
    if (expected.isEmpty()) {
        *error = QObject::tr("the update service published no checksum for this package -- it "
                             "can't be verified");
        return false;
    }
    const QString actual = sha256OfFile(archivePath);
    if (actual.isEmpty() || actual.compare(expected, Qt::CaseInsensitive) != 0) {
        *error = QObject::tr("the downloaded update doesn't match its published checksum -- it "
                             "may be damaged or tampered with");
        return false;
    }

    const QFileInfo executable(target.executablePath);
    QString packageRoot;
    if (!extractAndValidate(archivePath, executable.fileName(), &packageRoot, error)) {
        return false;
    }
    const QString script = writeUpdateScript(packageRoot, executable.absolutePath(),
                                             executable.fileName(), archivePath, target.pid, error);
    if (script.isEmpty()) {
        return false;
    }
    if (!target.launch(script)) {
        *error = QObject::tr("could not start the updater script %1").arg(script);
        return false;
    }
    target.quit();
    return true;
}
