// The device command page as a user meets it in the real window: choosing
// the model, filling in parameters and sending to a device that answers,
// dragging rows, editing templates and running batches.
#include "app/appcontroller.h"
#include "serial/portlistmodel.h"
#include "support/controllersupport.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace korveltest;

QList<SerialPortEntry> g_ports;

const QStringList kWatched{QStringLiteral("CommandLibraryPanel.qml"),
                           QStringLiteral("CommandParamsPanel.qml")};

} // namespace

class TestCommandPanel : public QObject
{
    Q_OBJECT

private:
    const AppServices m_ports = korveltest::testServices([] { return g_ports; });
    MainWindowDriver m_ui{m_ports};

    AppController* controller() const { return m_ui.controller(); }
    QQuickItem* item(const char* name) const { return m_ui.item(QLatin1String(name)); }
    QObject* object(const char* name) const { return m_ui.object(QLatin1String(name)); }

    void click(const char* name, Qt::MouseButton button = Qt::LeftButton)
    {
        QQuickItem* target = item(name);
        QVERIFY2(target, name);
        m_ui.click(target, button);
    }

    void showPage(int index)
    {
        m_ui.click(item(QStringLiteral("modeSegment%1").arg(index).toLatin1().constData()));
    }

    // The command list's row @p row, laid out by the view.
    QQuickItem* commandRow(int row) const { return m_ui.listRow(item("commandList"), row); }

    QStringList listedNames() const
    {
        QStringList names;
        CommandListModel* model = controller()->commandModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            names << model->index(row).data(CommandListModel::NameRole).toString();
        }
        return names;
    }

    void clickCommand(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QQuickItem* target = nullptr;
        QTRY_VERIFY((target = commandRow(row)) != nullptr);
        m_ui.click(target, button);
    }

    bool isOpen(const char* popup) const { return object(popup)->property("opened").toBool(); }

    // Chooses a device model in the picker, as a user does.
    void pickModel(int index)
    {
        QQuickItem* picker = item("modelPicker");
        QVERIFY(picker);
        m_ui.click(picker);
        QObject* popup = picker->property("popup").value<QObject*>();
        QTRY_VERIFY(popup->property("opened").toBool());
        QQuickItem* row = nullptr;
        QTRY_VERIFY((row = m_ui.listRow(popup->property("contentItem").value<QQuickItem*>(),
                                        index)) != nullptr);
        m_ui.click(row);
        QTRY_VERIFY(!popup->property("visible").toBool());
    }

    // Press on the row's centre, move by @p dy in small steps, release.
    void dragRow(int row, int dy)
    {
        QQuickItem* target = commandRow(row);
        QVERIFY(target);
        const QPoint start = m_ui.centreOf(target);
        QTest::mousePress(m_ui.window(), Qt::LeftButton, {}, start);
        const int steps = 8;
        for (int i = 1; i <= steps; ++i) {
            QTest::mouseMove(m_ui.window(), start + QPoint(0, dy * i / steps));
        }
        QTest::mouseRelease(m_ui.window(), Qt::LeftButton, {}, start + QPoint(0, dy));
    }

    void replaceFieldText(const char* field, const QString& text)
    {
        click(field);
        QTRY_VERIFY(item(field)->hasActiveFocus());
        m_ui.selectAll();
        QTest::keyClick(m_ui.window(), Qt::Key_Delete);
        m_ui.typeText(text);
    }

    void loadWindow() { QVERIFY(m_ui.load(kWatched)); }

