#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logsearch.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

struct Line
{
    LogKind kind;
    QByteArray data;
    LineEnd end = LineEnd::None;
};

// A log store with its list model and a search over both.
struct Fixture
{
    LogManager log;
    LogListModel lines{&log};
    LogSearch search{&lines, &log};

    void add(const QList<Line>& entries)
    {
        for (const Line& line : entries) {
            log.append(line.kind, line.data, line.end);
        }
    }
    QList<int> countsPerRow()
    {
        QList<int> counts;
        for (int row = 0; row < log.entries().size(); ++row) {
            counts << search.matchCountOfRow(row);
        }
        return counts;
    }
};

} // namespace

class TestLogSearch : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void hexAcrossLineEnds_data();
    void hexAcrossLineEnds();
    void stepsThroughMatches();
    void keepsCountWhileLinesComeAndGo();
    void slowExpressionLeavesEventLoopRunning();
    void unchangedSettingsEmitNothing();
};

void TestLogSearch::counts_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("regex");
    QTest::addColumn<int>("kinds");
    QTest::addColumn<QList<int>>("expected");

    // Rows: RX "temp=21 ERROR", TX "read temp", SYS "Connected", ERR "error: port",
    // RX with bytes that are no UTF-8 and an ANSI colour.
    const int all = LogSearch::AllKinds;
    QTest::newRow("every kind") << "temp" << false << all << QList<int>{1, 1, 0, 0, 0};
    QTest::newRow("case folded") << "error" << false << all << QList<int>{1, 0, 0, 1, 0};
    QTest::newRow("only RX") << "error" << false << int(LogSearch::RxBit)
                             << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("only SYS and ERR")
        << "e" << false << int(LogSearch::SysBit | LogSearch::ErrBit) << QList<int>{0, 0, 2, 1, 0};
    QTest::newRow("regex") << "t\\w*=?\\d*" << true << all << QList<int>{1, 1, 1, 1, 0};
    // The monitor shows bytes that are no UTF-8 as U+FFFD, and no escape
    // sequences: the search finds what is shown.
    QTest::newRow("replacement characters")
        << QStringLiteral("\uFFFD") << false << all << QList<int>{0, 0, 0, 0, 2};
    QTest::newRow("text around bad bytes") << "ok" << false << all << QList<int>{0, 0, 0, 0, 1};
    QTest::newRow("escape sequences are not shown")
        << "[31m" << false << all << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("invalid regex searches nothing")
        << "(" << true << all << QList<int>{0, 0, 0, 0, 0};
}

void TestLogSearch::counts()
{
    QFETCH(QString, pattern);
    QFETCH(bool, regex);
    QFETCH(int, kinds);
    QFETCH(QList<int>, expected);

    Fixture f;
    f.add({{LogKind::RX, "temp=21 ERROR"},
           {LogKind::TX, "read temp"},
           {LogKind::SYS, "Connected"},
           {LogKind::ERR, "error: port"},
           {LogKind::RX, "\xff\xfe\x1b[31mok\x1b[0m"}});
    f.search.setKinds(kinds);
    f.search.setRegex(regex);
    f.search.setPattern(pattern);
    QTRY_VERIFY(!f.search.searching());
    QCOMPARE(f.countsPerRow(), expected);
    int total = 0;
    for (int count : expected) {
        total += count;
    }
    QCOMPARE(f.search.matchCount(), total);
    QCOMPARE(f.search.errorText().isEmpty(), pattern != QLatin1String("("));
}

void TestLogSearch::hexAcrossLineEnds_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("matches");
    // Spans per row of the log, in line-text columns after the payload column.
    QTest::addColumn<QList<QList<int>>>("spans");

    // Rows: RX 41 42 | 0A; TX "43"; RX 43 44 | 0D 0A; RX 41 (no line end).
    QTest::newRow("within a line") << "41 42" << 1 << QList<QList<int>>{{0, 5}, {}, {}, {}};
    QTest::newRow("line end itself") << "0D0A" << 1 << QList<QList<int>>{{}, {}, {6, 5}, {}};
    QTest::newRow("across a line end") << "0A 43" << 1 << QList<QList<int>>{{6, 2}, {}, {0, 2}, {}};
    QTest::newRow("across three lines")
        << "42,0A,43,44,0D,0A,41" << 1 << QList<QList<int>>{{3, 5}, {}, {0, 11}, {0, 2}};
    QTest::newRow("each occurrence") << "41" << 2 << QList<QList<int>>{{0, 2}, {}, {}, {0, 2}};
    QTest::newRow("TX echo is not in the byte stream")
        << "34 33" << 0 << QList<QList<int>>{{}, {}, {}, {}};
    QTest::newRow("no such bytes") << "FF" << 0 << QList<QList<int>>{{}, {}, {}, {}};
}

