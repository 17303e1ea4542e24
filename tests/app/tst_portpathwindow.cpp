// The new port controls in the real window, used with the mouse and the
// keyboard: the chooser's device path row and its dialog, a remembered path
// in the chooser, waiting for a device with the button that stops it, and
// the reconnect option in the serial panel and the Port menu.
#include "app/appcontroller.h"
#include "serial/portlistmodel.h"
#include "settings/languagemanager.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace korveltest;

const QStringList kWatched{QStringLiteral("Main.qml"), QStringLiteral("SerialSettingsPanel.qml"),
                           QStringLiteral("PortComboBox.qml"), QStringLiteral("ComboBox.qml")};

} // namespace

class TestPortPathWindow : public QObject
{
    Q_OBJECT

    const AppServices m_fakePorts =
        korveltest::testServices([] { return QList<SerialPortEntry>{}; });

private:
    MainWindowDriver m_window{m_fakePorts};

    QObject* popupOf(const char* comboName) const
    {
        return m_window.item(QLatin1String(comboName))->property("popup").value<QObject*>();
    }

    // Opens the port chooser and clicks its device path row.
    void askForPath()
    {
        m_window.click(m_window.item(QStringLiteral("portCombo")));
        QObject* popup = popupOf("portCombo");
        QTRY_VERIFY(popup->property("opened").toBool());
        QQuickItem* pathRow = m_window.item(QStringLiteral("portPathRow"));
        QVERIFY(pathRow && pathRow->isVisible());
        m_window.click(pathRow);
        QTRY_VERIFY(!popup->property("visible").toBool());
        QTRY_VERIFY(m_window.object(QStringLiteral("portPathDialog"))->property("opened").toBool());
        QTRY_VERIFY(m_window.item(QStringLiteral("portPathField"))->hasActiveFocus());
    }

    // Opens the Port menu from the menu bar and clicks the item @p name.
    void chooseFromPortMenu(const QString& name)
    {
        QList<QQuickItem*> pending{m_window.item(QStringLiteral("menuBar"))};
        QQuickItem* title = nullptr;
        while (!pending.isEmpty() && !title) {
            QQuickItem* next = pending.takeFirst();
            if (next->property("text").toString() == QLatin1String("&Port"))
                title = next;
            pending += next->childItems();
        }
        QVERIFY(title);
        m_window.click(title);
        auto* entry = qobject_cast<QQuickItem*>(m_window.object(name));
        QVERIFY(entry);
        QTRY_VERIFY(entry->isVisible() && entry->width() > 0);
        m_window.click(entry);
    }

private slots:
    void initTestCase()
    {
        isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }
    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::clearSettings();
        QVERIFY(m_window.load(kWatched));
    }
    void cleanup()
    {
        const QStringList warnings = m_window.warnings();
        m_window.unload();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

    void typedPath_data();
    void typedPath();
    void menuAsksForPathToo();
    void waitingOffersToStop();
    void reconnectOption();
};

void TestPortPathWindow::typedPath_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("withEnter");
    QTest::newRow("device, Open button") << true << false;
    QTest::newRow("device, Enter") << true << true;
    QTest::newRow("missing path") << false << false;
}

void TestPortPathWindow::typedPath()
{
    QFETCH(bool, exists);
    QFETCH(bool, withEnter);

    SocatPair pair;
    QVERIFY2(pair.start(), qPrintable(pair.error()));
    const QString path = exists ? pair.appPath() : pair.appPath() + QStringLiteral("-gone");
    AppController* controller = m_window.controller();
    QQuickItem* combo = m_window.item(QStringLiteral("portCombo"));
    QCOMPARE(combo->property("displayText").toString(), QStringLiteral("No ports found"));

    askForPath();
    QQuickItem* openButton = m_window.item(QStringLiteral("portPathOpenButton"));
    QVERIFY(!openButton->isEnabled());
    m_window.typeText(path);
    QCOMPARE(m_window.item(QStringLiteral("portPathField"))->property("text").toString(), path);
    QVERIFY(openButton->isEnabled());
    if (withEnter)
        QTest::keyClick(m_window.window(), Qt::Key_Return);
    else
        m_window.click(openButton);

    QObject* pathDialog = m_window.object(QStringLiteral("portPathDialog"));
    QObject* errorDialog = m_window.object(QStringLiteral("portErrorDialog"));
    if (!exists) {
        // The error on top, the typed path kept below it to correct.
        QTRY_VERIFY(errorDialog->property("opened").toBool());
        QCOMPARE(m_window.item(QStringLiteral("portErrorText"))->property("text").toString(),
                 QStringLiteral("%1 does not exist. Check the path, and that the device is "
                                "plugged in.")
                     .arg(path));
        QVERIFY(pathDialog->property("visible").toBool());
        QVERIFY(!controller->portOpen());
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("No ports found"));
        return;
    }

    QTRY_VERIFY(!pathDialog->property("visible").toBool());
    QVERIFY(!errorDialog->property("visible").toBool());
    QVERIFY(controller->portOpen());
    // A pseudo-terminal has no modem lines, which the window's status row finds out.
    QCOMPARE(
        describe(controller->logStore()),
        (QStringList{opened(path), QStringLiteral("SYS:This port has no modem control lines.")}));
    QTRY_COMPARE(combo->property("displayText").toString(), path);

    // Closed again, the path is a row of the chooser, tagged as a path.
    m_window.click(m_window.item(QStringLiteral("openButton")));
    QVERIFY(!controller->portOpen());
    m_window.click(combo);
    QTRY_VERIFY(popupOf("portCombo")->property("opened").toBool());
    QQuickItem* tag = nullptr;
    QTRY_VERIFY((tag = m_window.item(QStringLiteral("portTag0"))) != nullptr);
    QVERIFY(tag->isVisible());
    QCOMPARE(tag->property("text").toString(), QStringLiteral("PATH"));
    QTest::keyClick(m_window.window(), Qt::Key_Escape);
    QTRY_VERIFY(!popupOf("portCombo")->property("visible").toBool());
}

