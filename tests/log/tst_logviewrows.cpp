// The rows the data monitor lays out: newest first, long lines split into
// parts, appends gathered into batches, evictions passed on at once, and the
// text between two points of a selection.
#include "log/logfiltermodel.h"
#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logsearch.h"
#include "log/logviewrows.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QList<QByteArray> numbered(int from, int count)
{
    QList<QByteArray> lines;
    for (int i = from; i < from + count; ++i) {
        lines << "payload " + QByteArray::number(i);
    }
    return lines;
}

} // namespace

class TestLogViewRows : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LogManager> m_log;
    std::unique_ptr<LogListModel> m_model;

    LogViewRows* rows() const { return m_model->viewRows(); }
    void append(int from, int count) { m_log->appendBatch(LogKind::RX, numbered(from, count)); }
    QString lineAt(int row) const
    {
        return rows()->index(row).data(LogViewRows::LineRole).toString();
    }
    // The whole text of a line as its rows show it, parts joined in order.
    QString joinedLine(double lineNumber) const
    {
        QString text;
        for (int row = rows()->rowCount() - 1; row >= 0; --row) {
            if (rows()->lineNumberAt(row) == lineNumber) {
                text += lineAt(row);
            }
        }
        return text;
    }

private slots:
    void init();
    void cleanup();

    void newestRowFirst();
    void appendsAndEvictionsGathered();
    void keptEvictionsAreBounded();
    void evictedTextOnlyWhenAsked();
    void pendingEvictionsAreBounded();
    void evictedBeforeShown();
    void longLinesTakeSeveralRows_data();
    void longLinesTakeSeveralRows();
    void rowOfLine_data();
    void rowOfLine();
    void textBetween_data();
    void textBetween();
    void textBetweenEvictedAndPastEnd();
    void stripLineColumns_data();
    void stripLineColumns();
    void displaySwitchAndClearReset();
    void bulkReachesRowsThroughReset();
    void itemModelTester();
    void interval();
    void filteredRows_data();
    void filteredRows();
    void filteredWhileLinesComeAndGo();
};

void TestLogViewRows::init()
{
    m_log = std::make_unique<LogManager>();
    m_model = std::make_unique<LogListModel>(m_log.get());
    m_model->setShowTimestamp(false);
}

void TestLogViewRows::cleanup()
{
    m_model.reset();
    m_log.reset();
}

void TestLogViewRows::newestRowFirst()
{
    append(0, 10);
    QCOMPARE(rows()->rowCount(), 0); // gathered until the next update
    rows()->update();
    QCOMPARE(rows()->rowCount(), 10);
    for (int row = 0; row < 10; ++row) {
        const int line = 9 - row;
        QCOMPARE(lineAt(row), m_model->lineTextAt(line));
        QCOMPARE(rows()->index(row).data(LogViewRows::LineNumberRole).toDouble(), double(line));
        QCOMPARE(rows()->lineNumberAt(row), double(line));
        QCOMPARE(rows()->index(row).data(LogListModel::TextRole).toString(),
                 QStringLiteral("payload %1").arg(line));
        QCOMPARE(rows()->index(row).data(LogViewRows::ColumnRole).toInt(), 0);
    }
    QCOMPARE(lineAt(0), QStringLiteral("RX   payload 9"));
    QCOMPARE(rows()->lineNumberAt(10), -1.0);
    QCOMPARE(rows()->lineNumberAt(-1), -1.0);
}

