// A person at the real main window: picks the simulated device from the port
// chooser, opens it with the button, types a command, presses Send and reads
// the exchange in the data monitor; and, with no ports at all, is told to
// choose one first.
#include "app/appcontroller.h"
#include "serial/portlistmodel.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<SerialPortEntry> g_ports;

} // namespace

class TestUiEndToEnd : public QObject
{
    Q_OBJECT

private:
    const AppServices m_ports = korveltest::testServices([] { return g_ports; });
    korveltest::MainWindowDriver m_ui{m_ports};
    QQuickWindow* m_window = nullptr;
    AppController* m_controller = nullptr;

    bool loadMain()
    {
        if (!m_ui.load()) {
            return false;
        }
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        return true;
    }

    QQuickItem* item(const char* name) const { return m_ui.item(QLatin1String(name)); }

    void click(QQuickItem* target)
    {
        QVERIFY(target);
        m_ui.click(target);
    }

    // The whole text of the data monitor, as its Copy command yields it with
    // nothing selected.
    QString monitorDocument()
    {
        QObject* monitor = item("monitor");
        if (!monitor) {
            return {};
        }
        QGuiApplication::clipboard()->clear();
        QMetaObject::invokeMethod(monitor, "copyLog");
        return QGuiApplication::clipboard()->text();
    }

private slots:
    void init() { korveltest::failOnQmlWarnings(); }

    void initTestCase() { korveltest::isolateSettings(); }

    void cleanup()
    {
        m_ui.unload();
        m_window = nullptr;
        m_controller = nullptr;
    }

    void noPortsLeadsToTheErrorDialog()
    {
        g_ports.clear();
        QVERIFY(loadMain());
        QQuickItem* chooser = item("portCombo");
        QVERIFY(chooser);
        QCOMPARE(chooser->property("displayText").toString(), QStringLiteral("No ports found"));

        click(item("openButton"));
        QObject* dialog = m_window->findChild<QObject*>(QStringLiteral("portErrorDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->property("opened").toBool());
        QCOMPARE(item("portErrorText")->property("text").toString(),
                 QStringLiteral("Select a serial port first."));
        QVERIFY(!m_controller->portOpen());
    }

    void talkToTheSimulatedDevice()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString link = dir.path() + QStringLiteral("/hx4");
        QProcess devsim;
        devsim.start(qEnvironmentVariable("KORVEL_DEVSIM"),
                     {QStringLiteral("--link"), link, QStringLiteral("--quiet")});
        QVERIFY2(devsim.waitForStarted(5000), qPrintable(devsim.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(link), 10000);

        g_ports = {{link, QStringLiteral("HX4 simulator"), QStringLiteral("CH340"), true}};
        QVERIFY(loadMain());

        // Choose the device in the port chooser.
        QQuickItem* chooser = item("portCombo");
        QVERIFY(chooser);
        click(chooser);
        QObject* popup = chooser->property("popup").value<QObject*>();
        QTRY_VERIFY(popup->property("opened").toBool());
        auto* list = popup->property("contentItem").value<QQuickItem*>();
        QVERIFY(list);
        QQuickItem* row = nullptr;
        QTRY_VERIFY(QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row),
                                              Q_ARG(int, 0)) &&
                    row);
        click(row);
        QTRY_VERIFY(!popup->property("visible").toBool());
        QCOMPARE(m_controller->selectedPortName(), link);

        // Open it with the button.
        click(item("openButton"));
        QTRY_VERIFY(m_controller->portOpen());
        QTRY_COMPARE(item("portStatusLabel")->property("text").toString(),
                     QStringLiteral("%1 OPEN").arg(link));

        // Type a command and press Send.
        QQuickItem* sendBox = item("sendBox");
        QVERIFY(sendBox);
        click(sendBox);
        QTRY_VERIFY(sendBox->hasActiveFocus());
        for (const char c : QByteArrayLiteral(R"({"command":"ReadData"})")) {
            QTest::keyClick(m_window, c);
        }
        QCOMPARE(m_controller->draftText(), QStringLiteral(R"({"command":"ReadData"})"));
        click(item("sendButton"));

        // The echo and the device's reply both reach the monitor.
        QTRY_VERIFY_WITH_TIMEOUT(
            monitorDocument().contains(QStringLiteral(R"(TX   {"command":"ReadData"})")), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(monitorDocument().contains(
                                     QStringLiteral(R"(RX   {"command":"ReadData","temperature")")),
                                 5000);

        // And close it again.
        click(item("openButton"));
        QTRY_VERIFY(!m_controller->portOpen());
        QTRY_COMPARE(item("portStatusLabel")->property("text").toString(),
                     QStringLiteral("%1 CLOSED").arg(link));
        QTRY_VERIFY(monitorDocument().contains(QStringLiteral("SYS  Port closed")));

        devsim.terminate();
        QVERIFY(devsim.waitForFinished(5000));
    }
};

QTEST_MAIN(TestUiEndToEnd)
#include "tst_uiendtoend.moc"
