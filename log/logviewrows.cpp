#include "log/logviewrows.h"

#include "log/logfiltermodel.h"

#include <QRegularExpression>

#include <algorithm>

LogViewRows::LogViewRows(LogListModel* source)
    : QAbstractListModel(source)
    , m_source(source)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &LogViewRows::update);

    connect(source, &QAbstractItemModel::rowsInserted, this, &LogViewRows::onRowsInserted);
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &LogViewRows::onRowsAboutToBeRemoved);
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
    const int line = place.sourceRow + int(m_evictedCount);
    switch (role) {
    case LineNumberRole:
        return double(m_sourceFirst + line);
    case ColumnRole:
        return place.segment * SegmentLength;
    case LineRole: {
        if (place.segments == 1) {
            return place.sourceRow < 0 ? evictedText(line) : m_source->lineTextAt(place.sourceRow);
        }
        const QString text = lineText(line);
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
        if (place.sourceRow < 0) {
            return roleNames().contains(role) ? QVariant(QString()) : QVariant();
        }
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

void LogViewRows::setKeepEvictedText(bool keep)
{
    if (keep == m_keepEvictedText) {
        return;
    }
    m_keepEvictedText = keep;
    emit keepEvictedTextChanged();
}

double LogViewRows::lineNumberAt(int row) const
{
    if (row < 0 || row >= rowCount()) {
        return -1.0;
    }
    return double(m_sourceFirst + m_evictedCount + placeOf(m_shownEnd - 1 - row).sourceRow);
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
    // A line the filter hides has no rows: the next line shown stands in.
    const qint64 segment =
        end > start ? qBound<qint64>(start, start + qMax(column, 0) / SegmentLength, end - 1)
                    : start;
    if (segment < m_shownFirst || segment >= m_shownEnd) {
        return -1;
    }
    return int(m_shownEnd - 1 - segment);
}

QString LogViewRows::copyTextBetween(double anchorLine, int anchorColumn, double cursorLine,
                                     int cursorColumn) const
{
    return stripLineColumns(textBetween(anchorLine, anchorColumn, cursorLine, cursorColumn));
}

QString LogViewRows::stripLineColumns(const QString& text)
{
    static const QRegularExpression columns(
        QStringLiteral("^(?:\\d{2}:\\d{2}:\\d{2}  )?(?:(?:TX|RX)   |(?:SYS|ERR)  )"),
        QRegularExpression::MultilineOption);
    return QString(text).remove(columns);
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
    const qint64 held = m_segmentStarts.size() - m_evictedCount;
    if (held <= 0) {
        return {};
    }
    const qint64 oldest = m_sourceFirst + m_evictedCount;
    const qint64 newest = oldest + held - 1;
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
    bool first = true;
    for (qint64 line = start.line; line <= end.line; ++line) {
        // Lines the filter hides are not in the view, so not in a selection.
        if (!lineHasRows(line - m_sourceFirst)) {
            continue;
        }
        const QString lineText = m_source->lineTextAt(int(line - oldest));
        const qsizetype from =
            line == start.line ? qBound<qsizetype>(0, start.column, lineText.size()) : 0;
        const qsizetype to = line == end.line && end.column >= 0
                                 ? qBound<qsizetype>(from, end.column, lineText.size())
                                 : lineText.size();
        if (!first) {
            text += QLatin1Char('\n');
        }
        first = false;
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
    const qint64 firstHeld = firstHeldSegment();
    const bool removing = m_shownFirst < firstHeld && m_shownFirst < m_shownEnd;
    const bool inserting = m_segmentEnd > qMax(m_shownEnd, firstHeld);
    if (removing || inserting) {
        emit aboutToUpdate();
    }
    if (removing) {
        // The oldest rows shown are the last ones.
        const qint64 gone = qMin(firstHeld, m_shownEnd) - m_shownFirst;
        const int rows = rowCount();
        beginRemoveRows({}, rows - int(gone), rows - 1);
        m_shownFirst += gone;
        endRemoveRows();
    }
    if (m_shownFirst == m_shownEnd) {
        m_shownFirst = m_shownEnd = firstHeld;
    }
    // The evicted lines leave the mapping with their rows.
    m_segmentStarts.remove(0, m_evictedCount);
    m_sourceFirst += m_evictedCount;
    m_evictedCount = 0;
    m_evictedTexts.clear();
    m_cachedLine = -1;
    if (inserting) {
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
    if (first != m_segmentStarts.size() - m_evictedCount) {
        resetFromSource(); // not an append: no cheap way to follow it
        return;
    }
    for (int row = first; row <= last; ++row) {
        m_segmentStarts.append(m_segmentEnd);
        m_segmentEnd += segmentsOf(row);
    }
    schedule();
}

void LogViewRows::onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last)
{
    const qsizetype held = m_segmentStarts.size() - m_evictedCount;
    if (parent.isValid() || first != 0 || last >= held) {
        return; // not an eviction: onRowsRemoved resets
    }
    m_evictionCaptured = true;
    // The source still holds the lines: keep their texts for the rows that
    // show them until the next update.
    // Texts are kept for the oldest evicted lines only; a later eviction
    // cannot show them again, since they come after lines kept empty.
    for (int row = first; row <= last && m_keepEvictedText; ++row) {
        if (m_evictedTexts.size() != m_evictedCount + row ||
            m_evictedTexts.size() >= MaxKeptEvictions) {
            break;
        }
        m_evictedTexts.append(m_source->lineTextAt(row));
    }
    m_evictedCount += last - first + 1;
}

void LogViewRows::onRowsRemoved(const QModelIndex& parent, int first, int last)
{
    Q_UNUSED(first);
    Q_UNUSED(last);
    if (parent.isValid()) {
        return;
    }
    if (!m_evictionCaptured) {
        resetFromSource(); // not an eviction: no cheap way to follow it
        return;
    }
    m_evictionCaptured = false;
    // Rows of evicted lines wait for the next update, which removes them
    // together with inserting the new ones; when the event loop does not come
    // round to it for very long, the update comes at once, so that what is
    // kept for those rows stays bounded.
    if (m_evictedCount > MaxPendingEvictions) {
        update();
    } else {
        schedule();
    }
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
    m_evictedCount = 0;
    m_evictedTexts.clear();
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

void LogViewRows::setRowFilter(LogFilterModel* filter)
{
    if (filter == m_filter) {
        return;
    }
    if (m_filter) {
        disconnect(m_filter, nullptr, this, nullptr);
    }
    m_filter = filter;
    if (filter) {
        connect(filter, &LogFilterModel::refiltered, this, &LogViewRows::resetFromSource);
        connect(filter, &QObject::destroyed, this, [this] { setRowFilter(nullptr); });
    }
    resetFromSource();
}

bool LogViewRows::lineHasRows(qsizetype line) const
{
    if (line < 0 || line >= m_segmentStarts.size()) {
        return false;
    }
    const qint64 next =
        line + 1 < m_segmentStarts.size() ? m_segmentStarts.at(line + 1) : m_segmentEnd;
    return next > m_segmentStarts.at(line);
}

int LogViewRows::segmentsOf(int sourceRow) const
{
    if (m_filter && !m_filter->showsSourceRow(sourceRow)) {
        return 0;
    }
    if (m_source->lineTextFitsIn(sourceRow, SegmentLength)) {
        return 1;
    }
    const qsizetype length = lineText(sourceRow + int(m_evictedCount)).size();
    return int(qMax<qsizetype>(1, (length + SegmentLength - 1) / SegmentLength));
}

LogViewRows::Place LogViewRows::placeOf(qint64 segment) const
{
    // The last line that starts at or before the segment.
    const auto it = std::upper_bound(m_segmentStarts.cbegin(), m_segmentStarts.cend(), segment);
    if (it == m_segmentStarts.cbegin()) {
        return {};
    }
    const int line = int(it - m_segmentStarts.cbegin()) - 1;
    const qint64 next = it == m_segmentStarts.cend() ? m_segmentEnd : *it;
    return {line - int(m_evictedCount), int(segment - m_segmentStarts.at(line)),
            int(next - m_segmentStarts.at(line))};
}

qint64 LogViewRows::firstHeldSegment() const
{
    return m_evictedCount < m_segmentStarts.size() ? m_segmentStarts.at(m_evictedCount)
                                                   : m_segmentEnd;
}

QString LogViewRows::lineText(int line) const
{
    const qint64 number = m_sourceFirst + line;
    if (number != m_cachedLine) {
        m_cachedText = line < m_evictedCount ? evictedText(line)
                                             : m_source->lineTextAt(line - int(m_evictedCount));
        m_cachedLine = number;
    }
    return m_cachedText;
}

QString LogViewRows::evictedText(int line) const
{
    return line < m_evictedTexts.size() ? m_evictedTexts.at(line) : QString();
}
