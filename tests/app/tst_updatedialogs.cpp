// The update dialogs in the real window against korvel-update-server on 127.0.0.1: the command
// library update from the settings dialog, step by step as the user sees it, and the application
// update dialog with its offer, progress, cancel and outcome.
#include "app/appcontroller.h"
#include "buildinfo.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"
#include "support/updatefixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using korveltest::MainWindowDriver;
using korveltest::UpdateServerProcess;

namespace {

const QStringList kWatched{QStringLiteral("Main.qml"), QStringLiteral("SettingsAboutDialog.qml"),
                           QStringLiteral("SoftwareUpdateDialog.qml"),
                           QStringLiteral("CommandLibraryPanel.qml")};

const QString kSampleVersion = QStringLiteral("lib-2026.09.30");

// What the library dialog showed at one step.
struct LibraryStep
{
    QString message;
    bool busy = false;
    bool download = false;
    bool downloadUsable = false;
    bool check = false;

    bool operator==(const LibraryStep& other) const
    {
        return message == other.message && busy == other.busy && download == other.download &&
               downloadUsable == other.downloadUsable && check == other.check;
    }
};

char* toString(const LibraryStep& step)
{
    return QTest::toString(QStringLiteral("\"%1\" busy=%2 download=%3 usable=%4 check=%5")
                               .arg(step.message)
                               .arg(step.busy)
                               .arg(step.download)
                               .arg(step.downloadUsable)
                               .arg(step.check));
}

} // namespace

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

    korveltest::UpdateFixture m_fx;
    MainWindowDriver m_ui;

    QQuickItem* item(const char* name) const
    {
        QQuickItem* found = m_ui.item(QString::fromLatin1(name));
        if (!found) {
            qWarning("no item %s", name);
        }
        return found;
    }
    QObject* object(const char* name) const { return m_ui.object(QString::fromLatin1(name)); }
    AppController* controller() const { return m_ui.controller(); }
    QString text(const char* name) const { return item(name)->property("text").toString(); }
    bool shown(const char* name) const { return item(name)->isVisible(); }

    void click(const char* name) { QVERIFY2(m_ui.clickWhenReady(QLatin1String(name)), name); }
    void waitOpened(const char* dialog)
    {
        QVERIFY2(m_ui.waitOpened(QLatin1String(dialog)), dialog);
    }
    void waitClosed(const char* dialog)
    {
        QVERIFY2(m_ui.waitClosed(QLatin1String(dialog)), dialog);
    }

    // Whether every shown button of the software update dialog lies inside the dialog, side by
    // side; @p problem names the first one that does not.
    bool buttonsLaidOut(QString* problem) const
    {
        QObject* dialog = object("softwareUpdateDialog");
        const QRectF box(dialog->property("x").toReal(), dialog->property("y").toReal(),
                         dialog->property("width").toReal(), dialog->property("height").toReal());
        QList<QRectF> taken;
        for (const char* name : {"laterButton", "cancelDownloadButton", "updateNowButton",
                                 "downloadPageButton", "retryButton", "okButton"}) {
            QQuickItem* button = item(name);
            if (!button->isVisible()) {
                continue;
            }
            const QRectF rect =
                button->mapRectToScene(QRectF(0, 0, button->width(), button->height()));
            const bool overlaps = std::any_of(taken.cbegin(), taken.cend(),
                                              [&](const QRectF& o) { return o.intersects(rect); });
            if (!box.contains(rect) || overlaps) {
                *problem = QString::fromLatin1(name);
                return false;
            }
            taken << rect;
        }
        *problem = QStringLiteral("no button");
        return !taken.isEmpty();
    }

    // The buttons once the dialog's layout has settled.
    void buttonsInside()
    {
        QString problem;
        QTRY_VERIFY2(buttonsLaidOut(&problem), qPrintable(problem));
    }

    // Whether this platform installs an update itself, as the dialog reads it.
    bool selfUpdates() const { return controller()->property("selfUpdateSupported").toBool(); }

    // Takes up the offer: with "Update now" where the program installs an
    // update itself; elsewhere the offer leads to the download page instead,
    // and the download (still the controller's) is started directly.
    void takeTheOffer()
    {
        if (selfUpdates()) {
            QVERIFY(!shown("downloadPageButton"));
            click("updateNowButton");
        } else {
            QVERIFY(!shown("updateNowButton"));
            QVERIFY(shown("downloadPageButton"));
            controller()->installAppUpdate();
        }
    }

    // The window with its update clients configured by @p env.
    bool load(const QByteArray& env)
    {
        m_ui.setServices(korveltest::testServices({}, env));
        return m_ui.load(kWatched);
    }

    // A release folder offering 0.9.0 as "korvel.zip" of @p size bytes.
    QString releaseFolder(qsizetype size, bool forced = false)
    {
        const QString dir = m_fx.freshFolder();
        const QJsonArray releases{korveltest::release(QStringLiteral("0.9.0"),
                                                      QStringLiteral("korvel.zip"),
                                                      QStringLiteral("Faster start-up."), forced)};
        korveltest::writeFile(dir + QStringLiteral("/releases.json"),
                              QJsonDocument(releases).toJson());
        korveltest::writeFile(dir + QStringLiteral("/korvel.zip"), QByteArray(size, 'z'));
        return dir;
    }

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_APP_VERSION));
        QVERIFY(m_fx.setUp());
    }

    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::clearSettings();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    }

    void cleanup()
    {
        if (controller()) {
            QVERIFY2(m_ui.warnings().isEmpty(), qPrintable(m_ui.warnings().join('\n')));
        }
        m_ui.unload();
    }

    // The sample library from its own folder, as a new user would serve it: "Check for
    // updates", then "Download and apply", and the AT2 is in the model picker.
    void libraryUpdateFromTheSettingsDialog()
    {
        UpdateServerProcess server;
        QVERIFY2(server.start({QStringLiteral("--library-dir"),
                               qEnvironmentVariable("KORVEL_SAMPLE_DATA"),
                               QStringLiteral("--api-key"), QStringLiteral("dev-key")}),
                 qPrintable(server.error()));
        QVERIFY(load("DEVICE_LIBRARY_API_BASE_URL=" + server.baseUrl().toUtf8() +
                     "\nDEVICE_LIBRARY_API_KEY=dev-key\n"));
        const QString builtIn = controller()->libraryVersion();
        QCOMPARE(item("modelPicker")->property("count").toInt(), 1);

        // "Check for updates" starts the check and then opens the dialog, in one click: each
        // step is read once the event loop comes round, as the user would see it. The answer
        // needs several more rounds on the socket, so no step is skipped.
        QList<LibraryStep> steps;
        connect(controller(), &AppController::libraryUpdateStateChanged, this, [&] {
            QMetaObject::invokeMethod(
                this,
                [&] {
                    QQuickItem* download = item("downloadLibraryButton");
                    steps << LibraryStep{text("libraryUpdateMessage"),
                                         shown("libraryBusyIndicator"), download->isVisible(),
                                         download->isVisible() && download->isEnabled(),
                                         item("checkLibraryButton")->isEnabled()};
                },
                Qt::QueuedConnection);
        });

        click("settingsToolButton");
        waitOpened("settingsDialog");
        QCOMPARE(text("libraryVersionLabel"), builtIn);
        click("checkLibraryButton");
        waitOpened("libraryUpdateDialog");
        QTRY_COMPARE_WITH_TIMEOUT(steps.size(), 2, 15000);
        const QString offer = QStringLiteral("Version %1 is available.").arg(kSampleVersion);
        QCOMPARE(steps.at(0),
                 (LibraryStep{QStringLiteral("Checking for updates…"), true, false, false, false}));
        QCOMPARE(steps.at(1), (LibraryStep{offer, false, true, true, true}));
        QVERIFY(shown("updateAvailableBadge"));
        QVERIFY(!shown("upToDateBadge"));

        click("downloadLibraryButton");
        QTRY_COMPARE_WITH_TIMEOUT(steps.size(), 4, 15000);
        QCOMPARE(steps.at(2),
                 (LibraryStep{QStringLiteral("Downloading…"), true, true, false, false}));
        QCOMPARE(steps.at(3), (LibraryStep{QStringLiteral("Updated to %1.").arg(kSampleVersion),
                                           false, false, false, true}));
        // "Download and apply" leaves the dialog open for the outcome.
        QVERIFY(object("libraryUpdateDialog")->property("visible").toBool());
        QCOMPARE(text("libraryVersionLabel"), kSampleVersion);
        QVERIFY(shown("upToDateBadge"));
        QVERIFY(!shown("updateAvailableBadge"));
        QCOMPARE(text("devicesValue"),
                 QStringLiteral("2 models · %1 commands").arg(controller()->commandCount()));

        click("libraryOkButton");
        waitClosed("libraryUpdateDialog");
        click("settingsCloseButton");
        waitClosed("settingsDialog");

        QQuickItem* picker = item("modelPicker");
        QCOMPARE(picker->property("count").toInt(), 2);
        QString second;
        QMetaObject::invokeMethod(picker, "textAt", Q_RETURN_ARG(QString, second), Q_ARG(int, 1));
        QCOMPARE(second, QStringLiteral("AT2"));
        QCOMPARE(server.requests(2).size(), 2);
    }

    // A failed download leaves "Download and apply" in place for another try.
    void failedLibraryDownloadCanBeRetried()
    {
        UpdateServerProcess server;
        QVERIFY2(server.start({QStringLiteral("--library-dir"),
                               qEnvironmentVariable("KORVEL_SAMPLE_DATA"),
                               QStringLiteral("--fault"), QStringLiteral("wrong-digest")}),
                 qPrintable(server.error()));
        QVERIFY(load("DEVICE_LIBRARY_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        click("settingsToolButton");
        waitOpened("settingsDialog");
        click("checkLibraryButton");
        waitOpened("libraryUpdateDialog");
        QTRY_COMPARE_WITH_TIMEOUT(controller()->libraryUpdateState(),
                                  QStringLiteral("updateAvailable"), 15000);
        for (int attempt = 0; attempt < 2; ++attempt) {
            click("downloadLibraryButton");
            QTRY_COMPARE_WITH_TIMEOUT(controller()->libraryUpdateState(), QStringLiteral("error"),
                                      15000);
            QCOMPARE(text("libraryUpdateMessage"),
                     QStringLiteral("Checksum mismatch -- downloaded data may be corrupted."));
            QVERIFY(shown("downloadLibraryButton"));
            QVERIFY(item("downloadLibraryButton")->isEnabled());
            QVERIFY(!shown("upToDateBadge"));
            QVERIFY(!shown("updateAvailableBadge"));
        }
        QCOMPARE(server.requests(3).size(), 3);
    }

    // The offer, the download with its progress, cancelling, and the end of a download on a
    // platform that cannot replace the application.
    void applicationUpdateDialog()
    {
        UpdateServerProcess server;
        QVERIFY2(
            server.start({QStringLiteral("--release-dir"), releaseFolder(1024 * 1024),
                          QStringLiteral("--fault"), QStringLiteral("slow"),
                          QStringLiteral("--fault-path"), QStringLiteral("/software/packages")}),
            qPrintable(server.error()));
        QVERIFY(load("APP_UPDATE_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        QObject* dialog = object("softwareUpdateDialog");
        QMetaObject::invokeMethod(dialog, "open");
        waitOpened("softwareUpdateDialog");

        QStringList busy;
        connect(controller(), &AppController::appUpdateStateChanged, this, [&] {
            if (shown("busySection")) {
                busy << controller()->appUpdateMessage();
            }
        });
        controller()->checkForAppUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(controller()->appUpdateState(), QStringLiteral("updateAvailable"),
                                  15000);
        QCOMPARE(busy, QStringList{QStringLiteral("Checking for updates…")});
        QVERIFY(shown("offerSection"));
        QCOMPARE(
            text("offerTitle"),
            QStringLiteral("Version 0.9.0 is available (you have %1)").arg(KORVEL_APP_VERSION));
        QCOMPARE(text("releaseNotes"), QStringLiteral("Faster start-up."));
        QVERIFY(!shown("forcedNotice"));
        QVERIFY(shown("laterButton"));
        QVERIFY(!shown("okButton"));
        QVERIFY(!shown("retryButton"));
        buttonsInside();

        takeTheOffer();
        QTRY_VERIFY(shown("downloadSection"));
        QVERIFY(dialog->property("visible").toBool());
        QVERIFY(!shown("offerSection"));
        QVERIFY(!shown("updateNowButton"));
        QVERIFY(!shown("laterButton"));
        QVERIFY(shown("cancelDownloadButton"));
        QTRY_VERIFY_WITH_TIMEOUT(controller()->appUpdateProgress() > 0.02, 15000);
        const double progress = controller()->appUpdateProgress();
        QVERIFY(progress < 1.0);
        QCOMPARE(item("downloadProgress")->property("value").toDouble(), progress);
        QCOMPARE(text("progressPercent"), QStringLiteral("%1%").arg(qRound(progress * 100)));

        click("cancelDownloadButton");
        waitClosed("softwareUpdateDialog");
        QCOMPARE(controller()->appUpdateState(), QStringLiteral("updateAvailable"));
        QCOMPARE(controller()->appUpdateMessage(), QStringLiteral("Download cancelled."));

        // Opened again, the offer stands and can be taken up once more.
        QMetaObject::invokeMethod(dialog, "open");
        waitOpened("softwareUpdateDialog");
        QVERIFY(shown("offerSection"));
        QCOMPARE(text("releaseNotes"), QStringLiteral("Download cancelled."));
        takeTheOffer();
        QTRY_VERIFY(shown("downloadSection"));
        QCOMPARE(text("progressPercent"), QStringLiteral("0%"));
        QTRY_VERIFY_WITH_TIMEOUT(shown("resultText"), 30000);
        QCOMPARE(text("resultText"), QStringLiteral("Self-update isn't supported on this platform "
                                                    "yet -- please download the new version "
                                                    "manually."));
        // In the error colour, which the forced notice also uses.
        QCOMPARE(item("resultText")->property("color"), item("forcedNotice")->property("color"));
        QVERIFY(shown("okButton"));
        QVERIFY(shown("retryButton"));
        QVERIFY(!shown("cancelDownloadButton"));
        buttonsInside();

        // "Retry" asks the service again.
        busy.clear();
        click("retryButton");
        QTRY_COMPARE_WITH_TIMEOUT(controller()->appUpdateState(), QStringLiteral("updateAvailable"),
                                  15000);
        QCOMPARE(busy, QStringList{QStringLiteral("Checking for updates…")});
        click("laterButton");
        waitClosed("softwareUpdateDialog");
    }

    // Help > Check for updates… asks the service and shows the answer; where
    // the program cannot install an update itself, the offer leads to the
    // download page.
    void checkForUpdatesFromTheHelpMenu()
    {
        UpdateServerProcess server;
        QVERIFY2(server.start({QStringLiteral("--release-dir"), releaseFolder(1024)}),
                 qPrintable(server.error()));
        QVERIFY(load("APP_UPDATE_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        QQuickItem* help = nullptr;
        QList<QQuickItem*> pending{m_ui.window()->contentItem()};
        while (!pending.isEmpty() && !help) {
            QQuickItem* next = pending.takeFirst();
            if (next->inherits("QQuickMenuBarItem") &&
                next->property("text").toString() == QLatin1String("&Help")) {
                help = next;
            }
            pending += next->childItems();
        }
        QVERIFY(help);
        m_ui.click(help);
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("checkUpdatesMenuItem")));
        waitOpened("softwareUpdateDialog");
        QTRY_COMPARE_WITH_TIMEOUT(controller()->appUpdateState(), QStringLiteral("updateAvailable"),
                                  15000);
        QVERIFY(shown("offerSection"));
        QCOMPARE(shown("downloadPageButton"), !selfUpdates());
        QCOMPARE(shown("updateNowButton"), selfUpdates());
        QVERIFY(controller()->property("downloadPageUrl").toUrl().isValid());
        buttonsInside();
        click("laterButton");
        waitClosed("softwareUpdateDialog");
    }

    // What the service writes is shown as it stands: markup in release notes neither formats
    // the text nor makes the window fetch anything.
    void serviceTextIsPlain()
    {
        const QString dir = m_fx.freshFolder();
        UpdateServerProcess server;
        QVERIFY2(server.start({QStringLiteral("--release-dir"), dir}), qPrintable(server.error()));
        const QString notes =
            QStringLiteral("<b>Bold</b> claims <img src=\"%1/software/packages/pixel.png\">")
                .arg(server.baseUrl());
        const QJsonArray releases{
            korveltest::release(QStringLiteral("0.9.0<i>"), QString(), notes)};
        QVERIFY(korveltest::writeFile(dir + QStringLiteral("/releases.json"),
                                      QJsonDocument(releases).toJson()));
        QVERIFY(load("APP_UPDATE_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        QObject* dialog = object("softwareUpdateDialog");
        QMetaObject::invokeMethod(dialog, "open");
        waitOpened("softwareUpdateDialog");
        controller()->checkForAppUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(controller()->appUpdateState(), QStringLiteral("updateAvailable"),
                                  15000);
        QTRY_VERIFY(shown("releaseNotes"));
        for (const char* name : {"releaseNotes", "offerTitle"}) {
            QCOMPARE(item(name)->property("textFormat").toInt(), int(Qt::PlainText));
        }
        // Only the list was asked for, even after the notes were laid out.
        QCOMPARE(server.requests(2, 1500).size(), 1);
        QMetaObject::invokeMethod(dialog, "close");
        waitClosed("softwareUpdateDialog");
    }

    // A mandatory update offers no "Later" and ignores Escape; another one closes on either.
    void forcedOffer_data()
    {
        QTest::addColumn<bool>("forced");
        QTest::newRow("optional") << false;
        QTest::newRow("mandatory") << true;
    }

    void forcedOffer()
    {
        QFETCH(bool, forced);
        UpdateServerProcess server;
        QVERIFY2(server.start({QStringLiteral("--release-dir"), releaseFolder(16, forced)}),
                 qPrintable(server.error()));
        QVERIFY(load("APP_UPDATE_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        controller()->checkForAppUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(controller()->appUpdateState(), QStringLiteral("updateAvailable"),
                                  15000);
        QObject* dialog = object("softwareUpdateDialog");
        QMetaObject::invokeMethod(dialog, "open");
        waitOpened("softwareUpdateDialog");
        QCOMPARE(shown("forcedNotice"), forced);
        // Insisted on only where the program installs the update itself; a
        // user sent to the download page may close the dialog.
        const bool insists = forced && selfUpdates();
        QCOMPARE(dialog->property("forced").toBool(), insists);
        QCOMPARE(shown("laterButton"), !insists);
        // The way to the update: installing it here, or the download page.
        QVERIFY(shown("updateNowButton") || shown("downloadPageButton"));
        buttonsInside();

        QSignalSpy closed(dialog, SIGNAL(closed()));
        QTest::keyClick(m_ui.window(), Qt::Key_Escape);
        if (insists) {
            QVERIFY(!closed.wait(500));
            QCOMPARE(closed.count(), 0);
            QVERIFY(dialog->property("visible").toBool());
            QMetaObject::invokeMethod(dialog, "close");
        } else {
            // The dialog has no closing transition, so it may be closed already.
            QTRY_COMPARE(closed.count(), 1);
        }
        waitClosed("softwareUpdateDialog");
    }
};

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
