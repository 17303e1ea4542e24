#include "update/replyguard.h"

#include <QLocale>
#include <QNetworkReply>
#include <QTimer>

ReplyGuard::ReplyGuard(QNetworkReply* reply, const Limits& limits)
    : QObject(reply)
    , m_reply(reply)
    , m_limits(limits)
{}

ReplyGuard* ReplyGuard::watch(QNetworkReply* reply, const Limits& limits, bool gather)
{
    auto* guard = new ReplyGuard(reply, limits);
    if (limits.maxBytes > 0) {
        // The announced length fails the request before the body comes.
        connect(reply, &QNetworkReply::metaDataChanged, guard, [guard] {
            const QVariant length = guard->m_reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid()) {
                guard->checkSize(length.toLongLong());
            }
        });
    }
    if (gather) {
        // Taken piece by piece, so the network layer never holds more than one piece ahead.
        reply->setReadBufferSize(256 * 1024);
        connect(reply, &QNetworkReply::readyRead, guard, [guard] {
            guard->m_body += guard->m_reply->readAll();
            if (guard->m_limits.maxBytes > 0) {
                guard->checkSize(guard->m_body.size());
            }
        });
    }
    connect(reply, &QNetworkReply::downloadProgress, guard, [guard](qint64 received, qint64) {
        guard->m_received = received;
        if (guard->m_limits.maxBytes > 0) {
            guard->checkSize(received);
        }
    });
    if (limits.deadlineMs > 0) {
        auto* deadline = new QTimer(guard);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, guard, [guard] {
            const int seconds = (guard->m_limits.deadlineMs + 999) / 1000;
            guard->fail(tr("The transfer did not finish in time (%n s).", "", seconds));
        });
        deadline->start(limits.deadlineMs);
    }
    if (limits.stallMs > 0) {
        auto* stall = new QTimer(guard);
        connect(stall, &QTimer::timeout, guard, &ReplyGuard::checkProgress);
        stall->start(limits.stallMs);
    }
    connect(reply, &QNetworkReply::finished, guard, [guard] {
        // Nothing is watched past the end.
        for (QTimer* timer : guard->findChildren<QTimer*>()) {
            timer->stop();
        }
    });
    return guard;
}

QString ReplyGuard::tooLargeText(qint64 maxBytes)
{
    return tr("The answer is larger than %1 bytes, more than this request can need.")
        .arg(QLocale().toString(maxBytes));
}

void ReplyGuard::checkSize(qint64 size)
{
    if (size > m_limits.maxBytes) {
        fail(tooLargeText(m_limits.maxBytes));
    }
}

void ReplyGuard::checkProgress()
{
    if (m_received - m_receivedAtCheck < m_limits.stallBytes) {
        const int seconds = (m_limits.stallMs + 999) / 1000;
        fail(tr("The download made no progress for %n s.", "", seconds));
        return;
    }
    m_receivedAtCheck = m_received;
}

void ReplyGuard::fail(const QString& reason)
{
    if (!m_failure.isEmpty() || m_reply->isFinished()) {
        return;
    }
    m_failure = reason;
    m_reply->abort();
}

ReplyGuard* ReplyGuard::of(const QNetworkReply* reply)
{
    return reply->findChild<ReplyGuard*>(QString(), Qt::FindDirectChildrenOnly);
}

QString ReplyGuard::errorString(const QNetworkReply* reply)
{
    const ReplyGuard* guard = of(reply);
    return guard && !guard->m_failure.isEmpty() ? guard->m_failure : reply->errorString();
}

QByteArray ReplyGuard::body(QNetworkReply* reply)
{
    ReplyGuard* guard = of(reply);
    const QByteArray rest = reply->readAll();
    return guard ? guard->m_body + rest : rest;
}

void ReplyGuard::abort(QNetworkReply* reply, const QString& reason)
{
    if (ReplyGuard* guard = of(reply)) {
        guard->fail(reason);
    } else {
        reply->abort();
    }
}
