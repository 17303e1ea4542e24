// The ".env" reader: the line syntax, the order in which the three files are read, and the
// lookup with a default.
#include "settings/envconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

using Values = QMap<QString, QString>;

} // namespace

class TestEnvConfig : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Each row: the file's text, the keys it defines with their values, and keys it must not
    // define.
    void syntax_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Values>("defined");
        QTest::addColumn<QStringList>("undefined");

        QTest::newRow("plain") << QByteArray("KEY=value\n") << Values{{"KEY", "value"}}
                               << QStringList();
        QTest::newRow("spaces around key and value")
            << QByteArray("   KEY  =   a b  \t\n") << Values{{"KEY", "a b"}} << QStringList();
        QTest::newRow("double quotes removed")
            << QByteArray("KEY = \"a b\"\n") << Values{{"KEY", "a b"}} << QStringList();
        QTest::newRow("single quotes removed")
            << QByteArray("KEY='x=1 # y'\n") << Values{{"KEY", "x=1 # y"}} << QStringList();
        QTest::newRow("quotes inside kept")
            << QByteArray("KEY=\" a \"b\" \"\n") << Values{{"KEY", " a \"b\" "}} << QStringList();
        QTest::newRow("mismatched quotes kept")
            << QByteArray("KEY=\"a b'\n") << Values{{"KEY", "\"a b'"}} << QStringList();
        QTest::newRow("one quote alone")
            << QByteArray("KEY=\"\n") << Values{{"KEY", "\""}} << QStringList();
        QTest::newRow("empty quotes")
            << QByteArray("KEY=''\n") << Values{{"KEY", ""}} << QStringList();
        QTest::newRow("further equals belong to the value")
            << QByteArray("KEY=x=y\n") << Values{{"KEY", "x=y"}} << QStringList();
        QTest::newRow("comment line") << QByteArray("# KEY=x\n  # OTHER=y\n") << Values()
                                      << QStringList{"KEY", "# KEY", "OTHER"};
        QTest::newRow("no end-of-line comments")
            << QByteArray("KEY=x # note\n") << Values{{"KEY", "x # note"}} << QStringList();
        QTest::newRow("lines without key or equals ignored")
            << QByteArray("=x\nKEY\n = y\n\n   \n") << Values() << QStringList{"KEY", "", "=x"};
        QTest::newRow("empty value is defined")
            << QByteArray("KEY=\n") << Values{{"KEY", ""}} << QStringList();
        QTest::newRow("export prefix is part of the key")
            << QByteArray("export NAME=x\n") << Values{{"export NAME", "x"}} << QStringList{"NAME"};
        QTest::newRow("keys are case-sensitive")
            << QByteArray("key=lower\nKEY=upper\n") << Values{{"key", "lower"}, {"KEY", "upper"}}
            << QStringList{"Key"};
        QTest::newRow("later definition wins")
            << QByteArray("KEY=first\nKEY=second\n") << Values{{"KEY", "second"}} << QStringList();
        QTest::newRow("windows line ends")
            << QByteArray("A=1\r\nB=\"2\"\r\n") << Values{{"A", "1"}, {"B", "2"}} << QStringList();
        QTest::newRow("no final line end")
            << QByteArray("A=1\nB=2") << Values{{"A", "1"}, {"B", "2"}} << QStringList();
        // Old Mac editors end lines with a carriage return alone.
        QTest::newRow("carriage returns alone")
            << QByteArray("A=1\rB=2\r# C=3\r") << Values{{"A", "1"}, {"B", "2"}}
            << QStringList{"C", "# C"};
        QTest::newRow("line ends mixed")
            << QByteArray("A=1\r\rB=2\n\r\nC=3\r\n") << Values{{"A", "1"}, {"B", "2"}, {"C", "3"}}
            << QStringList();
        QTest::newRow("utf-16 with byte order mark")
            << QByteArray("\xFF\xFEK\0=\0v\0\r\0W\0=\0w\0", 16) << Values{{"K", "v"}, {"W", "w"}}
            << QStringList();
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBFKEY=x\n") << Values{{"KEY", "x"}} << QStringList();
        QTest::newRow("utf-8 value")
            << QByteArray("DEVICE_LIBRARY_API_KEY=schl\xC3\xBCssel\n")
            << Values{{"DEVICE_LIBRARY_API_KEY", QStringLiteral("schlüssel")}} << QStringList();
        QTest::newRow("no variable expansion")
            << QByteArray("HOME_DIR=$HOME/x\n") << Values{{"HOME_DIR", "$HOME/x"}} << QStringList();
        QTest::newRow("typical file")
            << QByteArray("# update services\n"
                          "DEVICE_LIBRARY_API_BASE_URL=https://lib.example/api/\n"
                          "DEVICE_LIBRARY_API_KEY=\"k1\"\n"
                          "\n"
                          "APP_UPDATE_API_BASE_URL = 'https://apps.example'\n")
            << Values{{"DEVICE_LIBRARY_API_BASE_URL", "https://lib.example/api/"},
                      {"DEVICE_LIBRARY_API_KEY", "k1"},
                      {"APP_UPDATE_API_BASE_URL", "https://apps.example"}}
            << QStringList{"APP_UPDATE_API_KEY"};
    }

    void syntax()
    {
        QFETCH(QByteArray, text);
        QFETCH(Values, defined);
        QFETCH(QStringList, undefined);

        const QString path = m_dir.filePath(QStringLiteral("syntax.env"));
        QVERIFY(writeFile(path, text));
        EnvConfig config;
        config.loadFile(path);
        for (auto it = defined.cbegin(); it != defined.cend(); ++it) {
            QCOMPARE(config.value(it.key(), QStringLiteral("<default>")), it.value());
        }
        for (const QString& key : undefined) {
            QCOMPARE(config.value(key, QStringLiteral("<default>")), QStringLiteral("<default>"));
        }
    }

    // Beside the executable, then the working folder, then the source folder: a later file's
    // definition replaces an earlier one; missing files are skipped.
    void precedence_data()
    {
        QTest::addColumn<QByteArray>("besideExecutable");
        QTest::addColumn<QByteArray>("workingFolder");
        QTest::addColumn<QByteArray>("sourceFolder");
        QTest::addColumn<QString>("value");

        const QByteArray missing;
        QTest::newRow("no file anywhere") << missing << missing << missing << QString();
        QTest::newRow("executable's folder only")
            << QByteArray("URL=exe") << missing << missing << QStringLiteral("exe");
        QTest::newRow("working folder beats executable's")
            << QByteArray("URL=exe") << QByteArray("URL=cwd") << missing << QStringLiteral("cwd");
        QTest::newRow("source folder beats both") << QByteArray("URL=exe") << QByteArray("URL=cwd")
                                                  << QByteArray("URL=src") << QStringLiteral("src");
        QTest::newRow("later file without the key changes nothing")
            << QByteArray("URL=exe") << QByteArray("OTHER=1") << missing << QStringLiteral("exe");
        QTest::newRow("later empty value replaces")
            << QByteArray("URL=exe") << missing << QByteArray("URL=") << QString();
    }

    void precedence()
    {
        QFETCH(QByteArray, besideExecutable);
        QFETCH(QByteArray, workingFolder);
        QFETCH(QByteArray, sourceFolder);
        QFETCH(QString, value);

        QStringList files;
        const QList<QByteArray> contents{besideExecutable, workingFolder, sourceFolder};
        for (qsizetype i = 0; i < contents.size(); ++i) {
            const QString folder =
                m_dir.filePath(QStringLiteral("%1-%2").arg(QTest::currentDataTag()).arg(i));
            QVERIFY(QDir().mkpath(folder));
            files << folder + QStringLiteral("/.env");
            if (!contents.at(i).isNull()) {
                QVERIFY(writeFile(files.last(), contents.at(i)));
            }
        }
        const EnvConfig config(files);
        QCOMPARE(config.value(QStringLiteral("URL"), QString()), value);
        if (besideExecutable.isNull() && workingFolder.isNull() && sourceFolder.isNull()) {
            for (const char* key : {"DEVICE_LIBRARY_API_BASE_URL", "DEVICE_LIBRARY_API_KEY",
                                    "APP_UPDATE_API_BASE_URL", "APP_UPDATE_API_KEY"}) {
                QCOMPARE(config.value(QString::fromLatin1(key), QString()), QString());
            }
        }
    }

    // Reading the same file twice, as happens when the program runs from its own folder,
    // changes nothing.
    void sameFileTwice()
    {
        const QString path = m_dir.filePath(QStringLiteral("twice.env"));
        QVERIFY(writeFile(path, "A=1\nA=2\nB=3\n"));
        const EnvConfig config({path, path, path});
        QCOMPARE(config.value(QStringLiteral("A")), QStringLiteral("2"));
        QCOMPARE(config.value(QStringLiteral("B")), QStringLiteral("3"));
    }

    void unreadableFilesSkipped()
    {
        EnvConfig config;
        config.loadFile(m_dir.filePath(QStringLiteral("does-not-exist")));
        config.loadFile(m_dir.path()); // a folder
        QCOMPARE(config.value(QStringLiteral("A"), QStringLiteral("fallback")),
                 QStringLiteral("fallback"));
    }

    // Only a regular file of at most MaxFileBytes is read. A named pipe would block the start
    // until something writes to it, a device such as /dev/urandom never ends; both are skipped
    // at once, like a file too large to be a ".env".
    void nonFilesSkipped_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("read");
        QTest::newRow("named pipe") << "pipe" << false;
        QTest::newRow("link to /dev/urandom") << "/dev/urandom" << false;
        QTest::newRow("link to /dev/zero") << "/dev/zero" << false;
        QTest::newRow("larger than the bound") << "large" << false;
        QTest::newRow("exactly the bound") << "bound" << true;
    }

    void nonFilesSkipped()
    {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        const QString path = m_dir.filePath(QStringLiteral("special.env"));
        QFile::remove(path);
        const QByteArray definition("A=from-file\n");
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind.startsWith(QLatin1Char('/'))) {
            QVERIFY(QFile::link(kind, path));
        } else {
            const qint64 size = EnvConfig::MaxFileBytes + (kind == QLatin1String("large") ? 1 : 0);
            QVERIFY(writeFile(path, definition + QByteArray(size - definition.size(), '#')));
        }

        // On a thread of its own, so that a read that never ends fails the test instead of
        // holding it; a pipe is released by opening its other end.
        auto done = std::make_shared<std::atomic<bool>>(false);
        auto config = std::make_shared<EnvConfig>();
        std::thread reader([path, done, config] {
            config->loadFile(path);
            *done = true;
        });
        QDeadlineTimer deadline(5000);
        while (!*done && !deadline.hasExpired()) {
            QTest::qWait(10);
        }
        const bool ended = *done;
        if (!ended && kind == QLatin1String("pipe")) {
            QFile other(path);
            other.open(QIODevice::WriteOnly);
        }
        if (ended || kind == QLatin1String("pipe")) {
            reader.join();
        } else {
            reader.detach(); // reading a device for good: it ends with the test
        }
        QVERIFY2(ended, "the read did not end");
        QCOMPARE(config->value(QStringLiteral("A"), QStringLiteral("fallback")),
                 read ? QStringLiteral("from-file") : QStringLiteral("fallback"));
    }

    // This development build reads the source folder's file last.
    void defaultLocations()
    {
        const QStringList files = EnvConfig::defaultLocations();
        QCOMPARE(files.size(), 3);
        QCOMPARE(files.at(0), QCoreApplication::applicationDirPath() + QStringLiteral("/.env"));
        QCOMPARE(files.at(1), QDir::currentPath() + QStringLiteral("/.env"));
        QCOMPARE(QFileInfo(files.at(2)).fileName(), QStringLiteral(".env"));
        const QString source = QFileInfo(files.at(2)).path();
        QVERIFY2(QFileInfo::exists(source + QStringLiteral("/settings/envconfig.cpp")),
                 qPrintable(source));
    }
};

QTEST_GUILESS_MAIN(TestEnvConfig)
#include "tst_envconfig.moc"
