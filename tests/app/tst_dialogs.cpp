// The dialogs of the main window in the real window, used as a user uses
// them: saving the log as CSV, the folder picker, the settings dialog with
// its theme, fonts and "Restore defaults", the driver banner and its hint
// dialog, and the about, update and driver list dialogs.
#include "app/appcontroller.h"
#include "serial/drivercheck.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using korveltest::MainWindowDriver;

namespace {

const QStringList kWatched{QStringLiteral("Main.qml"),
                           QStringLiteral("SaveLogDialog.qml"),
                           QStringLiteral("SettingsAboutDialog.qml"),
                           QStringLiteral("AboutDialog.qml"),
                           QStringLiteral("SoftwareUpdateDialog.qml"),
                           QStringLiteral("DriverHintDialog.qml"),
                           QStringLiteral("DriverListDialog.qml"),
                           QStringLiteral("DataMonitorView.qml"),
                           QStringLiteral("ComboBox.qml"),
                           QStringLiteral("SpinBox.qml")};

// The first item below @p from (itself included) that satisfies @p test.
template <typename Test> QQuickItem* findBelow(QQuickItem* from, Test test)
{
    QList<QQuickItem*> pending{from};
    while (!pending.isEmpty()) {
        QQuickItem* next = pending.takeFirst();
        if (next && test(next)) {
            return next;
        }
        if (next) {
            pending += next->childItems();
        }
    }
    return nullptr;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

    // No update service, whatever ".env" files the machine has.
    korveltest::ScopedEnv m_env;
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

    void click(const char* name) { QVERIFY2(m_ui.clickWhenReady(QLatin1String(name)), name); }
    void waitOpened(const char* dialog)
    {
        QVERIFY2(m_ui.waitOpened(QLatin1String(dialog)), dialog);
    }
    void waitClosed(const char* dialog)
    {
        QVERIFY2(m_ui.waitClosed(QLatin1String(dialog)), dialog);
    }

    void pressKeys(const char* name, Qt::Key key, int times)
    {
        QQuickItem* target = item(name);
        QVERIFY(target);
        target->forceActiveFocus();
        QTRY_VERIFY(target->hasActiveFocus());
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(m_ui.window(), key);
        }
    }

    int comboFind(const char* name, const QString& text)
    {
        int index = -2;
        QMetaObject::invokeMethod(item(name), "find", Q_RETURN_ARG(int, index),
                                  Q_ARG(QString, text));
        return index;
    }

    // The pixel size of the text the monitor shows in its first row.
    int monitorRowPixelSize()
    {
        QQuickItem* row = m_ui.listRow(item("logView"), 0);
        QQuickItem* text =
            row ? findBelow(
                      row,
                      [](QQuickItem* i) {
                          return QByteArray(i->metaObject()->className()).startsWith("QQuickText");
                      })
                : nullptr;
        return text ? text->property("font").value<QFont>().pixelSize() : -1;
    }

private slots:
    void initTestCase() { korveltest::isolateSettings(); }

    void init()
    {
        korveltest::clearSettings();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    }

    void cleanup()
    {
        if (controller()) {
            QVERIFY2(m_ui.warnings().isEmpty(), qPrintable(m_ui.warnings().join('\n')));
        }
        m_ui.unload();
        DriverCheck::setInstalledOverrideForTesting(std::nullopt);
    }

    void saveDialogWritesCsv()
    {
        QVERIFY(m_ui.load(kWatched));
        LogManager& log = controller()->logStore();
        log.append(LogKind::RX, "{\"t\":\"23.8\"}");
        log.append(LogKind::SYS, "Port closed");

        click("saveLogToolButton");
        waitOpened("saveLogDialog");
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("run 1"));
        item("locationField")->setProperty("text", folder);
        click("fileNameField");
        m_ui.selectAll();
        m_ui.typeText(QStringLiteral("trace.txt"));
        click("formatCsv");
        click("saveButton");
        waitClosed("saveLogDialog");

