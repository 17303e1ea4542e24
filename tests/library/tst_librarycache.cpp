// The kept device library: a file of its own, bounded in size, written as one step, and moved
// out of the settings where earlier versions kept it.
#include "library/librarycache.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

class TestLibraryCache : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path() const { return m_dir.filePath(QStringLiteral("cache/device-library.json")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        korveltest::isolateSettings();
    }

    void init()
    {
        korveltest::clearSettings();
        QFile::remove(path());
    }

    // In the application's data folder, unless a test points it elsewhere.
    void defaultPath()
    {
        LibraryCache::setFolderForTesting(QString());
        QCOMPARE(LibraryCache::defaultPath(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                     QStringLiteral("/device-library.json"));
        korveltest::isolateSettings();
        QVERIFY(LibraryCache::defaultPath().startsWith(QDir::tempPath()));
    }

    void storeAndLoad_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("kept");
        QTest::newRow("small") << qint64(100) << true;
        QTest::newRow("exactly the bound") << LibraryCache::MaxBytes << true;
        QTest::newRow("one byte past") << LibraryCache::MaxBytes + 1 << false;
    }

    // The folder is made as needed; a document past the bound is refused and the one kept
    // before stays.
    void storeAndLoad()
    {
        QFETCH(qint64, size);
        QFETCH(bool, kept);
        const LibraryCache cache(path());
        QVERIFY(cache.store("{\"version\":\"before\"}"));
        const QByteArray document(size, 'j');
        QString error;
        QCOMPARE(cache.store(document, &error), kept);
        QCOMPARE(error.isEmpty(), kept);
        QCOMPARE(cache.load(), kept ? document : QByteArray("{\"version\":\"before\"}"));
    }

    // A file placed there that is too large, or no file at all, gives nothing, at once.
    void loadRefusesWhatIsNoLibrary_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("too large") << "large";
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to /dev/zero") << "device";
    }

    void loadRefusesWhatIsNoLibrary()
    {
        QFETCH(QString, kind);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        if (kind == QLatin1String("large")) {
            QVERIFY(korveltest::writeFile(path(), QByteArray(LibraryCache::MaxBytes + 1, ' ')));
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        } else if (kind == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path()));
        }
        QCOMPARE(LibraryCache(path()).load(), QByteArray());
    }

    // Moved once: into the file when it has none yet, and out of the settings in any case;
    // one past the bound is dropped.
    void migrateFromSettings_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray library("{\"version\":\"old\",\"models\":[]}");
        QTest::newRow("nothing stored") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("moved") << library << QByteArray() << library;
        QTest::newRow("file already there") << library << QByteArray("{\"version\":\"file\"}")
                                            << QByteArray("{\"version\":\"file\"}");
        QTest::newRow("too large to keep")
            << QByteArray(LibraryCache::MaxBytes + 1, ' ') << QByteArray() << QByteArray();
    }

    void migrateFromSettings()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        SettingsStore settings;
        if (!stored.isEmpty()) {
            settings.setCachedLibraryJson(QString::fromUtf8(stored));
        }
        const LibraryCache cache(path());
        if (!before.isEmpty()) {
            QVERIFY(cache.store(before));
        }
        QCOMPARE(cache.migrateFrom(settings), QByteArray());
        QCOMPARE(cache.load(), after);
        QVERIFY(!QSettings().contains(QStringLiteral("library/cachedJson")));
    }

    // A folder that cannot be written keeps the library in the settings, for this run to use
    // and a later start to move.
    void migrationWaitsForAWritableFolder()
    {
        const QByteArray library("{\"version\":\"stays\",\"models\":[]}");
        SettingsStore settings;
        settings.setCachedLibraryJson(QString::fromUtf8(library));
        QTemporaryFile plain;
        QVERIFY(plain.open());
        const LibraryCache cache(plain.fileName() + QStringLiteral("/device-library.json"));
        QCOMPARE(cache.migrateFrom(settings), library);
        QCOMPARE(settings.cachedLibraryJson(), QString::fromUtf8(library));
    }
};

QTEST_GUILESS_MAIN(TestLibraryCache)
#include "tst_librarycache.moc"
