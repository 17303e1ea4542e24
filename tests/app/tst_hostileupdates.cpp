// What a hostile or broken update service can put in front of the real window, served by
// korvel-update-server on 127.0.0.1 and met as a user meets it: a library whose command expands
// to millions of characters, commands too long for the send box, and texts of any length in
// versions, descriptions, names and release notes. None of it may crash the window or reach a
// text item whole.
#include "app/appcontroller.h"
#include "buildinfo.h"
#include "library/commandlistmodel.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"
#include "support/updatefixture.h"
#include "util/textbounds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <memory>

using korveltest::MainWindowDriver;
using korveltest::UpdateServerProcess;

namespace {

const QStringList kWatched{QStringLiteral("Main.qml"), QStringLiteral("SettingsAboutDialog.qml"),
                           QStringLiteral("SoftwareUpdateDialog.qml"),
                           QStringLiteral("CommandLibraryPanel.qml"),
                           QStringLiteral("CommandParamsPanel.qml")};

QJsonObject named(const char* name)
{
    return {{"en", QString::fromLatin1(name)}};
}

// A text model whose first command, a kilobyte and a half in the document, fills in to 160
// million characters (each parameter's default holds twenty of the next placeholder), and a JSON
// model whose command carries a payload longer than the send box takes.
QByteArray hostileLibrary()
{
    auto repeated = [](const char* text, int times) {
        return QString::fromLatin1(text).repeated(times);
    };
    const QJsonObject text{
        {"id", "X"},
        {"protocol", "text"},
        {"commands",
         QJsonArray{
             QJsonObject{{"id", "x"},
                         {"name", named("explode")},
                         {"cmd", repeated("<a>", 20)},
                         {"params",
                          QJsonArray{QJsonObject{{"key", "a"}, {"default", repeated("<b>", 20)}},
                                     QJsonObject{{"key", "b"}, {"default", repeated("<c>", 20)}},
                                     QJsonObject{{"key", "c"}, {"default", repeated("<d>", 20)}},
                                     QJsonObject{{"key", "d"}, {"default", repeated("Z", 1000)}}}}},
             QJsonObject{{"id", "ok"}, {"name", named("plain")}, {"cmd", "AT"}}}}};
    // Nearly three megabytes: forty times what the send box takes.
    const QByteArray payload(40 * 64 * 1024, '{');
    const QJsonObject json{
        {"id", "Y"},
        {"protocol", "json"},
        {"commands",
         QJsonArray{QJsonObject{{"id", "p"},
                                {"name", named("long payload")},
                                {"payloadBase64", QString::fromLatin1(payload.toBase64())}}}}};
    return QJsonDocument(QJsonObject{{"version", "hostile-1"}, {"models", QJsonArray{text, json}}})
        .toJson(QJsonDocument::Compact);
}

} // namespace

class TestHostileUpdates : public QObject
{
    Q_OBJECT

    korveltest::UpdateFixture m_fx;
    MainWindowDriver m_ui;

    QQuickItem* item(const char* name) const { return m_ui.item(QString::fromLatin1(name)); }
    QObject* object(const char* name) const { return m_ui.object(QString::fromLatin1(name)); }
    AppController* controller() const { return m_ui.controller(); }
    QString text(const char* name) const { return item(name)->property("text").toString(); }

    void click(const char* name) { QVERIFY2(m_ui.clickWhenReady(QLatin1String(name)), name); }
    void waitOpened(const char* dialog)
    {
        QVERIFY2(m_ui.waitOpened(QLatin1String(dialog)), dialog);
    }
    void waitClosed(const char* dialog)
    {
        QVERIFY2(m_ui.waitClosed(QLatin1String(dialog)), dialog);
    }

    bool load(const QByteArray& env)
    {
        m_ui.setServices(korveltest::testServices({}, env));
        return m_ui.load(kWatched);
    }

    // "Check for updates" in the settings dialog, as the user does.
    void checkLibraryThroughTheDialog()
    {
        click("settingsToolButton");
        waitOpened("settingsDialog");
        click("checkLibraryButton");
        waitOpened("libraryUpdateDialog");
        QTRY_COMPARE_WITH_TIMEOUT(controller()->libraryUpdateState(),
                                  QStringLiteral("updateAvailable"), 15000);
    }

