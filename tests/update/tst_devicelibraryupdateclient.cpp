// The device library client against korvel-update-server on 127.0.0.1: the requests it sends,
// how it reads the answers, and every failure it reports.
#include "settings/languagemanager.h"
#include "support/updateserverprocess.h"
#include "update/devicelibraryupdateclient.h"
#include "update/servicerequest.h"
#include "util/textbounds.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using korveltest::requestHeader;
using korveltest::UpdateServerProcess;

namespace {

const QString kNotConfigured = QStringLiteral("Remote update server not configured (.env).");

// A library document as the service publishes it; "changelog" and "minAppVersion" are what the
// test server reports on "/version".
QByteArray libraryDocument(const QString& version, const QString& minAppVersion = {},
                           const QJsonValue& changelog = QJsonValue::Undefined)
{
    QJsonObject document{
        {QStringLiteral("version"), version},
        {QStringLiteral("models"),
         QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("HX4")},
                                {QStringLiteral("commands"), QJsonArray()}}}},
    };
    if (!minAppVersion.isEmpty()) {
        document.insert(QStringLiteral("minAppVersion"), minAppVersion);
    }
    if (!changelog.isUndefined()) {
        document.insert(QStringLiteral("changelog"), changelog);
    }
    return QJsonDocument(document).toJson();
}

QJsonObject changelog(const QString& zh, const QString& en)
{
    return {{QStringLiteral("zh"), zh}, {QStringLiteral("en"), en}};
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the signals carry, collected in the client's own answer records.
using CheckAnswer = DeviceLibraryUpdateClient::CheckAnswer;
using FetchAnswer = DeviceLibraryUpdateClient::FetchAnswer;

} // namespace

class TestDeviceLibraryUpdateClient : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_libraryDir;
    QByteArray m_published;

    // A server over a folder holding one library document @p document.
    bool startServer(UpdateServerProcess& server, const QByteArray& document,
                     const QStringList& args = {})
    {
        m_published = document;
        if (!writeFile(m_libraryDir.filePath(QStringLiteral("devices.json")), document)) {
            return false;
        }
        return server.start(QStringList{QStringLiteral("--library-dir"), m_libraryDir.path()} +
                            args);
    }

    // Runs one check and returns its single answer; fails the test on no or several answers.
    static CheckAnswer check(DeviceLibraryUpdateClient& client, const QString& currentVersion,
                             int timeoutMs = 10000)
    {
        QSignalSpy spy(&client, &DeviceLibraryUpdateClient::checkFinished);
        client.checkForUpdate(currentVersion);
        if (spy.isEmpty() && !spy.wait(timeoutMs)) {
            return {false, false, {}, {}, {}, QStringLiteral("(no answer)")};
        }
        if (spy.count() != 1) {
            return {false, false, {}, {}, {}, QStringLiteral("(several answers)")};
        }
        const QList<QVariant> a = spy.takeFirst();
        return {a.at(0).toBool(),   a.at(1).toBool(),   a.at(2).toString(),
                a.at(3).toString(), a.at(4).toString(), a.at(5).toString()};
    }

    static FetchAnswer fetch(DeviceLibraryUpdateClient& client, int timeoutMs = 10000)
    {
        QSignalSpy spy(&client, &DeviceLibraryUpdateClient::fetchFinished);
        client.fetchLatest();
        if (spy.isEmpty() && !spy.wait(timeoutMs)) {
            return {false, {}, {}, QStringLiteral("(no answer)")};
        }
        if (spy.count() != 1) {
            return {false, {}, {}, QStringLiteral("(several answers)")};
        }
        const QList<QVariant> a = spy.takeFirst();
        return {a.at(0).toBool(), a.at(1).toString(), a.at(2).toByteArray(), a.at(3).toString()};
    }

