// Saving the log through the controller: the suggested name and folder, the
// formats the dialog asks for, names and folders that cannot be used, and
// continuous logging switched by a save. Also the folder picker's address.
#include "app/appcontroller.h"
#include "support/fulldisk.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QUrl>

class TestSaveLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettings(); }
    void init() { korveltest::clearSettings(); }

    void suggestedBaseName_data();
    void suggestedBaseName();
    void suggestedDirectory();
    void saveFormats_data();
    void saveFormats();
    void badNamesAndFolders_data();
    void badNamesAndFolders();
    void failedSaveChangesNothingThenGoodSaveWorks();
    void saveSwitchesContinuousLogging();
    void everyFullDiskEpisodeIsReported();
    void continuousLoggingIsShownAndStopped();
    void folderAddress_data();
    void folderAddress();
};

void TestSaveLog::suggestedBaseName_data()
{
    QTest::addColumn<QByteArray>("library");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("no model") << QByteArray(R"({"version":"1","models":[]})") << QString()
                              << QStringLiteral("korvel-device-");
    QTest::newRow("spaces become hyphens")
        << QByteArray(R"({"version":"1","models":[{"id":"Alpha Beta","commands":[]}]})")
        << QStringLiteral("Alpha Beta") << QStringLiteral("korvel-Alpha-Beta-");
    QTest::newRow("sample HX4") << korveltest::sampleLibrary() << QStringLiteral("HX4")
                                << QStringLiteral("korvel-HX4-");
}

void TestSaveLog::suggestedBaseName()
{
    QFETCH(QByteArray, library);
    QFETCH(QString, model);
    QFETCH(QString, prefix);
    QVERIFY(!library.isEmpty());
    QSettings().setValue(QStringLiteral("library/cachedJson"), QString::fromUtf8(library));
    AppController controller;
    QCOMPARE(controller.currentModelId(), model);
    const QString name = controller.suggestedLogBaseName();
    QVERIFY2(name.startsWith(prefix), qPrintable(name));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{8}-\\d{4}$"))
                 .match(name.mid(prefix.size()))
                 .hasMatch(),
             qPrintable(name));
    QVERIFY(name.mid(prefix.size(), 8) ==
                QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) ||
            name.mid(prefix.size(), 8) ==
                QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyyMMdd")));
}

void TestSaveLog::suggestedDirectory()
{
    AppController controller;
    QCOMPARE(controller.suggestedLogDirectory(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                 QStringLiteral("/Korvel"));
    QTemporaryDir dir;
    QVERIFY(controller.saveLog(dir.path(), QStringLiteral("s"), QStringLiteral("text"), false)
                .isEmpty());
    QCOMPARE(controller.suggestedLogDirectory(), dir.path());
}

void TestSaveLog::saveFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("firstLine");

    QTest::newRow("text") << QStringLiteral("text") << QStringLiteral("s")
                          << QStringLiteral("s.log") << QByteArray("] RX  line one");
    QTest::newRow("csv") << QStringLiteral("csv") << QStringLiteral("s") << QStringLiteral("s.csv")
                         << QByteArray("time,direction,data");
    QTest::newRow("hex") << QStringLiteral("hex") << QStringLiteral("s")
                         << QStringLiteral("s.hex.txt") << QByteArray("] RX  6C 69 6E 65");
    QTest::newRow("CSV in capitals is text")
        << QStringLiteral("CSV") << QStringLiteral("s") << QStringLiteral("s.log")
        << QByteArray("] RX  line one");
    QTest::newRow("unknown is text") << QStringLiteral("pdf") << QStringLiteral("s")
                                     << QStringLiteral("s.log") << QByteArray("] RX  line one");
    QTest::newRow("leading dot") << QStringLiteral("text") << QStringLiteral(".hidden")
                                 << QStringLiteral(".hidden.log") << QByteArray("] RX  line one");
    QTest::newRow("several dots") << QStringLiteral("csv") << QStringLiteral("a.b.c")
                                  << QStringLiteral("a.b.c.csv")
                                  << QByteArray("time,direction,data");
    QTest::newRow("spaces and unicode")
        << QStringLiteral("text") << QStringLiteral("日志 #1 100%")
        << QStringLiteral("日志 #1 100%.log") << QByteArray("] RX  line one");
}

