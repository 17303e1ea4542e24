#include "log/logmanager.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Records every signal of a store in emission order, each with the number of
// entries the store held at that moment, so the order of announcements
// relative to the actual list changes is part of what is compared.
class SignalLog
{
public:
    explicit SignalLog(LogManager* log)
    {
        auto add = [this, log](const QString& what) {
            events << QStringLiteral("%1 @%2").arg(what).arg(log->entries().size());
        };
        QObject::connect(log, &LogManager::entriesAboutToBeEvicted, log,
                         [add](int n) { add(QStringLiteral("aboutToBeEvicted(%1)").arg(n)); });
        QObject::connect(log, &LogManager::entriesEvicted, log,
                         [add] { add(QStringLiteral("evicted")); });
        QObject::connect(log, &LogManager::entriesAppended, log,
                         [add](int n) { add(QStringLiteral("appended(%1)").arg(n)); });
        QObject::connect(log, &LogManager::bulkChanged, log,
                         [add] { add(QStringLiteral("bulk")); });
        QObject::connect(log, &LogManager::cleared, log, [add] { add(QStringLiteral("cleared")); });
        QObject::connect(log, &LogManager::countersChanged, log, [add](qint64 rx, qint64 tx) {
            add(QStringLiteral("counters(%1,%2)").arg(rx).arg(tx));
        });
    }

    QStringList events;
};

// Fixed-width items so byte counts in the expectations are easy to read.
QList<QByteArray> items(const char* prefix, int count)
{
    QList<QByteArray> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        list << QByteArray(prefix) + QByteArray::number(i).rightJustified(4, '0');
    }
    return list;
}

QList<QByteArray> payloads(const LogManager& log)
{
    QList<QByteArray> list;
    for (const LogEntry& e : log.entries()) {
        list << e.data;
    }
    return list;
}

} // namespace

/// Tests the bounded log store: eviction, counters and the exact signal
/// sequence observers rely on.
class TestLogManager : public QObject
{
    Q_OBJECT

private slots:
    void signalSequence_data();
    void signalSequence();
    void oversizedBatchKeepsNewest();
    void emptyPayloadIsAnEntry();
    void countersByKind_data();
    void countersByKind();
    void emptyBatchDoesNothing();
    void clear_data();
    void clear();
    void dirTag_data();
    void dirTag();
    void batchSharesOneTimestamp();
    void evictedEntriesStillPresentInSlot();
};

void TestLogManager::signalSequence_data()
{
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("expected");

    // Prefilled entries are SYS (no bytes); added items are 5-byte RX lines.
    QTest::newRow("full + 1") << 5000 << 1
                              << QStringList{"aboutToBeEvicted(1) @5000", "evicted @4999",
                                             "appended(1) @5000", "counters(5,0) @5000"};
    QTest::newRow("empty + 1") << 0 << 1 << QStringList{"appended(1) @1", "counters(5,0) @1"};
    QTest::newRow("empty + 300") << 0 << 300
                                 << QStringList{"appended(300) @300", "counters(1500,0) @300"};
    QTest::newRow("empty + 301") << 0 << 301 << QStringList{"bulk @301", "counters(1505,0) @301"};
    QTest::newRow("4999 + 1 fills without eviction")
        << 4999 << 1 << QStringList{"appended(1) @5000", "counters(5,0) @5000"};
    QTest::newRow("4999 + 2") << 4999 << 2
                              << QStringList{"aboutToBeEvicted(1) @4999", "evicted @4998",
                                             "appended(2) @5000", "counters(10,0) @5000"};
    QTest::newRow("4900 + 200 changes exactly 300")
        << 4900 << 200
        << QStringList{"aboutToBeEvicted(100) @4900", "evicted @4800", "appended(200) @5000",
                       "counters(1000,0) @5000"};
    QTest::newRow("4900 + 201 changes 302")
        << 4900 << 201 << QStringList{"bulk @5000", "counters(1005,0) @5000"};
    QTest::newRow("full + 300") << 5000 << 300
                                << QStringList{"bulk @5000", "counters(1500,0) @5000"};
    QTest::newRow("full + 150 changes 300")
        << 5000 << 150
        << QStringList{"aboutToBeEvicted(150) @5000", "evicted @4850", "appended(150) @5000",
                       "counters(750,0) @5000"};
    QTest::newRow("full + 6000") << 5000 << 6000
                                 << QStringList{"bulk @5000", "counters(30000,0) @5000"};
}

