// Renders the real main window in the states worth looking at and saves each
// as a PNG: both themes with each page, the history popup, the driver hint
// banner, a maximised window, a large monitor font, every dialog the window
// owns (the settings dialog's library result too), the command page with its
// parameter strip, template editor and batch windows, and the port controls:
// device paths, waiting for a device, open errors; and the updates from a
// local korvel-update-server: a library offered and applied, an application
// update offered and downloading; the fields panel with its plot (in English
// and Japanese). Then the main window, its dialogs and the updates once in
// every other interface language.
#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/appservices.h"
#include "app/qmlmodule.h"
#include "app/startup.h"
#include "buildinfo.h"
#include "library/commandlistmodel.h"
#include "library/librarycache.h"
#include "serial/drivercheck.h"
#include "serial/portaccess.h"
#include "serial/portlistmodel.h"
#include "settings/envconfig.h"
#include "settings/languagemanager.h"
#include "tools/screenshots/fieldshots.h"
#include "tools/screenshots/findshots.h"
#include "tools/screenshots/lineshots.h"
#include "tools/screenshots/modbusshots.h"
#include "tools/screenshots/shotwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <pty.h>
#include <unistd.h>

namespace {

QString g_outDir;

// Lets bindings, animations and popups settle before a picture is taken.
// The window is translucent around its frame; lay it on a plain backdrop so
// the shadow reads as it would on a desktop.
void save(QQuickWindow* window, const QString& name)
{
    settle();
    const QImage grabbed = window->grabWindow();
    QImage out(grabbed.size(), QImage::Format_RGB32);
    out.fill(QColor("#8c939c"));
    QPainter painter(&out);
    painter.drawImage(0, 0, grabbed);
    painter.end();
    const QString path = g_outDir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (out.save(path)) {
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    }
}

QObject* findObject(QObject* root, const char* objectName)
{
    return root->findChild<QObject*>(QString::fromLatin1(objectName));
}

// The list of the combo box @p objectName, opened, saved as @p name and closed again.
void saveComboPopup(QQuickWindow* window, const char* objectName, const QString& name)
{
    QObject* combo = findObject(window, objectName);
    if (auto* popup = combo ? combo->property("popup").value<QObject*>() : nullptr) {
        QMetaObject::invokeMethod(popup, "open");
        save(window, name);
        QMetaObject::invokeMethod(popup, "close");
        settle(200);
    }
}

// Every object whose QML type name starts with @p typeName (QML types carry
// generated class names such as "SaveLogDialog_QMLTYPE_3").
QList<QObject*> objectsOfType(QObject* root, const QString& typeName)
{
    QList<QObject*> found;
    const auto all = root->findChildren<QObject*>();
    for (QObject* object : all) {
        const QString cls = QString::fromLatin1(object->metaObject()->className());
        if (cls == typeName || cls.startsWith(typeName + QLatin1Char('_'))) {
            found << object;
        }
    }
    return found;
}

// What the controller of the next Session works with.
AppServices g_services;

struct Session : ShotWindow
{
    Session()
        : ShotWindow(g_services)
    {}