void TestLogViewRows::appendsAndEvictionsGathered()
{
    for (int i = 0; i < LogManager::Capacity; i += 250) {
        append(i, 250);
    }
    rows()->update();
    QCOMPARE(rows()->rowCount(), LogManager::Capacity);

    // Single lines the way a fast port delivers them: the source announces
    // every one; the rows change only at the next update, once.
    QSignalSpy sourceInserts(m_model.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy inserts(rows(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removals(rows(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy aboutToUpdate(rows(), &LogViewRows::aboutToUpdate);
    QSignalSpy updates(rows(), &LogViewRows::updated);
    for (int i = 0; i < 200; ++i) {
        append(LogManager::Capacity + i, 1);
    }
    QCOMPARE(sourceInserts.size(), 200);
    QCOMPARE(inserts.size(), 0);
    QCOMPARE(removals.size(), 0);
    // Until then the rows of evicted lines keep their text.
    QCOMPARE(rows()->rowCount(), LogManager::Capacity);
    QCOMPARE(lineAt(LogManager::Capacity - 1), QStringLiteral("RX   payload 0"));
    QCOMPARE(rows()->lineNumberAt(LogManager::Capacity - 1), 0.0);
    QCOMPARE(lineAt(0), QStringLiteral("RX   payload 4999"));

    QVERIFY(updates.wait(1000));
    QCOMPARE(aboutToUpdate.size(), 1);
    QCOMPARE(removals.size(), 1);
    QCOMPARE(removals.at(0).at(1).toInt(), LogManager::Capacity - 200);
    QCOMPARE(removals.at(0).at(2).toInt(), LogManager::Capacity - 1);
    QCOMPARE(inserts.size(), 1);
    QCOMPARE(inserts.at(0).at(1).toInt(), 0);
    QCOMPARE(inserts.at(0).at(2).toInt(), 199);
    QCOMPARE(rows()->rowCount(), LogManager::Capacity);
    QCOMPARE(rows()->index(0).data(LogListModel::TextRole).toString(),
             QStringLiteral("payload 5199"));
    QCOMPARE(rows()->lineNumberAt(0), 5199.0);
    QCOMPARE(rows()->lineNumberAt(LogManager::Capacity - 1), 200.0);
    QCOMPARE(lineAt(LogManager::Capacity - 1), QStringLiteral("RX   payload 200"));
}

void TestLogViewRows::keptEvictionsAreBounded()
{
    for (int i = 0; i < LogManager::Capacity; i += 250) {
        append(i, 250);
    }
    rows()->update();
    rows()->setInterval(60000);
    QSignalSpy updates(rows(), &LogViewRows::updated);
    const int evicted = LogViewRows::MaxKeptEvictions + 10;
    for (int i = 0; i < evicted; ++i) {
        append(LogManager::Capacity + i, 1);
    }
    QCOMPARE(updates.size(), 0);
    // The oldest evicted lines, at the top of the view, keep their text;
    // past the bound the rows wait empty for the update.
    const int oldestRow = LogManager::Capacity - 1;
    QCOMPARE(lineAt(oldestRow), QStringLiteral("RX   payload 0"));
    const int lastKept = oldestRow - (LogViewRows::MaxKeptEvictions - 1);
    QCOMPARE(lineAt(lastKept),
             QStringLiteral("RX   payload %1").arg(LogViewRows::MaxKeptEvictions - 1));
    QCOMPARE(lineAt(lastKept - 1), QString());
    QCOMPARE(lineAt(oldestRow - evicted), QStringLiteral("RX   payload %1").arg(evicted));
    rows()->update();
    QCOMPARE(rows()->rowCount(), LogManager::Capacity);
    QCOMPARE(lineAt(oldestRow), QStringLiteral("RX   payload %1").arg(evicted));
}

void TestLogViewRows::evictedTextOnlyWhenAsked()
{
    QSignalSpy changes(rows(), &LogViewRows::keepEvictedTextChanged);
    rows()->setKeepEvictedText(true);
    QCOMPARE(changes.size(), 0);
    rows()->setKeepEvictedText(false);
    QCOMPARE(changes.size(), 1);
    for (int i = 0; i < LogManager::Capacity; i += 250) {
        append(i, 250);
    }
    rows()->update();
    append(LogManager::Capacity, 3);
    QCOMPARE(lineAt(LogManager::Capacity - 1), QString());
    // Asked again, it keeps the next evicted lines; those evicted before
    // stay empty, and so do all after them.
    rows()->setKeepEvictedText(true);
    append(LogManager::Capacity + 3, 2);
    QCOMPARE(lineAt(LogManager::Capacity - 4), QString());
    rows()->update();
    QCOMPARE(lineAt(LogManager::Capacity - 1), QStringLiteral("RX   payload 5"));
}

void TestLogViewRows::pendingEvictionsAreBounded()
{
    // An event loop that never comes round to the timer: the rows are
    // brought up to date once too many evictions wait.
    rows()->setInterval(60000);
    QSignalSpy updates(rows(), &LogViewRows::updated);
    for (int i = 0; i < LogManager::Capacity + LogViewRows::MaxPendingEvictions + 200; i += 100) {
        append(i, 100);
    }
    QCOMPARE(updates.size(), 1);
    QVERIFY(rows()->rowCount() > 0);
    QVERIFY(rows()->rowCount() <= LogManager::Capacity);
}

void TestLogViewRows::evictedBeforeShown()
{
    // Lines appended and evicted again between two updates never show.
    append(0, 10);
    rows()->update();
    for (int i = 0; i < LogManager::Capacity + 20; i += 100) {
        append(10 + i, 100);
    }
    QCOMPARE(rows()->rowCount(), 10);
    rows()->update();
    QCOMPARE(rows()->rowCount(), LogManager::Capacity);
    QCOMPARE(rows()->lineNumberAt(0), double(m_log->totalLineCount() - 1));
    QCOMPARE(rows()->lineNumberAt(LogManager::Capacity - 1),
             double(m_log->totalLineCount() - LogManager::Capacity));
    for (int row : {0, 1, 2500, LogManager::Capacity - 1}) {
        const int sourceRow =
            int(rows()->lineNumberAt(row) - rows()->lineNumberAt(LogManager::Capacity - 1));
        QCOMPARE(lineAt(row), m_model->lineTextAt(sourceRow));
    }
}

void TestLogViewRows::longLinesTakeSeveralRows_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<int>("expectedRows");

    const int prefix = 5; // "RX   " without timestamps
    const int length = LogViewRows::SegmentLength;
    QTest::newRow("fits") << QByteArray(length - prefix, 'a') << false << 1;
    QTest::newRow("one over") << QByteArray(length - prefix + 1, 'a') << false << 2;
    QTest::newRow("megabyte") << QByteArray(1 << 20, 'm') << false
                              << ((1 << 20) + prefix + length - 1) / length;
    // Hex triples the width: 1000 bytes are 2999 characters of hex.
    QTest::newRow("hex") << QByteArray(1000, '\x7f') << true << 2;
    // Tabs widen to four spaces each.
    QTest::newRow("tabs") << QByteArray(600, '\t') << false << 2;
    // A character of two UTF-16 units across the boundary is shown whole.
    QByteArray emoji(length - prefix - 1, 'e');
    emoji += "\xf0\x9f\x98\x80tail";
    QTest::newRow("surrogate pair at the boundary") << emoji << false << 2;
}

void TestLogViewRows::longLinesTakeSeveralRows()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, hex);
    QFETCH(int, expectedRows);
    m_model->setHexMode(hex);
    m_log->append(LogKind::RX, "before");
    m_log->append(LogKind::RX, payload);
    m_log->append(LogKind::RX, "after");
    rows()->update();

    QCOMPARE(rows()->rowCount(), expectedRows + 2);
    QCOMPARE(rows()->lineNumberAt(0), 2.0);
    QCOMPARE(rows()->lineNumberAt(expectedRows + 1), 0.0);
    // The parts, read from the top (oldest) row down, rebuild the line; each
    // part says where in the line it starts and none is too long.
    const QString full = m_model->lineTextAt(1);
    QCOMPARE(joinedLine(1), full);
    int column = 0;
    for (int row = expectedRows; row >= 1; --row) {
        QCOMPARE(rows()->lineNumberAt(row), 1.0);
        const int start = rows()->index(row).data(LogViewRows::ColumnRole).toInt();
        QCOMPARE(start, column);
        QCOMPARE(rows()->columnAt(row), start);
        QVERIFY(lineAt(row).size() <= LogViewRows::SegmentLength + 1);
        QVERIFY(!lineAt(row).isEmpty());
        column += LogViewRows::SegmentLength;
    }
    // Neither half of a surrogate pair shows alone.
    for (int row = 0; row < rows()->rowCount(); ++row) {
        const QString text = lineAt(row);
        QVERIFY(!text.front().isLowSurrogate());
        QVERIFY(!text.back().isHighSurrogate());
    }
}

void TestLogViewRows::rowOfLine_data()
{
    QTest::addColumn<double>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("expected");
    // Lines 0 and 2 short, line 1 takes three rows: rows 0 (line 2),
    // 1..3 (line 1, last part first), 4 (line 0).
    const int s = LogViewRows::SegmentLength;
    QTest::newRow("newest") << 2.0 << 0 << 0;
    QTest::newRow("oldest") << 0.0 << 0 << 4;
    QTest::newRow("long, start") << 1.0 << 0 << 3;
    QTest::newRow("long, second part") << 1.0 << s + 5 << 2;
    QTest::newRow("long, past end") << 1.0 << 100 * s << 1;
    QTest::newRow("negative column") << 1.0 << -3 << 3;
    QTest::newRow("not held") << 3.0 << 0 << -1;
    QTest::newRow("before the oldest") << -1.0 << 0 << -1;
}

void TestLogViewRows::rowOfLine()
{
    QFETCH(double, line);
    QFETCH(int, column);
    QFETCH(int, expected);
    m_log->append(LogKind::RX, "zero");
    m_log->append(LogKind::RX, QByteArray(2 * LogViewRows::SegmentLength + 10, 'x'));
    m_log->append(LogKind::RX, "two");
    rows()->update();
    QCOMPARE(rows()->rowCount(), 5);
    QCOMPARE(rows()->rowOfLine(line, column), expected);
}

void TestLogViewRows::textBetween_data()
{
    QTest::addColumn<double>("anchorLine");
    QTest::addColumn<int>("anchorColumn");
    QTest::addColumn<double>("cursorLine");
    QTest::addColumn<int>("cursorColumn");
    QTest::addColumn<QString>("expected");
    // What copying the same stretch gives: without the kind columns.
    QTest::addColumn<QString>("copied");
    // Lines (without timestamps): "RX   alpha", "TX   beta", "SYS  gamma".
    QTest::newRow("one line, part") << 0.0 << 5 << 0.0 << 8 << "alp"
                                    << "alp";
    QTest::newRow("one line, backwards") << 0.0 << 8 << 0.0 << 5 << "alp"
                                         << "alp";
    QTest::newRow("two lines") << 0.0 << 7 << 1.0 << 7 << "pha\nTX   be"
                               << "pha\nbe";
    QTest::newRow("three lines, backwards") << 2.0 << 3 << 0.0 << 0 << "RX   alpha\nTX   beta\nSYS"
                                            << "alpha\nbeta\nSYS";
    QTest::newRow("whole lines") << 0.0 << 0 << 2.0 << 10 << "RX   alpha\nTX   beta\nSYS  gamma"
                                 << "alpha\nbeta\ngamma";
    QTest::newRow("column past the end") << 1.0 << 5 << 1.0 << 99 << "beta"
                                         << "beta";
    QTest::newRow("nothing") << 1.0 << 4 << 1.0 << 4 << ""
                             << "";
}

void TestLogViewRows::textBetween()
{
    QFETCH(double, anchorLine);
    QFETCH(int, anchorColumn);
    QFETCH(double, cursorLine);
    QFETCH(int, cursorColumn);
    QFETCH(QString, expected);
    QFETCH(QString, copied);
    m_log->append(LogKind::RX, "alpha");
    m_log->append(LogKind::TX, "beta");
    m_log->append(LogKind::SYS, "gamma");
    rows()->update();
    QCOMPARE(rows()->textBetween(anchorLine, anchorColumn, cursorLine, cursorColumn), expected);
    QCOMPARE(rows()->copyTextBetween(anchorLine, anchorColumn, cursorLine, cursorColumn), copied);
}

void TestLogViewRows::stripLineColumns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rx with time") << "14:03:27  RX   hello"
                                  << "hello";
    QTest::newRow("tx with time") << "14:03:27  TX   AT+GMR"
                                  << "AT+GMR";
    QTest::newRow("sys with time") << "14:03:27  SYS  /dev/ttyUSB0 opened"
                                   << "/dev/ttyUSB0 opened";
    QTest::newRow("err without time") << "ERR  write failed"
                                      << "write failed";
    QTest::newRow("rx without time") << "RX   ok"
                                     << "ok";
    QTest::newRow("sys needs two spaces only") << "SYS   x"
                                               << " x";
    QTest::newRow("rx with two spaces is no column") << "RX  ok"
                                                     << "RX  ok";
    QTest::newRow("no tag") << "hello world"
                            << "hello world";
    QTest::newRow("time without tag") << "14:03:27  hello"
                                      << "14:03:27  hello";
    QTest::newRow("tag later in line") << "abc RX   def"
                                       << "abc RX   def";
    QTest::newRow("only first column") << "RX   RX   twice"
                                       << "RX   twice";
    QTest::newRow("multi-line")
        << "10:00:00  TX   ping\n10:00:01  RX   pong\nplain line\n10:00:02  ERR  lost\n"
        << "ping\npong\nplain line\nlost\n";
    QTest::newRow("mixed with and without time") << "RX   a\n12:00:00  SYS  b"
                                                 << "a\nb";
    QTest::newRow("empty") << ""
                           << "";
}

void TestLogViewRows::stripLineColumns()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(LogViewRows::stripLineColumns(text), expected);
}

