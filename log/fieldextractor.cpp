#include "log/fieldextractor.h"

#include "log/jsonscan.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips one ANSI control sequence (escape, "[", parameters, a final letter)
// at p; p stays where it was when none starts there.
const char* skipControlSequence(const char* p, const char* end)
{
    if (end - p < 2 || p[0] != '\x1b' || p[1] != '[') {
        return p;
    }
    const char* q = p + 2;
    while (q < end && ((*q >= '0' && *q <= '9') || *q == ';')) {
        ++q;
    }
    if (q < end && ((*q >= 'A' && *q <= 'Z') || (*q >= 'a' && *q <= 'z'))) {
        return q + 1;
    }
    return p;
}

// The start of a control sequence that ends exactly at end, or end.
const char* controlSequenceBefore(const char* begin, const char* end)
{
    if (end - begin < 3) {
        return end;
    }
    const char last = end[-1];
    if (!((last >= 'A' && last <= 'Z') || (last >= 'a' && last <= 'z'))) {
        return end;
    }
    const char* q = end - 2;
    while (q > begin && ((*q >= '0' && *q <= '9') || *q == ';')) {
        --q;
    }
    if (*q == '[' && q > begin && q[-1] == '\x1b') {
        return q - 1;
    }
    return end;
}

// The power of ten of a JSON number's first significant digit, roughly: for
// telling a number too large for a double from one too small.
qint64 decimalExponent(const char* p, const char* end)
{
    if (p < end && *p == '-') {
        ++p;
    }
    qint64 exponent = 0;
    if (p < end && *p == '0') {
        ++p;
        if (p < end && *p == '.') {
            ++p;
            qint64 zeros = 0;
            while (p < end && *p == '0') {
                ++zeros;
                ++p;
            }
            exponent = -(zeros + 1);
        } else {
            exponent = -1; // zero
        }
    } else {
        while (p < end && isDigit(*p)) {
            ++exponent;
            ++p;
        }
        --exponent;
    }
    while (p < end && *p != 'e' && *p != 'E') {
        ++p;
    }
    if (p < end) {
        ++p;
        bool negative = false;
        if (p < end && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        qint64 written = 0;
        while (p < end && isDigit(*p)) {
            written = qMin<qint64>(written * 10 + (*p - '0'), 1'000'000'000);
            ++p;
        }
        exponent += negative ? -written : written;
    }
    return exponent;
}

// The common case quickly and exactly: at most 15 significant digits and a
// power of ten up to 22 are both doubles, so one multiplication or division
// rounds correctly. False for anything else.
bool parseSimpleDouble(const char* p, const char* end, double& value)
{
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negative = p < end && *p == '-';
    if (negative) {
        ++p;
    }
    quint64 mantissa = 0;
    int significant = 0;
    int exponent = 0;
    bool digits = false;
    bool point = false;
    for (; p < end; ++p) {
        if (*p == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDigit(*p)) {
            break;
        }
        digits = true;
        if (mantissa != 0 || *p != '0') {
            if (++significant > 15) {
                return false;
            }
            mantissa = mantissa * 10 + quint64(*p - '0');
        }
        if (point) {
            --exponent;
        }
    }
    if (!digits) {
        return false;
    }
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negativeExponent = p < end && *p == '-';
        if (p < end && (*p == '+' || *p == '-')) {
            ++p;
        }
        int written = 0;
        bool exponentDigits = false;
        for (; p < end && isDigit(*p); ++p) {
            exponentDigits = true;
            written = qMin(written * 10 + (*p - '0'), 100000);
        }
        if (!exponentDigits) {
            return false;
        }
        exponent += negativeExponent ? -written : written;
    }
    if (p != end || exponent < -22 || exponent > 22) {
        return false;
    }
    double result = double(mantissa);
    if (mantissa != 0) {
        result = exponent < 0 ? result / powers[-exponent] : result * powers[exponent];
    }
    value = negative ? -result : result;
    return true;
}

bool parseDouble(const char* begin, const char* end, double& value, bool& outOfRange)
{
    outOfRange = false;
    if (parseSimpleDouble(begin, end, value)) {
        return true;
    }
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range && result.ptr == end) {
        outOfRange = true;
        return false;
    }
    return result.ec == std::errc() && result.ptr == end;
#else
    bool ok = false;
    value = QByteArray(begin, end - begin).toDouble(&ok);
    if (!ok) {
        outOfRange = true; // the text was checked to be a number
    }
    return ok && std::isfinite(value);
#endif
}

