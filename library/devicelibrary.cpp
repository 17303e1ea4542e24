#include "library/devicelibrary.h"

#include "library/jsonreader.h"
#include "settings/languagemanager.h"
#include "util/textbounds.h"

#include <QFile>

#include <cmath>
#include <limits>
#include <utility>

namespace {

using Kind = JsonReader::Kind;

// Calls @p readMember with the name of every member of an object, which
// reads or skips the member's value; any other value is skipped.
template <typename ReadMember> void forEachMember(JsonReader& reader, ReadMember readMember)
{
    if (reader.next() != Kind::Object) {
        reader.skip();
        return;
    }
    reader.enterObject();
    QByteArrayView key;
    while (reader.nextMember(key)) {
        readMember(key);
    }
}

// Calls @p readElement for every element of an array; any other value is
// skipped.
template <typename ReadElement> void forEachElement(JsonReader& reader, ReadElement readElement)
{
    if (reader.next() != Kind::Array) {
        reader.skip();
        return;
    }
    reader.enterArray();
    while (reader.nextElement()) {
        readElement();
    }
}

// How many more records of each kind a document may hold. A document of a few
// megabytes could otherwise describe millions of empty commands, each a record
// of its own in memory; what is past a bound is skipped unread, and the
// document refused.
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
// one counts, as in a JSON object.
QString stringOf(JsonReader& reader)
{
    if (reader.next() == Kind::String) {
        return reader.readString();
    }
    reader.skip();
    return {};
}

// A text the window shows as it is: cut to a length it can lay out.
QString captionOf(JsonReader& reader)
{
    return TextBounds::cut(stringOf(reader), TextBounds::Caption);
}

LocalizedText localizedOf(JsonReader& reader)
{
    LocalizedText text;
    forEachMember(reader, [&](QByteArrayView key) {
        if (key == "zh") {
            text.zh = captionOf(reader);
        } else if (key == "en") {
            text.en = captionOf(reader);
        } else {
            reader.skip();
        }
    });
    return text;
}

// A JSON boolean; anything else reads as false.
bool boolOf(JsonReader& reader)
{
    if (reader.next() == Kind::Bool) {
        return reader.readBool();
    }
    reader.skip();
    return false;
}

// A number, or NaN for any other value.
double numberOf(JsonReader& reader)
{
    if (reader.next() == Kind::Number) {
        return reader.readNumber();
    }
    reader.skip();
    return std::nan("");
}

qint32 wholeNumberOf(JsonReader& reader, qint32 fallback)
{
    const double number = numberOf(reader);
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
void readSerial(JsonReader& reader, DeviceModel& model)
{
    model.hasSerial = true;
    model.baudRate = 115200;
    model.dataBits = 8;
    model.parity = 0;
    model.stopBits = 1;
    model.flowControl = 0;
    forEachMember(reader, [&](QByteArrayView key) {
        if (key == "baudRate") {
            model.baudRate = wholeNumberOf(reader, 115200);
        } else if (key == "dataBits") {
            model.dataBits = wholeNumberOf(reader, 8);
        } else if (key == "parity") {
            model.parity = parityOf(stringOf(reader));
        } else if (key == "stopBits") {
            model.stopBits = stopBitsOf(numberOf(reader));
        } else if (key == "flowControl") {
            model.flowControl = flowControlOf(stringOf(reader));
        } else {
            reader.skip();
        }
    });
}

CommandParam paramOf(JsonReader& reader)
{
    CommandParam param;
    forEachMember(reader, [&](QByteArrayView key) {
        if (key == "key") {
            param.key = stringOf(reader);
        } else if (key == "label") {
            param.label = localizedOf(reader);
        } else if (key == "hint") {
            param.hint = stringOf(reader);
        } else if (key == "default") {
            param.defaultValue = stringOf(reader);
        } else {
            reader.skip();
        }
    });
    return param;
}

// A command as written; which of "cmd", "payloadBase64" and "needsInput"
// count is settled once the model's protocol is known (it may come later in
// the model object). Until then the Base64 text waits in payload.
DeviceCommand commandOf(JsonReader& reader, Budget& budget)
{
    DeviceCommand command;
    forEachMember(reader, [&](QByteArrayView key) {
        if (key == "id") {
            command.id = captionOf(reader);
        } else if (key == "group") {
            command.group = localizedOf(reader);
        } else if (key == "name") {
            command.name = localizedOf(reader);
        } else if (key == "type") {
            command.type = typeOf(stringOf(reader));
        } else if (key == "params") {
            command.params.clear();
            forEachElement(reader, [&] {
                if (command.params.size() == DeviceLibrary::MaxCommandParams) {
                    budget.note(QStringLiteral("a command has more than %1 parameters")
                                    .arg(DeviceLibrary::MaxCommandParams));
                    reader.skip();
                } else if (budget.take(budget.params, "parameters", DeviceLibrary::MaxParams)) {
                    command.params.append(paramOf(reader));
                } else {
                    reader.skip();
                }
            });
        } else if (key == "needsInput") {
            command.needsInput = boolOf(reader);
        } else if (key == "payloadBase64") {
            command.payload = stringOf(reader);
        } else if (key == "cmd") {
            command.cmd = stringOf(reader);
        } else {
            reader.skip();
        }
    });
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

DeviceModel modelOf(JsonReader& reader, Budget& budget)
{
    DeviceModel model;
    forEachMember(reader, [&](QByteArrayView key) {
        if (key == "id") {
            model.id = captionOf(reader);
        } else if (key == "protocol") {
            model.protocol = stringOf(reader) == QLatin1String("json") ? ModelProtocol::Json
                                                                       : ModelProtocol::Text;
        } else if (key == "name") {
            model.name = localizedOf(reader);
        } else if (key == "description") {
            model.description = localizedOf(reader);
        } else if (key == "serial") {
            readSerial(reader, model);
        } else if (key == "commands") {
            model.commands.clear();
            forEachElement(reader, [&] {
                if (budget.take(budget.commands, "commands", DeviceLibrary::MaxCommands)) {
                    model.commands.append(commandOf(reader, budget));
                } else {
                    reader.skip();
                }
            });
        } else {
            reader.skip();
        }
    });
    for (DeviceCommand& command : model.commands) {
        settleCommand(command, model.protocol);
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
    JsonReader reader(bytes);
    if (reader.next() != Kind::Object) {
        reader.skip();
        // Well-formed JSON that is no object fails with the parser's text
        // for its no-error state.
        m_lastError = reader.finish() ? QJsonParseError{0, QJsonParseError::NoError}.errorString()
                                      : reader.errorString();
        return false;
    }
    QString version;
    QList<DeviceModel> models;
    // The document is refused once it is known to be well-formed.
    Budget budget;
    reader.enterObject();
    QByteArrayView key;
    while (reader.nextMember(key)) {
        if (key == "version") {
            version = captionOf(reader);
        } else if (key == "models") {
            models.clear();
            budget = Budget(); // only the last "models" counts
            forEachElement(reader, [&] {
                if (budget.take(budget.models, "models", MaxModels)) {
                    models.append(modelOf(reader, budget));
                } else {
                    reader.skip();
                }
            });
        } else {
            reader.skip();
        }
    }
    if (!reader.finish()) {
        m_lastError = reader.errorString();
        return false;
    }
    if (!budget.problem.isEmpty()) {
        m_lastError = budget.problem;
        return false;
    }
    m_models = std::move(models);
    m_version = version;
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
