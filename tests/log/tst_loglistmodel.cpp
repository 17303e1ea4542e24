#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "settings/languagemanager.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QString kTimeFormat = QStringLiteral("HH:mm:ss");

QList<QByteArray> fillers(int count)
{
    QList<QByteArray> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        list << "fill " + QByteArray::number(i);
    }
    return list;
}

// Keeps a plain-text document in step with the model's text feed, the way the
// data monitor does, and tracks whether a deferred reset is still due.
struct Mirror
{
    /// Which parts of the feed the mirror listens to.
    enum Listen { Appends = 1, Evictions = 2, Both = 3 };

    Mirror(LogManager* log, LogListModel* model, int listen = Both)
    {
        // A mirror that starts late starts from the whole document.
        doc = model->fullPlainDump();
        if (listen & Appends) {
            QObject::connect(model, &LogListModel::lineAppended, model,
                             [this](const QString& text) {
                                 feedWhilePending |= resetDue;
                                 doc += text;
                                 ++appends;
                             });
        }
        if (listen & Evictions) {
            // The rows leaving are announced before their length: each of
            // their lines and its line break.
            QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, model,
                             [this, model](const QModelIndex&, int first, int last) {
                                 leaving = 0;
                                 leavingLength = 0;
                                 for (int row = first; row <= last; ++row) {
                                     ++leaving;
                                     leavingLength += model->lineTextAt(row).size() + 1;
                                 }
                             });
            const bool whole = listen & Appends; // else the document only shrinks
            QObject::connect(model, &LogListModel::lineEvicted, model, [this, whole](int length) {
                feedWhilePending |= resetDue;
                if (length <= 0 || (whole && length > doc.size()) || length != leavingLength) {
                    badEviction = true;
                }
                doc.remove(0, length);
                evictedLines += leaving;
            });
        }
        QObject::connect(model, &LogListModel::rebuildNeeded, model,
                         [this, model] { doc = model->fullPlainDump(); });
        QObject::connect(log, &LogManager::bulkChanged, model, [this] { resetDue = true; });
        QObject::connect(model, &QAbstractItemModel::modelReset, model,
                         [this] { resetDue = false; });
    }

    QString doc;
    int appends = 0;
    int evictedLines = 0;
    int leaving = 0;
    qsizetype leavingLength = 0;
    bool resetDue = false;
    bool badEviction = false;
    bool feedWhilePending = false;
};

} // namespace

/// Tests the view model of the data log: roles, line texts, the text feed that
/// keeps the monitor's document in step, and the deferred rebuild.
class TestLogListModel : public QObject
{
    Q_OBJECT

private slots:
    void roles();
    void formattedDataSize_data();
    void formattedDataSize();
    void dataOutsideRows();
    void lineText_data();
    void lineText();
    void hexShowsLineEnds_data();
    void hexShowsLineEnds();
    void evictionLength_data();
    void evictionLength();
    void unchangedSwitchEmitsNothing();
    void switchOnEmptyStore();
    void switchWithEntries_data();
    void switchWithEntries();
    void countersFollowStore();
    void bulkIsDeferred();
    void bulkBurstRestartsDebounce();
    void clearCancelsPendingReset();
    void fullPlainDumpEmpty();
    void itemModelTester();
    void mirroredDocument();
    void feedForListeners_data();
    void feedForListeners();
};

void TestLogListModel::roles()
{
    LogManager log;
    LogListModel model(&log);
    const QHash<int, QByteArray> expected{{257, "time"}, {258, "dir"}, {259, "text"}};
    QCOMPARE(model.roleNames(), expected);

    log.append(LogKind::RX, "hello");
    const QModelIndex idx = model.index(0);
    const QString time = idx.data(257).toString();
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(time).hasMatch());
    QCOMPARE(time, log.entries().first().time.toString(kTimeFormat));
    QCOMPARE(idx.data(258).toString(), QStringLiteral("RX"));
    QCOMPARE(idx.data(259).toString(), QStringLiteral("hello"));

    model.setShowTimestamp(false);
    QVERIFY(idx.data(257).typeId() == QMetaType::QString);
    QCOMPARE(idx.data(257).toString(), QString());
}

