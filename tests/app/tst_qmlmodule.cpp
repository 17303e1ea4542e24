// The QML module as the interface sees it: the generated qmldir, the
// registered singletons, and the list models that QML may use but not create.
#include "app/appcontroller.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

class TestQmlModule : public QObject
{
    Q_OBJECT

private:
    static QQmlEngine* newEngine()
    {
        auto* engine = new QQmlEngine;
        korveltest::prepareQmlEngine(*engine);
        korveltest::provideController(*engine);
        return engine;
    }

private slots:
    void init() { korveltest::failOnQmlWarnings(); }

    void initTestCase() { korveltest::isolateSettings(); }

    void qmldirIsExact()
    {
        QFile file(QStringLiteral(":/qt/qml/Korvel/qmldir"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.last().isEmpty()) {
            lines.removeLast();
        }
        QStringList expected{QStringLiteral("module Korvel"),
                             QStringLiteral("typeinfo KorvelSerialAssistant.qmltypes"),
                             QStringLiteral("prefer :/qt/qml/Korvel/")};
        const QStringList documents{"Main",
                                    "Theme",
                                    "DialogCard",
                                    "ModalDim",
                                    "PortComboBox",
                                    "SerialSettingsPanel",
                                    "CommandLibraryPanel",
                                    "BatchStepReply",
                                    "RemoteAssistPanel",
                                    "CommandParamsPanel",
                                    "DataMonitorView",
                                    "FieldsPanel",
                                    "JsonLineDialog",
                                    "SaveLogDialog",
                                    "SettingsAboutDialog",
                                    "AboutDialog",
                                    "SoftwareUpdateDialog",
                                    "DriverHintDialog",
                                    "DriverListDialog",
                                    "ComboBox",
                                    "TextField",
                                    "TextArea",
                                    "CheckBox",
                                    "RadioButton",
                                    "SpinBox",
                                    "Menu",
                                    "Button",
                                    "ToolButton",
                                    "FocusRing",
                                    "ThemedContent",
                                    "MenuItem",
                                    "SendArea",
                                    "LineEndChooser",
                                    "ControlLinesPanel",
                                    "ModemStatusIndicators",
                                    "FileSendDialog",
                                    "FileSendProgress",
                                    "StatusBar",
                                    "ElidedLabel",
                                    "FramingOptions",
                                    "FindBar",
                                    "HighlightRulesEditor"};
        for (const QString& name : documents) {
            const QString line = QStringLiteral("%1 1.0 qml/%1.qml").arg(name);
            expected << (name == QLatin1String("Theme") ? QStringLiteral("singleton ") + line
                                                        : line);
        }
        expected << QStringLiteral("depends QtQuick");
        QCOMPARE(lines, expected);
        for (const QString& name : documents) {
            QVERIFY2(QFile::exists(QStringLiteral(":/qt/qml/Korvel/qml/%1.qml").arg(name)),
                     qPrintable(name));
        }
    }

    void resources_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* name :
             {"app.png", "clear.svg", "connect.svg", "copy.svg", "pause.svg", "refresh.svg",
              "save.svg", "send.svg", "settings.svg", "find.svg"}) {
            QTest::newRow(name) << QStringLiteral(":/icons/%1").arg(QLatin1String(name));
        }
    }

    void resources()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 0);
    }

    void modelsAreNotCreatable_data()
    {
        QTest::addColumn<QString>("type");
        for (const char* type : {"BatchCommandModel", "CommandHistoryModel", "CommandListModel",
                                 "LogListModel", "PortListModel"}) {
            QTest::newRow(type) << QString::fromLatin1(type);
        }
    }

    void modelsAreNotCreatable()
    {
        QFETCH(QString, type);
        std::unique_ptr<QQmlEngine> engine(newEngine());
        QQmlComponent component(engine.get());
        component.setData(QStringLiteral("import Korvel\n%1 {}\n").arg(type).toUtf8(), QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY(!object);
        QVERIFY2(component.errorString().contains(QLatin1String("Created by AppController")),
                 qPrintable(component.errorString()));
    }

    void singletonsAndDocumentsAreReachable()
    {
        std::unique_ptr<QQmlEngine> engine(newEngine());
        QQmlComponent component(engine.get());
        component.setData(R"(
import QtQuick
import Korvel
Item {
    property string version: AppController.appVersion
    property int baudCount: SerialOptions.baudRateOptions().length
    property bool themeIsObject: typeof Theme.dark === "boolean"
    property var logModel: AppController.logModel
    DialogCard {}
    ModalDim {}
}
)",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("baudCount").toInt(), 15);
        QVERIFY(object->property("themeIsObject").toBool());
        QVERIFY(object->property("logModel").value<QObject*>());
        // One controller per engine.
        auto* controller = korveltest::appController(*engine);
        QVERIFY(controller);
        QCOMPARE(object->property("logModel").value<QObject*>(), controller->logModel());
    }
};

QTEST_MAIN(TestQmlModule)
#include "tst_qmlmodule.moc"
