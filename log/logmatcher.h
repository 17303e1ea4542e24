#pragma once

#include "util/textbounds.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringView>

/// One match in a line: where it starts and how many characters it takes.
struct MatchSpan
{
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const MatchSpan& a, const MatchSpan& b)
    {
        return a.start == b.start && a.length == b.length;
    }
};

/// What the user looks for in the log: plain text, a regular expression, or
/// (in the hex view) a byte sequence typed as hex digits. Matches never
/// overlap and are never empty. The work is bounded: a pattern is at most
/// MaxPatternLength characters, an expression gives up on a subject after
/// MatchLimit steps of backtracking (PCRE2's match limit, set in the pattern
/// so that it holds with and without the JIT), and a line yields at most
/// MaxSpansPerLine matches.
class LogMatcher
{
    Q_DECLARE_TR_FUNCTIONS(LogMatcher)

public:
    enum class Mode { Text, Regex, Hex };

    static constexpr int MaxPatternLength = TextBounds::SearchPattern;
    static constexpr int MatchLimit = 20000;
    static constexpr int MaxSpansPerLine = 1000;

    LogMatcher() = default;
    LogMatcher(const QString& pattern, Mode mode, bool matchCase);

    Mode mode() const { return m_mode; }
    QString pattern() const { return m_pattern; }
    bool matchCase() const { return m_matchCase; }
    /// Whether the pattern can find anything: not empty and without error.
    bool isActive() const { return m_active; }
    /// Why the pattern cannot be used; empty for a usable or empty pattern.
    QString errorText() const { return m_error; }
    /// The byte sequence of a hex pattern.
    QByteArray bytes() const { return m_bytes; }

    /// The matches in @p text from left to right, at most @p limit; none for
    /// a hex pattern, which matches bytes (see indexInBytes()).
    QList<MatchSpan> spansIn(QStringView text, int limit = MaxSpansPerLine) const;
    bool matches(QStringView text) const;
    /// Where the hex pattern's bytes next occur in @p bytes from @p from; -1
    /// for none or for a pattern that is not hex.
    qsizetype indexInBytes(const QByteArray& bytes, qsizetype from = 0) const;

private:
    QString m_pattern;
    Mode m_mode = Mode::Text;
    bool m_matchCase = false;
    bool m_active = false;
    QString m_error;
    QByteArray m_bytes;
    QRegularExpression m_regex;
};