void TestLogListModel::dataOutsideRows()
{
    LogManager log;
    LogListModel model(&log);
    log.append(LogKind::RX, "x");
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.rowCount(model.index(0)), 0);
    QVERIFY(!model.index(0).data(Qt::DisplayRole).isValid());
    QVERIFY(!model.index(0).data(260).isValid());
    QVERIFY(!model.index(1).isValid());
    QVERIFY(!model.data(QModelIndex(), 259).isValid());
}

void TestLogListModel::lineText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<bool>("timestamp");
    QTest::addColumn<QString>("line"); // after the time column, if any
    QTest::addColumn<QString>("text"); // "text" role
    QTest::addColumn<QString>("dir");  // "dir" role

    const QString fffd(QChar(0xFFFD));
    QTest::newRow("RX with time") << 1 << QByteArray("hello") << false << true << "RX   hello"
                                  << "hello"
                                  << "RX";
    QTest::newRow("SYS without time") << 2 << QByteArray("msg") << false << false << "SYS  msg"
                                      << "msg"
                                      << "SYS";
    QTest::newRow("ERR") << 3 << QByteArray("bad") << false << false << "ERR  bad"
                         << "bad"
                         << "ERR";
    QTest::newRow("TX") << 0 << QByteArray("AT") << false << true << "TX   AT"
                        << "AT"
                        << "TX";
    QTest::newRow("unknown kind") << 7 << QByteArray("payload") << false << false << "     payload"
                                  << "payload"
                                  << "";
    QTest::newRow("RX hex") << 1 << QByteArray("\x0D\x0A\x41") << true << false << "RX   0D 0A 41"
                            << "0D 0A 41"
                            << "RX";
    QTest::newRow("RX hex with time")
        << 1 << QByteArray("\xff\x00", 2) << true << true << "RX   FF 00"
        << "FF 00"
        << "RX";
    QTest::newRow("RX hex empty") << 1 << QByteArray() << true << false << "RX   "
                                  << ""
                                  << "RX";
    QTest::newRow("TX unaffected by hex")
        << 0 << QByteArray("01 03") << true << false << "TX   01 03"
        << "01 03"
        << "TX";
    QTest::newRow("SYS unaffected by hex") << 2 << QByteArray("\r\n") << true << false << "SYS  "
                                           << "\r\n"
                                           << "SYS";
    QTest::newRow("ANSI stripped in line only")
        << 1 << QByteArray("\x1b[1;32mOK\x1b[0m\r") << false << false << "RX   OK"
        << "\x1b[1;32mOK\x1b[0m\r"
        << "RX";
    QTest::newRow("tab and line feed")
        << 2 << QByteArray("a\tb\nc") << false << false << "SYS  a    bc"
        << "a\tb\nc"
        << "SYS";
    QTest::newRow("invalid UTF-8")
        << 1
        << QByteArray("a\xff"
                      "b\xfe")
        << false << false << "RX   a" + fffd + "b" + fffd << "a" + fffd + "b" + fffd << "RX";
    QTest::newRow("invalid UTF-8 as hex")
        << 1 << QByteArray("a\xff") << true << false << "RX   61 FF"
        << "61 FF"
        << "RX";
    QTest::newRow("emoji") << 1 << QByteArray("\xF0\x9F\x98\x80 hi") << false << false
                           << QString::fromUtf8("RX   \xF0\x9F\x98\x80 hi")
                           << QString::fromUtf8("\xF0\x9F\x98\x80 hi") << "RX";
}

