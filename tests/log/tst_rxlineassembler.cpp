// The receive path: received chunks cut into RX log lines at line feeds, a
// partial line logged after a pause or at the size limit, no byte lost.
#include "log/logmanager.h"
#include "log/rxlineassembler.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <numeric>
#include <set>

namespace {

using namespace korveltest;

// A step of a scripted feed: a chunk to hand over, or (null) a pause long
// enough for the pending partial line to be flushed by the timer.
const QByteArray kPause;

constexpr int kFlushBound = 3000;

// Feeds each step; at kPause it waits until the pause has flushed a line.
void feedSteps(RxLineAssembler& assembler, const LogManager& log, const QList<QByteArray>& steps)
{
    for (const QByteArray& step : steps) {
        if (step.isNull()) {
            const qsizetype before = log.entries().size();
            QTRY_VERIFY_WITH_TIMEOUT(log.entries().size() > before, kFlushBound);
        } else {
            assembler.feed(step);
        }
    }
}

} // namespace

class TestRxLineAssembler : public QObject
{
    Q_OBJECT

private slots:
    void cutsLines_data();
    void cutsLines();
    void remembersLineEnds_data();
    void remembersLineEnds();
    void longLineIsCutIntoBoundedEntries();
    void pauseIsCountedFromTheLastChunk();
    void bytesAreConserved();
    void pauseWaitsForUnreadInput();
};

void TestRxLineAssembler::cutsLines_data()
{
    QTest::addColumn<QList<QByteArray>>("steps");
    // Lines logged as soon as the last chunk is handled.
    QTest::addColumn<QList<QByteArray>>("atOnce");
    // Lines logged once the pause after the last chunk has passed.
    QTest::addColumn<QList<QByteArray>>("afterPause");

    using L = QList<QByteArray>;
    QTest::newRow("CR LF in the middle") << L{"AB\r\nCD"} << L{"AB"} << L{"AB", "CD"};
    QTest::newRow("LF follows CR in time") << L{"AB\r", "\n"} << L{"AB"} << L{"AB"};
    QTest::newRow("LF follows CR after the pause")
        << L{"AB\r", kPause, "\n"} << L{"AB", ""} << L{"AB", ""};
    QTest::newRow("two LFs") << L{"\n\n"} << L{"", ""} << L{"", ""};
    QTest::newRow("bare CRs stay inside") << L{"A\rB\r"} << L{} << L{"A\rB"};
    QTest::newRow("only one CR is dropped") << L{"A\r\r\n"} << L{"A\r"} << L{"A\r"};
    QTest::newRow("line split over chunks") << L{"{\"temp", "\":21.5}\r", "\nnext"}
                                            << L{"{\"temp\":21.5}"} << L{"{\"temp\":21.5}", "next"};
    QTest::newRow("NUL and ESC are data")
        << L{QByteArray("a\0b\x1b[3", 6), "1mc\n"} << L{QByteArray("a\0b\x1b[31mc", 9)}
        << L{QByteArray("a\0b\x1b[31mc", 9)};
    QTest::newRow("8191 bytes wait for the pause")
        << L{QByteArray(8191, 'x')} << L{} << L{QByteArray(8191, 'x')};
    QTest::newRow("8192 bytes are logged at once")
        << L{QByteArray(8192, 'x')} << L{QByteArray(8192, 'x')} << L{QByteArray(8192, 'x')};
    QTest::newRow("10000 bytes are logged at once")
        << L{QByteArray(10000, 'y')} << L{QByteArray(10000, 'y')} << L{QByteArray(10000, 'y')};
    QTest::newRow("limit counts only the partial line")
        << L{QByteArray(9000, 'z') + "\n" + QByteArray(100, 'w')} << L{QByteArray(9000, 'z')}
        << L{QByteArray(9000, 'z'), QByteArray(100, 'w')};
}

void TestRxLineAssembler::cutsLines()
{
    QFETCH(QList<QByteArray>, steps);
    QFETCH(QList<QByteArray>, atOnce);
    QFETCH(QList<QByteArray>, afterPause);

    LogManager log;
    RxLineAssembler assembler(&log);
    feedSteps(assembler, log, steps);
    if (QTest::currentTestFailed()) {
        return;
    }
    QCOMPARE(rxLines(log), atOnce);
    QCOMPARE(log.entries().size(), atOnce.size());

    QTRY_COMPARE_WITH_TIMEOUT(rxLines(log), afterPause, kFlushBound);
    // Nothing is left behind once the pause has passed.
    assembler.flush();
    QCOMPARE(rxLines(log), afterPause);
}

