#pragma once

#include "settings/records.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

class LogMatcher;

/// What a batch step waits for in the bytes that come back, checked against
/// the received stream as it grows: everything received since the step went
/// out, line ends included, so that a reply split across reads, across lines
/// or across frames is one piece. A text matches its UTF-8 bytes exactly
/// (case included); hex bytes match byte for byte, "??" any byte; a regular
/// expression runs over the last Window bytes read as UTF-8, with the log
/// find's bound on its work (a pattern that would backtrack without end
/// finds nothing instead of freezing the window).
class ReplyPattern
{
    Q_DECLARE_TR_FUNCTIONS(ReplyPattern)

public:
    /// How much of the received stream a regular expression sees.
    static constexpr qsizetype Window = 8192;

    ReplyPattern(BatchStep::Expect expect, const QString& pattern);
    ~ReplyPattern();
    ReplyPattern(const ReplyPattern&) = delete;
    ReplyPattern& operator=(const ReplyPattern&) = delete;

    /// Why the pattern cannot be used; empty when it can.
    QString errorText() const { return m_error; }
    bool isValid() const { return m_error.isEmpty(); }
    /// The pattern as the log names it: the text, the expression, or the
    /// hex bytes as upper-case pairs.
    QString description() const;

    /// Takes @p bytes, received after everything fed before; whether the
    /// bytes so far hold a match.
    bool feed(const QByteArray& bytes);

private:
    qsizetype indexIn(const QByteArray& data, qsizetype from) const;

    BatchStep::Expect m_expect;
    QString m_pattern;
    QString m_error;
    QByteArray m_needle;
    // Per byte of m_needle: 0 where any byte matches; empty when all must.
    QByteArray m_mask;
    std::unique_ptr<LogMatcher> m_regex;
    QByteArray m_received;
};
