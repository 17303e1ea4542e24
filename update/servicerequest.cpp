#include "update/servicerequest.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>

namespace ServiceRequest {

QString withoutTrailingSlashes(QString url)
{
    while (url.endsWith(QLatin1Char('/'))) {
        url.chop(1);
    }
    return url;
}

QNetworkRequest make(const QString& baseUrl, const QString& path, const QUrlQuery& query,
                     const QString& apiKey)
{
    QUrl url(baseUrl + path);
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "application/json");
    if (!apiKey.isEmpty()) {
        request.setRawHeader("X-Api-Key", apiKey.toUtf8());
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::SameOriginRedirectPolicy);
    }
    request.setTransferTimeout(kTransferTimeoutMs);
    return request;
}

QString apiKeyProblem(const QString& apiKey)
{
    for (const QChar c : apiKey) {
        // A tab may stand in a header value; no other control character may.
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f) {
            return QCoreApplication::translate(
                "ServiceRequest", "The API key in .env holds a control character (such as NUL "
                                  "or a line break); it was not sent.");
        }
    }
    return {};
}

bool parseObject(const QByteArray& body, QJsonObject* object, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = parseError.errorString();
        return false;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("not a JSON object");
        return false;
    }
    *object = document.object();
    return true;
}

} // namespace ServiceRequest