void TestLogListModel::lineText()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, payload);
    QFETCH(bool, hex);
    QFETCH(bool, timestamp);
    QFETCH(QString, line);
    QFETCH(QString, text);
    QFETCH(QString, dir);

    LogManager log;
    LogListModel model(&log);
    model.setHexMode(hex);
    model.setShowTimestamp(timestamp);
    QSignalSpy appended(&model, &LogListModel::lineAppended);

    log.append(LogKind(kind), payload);
    const LogEntry& entry = log.entries().first();
    const QString time = entry.time.toString(kTimeFormat);
    const QString expected = timestamp ? time + QStringLiteral("  ") + line : line;

    QCOMPARE(model.linePlainText(entry), expected);
    QCOMPARE(model.fullPlainDump(), expected + '\n');
    QCOMPARE(appended.size(), 1);
    QCOMPARE(appended.at(0).at(0).toString(), expected + '\n');
    QCOMPARE(model.index(0).data(259).toString(), text);
    QCOMPARE(model.index(0).data(258).toString(), dir);
    QCOMPARE(model.index(0).data(257).toString(), timestamp ? time : QString());
}

void TestLogListModel::hexShowsLineEnds_data()
{
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("hexText");
    QTest::newRow("none") << int(LineEnd::None) << QByteArray("AB") << "41 42";
    QTest::newRow("LF") << int(LineEnd::Lf) << QByteArray("\x01\x03\x02", 3) << "01 03 02 0A";
    QTest::newRow("CR LF") << int(LineEnd::CrLf) << QByteArray("AB") << "41 42 0D 0A";
    QTest::newRow("CR") << int(LineEnd::Cr) << QByteArray("AB") << "41 42 0D";
    QTest::newRow("empty line, LF") << int(LineEnd::Lf) << QByteArray() << "0A";
}

void TestLogListModel::hexShowsLineEnds()
{
    QFETCH(int, lineEnd);
    QFETCH(QByteArray, payload);
    QFETCH(QString, hexText);
    LogManager log;
    LogListModel model(&log);
    model.setShowTimestamp(false);
    log.append(LogKind::RX, payload, LineEnd(lineEnd));
    // Text shows the payload alone; hex every byte that came in.
    QCOMPARE(model.index(0).data(LogListModel::TextRole).toString(), QString::fromUtf8(payload));
    model.setHexMode(true);
    QCOMPARE(model.index(0).data(LogListModel::TextRole).toString(), hexText);
    QCOMPARE(model.lineTextAt(0), QStringLiteral("RX   ") + hexText);
    // Other kinds never carry a line end.
    log.append(LogKind::TX, "01 03", LineEnd(lineEnd));
    QCOMPARE(model.index(1).data(LogListModel::TextRole).toString(), QStringLiteral("01 03"));
}

void TestLogListModel::evictionLength_data()
{
    QTest::addColumn<QList<QByteArray>>("oldest"); // RX payloads of the 3 evicted entries
    QTest::addColumn<bool>("hex");
    QTest::addColumn<bool>("timestamp");
    QTest::addColumn<int>("length");

    // Without time column a line is "RX   " (5) plus the stripped payload, plus "\n".
    QTest::newRow("10, 12 and 5 characters")
        << QList<QByteArray>{"abcde", "abcdefg", ""} << false << false << 30;
    QTest::newRow("with time column")
        << QList<QByteArray>{"abcde", "abcdefg", ""} << false << true << 60;
    QTest::newRow("non-BMP counts two units")
        << QList<QByteArray>{"\xF0\x9F\x98\x80\xF0\x9F\x98\x80", "\xC3\xA9", ""} << false << false
        << 23;
    QTest::newRow("stripped ANSI, tab, CR")
        << QList<QByteArray>{"\x1b[31mred\x1b[0m\r", "a\tb", "\x1b(B"} << false << false << 29;
    QTest::newRow("invalid UTF-8") << QList<QByteArray>{"\xff",
                                                        "a\xff"
                                                        "b",
                                                        "\xfe\xfe"}
                                   << false << false << 24;
    QTest::newRow("hex mode") << QList<QByteArray>{"\r\n", "A", ""} << true << false << 25;
    QTest::newRow("same bytes as text")
        << QList<QByteArray>{"\r\n", "A", ""} << false << false << 19;
    QTest::newRow("emoji as hex") << QList<QByteArray>{"\xF0\x9F\x98\x80", "", ""} << true << false
                                  << 29;
}

