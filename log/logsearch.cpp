#include "log/logsearch.h"

#include "log/loglistmodel.h"

#include <QElapsedTimer>

#include <algorithm>
#include <numeric>

namespace {

// What an entry adds to the hex view's byte stream: an RX entry its bytes
// and line end; the others (shown as text) nothing.
QByteArray streamPart(const LogEntry& entry)
{
    if (entry.kind != LogKind::RX) {
        return {};
    }
    return entry.lineEnd == LineEnd::None ? entry.data
                                          : entry.data + LogEntry::lineEndBytes(entry.lineEnd);
}

} // namespace

LogSearch::LogSearch(LogListModel* lines, LogManager* log, QObject* parent)
    : QObject(parent)
    , m_lines(lines)
    , m_log(log)
{
    m_passTimer.setInterval(0);
    connect(this, &LogSearch::resultsChanged, this, [this] { m_announcedTotal = m_total; });
    connect(&m_passTimer, &QTimer::timeout, this, &LogSearch::runSlice);
    connect(this, &LogSearch::currentChanged, this, &LogSearch::currentIndexChanged);
    connect(log, &LogManager::entriesAboutToBeEvicted, this, &LogSearch::onAboutToBeEvicted);
    connect(log, &LogManager::entriesEvicted, this, &LogSearch::onEvicted);
    connect(log, &LogManager::entriesAppended, this, &LogSearch::onAppended);
    // Many lines at once: searched again, the current match kept if its
    // line is still held.
    connect(log, &LogManager::bulkChanged, this, [this] { restart(true); });
    connect(log, &LogManager::cleared, this, [this] { restart(); });
    connect(lines, &LogListModel::hexModeChanged, this, [this] { restart(); });
    // The time column moves every match within its line text.
    connect(lines, &LogListModel::showTimestampChanged, this, [this] {
        emit currentChanged();
        emit matchesChanged();
    });
}

void LogSearch::setPattern(const QString& pattern)
{
    if (pattern == m_pattern) {
        return;
    }
    m_pattern = pattern;
    emit patternChanged();
    restart();
}

void LogSearch::setRegex(bool on)
{
    if (on == m_regex) {
        return;
    }
    m_regex = on;
    emit regexChanged();
    restart();
}

void LogSearch::setMatchCase(bool on)
{
    if (on == m_matchCase) {
        return;
    }
    m_matchCase = on;
    emit matchCaseChanged();
    restart();
}

void LogSearch::setKinds(int kinds)
{
    kinds &= AllKinds;
    if (kinds == m_kinds) {
        return;
    }
    m_kinds = kinds;
    emit kindsChanged();
    restart();
}

bool LogSearch::hexPattern() const
{
    return m_lines->hexMode();
}

qint64 LogSearch::firstLineNumber() const
{
    return m_log->totalLineCount() - m_log->entries().size();
}

void LogSearch::restart(bool keepCurrent)
{
    const LogMatcher::Mode mode = m_lines->hexMode() ? LogMatcher::Mode::Hex
                                  : m_regex          ? LogMatcher::Mode::Regex
                                                     : LogMatcher::Mode::Text;
    m_matcher = LogMatcher(m_pattern, mode, m_matchCase);
    m_counts.clear();
    m_total = 0;
    m_offsets.clear();
    m_hexStarts.clear();
    m_streamEnd = 0;
    m_searchFrom = 0;
    const bool hadCurrent = m_currentLine >= 0;
    if (!keepCurrent || m_currentLine < firstLineNumber()) {
        m_currentLine = -1;
        m_currentInLine = 0;
    }
    if (m_matcher.isActive() && !m_log->entries().isEmpty()) {
        m_passTimer.start();
    } else {
        m_passTimer.stop();
    }
    emit resultsChanged();
    emit stateChanged();
    // With a pass to run, the rows that match are told once it is done.
    if (!m_passTimer.isActive()) {
        emit matchesChanged();
    }
    if (hadCurrent) {
        emit currentChanged();
    }
}

void LogSearch::runSlice()
{
    scanTo(int(m_log->entries().size()), SliceMs);
    if (m_counts.size() < m_log->entries().size()) {
        emit resultsChanged();
        return;
    }
    m_passTimer.stop();
    // The newest match is the one nearest the end of the log, where the
    // user most likely looks.
    if (currentIndex() < 0 && m_total > 0) {
        for (int row = int(m_counts.size()) - 1; row >= 0; --row) {
            if (m_counts.at(row) > 0) {
                setCurrent(firstLineNumber() + row, m_counts.at(row) - 1);
                break;
            }
        }
    }
    emit resultsChanged();
    emit stateChanged();
    emit matchesChanged();
}

void LogSearch::finish()
{
    if (m_passTimer.isActive()) {
        scanTo(int(m_log->entries().size()), -1);
        runSlice();
    }
}