void TestLogManager::signalSequence()
{
    QFETCH(int, present);
    QFETCH(int, added);
    QFETCH(QStringList, expected);

    LogManager log;
    const QList<QByteArray> old = items("s", present);
    const QList<QByteArray> fresh = items("r", added);
    log.appendBatch(LogKind::SYS, old);
    QCOMPARE(log.entries().size(), present);

    SignalLog rec(&log);
    log.appendBatch(LogKind::RX, fresh);
    QCOMPARE(rec.events, expected);

    // The list is always the newest (at most) 5000 of everything appended.
    const QList<QByteArray> all = old + fresh;
    QCOMPARE(payloads(log), all.mid(qMax<qsizetype>(0, all.size() - LogManager::Capacity)));
    QCOMPARE(log.totalLineCount(), qint64(present + added));
    QCOMPARE(log.rxBytes(), qint64(5) * added);
    QCOMPARE(log.txBytes(), qint64(0));
}

void TestLogManager::oversizedBatchKeepsNewest()
{
    LogManager log;
    QList<QByteArray> lines;
    for (int i = 0; i < 6000; ++i) {
        lines << QByteArray(2, char('a' + i % 26));
    }
    lines[1000] = "XY";
    lines[5999] = "ZZ";
    SignalLog rec(&log);
    log.appendBatch(LogKind::RX, lines);

    QCOMPARE(rec.events, (QStringList{"bulk @5000", "counters(12000,0) @5000"}));
    QCOMPARE(log.entries().size(), 5000);
    QCOMPARE(log.entries().first().data, QByteArray("XY"));
    QCOMPARE(log.entries().last().data, QByteArray("ZZ"));
    QCOMPARE(log.rxBytes(), qint64(12000));
    QCOMPARE(log.totalLineCount(), qint64(6000));

    log.appendBatch(LogKind::RX, lines);
    QCOMPARE(log.rxBytes(), qint64(24000));
    QCOMPARE(log.totalLineCount(), qint64(12000));
    QCOMPARE(log.entries().first().data, QByteArray("XY"));
}

void TestLogManager::emptyPayloadIsAnEntry()
{
    LogManager log;
    log.append(LogKind::RX, "ab");
    SignalLog rec(&log);
    log.append(LogKind::RX, QByteArray());
    QCOMPARE(rec.events, (QStringList{"appended(1) @2", "counters(2,0) @2"}));
    QCOMPARE(log.entries().size(), 2);
    QVERIFY(log.entries().last().data.isEmpty());
    QCOMPARE(log.entries().last().kind, LogKind::RX);
    QCOMPARE(log.rxBytes(), qint64(2));
    QCOMPARE(log.totalLineCount(), qint64(2));
}

void TestLogManager::countersByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("rx");
    QTest::addColumn<qint64>("tx");

    // Each case appends the items "abc" and "de" (5 bytes) as one batch.
    QTest::newRow("TX") << 0 << qint64(0) << qint64(5);
    QTest::newRow("RX") << 1 << qint64(5) << qint64(0);
    QTest::newRow("SYS") << 2 << qint64(0) << qint64(0);
    QTest::newRow("ERR") << 3 << qint64(0) << qint64(0);
    QTest::newRow("unknown kind") << 7 << qint64(0) << qint64(0);
}

void TestLogManager::countersByKind()
{
    QFETCH(int, kind);
    QFETCH(qint64, rx);
    QFETCH(qint64, tx);

    LogManager log;
    QSignalSpy counters(&log, &LogManager::countersChanged);
    log.appendBatch(LogKind(kind), {"abc", "de"});
    QCOMPARE(log.rxBytes(), rx);
    QCOMPARE(log.txBytes(), tx);
    QCOMPARE(log.totalLineCount(), qint64(2));
    QCOMPARE(log.entries().size(), 2);
    QCOMPARE(log.entries().at(0).kind, LogKind(kind));
    QCOMPARE(counters.size(), 1);
    QCOMPARE(counters.at(0), (QVariantList{rx, tx}));
}

