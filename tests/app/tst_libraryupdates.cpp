// The controller's device library update against korvel-update-server on 127.0.0.1: check,
// download and apply, the cache, the model choice afterwards, with the service address given as
// a ".env" file would give it.
#include "app/appcontroller.h"
#include "library/commandlistmodel.h"
#include "library/devicelibrary.h"
#include "library/librarycache.h"
#include "support/testsupport.h"
#include "support/updatefixture.h"
#include "update/devicelibraryupdateclient.h"
#include "update/replyguard.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using namespace korveltest;

namespace {

const QString kNoLibraryService =
    QStringLiteral("No update server configured (.env) -- using the bundled command library only.");

QJsonObject changelog(const QString& en)
{
    return {{QStringLiteral("zh"), QStringLiteral("更新")}, {QStringLiteral("en"), en}};
}

QString builtInVersion()
{
    DeviceLibrary library;
    library.loadFromResource(QStringLiteral(":/data/devices.json"));
    return library.version();
}

QStringList commandNames(const AppController& controller)
{
    QStringList names;
    const CommandListModel* list = controller.commandModel();
    for (int row = 0; row < list->rowCount(); ++row) {
        names << list->index(row).data(CommandListModel::NameRole).toString();
    }
    return names;
}

// The whole message, or (where the parser or the network layer adds its own words) one that
// holds @p expected and says more.
bool messageMatches(const QString& actual, const QString& expected, bool exact)
{
    return exact ? actual == expected : actual.contains(expected) && actual != expected;
}

} // namespace

class TestLibraryUpdates : public QObject
{
    Q_OBJECT

