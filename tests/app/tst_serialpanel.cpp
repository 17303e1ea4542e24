// The serial settings panel in a window of its own, driven with real mouse and
// key events against a controller whose port list the test supplies.
#include "app/appcontroller.h"
#include "serial/portlistmodel.h"
#include "serial/serialoptions.h"
#include "settings/settingsstore.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QColor>
#include <QDir>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

QList<SerialPortEntry>& fakePorts()
{
    static QList<SerialPortEntry> ports;
    return ports;
}

SerialPortEntry port(const QString& name, const QString& description = {}, const QString& chip = {})
{
    return {name, description, chip, !chip.isEmpty()};
}

int configField(const SerialConfig& config, const QByteArray& field)
{
    if (field == "baud")
        return config.baudRate;
    if (field == "dataBits")
        return config.dataBits;
    if (field == "parity")
        return config.parity;
    if (field == "stopBits")
        return config.stopBits;
    if (field == "flowControl")
        return config.flowControl;
    return -1;
}

// Stands in for a French catalogue of the option labels.
class FrenchOptionLabels : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "SerialOptions") != 0)
            return {};
        static const QHash<QByteArray, QString> labels{{"None", QStringLiteral("Aucune")},
                                                       {"Even", QStringLiteral("Paire")},
                                                       {"Odd", QStringLiteral("Impaire")}};
        return labels.value(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestSerialPanel : public QObject
{
    Q_OBJECT

private:
    const AppServices m_ports = korveltest::testServices([] { return fakePorts(); });
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QQuickItem> m_root;
    QQuickItem* m_panel = nullptr;
    AppController* m_controller = nullptr;

    QQuickItem* item(const char* name) const
    {
        return m_panel->findChild<QQuickItem*>(QLatin1String(name));
    }

    QObject* popupOf(QQuickItem* combo) const { return combo->property("popup").value<QObject*>(); }

    void click(QQuickItem* target)
    {
        const QPoint centre =
            target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centre);
    }

    // Opens the combo with a click and clicks the given row of its popup.
    void pick(QQuickItem* combo, int row)
    {
        QVERIFY(combo);
        click(combo);
        QObject* popup = popupOf(combo);
        QTRY_VERIFY(popup->property("opened").toBool());
        auto* list = popup->property("contentItem").value<QQuickItem*>();
        QVERIFY(list);
        QQuickItem* rowItem = nullptr;
        QTRY_VERIFY(QMetaObject::invokeMethod(
                        list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, rowItem), Q_ARG(int, row)) &&
                    rowItem);
        click(rowItem);
        QTRY_VERIFY(!popup->property("visible").toBool());
    }

    QColor openButtonFill()
    {
        auto* background = item("openButton")->property("background").value<QQuickItem*>();
        return background ? background->property("color").value<QColor>() : QColor();
    }

    // Saves what the panel looks like when KORVEL_PANEL_SHOTS names a folder.
    void shoot(const QString& name)
    {
        const QString dir = qEnvironmentVariable("KORVEL_PANEL_SHOTS");
        if (dir.isEmpty())
            return;
        const QImage image = m_window->grabWindow();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(QDir(dir).filePath(QStringLiteral("serialpanel-%1.png").arg(name))));
    }

    void createPanel()
    {
        m_engine = std::make_unique<QQmlEngine>();
        korveltest::prepareQmlEngine(*m_engine);
        korveltest::provideController(*m_engine, m_ports);
        QQmlComponent component(m_engine.get());
        component.setData(R"(
import QtQuick
import Korvel
Rectangle {
    width: 330
    height: 800
    color: Theme.background
    palette: Theme.palette
    SerialSettingsPanel { objectName: "panel"; anchors.fill: parent }
}
)",
                          QUrl());
        m_root.reset(qobject_cast<QQuickItem*>(component.create()));
        QVERIFY2(m_root, qPrintable(component.errorString()));
        m_panel = m_root->findChild<QQuickItem*>(QStringLiteral("panel"));
        QVERIFY(m_panel);
        m_controller = korveltest::appController(*m_engine);
        QVERIFY(m_controller);

        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(330, 800);
        m_root->setParentItem(m_window->contentItem());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

