// The window driven from the keyboard alone: Tab through every control (each
// shows that it has the focus), out of the send box and back, the window's
// shortcuts and the menus that name them, the history on Up and Down, Enter
// as the send key when the user wants it, and Enter on the port error.
#include "app/appcontroller.h"
#include "library/commandhistorymodel.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QColor>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

class TestKeyboard : public QObject
{
    Q_OBJECT

    const AppServices m_ports = korveltest::testServices([] { return QList<SerialPortEntry>{}; });
    korveltest::MainWindowDriver m_ui{m_ports};
    QQuickWindow* m_window = nullptr;
    AppController* m_controller = nullptr;

    QQuickItem* item(const char* name) const
    {
        QQuickItem* found = m_ui.item(QLatin1String(name));
        if (!found) {
            qWarning("no item named %s", name);
        }
        return found;
    }
    QObject* object(const char* name) const { return m_ui.object(QLatin1String(name)); }

    void key(int k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(m_window, Qt::Key(k), modifiers);
    }

    void focusSendBox()
    {
        QQuickItem* box = item("sendBox");
        box->forceActiveFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasActiveFocus());
    }

    // The theme's focus ring colour for the theme shown now.
    QColor focusRingColour() const
    {
        return m_controller->themeMode() == QLatin1String("dark") ? QColor("#a2c8e8")
                                                                  : QColor("#2c455d");
    }

    // How the item with the keys shows it: a visible focus ring on it or on
    // the control it belongs to, or an input's edge in the focus colour.
    QString focusIndicator(QQuickItem* focused) const
    {
        QQuickItem* control = focused;
        for (int up = 0; control && up < 3; ++up, control = control->parentItem()) {
            for (QQuickItem* child : control->childItems()) {
                if (child->objectName() == QLatin1String("focusRing") && child->isVisible()) {
                    return QStringLiteral("ring");
                }
            }
            auto* background = control->property("background").value<QQuickItem*>();
            QObject* pen = background ? background->property("border").value<QObject*>() : nullptr;
            if (pen && pen->property("color").value<QColor>() == focusRingColour()) {
                return QStringLiteral("edge");
            }
        }
        return {};
    }

