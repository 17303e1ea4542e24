// The log on disk: the three line formats, exports (also to a folder that
// cannot be made and to a disk that refuses the writes), and continuous
// logging with its daily files, driven by the entries' own time stamps.
#include "log/logmanager.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QDateTime kStamp(QDate(2024, 3, 5), QTime(7, 8, 9, 12));

// Makes writes past @p bytes fail with "file too large", as a full disk
// would, for as long as the object lives; works for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    bool m_active = false;
};

} // namespace

class TestLogFiles : public QObject
{
    Q_OBJECT

private slots:
    void formatLine_data();
    void formatLine();
    void escapesReadBack_data();
    void escapesReadBack();
    void dailyBaseName_data();
    void dailyBaseName();
    void exportWritesEveryHeldEntry_data();
    void exportWritesEveryHeldEntry();
    void exportIntoFolderThatCannotBeMade();
    void exportToRefusingDiskKeepsOldFile();
    void continuousAppendsEveryEntry_data();
    void continuousAppendsEveryEntry();
    void continuousRotatesOnEntryDate();
    void continuousContinuesFileOfSameDay();
    void continuousOffStopsWriting();
    void continuousWithEmptyFolderWritesToWorkingFolder();
    void continuousReportsUnopenableFileOnce();
    void continuousReportsRefusedWritesOnce();
};

void TestLogFiles::formatLine_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");

    const int none = int(LineEnd::None);
    const int text = int(LogFileFormat::Text);
    const int csv = int(LogFileFormat::Csv);
    const int hex = int(LogFileFormat::Hex);
    const QString ts = QStringLiteral("2024-03-05 07:08:09.012");

    QTest::newRow("text rx") << 1 << QByteArray("hello") << none << text
                             << "[" + ts + "] RX  hello";
    QTest::newRow("text tx utf-8") << 0 << QStringLiteral("温度 23.8").toUtf8() << none << text
                                   << "[" + ts + "] TX  " + QStringLiteral("温度 23.8");
    QTest::newRow("text keeps escapes") << 1 << QByteArray("\x1b[31mred\x1b[0m") << none << text
                                        << "[" + ts + "] RX  \x1b[31mred\x1b[0m";
    QTest::newRow("text leaves line end out")
        << 1 << QByteArray("ok") << int(LineEnd::CrLf) << text << "[" + ts + "] RX  ok";
    QTest::newRow("text unknown kind")
        << 9 << QByteArray("x") << none << text << "[" + ts + "] ?  x";
    QTest::newRow("csv unknown kind")
        << 9 << QByteArray("x") << none << csv << "\"" + ts + "\",\"?\",\"x\"";
    QTest::newRow("hex unknown kind")
        << 9 << QByteArray("x") << none << hex << "[" + ts + "] ?  78";
    QTest::newRow("csv doubles quotes")
        << 1 << QByteArray("\"hi\"") << none << csv << "\"" + ts + "\",\"RX\",\"\"\"hi\"\"\"";
    QTest::newRow("csv keeps commas")
        << 3 << QByteArray("a,b") << none << csv << "\"" + ts + "\",\"ERR\",\"a,b\"";
    QTest::newRow("hex dumps sys text") << 2 << QByteArray("Port closed") << none << hex
                                        << "[" + ts + "] SYS  50 6F 72 74 20 63 6C 6F 73 65 64";
    QTest::newRow("hex shows rx line end")
        << 1 << QByteArray("ok") << int(LineEnd::CrLf) << hex << "[" + ts + "] RX  6F 6B 0D 0A";
    QTest::newRow("hex shows lone cr")
        << 1 << QByteArray("\x01") << int(LineEnd::Cr) << hex << "[" + ts + "] RX  01 0D";
    QTest::newRow("hex empty rx") << 1 << QByteArray() << none << hex << "[" + ts + "] RX  ";
    QTest::newRow("unknown format") << 1 << QByteArray("x") << none << 7 << QString();
    // A line break inside a payload would split the entry over two lines of
    // the file; it is written as the two characters \n or \r instead.
    QTest::newRow("text multi-line tx")
        << 0 << QByteArray("a\nb\r\nc") << none << text << "[" + ts + "] TX  a\\nb\\r\\nc";
    QTest::newRow("text rx stray cr")
        << 1 << QByteArray("x\ry\r") << int(LineEnd::CrLf) << text << "[" + ts + "] RX  x\\ry\\r";
    QTest::newRow("csv multi-line err") << 3 << QByteArray("\"no\"\nport") << none << csv
                                        << "\"" + ts + "\",\"ERR\",\"\"\"no\"\"\\nport\"";
    QTest::newRow("csv lone cr") << 1 << QByteArray("\r") << none << csv
                                 << "\"" + ts + "\",\"RX\",\"\\r\"";
    QTest::newRow("hex keeps line break bytes")
        << 0 << QByteArray("a\nb") << none << hex << "[" + ts + "] TX  61 0A 62";
    // A backslash is doubled, so that the written \r of a carriage return and
    // a payload holding the two characters \ and r read back apart.
    QTest::newRow("text backslash and r")
        << 1 << QByteArray("a\\rb") << none << text << "[" + ts + "] RX  a\\\\rb";
    QTest::newRow("text carriage return")
        << 1 << QByteArray("a\rb") << none << text << "[" + ts + "] RX  a\\rb";
    QTest::newRow("text backslash before a line break")
        << 0 << QByteArray("x\\\n") << none << text << "[" + ts + "] TX  x\\\\\\n";
    QTest::newRow("csv backslash")
        << 1 << QByteArray("C:\\dev") << none << csv << "\"" + ts + "\",\"RX\",\"C:\\\\dev\"";
    QTest::newRow("hex backslash is one byte")
        << 1 << QByteArray("\\") << none << hex << "[" + ts + "] RX  5C";
    // What a text send added shows in the hex dump as it does for RX.
    QTest::newRow("hex shows tx line end")
        << 0 << QByteArray("AT") << int(LineEnd::CrLf) << hex << "[" + ts + "] TX  41 54 0D 0A";
}

