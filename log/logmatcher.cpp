#include "log/logmatcher.h"

#include "util/hextokens.h"

namespace {

// PCRE2 takes these from the start of the pattern: the match limit bounds
// the backtracking of one match call (a catastrophic expression such as
// (a+)+$ gives up after it, reporting no match, instead of running for
// seconds on a long line); NOTEMPTY makes an expression that may match
// empty text find only its non-empty matches. A limit in the user's own
// pattern can only lower ours.
const QString kRegexPrefix =
    QStringLiteral("(*LIMIT_MATCH=%1)(*NOTEMPTY)").arg(LogMatcher::MatchLimit);

// Qt 6.5 gave the QStringView overloads their own names.
QRegularExpressionMatchIterator globalMatchIn(const QRegularExpression& regex, QStringView text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return regex.globalMatchView(text);
#else
    return regex.globalMatch(text);
#endif
}

QRegularExpressionMatch matchIn(const QRegularExpression& regex, QStringView text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return regex.matchView(text);
#else
    return regex.match(text);
#endif
}

} // namespace

LogMatcher::LogMatcher(const QString& pattern, Mode mode, bool matchCase)
    : m_pattern(pattern)
    , m_mode(mode)
    , m_matchCase(matchCase)
{
    if (pattern.isEmpty()) {
        return;
    }
    if (pattern.size() > MaxPatternLength) {
        m_error = tr("The pattern is longer than %n characters.", nullptr, MaxPatternLength);
        return;
    }
    switch (mode) {
    case Mode::Text:
        break;
    case Mode::Regex: {
        const auto options = matchCase ? QRegularExpression::NoPatternOption
                                       : QRegularExpression::CaseInsensitiveOption;
        m_regex = QRegularExpression(kRegexPrefix + pattern, options);
        if (!m_regex.isValid()) {
            const qsizetype offset =
                qMax<qsizetype>(0, m_regex.patternErrorOffset() - kRegexPrefix.size());
            m_error = tr("Invalid regular expression: %1 (at character %2)")
                          .arg(m_regex.errorString())
                          .arg(offset + 1);
            return;
        }
        m_regex.optimize();
        break;
    }
    case Mode::Hex: {
        const HexTokens::Reading reading = HexTokens::read(pattern);
        if (reading.badPosition >= 0) {
            m_error = tr("\"%1\" at position %2 is not a hex digit.")
                          .arg(HexTokens::shownCharacter(pattern, reading.badPosition))
                          .arg(reading.badPosition + 1);
            return;
        }
        m_bytes = reading.bytes;
        // Only separators: nothing to look for, and nothing wrong either.
        if (m_bytes.isEmpty()) {
            return;
        }
        break;
    }
    }
    m_active = true;
}

QList<MatchSpan> LogMatcher::spansIn(QStringView text, int limit) const
{
    QList<MatchSpan> spans;
    if (!m_active || limit <= 0) {
        return spans;
    }
    switch (m_mode) {
    case Mode::Text: {
        const Qt::CaseSensitivity cs = m_matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        qsizetype from = 0;
        while (spans.size() < limit) {
            const qsizetype at = text.indexOf(m_pattern, from, cs);
            if (at < 0) {
                break;
            }
            spans.append({at, m_pattern.size()});
            from = at + m_pattern.size();
        }
        break;
    }
    case Mode::Regex: {
        auto it = globalMatchIn(m_regex, text);
        while (spans.size() < limit && it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            if (match.capturedLength() > 0) {
                spans.append({match.capturedStart(), match.capturedLength()});
            }
        }
        break;
    }
    case Mode::Hex:
        break;
    }
    return spans;
}

bool LogMatcher::matches(QStringView text) const
{
    if (!m_active) {
        return false;
    }
    switch (m_mode) {
    case Mode::Text:
        return text.contains(m_pattern, m_matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    case Mode::Regex:
        return matchIn(m_regex, text).hasMatch();
    case Mode::Hex:
        break;
    }
    return false;
}

qsizetype LogMatcher::indexInBytes(const QByteArray& bytes, qsizetype from) const
{
    if (!m_active || m_mode != Mode::Hex) {
        return -1;
    }
    return bytes.indexOf(m_bytes, from);
}
