#pragma once

#include "log/logfilewriter.h"
#include "util/localclock.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

enum class LogKind : qint32 { TX = 0, RX = 1, SYS = 2, ERR = 3 };

/// How a log line is written to a file: as text, as a CSV record or with the
/// payload as hex pairs.
enum class LogFileFormat : qint32 { Text = 0, Csv = 1, Hex = 2 };

/// The line end that the receive path cut off an RX entry, or that a send
/// added to a TX entry's text: none (a partial
/// line logged after a pause or at the size limit), a line feed, a carriage
/// return and a line feed, or a lone carriage return (a partial line that
/// ended in one when it was logged).
enum class LineEnd : quint8 { None, Lf, CrLf, Cr };

/// The CRC check of a received frame: none made (a line, or the check is
/// off), its last two bytes the CRC-16/MODBUS of the rest, or not.
enum class FrameCheck : quint8 { None, Valid, Invalid };

/// One line of the data log. For RX the received bytes of the line, without
/// its line end (remembered in lineEnd); for TX, SYS and ERR the UTF-8 text
/// to show (for TX, lineEnd is what the send added to it).
struct LogEntry
{
    QDateTime time;
    LogKind kind = LogKind::SYS;
    QByteArray data;
    LineEnd lineEnd = LineEnd::None;
    FrameCheck check = FrameCheck::None;

    /// The bytes of the line end, as they came in.
    static QByteArray lineEndBytes(LineEnd end);
    /// The entry's bytes as hex pairs, upper case, one blank between them;
    /// the entry's line end included, so that every byte that came in or went
    /// out as a line end shows.
    QString hexText() const;
    /// What files write after the payload of a checked frame: " [CRC ok]" or
    /// " [CRC bad]", the same in every language so that tools can look for
    /// it; empty for an entry without a check.
    static QLatin1String checkMark(FrameCheck check);
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
    /// One received frame as an RX entry stamped @p time (when its first
    /// byte came), carrying the result of its CRC check.
    void appendFrame(const QByteArray& frame, const QDateTime& time, FrameCheck check);
    /// The time stamp an entry appended now gets.
    QDateTime currentTime() { return now(); }
    void clear();
    /// Takes @p bytes that were counted as sent but never went out (the port
    /// threw them away) off the sent-byte counter, which stays at 0 or more.
    void uncountTx(qint64 bytes);

    const QList<LogEntry>& entries() const { return m_entries; }
    qint64 rxBytes() const { return m_rxBytes; }
    qint64 txBytes() const { return m_txBytes; }
    qint64 totalLineCount() const { return m_totalLineCount; }

    /// "TX", "RX", "SYS", "ERR", or "?" for any other value.
    static QString dirTag(LogKind kind);

    /// One line of a log file, without its line end; empty for an unknown format.
    static QString formatLine(const LogEntry& entry, LogFileFormat format);
    /// Writes every entry held to @p path (folders made as needed), replacing
    /// the file only once all of it is written. On failure the platform's
    /// reason goes to @p error and an existing file is left as it was.
    bool exportToFile(const QString& path, LogFileFormat format, QString* error = nullptr) const;

    /// Appends every new entry, as text, to "<baseName>-yyyyMMdd.log" in
    /// @p directory, one file per day of the entries' time stamps. An empty
    /// base name writes "korvel-yyyyMMdd.log".
    void setContinuousLogging(bool enabled, const QString& directory, const QString& baseName);
    bool continuousLoggingEnabled() const { return m_continuousEnabled; }
    QString continuousDirectory() const { return m_continuousDirectory; }
    /// The base name for the daily files from a name the user saved under:
    /// a time stamp at its end ("-yyyyMMdd" or "-yyyyMMdd-HHmm", as the
    /// suggested names carry) is dropped, since each daily file adds its date.
    static QString dailyBaseName(const QString& baseName);
    /// The daily file being written; empty while there is none, and while the
    /// writing thread (which opens it, moments after it is chosen) cannot open it.
    QString continuousFilePath() const;

    /// Where the time stamps of new entries come from; the local clock
    /// unless a test sets another. An empty function restores the local clock.
    void setClock(std::function<QDateTime()> clock);

signals:
    void entriesAboutToBeEvicted(int count);
    void entriesEvicted();
    void entriesAppended(int count);
    void bulkChanged();
    void countersChanged(qint64 rxBytes, qint64 txBytes);
    void cleared();
    /// Received lines, all of one arrival and with the time stamp their
    /// entries got, also those of a batch too large to keep, and the line end
    /// each came with (as many as lines). Sent after the log took them in.
    void linesReceived(const QDateTime& time, const QList<QByteArray>& lines,
                       const QList<LineEnd>& lineEnds);
    /// Continuous logging was switched on or off, or moved to another file.
    void continuousLoggingChanged();
    /// The daily file could not be opened or written: sent once when such a
    /// stretch begins (and once while opening keeps failing).
    void continuousLogFailed(const QString& path, const QString& reason);
    /// The daily file takes lines again; a line in it marks the @p lines it
    /// missed for @p reason.
    void continuousLogRecovered(const QString& path, qint64 lines, const QString& reason);
    /// @p lines (for @p reason) never reached the daily file, and the file
    /// was closed before a line could mark them.
    void continuousLinesLost(const QString& path, qint64 lines, const QString& reason);
    /// Every line given to the daily file so far has reached it, or has been
    /// counted as lost. The file is written on a thread of its own, moments
    /// after each append; this comes when that thread runs out of work.
    void continuousLogWritten();

private:
    void appendEntries(LogKind kind, const QList<QByteArray>& items, const QList<LineEnd>& lineEnds,
                       const QDateTime& stamp, FrameCheck check);
    void writeContinuous(const LogEntry& entry, bool flush);
    void rotateContinuousFile(const QDate& date);
    void flushContinuous();
    void closeContinuousFile();
    void onContinuousOpenChanged(const QString& path, bool open);

    QList<LogEntry> m_entries;
    qint64 m_rxBytes = 0;
    qint64 m_txBytes = 0;
    qint64 m_totalLineCount = 0;

    // Continuous logging to a daily file; driven by the save-log actions.
    bool m_continuousEnabled = false;
    QString m_continuousDirectory;
    QString m_continuousBaseName;
    QDate m_continuousDate;
    QString m_continuousPath; // empty while no daily file is in use
    // Set while the writing thread cannot open the daily file.
    bool m_continuousUnopened = false;
    std::unique_ptr<LogFileWriter> m_writer;
    // Lines of the current batch, written to the file in one go.
    QByteArray m_continuousPending;
    qint64 m_continuousPendingLines = 0;
    // The time stamp text of the last entry written, formatted once per batch.
    QDateTime m_stampTime;
    QString m_stampText;
    QDate m_stampDate;

    /// The time stamp for entries appended now.
    QDateTime now();

    std::function<QDateTime()> m_clock;
    // Local time without re-reading the time zone for every batch.
    LocalClock m_localClock;
};
