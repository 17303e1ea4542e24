#include "util/hextokens.h"

namespace {

bool isSeparator(QChar c)
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

// A token's characters after its prefix: hex digits, and with @p mask also
// "??" for a byte of any value, which takes a whole byte (a pair counted from
// the token's end, as the leading zero of an odd token is).
HexTokens::Reading readTokens(QStringView text, QByteArray* mask)
{
    const QChar any = QLatin1Char('?');
    HexTokens::Reading result;
    result.bytes.reserve(text.size() / 2 + 1);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (isSeparator(text.at(i))) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n && !isSeparator(text.at(i))) {
            ++i;
        }
        qsizetype digits = start;
        if (i - start >= 2 && text.at(start) == QLatin1Char('0') &&
            (text.at(start + 1) == QLatin1Char('x') || text.at(start + 1) == QLatin1Char('X'))) {
            digits += 2;
        }
        if (digits == i) {
            // "0x" with nothing after it: the x is not a digit.
            return {QByteArray(), start + 1};
        }
        const bool odd = (i - digits) % 2 != 0;
        for (qsizetype k = digits; k < i; ++k) {
            if (hexValue(text.at(k)) >= 0) {
                continue;
            }
            // A wildcard stands for a whole byte: never half of one.
            const bool first = (k - digits) % 2 == (odd ? 1 : 0);
            const qsizetype partner = first ? k + 1 : k - 1;
            const bool pair = mask && text.at(k) == any && partner >= digits && partner < i &&
                              text.at(partner) == any;
            if (!pair) {
                return {QByteArray(), k};
            }
        }
        qsizetype k = digits;
        if (odd) {
            result.bytes.append(char(hexValue(text.at(k))));
            if (mask) {
                mask->append(char(0xFF));
            }
            ++k;
        }
        for (; k < i; k += 2) {
            const bool wild = text.at(k) == any;
            result.bytes.append(wild ? char(0)
                                     : char(hexValue(text.at(k)) << 4 | hexValue(text.at(k + 1))));
            if (mask) {
                mask->append(wild ? char(0) : char(0xFF));
            }
        }
    }
    return result;
}

} // namespace

namespace HexTokens {

Reading read(QStringView text)
{
    return readTokens(text, nullptr);
}

PatternReading readPattern(QStringView text)
{
    PatternReading result;
    const Reading reading = readTokens(text, &result.mask);
    result.bytes = reading.bytes;
    result.badPosition = reading.badPosition;
    if (result.badPosition >= 0) {
        result.mask.clear();
    }
    return result;
}

QString shownCharacter(QStringView text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        return text.mid(i, 2).toString();
    }
    if (!c.isPrint()) {
        return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return QString(c);
}

} // namespace HexTokens