void TestSaveLog::saveFormats()
{
    QFETCH(QString, format);
    QFETCH(QString, baseName);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, firstLine);

    AppController controller;
    controller.logStore().append(LogKind::RX, "line one");
    QTemporaryDir dir;
    QSignalSpy status(&controller, &AppController::statusMessage);
    QCOMPARE(controller.saveLog(dir.path(), baseName, format, false), QString());
    const QString path = QDir(dir.path()).filePath(fileName);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});
    const QByteArray first = korveltest::fileBytes(path).split('\n').first();
    QVERIFY2(first.contains(firstLine), first.constData());
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toString(), QStringLiteral("Log saved to %1").arg(path));
}

void TestSaveLog::badNamesAndFolders_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("baseName");

    QTest::newRow("empty name") << QStringLiteral("{tmp}") << QString();
    QTest::newRow("blank name") << QStringLiteral("{tmp}") << QStringLiteral("  ");
    QTest::newRow("dot dot") << QStringLiteral("{tmp}") << QStringLiteral("..");
    QTest::newRow("slash") << QStringLiteral("{tmp}") << QStringLiteral("../escape");
    QTest::newRow("backslash") << QStringLiteral("{tmp}") << QStringLiteral("a\\b");
    QTest::newRow("control character") << QStringLiteral("{tmp}") << QStringLiteral("a\nb");
    QTest::newRow("no folder") << QString() << QStringLiteral("name");
    QTest::newRow("folder below a file") << QStringLiteral("{file}/logs") << QStringLiteral("name");
    QTest::newRow("folder is a file") << QStringLiteral("{file}") << QStringLiteral("name");
}

