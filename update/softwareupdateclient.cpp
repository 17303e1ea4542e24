#include "update/softwareupdateclient.h"

#include "update/servicerequest.h"
#include "util/versioncompare.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

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
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("product"), kSlug);
    query.addQueryItem(QStringLiteral("os"), QStringLiteral("windows"));
    query.addQueryItem(QStringLiteral("serial"), QStringLiteral("-"));
    QNetworkReply* reply = m_network->get(
        ServiceRequest::make(m_baseUrl, QStringLiteral("/software/list"), query, m_apiKey));
    connect(reply, &QNetworkReply::finished, this, [this, reply, currentVersion] {
        reply->deleteLater();
        onCheckReply(reply, currentVersion);
    });
}

void SoftwareUpdateClient::onCheckReply(QNetworkReply* reply, const QString& currentVersion)
{
    if (reply->error() != QNetworkReply::NoError) {
        fail(reply->errorString());
        return;
    }
    report(readCheckAnswer(reply->readAll(), currentVersion));
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
        answer.error = message.isString() ? message.toString() : tr("Server reported an error.");
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
    answer.version = release.value(QLatin1String("version")).toString();
    answer.minRequiredVersion = release.value(QLatin1String("min_required_version")).toString();
    answer.updateAvailable =
        !answer.version.isEmpty() && VersionCompare::isHigher(answer.version, currentVersion);
    answer.appTooOld = answer.updateAvailable && !answer.minRequiredVersion.isEmpty() &&
                       VersionCompare::isLower(currentVersion, answer.minRequiredVersion);
    answer.downloadUrl = release.value(QLatin1String("file")).toString();
    answer.fileSize = sizeValue(release.value(QLatin1String("file_size")));
    answer.changelog = release.value(QLatin1String("description")).toString();
    answer.forceUpdate = release.value(QLatin1String("is_force_update")).toBool(false);
    answer.sha256 = release.value(QLatin1String("sha256")).toString();
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

void SoftwareUpdateClient::download(const QString& url, const QString& destinationPath)
{
    forgetCurrentTransfer();
    m_writeError.clear();
    m_received = 0;

    auto* file = new QFile(destinationPath, this);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString error = cannotWrite(*file);
        delete file;
        emit downloadFinished(false, {}, error);
        return;
    }

    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Accept", "*/*");
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
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

bool SoftwareUpdateClient::writeAvailable(QNetworkReply* reply, QFile* file)
{
    if (!file->isOpen()) {
        return false;
    }
    if (!reply->isOpen()) {
        return true; // aborted: nothing more arrives
    }
    const QByteArray data = reply->readAll();
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
    file->close();
    return false;
}

void SoftwareUpdateClient::onDownloadFinished(QNetworkReply* reply, QFile* file,
                                              const QString& destinationPath)
{
    reply->deleteLater();
    if (writeAvailable(reply, file) && !file->flush() && reply == m_reply &&
        m_writeError.isEmpty()) {
        m_writeError = cannotWrite(*file);
    }
    file->close();
    file->deleteLater();
    if (reply != m_reply) {
        return;
    }
    m_reply = nullptr;
    if (!m_writeError.isEmpty()) {
        emit downloadFinished(false, {}, m_writeError);
    } else if (reply->error() != QNetworkReply::NoError) {
        emit downloadFinished(false, {}, reply->errorString());
    } else if (const qint64 announced = announcedLength(reply);
               announced >= 0 && announced != m_received) {
        // The network layer can take a connection closed early for the end of the body.
        emit downloadFinished(
            false, {},
            tr("Download incomplete: received %1 of %2 bytes.").arg(m_received).arg(announced));
    } else {
        emit downloadFinished(true, destinationPath, {});
    }
}

QString SoftwareUpdateClient::cannotWrite(const QFile& file)
{
    return tr("Cannot write to %1: %2").arg(file.fileName(), file.errorString());
}

void SoftwareUpdateClient::cancelDownload()
{
    forgetCurrentTransfer();
}
