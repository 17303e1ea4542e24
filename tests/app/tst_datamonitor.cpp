// The data monitor and the save-log dialog, loaded from the QML module into a
// window of their own: the header figures, the helper functions, the rows it
// shows and how it follows them, selecting and copying with the mouse and the
// keys that move through the lines.
#include "app/appcontroller.h"
#include "log/loglistmodel.h"
#include "log/logviewrows.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Counts the lines that text items lay out.
class LayoutCounter : public QObject
{
    Q_OBJECT
public:
    int count = 0;
    // Every text item of the list's rows reports each line it lays out.
    void watch(QQuickItem* list)
    {
        QQuickItem* content = list->property("contentItem").value<QQuickItem*>();
        for (QQuickItem* row : content->childItems()) {
            for (QQuickItem* child : row->childItems()) {
                const int signal =
                    child->metaObject()->indexOfSignal("lineLaidOut(QQuickTextLine*)");
                if (signal >= 0 && !m_watched.contains(child)) {
                    m_watched << child;
                    connect(child, child->metaObject()->method(signal), this,
                            metaObject()->method(metaObject()->indexOfSlot("laidOut()")));
                }
            }
        }
    }
public slots:
    void laidOut() { ++count; }

private:
    QList<QQuickItem*> m_watched;
};

QVariant call(QObject* object, const char* function, const QVariant& argument)
{
    QVariant result;
    const bool ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result),
                                              Q_ARG(QVariant, argument));
    if (!ok) {
        qWarning("cannot call %s", function);
    }
    return result;
}

QList<QByteArray> numberedLines(int from, int count)
{
    QList<QByteArray> lines;
    for (int i = from; i < from + count; ++i) {
        lines << "payload " + QByteArray::number(i);
    }
    return lines;
}

} // namespace

class TestDataMonitor : public QObject
{
    Q_OBJECT

private:
    QQmlEngine* m_engine = nullptr;
    AppController* m_controller = nullptr;
    LogListModel* m_model = nullptr;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QQuickWindow> m_dialogWindow;
    QString m_dialogError;
    QQuickItem* m_monitor = nullptr;
    QQuickItem* m_view = nullptr;
    QObject* m_dialog = nullptr;

    LogViewRows* rows() const { return m_model->viewRows(); }

    template <typename T = QQuickItem> T* find(const char* name) const
    {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }

    QQuickItem* dfind(const char* name) const
    {
        return m_dialogWindow->findChild<QQuickItem*>(QString::fromLatin1(name));
    }

    // Waits until the list has taken in every line held by the log and has
    // laid it out.
    bool settle()
    {
        rows()->update();
        if (!QTest::qWaitFor(
                [&] { return m_view->property("count").toInt() == m_model->lineCount(); }, 5000)) {
            return false;
        }
        QMetaObject::invokeMethod(m_view, "forceLayout");
        return QTest::qWaitForWindowExposed(m_window.get());
    }

    double contentY() const { return m_view->property("contentY").toDouble(); }
    // Pixels from the bottom of the viewport down to the newest line's bottom.
    double distanceFromEnd() const
    {
        QVariant distance;
        QMetaObject::invokeMethod(m_monitor, "distanceFromNewest",
                                  Q_RETURN_ARG(QVariant, distance));
        return distance.toDouble();
    }
    bool stickToBottom() const { return m_view->property("stickToBottom").toBool(); }