void TestLogFiles::formatLine()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, data);
    QFETCH(int, lineEnd);
    QFETCH(int, format);
    QFETCH(QString, expected);
    const LogEntry entry{kStamp, LogKind(kind), data, LineEnd(lineEnd)};
    QCOMPARE(LogManager::formatLine(entry, LogFileFormat(format)), expected);
    if (LogKind(kind) == LogKind::RX && LogFileFormat(format) == LogFileFormat::Hex) {
        // The export and the monitor's hex view show the same bytes.
        QVERIFY(expected.endsWith(entry.hexText()));
    }
}

// A text file reads back to exactly the payloads: \\, \r and \n undone in
// one pass from the left.
void TestLogFiles::escapesReadBack_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("plain") << QByteArray("hello");
    QTest::newRow("backslash r") << QByteArray("\\r");
    QTest::newRow("carriage return") << QByteArray("\r");
    QTest::newRow("both") << QByteArray("\\r\r\\\\n\n");
    QTest::newRow("trailing backslash") << QByteArray("end\\");
    QTest::newRow("json with escapes") << QByteArray(R"({"s":"a\"b\\c\n"})");
}

void TestLogFiles::escapesReadBack()
{
    QFETCH(QByteArray, payload);
    const LogEntry entry{kStamp, LogKind::RX, payload, LineEnd::None};
    const QString line = LogManager::formatLine(entry, LogFileFormat::Text);
    QVERIFY(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    const QString written = line.mid(line.indexOf(QLatin1String("RX  ")) + 4);
    QString read;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written.at(i) == QLatin1Char('\\') && i + 1 < written.size()) {
            const QChar next = written.at(++i);
            read += next == QLatin1Char('r')   ? QLatin1Char('\r')
                    : next == QLatin1Char('n') ? QLatin1Char('\n')
                                               : next;
        } else {
            read += written.at(i);
        }
    }
    QCOMPARE(read.toUtf8(), payload);
}