    void setPage(int index)
    {
        if (QObject* bar = findObject(window, "modeBar")) {
            bar->setProperty("currentIndex", index);
        }
    }
};

void fillSampleLog(AppController* controller)
{
    LogManager& log = controller->logStore();
    log.append(LogKind::SYS,
               QCoreApplication::translate("AppController", "%1 opened · %2")
                   .arg(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("115200 8-N-1"))
                   .toUtf8());
    log.append(LogKind::TX, QByteArray(R"({"command":"ReadProduct"})"));
    log.append(LogKind::RX,
               QByteArray(R"({"command":"ReadProduct","product":"HX4","firmware":"1.2.0"})"));
    log.append(LogKind::TX, QByteArray(R"({"command":"ReadData"})"));
    log.append(
        LogKind::RX,
        QByteArray(R"({"command":"ReadData","temperature":23.8,"humidity":44.8,"light":303})"));
    log.append(LogKind::TX, QByteArray("01 03 00 00 00 01 84 0A"));
    log.append(LogKind::RX, QByteArray::fromHex("010302000179 84"));
    log.append(LogKind::ERR,
               QCoreApplication::translate("SerialManager", "Serial port %1 disconnected.")
                   .arg(QStringLiteral("/dev/ttyUSB0"))
                   .toUtf8());
    controller->commandHistoryModel()->push(QStringLiteral(R"({"command":"ReadData"})"));
    controller->commandHistoryModel()->push(QStringLiteral(R"({"command":"ReadProduct"})"));
    controller->setDraftText(QStringLiteral(R"({"command":"ReadData"})"));
}

// Each page of the left panel, saved as "<prefix>-serial" and so on; ends on the first page.
void saveMainPages(Session& s, const QString& prefix)
{
    const QStringList pages{QStringLiteral("serial"), QStringLiteral("commands"),
                            QStringLiteral("remote")};
    for (int i = 0; i < pages.size(); ++i) {
        s.setPage(i);
        save(s.window, prefix + QLatin1Char('-') + pages.at(i));
    }
    s.setPage(0);
}

void shootTheme(const QString& theme)
{
    Session s;
    if (!s.load()) {
        std::fprintf(stderr, "Main could not be loaded\n");
        return;
    }
    s.controller->setThemeMode(theme);
    fillSampleLog(s.controller);
    s.window->show();
    saveMainPages(s, QStringLiteral("main-") + theme);

    if (QObject* popup = findObject(s.window, "historyPopup")) {
        QMetaObject::invokeMethod(popup, "open");
        save(s.window, QStringLiteral("history-%1").arg(theme));
        QMetaObject::invokeMethod(popup, "close");
    }

    // Every dialog the window owns, one at a time.
    const QStringList dialogs{
        QStringLiteral("SaveLogDialog"),    QStringLiteral("SettingsAboutDialog"),
        QStringLiteral("AboutDialog"),      QStringLiteral("SoftwareUpdateDialog"),
        QStringLiteral("DriverHintDialog"), QStringLiteral("DriverListDialog")};
    for (const QString& type : dialogs) {
        const auto found = objectsOfType(s.window, type);
        if (found.isEmpty() || found.first()->metaObject()->indexOfMethod("open()") < 0) {
            continue;
        }
        QMetaObject::invokeMethod(found.first(), "open");
        save(s.window, QStringLiteral("dialog-%1-%2").arg(type, theme));
        QMetaObject::invokeMethod(found.first(), "close");
        settle(200);
    }
    // The library check's result dialog, over the settings dialog it belongs to.
    QObject* settings = findObject(s.window, "settingsDialog");
    QObject* library = findObject(s.window, "libraryUpdateDialog");
    if (settings && library) {
        QMetaObject::invokeMethod(settings, "open");
        settle(200);
        QMetaObject::invokeMethod(library, "open");
        save(s.window, QStringLiteral("dialog-LibraryUpdate-%1").arg(theme));
        QMetaObject::invokeMethod(library, "close");
        QMetaObject::invokeMethod(settings, "close");
        settle(200);
    }
    if (QObject* dialog = findObject(s.window, "portErrorDialog")) {
        emit s.controller->portOpenFailed(QStringLiteral("No such file or directory"));
        save(s.window, QStringLiteral("dialog-PortError-%1").arg(theme));
        QMetaObject::invokeMethod(dialog, "close");
        settle(200);
    }

    // A large monitor font, as the settings dialog allows.
    s.controller->setLogFontSize(28);
    save(s.window, QStringLiteral("main-%1-large-monitor-font").arg(theme));
    s.controller->setLogFontSize(13);

    // With a port open the serial settings are locked and must look it.
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) {
        if (s.controller->openPort(QString::fromLocal8Bit(name), 115200, 8, 0, 1, 0)) {
            save(s.window, QStringLiteral("main-%1-port-open").arg(theme));
            s.controller->closePort();
        }
        ::close(slave);
        ::close(master);
    }

    s.window->showMaximized();
    save(s.window, QStringLiteral("main-%1-maximized").arg(theme));
}

void shootDriverBanner()
{
    g_services.driverCheck = DriverCheck([] { return false; });
    QSettings().remove(QStringLiteral("device/ch340DriverHintDismissed"));
    Session s;
    if (s.load()) {
        s.controller->setThemeMode(QStringLiteral("light"));
        fillSampleLog(s.controller);
        s.window->show();
        save(s.window, QStringLiteral("main-light-driver-banner"));
    }
    g_services.driverCheck = DriverCheck();
}