void TestLogListModel::evictionLength()
{
    QFETCH(QList<QByteArray>, oldest);
    QFETCH(bool, hex);
    QFETCH(bool, timestamp);
    QFETCH(int, length);

    LogManager log;
    log.appendBatch(LogKind::RX, oldest + fillers(LogManager::Capacity - 3));
    LogListModel model(&log);
    model.setHexMode(hex);
    model.setShowTimestamp(timestamp);

    QSignalSpy evicted(&model, &LogListModel::lineEvicted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy appended(&model, &LogListModel::lineAppended);
    log.appendBatch(LogKind::SYS, {"n1", "n2", "n3"});

    QCOMPARE(evicted.size(), 1);
    QCOMPARE(evicted.at(0).at(0).toInt(), length);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.at(0).at(1).toInt(), 0);
    QCOMPARE(removed.at(0).at(2).toInt(), 2);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 4997);
    QCOMPARE(inserted.at(0).at(2).toInt(), 4999);
    QCOMPARE(appended.size(), 1);
    QCOMPARE(appended.at(0).at(0).toString().count('\n'), 3);
    QVERIFY(appended.at(0).at(0).toString().endsWith(QStringLiteral("SYS  n3\n")));
}

void TestLogListModel::unchangedSwitchEmitsNothing()
{
    LogManager log;
    log.append(LogKind::RX, "x");
    LogListModel model(&log);
    QSignalSpy hex(&model, &LogListModel::hexModeChanged);
    QSignalSpy ts(&model, &LogListModel::showTimestampChanged);
    QSignalSpy rebuild(&model, &LogListModel::rebuildNeeded);
    QSignalSpy data(&model, &QAbstractItemModel::dataChanged);

    QCOMPARE(model.hexMode(), false);
    QCOMPARE(model.showTimestamp(), true);
    model.setHexMode(false);
    model.setShowTimestamp(true);
    model.setHexMode(true);
    model.setShowTimestamp(false);
    hex.clear();
    ts.clear();
    rebuild.clear();
    data.clear();
    model.setHexMode(true);
    model.setShowTimestamp(false);
    QCOMPARE(hex.size() + ts.size() + rebuild.size() + data.size(), 0);
    QCOMPARE(model.hexMode(), true);
    QCOMPARE(model.showTimestamp(), false);
}

void TestLogListModel::switchOnEmptyStore()
{
    LogManager log;
    LogListModel model(&log);
    QStringList events;
    connect(&model, &LogListModel::hexModeChanged, this, [&] { events << "hexModeChanged"; });
    connect(&model, &LogListModel::showTimestampChanged, this,
            [&] { events << "showTimestampChanged"; });
    connect(&model, &LogListModel::rebuildNeeded, this, [&] { events << "rebuildNeeded"; });
    connect(&model, &QAbstractItemModel::dataChanged, this, [&] { events << "dataChanged"; });

    model.setHexMode(true);
    model.setShowTimestamp(false);
    QCOMPARE(events, (QStringList{"hexModeChanged", "rebuildNeeded", "showTimestampChanged",
                                  "rebuildNeeded"}));
}

void TestLogListModel::switchWithEntries_data()
{
    QTest::addColumn<bool>("hexSwitch");
    QTest::addColumn<int>("role");
    QTest::newRow("hexMode") << true << 259;
    QTest::newRow("showTimestamp") << false << 257;
}

