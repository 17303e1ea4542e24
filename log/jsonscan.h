#pragma once

#include <QtGlobal>

#include <string>

/// A JSON reader that builds no tree: it walks one buffer and tells a
/// handler what it meets, in the order written. Keys keep their order and
/// their duplicates (QJsonObject sorts keys and keeps one of each), and
/// numbers reach the handler as the text written, so a reader can decide
/// itself what to make of 1e999 or of 23.40.
///
/// Why not QJsonDocument: measured on this machine (2 cores, optimised
/// build, the report lines of `korvel-bench --fields`, load average 4.2),
/// QJsonDocument::fromJson alone read 80.7 MB/s of flat reports and 74.0
/// MB/s of nested ones; with the key order the fields view shows recovered
/// from the text (each key searched from its object's place, a lower
/// bound) 20.6 and 19.6 MB/s, under the 50 MB/s the view must read. This
/// scanner's field reader read 326 and 280 MB/s in the same run, and with
/// the field store behind it 227 and 197 MB/s.
namespace JsonScan {

/// Why a text is not JSON; Problem::None when it is.
enum class Problem : quint8 {
    None,
    UnexpectedEnd,
    ExpectedValue,
    ExpectedKey,
    ExpectedColon,
    ExpectedCommaOrObjectEnd,
    ExpectedCommaOrArrayEnd,
    BadNumber,
    BadEscape,
    ControlCharacter,
    BadUtf8,
    TooDeep,
    TextAfterValue,
};

enum class Literal : quint8 { True, False, Null, NaN, Infinity, NegativeInfinity };

struct Options
{
    /// Most objects and arrays inside one another, the outermost counting 1.
    int maxDepth = 16;
    /// NaN, Infinity and -Infinity as values, as some serialisers write them.
    bool allowNonFinite = false;
    /// Refuse strings that are not UTF-8 (costs a look at every byte above 0x7F).
    bool checkUtf8 = false;
};

/// Where reading stopped: at the end of the text, or at the byte where the
/// text stops being JSON.
struct Outcome
{
    Problem problem = Problem::None;
    qsizetype offset = 0;
    bool ok() const { return problem == Problem::None; }
};

/// Appends the UTF-8 of a string's content as written between its quotes
/// (escapes already checked by Reader), its escapes resolved. A lone
/// surrogate becomes U+FFFD.
void appendUnescaped(std::string& out, const char* begin, const char* end);

/// Length of the valid UTF-8 sequence at @p p (at most @p end), or 0 when
/// none starts there.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end);

/// The handler gets:
///   beginObject(), key(begin, end, escaped), endObject(),
///   beginArray(), item(index), endArray(),
///   number(begin, end), text(begin, end, escaped),
///   literal(Literal, begin, end).
/// key() and text() see the bytes between the quotes; escaped says whether
/// any backslash is among them.
template <typename Handler> class Reader
{
public:
    Reader(const char* begin, const char* end, Handler& handler, const Options& options)
        : m_begin(begin)
        , m_p(begin)
        , m_end(end)
        , m_handler(handler)
        , m_options(options)
    {}

    /// One value surrounded by white space and nothing else.
    Outcome readDocument()
    {
        skipSpace();
        if (!value(1)) {
            return {m_problem, m_failAt - m_begin};
        }
        skipSpace();
        if (m_p != m_end) {
            return {Problem::TextAfterValue, m_p - m_begin};
        }
        return {Problem::None, m_p - m_begin};
    }

private:
    bool fail(Problem problem, const char* at)
    {
        m_problem = problem;
        m_failAt = at;
        return false;
    }
    bool failAtEndOr(Problem problem)
    {
        return fail(m_p == m_end ? Problem::UnexpectedEnd : problem, m_p);
    }

    void skipSpace()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\n' || *m_p == '\r')) {
            ++m_p;
        }
    }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    bool value(int depth)
    {
        if (m_p == m_end) {
            return fail(Problem::UnexpectedEnd, m_p);
        }
        switch (*m_p) {
        case '{':
            return object(depth);
        case '[':
            return array(depth);
        case '"': {
            const char* b = nullptr;
            const char* e = nullptr;
            bool escaped = false;
            if (!string(b, e, escaped)) {
                return false;
            }
            m_handler.text(b, e, escaped);
            return true;
        }
        case 't':
            return word("true", Literal::True);
        case 'f':
            return word("false", Literal::False);
        case 'n':
            return word("null", Literal::Null);
        case 'N':
            return m_options.allowNonFinite ? word("NaN", Literal::NaN)
                                            : fail(Problem::ExpectedValue, m_p);
        case 'I':
            return m_options.allowNonFinite ? word("Infinity", Literal::Infinity)
                                            : fail(Problem::ExpectedValue, m_p);
        default:
            if (*m_p == '-' || isDigit(*m_p)) {
                if (m_options.allowNonFinite && *m_p == '-' && m_end - m_p > 1 && m_p[1] == 'I') {
                    const char* minus = m_p++;
                    for (const char* w = "Infinity"; *w; ++w, ++m_p) {
                        if (m_p == m_end) {
                            return fail(Problem::UnexpectedEnd, m_p);
                        }
                        if (*m_p != *w) {
                            return fail(Problem::ExpectedValue, minus);
                        }
                    }
                    m_handler.literal(Literal::NegativeInfinity, minus, m_p);
                    return true;
                }
                return number();
            }
            return fail(Problem::ExpectedValue, m_p);
        }
    }

    bool word(const char* text, Literal literal)
    {
        const char* start = m_p;
        for (const char* w = text; *w; ++w, ++m_p) {
            if (m_p == m_end) {
                return fail(Problem::UnexpectedEnd, m_p);
            }
            if (*m_p != *w) {
                return fail(Problem::ExpectedValue, start);
            }
        }
        m_handler.literal(literal, start, m_p);
        return true;
    }

    bool number()
    {
        const char* start = m_p;
        if (*m_p == '-') {
            ++m_p;
        }
        if (m_p == m_end) {
            return fail(Problem::UnexpectedEnd, m_p);
        }
        if (*m_p == '0') {
            ++m_p;
        } else if (isDigit(*m_p)) {
            while (m_p != m_end && isDigit(*m_p)) {
                ++m_p;
            }
        } else {
            return fail(Problem::BadNumber, m_p);
        }
        if (m_p != m_end && *m_p == '.') {
            ++m_p;
            if (m_p == m_end || !isDigit(*m_p)) {
                return failAtEndOr(Problem::BadNumber);
            }
            while (m_p != m_end && isDigit(*m_p)) {
                ++m_p;
            }
        }
        if (m_p != m_end && (*m_p == 'e' || *m_p == 'E')) {
            ++m_p;
            if (m_p != m_end && (*m_p == '+' || *m_p == '-')) {
                ++m_p;
            }
            if (m_p == m_end || !isDigit(*m_p)) {
                return failAtEndOr(Problem::BadNumber);
            }
            while (m_p != m_end && isDigit(*m_p)) {
                ++m_p;
            }
        }
        m_handler.number(start, m_p);
        return true;
    }

    static bool isHex(char c)
    {
        return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }

    // At the opening quote; leaves m_p after the closing one.
    bool string(const char*& b, const char*& e, bool& escaped)
    {
        ++m_p;
        b = m_p;
        while (m_p != m_end) {
            const auto c = static_cast<unsigned char>(*m_p);
            if (c == '"') {
                e = m_p;
                ++m_p;
                return true;
            }
            if (c == '\\') {
                escaped = true;
                const char* at = m_p;
                ++m_p;
                if (m_p == m_end) {
                    return fail(Problem::UnexpectedEnd, m_p);
                }
                switch (*m_p) {
                case '"':
                case '\\':
                case '/':
                case 'b':
                case 'f':
                case 'n':
                case 'r':
                case 't':
                    ++m_p;
                    break;
                case 'u':
                    ++m_p;
                    for (int i = 0; i < 4; ++i, ++m_p) {
                        if (m_p == m_end) {
                            return fail(Problem::UnexpectedEnd, m_p);
                        }
                        if (!isHex(*m_p)) {
                            return fail(Problem::BadEscape, at);
                        }
                    }
                    break;
                default:
                    return fail(Problem::BadEscape, at);
                }
            } else if (c < 0x20) {
                return fail(Problem::ControlCharacter, m_p);
            } else if (c >= 0x80 && m_options.checkUtf8) {
                const int length =
                    utf8SequenceLength(reinterpret_cast<const unsigned char*>(m_p),
                                       reinterpret_cast<const unsigned char*>(m_end));
                if (length == 0) {
                    return fail(Problem::BadUtf8, m_p);
                }
                m_p += length;
            } else {
                ++m_p;
            }
        }
        return fail(Problem::UnexpectedEnd, m_p);
    }

    bool object(int depth)
    {
        if (depth > m_options.maxDepth) {
            return fail(Problem::TooDeep, m_p);
        }
        ++m_p;
        m_handler.beginObject();
        skipSpace();
        if (m_p != m_end && *m_p == '}') {
            ++m_p;
            m_handler.endObject();
            return true;
        }
        for (;;) {
            if (m_p == m_end || *m_p != '"') {
                return failAtEndOr(Problem::ExpectedKey);
            }
            const char* b = nullptr;
            const char* e = nullptr;
            bool escaped = false;
            if (!string(b, e, escaped)) {
                return false;
            }
            m_handler.key(b, e, escaped);
            skipSpace();
            if (m_p == m_end || *m_p != ':') {
                return failAtEndOr(Problem::ExpectedColon);
            }
            ++m_p;
            skipSpace();
            if (!value(depth + 1)) {
                return false;
            }
            skipSpace();
            if (m_p != m_end && *m_p == ',') {
                ++m_p;
                skipSpace();
                continue;
            }
            if (m_p != m_end && *m_p == '}') {
                ++m_p;
                m_handler.endObject();
                return true;
            }
            return failAtEndOr(Problem::ExpectedCommaOrObjectEnd);
        }
    }

    bool array(int depth)
    {
        if (depth > m_options.maxDepth) {
            return fail(Problem::TooDeep, m_p);
        }
        ++m_p;
        m_handler.beginArray();
        skipSpace();
        if (m_p != m_end && *m_p == ']') {
            ++m_p;
            m_handler.endArray();
            return true;
        }
        for (int index = 0;; ++index) {
            m_handler.item(index);
            if (!value(depth + 1)) {
                return false;
            }
            skipSpace();
            if (m_p != m_end && *m_p == ',') {
                ++m_p;
                skipSpace();
                continue;
            }
            if (m_p != m_end && *m_p == ']') {
                ++m_p;
                m_handler.endArray();
                return true;
            }
            return failAtEndOr(Problem::ExpectedCommaOrArrayEnd);
        }
    }

    const char* m_begin;
    const char* m_p;
    const char* m_end;
    Handler& m_handler;
    Options m_options;
    Problem m_problem = Problem::None;
    const char* m_failAt = nullptr;
};

} // namespace JsonScan