    // The delegate that shows a row, when it is laid out.
    QQuickItem* rowItem(int row) const
    {
        QQuickItem* item = nullptr;
        QMetaObject::invokeMethod(m_view, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, item),
                                  Q_ARG(int, row));
        return item;
    }

    // The delegate that shows a line (its first part), counting lines from
    // 0 at the first one logged since the last clear.
    QQuickItem* lineItem(int line) const { return rowItem(rows()->rowOfLine(line)); }

    // The text of the row at the top of the viewport and how far below the
    // viewport's top edge it starts.
    QPair<QString, double> topOfView() const
    {
        int row = -1;
        QMetaObject::invokeMethod(m_view, "indexAt", Q_RETURN_ARG(int, row), Q_ARG(qreal, 0),
                                  Q_ARG(qreal, contentY() + 1));
        QQuickItem* item = rowItem(row);
        if (!item) {
            return {};
        }
        return {item->property("lineText").toString(), item->y() - contentY()};
    }

    // Presses a key over the lines (the save dialog's window may hold the
    // focus until this one is activated again).
    void key(int key)
    {
        m_window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_view->forceActiveFocus();
        QTest::keyClick(m_window.get(), Qt::Key(key));
    }

    QPoint windowPoint(QQuickItem* item, QPointF local) const
    {
        return item->mapToScene(local).toPoint();
    }

    // Turns the mouse wheel over the lines and waits for the scroll to end.
    bool wheel(int angleDelta)
    {
        const QPointF pos = m_view->mapToScene(QPointF(m_view->width() / 2, m_view->height() / 2));
        QWheelEvent event(pos, m_window->mapToGlobal(pos), QPoint(), QPoint(0, angleDelta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // Flickable derives the scroll speed from the time between events.
        static ulong timestamp = 1000;
        timestamp += 500;
        event.setTimestamp(timestamp);
        const double before = contentY();
        QGuiApplication::sendEvent(m_window.get(), &event);
        return QTest::qWaitFor([&] { return contentY() != before; }, 5000) &&
               QTest::qWaitFor([&] { return !m_view->property("moving").toBool(); }, 5000);
    }

    void appendRx(int from, int count)
    {
        m_controller->logStore().appendBatch(LogKind::RX, numberedLines(from, count));
    }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void formatCount_data();
    void formatCount();
    void baseNameFor_data();
    void baseNameFor();

    void lineTextHelpers_data();
    void lineTextHelpers();
    void refreshPaceFollowsState();

    void showsRowsAndCounters();
    void displaySwitchRefreshesRows();
    void followsNewLinesAtBottom();
    void scrolledUpStaysPut();
    void pausedStopsFollowing();
    void bulkKeepsScrolledUpPlace();
    void keysMoveThroughLines();
    void oldestLinesFillTopWhileEvicted();
    void copyWithoutSelectionCopiesDocument();
    void copySelectionOfWholeLines();
    void copyPartialSelectionAcrossLines();
    void selectedLinesShowTheirText_data();
    void selectedLinesShowTheirText();
    void pauseBarCountsAndWarns();
    void contextMenuCopyAndClear();
    void horizontalBarOnlyWithoutWrapping();
    void unchangedRowsAreNotLaidOutAgain_data();
    void unchangedRowsAreNotLaidOutAgain();

    void saveDialogOpensWithSuggestions();
    void saveDialogShowsErrorAndStaysOpen();
};

void TestDataMonitor::initTestCase()
{
    korveltest::isolateSettings();
    m_engine = new QQmlEngine(this);
    korveltest::prepareQmlEngine(*m_engine);
    korveltest::provideController(*m_engine);
    QQmlComponent component(m_engine);
    component.setData(R"(
import QtQuick
import Korvel
Window {
    width: 900
    height: 520
    visible: true
    DataMonitorView {
        objectName: "monitor"
        anchors.fill: parent
    }
}
)",
                      QUrl(QStringLiteral("qrc:/tst_datamonitor.qml")));
    QObject* object = component.create();
    QVERIFY2(object, qPrintable(component.errorString()));
    m_window.reset(qobject_cast<QQuickWindow*>(object));
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_monitor = find("monitor");
    m_view = find("logView");
    QVERIFY(m_monitor && m_view);
    // The window's import of the module registered the singleton.
    m_controller = korveltest::appController(*m_engine);
    QVERIFY(m_controller);
    m_model = m_controller->logModel();

    QQmlComponent dialogComponent(m_engine);
    dialogComponent.setData(R"(
import QtQuick
import Korvel
Window {
    width: 700
    height: 520
    visible: true
    SaveLogDialog {
        objectName: "saveLogDialog"
    }
}
)",
                            QUrl(QStringLiteral("qrc:/tst_savelogdialog.qml")));
    m_dialogWindow.reset(qobject_cast<QQuickWindow*>(dialogComponent.create()));
    m_dialogError = dialogComponent.errorString();
    if (m_dialogWindow) {
        QVERIFY(QTest::qWaitForWindowExposed(m_dialogWindow.get()));
        m_dialog = m_dialogWindow->findChild<QObject*>(QStringLiteral("saveLogDialog"));
    }
}

void TestDataMonitor::init()
{
    korveltest::failOnQmlWarnings();
    m_model->setShowTimestamp(true);
    m_model->setHexMode(false);
    m_model->clear();
    m_monitor->setProperty("paused", false);
    m_monitor->setProperty("wrapLines", true);
    QMetaObject::invokeMethod(m_monitor, "clearSelection");
    QVERIFY(settle());
    QTRY_VERIFY(stickToBottom());
}

void TestDataMonitor::cleanupTestCase()
{
    m_dialogWindow.reset();
    m_window.reset();
}

void TestDataMonitor::formatCount_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("5000") << 5000.0 << "5000";
    QTest::newRow("no grouping or exponent") << 12345678901.0 << "12345678901";
}

void TestDataMonitor::formatCount()
{
    QFETCH(double, count);
    QFETCH(QString, expected);
    QCOMPARE(call(m_monitor, "formatCount", count).toString(), expected);
}