void TestLogListModel::switchWithEntries()
{
    QFETCH(bool, hexSwitch);
    QFETCH(int, role);

    LogManager log;
    log.appendBatch(LogKind::RX, {"A", "B", "C"});
    LogListModel model(&log);
    QStringList events;
    QVariantList dataArgs;
    connect(&model, &LogListModel::hexModeChanged, this, [&] { events << "changed"; });
    connect(&model, &LogListModel::showTimestampChanged, this, [&] { events << "changed"; });
    connect(&model, &LogListModel::rebuildNeeded, this, [&] { events << "rebuildNeeded"; });
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [&](const QModelIndex& tl, const QModelIndex& br, const QList<int>& roles) {
                events << "dataChanged";
                dataArgs = {tl.row(), br.row(), QVariant::fromValue(roles)};
            });

    if (hexSwitch) {
        model.setHexMode(true);
    } else {
        model.setShowTimestamp(false);
    }
    QCOMPARE(events, (QStringList{"changed", "dataChanged", "rebuildNeeded"}));
    QCOMPARE(dataArgs.at(0).toInt(), 0);
    QCOMPARE(dataArgs.at(1).toInt(), 2);
    QCOMPARE(dataArgs.at(2).value<QList<int>>(), QList<int>{role});
    const QString last = hexSwitch ? QStringLiteral("RX   43\n") : QStringLiteral("RX   C\n");
    QVERIFY(model.fullPlainDump().endsWith(last));
}

void TestLogListModel::countersFollowStore()
{
    LogManager log;
    LogListModel model(&log);
    QSignalSpy counters(&model, &LogListModel::countersChanged);
    QSignalSpy lines(&model, &LogListModel::lineCountChanged);

    log.append(LogKind::RX, "abc");
    log.appendBatch(LogKind::TX, {"de", "f"});
    log.append(LogKind::SYS, "sys");
    QCOMPARE(counters.size(), 3);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(model.rxBytes(), qint64(3));
    QCOMPARE(model.txBytes(), qint64(3));
    QCOMPARE(model.lineCount(), 4);
    QCOMPARE(model.totalLineCount(), qint64(4));

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy rebuild(&model, &LogListModel::rebuildNeeded);
    model.clear();
    QVERIFY(log.entries().isEmpty());
    QCOMPARE(reset.size(), 1);
    QCOMPARE(rebuild.size(), 1);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(counters.size(), 4);
    QCOMPARE(model.rxBytes(), qint64(0));
    QCOMPARE(model.totalLineCount(), qint64(0));
    QCOMPARE(model.rowCount(), 0);
}

void TestLogListModel::bulkIsDeferred()
{
    LogManager log;
    LogListModel model(&log);
    QSignalSpy appended(&model, &LogListModel::lineAppended);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy rebuild(&model, &LogListModel::rebuildNeeded);

    QElapsedTimer clock;
    clock.start();
    log.appendBatch(LogKind::RX, fillers(400));
    bool lateAppended = false;
    QTimer::singleShot(10, this, [&] {
        log.append(LogKind::SYS, "late line");
        lateAppended = true;
    });
    QCOMPARE(reset.size(), 0);

    QVERIFY(rebuild.wait(5000));
    QVERIFY(clock.elapsed() >= 40);
    QVERIFY(lateAppended);
    QCOMPARE(appended.size(), 0);
    QCOMPARE(inserted.size(), 0);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(rebuild.size(), 1);
    QCOMPARE(model.rowCount(), 401);
    const QString dump = model.fullPlainDump();
    QCOMPARE(dump.count('\n'), 401);
    QVERIFY(dump.contains(QStringLiteral("RX   fill 0\n")));
    QVERIFY(dump.contains(QStringLiteral("RX   fill 399\n")));
    QVERIFY(dump.endsWith(QStringLiteral("SYS  late line\n")));

    // Live again: the next line goes through the text feed.
    log.append(LogKind::RX, "after");
    QCOMPARE(appended.size(), 1);
    QVERIFY(!rebuild.wait(200));
    QCOMPARE(reset.size(), 1);
}

