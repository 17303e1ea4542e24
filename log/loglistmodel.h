#pragma once

#include "log/logmanager.h"

#include <QAbstractListModel>
#include <QTimer>

class LogViewRows;

/// What the data monitor shows of the log: one row per entry with its time,
/// direction tag and payload text, plus a text feed (appended text, evicted
/// length, rebuild requests) for keeping one plain-text document in step.
class LogListModel : public QAbstractListModel
{
    Q_OBJECT

    Q_PROPERTY(bool hexMode READ hexMode WRITE setHexMode NOTIFY hexModeChanged)
    Q_PROPERTY(
        bool showTimestamp READ showTimestamp WRITE setShowTimestamp NOTIFY showTimestampChanged)
    Q_PROPERTY(int lineCount READ lineCount NOTIFY lineCountChanged)
    // The 64-bit counters reach QML as numbers (exact up to 2^53); Qt 6.4's
    // QML tooling knows no 64-bit integer property type.
    Q_PROPERTY(double totalLineCount READ totalLineCount NOTIFY countersChanged)
    Q_PROPERTY(double rxBytes READ rxBytes NOTIFY countersChanged)
    Q_PROPERTY(double txBytes READ txBytes NOTIFY countersChanged)
    Q_PROPERTY(LogViewRows* viewRows READ viewRows CONSTANT)
    Q_MOC_INCLUDE("log/logviewrows.h")

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
    /// A byte count as the counters show it, in the interface language's words and digits:
    /// whole bytes, else one decimal of the largest unit of 1024 that fits ("2.5 MB").
    Q_INVOKABLE QString formattedDataSize(double bytes) const;
    /// The whole document: every line text followed by "\n", oldest first.
    Q_INVOKABLE QString fullPlainDump() const;
    /// One entry as a line of the document, without the line break.
    QString linePlainText(const LogEntry& entry) const;
    /// The payload part of an entry's line text, as shown: ANSI sequences
    /// stripped, an RX entry as hex pairs in the hex view.
    QString payloadPlainText(const LogEntry& entry) const;
    /// What the monitor shows after the payload of a checked frame (a blank
    /// and "[CRC ok]" or "[CRC bad]", translated); empty for no check.
    static QString checkMarkText(FrameCheck check);
    /// Where the payload starts in a line text (after the time and kind).
    int payloadColumn() const;
    /// The line text of a row; empty for a row out of range.
    Q_INVOKABLE QString lineTextAt(int row) const;
    /// Whether the line text of a row is at most @p length characters long;
    /// decided without formatting the line when its size alone tells.
    bool lineTextFitsIn(int row, qsizetype length) const;
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
