// The application update workflow on its own, against korvel-update-server on 127.0.0.1: what
// a check makes of each answer, and a package download that finishes, is cut or is cancelled.
#include "support/testsupport.h"
#include "support/updatefixture.h"
#include "update/appupdatecoordinator.h"
#include "update/softwareupdateclient.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace korveltest;

namespace {

const QString kAppVersion = QStringLiteral("2.0.0");

std::unique_ptr<AppUpdateCoordinator> coordinatorFor(const QString& serviceUrl)
{
    return std::make_unique<AppUpdateCoordinator>(new SoftwareUpdateClient(serviceUrl, {}),
                                                  kAppVersion);
}

bool busy(const AppUpdateCoordinator& coordinator)
{
    const QString state = coordinator.state();
    return state == QLatin1String("checking") || state == QLatin1String("downloading");
}

// What the download folder holds, temporary files included.
QStringList downloadFolderEntries()
{
    const QFileInfo target(AppUpdateCoordinator::downloadTarget());
    return target.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestAppUpdateCoordinator : public QObject
{
    Q_OBJECT

    UpdateFixture m_fx;

private slots:
    void initTestCase()
    {
        isolateSettingsInEnglish();
        QVERIFY(m_fx.setUp());
        QCOMPARE(AppUpdateCoordinator::downloadTarget(), m_fx.downloadTarget());
    }

    void init() { QVERIFY(m_fx.clearDownloads()); }

    // Which release list becomes which state; a failed check clears an earlier offer.
    void check_data()
    {
        QTest::addColumn<QJsonArray>("releases"); // empty: no service configured
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("forced");

        QTest::newRow("no service") << QJsonArray() << "error"
                                    << "No update server configured (.env)." << false << false;
        QTest::newRow("this version") << QJsonArray{release(kAppVersion)} << "upToDate"
                                      << "You're on the latest version (2.0.0)." << false << false;
        QTest::newRow("newer, with notes")
            << QJsonArray{release("2.1.0", "korvel.zip", "Faster.")} << "updateAvailable"
            << "Faster." << true << false;
        QTest::newRow("newer, no notes")
            << QJsonArray{release("2.10.0", "korvel.zip")} << "updateAvailable"
            << "Version 2.10.0 is available." << true << false;
        QTest::newRow("forced") << QJsonArray{release("3.0.0", "korvel.zip", "Must.", true)}
                                << "updateAvailable"
                                << "Must." << true << true;
        QTest::newRow("installed version too old")
            << QJsonArray{release("3.0.0", "korvel.zip", "Notes.", false, "2.5.0")} << "error"
            << "Version 3.0.0 is available, but requires updating from version 2.5.0 or later "
               "first -- please reinstall the app before trying again."
            << false << false;
    }

    void check()
    {
        QFETCH(QJsonArray, releases);
        QFETCH(QString, state);
        QFETCH(QString, message);
        QFETCH(bool, available);
        QFETCH(bool, forced);

        UpdateServerProcess server;
        if (!releases.isEmpty()) {
            QVERIFY2(m_fx.serveReleases(server, releases, "package"), qPrintable(server.error()));
        }
        auto coordinator = coordinatorFor(releases.isEmpty() ? QString() : server.baseUrl());
        coordinator->check();
        QTRY_VERIFY_WITH_TIMEOUT(!busy(*coordinator), 15000);
        QCOMPARE(coordinator->state(), state);
        QCOMPARE(coordinator->message(), message);
        QCOMPARE(coordinator->updateAvailable(), available);
        QCOMPARE(coordinator->forced(), forced);

        // Installing is only for an offer.
        coordinator->install();
        QCOMPARE(coordinator->state() == QLatin1String("downloading"), available);
        coordinator->cancelDownload();
    }

    // A package that arrives whole is stored under its name and handed to the installer,
    // which this platform lacks; the progress runs up to the end.
    void downloadWhole()
    {
        const QByteArray package = packageBytes(256 * 1024);
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveReleases(server, {release("2.1.0", "korvel.zip", "Notes.")}, package),
                 qPrintable(server.error()));
        auto coordinator = coordinatorFor(server.baseUrl());
        coordinator->check();
        QTRY_VERIFY_WITH_TIMEOUT(coordinator->updateAvailable(), 15000);
        QSignalSpy progress(coordinator.get(), &AppUpdateCoordinator::progressChanged);
        coordinator->install();
        QCOMPARE(coordinator->state(), QStringLiteral("downloading"));
        QTRY_VERIFY_WITH_TIMEOUT(!busy(*coordinator), 15000);
        QCOMPARE(coordinator->progress(), 1.0);
        QVERIFY(progress.count() >= 2); // reset to 0, then on to 1
        if (!AppUpdateCoordinator::selfUpdateSupported()) {
            QCOMPARE(coordinator->state(), QStringLiteral("error"));
            QCOMPARE(coordinator->message(),
                     QStringLiteral("Self-update isn't supported on this platform yet -- please "
                                    "download the new version manually."));
        }
        QCOMPARE(fileBytes(AppUpdateCoordinator::downloadTarget()), package);
        QCOMPARE(downloadFolderEntries(), QStringList{QStringLiteral("update.zip")});
    }

    // A transfer that is cut or cancelled leaves nothing in the download folder, and a package
    // downloaded before keeps its name and bytes; the offer stands for another try.
    void unfinishedDownloadLeavesNoFile_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("earlierPackage");
        QTest::addColumn<QString>("state"); // the offer stands either way

        const QStringList slow{"--fault", "slow", "--fault-path", "/software/packages"};
        const QStringList cut{"--fault", "half-close", "--fault-path", "/software/packages"};
        QTest::newRow("cancelled") << slow << true << false << "updateAvailable";
        QTest::newRow("cancelled, earlier package kept")
            << slow << true << true << "updateAvailable";
        QTest::newRow("connection cut") << cut << false << false << "error";
        QTest::newRow("connection cut, earlier package kept") << cut << false << true << "error";
    }

