#pragma once

#include "serial/payloadcomposer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <functional>

class SerialManager;

/// Sends a file through the open port: its raw bytes, or its text line by
/// line with the chosen line end, optionally pausing after each line or
/// piece. The file is read in pieces as the port drains: no more than one
/// piece waits in the port at a time and the file is never held whole, so a
/// device that stops reading stalls the send, not the program.
class FileSender : public QObject
{
    Q_OBJECT

    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(QString fileName READ fileName NOTIFY runningChanged)
    Q_PROPERTY(double fileSize READ fileSize NOTIFY runningChanged)
    /// Bytes the port has taken from this send.
    Q_PROPERTY(double bytesSent READ bytesSent NOTIFY progressChanged)
    /// The share of the file sent, 0 to 1.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    /// About how long the rest takes at the rate so far; -1 while unknown, and while the
    /// device has taken nothing for StallMs.
    Q_PROPERTY(int secondsLeft READ secondsLeft NOTIFY progressChanged)
    Q_PROPERTY(bool asText READ asText WRITE setAsText NOTIFY optionsChanged)
    Q_PROPERTY(int pauseMs READ pauseMs WRITE setPauseMs NOTIFY optionsChanged)

public:
    enum class Outcome { Sent, Cancelled, Failed };
    Q_ENUM(Outcome)

    /// Hands a piece to the port; false when the port refused it.
    using Writer = std::function<bool(const QByteArray&)>;

    /// What is read from the file at once, and the most that waits in the port.
    static constexpr qint64 PieceBytes = 16 * 1024;
    /// The piece of a raw send that pauses: about what a small device buffers.
    static constexpr qint64 PacedPieceBytes = 256;
    /// A text line longer than this goes out in pieces, its line end after the last.
    static constexpr qint64 MaxLineBytes = 64 * 1024;
    static constexpr int MaxPauseMs = 60000;
    /// Progress is told at most this often, and at least once a second.
    static constexpr int ProgressMs = 100;
    static constexpr int StallMs = 2000;

    /// Writes through @p serial unless setWriter() says otherwise.
    explicit FileSender(SerialManager* serial, QObject* parent = nullptr);

    void setWriter(Writer writer);
    /// The line end of a text send.
    void setLineEnd(PayloadComposer::TextLineEnd end) { m_lineEnd = end; }

    bool running() const { return m_running; }
    QString fileName() const { return m_fileName; }
    qint64 fileSize() const { return m_fileSize; }
    qint64 bytesSent() const { return m_sent; }
    double progress() const;
    int secondsLeft() const;
    bool asText() const { return m_asText; }
    void setAsText(bool on);
    int pauseMs() const { return m_pauseMs; }
    /// Kept within 0 and MaxPauseMs.
    void setPauseMs(int ms);

    /// Starts sending the file at @p path; false with the reason in @p error
    /// when it cannot be read, the port is closed or a send runs.
    bool start(const QString& path, QString* error);
    /// Stops after the piece that already waits in the port.
    Q_INVOKABLE void cancel();

signals:
    void runningChanged();
    void progressChanged();
    void optionsChanged();
    /// The send ended; @p error says why when it failed.
    void finished(FileSender::Outcome outcome, const QString& fileName, qint64 bytesSent,
                  const QString& error);

private:
    void pump();
    /// The next piece to write; empty at the end of the file or on a read error.
    QByteArray nextRawPiece();
    QByteArray nextTextPiece();
    /// The next line with its line end (a long line's next piece without one);
    /// false when the file holds no more or cannot be read.
    bool takeLine(QByteArray* out);
    /// Reads the next part of the file behind what the buffer holds.
    bool fillBuffer();
    void finish(Outcome outcome, const QString& error = {});
    /// Progress, told at most every ProgressMs.
    void tellProgress();

    SerialManager* m_serial;
    Writer m_writer;
    QFile m_file;
    QTimer m_pause;
    // Tells the progress while nothing moves, so that a stall shows.
    QTimer m_tick;
    qint64 m_lastAdvanceAt = 0;
    QElapsedTimer m_clock;
    qint64 m_lastProgressAt = 0;
    PayloadComposer::TextLineEnd m_lineEnd = PayloadComposer::TextLineEnd::CrLf;
    // Read but not yet sent: the text of lines from m_bufferPos on.
    QByteArray m_buffer;
    qsizetype m_bufferPos = 0;
    QString m_fileName;
    qint64 m_fileSize = 0;
    qint64 m_consumed = 0;
    qint64 m_handed = 0;
    qint64 m_sent = 0;
    bool m_running = false;
    bool m_readFailed = false;
    bool m_pauseDue = false;
    bool m_asText = false;
    int m_pauseMs = 0;
};
