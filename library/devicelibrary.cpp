#include "library/devicelibrary.h"

#include "settings/languagemanager.h"
#include "util/textbounds.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <limits>
#include <utility>

namespace {

// How many more records of each kind a document may hold. A document of a few
// megabytes could otherwise describe millions of empty commands, each a record
// of its own in memory; what is past a bound is not mapped, and the document
// refused.
struct Budget
{
    qsizetype models = DeviceLibrary::MaxModels;
    qsizetype commands = DeviceLibrary::MaxCommands;
    qsizetype params = DeviceLibrary::MaxParams;
    QString problem;

    void note(const QString& reason)
    {
        if (problem.isEmpty()) {
            problem = reason;
        }
    }

    // Takes one record from @p left; false (and the reason noted) when none is left.
    bool take(qsizetype& left, const char* what, qsizetype bound)
    {
        if (left == 0) {
            note(QStringLiteral("the library holds more than %1 %2")
                     .arg(bound)
                     .arg(QLatin1String(what)));
            return false;
        }
        --left;
        return true;
    }
};

// Every member reads leniently: a value of the wrong type is the empty or
// default value, never a failed load. When a member occurs twice the later
// one counts, as QJsonDocument keeps it.
QString stringOf(const QJsonValue& value)
{
    return value.toString();
}

// A text the window shows as it is: cut to a length it can lay out.
QString captionOf(const QJsonValue& value)
{
    return TextBounds::cut(value.toString(), TextBounds::Caption);
}

LocalizedText localizedOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    return {captionOf(object.value(QLatin1String("zh"))),
            captionOf(object.value(QLatin1String("en")))};
}

// A number, or NaN for any other value.
double numberOf(const QJsonValue& value)
{
    return value.isDouble() ? value.toDouble() : std::nan("");
}

qint32 wholeNumberOf(const QJsonValue& value, qint32 fallback)
{
    const double number = numberOf(value);
    if (!(std::floor(number) == number) || number < std::numeric_limits<qint32>::min() ||
        number > std::numeric_limits<qint32>::max()) {
        return fallback;
    }
    return qint32(number);
}

qint32 parityOf(const QString& text)
{
    if (text == QLatin1String("Even")) {
        return 2;
    }
    return text == QLatin1String("Odd") ? 3 : 0;
}

qint32 stopBitsOf(double number)
{
    if (number == 2.0) {
        return 2;
    }
    return number == 1.5 ? 3 : 1;
}

qint32 flowControlOf(const QString& text)
{
    if (text == QLatin1String("Hardware")) {
        return 1;
    }
    return text == QLatin1String("Software") ? 2 : 0;
}

CommandType typeOf(const QString& text)
{
    if (text == QLatin1String("set")) {
        return CommandType::Set;
    }
    return text == QLatin1String("action") ? CommandType::Action : CommandType::Query;
}

// The serial block: present at all means the model has defaults, even when
// it is no object and all five values stay at theirs.
void readSerial(const QJsonValue& value, DeviceModel& model)
{
    const QJsonObject serial = value.toObject();
    model.hasSerial = true;
    model.baudRate = wholeNumberOf(serial.value(QLatin1String("baudRate")), 115200);
    model.dataBits = wholeNumberOf(serial.value(QLatin1String("dataBits")), 8);
    model.parity = parityOf(stringOf(serial.value(QLatin1String("parity"))));
    model.stopBits = stopBitsOf(numberOf(serial.value(QLatin1String("stopBits"))));
    model.flowControl = flowControlOf(stringOf(serial.value(QLatin1String("flowControl"))));
}

CommandParam paramOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    CommandParam param;
    param.key = stringOf(object.value(QLatin1String("key")));
    param.label = localizedOf(object.value(QLatin1String("label")));
    param.hint = stringOf(object.value(QLatin1String("hint")));
    param.defaultValue = stringOf(object.value(QLatin1String("default")));
    return param;
}

// A command as written; which of "cmd", "payloadBase64" and "needsInput"
// count is settled once the model's protocol is known. Until then the Base64
// text waits in payload.
DeviceCommand commandOf(const QJsonValue& value, Budget& budget)
{
    const QJsonObject object = value.toObject();
    DeviceCommand command;
    command.id = captionOf(object.value(QLatin1String("id")));
    command.group = localizedOf(object.value(QLatin1String("group")));
    command.name = localizedOf(object.value(QLatin1String("name")));
    command.type = typeOf(stringOf(object.value(QLatin1String("type"))));
    for (const QJsonValue param : object.value(QLatin1String("params")).toArray()) {
        if (command.params.size() == DeviceLibrary::MaxCommandParams) {
            budget.note(QStringLiteral("a command has more than %1 parameters")
                            .arg(DeviceLibrary::MaxCommandParams));
            break;
        }
        if (!budget.take(budget.params, "parameters", DeviceLibrary::MaxParams)) {
            break;
        }
        command.params.append(paramOf(param));
    }
    command.needsInput = object.value(QLatin1String("needsInput")).toBool();
    command.payload = stringOf(object.value(QLatin1String("payloadBase64")));
    command.cmd = stringOf(object.value(QLatin1String("cmd")));
    return command;
}

