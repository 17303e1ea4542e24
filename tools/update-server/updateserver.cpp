#include "updateserver.h"

#include "util/versioncompare.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {

// A stalled or half-answered connection is closed after this long, so nothing hangs forever.
constexpr int kHoldMs = 60000;
// The pace of --fault slow and --fault no-length.
constexpr qsizetype kSlowPiece = 16 * 1024;
constexpr int kSlowIntervalMs = 50;
constexpr qsizetype kNoLengthPiece = 64 * 1024;
constexpr int kNoLengthIntervalMs = 20;

const QLatin1String kPackagePath("/software/packages/");

QByteArray readFile(const QString& path, bool* ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

QByteArray compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray sha256Hex(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// The status line and headers of an answer written straight to the socket.
QByteArray rawHead(int status, const QByteArray& contentType,
                   const QList<QPair<QByteArray, QByteArray>>& headers)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                      "\r\nContent-Type: " + contentType + "\r\n";
    for (const auto& header : headers) {
        head += header.first + ": " + header.second + "\r\n";
    }
    return head;
}

// Writes @p body to @p socket in pieces, one every @p intervalMs; closes the connection after
// the last piece when @p close is set.
void sendPaced(QTcpSocket* socket, const QByteArray& body, qsizetype piece, int intervalMs,
               bool close)
{
    auto* pacer = new QTimer(socket);
    QObject::connect(pacer, &QTimer::timeout, socket,
                     [socket, pacer, body, piece, close, sent = qsizetype(0)]() mutable {
                         const QByteArray next = body.mid(sent, piece);
                         sent += next.size();
                         socket->write(next);
                         if (sent >= body.size()) {
                             pacer->stop();
                             pacer->deleteLater();
                             if (close) {
                                 socket->disconnectFromHost();
                             }
                         }
                     });
    pacer->start(intervalMs);
}

// --fault endless: the size of one chunk of filler, and how much may wait in the socket before
// the next one is written (so a client that stops reading does not fill this process).
constexpr qsizetype kEndlessPiece = 64 * 1024;
constexpr qint64 kEndlessBacklog = 1024 * 1024;

void writeChunk(QTcpSocket* socket, const QByteArray& data)
{
    socket->write(QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n");
}

// Writes @p start as the first chunk of a chunked body, then filler for as long as the client
// takes it.
void sendEndless(QTcpSocket* socket, const QByteArray& start)
{
    if (!start.isEmpty()) {
        writeChunk(socket, start);
    }
    auto* pump = new QTimer(socket);
    QObject::connect(pump, &QTimer::timeout, socket, [socket] {
        static const QByteArray filler(kEndlessPiece, 'x');
        if (socket->state() == QAbstractSocket::ConnectedState &&
            socket->bytesToWrite() < kEndlessBacklog) {
            writeChunk(socket, filler);
        }
    });
    pump->start(1);
}

// --fault huge-texts: @p text with @p size more characters.
QString padded(const QString& text, qsizetype size, bool version)
{
    return version ? text + QLatin1Char('-') + QString(size, QLatin1Char('v'))
                   : text + QString(size, QLatin1Char('t'));
}

// Pads both halves of the language pair at @p key of @p object, when there is one.
void padPair(QJsonObject* object, const QString& key, qsizetype size)
{
    if (!object->value(key).isObject()) {
        return;
    }
    QJsonObject pair = object->value(key).toObject();
    for (const QString& language : {QStringLiteral("zh"), QStringLiteral("en")}) {
        pair.insert(language, padded(pair.value(language).toString(), size, false));
    }
    object->insert(key, pair);
}

void padString(QJsonObject* object, const QString& key, qsizetype size, bool version = false)
{
    if (object->contains(key)) {
        object->insert(key, padded(object->value(key).toString(), size, version));
    }
}

// The texts of a library document that the window shows: its version, the models'
// descriptions and the commands' names.
void padLibrary(QJsonObject* document, qsizetype size)
{
    padString(document, QStringLiteral("version"), size, true);
    QJsonArray models = document->value(QLatin1String("models")).toArray();
    for (qsizetype i = 0; i < models.size(); ++i) {
        QJsonObject model = models.at(i).toObject();
        padPair(&model, QStringLiteral("description"), size);
        QJsonArray commands = model.value(QLatin1String("commands")).toArray();
        for (qsizetype j = 0; j < commands.size(); ++j) {
            QJsonObject command = commands.at(j).toObject();
            padPair(&command, QStringLiteral("name"), size);
            commands[j] = command;
        }
        model.insert(QStringLiteral("commands"), commands);
        models[i] = model;
    }
    if (!models.isEmpty()) {
        document->insert(QStringLiteral("models"), models);
    }
}

// The texts of a release list that the window shows: each release's version and notes.
void padReleases(QJsonObject* list, qsizetype size)
{
    padString(list, QStringLiteral("message"), size);
    QJsonArray data = list->value(QLatin1String("data")).toArray();
    for (qsizetype i = 0; i < data.size(); ++i) {
        QJsonObject entry = data.at(i).toObject();
        if (entry.value(QLatin1String("version")).isObject()) {
            QJsonObject release = entry.value(QLatin1String("version")).toObject();
            padString(&release, QStringLiteral("version"), size, true);
            padString(&release, QStringLiteral("description"), size);
            entry.insert(QStringLiteral("version"), release);
        }
        data[i] = entry;
    }
    list->insert(QStringLiteral("data"), data);
}

const QLatin1String kManifest("releases.json");

// A package file name in the release folder: no folders, nothing hidden, not the manifest
// (which is only handed out, key checked, as /software/list).
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           name != kManifest;
}

// The newest document of the library folder by its "version"; none when the folder holds no
// readable document.
bool newestLibrary(const QString& dir, QByteArray* bytes, QJsonObject* document)
{
    bool found = false;
    const QFileInfoList files =
        QDir(dir).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        bool ok = false;
        const QByteArray data = readFile(info.filePath(), &ok);
        const QJsonObject object = QJsonDocument::fromJson(data).object();
        if (!ok || object.isEmpty()) {
            continue;
        }
        const QString version = object.value(QLatin1String("version")).toString();
        if (!found || !VersionCompare::isLower(
                          version, document->value(QLatin1String("version")).toString())) {
            *bytes = data;
            *document = object;
            found = true;
        }
    }
    return found;
}

} // namespace

