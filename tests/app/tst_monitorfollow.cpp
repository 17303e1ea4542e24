// The data monitor of the real main window while a chatty device talks to it:
// lines of random length at random rates, wrapped or not, a megabyte line, a
// binary flood. At every frame the newest line must be in sight (while the
// view follows) and no blank space may show where stored lines exist.
#include "app/appcontroller.h"
#include "log/logviewrows.h"
#include "monitorprobe.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <memory>

namespace {

QByteArray randomText(QRandomGenerator& rng, int length)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789 {}\":,._-ABCXYZ";
    QByteArray text(length, Qt::Uninitialized);
    for (char& c : text) {
        c = alphabet[rng.bounded(int(sizeof alphabet) - 1)];
    }
    return text;
}

struct Watch
{
    int frames = 0;
    int outOfSight = 0; // frames judged after the newest line was out of sight too long
    int blank = 0;      // frames with blank space where rows exist
    int emptyRows = 0;  // rows in sight without text
    QString first;
};

} // namespace

class TestMonitorFollow : public QObject
{
    Q_OBJECT

private:
    korveltest::MainWindowDriver m_ui;
    QQuickWindow* m_window = nullptr;
    AppController* m_controller = nullptr;
    QQuickItem* m_list = nullptr;
    QQuickItem* m_monitor = nullptr;
    std::unique_ptr<MonitorProbe> m_probe;
    QRandomGenerator m_rng{20261207};

    // Runs the event loop for @p ms, calling @p feed every @p feedMs and
    // judging the view after the list has laid out each frame. On a busy
    // machine (sanitizers, shared cores) few frames may come in that time, so
    // the watch goes on until enough frames were judged, within a hard limit.
    Watch watch(int ms, const std::function<void()>& feed, int feedMs)
    {
        constexpr int MinFrames = 8;
        constexpr int HardLimitMs = 30000;
        Watch w;
        QEventLoop loop;
        QElapsedTimer elapsed;
        elapsed.start();
        QTimer enough;
        QObject::connect(&enough, &QTimer::timeout, &loop, [&] {
            if (elapsed.elapsed() >= ms &&
                (w.frames >= MinFrames || elapsed.elapsed() >= HardLimitMs)) {
                loop.quit();
            }
        });
        enough.start(50);
        QTimer feeder;
        QObject::connect(&feeder, &QTimer::timeout, &loop, [&] { feed(); });
        QElapsedTimer sinceInSight;
        sinceInSight.start();
        const auto judge = QObject::connect(m_window, &QQuickWindow::afterAnimating, &loop, [&] {
            const MonitorProbe::Snapshot s = m_probe->snapshot();
            if (s.count == 0) {
                return;
            }
            ++w.frames;
            if (s.newestBottomVisible) {
                sinceInSight.restart();
            } else if (sinceInSight.elapsed() > 500) {
                ++w.outOfSight;
                if (w.first.isEmpty()) {
                    w.first = QStringLiteral("newest line out of sight: ") + s.describe();
                }
            }
            if (s.blank > 1.0) {
                ++w.blank;
                if (w.first.isEmpty()) {
                    w.first = QStringLiteral("blank space: ") + s.describe();
                }
            }
            for (const MonitorProbe::Row& row : s.rows) {
                QQuickItem* item = nullptr;
                QMetaObject::invokeMethod(m_list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, item),
                                          Q_ARG(int, row.index));
                if (item && item->property("lineText").toString().isEmpty()) {
                    ++w.emptyRows;
                }
            }
        });
        feeder.start(feedMs);
        loop.exec();
        QObject::disconnect(judge);
        return w;
    }

    // Lines of 10 to 300 characters at 20 to 200 lines a second, cut into
    // chunks at random places as a port delivers them.
    std::function<void()> randomLines()
    {
        return [this] {
            const int perTick = 1 + int(m_rng.bounded(4)); // every 20 ms: 50..200 lines/s
            QByteArray bytes;
            for (int i = 0; i < perTick; ++i) {
                bytes += randomText(m_rng, 10 + int(m_rng.bounded(291))) + "\r\n";
            }
            while (!bytes.isEmpty()) {
                const int cut = qMin(int(bytes.size()), 1 + int(m_rng.bounded(160)));
                m_controller->handleIncomingData(bytes.left(cut));
                bytes.remove(0, cut);
            }
        };
    }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void followsRandomLines_data();
    void followsRandomLines();
    void megabyteLineThenShortLine();
    void binaryFloodShowsText();
    void wheelUpStopsAndBottomResumes();
};

void TestMonitorFollow::initTestCase()
{
    korveltest::isolateSettings();
    QVERIFY(m_ui.load());
    m_window = m_ui.window();
    m_controller = m_ui.controller();
    m_list = m_window->findChild<QQuickItem*>(QStringLiteral("logView"));
    m_monitor = m_window->findChild<QQuickItem*>(QStringLiteral("monitor"));
    QVERIFY(m_controller && m_list && m_monitor);
    m_probe = std::make_unique<MonitorProbe>(m_list);
}

