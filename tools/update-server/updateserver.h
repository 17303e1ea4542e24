#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

/// How the server misbehaves, for tests of the clients' failure paths.
enum class Fault {
    None,
    Malformed,        // a JSON answer that does not parse
    NotObject,        // a JSON answer that is an array
    ServiceError,     // "ok"/"success" false with a message
    ServiceErrorBare, // "ok"/"success" false without a message
    NoModels,         // a library document without "models"
    WrongDigest,      // a "/latest" body changed after its digest was taken
    Http500,          // an internal server error
    Redirect,         // a redirect to another address
    Stall,            // the request is never answered
    Half,             // half the announced body, then silence
    HalfClose,        // half the announced body, then the connection closes
    NoLength,         // the body without a Content-Length, ended by closing
    Slow,             // the body in small pieces over a few seconds
    Trickle,          // the body one byte at a time, --interval apart
    Endless,          // the start of the body, then filler without end (chunked)
    HugeTexts,        // versions, names, descriptions, notes and messages --huge-size longer
};

struct ServerOptions
{
    QString libraryDir;
    QString releaseDir;
    QString apiKey;
    QString prefix;
    Fault fault = Fault::None;
    QString faultPath;
    bool messageSet = false;
    QString message;
    QString redirectTo;
    bool upperDigest = false;
    bool noDigest = false;
    bool quiet = false;
    int intervalMs = 7000;
    qsizetype hugeSize = 20 * 1000 * 1000;
};

/// A stand-in for the device library and application update services: serves "/version" and
/// "/latest" from a folder of library documents, "/software/list" and the package files from a
/// release folder, and logs every request as one JSON line on standard output.
class UpdateServer : public QAbstractHttpServer
{
public:
    explicit UpdateServer(const ServerOptions& options, QObject* parent = nullptr);

    /// Listens on 127.0.0.1 at @p port (0: any free port); returns the port, 0 on failure.
    quint16 start(quint16 port);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Answer
    {
        int status = 200;
        QByteArray contentType = "application/json";
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
    };
    enum class Family { Library, Software, Package };

    void logRequest(const QHttpServerRequest& request) const;
    Answer answer(const QString& path, const QHttpServerRequest& request, Family family) const;
    Answer libraryVersion() const;
    Answer libraryLatest() const;
    Answer softwareList() const;
    Answer package(const QString& name) const;
    Answer serviceFailure(Family family, int status, const QString& message,
                          bool withMessage) const;
    void applyFault(Answer* answer, Family family, const QString& path,
                    const QHttpServerRequest& request) const;
    void deliver(const QHttpServerRequest& request, QTcpSocket* socket, const QString& path,
                 const Answer& answer, bool faulty);

    ServerOptions m_options;
    quint16 m_port = 0;
};
