// korvel-update-server itself: which files it hands out, where it asks for the key, and that
// it stays on 127.0.0.1.
#include "support/updateserverprocess.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using korveltest::UpdateServerProcess;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestUpdateServer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    UpdateServerProcess m_server;
    QNetworkAccessManager m_network;

    // Status code and body of a GET of @p path (sent exactly as written) with @p key.
    QPair<int, QByteArray> get(const QByteArray& path, const QByteArray& key = {})
    {
        QNetworkRequest request(
            QUrl::fromEncoded(m_server.baseUrl().toLatin1() + path, QUrl::StrictMode));
        if (!key.isEmpty()) {
            request.setRawHeader("X-Api-Key", key);
        }
        std::unique_ptr<QNetworkReply> reply(m_network.get(request));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        if (!finished.wait(10000)) {
            return {-1, {}};
        }
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                reply->readAll()};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        const QString releases = m_root.filePath(QStringLiteral("releases"));
        QVERIFY(QDir().mkpath(releases + QStringLiteral("/sub")));
        QVERIFY(writeFile(releases + QStringLiteral("/pkg.zip"), "PK package"));
        QVERIFY(writeFile(releases + QStringLiteral("/.hidden.zip"), "PK hidden"));
        QVERIFY(writeFile(releases + QStringLiteral("/sub/inner.zip"), "PK inner"));
        QVERIFY(writeFile(releases + QStringLiteral("/releases.json"), "[]"));
        QVERIFY(writeFile(m_root.filePath(QStringLiteral("secret.txt")), "outside"));
        QVERIFY2(m_server.start({QStringLiteral("--release-dir"), releases,
                                 QStringLiteral("--api-key"), QStringLiteral("k")}),
                 qPrintable(m_server.error()));
    }

    // Only plain package files of the release folder are handed out, without a key.
    void packages_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("package") << QByteArray("/software/packages/pkg.zip") << 200
                                 << QByteArray("PK package");
        QTest::newRow("missing") << QByteArray("/software/packages/none.zip") << 404
                                 << QByteArray("Not found\n");
        QTest::newRow("hidden file")
            << QByteArray("/software/packages/.hidden.zip") << 404 << QByteArray("Not found\n");
        QTest::newRow("subfolder")
            << QByteArray("/software/packages/sub/inner.zip") << 404 << QByteArray("Not found\n");
        QTest::newRow("encoded parent folder")
            << QByteArray("/software/packages/..%2Fsecret.txt") << 404 << QByteArray("Not found\n");
        QTest::newRow("encoded backslash")
            << QByteArray("/software/packages/..%5Csecret.txt") << 404 << QByteArray("Not found\n");
        QTest::newRow("manifest") << QByteArray("/software/packages/releases.json") << 404
                                  << QByteArray("Not found\n");
        QTest::newRow("unknown path")
            << QByteArray("/secret.txt") << 404 << QByteArray("Not found\n");
    }

    void packages()
    {
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFETCH(QByteArray, body);

        const QPair<int, QByteArray> answer = get(path);
        QCOMPARE(answer.first, status);
        QCOMPARE(answer.second, body);
    }

    void serviceNeedsTheKey_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("status");

        QTest::newRow("list without key") << QByteArray("/software/list") << QByteArray() << 401;
        QTest::newRow("list with wrong key")
            << QByteArray("/software/list") << QByteArray("K") << 401;
        QTest::newRow("list with key") << QByteArray("/software/list") << QByteArray("k") << 200;
        QTest::newRow("version without key") << QByteArray("/version") << QByteArray() << 401;
        QTest::newRow("latest without key") << QByteArray("/latest") << QByteArray() << 401;
    }

    void serviceNeedsTheKey()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, key);
        QFETCH(int, status);
        QCOMPARE(get(path, key).first, status);
    }

    // Nothing answers on the machine's other addresses.
    void listensOnLoopbackOnly()
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress(QStringLiteral("127.0.0.2")), m_server.port());
        QVERIFY(!socket.waitForConnected(2000));
    }
};

QTEST_GUILESS_MAIN(TestUpdateServer)
#include "tst_updateserver.moc"