UpdateServer::UpdateServer(const ServerOptions& options, QObject* parent)
    : QAbstractHttpServer(parent)
    , m_options(options)
{}

quint16 UpdateServer::start(quint16 port)
{
    m_port = listen(QHostAddress::LocalHost, port);
    return m_port;
}

void UpdateServer::logRequest(const QHttpServerRequest& request) const
{
    if (m_options.quiet) {
        return;
    }
    QJsonObject headers;
    for (const auto& header : request.headers()) {
        headers.insert(QString::fromLatin1(header.first.toLower()),
                       QString::fromUtf8(header.second));
    }
    const QJsonObject line{
        {QStringLiteral("method"),
         QString::fromLatin1(
             QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(int(request.method())))},
        {QStringLiteral("path"), request.url().path()},
        {QStringLiteral("query"), request.url().query(QUrl::FullyEncoded)},
        {QStringLiteral("headers"), headers},
    };
    std::fputs((compact(line) + '\n').constData(), stdout);
    std::fflush(stdout);
}

bool UpdateServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    logRequest(request);
    QString path = request.url().path();
    if (!m_options.prefix.isEmpty()) {
        if (!path.startsWith(m_options.prefix + QLatin1Char('/'))) {
            return false;
        }
        path = path.mid(m_options.prefix.size());
    }

    Family family;
    if (path == QLatin1String("/version") || path == QLatin1String("/latest")) {
        family = Family::Library;
    } else if (path == QLatin1String("/software/list")) {
        family = Family::Software;
    } else if (path.startsWith(kPackagePath)) {
        family = Family::Package;
    } else {
        return false;
    }
    if (request.method() != QHttpServerRequest::Method::Get) {
        return false;
    }

    Answer reply = answer(path, request, family);
    const bool faulty = m_options.fault != Fault::None && path.startsWith(m_options.faultPath);
    if (faulty) {
        applyFault(&reply, family, path, request);
    }
    deliver(request, socket, path, reply, faulty);
    return true;
}

void UpdateServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponse response(QByteArrayLiteral("text/plain"), QByteArrayLiteral("Not found\n"),
                                 QHttpServerResponder::StatusCode::NotFound);
    response.write(makeResponder(request, socket));
}

UpdateServer::Answer UpdateServer::answer(const QString& path, const QHttpServerRequest& request,
                                          Family family) const
{
    // The packages are public, as the client fetches them without a key.
    if (family != Family::Package && !m_options.apiKey.isEmpty()) {
        QByteArray key;
        for (const auto& header : request.headers()) {
            if (header.first.compare("X-Api-Key", Qt::CaseInsensitive) == 0) {
                key = header.second;
            }
        }
        if (key != m_options.apiKey.toUtf8()) {
            return serviceFailure(family, 401, QStringLiteral("Invalid API key."), true);
        }
    }
    if (path == QLatin1String("/version")) {
        return libraryVersion();
    }
    if (path == QLatin1String("/latest")) {
        return libraryLatest();
    }
    if (family == Family::Software) {
        return softwareList();
    }
    return package(path.mid(kPackagePath.size()));
}

