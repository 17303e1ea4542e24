#include "log/pausewatch.h"

#include "log/loglistmodel.h"
#include "log/logviewrows.h"

#include <limits>

PauseWatch::PauseWatch(QObject* parent)
    : QObject(parent)
{}

void PauseWatch::setLog(LogListModel* log)
{
    if (log == m_log) {
        return;
    }
    disconnect(m_updates);
    m_log = log;
    if (m_log) {
        m_updates = connect(m_log->viewRows(), &LogViewRows::updated, this, &PauseWatch::refresh);
    }
    emit logChanged();
    refresh();
}

void PauseWatch::begin(double firstLineInView)
{
    m_active = true;
    m_startTotal = m_log ? double(m_log->totalLineCount()) : 0;
    m_firstSeen = firstLineInView;
    m_newLines = 0;
    m_dropping = false;
    emit changed();
    refresh();
}

void PauseWatch::end()
{
    if (!m_active) {
        return;
    }
    m_active = false;
    m_newLines = 0;
    m_dropping = false;
    emit changed();
}

void PauseWatch::refresh()
{
    if (!m_active || !m_log) {
        return;
    }
    const double total = double(m_log->totalLineCount());
    if (total < m_startTotal) {
        // Cleared meanwhile: nothing that was in sight is left to lose.
        m_startTotal = 0;
        m_firstSeen = -1;
    }
    const double oldestHeld = total - m_log->lineCount();
    const int newLines = int(qMin(total - m_startTotal, double(std::numeric_limits<int>::max())));
    const bool dropping = m_dropping || (m_firstSeen >= 0 && oldestHeld > m_firstSeen);
    if (newLines == m_newLines && dropping == m_dropping) {
        return;
    }
    m_newLines = newLines;
    m_dropping = dropping;
    emit changed();
}
