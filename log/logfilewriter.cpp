#include "log/logfilewriter.h"

#include "util/regularfile.h"

#include <QList>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

struct LogFileWriter::Command
{
    bool changeFile = false;
    QByteArray chunk;
    qint64 lines = 0;
    /// Lines of the current file left out just before this command (the queue was full).
    qint64 droppedBefore = 0;
    /// For a new file: its path, and whether lines the previous one never took carry over.
    QString path;
    bool carryUnopened = false;
};

/// What the writing thread shares with the writer; it outlives the writer when the thread is
/// left behind on a disk that never answers.
struct LogFileWriter::Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable progress;
    std::deque<Command> queue;
    qsizetype queuedBytes = 0;
    bool busy = false;
    bool stop = false;
    bool finished = false;
    /// Left out because the queue was full, not yet handed to the thread.
    qint64 overflowLines = 0;
    /// Set from the first chunk left out until the thread has marked them in the file.
    bool fallingBehind = false;
    /// Null once the writer is gone: then nothing is reported any more.
    LogFileWriter* owner = nullptr;
    MarkerFormat marker;
    Opener opener;

    /// Runs @p call on the writer's thread, unless the writer is gone by then.
    template <typename Call> void report(Call call)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (owner) {
            QMetaObject::invokeMethod(
                owner, [owner = owner, call] { call(owner); }, Qt::QueuedConnection);
        }
    }
};

namespace {

/// Lines a file missed, for one reason.
struct Loss
{
    qint64 lines = 0;
    QString reason;
};

void addLoss(QList<Loss>& losses, qint64 lines, const QString& reason)
{
    if (lines <= 0) {
        return;
    }
    for (Loss& loss : losses) {
        if (loss.reason == reason) {
            loss.lines += lines;
            return;
        }
    }
    losses.append({lines, reason});
}

// Appends @p data whole or not at all: what got in before the disk refused is cut back out, so
// the file ends with a whole line.
bool writeWhole(QFile& file, const QByteArray& data, QString* reason)
{
    const qint64 before = file.size();
    if (RegularFile::writeAll(file, data, reason)) {
        return true;
    }
    file.resize(before);
    return false;
}

} // namespace

LogFileWriter::LogFileWriter(MarkerFormat marker, QObject* parent)
    : LogFileWriter(std::move(marker), &LogFileWriter::openForAppending, parent)
{}

LogFileWriter::LogFileWriter(MarkerFormat marker, Opener opener, QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
    m_shared->marker = std::move(marker);
    m_shared->opener = std::move(opener);
    m_thread = std::thread(&LogFileWriter::run, m_shared);
}

std::unique_ptr<QFile> LogFileWriter::openForAppending(const QString& path, QString* reason)
{
    auto file = std::make_unique<QFile>(path);
    // Unbuffered, so that the writer sees each refused write as it happens.
    if (!RegularFile::open(*file,
                           QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text |
                               QIODevice::Unbuffered,
                           reason)) {
        return nullptr;
    }
    return file;
}

LogFileWriter::~LogFileWriter()
{
    bool finished = false;
    {
        std::unique_lock<std::mutex> lock(m_shared->mutex);
        m_shared->stop = true;
        m_shared->wake.notify_one();
        finished = m_shared->progress.wait_for(lock, std::chrono::milliseconds(ExitWaitMs),
                                               [this] { return m_shared->finished; });
        m_shared->owner = nullptr;
    }
    if (finished) {
        m_thread.join();
    } else {
        m_thread.detach(); // it ends with the process, or when the disk answers
    }
}

QString LogFileWriter::fallingBehindText()
{
    return tr("the disk did not keep up with the lines");
}

void LogFileWriter::setFile(const QString& path, bool carryUnopened)
{
    Command command;
    command.changeFile = true;
    command.path = path;
    command.carryUnopened = carryUnopened;
    m_path = path;
    push(std::move(command));
}

bool LogFileWriter::write(QByteArray chunk, qint64 lines)
{
    if (chunk.isEmpty()) {
        return true;
    }
    bool dropped = false;
    bool beginsFallingBehind = false;
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        if (!m_shared->queue.empty() && m_shared->queuedBytes + chunk.size() > MaxQueuedBytes) {
            dropped = true;
            m_shared->overflowLines += lines;
            beginsFallingBehind = !m_shared->fallingBehind;
            m_shared->fallingBehind = true;
        }
    }
    if (dropped) {
        if (beginsFallingBehind) {
            emit writeFailed(m_path, fallingBehindText());
        }
        return false;
    }
    Command command;
    command.chunk = std::move(chunk);
    command.lines = lines;
    push(std::move(command));
    return true;
}

