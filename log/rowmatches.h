#pragma once

#include "log/logmatcher.h"

#include <QList>
#include <QObject>
#include <QPointer>

class LogSearch;

/// The matches of a search in the line one row of the data monitor shows,
/// kept up to date for the items that paint them. They are looked for again
/// only when they can have changed: a new pattern, another current match, a
/// hex match running on into a line that has just come, or another line for
/// the row; not for every arriving line that changes the search's count.
class RowMatches : public QObject
{
    Q_OBJECT

public:
    explicit RowMatches(QObject* parent = nullptr);

    LogSearch* search() const;
    /// Each setter tells whether the value changed.
    bool setSearch(LogSearch* search);
    /// Whether matches are looked for at all (false at first).
    bool active() const { return m_active; }
    bool setActive(bool on);
    /// The line the row shows part of (as LogViewRows numbers lines).
    double lineNumber() const { return double(m_lineNumber); }
    bool setLineNumber(double lineNumber);

    const QList<MatchSpan>& spans() const { return m_spans; }
    /// The line's column where the current match starts, -1 for none here.
    qsizetype currentStart() const { return m_currentStart; }

signals:
    /// The spans or the current match changed.
    void changed();

private:
    void refresh();

    QPointer<LogSearch> m_search;
    bool m_active = false;
    qint64 m_lineNumber = -1;
    QList<MatchSpan> m_spans;
    qsizetype m_currentStart = -1;
};