void TestDataMonitor::baseNameFor_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("extension cut") << "trace.txt"
                                   << "trace";
    QTest::newRow("only a leading dot") << ".log"
                                        << ".log";
    QTest::newRow("last dot") << "a.b.c"
                              << "a.b";
    QTest::newRow("no extension") << "noext"
                                  << "noext";
    QTest::newRow("hidden name with extension") << ".log.txt"
                                                << ".log";
    QTest::newRow("trailing dot") << "name."
                                  << "name";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDataMonitor::baseNameFor()
{
    QVERIFY2(m_dialog, qPrintable(m_dialogError));
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QCOMPARE(call(m_dialog, "baseNameFor", fileName).toString(), expected);
}

void TestDataMonitor::lineTextHelpers_data()
{
    QTest::addColumn<bool>("timestamps");
    QTest::addColumn<bool>("hex");
    QTest::newRow("time, text") << true << false;
    QTest::newRow("no time, text") << false << false;
    QTest::newRow("time, hex") << true << true;
}

void TestDataMonitor::lineTextHelpers()
{
    QFETCH(bool, timestamps);
    QFETCH(bool, hex);
    m_model->setShowTimestamp(timestamps);
    m_model->setHexMode(hex);
    LogManager& log = m_controller->logStore();
    log.append(LogKind::RX, "\x1b[32mOK\x1b[0m\r");
    log.append(LogKind::TX, "AT\tX");
    log.append(LogKind::SYS, "opened");
    log.append(LogKind::ERR, "failed");

    QStringList expected;
    for (const LogEntry& entry : log.entries()) {
        expected << m_model->linePlainText(entry);
    }
    QCOMPARE(expected.size(), 4);
    QVERIFY(settle());
    for (int line = 0; line < 4; ++line) {
        QCOMPARE(m_model->lineTextAt(line), expected.at(line));
        QVERIFY(lineItem(line));
        QCOMPARE(lineItem(line)->property("lineText").toString(), expected.at(line));
    }
    QCOMPARE(m_model->lineTextAt(-1), QString());
    QCOMPARE(m_model->lineTextAt(4), QString());
    QCOMPARE(expected.join('\n') + '\n', m_model->fullPlainDump());
}

void TestDataMonitor::refreshPaceFollowsState()
{
    // Following: steady traffic is shown 10 times a second.
    QCOMPARE(rows()->interval(), 100);
    m_monitor->setProperty("paused", true);
    QCOMPARE(rows()->interval(), LogViewRows::UpdateIntervalMs);
    m_monitor->setProperty("paused", false);
    QCOMPARE(rows()->interval(), 100);

    // Scrolled up, new lines change nothing on screen but the scroll bar.
    appendRx(0, 300);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QVERIFY(wheel(120 * 3));
    QVERIFY(!stickToBottom());
    QCOMPARE(rows()->interval(), LogViewRows::UpdateIntervalMs);
}

void TestDataMonitor::showsRowsAndCounters()
{
    m_controller->logStore().append(LogKind::TX, "AT+GMR");
    m_controller->logStore().appendBatch(LogKind::RX, {"\x1b[32mOK\x1b[0m", "v1.2"});
    QVERIFY(settle());
    QCOMPARE(m_view->property("count").toInt(), 3);
    for (int line = 0; line < 3; ++line) {
        QQuickItem* item = lineItem(line);
        QVERIFY(item);
        QCOMPARE(item->property("lineText").toString(), m_model->lineTextAt(line));
    }
    // A few lines start at the top of the view; the newest is the lowest row.
    QCOMPARE(topOfView().first, m_model->lineTextAt(0));
    QVERIFY(qAbs(topOfView().second) < 1);
    QVERIFY(rowItem(0)->property("lineText").toString().endsWith("RX   v1.2"));
    QVERIFY(rowItem(0)->y() > rowItem(2)->y());
    QVERIFY(lineItem(1)->property("lineText").toString().endsWith("RX   OK"));
    QTRY_COMPARE(find("lineCountLabel")->property("text").toString(), QStringLiteral("3 lines"));
    QCOMPARE(find("rxBytesLabel")->property("text").toString(), QStringLiteral("Rx 15 bytes"));
    QCOMPARE(find("txBytesLabel")->property("text").toString(), QStringLiteral("Tx 6 bytes"));

    // The line count is the total since the last clear, not the lines held.
    for (int i = 0; i < LogManager::Capacity; i += 250) {
        appendRx(i, 250);
    }
    QTRY_COMPARE(find("lineCountLabel")->property("text").toString(),
                 QStringLiteral("%1 lines").arg(LogManager::Capacity + 3));
    QVERIFY(settle());
    QCOMPARE(m_view->property("count").toInt(), LogManager::Capacity);
}