UpdateServer::Answer UpdateServer::libraryVersion() const
{
    QByteArray bytes;
    QJsonObject document;
    if (!newestLibrary(m_options.libraryDir, &bytes, &document)) {
        return serviceFailure(Family::Library, 200,
                              QStringLiteral("No device library is published."), true);
    }
    QJsonObject body{
        {QStringLiteral("ok"), true},
        {QStringLiteral("version"), document.value(QLatin1String("version")).toString()},
        {QStringLiteral("minAppVersion"),
         document.value(QLatin1String("minAppVersion")).toString()},
    };
    if (document.contains(QLatin1String("changelog"))) {
        body.insert(QStringLiteral("changelog"), document.value(QLatin1String("changelog")));
    }
    Answer reply;
    reply.body = compact(body);
    return reply;
}

UpdateServer::Answer UpdateServer::libraryLatest() const
{
    QByteArray bytes;
    QJsonObject document;
    if (!newestLibrary(m_options.libraryDir, &bytes, &document)) {
        return serviceFailure(Family::Library, 200,
                              QStringLiteral("No device library is published."), true);
    }
    Answer reply;
    reply.body = bytes;
    return reply;
}

UpdateServer::Answer UpdateServer::softwareList() const
{
    bool ok = false;
    const QByteArray manifest = readFile(QDir(m_options.releaseDir).filePath(kManifest), &ok);
    QJsonArray data;
    if (ok) {
        data = QJsonDocument::fromJson(manifest).array();
    }
    // Package files named without an address are served here; their size and digest are
    // filled in from the file when the manifest leaves them out.
    for (qsizetype i = 0; i < data.size(); ++i) {
        QJsonObject entry = data.at(i).toObject();
        QJsonObject release = entry.value(QLatin1String("version")).toObject();
        const QString file = release.value(QLatin1String("file")).toString();
        if (file.isEmpty() || file.contains(QLatin1String("://")) || !isPlainFileName(file)) {
            continue;
        }
        release.insert(QStringLiteral("file"),
                       QStringLiteral("http://127.0.0.1:%1%2%3%4")
                           .arg(QString::number(m_port), m_options.prefix, kPackagePath, file));
        bool readable = false;
        const QByteArray package = readFile(QDir(m_options.releaseDir).filePath(file), &readable);
        if (readable && !release.contains(QLatin1String("file_size"))) {
            release.insert(QStringLiteral("file_size"), double(package.size()));
        }
        if (readable && !release.contains(QLatin1String("sha256"))) {
            release.insert(QStringLiteral("sha256"), QString::fromLatin1(sha256Hex(package)));
        }
        entry.insert(QStringLiteral("version"), release);
        data[i] = entry;
    }
    Answer reply;
    reply.body = compact({{QStringLiteral("success"), true},
                          {QStringLiteral("message"), QString()},
                          {QStringLiteral("data"), data}});
    return reply;
}

UpdateServer::Answer UpdateServer::package(const QString& name) const
{
    Answer reply;
    bool ok = false;
    if (isPlainFileName(name) && !m_options.releaseDir.isEmpty()) {
        reply.body = readFile(QDir(m_options.releaseDir).filePath(name), &ok);
    }
    if (!ok) {
        reply.status = 404;
        reply.contentType = "text/plain";
        reply.body = "Not found\n";
        return reply;
    }
    reply.contentType = "application/zip";
    return reply;
}

UpdateServer::Answer UpdateServer::serviceFailure(Family family, int status, const QString& message,
                                                  bool withMessage) const
{
    QJsonObject body;
    if (family == Family::Software) {
        body.insert(QStringLiteral("success"), false);
        if (withMessage) {
            body.insert(QStringLiteral("message"), message);
        }
    } else {
        body.insert(QStringLiteral("ok"), false);
        if (withMessage) {
            body.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("message"), message}});
        }
    }
    Answer reply;
    reply.status = status;
    reply.body = compact(body);
    return reply;
}

