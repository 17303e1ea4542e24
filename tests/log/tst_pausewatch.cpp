// What the paused data monitor tells: the lines that came in since the pause
// and whether the full log has begun to drop the lines that were in sight.
#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logviewrows.h"
#include "log/pausewatch.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

void appendLines(LogManager& log, int count)
{
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        lines << "line " + QByteArray::number(i);
    }
    log.appendBatch(LogKind::RX, lines);
}

} // namespace

class TestPauseWatch : public QObject
{
    Q_OBJECT

private slots:
    void counts_data()
    {
        QTest::addColumn<int>("before");    // lines held when the pause begins
        QTest::addColumn<int>("firstSeen"); // line at the top of the view then
        QTest::addColumn<QList<int>>("appends");
        QTest::addColumn<int>("newLines");
        QTest::addColumn<bool>("dropping");

        const int cap = LogManager::Capacity;
        QTest::newRow("nothing new") << 10 << 0 << QList<int>{} << 0 << false;
        QTest::newRow("room left") << 10 << 0 << QList<int>{5, 7} << 12 << false;
        QTest::newRow("full, but the view is below the evicted lines")
            << cap << 200 << QList<int>{100} << 100 << false;
        QTest::newRow("the line in view is evicted")
            << cap << 200 << QList<int>{150, 100} << 250 << true;
        QTest::newRow("one line past the view") << cap << 0 << QList<int>{1} << 1 << true;
        QTest::newRow("no line in view") << cap << -1 << QList<int>{cap} << cap << false;
    }

    void counts()
    {
        QFETCH(int, before);
        QFETCH(int, firstSeen);
        QFETCH(QList<int>, appends);
        QFETCH(int, newLines);
        QFETCH(bool, dropping);

        LogManager log;
        LogListModel model(&log);
        appendLines(log, before);
        model.viewRows()->update();
        PauseWatch watch;
        watch.setLog(&model);
        watch.begin(firstSeen);
        QVERIFY(watch.active());
        for (const int count : appends) {
            appendLines(log, count);
            model.viewRows()->update();
        }
        QCOMPARE(watch.newLines(), newLines);
        QCOMPARE(watch.droppingSeenLines(), dropping);

        QSignalSpy changed(&watch, &PauseWatch::changed);
        watch.end();
        QVERIFY(!watch.active());
        QCOMPARE(watch.newLines(), 0);
        QVERIFY(!watch.droppingSeenLines());
        QCOMPARE(changed.count(), 1);
        watch.end(); // an unchanged state tells nobody
        QCOMPARE(changed.count(), 1);
    }

    // Lines that came while not paused count for nothing.
    void onlyWhilePaused()
    {
        LogManager log;
        LogListModel model(&log);
        PauseWatch watch;
        watch.setLog(&model);
        QSignalSpy changed(&watch, &PauseWatch::changed);
        appendLines(log, 20);
        model.viewRows()->update();
        QCOMPARE(watch.newLines(), 0);
        QCOMPARE(changed.count(), 0);
    }

    // A clear during the pause leaves nothing in sight to lose; what comes
    // after it is new.
    void clearWhilePaused()
    {
        LogManager log;
        LogListModel model(&log);
        appendLines(log, LogManager::Capacity);
        model.viewRows()->update();
        PauseWatch watch;
        watch.setLog(&model);
        watch.begin(10);
        log.clear();
        model.viewRows()->update();
        appendLines(log, 30);
        model.viewRows()->update();
        QCOMPARE(watch.newLines(), 30);
        QVERIFY(!watch.droppingSeenLines());
    }

    // The counters follow the monitor's batched updates, not every append.
    void followsRowUpdates()
    {
        LogManager log;
        LogListModel model(&log);
        PauseWatch watch;
        watch.setLog(&model);
        watch.begin(-1);
        appendLines(log, 5);
        QCOMPARE(watch.newLines(), 0);
        model.viewRows()->update();
        QCOMPARE(watch.newLines(), 5);
    }
};

QTEST_GUILESS_MAIN(TestPauseWatch)
#include "tst_pausewatch.moc"