void TestLogSearch::hexAcrossLineEnds()
{
    QFETCH(QString, pattern);
    QFETCH(int, matches);
    QFETCH(QList<QList<int>>, spans);

    const QList<Line> rows{{LogKind::RX, "AB", LineEnd::Lf},
                           {LogKind::TX, "43", LineEnd::CrLf},
                           {LogKind::RX, "CD", LineEnd::CrLf},
                           {LogKind::RX, "A", LineEnd::None}};
    // Whether the lines came before the pattern or arrive one by one after
    // it, the matches are the same.
    for (bool arriving : {false, true}) {
        Fixture f;
        f.lines.setHexMode(true);
        f.lines.setShowTimestamp(false);
        if (!arriving) {
            f.add(rows);
        }
        f.search.setPattern(pattern);
        if (arriving) {
            for (const Line& row : rows) {
                f.add({row});
            }
        }
        QTRY_VERIFY(!f.search.searching());
        QVERIFY(f.search.hexPattern());
        QCOMPARE(f.search.matchCount(), matches);
        const int column = f.lines.payloadColumn();
        for (int row = 0; row < rows.size(); ++row) {
            QList<int> shifted;
            const QList<int> found = f.search.spansOfLine(row);
            for (int i = 0; i < found.size(); i += 2) {
                shifted << found.at(i) - column << found.at(i + 1);
            }
            QCOMPARE(shifted, spans.at(row));
        }
    }
}

void TestLogSearch::stepsThroughMatches()
{
    Fixture f;
    f.lines.setShowTimestamp(false);
    f.add({{LogKind::RX, "ok ok"}, {LogKind::RX, "none"}, {LogKind::SYS, "ok"}});
    f.search.setPattern(QStringLiteral("ok"));
    QTRY_VERIFY(!f.search.searching());
    QCOMPARE(f.search.matchCount(), 3);
    // The newest match is current at first: the end of the log is where a
    // following monitor is.
    QCOMPARE(f.search.currentIndex(), 2);
    QCOMPARE(f.search.currentLine(), 2.0);
    QCOMPARE(f.search.currentColumn(), f.lines.payloadColumn());
    QCOMPARE(f.search.currentLength(), 2);

    QSignalSpy moved(&f.search, &LogSearch::currentChanged);
    f.search.next(); // wraps to the oldest
    QCOMPARE(f.search.currentIndex(), 0);
    QCOMPARE(f.search.currentLine(), 0.0);
    f.search.next(); // the second match on the same line
    QCOMPARE(f.search.currentIndex(), 1);
    QCOMPARE(f.search.currentColumn(), f.lines.payloadColumn() + 3);
    f.search.next();
    QCOMPARE(f.search.currentIndex(), 2);
    f.search.previous();
    f.search.previous();
    QCOMPARE(f.search.currentIndex(), 0);
    f.search.previous(); // wraps to the newest
    QCOMPARE(f.search.currentIndex(), 2);
    QCOMPARE(moved.count(), 6);

    // Showing the time moves the match within its line text.
    f.lines.setShowTimestamp(true);
    QCOMPARE(f.search.currentColumn(), f.lines.payloadColumn());

    // Without a usable pattern nothing is current and stepping does nothing.
    f.search.setPattern(QStringLiteral("nowhere"));
    QTRY_VERIFY(!f.search.searching());
    QCOMPARE(f.search.currentIndex(), -1);
    QCOMPARE(f.search.currentLine(), -1.0);
    f.search.next();
    f.search.previous();
    QCOMPARE(f.search.currentIndex(), -1);
}