private slots:
    void initTestCase()
    {
        // The offscreen platform does not ask for hover effects by itself.
        QGuiApplication::styleHints()->setUseHoverEffects(true);
    }

    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::isolateSettings();
        fakePorts().clear();
        createPanel();
    }

    void cleanup()
    {
        if (m_controller)
            m_controller->closePort();
        m_root.reset();
        m_window.reset();
        m_engine.reset();
        m_panel = nullptr;
        m_controller = nullptr;
    }

    void builtInModelDefaults()
    {
        const QVariantMap defaults =
            m_controller->serialDefaultsForModel(m_controller->currentModelId());
        QCOMPARE(m_controller->currentModelId(), QStringLiteral("HX4"));
        QVERIFY(defaults.value(QStringLiteral("present")).toBool());
        QCOMPARE(m_panel->property("selectedBaud").toInt(), 115200);
        QCOMPARE(m_panel->property("selectedDataBits").toInt(), 8);
        QCOMPARE(m_panel->property("selectedParity").toInt(), 0);
        QCOMPARE(m_panel->property("selectedStopBits").toInt(), 1);
        QCOMPARE(m_panel->property("selectedFlowControl").toInt(), 0);
        QCOMPARE(item("baudCombo")->property("displayText").toString(), QStringLiteral("115200"));
        QCOMPARE(item("parityCombo")->property("displayText").toString(), QStringLiteral("None"));
        QCOMPARE(item("stopBitsCombo")->property("displayText").toString(), QStringLiteral("1"));
        QVERIFY(m_panel->property("wrapLines").toBool());
    }

    // Choosing another device model moves the frame settings to its defaults.
    void modelDefaultsFollowTheModel()
    {
        cleanup();
        QSettings().setValue(QStringLiteral("library/cachedJson"),
                             QString::fromUtf8(korveltest::sampleLibrary()));
        createPanel();
        QCOMPARE(m_controller->modelIds(), (QStringList{"HX4", "AT2"}));

        m_controller->setCurrentModelId(QStringLiteral("AT2"));
        QCOMPARE(m_panel->property("selectedBaud").toInt(), 9600);
        QCOMPARE(m_panel->property("selectedParity").toInt(), 2);
        QCOMPARE(m_panel->property("selectedStopBits").toInt(), 2);
        QCOMPARE(item("parityCombo")->property("displayText").toString(), QStringLiteral("Even"));
        QCOMPARE(item("stopBitsCombo")->property("displayText").toString(), QStringLiteral("2"));

        m_controller->setCurrentModelId(QStringLiteral("HX4"));
        QCOMPARE(m_panel->property("selectedBaud").toInt(), 115200);
        QCOMPARE(m_panel->property("selectedParity").toInt(), 0);
        QCOMPARE(m_panel->property("selectedStopBits").toInt(), 1);
    }

    void optionListsShowTheirLabels_data()
    {
        QTest::addColumn<QByteArray>("combo");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("data bits")
            << QByteArray("dataBitsCombo") << QStringList{"5", "6", "7", "8"};
        QTest::newRow("parity") << QByteArray("parityCombo") << QStringList{"None", "Even", "Odd"};
        QTest::newRow("stop bits") << QByteArray("stopBitsCombo") << QStringList{"1", "1.5", "2"};
        QTest::newRow("flow control")
            << QByteArray("flowControlCombo") << QStringList{"None", "RTS/CTS", "XON/XOFF"};
    }

    // What the user reads in the open list, row by row.
    void optionListsShowTheirLabels()
    {
        QFETCH(QByteArray, combo);
        QFETCH(QStringList, labels);

        QQuickItem* chooser = item(combo.constData());
        QCOMPARE(chooser->property("count").toInt(), labels.size());
        click(chooser);
        QObject* popup = popupOf(chooser);
        QTRY_VERIFY(popup->property("opened").toBool());
        auto* list = popup->property("contentItem").value<QQuickItem*>();
        QStringList shown;
        for (int row = 0; row < labels.size(); ++row) {
            QQuickItem* rowItem = nullptr;
            QTRY_VERIFY(QMetaObject::invokeMethod(list, "itemAtIndex",
                                                  Q_RETURN_ARG(QQuickItem*, rowItem),
                                                  Q_ARG(int, row)) &&
                        rowItem);
            shown << rowItem->property("text").toString();
        }
        QCOMPARE(shown, labels);
    }

    void optionCodesReachOpenPort_data()
    {
        QTest::addColumn<QByteArray>("combo");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("code");
        QTest::newRow("baud 9600")
            << QByteArray("baudCombo") << 6 << QStringLiteral("9600") << QByteArray("baud") << 9600;
        QTest::newRow("baud 921600") << QByteArray("baudCombo") << 14 << QStringLiteral("921600")
                                     << QByteArray("baud") << 921600;
        QTest::newRow("data bits 7") << QByteArray("dataBitsCombo") << 2 << QStringLiteral("7")
                                     << QByteArray("dataBits") << 7;
        QTest::newRow("parity even") << QByteArray("parityCombo") << 1 << QStringLiteral("Even")
                                     << QByteArray("parity") << 2;
        QTest::newRow("parity odd")
            << QByteArray("parityCombo") << 2 << QStringLiteral("Odd") << QByteArray("parity") << 3;
        QTest::newRow("stop bits 1.5") << QByteArray("stopBitsCombo") << 1 << QStringLiteral("1.5")
                                       << QByteArray("stopBits") << 3;
        QTest::newRow("stop bits 2") << QByteArray("stopBitsCombo") << 2 << QStringLiteral("2")
                                     << QByteArray("stopBits") << 2;
        QTest::newRow("rts/cts") << QByteArray("flowControlCombo") << 1 << QStringLiteral("RTS/CTS")
                                 << QByteArray("flowControl") << 1;
        QTest::newRow("xon/xoff") << QByteArray("flowControlCombo") << 2
                                  << QStringLiteral("XON/XOFF") << QByteArray("flowControl") << 2;
    }

    void optionCodesReachOpenPort()
    {
        QFETCH(QByteArray, combo);
        QFETCH(int, row);
        QFETCH(QString, shown);
        QFETCH(QByteArray, field);
        QFETCH(int, code);

        korveltest::SocatPair pair;
        if (!pair.start())
            QSKIP(qPrintable(pair.error()));
        fakePorts() = {port(pair.appPath(), QStringLiteral("socat"), QStringLiteral("CH340"))};
        m_controller->refreshPorts();
        QCOMPARE(m_panel->property("selectedPort").toString(), pair.appPath());

        pick(item(combo.constData()), row);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(item(combo.constData())->property("displayText").toString(), shown);

        QSignalSpy failures(m_controller, &AppController::portOpenFailed);
        click(item("openButton"));
        QVERIFY2(m_controller->portOpen(),
                 qPrintable(failures.isEmpty() ? QString() : failures.first().first().toString()));
        const SerialConfig active = m_controller->serialManager().activeConfig();
        QCOMPARE(active.portName, pair.appPath());
        QCOMPARE(configField(active, field), code);
        // Every other field keeps its default.
        const SerialConfig defaults;
        for (const char* other : {"baud", "dataBits", "parity", "stopBits", "flowControl"}) {
            if (field != other)
                QCOMPARE(configField(active, other), configField(defaults, other));
        }
    }

    void noPorts()
    {
        QCOMPARE(m_controller->portListModel()->rowCount(), 0);
        QQuickItem* combo = item("portCombo");
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("No ports found"));
        QCOMPARE(m_panel->property("selectedPort").toString(), QString());

        // The chooser still opens, for its device path row, and lists no port.
        click(combo);
        QObject* popup = popupOf(combo);
        QTRY_VERIFY(popup->property("opened").toBool());
        auto* list = popup->property("contentItem").value<QQuickItem*>();
        QVERIFY(list);
        QCOMPARE(list->property("count").toInt(), 0);
        QVERIFY(list->findChild<QQuickItem*>(QStringLiteral("portPathRow"))->isVisible());
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!popup->property("visible").toBool());

        QSignalSpy failures(m_controller, &AppController::portOpenFailed);
        QCOMPARE(item("openButton")->property("text").toString(), QStringLiteral("Open port"));
        click(item("openButton"));
        QCOMPARE(failures.count(), 1);
        QCOMPARE(failures.first().first().toString(),
                 QStringLiteral("Select a serial port first."));
        QVERIFY(!m_controller->portOpen());

        // Once there is something to choose from, the same click opens the list.
        fakePorts() = {port(QStringLiteral("/dev/ttyKORVEL0"))};
        m_controller->refreshPorts();
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("/dev/ttyKORVEL0"));
        click(combo);
        QTRY_VERIFY(popupOf(combo)->property("opened").toBool());
    }

    void openAndCloseWithTheMouse_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QColor>("closedFill");
        QTest::addColumn<QColor>("closedHover");
        QTest::addColumn<QColor>("openFill");
        QTest::newRow("light") << QStringLiteral("light") << QColor("#456a8e") << QColor("#3b5b7a")
                               << QColor("#aa3333");
        QTest::newRow("dark") << QStringLiteral("dark") << QColor("#3f6d98") << QColor("#345b80")
                              << QColor("#b3403c");
    }

    void openAndCloseWithTheMouse()
    {
        QFETCH(QString, theme);
        QFETCH(QColor, closedFill);
        QFETCH(QColor, closedHover);
        QFETCH(QColor, openFill);

        korveltest::SocatPair pair;
        if (!pair.start())
            QSKIP(qPrintable(pair.error()));
        m_controller->setThemeMode(theme);
        fakePorts() = {port(QStringLiteral("/dev/ttyKORVEL0")),
                       port(pair.appPath(), QStringLiteral("socat"), QStringLiteral("CH340"))};
        m_controller->refreshPorts();
        QCOMPARE(m_controller->selectedPortName(), QStringLiteral("/dev/ttyKORVEL0"));

        QQuickItem* combo = item("portCombo");
        QQuickItem* button = item("openButton");
        QCOMPARE(openButtonFill(), closedFill);
        // Its label reads on every fill it takes (checked below at each).
        const auto labelContrast = [this, button] {
            auto* label = button->property("contentItem").value<QQuickItem*>();
            return korveltest::contrastRatio(label->property("color").value<QColor>(),
                                             openButtonFill());
        };
        QVERIFY2(labelContrast() >= 4.5, qPrintable(QString::number(labelContrast())));

        // The rows show the description, or a stand-in when there is none,
        // and the chip label only where there is one.
        click(combo);
        QObject* popup = popupOf(combo);
        QTRY_VERIFY(popup->property("opened").toBool());
        QVERIFY(popup->property("width").toReal() >= 280);
        auto* list = popup->property("contentItem").value<QQuickItem*>();
        auto textsOf = [list](int row) {
            QQuickItem* rowItem = nullptr;
            QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, rowItem),
                                      Q_ARG(int, row));
            QStringList texts;
            if (rowItem) {
                for (QQuickItem* child : rowItem->findChildren<QQuickItem*>()) {
                    const QString text = child->property("text").toString();
                    if (child->isVisible() && !text.isEmpty() &&
                        qstrcmp(child->metaObject()->className(), "QQuickText") == 0)
                        texts << text;
                }
            }
            texts.sort();
            return texts;
        };
        QCOMPARE(textsOf(0), (QStringList{QStringLiteral("/dev/ttyKORVEL0"),
                                          QStringLiteral("Unknown device")}));
        QStringList socatTexts{pair.appPath(), QStringLiteral("CH340"), QStringLiteral("socat")};
        socatTexts.sort();
        QCOMPARE(textsOf(1), socatTexts);
        shoot(theme + QStringLiteral("-popup"));
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!popup->property("visible").toBool());

        pick(combo, 1);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_controller->selectedPortName(), pair.appPath());
        QCOMPARE(combo->property("displayText").toString(), pair.appPath());
        QCOMPARE(m_panel->property("selectedPort").toString(), pair.appPath());

        QTest::mouseMove(m_window.get(), button->mapToScene(QPointF(10, 10)).toPoint());
        QTRY_COMPARE(openButtonFill(), closedHover);
        QVERIFY2(labelContrast() >= 4.5, qPrintable(QString::number(labelContrast())));
        shoot(theme);

        auto textColour = [this](const char* name) {
            auto* content = item(name)->property("contentItem").value<QQuickItem*>();
            return content ? content->property("color").value<QColor>() : QColor();
        };
        const QColor enabledText = textColour("baudCombo");
        click(button);
        QVERIFY(m_controller->portOpen());
        QCOMPARE(button->property("text").toString(), QStringLiteral("Close port"));
        // Locked settings look locked: their text fades.
        QTRY_VERIFY2(textColour("baudCombo") != enabledText,
                     qPrintable(textColour("baudCombo").name() + " " + enabledText.name()));
        QTest::mouseMove(m_window.get(), QPoint(1, 1));
        QTRY_COMPARE(openButtonFill(), openFill);
        QVERIFY2(labelContrast() >= 4.5, qPrintable(QString::number(labelContrast())));
        for (const char* name : {"portCombo", "refreshPortsButton", "baudCombo", "dataBitsCombo",
                                 "parityCombo", "stopBitsCombo", "flowControlCombo"}) {
            QVERIFY2(!item(name)->isEnabled(), name);
        }
        QVERIFY(button->isEnabled());
        QVERIFY(item("rxHexRadio")->isEnabled());
        shoot(theme + QStringLiteral("-open"));

        click(button);
        QVERIFY(!m_controller->portOpen());
        QCOMPARE(button->property("text").toString(), QStringLiteral("Open port"));
        for (const char* name : {"portCombo", "baudCombo", "flowControlCombo"}) {
            QVERIFY2(item(name)->isEnabled(), name);
        }
    }

    // The edge of every check and radio indicator stands out from the
    // panel (3:1), checked or not, in both themes.
    void indicatorsStandOut_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QByteArray>("control");
        for (const char* theme : {"light", "dark"}) {
            for (const char* control :
                 {"rxAsciiRadio", "rxHexRadio", "txHexRadio", "echoCheck", "repeatCheck"}) {
                QTest::addRow("%s, %s", theme, control) << theme << QByteArray(control);
            }
        }
    }

    void indicatorsStandOut()
    {
        QFETCH(QString, theme);
        QFETCH(QByteArray, control);
        m_controller->setThemeMode(theme);
        auto* indicator = item(control.constData())->property("indicator").value<QQuickItem*>();
        QVERIFY(indicator);
        QObject* pen = indicator->property("border").value<QObject*>();
        QVERIFY(pen);
        const QColor edge = pen->property("color").value<QColor>();
        const QColor panel = m_root->property("color").value<QColor>();
        const double ratio = korveltest::contrastRatio(edge, panel);
        QVERIFY2(
            ratio >= 3.0,
            qPrintable(QStringLiteral("%1 on %2: %3").arg(edge.name(), panel.name()).arg(ratio)));
    }

    // A model chosen while the port is open does not change what the panel
    // shows: the settings in effect. They come when the port closes, with a
    // line in the log, and the next open uses them.
    void modelChosenWhileOpenWaitsForTheClose_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("baudAfter");
        QTest::addColumn<QString>("logged");
        QTest::newRow("another model") << QStringList{"AT2"} << 9600
                                       << "SYS:Serial settings of AT2 now shown for the next "
                                          "open: 9600 8-E-2";
        QTest::newRow("there and back") << QStringList{"AT2", "HX4"} << 115200 << QString();
    }

    void modelChosenWhileOpenWaitsForTheClose()
    {
        QFETCH(QStringList, chosen);
        QFETCH(int, baudAfter);
        QFETCH(QString, logged);
        cleanup();
        korveltest::isolateSettings();
        QSettings().setValue(QStringLiteral("library/cachedJson"),
                             QString::fromUtf8(korveltest::sampleLibrary()));
        createPanel();
        korveltest::SocatPair pair;
        if (!pair.start())
            QSKIP(qPrintable(pair.error()));
        fakePorts() = {port(pair.appPath())};
        m_controller->refreshPorts();
        QCOMPARE(m_controller->currentModelId(), QStringLiteral("HX4"));
        click(item("openButton"));
        QVERIFY(m_controller->portOpen());

        for (const QString& model : chosen) {
            m_controller->setCurrentModelId(model);
        }
        QTest::qWait(50); // the panel would have changed by now
        QCOMPARE(m_panel->property("selectedBaud").toInt(), 115200);
        QCOMPARE(m_panel->property("selectedParity").toInt(), 0);
        QCOMPARE(item("baudCombo")->property("displayText").toString(), QStringLiteral("115200"));
        const qsizetype entries = m_controller->logStore().entries().size();

        click(item("openButton"));
        QVERIFY(!m_controller->portOpen());
        QTRY_COMPARE(m_panel->property("selectedBaud").toInt(), baudAfter);
        const QStringList log = korveltest::describe(m_controller->logStore());
        QCOMPARE(log.at(entries), QStringLiteral("SYS:Port closed"));
        if (logged.isEmpty()) {
            QCOMPARE(log.size(), entries + 1);
        } else {
            QCOMPARE(log.mid(entries + 1), QStringList{logged});
            QCOMPARE(m_panel->property("selectedParity").toInt(), 2);
            QCOMPARE(m_panel->property("selectedStopBits").toInt(), 2);
        }

        // The next open uses what the panel shows.
        click(item("openButton"));
        QVERIFY(m_controller->portOpen());
        QCOMPARE(SettingsStore().lastSerialConfig().baudRate, baudAfter);
    }

    // The chooser says "No ports found" only when there are none; a port
    // that leaves the list while chosen is named as gone.
    void chooserTellsWhatBecameOfThePort_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("shown");
        QTest::newRow("the only port goes")
            << QStringList{"/dev/ttyKORVEL0"} << QStringList{} << "/dev/ttyKORVEL0 is gone";
        QTest::newRow("the chosen one of two goes")
            << QStringList{"/dev/ttyKORVEL0", "/dev/ttyKORVEL1"} << QStringList{"/dev/ttyKORVEL1"}
            << "/dev/ttyKORVEL0 is gone";
        QTest::newRow("none ever") << QStringList{} << QStringList{} << "No ports found";
        QTest::newRow("it stays") << QStringList{"/dev/ttyKORVEL0"}
                                  << QStringList{"/dev/ttyKORVEL0", "/dev/ttyKORVEL1"}
                                  << "/dev/ttyKORVEL0";
    }

    void chooserTellsWhatBecameOfThePort()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QString, shown);
        QQuickItem* combo = item("portCombo");
        fakePorts().clear();
        for (const QString& name : before)
            fakePorts() << port(name);
        m_controller->refreshPorts();
        fakePorts().clear();
        for (const QString& name : after)
            fakePorts() << port(name);
        m_controller->refreshPorts();
        QTRY_COMPARE(combo->property("displayText").toString(), shown);
        // Picking another port puts the message away.
        if (!after.isEmpty() && shown.endsWith(QLatin1String("gone"))) {
            m_controller->setSelectedPortName(after.constFirst());
            QTRY_COMPARE(combo->property("displayText").toString(), after.constFirst());
            QCOMPARE(m_controller->property("missingPortName").toString(), QString());
        }
    }

    // What does not fit is cut with "…" (a path keeps its end, which names
    // the device) and shows whole in a tool tip.
    void longTextsAreCutAndShownWhole()
    {
        const QString path = QStringLiteral(
            "/dev/serial/by-id/usb-1a86_USB_Serial_Converter_5A7B0123456-if00-port0");
        fakePorts() = {port(path)};
        m_controller->refreshPorts();
        QQuickItem* combo = item("portCombo");
        QTRY_COMPARE(combo->property("displayText").toString(), path);
        auto* shownText = combo->property("contentItem").value<QQuickItem*>();
        QVERIFY(shownText);
        QTRY_VERIFY(shownText->property("truncated").toBool());
        QTest::mouseMove(m_window.get(),
                         combo->mapToScene(QPointF(30, combo->height() / 2)).toPoint());
        QTRY_VERIFY(combo->property("hovered").toBool());
        QVERIFY(combo->property("textTruncated").toBool());
        // The combo's own document names the tool tip through its Fusion import.
        QTRY_VERIFY(
            QQmlProperty::read(combo, QStringLiteral("F.ToolTip.visible"), qmlContext(combo))
                .toBool());
        QCOMPARE(QQmlProperty::read(combo, QStringLiteral("F.ToolTip.text"), qmlContext(combo))
                     .toString(),
                 path);
    }

    void checkBoxesAreTwoWay_data()
    {
        QTest::addColumn<QByteArray>("checkBox");
        QTest::addColumn<QByteArray>("owner");
        QTest::addColumn<QByteArray>("property");
        QTest::newRow("timestamp")
            << QByteArray("showTimestampCheck") << QByteArray("log") << QByteArray("showTimestamp");
        QTest::newRow("wrap") << QByteArray("wrapLinesCheck") << QByteArray("panel")
                              << QByteArray("wrapLines");
        QTest::newRow("echo") << QByteArray("echoCheck") << QByteArray("controller")
                              << QByteArray("echoTx");
        QTest::newRow("crc") << QByteArray("crcCheck") << QByteArray("controller")
                             << QByteArray("crcEnabled");
        QTest::newRow("repeat") << QByteArray("repeatCheck") << QByteArray("controller")
                                << QByteArray("repeatSendEnabled");
    }

    void checkBoxesAreTwoWay()
    {
        QFETCH(QByteArray, checkBox);
        QFETCH(QByteArray, owner);
        QFETCH(QByteArray, property);

        QObject* target = owner == "log"     ? static_cast<QObject*>(m_controller->logModel())
                          : owner == "panel" ? static_cast<QObject*>(m_panel)
                                             : static_cast<QObject*>(m_controller);
        QQuickItem* box = item(checkBox.constData());
        QVERIFY(box);
        const bool initial = target->property(property.constData()).toBool();
        QCOMPARE(box->property("checked").toBool(), initial);

        QVERIFY(target->setProperty(property.constData(), !initial));
        QCOMPARE(box->property("checked").toBool(), !initial);

        click(box);
        QCOMPARE(target->property(property.constData()).toBool(), initial);
        QCOMPARE(box->property("checked").toBool(), initial);
        click(box);
        QCOMPARE(target->property(property.constData()).toBool(), !initial);

        // The click did not cut the box loose from the property.
        QVERIFY(target->setProperty(property.constData(), initial));
        QCOMPARE(box->property("checked").toBool(), initial);
    }

    void radioButtonsSetTheMode_data()
    {
        QTest::addColumn<QByteArray>("ascii");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<bool>("onLogModel");
        QTest::newRow("receive") << QByteArray("rxAsciiRadio") << QByteArray("rxHexRadio") << true;
        QTest::newRow("transmit") << QByteArray("txAsciiRadio") << QByteArray("txHexRadio")
                                  << false;
    }

    void radioButtonsSetTheMode()
    {
        QFETCH(QByteArray, ascii);
        QFETCH(QByteArray, hex);
        QFETCH(bool, onLogModel);

        QObject* target = onLogModel ? static_cast<QObject*>(m_controller->logModel())
                                     : static_cast<QObject*>(m_controller);
        const char* property = onLogModel ? "hexMode" : "sendAsHex";
        QQuickItem* asciiRadio = item(ascii.constData());
        QQuickItem* hexRadio = item(hex.constData());
        QVERIFY(!target->property(property).toBool());
        QVERIFY(asciiRadio->property("checked").toBool());
        QVERIFY(!hexRadio->property("checked").toBool());

        click(hexRadio);
        QVERIFY(target->property(property).toBool());
        QVERIFY(!asciiRadio->property("checked").toBool());
        click(asciiRadio);
        QVERIFY(!target->property(property).toBool());
        QVERIFY(!hexRadio->property("checked").toBool());

        target->setProperty(property, true);
        QVERIFY(hexRadio->property("checked").toBool());
        QVERIFY(!asciiRadio->property("checked").toBool());
        target->setProperty(property, false);
        QVERIFY(asciiRadio->property("checked").toBool());

        // The other pair stays as it was.
        const QByteArray otherHex = onLogModel ? "txHexRadio" : "rxHexRadio";
        click(hexRadio);
        QVERIFY(!item(otherHex.constData())->property("checked").toBool());
    }

    void repeatIntervalRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << QStringLiteral("0") << 0;
        QTest::newRow("step") << QStringLiteral("250") << 250;
        QTest::newRow("maximum") << QStringLiteral("3600000") << 3600000;
        QTest::newRow("above maximum") << QStringLiteral("4000000") << 3600000;
    }

    void repeatIntervalRange()
    {
        QFETCH(QString, typed);
        QFETCH(int, expected);

        QQuickItem* spin = item("repeatIntervalSpin");
        QCOMPARE(spin->property("value").toInt(), m_controller->repeatIntervalMs());
        auto* editor = spin->property("contentItem").value<QQuickItem*>();
        click(editor);
        QTRY_VERIFY(editor->hasActiveFocus());
        QTest::keySequence(m_window.get(), QKeySequence::SelectAll);
        for (const QChar digit : typed) {
            QTest::keyClick(m_window.get(), digit.toLatin1());
        }
        QTest::keyClick(m_window.get(), Qt::Key_Return);
        QCOMPARE(m_controller->repeatIntervalMs(), expected);
        QCOMPARE(spin->property("value").toInt(), expected);

        // Stepping never leaves the range either.
        QTest::keyClick(m_window.get(), expected == 0 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(m_controller->repeatIntervalMs(),
                 expected == 0 || expected == 3600000 ? expected : expected + 50);

        // And it shows a value set elsewhere.
        m_controller->setRepeatIntervalMs(1500);
        QCOMPARE(spin->property("value").toInt(), 1500);
    }

    void framingChoiceAndPause_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << QStringLiteral("0") << 1;
        QTest::newRow("least") << QStringLiteral("1") << 1;
        QTest::newRow("some") << QStringLiteral("45") << 45;
        QTest::newRow("above the most") << QStringLiteral("1500") << 1000;
    }

    void framingChoiceAndPause()
    {
        QFETCH(QString, typed);
        QFETCH(int, expected);

        QQuickItem* lines = item("rxLinesRadio");
        QQuickItem* frames = item("rxFramesRadio");
        QQuickItem* spin = item("framePauseSpin");
        QVERIFY(lines->property("checked").toBool());
        QVERIFY(!m_controller->framesBySilence());
        // The pause means nothing for lines.
        QVERIFY(!spin->isEnabled());
        QCOMPARE(spin->property("value").toInt(), 20);

        click(frames);
        QVERIFY(m_controller->framesBySilence());
        QVERIFY(!lines->property("checked").toBool());
        QVERIFY(spin->isEnabled());
        auto* editor = spin->property("contentItem").value<QQuickItem*>();
        click(editor);
        QTRY_VERIFY(editor->hasActiveFocus());
        QTest::keySequence(m_window.get(), QKeySequence::SelectAll);
        for (const QChar digit : typed) {
            QTest::keyClick(m_window.get(), digit.toLatin1());
        }
        QTest::keyClick(m_window.get(), Qt::Key_Return);
        QCOMPARE(m_controller->framePauseMs(), expected);
        QCOMPARE(spin->property("value").toInt(), expected);

        // Both follow the controller, and lines come back with a click.
        m_controller->setFramePauseMs(250);
        QCOMPARE(spin->property("value").toInt(), 250);
        click(lines);
        QVERIFY(!m_controller->framesBySilence());
        QVERIFY(!frames->property("checked").toBool());
        QVERIFY(!spin->isEnabled());
        m_controller->setFramesBySilence(true);
        QVERIFY(frames->property("checked").toBool());
    }

    void chooserFollowsTheControllersSelection()
    {
        const QString a = QStringLiteral("/dev/ttyKORVEL_A");
        const QString b = QStringLiteral("/dev/ttyKORVEL_B");
        QQuickItem* combo = item("portCombo");

        fakePorts() = {port(a), port(b)};
        m_controller->refreshPorts();
        QCOMPARE(m_controller->selectedPortName(), a);
        QCOMPARE(combo->property("currentIndex").toInt(), 0);

        m_controller->setSelectedPortName(b);
        QCOMPARE(combo->property("currentIndex").toInt(), 1);
        QCOMPARE(combo->property("displayText").toString(), b);

        // Same length, other order: only the reset tells the chooser.
        fakePorts() = {port(b), port(a)};
        m_controller->refreshPorts();
        QCOMPARE(m_controller->selectedPortName(), b);
        QCOMPARE(combo->property("currentIndex").toInt(), 0);
        QCOMPARE(combo->property("displayText").toString(), b);
        QCOMPARE(m_panel->property("selectedPort").toString(), b);

        fakePorts() = {port(QStringLiteral("/dev/ttyKORVEL_C")), port(a), port(b)};
        m_controller->refreshPorts();
        QCOMPARE(combo->property("currentIndex").toInt(), 2);
        QCOMPARE(m_panel->property("selectedPort").toString(), b);

        // The selected port goes away; the controller drops it and so does
        // the chooser, which says where it went (there are ports left).
        fakePorts() = {port(a)};
        m_controller->refreshPorts();
        QCOMPARE(m_controller->selectedPortName(), QString());
        QCOMPARE(combo->property("currentIndex").toInt(), -1);
        QCOMPARE(m_panel->property("selectedPort").toString(), QString());
        QCOMPARE(combo->property("displayText").toString(), b + QStringLiteral(" is gone"));
    }

    // A model without serial defaults: a language change only re-labels.
    void languageChangeKeepsChoices()
    {
        cleanup();
        QSettings().setValue(QStringLiteral("library/cachedJson"),
                             QStringLiteral(R"({"models":[{"id":"NoSerial"}]})"));
        createPanel();
        pick(item("parityCombo"), 1);
        pick(item("flowControlCombo"), 2);
        pick(item("stopBitsCombo"), 1);
        pick(item("dataBitsCombo"), 0);
        pick(item("baudCombo"), 3);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_panel->property("selectedParity").toInt(), 2);
        QCOMPARE(m_panel->property("selectedFlowControl").toInt(), 2);

        FrenchOptionLabels french;
        QCoreApplication::installTranslator(&french);
        // Only the controller's language change makes the panel rebuild.
        QCOMPARE(item("parityCombo")->property("displayText").toString(), QStringLiteral("Even"));
        m_controller->setCurrentLanguage(QStringLiteral("fr"));
        QCOMPARE(item("parityCombo")->property("displayText").toString(), QStringLiteral("Paire"));
        QCOMPARE(item("parityCombo")->property("count").toInt(), 3);
        QCOMPARE(item("flowControlCombo")->property("displayText").toString(),
                 QStringLiteral("XON/XOFF"));
        QCOMPARE(m_panel->property("selectedParity").toInt(), 2);
        QCOMPARE(m_panel->property("selectedFlowControl").toInt(), 2);
        QCOMPARE(m_panel->property("selectedStopBits").toInt(), 3);
        QCOMPARE(m_panel->property("selectedDataBits").toInt(), 5);
        QCOMPARE(m_panel->property("selectedBaud").toInt(), 1200);

        // The rebuilt list is the one the user picks from.
        pick(item("parityCombo"), 2);
        QCOMPARE(item("parityCombo")->property("displayText").toString(),
                 QStringLiteral("Impaire"));
        QCOMPARE(m_panel->property("selectedParity").toInt(), 3);

        QCoreApplication::removeTranslator(&french);
        m_controller->setCurrentLanguage(QStringLiteral("en"));
        QCOMPARE(item("parityCombo")->property("displayText").toString(), QStringLiteral("Odd"));
        QCOMPARE(m_panel->property("selectedParity").toInt(), 3);
        QCOMPARE(m_panel->property("selectedFlowControl").toInt(), 2);
    }

    // The controller announces a model change with every language change, so
    // a model with serial defaults gets them back.
    void languageChangeReappliesModelDefaults()
    {
        pick(item("parityCombo"), 1);
        pick(item("baudCombo"), 3);
        QCOMPARE(m_panel->property("selectedParity").toInt(), 2);
        m_controller->setCurrentLanguage(QStringLiteral("fr"));
        QCOMPARE(m_panel->property("selectedParity").toInt(), 0);
        QCOMPARE(m_panel->property("selectedBaud").toInt(), 115200);
        m_controller->setCurrentLanguage(QStringLiteral("en"));
    }
};

QTEST_MAIN(TestSerialPanel)
#include "tst_serialpanel.moc"
