// The main window as a user meets it: the real Main document on the offscreen
// platform, driven with mouse and key events.
#include "app/appcontroller.h"
#include "serial/drivercheck.h"
#include "serial/portlistmodel.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QClipboard>
#include <QColor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlError>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
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

    QObject* object(const char* name) const
    {
        return m_window->findChild<QObject*>(QLatin1String(name));
    }

    QPoint centreOf(const QQuickItem* target) const { return m_ui.centreOf(target); }
    void click(const QQuickItem* target) { m_ui.click(target); }
    QQuickItem* listRow(QQuickItem* list, int row) const { return m_ui.listRow(list, row); }
    void typeText(const QString& text) { m_ui.typeText(text); }

    bool historyOpen() const { return object("historyPopup")->property("opened").toBool(); }

    void openHistory()
    {
        if (!historyOpen()) {
            click(item("historyButton"));
        }
    }

    void closePopupsAndDialogs()
    {
        for (const char* name : {"historyPopup", "portErrorDialog"}) {
            QMetaObject::invokeMethod(object(name), "close");
        }
        QTRY_VERIFY(!object("historyPopup")->property("visible").toBool());
        QTRY_VERIFY(!object("portErrorDialog")->property("visible").toBool());
    }

    void setMaximized(bool maximized, const QString& how)
    {
        if (how == QLatin1String("window")) {
            if (maximized) {
                m_window->showMaximized();
            } else {
                m_window->showNormal();
            }
        } else if (how == QLatin1String("captionButton")) {
            click(item("maximizeButton"));
        } else {
            QTest::mouseDClick(m_window, Qt::LeftButton, {}, centreOf(item("titleBar")));
        }
    }

    void verifyFrame(bool maximized)
    {
        const int margin = maximized ? 0 : 18;
        QTRY_COMPARE(m_window->property("shadowActive").toBool(), !maximized);
        QCOMPARE(m_window->property("activeMargin").toInt(), margin);
        const QQuickItem* frame = item("frame");
        QTRY_COMPARE(frame->size(),
                     QSizeF(m_window->width() - 2 * margin, m_window->height() - 2 * margin));
        QCOMPARE(frame->position(), QPointF(margin, margin));
        for (const char* name : {"windowShadow", "frameOutline", "resizeAreas"}) {
            QVERIFY2(item(name)->isVisible() == !maximized, name);
        }
    }

