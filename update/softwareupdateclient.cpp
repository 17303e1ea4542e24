#include "update/softwareupdateclient.h"

#include "update/servicerequest.h"
#include "util/textbounds.h"
#include "util/versioncompare.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QUrlQuery>

#include <memory>

namespace {

const QLatin1String kSlug("korvel-serial-assistant");

// A number, or a string holding an integer; anything else is 0.
qlonglong sizeValue(const QJsonValue& value)
{
    if (value.isDouble()) {
        const double size = value.toDouble();
        return (size >= -9.0e18 && size <= 9.0e18) ? qlonglong(size) : 0;
    }
    bool ok = false;
    const qlonglong size = value.toString().trimmed().toLongLong(&ok);
    return ok ? size : 0;
}

// The body length the server announced, or -1 when it announced none or sent the body encoded
// (the network layer then hands out more bytes than were announced).
qint64 announcedLength(const QNetworkReply* reply)
{
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (!length.isValid() || (!encoding.isEmpty() && encoding != "identity")) {
        return -1;
    }
    return length.toLongLong();
}

QString captionOf(const QJsonValue& value)
{
    return TextBounds::cut(value.toString(), TextBounds::Caption);
}

QString notesOf(const QJsonValue& value)
{
    return TextBounds::cut(value.toString(), TextBounds::Notes);
}

// Only what the network layer fetches over the network: "file:", "qrc:" or "data:" would copy
// something local (or made up) into the package.
bool isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace

SoftwareUpdateClient::SoftwareUpdateClient(const QString& baseUrl, const QString& apiKey,
                                           QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_baseUrl(ServiceRequest::withoutTrailingSlashes(baseUrl))
    , m_apiKey(apiKey)
{}

void SoftwareUpdateClient::fail(const QString& error)
{
    emit checkFinished(false, false, false, {}, {}, 0, {}, false, {}, {}, error);
}

void SoftwareUpdateClient::checkForUpdate(const QString& currentVersion)
{
    if (m_baseUrl.isEmpty()) {
        fail(tr("Update server not configured (.env)."));
        return;
    }
    if (const QString problem = ServiceRequest::apiKeyProblem(m_apiKey); !problem.isEmpty()) {
        fail(problem);
        return;
    }
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("product"), kSlug);
    query.addQueryItem(QStringLiteral("os"), QStringLiteral("windows"));
    query.addQueryItem(QStringLiteral("serial"), QStringLiteral("-"));
    QNetworkReply* reply = m_network->get(
        ServiceRequest::make(m_baseUrl, QStringLiteral("/software/list"), query, m_apiKey));
    ReplyGuard::watch(reply, m_limits.check, true);
    connect(reply, &QNetworkReply::finished, this, [this, reply, currentVersion] {
        reply->deleteLater();
        onCheckReply(reply, currentVersion);
    });
}

void SoftwareUpdateClient::onCheckReply(QNetworkReply* reply, const QString& currentVersion)
{
    if (reply->error() != QNetworkReply::NoError) {
        fail(ReplyGuard::errorString(reply));
        return;
    }
    report(readCheckAnswer(ReplyGuard::body(reply), currentVersion));
}

void SoftwareUpdateClient::report(const CheckAnswer& answer)
{
    emit checkFinished(answer.ok, answer.updateAvailable, answer.appTooOld, answer.version,
                       answer.downloadUrl, answer.fileSize, answer.changelog, answer.forceUpdate,
                       answer.minRequiredVersion, answer.sha256, answer.error);
}

SoftwareUpdateClient::CheckAnswer
SoftwareUpdateClient::readCheckAnswer(const QByteArray& body, const QString& currentVersion)
{
    CheckAnswer answer;
    QJsonObject object;
    QString parseError;
    if (!ServiceRequest::parseObject(body, &object, &parseError)) {
        answer.error = tr("Malformed response: %1").arg(parseError);
        return answer;
    }
    if (!object.value(QLatin1String("success")).toBool(false)) {
        const QJsonValue message = object.value(QLatin1String("message"));
        answer.error = message.isString() ? notesOf(message) : tr("Server reported an error.");
        return answer;
    }
    QJsonObject entry;
    bool found = false;
    const QJsonArray data = object.value(QLatin1String("data")).toArray();
    for (const QJsonValue& item : data) {
        const QJsonObject candidate = item.toObject();
        if (candidate.value(QLatin1String("slug")).toString() == kSlug) {
            entry = candidate;
            found = true;
            break;
        }
    }
    if (!found) {
        answer.error = tr("This app isn't registered on the update server (slug \"%1\" not found).")
                           .arg(kSlug);
        return answer;
    }
    answer.ok = true;
    const QJsonValue releaseValue = entry.value(QLatin1String("version"));
    if (!releaseValue.isObject()) {
        return answer; // a registered product without a release is up to date
    }
    const QJsonObject release = releaseValue.toObject();
    answer.version = captionOf(release.value(QLatin1String("version")));
    answer.minRequiredVersion = captionOf(release.value(QLatin1String("min_required_version")));
    answer.updateAvailable =
        !answer.version.isEmpty() && VersionCompare::isHigher(answer.version, currentVersion);
    answer.appTooOld = answer.updateAvailable && !answer.minRequiredVersion.isEmpty() &&
                       VersionCompare::isLower(currentVersion, answer.minRequiredVersion);
    answer.downloadUrl = release.value(QLatin1String("file")).toString();
    answer.fileSize = sizeValue(release.value(QLatin1String("file_size")));
    answer.changelog = notesOf(release.value(QLatin1String("description")));
    answer.forceUpdate = release.value(QLatin1String("is_force_update")).toBool(false);
    answer.sha256 = captionOf(release.value(QLatin1String("sha256")));
    return answer;
}

void SoftwareUpdateClient::forgetCurrentTransfer()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    // Forgotten first, so the completion that abort() raises reports nothing.
    if (reply) {
        reply->abort();
    }
}

