// Hex payload composition and the CRC suffix. Bytes written as hex in any of
// the ways a user writes them (pairs or runs, blanks and separators, 0x
// prefixes, either case, a leading zero left out) compose back to the same
// bytes; any other draft either composes consistently or is refused with a
// reason, never half-sent.
#include "fuzzsupport.h"

#include "serial/payloadcomposer.h"
#include "util/crc16.h"

namespace {

const char* const kSeparators[] = {" ", ",", ";", ":", "-", "\t", "\r\n", ", ", " - ", "  "};

bool allowedInDraft(QChar c)
{
    const char16_t u = c.unicode();
    return c.isSpace() || u == ',' || u == ';' || u == ':' || u == '-' || u == 'x' || u == 'X' ||
           (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

// The bytes as a user might type them, steered by the option bytes.
QString written(const QByteArray& bytes, fuzz::Input& options)
{
    const uint8_t style = options.byte();
    const int perToken = 1 + (style & 3);
    const bool upper = style & 4;
    const bool prefixed = style & 8;
    const bool dropLeadingZero = style & 16;
    const char* separator = kSeparators[options.below(std::size(kSeparators))];
    QString text;
    if (style & 32) {
        text += QLatin1String(separator); // leading separators are skipped too
    }
    for (qsizetype i = 0; i < bytes.size(); i += perToken) {
        if (i > 0) {
            text += QLatin1String(separator);
        }
        QByteArray digits = bytes.mid(i, perToken).toHex();
        if (upper) {
            digits = digits.toUpper();
        }
        if (dropLeadingZero && digits.startsWith('0')) {
            digits.remove(0, 1); // an odd run gets its leading zero back
        }
        if (prefixed) {
            text += upper ? QLatin1String("0X") : QLatin1String("0x");
        }
        text += QString::fromLatin1(digits);
    }
    return text;
}

void checkConsistent(const QString& text)
{
    QString plainError = QStringLiteral("unset");
    QString crcError = QStringLiteral("unset");
    const QByteArray plain = PayloadComposer::hex(text, false, &plainError);
    const QByteArray withCrc = PayloadComposer::hex(text, true, &crcError);
    FUZZ_CHECK(plainError == crcError, plainError + QLatin1Char('|') + crcError);
    if (plain.isEmpty()) {
        FUZZ_CHECK(!plainError.isEmpty(), text);
        FUZZ_CHECK(withCrc.isEmpty(), text);
        return;
    }
    FUZZ_CHECK(plainError.isEmpty(), plainError);
    FUZZ_CHECK(withCrc == plain + Crc16::modbusBytes(plain), text);
    // Two digits give one byte; a run of odd length gives one more.
    FUZZ_CHECK(plain.size() <= (text.size() + 1) / 2, text);
    for (const QChar c : text) {
        FUZZ_CHECK(allowedInDraft(c), QStringLiteral("accepted U+%1").arg(c.unicode(), 4, 16));
    }
    const QString suffix = PayloadComposer::crcEchoSuffix(plain, true);
    FUZZ_CHECK(suffix ==
                   QStringLiteral(" [CRC %1]")
                       .arg(QString::fromLatin1(Crc16::modbusBytes(plain).toHex(' ').toUpper())),
               suffix);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t mode = input.byte();
    if (mode & 1) {
        const bool withCrc = mode & 2;
        const QByteArray style = input.take(2);
        fuzz::Input options(reinterpret_cast<const uint8_t*>(style.constData()),
                            size_t(style.size()));
        const QByteArray bytes = input.rest();
        const QString text = written(bytes, options);
        QString error;
        const QByteArray payload = PayloadComposer::hex(text, withCrc, &error);
        if (bytes.isEmpty()) {
            FUZZ_CHECK(payload.isEmpty() && !error.isEmpty(), text);
            return 0;
        }
        const QByteArray expected = withCrc ? bytes + Crc16::modbusBytes(bytes) : bytes;
        FUZZ_CHECK(error.isEmpty(), error + QLatin1String(" for ") + text);
        FUZZ_CHECK(payload == expected,
                   text + QLatin1String(" gave ") + QString::fromLatin1(payload.toHex(' ')));
        checkConsistent(text);
        return 0;
    }
    const QByteArray bytes = input.rest();
    checkConsistent((mode & 2) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes));
    return 0;
}
