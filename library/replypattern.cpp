#include "library/replypattern.h"

#include "log/logmatcher.h"
#include "util/hextokens.h"

#include <algorithm>

ReplyPattern::ReplyPattern(BatchStep::Expect expect, const QString& pattern)
    : m_expect(expect)
    , m_pattern(pattern)
{
    if (expect == BatchStep::Expect::None) {
        return;
    }
    // The find bar's bound on a pattern's length holds here too.
    const QString tooLong = LogMatcher(pattern, LogMatcher::Mode::Text, true).errorText();
    if (!tooLong.isEmpty()) {
        m_error = tooLong;
        return;
    }
    switch (expect) {
    case BatchStep::Expect::None:
        break;
    case BatchStep::Expect::Text:
        m_needle = pattern.toUtf8();
        break;
    case BatchStep::Expect::Regex:
        m_regex = std::make_unique<LogMatcher>(pattern, LogMatcher::Mode::Regex, true);
        m_error = m_regex->errorText();
        if (!m_error.isEmpty() || !m_regex->isActive()) {
            m_regex.reset();
        }
        break;
    case BatchStep::Expect::Hex: {
        const HexTokens::PatternReading reading = HexTokens::readPattern(pattern);
        if (reading.badPosition >= 0) {
            m_error = tr("\"%1\" at position %2 is neither a hex digit nor part of \"??\".")
                          .arg(HexTokens::shownCharacter(pattern, reading.badPosition),
                               QString::number(reading.badPosition + 1));
            return;
        }
        m_needle = reading.bytes;
        if (reading.mask.contains('\0')) {
            m_mask = reading.mask;
        }
        break;
    }
    }
    if (m_error.isEmpty() && m_needle.isEmpty() && !m_regex) {
        m_error = tr("Enter what the reply must contain.");
    }
}

ReplyPattern::~ReplyPattern() = default;

QString ReplyPattern::description() const
{
    switch (m_expect) {
    case BatchStep::Expect::None:
        break;
    case BatchStep::Expect::Text:
        return tr("text \"%1\"").arg(m_pattern);
    case BatchStep::Expect::Regex:
        return tr("regular expression \"%1\"").arg(m_pattern);
    case BatchStep::Expect::Hex: {
        QStringList pairs;
        pairs.reserve(m_needle.size());
        for (qsizetype i = 0; i < m_needle.size(); ++i) {
            pairs << (!m_mask.isEmpty() && m_mask.at(i) == '\0'
                          ? QStringLiteral("??")
                          : QStringLiteral("%1")
                                .arg(quint8(m_needle.at(i)), 2, 16, QLatin1Char('0'))
                                .toUpper());
        }
        return tr("hex bytes %1").arg(pairs.join(QLatin1Char(' ')));
    }
    }
    return {};
}

bool ReplyPattern::feed(const QByteArray& bytes)
{
    if (!isValid() || m_expect == BatchStep::Expect::None || bytes.isEmpty()) {
        return false;
    }
    const qsizetype before = m_received.size();
    m_received += bytes;
    bool found = false;
    if (m_regex) {
        found = m_regex->matches(QString::fromUtf8(m_received));
    } else {
        // Only a match that takes at least one new byte is new.
        found = indexIn(m_received, std::max<qsizetype>(0, before - m_needle.size() + 1)) >= 0;
    }
    if (m_received.size() > Window) {
        m_received.remove(0, m_received.size() - Window);
    }
    return found;
}

qsizetype ReplyPattern::indexIn(const QByteArray& data, qsizetype from) const
{
    if (m_mask.isEmpty()) {
        return data.indexOf(m_needle, from);
    }
    const qsizetype n = m_needle.size();
    for (qsizetype at = from; at + n <= data.size(); ++at) {
        qsizetype k = 0;
        while (k < n && (m_mask.at(k) == '\0' || data.at(at + k) == m_needle.at(k))) {
            ++k;
        }
        if (k == n) {
            return at;
        }
    }
    return -1;
}