void LogSearch::scanTo(int end, qint64 deadlineMs)
{
    if (!m_matcher.isActive()) {
        return;
    }
    if (m_matcher.mode() == LogMatcher::Mode::Hex) {
        // Byte search is fast enough to run whole (at most 5000 lines of a
        // few KiB), and its matches depend on the bytes before.
        scanHex(end);
        return;
    }
    const auto& entries = m_log->entries();
    QElapsedTimer clock;
    clock.start();
    for (int row = int(m_counts.size()); row < end; ++row) {
        const LogEntry& entry = entries.at(row);
        int count = 0;
        if (searched(entry.kind)) {
            count = int(m_matcher.spansIn(m_lines->payloadPlainText(entry)).size());
        }
        m_counts.append(count);
        m_total += count;
        if (deadlineMs >= 0 && clock.elapsed() >= deadlineMs) {
            break;
        }
    }
}

void LogSearch::scanHex(int end)
{
    const auto& entries = m_log->entries();
    const int first = int(m_counts.size());
    if (first >= end) {
        return;
    }
    const qint64 patternSize = m_matcher.bytes().size();
    // The bytes already searched that a match may still start in, then the
    // new rows' bytes.
    const qint64 from =
        qMax(m_searchFrom, qMax(m_streamEnd - (patternSize - 1),
                                m_offsets.isEmpty() ? m_streamEnd : m_offsets.first()));
    QByteArray buffer = streamBytes(from);
    for (int row = first; row < end; ++row) {
        m_offsets.append(m_streamEnd);
        m_counts.append(0);
        if (searched(LogKind::RX)) {
            const QByteArray part = streamPart(entries.at(row));
            buffer += part;
            m_streamEnd += part.size();
        }
    }
    if (!searched(LogKind::RX)) {
        return;
    }
    qsizetype at = m_matcher.indexInBytes(buffer, 0);
    while (at >= 0) {
        const qint64 start = from + at;
        const auto it = std::upper_bound(m_offsets.cbegin(), m_offsets.cend(), start);
        const int row = int(it - m_offsets.cbegin()) - 1;
        qsizetype next = at + patternSize;
        if (m_counts.at(row) < LogMatcher::MaxSpansPerLine) {
            ++m_counts[row];
            ++m_total;
            m_hexStarts.append(start);
            m_searchFrom = start + patternSize;
        } else if (row + 1 < m_offsets.size()) {
            // A row with the most matches a line shows: on to the next row.
            next = qMax(next, qsizetype(m_offsets.at(row + 1) - from));
        } else {
            break;
        }
        at = m_matcher.indexInBytes(buffer, next);
    }
}

QByteArray LogSearch::streamBytes(qint64 from) const
{
    QByteArray bytes;
    if (from >= m_streamEnd || m_offsets.isEmpty()) {
        return bytes;
    }
    const auto& entries = m_log->entries();
    auto it = std::upper_bound(m_offsets.cbegin(), m_offsets.cend(), from);
    for (int row = qMax(0, int(it - m_offsets.cbegin()) - 1); row < m_offsets.size(); ++row) {
        const QByteArray part = streamPart(entries.at(row));
        const qint64 skip = qMax<qint64>(0, from - m_offsets.at(row));
        if (skip < part.size()) {
            bytes += part.mid(skip);
        }
    }
    return bytes;
}

void LogSearch::onAboutToBeEvicted(int count)
{
    // The store still holds the rows that leave; what depends on them is
    // announced once they are gone (onEvicted()).
    const int n = qMin(count, int(m_counts.size()));
    m_currentBeforeEviction = m_currentLine >= 0;
    m_total -= std::accumulate(m_counts.cbegin(), m_counts.cbegin() + n, 0);
    m_counts.remove(0, n);
    if (!m_offsets.isEmpty()) {
        m_offsets.remove(0, n);
        const qint64 kept = m_offsets.isEmpty() ? m_streamEnd : m_offsets.first();
        const auto firstKept = std::lower_bound(m_hexStarts.cbegin(), m_hexStarts.cend(), kept);
        m_hexStarts.remove(0, firstKept - m_hexStarts.cbegin());
        if (count > n) {
            // Rows not yet searched left too: no match spans the gap.
            m_searchFrom = m_streamEnd;
        }
    }
    if (m_currentLine >= 0 && m_currentLine < firstLineNumber() + count) {
        m_currentLine = -1;
        m_currentInLine = 0;
    }
}

void LogSearch::onEvicted()
{
    if (m_total != m_announcedTotal) {
        emit resultsChanged();
    }
    // The current match keeps its place but not its index, or is gone. Only
    // the latter concerns the rows that paint it: they would each look at
    // their matches again for every batch of arriving lines.
    if (m_currentBeforeEviction && m_currentLine < 0) {
        emit currentChanged();
    } else if (m_currentBeforeEviction) {
        emit currentIndexChanged();
    }
}

void LogSearch::onAppended()
{
    // A filter over the rows may have had them searched already, as it
    // learnt of them first; either way they are searched now. They reach a
    // filter as new rows, so only the count is told.
    if (!m_passTimer.isActive()) {
        scanTo(int(m_log->entries().size()), -1);
        if (m_total != m_announcedTotal && m_matcher.mode() == LogMatcher::Mode::Hex) {
            emit matchesExtended();
        }
        if (m_total != m_announcedTotal) {
            emit resultsChanged();
        }
    }
}

