// The .env reader: any file gives a table, the same one with Windows line
// ends and the same one when the file is read twice; no empty key is ever
// defined.
#include "fuzzsupport.h"

#include "settings/envconfig.h"

#include <QBuffer>
#include <QStringConverter>

#include <optional>

namespace {

const QString kUnset = QStringLiteral("\x01unset\x01");

// The table that @p bytes give, read @p times times over (later reads replace
// earlier ones, as a second file does). Files only add opening them to this,
// which the unit tests cover; reading from memory keeps the inputs per second
// up.
EnvConfig tableOf(const QByteArray& bytes, int times = 1)
{
    EnvConfig config;
    for (int i = 0; i < times; ++i) {
        QBuffer buffer;
        buffer.setData(bytes);
        if (!buffer.open(QIODevice::ReadOnly | QIODevice::Text)) {
            fuzz::fail("cannot open a buffer");
        }
        config.load(buffer);
    }
    return config;
}

// The keys a line may define: the text before its first "=", as written
// and trimmed.
QStringList candidateKeys(const QByteArray& bytes)
{
    QStringList keys{QString(), QStringLiteral("DEVICE_LIBRARY_API_BASE_URL"),
                     QStringLiteral("DEVICE_LIBRARY_API_KEY"),
                     QStringLiteral("APP_UPDATE_API_BASE_URL"),
                     QStringLiteral("APP_UPDATE_API_KEY")};
    for (const QByteArray& line : bytes.split('\n')) {
        const QString text = QString::fromUtf8(line);
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        if (eq > 0) {
            keys.append(text.left(eq));
            keys.append(text.left(eq).trimmed());
        }
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray windows = bytes;
    windows.replace("\n", "\r\n");
    const EnvConfig once = tableOf(bytes);
    const EnvConfig twice = tableOf(bytes, 2);
    const EnvConfig crlf = tableOf(windows);

    // A file that starts with a UTF-16 or UTF-32 byte order mark is read in
    // that encoding (as Windows editors save "Unicode" text); there a 0x0A
    // byte is half a character, and doubling it is no change of line end.
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    const bool byteLineEnds = !marked || *marked == QStringConverter::Utf8;

    FUZZ_CHECK(once.value(QString(), kUnset) == kUnset, once.value(QString()));
    for (const QString& key : candidateKeys(bytes)) {
        const QString value = once.value(key, kUnset);
        FUZZ_CHECK(twice.value(key, kUnset) == value, key);
        FUZZ_CHECK(!byteLineEnds || crlf.value(key, kUnset) == value,
                   key + QLatin1String(": ") + value + QLatin1String(" | ") +
                       crlf.value(key, kUnset));
        if (value != kUnset) {
            FUZZ_CHECK(key == key.trimmed() && !key.isEmpty(), key);
            FUZZ_CHECK(!value.contains(QLatin1Char('\n')), key); // no multi-line values
        }
    }
    return 0;
}
