// The log on disk: the three line formats, exports (also to a folder that
// cannot be made and to a disk that refuses the writes), and continuous
// logging with its daily files, driven by the entries' own time stamps.
#include "log/logmanager.h"
#include "support/fulldisk.h"
#include "support/testsupport.h"
#include "util/regularfile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <QRegularExpression>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <thread>

using korveltest::FullDisk;

namespace {

const QDateTime kStamp(QDate(2024, 3, 5), QTime(7, 8, 9, 12));

// Drains the named pipe @p path (through @p reader, or an end of its own) if done() was not
// called within ten seconds, so that a test whose writes wait for the pipe fails instead of
// hanging; joined when the object goes.
class PipeWatchdog
{
public:
    PipeWatchdog(const QString& path, int reader)
        : m_reader(reader)
    {
        m_thread = std::thread([this, path] {
            QDeadlineTimer deadline(10000);
            while (!m_finished && !deadline.hasExpired()) {
                QThread::msleep(20);
            }
            if (m_finished) {
                return;
            }
            m_released = true;
            const int fd =
                m_reader >= 0 ? m_reader : ::open(QFile::encodeName(path).constData(), O_RDONLY);
            ::fcntl(fd, F_SETFL, 0);
            char buffer[65536];
            while (::read(fd, buffer, sizeof buffer) > 0) {
            }
            if (fd != m_reader) {
                ::close(fd);
            }
        });
    }
    ~PipeWatchdog()
    {
        m_finished = true;
        m_thread.join();
        if (m_reader >= 0) {
            ::close(m_reader);
        }
    }
    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

    /// True when the pipe never had to be drained; stops the watch.
    bool done()
    {
        m_finished = true;
        return !m_released;
    }

private:
    int m_reader;
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_released{false};
    std::thread m_thread;
};

// Every RX line of a flood carries its number, so a file shows what it misses.
QByteArray floodLine(int number)
{
    return QByteArray::number(number).rightJustified(8, '0') + QByteArray(30, '.');
}

} // namespace

