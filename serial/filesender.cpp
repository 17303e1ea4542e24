#include "serial/filesender.h"

#include "serial/serialmanager.h"
#include "util/regularfile.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

FileSender::FileSender(SerialManager* serial, QObject* parent)
    : QObject(parent)
    , m_serial(serial)
    , m_writer([serial](const QByteArray& piece) { return serial->write(piece) == piece.size(); })
{
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &FileSender::progressChanged);
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &FileSender::pump);
    connect(m_serial, &SerialManager::bytesWritten, this, &FileSender::pump);
    connect(m_serial, &SerialManager::closed, this, [this] {
        if (m_running) {
            finish(Outcome::Failed, tr("The port closed before the whole file was sent."));
        }
    });
}

void FileSender::setWriter(Writer writer)
{
    m_writer = std::move(writer);
}

double FileSender::progress() const
{
    if (m_fileSize <= 0) {
        return m_running ? 0.0 : 1.0;
    }
    return std::clamp(double(m_consumed) / double(m_fileSize), 0.0, 1.0);
}

int FileSender::secondsLeft() const
{
    const qint64 elapsed = m_clock.isValid() ? m_clock.elapsed() : 0;
    // Too early to tell a rate from a start-up burst.
    if (!m_running || m_consumed <= 0 || elapsed < 500 || elapsed - m_lastAdvanceAt > StallMs) {
        return -1;
    }
    const double perMs = double(m_consumed) / double(elapsed);
    const double left = double(std::max<qint64>(0, m_fileSize - m_consumed)) / perMs / 1000.0;
    return int(std::min(std::ceil(left), 359999.0));
}

void FileSender::setAsText(bool on)
{
    if (on == m_asText) {
        return;
    }
    m_asText = on;
    emit optionsChanged();
}

void FileSender::setPauseMs(int ms)
{
    const int bounded = std::clamp(ms, 0, MaxPauseMs);
    if (bounded == m_pauseMs) {
        return;
    }
    m_pauseMs = bounded;
    emit optionsChanged();
}