void TestLogManager::emptyBatchDoesNothing()
{
    LogManager log;
    log.append(LogKind::TX, "abc");
    SignalLog rec(&log);
    log.appendBatch(LogKind::RX, {});
    QVERIFY(rec.events.isEmpty());
    QCOMPARE(log.entries().size(), 1);
    QCOMPARE(log.totalLineCount(), qint64(1));
    QCOMPARE(log.txBytes(), qint64(3));
}

void TestLogManager::clear_data()
{
    QTest::addColumn<int>("present");
    QTest::newRow("empty") << 0;
    QTest::newRow("some") << 3;
    QTest::newRow("full") << 5000;
}

void TestLogManager::clear()
{
    QFETCH(int, present);
    LogManager log;
    log.appendBatch(LogKind::RX, items("r", present));
    log.append(LogKind::TX, "x");
    log.clear();
    QVERIFY(log.entries().isEmpty());

    if (present > 0) {
        log.appendBatch(LogKind::RX, items("r", present));
        log.append(LogKind::TX, "xyz");
    }
    SignalLog rec(&log);
    log.clear();
    QCOMPARE(rec.events, (QStringList{"cleared @0", "counters(0,0) @0"}));
    QVERIFY(log.entries().isEmpty());
    QCOMPARE(log.rxBytes(), qint64(0));
    QCOMPARE(log.txBytes(), qint64(0));
    QCOMPARE(log.totalLineCount(), qint64(0));
}

void TestLogManager::dirTag_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tag");
    QTest::newRow("TX") << 0 << "TX";
    QTest::newRow("RX") << 1 << "RX";
    QTest::newRow("SYS") << 2 << "SYS";
    QTest::newRow("ERR") << 3 << "ERR";
    QTest::newRow("4") << 4 << "?";
    QTest::newRow("7") << 7 << "?";
    QTest::newRow("-1") << -1 << "?";
}

void TestLogManager::dirTag()
{
    QFETCH(int, kind);
    QFETCH(QString, tag);
    QCOMPARE(LogManager::dirTag(LogKind(kind)), tag);
}

void TestLogManager::batchSharesOneTimestamp()
{
    // Large enough that stamping entry by entry would cross a millisecond.
    LogManager log;
    const QDateTime before = QDateTime::currentDateTime();
    log.appendBatch(LogKind::RX, items("r", 5000));
    const QDateTime after = QDateTime::currentDateTime();
    const QDateTime stamp = log.entries().first().time;
    QVERIFY(stamp >= before && stamp <= after);
    for (const LogEntry& e : log.entries()) {
        QCOMPARE(e.time, stamp);
    }
}

void TestLogManager::evictedEntriesStillPresentInSlot()
{
    LogManager log;
    log.appendBatch(LogKind::SYS, items("s", 5000));

    QList<QByteArray> seenAtEviction;
    qsizetype sizeAtEviction = -1;
    QByteArray lastAtAppend;
    connect(&log, &LogManager::entriesAboutToBeEvicted, this, [&](int count) {
        sizeAtEviction = log.entries().size();
        for (int i = 0; i < count; ++i) {
            seenAtEviction << log.entries().at(i).data;
        }
    });
    connect(&log, &LogManager::entriesAppended, this,
            [&](int) { lastAtAppend = log.entries().last().data; });

    log.appendBatch(LogKind::RX, {"new0", "new1", "new2"});
    QCOMPARE(sizeAtEviction, 5000);
    QCOMPARE(seenAtEviction, (QList<QByteArray>{"s0000", "s0001", "s0002"}));
    QCOMPARE(lastAtAppend, QByteArray("new2"));
    QCOMPARE(log.entries().first().data, QByteArray("s0003"));
}

QTEST_GUILESS_MAIN(TestLogManager)
#include "tst_logmanager.moc"