void TestDataMonitor::displaySwitchRefreshesRows()
{
    m_controller->logStore().append(LogKind::RX, "AB");
    QVERIFY(settle());
    QQuickItem* item = rowItem(0);
    QVERIFY(item);
    QVERIFY(item->property("lineText").toString().endsWith("RX   AB"));
    QCOMPARE(item->property("lineText").toString().size(), 17);

    m_model->setShowTimestamp(false);
    QTRY_COMPARE(rowItem(0)->property("lineText").toString(), QStringLiteral("RX   AB"));
    m_model->setHexMode(true);
    QTRY_COMPARE(rowItem(0)->property("lineText").toString(), QStringLiteral("RX   41 42"));
}

void TestDataMonitor::followsNewLinesAtBottom()
{
    appendRx(0, 200);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QVERIFY(stickToBottom());

    appendRx(200, 20);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QCOMPARE(rowItem(0)->property("lineText").toString(), m_model->lineTextAt(219));
    QVERIFY(stickToBottom());

    // Steady state: the log is full and every append evicts.
    for (int i = 0; i < LogManager::Capacity; i += 250) {
        appendRx(1000 + i, 250);
    }
    for (int i = 0; i < 50; ++i) {
        appendRx(10000 + i, 1);
    }
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QTRY_COMPARE(rowItem(0)->property("lineText").toString(),
                 m_model->lineTextAt(LogManager::Capacity - 1));
}

void TestDataMonitor::scrolledUpStaysPut()
{
    appendRx(0, 300);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);

    QVERIFY(wheel(120 * 3));
    QVERIFY(distanceFromEnd() > 4);
    QVERIFY(!stickToBottom());
    const auto top = topOfView();
    QVERIFY(!top.first.isEmpty());

    QSignalSpy updates(rows(), &LogViewRows::updated);
    for (int i = 0; i < 5; ++i) {
        appendRx(300 + i * 10, 10);
        QVERIFY(updates.wait(1000));
    }
    QVERIFY(settle());
    QCOMPARE(topOfView(), top);
    QVERIFY(!stickToBottom());

    // Back at the bottom, it follows again.
    for (int i = 0; i < 40 && distanceFromEnd() > 0.5; ++i) {
        QVERIFY(wheel(-120 * 5));
    }
    QVERIFY(stickToBottom());
    appendRx(400, 30);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QTRY_COMPARE(rowItem(0)->property("lineText").toString(),
                 m_model->lineTextAt(m_model->lineCount() - 1));
}

void TestDataMonitor::pausedStopsFollowing()
{
    appendRx(0, 200);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    m_monitor->setProperty("paused", true);
    const auto top = topOfView();

    QSignalSpy updates(rows(), &LogViewRows::updated);
    appendRx(200, 50);
    QVERIFY(updates.wait(1000));
    QVERIFY(settle());
    // Lines and counters go on; only the scrolling stops.
    QCOMPARE(m_view->property("count").toInt(), 250);
    QTRY_COMPARE(find("lineCountLabel")->property("text").toString(), QStringLiteral("250 lines"));
    QCOMPARE(topOfView(), top);
    QVERIFY(distanceFromEnd() > 4);

    m_monitor->setProperty("paused", false);
    appendRx(250, 1);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QTRY_COMPARE(rowItem(0)->property("lineText").toString(), m_model->lineTextAt(250));
}

void TestDataMonitor::bulkKeepsScrolledUpPlace()
{
    appendRx(0, 300);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QVERIFY(wheel(120 * 3));
    QVERIFY(!stickToBottom());
    const auto top = topOfView();

    // More than a bulk's worth at once: the rows are reset, the place kept.
    QSignalSpy resets(rows(), &QAbstractItemModel::modelReset);
    appendRx(300, 400);
    QTRY_COMPARE(resets.size(), 1);
    QVERIFY(settle());
    QCOMPARE(m_view->property("count").toInt(), 700);
    QTRY_COMPARE(topOfView(), top);
    QVERIFY(!stickToBottom());
}

void TestDataMonitor::keysMoveThroughLines()
{
    appendRx(0, 300);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);

    // Page Up leaves the newest line: new lines no longer move the view.
    key(Qt::Key_PageUp);
    QVERIFY(!stickToBottom());
    QVERIFY(distanceFromEnd() > m_view->height() / 2);
    const auto top = topOfView();
    appendRx(300, 20);
    QVERIFY(settle());
    QCOMPARE(topOfView(), top);

    // Home shows the oldest lines, End the newest, and following resumes.
    key(Qt::Key_Home);
    QVERIFY(settle());
    QTRY_COMPARE(topOfView().first, m_model->lineTextAt(0));
    key(Qt::Key_End);
    QVERIFY(stickToBottom());
    appendRx(320, 5);
    QVERIFY(settle());
    QTRY_VERIFY(qAbs(distanceFromEnd()) < 1);
    QTRY_COMPARE(rowItem(0)->property("lineText").toString(), m_model->lineTextAt(324));

    // Up and Down move a few lines; Down at the end keeps following.
    key(Qt::Key_Up);
    QVERIFY(!stickToBottom());
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QVERIFY(stickToBottom());
}