        const QString path = folder + QStringLiteral("/trace.csv");
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // header, two entries, the empty rest after the last line end
        QCOMPARE(lines.at(0), QByteArray("time,direction,data"));
        QVERIFY2(
            QRegularExpression(
                QStringLiteral("^\"\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\",\"RX\","
                               "\"\\{\"\"t\"\":\"\"23\\.8\"\"\\}\"$"))
                .match(QString::fromUtf8(lines.at(1)))
                .hasMatch(),
            lines.at(1).constData());
        QVERIFY(lines.at(2).endsWith("\",\"SYS\",\"Port closed\""));
        QTRY_COMPARE(item("statusToastLabel")->property("text").toString(),
                     QStringLiteral("Log saved to %1").arg(path));
    }

    void folderPickerOpensWithoutWarnings_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("plain") << QStringLiteral("logs");
        QTest::newRow("hash") << QStringLiteral("C#");
        QTest::newRow("question mark") << QStringLiteral("why?");
        QTest::newRow("percent") << QStringLiteral("100%");
        QTest::newRow("percent and digits") << QStringLiteral("%41");
        QTest::newRow("spaces") << QStringLiteral("my logs");
    }

    void folderPickerOpensWithoutWarnings()
    {
        QFETCH(QString, folderName);
        QVERIFY(m_ui.load(kWatched));
        QTemporaryDir dir;
        const QString folder = dir.filePath(folderName);
        QVERIFY(QDir().mkpath(folder));

        click("saveLogToolButton");
        waitOpened("saveLogDialog");
        item("locationField")->setProperty("text", folder);
        // Any warning now (a missing module of the picker, say) fails the test.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        click("browseButton");
        QObject* picker = object("folderDialog");
        QVERIFY(picker);
        QTRY_VERIFY(picker->property("visible").toBool());
        QCOMPARE(picker->property("currentFolder").toUrl(), QUrl::fromLocalFile(folder));

        // Accepting hands the folder back as a path.
        QMetaObject::invokeMethod(picker, "accept");
        QTRY_VERIFY(!picker->property("visible").toBool());
        QTRY_COMPARE(item("locationField")->property("text").toString(), folder);
    }

    void settingsChangeThemeAndFontsThenRestore()
    {
        QVERIFY(m_ui.load(kWatched));
        controller()->logStore().append(LogKind::RX, "a line to look at");
        QTRY_COMPARE(monitorRowPixelSize(), 13);

        click("settingsToolButton");
        waitOpened("settingsDialog");
        const bool startedDark = controller()->themeMode() == QLatin1String("dark");
        QCOMPARE(item("darkThemeButton")->property("checked").toBool(), startedDark);
        QCOMPARE(item("languageCombo")->property("currentValue").toString(), QStringLiteral("en"));

        // The theme the window does not have yet.
        click(startedDark ? "lightThemeButton" : "darkThemeButton");
        QCOMPARE(controller()->themeMode(),
                 startedDark ? QStringLiteral("light") : QStringLiteral("dark"));
        QCOMPARE(QSettings().value(QStringLiteral("app/themeMode")).toString(),
                 controller()->themeMode());

        // The monitor font: three steps up and another family.
        pressKeys("logFontSizeSpin", Qt::Key_Up, 3);
        QCOMPARE(controller()->logFontSize(), 16);
        QTRY_COMPARE(monitorRowPixelSize(), 16);
        const int logFamilyBefore = item("logFontCombo")->property("currentIndex").toInt();
        pressKeys("logFontCombo", Qt::Key_Down, 1);
        const int logFamilyIndex = item("logFontCombo")->property("currentIndex").toInt();
        QVERIFY(logFamilyIndex != logFamilyBefore);
        QCOMPARE(controller()->logFontFamily(),
                 item("logFontCombo")->property("currentText").toString());

        // The interface font size, applied to the whole application.
        pressKeys("systemFontSizeSpin", Qt::Key_Up, 2);
        QCOMPARE(controller()->systemFontSize(), 15);
        QCOMPARE(QGuiApplication::font().pixelSize(), 15);

        click("restoreDefaultsButton");
        QVERIFY(object("settingsDialog")->property("visible").toBool());
        QCOMPARE(controller()->logFontSize(), 13);
        QTRY_COMPARE(item("logFontSizeSpin")->property("value").toInt(), 13);
        QTRY_COMPARE(item("systemFontSizeSpin")->property("value").toInt(), 13);
        QCOMPARE(item("logFontCombo")->property("currentIndex").toInt(),
                 comboFind("logFontCombo", QStringLiteral("Consolas")));
        // The default family shows by name, installed or not.
        QCOMPARE(item("logFontCombo")->property("displayText").toString(),
                 QStringLiteral("Consolas"));
        QCOMPARE(item("systemFontCombo")->property("currentIndex").toInt(),
                 comboFind("systemFontCombo", controller()->systemFontFamily()));
        const bool dark = controller()->themeMode() == QLatin1String("dark");
        QCOMPARE(item("darkThemeButton")->property("checked").toBool(), dark);
        QCOMPARE(item("lightThemeButton")->property("checked").toBool(), !dark);
        QCOMPARE(item("languageCombo")->property("currentValue").toString(),
                 controller()->currentLanguage());
        QTRY_COMPARE(monitorRowPixelSize(), 13);
        QCOMPARE(QGuiApplication::font().pixelSize(), 13);

        // And the spin boxes still write after the restore.
        pressKeys("logFontSizeSpin", Qt::Key_Up, 1);
        QCOMPARE(controller()->logFontSize(), 14);

        click("settingsCloseButton");
        waitClosed("settingsDialog");
    }

    void driverBannerDismissAndBringBack()
    {
        DriverCheck::setInstalledOverrideForTesting(false);
        QVERIFY(m_ui.load(kWatched));
        QQuickItem* banner = item("driverHintBanner");
        QTRY_VERIFY(banner->isVisible() && banner->height() > 0);

        // A click on the banner explains; the dialog's close leaves it be.
        QTest::mouseClick(m_ui.window(), Qt::LeftButton, {},
                          banner->mapToScene(QPointF(40, banner->height() / 2)).toPoint());
        waitOpened("driverHintDialog");
        QVERIFY(!item("dontShowAgainCheck")->property("checked").toBool());
        QMetaObject::invokeMethod(object("driverHintDialog"), "close");
        waitClosed("driverHintDialog");
        QVERIFY(banner->isVisible());

        click("dismissDriverHintButton");
        QTRY_VERIFY(!banner->isVisible()); // and so out of the layout
        QVERIFY(controller()->ch340DriverHintDismissed());
        QVERIFY(!object("driverHintDialog")->property("visible").toBool());

        // The hint dialog's check box shows the dismissal and takes it back.
        QMetaObject::invokeMethod(object("driverHintDialog"), "open");
        waitOpened("driverHintDialog");
        QVERIFY(item("dontShowAgainCheck")->property("checked").toBool());
        click("dontShowAgainCheck");
        QVERIFY(!controller()->ch340DriverHintDismissed());
        QCOMPARE(QSettings().value(QStringLiteral("device/ch340DriverHintDismissed")).toBool(),
                 false);
        QTRY_VERIFY(banner->isVisible() && banner->height() > 0);

        // "Download driver" leads to the list, which shows the driver missing.
        click("downloadDriverButton");
        waitOpened("driverListDialog");
        QQuickItem* list = qobject_cast<QQuickItem*>(
            object("driverListDialog")->property("contentItem").value<QObject*>());
        QVERIFY(list);
        QQuickItem* state = findBelow(
            list, [](QQuickItem* i) { return i->objectName() == QLatin1String("driverState0"); });
        QVERIFY(state);
        QCOMPARE(state->property("text").toString(), QStringLiteral("Not detected"));
        QVERIFY(findBelow(list, [](QQuickItem* i) {
            return i->objectName() == QLatin1String("driverDownload0") && i->isVisible();
        }));
        QVERIFY(!item("noDriversLabel")->isVisible());
    }

    void aboutAndUpdateDialogsShowTheController()
    {
        QVERIFY(m_ui.load(kWatched));
        QMetaObject::invokeMethod(object("aboutDialog"), "open");
        waitOpened("aboutDialog");
        QCOMPARE(item("aboutVersion")->property("text").toString(),
                 QStringLiteral("Version %1").arg(controller()->appVersion()));
        QCOMPARE(item("aboutBuildTime")->property("text").toString(), controller()->buildTime());
        QVERIFY(item("qtNotice")->property("text").toString().contains(controller()->qtVersion()));
        QTest::keyClick(m_ui.window(), Qt::Key_Escape);
        waitClosed("aboutDialog");

        // Until an update is looked for, the update dialog has nothing to offer.
        QMetaObject::invokeMethod(object("softwareUpdateDialog"), "open");
        waitOpened("softwareUpdateDialog");
        QCOMPARE(controller()->appUpdateState(), QStringLiteral("idle"));
        for (const char* name :
             {"laterButton", "cancelDownloadButton", "updateNowButton", "retryButton", "okButton",
              "offerSection", "downloadSection", "busySection", "resultText"}) {
            QVERIFY2(!item(name)->isVisible(), name);
        }
        QTest::keyClick(m_ui.window(), Qt::Key_Escape);
        waitClosed("softwareUpdateDialog");

        // Without a service the library check says so at once.
        click("settingsToolButton");
        waitOpened("settingsDialog");
        QVERIFY(item("checkLibraryButton")->isEnabled());
        QVERIFY(!item("upToDateBadge")->isVisible());
        QVERIFY(!item("updateAvailableBadge")->isVisible());
        QCOMPARE(item("devicesValue")->property("text").toString(),
                 QStringLiteral("%1 models · %2 commands")
                     .arg(controller()->modelCount())
                     .arg(controller()->commandCount()));
        click("checkLibraryButton");
        waitOpened("libraryUpdateDialog");
        QCOMPARE(item("libraryUpdateMessage")->property("text").toString(),
                 QStringLiteral("No update server configured (.env) -- using the bundled command "
                                "library only."));
        QVERIFY(!item("downloadLibraryButton")->isVisible());
        QVERIFY(!item("libraryBusyIndicator")->isVisible());
        QVERIFY(!item("upToDateBadge")->isVisible());
        QVERIFY(!item("updateAvailableBadge")->isVisible());
        QVERIFY(item("checkLibraryButton")->isEnabled());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