class TestLogFiles : public QObject
{
    Q_OBJECT

private slots:
    void formatLine_data();
    void formatLine();
    void formatLineWithCheck_data();
    void formatLineWithCheck();
    void escapesReadBack_data();
    void escapesReadBack();
    void dailyBaseName_data();
    void dailyBaseName();
    void exportWritesEveryHeldEntry_data();
    void exportWritesEveryHeldEntry();
    void exportIntoFolderThatCannotBeMade();
    void exportToFullDiskKeepsOldFile_data();
    void exportToFullDiskKeepsOldFile();
    void continuousAppendsEveryEntry_data();
    void continuousAppendsEveryEntry();
    void continuousRotatesOnEntryDate();
    void continuousContinuesFileOfSameDay();
    void continuousOffStopsWriting();
    void continuousWithEmptyFolderWritesToWorkingFolder();
    void continuousReportsUnopenableFileOnce();
    void continuousReportsRefusedWritesOnce();
    void continuousRefusesNamedPipe_data();
    void continuousRefusesNamedPipe();
    void fullDiskEpisodes_data();
    void fullDiskEpisodes();
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

void TestLogFiles::formatLineWithCheck_data()
{
    QTest::addColumn<int>("check");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");

    const QString ts = QStringLiteral("2024-03-05 07:08:09.012");
    const int valid = int(FrameCheck::Valid);
    const int invalid = int(FrameCheck::Invalid);
    QTest::newRow("hex valid") << valid << int(LogFileFormat::Hex)
                               << "[" + ts + "] RX  41 0D 0A 42 [CRC ok]";
    QTest::newRow("hex invalid") << invalid << int(LogFileFormat::Hex)
                                 << "[" + ts + "] RX  41 0D 0A 42 [CRC bad]";
    QTest::newRow("text valid") << valid << int(LogFileFormat::Text)
                                << "[" + ts + "] RX  A\\r\\nB [CRC ok]";
    QTest::newRow("csv invalid") << invalid << int(LogFileFormat::Csv)
                                 << "\"" + ts + "\",\"RX\",\"A\\r\\nB [CRC bad]\"";
    QTest::newRow("no check") << int(FrameCheck::None) << int(LogFileFormat::Hex)
                              << "[" + ts + "] RX  41 0D 0A 42";
}

void TestLogFiles::formatLineWithCheck()
{
    QFETCH(int, check);
    QFETCH(int, format);
    QFETCH(QString, expected);
    // A frame's line feed and return are data: no line end of its own.
    const LogEntry entry{kStamp, LogKind::RX, QByteArray("A\r\nB"), LineEnd::None,
                         FrameCheck(check)};
    QCOMPARE(LogManager::formatLine(entry, LogFileFormat(format)), expected);
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

void TestLogFiles::exportToFullDiskKeepsOldFile_data()
{
    QTest::addColumn<FullDisk::Kind>("kind");
    QTest::newRow("small tmpfs") << FullDisk::Kind::SmallTmpfs;
    QTest::newRow("file-size limit") << FullDisk::Kind::FileSizeLimit;
}

// The export names the system's reason, not a general "Unknown error".
void TestLogFiles::exportToFullDiskKeepsOldFile()
{
    QFETCH(FullDisk::Kind, kind);
    FullDisk disk(kind);
    if (!disk.ready()) {
        QSKIP(qPrintable(disk.skipReason()));
    }
    LogManager log;
    QList<QByteArray> lines;
    for (int i = 0; i < 3000; ++i) {
        lines << QByteArray(60, 'x');
    }
    log.appendBatch(LogKind::RX, lines);

    const QString path = QDir(disk.folder()).filePath(QStringLiteral("session.log"));
    QVERIFY(korveltest::writeFile(path, "the previous export\n"));
    QString error;
    disk.fill();
    const bool written = log.exportToFile(path, LogFileFormat::Text, &error);
    disk.free();
    QVERIFY(!written);
    QCOMPARE(error, disk.reason());
    QCOMPARE(korveltest::fileBytes(path), QByteArray("the previous export\n"));
    QCOMPARE(QDir(disk.folder()).entryList(QDir::Files),
             QStringList{QStringLiteral("session.log")});
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
    const korveltest::ContinuousLogWatch watch(log);
    QDateTime now(QDate(2024, 12, 31), QTime(23, 59, 59, 900));
    log.setClock([&now] { return now; });
    log.setContinuousLogging(true, dir.path(), QStringLiteral("logA"));
    log.append(LogKind::RX, "late");
    log.append(LogKind::RX, "later");

    now = QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0, 100));
    QCOMPARE(log.continuousFilePath(), dir.filePath(QStringLiteral("logA-20241231.log")));
    log.append(LogKind::RX, "new year");
    QCOMPARE(log.continuousFilePath(), dir.filePath(QStringLiteral("logA-20250101.log")));
    QVERIFY(watch.waitWritten());

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
    const korveltest::ContinuousLogWatch watch(log);
    log.setClock([] { return kStamp; });
    // An empty base name gives "korvel".
    log.setContinuousLogging(true, dir.path(), QString());
    log.append(LogKind::SYS, "first");
    // Switching on again (a second save the same day) continues the file too.
    log.setContinuousLogging(true, dir.path(), QString());
    log.append(LogKind::SYS, "second");
    QVERIFY(watch.waitWritten());
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
    // Comes once the writer has handled all of what follows: nothing in between runs the
    // event loop.
    QSignalSpy written(&log, &LogManager::continuousLogWritten);
    log.setContinuousLogging(false, dir.path(), QStringLiteral("b"));
    QVERIFY(!log.continuousLoggingEnabled());
    QVERIFY(log.continuousFilePath().isEmpty());
    log.append(LogKind::RX, "off");
    QVERIFY(written.wait());
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
    const korveltest::ContinuousLogWatch watch(log);
    QSignalSpy failed(&log, &LogManager::continuousLogFailed);
    log.setContinuousLogging(true, plain.fileName() + QStringLiteral("/logs"), QStringLiteral("c"));
    log.append(LogKind::RX, "one");
    log.append(LogKind::RX, "two");
    QVERIFY(watch.waitWritten());
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
    const korveltest::ContinuousLogWatch watch(log);
    log.setClock([] { return kStamp; });
    QSignalSpy failed(&log, &LogManager::continuousLogFailed);
    log.setContinuousLogging(true, dir.path(), QStringLiteral("full"));
    log.append(LogKind::RX, "fits");
    QVERIFY(watch.waitWritten());
    {
        // The disk refuses everything past 4 KiB.
        FullDisk disk(FullDisk::Kind::FileSizeLimit);
        QVERIFY(disk.ready());
        disk.fill();
        for (int i = 0; i < 20; ++i) {
            log.appendBatch(LogKind::RX, QList<QByteArray>(10, QByteArray(100, 'x')));
        }
        QVERIFY(watch.waitWritten());
    }
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().at(0).toString(), dir.filePath(QStringLiteral("full-20240305.log")));
    QVERIFY(!failed.first().at(1).toString().isEmpty());
    QCOMPARE(log.totalLineCount(), 201);
    QCOMPARE(korveltest::fileLines(dir.filePath(QStringLiteral("full-20240305.log"))).first(),
             QByteArray("[2024-03-05 07:08:09.012] RX  fits"));
}

void TestLogFiles::continuousRefusesNamedPipe_data()
{
    QTest::addColumn<bool>("withReader");
    QTest::newRow("nobody reads it") << false;
    QTest::newRow("a reader that never reads") << true;
}