bool FileSender::start(const QString& path, QString* error)
{
    auto refuse = [error](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    if (m_running) {
        return refuse(tr("A file is being sent already."));
    }
    if (!m_serial->isOpen()) {
        return refuse(tr("Port is not open \u2014 click \"Open port\" first."));
    }
    // A device or a pipe could be endless (or block the open), and a folder has no bytes.
    m_file.setFileName(path);
    QString reason;
    if (!RegularFile::open(m_file, QIODevice::ReadOnly, &reason)) {
        return refuse(tr("Cannot send %1: %2").arg(path, reason));
    }
    m_fileName = QFileInfo(path).fileName();
    m_fileSize = m_file.size();
    m_consumed = 0;
    m_handed = 0;
    m_sent = 0;
    m_buffer.clear();
    m_bufferPos = 0;
    m_readFailed = false;
    m_pauseDue = false;
    m_running = true;
    m_clock.start();
    m_lastProgressAt = 0;
    m_lastAdvanceAt = 0;
    m_tick.start();
    emit runningChanged();
    emit progressChanged();
    // The first piece goes out from the event loop, so that even an empty
    // file ends after the caller has heard of its start.
    QMetaObject::invokeMethod(this, &FileSender::pump, Qt::QueuedConnection);
    return true;
}

void FileSender::cancel()
{
    if (m_running) {
        finish(Outcome::Cancelled);
    }
}

void FileSender::pump()
{
    // Only once the port has taken everything is the next piece read: what
    // waits in the port is never more than one piece.
    if (!m_running || m_pause.isActive() || m_serial->bytesToWrite() > 0) {
        return;
    }
    if (m_sent != m_handed) {
        m_sent = m_handed;
        m_lastAdvanceAt = m_clock.elapsed();
    }
    if (m_pauseDue) {
        m_pauseDue = false;
        m_pause.start(m_pauseMs);
        tellProgress();
        return;
    }
    const QByteArray piece = m_asText ? nextTextPiece() : nextRawPiece();
    if (piece.isEmpty()) {
        if (m_readFailed) {
            finish(Outcome::Failed,
                   tr("Reading %1 failed: %2").arg(m_fileName, m_file.errorString()));
        } else {
            finish(Outcome::Sent);
        }
        return;
    }
    if (!m_writer(piece)) {
        finish(Outcome::Failed, tr("The port did not take the data of %1.").arg(m_fileName));
        return;
    }
    m_handed += piece.size();
    m_pauseDue = m_pauseMs > 0;
    tellProgress();
}

QByteArray FileSender::nextRawPiece()
{
    const QByteArray piece = m_file.read(m_pauseMs > 0 ? PacedPieceBytes : PieceBytes);
    if (m_file.error() != QFileDevice::NoError) {
        m_readFailed = true;
        return {};
    }
    m_consumed += piece.size();
    return piece;
}

QByteArray FileSender::nextTextPiece()
{
    // Without a pause, lines travel together up to a piece; with one, each
    // line is a piece of its own.
    QByteArray piece;
    QByteArray line;
    while (piece.size() < PieceBytes && takeLine(&line)) {
        piece += line;
        if (m_pauseMs > 0 && !piece.isEmpty()) {
            break;
        }
    }
    return piece;
}

bool FileSender::takeLine(QByteArray* out)
{
    const QByteArray lineEnd = PayloadComposer::lineEndBytes(m_lineEnd);
    for (;;) {
        const char* begin = m_buffer.constData() + m_bufferPos;
        const char* end = m_buffer.constData() + m_buffer.size();
        const char* found = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
        if (found != end) {
            const qsizetype length = found - begin;
            qsizetype endLength = 1;
            if (*found == '\r') {
                // A CR at the end of what was read may be the first half of a CR LF.
                if (found + 1 == end && !m_file.atEnd()) {
                    if (!fillBuffer()) {
                        return false;
                    }
                    continue;
                }
                if (found + 1 != end && found[1] == '\n') {
                    endLength = 2;
                }
            }
            *out = QByteArray(begin, length) + lineEnd;
            m_bufferPos += length + endLength;
            m_consumed += length + endLength;
            return true;
        }
        const qsizetype waiting = end - begin;
        if (waiting >= MaxLineBytes) {
            *out = QByteArray(begin, MaxLineBytes);
            m_bufferPos += MaxLineBytes;
            m_consumed += MaxLineBytes;
            return true;
        }
        if (m_file.atEnd()) {
            if (waiting == 0) {
                return false;
            }
            // The last line, without a line end of its own, gets one too.
            *out = QByteArray(begin, waiting) + lineEnd;
            m_bufferPos += waiting;
            m_consumed += waiting;
            return true;
        }
        if (!fillBuffer()) {
            return false;
        }
    }
}

bool FileSender::fillBuffer()
{
    m_buffer.remove(0, m_bufferPos);
    m_bufferPos = 0;
    m_buffer += m_file.read(PieceBytes);
    if (m_file.error() != QFileDevice::NoError) {
        m_readFailed = true;
        return false;
    }
    return true;
}

void FileSender::finish(Outcome outcome, const QString& error)
{
    m_running = false;
    m_pause.stop();
    m_tick.stop();
    m_file.close();
    m_buffer = QByteArray();
    m_bufferPos = 0;
    if (outcome == Outcome::Sent) {
        m_sent = m_handed;
    }
    emit progressChanged();
    emit runningChanged();
    emit finished(outcome, m_fileName, m_sent, error);
}

void FileSender::tellProgress()
{
    const qint64 at = m_clock.elapsed();
    if (at - m_lastProgressAt < ProgressMs) {
        return;
    }
    m_lastProgressAt = at;
    emit progressChanged();
}