void TestLogListModel::bulkBurstRestartsDebounce()
{
    LogManager log;
    LogListModel model(&log);
    QSignalSpy rebuild(&model, &LogListModel::rebuildNeeded);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    QElapsedTimer clock;
    clock.start();
    log.appendBatch(LogKind::RX, fillers(301));
    qint64 secondBulkAt = -1;
    QTimer::singleShot(30, this, [&] {
        secondBulkAt = clock.elapsed();
        log.appendBatch(LogKind::RX, fillers(301));
    });

    QVERIFY(rebuild.wait(5000));
    QVERIFY(secondBulkAt >= 0);
    // The reset comes a debounce interval after the second bulk change, not the first.
    QVERIFY(clock.elapsed() >= secondBulkAt + 40);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.rowCount(), 602);
    QVERIFY(!rebuild.wait(200));
    QCOMPARE(reset.size(), 1);
}

void TestLogListModel::clearCancelsPendingReset()
{
    LogManager log;
    LogListModel model(&log);
    QSignalSpy rebuild(&model, &LogListModel::rebuildNeeded);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy appended(&model, &LogListModel::lineAppended);

    log.appendBatch(LogKind::RX, fillers(500));
    model.clear();
    QCOMPARE(reset.size(), 1);
    QCOMPARE(rebuild.size(), 1);
    QCOMPARE(model.fullPlainDump(), QString());

    // Not pending any more: appends are announced at once and no late reset follows.
    log.append(LogKind::RX, "x");
    QCOMPARE(appended.size(), 1);
    QVERIFY(!rebuild.wait(200));
    QCOMPARE(reset.size(), 1);
}

void TestLogListModel::fullPlainDumpEmpty()
{
    LogManager log;
    LogListModel model(&log);
    QCOMPARE(model.fullPlainDump(), QString());
    log.append(LogKind::SYS, "");
    QCOMPARE(model.fullPlainDump(), model.linePlainText(log.entries().first()) + '\n');
    model.clear();
    QCOMPARE(model.fullPlainDump(), QString());
}

void TestLogListModel::itemModelTester()
{
    LogManager log;
    LogListModel model(&log);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    // Row by row: batches up to the bulk threshold fill the store, then
    // single appends and batches evict at each step.
    for (int i = 0; i < 16; ++i) {
        log.appendBatch(LogKind::RX, fillers(300));
        QVERIFY(!QTest::currentTestFailed());
    }
    log.appendBatch(LogKind::RX, fillers(200));
    QCOMPARE(model.rowCount(), LogManager::Capacity);
    QCOMPARE(removed.size(), 0);
    log.append(LogKind::TX, "one");
    log.appendBatch(LogKind::SYS, fillers(150));
    log.appendBatch(LogKind::ERR, fillers(7));
    QCOMPARE(model.rowCount(), LogManager::Capacity);
    QCOMPARE(removed.size(), 3);
    QCOMPARE(inserted.size(), 20);
    QCOMPARE(reset.size(), 0);

    model.setHexMode(true);
    model.setShowTimestamp(false);

    // Bulk change, deferred reset, then live again.
    log.appendBatch(LogKind::RX, fillers(1000));
    QVERIFY(reset.wait(5000));
    log.append(LogKind::RX, "live");
    QCOMPARE(model.rowCount(), LogManager::Capacity);

    model.clear();
    QCOMPARE(model.rowCount(), 0);
    log.append(LogKind::RX, "again");
    QCOMPARE(model.rowCount(), 1);
}

