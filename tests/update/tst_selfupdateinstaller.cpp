// The self-update steps: digests, unpacking a package with the "tar" on the search path (here
// bsdtar, which reads ZIP archives as Windows' own tar does), the update script and starting it.
#include "update/selfupdateinstaller.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kExe = QStringLiteral("KorvelSerialAssistant.exe");

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSelfUpdateInstaller : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QByteArray m_savedPath;
    QByteArray m_savedTmp;
    QString m_bsdtar;

    QString tempRoot() const { return m_work.filePath(QStringLiteral("tmp")); }

    // A ZIP archive of the files under @p root, made with bsdtar.
    bool makeZip(const QString& root, const QString& archive)
    {
        QProcess zip;
        zip.setWorkingDirectory(root);
        zip.start(m_bsdtar, {QStringLiteral("--format"), QStringLiteral("zip"),
                             QStringLiteral("-cf"), archive, QStringLiteral(".")});
        return zip.waitForFinished(30000) && zip.exitStatus() == QProcess::NormalExit &&
               zip.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        m_bsdtar = QStandardPaths::findExecutable(QStringLiteral("bsdtar"));
        QVERIFY2(!m_bsdtar.isEmpty(), "bsdtar not found: run scripts/deps");

        // "tar" on the search path is bsdtar, and the work folders go below this test's own
        // temporary folder.
        const QString bin = m_work.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QFile::link(m_bsdtar, bin + QStringLiteral("/tar")));
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + m_savedPath);
        m_savedTmp = qgetenv("TMPDIR");
        QVERIFY(QDir().mkpath(tempRoot()));
        qputenv("TMPDIR", QFile::encodeName(tempRoot()));
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::TempLocation), tempRoot());
    }

    void cleanupTestCase()
    {
        qputenv("PATH", m_savedPath);
        if (m_savedTmp.isNull()) {
            qunsetenv("TMPDIR");
        } else {
            qputenv("TMPDIR", m_savedTmp);
        }
    }

    void sha256OfFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("digest");

        QTest::newRow("empty file")
            << QByteArray() << true
            << QStringLiteral("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
        QTest::newRow("abc")
            << QByteArray("abc") << true
            << QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
        QTest::newRow("missing file") << QByteArray() << false << QString();
        // Larger than any single read, so the digest must cover every piece.
        QByteArray large(5 * 1024 * 1024 + 3, Qt::Uninitialized);
        for (qsizetype i = 0; i < large.size(); ++i) {
            large[i] = char((i * 131) % 251);
        }
        QTest::newRow("several megabytes")
            << large << true
            << QString::fromLatin1(
                   QCryptographicHash::hash(large, QCryptographicHash::Sha256).toHex());
    }

    void sha256OfFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, digest);

        const QString path = m_work.filePath(QStringLiteral("digest.bin"));
        QFile::remove(path);
        if (exists) {
            QVERIFY(writeFile(path, content));
        }
        QCOMPARE(SelfUpdateInstaller::sha256OfFile(path), digest);
    }

    void sha256OfFolderIsEmpty()
    {
        QCOMPARE(SelfUpdateInstaller::sha256OfFile(m_work.path()), QString());
    }

    // The package root is the folder that holds the executable: the top of the archive or its
    // one wrapping folder; deeper nesting is no release.
    void extractAndValidate_data()
    {
        QTest::addColumn<QString>("wrapper");
        QTest::addColumn<bool>("ok");

        QTest::newRow("files at the top") << QString() << true;
        QTest::newRow("wrapped in one folder") << QStringLiteral("Korvel-0.9") << true;
        QTest::newRow("wrapped two deep") << QStringLiteral("outer/inner") << false;
    }

    void extractAndValidate()
    {
        QFETCH(QString, wrapper);
        QFETCH(bool, ok);

        QTemporaryDir source;
        const QString top = wrapper.isEmpty() ? source.path() : source.filePath(wrapper);
        QVERIFY(writeFile(top + QLatin1Char('/') + kExe, "MZ program"));
        QVERIFY(writeFile(top + QStringLiteral("/plugins/serial.dll"), "MZ plugin"));
        QVERIFY(writeFile(source.filePath(QStringLiteral("README.txt")), "read me"));
        const QString archive = m_work.filePath(QStringLiteral("package.zip"));
        QFile::remove(archive);
        QVERIFY(makeZip(source.path(), archive));

        QString root = QStringLiteral("(unset)");
        QString error;
        QCOMPARE(SelfUpdateInstaller::extractAndValidate(archive, kExe, &root, &error), ok);
        if (!ok) {
            QCOMPARE(error, QStringLiteral("downloaded archive doesn't contain %1 -- not a "
                                           "valid release package")
                                .arg(kExe));
            return;
        }
        QCOMPARE(error, QString());
        // "<temp>/KorvelSerialAssistant-update-staging-<pid>-<ms>", then the wrapper if any.
        const QString staging = wrapper.isEmpty() ? root : QFileInfo(root).path();
        QCOMPARE(QFileInfo(staging).path(), tempRoot());
        const QRegularExpression name(
            QStringLiteral("^KorvelSerialAssistant-update-staging-%1-\\d{13}$")
                .arg(QCoreApplication::applicationPid()));
        QVERIFY2(name.match(QFileInfo(staging).fileName()).hasMatch(), qPrintable(staging));
        if (!wrapper.isEmpty()) {
            QCOMPARE(QFileInfo(root).fileName(), wrapper);
        }
        QCOMPARE(readFile(root + QLatin1Char('/') + kExe), QByteArray("MZ program"));
        QCOMPARE(readFile(root + QStringLiteral("/plugins/serial.dll")), QByteArray("MZ plugin"));
    }

    // What tar says about an archive it cannot read reaches the user with its exit code.
    void unreadableArchive()
    {
        const QString archive = m_work.filePath(QStringLiteral("broken.zip"));
        QVERIFY(writeFile(archive, QByteArray(4096, '\x5a')));
        QProcess reference;
        reference.start(QStringLiteral("tar"),
                        {QStringLiteral("-xf"), archive, QStringLiteral("-C"), m_work.path()});
        QVERIFY(reference.waitForFinished(30000));
        QVERIFY(reference.exitCode() != 0);

        QString root;
        QString error;
        QVERIFY(!SelfUpdateInstaller::extractAndValidate(archive, kExe, &root, &error));
        QCOMPARE(error, QStringLiteral("'tar' failed (exit %1): %2")
                            .arg(QString::number(reference.exitCode()),
                                 QString::fromLocal8Bit(reference.readAllStandardError())));
        QVERIFY(error.size() > QStringLiteral("'tar' failed (exit 1): ").size());
    }

    void tarMissing()
    {
        const QByteArray path = qgetenv("PATH");
        const QString empty = m_work.filePath(QStringLiteral("empty-bin"));
        QVERIFY(QDir().mkpath(empty));
        qputenv("PATH", QFile::encodeName(empty));
        QString root;
        QString error;
        const bool ok = SelfUpdateInstaller::extractAndValidate(
            m_work.filePath(QStringLiteral("package.zip")), kExe, &root, &error);
        qputenv("PATH", path);
        QVERIFY(!ok);
        const QString start =
            QStringLiteral("could not start 'tar' (bundled with Windows 10 1803+/Windows 11) -- ");
        QVERIFY2(error.startsWith(start) && error.size() > start.size(), qPrintable(error));
    }

    // The script, byte for byte. "%" in a path is doubled: cmd.exe would otherwise expand
    // %PATH% inside the quotes and run a different command.
    void updateScript_data()
    {
        QTest::addColumn<QString>("packageRoot");
        QTest::addColumn<QString>("installDir");
        QTest::addColumn<QString>("exeName");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("src");
        QTest::addColumn<QString>("dst");
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("zip");

        QTest::newRow("plain paths")
            << QStringLiteral("C:/Users/ann/AppData/Local/Temp/stage/Korvel")
            << QStringLiteral("C:/Program Files/Korvel") << kExe
            << QStringLiteral(
                   "C:/Users/ann/AppData/Local/Temp/KorvelSerialAssistant-update/update.zip")
            << QStringLiteral("C:\\Users\\ann\\AppData\\Local\\Temp\\stage\\Korvel")
            << QStringLiteral("C:\\Program Files\\Korvel") << kExe
            << QStringLiteral("C:\\Users\\ann\\AppData\\Local\\Temp\\KorvelSerialAssistant-"
                              "update\\update.zip");
        QTest::newRow("percent signs")
            << QStringLiteral("C:/Users/a%PATH%b/Temp/stage") << QStringLiteral("D:\\Tools\\100%")
            << QStringLiteral("Korvel%1.exe") << QStringLiteral("C:/Users/a%PATH%b/Temp/u.zip")
            << QStringLiteral("C:\\Users\\a%%PATH%%b\\Temp\\stage")
            << QStringLiteral("D:\\Tools\\100%%") << QStringLiteral("Korvel%%1.exe")
            << QStringLiteral("C:\\Users\\a%%PATH%%b\\Temp\\u.zip");
    }

    void updateScript()
    {
        QFETCH(QString, packageRoot);
        QFETCH(QString, installDir);
        QFETCH(QString, exeName);
        QFETCH(QString, archive);
        QFETCH(QString, src);
        QFETCH(QString, dst);
        QFETCH(QString, exe);
        QFETCH(QString, zip);

        QString error;
        const QString script = SelfUpdateInstaller::writeUpdateScript(
            packageRoot, installDir, exeName, archive, 4242, &error);
        QCOMPARE(error, QString());
        QCOMPARE(QFileInfo(script).fileName(), QStringLiteral("apply-update.bat"));
        const QString folder = QFileInfo(script).path();
        QCOMPARE(QFileInfo(folder).path(), tempRoot());
        const QRegularExpression name(
            QStringLiteral("^KorvelSerialAssistant-update-script-%1-\\d{13}$")
                .arg(QCoreApplication::applicationPid()));
        QVERIFY2(name.match(QFileInfo(folder).fileName()).hasMatch(), qPrintable(folder));

        const QStringList expected{
            QStringLiteral("@echo off"),
            QStringLiteral("setlocal"),
            QStringLiteral(":waitloop"),
            QStringLiteral("tasklist /FI \"PID eq 4242\" | find \"4242\" >nul"),
            QStringLiteral("if not errorlevel 1 ("),
            QStringLiteral("  timeout /t 1 /nobreak >nul"),
            QStringLiteral("  goto waitloop"),
            QStringLiteral(")"),
            QStringLiteral("robocopy \"") + src + QStringLiteral("\" \"") + dst +
                QStringLiteral("\" /MIR /XF \".env\" /R:20 /W:1 /NFL /NDL /NJH /NJS >nul"),
            QStringLiteral("start \"\" \"") + dst + QLatin1Char('\\') + exe + QLatin1Char('"'),
            QStringLiteral("rmdir /s /q \"") + src + QStringLiteral("\" >nul 2>nul"),
            QStringLiteral("del \"") + zip + QStringLiteral("\" >nul 2>nul"),
            QStringLiteral("(goto) 2>nul & del \"%~f0\""),
        };
        QCOMPARE(expected.size(), 13);
        QCOMPARE(readFile(script),
                 (expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLocal8Bit());
    }

    // Work folders are made below the temporary-files folder and nowhere else.
    void workFolderProblems_data()
    {
        QTest::addColumn<QString>("tmpdir");
        QTest::addColumn<QString>("scriptError");

        const QString noTemp =
            QStringLiteral("^no temporary-files folder is available for the update$");
        // TMPDIR below a plain file: Qt knows no temporary folder at all.
        QTest::newRow("no temporary folder")
            << m_work.filePath(QStringLiteral("blocker/tmp")) << noTemp;
        // A folder in which nothing can be created, not even by root.
        QTest::newRow("folder not writable")
            << QStringLiteral("/proc")
            << QStringLiteral("^could not write updater script to "
                              "/proc/KorvelSerialAssistant-update-script-\\d+-\\d+/"
                              "apply-update\\.bat: .+$");
    }

    void workFolderProblems()
    {
        QFETCH(QString, tmpdir);
        QFETCH(QString, scriptError);

        QVERIFY(writeFile(m_work.filePath(QStringLiteral("blocker")), "not a folder"));
        qputenv("TMPDIR", QFile::encodeName(tmpdir));
        QString error;
        const QString script =
            SelfUpdateInstaller::writeUpdateScript(QStringLiteral("C:/a"), QStringLiteral("C:/b"),
                                                   kExe, QStringLiteral("C:/u.zip"), 1, &error);
        QString root;
        QString extractError;
        const bool extracted = SelfUpdateInstaller::extractAndValidate(
            m_work.filePath(QStringLiteral("package.zip")), kExe, &root, &extractError);
        qputenv("TMPDIR", QFile::encodeName(tempRoot()));

        QCOMPARE(script, QString());
        QVERIFY2(QRegularExpression(scriptError).match(error).hasMatch(), qPrintable(error));
        QVERIFY(!extracted);
        QVERIFY(!extractError.isEmpty());
        const QString pattern = QStringLiteral("KorvelSerialAssistant-update-*-%1-*")
                                    .arg(QCoreApplication::applicationPid());
        QCOMPARE(QDir(QStringLiteral("/")).entryList({pattern}, QDir::AllEntries), QStringList());
        QCOMPARE(QDir::current().entryList({pattern}, QDir::AllEntries), QStringList());
    }

    // The script's interpreter runs detached with "/C" and the script; here a stand-in for
    // cmd.exe records what it was given.
    void launchDetached()
    {
        const QString record = m_work.filePath(QStringLiteral("launched.txt"));
        const QString interpreter = m_work.filePath(QStringLiteral("fake-cmd.sh"));
        QVERIFY(writeFile(interpreter, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv "
                                       "\"$0.tmp\" \"" +
                                           QFile::encodeName(record) + "\"\n"));
        QVERIFY(QFile::setPermissions(interpreter,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString script = m_work.filePath(QStringLiteral("dir with space/apply-update.bat"));
        QVERIFY(SelfUpdateInstaller::launchDetached(script, interpreter));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 10000);
        QCOMPARE(readFile(record), QByteArray("/C\n") + QFile::encodeName(script) + '\n');

        QVERIFY(!SelfUpdateInstaller::launchDetached(
            script, m_work.filePath(QStringLiteral("no-such-interpreter"))));
        if (QStandardPaths::findExecutable(QStringLiteral("cmd.exe")).isEmpty()) {
            QVERIFY(!SelfUpdateInstaller::launchDetached(script));
        }
    }

    // The whole installation as the Windows build runs it, with a harmless launcher and quit:
    // nothing from a package is unpacked before its digest matches the offered one, and the
    // application quits only once the script has started.
    void install_data()
    {
        QTest::addColumn<QString>("digest");
        QTest::addColumn<bool>("withExe");
        QTest::addColumn<bool>("launches");
        QTest::addColumn<QString>("error");

        QTest::newRow("good package") << QStringLiteral("match") << true << true << QString();
        QTest::newRow("digest in capitals") << QStringLiteral("MATCH") << true << true << QString();
        QTest::newRow("digest mismatch")
            << QStringLiteral("other") << true << true
            << QStringLiteral("^the downloaded update doesn't match its published checksum -- it "
                              "may be damaged or tampered with$");
        QTest::newRow("no digest offered")
            << QString() << true << true
            << QStringLiteral("^the update service published no checksum for this package -- "
                              "it can't be verified$");
        QTest::newRow("not a release")
            << QStringLiteral("match") << false << true
            << QStringLiteral("^downloaded archive doesn't contain %1 -- not a valid release "
                              "package$")
                   .arg(QRegularExpression::escape(kExe));
        QTest::newRow("script does not start")
            << QStringLiteral("match") << true << false
            << QStringLiteral("^could not start the updater script .+/apply-update\\.bat$");
    }

    void install()
    {
        QFETCH(QString, digest);
        QFETCH(bool, withExe);
        QFETCH(bool, launches);
        QFETCH(QString, error);

        QTemporaryDir source;
        QVERIFY(writeFile(source.filePath(withExe ? kExe : QStringLiteral("other.exe")), "MZ new"));
        QVERIFY(writeFile(source.filePath(QStringLiteral("qml/Korvel/qmldir")), "module Korvel"));
        const QString archive = m_work.filePath(QStringLiteral("update.zip"));
        QFile::remove(archive);
        QVERIFY(makeZip(source.path(), archive));
        const QString actual = SelfUpdateInstaller::sha256OfFile(archive);
        QCOMPARE(actual.size(), 64);
        if (digest == QLatin1String("match")) {
            digest = actual;
        } else if (digest == QLatin1String("MATCH")) {
            digest = actual.toUpper();
        } else if (!digest.isEmpty()) {
            digest = QString(actual).replace(
                0, 1, QLatin1Char(actual.front() == QLatin1Char('0') ? '1' : '0'));
        }

        QDir(tempRoot()).removeRecursively();
        QVERIFY(QDir().mkpath(tempRoot()));
        const QString installDir = m_work.filePath(QStringLiteral("Program Files/Korvel"));
        QStringList launched;
        QStringList steps;
        SelfUpdateInstaller::Target target;
        target.executablePath = installDir + QLatin1Char('/') + kExe;
        target.pid = 4242;
        target.launch = [&](const QString& script) {
            launched << script;
            steps << QStringLiteral("launch");
            return launches;
        };
        target.quit = [&] {
            steps << QStringLiteral("quit");
        };

        QString message;
        const bool ok = SelfUpdateInstaller::install(archive, digest, target, &message);
        const QStringList made = QDir(tempRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (!error.isEmpty()) {
            QVERIFY(!ok);
            QVERIFY2(QRegularExpression(error).match(message).hasMatch(), qPrintable(message));
            QCOMPARE(steps, launches ? QStringList() : QStringList{"launch"});
            if (error.contains(QLatin1String("checksum"))) {
                // Refused before anything was unpacked.
                QCOMPARE(made, QStringList());
            }
            return;
        }

        QVERIFY2(ok, qPrintable(message));
        QCOMPARE(message, QString());
        QCOMPARE(steps, QStringList({"launch", "quit"}));
        QCOMPARE(launched.size(), 1);
        // The script mirrors the unpacked release over the executable's folder.
        QString root;
        for (const QString& folder : made) {
            if (folder.startsWith(QLatin1String("KorvelSerialAssistant-update-staging-"))) {
                root = tempRoot() + QLatin1Char('/') + folder;
            }
        }
        QVERIFY(!root.isEmpty());
        QCOMPARE(readFile(root + QLatin1Char('/') + kExe), QByteArray("MZ new"));
        const auto native = [](QString path) {
            return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
        };
        const QStringList lines =
            QString::fromLocal8Bit(readFile(launched.constFirst())).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines.at(3), QStringLiteral("tasklist /FI \"PID eq 4242\" | find \"4242\" >nul"));
        QCOMPARE(lines.at(8), QStringLiteral("robocopy \"%1\" \"%2\" /MIR /XF \".env\" /R:20 "
                                             "/W:1 /NFL /NDL /NJH /NJS >nul")
                                  .arg(native(root), native(installDir)));
        QCOMPARE(lines.at(9),
                 QStringLiteral("start \"\" \"%1\\%2\"").arg(native(installDir), kExe));
        QCOMPARE(lines.at(11), QStringLiteral("del \"%1\" >nul 2>nul").arg(native(archive)));
    }
};

QTEST_GUILESS_MAIN(TestSelfUpdateInstaller)
#include "tst_selfupdateinstaller.moc"