int LogSearch::matchCountOfRow(int row)
{
    if (!m_matcher.isActive() || row < 0 || row >= m_log->entries().size()) {
        return 0;
    }
    if (row >= m_counts.size() && !m_passTimer.isActive()) {
        scanTo(int(m_log->entries().size()), -1);
    }
    return row < m_counts.size() ? m_counts.at(row) : -1;
}

int LogSearch::currentRow() const
{
    return m_currentLine < 0 ? -1 : int(m_currentLine - firstLineNumber());
}

int LogSearch::currentIndex() const
{
    const int row = currentRow();
    if (row < 0 || row >= m_counts.size()) {
        return -1;
    }
    return std::accumulate(m_counts.cbegin(), m_counts.cbegin() + row, 0) + m_currentInLine;
}

double LogSearch::currentLine() const
{
    return currentIndex() < 0 ? -1.0 : double(m_currentLine);
}

int LogSearch::currentColumn() const
{
    const QList<MatchSpan> spans = spansOfRow(currentIndex() < 0 ? -1 : currentRow());
    return m_currentInLine < spans.size() ? int(spans.at(m_currentInLine).start) : 0;
}

int LogSearch::currentLength() const
{
    const QList<MatchSpan> spans = spansOfRow(currentIndex() < 0 ? -1 : currentRow());
    return m_currentInLine < spans.size() ? int(spans.at(m_currentInLine).length) : 0;
}

void LogSearch::setCurrent(qint64 line, int inLine)
{
    if (line == m_currentLine && inLine == m_currentInLine) {
        return;
    }
    m_currentLine = line;
    m_currentInLine = inLine;
    emit currentChanged();
}

void LogSearch::next()
{
    if (m_total <= 0) {
        return;
    }
    const int rows = int(m_counts.size());
    int row = currentIndex() < 0 ? -1 : currentRow();
    if (row >= 0 && m_currentInLine + 1 < m_counts.at(row)) {
        setCurrent(m_currentLine, m_currentInLine + 1);
        return;
    }
    for (int step = 0; step < rows; ++step) {
        row = (row + 1) % rows;
        if (m_counts.at(row) > 0) {
            setCurrent(firstLineNumber() + row, 0);
            return;
        }
    }
}

void LogSearch::previous()
{
    if (m_total <= 0) {
        return;
    }
    const int rows = int(m_counts.size());
    int row = currentIndex() < 0 ? rows : currentRow();
    if (row < rows && m_currentInLine > 0) {
        setCurrent(m_currentLine, m_currentInLine - 1);
        return;
    }
    for (int step = 0; step < rows; ++step) {
        row = (row - 1 + rows) % rows;
        if (m_counts.at(row) > 0) {
            setCurrent(firstLineNumber() + row, m_counts.at(row) - 1);
            return;
        }
    }
}

QList<MatchSpan> LogSearch::spansOfRow(int row) const
{
    QList<MatchSpan> spans;
    const auto& entries = m_log->entries();
    if (!m_matcher.isActive() || row < 0 || row >= entries.size()) {
        return spans;
    }
    const LogEntry& entry = entries.at(row);
    const qsizetype column = m_lines->payloadColumn();
    if (m_matcher.mode() != LogMatcher::Mode::Hex) {
        if (searched(entry.kind)) {
            spans = m_matcher.spansIn(m_lines->payloadPlainText(entry));
            for (MatchSpan& span : spans) {
                span.start += column;
            }
        }
        return spans;
    }
    if (row >= m_offsets.size() || entry.kind != LogKind::RX) {
        return spans;
    }
    // Every match that covers some of the row's bytes, cut to them; each
    // byte is two hex digits and a blank in the line text.
    const qint64 begin = m_offsets.at(row);
    const qint64 end = begin + streamPart(entry).size();
    const qint64 size = m_matcher.bytes().size();
    auto it = std::lower_bound(m_hexStarts.cbegin(), m_hexStarts.cend(), begin - size + 1);
    for (; it != m_hexStarts.cend() && *it < end; ++it) {
        const qint64 from = qMax(*it, begin) - begin;
        const qint64 to = qMin(*it + size, end) - begin;
        spans.append({column + 3 * from, 3 * (to - from) - 1});
    }
    return spans;
}

LogSearch::LineMatches LogSearch::matchesOfLine(double lineNumber) const
{
    LineMatches out;
    const qint64 line = qint64(lineNumber);
    out.spans = spansOfRow(int(line - firstLineNumber()));
    // Not currentIndex(): that adds up the counts of every row before.
    const int row = currentRow();
    if (line == m_currentLine && row >= 0 && row < m_counts.size() &&
        m_currentInLine < out.spans.size()) {
        out.currentStart = out.spans.at(m_currentInLine).start;
    }
    return out;
}

QList<int> LogSearch::spansOfLine(double lineNumber) const
{
    QList<int> flat;
    const QList<MatchSpan> spans = spansOfRow(int(qint64(lineNumber) - firstLineNumber()));
    flat.reserve(spans.size() * 2);
    for (const MatchSpan& span : spans) {
        flat << int(span.start) << int(span.length);
    }
    return flat;
}