void TestDataMonitor::oldestLinesFillTopWhileEvicted()
{
    // Looking at the oldest lines while the log is full: they are evicted
    // from under the view, whose top then shows the oldest lines left, never
    // blank space.
    for (int i = 0; i < LogManager::Capacity; i += 250) {
        appendRx(i, 250);
    }
    QVERIFY(settle());
    key(Qt::Key_Home);
    QVERIFY(settle());
    QTRY_COMPARE(topOfView().first, m_model->lineTextAt(0));
    for (int i = 0; i < 10; ++i) {
        appendRx(LogManager::Capacity + i * 20, 20);
        QVERIFY(settle());
    }
    QTRY_COMPARE(topOfView().first, m_model->lineTextAt(0));
    QVERIFY(qAbs(topOfView().second) < 1);
    QVERIFY(!stickToBottom());
}

void TestDataMonitor::copyWithoutSelectionCopiesDocument()
{
    m_controller->logStore().append(LogKind::SYS, "opened");
    appendRx(0, 3);
    QVERIFY(settle());
    QGuiApplication::clipboard()->clear();
    QMetaObject::invokeMethod(m_monitor, "copyLog");
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, m_model->fullPlainDump());
    QVERIFY(copied.contains("SYS  opened\n"));
    QCOMPARE(copied.count('\n'), 4);
}

void TestDataMonitor::copySelectionOfWholeLines()
{
    m_controller->logStore().append(LogKind::SYS, "opened");
    appendRx(1, 5);
    QVERIFY(settle());
    QQuickItem* from = lineItem(1);
    QQuickItem* to = lineItem(4);
    QVERIFY(from && to);

    // From the start of line 1 to the start of line 4: lines 1 to 3 whole.
    const QPoint press = windowPoint(from, QPointF(1, from->height() / 2));
    const QPoint release = windowPoint(to, QPointF(1, to->height() / 2));
    QTest::mousePress(m_window.get(), Qt::LeftButton, {}, press);
    QTest::mouseMove(m_window.get(), (press + release) / 2);
    QTest::mouseMove(m_window.get(), release);
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, release);

    QVERIFY(m_monitor->property("hasSelection").toBool());
    QVERIFY(!lineItem(0)->property("selected").toBool());
    for (int line = 1; line <= 3; ++line) {
        QVERIFY(lineItem(line)->property("selected").toBool());
    }
    QVERIFY(!lineItem(4)->property("selected").toBool());

    QGuiApplication::clipboard()->clear();
    QMetaObject::invokeMethod(m_monitor, "copyLog");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("payload 1\npayload 2\npayload 3\n"));

    // The selection stays on its lines while older lines are evicted.
    for (int i = 0; i < LogManager::Capacity; i += 250) {
        appendRx(100 + i, 250);
        if (i == 4500) {
            break;
        }
    }
    QVERIFY(settle());
    QMetaObject::invokeMethod(m_monitor, "copyLog");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("payload 1\npayload 2\npayload 3\n"));

    // A click without a drag clears it, and copying takes everything again.
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, windowPoint(m_view, QPointF(20, 20)));
    QVERIFY(!m_monitor->property("hasSelection").toBool());
    QMetaObject::invokeMethod(m_monitor, "copyLog");
    QCOMPARE(QGuiApplication::clipboard()->text(), m_model->fullPlainDump());
}

void TestDataMonitor::copyPartialSelectionAcrossLines()
{
    m_model->setShowTimestamp(false);
    m_controller->logStore().appendBatch(LogKind::RX, {"abcdef", "ghijkl"});
    QVERIFY(settle());
    QQuickItem* first = lineItem(0);
    QQuickItem* second = lineItem(1);
    QVERIFY(first && second);
    // Character cells of "RX   abcdef": find the x of a column from the
    // line's own layout by dragging back from the end to the middle.
    const QString text = first->property("lineText").toString();
    QCOMPARE(text, QStringLiteral("RX   abcdef"));
    const qreal cell = first->property("naturalWidth").toReal() / text.size();
    const QPoint press = windowPoint(first, QPointF(cell * 7 + 1, first->height() / 2));
    const QPoint release = windowPoint(second, QPointF(cell * 7 + 1, second->height() / 2));
    QTest::mousePress(m_window.get(), Qt::LeftButton, {}, press);
    QTest::mouseMove(m_window.get(), release);
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, release);

    QGuiApplication::clipboard()->clear();
    QMetaObject::invokeMethod(m_monitor, "copyLog");
    // From inside the first payload (no tag column left to strip) to inside
    // the second line, whose tag column is stripped.
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith("def\n") || copied.startsWith("ef\n") || copied.startsWith("cdef\n"),
             qPrintable(copied));
    QVERIFY2(copied.endsWith("\ngh") || copied.endsWith("\ng") || copied.endsWith("\nghi"),
             qPrintable(copied));
    QCOMPARE(copied.count('\n'), 1);
}