void TestLogViewRows::textBetweenEvictedAndPastEnd()
{
    // A selection that began on a line the log has since evicted starts at
    // the oldest line held; one past the newest line ends at its end.
    for (int i = 0; i < LogManager::Capacity + 3; i += 1) {
        m_log->append(LogKind::RX, "line " + QByteArray::number(i));
    }
    rows()->update();
    const QString text = rows()->textBetween(1.0, 4, 5.0, 99);
    QCOMPARE(text, QStringLiteral("RX   line 3\nRX   line 4\nRX   line 5"));
    QCOMPARE(rows()->textBetween(5001.0, 5, 9999.0, 0),
             QStringLiteral("line 5001\nRX   line 5002"));
    QCOMPARE(rows()->textBetween(0.0, 0, 1.0, 3), QString()); // all gone
    m_log->clear();
    QCOMPARE(rows()->textBetween(0.0, 0, 10.0, 3), QString());
}

void TestLogViewRows::displaySwitchAndClearReset()
{
    m_log->append(LogKind::RX, "AB");
    rows()->update();
    QCOMPARE(lineAt(0), QStringLiteral("RX   AB"));
    QSignalSpy resets(rows(), &QAbstractItemModel::modelReset);
    m_model->setHexMode(true);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(lineAt(0), QStringLiteral("RX   41 42"));
    m_model->setShowTimestamp(true);
    QCOMPARE(resets.size(), 2);
    QVERIFY(lineAt(0).endsWith(QStringLiteral("  RX   41 42")));
    QCOMPARE(lineAt(0).size(), 20);
    m_model->clear();
    QCOMPARE(resets.size(), 3);
    QCOMPARE(rows()->rowCount(), 0);
    append(0, 2);
    rows()->update();
    QCOMPARE(rows()->lineNumberAt(0), 1.0); // numbering starts again
}