void settleCommand(DeviceCommand& command, ModelProtocol protocol)
{
    command.isJson = protocol == ModelProtocol::Json;
    if (command.isJson) {
        // The default decoding mode skips characters outside the alphabet,
        // so line breaks and stray blanks in a hand-edited file do no harm.
        command.payload = QString::fromUtf8(QByteArray::fromBase64(command.payload.toUtf8()));
        command.cmd.clear();
    } else {
        command.payload.clear();
        command.needsInput = !command.params.isEmpty();
    }
}

DeviceModel modelOf(const QJsonValue& value, Budget& budget)
{
    const QJsonObject object = value.toObject();
    DeviceModel model;
    model.id = captionOf(object.value(QLatin1String("id")));
    model.protocol = stringOf(object.value(QLatin1String("protocol"))) == QLatin1String("json")
                         ? ModelProtocol::Json
                         : ModelProtocol::Text;
    model.name = localizedOf(object.value(QLatin1String("name")));
    model.description = localizedOf(object.value(QLatin1String("description")));
    if (object.contains(QLatin1String("serial"))) {
        readSerial(object.value(QLatin1String("serial")), model);
    }
    for (const QJsonValue command : object.value(QLatin1String("commands")).toArray()) {
        if (!budget.take(budget.commands, "commands", DeviceLibrary::MaxCommands)) {
            break;
        }
        model.commands.append(commandOf(command, budget));
        settleCommand(model.commands.last(), model.protocol);
    }
    return model;
}

// How often @p needle occurs in @p text without overlapping, as replace() finds it; counting
// stops at @p enough.
qsizetype occurrences(const QString& text, const QString& needle, qsizetype enough)
{
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(needle); at >= 0 && count < enough;
         at = text.indexOf(needle, at + needle.size())) {
        ++count;
    }
    return count;
}

} // namespace

QString LocalizedText::text() const
{
    return LanguageManager::instance().pick(zh, en);
}

std::optional<QString> DeviceCommand::resolve(const QHash<QString, QString>& values,
                                              qsizetype limit) const
{
    if (cmd.size() > limit) {
        return std::nullopt;
    }
    QString text = cmd;
    for (const CommandParam& param : params) {
        QString value = values.value(param.key);
        if (value.isEmpty()) {
            value = param.defaultValue.isEmpty() ? param.hint : param.defaultValue;
        }
        const QString placeholder = QLatin1Char('<') + param.key + QLatin1Char('>');
        // The length after this step is known before it is taken, so nothing past the limit
        // is ever built.
        const qsizetype growth = value.size() - placeholder.size();
        if (growth > 0) {
            const qsizetype room = (limit - text.size()) / growth;
            if (occurrences(text, placeholder, room + 1) > room) {
                return std::nullopt;
            }
        }
        text.replace(placeholder, value, Qt::CaseSensitive);
    }
    return text;
}

bool DeviceLibrary::loadFromResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_lastError = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    return loadFromJsonText(file.readAll());
}

bool DeviceLibrary::loadFromJsonText(const QByteArray& bytes)
{
    m_lastError.clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        m_lastError = parseError.errorString();
        return false;
    }
    if (!document.isObject()) {
        // Well-formed JSON that is no object fails with the parser's text
        // for its no-error state.
        m_lastError = parseError.errorString();
        return false;
    }
    const QJsonObject root = document.object();
    QList<DeviceModel> models;
    Budget budget;
    for (const QJsonValue model : root.value(QLatin1String("models")).toArray()) {
        if (!budget.take(budget.models, "models", MaxModels)) {
            break;
        }
        models.append(modelOf(model, budget));
    }
    if (!budget.problem.isEmpty()) {
        m_lastError = budget.problem;
        return false;
    }
    m_models = std::move(models);
    m_version = captionOf(root.value(QLatin1String("version")));
    return true;
}

const DeviceModel* DeviceLibrary::model(const QString& id) const
{
    if (m_models.isEmpty()) {
        return nullptr;
    }
    for (const DeviceModel& candidate : m_models) {
        if (candidate.id == id) {
            return &candidate;
        }
    }
    return &m_models.constFirst();
}

QStringList DeviceLibrary::modelIds() const
{
    QStringList ids;
    ids.reserve(m_models.size());
    for (const DeviceModel& model : m_models) {
        ids.append(model.id);
    }
    return ids;
}

int DeviceLibrary::commandCount() const
{
    qsizetype count = 0;
    for (const DeviceModel& model : m_models) {
        count += model.commands.size();
    }
    return int(count);
}
