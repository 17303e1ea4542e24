#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkReply;
class QTimer;

/// Holds one network reply to limits that the network layer does not keep by itself: a body no
/// larger than the request can need (an endless answer would otherwise fill the memory), an end
/// within a deadline (one byte every few seconds keeps the silence timeout from ever firing) and,
/// for downloads, steady progress. A reply that breaks a limit is aborted, and errorString()
/// then says which limit it broke instead of the network layer's "Operation canceled".
class ReplyGuard : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        /// Largest body; 0 for no bound. A body the guard gathers is held to it as it comes, so
        /// an answer past it never takes more memory than the bound and one piece.
        qint64 maxBytes = 0;
        /// Longest time from the request to the end of the answer; 0 for none.
        int deadlineMs = 0;
        /// A download fails when less than stallBytes arrive within stallMs; 0 for no check.
        int stallMs = 0;
        qint64 stallBytes = 1024;
    };

    /// Watches @p reply (the guard becomes its child) from now on. With @p gather the guard
    /// reads the body as it comes (body() gives it at the end); otherwise the caller reads it.
    static ReplyGuard* watch(QNetworkReply* reply, const Limits& limits, bool gather);

    /// The body the guard of @p reply gathered, with whatever the reply still holds.
    static QByteArray body(QNetworkReply* reply);

    /// Why the guard of @p reply aborted it, or else the reply's own error text.
    static QString errorString(const QNetworkReply* reply);

    /// Aborts the watched @p reply for @p reason, which errorString() then gives.
    static void abort(QNetworkReply* reply, const QString& reason);

    /// The text for a body larger than @p maxBytes.
    static QString tooLargeText(qint64 maxBytes);

private:
    ReplyGuard(QNetworkReply* reply, const Limits& limits);
    static ReplyGuard* of(const QNetworkReply* reply);
    void checkSize(qint64 size);
    void checkProgress();
    void fail(const QString& reason);

    QNetworkReply* m_reply;
    Limits m_limits;
    QString m_failure;
    QByteArray m_body;
    qint64 m_received = 0;
    qint64 m_receivedAtCheck = 0;
};
