#include "update/devicelibraryupdateclient.h"

#include "settings/languagemanager.h"
#include "update/servicerequest.h"
#include "util/textbounds.h"

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
    return message.isEmpty() ? QStringLiteral("Server reported an error.")
                             : TextBounds::cut(message, TextBounds::Notes);
}

QString captionOf(const QJsonValue& value)
{
    return TextBounds::cut(value.toString(), TextBounds::Caption);
}

} // namespace

DeviceLibraryUpdateClient::DeviceLibraryUpdateClient(const QString& baseUrl, const QString& apiKey,
                                                     QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_baseUrl(ServiceRequest::withoutTrailingSlashes(baseUrl))
    , m_apiKey(apiKey)
{}

QNetworkReply* DeviceLibraryUpdateClient::get(const QString& path, const ReplyGuard::Limits& limits)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("app"), QStringLiteral("korvel-serial-assistant"));
    query.addQueryItem(QStringLiteral("appVersion"), QStringLiteral(KORVEL_APP_VERSION));
    QNetworkReply* reply = m_network->get(ServiceRequest::make(m_baseUrl, path, query, m_apiKey));
    ReplyGuard::watch(reply, limits, true);
    return reply;
}

void DeviceLibraryUpdateClient::checkForUpdate(const QString& currentVersion)
{
    if (m_baseUrl.isEmpty()) {
        emit checkFinished(false, false, {}, {}, {},
                           tr("Remote update server not configured (.env)."));
        return;
    }
    if (const QString problem = ServiceRequest::apiKeyProblem(m_apiKey); !problem.isEmpty()) {
        emit checkFinished(false, false, {}, {}, {}, problem);
        return;
    }
    QNetworkReply* reply = get(QStringLiteral("/version"), m_limits.check);
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
    if (const QString problem = ServiceRequest::apiKeyProblem(m_apiKey); !problem.isEmpty()) {
        emit fetchFinished(false, {}, {}, problem);
        return;
    }
    QNetworkReply* reply = get(QStringLiteral("/latest"), m_limits.fetch);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        onFetchReply(reply);
    });
}

void DeviceLibraryUpdateClient::onCheckReply(QNetworkReply* reply, const QString& currentVersion)
{
    if (reply->error() != QNetworkReply::NoError) {
        emit checkFinished(false, false, {}, {}, {}, ReplyGuard::errorString(reply));
        return;
    }
    const CheckAnswer answer = readCheckAnswer(ReplyGuard::body(reply), currentVersion);
    emit checkFinished(answer.ok, answer.updateAvailable, answer.remoteVersion,
                       answer.minAppVersion, answer.message, answer.error);
}

DeviceLibraryUpdateClient::CheckAnswer
DeviceLibraryUpdateClient::readCheckAnswer(const QByteArray& body, const QString& currentVersion)
{
    CheckAnswer answer;
    QJsonObject object;
    QString parseError;
    if (!ServiceRequest::parseObject(body, &object, &parseError)) {
        answer.error = tr("Malformed response: %1").arg(parseError);
        return answer;
    }
    if (const std::optional<QString> failure = serviceError(object)) {
        answer.error = *failure;
        return answer;
    }
    answer.ok = true;
    answer.remoteVersion = captionOf(object.value(QLatin1String("version")));
    answer.minAppVersion = captionOf(object.value(QLatin1String("minAppVersion")));
    const QJsonObject changelog = object.value(QLatin1String("changelog")).toObject();
    answer.message = TextBounds::cut(
        LanguageManager::instance().pick(changelog.value(QLatin1String("zh")).toString(),
                                         changelog.value(QLatin1String("en")).toString()),
        TextBounds::Notes);
    // Any version other than the installed one counts, so a service can also roll back.
    answer.updateAvailable =
        !answer.remoteVersion.isEmpty() && answer.remoteVersion != currentVersion;
    return answer;
}

void DeviceLibraryUpdateClient::onFetchReply(QNetworkReply* reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        emit fetchFinished(false, {}, {}, ReplyGuard::errorString(reply));
        return;
    }
    const FetchAnswer answer =
        readFetchAnswer(ReplyGuard::body(reply), reply->rawHeader("X-Content-SHA256"));
    emit fetchFinished(answer.ok, answer.version, answer.rawJson, answer.error);
}

DeviceLibraryUpdateClient::FetchAnswer
DeviceLibraryUpdateClient::readFetchAnswer(const QByteArray& body, const QByteArray& digestHeader)
{
    FetchAnswer answer;
    const QByteArray expected = digestHeader.trimmed();
    if (!expected.isEmpty()) {
        const QByteArray actual =
            QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
        if (actual.compare(expected, Qt::CaseInsensitive) != 0) {
            answer.error = tr("Checksum mismatch -- downloaded data may be corrupted.");
            return answer;
        }
    }
    QJsonObject object;
    QString parseError;
    if (!ServiceRequest::parseObject(body, &object, &parseError)) {
        answer.error = tr("Malformed response: %1").arg(parseError);
        return answer;
    }
    if (const std::optional<QString> failure = serviceError(object)) {
        answer.error = *failure;
        return answer;
    }
    if (!object.contains(QLatin1String("models"))) {
        answer.error = tr("Response has no models[] array.");
        return answer;
    }
    answer.ok = true;
    answer.version = captionOf(object.value(QLatin1String("version")));
    answer.rawJson = body;
    return answer;
}