void TestSaveLog::badNamesAndFolders()
{
    QFETCH(QString, directory);
    QFETCH(QString, baseName);
    QTemporaryDir dir;
    QTemporaryFile plain;
    QVERIFY(plain.open());
    directory.replace(QStringLiteral("{tmp}"), dir.path());
    directory.replace(QStringLiteral("{file}"), plain.fileName());

    AppController controller;
    controller.logStore().append(LogKind::RX, "kept");
    QSignalSpy status(&controller, &AppController::statusMessage);
    const QString error = controller.saveLog(directory, baseName, QStringLiteral("text"), true);
    QVERIFY(!error.isEmpty());
    QCOMPARE(status.size(), 0);
    QVERIFY(!controller.logStore().continuousLoggingEnabled());
    QVERIFY(!QSettings().contains(QStringLiteral("log/lastDirectory")));
    QVERIFY(!QSettings().contains(QStringLiteral("log/continuousEnabled")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
    QCOMPARE(QDir(QFileInfo(dir.path()).path()).exists(QStringLiteral("escape.log")), false);
    QCOMPARE(korveltest::describe(controller.logStore()), QStringList{QStringLiteral("RX:kept")});
}

void TestSaveLog::failedSaveChangesNothingThenGoodSaveWorks()
{
    AppController controller;
    const korveltest::ContinuousLogWatch watch(controller.logStore());
    QTemporaryDir good;
    QVERIFY(controller.saveLog(good.path(), QStringLiteral("first"), QStringLiteral("text"), true)
                .isEmpty());
    const QString dailyFile = controller.logStore().continuousFilePath();
    QVERIFY(!dailyFile.isEmpty());
    controller.logStore().append(LogKind::RX, "before");

    QTemporaryFile plain;
    QVERIFY(plain.open());
    QSignalSpy status(&controller, &AppController::statusMessage);
    const QString badFolder = plain.fileName() + QStringLiteral("/logs");
    const QString error =
        controller.saveLog(badFolder, QStringLiteral("second"), QStringLiteral("csv"), false);
    // The platform's own reason, as a plain open of that path gives it.
    QFile probe(badFolder + QStringLiteral("/second.csv"));
    QVERIFY(!probe.open(QIODevice::WriteOnly));
    QVERIFY2(error.contains(probe.errorString()) || probe.errorString().contains(error),
             qPrintable(error + QStringLiteral(" / ") + probe.errorString()));
    QCOMPARE(status.size(), 0);
    QCOMPARE(QSettings().value(QStringLiteral("log/lastDirectory")).toString(), good.path());
    QCOMPARE(QSettings().value(QStringLiteral("log/continuousEnabled")).toBool(), true);
    QVERIFY(controller.logStore().continuousLoggingEnabled());
    QCOMPARE(controller.logStore().continuousFilePath(), dailyFile);
    controller.logStore().append(LogKind::RX, "after");
    QVERIFY(watch.waitWritten());
    // The failed save left the daily file in use.
    const QByteArray daily = korveltest::fileBytes(dailyFile);
    QVERIFY(daily.contains("RX  before\n"));
    QVERIFY(daily.endsWith("RX  after\n"));

    QTemporaryDir other;
    QCOMPARE(
        controller.saveLog(other.path(), QStringLiteral("second"), QStringLiteral("csv"), false),
        QString());
    const QString saved = QDir(other.path()).filePath(QStringLiteral("second.csv"));
    QVERIFY(QFile::exists(saved));
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toString(), QStringLiteral("Log saved to %1").arg(saved));
    QVERIFY(!controller.logStore().continuousLoggingEnabled());
    QCOMPARE(QSettings().value(QStringLiteral("log/lastDirectory")).toString(), other.path());
}

void TestSaveLog::saveSwitchesContinuousLogging()
{
    AppController controller;
    const korveltest::ContinuousLogWatch watch(controller.logStore());
    QTemporaryDir dir;
    QVERIFY(controller.saveLog(dir.path(), QStringLiteral("day"), QStringLiteral("hex"), true)
                .isEmpty());
    const QString daily =
        QDir(dir.path())
            .filePath(QStringLiteral("day-%1.log")
                          .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
    QCOMPARE(controller.logStore().continuousFilePath(), daily);
    controller.logStore().append(LogKind::RX, "\x1b[32mgreen\x1b[0m");
    QVERIFY(watch.waitWritten());
    // Always text, whatever the export's format; escapes kept.
    QVERIFY(korveltest::fileBytes(daily).endsWith("] RX  \x1b[32mgreen\x1b[0m\n"));

    // A second save the same day continues the file.
    const QByteArray before = korveltest::fileBytes(daily);
    QVERIFY(controller.saveLog(dir.path(), QStringLiteral("day"), QStringLiteral("text"), true)
                .isEmpty());
    controller.logStore().append(LogKind::RX, "more");
    QVERIFY(watch.waitWritten());
    const QByteArray after = korveltest::fileBytes(daily);
    QVERIFY(after.startsWith(before));
    QVERIFY(after.endsWith("] RX  more\n"));

    QVERIFY(controller.saveLog(dir.path(), QStringLiteral("day"), QStringLiteral("text"), false)
                .isEmpty());
    QVERIFY(!controller.logStore().continuousLoggingEnabled());
    QCOMPARE(QSettings().value(QStringLiteral("log/continuousEnabled")).toBool(), false);
    // Not read back: a new run starts with continuous logging off.
    QSettings().setValue(QStringLiteral("log/continuousEnabled"), true);
    AppController next;
    QVERIFY(!next.logStore().continuousLoggingEnabled());
}

// The disk fills up, gets room, fills up again: the user hears of each time it stops taking
// lines (ERR) and each time it takes them again (SYS), with the number of lines missing.
void TestSaveLog::everyFullDiskEpisodeIsReported()
{
    korveltest::FullDisk disk(korveltest::FullDisk::Kind::FileSizeLimit);
    QVERIFY(disk.ready());
    AppController controller;
    const korveltest::ContinuousLogWatch watch(controller.logStore());
    QTemporaryDir dir;
    QVERIFY(controller.saveLog(dir.path(), QStringLiteral("day"), QStringLiteral("text"), true)
                .isEmpty());
    LogManager& log = controller.logStore();
    const QString daily = log.continuousFilePath();
    auto lines = [&log, &watch](int count) {
        for (int i = 0; i < count; ++i) {
            log.appendBatch(LogKind::RX, QList<QByteArray>(50, QByteArray(80, 'r')));
        }
        QVERIFY(watch.waitWritten());
    };
    auto reports = [&controller](const QString& start) {
        return korveltest::describe(controller.logStore()).filter(start).size();
    };
    const QString failed =
        QStringLiteral("ERR:The continuous log %1 cannot be written: %2").arg(daily, disk.reason());
    const QString recovered = QStringLiteral("SYS:The continuous log %1 is written again. Lines "
                                             "that could not be written to it: ")
                                  .arg(daily);
    lines(2);
    for (int episode = 1; episode <= 2; ++episode) {
        disk.fill(daily);
        lines(5);
        QTRY_COMPARE(reports(failed), episode);
        QVERIFY(watch.waitWritten()); // the ERR line meets the full disk too
        disk.free();
        lines(2);
        QTRY_COMPARE(reports(recovered), episode);
        // The SYS line reaches the file before the disk fills again, or the next episode
        // would count it among its lost lines.
        QVERIFY(watch.waitWritten());
    }
    // Each SYS line names how many lines are missing: 5 batches of 50, plus the ERR line of
    // the episode, which could not be written either.
    const QStringList sys = korveltest::describe(log).filter(recovered);
    QCOMPARE(sys.size(), 2);
    for (const QString& line : sys) {
        QVERIFY2(line.startsWith(recovered + QStringLiteral("251 (") + disk.reason() + ')'),
                 qPrintable(line));
    }
}

// What the window shows of continuous logging: on or off, the daily file
// (with the date once), its folder; and stopping it from there.
void TestSaveLog::continuousLoggingIsShownAndStopped()
{
    AppController controller;
    ContinuousLogState* state = controller.continuousLog();
    QVERIFY(!state->active());
    QSignalSpy changed(state, &ContinuousLogState::changed);
    QTemporaryDir dir;
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    const QString saved = controller.suggestedLogBaseName();
    QVERIFY(saved.contains(today));
    QVERIFY(controller.saveLog(dir.path(), saved, QStringLiteral("text"), true).isEmpty());
    QVERIFY(state->active());
    QCOMPARE(changed.count(), 1);
    const QString daily = QStringLiteral("korvel-HX4-%1.log").arg(today);
    QCOMPARE(state->fileName(), daily);
    QCOMPARE(state->filePath(), QDir(dir.path()).filePath(daily));
    QCOMPARE(state->folderUrl(), QUrl::fromLocalFile(dir.path()));
    // The writing thread creates the file, moments after the save.
    QTRY_VERIFY(QFileInfo::exists(state->filePath()));

    // A second save into the same place changes nothing that shows.
    QVERIFY(controller.saveLog(dir.path(), saved, QStringLiteral("csv"), true).isEmpty());
    QCOMPARE(changed.count(), 1);

    state->stop();
    QVERIFY(!state->active());
    QVERIFY(!controller.logStore().continuousLoggingEnabled());
    QVERIFY(state->filePath().isEmpty());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(QSettings().value(QStringLiteral("log/continuousEnabled")).toBool(), false);
    state->stop(); // already off
    QCOMPARE(changed.count(), 2);
}

void TestSaveLog::folderAddress_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("encoded");

    QTest::newRow("plain") << QStringLiteral("/home/me/logs")
                           << QStringLiteral("file:///home/me/logs");
    QTest::newRow("hash") << QStringLiteral("/work/C#") << QStringLiteral("file:///work/C%23");
    QTest::newRow("question mark")
        << QStringLiteral("/work/why?/logs") << QStringLiteral("file:///work/why%3F/logs");
    QTest::newRow("percent") << QStringLiteral("/work/100%")
                             << QStringLiteral("file:///work/100%25");
    QTest::newRow("spaces") << QStringLiteral("/work/my logs")
                            << QStringLiteral("file:///work/my%20logs");
    QTest::newRow("percent then digits")
        << QStringLiteral("/work/%41") << QStringLiteral("file:///work/%2541");
}

void TestSaveLog::folderAddress()
{
    QFETCH(QString, path);
    QFETCH(QString, encoded);
    AppController controller;
    const QUrl url = controller.urlForLocalPath(path);
    QCOMPARE(url.toString(QUrl::FullyEncoded), encoded);
    QCOMPARE(url.toLocalFile(), path);
    QCOMPARE(controller.localPathForUrl(url), path);
    QVERIFY(controller.urlForLocalPath(QString()).isEmpty());
}

QTEST_MAIN(TestSaveLog)
#include "tst_savelog.moc"
