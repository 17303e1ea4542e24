// The dialogs of the main window in the real window, used as a user uses
// them: saving the log as CSV, the folder picker, the settings dialog with
// its theme, fonts and "Restore defaults", the driver banner and its hint
// dialog, and the about, update and driver list dialogs.
#include "app/appcontroller.h"
#include "serial/drivercheck.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QColor>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

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
    MainWindowDriver m_ui{korveltest::testServices()};

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

    // The part of the window an open popup covers, once drawn.
    QImage grabPopup(QObject* popup) const
    {
        auto* content = popup->property("contentItem").value<QQuickItem*>();
        QQuickItem* frame = content ? content->parentItem() : nullptr;
        if (!frame) {
            return {};
        }
        QTest::qWait(100); // the scene graph catches up with the switch
        const QRect area =
            frame->mapRectToScene(QRectF(0, 0, frame->width(), frame->height())).toRect();
        return m_ui.window()->grabWindow().copy(area);
    }

    static int differingPixels(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size() || a.isNull()) {
            return std::numeric_limits<int>::max();
        }
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
            }
        }
        return count;
    }

    // The controls and labels of an open dialog whose palette is not the
    // window's (which follows the theme), by dialog, type, name and role.
    QStringList stalePalettes(const char* dialog, QObject* popup) const
    {
        auto* expected = m_ui.window()->property("palette").value<QObject*>();
        const char* roles[] = {"window", "windowText", "base", "text", "button", "buttonText"};
        QStringList stale;
        int checked = 0;
        for (const char* part : {"header", "contentItem", "footer"}) {
            QList<QQuickItem*> pending{popup->property(part).value<QQuickItem*>()};
            while (!pending.isEmpty()) {
                QQuickItem* next = pending.takeFirst();
                if (!next || !next->isVisible()) {
                    continue;
                }
                pending += next->childItems();
                // Disabled controls show the palette's disabled colours.
                auto* palette = next->property("palette").value<QObject*>();
                if (!palette || !next->isEnabled()) {
                    continue;
                }
                ++checked;
                // A group's title is drawn in the text colour.
                if (next->inherits("QQuickGroupBox")) {
                    auto* title = next->property("label").value<QQuickItem*>();
                    if (title && title->property("color") != expected->property("windowText")) {
                        stale << QStringLiteral("%1: group title drawn %2")
                                     .arg(QString::fromLatin1(dialog),
                                          title->property("color").value<QColor>().name());
                    }
                }
                for (const char* role : roles) {
                    if (palette->property(role) != expected->property(role)) {
                        stale << QStringLiteral("%1: %2 %3 %4")
                                     .arg(QString::fromLatin1(dialog),
                                          QString::fromLatin1(next->metaObject()->className()),
                                          next->objectName(), QString::fromLatin1(role));
                    }
                }
            }
        }
        if (checked == 0) {
            stale << QString::fromLatin1(dialog) + QStringLiteral(": nothing to check");
        }
        return stale;
    }

