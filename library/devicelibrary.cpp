#include "library/devicelibrary.h"

#include "settings/languagemanager.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>
#include <utility>

namespace {

// Every member reads leniently: a value of the wrong type is the empty or
// default value, never a failed load.
QString stringOf(const QJsonObject& object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

LocalizedText localizedOf(const QJsonObject& object, QLatin1String key)
{
    const QJsonObject pair = object.value(key).toObject();
    return {stringOf(pair, QLatin1String("zh")), stringOf(pair, QLatin1String("en"))};
}

qint32 wholeNumberOf(const QJsonObject& object, QLatin1String key, qint32 fallback)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble()) {
        return fallback;
    }
    const double number = value.toDouble();
    if (std::floor(number) != number || number < std::numeric_limits<qint32>::min() ||
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

qint32 stopBitsOf(const QJsonValue& value)
{
    if (!value.isDouble()) {
        return 1;
    }
    if (value.toDouble() == 2.0) {
        return 2;
    }
    return value.toDouble() == 1.5 ? 3 : 1;
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

QList<CommandParam> paramsOf(const QJsonObject& command)
{
    QList<CommandParam> params;
    const QJsonArray array = command.value(QLatin1String("params")).toArray();
    params.reserve(array.size());
    for (const QJsonValue& element : array) {
        const QJsonObject param = element.toObject();
        params.append(
            {stringOf(param, QLatin1String("key")), localizedOf(param, QLatin1String("label")),
             stringOf(param, QLatin1String("hint")), stringOf(param, QLatin1String("default"))});
    }
    return params;
}

DeviceCommand commandOf(const QJsonObject& object, ModelProtocol protocol)
{
    DeviceCommand command;
    command.id = stringOf(object, QLatin1String("id"));
    command.group = localizedOf(object, QLatin1String("group"));
    command.name = localizedOf(object, QLatin1String("name"));
    command.params = paramsOf(object);
    command.isJson = protocol == ModelProtocol::Json;
    command.type = typeOf(stringOf(object, QLatin1String("type")));
    if (command.isJson) {
        command.needsInput = object.value(QLatin1String("needsInput")).toBool(false);
        // The default decoding mode skips characters outside the alphabet,
        // so line breaks and stray blanks in a hand-edited file do no harm.
        const QByteArray encoded = stringOf(object, QLatin1String("payloadBase64")).toUtf8();
        command.payload = QString::fromUtf8(QByteArray::fromBase64(encoded));
    } else {
        command.cmd = stringOf(object, QLatin1String("cmd"));
        command.needsInput = !command.params.isEmpty();
    }
    return command;
}

DeviceModel modelOf(const QJsonObject& object)
{
    DeviceModel model;
    model.id = stringOf(object, QLatin1String("id"));
    model.protocol = stringOf(object, QLatin1String("protocol")) == QLatin1String("json")
                         ? ModelProtocol::Json
                         : ModelProtocol::Text;
    model.name = localizedOf(object, QLatin1String("name"));
    model.description = localizedOf(object, QLatin1String("description"));
    if (object.contains(QLatin1String("serial"))) {
        const QJsonObject serial = object.value(QLatin1String("serial")).toObject();
        model.hasSerial = true;
        model.baudRate = wholeNumberOf(serial, QLatin1String("baudRate"), 115200);
        model.dataBits = wholeNumberOf(serial, QLatin1String("dataBits"), 8);
        model.parity = parityOf(stringOf(serial, QLatin1String("parity")));
        model.stopBits = stopBitsOf(serial.value(QLatin1String("stopBits")));
        model.flowControl = flowControlOf(stringOf(serial, QLatin1String("flowControl")));
    }
    const QJsonArray commands = object.value(QLatin1String("commands")).toArray();
    model.commands.reserve(commands.size());
    for (const QJsonValue& element : commands) {
        model.commands.append(commandOf(element.toObject(), model.protocol));
    }
    return model;
}

} // namespace

QString LocalizedText::text() const
{
    return LanguageManager::instance().pick(zh, en);
}

QString DeviceCommand::resolve(const QHash<QString, QString>& values) const
{
    QString text = cmd;
    for (const CommandParam& param : params) {
        QString value = values.value(param.key);
        if (value.isEmpty()) {
            value = param.defaultValue.isEmpty() ? param.hint : param.defaultValue;
        }
        text.replace(QLatin1Char('<') + param.key + QLatin1Char('>'), value, Qt::CaseSensitive);
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
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        m_lastError = error.errorString();
        return false;
    }
    const QJsonObject top = document.object();
    const QJsonArray models = top.value(QLatin1String("models")).toArray();
    QList<DeviceModel> parsed;
    parsed.reserve(models.size());
    for (const QJsonValue& element : models) {
        parsed.append(modelOf(element.toObject()));
    }
    m_models = std::move(parsed);
    m_version = stringOf(top, QLatin1String("version"));
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