    void unfinishedDownloadLeavesNoFile()
    {
        QFETCH(QStringList, fault);
        QFETCH(bool, cancel);
        QFETCH(bool, earlierPackage);
        QFETCH(QString, state);

        const QByteArray package = packageBytes(1024 * 1024);
        UpdateServerProcess server;
        QVERIFY2(
            m_fx.serveReleases(server, {release("2.1.0", "korvel.zip", "Notes.")}, package, fault),
            qPrintable(server.error()));
        const QString target = AppUpdateCoordinator::downloadTarget();
        const QByteArray earlier("an earlier package");
        if (earlierPackage) {
            QVERIFY(QDir().mkpath(QFileInfo(target).path()));
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(earlier), earlier.size());
        }
        auto coordinator = coordinatorFor(server.baseUrl());
        coordinator->check();
        QTRY_VERIFY_WITH_TIMEOUT(coordinator->updateAvailable(), 15000);
        coordinator->install();
        if (cancel) {
            QTRY_VERIFY_WITH_TIMEOUT(coordinator->progress() > 0.0, 15000);
            QVERIFY(coordinator->progress() < 1.0);
            coordinator->cancelDownload();
            QCOMPARE(coordinator->message(), QStringLiteral("Download cancelled."));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!busy(*coordinator), 30000);
            QVERIFY(!coordinator->message().isEmpty());
        }
        QCOMPARE(coordinator->state(), state);
        QVERIFY(coordinator->updateAvailable());
        if (earlierPackage) {
            QCOMPARE(fileBytes(target), earlier);
            QCOMPARE(downloadFolderEntries(), QStringList{QStringLiteral("update.zip")});
        } else {
            QVERIFY(!QFileInfo::exists(target));
            QCOMPARE(downloadFolderEntries(), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestAppUpdateCoordinator)
#include "tst_appupdatecoordinator.moc"