void TestLogFiles::dailyBaseName_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("daily");
    QTest::newRow("suggested name") << "korvel-HX4-20261207-2123"
                                    << "korvel-HX4";
    QTest::newRow("date only") << "trace-20261207"
                               << "trace";
    QTest::newRow("no stamp") << "trace"
                              << "trace";
    QTest::newRow("stamp inside the name") << "a-20261207-2123-b"
                                           << "a-20261207-2123-b";
    QTest::newRow("too short for a date") << "trace-2026120"
                                          << "trace-2026120";
    QTest::newRow("only a stamp") << "-20261207"
                                  << "";
    QTest::newRow("without the dash") << "trace20261207"
                                      << "trace20261207";
}

void TestLogFiles::dailyBaseName()
{
    QFETCH(QString, saved);
    QFETCH(QString, daily);
    QCOMPARE(LogManager::dailyBaseName(saved), daily);
}

void TestLogFiles::exportWritesEveryHeldEntry_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("text") << int(LogFileFormat::Text)
                          << QByteArray("[2024-03-05 07:08:09.012] RX  a \"q\"\n"
                                        "[2024-03-05 07:08:09.012] SYS  done\n");
    QTest::newRow("csv") << int(LogFileFormat::Csv)
                         << QByteArray("time,direction,data\n"
                                       "\"2024-03-05 07:08:09.012\",\"RX\",\"a \"\"q\"\"\"\n"
                                       "\"2024-03-05 07:08:09.012\",\"SYS\",\"done\"\n");
    QTest::newRow("hex") << int(LogFileFormat::Hex)
                         << QByteArray("[2024-03-05 07:08:09.012] RX  61 20 22 71 22 0A\n"
                                       "[2024-03-05 07:08:09.012] SYS  64 6F 6E 65\n");
}

void TestLogFiles::exportWritesEveryHeldEntry()
{
    QFETCH(int, format);
    QFETCH(QByteArray, expected);
    LogManager log;
    log.setClock([] { return kStamp; });
    log.append(LogKind::RX, "a \"q\"", LineEnd::Lf);
    log.append(LogKind::SYS, "done");

    QTemporaryDir dir;
    // Folders that do not exist yet are made.
    const QString path = dir.filePath(QStringLiteral("new/deeper/out.file"));
    QString error = QStringLiteral("unchanged");
    QVERIFY(log.exportToFile(path, LogFileFormat(format), &error));
    QCOMPARE(korveltest::fileBytes(path), expected);
    QCOMPARE(error, QStringLiteral("unchanged"));

    // Exporting again replaces the file.
    log.clear();
    QVERIFY(log.exportToFile(path, LogFileFormat(format)));
    QCOMPARE(korveltest::fileBytes(path), LogFileFormat(format) == LogFileFormat::Csv
                                              ? QByteArray("time,direction,data\n")
                                              : QByteArray());
}

