#pragma once

#include "log/logmanager.h"
#include "log/logmatcher.h"

#include <QList>
#include <QObject>
#include <QTimer>

class LogListModel;

/// Finds a pattern in every entry the log holds, of the kinds asked for, and
/// keeps the count of matches and the current match right while lines arrive
/// and old ones leave. In the hex view the pattern is a byte sequence typed
/// as hex digits, found in the received bytes with their line ends, so that
/// a match may run from one line into the next.
///
/// A new pattern is looked for in slices of at most SliceMs on the event
/// loop (searching() is true meanwhile), so a slow expression never holds
/// up the window; each line's work is bounded by LogMatcher. Lines that
/// arrive after the pass are searched as they come.
class LogSearch : public QObject
{
    Q_OBJECT

    Q_PROPERTY(QString pattern READ pattern WRITE setPattern NOTIFY patternChanged)
    Q_PROPERTY(bool regex READ regex WRITE setRegex NOTIFY regexChanged)
    Q_PROPERTY(bool matchCase READ matchCase WRITE setMatchCase NOTIFY matchCaseChanged)
    Q_PROPERTY(int kinds READ kinds WRITE setKinds NOTIFY kindsChanged)
    Q_PROPERTY(bool hexPattern READ hexPattern NOTIFY stateChanged)
    Q_PROPERTY(bool active READ active NOTIFY stateChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY stateChanged)
    Q_PROPERTY(bool searching READ searching NOTIFY stateChanged)
    Q_PROPERTY(int matchCount READ matchCount NOTIFY resultsChanged)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(double currentLine READ currentLine NOTIFY currentChanged)
    Q_PROPERTY(int currentColumn READ currentColumn NOTIFY currentChanged)
    Q_PROPERTY(int currentLength READ currentLength NOTIFY currentChanged)

public:
    /// The kinds of entries searched, as bits of kinds().
    enum KindBit {
        TxBit = 1 << int(LogKind::TX),
        RxBit = 1 << int(LogKind::RX),
        SysBit = 1 << int(LogKind::SYS),
        ErrBit = 1 << int(LogKind::ERR),
        AllKinds = TxBit | RxBit | SysBit | ErrBit,
    };
    Q_ENUM(KindBit)

    /// Longest stretch of searching between two turns of the event loop.
    static constexpr int SliceMs = 4;

    LogSearch(LogListModel* lines, LogManager* log, QObject* parent = nullptr);

    QString pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);
    bool regex() const { return m_regex; }
    void setRegex(bool on);
    bool matchCase() const { return m_matchCase; }
    void setMatchCase(bool on);
    int kinds() const { return m_kinds; }
    void setKinds(int kinds);

    /// Whether the pattern is read as hex digits (the log shows hex).
    bool hexPattern() const;
    /// Whether there is a usable pattern to look for.
    bool active() const { return m_matcher.isActive(); }
    QString errorText() const { return m_matcher.errorText(); }
    bool searching() const { return m_passTimer.isActive(); }
    int matchCount() const { return m_total; }
    /// The current match counted from the oldest, from 0; -1 for none.
    int currentIndex() const;
    /// The number of the current match's line (as LogViewRows numbers
    /// lines), and where in its line text it starts and how long it is;
    /// -1, 0, 0 for none.
    double currentLine() const;
    int currentColumn() const;
    int currentLength() const;

    /// Makes the next (newer) match current, after the last the first.
    Q_INVOKABLE void next();
    /// Makes the previous (older) match current, before the first the last.
    Q_INVOKABLE void previous();
    /// The matches in a line's text: start and length in turns; empty for a
    /// line no longer held.
    Q_INVOKABLE QList<int> spansOfLine(double lineNumber) const;
    /// The matches in a line's text, and where the current match starts in
    /// it (-1 when it is elsewhere).
    struct LineMatches
    {
        QList<MatchSpan> spans;
        qsizetype currentStart = -1;
    };
    LineMatches matchesOfLine(double lineNumber) const;
    /// How many matches start in a row of the log; -1 while the pass has
    /// not reached it.
    int matchCountOfRow(int row);
    /// Runs the pass to its end now.
    void finish();

signals:
    void patternChanged();
    void regexChanged();
    void matchCaseChanged();
    void kindsChanged();
    /// The count, the error, the searching state or the pattern changed.
    void resultsChanged();
    /// How the pattern is read (hex or not, usable or not, its error) or
    /// the searching state changed; not told for a changed count, which
    /// arriving lines change all the time.
    void stateChanged();
    /// The current match moved to another place (or there is none now).
    void currentChanged();
    /// Its count from the oldest changed: it moved, or older lines left.
    void currentIndexChanged();
    /// Which rows match changed for rows already there: a new pattern (once
    /// its pass is done) or a new view.
    void matchesChanged();
    /// Matches of bytes typed as hex began in rows already there and ran on
    /// into lines that have just come.
    void matchesExtended();

private:
    void restart(bool keepCurrent = false);
    void runSlice();
    /// Searches the held rows from the first not searched up to @p end
    /// (exclusive) or until @p deadlineMs passes (negative: no deadline).
    void scanTo(int end, qint64 deadlineMs);
    void scanHex(int end);
    void onAboutToBeEvicted(int count);
    void onEvicted();
    void onAppended();
    bool searched(LogKind kind) const { return m_kinds & (1 << int(kind)); }
    qint64 firstLineNumber() const;
    int currentRow() const;
    /// The matches that start in a row, as spans of its line text.
    QList<MatchSpan> spansOfRow(int row) const;
    QByteArray streamBytes(qint64 from) const;
    void setCurrent(qint64 line, int inLine);

    LogListModel* m_lines;
    LogManager* m_log;
    QString m_pattern;
    bool m_regex = false;
    bool m_matchCase = false;
    int m_kinds = AllKinds;
    LogMatcher m_matcher;
    QTimer m_passTimer;

    // Matches starting in each held row searched so far (the first
    // m_counts.size() rows), and their sum.
    QList<int> m_counts;
    int m_total = 0;
    // The count as last told by resultsChanged().
    int m_announcedTotal = 0;
    bool m_currentBeforeEviction = false;
    // The hex view's byte stream: where each searched row's bytes start in
    // it (a row that is not RX takes no bytes), where it ends, where the
    // next match may start (matches do not overlap) and where the matches
    // held start, oldest first.
    QList<qint64> m_offsets;
    qint64 m_streamEnd = 0;
    qint64 m_searchFrom = 0;
    QList<qint64> m_hexStarts;

    qint64 m_currentLine = -1;
    int m_currentInLine = 0;
};
