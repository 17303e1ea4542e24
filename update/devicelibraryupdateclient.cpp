#include "update/devicelibraryupdateclient.h"

#include "settings/languagemanager.h"
#include "update/servicerequest.h"

#include <QCryptographicHash>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

#include <optional>

namespace {

// The service's failure text when "ok" is a boolean false; nothing otherwise (an answer
// without "ok" counts as a success).
std::optional<QString> serviceError(const QJsonObject& object)
{
    const QJsonValue ok = object.value(QLatin1String("ok"));
    if (!ok.isBool() || ok.toBool()) {
        return std::nullopt;
    }
    const QString message =
        object.value(QLatin1String("error")).toObject().value(QLatin1String("message")).toString();
    // Left untranslated on purpose: it stands in for a text the service did not send.
    return message.isEmpty() ? QStringLiteral("Server reported an error.") : message;
}

} // namespace

DeviceLibraryUpdateClient::DeviceLibraryUpdateClient(const QString& baseUrl, const QString& apiKey,
                                                     QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_baseUrl(ServiceRequest::withoutTrailingSlashes(baseUrl))
    , m_apiKey(apiKey)
{}

QNetworkReply* DeviceLibraryUpdateClient::get(const QString& path)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("app"), QStringLiteral("korvel-serial-assistant"));
    query.addQueryItem(QStringLiteral("appVersion"), QStringLiteral(KORVEL_APP_VERSION));
    return m_network->get(ServiceRequest::make(m_baseUrl, path, query, m_apiKey));
}

void DeviceLibraryUpdateClient::checkForUpdate(const QString& currentVersion)
{
    if (m_baseUrl.isEmpty()) {
        emit checkFinished(false, false, {}, {}, {},
                           tr("Remote update server not configured (.env)."));
        return;
    }
    QNetworkReply* reply = get(QStringLiteral("/version"));
    connect(reply, &QNetworkReply::finished, this, [this, reply, currentVersion] {
        reply->deleteLater();
        onCheckReply(reply, currentVersion);
    });
}

void DeviceLibraryUpdateClient::fetchLatest()
{
    if (m_baseUrl.isEmpty()) {
        emit fetchFinished(false, {}, {}, tr("Remote update server not configured (.env)."));
        return;
    }
    QNetworkReply* reply = get(QStringLiteral("/latest"));
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        onFetchReply(reply);
    });
}

void DeviceLibraryUpdateClient::onCheckReply(QNetworkReply* reply, const QString& currentVersion)
{
    if (reply->error() != QNetworkReply::NoError) {
        emit checkFinished(false, false, {}, {}, {}, reply->errorString());
        return;
    }
    QJsonObject object;
    QString parseError;
    if (!ServiceRequest::parseObject(reply->readAll(), &object, &parseError)) {
        emit checkFinished(false, false, {}, {}, {}, tr("Malformed response: %1").arg(parseError));
        return;
    }
    if (const std::optional<QString> failure = serviceError(object)) {
        emit checkFinished(false, false, {}, {}, {}, *failure);
        return;
    }
    const QString remoteVersion = object.value(QLatin1String("version")).toString();
    const QString minAppVersion = object.value(QLatin1String("minAppVersion")).toString();
    const QJsonObject changelog = object.value(QLatin1String("changelog")).toObject();
    const QString message =
        LanguageManager::instance().pick(changelog.value(QLatin1String("zh")).toString(),
                                         changelog.value(QLatin1String("en")).toString());
    // Any version other than the installed one counts, so a service can also roll back.
    const bool updateAvailable = !remoteVersion.isEmpty() && remoteVersion != currentVersion;
    emit checkFinished(true, updateAvailable, remoteVersion, minAppVersion, message, {});
}

void DeviceLibraryUpdateClient::onFetchReply(QNetworkReply* reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        emit fetchFinished(false, {}, {}, reply->errorString());
        return;
    }
    const QByteArray body = reply->readAll();
    const QByteArray expected = reply->rawHeader("X-Content-SHA256").trimmed();
    if (!expected.isEmpty()) {
        const QByteArray actual =
            QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
        if (actual.compare(expected, Qt::CaseInsensitive) != 0) {
            emit fetchFinished(false, {}, {},
                               tr("Checksum mismatch -- downloaded data may be corrupted."));
            return;
        }
    }
    QJsonObject object;
    QString parseError;
    if (!ServiceRequest::parseObject(body, &object, &parseError)) {
        emit fetchFinished(false, {}, {}, tr("Malformed response: %1").arg(parseError));
        return;
    }
    if (const std::optional<QString> failure = serviceError(object)) {
        emit fetchFinished(false, {}, {}, *failure);
        return;
    }
    if (!object.contains(QLatin1String("models"))) {
        emit fetchFinished(false, {}, {}, tr("Response has no models[] array."));
        return;
    }
    emit fetchFinished(true, object.value(QLatin1String("version")).toString(), body, {});
}