void LogFileWriter::push(Command command)
{
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        command.droppedBefore = std::exchange(m_shared->overflowLines, 0);
        m_shared->queuedBytes += command.chunk.size();
        m_shared->queue.push_back(std::move(command));
    }
    m_shared->wake.notify_one();
}

void LogFileWriter::reportWritten()
{
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        if (!m_shared->queue.empty() || m_shared->busy) {
            return; // the thread reports again when this is written too
        }
    }
    emit written();
}

void LogFileWriter::run(std::shared_ptr<Shared> shared)
{
    // Made, used and destroyed on this thread only.
    std::unique_ptr<QFile> file;
    QString path;
    QList<Loss> losses;
    bool failing = false;
    // Set while the file at path cannot be opened, with the reason.
    bool unopened = false;
    QString openFailure;

    // Marks what the file missed ahead of @p chunk; true once all of it is in the file.
    auto writeWithMarkers = [&](const QByteArray& chunk, QString* reason) {
        QByteArray data;
        for (const Loss& loss : losses) {
            data += shared->marker(loss.lines, loss.reason) + '\n';
        }
        data += chunk;
        return data.isEmpty() || writeWhole(*file, data, reason);
    };
    auto reportMarked = [&] {
        for (const Loss& loss : std::as_const(losses)) {
            shared->report([path, loss](LogFileWriter* writer) {
                emit writer->writeRecovered(path, loss.lines, loss.reason);
            });
        }
        losses.clear();
        failing = false;
        const std::lock_guard<std::mutex> lock(shared->mutex);
        shared->fallingBehind = shared->overflowLines > 0;
    };
    // The file goes: what it still misses is marked when the disk takes it, else reported.
    auto closeFile = [&] {
        QString reason;
        if (file && !losses.isEmpty() && !writeWithMarkers({}, &reason)) {
            for (const Loss& loss : std::as_const(losses)) {
                shared->report([path, loss](LogFileWriter* writer) {
                    emit writer->linesLost(path, loss.lines, loss.reason);
                });
            }
            losses.clear();
        }
        if (file) {
            reportMarked();
        }
        file.reset();
    };
    // Lines that a file never took, because it could not be opened, once no file will.
    auto reportUnopenedLost = [&] {
        for (const Loss& loss : std::as_const(losses)) {
            shared->report([path, loss](LogFileWriter* writer) {
                emit writer->linesLost(path, loss.lines, loss.reason);
            });
        }
        losses.clear();
    };
    // Opens the file at path; says so when that changes, and says why it cannot once a stretch.
    auto open = [&] {
        QString reason;
        file = shared->opener(path, &reason);
        const bool opened = file != nullptr;
        if (opened == unopened) {
            unopened = !opened;
            shared->report(
                [path, opened](LogFileWriter* writer) { emit writer->openChanged(path, opened); });
        }
        if (!opened) {
            openFailure = reason;
            if (!failing) {
                failing = true;
                shared->report([path, reason](LogFileWriter* writer) {
                    emit writer->writeFailed(path, reason);
                });
            }
        }
        return opened;
    };

    for (;;) {
        Command command;
        {
            std::unique_lock<std::mutex> lock(shared->mutex);
            shared->wake.wait(lock, [&] { return shared->stop || !shared->queue.empty(); });
            if (shared->queue.empty()) {
                break; // stopping, and everything is written
            }
            command = std::move(shared->queue.front());
            shared->queue.pop_front();
            shared->busy = true;
        }
        addLoss(losses, command.droppedBefore, fallingBehindText());
        if (command.changeFile) {
            if (file) {
                closeFile();
            } else if (!command.carryUnopened) {
                reportUnopenedLost();
            }
            path = command.path;
            failing = false;
            unopened = false;
            if (!path.isEmpty()) {
                open();
            }
        } else if (!path.isEmpty() && !file && !open()) {
            addLoss(losses, command.lines, openFailure);
        } else if (file) {
            QString reason;
            if (writeWithMarkers(command.chunk, &reason)) {
                reportMarked();
            } else {
                addLoss(losses, command.lines, reason);
                if (!failing) {
                    failing = true;
                    shared->report([path, reason](LogFileWriter* writer) {
                        emit writer->writeFailed(path, reason);
                    });
                }
            }
        }
        bool idle = false;
        {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->queuedBytes -= command.chunk.size();
            shared->busy = false;
            idle = shared->queue.empty();
        }
        shared->progress.notify_all();
        if (idle) {
            shared->report([](LogFileWriter* writer) { writer->reportWritten(); });
        }
    }
    if (file) {
        closeFile();
    } else {
        reportUnopenedLost();
    }
    const std::lock_guard<std::mutex> lock(shared->mutex);
    shared->finished = true;
    shared->progress.notify_all();
}