// The terminal end of a pseudo-terminal that nobody answers on, so that a
// batch has a port to run against.
class SilentPort
{
public:
    SilentPort()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) {
            m_path = QString::fromLocal8Bit(ptsname(m_master));
        }
    }
    ~SilentPort()
    {
        if (m_master >= 0) {
            ::close(m_master);
        }
    }
    QString path() const { return m_path; }

private:
    int m_master = -1;
    QString m_path;
};

int rowNamed(AppController* controller, const QString& name)
{
    CommandListModel* model = controller->commandModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row).data(CommandListModel::NameRole).toString() == name) {
            return row;
        }
    }
    return -1;
}

void shootCommandPage(const QString& theme)
{
    QFile sample(QStringLiteral(KORVEL_SAMPLE_LIBRARY));
    if (!sample.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no sample library at %s\n", KORVEL_SAMPLE_LIBRARY);
        return;
    }
    LibraryCache().store(sample.readAll());
    QSettings().setValue(QStringLiteral("device/lastModel"), QStringLiteral("AT2"));
    Session s;
    if (!s.load()) {
        std::fprintf(stderr, "Main could not be loaded\n");
        return;
    }
    AppController* c = s.controller;
    c->setThemeMode(theme);
    if (c->commandModel()->rowCount() < 9) { // the first of the two runs adds them
        c->addCustomTemplate(QStringLiteral("Alarm off"), QStringLiteral("AT+ALARM=-40,125"));
        c->addCustomTemplate(QStringLiteral("Quick report"), QStringLiteral("AT+INTERVAL=5"));
    }
    if (c->batchCommandModel()->rowCount() == 0) {
        c->addBatchCommand(QStringLiteral("Commissioning"), 1000,
                           {QVariantMap{{"text", "AT"}}, QVariantMap{{"text", "AT+NAME=Lab-3"}},
                            QVariantMap{{"text", "AT+INTERVAL=30"}},
                            QVariantMap{{"text", "AT+ALARM=5,38"}}});
        // Each request waits for its reply; the second one's may be missing.
        c->addBatchCommand(QStringLiteral("Read registers"), 250,
                           {QVariantMap{{"text", "01 03 00 00 00 02"},
                                        {"isHex", true},
                                        {"crc", true},
                                        {"expect", "hex"},
                                        {"expectPattern", "01 03 04 ?? ?? ?? ??"},
                                        {"replyTimeoutMs", 500}},
                            QVariantMap{{"text", "01 03 00 10 00 01"},
                                        {"isHex", true},
                                        {"crc", true},
                                        {"expect", "hex"},
                                        {"expectPattern", "01 03 02 ?? ??"},
                                        {"replyTimeoutMs", 500},
                                        {"goOnWithoutReply", true}}});
    }
    fillSampleLog(c);
    s.window->show();
    s.setPage(1);
    save(s.window, QStringLiteral("commands-%1-model").arg(theme));

    // The parameter strip, with one field filled in.
    QObject* strip = findObject(s.window, "paramsPanel");
    const int alarm = rowNamed(c, QStringLiteral("Set alarm thresholds"));
    if (strip && alarm >= 0) {
        QMetaObject::invokeMethod(strip, "openForRow", Q_ARG(QVariant, alarm));
        QMetaObject::invokeMethod(strip, "updateValue", Q_ARG(QVariant, QStringLiteral("high")),
                                  Q_ARG(QVariant, QStringLiteral("38")));
        save(s.window, QStringLiteral("commands-%1-params").arg(theme));
        strip->setProperty("visible", false);
    }

    if (QObject* editor = findObject(s.window, "templateEditor")) {
        QMetaObject::invokeMethod(editor, "openForEdit", Q_ARG(QVariant, 0),
                                  Q_ARG(QVariant, QStringLiteral("Alarm off")),
                                  Q_ARG(QVariant, QStringLiteral("AT+ALARM=-40,125")));
        save(s.window, QStringLiteral("commands-%1-template-editor").arg(theme));
        QMetaObject::invokeMethod(editor, "close");
        settle(200);
    }

    // A batch halfway through its run, against a port nobody answers on.
    SilentPort port;
    if (c->openPort(port.path(), 9600, 8, 2, 2, 0)) {
        c->startBatchCommand(0);
        c->sendNextBatchStep();
    }
    if (QObject* batches = findObject(s.window, "batchWindow")) {
        QMetaObject::invokeMethod(batches, "open");
        save(s.window, QStringLiteral("commands-%1-batches").arg(theme));
        if (QObject* editor = findObject(s.window, "batchEditor")) {
            QMetaObject::invokeMethod(editor, "openForEdit", Q_ARG(QVariant, 1),
                                      Q_ARG(QVariant, QStringLiteral("Read registers")),
                                      Q_ARG(QVariant, 250));
            save(s.window, QStringLiteral("commands-%1-batch-editor").arg(theme));
            QMetaObject::invokeMethod(editor, "close");
        }
        QMetaObject::invokeMethod(batches, "close");
        settle(200);
    }
    c->closePort();
    LibraryCache().clear();
    QSettings().remove(QStringLiteral("device/lastModel"));
}