void TestDataMonitor::selectedLinesShowTheirText_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("payloadLength");
    QTest::newRow("wrapped, short lines") << true << 12;
    QTest::newRow("unwrapped, short lines") << false << 12;
    // Each line takes several rows; the selection runs across them.
    QTest::newRow("wrapped, long lines") << true << 400;
}

// What a drag across lines selects is drawn: every selected row shows its
// own text with the selected part highlighted, none goes blank.
void TestDataMonitor::selectedLinesShowTheirText()
{
    QFETCH(bool, wrap);
    QFETCH(int, payloadLength);
    m_monitor->setProperty("wrapLines", wrap);
    m_model->setShowTimestamp(false);
    QList<QByteArray> lines;
    for (char c = 'a'; c <= 'e'; ++c) {
        lines << QByteArray(payloadLength, c);
    }
    m_controller->logStore().appendBatch(LogKind::RX, lines);
    QVERIFY(settle());

    // From inside line 1 to inside line 3 (its first row).
    QQuickItem* from = lineItem(1);
    QQuickItem* to = lineItem(3);
    QVERIFY(from && to);
    const QPoint press = windowPoint(from, QPointF(60, from->height() / 2));
    const QPoint release = windowPoint(to, QPointF(60, to->height() / 2));
    QTest::mousePress(m_window.get(), Qt::LeftButton, {}, press);
    QTest::mouseMove(m_window.get(), (press + release) / 2);
    QTest::mouseMove(m_window.get(), release);
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, release);
    QVERIFY(m_monitor->property("hasSelection").toBool());

    int selectedRows = 0;
    for (int row = rows()->rowOfLine(3); row <= rows()->rowOfLine(1); ++row) {
        QQuickItem* item = rowItem(row);
        QVERIFY(item);
        if (!item->property("selected").toBool()) {
            continue;
        }
        ++selectedRows;
        const QString rowText = item->property("lineText").toString();
        auto* editor = item->findChild<QQuickItem*>(QStringLiteral("selectedLine"));
        QVERIFY2(editor, qPrintable(QStringLiteral("row %1 draws nothing").arg(row)));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->property("text").toString(), rowText);
        const QString selectedText = editor->property("selectedText").toString();
        QVERIFY2(!selectedText.isEmpty() && rowText.contains(selectedText),
                 qPrintable(selectedText));
        QVERIFY(editor->height() > 0);
    }
    // Line 2 whole, and parts of lines 1 and 3.
    QVERIFY2(selectedRows >= 3, qPrintable(QString::number(selectedRows)));
    QQuickItem* middle = lineItem(2);
    auto* middleEditor = middle->findChild<QQuickItem*>(QStringLiteral("selectedLine"));
    QVERIFY(middleEditor);
    QCOMPARE(middleEditor->property("selectedText").toString(),
             middle->property("lineText").toString());
}

// While paused, a bar over the lines counts what came in meanwhile, says
// when the full log begins to drop the lines in view, and resumes.
void TestDataMonitor::pauseBarCountsAndWarns()
{
    appendRx(0, 40);
    QVERIFY(settle());
    QQuickItem* bar = find("pauseBar");
    QVERIFY(bar);
    QVERIFY(!bar->isVisible());
    QCOMPARE(bar->height(), 0.0);

    m_monitor->setProperty("paused", true);
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(bar->height() > 0);
    QCOMPARE(find("pauseText")->property("text").toString(),
             QStringLiteral("Paused · 0 new lines"));
    QQuickItem* dropping = find("pauseDroppingText");
    QVERIFY(!dropping->isVisible());

    appendRx(40, 1);
    QVERIFY(settle());
    QTRY_COMPARE(find("pauseText")->property("text").toString(),
                 QStringLiteral("Paused · 1 new line"));
    appendRx(41, 99);
    QVERIFY(settle());
    QTRY_COMPARE(find("pauseText")->property("text").toString(),
                 QStringLiteral("Paused · 100 new lines"));
    QVERIFY(!dropping->isVisible());

    // Enough to push the lines that were in view out of the log.
    for (int i = 0; i < LogManager::Capacity; i += 500) {
        appendRx(1000 + i, 500);
        QVERIFY(settle());
    }
    QTRY_VERIFY(dropping->isVisible());
    QVERIFY(m_monitor->property("paused").toBool());

    QQuickItem* resume = find("resumeButton");
    QVERIFY(resume);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {},
                      windowPoint(resume, QPointF(resume->width() / 2, resume->height() / 2)));
    QVERIFY(!m_monitor->property("paused").toBool());
    QTRY_VERIFY(!bar->isVisible());
    QTRY_VERIFY(stickToBottom());
}