void SoftwareUpdateClient::download(const QString& url, const QString& destinationPath,
                                    qint64 expectedSize)
{
    forgetCurrentTransfer();
    m_writeError.clear();
    m_received = 0;
    m_expectedSize = expectedSize;

    if (!isWebAddress(QUrl(url))) {
        emit downloadFinished(
            false, {},
            tr("The package address \"%1\" is not an http or https address; nothing was fetched.")
                .arg(TextBounds::cut(url, TextBounds::Caption)));
        return;
    }

    // The package gets its name only once it arrived whole; whatever else ends the transfer (a
    // cut, a cancel, a replacing download, a full disk) discards what came, and a file that had
    // the name before stays as it was.
    auto* file = new QSaveFile(destinationPath, this);
    if (!file->open(QIODevice::WriteOnly)) {
        const QString error = cannotWrite(*file);
        delete file;
        emit downloadFinished(false, {}, error);
        return;
    }

    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Accept", "*/*");
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    // The file takes what arrives at once; a megabyte may wait in memory for it.
    reply->setReadBufferSize(1024 * 1024);
    ReplyGuard::watch(reply, m_limits.download, false);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const qint64 announced = announcedLength(reply);
        if (reply == m_reply && announced >= 0) {
            if (const QString problem = sizeProblem(announced); !problem.isEmpty()) {
                ReplyGuard::abort(reply, problem);
            }
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply, file] {
        if (!writeAvailable(reply, file)) {
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64 received, qint64 total) {
                if (reply == m_reply) {
                    emit downloadProgress(received, total);
                }
            });
    connect(reply, &QNetworkReply::finished, this, [this, reply, file, destinationPath] {
        onDownloadFinished(reply, file, destinationPath);
    });
}

bool SoftwareUpdateClient::writeAvailable(QNetworkReply* reply, QSaveFile* file)
{
    if (!reply->isOpen()) {
        return true; // aborted: nothing more arrives
    }
    const QByteArray data = reply->readAll();
    if (reply == m_reply) {
        if (const QString problem = sizeProblem(m_received + data.size()); !problem.isEmpty()) {
            ReplyGuard::abort(reply, problem);
            return true; // nothing past the size is written
        }
    }
    if (file->write(data) == data.size()) {
        if (reply == m_reply) {
            m_received += data.size();
        }
        return true;
    }
    // A package that could not be stored whole must not be reported as downloaded.
    if (reply == m_reply && m_writeError.isEmpty()) {
        m_writeError = cannotWrite(*file);
    }
    file->cancelWriting();
    return false;
}

void SoftwareUpdateClient::onDownloadFinished(QNetworkReply* reply, QSaveFile* file,
                                              const QString& destinationPath)
{
    reply->deleteLater();
    // Uncommitted, the output file discards what it holds when it goes.
    const std::unique_ptr<QSaveFile> output(file);
    writeAvailable(reply, file);
    if (reply != m_reply) {
        return;
    }
    m_reply = nullptr;
    if (!m_writeError.isEmpty()) {
        emit downloadFinished(false, {}, m_writeError);
    } else if (reply->error() != QNetworkReply::NoError) {
        emit downloadFinished(false, {}, ReplyGuard::errorString(reply));
    } else if (const qint64 announced =
                   m_expectedSize > 0 ? m_expectedSize : announcedLength(reply);
               announced >= 0 && announced != m_received) {
        // The network layer can take a connection closed early for the end of the body.
        emit downloadFinished(
            false, {},
            tr("Download incomplete: received %1 of %2 bytes.").arg(m_received).arg(announced));
    } else if (!file->commit()) {
        emit downloadFinished(false, {}, cannotWrite(*file));
    } else {
        emit downloadFinished(true, destinationPath, {});
    }
}

QString SoftwareUpdateClient::sizeProblem(qint64 size) const
{
    if (m_expectedSize > 0 && size > m_expectedSize) {
        return tr("The package is larger than the %1 bytes the update service announced.")
            .arg(QLocale().toString(m_expectedSize));
    }
    if (size > m_limits.maxPackageBytes) {
        return ReplyGuard::tooLargeText(m_limits.maxPackageBytes);
    }
    return {};
}

QString SoftwareUpdateClient::cannotWrite(const QFileDevice& file)
{
    return tr("Cannot write to %1: %2").arg(file.fileName(), file.errorString());
}

void SoftwareUpdateClient::cancelDownload()
{
    forgetCurrentTransfer();
}
