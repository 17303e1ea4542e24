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

} // namespace

namespace HexTokens {

Reading read(QStringView text)
{
    Reading result;
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
        for (qsizetype k = digits; k < i; ++k) {
            if (hexValue(text.at(k)) < 0) {
                return {QByteArray(), k};
            }
        }
        qsizetype k = digits;
        if ((i - digits) % 2 != 0) {
            result.bytes.append(char(hexValue(text.at(k))));
            ++k;
        }
        for (; k < i; k += 2) {
            result.bytes.append(char(hexValue(text.at(k)) << 4 | hexValue(text.at(k + 1))));
        }
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