    // "Download and apply" once the check found a library.
    void downloadCheckedLibrary()
    {
        click("downloadLibraryButton");
        QTRY_COMPARE_WITH_TIMEOUT(controller()->libraryUpdateState(), QStringLiteral("upToDate"),
                                  30000);
    }

    void closeLibraryDialogs()
    {
        click("libraryOkButton");
        waitClosed("libraryUpdateDialog");
        click("settingsCloseButton");
        waitClosed("settingsDialog");
    }

    int rowNamed(const QString& name) const
    {
        CommandListModel* model = controller()->commandModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row).data(CommandListModel::NameRole).toString() == name) {
                return row;
            }
        }
        return -1;
    }

    void clickCommand(const QString& name)
    {
        const int row = rowNamed(name);
        QVERIFY2(row >= 0, qPrintable(name));
        QQuickItem* target = nullptr;
        QTRY_VERIFY((target = m_ui.listRow(item("commandList"), row)) != nullptr);
        m_ui.click(target);
    }

    // The window still draws. With KORVEL_TEST_SHOTS naming a folder, the frame is kept there
    // as @p name in the theme of the test row, to be looked at.
    void windowDraws(const QString& name)
    {
        QTest::qWait(300); // the monitor's header and text follow on their own timers
        const QImage frame = m_ui.window()->grabWindow();
        QVERIFY(!frame.isNull());
        const QString folder = qEnvironmentVariable("KORVEL_TEST_SHOTS");
        if (!folder.isEmpty()) {
            frame.save(QStringLiteral("%1/%2-%3.png").arg(folder, name, controller()->themeMode()));
        }
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

    // The command that fills in to 160 million characters opens its form with the reason in
    // place of the preview, and cannot be inserted; the one whose payload is too long for the
    // send box leaves the draft as it was and says why in the monitor.
    void commandsTooLongAreRefused_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::newRow("light") << QStringLiteral("light");
        QTest::newRow("dark") << QStringLiteral("dark");
    }

    void commandsTooLongAreRefused()
    {
        QFETCH(QString, theme);
        QSettings().setValue(QStringLiteral("app/themeMode"), theme);
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, hostileLibrary()), qPrintable(server.error()));
        QVERIFY(load("DEVICE_LIBRARY_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        checkLibraryThroughTheDialog();
        downloadCheckedLibrary();
        QCOMPARE(controller()->libraryVersion(), QStringLiteral("hostile-1"));
        closeLibraryDialogs();

        m_ui.click(item("modeSegment1"));
        controller()->setDraftText(QStringLiteral("AT+KEEP"));
        controller()->setCurrentModelId(QStringLiteral("X"));
        clickCommand(QStringLiteral("explode"));
        QQuickItem* strip = item("paramsPanel");
        QTRY_VERIFY(strip->isVisible());
        QTRY_VERIFY(!text("paramsPreview").isEmpty());
        QVERIFY2(text("paramsPreview")
                     .startsWith(QStringLiteral("Filled in, this command would be "
                                                "longer than")),
                 qPrintable(text("paramsPreview").left(200)));
        QVERIFY(!item("paramsInsertButton")->isEnabled());
        m_ui.click(item("paramsInsertButton"));
        QCOMPARE(controller()->draftText(), QStringLiteral("AT+KEEP"));
        QCOMPARE(item("sendBox")->property("text").toString(), QStringLiteral("AT+KEEP"));
        windowDraws(QStringLiteral("refused-command"));

        // A command that fits still goes in.
        click("paramsCancelButton");
        clickCommand(QStringLiteral("plain"));
        QTRY_COMPARE(controller()->draftText(), QStringLiteral("AT"));

        controller()->setCurrentModelId(QStringLiteral("Y"));
        clickCommand(QStringLiteral("long payload"));
        QTRY_VERIFY(m_ui.monitorText().contains(QStringLiteral("Not put into the send box")));
        QCOMPARE(controller()->draftText(), QStringLiteral("AT"));
        QCOMPARE(item("sendBox")->property("text").toString(), QStringLiteral("AT"));
        windowDraws(QStringLiteral("refused-payload"));
    }

    // Versions, descriptions and names of a library, and the notes of the update service, come
    // into the window cut with a mark, however long the service makes them.
    void longTextsReachTheWindowCut()
    {
        const qsizetype extra = 20000; // the "/version" answer stays within its bound
        UpdateServerProcess server;
        QVERIFY2(m_fx.serveLibrary(server, korveltest::newerLibrary(),
                                   {QStringLiteral("--fault"), QStringLiteral("huge-texts"),
                                    QStringLiteral("--huge-size"), QString::number(extra)}),
                 qPrintable(server.error()));
        QVERIFY(load("DEVICE_LIBRARY_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        const QString version = TextBounds::cut(
            QStringLiteral("9.0-") + QString(extra, QLatin1Char('v')), TextBounds::Caption);

        checkLibraryThroughTheDialog();
        QCOMPARE(controller()->remoteLibraryVersion(), version);
        QCOMPARE(text("libraryUpdateMessage"),
                 QStringLiteral("Version %1 is available.").arg(version));
        downloadCheckedLibrary();
        QCOMPARE(text("libraryVersionLabel"), version);
        closeLibraryDialogs();

        m_ui.click(item("modeSegment1"));
        const QString description = text("modelDescription");
        QVERIFY(description.endsWith(TextBounds::cutMark()));
        QCOMPARE(description.size(), TextBounds::Caption + TextBounds::cutMark().size());
        const QModelIndex first = controller()->commandModel()->index(0);
        QVERIFY(first.data(CommandListModel::NameRole).toString().endsWith(TextBounds::cutMark()));
        windowDraws(QStringLiteral("long-texts"));
    }

    // A paste that would make the draft longer than the send box takes never reaches the box,
    // which would lay the whole text out first (a minute for a megabyte); one that fits goes in.
    void longPasteDropped_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("taken");
        QTest::newRow("fits with what the box keeps") << int(TextBounds::Command) - 5 << true;
        QTest::newRow("one character too many") << int(TextBounds::Command) - 4 << false;
        QTest::newRow("a megabyte") << 1024 * 1024 << false;
    }

    void longPasteDropped()
    {
        QFETCH(int, size);
        QFETCH(bool, taken);
        QVERIFY(load(QByteArray()));
        controller()->setDraftText(QStringLiteral("AT+X="));
        QGuiApplication::clipboard()->setText(QString(size, QLatin1Char('p')));
        m_ui.click(item("sendBox"));
        QTRY_VERIFY(item("sendBox")->hasActiveFocus());
        QTest::keyClick(m_ui.window(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(m_ui.window(), Qt::Key_V, Qt::ControlModifier);
        const QString expected = taken ? QStringLiteral("AT+X=") + QString(size, QLatin1Char('p'))
                                       : QStringLiteral("AT+X=");
        QTRY_COMPARE(controller()->draftText().size(), expected.size());
        QCOMPARE(controller()->draftText(), expected);
        QCOMPARE(text("sendBox"), expected);
        QCOMPARE(korveltest::describe(controller()->logStore())
                     .filter(QStringLiteral("ERR:Not put into the send box"))
                     .size(),
                 taken ? 0 : 1);
    }

    // Release notes of a third of a megabyte are shown as their first pages, with the mark.
    void longReleaseNotesCut()
    {
        const QString dir = m_fx.freshFolder();
        const QJsonArray releases{korveltest::release(QStringLiteral("0.9.0"),
                                                      QStringLiteral("korvel.zip"),
                                                      QString(300000, QLatin1Char('n')))};
        korveltest::writeFile(dir + QStringLiteral("/releases.json"),
                              QJsonDocument(releases).toJson());
        korveltest::writeFile(dir + QStringLiteral("/korvel.zip"), QByteArray(1024, 'z'));
        UpdateServerProcess server;
        QVERIFY2(server.start({QStringLiteral("--release-dir"), dir}), qPrintable(server.error()));
        QVERIFY(load("APP_UPDATE_API_BASE_URL=" + server.baseUrl().toUtf8() + '\n'));
        QMetaObject::invokeMethod(object("softwareUpdateDialog"), "open");
        waitOpened("softwareUpdateDialog");
        controller()->checkForAppUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(controller()->appUpdateState(), QStringLiteral("updateAvailable"),
                                  15000);
        QCOMPARE(text("releaseNotes"),
                 TextBounds::cut(QString(300000, QLatin1Char('n')), TextBounds::Notes));
        windowDraws(QStringLiteral("long-notes"));
    }
};

QTEST_MAIN(TestHostileUpdates)
#include "tst_hostileupdates.moc"
