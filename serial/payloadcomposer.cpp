#include "serial/payloadcomposer.h"

#include "util/crc16.h"

#include <QCoreApplication>

namespace PayloadComposer {

namespace {

bool isHexSeparator(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char(':') ||
           c == QLatin1Char('-');
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

// The character at @p i as the user would recognise it in a message.
QString shownCharacter(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        return text.mid(i, 2);
    }
    if (!c.isPrint()) {
        return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return QString(c);
}

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

QByteArray text(const QString& text, bool withCrc)
{
    QByteArray payload = text.toUtf8();
    const bool endsWithLineFeed = payload.endsWith('\n');
    if (withCrc) {
        payload += Crc16::modbusBytes(payload);
    }
    if (!endsWithLineFeed) {
        payload += "\r\n";
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
    QByteArray payload;
    payload.reserve(text.size() / 2 + 2);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (isHexSeparator(text.at(i))) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n && !isHexSeparator(text.at(i))) {
            ++i;
        }
        qsizetype digits = start;
        if (i - start >= 2 && text.at(start) == QLatin1Char('0') &&
            (text.at(start + 1) == QLatin1Char('x') || text.at(start + 1) == QLatin1Char('X'))) {
            digits += 2;
        }
        if (digits == i) {
            // "0x" with nothing after it: the x is not a digit.
            return refuse(notAHexDigit(text.at(start + 1), start + 2));
        }
        for (qsizetype k = digits; k < i; ++k) {
            if (hexValue(text.at(k)) < 0) {
                return refuse(notAHexDigit(shownCharacter(text, k), k + 1));
            }
        }
        qsizetype k = digits;
        if ((i - digits) % 2 != 0) {
            payload.append(char(hexValue(text.at(k))));
            ++k;
        }
        for (; k < i; k += 2) {
            payload.append(char(hexValue(text.at(k)) << 4 | hexValue(text.at(k + 1))));
        }
    }
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

Composed compose(const QString& draft, bool asHex, bool withCrc)
{
    Composed composed;
    if (asHex) {
        composed.bytes = hex(draft, withCrc, &composed.error);
        composed.echo = composed.bytes.toHex(' ').toUpper();
        return composed;
    }
    const QByteArray utf8 = draft.toUtf8();
    composed.bytes = text(draft, withCrc);
    composed.echo = utf8 + crcEchoSuffix(utf8, withCrc).toUtf8();
    composed.crLfAdded = !utf8.endsWith('\n');
    return composed;
}

} // namespace PayloadComposer