// The port controls: the chooser with a remembered device path and its path
// row, the path dialog, waiting for a device that went away, and an open
// error with its advice.
void shootPortControls(const QString& theme)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("hx4"));
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0 ||
        !QFile::link(QString::fromLocal8Bit(name), link)) {
        std::fprintf(stderr, "no pseudo-terminal for the port controls\n");
        return;
    }
    QSettings().setValue(QStringLiteral("serial/recentPaths"), QStringList{link});
    Session s;
    if (!s.load()) {
        std::fprintf(stderr, "Main could not be loaded\n");
        return;
    }
    s.controller->setThemeMode(theme);
    s.window->show();

    saveComboPopup(s.window, "portCombo", QStringLiteral("ports-%1-chooser").arg(theme));
    QObject* panel = findObject(s.window, "serialPanel");
    QObject* dialog = findObject(s.window, "portPathDialog");
    if (panel && dialog) {
        QMetaObject::invokeMethod(panel, "openPortPathDialog");
        if (QObject* field = findObject(s.window, "portPathField")) {
            field->setProperty("text",
                               QStringLiteral("/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"));
        }
        save(s.window, QStringLiteral("ports-%1-path-dialog").arg(theme));
        QMetaObject::invokeMethod(dialog, "close");
        settle(200);
    }

    // The device prints half a line and is unplugged.
    if (s.controller->openPortPath(link, 115200, 8, 0, 1, 0)) {
        const QByteArray lines = "{\"event\":\"report\",\"seq\":1,\"temperature\":23.1}\r\n"
                                 "{\"event\":\"report\",\"seq\":2,\"temperature\":23.2}\r\n"
                                 "{\"event\":\"report\",\"seq\":3,\"tem";
        [[maybe_unused]] const ssize_t written =
            ::write(master, lines.constData(), size_t(lines.size()));
        settle(300);
        ::close(master);
        master = -1;
        QFile::remove(link);
        settle(600);
        save(s.window, QStringLiteral("ports-%1-waiting").arg(theme));
        s.controller->closePort();
    }
    if (master >= 0) {
        ::close(master);
    }
    ::close(slave);

    if (QObject* error = findObject(s.window, "portErrorDialog")) {
        emit s.controller->portOpenFailed(QStringLiteral(
            "Cannot open /dev/ttyUSB0: Permission denied. To get access on Linux, add your user to "
            "the group that owns the device (dialout), for example with \"sudo usermod -aG dialout "
            "$USER\", then log out and log in again."));
        save(s.window, QStringLiteral("dialog-PortError-access-%1").arg(theme));
        QMetaObject::invokeMethod(error, "close");
        settle(200);
    }
    QSettings().remove(QStringLiteral("serial/recentPaths"));
}

// Processes events until @p done holds or @p ms have passed.
template <typename Done> bool settleUntil(Done done, int ms = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return done();
}