// Whether [begin, end) is one of the words plotters print for a value that is
// no number.
bool isNoNumberWord(const char* begin, const char* end)
{
    static const char* const words[] = {"nan",  "-nan",     "+nan",      "inf", "-inf",
                                        "+inf", "infinity", "-infinity", "ovf"};
    const qsizetype size = end - begin;
    for (const char* word : words) {
        if (qsizetype(std::strlen(word)) == size &&
            QByteArrayView(begin, size).compare(QByteArrayView(word), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

namespace {

FieldExtractor::NumberText readCheckedNumber(const char* begin, const char* end, double& value)
{
    bool outOfRange = false;
    if (parseDouble(begin, end, value, outOfRange)) {
        return FieldExtractor::NumberText::Number;
    }
    if (!outOfRange) {
        return FieldExtractor::NumberText::NotANumber;
    }
    if (decimalExponent(begin, end) < 0) {
        value = *begin == '-' ? -0.0 : 0.0;
        return FieldExtractor::NumberText::Number;
    }
    return FieldExtractor::NumberText::BeyondRange;
}

// The decimal digits of a small count, without an allocation.
void appendNumber(std::string& out, int number)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, size_t(result.ptr - digits));
}

} // namespace

FieldExtractor::NumberText FieldExtractor::readJsonNumber(const char* begin, const char* end,
                                                          double& value)
{
    return readCheckedNumber(begin, end, value);
}

FieldExtractor::NumberText FieldExtractor::readLooseNumber(const char* begin, const char* end,
                                                           double& value)
{
    if (begin < end && *begin == '+') {
        ++begin;
    }
    if (begin == end) {
        return NumberText::NotANumber;
    }
    // Only digits, one point and an exponent: from_chars would also take
    // "inf", "nan" and hexadecimal digits.
    bool digits = false;
    for (const char* p = begin; p < end; ++p) {
        const char c = *p;
        if (isDigit(c)) {
            digits = true;
        } else if (c != '.' && c != 'e' && c != 'E' && c != '-' && c != '+') {
            return NumberText::NotANumber;
        }
    }
    if (!digits || *begin == 'e' || *begin == 'E' || *begin == '+') {
        return NumberText::NotANumber;
    }
    return readCheckedNumber(begin, end, value);
}

// Turns what the reader meets into fields named by their paths.
struct JsonFieldHandler
{
    FieldExtractor& extractor;
    std::string& prefix;
    // Length of the prefix at the start of each open object or array.
    qsizetype starts[FieldExtractor::MaxDepth + 2] = {};
    int depth = 0;

    void leaf(FieldExtractor::Kind kind, double value, const char* raw, qsizetype rawSize,
              bool escaped)
    {
        FieldExtractor::Field field;
        field.pathOffset = qsizetype(extractor.m_paths.size());
        field.pathSize = qsizetype(prefix.size());
        field.kind = kind;
        field.value = value;
        field.raw = raw;
        field.rawSize = rawSize;
        field.escaped = escaped;
        extractor.m_paths.append(prefix);
        extractor.m_fields.push_back(field);
    }

    void beginObject() { starts[++depth] = qsizetype(prefix.size()); }
    void beginArray() { starts[++depth] = qsizetype(prefix.size()); }
    void endObject() { prefix.resize(size_t(starts[depth--])); }
    void endArray() { prefix.resize(size_t(starts[depth--])); }

    void key(const char* b, const char* e, bool escaped)
    {
        const qsizetype start = starts[depth];
        prefix.resize(size_t(start));
        if (start > 0) {
            prefix.push_back('.');
        }
        if (escaped) {
            JsonScan::appendUnescaped(prefix, b, e);
        } else {
            prefix.append(b, size_t(e - b));
        }
    }

    void item(int index)
    {
        prefix.resize(size_t(starts[depth]));
        prefix.push_back('[');
        appendNumber(prefix, index);
        prefix.push_back(']');
    }

    void number(const char* b, const char* e)
    {
        double value = 0;
        if (FieldExtractor::readJsonNumber(b, e, value) == FieldExtractor::NumberText::Number) {
            leaf(FieldExtractor::Kind::Number, value, b, e - b, false);
        } else {
            leaf(FieldExtractor::Kind::NoNumber, 0, b, e - b, false);
        }
    }

    void text(const char* b, const char* e, bool escaped)
    {
        leaf(FieldExtractor::Kind::Text, 0, b, e - b, escaped);
    }

    void literal(JsonScan::Literal literal, const char* b, const char* e)
    {
        switch (literal) {
        case JsonScan::Literal::True:
        case JsonScan::Literal::False:
            leaf(FieldExtractor::Kind::Boolean, literal == JsonScan::Literal::True ? 1 : 0, b,
                 e - b, false);
            break;
        default: // null, NaN, Infinity, -Infinity
            leaf(FieldExtractor::Kind::NoNumber, 0, b, e - b, false);
            break;
        }
    }
};

FieldExtractor::Shape FieldExtractor::extract(QByteArrayView line)
{
    m_fields.clear();
    m_paths.clear();
    if (line.size() > MaxLineBytes) {
        return Shape::TooLong;
    }
    const char* begin = line.data();
    const char* end = begin + line.size();
    for (;;) {
        while (begin < end && isBlank(*begin)) {
            ++begin;
        }
        const char* next = skipControlSequence(begin, end);
        if (next == begin) {
            break;
        }
        begin = next;
    }
    for (;;) {
        while (end > begin && isBlank(end[-1])) {
            --end;
        }
        const char* start = controlSequenceBefore(begin, end);
        if (start == end) {
            break;
        }
        end = start;
    }
    if (begin == end) {
        return Shape::Other;
    }
    const Shape shape = *begin == '{' ? extractJson(begin, end) : extractPlotterLine(begin, end);
    if (shape != Shape::Json && shape != Shape::Pairs && shape != Shape::Numbers) {
        m_fields.clear();
        m_paths.clear();
    }
    return shape;
}

FieldExtractor::Shape FieldExtractor::extractJson(const char* begin, const char* end)
{
    m_prefix.clear();
    JsonFieldHandler handler{*this, m_prefix};
    JsonScan::Options options;
    options.maxDepth = MaxDepth;
    options.allowNonFinite = true;
    JsonScan::Reader<JsonFieldHandler> reader(begin, end, handler, options);
    const JsonScan::Outcome outcome = reader.readDocument();
    if (outcome.problem == JsonScan::Problem::TooDeep) {
        return Shape::TooDeep;
    }
    return outcome.ok() ? Shape::Json : Shape::BrokenJson;
}

FieldExtractor::Shape FieldExtractor::extractPlotterLine(const char* begin, const char* end)
{
    const char* p = begin;
    Shape shape = Shape::Other;
    int position = 0;
    for (;;) {
        while (p < end && isSeparator(*p)) {
            ++p;
        }
        if (p == end) {
            break;
        }
        const char* token = p;
        while (p < end && !isSeparator(*p) && *p != ':' && *p != '=') {
            ++p;
        }
        const char* tokenEnd = p;
        const bool labelled = p < end && (*p == ':' || *p == '=');
        const Shape tokenShape = labelled ? Shape::Pairs : Shape::Numbers;
        if (shape != Shape::Other && shape != tokenShape) {
            return Shape::Other; // pairs and bare numbers mixed
        }
        shape = tokenShape;
        ++position;

        const char* value = token;
        const char* valueEnd = tokenEnd;
        Field field;
        field.pathOffset = qsizetype(m_paths.size());
        if (labelled) {
            if (tokenEnd == token) {
                return Shape::Other;
            }
            ++p;
            while (p < end && (*p == ' ' || *p == '\t')) {
                ++p;
            }
            value = p;
            while (p < end && !isSeparator(*p)) {
                ++p;
            }
            valueEnd = p;
            m_paths.append(token, size_t(tokenEnd - token));
        } else {
            appendNumber(m_paths, position);
        }
        field.pathSize = qsizetype(m_paths.size()) - field.pathOffset;
        field.raw = value;
        field.rawSize = valueEnd - value;
        const NumberText number = readLooseNumber(value, valueEnd, field.value);
        if (number == NumberText::Number) {
            field.kind = Kind::Number;
        } else if (number == NumberText::BeyondRange || isNoNumberWord(value, valueEnd)) {
            field.kind = Kind::NoNumber;
        } else {
            return Shape::Other;
        }
        m_fields.push_back(field);
    }
    return shape;
}
