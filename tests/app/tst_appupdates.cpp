// The controller's application update against korvel-update-server on 127.0.0.1: check,
// download with progress, cancel, and the end of the download on this platform; and which
// requests carry the services' keys.
#include "app/appcontroller.h"
#include "support/testsupport.h"
#include "support/updatefixture.h"
#include "update/softwareupdateclient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using namespace korveltest;

namespace {

const QString kNoAppService = QStringLiteral("No update server configured (.env).");
const QString kNotSupported = QStringLiteral(
    "Self-update isn't supported on this platform yet -- please download the new version "
    "manually.");

} // namespace

class TestAppUpdates : public QObject
{
    Q_OBJECT

    UpdateFixture m_fx;

private slots:
    void initTestCase()
    {
        isolateSettings();
        QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_APP_VERSION));
        QVERIFY(m_fx.setUp());
    }

    void init()
    {
        korveltest::clearSettings();
        // No package of an earlier case is mistaken for a new download.
        QVERIFY(m_fx.clearDownloads());
    }

    // The key goes, only when one is configured, to the service address and never with the
    // package, which may live on another host.
    void apiKeyOnlyWhenSet_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("required");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no key") << QString() << QString() << true;
        QTest::newRow("key") << QStringLiteral("dev-key") << QStringLiteral("dev-key") << true;
        QTest::newRow("key missing") << QString() << QStringLiteral("dev-key") << false;
        QTest::newRow("wrong key")
            << QStringLiteral("old-key") << QStringLiteral("dev-key") << false;
    }

    void apiKeyOnlyWhenSet()
    {
        QFETCH(QString, key);
        QFETCH(QString, required);
        QFETCH(bool, accepted);

        UpdateServerProcess server;
        const QString libraries = m_fx.freshFolder();
        QVERIFY(korveltest::writeFile(libraries + QStringLiteral("/lib.json"), newerLibrary()));
        QStringList args{QStringLiteral("--library-dir"), libraries};
        if (!required.isEmpty()) {
            args << QStringLiteral("--api-key") << required;
        }
        QVERIFY2(m_fx.serveReleases(
                     server, {release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"))},
                     "package", args),
                 qPrintable(server.error()));
        QByteArray env = envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()) +
                         envLine("APP_UPDATE_API_BASE_URL", server.baseUrl());
        if (!key.isEmpty()) {
            env += envLine("DEVICE_LIBRARY_API_KEY", key) + envLine("APP_UPDATE_API_KEY", key);
        }
        auto c = makeController(env);

        QCOMPARE(libraryOfferFound(*c), accepted);
        QCOMPARE(appOfferFound(*c), accepted);
        if (!accepted) {
            // Refused with HTTP 401, which the network layer words itself.
            const QString refused = replyError(server.baseUrl() + QStringLiteral("/version"));
            QVERIFY(!refused.isEmpty());
            QCOMPARE(c->libraryUpdateMessage(), refused);
            QCOMPARE(c->appUpdateMessage(), refused);
            return;
        }
        c->downloadLibraryUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!libraryBusy(*c), 15000);
        QCOMPARE(c->libraryUpdateState(), QStringLiteral("upToDate"));
        c->installAppUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!appBusy(*c), 15000);
        QCOMPARE(c->appUpdateMessage(), kNotSupported);

        const QList<QJsonObject> requests = server.requests(4);
        QStringList paths;
        for (const QJsonObject& request : requests) {
            const QString path = request.value(QLatin1String("path")).toString();
            paths << path;
            const QString sent = requestHeader(request, QStringLiteral("x-api-key"));
            if (key.isEmpty() || path.startsWith(QLatin1String("/software/packages/"))) {
                QVERIFY2(sent.isNull(), qPrintable(path));
            } else {
                QCOMPARE(sent, key);
            }
        }
        QCOMPARE(paths, QStringList({"/version", "/software/list", "/latest",
                                     "/software/packages/korvel.zip"}));
    }

    void appWithoutService()
    {
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveReleases(server, {release(QStringLiteral("0.9.0"))}),
                 qPrintable(server.error()));
        auto c = makeController(envLine("DEVICE_LIBRARY_API_BASE_URL", server.baseUrl()));
        QSignalSpy notified(c.get(), &AppController::appUpdateStateChanged);
        c->checkForAppUpdate();
        QCOMPARE(notified.count(), 1);
        QCOMPARE(c->appUpdateState(), QStringLiteral("error"));
        QCOMPARE(c->appUpdateMessage(), kNoAppService);
        QVERIFY(!c->appUpdateAvailable());
        c->installAppUpdate();
        QCOMPARE(notified.count(), 1);
        QCOMPARE(server.requests(1, 300).size(), 0);
    }

    void appCheck_data()
    {
        QTest::addColumn<QJsonArray>("releases");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("forced");
        QTest::addColumn<QString>("remote");

        const QString version = QStringLiteral(KORVEL_APP_VERSION);
        QTest::newRow("same version")
            << QJsonArray{release(version)} << QStringList() << QStringLiteral("upToDate")
            << QStringLiteral("You're on the latest version (%1).").arg(version) << false << false
            << version;
        QTest::newRow("older release")
            << QJsonArray{release(QStringLiteral("0.7.8"))} << QStringList()
            << QStringLiteral("upToDate")
            << QStringLiteral("You're on the latest version (%1).").arg(version) << false << false
            << QStringLiteral("0.7.8");
        QTest::newRow("newer, with notes")
            << QJsonArray{release(QStringLiteral("other"), {}, {}, false, {},
                                  QStringLiteral("other-app")),
                          release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"),
                                  QStringLiteral("Faster start-up."))}
            << QStringList() << QStringLiteral("updateAvailable")
            << QStringLiteral("Faster start-up.") << true << false << QStringLiteral("0.9.0");
        QTest::newRow("newer, no notes")
            << QJsonArray{release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"))}
            << QStringList() << QStringLiteral("updateAvailable")
            << QStringLiteral("Version 0.9.0 is available.") << true << false
            << QStringLiteral("0.9.0");
        QTest::newRow("forced") << QJsonArray{release(QStringLiteral("0.9.0"),
                                                      QStringLiteral("korvel.zip"),
                                                      QStringLiteral("Security fix."), true)}
                                << QStringList() << QStringLiteral("updateAvailable")
                                << QStringLiteral("Security fix.") << true << true
                                << QStringLiteral("0.9.0");
        QTest::newRow("too old to update")
            << QJsonArray{release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"),
                                  QStringLiteral("Big change."), false, QStringLiteral("0.8"))}
            << QStringList() << QStringLiteral("error")
            << QStringLiteral("Version 0.9.0 is available, but requires updating from version "
                              "0.8 or later first -- please reinstall the app before trying "
                              "again.")
            << false << false << QStringLiteral("0.9.0");
        QTest::newRow("not registered")
            << QJsonArray{release(QStringLiteral("0.9.0"), {}, {}, false, {},
                                  QStringLiteral("Korvel-Serial-Assistant"))}
            << QStringList() << QStringLiteral("error")
            << QStringLiteral("This app isn't registered on the update server (slug "
                              "\"korvel-serial-assistant\" not found).")
            << false << false << QString();
        QTest::newRow("service error")
            << QJsonArray{release(QStringLiteral("0.9.0"))}
            << QStringList{"--fault", "service-error", "--message", "Try again tomorrow."}
            << QStringLiteral("error") << QStringLiteral("Try again tomorrow.") << false << false
            << QString();
    }

    void appCheck()
    {
        QFETCH(QJsonArray, releases);
        QFETCH(QStringList, args);
        QFETCH(QString, state);
        QFETCH(QString, message);
        QFETCH(bool, available);
        QFETCH(bool, forced);
        QFETCH(QString, remote);

        UpdateServerProcess server;
        QVERIFY2(m_fx.serveReleases(server, releases, "package", args), qPrintable(server.error()));
        auto c = makeController(envLine("APP_UPDATE_API_BASE_URL", server.baseUrl()));
        QSignalSpy notified(c.get(), &AppController::appUpdateStateChanged);
        c->checkForAppUpdate();
        QCOMPARE(c->appUpdateState(), QStringLiteral("checking"));
        QCOMPARE(c->appUpdateMessage(), QStringLiteral("Checking for updates…"));
        QTRY_VERIFY_WITH_TIMEOUT(!appBusy(*c), 15000);
        QCOMPARE(notified.count(), 2);
        QCOMPARE(c->appUpdateState(), state);
        QCOMPARE(c->appUpdateMessage(), message);
        QCOMPARE(c->appUpdateAvailable(), available);
        QCOMPARE(c->appUpdateForced(), forced);
        QCOMPARE(c->remoteAppVersion(), remote);
        QCOMPARE(c->appUpdateProgress(), 0.0);
    }

    // A failed check withdraws the earlier offer, so nothing can be installed from it.
    void failedCheckWithdrawsOffer()
    {
        UpdateServerProcess server;
        QString folder;
        QVERIFY2(m_fx.serveReleases(server,
                                    {release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"),
                                             QStringLiteral("Notes."), true)},
                                    "package", {}, &folder),
                 qPrintable(server.error()));
        auto c = makeController(envLine("APP_UPDATE_API_BASE_URL", server.baseUrl()));
        QVERIFY(appOfferFound(*c));
        QVERIFY(c->appUpdateForced());

        QVERIFY(korveltest::writeFile(folder + QStringLiteral("/releases.json"), "[]"));
        QVERIFY(!appOfferFound(*c));
        QCOMPARE(c->appUpdateState(), QStringLiteral("error"));
        QCOMPARE(c->remoteAppVersion(), QString());
        QVERIFY(!c->appUpdateForced());
        QSignalSpy notified(c.get(), &AppController::appUpdateStateChanged);
        c->installAppUpdate();
        QCOMPARE(notified.count(), 0);
        QCOMPARE(server.requests(2).size(), 2);
        QVERIFY(!QFileInfo::exists(m_fx.downloadTarget()));
    }

    // The package lands in the temporary folder with the progress shown on the way; here the
    // application cannot replace itself, and says so.
    void appDownload_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<bool>("sizeKnown");
        QTest::addColumn<int>("size");

        // Big enough for several progress reports, which Qt gives at most every 100 ms or so.
        QTest::newRow("size known") << QStringList{"--fault", "slow"} << true << 300 * 1024;
        QTest::newRow("size unknown")
            << QStringList{"--fault", "no-length"} << false << 1024 * 1024;
    }

    void appDownload()
    {
        QFETCH(QStringList, fault);
        QFETCH(bool, sizeKnown);
        QFETCH(int, size);

        const QByteArray package = packageBytes(size);
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveReleases(
                     server, {release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"))},
                     package, fault + QStringList{"--fault-path", "/software/packages"}),
                 qPrintable(server.error()));
        auto c = makeController(envLine("APP_UPDATE_API_BASE_URL", server.baseUrl()));
        QVERIFY(appOfferFound(*c));

        QList<double> progress;
        connect(c.get(), &AppController::appUpdateProgressChanged, this,
                [&] { progress << c->appUpdateProgress(); });
        QStringList states;
        connect(c.get(), &AppController::appUpdateStateChanged, this,
                [&] { states << c->appUpdateState(); });
        // What the controller made of each report of the client while the size was unknown.
        QList<double> whileUnknown;
        auto* client = c->findChild<SoftwareUpdateClient*>();
        QVERIFY(client);
        connect(client, &SoftwareUpdateClient::downloadProgress, this,
                [&](qlonglong, qlonglong total) {
                    if (total < 0) {
                        whileUnknown << c->appUpdateProgress();
                    }
                });
        c->installAppUpdate();
        QCOMPARE(c->appUpdateState(), QStringLiteral("downloading"));
        QCOMPARE(c->appUpdateMessage(), QStringLiteral("Downloading update…"));
        QCOMPARE(progress, QList<double>{0.0});
        QTRY_VERIFY_WITH_TIMEOUT(!appBusy(*c), 30000);

        QCOMPARE(states, QStringList({"downloading", "error"}));
        QCOMPARE(c->appUpdateMessage(), kNotSupported);
        QVERIFY(c->appUpdateAvailable());
        QCOMPARE(korveltest::fileBytes(m_fx.downloadTarget()), package);
        if (sizeKnown) {
            // Several steps between nothing and all of it, never backwards.
            QVERIFY2(progress.size() >= 4, qPrintable(QString::number(progress.size())));
            QCOMPARE(progress.constLast(), 1.0);
            for (qsizetype i = 1; i < progress.size(); ++i) {
                QVERIFY(progress.at(i) > progress.at(i - 1));
            }
            QVERIFY(progress.at(1) < 0.5);
            QVERIFY(whileUnknown.isEmpty());
        } else {
            // The bar stays empty while pieces arrive. Qt gives the size with the last piece
            // (received == total), which fills the bar just before the outcome replaces it.
            QVERIFY2(whileUnknown.size() >= 2, qPrintable(QString::number(whileUnknown.size())));
            QCOMPARE(whileUnknown, QList<double>(whileUnknown.size(), 0.0));
            QVERIFY2(progress == QList<double>{0.0} || progress == QList<double>({0.0, 1.0}),
                     qPrintable(QString::number(progress.size())));
        }
    }

    // Cancelling returns to the offer; nothing of the cancelled download is reported later,
    // and "Update now" starts again.
    void cancelDownload()
    {
        const QByteArray package = packageBytes(1024 * 1024);
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveReleases(server,
                                    {release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"),
                                             QStringLiteral("Notes."))},
                                    package,
                                    {"--fault", "slow", "--fault-path", "/software/packages"}),
                 qPrintable(server.error()));
        auto c = makeController(envLine("APP_UPDATE_API_BASE_URL", server.baseUrl()));
        QVERIFY(appOfferFound(*c));

        // Cancelling with nothing to cancel changes nothing.
        QSignalSpy notified(c.get(), &AppController::appUpdateStateChanged);
        c->cancelAppUpdateDownload();
        QCOMPARE(notified.count(), 0);
        QCOMPARE(c->appUpdateMessage(), QStringLiteral("Notes."));

        c->installAppUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(c->appUpdateProgress() > 0.0, 15000);
        QVERIFY(c->appUpdateProgress() < 1.0);
        c->cancelAppUpdateDownload();
        QCOMPARE(c->appUpdateState(), QStringLiteral("updateAvailable"));
        QCOMPARE(c->appUpdateMessage(), QStringLiteral("Download cancelled."));
        QVERIFY(c->appUpdateAvailable());
        notified.clear();
        QVERIFY(!notified.wait(1500));

        c->installAppUpdate();
        QCOMPARE(c->appUpdateState(), QStringLiteral("downloading"));
        QCOMPARE(c->appUpdateProgress(), 0.0);
        QTRY_VERIFY_WITH_TIMEOUT(!appBusy(*c), 30000);
        QCOMPARE(c->appUpdateMessage(), kNotSupported);
        QCOMPARE(korveltest::fileBytes(m_fx.downloadTarget()), package);
    }

    // A failed download says why and keeps the offer.
    void failedDownloadKeepsOffer_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("http 500") << QStringList{"--fault", "http-500"}
                                  << QStringLiteral("Internal Server Error");
        QTest::newRow("cut short") << QStringList{"--fault", "half-close"} << QString();
    }

    void failedDownloadKeepsOffer()
    {
        QFETCH(QStringList, fault);
        QFETCH(QString, message);

        UpdateServerProcess server;
        QVERIFY2(m_fx.serveReleases(server,
                                    {release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"),
                                             QStringLiteral("Notes."), true)},
                                    packageBytes(64 * 1024),
                                    fault + QStringList{"--fault-path", "/software/packages"}),
                 qPrintable(server.error()));
        auto c = makeController(envLine("APP_UPDATE_API_BASE_URL", server.baseUrl()));
        QVERIFY(appOfferFound(*c));
        c->installAppUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!appBusy(*c), 30000);
        QCOMPARE(c->appUpdateState(), QStringLiteral("error"));
        QVERIFY(!c->appUpdateMessage().isEmpty());
        QVERIFY(c->appUpdateMessage() != kNotSupported);
        QVERIFY2(c->appUpdateMessage().contains(message), qPrintable(c->appUpdateMessage()));
        QVERIFY(c->appUpdateAvailable());
        QVERIFY(c->appUpdateForced());
        QCOMPARE(c->remoteAppVersion(), QStringLiteral("0.9.0"));
    }

    // The download folder lies in a temporary folder other users may write to: a link placed
    // there is never written through.
    void downloadFolderLinks_data()
    {
        QTest::addColumn<bool>("folderIsLink");
        QTest::newRow("folder is a link") << true;
        QTest::newRow("package is a link") << false;
    }

    void downloadFolderLinks()
    {
        QFETCH(bool, folderIsLink);

        const QString victim = m_fx.freshFolder();
        const QString precious = victim + QStringLiteral("/update.zip");
        QVERIFY(korveltest::writeFile(precious, "the user's own file"));
        if (folderIsLink) {
            QVERIFY(QFile::link(victim, m_fx.downloadFolder()));
        } else {
            QVERIFY(QDir().mkpath(m_fx.downloadFolder()));
            QVERIFY(QFile::link(precious, m_fx.downloadTarget()));
        }

        const QByteArray package = packageBytes(4096);
        UpdateServerProcess server;
        QVERIFY2(
            m_fx.serveReleases(
                server, {release(QStringLiteral("0.9.0"), QStringLiteral("korvel.zip"))}, package),
            qPrintable(server.error()));
        auto c = makeController(envLine("APP_UPDATE_API_BASE_URL", server.baseUrl()));
        QVERIFY(appOfferFound(*c));
        c->installAppUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!appBusy(*c), 15000);
        QCOMPARE(c->appUpdateState(), QStringLiteral("error"));
        QCOMPARE(korveltest::fileBytes(precious), QByteArray("the user's own file"));
        if (folderIsLink) {
            QCOMPARE(c->appUpdateMessage(),
                     QStringLiteral("The download folder %1 is a link; remove it and try again.")
                         .arg(m_fx.downloadFolder()));
            QCOMPARE(server.requests(2, 300).size(), 1);
            QFile::remove(m_fx.downloadFolder());
        } else {
            QCOMPARE(c->appUpdateMessage(), kNotSupported);
            QVERIFY(!QFileInfo(m_fx.downloadTarget()).isSymLink());
            QCOMPARE(korveltest::fileBytes(m_fx.downloadTarget()), package);
            QCOMPARE(QFileInfo(m_fx.downloadFolder()).permissions() &
                         (QFile::WriteGroup | QFile::WriteOther | QFile::ReadOther),
                     QFile::Permissions());
        }
    }
};

QTEST_MAIN(TestAppUpdates)
#include "tst_appupdates.moc"