// korvel-update-server on 127.0.0.1 with the sample library and one release whose package
// arrives slowly, so that its download can be pictured on the way.
class UpdateService
{
public:
    bool start()
    {
        if (!m_dir.isValid()) {
            return false;
        }
        const QByteArray releases = R"([{"slug": "korvel-serial-assistant", "version": {
            "version": "0.9.0", "file": "korvel-0.9.0.zip", "is_force_update": false,
            "description": "Faster start-up with large device libraries.\nThe data monitor keeps up with 1 Mbit/s links.\nFixes the CRC option for hex batches."}}])";
        QFile list(m_dir.filePath(QStringLiteral("releases.json")));
        QFile package(m_dir.filePath(QStringLiteral("korvel-0.9.0.zip")));
        if (!list.open(QIODevice::WriteOnly) || list.write(releases) != releases.size() ||
            !package.open(QIODevice::WriteOnly) || !package.resize(8 * 1024 * 1024)) {
            return false;
        }
        list.close();
        package.close();
        m_server.start(QStringLiteral(KORVEL_UPDATE_SERVER),
                       {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--quiet"),
                        QStringLiteral("--lifetime"), QStringLiteral("300"),
                        QStringLiteral("--library-dir"),
                        QFileInfo(QStringLiteral(KORVEL_SAMPLE_LIBRARY)).path(),
                        QStringLiteral("--release-dir"), m_dir.path(), QStringLiteral("--fault"),
                        QStringLiteral("slow"), QStringLiteral("--fault-path"),
                        QStringLiteral("/software/packages")});
        if (!m_server.waitForStarted(5000) || !m_server.waitForReadyRead(5000)) {
            return false;
        }
        const QByteArray port = m_server.readLine().trimmed();
        const QString env = m_dir.filePath(QStringLiteral(".env"));
        QFile file(env);
        const QByteArray base = "http://127.0.0.1:" + port + '\n';
        const QByteArray text =
            "DEVICE_LIBRARY_API_BASE_URL=" + base + "APP_UPDATE_API_BASE_URL=" + base;
        if (port.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            return false;
        }
        file.close();
        g_services.env.loadFile(env);
        // The package goes to a folder of its own, not the shared temporary folder.
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        return true;
    }

    ~UpdateService()
    {
        g_services.env = EnvConfig();
        if (m_savedTmp.isNull()) {
            qunsetenv("TMPDIR");
        } else {
            qputenv("TMPDIR", m_savedTmp);
        }
        m_server.kill();
        m_server.waitForFinished(5000);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QByteArray m_savedTmp = qgetenv("TMPDIR");
};

// Saved as "<prefix>-library-available" and so on; the prefix is "update-<theme>" by default.
void shootUpdates(const QString& theme, QString prefix = {})
{
    if (prefix.isEmpty()) {
        prefix = QStringLiteral("update-") + theme;
    }
    UpdateService service;
    if (!service.start()) {
        std::fprintf(stderr, "the update service did not start\n");
        return;
    }
    Session s;
    if (!s.load()) {
        std::fprintf(stderr, "Main could not be loaded\n");
        return;
    }
    AppController* c = s.controller;
    c->setThemeMode(theme);
    fillSampleLog(c);
    s.window->show();

    QObject* settings = findObject(s.window, "settingsDialog");
    QObject* library = findObject(s.window, "libraryUpdateDialog");
    if (settings && library) {
        QMetaObject::invokeMethod(settings, "open");
        settle(200);
        c->checkForLibraryUpdate();
        QMetaObject::invokeMethod(library, "open");
        if (settleUntil([c] { return c->libraryUpdateState() != QLatin1String("checking"); })) {
            save(s.window, prefix + QStringLiteral("-library-available"));
        }
        c->downloadLibraryUpdate();
        if (settleUntil([c] { return c->libraryUpdateState() != QLatin1String("downloading"); })) {
            save(s.window, prefix + QStringLiteral("-library-applied"));
        }
        QMetaObject::invokeMethod(library, "close");
        QMetaObject::invokeMethod(settings, "close");
        settle(200);
    }
    // The new model in the picker of the command page.
    s.setPage(1);
    saveComboPopup(s.window, "modelPicker", prefix + QStringLiteral("-library-models"));
    s.setPage(0);

    const auto dialogs = objectsOfType(s.window, QStringLiteral("SoftwareUpdateDialog"));
    if (!dialogs.isEmpty()) {
        QObject* dialog = dialogs.constFirst();
        c->checkForAppUpdate();
        QMetaObject::invokeMethod(dialog, "open");
        if (settleUntil([c] { return c->appUpdateState() != QLatin1String("checking"); })) {
            save(s.window, prefix + QStringLiteral("-app-available"));
        }
        c->installAppUpdate();
        if (settleUntil([c] { return c->appUpdateProgress() > 0.08; })) {
            save(s.window, prefix + QStringLiteral("-app-downloading"));
        }
        c->cancelAppUpdateDownload();
        QMetaObject::invokeMethod(dialog, "close");
        settle(200);
    }
    LibraryCache().clear();
}