private slots:
    void initTestCase() { isolateSettings(); }

    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::clearSettings();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
        g_ports.clear();
    }

    void cleanup()
    {
        if (controller()) {
            QVERIFY2(m_ui.warnings().isEmpty(), qPrintable(m_ui.warnings().join('\n')));
            controller()->closePort();
        }
        m_ui.unload();
    }

    // Choose the AT2, open its port, fill in a parameter, insert, send and
    // read the device's answer in the monitor.
    void parametersReachTheDevice()
    {
        QSettings().setValue(QStringLiteral("library/cachedJson"),
                             QString::fromUtf8(sampleLibrary()));
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("at2"));
        Simulator sim;
        QVERIFY2(sim.start({QStringLiteral("--text"), QStringLiteral("--link"), link}),
                 qPrintable(sim.error()));
        g_ports = {{link, QStringLiteral("AT2 simulator"), QStringLiteral("CH340"), true}};
        loadWindow();

        showPage(1);
        QCOMPARE(item("modelPicker")->property("currentText").toString(), QStringLiteral("HX4"));
        pickModel(1);
        QCOMPARE(controller()->currentModelId(), QStringLiteral("AT2"));
        QCOMPARE(item("modelDescription")->property("text").toString(),
                 QStringLiteral("Korvel AT2 · Temperature alarm · AT commands"));
        QCOMPARE(listedNames().at(3), QStringLiteral("Set report interval"));

        // The serial page took the AT2's defaults; open the port there.
        showPage(0);
        QCOMPARE(item("serialPanel")->property("selectedBaud").toInt(), 9600);
        click("openButton");
        QTRY_VERIFY(controller()->portOpen());
        showPage(1);

        // A command without parameters goes straight into the send box.
        clickCommand(1);
        QCOMPARE(controller()->draftText(), QStringLiteral("AT+VER?"));
        QVERIFY(!item("paramsPanel")->isVisible());

        clickCommand(3);
        QQuickItem* strip = item("paramsPanel");
        QTRY_VERIFY(strip->isVisible());
        QCOMPARE(item("paramsCommandName")->property("text").toString(),
                 QStringLiteral("Set report interval"));
        QCOMPARE(item("paramField_sec")->property("text").toString(), QStringLiteral("60"));
        QCOMPARE(item("paramsPreview")->property("text").toString(),
                 QStringLiteral("AT+INTERVAL=60"));

        replaceFieldText("paramField_sec", QStringLiteral("5"));
        QTRY_COMPARE(item("paramsPreview")->property("text").toString(),
                     QStringLiteral("AT+INTERVAL=5"));
        // An emptied field falls back to the default in the preview.
        replaceFieldText("paramField_sec", QString());
        QTRY_COMPARE(item("paramsPreview")->property("text").toString(),
                     QStringLiteral("AT+INTERVAL=60"));
        m_ui.typeText(QStringLiteral("5"));
        QTRY_COMPARE(item("paramsPreview")->property("text").toString(),
                     QStringLiteral("AT+INTERVAL=5"));

        click("paramsInsertButton");
        QTRY_VERIFY(!strip->isVisible());
        QCOMPARE(controller()->draftText(), QStringLiteral("AT+INTERVAL=5"));
        QCOMPARE(item("sendBox")->property("text").toString(), QStringLiteral("AT+INTERVAL=5"));
        click("sendButton");
        QTRY_VERIFY_WITH_TIMEOUT(m_ui.monitorText().contains(QStringLiteral("RX   OK")), 5000);
        const QString monitor = m_ui.monitorText();
        QVERIFY2(monitor.indexOf(QStringLiteral("TX   AT+INTERVAL=5")) <
                     monitor.indexOf(QStringLiteral("RX   OK")),
                 qPrintable(monitor));

        // A value the device refuses.
        clickCommand(3);
        QTRY_VERIFY(strip->isVisible());
        replaceFieldText("paramField_sec", QStringLiteral("soon"));
        click("paramsInsertButton");
        click("sendButton");
        QTRY_VERIFY_WITH_TIMEOUT(m_ui.monitorText().contains(QStringLiteral("RX   ERROR")), 5000);
        QVERIFY(m_ui.monitorText().contains(QStringLiteral("TX   AT+INTERVAL=soon")));
    }

    // The strip keeps acting on the command it was opened for while the list
    // changes under it, and closes once that command is gone.
    void parameterStripFollowsItsCommand()
    {
        QSettings().setValue(QStringLiteral("library/cachedJson"),
                             QString::fromUtf8(sampleLibrary()));
        QSettings().setValue(QStringLiteral("device/lastModel"), QStringLiteral("AT2"));
        loadWindow();
        showPage(1);
        QQuickItem* strip = item("paramsPanel");

        clickCommand(3);
        QTRY_VERIFY(strip->isVisible());
        replaceFieldText("paramField_sec", QStringLiteral("7"));
        QTRY_COMPARE(item("paramsPreview")->property("text").toString(),
                     QStringLiteral("AT+INTERVAL=7"));

        // A search moves it to another row; row 3 now holds another command.
        click("commandSearch");
        m_ui.typeText(QStringLiteral("set"));
        QTRY_COMPARE(controller()->commandModel()->searchText(), QStringLiteral("set"));
        QCOMPARE(listedNames().at(0), QStringLiteral("Set report interval"));
        QCOMPARE(listedNames().at(3), QStringLiteral("Restore factory settings"));
        QVERIFY(strip->isVisible());
        QCOMPARE(strip->property("row").toInt(), 0);
        QCOMPARE(item("paramsPreview")->property("text").toString(),
                 QStringLiteral("AT+INTERVAL=7"));
        click("paramsInsertButton");
        QCOMPARE(controller()->draftText(), QStringLiteral("AT+INTERVAL=7"));

        // A reorder under it.
        clickCommand(0);
        QTRY_VERIFY(strip->isVisible());
        controller()->commandModel()->setSearchText(QString());
        QCOMPARE(strip->property("row").toInt(), 3);
        controller()->moveCommandRow(3, 0);
        QCOMPARE(strip->property("row").toInt(), 0);
        QCOMPARE(item("paramsPreview")->property("text").toString(),
                 QStringLiteral("AT+INTERVAL=60"));

        // A search that hides it closes the strip.
        controller()->commandModel()->setSearchText(QStringLiteral("name"));
        QTRY_VERIFY(!strip->isVisible());
        QCOMPARE(strip->property("row").toInt(), -1);

        // So does another model.
        controller()->commandModel()->setSearchText(QString());
        clickCommand(0);
        QTRY_VERIFY(strip->isVisible());
        pickModel(0);
        QTRY_VERIFY(!strip->isVisible());
        QCOMPARE(item("paramsPreview")->property("text").toString(), QString());
    }

    void draggingReordersAndTheOrderIsKept()
    {
        loadWindow();
        showPage(1);
        const QStringList library{"Read device info", "Read sensor data", "Set WiFi"};
        QTRY_VERIFY(commandRow(2) != nullptr);
        QCOMPARE(listedNames(), library);

        // Less than half a row: nothing moves, and it was no click either.
        dragRow(0, 20);
        QCOMPARE(listedNames(), library);
        QCOMPARE(controller()->draftText(), QString());
        QVERIFY(!QSettings().contains(QStringLiteral("send/commandOrder")));

        dragRow(2, -2 * 56);
        const QStringList dragged{"Set WiFi", "Read device info", "Read sensor data"};
        QTRY_COMPARE(listedNames(), dragged);
        QCOMPARE(controller()->draftText(), QString());
        // The rows stand where the model says, snapped to whole rows.
        for (int row = 0; row < 3; ++row) {
            QTRY_COMPARE(commandRow(row)->y(), row * 56.0);
        }

        // While searching, rows cannot be dragged; a click still loads.
        click("commandSearch");
        m_ui.typeText(QStringLiteral("read"));
        QTRY_COMPARE(listedNames(), (QStringList{"Read device info", "Read sensor data"}));
        dragRow(1, -56);
        QCOMPARE(listedNames(), (QStringList{"Read device info", "Read sensor data"}));
        clickCommand(1);
        QCOMPARE(controller()->draftText(), QStringLiteral(R"({"command":"ReadData"})"));
        QVERIFY(!item("paramsPanel")->isVisible());

        // The whole window again, as after a restart.
        m_ui.unload();
        loadWindow();
        QCOMPARE(listedNames(), dragged);
    }

    void templatesAreAddedEditedAndDeleted()
    {
        loadWindow();
        showPage(1);
        QObject* editor = object("templateEditor");
        QVERIFY(editor);

        click("newTemplateButton");
        QTRY_VERIFY(isOpen("templateEditor"));
        QCOMPARE(editor->property("title").toString(), QStringLiteral("New template"));
        QQuickItem* save = item("templateSaveButton");
        // The model decides what can be saved (tst_commandlistmodel); the
        // button follows its answer as the fields change.
        QVERIFY(!save->isEnabled());
        click("templateName");
        m_ui.typeText(QStringLiteral("  Reset  "));
        QVERIFY(!save->isEnabled());
        click("templateContent");
        m_ui.typeText(QStringLiteral("AT+RST"));
        QVERIFY(save->isEnabled());
        m_ui.click(save);
        QTRY_VERIFY(!isOpen("templateEditor"));
        QCOMPARE(listedNames().constFirst(), QStringLiteral("Reset"));
        QCOMPARE(SettingsStore().customTemplates().constFirst().content, QStringLiteral("AT+RST"));

        // Right-click: edit it.
        clickCommand(0, Qt::RightButton);
        QTRY_VERIFY(isOpen("templateMenu"));
        click("templateEditItem");
        QTRY_VERIFY(isOpen("templateEditor"));
        QCOMPARE(editor->property("title").toString(), QStringLiteral("Edit template"));
        QCOMPARE(item("templateName")->property("text").toString(), QStringLiteral("Reset"));
        QCOMPARE(item("templateContent")->property("text").toString(), QStringLiteral("AT+RST"));
        replaceFieldText("templateName", QStringLiteral("Reboot"));
        click("templateSaveButton");
        QTRY_VERIFY(!isOpen("templateEditor"));
        QCOMPARE(listedNames(),
                 (QStringList{"Reboot", "Read device info", "Read sensor data", "Set WiFi"}));

        // A click loads it; a library row has no menu.
        clickCommand(0);
        QCOMPARE(controller()->draftText(), QStringLiteral("AT+RST"));
        clickCommand(1, Qt::RightButton);
        QVERIFY(!isOpen("templateMenu"));

        // Deleting asks first; Cancel keeps it.
        QVERIFY(object("deleteTemplateDialog"));
        clickCommand(0, Qt::RightButton);
        QTRY_VERIFY(isOpen("templateMenu"));
        click("templateDeleteItem");
        QTRY_VERIFY(isOpen("deleteTemplateDialog"));
        QVERIFY(item("deleteTemplateCancel")->hasActiveFocus());
        QCOMPARE(listedNames().constFirst(), QStringLiteral("Reboot"));
        click("deleteTemplateCancel");
        QTRY_VERIFY(!isOpen("deleteTemplateDialog"));
        QCOMPARE(SettingsStore().customTemplates().size(), 1);

        clickCommand(0, Qt::RightButton);
        QTRY_VERIFY(isOpen("templateMenu"));
        click("templateDeleteItem");
        QTRY_VERIFY(isOpen("deleteTemplateDialog"));
        click("deleteTemplateConfirm");
        QTRY_COMPARE(listedNames(),
                     (QStringList{"Read device info", "Read sensor data", "Set WiFi"}));
        QVERIFY(SettingsStore().customTemplates().isEmpty());
    }

    // The new-template dialog takes the keys in its first field.
    void newTemplateStartsInItsName()
    {
        loadWindow();
        showPage(1);
        click("newTemplateButton");
        QTRY_VERIFY(isOpen("templateEditor"));
        QTRY_VERIFY(item("templateName")->hasActiveFocus());
        m_ui.typeText(QStringLiteral("Ping"));
        QCOMPARE(item("templateName")->property("text").toString(), QStringLiteral("Ping"));
    }

    // A text command cannot go out as hex digits: loading one turns the
    // send mode to ASCII and the status bar says so. A template of hex
    // digits keeps HEX.
    void textCommandTurnsTheModeToAscii_data()
    {
        QTest::addColumn<bool>("isTemplate");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("hexAfter");
        QTest::newRow("library command") << false << QString() << false;
        QTest::newRow("template of text") << true << QStringLiteral("AT+RST") << false;
        QTest::newRow("template of hex digits") << true << QStringLiteral("01 03 00 00") << true;
    }

    void textCommandTurnsTheModeToAscii()
    {
        QFETCH(bool, isTemplate);
        QFETCH(QString, content);
        QFETCH(bool, hexAfter);
        loadWindow();
        if (isTemplate) {
            controller()->addCustomTemplate(QStringLiteral("Mine"), content);
        }
        showPage(1);
        controller()->setSendAsHex(true);
        // Row 0 is the template when there is one; else a library command.
        clickCommand(0);
        QTRY_VERIFY(!controller()->draftText().isEmpty());
        QCOMPARE(controller()->sendAsHex(), hexAfter);
        // The send box shows the mode it now has.
        QVERIFY(item("sendHexRadio"));
        QCOMPARE(item("sendHexRadio")->property("checked").toBool(), hexAfter);
        const QString toast = object("statusToast")->property("visibleText").toString();
        QCOMPARE(toast.contains(QStringLiteral("ASCII")), !hexAfter);
    }

    // The step's text takes the free width; a new step comes into sight with
    // the keys in its text; the list scrolls with the wheel.
    void batchEditorSteps()
    {
        loadWindow();
        showPage(1);
        click("batchCommandsButton");
        QTRY_VERIFY(isOpen("batchWindow"));
        click("newBatchButton");
        QTRY_VERIFY(isOpen("batchEditor"));
        QQuickItem* list = item("stepList");
        QVERIFY(list);
        QQuickItem* field = item("stepText0");
        QTRY_VERIFY(field->width() > 0);
        QVERIFY2(field->width() >= 0.75 * list->width(),
                 qPrintable(QStringLiteral("%1 of %2").arg(field->width()).arg(list->width())));

        for (int step = 1; step <= 8; ++step) {
            click("addStepButton");
            const QByteArray name = "stepText" + QByteArray::number(step);
            QQuickItem* added = nullptr;
            QTRY_VERIFY((added = item(name.constData())) != nullptr);
            QTRY_VERIFY2(added->hasActiveFocus(), name.constData());
            // Wholly inside the list's visible area.
            const QPointF top = added->mapToItem(list, QPointF(0, 0));
            QVERIFY2(
                top.y() >= -0.5 && top.y() + added->height() <= list->height() + 0.5,
                qPrintable(QStringLiteral("%1 at %2").arg(QString::fromLatin1(name)).arg(top.y())));
            m_ui.typeText(QStringLiteral("AT"));
            QCOMPARE(added->property("text").toString(), QStringLiteral("AT"));
        }

        // Back up with the wheel, turned over a step's text field.
        const double bottom = list->property("contentY").toDouble();
        QQuickItem* last = item("stepText8");
        const QPointF pos = last->mapToScene(QPointF(last->width() / 2, last->height() / 2));
        // Flickable takes the speed from the time between events.
        for (ulong i = 1; i <= 10; ++i) {
            QWheelEvent wheel(pos, m_ui.window()->mapToGlobal(pos), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            wheel.setTimestamp(1000 + i * 100);
            QGuiApplication::sendEvent(m_ui.window(), &wheel);
        }
        QTRY_VERIFY2(list->property("contentY").toDouble() < bottom - 50,
                     qPrintable(QString::number(list->property("contentY").toDouble())));
    }

    // A batch keeps running with its window closed: the main window says
    // which, how far it got, and stops it.
    void runningBatchShowsInTheWindow()
    {
        Simulator sim;
        QVERIFY2(sim.start(), qPrintable(sim.error()));
        loadWindow();
        QVERIFY(openDefault(*controller(), sim.path()));
        controller()->addBatchCommand(
            QStringLiteral("Startup"), 60000,
            {QVariantMap{{"text", "AT"}, {"isHex", false}, {"crc", false}},
             QVariantMap{{"text", "AT+GMR"}, {"isHex", false}, {"crc", false}}});
        QQuickItem* indicator = item("batchIndicator");
        QVERIFY(indicator);
        QVERIFY(!indicator->isVisible());
        controller()->startBatchCommand(0);
        QVERIFY(!isOpen("batchWindow"));
        QTRY_VERIFY(indicator->isVisible());
        QCOMPARE(item("batchIndicatorText")->property("text").toString(),
                 QStringLiteral("Batch Startup · step 1 / 2"));
        click("batchStopButton");
        QVERIFY(!controller()->batchRunning());
        QTRY_VERIFY(!indicator->isVisible());
    }

    void batchesAreCreatedAndRun()
    {
        Simulator sim;
        QVERIFY2(sim.start(), qPrintable(sim.error()));
        loadWindow();
        QVERIFY(openDefault(*controller(), sim.path()));
        showPage(1);

        click("batchCommandsButton");
        QTRY_VERIFY(isOpen("batchWindow"));
        QVERIFY(item("noBatchesLabel")->isVisible());

        click("newBatchButton");
        QTRY_VERIFY(isOpen("batchEditor"));
        QCOMPARE(object("batchEditor")->property("title").toString(),
                 QStringLiteral("New batch command"));
        QCOMPARE(item("batchInterval")->property("value").toInt(), 500);
        QVERIFY(!item("stepRemove0")->isEnabled());
        click("batchName");
        m_ui.typeText(QStringLiteral("Poll"));

        // Only blank steps: nothing is saved and the editor stays open.
        click("batchSaveButton");
        QVERIFY(isOpen("batchEditor"));
        QCOMPARE(controller()->batchCommandModel()->rowCount(), 0);

        replaceFieldText("stepText0", QStringLiteral(R"({"command":"ReadProduct"})"));
        click("addStepButton");
        QTRY_VERIFY(item("stepText1") != nullptr);
        QVERIFY(item("stepRemove0")->isEnabled());
        replaceFieldText("stepText1", QStringLiteral(R"({"command":"ReadData"})"));
        click("addStepButton"); // left blank: dropped
        QTRY_VERIFY(item("stepText2") != nullptr);
        replaceFieldText("batchInterval", QStringLiteral("700"));
        QTest::keyClick(m_ui.window(), Qt::Key_Tab);
        QTRY_COMPARE(item("batchInterval")->property("value").toInt(), 700);
        click("batchSaveButton");
        QTRY_VERIFY(!isOpen("batchEditor"));
        QCOMPARE(controller()->batchCommandModel()->rowCount(), 1);
        QCOMPARE(controller()->stepsForBatchRow(0).size(), 2);

        QQuickItem* row = nullptr;
        QTRY_VERIFY((row = m_ui.listRow(item("batchList"), 0)) != nullptr);
        QVERIFY(!item("noBatchesLabel")->isVisible());
        QQuickItem* detail = row->findChild<QQuickItem*>(QStringLiteral("batchDetail"));
        QQuickItem* action = row->findChild<QQuickItem*>(QStringLiteral("batchAction"));
        QVERIFY(detail && action);
        QCOMPARE(detail->property("text").toString(), QStringLiteral("2 steps · 700 ms interval"));
        QCOMPARE(action->property("text").toString(), QStringLiteral("▶ Run"));

        // Run it and watch the progress.
        m_ui.click(row);
        QCOMPARE(detail->property("text").toString(), QStringLiteral("1 / 2"));
        QCOMPARE(action->property("text").toString(), QStringLiteral("■ Stop"));
        QTRY_COMPARE_WITH_TIMEOUT(detail->property("text").toString(),
                                  QStringLiteral("2 steps · 700 ms interval"), 5000);
        QCOMPARE(action->property("text").toString(), QStringLiteral("▶ Run"));
        QVERIFY(describe(controller()->logStore())
                    .contains(QStringLiteral("SYS:Batch \"Poll\" finished.")));

        // Edit it to a long interval, run it and stop it with a click.
        m_ui.click(row, Qt::RightButton);
        QTRY_VERIFY(isOpen("batchMenu"));
        click("batchEditItem");
        QTRY_VERIFY(isOpen("batchEditor"));
        QCOMPARE(object("batchEditor")->property("title").toString(),
                 QStringLiteral("Edit batch command"));
        QCOMPARE(item("batchName")->property("text").toString(), QStringLiteral("Poll"));
        QCOMPARE(item("batchInterval")->property("value").toInt(), 700);
        QTRY_COMPARE(item("stepText1")->property("text").toString(),
                     QStringLiteral(R"({"command":"ReadData"})"));
        replaceFieldText("batchInterval", QStringLiteral("60000"));
        QTest::keyClick(m_ui.window(), Qt::Key_Tab);
        click("batchSaveButton");
        QTRY_VERIFY(!isOpen("batchEditor"));
        QCOMPARE(controller()->batchCommandModel()->commandAt(0)->intervalMs, 60000);

        m_ui.click(row);
        QTRY_COMPARE(detail->property("text").toString(), QStringLiteral("1 / 2"));
        m_ui.click(row);
        QTRY_COMPARE(action->property("text").toString(), QStringLiteral("▶ Run"));
        QVERIFY(!controller()->batchRunning());
        QVERIFY(describe(controller()->logStore())
                    .contains(QStringLiteral("SYS:Batch \"Poll\" stopped.")));

        m_ui.click(row, Qt::RightButton);
        QTRY_VERIFY(isOpen("batchMenu"));
        click("batchDeleteItem");
        QTRY_VERIFY(item("noBatchesLabel")->isVisible());
        QCOMPARE(controller()->batchCommandModel()->rowCount(), 0);
    }
};

QTEST_MAIN(TestCommandPanel)
#include "tst_commandpanel.moc"