void TestDataMonitor::contextMenuCopyAndClear()
{
    appendRx(0, 3);
    QVERIFY(settle());
    auto* menu = find<QObject>("monitorContextMenu");
    QVERIFY(menu);
    const QPoint at = windowPoint(m_view, QPointF(40, 20));
    QTest::mouseClick(m_window.get(), Qt::RightButton, {}, at);
    QTRY_VERIFY(menu->property("opened").toBool());

    QGuiApplication::clipboard()->clear();
    auto* copyItem = find("copyMenuItem");
    QVERIFY(copyItem);
    QCOMPARE(copyItem->width(), 200.0);
    QCOMPARE(copyItem->height(), 32.0);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {},
                      windowPoint(copyItem, QPointF(60, copyItem->height() / 2)));
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), m_model->fullPlainDump());
    QTRY_VERIFY(!menu->property("visible").toBool());

    QTest::mouseClick(m_window.get(), Qt::RightButton, {}, at);
    QTRY_VERIFY(menu->property("opened").toBool());
    QSignalSpy saveRequests(m_monitor, SIGNAL(saveLogRequested()));
    auto* saveItem = find("saveMenuItem");
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {},
                      windowPoint(saveItem, QPointF(60, saveItem->height() / 2)));
    QCOMPARE(saveRequests.size(), 1);
    QTRY_VERIFY(!menu->property("visible").toBool());

    QTest::mouseClick(m_window.get(), Qt::RightButton, {}, at);
    QTRY_VERIFY(menu->property("opened").toBool());
    auto* clearItem = find("clearMenuItem");
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {},
                      windowPoint(clearItem, QPointF(60, clearItem->height() / 2)));
    QCOMPARE(m_model->lineCount(), 0);
    QTRY_COMPARE(m_view->property("count").toInt(), 0);
    QTRY_COMPARE(find("lineCountLabel")->property("text").toString(), QStringLiteral("0 lines"));
}

void TestDataMonitor::horizontalBarOnlyWithoutWrapping()
{
    auto* bar = find("horizontalScrollBar");
    QVERIFY(bar);
    m_controller->logStore().append(LogKind::RX, QByteArray(600, 'x'));
    appendRx(0, 3);
    QVERIFY(settle());
    QQuickItem* longLine = lineItem(0);
    QVERIFY(longLine);
    QVERIFY(longLine->height() > lineItem(1)->height()); // wrapped
    QVERIFY(!bar->isVisible());

    m_monitor->setProperty("wrapLines", false);
    QTRY_VERIFY(bar->isVisible());
    QTRY_VERIFY(m_view->property("contentWidth").toDouble() > m_view->width());
    QCOMPARE(lineItem(0)->height(), lineItem(1)->height());

    m_monitor->setProperty("wrapLines", true);
    QTRY_VERIFY(!bar->isVisible());
    QCOMPARE(m_view->property("contentWidth").toDouble(), m_view->width());
}

void TestDataMonitor::unchangedRowsAreNotLaidOutAgain_data()
{
    QTest::addColumn<int>("held");  // lines in the log before
    QTest::addColumn<int>("added"); // lines per refresh
    QTest::addColumn<bool>("wrap");

    QTest::newRow("short log, one line") << 5 << 1 << true;
    QTest::newRow("scrolling, one line") << 300 << 1 << true;
    QTest::newRow("scrolling, three lines") << 300 << 3 << true;
    QTest::newRow("full log, one line") << LogManager::Capacity << 1 << true;
    QTest::newRow("full log, unwrapped") << LogManager::Capacity << 2 << false;
}

