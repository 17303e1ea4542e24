// The controller's command actions: which library it loads, the device
// model choice, loading commands and filled-in templates into the draft,
// parameters, previews and a model's serial defaults.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"
#include "util/textbounds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {

void cacheLibrary(const QByteArray& json)
{
    QSettings().setValue(QStringLiteral("library/cachedJson"), QString::fromUtf8(json));
}

// The visible row of the command with this English name, or -1.
int rowNamed(const AppController& controller, const QString& name)
{
    CommandListModel* model = controller.commandModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->commandAt(row)->name.en == name) {
            return row;
        }
    }
    return -1;
}

QJsonObject command(const char* name, const QString& cmd, const QJsonArray& params = {})
{
    return {{"id", QString::fromLatin1(name)},
            {"name", QJsonObject{{"en", QString::fromLatin1(name)}}},
            {"cmd", cmd},
            {"params", params}};
}

QJsonObject param(const char* key, const QString& defaultValue, const QString& hint = {})
{
    return {{"key", QString::fromLatin1(key)}, {"default", defaultValue}, {"hint", hint}};
}

// A text model "T" whose "explode" fills in to 160 million characters (each default holds
// twenty of the next placeholder) beside an ordinary "interval", and a JSON model "J" whose
// "payload" is one character longer than the send box takes.
QByteArray tooLongLibrary()
{
    const auto twenty = [](const char* placeholder) {
        return QString::fromLatin1(placeholder).repeated(20);
    };
    const QJsonObject text{
        {"id", "T"},
        {"protocol", "text"},
        {"commands",
         QJsonArray{command("explode", twenty("<a>"),
                            {param("a", twenty("<b>")), param("b", twenty("<c>")),
                             param("c", twenty("<d>")), param("d", QString(1000, 'Z'))}),
                    command("interval", QStringLiteral("AT+INTERVAL=<sec>"),
                            {param("sec", QStringLiteral("60"))})}}};
    const QByteArray payload(TextBounds::Command + 1, '{');
    const QJsonObject json{
        {"id", "J"},
        {"protocol", "json"},
        {"commands",
         QJsonArray{QJsonObject{{"id", "p"},
                                {"name", QJsonObject{{"en", "payload"}}},
                                {"payloadBase64", QString::fromLatin1(payload.toBase64())}}}}};
    return QJsonDocument(QJsonObject{{"version", "huge"}, {"models", QJsonArray{text, json}}})
        .toJson();
}

// One command "long" whose first parameter has @p hint and whose second has @p defaultValue.
QByteArray longParameterLibrary(const QString& hint, const QString& defaultValue)
{
    const QJsonObject model{
        {"id", "T"},
        {"commands", QJsonArray{command("long", QStringLiteral("<h>|<d>"),
                                        {param("h", {}, hint), param("d", defaultValue)})}}};
    return QJsonDocument(QJsonObject{{"models", QJsonArray{model}}}).toJson();
}

} // namespace