void UpdateServer::applyFault(Answer* reply, Family family, const QString& path,
                              const QHttpServerRequest& request) const
{
    switch (m_options.fault) {
    case Fault::Malformed:
        if (family != Family::Package) {
            reply->body = "{\"ok\": tru";
        }
        break;
    case Fault::NotObject:
        if (family != Family::Package) {
            reply->body = "[]";
        }
        break;
    case Fault::ServiceError:
    case Fault::ServiceErrorBare:
        if (family != Family::Package) {
            *reply = serviceFailure(family, 200,
                                    m_options.messageSet
                                        ? m_options.message
                                        : QStringLiteral("Service is down for maintenance."),
                                    m_options.fault == Fault::ServiceError);
        }
        break;
    case Fault::NoModels:
        if (path == QLatin1String("/latest")) {
            QJsonObject document = QJsonDocument::fromJson(reply->body).object();
            document.remove(QStringLiteral("models"));
            reply->body = compact(document);
        }
        break;
    case Fault::WrongDigest:
        // The digest header is taken from the body as published; the first byte then changes
        // on the way, which also leaves the JSON unparsable.
        if (path == QLatin1String("/latest") && !reply->body.isEmpty()) {
            reply->headers.append({"X-Content-SHA256", sha256Hex(reply->body)});
            reply->body[0] = 'X';
        }
        break;
    case Fault::Http500:
        reply->status = 500;
        reply->contentType = "text/plain";
        reply->body = "Internal Server Error\n";
        break;
    case Fault::Redirect: {
        QString target = m_options.redirectTo + path;
        if (request.url().hasQuery()) {
            target += QLatin1Char('?') + request.url().query(QUrl::FullyEncoded);
        }
        reply->status = 302;
        reply->contentType = "text/plain";
        reply->body = "Moved\n";
        reply->headers.append({"Location", target.toUtf8()});
        break;
    }
    case Fault::HugeTexts: {
        if (family == Family::Package) {
            break;
        }
        QJsonObject object = QJsonDocument::fromJson(reply->body).object();
        const qsizetype size = m_options.hugeSize;
        if (family == Family::Software) {
            padReleases(&object, size);
        } else if (path == QLatin1String("/latest")) {
            padLibrary(&object, size);
        } else {
            padString(&object, QStringLiteral("version"), size, true);
            padPair(&object, QStringLiteral("changelog"), size);
        }
        if (object.value(QLatin1String("error")).isObject()) {
            QJsonObject error = object.value(QLatin1String("error")).toObject();
            padString(&error, QStringLiteral("message"), size);
            object.insert(QStringLiteral("error"), error);
        }
        reply->body = compact(object);
        break;
    }
    case Fault::None:
    case Fault::Trickle:
    case Fault::Endless:
    case Fault::Stall:
    case Fault::Half:
    case Fault::HalfClose:
    case Fault::NoLength:
    case Fault::Slow:
        break;
    }
}

void UpdateServer::deliver(const QHttpServerRequest& request, QTcpSocket* socket,
                           const QString& path, const Answer& answer, bool faulty)
{
    QList<QPair<QByteArray, QByteArray>> headers = answer.headers;
    const bool latest = path == QLatin1String("/latest");
    const bool hasDigest = std::any_of(headers.cbegin(), headers.cend(), [](const auto& header) {
        return header.first == "X-Content-SHA256";
    });
    if (latest && answer.status == 200 && !hasDigest && !m_options.noDigest) {
        const QByteArray digest = sha256Hex(answer.body);
        headers.append({"X-Content-SHA256", m_options.upperDigest ? digest.toUpper() : digest});
    }

    const Fault fault = faulty ? m_options.fault : Fault::None;
    const QList<QPair<QByteArray, QByteArray>> length{
        {"Content-Length", QByteArray::number(answer.body.size())}};
    switch (fault) {
    case Fault::Stall:
        QTimer::singleShot(kHoldMs, socket, [socket] { socket->disconnectFromHost(); });
        return;
    case Fault::Slow:
        socket->write(rawHead(answer.status, answer.contentType, headers + length) + "\r\n");
        sendPaced(socket, answer.body, kSlowPiece, kSlowIntervalMs, false);
        return;
    case Fault::Trickle:
        socket->write(rawHead(answer.status, answer.contentType, headers + length) + "\r\n");
        sendPaced(socket, answer.body, 1, m_options.intervalMs, false);
        return;
    case Fault::Endless:
        socket->write(rawHead(answer.status, answer.contentType, headers) +
                      "Transfer-Encoding: chunked\r\n\r\n");
        sendEndless(socket, answer.body.left(answer.body.size() / 2));
        return;
    case Fault::Half:
    case Fault::HalfClose:
        socket->write(rawHead(answer.status, answer.contentType, headers + length) + "\r\n" +
                      answer.body.left(answer.body.size() / 2));
        if (fault == Fault::HalfClose) {
            socket->disconnectFromHost();
        } else {
            QTimer::singleShot(kHoldMs, socket, [socket] { socket->disconnectFromHost(); });
        }
        return;
    case Fault::NoLength:
        // Several pieces, so a client sees progress while the size is still unknown.
        socket->write(rawHead(answer.status, answer.contentType, headers) +
                      "Connection: close\r\n\r\n");
        sendPaced(socket, answer.body, kNoLengthPiece, kNoLengthIntervalMs, true);
        return;
    default:
        break;
    }

    QHttpServerResponse response(answer.contentType, answer.body,
                                 QHttpServerResponder::StatusCode(answer.status));
    for (const auto& header : headers) {
        response.addHeader(header.first, header.second);
    }
    response.write(makeResponder(request, socket));
}
