#include "serial/payloadcomposer.h"

#include "util/crc16.h"
#include "util/hextokens.h"

#include <QCoreApplication>

namespace PayloadComposer {

namespace {

// The texts keep the controller's translation context, where the catalogues
// have them from when the controller composed payloads itself.
QString notAHexDigit(const QString& shown, qsizetype position)
{
    return QCoreApplication::translate("AppController",
                                       "Not sent: \"%1\" at position %2 is not a hex digit.")
        .arg(shown)
        .arg(position);
}

} // namespace

TextLineEnd lineEndFromCode(int code)
{
    switch (code) {
    case int(TextLineEnd::Lf):
        return TextLineEnd::Lf;
    case int(TextLineEnd::Cr):
        return TextLineEnd::Cr;
    case int(TextLineEnd::None):
        return TextLineEnd::None;
    default:
        return TextLineEnd::CrLf;
    }
}

QByteArray lineEndBytes(TextLineEnd end)
{
    switch (end) {
    case TextLineEnd::CrLf:
        return QByteArrayLiteral("\r\n");
    case TextLineEnd::Lf:
        return QByteArrayLiteral("\n");
    case TextLineEnd::Cr:
        return QByteArrayLiteral("\r");
    case TextLineEnd::None:
        break;
    }
    return {};
}

QByteArray text(const QString& text, bool withCrc, TextLineEnd end)
{
    QByteArray payload = text.toUtf8();
    const bool endsWithLineFeed = payload.endsWith('\n');
    if (withCrc) {
        payload += Crc16::modbusBytes(payload);
    }
    if (!endsWithLineFeed) {
        payload += lineEndBytes(end);
    }
    return payload;
}

QByteArray hex(const QString& text, bool withCrc, QString* error)
{
    auto refuse = [&](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return QByteArray();
    };
    const HexTokens::Reading reading = HexTokens::read(text);
    if (reading.badPosition >= 0) {
        return refuse(notAHexDigit(HexTokens::shownCharacter(text, reading.badPosition),
                                   reading.badPosition + 1));
    }
    QByteArray payload = reading.bytes;
    if (payload.isEmpty()) {
        return refuse(QCoreApplication::translate("AppController",
                                                  "Not sent: the draft holds no hex digits."));
    }
    if (withCrc) {
        payload += Crc16::modbusBytes(payload);
    }
    if (error) {
        error->clear();
    }
    return payload;
}

QString crcEchoSuffix(const QByteArray& bytes, bool withCrc)
{
    if (!withCrc) {
        return {};
    }
    const QByteArray crc = Crc16::modbusBytes(bytes).toHex(' ').toUpper();
    return QStringLiteral(" [CRC %1]").arg(QString::fromLatin1(crc));
}

Composed compose(const QString& draft, bool asHex, bool withCrc, TextLineEnd end)
{
    Composed composed;
    if (asHex) {
        composed.bytes = hex(draft, withCrc, &composed.error);
        composed.echo = composed.bytes.toHex(' ').toUpper();
        return composed;
    }
    const QByteArray utf8 = draft.toUtf8();
    composed.bytes = text(draft, withCrc, end);
    composed.echo = utf8 + crcEchoSuffix(utf8, withCrc).toUtf8();
    composed.lineEndAdded = utf8.endsWith('\n') ? TextLineEnd::None : end;
    return composed;
}

} // namespace PayloadComposer
