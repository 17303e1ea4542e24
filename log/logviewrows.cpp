#include "log/logviewrows.h"

#include <algorithm>

LogViewRows::LogViewRows(LogListModel* source)
    : QAbstractListModel(source)
    , m_source(source)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &LogViewRows::update);

    connect(source, &QAbstractItemModel::rowsInserted, this, &LogViewRows::onRowsInserted);
    connect(source, &QAbstractItemModel::rowsRemoved, this, &LogViewRows::onRowsRemoved);
    // A display switch changes every line's text and so its rows.
    connect(source, &QAbstractItemModel::dataChanged, this, &LogViewRows::resetFromSource);
    connect(source, &QAbstractItemModel::modelReset, this, &LogViewRows::resetFromSource);
    connect(source, &QAbstractItemModel::layoutChanged, this, &LogViewRows::resetFromSource);
    connect(source, &QAbstractItemModel::rowsMoved, this, &LogViewRows::resetFromSource);
    connect(source, &LogListModel::countersChanged, this, &LogViewRows::schedule);

    resetFromSource();
}

int LogViewRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shownEnd - m_shownFirst);
}

QVariant LogViewRows::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Place place = placeOf(m_shownEnd - 1 - index.row());
    switch (role) {
    case LineNumberRole:
        return double(m_sourceFirst + place.sourceRow);
    case ColumnRole:
        return place.segment * SegmentLength;
    case LineRole: {
        if (place.segments == 1) {
            return m_source->lineTextAt(place.sourceRow);
        }
        const QString text = lineText(place.sourceRow);
        qsizetype from = qsizetype(place.segment) * SegmentLength;
        qsizetype to = qMin(from + SegmentLength, text.size());
        // A character made of two UTF-16 units is shown whole, by the row
        // where it starts.
        if (from > 0 && from < text.size() && text.at(from).isLowSurrogate()) {
            ++from;
        }
        if (to < text.size() && to > 0 && text.at(to - 1).isHighSurrogate()) {
            ++to;
        }
        return text.mid(from, qMax<qsizetype>(0, to - from));
    }
    default:
        return m_source->data(m_source->index(place.sourceRow), role);
    }
}

QHash<int, QByteArray> LogViewRows::roleNames() const
{
    return {{LogListModel::TimeRole, "time"}, {LogListModel::DirRole, "dir"},
            {LogListModel::TextRole, "text"}, {LineRole, "line"},
            {LineNumberRole, "lineNumber"},   {ColumnRole, "column"}};
}

void LogViewRows::setInterval(int ms)
{
    ms = qMax(ms, 0);
    if (ms == m_interval) {
        return;
    }
    m_interval = ms; // a pending update keeps its time
    emit intervalChanged();
}

double LogViewRows::lineNumberAt(int row) const
{
    if (row < 0 || row >= rowCount()) {
        return -1.0;
    }
    return double(m_sourceFirst + placeOf(m_shownEnd - 1 - row).sourceRow);
}

int LogViewRows::columnAt(int row) const
{
    if (row < 0 || row >= rowCount()) {
        return 0;
    }
    return placeOf(m_shownEnd - 1 - row).segment * SegmentLength;
}

int LogViewRows::rowOfLine(double lineNumber, int column) const
{
    const qint64 sourceRow = qint64(lineNumber) - m_sourceFirst;
    if (sourceRow < 0 || sourceRow >= m_segmentStarts.size()) {
        return -1;
    }
    const qint64 start = m_segmentStarts.at(sourceRow);
    const qint64 end =
        sourceRow + 1 < m_segmentStarts.size() ? m_segmentStarts.at(sourceRow + 1) : m_segmentEnd;
    const qint64 segment = qBound<qint64>(start, start + qMax(column, 0) / SegmentLength, end - 1);
    if (segment < m_shownFirst || segment >= m_shownEnd) {
        return -1;
    }
    return int(m_shownEnd - 1 - segment);
}

QString LogViewRows::textBetween(double anchorLine, int anchorColumn, double cursorLine,
                                 int cursorColumn) const
{
    struct Point
    {
        qint64 line;
        qsizetype column;
    };
    Point start{qint64(anchorLine), anchorColumn};
    Point end{qint64(cursorLine), cursorColumn};
    if (end.line < start.line || (end.line == start.line && end.column < start.column)) {
        std::swap(start, end);
    }
    const qint64 held = m_segmentStarts.size();
    if (held == 0) {
        return {};
    }
    const qint64 oldest = m_sourceFirst;
    const qint64 newest = m_sourceFirst + held - 1;
    if (start.line < oldest) {
        start = {oldest, 0};
    }
    if (end.line > newest) {
        end = {newest, -1}; // to the end of the line
    }
    if (end.line < start.line) {
        return {};
    }
    QString text;
    for (qint64 line = start.line; line <= end.line; ++line) {
        const QString lineText = m_source->lineTextAt(int(line - m_sourceFirst));
        const qsizetype from =
            line == start.line ? qBound<qsizetype>(0, start.column, lineText.size()) : 0;
        const qsizetype to = line == end.line && end.column >= 0
                                 ? qBound<qsizetype>(from, end.column, lineText.size())
                                 : lineText.size();
        if (line > start.line) {
            text += QLatin1Char('\n');
        }
        text += QStringView(lineText).mid(from, to - from);
    }
    return text;
}

