#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QObject>
#include <QTextStream>

#include <memory>

enum class LogKind : qint32 { TX = 0, RX = 1, SYS = 2, ERR = 3 };

/// The line end that the receive path cut off an RX entry: none (a partial
/// line logged after a pause or at the size limit), a line feed, a carriage
/// return and a line feed, or a lone carriage return (a partial line that
/// ended in one when it was logged).
enum class LineEnd : quint8 { None, Lf, CrLf, Cr };

/// One line of the data log. For RX the received bytes of the line, without
/// its line end (remembered in lineEnd); for TX, SYS and ERR the UTF-8 text
/// to show.
struct LogEntry
{
    QDateTime time;
    LogKind kind = LogKind::SYS;
    QByteArray data;
    LineEnd lineEnd = LineEnd::None;

    /// The bytes of the line end, as they came in.
    static QByteArray lineEndBytes(LineEnd end);
    /// The entry's bytes as hex pairs, upper case, one blank between them;
    /// an RX entry's line end included, so that every received byte shows.
    QString hexText() const;
};
Q_DECLARE_TYPEINFO(LogEntry, Q_RELOCATABLE_TYPE);

/// The bounded in-memory record of what the data monitor shows. Keeps the last
/// 5000 entries, counts bytes in both directions and announces exactly which
/// rows were appended or evicted (or that a bulk change needs a full re-read).
class LogManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int Capacity = 5000;
    /// Changes of more rows than this in one call are announced as bulkChanged().
    static constexpr int BulkThreshold = 300;

    explicit LogManager(QObject* parent = nullptr);
    ~LogManager() override;

    void append(LogKind kind, const QByteArray& bytes, LineEnd lineEnd = LineEnd::None);
    /// Appends one entry per item; @p lineEnds, when given, holds the line
    /// end of each item (RX entries).
    void appendBatch(LogKind kind, const QList<QByteArray>& items,
                     const QList<LineEnd>& lineEnds = {});
    void clear();

    const QList<LogEntry>& entries() const { return m_entries; }
    qint64 rxBytes() const { return m_rxBytes; }
    qint64 txBytes() const { return m_txBytes; }
    qint64 totalLineCount() const { return m_totalLineCount; }

    /// "TX", "RX", "SYS", "ERR", or "?" for any other value.
    static QString dirTag(LogKind kind);

signals:
    void entriesAboutToBeEvicted(int count);
    void entriesEvicted();
    void entriesAppended(int count);
    void bulkChanged();
    void countersChanged(qint64 rxBytes, qint64 txBytes);
    void cleared();

private:
    QList<LogEntry> m_entries;
    qint64 m_rxBytes = 0;
    qint64 m_txBytes = 0;
    qint64 m_totalLineCount = 0;

    // Continuous logging to a daily file; driven by the save-log actions.
    bool m_continuousEnabled = false;
    QString m_continuousDirectory;
    QString m_continuousBaseName;
    QDate m_continuousDate;
    std::unique_ptr<QFile> m_continuousFile;
    std::unique_ptr<QTextStream> m_continuousStream;
};
