#pragma once

#include <QJsonObject>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

class QByteArray;

/// What the two update-service clients share: how a base URL is normalised, how a request to
/// the service is built and how its JSON answer is read.
namespace ServiceRequest {

/// Silence on a service request for this long aborts it.
constexpr int kTransferTimeoutMs = 8000;

/// @p url without any trailing "/" characters.
QString withoutTrailingSlashes(QString url);

/// A GET request for @p baseUrl followed by @p path (appended as text, so the base URL may
/// carry a path prefix) with @p query, accepting JSON, carrying @p apiKey as "X-Api-Key" when it
/// is not empty and timing out after kTransferTimeoutMs without data. A request that carries the
/// key follows redirects only within the same origin, so the key never reaches another host.
QNetworkRequest make(const QString& baseUrl, const QString& path, const QUrlQuery& query,
                     const QString& apiKey);

/// Why @p apiKey cannot go into a request header, or an empty text when it can: a NUL, a line
/// break or another control character would be sent raw, or end the header and start another.
QString apiKeyProblem(const QString& apiKey);

/// Parses @p body as one JSON object into @p object; on failure returns false and puts the
/// parser's description (or a note that the document is no object) into @p error.
bool parseObject(const QByteArray& body, QJsonObject* object, QString* error);

} // namespace ServiceRequest