void LogViewRows::schedule()
{
    if (m_timer.isActive()) {
        return;
    }
    qint64 wait = UpdateIntervalMs;
    if (m_sinceUpdate.isValid()) {
        wait = qMax(wait, m_interval - m_sinceUpdate.elapsed());
    }
    m_timer.start(int(wait));
}

void LogViewRows::update()
{
    m_timer.stop();
    m_sinceUpdate.start();
    if (m_segmentEnd > m_shownEnd) {
        if (m_shownEnd == m_shownFirst) {
            m_shownFirst = m_shownEnd =
                m_segmentStarts.isEmpty() ? m_segmentEnd : m_segmentStarts.constFirst();
        }
        emit aboutToUpdate();
        beginInsertRows({}, 0, int(m_segmentEnd - m_shownEnd) - 1);
        m_shownEnd = m_segmentEnd;
        endInsertRows();
    }
    emit updated();
}

void LogViewRows::onRowsInserted(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid()) {
        return;
    }
    if (first != m_segmentStarts.size()) {
        resetFromSource(); // not an append: no cheap way to follow it
        return;
    }
    for (int row = first; row <= last; ++row) {
        m_segmentStarts.append(m_segmentEnd);
        m_segmentEnd += segmentsOf(row);
    }
    schedule();
}

void LogViewRows::onRowsRemoved(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid()) {
        return;
    }
    if (first != 0 || last >= m_segmentStarts.size()) {
        resetFromSource(); // not an eviction: no cheap way to follow it
        return;
    }
    const int count = last + 1;
    const qint64 firstHeld =
        count < m_segmentStarts.size() ? m_segmentStarts.at(count) : m_segmentEnd;
    m_sourceFirst += count;
    m_segmentStarts.remove(0, count);
    m_cachedLine = -1;
    // The oldest rows shown are the last ones; their lines are gone.
    if (m_shownFirst < firstHeld) {
        const qint64 gone = qMin(firstHeld, m_shownEnd) - m_shownFirst;
        if (gone > 0) {
            const int rows = rowCount();
            beginRemoveRows({}, rows - int(gone), rows - 1);
            m_shownFirst += gone;
            endRemoveRows();
        }
        if (m_shownFirst == m_shownEnd) {
            m_shownFirst = m_shownEnd = firstHeld;
        }
    }
    schedule();
}

void LogViewRows::resetFromSource()
{
    m_timer.stop();
    m_sinceUpdate.start();
    beginResetModel();
    const int held = m_source->rowCount();
    m_sourceFirst = m_source->totalLineCount() - held;
    m_segmentStarts.clear();
    m_segmentStarts.reserve(LogManager::Capacity);
    m_segmentEnd = 0;
    m_cachedLine = -1;
    for (int row = 0; row < held; ++row) {
        m_segmentStarts.append(m_segmentEnd);
        m_segmentEnd += segmentsOf(row);
    }
    m_shownFirst = 0;
    m_shownEnd = m_segmentEnd;
    endResetModel();
    emit updated();
}

int LogViewRows::segmentsOf(int sourceRow) const
{
    if (m_source->lineTextFitsIn(sourceRow, SegmentLength)) {
        return 1;
    }
    const qsizetype length = lineText(sourceRow).size();
    return int(qMax<qsizetype>(1, (length + SegmentLength - 1) / SegmentLength));
}

LogViewRows::Place LogViewRows::placeOf(qint64 segment) const
{
    // The last line that starts at or before the segment.
    const auto it = std::upper_bound(m_segmentStarts.cbegin(), m_segmentStarts.cend(), segment);
    if (it == m_segmentStarts.cbegin()) {
        return {};
    }
    const int row = int(it - m_segmentStarts.cbegin()) - 1;
    const qint64 next = it == m_segmentStarts.cend() ? m_segmentEnd : *it;
    return {row, int(segment - m_segmentStarts.at(row)), int(next - m_segmentStarts.at(row))};
}

QString LogViewRows::lineText(int sourceRow) const
{
    const qint64 line = m_sourceFirst + sourceRow;
    if (line != m_cachedLine) {
        m_cachedText = m_source->lineTextAt(sourceRow);
        m_cachedLine = line;
    }
    return m_cachedText;
}
