// Filling a command's parameters into its template: whatever the template, the parameters and
// the values, the result is the text that replacing the placeholders one parameter after the
// other gives, or nothing when that text grows past the bound on the way; it never grows past
// it, and nothing past it is ever built.
#include "fuzzsupport.h"

#include "library/devicelibrary.h"

#include <QHash>

namespace {

// The same filling-in, done another way: the text split at each placeholder and joined with
// the value, its length known before it is joined.
std::optional<QString> reference(const DeviceCommand& command,
                                 const QHash<QString, QString>& values, qsizetype limit)
{
    QString text = command.cmd;
    if (text.size() > limit) {
        return std::nullopt;
    }
    for (const CommandParam& param : command.params) {
        QString value = values.value(param.key);
        if (value.isEmpty()) {
            value = param.defaultValue.isEmpty() ? param.hint : param.defaultValue;
        }
        const QStringList parts = text.split(QLatin1Char('<') + param.key + QLatin1Char('>'));
        qsizetype length = value.size() * (parts.size() - 1);
        for (const QString& part : parts) {
            length += part.size();
        }
        if (length > limit) {
            return std::nullopt;
        }
        text = parts.join(value);
    }
    return text;
}

QString textOf(fuzz::Input& input, size_t maxBytes)
{
    return QString::fromUtf8(input.take(input.below(maxBytes + 1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    // Small bounds, so that the inputs reach them.
    const qsizetype limit = qsizetype(input.byte()) * 16;
    DeviceCommand command;
    QHash<QString, QString> values;
    const size_t params = input.below(6);
    for (size_t i = 0; i < params; ++i) {
        CommandParam param;
        // Keys of one letter meet each other's placeholders often.
        param.key =
            input.flag() ? QString(QChar(char16_t(u'a' + input.below(3)))) : textOf(input, 6);
        param.defaultValue = textOf(input, 40);
        param.hint = textOf(input, 12);
        if (input.flag()) {
            values.insert(param.key, textOf(input, 40));
        }
        command.params.append(param);
    }
    command.cmd = QString::fromUtf8(input.rest());

    const std::optional<QString> resolved = command.resolve(values, limit);
    const std::optional<QString> expected = reference(command, values, limit);
    FUZZ_CHECK(resolved.has_value() == expected.has_value(), command.cmd);
    if (resolved) {
        FUZZ_CHECK(*resolved == *expected, *resolved);
        FUZZ_CHECK(resolved->size() <= limit, QString::number(resolved->size()));
    }
    return 0;
}