// Each RX entry remembers the line end it lost, so that the hex view can show
// every byte that came in.
void TestRxLineAssembler::remembersLineEnds_data()
{
    QTest::addColumn<QList<QByteArray>>("steps");
    QTest::addColumn<QStringList>("entries"); // hex as the hex view shows it

    using L = QList<QByteArray>;
    QTest::newRow("CR LF, then a partial line")
        << L{"AB\r\nCD"} << QStringList{"41 42 0D 0A", "43 44"};
    QTest::newRow("LF only") << L{"AB\nCD\n"} << QStringList{"41 42 0A", "43 44 0A"};
    QTest::newRow("CR kept apart by a pause")
        << L{"AB\r", kPause, "\n"} << QStringList{"41 42 0D", "0A"};
    QTest::newRow("empty lines") << L{"\n\r\n"} << QStringList{"0A", "0D 0A"};
    QTest::newRow("one CR of two") << L{"A\r\r\n"} << QStringList{"41 0D 0D 0A"};
    QTest::newRow("Modbus reply with a line feed byte")
        << L{QByteArray::fromHex("0103020A017F24")} << QStringList{"01 03 02 0A", "01 7F 24"};
}

void TestRxLineAssembler::remembersLineEnds()
{
    QFETCH(QList<QByteArray>, steps);
    QFETCH(QStringList, entries);
    LogManager log;
    RxLineAssembler assembler(&log);
    feedSteps(assembler, log, steps);
    if (QTest::currentTestFailed()) {
        return;
    }
    assembler.flush();
    QStringList hex;
    for (const LogEntry& entry : log.entries()) {
        hex << entry.hexText();
    }
    QCOMPARE(hex, entries);
}

// A sender that never sends a line feed: every entry is cut at the limit, the
// buffer never grows past it, and the rest follows after the pause.
void TestRxLineAssembler::longLineIsCutIntoBoundedEntries()
{
    LogManager log;
    RxLineAssembler assembler(&log);
    const int total = 1024 * 1024;
    const int chunk = 1000;
    QByteArray sent;
    for (int offset = 0; offset < total; offset += chunk) {
        QByteArray piece(qMin(chunk, total - offset), Qt::Uninitialized);
        for (int i = 0; i < piece.size(); ++i) {
            piece[i] = char('A' + (offset + i) % 26);
        }
        sent += piece;
        assembler.feed(piece);
    }
    const QList<QByteArray> cut = rxLines(log);
    QVERIFY(!cut.isEmpty());
    for (const QByteArray& entry : cut) {
        QVERIFY2(entry.size() >= RxLineAssembler::MaxLineBytes, QByteArray::number(entry.size()));
        QVERIFY2(entry.size() < RxLineAssembler::MaxLineBytes + chunk,
                 QByteArray::number(entry.size()));
    }
    const qsizetype logged =
        std::accumulate(cut.begin(), cut.end(), qsizetype(0),
                        [](qsizetype n, const QByteArray& e) { return n + e.size(); });
    QVERIFY(total - logged < RxLineAssembler::MaxLineBytes);

    QTRY_COMPARE_WITH_TIMEOUT(rxLines(log).size(), cut.size() + 1, kFlushBound);
    QCOMPARE(rxLines(log).join(), sent);
}

// The pause is measured from the chunk that last extended the partial line,
// not from the one that started it.
void TestRxLineAssembler::pauseIsCountedFromTheLastChunk()
{
    LogManager log;
    RxLineAssembler assembler(&log);
    assembler.feed("a");

    QElapsedTimer gap;
    gap.start();
    qint64 longestGap = 0;
    int fed = 1;
    QTimer feeder;
    feeder.setInterval(15);
    connect(&feeder, &QTimer::timeout, this, [&] {
        longestGap = qMax(longestGap, gap.restart());
        assembler.feed("a");
        if (++fed == 20) {
            feeder.stop();
        }
    });
    feeder.start();
    QTRY_VERIFY_WITH_TIMEOUT(!feeder.isActive(), 10000);
    const qsizetype loggedWhileFeeding = log.entries().size();
    QTRY_COMPARE_WITH_TIMEOUT(log.entries().size(), loggedWhileFeeding + 1, kFlushBound);
    if (longestGap >= RxLineAssembler::PauseMs - 10) {
        QSKIP("the event loop stalled between two chunks; the pause cannot be judged");
    }
    QCOMPARE(rxLines(log), QList<QByteArray>{QByteArray(20, 'a')});
}

