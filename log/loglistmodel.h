#pragma once

#include "log/logmanager.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

class LogListModel;

/// The rows of the log model as the data monitor lays them out: the same rows
/// and roles, but evictions and appends are gathered and passed on in
/// batches, at most once per interval, so a fast serial line makes the view
/// lay out and repaint a few times a second instead of once per received chunk.
class LogViewRows : public QAbstractListModel
{
    Q_OBJECT
    // Reached through LogListModel.viewRows only; it adds no name to the module.
    QML_ANONYMOUS

    Q_PROPERTY(qint64 firstLineNumber READ firstLineNumber NOTIFY updated)
    Q_PROPERTY(int interval READ interval WRITE setInterval NOTIFY intervalChanged)

public:
    /// Changes are gathered this long before they are passed on.
    static constexpr int UpdateIntervalMs = 33;
    /// Besides the source's roles: "line", the row's whole line text as
    /// LogListModel::lineTextAt() gives it, so a delegate shows it as it is.
    static constexpr int LineRole = Qt::UserRole + 4;

    explicit LogViewRows(LogListModel* source);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// Number of the line in row 0, counting from 0 at the first line logged
    /// since the last clear; row r holds line firstLineNumber + r.
    qint64 firstLineNumber() const { return m_firstLine; }

    /// Least time from one update to the next, in ms (UpdateIntervalMs at
    /// first). A change after a longer quiet spell is still passed on
    /// UpdateIntervalMs after it came.
    int interval() const { return m_interval; }
    void setInterval(int ms);

    /// Passes the gathered changes on now rather than at the next interval.
    Q_INVOKABLE void update();

signals:
    /// The rows (or only the source's counters) were brought up to date.
    void updated();
    void intervalChanged();

private:
    void schedule();
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onRowsRemoved(const QModelIndex& parent, int first, int last);
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                       const QList<int>& roles);
    void resetFromSource();

    LogListModel* m_source;
    QTimer m_timer;
    QElapsedTimer m_sinceUpdate;
    int m_interval = UpdateIntervalMs;
    int m_rows = 0;       // rows announced by this model
    int m_sourceRows = 0; // rows announced by the source
    int m_evicted = 0;    // rows the source dropped from its front since the last update
    qint64 m_firstLine = 0;
};

/// What the data monitor shows of the log: one row per entry with its time,
/// direction tag and payload text, plus a text feed (appended text, evicted
/// length, rebuild requests) for keeping one plain-text document in step.
class LogListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by AppController")

    Q_PROPERTY(bool hexMode READ hexMode WRITE setHexMode NOTIFY hexModeChanged)
    Q_PROPERTY(
        bool showTimestamp READ showTimestamp WRITE setShowTimestamp NOTIFY showTimestampChanged)
    Q_PROPERTY(int lineCount READ lineCount NOTIFY lineCountChanged)
    Q_PROPERTY(qint64 totalLineCount READ totalLineCount NOTIFY countersChanged)
    Q_PROPERTY(qint64 rxBytes READ rxBytes NOTIFY countersChanged)
    Q_PROPERTY(qint64 txBytes READ txBytes NOTIFY countersChanged)
    Q_PROPERTY(LogViewRows* viewRows READ viewRows CONSTANT)

public:
    enum Role {
        TimeRole = Qt::UserRole + 1,
        DirRole,
        TextRole,
    };
    Q_ENUM(Role)

    /// Bulk changes are coalesced into one reset this long after the last one.
    static constexpr int BulkDebounceMs = 50;

    LogListModel(LogManager* log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool hexMode() const { return m_hexMode; }
    void setHexMode(bool on);
    bool showTimestamp() const { return m_showTimestamp; }
    void setShowTimestamp(bool on);

    int lineCount() const;
    qint64 totalLineCount() const;
    qint64 rxBytes() const;
    qint64 txBytes() const;

    Q_INVOKABLE void clear();
    /// The whole document: every line text followed by "\n", oldest first.
    Q_INVOKABLE QString fullPlainDump() const;
    /// One entry as a line of the document, without the line break.
    QString linePlainText(const LogEntry& entry) const;
    /// The line text of a row; empty for a row out of range.
    Q_INVOKABLE QString lineTextAt(int row) const;
    /// The line texts of rows first to last (clamped to the rows held), joined
    /// with "\n"; empty when no row is in the range.
    Q_INVOKABLE QString linesText(int first, int last) const;

    /// The rows for the data monitor's list, updated at a bounded rate.
    LogViewRows* viewRows() const { return m_viewRows; }

signals:
    void hexModeChanged();
    void showTimestampChanged();
    void lineCountChanged();
    void countersChanged();
    void lineAppended(const QString& text);
    void lineEvicted(int docLength);
    void rebuildNeeded();

private:
    void onAboutToBeEvicted(int count);
    void onEvicted();
    void onAppended(int count);
    void onBulkChanged();
    void onResetTimer();
    void onCleared();
    QString payloadText(const LogEntry& entry) const;
    QString timeText(const QDateTime& time) const;
    /// Appends the line text of @p entry to @p out; returns its length.
    qsizetype appendLineText(QString& out, const LogEntry& entry) const;
    void rebuildLineLengths() const;

    LogManager* m_log;
    bool m_hexMode = false;
    bool m_showTimestamp = true;
    bool m_resetPending = false;
    bool m_removing = false;
    // The store appends before it announces; these rows are hidden from
    // rowCount() until beginInsertRows() has been called for them.
    int m_unannounced = 0;
    QTimer m_resetTimer;
    LogViewRows* m_viewRows = nullptr;
    // UTF-16 length of each held entry's line text under the current display
    // switches, oldest first; valid while no reset or switch change is due.
    mutable QList<int> m_lineLengths;
    mutable bool m_lineLengthsValid = true;
    mutable int m_timeCacheSecond = -1;
    mutable QString m_timeCacheText;
};