private slots:
    void initTestCase() { QVERIFY(m_libraryDir.isValid()); }

    void cleanup() { LanguageManager::instance().setLanguage(QStringLiteral("en")); }

    // Without an address nothing is sent and the answer comes before the call returns.
    void notConfigured_data()
    {
        QTest::addColumn<QString>("baseUrl");
        QTest::newRow("empty") << QString();
        QTest::newRow("only slashes") << QStringLiteral("///");
    }

    void notConfigured()
    {
        QFETCH(QString, baseUrl);
        DeviceLibraryUpdateClient client(baseUrl, QStringLiteral("key"));
        QVERIFY(client.baseUrl().isEmpty());

        QSignalSpy checks(&client, &DeviceLibraryUpdateClient::checkFinished);
        client.checkForUpdate(QStringLiteral("1.0"));
        QCOMPARE(checks.count(), 1);
        QCOMPARE(checks.at(0),
                 (QList<QVariant>{false, false, QString(), QString(), QString(), kNotConfigured}));

        QSignalSpy fetches(&client, &DeviceLibraryUpdateClient::fetchFinished);
        client.fetchLatest();
        QCOMPARE(fetches.count(), 1);
        QCOMPARE(fetches.at(0), (QList<QVariant>{false, QString(), QByteArray(), kNotConfigured}));
    }

    void checkAnswer_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("currentVersion");
        QTest::addColumn<bool>("updateAvailable");
        QTest::addColumn<QString>("remoteVersion");
        QTest::addColumn<QString>("minAppVersion");
        QTest::addColumn<QString>("message");

        const QJsonObject notes =
            changelog(QStringLiteral("新增命令"), QStringLiteral("New commands"));
        const QString en = QStringLiteral("en");
        QTest::newRow("up to date")
            << libraryDocument(QStringLiteral("1.2.0"), {}, notes) << en << QStringLiteral("1.2.0")
            << false << QStringLiteral("1.2.0") << QString() << QStringLiteral("New commands");
        QTest::newRow("newer, compared as text")
            << libraryDocument(QStringLiteral("1.10"), QStringLiteral("0.7.0"), notes) << en
            << QStringLiteral("1.9") << true << QStringLiteral("1.10") << QStringLiteral("0.7.0")
            << QStringLiteral("New commands");
        QTest::newRow("older also offered")
            << libraryDocument(QStringLiteral("1.1"), {}, notes) << en << QStringLiteral("1.2")
            << true << QStringLiteral("1.1") << QString() << QStringLiteral("New commands");
        QTest::newRow("letter case differs")
            << libraryDocument(QStringLiteral("2.0-RC"), {}, notes) << en
            << QStringLiteral("2.0-rc") << true << QStringLiteral("2.0-RC") << QString()
            << QStringLiteral("New commands");
        QTest::newRow("empty changelog")
            << libraryDocument(QStringLiteral("1.3")) << en << QStringLiteral("1.2") << true
            << QStringLiteral("1.3") << QString() << QString();
        QTest::newRow("chinese interface")
            << libraryDocument(QStringLiteral("1.3"), QStringLiteral("0.8"), notes)
            << QStringLiteral("zh_CN") << QStringLiteral("1.2") << true << QStringLiteral("1.3")
            << QStringLiteral("0.8") << QStringLiteral("新增命令");
        QTest::newRow("chinese missing, english shown")
            << libraryDocument(QStringLiteral("1.3"), {}, changelog({}, QStringLiteral("Fixes")))
            << QStringLiteral("zh_TW") << QStringLiteral("1.2") << true << QStringLiteral("1.3")
            << QString() << QStringLiteral("Fixes");
        QTest::newRow("japanese interface reads english")
            << libraryDocument(QStringLiteral("1.3"), {}, notes) << QStringLiteral("ja")
            << QStringLiteral("1.2") << true << QStringLiteral("1.3") << QString()
            << QStringLiteral("New commands");
        QTest::newRow("no version offered")
            << libraryDocument(QString()) << en << QStringLiteral("1.2") << false << QString()
            << QString() << QString();
    }

    void checkAnswer()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, language);
        QFETCH(QString, currentVersion);
        QFETCH(bool, updateAvailable);
        QFETCH(QString, remoteVersion);
        QFETCH(QString, minAppVersion);
        QFETCH(QString, message);

        UpdateServerProcess server;
        QVERIFY2(startServer(server, document), qPrintable(server.error()));
        LanguageManager::instance().setLanguage(language);
        DeviceLibraryUpdateClient client(server.baseUrl(), {});

        const CheckAnswer answer = check(client, currentVersion);
        QCOMPARE(answer.error, QString());
        QVERIFY(answer.ok);
        QCOMPARE(answer.updateAvailable, updateAvailable);
        QCOMPARE(answer.remoteVersion, remoteVersion);
        QCOMPARE(answer.minAppVersion, minAppVersion);
        QCOMPARE(answer.message, message);

        const QList<QJsonObject> requests = server.requests(1);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).value(QLatin1String("method")).toString(), QStringLiteral("Get"));
        QCOMPARE(requests.at(0).value(QLatin1String("path")).toString(),
                 QStringLiteral("/version"));
        QCOMPARE(requests.at(0).value(QLatin1String("query")).toString(),
                 QStringLiteral("app=korvel-serial-assistant&appVersion=" KORVEL_APP_VERSION));
        QCOMPARE(requestHeader(requests.at(0), QStringLiteral("accept")),
                 QStringLiteral("application/json"));
    }

    void fetchAnswer_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QStringList>("serverArgs");
        QTest::addColumn<QString>("version");

        // Odd spacing and non-ASCII text: the bytes must come through exactly as sent.
        const QByteArray spaced = "{ \"version\" : \"3.1\",\n\t\"models\": [ {\"id\": \"HX4\", "
                                  "\"note\": \"温度 °C\"} ] }\n";
        QTest::newRow("digest in lower case") << spaced << QStringList() << QStringLiteral("3.1");
        QTest::newRow("digest in upper case")
            << spaced << QStringList{QStringLiteral("--upper-digest")} << QStringLiteral("3.1");
        QTest::newRow("no digest")
            << spaced << QStringList{QStringLiteral("--no-digest")} << QStringLiteral("3.1");
        QTest::newRow("models as an empty object")
            << QByteArray("{\"version\": \"4\", \"models\": {}}") << QStringList()
            << QStringLiteral("4");
        QTest::newRow("models null, no version")
            << QByteArray("{\"models\": null}") << QStringList() << QString();
    }

    void fetchAnswer()
    {
        QFETCH(QByteArray, document);
        QFETCH(QStringList, serverArgs);
        QFETCH(QString, version);

        UpdateServerProcess server;
        QVERIFY2(startServer(server, document, serverArgs), qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl(), {});

        const FetchAnswer answer = fetch(client);
        QCOMPARE(answer.error, QString());
        QVERIFY(answer.ok);
        QCOMPARE(answer.version, version);
        QCOMPARE(answer.rawJson, document);

        const QList<QJsonObject> requests = server.requests(1);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).value(QLatin1String("path")).toString(), QStringLiteral("/latest"));
        QCOMPARE(requests.at(0).value(QLatin1String("query")).toString(),
                 QStringLiteral("app=korvel-serial-assistant&appVersion=" KORVEL_APP_VERSION));
    }

    // Each failure comes back as one answer with ok false, empty results and one line of text.
    void failures_data()
    {
        QTest::addColumn<bool>("fetching");
        QTest::addColumn<QStringList>("serverArgs");
        QTest::addColumn<QString>("clientKey");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("exact");

        const auto fault = [](const char* mode) {
            return QStringList{QStringLiteral("--fault"), QString::fromLatin1(mode)};
        };
        const QString malformed = QStringLiteral("Malformed response: ");
        const QString reported = QStringLiteral("Server reported an error.");
        QTest::newRow("check, malformed")
            << false << fault("malformed") << QString() << malformed << false;
        QTest::newRow("fetch, malformed")
            << true << fault("malformed") << QString() << malformed << false;
        QTest::newRow("check, not an object")
            << false << fault("not-object") << QString() << malformed << false;
        QTest::newRow("fetch, not an object")
            << true << fault("not-object") << QString() << malformed << false;
        QTest::newRow("check, ok false with message")
            << false
            << fault("service-error") +
                   QStringList{QStringLiteral("--message"), QStringLiteral("Wartung läuft")}
            << QString() << QStringLiteral("Wartung läuft") << true;
        QTest::newRow("fetch, ok false with message")
            << true
            << fault("service-error") +
                   QStringList{QStringLiteral("--message"), QStringLiteral("Try later")}
            << QString() << QStringLiteral("Try later") << true;
        QTest::newRow("check, ok false without message")
            << false << fault("service-error-bare") << QString() << reported << true;
        QTest::newRow("fetch, ok false without message")
            << true << fault("service-error-bare") << QString() << reported << true;
        QTest::newRow("check, ok false with empty message")
            << false << fault("service-error") + QStringList{QStringLiteral("--message"), QString()}
            << QString() << reported << true;
        QTest::newRow("fetch, no models")
            << true << fault("no-models") << QString()
            << QStringLiteral("Response has no models[] array.") << true;
        // The changed body is not JSON either: the digest has to be looked at first.
        QTest::newRow("fetch, checksum mismatch")
            << true << fault("wrong-digest") << QString()
            << QStringLiteral("Checksum mismatch -- downloaded data may be corrupted.") << true;
        QTest::newRow("check, HTTP 500") << false << fault("http-500") << QString()
                                         << QStringLiteral("Internal Server Error") << false;
        QTest::newRow("fetch, HTTP 500") << true << fault("http-500") << QString()
                                         << QStringLiteral("Internal Server Error") << false;
        QTest::newRow("fetch, body cut off")
            << true << fault("half-close") << QString() << QString() << false;
        QTest::newRow("check, wrong key")
            << false << QStringList{QStringLiteral("--api-key"), QStringLiteral("right")}
            << QStringLiteral("wrong") << QStringLiteral("authentication") << false;
    }

    void failures()
    {
        QFETCH(bool, fetching);
        QFETCH(QStringList, serverArgs);
        QFETCH(QString, clientKey);
        QFETCH(QString, error);
        QFETCH(bool, exact);

        UpdateServerProcess server;
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("2.0")), serverArgs),
                 qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl(), clientKey);

        QString actual;
        if (fetching) {
            const FetchAnswer answer = fetch(client);
            QVERIFY(!answer.ok);
            QCOMPARE(answer.version, QString());
            QCOMPARE(answer.rawJson, QByteArray());
            actual = answer.error;
        } else {
            const CheckAnswer answer = check(client, QStringLiteral("1.0"));
            QVERIFY(!answer.ok);
            QVERIFY(!answer.updateAvailable);
            QCOMPARE(answer.remoteVersion, QString());
            QCOMPARE(answer.minAppVersion, QString());
            QCOMPARE(answer.message, QString());
            actual = answer.error;
        }
        QVERIFY(!actual.startsWith(QLatin1Char('(')));
        QVERIFY(!actual.isEmpty());
        QVERIFY(!actual.contains(QLatin1Char('\n')));
        if (exact) {
            QCOMPARE(actual, error);
        } else {
            QVERIFY2(actual.contains(error), qPrintable(actual));
        }
    }

    // No data for 8 seconds ends the request with the network layer's own time-out text: the
    // one a plain request with a transfer time-out gets from the same silent server.
    void silentServerTimesOut_data()
    {
        QTest::addColumn<bool>("fetching");
        QTest::addColumn<QString>("fault");
        QTest::newRow("check, no answer") << false << QStringLiteral("stall");
        QTest::newRow("fetch, body stops half way") << true << QStringLiteral("half");
    }

    void silentServerTimesOut()
    {
        QFETCH(bool, fetching);
        QFETCH(QString, fault);

        UpdateServerProcess server;
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("2.0")),
                             {QStringLiteral("--fault"), fault}),
                 qPrintable(server.error()));

        QNetworkAccessManager network;
        QNetworkRequest probe(QUrl(server.baseUrl() + QStringLiteral("/latest")));
        probe.setTransferTimeout(500);
        std::unique_ptr<QNetworkReply> reply(network.get(probe));
        QSignalSpy probed(reply.get(), &QNetworkReply::finished);
        QVERIFY(probed.wait(10000));
        const QString timeoutText = reply->errorString();
        QVERIFY(!timeoutText.isEmpty());

        DeviceLibraryUpdateClient client(server.baseUrl(), {});
        QElapsedTimer clock;
        clock.start();
        const QString error = fetching ? fetch(client, 30000).error
                                       : check(client, QStringLiteral("1.0"), 30000).error;
        QCOMPARE(error, timeoutText);
        // The time-out is 8 s (Qt's coarse timers may fire up to 5 % early); much less would cut
        // off slow but working services.
        QVERIFY2(clock.elapsed() >= 7000, qPrintable(QString::number(clock.elapsed())));
    }

    // The path is appended to the base address as text, with exactly one "/" between.
    void basePathAndTrailingSlashes_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("none") << QString();
        QTest::newRow("one slash") << QStringLiteral("/");
        QTest::newRow("three slashes") << QStringLiteral("///");
    }

    void basePathAndTrailingSlashes()
    {
        QFETCH(QString, suffix);
        UpdateServerProcess server;
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("5.0")),
                             {QStringLiteral("--prefix"), QStringLiteral("/api/v1")}),
                 qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl() + QStringLiteral("/api/v1") + suffix, {});
        QCOMPARE(client.baseUrl(), server.baseUrl() + QStringLiteral("/api/v1"));

        QCOMPARE(check(client, QStringLiteral("4.0")).remoteVersion, QStringLiteral("5.0"));
        QCOMPARE(fetch(client).version, QStringLiteral("5.0"));
        const QList<QJsonObject> requests = server.requests(2);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0).value(QLatin1String("path")).toString(),
                 QStringLiteral("/api/v1/version"));
        QCOMPARE(requests.at(1).value(QLatin1String("path")).toString(),
                 QStringLiteral("/api/v1/latest"));
    }

    // The key travels as "X-Api-Key" in UTF-8, and only when there is one.
    void apiKeyHeader_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("no key") << QString();
        QTest::newRow("ascii key") << QStringLiteral("k-7f3a91");
        QTest::newRow("non-ascii key") << QStringLiteral("schlüssel-密钥");
    }

    void apiKeyHeader()
    {
        QFETCH(QString, key);
        UpdateServerProcess server;
        const QStringList args =
            key.isEmpty() ? QStringList() : QStringList{QStringLiteral("--api-key"), key};
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("2.0")), args),
                 qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl(), key);

        QVERIFY(check(client, QStringLiteral("1.0")).ok);
        QVERIFY(fetch(client).ok);
        const QList<QJsonObject> requests = server.requests(2);
        QCOMPARE(requests.size(), 2);
        for (const QJsonObject& request : requests) {
            QCOMPARE(requestHeader(request, QStringLiteral("x-api-key")), key);
            QCOMPARE(request.value(QLatin1String("headers"))
                         .toObject()
                         .contains(QLatin1String("x-api-key")),
                     !key.isEmpty());
        }
    }

    // A service that redirects elsewhere must not receive the key there; without a key the
    // redirect is followed as usual.
    void keyStaysWithTheService_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("with key") << QStringLiteral("secret-1");
        QTest::newRow("without key") << QString();
    }

    void keyStaysWithTheService()
    {
        QFETCH(QString, key);
        UpdateServerProcess elsewhere;
        QVERIFY2(startServer(elsewhere, libraryDocument(QStringLiteral("6.0"))),
                 qPrintable(elsewhere.error()));
        UpdateServerProcess service;
        QVERIFY2(startServer(service, libraryDocument(QStringLiteral("6.0")),
                             {QStringLiteral("--fault"), QStringLiteral("redirect"),
                              QStringLiteral("--redirect-to"), elsewhere.baseUrl()}),
                 qPrintable(service.error()));
        DeviceLibraryUpdateClient client(service.baseUrl(), key);

        const CheckAnswer answer = check(client, QStringLiteral("1.0"));
        // Qt may repeat the first request on its connection when it leaves for the redirect.
        const QList<QJsonObject> asked = service.requests(1);
        QVERIFY(!asked.isEmpty());
        for (const QJsonObject& request : asked) {
            QCOMPARE(requestHeader(request, QStringLiteral("x-api-key")), key);
        }
        const QList<QJsonObject> redirected = elsewhere.requests(1, 500);
        for (const QJsonObject& request : redirected) {
            QVERIFY(!request.value(QLatin1String("headers"))
                         .toObject()
                         .contains(QLatin1String("x-api-key")));
        }
        if (key.isEmpty()) {
            QCOMPARE(answer.error, QString());
            QCOMPARE(answer.remoteVersion, QStringLiteral("6.0"));
            QVERIFY(!redirected.isEmpty());
        } else {
            QVERIFY(!answer.ok);
            QVERIFY(!answer.error.isEmpty());
            QCOMPARE(redirected.size(), 0);
        }
    }

    // Every request has a bound on the size of its answer and a deadline for the whole of it,
    // besides the silence time-out: an endless answer ends at the bound (not when the memory
    // runs out), one that trickles in at the deadline.
    void answersHeldToLimits_data()
    {
        QTest::addColumn<bool>("fetching");
        QTest::addColumn<QStringList>("serverArgs");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("deadlineMs");
        QTest::addColumn<QString>("error");

        const DeviceLibraryUpdateClient::Limits standard;
        const QStringList endless{QStringLiteral("--fault"), QStringLiteral("endless")};
        const QStringList trickle{QStringLiteral("--fault"), QStringLiteral("trickle"),
                                  QStringLiteral("--interval"), QStringLiteral("300")};
        QTest::newRow("check, endless answer")
            << false << endless << standard.check.maxBytes << standard.check.deadlineMs
            << ReplyGuard::tooLargeText(standard.check.maxBytes);
        QTest::newRow("fetch, endless answer")
            << true << endless << standard.fetch.maxBytes << standard.fetch.deadlineMs
            << ReplyGuard::tooLargeText(standard.fetch.maxBytes);
        // The length the answer announces is enough to refuse it.
        QTest::newRow("fetch, announced larger than the bound")
            << true << QStringList() << qint64(100) << standard.fetch.deadlineMs
            << ReplyGuard::tooLargeText(100);
        QTest::newRow("check, trickling answer")
            << false << trickle << standard.check.maxBytes << 2000
            << QStringLiteral("The transfer did not finish in time (2 s).");
        QTest::newRow("fetch, trickling answer")
            << true << trickle << standard.fetch.maxBytes << 2000
            << QStringLiteral("The transfer did not finish in time (2 s).");
    }

    void answersHeldToLimits()
    {
        QFETCH(bool, fetching);
        QFETCH(QStringList, serverArgs);
        QFETCH(qint64, maxBytes);
        QFETCH(int, deadlineMs);
        QFETCH(QString, error);

        UpdateServerProcess server;
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("2.0")), serverArgs),
                 qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl(), {});
        DeviceLibraryUpdateClient::Limits limits;
        (fetching ? limits.fetch : limits.check) = {maxBytes, deadlineMs};
        client.setLimits(limits);

        const QString actual = fetching ? fetch(client, 30000).error
                                        : check(client, QStringLiteral("1.0"), 30000).error;
        QCOMPARE(actual, error);
    }

    // Versions are cut to a caption's length, notes to a few pages, both with a mark.
    void longTextsCut()
    {
        UpdateServerProcess server;
        QVERIFY2(
            startServer(server,
                        libraryDocument(QStringLiteral("2.0"), QStringLiteral("0.1"),
                                        changelog(QStringLiteral("中"), QStringLiteral("notes"))),
                        {QStringLiteral("--fault"), QStringLiteral("huge-texts"),
                         QStringLiteral("--huge-size"), QStringLiteral("20000")}),
            qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl(), {});
        const QString longVersion = QStringLiteral("2.0-") + QString(20000, QLatin1Char('v'));

        const CheckAnswer checked = check(client, QStringLiteral("1.0"));
        QVERIFY2(checked.ok, qPrintable(checked.error));
        QVERIFY(checked.updateAvailable);
        QCOMPARE(checked.remoteVersion, TextBounds::cut(longVersion, TextBounds::Caption));
        QCOMPARE(checked.message,
                 TextBounds::cut(QStringLiteral("notes") + QString(20000, QLatin1Char('t')),
                                 TextBounds::Notes));
        const FetchAnswer fetched = fetch(client);
        QVERIFY2(fetched.ok, qPrintable(fetched.error));
        QCOMPARE(fetched.version, checked.remoteVersion);
        // The document itself is passed on as it came; the loader cuts what it shows.
        QVERIFY(fetched.rawJson.contains(longVersion.toUtf8()));
    }

    // A key that cannot go into a header is never sent, cut or raw.
    void unsendableKeyRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("NUL") << QStringLiteral("dev") + QChar(0) + QStringLiteral("key");
        QTest::newRow("escape") << QStringLiteral("devkey");
        QTest::newRow("delete") << QStringLiteral("devkey");
    }

    void unsendableKeyRefused()
    {
        QFETCH(QString, key);
        UpdateServerProcess server;
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("2.0"))),
                 qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl(), key);
        const CheckAnswer checked = check(client, QStringLiteral("1.0"));
        const FetchAnswer fetched = fetch(client);
        QVERIFY(!checked.ok);
        QVERIFY(!fetched.ok);
        QCOMPARE(checked.error, ServiceRequest::apiKeyProblem(key));
        QCOMPARE(fetched.error, checked.error);
        QVERIFY(!checked.error.isEmpty());
        QCOMPARE(server.requests(1, 500).size(), 0);
    }

    // Overlapping calls are independent: each gets its own answer.
    void overlappingRequests()
    {
        UpdateServerProcess server;
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("7.0"))),
                 qPrintable(server.error()));
        DeviceLibraryUpdateClient client(server.baseUrl(), {});
        QSignalSpy checks(&client, &DeviceLibraryUpdateClient::checkFinished);
        QSignalSpy fetches(&client, &DeviceLibraryUpdateClient::fetchFinished);
        client.checkForUpdate(QStringLiteral("6.0"));
        client.checkForUpdate(QStringLiteral("7.0"));
        client.fetchLatest();
        QTRY_COMPARE_WITH_TIMEOUT(checks.count() + fetches.count(), 3, 10000);
        QCOMPARE(checks.count(), 2);
        const QSet<bool> offered{checks.at(0).at(1).toBool(), checks.at(1).at(1).toBool()};
        QCOMPARE(offered, (QSet<bool>{true, false}));
        QCOMPARE(fetches.at(0).at(0).toBool(), true);
    }

    // A reply that completes after the client is gone runs nothing of it.
    void clientGoneBeforeReply()
    {
        UpdateServerProcess server;
        QVERIFY2(startServer(server, libraryDocument(QStringLiteral("7.0"))),
                 qPrintable(server.error()));
        int answers = 0;
        auto client = std::make_unique<DeviceLibraryUpdateClient>(server.baseUrl(), QString());
        connect(client.get(), &DeviceLibraryUpdateClient::checkFinished, this, [&] { ++answers; });
        client->checkForUpdate(QStringLiteral("1.0"));
        client->fetchLatest();
        client.reset();

        // A second client's answer shows that the event loop ran past the first one's replies.
        DeviceLibraryUpdateClient other(server.baseUrl(), {});
        QVERIFY(check(other, QStringLiteral("1.0")).ok);
        QCOMPARE(answers, 0);
    }
};

QTEST_GUILESS_MAIN(TestDeviceLibraryUpdateClient)
#include "tst_devicelibraryupdateclient.moc"