// A daily file that is a named pipe would block the open until something reads it, or take
// lines until its buffer is full and then block every write: it is refused at once, said so,
// and the lines stay in the store. A watchdog releases the pipe if the test would hang.
void TestLogFiles::continuousRefusesNamedPipe()
{
    QFETCH(bool, withReader);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pipe-20240305.log"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    int reader = -1;
    if (withReader) {
        reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
    }
    PipeWatchdog watchdog(path, reader);
    {
        LogManager log;
        const korveltest::ContinuousLogWatch watch(log);
        log.setClock([] { return kStamp; });
        QSignalSpy failed(&log, &LogManager::continuousLogFailed);
        log.setContinuousLogging(true, dir.path(), QStringLiteral("pipe"));
        // More than a writer may queue for a destination that does not drain.
        const QList<QByteArray> megabyte(1024, QByteArray(1023, 'p'));
        for (int i = 0; i < 80; ++i) {
            log.appendBatch(LogKind::RX, megabyte);
        }
        // Neither the window's thread nor the writing one waits for the pipe.
        QVERIFY(watch.waitWritten());
        QVERIFY2(watchdog.done(), "a thread waited for the pipe");
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(0).toString(), path);
        QCOMPARE(failed.first().at(1).toString(), RegularFile::notRegularText());
        QCOMPARE(log.totalLineCount(), 80 * 1024);
        QVERIFY(log.continuousFilePath().isEmpty());
    }
}

void TestLogFiles::fullDiskEpisodes_data()
{
    QTest::addColumn<FullDisk::Kind>("kind");
    QTest::newRow("small tmpfs") << FullDisk::Kind::SmallTmpfs;
    QTest::newRow("file-size limit") << FullDisk::Kind::FileSizeLimit;
}

// A disk that fills up during a flood, gets room, and fills up again: every stretch of refused
// writes is reported when it begins and when it ends, the file marks each hole with the number
// of lines missing there and why, and it holds no line cut in two.
void TestLogFiles::fullDiskEpisodes()
{
    QFETCH(FullDisk::Kind, kind);
    FullDisk disk(kind);
    if (!disk.ready()) {
        QSKIP(qPrintable(disk.skipReason()));
    }
    LogManager log;
    const korveltest::ContinuousLogWatch watch(log);
    log.setClock([] { return kStamp; });
    QSignalSpy failed(&log, &LogManager::continuousLogFailed);
    QSignalSpy recovered(&log, &LogManager::continuousLogRecovered);
    QSignalSpy lost(&log, &LogManager::continuousLinesLost);
    log.setContinuousLogging(true, disk.folder(), QStringLiteral("flood"));
    const QString path = QDir(disk.folder()).filePath(QStringLiteral("flood-20240305.log"));

    int next = 0;
    auto flood = [&](int batches) {
        for (int b = 0; b < batches; ++b) {
            QList<QByteArray> items;
            for (int i = 0; i < 100; ++i) {
                items << floodLine(next++);
            }
            log.appendBatch(LogKind::RX, items);
        }
        QVERIFY(watch.waitWritten());
    };
    flood(20);
    for (int episode = 0; episode < 2; ++episode) {
        disk.fill(path);
        flood(40);
        QTRY_COMPARE(failed.size(), recovered.size() + 1);
        QCOMPARE(failed.constLast().at(1).toString(), disk.reason());
        disk.free();
        flood(20);
        QTRY_COMPARE(recovered.size(), failed.size());
    }
    QVERIFY(failed.size() >= 2);
    QCOMPARE(lost.size(), 0);

    // Every line whole, in order; before each hole one marker per reason, with its size.
    const QByteArray content = korveltest::fileBytes(path);
    QVERIFY(content.endsWith('\n'));
    const QRegularExpression rx(
        QStringLiteral("^\\[2024-03-05 07:08:09\\.012\\] RX  (\\d{8})\\.{30}$"));
    const QRegularExpression marker(
        QStringLiteral("^\\[[-0-9 :.]{23}\\] SYS  Lines that could not be written here: (\\d+) "
                       "\\((.+)\\)$"));
    int expected = 0;
    qint64 marked = 0;
    qint64 markedTotal = 0;
    int holes = 0;
    for (const QByteArray& line : korveltest::fileLines(path)) {
        const QString text = QString::fromUtf8(line);
        if (const QRegularExpressionMatch m = marker.match(text); m.hasMatch()) {
            QCOMPARE(m.captured(2), disk.reason());
            marked += m.captured(1).toLongLong();
            continue;
        }
        const QRegularExpressionMatch m = rx.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        const int number = m.captured(1).toInt();
        QCOMPARE(number - expected, marked);
        holes += marked > 0 ? 1 : 0;
        markedTotal += marked;
        marked = 0;
        expected = number + 1;
    }
    QCOMPARE(expected, next);
    QCOMPARE(holes, recovered.size());
    qint64 reportedTotal = 0;
    for (const QList<QVariant>& report : recovered) {
        QCOMPARE(report.at(0).toString(), path);
        QCOMPARE(report.at(2).toString(), disk.reason());
        reportedTotal += report.at(1).toLongLong();
    }
    QCOMPARE(reportedTotal, markedTotal);
    QVERIFY(markedTotal > 0);
}

QTEST_GUILESS_MAIN(TestLogFiles)
#include "tst_logfiles.moc"