void TestLogViewRows::bulkReachesRowsThroughReset()
{
    append(0, 10);
    rows()->update();
    QSignalSpy resets(rows(), &QAbstractItemModel::modelReset);
    append(10, 1000); // more than a bulk's worth in one call
    QTRY_COMPARE(resets.size(), 1);
    QCOMPARE(rows()->rowCount(), 1010);
    QCOMPARE(rows()->index(0).data(LogListModel::TextRole).toString(),
             QStringLiteral("payload 1009"));
    QCOMPARE(rows()->lineNumberAt(1009), 0.0);
}

void TestLogViewRows::itemModelTester()
{
    QAbstractItemModelTester tester(rows(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy updates(rows(), &LogViewRows::updated);
    for (int i = 0; i < LogManager::Capacity + 600; i += 200) {
        append(i, 200);
        if (i % 1000 == 0) {
            QVERIFY(updates.wait(1000));
        }
    }
    m_log->append(LogKind::TX, QByteArray(3 * LogViewRows::SegmentLength, 't'));
    rows()->update();
    append(0, 400); // bulk
    QTRY_COMPARE(rows()->rowCount(), m_model->rowCount());
    m_model->setShowTimestamp(false);
    m_model->setHexMode(true);
    m_model->clear();
    append(0, 3);
    QTRY_COMPARE(rows()->rowCount(), 3);
}

void TestLogViewRows::interval()
{
    const int before = rows()->interval();
    QSignalSpy changes(rows(), &LogViewRows::intervalChanged);
    rows()->setInterval(before);
    QCOMPARE(changes.size(), 0);
    rows()->setInterval(300);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(rows()->interval(), 300);

    // After a quiet spell longer than the interval a change is passed on
    // after the short gathering delay; the next one waits until the interval
    // since that update is over.
    rows()->update();
    QTimer quietSpell;
    quietSpell.setSingleShot(true);
    QSignalSpy quietOver(&quietSpell, &QTimer::timeout);
    quietSpell.start(400);
    QVERIFY(quietOver.wait(2000));

    QSignalSpy updates(rows(), &LogViewRows::updated);
    QElapsedTimer clock;
    clock.start();
    append(0, 1);
    QVERIFY(updates.wait(2000));
    const qint64 first = clock.elapsed();
    QVERIFY2(first < 250, qPrintable(QString::number(first)));
    append(1, 1);
    QVERIFY(updates.wait(2000));
    const qint64 second = clock.elapsed();
    QVERIFY2(second - first >= 250, qPrintable(QString::number(second - first)));
    QCOMPARE(rows()->rowCount(), 2);
}

void TestLogViewRows::filteredRows_data()
{
    QTest::addColumn<double>("line");
    QTest::addColumn<int>("expectedRow");
    // Lines 0..9, "hit" in 2, 5 (three rows long) and 8: rows 0 (line 8),
    // 1..3 (line 5), 4 (line 2).
    QTest::newRow("shown") << 8.0 << 0;
    QTest::newRow("shown, long") << 5.0 << 3;
    QTest::newRow("hidden: the next shown") << 6.0 << 0;
    QTest::newRow("hidden before the first shown") << 0.0 << 4;
    QTest::newRow("hidden after the last shown") << 9.0 << -1;
}

void TestLogViewRows::filteredRows()
{
    QFETCH(double, line);
    QFETCH(int, expectedRow);
    LogSearch search(m_model.get(), m_log.get());
    LogFilterModel filter(m_model.get(), &search);
    rows()->setRowFilter(&filter);
    for (int i = 0; i < 10; ++i) {
        QByteArray text = "line " + QByteArray::number(i);
        if (i == 5) {
            text += " hit" + QByteArray(2 * LogViewRows::SegmentLength, '.');
        } else if (i == 2 || i == 8) {
            text += " hit";
        }
        m_log->append(LogKind::RX, text);
    }
    rows()->update();
    search.setPattern(QStringLiteral("hit"));
    search.finish();
    QCOMPARE(rows()->rowCount(), 12); // not filtering yet

    QSignalSpy resets(rows(), &QAbstractItemModel::modelReset);
    filter.setFiltering(true);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(rows()->rowCount(), 5);
    const QList<double> expectedLines{8, 5, 5, 5, 2};
    for (int row = 0; row < rows()->rowCount(); ++row) {
        QCOMPARE(rows()->lineNumberAt(row), expectedLines.at(row));
    }
    QCOMPARE(rows()->rowOfLine(line), expectedRow);
    // A selection over hidden lines copies only those shown.
    QCOMPARE(rows()->copyTextBetween(1, 0, 9, 100),
             QStringLiteral("line 2 hit\nline 5 hit") +
                 QString(2 * LogViewRows::SegmentLength, '.') + QStringLiteral("\nline 8 hit"));

    filter.setFiltering(false);
    QCOMPARE(rows()->rowCount(), 12);
    QCOMPARE(rows()->rowOfLine(6), 3);
    rows()->setRowFilter(nullptr);
}

void TestLogViewRows::filteredWhileLinesComeAndGo()
{
    LogSearch search(m_model.get(), m_log.get());
    LogFilterModel filter(m_model.get(), &search);
    rows()->setRowFilter(&filter);
    QAbstractItemModelTester tester(rows(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    search.setPattern(QStringLiteral("7"));
    filter.setFiltering(true);
    // Lines "payload i": those with a 7 in i show, as they come and while
    // the oldest leave.
    auto expected = [this] {
        int shown = 0;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            shown += m_model->lineTextAt(row).contains(QLatin1Char('7')) ? 1 : 0;
        }
        return shown;
    };
    for (int i = 0; i < LogManager::Capacity + 1500; i += 50) {
        append(i, 50);
        if (i % 1000 == 0) {
            rows()->update();
            QCOMPARE(rows()->rowCount(), expected());
        }
    }
    rows()->update();
    QVERIFY(m_model->rowCount() == LogManager::Capacity);
    QCOMPARE(rows()->rowCount(), expected());
    for (int row = 0; row < rows()->rowCount(); ++row) {
        QVERIFY(rows()->index(row).data(LogListModel::TextRole).toString().contains('7'));
    }
    QCOMPARE(filter.hiddenCount(), LogManager::Capacity - rows()->rowCount());
    // A new pattern: hidden until its pass is done, then its lines.
    search.setPattern(QStringLiteral("99"));
    search.finish();
    QVERIFY(rows()->rowCount() > 0);
    for (int row = 0; row < rows()->rowCount(); ++row) {
        QVERIFY(rows()->index(row).data(LogListModel::TextRole).toString().contains("99"));
    }
    rows()->setRowFilter(nullptr);
}

QTEST_GUILESS_MAIN(TestLogViewRows)
#include "tst_logviewrows.moc"
