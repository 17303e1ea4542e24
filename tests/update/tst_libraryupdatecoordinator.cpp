// The device library update workflow on its own, against korvel-update-server on 127.0.0.1:
// what a check makes of each answer, and a download that a real library takes or refuses.
#include "library/devicelibrary.h"
#include "support/testsupport.h"
#include "support/updatefixture.h"
#include "update/devicelibraryupdateclient.h"
#include "update/libraryupdatecoordinator.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace korveltest;

namespace {

QByteArray libraryOf(const QString& version, const QString& minAppVersion = {},
                     const QJsonValue& changelog = QJsonValue::Undefined)
{
    return libraryDocument(version,
                           QJsonArray{libraryModel(QStringLiteral("HX4"), QStringLiteral("HX4"),
                                                   {QStringLiteral("Ping")})},
                           minAppVersion, changelog);
}

// The coordinator over a real library that starts at version 1.0.
struct Workflow
{
    DeviceLibrary library;
    int applied = 0;
    std::unique_ptr<LibraryUpdateCoordinator> coordinator;

    Workflow(const QString& serviceUrl, const QString& appVersion)
    {
        library.loadFromJsonText(libraryOf(QStringLiteral("1.0")));
        coordinator = std::make_unique<LibraryUpdateCoordinator>(
            new DeviceLibraryUpdateClient(serviceUrl, {}), appVersion,
            LibraryUpdateCoordinator::Library{[this] { return library.version(); },
                                              [this](const QByteArray& document, QString* error) {
                                                  ++applied;
                                                  if (!library.loadFromJsonText(document)) {
                                                      *error = library.lastError();
                                                      return false;
                                                  }
                                                  return true;
                                              }});
    }

    bool busy() const
    {
        const QString state = coordinator->state();
        return state == QLatin1String("checking") || state == QLatin1String("downloading");
    }
};

} // namespace

class TestLibraryUpdateCoordinator : public QObject
{
    Q_OBJECT

    UpdateFixture m_fx;

private slots:
    void initTestCase()
    {
        isolateSettingsInEnglish();
        QVERIFY(m_fx.setUp());
    }

    // Which answer becomes which state: an offer only for a version this application may use,
    // and the service's notes (else a plain text) as its message.
    void check_data()
    {
        QTest::addColumn<QByteArray>("published"); // empty: no service configured
        QTest::addColumn<QStringList>("serverArgs");
        QTest::addColumn<QString>("appVersion");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("available");

        const QStringList plain;
        QTest::newRow("no service") << QByteArray() << plain << "2.0"
                                    << "error"
                                    << "No update server configured (.env) -- using the "
                                       "bundled command library only."
                                    << false;
        QTest::newRow("same version") << libraryOf("1.0") << plain << "2.0"
                                      << "upToDate"
                                      << "Command library is up to date (1.0)." << false;
        QTest::newRow("newer, no notes") << libraryOf("9.0") << plain << "2.0"
                                         << "updateAvailable"
                                         << "Version 9.0 is available." << true;
        QTest::newRow("newer, with notes")
            << libraryOf("9.0", {},
                         QJsonObject{{QStringLiteral("zh"), QStringLiteral("更新")},
                                     {QStringLiteral("en"), QStringLiteral("More sensors.")}})
            << plain << "2.0"
            << "updateAvailable"
            << "More sensors." << true;
        QTest::newRow("needs this very app version") << libraryOf("9.0", "2.0") << plain << "2.0"
                                                     << "updateAvailable"
                                                     << "Version 9.0 is available." << true;
        QTest::newRow("needs a newer app, numerically")
            << libraryOf("9.0", "2.10") << plain << "2.9"
            << "error"
            << "Version 9.0 is available, but requires app version 2.10 or later -- please "
               "update the app first."
            << false;
        QTest::newRow("service refuses")
            << libraryOf("9.0") << QStringList{"--fault", "http-500"} << "2.0"
            << "error" << QString() << false;
    }

