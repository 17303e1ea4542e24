// A batch step that waits for its reply, as a user sets it up in the batch
// editor of the real window and runs it against a device on a pseudo-terminal
// that answers: a pattern that cannot be checked is shown and refused, the
// saved step keeps its wait, and the run logs the reply it waited for.
#include "app/appcontroller.h"
#include "support/controllersupport.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QtTest>

namespace {

using namespace korveltest;

const QStringList kWatched{QStringLiteral("CommandLibraryPanel.qml"),
                           QStringLiteral("BatchStepReply.qml")};

} // namespace

class TestBatchReply : public QObject
{
    Q_OBJECT

private:
    MainWindowDriver m_ui{korveltest::testServices()};

    AppController* controller() const { return m_ui.controller(); }
    QQuickItem* item(const char* name) const { return m_ui.item(QLatin1String(name)); }
    QObject* object(const char* name) const { return m_ui.object(QLatin1String(name)); }
    bool isOpen(const char* popup) const { return object(popup)->property("opened").toBool(); }

    void click(const char* name)
    {
        QQuickItem* target = item(name);
        QVERIFY2(target, name);
        m_ui.click(target);
    }

    void replaceFieldText(const char* field, const QString& text)
    {
        click(field);
        QTRY_VERIFY(item(field)->hasActiveFocus());
        m_ui.selectAll();
        QTest::keyClick(m_ui.window(), Qt::Key_Delete);
        m_ui.typeText(text);
    }

