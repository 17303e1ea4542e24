#include "log/logfilewriter.h"

LogFileWriter::LogFileWriter(QObject* parent)
    : QObject(parent)
    , m_thread([this] { run(); })
{}

LogFileWriter::~LogFileWriter()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void LogFileWriter::setFile(std::unique_ptr<QFile> file)
{
    Command command;
    command.changeFile = true;
    command.file = std::move(file);
    push(std::move(command));
}

void LogFileWriter::write(QByteArray chunk)
{
    if (chunk.isEmpty()) {
        return;
    }
    Command command;
    command.chunk = std::move(chunk);
    push(std::move(command));
}

void LogFileWriter::push(Command command)
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        // A disk far behind makes the receiver wait rather than lose lines
        // or fill the memory.
        m_progress.wait(lock, [this] { return m_queuedBytes < MaxQueuedBytes; });
        m_queuedBytes += command.chunk.size();
        m_queue.push_back(std::move(command));
    }
    m_wake.notify_one();
}

void LogFileWriter::waitUntilWritten()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_progress.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void LogFileWriter::run()
{
    std::unique_ptr<QFile> file;
    bool failureReported = false;
    for (;;) {
        Command command;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_queue.empty()) {
                break; // stopping, and everything is written
            }
            command = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
        }
        if (command.changeFile) {
            file = std::move(command.file); // closes the previous one
            failureReported = false;
        } else if (file) {
            const bool written =
                file->write(command.chunk) == command.chunk.size() && file->flush();
            if (!written && !failureReported) {
                failureReported = true;
                emit writeFailed(file->fileName(), file->errorString());
            }
        }
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_queuedBytes -= command.chunk.size();
            m_busy = false;
        }
        m_progress.notify_all();
    }
}