private slots:
    void initTestCase() { korveltest::isolateSettings(); }

    void init()
    {
        korveltest::failOnQmlWarnings();
        QSettings().clear();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    }

    void cleanup() { m_ui.unload(); }

    void tabReachesEveryControlAndShowsIt_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("page");
        QTest::newRow("light, serial page") << "light" << 0;
        QTest::newRow("dark, serial page") << "dark" << 0;
        QTest::newRow("light, command page") << "light" << 1;
        QTest::newRow("dark, command page") << "dark" << 1;
    }

    void tabReachesEveryControlAndShowsIt()
    {
        QFETCH(QString, theme);
        QFETCH(int, page);
        QSettings().setValue(QStringLiteral("app/themeMode"), theme);
        QVERIFY(m_ui.load());
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        object("modeBar")->setProperty("currentIndex", page);
        QQuickItem* start = item("modeSegment0");
        start->forceActiveFocus(Qt::TabFocusReason);
        QTRY_VERIFY(start->hasActiveFocus());

        QStringList visited;
        QStringList unmarked;
        for (int step = 0; step < 80; ++step) {
            QQuickItem* focused = m_window->activeFocusItem();
            QVERIFY(focused);
            const QString name = focused->objectName().isEmpty()
                                     ? QString::fromLatin1(focused->metaObject()->className())
                                     : focused->objectName();
            if (step > 0 && focused == start) {
                break;
            }
            visited << name;
            if (focusIndicator(focused).isEmpty()) {
                unmarked << name;
            }
            key(Qt::Key_Tab);
        }
        QCOMPARE(m_window->activeFocusItem(), start);
        for (const char* expected : {"modeSegment0", "modeSegment1", "sendBox", "sendButton",
                                     "clearDraftButton", "historyButton", "logView"}) {
            QVERIFY2(visited.contains(QLatin1String(expected)),
                     qPrintable(expected + QStringLiteral(" not in ") + visited.join(' ')));
        }
        if (page == 0) {
            QVERIFY2(visited.contains(QStringLiteral("openButton")), qPrintable(visited.join(' ')));
            QVERIFY2(visited.contains(QStringLiteral("baudCombo")), qPrintable(visited.join(' ')));
        } else {
            QVERIFY2(visited.contains(QStringLiteral("commandSearch")),
                     qPrintable(visited.join(' ')));
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(QStringLiteral("no focus shown on: ") +
                                                unmarked.join(QLatin1Char(' '))));
    }

    // Tab and Shift+Tab leave the send box as they leave any field;
    // Ctrl+Tab types a tab.
    void tabLeavesTheSendBox()
    {
        QVERIFY(m_ui.load());
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        m_controller->setDraftText(QStringLiteral("AT"));
        QQuickItem* box = item("sendBox");
        focusSendBox();
        key(Qt::Key_End);
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT\t"));
        QVERIFY(box->hasActiveFocus());

        key(Qt::Key_Tab);
        QVERIFY(!box->hasActiveFocus());
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT\t"));
        QCOMPARE(m_window->activeFocusItem()->objectName(), QStringLiteral("sendAsciiRadio"));

        focusSendBox();
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!box->hasActiveFocus());
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT\t"));
    }

    void shortcutsAndTheirMenuEntries_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("save") << "saveLogMenuItem"
                              << "Ctrl+S";
        QTest::newRow("clear") << "clearMenuItem"
                               << "Ctrl+L";
        QTest::newRow("pause") << "pauseMenuItem"
                               << "Ctrl+P";
        QTest::newRow("open") << "openPortMenuItem"
                              << "Ctrl+O";
    }

    // Each entry shows its key, and the key does what the entry does.
    void shortcutsAndTheirMenuEntries()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, shortcut);
        QVERIFY(m_ui.load());
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        QObject* entry = m_ui.object(menuItem);
        QVERIFY(entry);
        QCOMPARE(entry->property("shortcutText").toString(), shortcut);
        auto* label = entry->findChild<QQuickItem*>(QStringLiteral("shortcutLabel"));
        QVERIFY(label);
        QCOMPARE(label->property("text").toString(), shortcut);

        // With the keys in the send box, where a window shortcut still works.
        focusSendBox();
        const QKeySequence sequence(shortcut);
        const auto combination = sequence[0];
        if (menuItem == QLatin1String("saveLogMenuItem")) {
            QTest::keyClick(m_window, combination.key(), combination.keyboardModifiers());
            QVERIFY(m_ui.waitOpened(QStringLiteral("saveLogDialog")));
        } else if (menuItem == QLatin1String("clearMenuItem")) {
            m_controller->logStore().append(LogKind::SYS, "x");
            QTest::keyClick(m_window, combination.key(), combination.keyboardModifiers());
            QCOMPARE(m_controller->logStore().entries().size(), 0);
        } else if (menuItem == QLatin1String("pauseMenuItem")) {
            QObject* monitor = object("monitor");
            QTest::keyClick(m_window, combination.key(), combination.keyboardModifiers());
            QVERIFY(monitor->property("paused").toBool());
            QVERIFY(entry->property("checked").toBool());
            QTest::keyClick(m_window, combination.key(), combination.keyboardModifiers());
            QVERIFY(!monitor->property("paused").toBool());
        } else {
            // Opens the selected port, and closes it again.
            korveltest::SocatPair pair;
            QVERIFY2(pair.start(), qPrintable(pair.error()));
            QVERIFY(m_controller->openPortPath(pair.appPath(), 115200, 8, 0, 1, 0));
            m_controller->closePort();
            QTRY_COMPARE(m_controller->selectedPortName(), pair.appPath());
            QTRY_COMPARE(item("serialPanel")->property("selectedPort").toString(), pair.appPath());
            QCOMPARE(entry->property("text").toString(), QStringLiteral("Open port"));
            QTest::keyClick(m_window, combination.key(), combination.keyboardModifiers());
            QTRY_VERIFY(m_controller->portOpen());
            QCOMPARE(entry->property("text").toString(), QStringLiteral("Close port"));
            QTest::keyClick(m_window, combination.key(), combination.keyboardModifiers());
            QTRY_VERIFY(!m_controller->portOpen());
        }
    }

    // Up and Down in a one-line draft bring back what was sent, in its mode.
    void upAndDownRecallTheHistory()
    {
        QVERIFY(m_ui.load());
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        CommandHistoryModel* history = m_controller->commandHistoryModel();
        history->push(QStringLiteral("01 03 00 00 00 01"), SentAs::Hex);
        history->push(QStringLiteral("AT+GMR"), SentAs::Text);
        m_controller->setDraftText(QStringLiteral("typed"));
        m_controller->setSendAsHex(false);
        focusSendBox();
        key(Qt::Key_Up);
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT+GMR"));
        key(Qt::Key_Up);
        QCOMPARE(m_controller->draftText(), QStringLiteral("01 03 00 00 00 01"));
        QVERIFY(m_controller->sendAsHex());
        QVERIFY(item("sendHexRadio")->property("checked").toBool());
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        QCOMPARE(m_controller->draftText(), QStringLiteral("typed"));
        QVERIFY(!m_controller->sendAsHex());
        QCOMPARE(item("sendBox")->property("text").toString(), QStringLiteral("typed"));

        // In a draft of several lines the keys move the cursor.
        m_controller->setDraftText(QStringLiteral("one\ntwo"));
        focusSendBox();
        key(Qt::Key_End, Qt::ControlModifier);
        key(Qt::Key_Up);
        QCOMPARE(m_controller->draftText(), QStringLiteral("one\ntwo"));
        QCOMPARE(item("sendBox")->property("cursorPosition").toInt(), 3);
    }

    void enterSendsWhenAsked_data()
    {
        QTest::addColumn<bool>("enterSends");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("sends");
        QTest::newRow("off: Enter is a new line") << false << int(Qt::NoModifier) << false;
        QTest::newRow("off: Ctrl+Enter sends") << false << int(Qt::ControlModifier) << true;
        QTest::newRow("on: Enter sends") << true << int(Qt::NoModifier) << true;
        QTest::newRow("on: Shift+Enter is a new line") << true << int(Qt::ShiftModifier) << false;
        QTest::newRow("on: Ctrl+Enter sends") << true << int(Qt::ControlModifier) << true;
    }

    void enterSendsWhenAsked()
    {
        QFETCH(bool, enterSends);
        QFETCH(int, modifiers);
        QFETCH(bool, sends);
        QVERIFY(m_ui.load());
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        // Off unless the user turns it on (read by name: the settings dialog's binding).
        QCOMPARE(m_controller->property("enterSends"), QVariant(false));
        m_controller->setProperty("enterSends", enterSends);
        QCOMPARE(item("enterSendsCheck")->property("checked").toBool(), enterSends);
        m_controller->setDraftText(QStringLiteral("AT"));
        m_controller->logStore().clear();
        focusSendBox();
        key(Qt::Key_End);
        key(Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
        // With no port open, a send says so in the log.
        QCOMPARE(m_controller->logStore().entries().size(), sends ? 1 : 0);
        QCOMPARE(m_controller->draftText(), sends ? QStringLiteral("AT") : QStringLiteral("AT\n"));
    }

    // The message of a failed open is taken as read with Enter, as with OK.
    void enterClosesThePortError()
    {
        QVERIFY(m_ui.load());
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        emit m_controller->portOpenFailed(QStringLiteral("Permission denied"));
        QVERIFY(m_ui.waitOpened(QStringLiteral("portErrorDialog")));
        key(Qt::Key_Return);
        QVERIFY(m_ui.waitClosed(QStringLiteral("portErrorDialog")));
    }

    // The page switch is a pair of buttons: Space on the second shows it.
    void modeBarFromTheKeyboard()
    {
        QVERIFY(m_ui.load());
        m_window = m_ui.window();
        m_controller = m_ui.controller();
        QQuickItem* second = item("modeSegment1");
        second->forceActiveFocus(Qt::TabFocusReason);
        QTRY_VERIFY(second->hasActiveFocus());
        key(Qt::Key_Space);
        QCOMPARE(object("modeBar")->property("currentIndex").toInt(), 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
