#pragma once

#include <QString>
#include <QStringList>

#include <functional>

/// The steps that replace an installed copy of the application on Windows with a downloaded
/// release package: check the package's digest, unpack it into a private staging folder and
/// make sure it is a release, write a batch script that waits for the application to exit,
/// mirrors the new files over the installation (keeping ".env") and restarts it, and start that
/// script detached. Stateless; every step reports failure through its result.
class SelfUpdateInstaller
{
public:
    /// What installing a package needs from the running application.
    struct Target
    {
        /// The running executable: its file name must be in the package, and its folder is the
        /// installation that the package replaces.
        QString executablePath;
        /// The process the update script waits for.
        qint64 pid = 0;
        /// Starts the update script so that it outlives the application; false when it did not
        /// start.
        std::function<bool(const QString& scriptPath)> launch;
        /// Ends the application, which lets the script go on.
        std::function<void()> quit;
    };

    /// The whole installation: @p archivePath must match @p expectedSha256 (a package offered
    /// without a digest is refused), is unpacked and must hold the executable's file name, the
    /// update script is written and launched through @p target, and then @p target quits. False,
    /// with the failing step's text in @p error, when a step fails; nothing after a failed step
    /// runs.
    static bool install(const QString& archivePath, const QString& expectedSha256,
                        const Target& target, QString* error);

    /// Lower-case hexadecimal SHA-256 of the file's bytes, read in pieces; empty when the file
    /// cannot be opened or read.
    static QString sha256OfFile(const QString& path);

    /// Unpacks @p archivePath with the "tar" on the executable search path into a fresh staging
    /// folder and finds the folder holding @p requiredName: the staging folder itself or one of
    /// its immediate subfolders. Blocks for up to 125 seconds.
    static bool extractAndValidate(const QString& archivePath, const QString& requiredName,
                                   QString* packageRoot, QString* error);

    /// Writes the update script into a fresh folder and returns its path; empty (with @p error
    /// set) when it cannot be written.
    static QString writeUpdateScript(const QString& packageRoot, const QString& installDir,
                                     const QString& exeName, const QString& archivePath, qint64 pid,
                                     QString* error);

    /// Starts "cmd.exe /C @p scriptPath" detached, so it outlives the application.
    static bool launchDetached(const QString& scriptPath);
    /// As above with another interpreter, which is then given "/C" and @p scriptPath.
    static bool launchDetached(const QString& scriptPath, const QString& interpreter);

    /// The thirteen lines of the script (without line ends), with every "%" of the embedded
    /// paths and of the executable name doubled so that cmd.exe takes it literally.
    static QStringList updateScriptLines(const QString& packageRoot, const QString& installDir,
                                         const QString& exeName, const QString& archivePath,
                                         qint64 pid);
};