private slots:
    void init() { korveltest::failOnQmlWarnings(); }

    void initTestCase()
    {
        korveltest::isolateSettings();
        // Any warning from the window's own documents is a fault; the
        // embedded panels answer for theirs.
        QVERIFY2(m_ui.load({QStringLiteral("Main.qml"), QStringLiteral("RemoteAssistPanel.qml")}),
                 qPrintable(m_ui.warnings().join('\n')));
        m_window = m_ui.window();
        m_controller = m_ui.controller();
    }

    void cleanup()
    {
        closePopupsAndDialogs();
        m_controller->setThemeMode(QStringLiteral("light"));
        // Any QML warning (a failed binding, a type error in a handler) is a fault.
        const QStringList warnings = m_ui.takeWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }

    void cleanupTestCase() { m_ui.unload(); }

    void opensAtItsDefaultSizeOnTheFirstPage()
    {
        QCOMPARE(m_window->size(), QSize(1356, 896));
        QCOMPARE(m_window->minimumSize(), QSize(896, 636));
        QVERIFY(m_window->flags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(m_window->title(), QStringLiteral("Korvel Serial Assistant"));
        QCOMPARE(object("modeBar")->property("currentIndex").toInt(), 0);
        QCOMPARE(object("statusToastLabel")->property("text").toString(), QString());
        QCOMPARE(object("versionLabel")->property("text").toString(),
                 QStringLiteral("v") + m_controller->appVersion());
        // Linux ships the CH340 driver, so the banner takes no room at all.
        QVERIFY(m_controller->ch340DriverInstalled());
        QVERIFY(!item("driverHintBanner")->isVisible());
        QCOMPARE(item("driverHintBanner")->height(), 0.0);
    }

    void modeBarSwitchesPages_data()
    {
        QTest::addColumn<int>("segment");
        QTest::addColumn<QString>("page");
        QTest::newRow("device commands") << 1 << QStringLiteral("commandPanel");
        QTest::newRow("serial") << 0 << QStringLiteral("serialPanel");
    }

    void modeBarSwitchesPages()
    {
        QFETCH(int, segment);
        QFETCH(QString, page);
        QQuickItem* button = item(qPrintable(QStringLiteral("modeSegment%1").arg(segment)));
        QVERIFY(button);
        click(button);
        QCOMPARE(object("modeBar")->property("currentIndex").toInt(), segment);
        QCOMPARE(object("pageStack")->property("currentIndex").toInt(), segment);
        QTRY_VERIFY(item(qPrintable(page))->isVisible());
    }

    void emptyHistory()
    {
        m_controller->commandHistoryModel()->clear();
        openHistory();
        QTRY_VERIFY(historyOpen());
        const QQuickItem* empty = item("historyEmptyLabel");
        QVERIFY(empty->isVisible());
        QCOMPARE(empty->property("text").toString(), QStringLiteral("No history yet"));
        QVERIFY(!item("historyList")->isVisible());
        QVERIFY(!item("clearHistoryButton")->isEnabled());
        // The History button toggles: a second click closes the popup.
        click(item("historyButton"));
        QTRY_VERIFY(!historyOpen());
    }

    void historyClosesOnEscapeAndOutsidePress()
    {
        openHistory();
        QTRY_VERIFY(historyOpen());
        QTest::keyClick(m_window, Qt::Key_Escape);
        QTRY_VERIFY(!historyOpen());

        openHistory();
        QTRY_VERIFY(historyOpen());
        click(item("portSummaryLabel"));
        QTRY_VERIFY(!historyOpen());
    }

    void historyRowReplacesDraft_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        // Most recent first.
        QTest::newRow("newest") << 0 << QStringLiteral("b");
        QTest::newRow("oldest") << 1 << QStringLiteral("a");
    }

    void historyRowReplacesDraft()
    {
        QFETCH(int, row);
        QFETCH(QString, expected);
        CommandHistoryModel* history = m_controller->commandHistoryModel();
        history->clear();
        history->push(QStringLiteral("a"));
        history->push(QStringLiteral("b"));
        m_controller->setDraftText(QStringLiteral("draft"));

        openHistory();
        QTRY_VERIFY(historyOpen());
        QQuickItem* list = item("historyList");
        QVERIFY(list->isVisible());
        QVERIFY(!item("historyEmptyLabel")->isVisible());
        QVERIFY(item("clearHistoryButton")->isEnabled());
        QTRY_COMPARE(list->property("count").toInt(), 2);
        QTRY_VERIFY(list->height() > 0);
        QQuickItem* target = listRow(list, row);
        QVERIFY(target);
        QCOMPARE(target->property("commandText").toString(), expected);

        click(target);
        QCOMPARE(m_controller->draftText(), expected);
        QTRY_VERIFY(!historyOpen());
        QCOMPARE(object("sendBox")->property("text").toString(), expected);
    }

    // The send mode shows, and changes, where the draft is typed: the same
    // state as the serial page's switches.
    void sendModeAtTheSendBox()
    {
        m_controller->setSendAsHex(false);
        m_controller->setCrcEnabled(false);
        QQuickItem* ascii = item("sendAsciiRadio");
        QQuickItem* hex = item("sendHexRadio");
        QQuickItem* crc = item("sendCrcCheck");
        QVERIFY(ascii && hex && crc);
        QVERIFY(ascii->isVisible() && hex->isVisible() && crc->isVisible());
        QVERIFY(ascii->property("checked").toBool());

        click(hex);
        QVERIFY(m_controller->sendAsHex());
        QVERIFY(item("txHexRadio")->property("checked").toBool());
        click(crc);
        QVERIFY(m_controller->crcEnabled());
        QVERIFY(item("crcCheck")->property("checked").toBool());

        // And the other way round.
        m_controller->setSendAsHex(false);
        m_controller->setCrcEnabled(false);
        QVERIFY(ascii->property("checked").toBool());
        QVERIFY(!hex->property("checked").toBool());
        QVERIFY(!crc->property("checked").toBool());
        // The same on the command page, where the send box is too.
        object("modeBar")->setProperty("currentIndex", 1);
        QVERIFY(ascii->isVisible());
        object("modeBar")->setProperty("currentIndex", 0);
    }

    // A history entry sent as hex digits says so, and choosing it brings
    // back its mode.
    void historyEntryBringsBackItsMode()
    {
        CommandHistoryModel* history = m_controller->commandHistoryModel();
        history->clear();
        history->push(QStringLiteral("01 03 00 00 00 01"), SentAs::Hex);
        history->push(QStringLiteral("AT"), SentAs::Text);
        m_controller->setSendAsHex(false);
        openHistory();
        QTRY_VERIFY(historyOpen());
        QQuickItem* list = item("historyList");
        QTRY_COMPARE(list->property("count").toInt(), 2);
        QQuickItem* hexRow = nullptr;
        QTRY_VERIFY((hexRow = listRow(list, 1)) != nullptr);
        auto* tag = hexRow->findChild<QQuickItem*>(QStringLiteral("historyHexTag"));
        QVERIFY(tag && tag->isVisible());
        auto* textTag = listRow(list, 0)->findChild<QQuickItem*>(QStringLiteral("historyHexTag"));
        QVERIFY(textTag && !textTag->isVisible());

        click(hexRow);
        QCOMPARE(m_controller->draftText(), QStringLiteral("01 03 00 00 00 01"));
        QVERIFY(m_controller->sendAsHex());
        QTRY_VERIFY(!historyOpen());
        QVERIFY(item("sendHexRadio")->property("checked").toBool());
    }

    void clearHistoryEmptiesTheList()
    {
        CommandHistoryModel* history = m_controller->commandHistoryModel();
        history->clear();
        history->push(QStringLiteral("one"));
        openHistory();
        QTRY_VERIFY(historyOpen());
        QQuickItem* clear = item("clearHistoryButton");
        QTRY_VERIFY(clear->isEnabled());
        click(clear);
        QCOMPARE(history->rowCount(), 0);
        QTRY_VERIFY(item("historyEmptyLabel")->isVisible());
        QVERIFY(!clear->isEnabled());
    }

    void sendBoxFollowsDraftBothWays()
    {
        m_controller->setDraftText(QString());
        QQuickItem* box = item("sendBox");
        QCOMPARE(box->property("text").toString(), QString());
        click(box);
        QTRY_VERIFY(box->hasActiveFocus());

        typeText(QStringLiteral("AT+RST"));
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT+RST"));
        // Editing in the middle keeps the cursor where the user put it.
        QTest::keyClick(m_window, Qt::Key_Left);
        QTest::keyClick(m_window, Qt::Key_Left);
        typeText(QStringLiteral("x"));
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT+RxST"));
        QCOMPARE(box->property("cursorPosition").toInt(), 5);
        // Enter inserts a line break; it does not send.
        QTest::keyClick(m_window, Qt::Key_End);
        QTest::keyClick(m_window, Qt::Key_Return);
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT+RxST\n"));

        m_controller->setDraftText(QStringLiteral("from controller"));
        QCOMPARE(box->property("text").toString(), QStringLiteral("from controller"));

        click(item("clearDraftButton"));
        QCOMPARE(m_controller->draftText(), QString());
        QCOMPARE(box->property("text").toString(), QString());
    }

    // Ctrl+Enter (either key) sends the draft from the send box; with no
    // port open that sending says so in the log. The Send button's tool tip
    // names the shortcut.
    void ctrlEnterSends_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void ctrlEnterSends()
    {
        QFETCH(int, key);
        m_controller->logStore().clear();
        m_controller->setDraftText(QStringLiteral("AT"));
        QQuickItem* box = item("sendBox");
        click(box);
        QTRY_VERIFY(box->hasActiveFocus());
        QTest::keyClick(m_window, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(m_controller->draftText(), QStringLiteral("AT"));
        QCOMPARE(m_controller->logStore().entries().size(), 1);
        QCOMPARE(m_controller->logStore().entries().at(0).kind, LogKind::ERR);
        QObject* send = object("sendButton");
        const QString tip =
            QQmlProperty::read(send, QStringLiteral("ToolTip.text"), qmlContext(send)).toString();
        QVERIFY2(tip.contains(QStringLiteral("Ctrl+Enter")), qPrintable(tip));
    }

    // The history list shows a multi-line entry on one line, with a mark.
    void historyShowsMultiLineEntriesOnOneLine()
    {
        CommandHistoryModel* history = m_controller->commandHistoryModel();
        history->clear();
        history->push(QStringLiteral("first line\nsecond\nthird"));
        openHistory();
        QTRY_VERIFY(historyOpen());
        QQuickItem* list = item("historyList");
        QTRY_COMPARE(list->property("count").toInt(), 1);
        QQuickItem* row = listRow(list, 0);
        QVERIFY(row);
        auto* preview = row->findChild<QQuickItem*>(QStringLiteral("historyPreview"));
        QVERIFY(preview);
        QCOMPARE(preview->property("text").toString(), QStringLiteral("first line \u21b5 \u2026"));
        QCOMPARE(preview->property("lineCount").toInt(), 1);
        closePopupsAndDialogs();
    }

    void sendBoxGrowsThenScrolls()
    {
        const QQuickItem* scroll = item("sendScroll");
        m_controller->setDraftText(QString());
        QTRY_COMPARE(scroll->height(), 74.0);
        m_controller->setDraftText(QStringLiteral("line\n").repeated(4));
        QTRY_VERIFY(scroll->height() > 74.0);
        QVERIFY(scroll->height() < 200.0);
        m_controller->setDraftText(QStringLiteral("line\n").repeated(40));
        QTRY_COMPARE(scroll->height(), 200.0);
        m_controller->setDraftText(QString());
        QTRY_COMPARE(scroll->height(), 74.0);
    }

    void statusToastShowsThenClears()
    {
        QObject* label = object("statusToastLabel");
        emit m_controller->statusMessage(QStringLiteral("first"));
        QCOMPARE(label->property("text").toString(), QStringLiteral("first"));
        // A new message replaces the old one at once and restarts the time.
        emit m_controller->statusMessage(QStringLiteral("Log saved"));
        QCOMPARE(label->property("text").toString(), QStringLiteral("Log saved"));
        QElapsedTimer shown;
        shown.start();
        QTRY_VERIFY_WITH_TIMEOUT(label->property("text").toString().isEmpty(), 8000);
        QVERIFY2(shown.elapsed() >= 4000, qPrintable(QString::number(shown.elapsed())));
    }

    void maximiseDropsTheShadowBand_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("window") << QStringLiteral("window");
        QTest::newRow("caption button") << QStringLiteral("captionButton");
        QTest::newRow("title bar double click") << QStringLiteral("titleBar");
    }

    void maximiseDropsTheShadowBand()
    {
        QFETCH(QString, how);
        verifyFrame(false);

        setMaximized(true, how);
        QTRY_COMPARE(m_window->visibility(), QWindow::Maximized);
        verifyFrame(true);

        setMaximized(false, how);
        QTRY_COMPARE(m_window->visibility(), QWindow::Windowed);
        verifyFrame(false);
    }

    void pauseStaysInStepAcrossMenuAndToolBar()
    {
        QObject* monitor = object("monitor");
        QQuickItem* button = item("pauseToolButton");
        QObject* menuItem = object("pauseMenuItem");
        QVERIFY(!monitor->property("paused").toBool());

        click(button);
        QVERIFY(monitor->property("paused").toBool());
        QVERIFY(menuItem->property("checked").toBool());

        // A change from elsewhere reaches both, and a later click still works.
        monitor->setProperty("paused", false);
        QVERIFY(!button->property("checked").toBool());
        QVERIFY(!menuItem->property("checked").toBool());
        click(button);
        QVERIFY(monitor->property("paused").toBool());
        click(button);
        QVERIFY(!monitor->property("paused").toBool());
    }

    void clearToolButtonClearsTheLog()
    {
        m_controller->logStore().append(LogKind::SYS, QByteArrayLiteral("hello"));
        QTRY_VERIFY(m_controller->logModel()->lineCount() > 0);
        click(item("clearToolButton"));
        QTRY_COMPARE(m_controller->logModel()->lineCount(), 0);
    }

    void driverHintDownloadOpensDriverList()
    {
        QObject* hint = object("driverHintDialog");
        QObject* list = object("driverListDialog");
        QMetaObject::invokeMethod(hint, "open");
        QTRY_VERIFY(hint->property("opened").toBool());
        QMetaObject::invokeMethod(hint, "downloadRequested");
        QTRY_VERIFY(list->property("opened").toBool());
        QMetaObject::invokeMethod(list, "close");
        QMetaObject::invokeMethod(hint, "close");
        QTRY_VERIFY(!list->property("visible").toBool());
        QTRY_VERIFY(!hint->property("visible").toBool());
    }

    // Where the driver is missing, a banner says so: a click on it opens the
    // hint dialog, and its close button stores the dismissal and hides it.
    void driverBannerShowsAndDismisses()
    {
        AppServices services = m_ports;
        services.driverCheck = DriverCheck([] { return false; });
        QSettings().remove(QStringLiteral("device/ch340DriverHintDismissed"));
        korveltest::MainWindowDriver ui(services);
        QVERIFY(ui.load());
        QQuickItem* banner = ui.item(QStringLiteral("driverHintBanner"));
        QVERIFY(banner);
        QTRY_VERIFY(banner->isVisible());
        QVERIFY(banner->height() > 0);

        QObject* hint = ui.object(QStringLiteral("driverHintDialog"));
        QVERIFY(hint);
        ui.click(banner);
        QTRY_VERIFY(hint->property("opened").toBool());
        QMetaObject::invokeMethod(hint, "close");
        QTRY_VERIFY(!hint->property("visible").toBool());

        ui.click(ui.item(QStringLiteral("dismissDriverHintButton")));
        QTRY_VERIFY(!banner->isVisible());
        QVERIFY(ui.controller()->ch340DriverHintDismissed());
        QCOMPARE(QSettings().value(QStringLiteral("device/ch340DriverHintDismissed")).toBool(),
                 true);
        QVERIFY(!hint->property("visible").toBool());
    }

    void remoteSupportPage()
    {
        object("modeBar")->setProperty("currentIndex", 2);
        QTRY_VERIFY(item("remoteAssistPanel")->isVisible());
        QObject* code = object("remoteCodeLabel");
        QObject* password = object("remotePasswordField");
        const QRegularExpression codePattern(
            QStringLiteral("^[1-9]\\d{3}-[1-9]\\d{3}-[1-9]\\d{3}$"));
        const QRegularExpression passwordPattern(QStringLiteral("^[1-9]\\d{3}$"));
        const QString firstCode = code->property("text").toString();
        QVERIFY2(codePattern.match(firstCode).hasMatch(), qPrintable(firstCode));
        QVERIFY(passwordPattern.match(password->property("text").toString()).hasMatch());

        click(item("copyCodeButton"));
        QCOMPARE(QGuiApplication::clipboard()->text(), firstCode);

        // Fresh codes on each press; three equal draws in a row would be a fault.
        QSet<QString> seen{firstCode};
        for (int i = 0; i < 3; ++i) {
            click(item("regenerateCodeButton"));
            const QString next = code->property("text").toString();
            QVERIFY2(codePattern.match(next).hasMatch(), qPrintable(next));
            QVERIFY(passwordPattern.match(password->property("text").toString()).hasMatch());
            seen << next;
        }
        QVERIFY(seen.size() > 1);

        // Every option's label is shown whole: a long one wraps instead of
        // being cut off at the panel's edge.
        int checkBoxes = 0;
        for (QQuickItem* child : item("remoteAssistPanel")->findChildren<QQuickItem*>()) {
            if (!child->inherits("QQuickCheckBox")) {
                continue;
            }
            ++checkBoxes;
            const auto* label = child->property("contentItem").value<QQuickItem*>();
            QVERIFY(label);
            QVERIFY2(!label->property("truncated").toBool(),
                     qPrintable(child->property("text").toString()));
        }
        QCOMPARE(checkBoxes, 3);

        QObject* dialog = object("remoteSupportDialog");
        click(item("startSessionButton"));
        QTRY_VERIFY(dialog->property("opened").toBool());
        QCOMPARE(dialog->property("title").toString(), QStringLiteral("Remote support"));
        QTest::keyClick(m_window, Qt::Key_Escape);
        QTRY_VERIFY(!dialog->property("visible").toBool());
        object("modeBar")->setProperty("currentIndex", 0);
    }

    void portOpenFailureShowsDialog()
    {
        QObject* dialog = object("portErrorDialog");
        const QString error = QStringLiteral("Permission denied: <ttyUSB0>");
        emit m_controller->portOpenFailed(error);
        QTRY_VERIFY(dialog->property("opened").toBool());
        QCOMPARE(dialog->property("title").toString(), QStringLiteral("Failed to open port"));
        QCOMPARE(object("portErrorText")->property("text").toString(), error);
        QTest::keyClick(m_window, Qt::Key_Escape);
        QTRY_VERIFY(!dialog->property("visible").toBool());
    }

    void openDialogFollowsTheme()
    {
        QObject* dialog = object("portErrorDialog");
        emit m_controller->portOpenFailed(QStringLiteral("x"));
        QTRY_VERIFY(dialog->property("opened").toBool());
        const auto windowColour = [dialog] {
            const auto* palette = dialog->property("palette").value<QObject*>();
            return palette->property("window").value<QColor>();
        };
        const auto textColour = [this] {
            return object("portErrorText")->property("color").value<QColor>();
        };
        QCOMPARE(windowColour(), QColor(QStringLiteral("#f2f2f3")));
        QCOMPARE(textColour(), QColor(QStringLiteral("#1d1f20")));

        m_controller->setThemeMode(QStringLiteral("dark"));
        QVERIFY(dialog->property("opened").toBool());
        QCOMPARE(windowColour(), QColor(QStringLiteral("#1c1d20")));
        QCOMPARE(textColour(), QColor(QStringLiteral("#e6e6e8")));
    }

    void frameFollowsTheme_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QColor>("background");
        QTest::newRow("light") << QStringLiteral("light") << QColor(QStringLiteral("#f2f2f3"));
        QTest::newRow("dark") << QStringLiteral("dark") << QColor(QStringLiteral("#1c1d20"));
    }

    void frameFollowsTheme()
    {
        QFETCH(QString, mode);
        QFETCH(QColor, background);
        m_controller->setThemeMode(mode);
        const QImage image = m_window->grabWindow();
        QVERIFY(!image.isNull());
        const QString dir = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            image.save(QStringLiteral("%1/mainwindow-%2.png").arg(dir, mode));
        }
        const qreal dpr = image.devicePixelRatio();
        // A point of the tool bar's empty end lies on the frame background.
        const QQuickItem* toolBar = item("toolBar");
        const QPointF inBar = toolBar->mapToScene(QPointF(toolBar->width() - 40, 26));
        QCOMPARE(image.pixelColor((inBar * dpr).toPoint()), background);
        // The shadow band is not painted with the frame's background.
        QVERIFY(image.pixelColor(QPoint(4, image.height() / 2)) != background);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
