#pragma once

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

/// Writes the continuous log file on a thread of its own, so that a slow or
/// throttled disk never holds up the window. Chunks reach the file in the
/// order they were given, each as soon as the thread gets to it; nothing is
/// dropped: past a bound of queued bytes, write() waits for the disk.
class LogFileWriter : public QObject
{
    Q_OBJECT

public:
    /// Bytes that may wait for the disk before write() waits too.
    static constexpr qsizetype MaxQueuedBytes = 64 * 1024 * 1024;

    explicit LogFileWriter(QObject* parent = nullptr);
    /// Writes everything queued, closes the file and ends the thread.
    ~LogFileWriter() override;

    /// From now on chunks go to @p file, already open for writing; the
    /// previous file is closed once everything before this call is written.
    /// A null file only closes the previous one.
    void setFile(std::unique_ptr<QFile> file);
    void write(QByteArray chunk);
    /// Returns once everything given so far has been written (or has failed).
    void waitUntilWritten();

signals:
    /// Sent from the writing thread, once per file, when a write fails.
    void writeFailed(const QString& path, const QString& reason);

private:
    struct Command
    {
        bool changeFile = false;
        std::unique_ptr<QFile> file;
        QByteArray chunk;
    };

    void run();
    void push(Command command);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_progress;
    std::deque<Command> m_queue;
    qsizetype m_queuedBytes = 0;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