void TestMonitorFollow::init()
{
    korveltest::failOnQmlWarnings();
    m_controller->logModel()->clear();
    m_monitor->setProperty("wrapLines", true);
    QMetaObject::invokeMethod(m_monitor, "scrollToNewest");
}

void TestMonitorFollow::cleanupTestCase()
{
    m_probe.reset();
    m_ui.unload();
}

void TestMonitorFollow::followsRandomLines_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::newRow("wrapped") << true;
    QTest::newRow("unwrapped") << false;
}

void TestMonitorFollow::followsRandomLines()
{
    QFETCH(bool, wrap);
    m_monitor->setProperty("wrapLines", wrap);
    const Watch w = watch(3000, randomLines(), 20);
    QVERIFY2(w.frames > 5, qPrintable(QString::number(w.frames)));
    QVERIFY2(w.outOfSight == 0 && w.blank == 0, qPrintable(w.first));
    QCOMPARE(w.emptyRows, 0);
    // The last line logged ends up at the bottom.
    QTRY_VERIFY(m_probe->snapshot().newestBottomVisible);
    QTRY_COMPARE(m_controller->logModel()->viewRows()->lineNumberAt(0),
                 double(m_controller->logModel()->totalLineCount() - 1));
}

void TestMonitorFollow::megabyteLineThenShortLine()
{
    m_controller->handleIncomingData("before\r\n");
    m_controller->handleIncomingData(QByteArray(1 << 20, 'x'));
    m_controller->handleIncomingData("short line after the long one\r\n");
    const Watch w = watch(
        1500, [] {}, 100);
    QVERIFY2(w.outOfSight == 0 && w.blank == 0, qPrintable(w.first));
    QQuickItem* newest = nullptr;
    QMetaObject::invokeMethod(m_list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, newest),
                              Q_ARG(int, 0));
    QVERIFY(newest);
    QVERIFY(newest->property("lineText").toString().endsWith("RX   short line after the long one"));
    QVERIFY(m_probe->snapshot().newestBottomVisible);
}

void TestMonitorFollow::binaryFloodShowsText()
{
    const Watch w = watch(
        2500,
        [this] {
            QByteArray bytes(64 + int(m_rng.bounded(400)), Qt::Uninitialized);
            for (char& c : bytes) {
                c = char(m_rng.bounded(256));
            }
            m_controller->handleIncomingData(bytes);
        },
        10);
    QVERIFY2(w.frames > 5, qPrintable(QString::number(w.frames)));
    QVERIFY2(w.outOfSight == 0 && w.blank == 0, qPrintable(w.first));
    QCOMPARE(w.emptyRows, 0);
}

void TestMonitorFollow::wheelUpStopsAndBottomResumes()
{
    watch(600, randomLines(), 20);
    auto wheel = [this](int notches) {
        const QPointF pos = m_list->mapToScene(QPointF(m_list->width() / 2, m_list->height() / 2));
        static ulong timestamp = 1000;
        timestamp += 500;
        QWheelEvent event(pos, m_window->mapToGlobal(pos), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        event.setTimestamp(timestamp);
        QGuiApplication::sendEvent(m_window, &event);
        QTRY_VERIFY(!m_list->property("moving").toBool());
    };
    wheel(2);
    QVERIFY(!m_list->property("stickToBottom").toBool());
    const MonitorProbe::Snapshot before = m_probe->snapshot();
    QVERIFY(!before.rows.isEmpty());
    const double lineAtBottom =
        m_controller->logModel()->viewRows()->lineNumberAt(before.rows.constLast().index);

    // Lines keep coming; the view stays on the same lines.
    watch(800, randomLines(), 20);
    const MonitorProbe::Snapshot after = m_probe->snapshot();
    QVERIFY(!after.newestVisible);
    QCOMPARE(m_controller->logModel()->viewRows()->lineNumberAt(after.rows.constLast().index),
             lineAtBottom);
    QCOMPARE(after.rows.constLast().bottom - after.contentY,
             before.rows.constLast().bottom - before.contentY);

    // Back down to the newest line (the flow paused meanwhile), and it follows.
    for (int i = 0; i < 100 && !m_probe->snapshot().newestBottomVisible; ++i) {
        wheel(-3);
    }
    QVERIFY(m_list->property("stickToBottom").toBool());
    const Watch w = watch(1500, randomLines(), 20);
    QVERIFY2(w.outOfSight == 0 && w.blank == 0, qPrintable(w.first));
}

QTEST_MAIN(TestMonitorFollow)
#include "tst_monitorfollow.moc"