void TestLogSearch::keepsCountWhileLinesComeAndGo()
{
    Fixture f;
    f.search.setPattern(QStringLiteral("hit"));
    // Every third line matches, twice on every ninth.
    auto lineFor = [](int i) {
        QByteArray line = "line " + QByteArray::number(i);
        if (i % 3 == 0) {
            line += " hit";
        }
        if (i % 9 == 0) {
            line += " HIT";
        }
        return line;
    };
    auto expectedCount = [&] {
        int count = 0;
        for (const LogEntry& entry : f.log.entries()) {
            count += int(entry.data.count("hit") + entry.data.count("HIT"));
        }
        return count;
    };
    int next = 0;
    // Batches of every size the store announces row by row, the full store
    // and beyond; one batch larger than the store announces a bulk change.
    for (int batch : {1, 7, 299, 4000, 1200, 1, 6000, 3}) {
        QList<QByteArray> items;
        for (int i = 0; i < batch; ++i) {
            items << lineFor(next++);
        }
        f.log.appendBatch(LogKind::RX, items);
        QTRY_VERIFY(!f.search.searching());
        QCOMPARE(f.search.matchCount(), expectedCount());
        QVERIFY(f.search.currentIndex() < f.search.matchCount());
    }

    // The current match stays on its line while newer lines come; once its
    // line is evicted there is none until the user steps again.
    f.search.previous();
    QVERIFY(f.search.currentIndex() >= 0);
    const double line = f.search.currentLine();
    f.log.append(LogKind::RX, "no match");
    QCOMPARE(f.search.currentLine(), line);
    // Batches small enough to be announced row by row push every match out.
    // While it stays, only its count moves (the rows painting it need not
    // look again); leaving, it is told once as moved.
    QSignalSpy moved(&f.search, &LogSearch::currentChanged);
    QSignalSpy recounted(&f.search, &LogSearch::currentIndexChanged);
    bool currentDropped = false;
    for (int i = 0; i < LogManager::Capacity / 100; ++i) {
        const int before = f.search.currentIndex();
        const qsizetype toldBefore = recounted.size();
        f.log.appendBatch(LogKind::RX, QList<QByteArray>(100, "x"));
        QCOMPARE(f.search.matchCount(), expectedCount());
        const int index = f.search.currentIndex();
        QVERIFY(index < f.search.matchCount());
        if (index < 0) {
            currentDropped = true;
            QCOMPARE(moved.size(), 1);
        } else {
            QVERIFY(!currentDropped);
            QCOMPARE(f.search.currentLine(), line);
            QCOMPARE(moved.size(), 0);
            if (index != before) {
                QVERIFY(recounted.size() > toldBefore);
            }
        }
    }
    QVERIFY(currentDropped);
    QVERIFY(recounted.size() > 1);
    QCOMPARE(f.search.matchCount(), 0);

    f.log.clear();
    QCOMPARE(f.search.matchCount(), 0);
    f.log.append(LogKind::RX, "a hit");
    QCOMPARE(f.search.matchCount(), 1);
}

void TestLogSearch::slowExpressionLeavesEventLoopRunning()
{
    Fixture f;
    const QByteArray almost = QByteArray(300, 'a') + 'b';
    f.log.appendBatch(LogKind::RX, QList<QByteArray>(LogManager::Capacity, almost));
    // The pass would take far longer than one slice: the event loop turns
    // between slices, as the window's would.
    int turns = 0;
    QTimer ticker;
    ticker.setInterval(0);
    connect(&ticker, &QTimer::timeout, [&] { ++turns; });
    ticker.start();
    f.search.setRegex(true);
    f.search.setPattern(QStringLiteral("(a+)+$"));
    QVERIFY(f.search.searching());
    QTRY_VERIFY_WITH_TIMEOUT(!f.search.searching(), 60000);
    QVERIFY2(turns > 1, qPrintable(QString::number(turns)));
    QCOMPARE(f.search.matchCount(), 0);

    // A new keystroke drops the unfinished pass for its own.
    f.search.setPattern(QStringLiteral("(a+)+b"));
    f.search.setPattern(QStringLiteral("b$"));
    f.search.finish();
    QCOMPARE(f.search.matchCount(), LogManager::Capacity);
}

void TestLogSearch::unchangedSettingsEmitNothing()
{
    Fixture f;
    f.search.setPattern(QStringLiteral("a"));
    f.search.setRegex(true);
    f.search.setMatchCase(true);
    f.search.setKinds(LogSearch::RxBit);
    QSignalSpy pattern(&f.search, &LogSearch::patternChanged);
    QSignalSpy regex(&f.search, &LogSearch::regexChanged);
    QSignalSpy matchCase(&f.search, &LogSearch::matchCaseChanged);
    QSignalSpy kinds(&f.search, &LogSearch::kindsChanged);
    QSignalSpy results(&f.search, &LogSearch::resultsChanged);
    f.search.setPattern(QStringLiteral("a"));
    f.search.setRegex(true);
    f.search.setMatchCase(true);
    f.search.setKinds(LogSearch::RxBit | 0x100); // unknown bits are dropped
    QCOMPARE(pattern.count() + regex.count() + matchCase.count() + kinds.count(), 0);
    QCOMPARE(results.count(), 0);
}

QTEST_GUILESS_MAIN(TestLogSearch)
#include "tst_logsearch.moc"