// Random binary garbage in random chunks, with flushes at random moments:
// every RX entry followed by the line end it lost must give back the input.
void TestRxLineAssembler::bytesAreConserved()
{
    QRandomGenerator random(0x6b6f7276);
    const QList<QByteArray> pieces = {
        "\n",         "\r",       "\r\n", QByteArray(1, '\0'), "\x1b[",        "\x1b[3", "\x1b",
        "\x1b[0m",    "\xff\xfe", "\xc3", "\xe2\x82",          "\xf0\x9f\x98", "AT",     " ",
        "{\"t\":21}", "\r\r",
    };
    QByteArray input;
    while (input.size() < 80000) {
        if (random.bounded(4) == 0) {
            input += pieces.at(int(random.bounded(int(pieces.size()))));
        } else if (random.bounded(5000) == 0) {
            input += QByteArray(int(random.bounded(8000, 12000)), 'L');
        } else {
            input += char(random.bounded(256));
        }
    }

    LogManager log;
    RxLineAssembler assembler(&log);

    // Which entries may have lost a lone CR or nothing: only the last entry of
    // a call can be a flushed partial line.
    std::set<qsizetype> mayBePartial;
    auto noteCall = [&](qsizetype before) {
        if (log.entries().size() > before) {
            mayBePartial.insert(log.entries().size() - 1);
        }
    };
    for (qsizetype at = 0; at < input.size();) {
        const qsizetype size =
            random.bounded(20) == 0 ? random.bounded(1, 9000) : random.bounded(1, 200);
        const qsizetype before = log.entries().size();
        assembler.feed(input.mid(at, size));
        noteCall(before);
        at += size;
        if (random.bounded(10) == 0) {
            const qsizetype beforeFlush = log.entries().size();
            assembler.flush();
            noteCall(beforeFlush);
        }
    }
    const qsizetype beforeFlush = log.entries().size();
    assembler.flush();
    noteCall(beforeFlush);

    const QList<LogEntry>& entries = log.entries();
    QVERIFY2(entries.size() < LogManager::Capacity, "the log must not have evicted anything");
    QCOMPARE(qsizetype(log.totalLineCount()), entries.size());

    // Each entry and the line end it remembers, in order, give back the input
    // byte for byte; only a flushed partial line can end in nothing or a CR.
    QByteArray rebuilt;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const LogEntry& entry = entries.at(i);
        QCOMPARE(entry.kind, LogKind::RX);
        QVERIFY2(!entry.data.contains('\n'), QByteArray::number(i));
        if (entry.lineEnd == LineEnd::None || entry.lineEnd == LineEnd::Cr) {
            QVERIFY2(mayBePartial.count(i), QByteArray::number(i));
        }
        rebuilt += entry.data + LogEntry::lineEndBytes(entry.lineEnd);
        if (!input.startsWith(rebuilt)) {
            QFAIL(qPrintable(QStringLiteral("entry %1 does not continue the input").arg(i)));
        }
    }
    QCOMPARE(rebuilt.size(), input.size());
    QCOMPARE(qsizetype(log.rxBytes()),
             std::accumulate(entries.begin(), entries.end(), qsizetype(0),
                             [](qsizetype n, const LogEntry& e) { return n + e.data.size(); }));
}

// While the port still holds unread bytes the pause has not really begun
// (the window was busy, not the sender): the partial line waits for them.
void TestRxLineAssembler::pauseWaitsForUnreadInput()
{
    LogManager log;
    int unreadChecks = 0;
    // Two checks find input waiting; the third finds the port drained.
    RxLineAssembler assembler(&log, [&unreadChecks] { return ++unreadChecks <= 2; });
    assembler.feed("partial");
    QCOMPARE(assembler.pendingSize(), qsizetype(7));

    QTRY_COMPARE_WITH_TIMEOUT(rxLines(log), QList<QByteArray>{"partial"}, kFlushBound);
    QCOMPARE(unreadChecks, 3);
    QCOMPARE(assembler.pendingSize(), qsizetype(0));
}

QTEST_MAIN(TestRxLineAssembler)
#include "tst_rxlineassembler.moc"