// The main window, what it opens and the updates, in the interface language
// @p code, with the driver banner showing so that its text is seen too.
void shootLanguage(const QString& code)
{
    g_services.driverCheck = DriverCheck([] { return false; });
    QSettings().remove(QStringLiteral("device/ch340DriverHintDismissed"));
    QSettings().setValue(QStringLiteral("app/language"), code);
    QFile sample(QStringLiteral(KORVEL_SAMPLE_LIBRARY));
    if (sample.open(QIODevice::ReadOnly)) {
        LibraryCache().store(sample.readAll());
        QSettings().setValue(QStringLiteral("device/lastModel"), QStringLiteral("AT2"));
    }
    {
        Session s;
        if (!s.load()) {
            std::fprintf(stderr, "Main could not be loaded\n");
            return;
        }
        s.controller->setThemeMode(QStringLiteral("light"));
        if (s.controller->batchCommandModel()->rowCount() == 0) {
            s.controller->addBatchCommand(
                QStringLiteral("Commissioning"), 1000,
                {QVariantMap{{"text", "AT"}}, QVariantMap{{"text", "AT+INTERVAL=30"}}});
        }
        fillSampleLog(s.controller);
        s.window->show();
        saveMainPages(s, QStringLiteral("lang-%1-main").arg(code));

        const auto shoot = [&](const char* objectName, const QString& name) {
            QObject* popup = findObject(s.window, objectName);
            if (!popup) {
                std::fprintf(stderr, "no %s\n", objectName);
                return;
            }
            QMetaObject::invokeMethod(popup, "open");
            save(s.window, QStringLiteral("lang-%1-%2").arg(code, name));
            QMetaObject::invokeMethod(popup, "close");
            settle(200);
        };
        shoot("historyPopup", QStringLiteral("history"));
        shoot("settingsDialog", QStringLiteral("settings"));
        shoot("saveLogDialog", QStringLiteral("savelog"));
        shoot("aboutDialog", QStringLiteral("about"));
        shoot("driverHintDialog", QStringLiteral("driverhint"));
        shoot("driverListDialog", QStringLiteral("driverlist"));
        if (QObject* settings = findObject(s.window, "settingsDialog")) {
            QMetaObject::invokeMethod(settings, "open");
            settle(200);
            shoot("libraryUpdateDialog", QStringLiteral("libraryupdate"));
            QMetaObject::invokeMethod(settings, "close");
            settle(200);
        }
        if (QObject* dialog = findObject(s.window, "portErrorDialog")) {
            emit s.controller->portOpenFailed(PortAccess::describeOpenFailure(
                QStringLiteral("/dev/ttyUSB0"), QSerialPort::PermissionError,
                QStringLiteral("Permission denied")));
            save(s.window, QStringLiteral("lang-%1-porterror").arg(code));
            QMetaObject::invokeMethod(dialog, "close");
            settle(200);
        }
        saveComboPopup(s.window, "portCombo", QStringLiteral("lang-%1-ports").arg(code));
        if (QObject* panel = findObject(s.window, "serialPanel")) {
            QMetaObject::invokeMethod(panel, "openPortPathDialog");
            save(s.window, QStringLiteral("lang-%1-pathdialog").arg(code));
            if (QObject* dialog = findObject(s.window, "portPathDialog")) {
                QMetaObject::invokeMethod(dialog, "close");
            }
            settle(200);
        }
        s.setPage(1);
        if (QObject* strip = findObject(s.window, "paramsPanel")) {
            const int alarm = rowNamed(s.controller, QStringLiteral("Set alarm thresholds"));
            if (alarm >= 0) {
                QMetaObject::invokeMethod(strip, "openForRow", Q_ARG(QVariant, alarm));
                save(s.window, QStringLiteral("lang-%1-params").arg(code));
                strip->setProperty("visible", false);
            }
        }
        shoot("batchWindow", QStringLiteral("batches"));
        if (QObject* editor = findObject(s.window, "batchEditor")) {
            QMetaObject::invokeMethod(editor, "openForEdit", Q_ARG(QVariant, 0),
                                      Q_ARG(QVariant, QStringLiteral("Commissioning")),
                                      Q_ARG(QVariant, 1000));
            save(s.window, QStringLiteral("lang-%1-batcheditor").arg(code));
            QMetaObject::invokeMethod(editor, "close");
            settle(200);
        }
    }
    LibraryCache().clear();
    QSettings().remove(QStringLiteral("device/lastModel"));
    // From the built-in library, so that the service has a newer one to offer.
    shootUpdates(QStringLiteral("light"), QStringLiteral("lang-%1-update").arg(code));
    QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    g_services.driverCheck = DriverCheck();
}

} // namespace