private slots:
    void initTestCase() { korveltest::isolateSettings(); }

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
        m_ui.setServices(korveltest::testServices());
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
        AppServices services = korveltest::testServices();
        services.driverCheck = DriverCheck([] { return false; });
        m_ui.setServices(services);
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
                 QStringLiteral("1 model · 3 commands"));
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

    // The file name's extension follows the format; the format's own
    // extension goes whole when the name is saved.
    void saveDialogExtensionFollowsTheFormat()
    {
        QVERIFY(m_ui.load(kWatched));
        click("saveLogToolButton");
        waitOpened("saveLogDialog");
        QQuickItem* name = item("fileNameField");
        // The keys start in the file name.
        QTRY_VERIFY(name->hasActiveFocus());
        const QString suggested = controller()->suggestedLogBaseName();
        QCOMPARE(name->property("text").toString(), suggested + QStringLiteral(".log"));
        click("formatCsv");
        QCOMPARE(name->property("text").toString(), suggested + QStringLiteral(".csv"));
        click("formatHex");
        QCOMPARE(name->property("text").toString(), suggested + QStringLiteral(".hex.txt"));
        click("formatText");
        QCOMPARE(name->property("text").toString(), suggested + QStringLiteral(".log"));

        // A name typed with another extension takes the format's.
        click("fileNameField");
        m_ui.selectAll();
        m_ui.typeText(QStringLiteral("trace.txt"));
        click("formatHex");
        QCOMPARE(name->property("text").toString(), QStringLiteral("trace.hex.txt"));

        QTemporaryDir dir;
        item("locationField")->setProperty("text", dir.path());
        click("saveButton");
        waitClosed("saveLogDialog");
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("trace.hex.txt"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("trace.hex.hex.txt"))));
    }

    // Continuous logging shows: in the status bar (the daily file, its date
    // once), in the save dialog that opens again with its box checked; and
    // File > Stop continuous logging ends it.
    void continuousLoggingShowsAndStops()
    {
        QVERIFY(m_ui.load(kWatched));
        QQuickItem* indicator = item("loggingIndicator");
        QObject* stopEntry = object("stopLoggingMenuItem");
        QVERIFY(indicator && stopEntry);
        QVERIFY(!indicator->isVisible());
        QVERIFY(!stopEntry->property("enabled").toBool());

        click("saveLogToolButton");
        waitOpened("saveLogDialog");
        QVERIFY(!item("continuousCheck")->property("checked").toBool());
        QTemporaryDir dir;
        item("locationField")->setProperty("text", dir.path());
        click("continuousCheck");
        click("saveButton");
        waitClosed("saveLogDialog");

        const QString daily = QStringLiteral("korvel-HX4-%1.log")
                                  .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
        QTRY_VERIFY(indicator->isVisible());
        QVERIFY2(indicator->property("text").toString().endsWith(daily),
                 qPrintable(indicator->property("text").toString()));
        QTRY_VERIFY(QFile::exists(dir.filePath(daily))); // made by the writing thread
        QVERIFY(stopEntry->property("enabled").toBool());

        // An ordinary save keeps it on: the box shows the state.
        click("saveLogToolButton");
        waitOpened("saveLogDialog");
        QVERIFY(item("continuousCheck")->property("checked").toBool());
        QVERIFY(item("continuousFileLabel")->isVisible());
        click("saveButton");
        waitClosed("saveLogDialog");
        QVERIFY(controller()->logStore().continuousLoggingEnabled());

        QMetaObject::invokeMethod(stopEntry, "triggered");
        QVERIFY(!controller()->logStore().continuousLoggingEnabled());
        QTRY_VERIFY(!indicator->isVisible());
        click("saveLogToolButton");
        waitOpened("saveLogDialog");
        QVERIFY(!item("continuousCheck")->property("checked").toBool());
    }

    void fontSizesAreTyped_data()
    {
        QTest::addColumn<QByteArray>("spin");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");
        QTest::newRow("interface, 18") << QByteArray("systemFontSizeSpin") << "18" << 18;
        QTest::newRow("monitor, 24") << QByteArray("logFontSizeSpin") << "24" << 24;
        // Past the bound the box takes no digit that would leave it (-1: any
        // size within the bounds will do).
        QTest::newRow("monitor, 99") << QByteArray("logFontSizeSpin") << "99" << -1;
    }

    void fontSizesAreTyped()
    {
        QFETCH(QByteArray, spin);
        QFETCH(QString, typed);
        QFETCH(int, expected);
        QVERIFY(m_ui.load(kWatched));
        click("settingsToolButton");
        waitOpened("settingsDialog");
        QQuickItem* box = item(spin.constData());
        QVERIFY(box->property("editable").toBool());
        auto* field = box->property("contentItem").value<QQuickItem*>();
        QVERIFY(field);
        field->forceActiveFocus();
        QTRY_VERIFY(field->hasActiveFocus());
        m_ui.selectAll();
        m_ui.typeText(typed);
        QTest::keyClick(m_ui.window(), Qt::Key_Return);
        const int stored = spin == "systemFontSizeSpin" ? controller()->systemFontSize()
                                                        : controller()->logFontSize();
        if (expected >= 0) {
            QCOMPARE(stored, expected);
        }
        QVERIFY2(stored >= 8 && stored <= 32, qPrintable(QString::number(stored)));
        QVERIFY(box->property("value").toInt() >= 8 && box->property("value").toInt() <= 32);
    }

    // Counts read as counts: "1 model", not "1 models".
    void deviceCountsUsePluralForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en") << "en" << QStringLiteral("1 model · 3 commands");
        QTest::newRow("fr") << "fr" << QStringLiteral("1 modèle · 3 commandes");
        QTest::newRow("ru") << "ru" << QStringLiteral("1 модель · 3 команды");
    }

    void deviceCountsUsePluralForms()
    {
        QFETCH(QString, language);
        QFETCH(QString, expected);
        QSettings().setValue(QStringLiteral("app/language"), language);
        QVERIFY(m_ui.load(kWatched));
        QCOMPARE(controller()->modelCount(), 1);
        QCOMPARE(controller()->commandCount(), 3);
        QCOMPARE(item("devicesValue")->property("text").toString(), expected);
        controller()->setCurrentLanguage(QStringLiteral("en"));
    }

    // A theme switch while a dialog is open recolours everything in it at
    // once: every control and label below its header, content and footer
    // takes the new theme's palette, as the window itself does.
    void openDialogsFollowTheTheme_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("light to dark") << "light"
                                       << "dark";
        QTest::newRow("dark to light") << "dark"
                                       << "light";
    }

    void openDialogsFollowTheTheme()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QSettings().setValue(QStringLiteral("app/themeMode"), from);
        QVERIFY(m_ui.load(kWatched));
        const QList<std::pair<const char*, const char*>> dialogs{
            {"settingsDialog", "open"},       {"libraryUpdateDialog", "open"},
            {"saveLogDialog", "open"},        {"aboutDialog", "open"},
            {"driverHintDialog", "open"},     {"driverListDialog", "open"},
            {"softwareUpdateDialog", "open"}, {"portErrorDialog", "open"},
            {"portPathDialog", "open"},       {"templateEditor", "openNew"},
            {"batchWindow", "open"},          {"batchEditor", "openNew"},
            {"historyPopup", "open"}};
        QStringList stale;
        for (const auto& [dialog, opener] : dialogs) {
            controller()->setThemeMode(from);
            QObject* popup = object(dialog);
            QVERIFY2(popup, dialog);
            // The library result opens over the settings dialog, never alone.
            QObject* settings = object("settingsDialog");
            if (qstrcmp(dialog, "libraryUpdateDialog") == 0) {
                QMetaObject::invokeMethod(settings, "open");
                waitOpened("settingsDialog");
            }
            QVERIFY(QMetaObject::invokeMethod(popup, opener));
            waitOpened(dialog);

            controller()->setThemeMode(to);
            // Told in short: how many, and the first few.
            if (const QStringList found = stalePalettes(dialog, popup); !found.isEmpty()) {
                stale << QStringLiteral("%1 in the old theme, e.g. %2")
                             .arg(found.size())
                             .arg(found.mid(0, 3).join(QLatin1String("; ")));
            }
            // Drawn as a dialog opened in the new theme is drawn.
            const QImage switched = grabPopup(popup);
            QMetaObject::invokeMethod(popup, "close");
            waitClosed(dialog);
            QVERIFY(QMetaObject::invokeMethod(popup, opener));
            waitOpened(dialog);
            const QImage fresh = grabPopup(popup);
            const int differing = differingPixels(switched, fresh);
            if (differing > switched.width() * switched.height() / 200) {
                stale << QStringLiteral("%1: %2 pixels drawn otherwise than when opened afresh")
                             .arg(QString::fromLatin1(dialog))
                             .arg(differing);
            }

            QMetaObject::invokeMethod(popup, "close");
            QMetaObject::invokeMethod(settings, "close");
            waitClosed(dialog);
            waitClosed("settingsDialog");
        }
        QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