class TestCommandActions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettings(); }

    void init()
    {
        korveltest::clearSettings();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    }

    void libraryChoiceAtStart_data()
    {
        QTest::addColumn<QByteArray>("cached");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("modelIds");
        QTest::addColumn<int>("commands");
        QTest::newRow("nothing cached: built in")
            << QByteArray() << "lib-2026.08.12" << QStringList{"HX4"} << 3;
        QTest::newRow("a cached library that parses")
            << korveltest::sampleLibrary() << "lib-2026.09.30" << QStringList{"HX4", "AT2"} << 10;
        QTest::newRow("a cached text that does not parse")
            << QByteArray("{\"models\":[") << "lib-2026.08.12" << QStringList{"HX4"} << 3;
        QTest::newRow("a cached empty library")
            << QByteArray(R"({"models":[]})") << "" << QStringList{} << 0;
    }

    void libraryChoiceAtStart()
    {
        QFETCH(QByteArray, cached);
        QFETCH(QString, version);
        QFETCH(QStringList, modelIds);
        QFETCH(int, commands);
        cacheLibrary(cached);
        AppController controller;
        QCOMPARE(controller.libraryVersion(), version);
        QCOMPARE(controller.modelIds(), modelIds);
        QCOMPARE(controller.modelCount(), int(modelIds.size()));
        QCOMPARE(controller.commandCount(), commands);
        // No stored model: the first one, not written back.
        QCOMPARE(controller.currentModelId(), modelIds.value(0));
        QVERIFY(!QSettings().contains(QStringLiteral("device/lastModel")));
    }

    void storedModelIsChosen()
    {
        cacheLibrary(korveltest::sampleLibrary());
        QSettings().setValue(QStringLiteral("device/lastModel"), QStringLiteral("AT2"));
        AppController controller;
        QCOMPARE(controller.currentModelId(), QStringLiteral("AT2"));
        QCOMPARE(controller.currentModelDescription(),
                 QStringLiteral("Korvel AT2 · Temperature alarm · AT commands"));
        QCOMPARE(controller.commandModel()->rowCount(), 7);
    }

    void templatesShowWithAnEmptyLibrary()
    {
        cacheLibrary(R"({"models":[]})");
        AppController first;
        first.addCustomTemplate(QStringLiteral("Mine"), QStringLiteral("PING"));
        AppController second;
        QCOMPARE(second.currentModelId(), QString());
        QCOMPARE(second.currentModelDescription(), QString());
        QCOMPARE(second.commandModel()->rowCount(), 1);
        second.loadCommandIntoDraft(0);
        QCOMPARE(second.draftText(), QStringLiteral("PING"));
    }

    void choosingTheModel()
    {
        cacheLibrary(korveltest::sampleLibrary());
        AppController controller;
        QSignalSpy changed(&controller, &AppController::currentModelChanged);
        controller.commandModel()->setSearchText(QStringLiteral("wifi"));

        controller.setCurrentModelId(QStringLiteral("HX4")); // already current
        QCOMPARE(changed.count(), 0);
        QCOMPARE(controller.commandModel()->searchText(), QStringLiteral("wifi"));
        QVERIFY(!QSettings().contains(QStringLiteral("device/lastModel")));

        controller.setCurrentModelId(QStringLiteral("AT2"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(controller.commandModel()->searchText(), QString());
        QCOMPARE(QSettings().value(QStringLiteral("device/lastModel")).toString(),
                 QStringLiteral("AT2"));
        QCOMPARE(rowNamed(controller, QStringLiteral("Set report interval")), 3);

        // An id that is not in the library shows the first model.
        controller.setCurrentModelId(QStringLiteral("XYZ"));
        QCOMPARE(controller.currentModelId(), QStringLiteral("XYZ"));
        QCOMPARE(controller.currentModelDescription(),
                 QStringLiteral("Korvel HX4 · Temp/Humidity + Light + WiFi"));
    }

    void readSensorDataLoadsItsPayload()
    {
        AppController controller;
        const int row = rowNamed(controller, QStringLiteral("Read sensor data"));
        QVERIFY(row >= 0);
        QSignalSpy draft(&controller, &AppController::draftTextChanged);
        controller.loadCommandIntoDraft(row);
        QCOMPARE(controller.draftText(), QStringLiteral(R"({"command":"ReadData"})"));
        controller.loadCommandIntoDraft(row);
        QCOMPARE(draft.count(), 1);
        controller.loadCommandIntoDraft(-1);
        controller.loadCommandIntoDraft(3);
        QCOMPARE(draft.count(), 1);
        QVERIFY(controller.logStore().entries().isEmpty());
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 0);
    }

    void serialDefaults_data()
    {
        QTest::addColumn<QByteArray>("cached");
        QTest::addColumn<QString>("modelId");
        QTest::addColumn<QVariantMap>("expected");
        const QVariantMap hx4{{"present", true}, {"baudRate", 115200}, {"dataBits", 8},
                              {"parity", 0},     {"stopBits", 1},      {"flowControl", 0}};
        QTest::newRow("built-in HX4") << QByteArray() << "HX4" << hx4;
        QTest::newRow("unknown id: the first model") << QByteArray() << "nope" << hx4;
        QTest::newRow("empty id: the first model") << QByteArray() << "" << hx4;
        QTest::newRow("AT2") << korveltest::sampleLibrary() << "AT2"
                             << QVariantMap{{"present", true}, {"baudRate", 9600},
                                            {"dataBits", 8},   {"parity", 2},
                                            {"stopBits", 2},   {"flowControl", 0}};
        QTest::newRow("empty library")
            << QByteArray(R"({"models":[]})") << "HX4" << QVariantMap{{"present", false}};
        QTest::newRow("model without serial")
            << QByteArray(R"({"models":[{"id":"N"}]})") << "N" << QVariantMap{{"present", false}};
    }

    void serialDefaults()
    {
        QFETCH(QByteArray, cached);
        QFETCH(QString, modelId);
        QFETCH(QVariantMap, expected);
        cacheLibrary(cached);
        AppController controller;
        const QVariantMap defaults = controller.serialDefaultsForModel(modelId);
        QCOMPARE(defaults, expected);
        for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
            QCOMPARE(it.value().typeId(),
                     it.key() == QLatin1String("present") ? QMetaType::Bool : QMetaType::Int);
        }
    }

    void preview_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QString>("expected");
        QTest::newRow("value") << "Set report interval" << QVariantMap{{"sec", 30}}
                               << "AT+INTERVAL=30";
        QTest::newRow("default") << "Set report interval" << QVariantMap{} << "AT+INTERVAL=60";
        QTest::newRow("empty value: default")
            << "Set report interval" << QVariantMap{{"sec", ""}} << "AT+INTERVAL=60";
        QTest::newRow("hint") << "Set device name" << QVariantMap{} << "AT+NAME=AT2-Lab";
        QTest::newRow("two parameters")
            << "Set alarm thresholds" << QVariantMap{{"high", 40.5}} << "AT+ALARM=10,40.5";
        QTest::newRow("other keys are ignored")
            << "Check connection" << QVariantMap{{"sec", 1}} << "AT";
        QTest::newRow("template") << "Mine" << QVariantMap{{"x", 1}} << "AT+RST <x>";
    }

    void preview()
    {
        QFETCH(QString, command);
        QFETCH(QVariantMap, values);
        QFETCH(QString, expected);
        cacheLibrary(korveltest::sampleLibrary());
        QSettings().setValue(QStringLiteral("device/lastModel"), QStringLiteral("AT2"));
        AppController controller;
        controller.addCustomTemplate(QStringLiteral("Mine"), QStringLiteral("AT+RST <x>"));
        const int row = rowNamed(controller, command);
        QVERIFY(row >= 0);
        QCOMPARE(controller.previewCommand(row, values), expected);

        QSignalSpy draft(&controller, &AppController::draftTextChanged);
        controller.loadCommandWithParamsIntoDraft(row, values);
        QCOMPARE(controller.draftText(), expected);
        controller.loadCommandWithParamsIntoDraft(row, values);
        QCOMPARE(draft.count(), 1);
    }

    void jsonCommandsPreviewNothing()
    {
        AppController controller;
        const int row = rowNamed(controller, QStringLiteral("Set WiFi"));
        QCOMPARE(controller.previewCommand(row, {{"SSID", "lab"}}), QString());
        // The parameters are still reported; the list never offers the form.
        QCOMPARE(controller.paramsForRow(row).size(), 3);
        QCOMPARE(
            controller.commandModel()->index(row).data(CommandListModel::HasParamsRole).toBool(),
            false);
    }

    void badRowsGiveEmptyResults_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("negative") << -1;
        QTest::newRow("row count") << 3;
    }

    void badRowsGiveEmptyResults()
    {
        QFETCH(int, row);
        AppController controller;
        controller.setDraftText(QStringLiteral("keep"));
        QCOMPARE(controller.paramsForRow(row), QVariantList());
        QCOMPARE(controller.commandNameForRow(row), QString());
        QCOMPARE(controller.previewCommand(row, {{"SSID", "x"}}), QString());
        QCOMPARE(controller.previewProblem(row, {{"SSID", "x"}}), QString());
        controller.loadCommandWithParamsIntoDraft(row, {});
        QCOMPARE(controller.draftText(), QStringLiteral("keep"));
    }

    // A command that would be too long for the send box, as it stands in the library or once
    // filled in, is refused: the preview shows why instead of the text, inserting it logs the
    // reason, and the draft stays as it was.
    void commandsTooLongForTheSendBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<bool>("withForm");
        QTest::addColumn<QString>("expected");

        QTest::newRow("placeholders that multiply")
            << "explode" << QVariantMap{} << true << QString();
        QTest::newRow("a value typed past the bound")
            << "interval" << QVariantMap{{"sec", QString(TextBounds::Command, '9')}} << true
            << QString();
        QTest::newRow("a value up to the bound")
            << "interval" << QVariantMap{{"sec", QString(TextBounds::Command - 12, '9')}} << true
            << QStringLiteral("AT+INTERVAL=") + QString(TextBounds::Command - 12, '9');
        QTest::newRow("a payload past the bound")
            << "payload" << QVariantMap{} << false << QString();
    }

    void commandsTooLongForTheSendBox()
    {
        QFETCH(QString, name);
        QFETCH(QVariantMap, values);
        QFETCH(bool, withForm);
        QFETCH(QString, expected);
        cacheLibrary(tooLongLibrary());
        QSettings().setValue(QStringLiteral("device/lastModel"), withForm ? "T" : "J");
        AppController controller;
        const int row = rowNamed(controller, name);
        QVERIFY(row >= 0);
        controller.setDraftText(QStringLiteral("keep"));
        QSignalSpy draft(&controller, &AppController::draftTextChanged);

        if (withForm) {
            QCOMPARE(controller.previewCommand(row, values), expected);
            QCOMPARE(controller.previewProblem(row, values).isEmpty(), !expected.isEmpty());
            controller.loadCommandWithParamsIntoDraft(row, values);
        } else {
            controller.loadCommandIntoDraft(row);
        }
        const QStringList errors =
            korveltest::describe(controller.logStore()).filter(QStringLiteral("ERR:"));
        if (expected.isEmpty()) {
            QCOMPARE(controller.draftText(), QStringLiteral("keep"));
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().contains(QLocale().toString(TextBounds::Command)),
                     qPrintable(errors.first()));
            if (withForm) {
                QCOMPARE(errors.first(),
                         QStringLiteral("ERR:") + controller.previewProblem(row, values));
            }
        } else {
            QCOMPARE(controller.draftText(), expected);
            QCOMPARE(errors, QStringList());
            QCOMPARE(draft.size(), 1);
        }
    }

    // The form shows a hint no longer than a caption (the command still falls back to the whole
    // one) and a default no longer than a command.
    void longParameterTextsCutForTheForm()
    {
        const QString longHint(4 * TextBounds::Caption, 'h');
        const QString longDefault(TextBounds::Command + 100, 'd');
        cacheLibrary(longParameterLibrary(longHint, longDefault));
        AppController controller;
        const int row = rowNamed(controller, QStringLiteral("long"));
        QVERIFY(row >= 0);
        const QVariantList params = controller.paramsForRow(row);
        QCOMPARE(params.size(), 2);
        QCOMPARE(params.at(0).toMap().value("hint").toString(),
                 TextBounds::cut(longHint, TextBounds::Caption));
        QCOMPARE(params.at(1).toMap().value("defaultValue").toString(),
                 TextBounds::cut(longDefault, TextBounds::Command));
        // The default as the form gives it back is too long, as the whole one is.
        QVariantMap values{{"d", params.at(1).toMap().value("defaultValue")}};
        QVERIFY(!controller.previewProblem(row, values).isEmpty());
        values["d"] = QStringLiteral("short");
        QCOMPARE(controller.previewCommand(row, values), longHint + QStringLiteral("|short"));
    }

    void parametersInTheInterfaceLanguage()
    {
        cacheLibrary(korveltest::sampleLibrary());
        QSettings().setValue(QStringLiteral("device/lastModel"), QStringLiteral("AT2"));
        AppController controller;
        const int row = rowNamed(controller, QStringLiteral("Set alarm thresholds"));
        const QVariantList params = controller.paramsForRow(row);
        QCOMPARE(params.size(), 2);
        QCOMPARE(params.at(0).toMap(), (QVariantMap{{"key", "low"},
                                                    {"label", "Low (°C)"},
                                                    {"hint", "-40..125"},
                                                    {"defaultValue", "10"}}));
        QCOMPARE(controller.commandNameForRow(row), QStringLiteral("Set alarm thresholds"));

        QSignalSpy model(&controller, &AppController::currentModelChanged);
        controller.setCurrentLanguage(QStringLiteral("zh_CN"));
        QCOMPARE(model.count(), 1);
        QCOMPARE(controller.currentModelDescription(),
                 QStringLiteral("Korvel AT2 · 温度报警器 · AT 指令"));
        QCOMPARE(controller.paramsForRow(row).at(1).toMap().value(QStringLiteral("label")),
                 QVariant(QStringLiteral("上限 (°C)")));
        QCOMPARE(controller.commandNameForRow(row), QStringLiteral("设置报警阈值"));
        controller.setCurrentLanguage(QStringLiteral("en"));
    }

    void templatesAndOrderThroughTheController()
    {
        AppController controller;
        controller.addCustomTemplate(QStringLiteral(" Reset "), QStringLiteral(" AT+RST "));
        QCOMPARE(controller.commandNameForRow(0), QStringLiteral("Reset"));
        controller.updateCustomTemplate(0, QStringLiteral("Reboot"), QStringLiteral("AT+RST=1"));
        controller.moveCommandRow(0, 3);
        QCOMPARE(controller.commandNameForRow(3), QStringLiteral("Reboot"));
        controller.removeCustomTemplate(1); // a library command: ignored
        QCOMPARE(controller.commandModel()->rowCount(), 4);
        controller.removeCustomTemplate(3);
        QCOMPARE(controller.commandModel()->rowCount(), 3);
        QCOMPARE(SettingsStore().customTemplates().size(), 0);
    }

    void storedGarbageNeverStopsTheStart()
    {
        QSettings settings;
        settings.setValue(QStringLiteral("send/customTemplates"), QByteArray("\x01\x02 not json"));
        settings.setValue(QStringLiteral("send/batchCommands"), QByteArray("[1,"));
        settings.setValue(QStringLiteral("send/commandOrder"), 17);
        settings.setValue(QStringLiteral("library/cachedJson"), QStringLiteral("]["));
        settings.sync();
        AppController controller;
        QCOMPARE(controller.commandModel()->rowCount(), 3);
        QCOMPARE(controller.batchCommandModel()->rowCount(), 0);
        QCOMPARE(controller.libraryVersion(), QStringLiteral("lib-2026.08.12"));
    }
};

QTEST_MAIN(TestCommandActions)
#include "tst_commandactions.moc"
