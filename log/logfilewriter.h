#pragma once

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <thread>

/// Writes the continuous log file on a thread of its own, so that the window's thread never
/// waits for a disk. Chunks of whole lines reach the file in the order they were given, each as
/// soon as the thread gets to it, and each whole or not at all: a chunk the disk refuses (it is
/// full, say) is cut back out of the file, so no line is ever cut in two. A disk that stops
/// taking writes altogether never blocks the caller either: past MaxQueuedBytes waiting, chunks
/// are left out. Lines left out either way are counted, and once the file takes writes again a
/// marker line says how many are missing there and why. The thread opens the file too (and owns
/// it), so that a destination slow to open holds nothing up either; while a file cannot be
/// opened, each chunk for it tries again and its lines are counted as missing there.
class LogFileWriter : public QObject
{
    Q_OBJECT

public:
    /// Bytes that may wait for the disk; past them chunks are left out.
    static constexpr qsizetype MaxQueuedBytes = 64 * 1024 * 1024;
    /// How long the destructor waits for the disk to take what is queued.
    static constexpr int ExitWaitMs = 3000;

    /// Makes the line that marks @p lines missing lines in a file, without its line end; called
    /// on the writing thread.
    using MarkerFormat = std::function<QByteArray(qint64 lines, const QString& reason)>;
    /// Opens the destination at @p path for writing (unbuffered, appending); null with the
    /// reason in @p reason when it cannot. Called on the writing thread.
    using Opener = std::function<std::unique_ptr<QFile>(const QString& path, QString* reason)>;

    /// Opens its files with @p opener (openForAppending() by default).
    explicit LogFileWriter(MarkerFormat marker, QObject* parent = nullptr);
    LogFileWriter(MarkerFormat marker, Opener opener, QObject* parent = nullptr);
    /// Writes what is queued, waiting at most ExitWaitMs for it; a disk that does not take it
    /// by then keeps the thread, and the window goes.
    ~LogFileWriter() override;

    /// The regular file at @p path, opened for appending: a file of the same day is continued,
    /// never truncated, and anything else (a named pipe would wait for a reader for good) is
    /// refused.
    static std::unique_ptr<QFile> openForAppending(const QString& path, QString* reason);

    /// From now on chunks go to the file at @p path, which the writing thread opens once
    /// everything before this call is written and the previous file is closed; an empty path
    /// only closes the previous one. Lines that the previous file missed because it could not
    /// be opened are marked in the new one when @p carryUnopened, else reported lost.
    void setFile(const QString& path, bool carryUnopened = false);
    /// Queues @p chunk, which holds @p lines whole lines, each with its line end. Never waits:
    /// when the queue is full the chunk is left out, and the result is false.
    bool write(QByteArray chunk, qint64 lines);

    /// The reason given for lines left out because the disk did not keep up.
    static QString fallingBehindText();

signals:
    /// Everything given so far has been written, or counted as left out: the thread ran out of
    /// work, and nothing was given since.
    void written();
    /// The file at @p path was opened (@p open), or could not be opened (then writeFailed()
    /// says why, when that stretch of failures begins); sent when that changes.
    void openChanged(const QString& path, bool open);
    /// Lines could not be written to @p path; sent once when such a stretch begins.
    void writeFailed(const QString& path, const QString& reason);
    /// @p path takes lines again; the @p lines that it missed (for @p reason) are marked in it.
    void writeRecovered(const QString& path, qint64 lines, const QString& reason);
    /// @p path was closed while @p lines (for @p reason) were still missing and unmarked.
    void linesLost(const QString& path, qint64 lines, const QString& reason);

private:
    struct Shared;
    struct Command;

    static void run(std::shared_ptr<Shared> shared);
    void push(Command command);
    /// Sends written() unless something was given since the thread ran out of work.
    void reportWritten();

    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
    /// The file chunks go to now, as this thread sees it.
    QString m_path;
};