void TestPortPathWindow::menuAsksForPathToo()
{
    QObject* item = m_window.object(QStringLiteral("portPathMenuItem"));
    QVERIFY(item);
    QVERIFY(item->property("enabled").toBool());
    chooseFromPortMenu(QStringLiteral("portPathMenuItem"));
    QObject* dialog = m_window.object(QStringLiteral("portPathDialog"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QTRY_VERIFY(m_window.item(QStringLiteral("portPathField"))->hasActiveFocus());
    m_window.click(m_window.item(QStringLiteral("portPathCancelButton")));
    QTRY_VERIFY(!dialog->property("visible").toBool());
    QVERIFY(!m_window.controller()->portOpen());
}

void TestPortPathWindow::waitingOffersToStop()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("hx4"));
    Simulator sim;
    QVERIFY2(sim.start({QStringLiteral("--link"), link, QStringLiteral("--hangup-after"),
                        QStringLiteral("800")}),
             qPrintable(sim.error()));
    AppController* controller = m_window.controller();
    QVERIFY(controller->openPortPath(link, 115200, 8, 0, 1, 0));
    QQuickItem* openButton = m_window.item(QStringLiteral("openButton"));
    QCOMPARE(openButton->property("text").toString(), QStringLiteral("Close port"));

    QTRY_VERIFY_WITH_TIMEOUT(controller->reconnectWaiting(), 10000);
    QCOMPARE(openButton->property("text").toString(), QStringLiteral("Stop waiting"));
    QCOMPARE(m_window.item(QStringLiteral("portStatusLabel"))->property("text").toString(),
             link + QStringLiteral(" WAITING"));
    // The settings of the session stay as they are while it waits.
    QVERIFY(!m_window.item(QStringLiteral("portCombo"))->isEnabled());
    QVERIFY(!m_window.object(QStringLiteral("portPathMenuItem"))->property("enabled").toBool());

    m_window.click(openButton);
    QVERIFY(!controller->reconnectWaiting());
    QCOMPARE(describe(controller->logStore()).constLast(), QStringLiteral("SYS:Port closed"));
    QCOMPARE(openButton->property("text").toString(), QStringLiteral("Open port"));
    QCOMPARE(m_window.item(QStringLiteral("portStatusLabel"))->property("text").toString(),
             link + QStringLiteral(" CLOSED"));
    QVERIFY(m_window.item(QStringLiteral("portCombo"))->isEnabled());
}

void TestPortPathWindow::reconnectOption()
{
    AppController* controller = m_window.controller();
    QQuickItem* check = m_window.item(QStringLiteral("reconnectCheck"));
    QObject* menuItem = m_window.object(QStringLiteral("reconnectMenuItem"));
    QVERIFY(check && menuItem);
    QVERIFY(check->property("checked").toBool());
    QVERIFY(menuItem->property("checked").toBool());

    QSignalSpy changed(controller, &AppController::autoReconnectChanged);
    m_window.click(check);
    QVERIFY(!controller->autoReconnect());
    QCOMPARE(QSettings().value(QStringLiteral("serial/autoReconnect")).toBool(), false);
    QVERIFY(!menuItem->property("checked").toBool());

    chooseFromPortMenu(QStringLiteral("reconnectMenuItem"));
    QVERIFY(controller->autoReconnect());
    QVERIFY(check->property("checked").toBool());
    QCOMPARE(changed.count(), 2);
    // Setting the value it has changes nothing.
    controller->setAutoReconnect(true);
    QCOMPARE(changed.count(), 2);
}

QTEST_MAIN(TestPortPathWindow)
#include "tst_portpathwindow.moc"