int main(int argc, char* argv[])
{

    QGuiApplication app(argc, argv);
    registerKorvelModule();
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelScreenshots"));
    QCoreApplication::setApplicationName(QStringLiteral("korvel-screenshots"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_APP_VERSION));
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    LibraryCache().clear();
    QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    QQuickStyle::setStyle(QStringLiteral("Fusion"));

    // A listed port so the chooser shows what a user with a device sees.
    g_services.portEnumerator = [] {
        return QList<SerialPortEntry>{{QStringLiteral("ttyUSB0"), QStringLiteral("USB2.0-Serial"),
                                       QStringLiteral("CH340"), true},
                                      {QStringLiteral("ttyS0"), QString(), QString(), false}};
    };

    // [folder] [--language=CODE | --modbus | --find | --fields]: only that language's
    // pictures, or only those of the Modbus exchange, the find bar or the fields panel.
    g_outDir = QStringLiteral("screenshots");
    QString onlyLanguage;
    bool onlyModbus = false;
    bool onlyFind = false;
    bool onlyFields = false;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        if (argument == QLatin1String("--modbus")) {
            onlyModbus = true;
        } else if (argument == QLatin1String("--find")) {
            onlyFind = true;
        } else if (argument == QLatin1String("--fields")) {
            onlyFields = true;
        } else if (argument.startsWith(QLatin1String("--language="))) {
            onlyLanguage = argument.section(QLatin1Char('='), 1);
        } else {
            g_outDir = argument;
        }
    }
    QDir().mkpath(g_outDir);

    if (onlyModbus) {
        shootModbus(QStringLiteral("light"), save);
        shootModbus(QStringLiteral("dark"), save);
        shootModbusBatch(QStringLiteral("light"), save);
        shootModbusBatch(QStringLiteral("dark"), save);
        return 0;
    }
    if (onlyFind || onlyFields) {
        for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
            if (onlyFind) {
                shootFind(theme, save);
            }
            if (onlyFields) {
                shootFields(theme, QStringLiteral("en"), save);
                shootFields(theme, QStringLiteral("ja"), save);
            }
        }
        return 0;
    }
    if (onlyLanguage.isEmpty()) {
        shootTheme(QStringLiteral("light"));
        shootTheme(QStringLiteral("dark"));
        shootCommandPage(QStringLiteral("light"));
        shootCommandPage(QStringLiteral("dark"));
        shootDriverBanner();
        shootPortControls(QStringLiteral("light"));
        shootPortControls(QStringLiteral("dark"));
        shootUpdates(QStringLiteral("light"));
        shootUpdates(QStringLiteral("dark"));
        for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
            shootFields(theme, QStringLiteral("en"), save);
            shootFields(theme, QStringLiteral("ja"), save);
            shootModbus(theme, save);
            shootModbusBatch(theme, save);
            shootFind(theme, save);
            shootLines(theme, save);
        }
    }
    for (const LanguageInfo& language : LanguageManager::availableLanguages()) {
        if (language.code != QLatin1String("en") &&
            (onlyLanguage.isEmpty() || onlyLanguage == language.code)) {
            shootLanguage(language.code);
        }
    }
    return 0;
}