    // Picks entry @p index of the combo box @p name, as a user does.
    void choose(const char* name, int index)
    {
        QQuickItem* combo = item(name);
        QVERIFY2(combo, name);
        m_ui.click(combo);
        QObject* popup = combo->property("popup").value<QObject*>();
        QTRY_VERIFY(popup->property("opened").toBool());
        QQuickItem* row = nullptr;
        QTRY_VERIFY((row = m_ui.listRow(popup->property("contentItem").value<QQuickItem*>(),
                                        index)) != nullptr);
        m_ui.click(row);
        QTRY_VERIFY(!popup->property("visible").toBool());
        QCOMPARE(combo->property("currentIndex").toInt(), index);
    }

private slots:
    void initTestCase() { isolateSettings(); }

    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::clearSettings();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    }

    void cleanup()
    {
        if (controller()) {
            QVERIFY2(m_ui.warnings().isEmpty(), qPrintable(m_ui.warnings().join('\n')));
            controller()->closePort();
        }
        m_ui.unload();
    }

    void editsAndRunsAWaitingStep()
    {
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        Device device(pair.devicePath());
        // The device answers each request once it is whole.
        QObject::connect(&device.port, &QSerialPort::readyRead, &device.port, [&device] {
            if (device.received.contains("PING")) {
                device.received.clear();
                device.port.write("PONG\r\n");
            }
        });
        QVERIFY(m_ui.load(kWatched));
        QVERIFY(openDefault(*controller(), pair.appPath()));
        m_ui.click(item("modeSegment1"));

        click("batchCommandsButton");
        QTRY_VERIFY(isOpen("batchWindow"));
        click("newBatchButton");
        QTRY_VERIFY(isOpen("batchEditor"));
        click("batchName");
        m_ui.typeText(QStringLiteral("Probe"));
        replaceFieldText("stepText0", QStringLiteral("PING"));

        // A new step waits for nothing and shows no reply fields.
        QCOMPARE(item("stepExpect0")->property("currentText").toString(),
                 QStringLiteral("nothing"));
        QVERIFY(!item("stepExpectPattern0")->isVisible());
        QVERIFY(!item("stepReplyTimeout0")->isVisible());

        choose("stepExpect0", 2);
        QTRY_VERIFY(item("stepExpectPattern0")->isVisible());
        QVERIFY(item("stepReplyTimeout0")->isVisible());
        QCOMPARE(item("stepReplyTimeout0")->property("value").toInt(), 1000);
        QCOMPARE(item("stepReplyTimeout0")->property("from").toInt(), 1);
        QCOMPARE(item("stepReplyTimeout0")->property("to").toInt(), 60000);

        // An expression that cannot be compiled says why and is not saved.
        click("stepExpectPattern0");
        m_ui.typeText(QStringLiteral("PONG("));
        QQuickItem* problem = item("stepReplyProblem0");
        QTRY_VERIFY(problem->isVisible());
        QVERIFY2(problem->property("text").toString().startsWith(
                     QStringLiteral("Invalid regular expression: missing closing parenthesis")),
                 qPrintable(problem->property("text").toString()));
        click("batchSaveButton");
        QVERIFY(isOpen("batchEditor"));
        QCOMPARE(controller()->batchCommandModel()->rowCount(), 0);

        replaceFieldText("stepExpectPattern0", QStringLiteral("PONG"));
        QTRY_VERIFY(!problem->isVisible());
        replaceFieldText("stepReplyTimeout0", QStringLiteral("3000"));
        QTest::keyClick(m_ui.window(), Qt::Key_Tab);
        QTRY_COMPARE(item("stepReplyTimeout0")->property("value").toInt(), 3000);
        choose("stepNoReply0", 1);
        choose("stepNoReply0", 0);
        click("batchSaveButton");
        QTRY_VERIFY(!isOpen("batchEditor"));

        const BatchCommand* saved = controller()->batchCommandModel()->commandAt(0);
        QVERIFY(saved);
        QCOMPARE(saved->steps.size(), 1);
        const BatchStep& step = saved->steps.at(0);
        QCOMPARE(step.text, QStringLiteral("PING"));
        QCOMPARE(step.expect, BatchStep::Expect::Regex);
        QCOMPARE(step.expectPattern, QStringLiteral("PONG"));
        QCOMPARE(step.replyTimeoutMs, 3000);
        QVERIFY(!step.goOnWithoutReply);

        // Run it from the list: the device's answer ends the wait.
        QQuickItem* row = nullptr;
        QTRY_VERIFY((row = m_ui.listRow(item("batchList"), 0)) != nullptr);
        m_ui.click(row);
        QTRY_VERIFY_WITH_TIMEOUT(!controller()->batchRunning(), 10000);
        const QStringList log = describe(controller()->logStore());
        const qsizetype waiting = log.indexOf(QStringLiteral(
            "SYS:Step 1: waiting up to 3000 ms for a reply matching regular expression \"PONG\"."));
        const qsizetype reply = log.indexOf(QStringLiteral("RX:PONG"));
        QVERIFY2(waiting >= 0 && reply > waiting, qPrintable(log.join(QLatin1Char('\n'))));
        QVERIFY2(log.value(reply + 1).startsWith(QStringLiteral(
                     "SYS:Step 1: a reply matching regular expression \"PONG\" came after ")),
                 qPrintable(log.join(QLatin1Char('\n'))));
        QCOMPARE(log.constLast(), QStringLiteral("SYS:Batch \"Probe\" finished."));

        // Opened again, the editor shows the wait as saved.
        m_ui.click(row, Qt::RightButton);
        QTRY_VERIFY(isOpen("batchMenu"));
        click("batchEditItem");
        QTRY_VERIFY(isOpen("batchEditor"));
        QTRY_COMPARE(item("stepExpect0")->property("currentIndex").toInt(), 2);
        QCOMPARE(item("stepExpectPattern0")->property("text").toString(), QStringLiteral("PONG"));
        QCOMPARE(item("stepReplyTimeout0")->property("value").toInt(), 3000);
        QCOMPARE(item("stepNoReply0")->property("currentIndex").toInt(), 0);
        QVERIFY(!item("stepReplyProblem0")->isVisible());
    }
};

QTEST_MAIN(TestBatchReply)
#include "tst_batchreply.moc"
