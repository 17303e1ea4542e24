#include "log/jsonscan.h"

namespace JsonScan {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return c - 'A' + 10;
}

unsigned readHex4(const char* p)
{
    return unsigned(hexValue(p[0]) << 12 | hexValue(p[1]) << 8 | hexValue(p[2]) << 4 |
                    hexValue(p[3]));
}

void appendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

} // namespace

void appendUnescaped(std::string& out, const char* begin, const char* end)
{
    const char* p = begin;
    while (p < end) {
        const char* backslash = p;
        while (backslash < end && *backslash != '\\') {
            ++backslash;
        }
        out.append(p, size_t(backslash - p));
        if (backslash >= end) {
            return;
        }
        p = backslash + 1;
        if (p >= end) {
            return;
        }
        const char c = *p++;
        switch (c) {
        case 'b':
            out.push_back('\b');
            break;
        case 'f':
            out.push_back('\f');
            break;
        case 'n':
            out.push_back('\n');
            break;
        case 'r':
            out.push_back('\r');
            break;
        case 't':
            out.push_back('\t');
            break;
        case 'u': {
            if (end - p < 4) {
                return;
            }
            char32_t unit = readHex4(p);
            p += 4;
            if (unit >= 0xD800 && unit < 0xDC00 && end - p >= 6 && p[0] == '\\' && p[1] == 'u') {
                const char32_t low = readHex4(p + 2);
                if (low >= 0xDC00 && low < 0xE000) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    p += 6;
                }
            }
            if (unit >= 0xD800 && unit < 0xE000) {
                unit = 0xFFFD;
            }
            appendCodePoint(out, unit);
            break;
        }
        default: // " \ /
            out.push_back(c);
            break;
        }
    }
}

int utf8SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char c = *p;
    int length = 0;
    char32_t lowest = 0;
    char32_t code = 0;
    if (c < 0x80) {
        return 1;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        code = c & 0x1F;
        lowest = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        code = c & 0x0F;
        lowest = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        code = c & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no UTF-8.
    if (code < lowest || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

} // namespace JsonScan