void TestLogListModel::mirroredDocument()
{
    LogManager log;
    LogListModel model(&log);
    Mirror mirror(&log, &model);
    QRandomGenerator rng(20240611);

    // Payload fragments chosen to stress stripping, decoding and UTF-16 lengths.
    const QList<QByteArray> pieces{
        "ok",      "value=42",       "\x1b[1;32m", "\x1b[0m",          "\r",       "\t",
        "\n",      "\xff",           "\xe2\x82",   "\xF0\x9F\x98\x80", "\xC3\xA9", "\x1b(B",
        "\x1b[12", QByteArray(1, 0), "\x7f",       "{\"t\":21.5}",     "\x1b",     " "};
    auto payload = [&] {
        QByteArray bytes;
        const int parts = int(rng.bounded(5));
        for (int i = 0; i < parts; ++i) {
            bytes += pieces.at(int(rng.bounded(int(pieces.size()))));
        }
        return bytes;
    };
    auto batch = [&](int n) {
        QList<QByteArray> list;
        list.reserve(n);
        for (int i = 0; i < n; ++i) {
            list << payload();
        }
        return list;
    };

    int bulkResets = 0;
    int checks = 0;
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < 300 && clock.elapsed() < 60000; ++step) {
        const LogKind kind = rng.bounded(10) == 0 ? LogKind(7) : LogKind(rng.bounded(4));
        const int op = int(rng.bounded(100));
        if (op < 40) {
            log.appendBatch(kind, batch(1 + int(rng.bounded(20))));
        } else if (op < 50) {
            log.append(kind, payload());
        } else if (op < 60) {
            log.appendBatch(kind, batch(100 + int(rng.bounded(201))));
        } else if (op < 68) {
            log.appendBatch(kind, batch(301 + int(rng.bounded(900))));
        } else if (op < 70) {
            log.appendBatch(kind, batch(5001 + int(rng.bounded(1000))));
        } else if (op < 77) {
            model.setHexMode(!model.hexMode());
        } else if (op < 84) {
            model.setShowTimestamp(!model.showTimestamp());
        } else if (op < 87) {
            model.clear();
        } else if (mirror.resetDue) {
            QTRY_VERIFY_WITH_TIMEOUT(!mirror.resetDue, 5000);
            ++bulkResets;
        }

        QVERIFY2(!mirror.badEviction, qPrintable(QStringLiteral("step %1").arg(step)));
        QVERIFY2(!mirror.feedWhilePending, qPrintable(QStringLiteral("step %1").arg(step)));
        QVERIFY(log.entries().size() <= LogManager::Capacity);
        if (!mirror.resetDue) {
            QCOMPARE(model.rowCount(), int(log.entries().size()));
            QCOMPARE(mirror.doc, model.fullPlainDump());
            ++checks;
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(!mirror.resetDue, 5000);
    QCOMPARE(mirror.doc, model.fullPlainDump());
    QCOMPARE(mirror.doc.count('\n'), int(log.entries().size()));
    // The sequence must actually have exercised both paths.
    QVERIFY(bulkResets > 3);
    QVERIFY(checks > 100);
}

void TestLogListModel::feedForListeners_data()
{
    QTest::addColumn<int>("listen");
    QTest::addColumn<int>("quietLines"); // appended before anything listens
    QTest::addColumn<bool>("switchWhileQuiet");

    QTest::newRow("appends and evictions from the start") << int(Mirror::Both) << 0 << false;
    QTest::newRow("appends only") << int(Mirror::Appends) << 0 << false;
    QTest::newRow("evictions only") << int(Mirror::Evictions) << 0 << false;
    QTest::newRow("both, after quiet lines") << int(Mirror::Both) << 4990 << false;
    QTest::newRow("both, after a quiet full log") << int(Mirror::Both) << 6000 << false;
    QTest::newRow("evictions, after a quiet full log") << int(Mirror::Evictions) << 6000 << false;
    QTest::newRow("both, after quiet lines and a switch") << int(Mirror::Both) << 5100 << true;
}

// The text feed is skipped while nothing listens; whoever listens gets
// exactly the feed the document needs, also after a quiet spell.
void TestLogListModel::feedForListeners()
{
    QFETCH(int, listen);
    QFETCH(int, quietLines);
    QFETCH(bool, switchWhileQuiet);

    LogManager log;
    LogListModel model(&log);
    // Lines of varied length, in small batches as the receive path appends them.
    int number = 0;
    auto appendLines = [&](int count) {
        while (count > 0) {
            QList<QByteArray> batch;
            for (int i = 0; i < qMin(count, 3); ++i, ++number) {
                batch << QByteArray("line ") + QByteArray(number % 17, 'x') + "\xC3\xA9\t" +
                             QByteArray::number(number);
            }
            count -= int(batch.size());
            log.appendBatch(LogKind::RX, batch);
        }
    };
    appendLines(quietLines);
    if (switchWhileQuiet) {
        model.setHexMode(true);
    }

    Mirror mirror(&log, &model, listen);
    QCOMPARE(mirror.doc, model.fullPlainDump());
    appendLines(5200); // fills the log and evicts
    QVERIFY(!mirror.badEviction);

    if (listen & Mirror::Appends) {
        // One text per batch, every line of it once.
        QCOMPARE(mirror.appends, (5200 + 2) / 3);
        QVERIFY(mirror.doc.endsWith(model.fullPlainDump()));
        const int held = int(qMin<qsizetype>(quietLines, LogManager::Capacity));
        const int kept = listen & Mirror::Evictions ? 0 : held + 5200 - LogManager::Capacity;
        QCOMPARE(mirror.doc.count(QLatin1Char('\n')), LogManager::Capacity + kept);
    } else {
        QCOMPARE(mirror.appends, 0);
    }
    const int expectedEvictions = qMax(0, quietLines + 5200 - LogManager::Capacity) -
                                  qMax(0, quietLines - LogManager::Capacity);
    QCOMPARE(mirror.evictedLines, listen & Mirror::Evictions ? expectedEvictions : 0);
    if (listen == Mirror::Both) {
        QCOMPARE(mirror.doc, model.fullPlainDump());
    }
}

// The Rx and Tx counters: units of 1024 with one decimal, worded and punctuated in the
// interface language, whatever number QML hands over.
void TestLogListModel::formattedDataSize_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("nothing") << "en" << 0.0 << "0 bytes";
    QTest::newRow("below a kilobyte, grouped") << "en" << 1023.0 << "1,023 bytes";
    QTest::newRow("one kilobyte") << "en" << 1024.0 << "1.0 kB";
    QTest::newRow("one and a half") << "en" << 1536.0 << "1.5 kB";
    QTest::newRow("megabytes") << "en" << 2621440.0 << "2.5 MB";
    QTest::newRow("gigabyte") << "en" << 1073741824.0 << "1.0 GB";
    QTest::newRow("terabytes") << "en" << 3298534883328.0 << "3.0 TB";
    QTest::newRow("French words and comma") << "fr" << 1536.0 << "1,5 ko";
    QTest::newRow("Russian") << "ru" << 2621440.0 << QStringLiteral("2,5 МБ");
    QTest::newRow("Japanese") << "ja" << 1023.0 << QStringLiteral("1,023 バイト");
    QTest::newRow("fraction of a byte") << "en" << 0.75 << "0 bytes";
    QTest::newRow("negative") << "en" << -5.0 << "0 bytes";
    QTest::newRow("not a number") << "en" << qQNaN() << "0 bytes";
    QTest::newRow("beyond any count") << "en" << 1e300 << "7.8 EB";
}

void TestLogListModel::formattedDataSize()
{
    QFETCH(QString, language);
    QFETCH(double, bytes);
    QFETCH(QString, shown);
    LogManager log;
    LogListModel model(&log);
    LanguageManager::instance().setLanguage(language);
    const QString text = model.formattedDataSize(bytes);
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    QCOMPARE(text, shown);
}

QTEST_GUILESS_MAIN(TestLogListModel)
#include "tst_loglistmodel.moc"