void TestLogFiles::exportIntoFolderThatCannotBeMade()
{
    LogManager log;
    log.append(LogKind::RX, "kept");
    // A folder below a plain file cannot be made, not even by root.
    QTemporaryFile plain;
    QVERIFY(plain.open());
    const QString path = plain.fileName() + QStringLiteral("/logs/out.log");
    QString error;
    QVERIFY(!log.exportToFile(path, LogFileFormat::Text, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(log.entries().size(), 1);
    // Without a place for the reason it still fails.
    QVERIFY(!log.exportToFile(path, LogFileFormat::Text));
}

void TestLogFiles::exportToRefusingDiskKeepsOldFile()
{
    LogManager log;
    QList<QByteArray> lines;
    for (int i = 0; i < 3000; ++i) {
        lines << QByteArray(60, 'x');
    }
    log.appendBatch(LogKind::RX, lines);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("session.log"));
    QVERIFY(korveltest::writeFile(path, "the previous export\n"));
    QString error;
    bool written = true;
    {
        FileSizeLimit limit(64 * 1024);
        QVERIFY(limit.active());
        written = log.exportToFile(path, LogFileFormat::Text, &error);
    }
    QVERIFY(!written);
    QVERIFY2(!error.isEmpty(), "a write that fails must say why");
    QCOMPARE(korveltest::fileBytes(path), QByteArray("the previous export\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("session.log")});
    QCOMPARE(log.entries().size(), 3000);
}

void TestLogFiles::continuousAppendsEveryEntry_data()
{
    QTest::addColumn<int>("batchSize");
    QTest::newRow("one line") << 1;
    QTest::newRow("announced row by row") << 300;
    QTest::newRow("bulk") << 301;
    QTest::newRow("more than the store keeps") << LogManager::Capacity + 2000;
}

void TestLogFiles::continuousAppendsEveryEntry()
{
    QFETCH(int, batchSize);
    QTemporaryDir dir;
    LogManager log;
    log.setClock([] { return kStamp; });
    log.setContinuousLogging(true, dir.path(), QStringLiteral("run"));
    const QString path = dir.filePath(QStringLiteral("run-20240305.log"));
    QCOMPARE(log.continuousFilePath(), path);

    QList<QByteArray> items;
    for (int i = 0; i < batchSize; ++i) {
        items << QByteArray::number(i).rightJustified(6, '0');
    }
    log.append(LogKind::TX, "start");
    log.appendBatch(LogKind::RX, items, QList<LineEnd>(batchSize, LineEnd::CrLf));

    // On disk moments later, without closing the file or being asked to.
    QTRY_COMPARE(korveltest::fileLines(path).size(), batchSize + 1);
    const QList<QByteArray> lines = korveltest::fileLines(path);
    QCOMPARE(qint64(lines.size()), log.totalLineCount());
    QCOMPARE(lines.first(), QByteArray("[2024-03-05 07:08:09.012] TX  start"));
    for (int i = 0; i < batchSize; ++i) {
        QCOMPARE(lines.at(i + 1), "[2024-03-05 07:08:09.012] RX  " + items.at(i));
    }
}

void TestLogFiles::continuousRotatesOnEntryDate()
{
    QTemporaryDir dir;
    LogManager log;
    QDateTime now(QDate(2024, 12, 31), QTime(23, 59, 59, 900));
    log.setClock([&now] { return now; });
    log.setContinuousLogging(true, dir.path(), QStringLiteral("logA"));
    log.append(LogKind::RX, "late");
    log.append(LogKind::RX, "later");

    now = QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0, 100));
    QCOMPARE(log.continuousFilePath(), dir.filePath(QStringLiteral("logA-20241231.log")));
    log.append(LogKind::RX, "new year");
    QCOMPARE(log.continuousFilePath(), dir.filePath(QStringLiteral("logA-20250101.log")));
    log.waitForContinuousWrites();

    QCOMPARE(korveltest::fileLines(dir.filePath(QStringLiteral("logA-20241231.log"))),
             (QList<QByteArray>{"[2024-12-31 23:59:59.900] RX  late",
                                "[2024-12-31 23:59:59.900] RX  later"}));
    QCOMPARE(korveltest::fileLines(dir.filePath(QStringLiteral("logA-20250101.log"))),
             QList<QByteArray>{"[2025-01-01 00:00:00.100] RX  new year"});
}

void TestLogFiles::continuousContinuesFileOfSameDay()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("korvel-20240305.log"));
    QVERIFY(korveltest::writeFile(path, "from this morning\n"));
    LogManager log;
    log.setClock([] { return kStamp; });
    // An empty base name gives "korvel".
    log.setContinuousLogging(true, dir.path(), QString());
    log.append(LogKind::SYS, "first");
    // Switching on again (a second save the same day) continues the file too.
    log.setContinuousLogging(true, dir.path(), QString());
    log.append(LogKind::SYS, "second");
    log.waitForContinuousWrites();
    QCOMPARE(korveltest::fileLines(path),
             (QList<QByteArray>{"from this morning", "[2024-03-05 07:08:09.012] SYS  first",
                                "[2024-03-05 07:08:09.012] SYS  second"}));
}