// A refresh lays out the rows of the new lines; the rows still in sight
// keep their layout, however many there are.
void TestDataMonitor::unchangedRowsAreNotLaidOutAgain()
{
    QFETCH(int, held);
    QFETCH(int, added);
    QFETCH(bool, wrap);

    m_monitor->setProperty("wrapLines", wrap);
    appendRx(0, held);
    QVERIFY(settle());

    LayoutCounter counter;
    for (int refresh = 0; refresh < 5; ++refresh) {
        counter.watch(m_view);
        counter.count = 0;
        appendRx(held + refresh * added, added);
        QVERIFY(settle());
        // Rows taken from the pool for the new lines lay those out; the one
        // at the top edge may leave or come back meanwhile.
        QVERIFY2(counter.count <= added + 1,
                 qPrintable(QStringLiteral("refresh %1: %2 lines laid out for %3 new ones")
                                .arg(refresh)
                                .arg(counter.count)
                                .arg(added)));
    }
}

void TestDataMonitor::saveDialogOpensWithSuggestions()
{
    QVERIFY2(m_dialog, qPrintable(m_dialogError));
    QMetaObject::invokeMethod(m_dialog, "open");
    QTRY_VERIFY(m_dialog->property("opened").toBool());
    QCOMPARE(dfind("fileNameField")->property("text").toString(),
             m_controller->suggestedLogBaseName() + ".log");
    QCOMPARE(dfind("locationField")->property("text").toString(),
             m_controller->suggestedLogDirectory());
    QVERIFY(dfind("formatText")->property("checked").toBool());
    QVERIFY(!dfind("continuousCheck")->property("checked").toBool());
    QVERIFY(!dfind("errorLabel")->isVisible());

    auto* cancel = dfind("cancelButton");
    QVERIFY(cancel);
    QTest::mouseClick(m_dialogWindow.get(), Qt::LeftButton, {},
                      windowPoint(cancel, QPointF(cancel->width() / 2, cancel->height() / 2)));
    QTRY_VERIFY(!m_dialog->property("visible").toBool());
}

void TestDataMonitor::saveDialogShowsErrorAndStaysOpen()
{
    QVERIFY2(m_dialog, qPrintable(m_dialogError));
    QMetaObject::invokeMethod(m_dialog, "open");
    QTRY_VERIFY(m_dialog->property("opened").toBool());
    auto* csv = dfind("formatCsv");
    QTest::mouseClick(m_dialogWindow.get(), Qt::LeftButton, {},
                      windowPoint(csv, QPointF(10, csv->height() / 2)));
    QVERIFY(csv->property("checked").toBool());
    QVERIFY(!dfind("formatText")->property("checked").toBool());

    // A folder below a plain file can never be made.
    QTemporaryFile file;
    QVERIFY(file.open());
    dfind("locationField")->setProperty("text", file.fileName() + "/logs");

    auto* save = dfind("saveButton");
    QVERIFY(save);
    QTest::mouseClick(m_dialogWindow.get(), Qt::LeftButton, {},
                      windowPoint(save, QPointF(save->width() / 2, save->height() / 2)));
    const QString error = m_dialog->property("errorText").toString();
    QVERIFY(!error.isEmpty());
    QTRY_VERIFY(dfind("errorLabel")->isVisible());
    QCOMPARE(dfind("errorLabel")->property("text").toString(), error);
    QVERIFY(m_dialog->property("visible").toBool());

    // Corrected, the same dialog saves, closes and leaves the file.
    QTemporaryDir good;
    dfind("locationField")->setProperty("text", good.path());
    dfind("fileNameField")->setProperty("text", QStringLiteral("trace.txt"));
    QTest::mouseClick(m_dialogWindow.get(), Qt::LeftButton, {},
                      windowPoint(save, QPointF(save->width() / 2, save->height() / 2)));
    QTRY_VERIFY(!m_dialog->property("visible").toBool());
    QVERIFY(m_dialog->property("errorText").toString().isEmpty());
    QVERIFY(QFile::exists(good.filePath(QStringLiteral("trace.csv"))));

    // Reopening starts afresh.
    QMetaObject::invokeMethod(m_dialog, "open");
    QTRY_VERIFY(m_dialog->property("opened").toBool());
    dfind("locationField")->setProperty("text", file.fileName() + "/logs");
    QTest::mouseClick(m_dialogWindow.get(), Qt::LeftButton, {},
                      windowPoint(save, QPointF(save->width() / 2, save->height() / 2)));
    QVERIFY(!m_dialog->property("errorText").toString().isEmpty());
    QMetaObject::invokeMethod(m_dialog, "close");
    QTRY_VERIFY(!m_dialog->property("visible").toBool());
    QMetaObject::invokeMethod(m_dialog, "open");
    QTRY_VERIFY(m_dialog->property("opened").toBool());
    QVERIFY(!dfind("errorLabel")->isVisible());
    QVERIFY(dfind("formatText")->property("checked").toBool());
    QMetaObject::invokeMethod(m_dialog, "close");
    QTRY_VERIFY(!m_dialog->property("visible").toBool());
}

QTEST_MAIN(TestDataMonitor)
#include "tst_datamonitor.moc"