    void check()
    {
        QFETCH(QByteArray, published);
        QFETCH(QStringList, serverArgs);
        QFETCH(QString, appVersion);
        QFETCH(QString, state);
        QFETCH(QString, message);
        QFETCH(bool, available);

        UpdateServerProcess server;
        if (!published.isEmpty()) {
            QVERIFY2(m_fx.serveLibrary(server, published, serverArgs), qPrintable(server.error()));
        }
        Workflow flow(published.isEmpty() ? QString() : server.baseUrl(), appVersion);
        QSignalSpy answered(flow.coordinator.get(), &LibraryUpdateCoordinator::checkAnswered);
        flow.coordinator->check();
        QTRY_VERIFY_WITH_TIMEOUT(!flow.busy(), 15000);
        QCOMPARE(flow.coordinator->state(), state);
        if (!message.isEmpty()) {
            QCOMPARE(flow.coordinator->message(), message);
        } else {
            QVERIFY(!flow.coordinator->message().isEmpty());
        }
        QCOMPARE(flow.coordinator->updateAvailable(), available);
        // Only an answer of the service counts as a check made.
        QCOMPARE(answered.count(), published.isEmpty() ? 0 : 1);
        QCOMPARE(flow.applied, 0);
    }

    // An offer is fetched and put in use once; the state says so and nothing is on offer after.
    void downloadApplies()
    {
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, newerLibrary()), qPrintable(server.error()));
        Workflow flow(server.baseUrl(), QStringLiteral("2.0"));

        // Nothing is fetched before a check offered something.
        flow.coordinator->download();
        QCOMPARE(flow.coordinator->state(), QStringLiteral("idle"));

        flow.coordinator->check();
        QTRY_VERIFY_WITH_TIMEOUT(!flow.busy(), 15000);
        QVERIFY(flow.coordinator->updateAvailable());
        QCOMPARE(flow.coordinator->remoteVersion(), QStringLiteral("9.0"));
        flow.coordinator->download();
        QCOMPARE(flow.coordinator->state(), QStringLiteral("downloading"));
        QTRY_VERIFY_WITH_TIMEOUT(!flow.busy(), 15000);
        QCOMPARE(flow.coordinator->state(), QStringLiteral("upToDate"));
        QCOMPARE(flow.coordinator->message(), QStringLiteral("Updated to 9.0."));
        QVERIFY(!flow.coordinator->updateAvailable());
        QCOMPARE(flow.library.version(), QStringLiteral("9.0"));
        QCOMPARE(flow.library.modelIds(), (QStringList{"HX4", "AT2"}));

        QSignalSpy notified(flow.coordinator.get(), &LibraryUpdateCoordinator::stateChanged);
        flow.coordinator->download();
        QCOMPARE(notified.count(), 0);
        QCOMPARE(flow.applied, 1);
        QCOMPARE(server.requests(3, 500).size(), 2);
    }

    // A document the library refuses leaves it as it was, says why, and keeps the offer, so
    // the download can be tried again.
    void refusedDocumentKeepsOffer()
    {
        QJsonArray models;
        for (qsizetype i = 0; i <= DeviceLibrary::MaxModels; ++i) {
            models.append(QJsonObject{{QStringLiteral("id"), QString::number(i)}});
        }
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, libraryDocument(QStringLiteral("9.0"), models)),
                 qPrintable(server.error()));
        Workflow flow(server.baseUrl(), QStringLiteral("2.0"));
        flow.coordinator->check();
        QTRY_VERIFY_WITH_TIMEOUT(!flow.busy(), 15000);
        QVERIFY(flow.coordinator->updateAvailable());

        for (int attempt = 1; attempt <= 2; ++attempt) {
            flow.coordinator->download();
            QTRY_VERIFY_WITH_TIMEOUT(!flow.busy(), 15000);
            QCOMPARE(flow.coordinator->state(), QStringLiteral("error"));
            QCOMPARE(flow.coordinator->message(),
                     QStringLiteral("Downloaded data could not be applied: the library holds "
                                    "more than %1 models")
                         .arg(DeviceLibrary::MaxModels));
            QVERIFY(flow.coordinator->updateAvailable());
            QCOMPARE(flow.applied, attempt);
            QCOMPARE(flow.library.version(), QStringLiteral("1.0"));
        }
    }
};

QTEST_GUILESS_MAIN(TestLibraryUpdateCoordinator)
#include "tst_libraryupdatecoordinator.moc"