void TestLogFiles::continuousOffStopsWriting()
{
    QTemporaryDir dir;
    LogManager log;
    log.setClock([] { return kStamp; });
    log.setContinuousLogging(true, dir.path(), QStringLiteral("b"));
    log.append(LogKind::RX, "on");
    log.clear(); // clearing the view leaves the file alone
    log.append(LogKind::RX, "after clear");
    log.setContinuousLogging(false, dir.path(), QStringLiteral("b"));
    QVERIFY(!log.continuousLoggingEnabled());
    QVERIFY(log.continuousFilePath().isEmpty());
    log.append(LogKind::RX, "off");
    log.waitForContinuousWrites();
    QCOMPARE(korveltest::fileLines(dir.filePath(QStringLiteral("b-20240305.log"))),
             (QList<QByteArray>{"[2024-03-05 07:08:09.012] RX  on",
                                "[2024-03-05 07:08:09.012] RX  after clear"}));
}

void TestLogFiles::continuousWithEmptyFolderWritesToWorkingFolder()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    {
        LogManager log;
        log.setClock([] { return kStamp; });
        log.setContinuousLogging(true, QString(), QStringLiteral("here"));
        QVERIFY(log.continuousLoggingEnabled());
        QVERIFY(log.continuousFilePath().isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("here-20240305.log"))));
        log.append(LogKind::RX, "x");
    }
    QDir::setCurrent(previous);
    QCOMPARE(korveltest::fileLines(dir.filePath(QStringLiteral("here-20240305.log"))),
             QList<QByteArray>{"[2024-03-05 07:08:09.012] RX  x"});
}

void TestLogFiles::continuousReportsUnopenableFileOnce()
{
    QTemporaryFile plain;
    QVERIFY(plain.open());
    LogManager log;
    QSignalSpy failed(&log, &LogManager::continuousLogFailed);
    log.setContinuousLogging(true, plain.fileName() + QStringLiteral("/logs"), QStringLiteral("c"));
    log.append(LogKind::RX, "one");
    log.append(LogKind::RX, "two");
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed.first().at(0).toString().startsWith(plain.fileName()));
    QVERIFY(!failed.first().at(1).toString().isEmpty());
    // The store itself keeps every line.
    QCOMPARE(log.entries().size(), 2);
}

void TestLogFiles::continuousReportsRefusedWritesOnce()
{
    QTemporaryDir dir;
    LogManager log;
    log.setClock([] { return kStamp; });
    QSignalSpy failed(&log, &LogManager::continuousLogFailed);
    log.setContinuousLogging(true, dir.path(), QStringLiteral("full"));
    log.append(LogKind::RX, "fits");
    log.waitForContinuousWrites();
    {
        // The disk refuses everything past 4 KiB.
        FileSizeLimit limit(4096);
        QVERIFY(limit.active());
        for (int i = 0; i < 20; ++i) {
            log.appendBatch(LogKind::RX, QList<QByteArray>(10, QByteArray(100, 'x')));
        }
        log.waitForContinuousWrites();
    }
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().at(0).toString(), dir.filePath(QStringLiteral("full-20240305.log")));
    QVERIFY(!failed.first().at(1).toString().isEmpty());
    QCOMPARE(log.totalLineCount(), 201);
    QCOMPARE(korveltest::fileLines(dir.filePath(QStringLiteral("full-20240305.log"))).first(),
             QByteArray("[2024-03-05 07:08:09.012] RX  fits"));
}

QTEST_GUILESS_MAIN(TestLogFiles)
#include "tst_logfiles.moc"
