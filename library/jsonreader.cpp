#include "library/jsonreader.h"

#include <cmath>
#include <cstring>

namespace {

// QJsonDocument refuses more than this many nested containers.
constexpr int kNestingLimit = 1024;

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The code point of the UTF-8 sequence at p, advancing p past it; -1 for an
// invalid, overlong or surrogate sequence or one beyond U+10FFFF.
int decodeUtf8(const char*& p, const char* end)
{
    const auto byte = [](char c) {
        return int(static_cast<unsigned char>(c));
    };
    const int lead = byte(*p);
    int length = 0;
    int low = 0x80;
    int high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return -1;
    }
    if (end - p <= length)
        return -1;
    int code = lead & (0x3F >> length);
    for (int i = 1; i <= length; ++i) {
        const int next = byte(p[i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return -1;
        code = (code << 6) | (next & 0x3F);
    }
    p += length + 1;
    return code;
}

} // namespace

JsonReader::JsonReader(QByteArrayView text)
    : m_begin(text.data())
    , m_pos(text.data())
    , m_end(text.data() + text.size())
{
    // A byte order mark is allowed, as QJsonDocument allows it.
    if (text.startsWith("\xEF\xBB\xBF"))
        m_pos += 3;
}

void JsonReader::fail(QJsonParseError::ParseError error)
{
    if (!failed()) {
        m_error = error;
        m_errorOffset = int(m_pos - m_begin);
    }
    m_pos = m_end;
}

QString JsonReader::errorString() const
{
    return QJsonParseError{m_errorOffset, m_error}.errorString();
}

void JsonReader::skipWhiteSpace()
{
    while (m_pos < m_end && isWhiteSpace(*m_pos))
        ++m_pos;
}

JsonReader::Kind JsonReader::next()
{
    skipWhiteSpace();
    if (failed() || m_pos >= m_end) {
        fail(QJsonParseError::IllegalValue);
        return Kind::None;
    }
    switch (*m_pos) {
    case '"':
        return Kind::String;
    case '{':
        return Kind::Object;
    case '[':
        return Kind::Array;
    case 't':
    case 'f':
        return Kind::Bool;
    case 'n':
        return Kind::Null;
    default:
        return Kind::Number; // scanNumber rejects anything else
    }
}

QString JsonReader::readString()
{
    QString value;
    if (next() == Kind::String)
        scanString(&value, nullptr);
    else
        fail(QJsonParseError::IllegalValue);
    return value;
}

double JsonReader::readNumber()
{
    double value = 0;
    if (next() != Kind::None)
        scanNumber(&value);
    return value;
}

bool JsonReader::readBool()
{
    if (next() != Kind::Bool) {
        fail(QJsonParseError::IllegalValue);
        return false;
    }
    if (*m_pos == 't')
        return expectWord("true");
    expectWord("false");
    return false;
}

void JsonReader::skip()
{
    QByteArrayView name;
    switch (next()) {
    case Kind::String:
        scanString(nullptr, nullptr);
        break;
    case Kind::Number:
        scanNumber(nullptr);
        break;
    case Kind::Bool:
        readBool();
        break;
    case Kind::Null:
        expectWord("null");
        break;
    case Kind::Array:
        enterArray();
        while (nextElement())
            skip();
        break;
    case Kind::Object:
        enterObject();
        while (nextMember(name))
            skip();
        break;
    case Kind::None:
        break;
    }
}

bool JsonReader::enterContainer(char open)
{
    skipWhiteSpace();
    if (failed() || m_pos >= m_end || *m_pos != open) {
        fail(QJsonParseError::IllegalValue);
        return false;
    }
    if (m_first.size() >= kNestingLimit) {
        fail(QJsonParseError::DeepNesting);
        return false;
    }
    ++m_pos;
    m_first.append(true);
    return true;
}

void JsonReader::enterObject()
{
    enterContainer('{');
}

void JsonReader::enterArray()
{
    enterContainer('[');
}

// Before the next item of the innermost container: false at its end (which
// is consumed) or after an error; otherwise the comma, if any, is consumed.
bool JsonReader::separatorBefore(char close)
{
    skipWhiteSpace();
    if (failed() || m_first.isEmpty())
        return false;
    if (m_pos >= m_end) {
        fail(close == '}' ? QJsonParseError::UnterminatedObject
                          : QJsonParseError::UnterminatedArray);
        return false;
    }
    if (*m_pos == close) {
        ++m_pos;
        m_first.removeLast();
        return false;
    }
    if (!m_first.last()) {
        if (*m_pos != ',') {
            fail(close == '}' ? QJsonParseError::UnterminatedObject
                              : QJsonParseError::MissingValueSeparator);
            return false;
        }
        ++m_pos;
        skipWhiteSpace();
        if (m_pos < m_end && *m_pos == close) {
            fail(QJsonParseError::MissingObject);
            return false;
        }
    }
    m_first.last() = false;
    return true;
}

bool JsonReader::nextMember(QByteArrayView& name)
{
    if (!separatorBefore('}'))
        return false;
    skipWhiteSpace();
    if (m_pos >= m_end || *m_pos != '"') {
        fail(QJsonParseError::UnterminatedObject);
        return false;
    }
    const char* start = m_pos + 1;
    if (!scanString(nullptr, &m_name))
        return false;
    // The raw bytes serve as the name unless escapes had to be decoded.
    name = m_name.isNull() ? QByteArrayView(start, m_pos - 1 - start) : QByteArrayView(m_name);
    skipWhiteSpace();
    if (m_pos >= m_end || *m_pos != ':') {
        fail(QJsonParseError::MissingNameSeparator);
        return false;
    }
    ++m_pos;
    return true;
}

bool JsonReader::nextElement()
{
    return separatorBefore(']');
}

bool JsonReader::finish()
{
    skipWhiteSpace();
    if (!failed() && m_pos < m_end)
        fail(QJsonParseError::GarbageAtEnd);
    return !failed();
}

bool JsonReader::expectWord(QByteArrayView word)
{
    if (m_end - m_pos < word.size() || std::memcmp(m_pos, word.data(), size_t(word.size())) != 0) {
        fail(QJsonParseError::IllegalValue);
        return false;
    }
    m_pos += word.size();
    return true;
}

// At an opening quote. Fills @p value with the decoded text, or, for a
// member name, @p utf8 with the decoded UTF-8 only when the raw bytes do not
// already spell it (escapes); otherwise @p utf8 is left null.
bool JsonReader::scanString(QString* value, QByteArray* utf8)
{
    const char* start = ++m_pos;
    bool ascii = true;
    bool escaped = false;
    while (m_pos < m_end && *m_pos != '"') {
        if (*m_pos == '\\') {
            escaped = true;
            m_pos += 2;
            continue;
        }
        if (static_cast<unsigned char>(*m_pos) >= 0x80)
            ascii = false;
        ++m_pos;
    }
    if (m_pos >= m_end) {
        fail(QJsonParseError::UnterminatedString);
        return false;
    }
    const char* stop = m_pos;
    // As QJsonDocument does: an escape takes the one byte after the
    // backslash whatever it is (\u four hex digits), every other byte must
    // be well-formed UTF-8.
    if (escaped || !ascii) {
        for (const char* p = start; p < stop;) {
            if (*p == '\\') {
                ++p;
                if (*p == 'u' && (stop - p <= 4 || hexDigit(p[1]) < 0 || hexDigit(p[2]) < 0 ||
                                  hexDigit(p[3]) < 0 || hexDigit(p[4]) < 0)) {
                    m_pos = p;
                    fail(QJsonParseError::IllegalEscapeSequence);
                    return false;
                }
                p += *p == 'u' ? 5 : 1;
            } else if (static_cast<unsigned char>(*p) < 0x80) {
                ++p;
            } else if (decodeUtf8(p, stop) < 0) {
                m_pos = p;
                fail(QJsonParseError::IllegalUTF8String);
                return false;
            }
        }
    }
    ++m_pos; // the closing quote
    if (utf8) {
        *utf8 = QByteArray();
        if (escaped) {
            QString decoded;
            decodeEscaped(start, stop, decoded);
            *utf8 = decoded.toUtf8();
        }
    }
    if (value) {
        if (escaped)
            decodeEscaped(start, stop, *value);
        else if (ascii)
            *value = QString::fromLatin1(start, stop - start);
        else
            *value = QString::fromUtf8(start, stop - start);
    }
    return true;
}

// The text between the quotes, already checked, with its escapes resolved.
// A \u escape gives one UTF-16 unit, so escaped surrogate pairs join up and
// a lone surrogate stays as it was written.
void JsonReader::decodeEscaped(const char* from, const char* to, QString& out)
{
    out.clear();
    out.reserve(to - from);
    for (const char* p = from; p < to;) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 0x80) {
            const int code = decodeUtf8(p, to);
            if (code < 0) { // not after scanString's check; never loop on it
                out.append(QChar::ReplacementCharacter);
                ++p;
            } else if (code > 0xFFFF) {
                out.append(QChar(QChar::highSurrogate(char32_t(code))));
                out.append(QChar(QChar::lowSurrogate(char32_t(code))));
            } else {
                out.append(QChar(char16_t(code)));
            }
            continue;
        }
        if (c != '\\') {
            out.append(QLatin1Char(char(c)));
            ++p;
            continue;
        }
        const char kind = p[1];
        p += 2;
        switch (kind) {
        case 'b':
            out.append(QLatin1Char('\b'));
            break;
        case 'f':
            out.append(QLatin1Char('\f'));
            break;
        case 'n':
            out.append(QLatin1Char('\n'));
            break;
        case 'r':
            out.append(QLatin1Char('\r'));
            break;
        case 't':
            out.append(QLatin1Char('\t'));
            break;
        case 'u':
            out.append(QChar(char16_t((hexDigit(p[0]) << 12) | (hexDigit(p[1]) << 8) |
                                      (hexDigit(p[2]) << 4) | hexDigit(p[3]))));
            p += 4;
            break;
        default: // \" \\ \/ and, as QJsonDocument has it, any other byte
            out.append(QLatin1Char(kind));
            break;
        }
    }
}

