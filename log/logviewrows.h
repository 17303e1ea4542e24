#pragma once

#include "log/loglistmodel.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QTimer>

class LogFilterModel;

/// The log's lines as the data monitor lays them out. Rows run newest first,
/// so that a list drawn from the bottom up keeps the newest line in place at
/// the bottom whatever the heights of the rows above it. A line longer than
/// SegmentLength characters takes several rows, each with a part of it, so
/// that no row is too large to lay out quickly and every character stays in
/// sight. Changes are gathered and passed on in batches, at most once per
/// interval, so a fast serial line makes the view lay out and repaint a few
/// times a second instead of once per received chunk. Rows of lines that the
/// log evicts meanwhile keep their text until the next update removes them.
class LogViewRows : public QAbstractListModel
{
    Q_OBJECT

    Q_PROPERTY(int interval READ interval WRITE setInterval NOTIFY intervalChanged)
    Q_PROPERTY(bool keepEvictedText READ keepEvictedText WRITE setKeepEvictedText NOTIFY
                   keepEvictedTextChanged)

public:
    /// Besides the source's roles (those of the row's line): "line", the
    /// part of the line's text that the row shows; "lineNumber", the number
    /// of the row's line (see lineNumberAt()); "column", where in the line's
    /// text the row's part starts.
    enum Role {
        LineRole = LogListModel::TextRole + 1,
        LineNumberRole,
        ColumnRole,
    };
    Q_ENUM(Role)

    /// Changes are gathered this long before they are passed on.
    static constexpr int UpdateIntervalMs = 33;
    /// Most characters one row shows of a line.
    static constexpr int SegmentLength = 2048;
    /// Most evicted lines whose texts are kept for their rows until the next
    /// update (the oldest first: those at the top of the view); rows of
    /// further evicted lines show nothing until then.
    static constexpr int MaxKeptEvictions = 2000;
    /// Most evicted lines whose rows wait for the next update; one more
    /// makes the update come at once.
    static constexpr int MaxPendingEvictions = 100000;

    explicit LogViewRows(LogListModel* source);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// Least time from one update to the next, in ms (UpdateIntervalMs at
    /// first). A change after a longer quiet spell is still passed on
    /// UpdateIntervalMs after it came.
    int interval() const { return m_interval; }
    void setInterval(int ms);

    /// Whether rows of evicted lines keep their text until the next update
    /// (true at first). A view that shows only the newest lines of a full
    /// log never sees those rows and spares the copying.
    bool keepEvictedText() const { return m_keepEvictedText; }
    void setKeepEvictedText(bool keep);

    /// Number of the line a row shows, counting from 0 at the first line
    /// logged since the last clear (a line keeps its number while newer lines
    /// arrive and older ones leave); -1 for a row out of range. A double, as
    /// QML numbers are.
    Q_INVOKABLE double lineNumberAt(int row) const;
    /// Where in its line's text a row's part starts; 0 for a row out of range.
    Q_INVOKABLE int columnAt(int row) const;
    /// The row that shows a column of a line (a column past the end of the
    /// line: its last row), or -1 when no row shows that line.
    Q_INVOKABLE int rowOfLine(double lineNumber, int column = 0) const;

    /// The text between two points of the log, each a line number and a
    /// character column in that line's text, in either order: the lines
    /// joined with "\n", the first cut at its column and the last one before
    /// its column. A point on a line the log no longer holds moves to the
    /// start of the oldest line held; one past the newest line to its end.
    Q_INVOKABLE QString textBetween(double anchorLine, int anchorColumn, double cursorLine,
                                    int cursorColumn) const;
    /// What copying the text between two points gives: textBetween() without
    /// the time and kind columns that begin its lines (stripLineColumns()).
    Q_INVOKABLE QString copyTextBetween(double anchorLine, int anchorColumn, double cursorLine,
                                        int cursorColumn) const;
    /// @p text without the columns a line of the monitor begins with: the
    /// time ("14:03:27  ", when shown) and the kind ("RX   ", "SYS  ").
    static QString stripLineColumns(const QString& text);

    /// Passes the gathered changes on now rather than at the next interval.
    Q_INVOKABLE void update();

    /// Shows only the lines @p filter lets through while it filters: a
    /// hidden line takes no rows, so rowOfLine() gives the row of the next
    /// line shown after it and textBetween() leaves it out. Without a filter
    /// (or while it does not filter) every line shows.
    void setRowFilter(LogFilterModel* filter);

signals:
    /// Rows are about to be removed from the end (lines the log evicted)
    /// and inserted at the top (row 0, new lines).
    void aboutToUpdate();
    /// The rows (or only the source's counters) were brought up to date.
    void updated();
    void intervalChanged();
    void keepEvictedTextChanged();

private:
    struct Place
    {
        int sourceRow = -1; // -1: not held
        int segment = 0;
        int segments = 1;
    };

    void schedule();
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void onRowsRemoved(const QModelIndex& parent, int first, int last);
    void resetFromSource();
    int segmentsOf(int sourceRow) const;
    /// Where the row with global segment number @p segment lies in the
    /// source; a row of an evicted line has a negative source row.
    Place placeOf(qint64 segment) const;
    /// The line text of a line in the mapping (index into m_segmentStarts).
    QString lineText(int line) const;
    /// The first segment of the lines the source still holds.
    qint64 firstHeldSegment() const;
    QString evictedText(int line) const;

    /// Whether a line in the mapping (index into m_segmentStarts) has rows.
    bool lineHasRows(qsizetype line) const;

    LogListModel* m_source;
    LogFilterModel* m_filter = nullptr;
    QTimer m_timer;
    QElapsedTimer m_sinceUpdate;
    int m_interval = UpdateIntervalMs;
    bool m_keepEvictedText = true;

    // Segments are numbered across the whole log (the numbers survive
    // appends and evictions): line m_sourceFirst + i starts at segment
    // m_segmentStarts[i]; m_segmentEnd follows the newest line's last one.
    // The first m_evicted.size() of those lines have left the source since
    // the last update; their texts are kept until then.
    qint64 m_sourceFirst = 0;
    QList<qint64> m_segmentStarts;
    qsizetype m_evictedCount = 0;
    QStringList m_evictedTexts;
    bool m_evictionCaptured = false;
    qint64 m_segmentEnd = 0;
    // Rows shown: the segments from m_shownFirst up to m_shownEnd
    // (exclusive), row 0 being the newest; always a part of those held.
    qint64 m_shownFirst = 0;
    qint64 m_shownEnd = 0;

    // The text of the last long line asked for (by line number), so that its
    // rows do not format it again each.
    mutable qint64 m_cachedLine = -1;
    mutable QString m_cachedText;
};