    UpdateFixture m_fx;
    QString m_builtIn;

private slots:
    void initTestCase()
    {
        isolateSettings();
        QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_APP_VERSION));
        QVERIFY(m_fx.setUp());
        m_builtIn = builtInVersion();
        QVERIFY(!m_builtIn.isEmpty());
    }

    void init() { korveltest::clearSettings(); }

    // Without a library address the check fails at once and asks nobody, not even the
    // application service that is configured.
    void libraryWithoutService_data()
    {
        QTest::addColumn<QByteArray>("env");
        QTest::newRow("no .env values") << QByteArray();
        QTest::newRow("key only") << QByteArray("DEVICE_LIBRARY_API_KEY=dev-key\n");
        QTest::newRow("empty address") << QByteArray("DEVICE_LIBRARY_API_BASE_URL=\n");
        QTest::newRow("address of slashes") << QByteArray("DEVICE_LIBRARY_API_BASE_URL=//\n");
    }

    void libraryWithoutService()
    {
        QFETCH(QByteArray, env);
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, newerLibrary()), qPrintable(server.error()));
        auto c = makeController(env + envLine("APP_UPDATE_API_BASE_URL", server.baseUrl()));

        QSignalSpy notified(c.get(), &AppController::libraryUpdateStateChanged);
        c->checkForLibraryUpdate();
        QCOMPARE(notified.count(), 1);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("error"));
        QCOMPARE(c->libraryUpdateMessage(), kNoLibraryService);
        QVERIFY(!c->libraryUpdateAvailable());

        // Nothing to download either.
        c->downloadLibraryUpdate();
        QCOMPARE(notified.count(), 1);
        QVERIFY(!notified.wait(300));
        QCOMPARE(server.requests(1, 300).size(), 0);
        QVERIFY(QSettings().value(QStringLiteral("library/lastCheckAt")).isNull());
    }

    // Each answer of the service as the dialog shows it; every answer is stamped.
    void libraryCheck_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("remote");

        const QString newer = QStringLiteral("Version 9.0 is available.");
        QTest::newRow("same version")
            << libraryDocument(builtInVersion(), QJsonArray()) << QStringList()
            << QStringLiteral("upToDate")
            << QStringLiteral("Command library is up to date (%1).").arg(builtInVersion()) << true
            << false << builtInVersion();
        QTest::newRow("newer, with a changelog")
            << newerLibrary({}, changelog(QStringLiteral("Adds the AT2."))) << QStringList()
            << QStringLiteral("updateAvailable") << QStringLiteral("Adds the AT2.") << true << true
            << QStringLiteral("9.0");
        QTest::newRow("newer, empty changelog")
            << newerLibrary({}, QJsonObject{{QStringLiteral("zh"), QString()},
                                            {QStringLiteral("en"), QString()}})
            << QStringList() << QStringLiteral("updateAvailable") << newer << true << true
            << QStringLiteral("9.0");
        QTest::newRow("newer, no changelog")
            << newerLibrary() << QStringList() << QStringLiteral("updateAvailable") << newer << true
            << true << QStringLiteral("9.0");
        QTest::newRow("needs a newer app")
            << newerLibrary(QStringLiteral("0.8")) << QStringList() << QStringLiteral("error")
            << QStringLiteral("Version 9.0 is available, but requires app version 0.8 or later "
                              "-- please update the app first.")
            << true << false << QStringLiteral("9.0");
        QTest::newRow("needs one more segment")
            << newerLibrary(QStringLiteral("0.7.8.1.0")) << QStringList() << QStringLiteral("error")
            << QStringLiteral("Version 9.0 is available, but requires app version 0.7.8.1.0 or "
                              "later -- please update the app first.")
            << true << false << QStringLiteral("9.0");
        QTest::newRow("needs exactly this app")
            << newerLibrary(QStringLiteral("0.7.8.1")) << QStringList()
            << QStringLiteral("updateAvailable") << newer << true << true << QStringLiteral("9.0");
        QTest::newRow("needs an older app")
            << newerLibrary(QStringLiteral("0.7")) << QStringList()
            << QStringLiteral("updateAvailable") << newer << true << true << QStringLiteral("9.0");
        QTest::newRow("needs a newer app, with a suffix")
            << newerLibrary(QStringLiteral("0.7.10-beta")) << QStringList()
            << QStringLiteral("error")
            << QStringLiteral("Version 9.0 is available, but requires app version 0.7.10-beta or "
                              "later -- please update the app first.")
            << true << false << QStringLiteral("9.0");
        QTest::newRow("service error")
            << newerLibrary()
            << QStringList{"--fault", "service-error", "--message", "Down for maintenance."}
            << QStringLiteral("error") << QStringLiteral("Down for maintenance.") << true << false
            << QString();
        QTest::newRow("service error without text")
            << newerLibrary() << QStringList{"--fault", "service-error-bare"}
            << QStringLiteral("error") << QStringLiteral("Server reported an error.") << true
            << false << QString();
        QTest::newRow("malformed")
            << newerLibrary() << QStringList{"--fault", "malformed"} << QStringLiteral("error")
            << QStringLiteral("Malformed response: ") << false << false << QString();
        QTest::newRow("http 500") << newerLibrary() << QStringList{"--fault", "http-500"}
                                  << QStringLiteral("error")
                                  << QStringLiteral("Internal Server Error") << false << false
                                  << QString();
    }

    void libraryCheck()
    {
        QFETCH(QByteArray, document);
        QFETCH(QStringList, args);
        QFETCH(QString, state);
        QFETCH(QString, message);
        QFETCH(bool, exact);
        QFETCH(bool, available);
        QFETCH(QString, remote);

        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, document, args), qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QSignalSpy notified(c.get(), &AppController::libraryUpdateStateChanged);
        QSignalSpy libraryChanged(c.get(), &AppController::libraryChanged);
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);

        c->checkForLibraryUpdate();
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("checking"));
        QCOMPARE(c->libraryUpdateMessage(), QStringLiteral("Checking for updates…"));
        QCOMPARE(notified.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 15000);

        QCOMPARE(notified.count(), 2);
        QCOMPARE(c->libraryUpdateState(), state);
        QVERIFY2(messageMatches(c->libraryUpdateMessage(), message, exact),
                 qPrintable(c->libraryUpdateMessage()));
        QCOMPARE(c->libraryUpdateAvailable(), available);
        QCOMPARE(c->remoteLibraryVersion(), remote);
        // A check changes nothing in the library itself.
        QCOMPARE(libraryChanged.count(), 0);
        QCOMPARE(c->libraryVersion(), m_builtIn);

        const QDateTime stamped =
            QSettings().value(QStringLiteral("library/lastCheckAt")).toDateTime();
        QVERIFY2(stamped >= before && stamped <= QDateTime::currentDateTimeUtc().addSecs(1),
                 qPrintable(stamped.toString(Qt::ISODateWithMs)));
    }

    // While a new check runs the earlier offer stands; the answer then replaces it.
    void offerStandsUntilTheNextAnswer()
    {
        UpdateServerProcess server;
        QString folder;
        QVERIFY2(m_fx.serveLibrary(server, newerLibrary(), {}, &folder),
                 qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QVERIFY(libraryOfferFound(*c));

        QVERIFY(korveltest::writeFile(folder + QStringLiteral("/devices.json"),
                                      libraryDocument(m_builtIn, QJsonArray())));
        c->checkForLibraryUpdate();
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("checking"));
        QVERIFY(c->libraryUpdateAvailable());
        QCOMPARE(c->remoteLibraryVersion(), QStringLiteral("9.0"));
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 15000);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("upToDate"));
        QVERIFY(!c->libraryUpdateAvailable());
        QCOMPARE(c->remoteLibraryVersion(), m_builtIn);

        // Without an offer there is nothing to download.
        QSignalSpy notified(c.get(), &AppController::libraryUpdateStateChanged);
        c->downloadLibraryUpdate();
        QCOMPARE(notified.count(), 0);
        QCOMPARE(server.requests(2).size(), 2);
    }

    // A service that stops answering ends the check after its time-out, with the network
    // layer's own text for it.
    void libraryCheckTimesOut()
    {
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, newerLibrary(), {"--fault", "stall"}),
                 qPrintable(server.error()));
        const QString expected = replyError(server.baseUrl() + QStringLiteral("/version"), 300);
        QVERIFY(!expected.isEmpty());
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QElapsedTimer clock;
        clock.start();
        c->checkForLibraryUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 30000);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("error"));
        QCOMPARE(c->libraryUpdateMessage(), expected);
        QVERIFY2(clock.elapsed() >= 7000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(QSettings().contains(QStringLiteral("library/lastCheckAt")));
    }

    // A downloaded library replaces the built-in one at once and at the next start.
    void downloadAppliesAndCaches()
    {
        const QByteArray document = newerLibrary();
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, document), qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QCOMPARE(c->currentModelId(), QStringLiteral("HX4"));
        const QStringList builtInCommands = commandNames(*c);
        QVERIFY(!builtInCommands.isEmpty());
        QVERIFY(libraryOfferFound(*c));

        QSignalSpy notified(c.get(), &AppController::libraryUpdateStateChanged);
        QSignalSpy libraryChanged(c.get(), &AppController::libraryChanged);
        QSignalSpy reset(c->commandModel(), &QAbstractItemModel::modelReset);
        c->downloadLibraryUpdate();
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("downloading"));
        QCOMPARE(c->libraryUpdateMessage(), QStringLiteral("Downloading…"));
        QVERIFY(c->libraryUpdateAvailable());
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 15000);

        QCOMPARE(notified.count(), 2);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("upToDate"));
        QCOMPARE(c->libraryUpdateMessage(), QStringLiteral("Updated to 9.0."));
        QVERIFY(!c->libraryUpdateAvailable());
        QCOMPARE(libraryChanged.count(), 1);
        QCOMPARE(c->libraryVersion(), QStringLiteral("9.0"));
        QCOMPARE(c->modelIds(), QStringList({"HX4", "AT2"}));
        QCOMPARE(c->modelCount(), 2);
        QCOMPARE(c->commandCount(), 2);
        QVERIFY(reset.count() >= 1);
        QCOMPARE(commandNames(*c), QStringList{"Ping"});
        QCOMPARE(c->currentModelDescription(), QStringLiteral("HX4 mark II"));
        QCOMPARE(LibraryCache().load(), document);
        QVERIFY(!QSettings().contains(QStringLiteral("library/cachedJson")));

        // The next start reads the cache, with no service at all.
        c.reset();
        auto next = makeController({});
        QCOMPARE(next->libraryVersion(), QStringLiteral("9.0"));
        QCOMPARE(next->modelIds(), QStringList({"HX4", "AT2"}));
        QCOMPARE(commandNames(*next), QStringList{"Ping"});
        QCOMPARE(next->libraryUpdateState(), QStringLiteral("idle"));
    }

    // A download that fails keeps the library, the cache and the offer: "Download and apply"
    // can be pressed again. The digest is checked before anything is parsed (the changed
    // first byte would not parse).
    void failedDownloadKeepsLibrary_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("exact");

        QTest::newRow("checksum mismatch")
            << QStringList{"--fault", "wrong-digest"}
            << QStringLiteral("Checksum mismatch -- downloaded data may be corrupted.") << true;
        QTest::newRow("malformed") << QStringList{"--fault", "malformed"}
                                   << QStringLiteral("Malformed response: ") << false;
        QTest::newRow("ok false") << QStringList{"--fault", "service-error", "--message",
                                                 "Library withdrawn."}
                                  << QStringLiteral("Library withdrawn.") << true;
        QTest::newRow("no models") << QStringList{"--fault", "no-models"}
                                   << QStringLiteral("Response has no models[] array.") << true;
        QTest::newRow("http 500") << QStringList{"--fault", "http-500"}
                                  << QStringLiteral("Internal Server Error") << false;
    }

    void failedDownloadKeepsLibrary()
    {
        QFETCH(QStringList, fault);
        QFETCH(QString, message);
        QFETCH(bool, exact);

        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, newerLibrary(),
                                   fault + QStringList{"--fault-path", "/latest"}),
                 qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        const QStringList commands = commandNames(*c);
        QVERIFY(libraryOfferFound(*c));
        QSignalSpy libraryChanged(c.get(), &AppController::libraryChanged);
        QSignalSpy reset(c->commandModel(), &QAbstractItemModel::modelReset);

        for (int attempt = 0; attempt < 2; ++attempt) {
            c->downloadLibraryUpdate();
            QCOMPARE(c->libraryUpdateState(), QStringLiteral("downloading"));
            QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 15000);
            QCOMPARE(c->libraryUpdateState(), QStringLiteral("error"));
            QVERIFY2(messageMatches(c->libraryUpdateMessage(), message, exact),
                     qPrintable(c->libraryUpdateMessage()));
            QVERIFY(c->libraryUpdateAvailable());
        }
        QCOMPARE(libraryChanged.count(), 0);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(c->libraryVersion(), m_builtIn);
        QCOMPARE(commandNames(*c), commands);
        QVERIFY(LibraryCache().load().isEmpty());
        QCOMPARE(server.requests(3).size(), 3);
    }

    // A document that the service delivers but the loader cannot read changes nothing either,
    // and the loader says why. (Both parsers agree on what JSON is, so the answer is given as the
    // client would give it.)
    void rejectedDocumentKeepsLibrary()
    {
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, newerLibrary()), qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QVERIFY(libraryOfferFound(*c));
        auto* client = c->findChild<DeviceLibraryUpdateClient*>();
        QVERIFY(client);
        const QByteArray broken = "{\"version\": \"9.0\", \"models\": [";
        DeviceLibrary reference;
        QVERIFY(!reference.loadFromJsonText(broken));
        QVERIFY(!reference.lastError().isEmpty());

        QSignalSpy libraryChanged(c.get(), &AppController::libraryChanged);
        c->downloadLibraryUpdate();
        emit client->fetchFinished(true, QStringLiteral("9.0"), broken, QString());
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("error"));
        QCOMPARE(
            c->libraryUpdateMessage(),
            QStringLiteral("Downloaded data could not be applied: %1").arg(reference.lastError()));
        QVERIFY(c->libraryUpdateAvailable());
        QCOMPARE(libraryChanged.count(), 0);
        QCOMPARE(c->libraryVersion(), m_builtIn);
        QVERIFY(LibraryCache().load().isEmpty());

        // The real download that was also started still applies.
        QTRY_COMPARE_WITH_TIMEOUT(c->libraryUpdateState(), QStringLiteral("upToDate"), 15000);
        QCOMPARE(c->libraryVersion(), QStringLiteral("9.0"));
    }

    // A large library is kept in a file of its own: the settings, written whole at every
    // change, stay small, however large the library.
    void largeLibraryKeptOutOfTheSettings()
    {
        QJsonArray commands;
        for (int i = 0; i < 2000; ++i) {
            commands.append(
                QJsonObject{{"id", QStringLiteral("c%1").arg(i)},
                            {"name", QJsonObject{{"en", QStringLiteral("Command %1").arg(i)}}},
                            {"cmd", QString(2200, QLatin1Char('c'))}});
        }
        const QByteArray document = libraryDocument(
            QStringLiteral("9.5"),
            QJsonArray{QJsonObject{{"id", "BIG"}, {"protocol", "text"}, {"commands", commands}}});
        QVERIFY(document.size() > 4 * 1024 * 1024 && document.size() < LibraryCache::MaxBytes);
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, document), qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QVERIFY(libraryOfferFound(*c));
        c->downloadLibraryUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 30000);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("upToDate"));
        QCOMPARE(c->commandCount(), 2000);
        c->setCurrentModelId(QStringLiteral("BIG"));
        c->moveCommandRow(0, 5);

        const QString settingsFile = QSettings().fileName();
        QVERIFY(QFileInfo::exists(settingsFile));
        QVERIFY2(QFileInfo(settingsFile).size() < 64 * 1024,
                 qPrintable(QString::number(QFileInfo(settingsFile).size())));
        QCOMPARE(LibraryCache().load(), document);

        c.reset();
        auto next = makeController({});
        QCOMPARE(next->libraryVersion(), QStringLiteral("9.5"));
        QCOMPARE(next->commandCount(), 2000);
    }

    // A library an earlier version kept in the settings moves into its own file at the first
    // start and leaves the settings; the start after that reads the file.
    void libraryInTheSettingsMovesOut()
    {
        const QByteArray document = newerLibrary();
        QSettings().setValue(QStringLiteral("library/cachedJson"), QString::fromUtf8(document));
        QSettings().sync();
        {
            auto c = makeController({});
            QCOMPARE(c->libraryVersion(), QStringLiteral("9.0"));
        }
        QVERIFY(!QSettings().contains(QStringLiteral("library/cachedJson")));
        QCOMPARE(LibraryCache().load(), document);
        auto next = makeController({});
        QCOMPARE(next->libraryVersion(), QStringLiteral("9.0"));
    }

    // A service that never ends its answer, or trickles it, cannot keep a check or a download
    // busy for good: each ends with a message and the buttons are usable again.
    void endlessAndTricklingServices_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<bool>("downloading");
        QTest::addColumn<QString>("message");

        const DeviceLibraryUpdateClient::Limits limits;
        QTest::newRow("check, endless")
            << QStringList{"--fault", "endless", "--fault-path", "/version"} << false
            << ReplyGuard::tooLargeText(limits.check.maxBytes);
        QTest::newRow("download, endless")
            << QStringList{"--fault", "endless", "--fault-path", "/latest"} << true
            << ReplyGuard::tooLargeText(limits.fetch.maxBytes);
        QTest::newRow("check, trickling")
            << QStringList{"--fault", "trickle", "--interval", "200", "--fault-path", "/version"}
            << false << QStringLiteral("The transfer did not finish in time (3 s).");
        QTest::newRow("download, trickling")
            << QStringList{"--fault", "trickle", "--interval", "200", "--fault-path", "/latest"}
            << true << QStringLiteral("The transfer did not finish in time (3 s).");
    }

    void endlessAndTricklingServices()
    {
        QFETCH(QStringList, fault);
        QFETCH(bool, downloading);
        QFETCH(QString, message);

        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, newerLibrary(), fault), qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        // The deadlines of a real service are longer; the same rule with three seconds.
        auto* client = c->findChild<DeviceLibraryUpdateClient*>();
        QVERIFY(client);
        DeviceLibraryUpdateClient::Limits limits;
        limits.check.deadlineMs = 3000;
        limits.fetch.deadlineMs = 3000;
        client->setLimits(limits);

        if (downloading) {
            QVERIFY(libraryOfferFound(*c));
            c->downloadLibraryUpdate();
        } else {
            c->checkForLibraryUpdate();
        }
        QVERIFY(libraryBusy(*c));
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 20000);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("error"));
        QCOMPARE(c->libraryUpdateMessage(), message);
        QCOMPARE(c->libraryUpdateAvailable(), downloading);
        QCOMPARE(c->libraryVersion(), m_builtIn);
    }

    // The chosen model id survives a library that lacks it (the list then shows the library's
    // first model); only a library without models clears it.
    void modelIdAfterDownload_data()
    {
        QTest::addColumn<QJsonValue>("models");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<bool>("modelChanged");

        QTest::newRow("same model, same description")
            << QJsonValue(QJsonArray{libraryModel(
                   QStringLiteral("HX4"),
                   QStringLiteral("Korvel HX4 · Temp/Humidity + Light + WiFi"), {"Ping"})})
            << QStringLiteral("HX4") << QStringLiteral("Korvel HX4 · Temp/Humidity + Light + WiFi")
            << QStringList{"Ping"} << false;
        QTest::newRow("model still there, described anew")
            << QJsonValue(QJsonArray{
                   libraryModel(QStringLiteral("ZX1"), QStringLiteral("ZX1 probe"), {"Hello"}),
                   libraryModel(QStringLiteral("HX4"), QStringLiteral("HX4 mark II"),
                                {"Ping", "Pong"})})
            << QStringLiteral("HX4") << QStringLiteral("HX4 mark II") << QStringList{"Ping", "Pong"}
            << true;
        QTest::newRow("model gone")
            << QJsonValue(QJsonArray{
                   libraryModel(QStringLiteral("ZX1"), QStringLiteral("ZX1 probe"), {"Hello"})})
            << QStringLiteral("HX4") << QStringLiteral("ZX1 probe") << QStringList{"Hello"} << true;
        QTest::newRow("no models")
            << QJsonValue(QJsonArray()) << QString() << QString() << QStringList() << true;
        QTest::newRow("models not a list")
            << QJsonValue(QJsonObject()) << QString() << QString() << QStringList() << true;
    }

    void modelIdAfterDownload()
    {
        QFETCH(QJsonValue, models);
        QFETCH(QString, id);
        QFETCH(QString, description);
        QFETCH(QStringList, commands);
        QFETCH(bool, modelChanged);

        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, libraryDocument(QStringLiteral("9.0"), models)),
                 qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QCOMPARE(c->currentModelId(), QStringLiteral("HX4"));
        QVERIFY(libraryOfferFound(*c));
        QSignalSpy changed(c.get(), &AppController::currentModelChanged);
        c->downloadLibraryUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 15000);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("upToDate"));

        QCOMPARE(c->currentModelId(), id);
        QCOMPARE(c->currentModelDescription(), description);
        QCOMPARE(commandNames(*c), commands);
        QCOMPARE(changed.count(), modelChanged ? 1 : 0);
    }
};

QTEST_MAIN(TestLibraryUpdates)
#include "tst_libraryupdates.moc"
