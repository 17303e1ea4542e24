// The device library loader: the built-in document, lenient reading of wrong
// or missing members, failed loads that keep the previous library, model
// lookup and the filling-in of command templates.
#include "library/devicelibrary.h"
#include "settings/languagemanager.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <functional>

namespace {

// What a resolve() that gives nothing stands for in the tables.
const QString kRefused = QStringLiteral("\x01refused");

// One fact about a library that loaded a one-model, one-command document, as
// text, so that a whole table of documents can be checked by one test.
QString probe(const DeviceLibrary& library, const QString& what)
{
    const DeviceModel* model = library.model(QString());
    const DeviceCommand* command =
        model && !model->commands.isEmpty() ? &model->commands.constFirst() : nullptr;
    const CommandParam* param =
        command && !command->params.isEmpty() ? &command->params.constFirst() : nullptr;
    const QHash<QString, std::function<QString()>> facts{
        {"models",
         [&] {
             return QString::number(library.modelCount());
         }},
        {"commands",
         [&] {
             return QString::number(library.commandCount());
         }},
        {"version",
         [&] {
             return library.version();
         }},
        {"modelIds",
         [&] {
             return library.modelIds().join(QLatin1Char(','));
         }},
        {"protocol",
         [&] {
             return QString::number(int(model->protocol));
         }},
        {"description",
         [&] {
             return model->description.zh + '|' + model->description.en;
         }},
        {"serial",
         [&] {
             return QStringLiteral("%1 %2 %3 %4 %5 %6")
                 .arg(model->hasSerial)
                 .arg(model->baudRate)
                 .arg(model->dataBits)
                 .arg(model->parity)
                 .arg(model->stopBits)
                 .arg(model->flowControl);
         }},
        {"id",
         [&] {
             return command->id;
         }},
        {"name",
         [&] {
             return command->name.zh + '|' + command->name.en;
         }},
        {"cmd",
         [&] {
             return command->cmd;
         }},
        {"payload",
         [&] {
             return command->payload;
         }},
        {"isJson",
         [&] {
             return QString::number(command->isJson);
         }},
        {"type",
         [&] {
             return QString::number(int(command->type));
         }},
        {"needsInput",
         [&] {
             return QString::number(command->needsInput);
         }},
        {"params",
         [&] {
             return QString::number(command->params.size());
         }},
        {"param",
         [&] {
             return param->key + '|' + param->label.en + '|' + param->hint + '|' +
                    param->defaultValue;
         }},
    };
    return facts.value(what)();
}

QByteArray oneModel(const QJsonObject& model)
{
    return QJsonDocument(QJsonObject{{"version", "t1"}, {"models", QJsonArray{model}}}).toJson();
}

QByteArray oneCommand(const QString& protocol, const QJsonObject& command)
{
    return oneModel(
        QJsonObject{{"id", "M"}, {"protocol", protocol}, {"commands", QJsonArray{command}}});
}

QByteArray withSerial(const QJsonValue& serial)
{
    return oneModel(QJsonObject{{"id", "M"}, {"serial", serial}});
}

QByteArray builtIn()
{
    QFile file(QStringLiteral(":/data/devices.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDeviceLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LanguageManager::instance().setLanguage(QStringLiteral("en")); }

    void builtInLibrary()
    {
        DeviceLibrary library;
        QVERIFY(library.loadFromResource(QStringLiteral(":/data/devices.json")));
        QCOMPARE(library.lastError(), QString());
        QCOMPARE(library.version(), QStringLiteral("lib-2026.08.12"));
        QCOMPARE(library.modelIds(), QStringList{QStringLiteral("HX4")});
        QCOMPARE(library.commandCount(), 3);

        const DeviceModel* hx4 = library.model(QStringLiteral("HX4"));
        QVERIFY(hx4);
        QCOMPARE(hx4->protocol, ModelProtocol::Json);
        QCOMPARE(hx4->name.zh + hx4->name.en, QString());
        QCOMPARE(hx4->description.en, QStringLiteral("Korvel HX4 · Temp/Humidity + Light + WiFi"));
        QVERIFY(!hx4->description.zh.isEmpty());
        QVERIFY(hx4->hasSerial);
        QCOMPARE((QList<qint32>{hx4->baudRate, hx4->dataBits, hx4->parity, hx4->stopBits,
                                hx4->flowControl}),
                 (QList<qint32>{115200, 8, 0, 1, 0}));

        const QStringList ids{"read-device-info", "read-sensor-data", "set-wifi"};
        const QStringList names{"Read device info", "Read sensor data", "Set WiFi"};
        const QStringList groups{"Device Info", "Data", "Config"};
        const QList<CommandType> types{CommandType::Query, CommandType::Query, CommandType::Set};
        const QStringList payloads{R"({"command":"ReadProduct"})", R"({"command":"ReadData"})",
                                   R"({"command":"SetupWifi","SSID":"","pasword":"","type":""})"};
        QCOMPARE(hx4->commands.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const DeviceCommand& command = hx4->commands.at(i);
            QCOMPARE(command.id, ids.at(i));
            QCOMPARE(command.name.en, names.at(i));
            QCOMPARE(command.group.en, groups.at(i));
            QCOMPARE(command.type, types.at(i));
            QCOMPARE(command.payload, payloads.at(i));
            QCOMPARE(command.needsInput, i == 2);
            QVERIFY(command.isJson);
            QVERIFY(!command.isCustom);
            QCOMPARE(command.cmd, QString());
            QVERIFY(!command.name.zh.isEmpty());
        }

        const QList<CommandParam>& params = hx4->commands.at(2).params;
        QCOMPARE(params.size(), 3);
        QCOMPARE(params.at(0).key, QStringLiteral("SSID"));
        QCOMPARE(params.at(0).label.en, QStringLiteral("WiFi SSID"));
        QCOMPARE(params.at(0).label.zh, QStringLiteral("WiFi 名称 (SSID)"));
        QCOMPARE(params.at(0).hint, QStringLiteral("Korvel-Office"));
        QCOMPARE(params.at(1).key, QStringLiteral("pasword"));
        QCOMPARE(params.at(1).label.en, QStringLiteral("WiFi password"));
        QCOMPARE(params.at(1).hint, QString());
        QCOMPARE(params.at(2).key, QStringLiteral("type"));
        QCOMPARE(params.at(2).label.en, QStringLiteral("Encryption type"));
        QCOMPARE(params.at(2).hint, QStringLiteral("按设备文档填写"));
        for (const CommandParam& param : params) {
            QCOMPARE(param.defaultValue, QString());
        }
    }

    void documentsReadLeniently_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");

        auto row = [](const char* name, const QByteArray& document, const char* what,
                      const QString& expected) {
            QTest::newRow(name) << document << QString::fromLatin1(what) << expected;
        };
        row("empty models: none", R"({"models":[]})", "models", "0");
        row("empty models: no commands", R"({"models":[]})", "commands", "0");
        row("empty models: no version", R"({"models":[]})", "version", "");
        row("no models member", R"({"version":"v9"})", "models", "0");
        row("models not an array", R"({"models":{"id":"A"}})", "models", "0");
        row("version a number", R"({"version":7,"models":[]})", "version", "");
        row("model not an object", R"({"models":[5]})", "modelIds", "");
        row("model not an object is a model", R"({"models":[5]})", "models", "1");
        row("duplicate model ids kept", R"({"models":[{"id":"A"},{"id":"A"}]})", "modelIds", "A,A");
        row("model id a number", R"({"models":[{"id":4}]})", "modelIds", "");

        row("protocol json", oneModel({{"protocol", "json"}}), "protocol", "1");
        row("protocol JSON in capitals", oneModel({{"protocol", "JSON"}}), "protocol", "0");
        row("protocol missing", oneModel({{"id", "M"}}), "protocol", "0");
        row("description", oneModel({{"description", QJsonObject{{"zh", "中"}, {"en", "E"}}}}),
            "description", "中|E");
        row("description a plain string", oneModel({{"description", "text"}}), "description", "|");

        row("no serial", oneModel({{"id", "M"}}), "serial", "0 115200 8 0 1 0");
        row("serial not an object", withSerial(5), "serial", "1 115200 8 0 1 0");
        row("serial in full",
            withSerial(QJsonObject{{"baudRate", 9600},
                                   {"dataBits", 7},
                                   {"parity", "Odd"},
                                   {"stopBits", 2},
                                   {"flowControl", "Hardware"}}),
            "serial", "1 9600 7 3 2 1");
        row("baud as a string", withSerial(QJsonObject{{"baudRate", "9600"}}), "serial",
            "1 115200 8 0 1 0");
        row("baud not whole", withSerial(QJsonObject{{"baudRate", 9600.5}}), "serial",
            "1 115200 8 0 1 0");
        row("baud beyond 32 bits", withSerial(QJsonObject{{"baudRate", 1e12}}), "serial",
            "1 115200 8 0 1 0");
        row("parity Even", withSerial(QJsonObject{{"parity", "Even"}}), "serial",
            "1 115200 8 2 1 0");
        row("parity even in lower case", withSerial(QJsonObject{{"parity", "even"}}), "serial",
            "1 115200 8 0 1 0");
        row("stop bits 1.5", withSerial(QJsonObject{{"stopBits", 1.5}}), "serial",
            "1 115200 8 0 3 0");
        row("stop bits as the string 2", withSerial(QJsonObject{{"stopBits", "2"}}), "serial",
            "1 115200 8 0 1 0");
        row("stop bits 3", withSerial(QJsonObject{{"stopBits", 3}}), "serial", "1 115200 8 0 1 0");
        row("flow Software", withSerial(QJsonObject{{"flowControl", "Software"}}), "serial",
            "1 115200 8 0 1 2");
        row("flow in lower case", withSerial(QJsonObject{{"flowControl", "hardware"}}), "serial",
            "1 115200 8 0 1 0");

        const QJsonObject textCommand{
            {"id", "c1"},
            {"cmd", "AT+X=<v>"},
            {"params", QJsonArray{QJsonObject{{"key", "v"}, {"hint", "h"}, {"default", "d"}}}},
            {"payloadBase64", "eyJhIjoxfQ=="},
            {"needsInput", false}};
        row("text command template", oneCommand("text", textCommand), "cmd", "AT+X=<v>");
        row("text command ignores payload", oneCommand("text", textCommand), "payload", "");
        row("text command with params needs input", oneCommand("text", textCommand), "needsInput",
            "1");
        row("text command without params", oneCommand("text", {{"cmd", "AT"}}), "needsInput", "0");
        row("capitals protocol reads cmd", oneCommand("JSON", textCommand), "cmd", "AT+X=<v>");
        row("capitals protocol without cmd",
            oneCommand("JSON", {{"payloadBase64", "eyJhIjoxfQ=="}}), "cmd", "");
        row("capitals protocol ignores payload",
            oneCommand("JSON", {{"payloadBase64", "eyJhIjoxfQ=="}}), "payload", "");
        row("json command payload", oneCommand("json", textCommand), "payload", R"({"a":1})");
        row("json command ignores cmd", oneCommand("json", textCommand), "cmd", "");
        row("json command keeps its params", oneCommand("json", textCommand), "params", "1");
        row("payload with blanks and line breaks",
            oneCommand("json", {{"payloadBase64", " eyJh\nIjox\r\nfQ== "}}), "payload",
            R"({"a":1})");
        row("payload with stray characters",
            oneCommand("json", {{"payloadBase64", "eyJh*Ijox!fQ=="}}), "payload", R"({"a":1})");
        row("payload not a string", oneCommand("json", {{"payloadBase64", 12}}), "payload", "");
        row("needsInput true", oneCommand("json", {{"needsInput", true}}), "needsInput", "1");
        row("needsInput as a string", oneCommand("json", {{"needsInput", "true"}}), "needsInput",
            "0");
        row("name a plain string", oneCommand("json", {{"name", "Reset"}}), "name", "|");
        row("name in both languages",
            oneCommand("json", {{"name", QJsonObject{{"zh", "复位"}, {"en", "Reset"}}}}), "name",
            "复位|Reset");
        row("id a number", oneCommand("json", {{"id", 3}}), "id", "");
        row("type set", oneCommand("json", {{"type", "set"}}), "type", "1");
        row("type action", oneCommand("json", {{"type", "action"}}), "type", "2");
        row("type in capitals", oneCommand("json", {{"type", "SET"}}), "type", "0");
        row("type missing", oneCommand("json", {}), "type", "0");
        row("params not an array", oneCommand("text", {{"params", "sec"}}), "params", "0");
        row("param default a number",
            oneCommand("text", {{"params", QJsonArray{QJsonObject{{"key", "k"}, {"default", 5}}}}}),
            "param", "k|||");
        row("param not an object", oneCommand("text", {{"params", QJsonArray{7}}}), "param", "|||");
        row("commands before the protocol",
            R"({"models":[{"commands":[{"cmd":"AT","payloadBase64":"eyJhIjoxfQ=="}],
                           "protocol":"json"}]})",
            "payload", R"({"a":1})");
        row("member name with an escape", "{\"models\":[{\"\\u0069d\":\"esc\"}]}", "modelIds",
            "esc");
        row("a repeated member: the later counts", R"({"models":[{"id":"first","id":"second"}]})",
            "modelIds", "second");
        row("a repeated member of the wrong type", R"({"models":[{"id":"first","id":7}]})",
            "modelIds", "");
        row("byte order mark", "\xEF\xBB\xBF{\"version\":\"bom\"}", "version", "bom");
        row("baud with an exponent", withSerial(QJsonObject{{"baudRate", 9.6e3}}), "serial",
            "1 9600 8 0 1 0");
        row("text with escapes", "{\"models\":[{\"description\":{\"en\":\"a\\\"b\\u00e9\\n\"}}]}",
            "description", "|a\"b\u00e9\n");
        row("param in full",
            oneCommand("text",
                       {{"params", QJsonArray{QJsonObject{{"key", "sec"},
                                                          {"label", QJsonObject{{"en", "Seconds"}}},
                                                          {"hint", "1-60"},
                                                          {"default", "5"}}}}}),
            "param", "sec|Seconds|1-60|5");

        // What the window shows as it is comes cut to a length it can lay out, with a mark;
        // what goes into the send box stays whole (the send box decides about it).
        const QString longText(TextBounds::Caption + 1, 'L');
        const QString cutText = TextBounds::cut(longText, TextBounds::Caption);
        const QString fitting(TextBounds::Caption, 'F');
        const QJsonObject longPair{{"zh", longText}, {"en", longText}};
        row("long version cut", QJsonDocument(QJsonObject{{"version", longText}}).toJson(),
            "version", cutText);
        row("version at the bound whole", QJsonDocument(QJsonObject{{"version", fitting}}).toJson(),
            "version", fitting);
        row("long model id cut", oneModel({{"id", longText}}), "modelIds", cutText);
        row("long description cut", oneModel({{"description", longPair}}), "description",
            cutText + '|' + cutText);
        row("long command id cut", oneCommand("text", {{"id", longText}}), "id", cutText);
        row("long command name cut", oneCommand("text", {{"name", longPair}}), "name",
            cutText + '|' + cutText);
        row("long label cut, key hint and default whole",
            oneCommand("text", {{"params", QJsonArray{QJsonObject{{"key", longText},
                                                                  {"label", longPair},
                                                                  {"hint", longText},
                                                                  {"default", longText}}}}}),
            "param", longText + '|' + cutText + '|' + longText + '|' + longText);
        const QString longCommand(TextBounds::Command + 1, 'C');
        row("long template whole", oneCommand("text", {{"cmd", longCommand}}), "cmd", longCommand);
        row("long payload whole",
            oneCommand("json",
                       {{"payloadBase64", QString::fromLatin1(longCommand.toLatin1().toBase64())}}),
            "payload", longCommand);
    }

    void documentsReadLeniently()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, what);
        QFETCH(QString, expected);
        DeviceLibrary library;
        QVERIFY2(library.loadFromJsonText(document), qPrintable(library.lastError()));
        QCOMPARE(library.lastError(), QString());
        QCOMPARE(probe(library, what), expected);
    }

    void badDocumentKeepsThePreviousLibrary_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::newRow("not json") << QByteArray("devices, please");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << builtIn().left(200);
        QTest::newRow("top-level array") << QByteArray(R"([{"id":"A"}])");
        QTest::newRow("top-level string") << QByteArray(R"("models")");
        QTest::newRow("null") << QByteArray("null");
        QTest::newRow("deep nesting")
            << QByteArray(R"({"models":)") + QByteArray(5000, '[') + QByteArray(5000, ']') + '}';
        QTest::newRow("trailing garbage") << builtIn() + "}";

        // Past the bounds of a document: each is a record in memory, and the parameters of a
        // command each a field in the window.
        auto models = [](qsizetype count, const QJsonObject& model) {
            QJsonArray list;
            for (qsizetype i = 0; i < count; ++i) {
                list.append(model);
            }
            return QJsonDocument(QJsonObject{{"models", list}}).toJson(QJsonDocument::Compact);
        };
        auto commands = [](qsizetype count, const QJsonObject& command) {
            QJsonArray list;
            for (qsizetype i = 0; i < count; ++i) {
                list.append(command);
            }
            return list;
        };
        QTest::newRow("too many models") << models(DeviceLibrary::MaxModels + 1, {});
        QTest::newRow("too many commands")
            << models(2, {{"commands", commands(DeviceLibrary::MaxCommands / 2 + 1, {})}});
        QTest::newRow("too many parameters of one command")
            << oneCommand("text", {{"params", commands(DeviceLibrary::MaxCommandParams + 1, {})}});
        const QJsonObject fullCommand{
            {"params", commands(DeviceLibrary::MaxCommandParams, {{"key", "k"}})}};
        QTest::newRow("too many parameters in all") << models(
            1,
            {{"commands", commands(DeviceLibrary::MaxParams / DeviceLibrary::MaxCommandParams + 1,
                                   fullCommand)}});
    }

    void badDocumentKeepsThePreviousLibrary()
    {
        QFETCH(QByteArray, document);
        DeviceLibrary library;
        QVERIFY(library.loadFromJsonText(builtIn()));

        QVERIFY(!library.loadFromJsonText(document));
        QVERIFY(!library.lastError().isEmpty());
        QCOMPARE(library.version(), QStringLiteral("lib-2026.08.12"));
        QCOMPARE(library.modelIds(), QStringList{QStringLiteral("HX4")});
        QCOMPARE(library.commandCount(), 3);

        // A later good load clears the error and replaces everything.
        QVERIFY(library.loadFromJsonText(R"({"version":"v2","models":[{"id":"B"}]})"));
        QCOMPARE(library.lastError(), QString());
        QCOMPARE(library.version(), QStringLiteral("v2"));
        QCOMPARE(library.modelIds(), QStringList{QStringLiteral("B")});
    }

    void unreadableFileKeepsTheLibrary()
    {
        DeviceLibrary library;
        QVERIFY(library.loadFromJsonText(builtIn()));
        const QString path = QStringLiteral("/nonexistent/devices.json");
        QVERIFY(!library.loadFromResource(path));
        QCOMPARE(library.lastError(), QStringLiteral("cannot open %1").arg(path));
        QCOMPARE(library.commandCount(), 3);
    }

    void modelLookup_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("description");
        const QByteArray two = R"({"models":[{"id":"A","description":{"en":"first"}},
                                              {"id":"B","description":{"en":"second"}},
                                              {"id":"B","description":{"en":"third"}}]})";
        QTest::newRow("found") << two << "B"
                               << "second";
        QTest::newRow("unknown gives the first") << two << "C"
                                                 << "first";
        QTest::newRow("case-sensitive") << two << "b"
                                        << "first";
        QTest::newRow("empty id") << two << ""
                                  << "first";
        QTest::newRow("empty library") << QByteArray(R"({"models":[]})") << "A"
                                       << "(none)";
    }

    void modelLookup()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, id);
        QFETCH(QString, description);
        DeviceLibrary library;
        QVERIFY(library.loadFromJsonText(document));
        const DeviceModel* model = library.model(id);
        QCOMPARE(model ? model->description.en : QStringLiteral("(none)"), description);
    }

    void commandCountSpansEveryModel()
    {
        DeviceLibrary library;
        QVERIFY(library.loadFromJsonText(
            R"({"models":[{"commands":[{},{}]},{"commands":[]},{"commands":[{},{},{}]}]})"));
        QCOMPARE(library.commandCount(), 5);
        QCOMPARE(library.modelCount(), 3);
    }

    void languagePicksTheHalf_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("zh");
        QTest::addColumn<QString>("en");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << "en"
                                 << "中"
                                 << "E"
                                 << "E";
        QTest::newRow("Simplified Chinese") << "zh_CN"
                                            << "中"
                                            << "E"
                                            << "中";
        QTest::newRow("Traditional Chinese") << "zh_TW"
                                             << "中"
                                             << "E"
                                             << "中";
        QTest::newRow("French falls back") << "fr"
                                           << "中"
                                           << ""
                                           << "中";
        QTest::newRow("Chinese falls back") << "zh_CN"
                                            << ""
                                            << "E"
                                            << "E";
    }

    void languagePicksTheHalf()
    {
        QFETCH(QString, language);
        QFETCH(QString, zh);
        QFETCH(QString, en);
        QFETCH(QString, expected);
        LanguageManager::instance().setLanguage(language);
        QCOMPARE((LocalizedText{zh, en}.text()), expected);
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("cmd");
        // key, default, hint per parameter
        QTest::addColumn<QList<QStringList>>("params");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QString>("expected");

        const QList<QStringList> sec{{"sec", "60", ""}};
        QTest::newRow("value") << "AT+INTERVAL=<sec>" << sec << QVariantMap{{"sec", "5"}}
                               << "AT+INTERVAL=5";
        QTest::newRow("default") << "AT+INTERVAL=<sec>" << sec << QVariantMap{} << "AT+INTERVAL=60";
        QTest::newRow("empty value takes the default")
            << "AT+INTERVAL=<sec>" << sec << QVariantMap{{"sec", ""}} << "AT+INTERVAL=60";
        QTest::newRow("hint") << "AT+NAME=<name>" << QList<QStringList>{{"name", "", "Lab"}}
                              << QVariantMap{} << "AT+NAME=Lab";
        QTest::newRow("nothing") << "AT+INTERVAL=<sec>" << QList<QStringList>{{"sec", "", ""}}
                                 << QVariantMap{} << "AT+INTERVAL=";
        QTest::newRow("every occurrence")
            << "<a>-<a>" << QList<QStringList>{{"a", "", ""}} << QVariantMap{{"a", "x"}} << "x-x";
        QTest::newRow("case-sensitive placeholder")
            << "<SEC>=<sec>" << sec << QVariantMap{{"sec", "1"}} << "<SEC>=1";
        QTest::newRow("unknown placeholder stays")
            << "<sec>,<other>" << sec << QVariantMap{{"other", "9"}} << "60,<other>";
        QTest::newRow("later parameters see earlier values")
            << "<a>" << QList<QStringList>{{"a", "", ""}, {"b", "", ""}}
            << QVariantMap{{"a", "<b>!"}, {"b", "B"}} << "B!";
        QTest::newRow("two parameters")
            << "AT+ALARM=<low>,<high>" << QList<QStringList>{{"low", "10", ""}, {"high", "35", ""}}
            << QVariantMap{{"high", "40"}} << "AT+ALARM=10,40";
        QTest::newRow("no template") << "" << sec << QVariantMap{{"sec", "5"}} << "";

        // Refused: the text would grow past what the send box takes.
        const qsizetype bound = TextBounds::Command;
        QTest::newRow("exactly the bound")
            << "<a>" << QList<QStringList>{{"a", QString(bound, 'x'), ""}} << QVariantMap{}
            << QString(bound, 'x');
        QTest::newRow("one past the bound")
            << "<a>" << QList<QStringList>{{"a", QString(bound + 1, 'x'), ""}} << QVariantMap{}
            << kRefused;
        QTest::newRow("template past the bound")
            << QString(bound + 1, 'x') << sec << QVariantMap{} << kRefused;
        QTest::newRow("a value the user typed past the bound")
            << "<sec>" << sec << QVariantMap{{"sec", QString(bound + 1, '9')}} << kRefused;
        // A library of about a kilobyte that doubles and redoubles itself: 160 million
        // characters once filled in.
        QTest::newRow("placeholders that multiply")
            << QString("<a>").repeated(20)
            << QList<QStringList>{{"a", QString("<b>").repeated(20), ""},
                                  {"b", QString("<c>").repeated(20), ""},
                                  {"c", QString("<d>").repeated(20), ""},
                                  {"d", QString(1000, 'Z'), ""}}
            << QVariantMap{} << kRefused;
        // Growth is judged on the way: a later parameter that would shrink the text again
        // does not make up for an earlier one past the bound.
        QTest::newRow("past the bound on the way")
            << "<a>" << QList<QStringList>{{"a", QString(bound + 1, 'y'), ""}, {"b", "", ""}}
            << QVariantMap{} << kRefused;
        QTest::newRow("shrinking is always fine")
            << QString("<long-name>").repeated(5000) << QList<QStringList>{{"long-name", "z", ""}}
            << QVariantMap{} << QString(5000, 'z');
    }

    void resolve()
    {
        QFETCH(QString, cmd);
        QFETCH(QList<QStringList>, params);
        QFETCH(QVariantMap, values);
        QFETCH(QString, expected);
        DeviceCommand command;
        command.cmd = cmd;
        for (const QStringList& p : params) {
            command.params.append({p.at(0), {}, p.at(2), p.at(1)});
        }
        QHash<QString, QString> strings;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            strings.insert(it.key(), it.value().toString());
        }
        QCOMPARE(command.resolve(strings).value_or(kRefused), expected);
    }

    // A document right at every bound loads whole.
    void documentAtTheBounds()
    {
        QJsonArray params;
        for (qsizetype i = 0; i < DeviceLibrary::MaxCommandParams; ++i) {
            params.append(QJsonObject{{"key", QStringLiteral("p%1").arg(i)}});
        }
        QJsonArray models;
        for (qsizetype m = 0; m < DeviceLibrary::MaxModels; ++m) {
            QJsonArray commands;
            for (qsizetype c = 0; c < DeviceLibrary::MaxCommands / DeviceLibrary::MaxModels; ++c) {
                QJsonObject command{{"cmd", "AT"}};
                // Parameters in all: exactly the bound.
                if (m * (DeviceLibrary::MaxCommands / DeviceLibrary::MaxModels) + c <
                    DeviceLibrary::MaxParams / DeviceLibrary::MaxCommandParams) {
                    command.insert("params", params);
                }
                commands.append(command);
            }
            models.append(
                QJsonObject{{"id", QStringLiteral("M%1").arg(m)}, {"commands", commands}});
        }
        DeviceLibrary library;
        QVERIFY2(library.loadFromJsonText(QJsonDocument(QJsonObject{{"models", models}}).toJson()),
                 qPrintable(library.lastError()));
        QCOMPARE(library.modelCount(), DeviceLibrary::MaxModels);
        QCOMPARE(library.commandCount(), DeviceLibrary::MaxCommands);
        qsizetype paramCount = 0;
        for (const DeviceModel& model : library.models()) {
            for (const DeviceCommand& command : model.commands) {
                paramCount += command.params.size();
            }
        }
        QCOMPARE(paramCount, DeviceLibrary::MaxParams);
    }

    // A vendor library can be large: every model and command is read.
    void largeDocument()
    {
        QJsonArray models;
        for (int m = 0; m < 400; ++m) {
            QJsonArray commands;
            for (int c = 0; c < 25; ++c) {
                commands.append(QJsonObject{
                    {"id", QStringLiteral("c%1").arg(c)},
                    {"name",
                     QJsonObject{{"zh", "命令"}, {"en", QStringLiteral("Command %1").arg(c)}}},
                    {"cmd", "AT+C=<v>"},
                    {"params", QJsonArray{QJsonObject{{"key", "v"}, {"default", "1"}}}}});
            }
            models.append(
                QJsonObject{{"id", QStringLiteral("M%1").arg(m)}, {"commands", commands}});
        }
        DeviceLibrary library;
        QVERIFY(library.loadFromJsonText(
            QJsonDocument(QJsonObject{{"version", "big"}, {"models", models}}).toJson()));
        QCOMPARE(library.modelCount(), 400);
        QCOMPARE(library.commandCount(), 10000);
        QCOMPARE(library.model(QStringLiteral("M399"))->commands.at(24).name.en,
                 QStringLiteral("Command 24"));
    }
};

QTEST_GUILESS_MAIN(TestDeviceLibrary)
#include "tst_devicelibrary.moc"