// The number grammar QJsonDocument accepts: an optional minus, digits (a
// leading zero alone), an optional fraction and exponent; at least one digit
// before the exponent, and a finite value that does not underflow.
bool JsonReader::scanNumber(double* value)
{
    const char* start = m_pos;
    const auto digits = [this] {
        const char* from = m_pos;
        while (m_pos < m_end && *m_pos >= '0' && *m_pos <= '9')
            ++m_pos;
        return m_pos - from;
    };
    if (m_pos < m_end && *m_pos == '-')
        ++m_pos;
    qsizetype count = 0;
    if (m_pos < m_end && *m_pos == '0') {
        ++m_pos;
        count = 1;
    } else {
        count = digits();
    }
    if (m_pos < m_end && *m_pos == '.') {
        ++m_pos;
        count += digits();
    }
    if (count > 0 && m_pos < m_end && (*m_pos == 'e' || *m_pos == 'E')) {
        ++m_pos;
        if (m_pos < m_end && (*m_pos == '+' || *m_pos == '-'))
            ++m_pos;
        if (digits() == 0) {
            fail(QJsonParseError::IllegalNumber);
            return false;
        }
    }
    bool ok = count > 0;
    const double number = ok ? QByteArray(start, m_pos - start).toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(number)) {
        if (count == 0)
            m_pos = start;
        fail(QJsonParseError::IllegalNumber);
        return false;
    }
    if (value)
        *value = number;
    return true;
}
