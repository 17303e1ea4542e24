#include "log/rowmatches.h"

#include "log/logsearch.h"

RowMatches::RowMatches(QObject* parent)
    : QObject(parent)
{}

LogSearch* RowMatches::search() const
{
    return m_search;
}

bool RowMatches::setSearch(LogSearch* search)
{
    if (search == m_search) {
        return false;
    }
    if (m_search) {
        disconnect(m_search, nullptr, this, nullptr);
    }
    m_search = search;
    if (search) {
        for (auto signal : {&LogSearch::matchesChanged, &LogSearch::currentChanged,
                            &LogSearch::matchesExtended}) {
            connect(search, signal, this, &RowMatches::refresh);
        }
    }
    refresh();
    return true;
}

bool RowMatches::setActive(bool on)
{
    if (on == m_active) {
        return false;
    }
    m_active = on;
    refresh();
    return true;
}

bool RowMatches::setLineNumber(double lineNumber)
{
    if (qint64(lineNumber) == m_lineNumber) {
        return false;
    }
    m_lineNumber = qint64(lineNumber);
    refresh();
    return true;
}

void RowMatches::refresh()
{
    LogSearch::LineMatches found;
    if (m_active && m_search && m_lineNumber >= 0) {
        found = m_search->matchesOfLine(double(m_lineNumber));
    }
    if (found.spans == m_spans && found.currentStart == m_currentStart) {
        return;
    }
    m_spans = found.spans;
    m_currentStart = found.currentStart;
    emit changed();
}
