// The command line: what each option asks for, the mistakes that end the
// program before any window exists, the real binary opening a simulated
// device at start-up, and the options reaching the real window.
#include "app/appcontroller.h"
#include "app/commandline.h"
#include "buildinfo.h"
#include "serial/portlistmodel.h"
#include "settings/languagemanager.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

using namespace korveltest;

const QString kHint = QStringLiteral("Run \"KorvelSerialAssistant --help\" to see the options.\n");

QList<SerialPortEntry>& systemPorts()
{
    static QList<SerialPortEntry> ports;
    return ports;
}

// True when process @p pid has a file open that leads to @p path.
bool holdsOpen(qint64 pid, const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    const QStringList entries = fds.entryList(QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(entries.cbegin(), entries.cend(), [&](const QString& fd) {
        return QFileInfo(fds.filePath(fd)).symLinkTarget() == target;
    });
}

// An environment in which a GUI application cannot start: if the program got
// as far as making one, it would fail in Qt's own words instead of ours.
QProcessEnvironment noDisplay(const QTemporaryDir& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    return env;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    const AppServices m_fakePorts = korveltest::testServices([] { return systemPorts(); });

private slots:
    void initTestCase()
    {
        isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }
    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::clearSettings();
        systemPorts().clear();
    }

    void parse_data();
    void parse();
    void mistakes_data();
    void mistakes();
    void binaryEndsWithoutWindow_data();
    void binaryEndsWithoutWindow();
    void binaryOpensAtStartUp();
    void optionsReachTheWindow_data();
    void optionsReachTheWindow();
    void documentsNameTheVersion_data();
    void documentsNameTheVersion();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("baud");
    QTest::addColumn<bool>("open");

    QTest::newRow("nothing") << QStringList{} << "" << 0 << false;
    QTest::newRow("port") << QStringList{"--port", "/tmp/hx4"} << "/tmp/hx4" << 0 << false;
    QTest::newRow("port=") << QStringList{"--port=/dev/ttyUSB0"} << "/dev/ttyUSB0" << 0 << false;
    QTest::newRow("listed port name")
        << QStringList{"--port", "ttyUSB0"} << "ttyUSB0" << 0 << false;
    QTest::newRow("baud") << QStringList{"--baud", "9600"} << "" << 9600 << false;
    QTest::newRow("lowest and highest baud")
        << QStringList{"--baud", "300", "--baud", "921600"} << "" << 921600 << false;
    QTest::newRow("open") << QStringList{"--open"} << "" << 0 << true;
    QTest::newRow("all three") << QStringList{"--open", "--baud", "57600", "--port", "/tmp/hx4"}
                               << "/tmp/hx4" << 57600 << true;
    QTest::newRow("Qt's own options pass")
        << QStringList{"-platform", "offscreen", "-reverse", "--open"} << "" << 0 << true;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, args);
    QFETCH(QString, port);
    QFETCH(int, baud);
    QFETCH(bool, open);

    const CommandLine line =
        CommandLine::parse(QStringList{QStringLiteral("/usr/bin/KorvelSerialAssistant")} + args);
    QVERIFY2(line.run, qPrintable(line.error));
    QCOMPARE(line.exitStatus, 0);
    QCOMPARE(line.output, QString());
    QCOMPARE(line.error, QString());
    QCOMPARE(line.options.port, port);
    QCOMPARE(line.options.baudRate, baud);
    QCOMPARE(line.options.open, open);
}

void TestCommandLine::mistakes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");

    const QString rates = QStringLiteral(
        "300, 600, 900, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200, 230400, "
        "460800, 921600");
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << "KorvelSerialAssistant " KORVEL_APP_VERSION "\n"
                             << "";
    QTest::newRow("baud not a number")
        << QStringList{"--baud", "abc"} << 2 << ""
        << QStringLiteral("--baud: \"abc\" is not a baud rate the window offers (%1).").arg(rates);
    QTest::newRow("baud not offered")
        << QStringList{"--baud", "250000"} << 2 << ""
        << QStringLiteral("--baud: \"250000\" is not a baud rate the window offers (%1).")
               .arg(rates);
    QTest::newRow("baud without value") << QStringList{"--baud"} << 2 << ""
                                        << "Missing value after '--baud'.";
    QTest::newRow("port without value") << QStringList{"--port"} << 2 << ""
                                        << "Missing value after '--port'.";
    QTest::newRow("port empty") << QStringList{"--port", " "} << 2 << ""
                                << "--port needs a port name or a device path.";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << ""
                                    << "Unknown option 'colour'.";
    QTest::newRow("stray argument") << QStringList{"/tmp/hx4"} << 2 << ""
                                    << "Unexpected argument \"/tmp/hx4\".";
}

void TestCommandLine::mistakes()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);

    const CommandLine line =
        CommandLine::parse(QStringList{QStringLiteral("/opt/korvel/KorvelSerialAssistant")} + args);
    QVERIFY(!line.run);
    QCOMPARE(line.exitStatus, status);
    QCOMPARE(line.output, output);
    QCOMPARE(line.error, error.isEmpty() ? QString()
                                         : QStringLiteral("KorvelSerialAssistant: ") + error +
                                               QLatin1Char('\n') + kHint);
}

void TestCommandLine::binaryEndsWithoutWindow_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");

    QTest::newRow("help") << QStringList{"--help"} << 0 << "  --port <PATH>"
                          << "";
    QTest::newRow("short help") << QStringList{"-h"} << 0 << "  --open"
                                << "";
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << "KorvelSerialAssistant " KORVEL_APP_VERSION << "";
    QTest::newRow("bad baud") << QStringList{"--baud", "abc", "--open"} << 2 << ""
                              << "KorvelSerialAssistant: --baud: \"abc\"";
    QTest::newRow("port without value") << QStringList{"--open", "--port"} << 2 << ""
                                        << "KorvelSerialAssistant: Missing value after '--port'.";
    QTest::newRow("unknown option") << QStringList{"--reconnect"} << 2 << ""
                                    << "KorvelSerialAssistant: Unknown option 'reconnect'.";
}

void TestCommandLine::binaryEndsWithoutWindow()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);

    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcess app;
    app.setProcessEnvironment(noDisplay(home));
    app.start(qEnvironmentVariable("KORVEL_APP"), args);
    QVERIFY2(app.waitForFinished(30000), "the program kept running");
    const QString out = QString::fromLocal8Bit(app.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(app.readAllStandardError());
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QVERIFY2(app.exitCode() == status, qPrintable(err));
    QVERIFY2(out.contains(stdoutHas), qPrintable(out));
    QVERIFY2(err.contains(stderrHas), qPrintable(err));
    if (status != 0)
        QVERIFY(err.endsWith(kHint));
    // Nothing of a window: no platform was loaded and no settings written.
    QVERIFY2(!err.contains(QLatin1String("platform")), qPrintable(err));
    QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/.config/Korvel")));
}

// The README's demo: the simulator on a link, the application told to open it.
void TestCommandLine::binaryOpensAtStartUp()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("hx4"));
    Simulator sim;
    QVERIFY2(sim.start({QStringLiteral("--link"), link}), qPrintable(sim.error()));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral(".config")));
    QProcess app;
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedChannels);
    app.start(qEnvironmentVariable("KORVEL_APP"),
              {QStringLiteral("--port"), link, QStringLiteral("--baud"), QStringLiteral("9600"),
               QStringLiteral("--open")});
    QVERIFY2(app.waitForStarted(10000), qPrintable(app.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(
        holdsOpen(app.processId(), link) || app.state() == QProcess::NotRunning, 30000);
    QCOMPARE(app.state(), QProcess::Running);

    // The open was remembered with the settings it used.
    const auto stored = [&](const char* key) {
        const QSettings file(
            dir.filePath(QStringLiteral(".config/Korvel/KorvelSerialAssistant.conf")),
            QSettings::IniFormat);
        return file.value(QLatin1String(key));
    };
    QTRY_COMPARE(stored("serial/port").toString(), link);
    QCOMPARE(stored("serial/baud").toInt(), 9600);
    QCOMPARE(stored("serial/recentPaths").toStringList(), QStringList{link});

    app.terminate();
    QVERIFY(app.waitForFinished(10000));
}

void TestCommandLine::optionsReachTheWindow_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("baud");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("shownBaud");
    QTest::addColumn<QString>("failure");

    QTest::newRow("port and baud") << "link" << 9600 << false << "9600"
                                   << "";
    QTest::newRow("opened at the baud given") << "link" << 57600 << true << "57600"
                                              << "";
    QTest::newRow("opened at the model's baud") << "link" << 0 << true << "115200"
                                                << "";
    QTest::newRow("first listed port") << "" << 0 << true << "115200"
                                       << "";
    QTest::newRow("missing path") << "missing" << 0 << true << "115200"
                                  << "%1 does not exist. Check the path, and that the device is "
                                     "plugged in.";
}

void TestCommandLine::optionsReachTheWindow()
{
    QFETCH(QString, port);
    QFETCH(int, baud);
    QFETCH(bool, open);
    QFETCH(QString, shownBaud);
    QFETCH(QString, failure);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SocatPair pair;
    QVERIFY2(pair.start(), qPrintable(pair.error()));
    QString path;
    if (port == QLatin1String("link")) {
        path = pair.appPath();
    } else if (port == QLatin1String("missing")) {
        path = dir.filePath(QStringLiteral("missing"));
    } else {
        // Nothing named: the port the list offers first.
        systemPorts() = {SerialPortEntry{pair.appPath(), QStringLiteral("socat"), {}, false}};
    }

    MainWindowDriver window(m_fakePorts);
    QVERIFY(window.load());
    AppController* controller = window.controller();
    StartupOptions options;
    options.port = path;
    options.baudRate = baud;
    options.open = open;
    controller->applyStartupOptions(options);

    const QString expectedPort = path.isEmpty() ? pair.appPath() : path;
    QQuickItem* baudCombo = window.item(QStringLiteral("baudCombo"));
    QVERIFY(baudCombo);
    QTRY_COMPARE(baudCombo->property("currentText").toString(), shownBaud);
    QObject* errorDialog = window.object(QStringLiteral("portErrorDialog"));
    QVERIFY(errorDialog);
    if (!failure.isEmpty()) {
        QVERIFY(!controller->portOpen());
        QTRY_VERIFY(errorDialog->property("visible").toBool());
        QCOMPARE(window.item(QStringLiteral("portErrorText"))->property("text").toString(),
                 failure.arg(path));
        return;
    }
    QVERIFY(!errorDialog->property("visible").toBool());
    QCOMPARE(controller->selectedPortName(), expectedPort);
    QTRY_COMPARE(window.item(QStringLiteral("portCombo"))->property("displayText").toString(),
                 expectedPort);
    QCOMPARE(controller->portOpen(), open);
    if (open) {
        QCOMPARE(describe(controller->logStore()).constFirst(),
                 opened(expectedPort, shownBaud + QStringLiteral(" 8-N-1")));
    }
}

// The AppStream metadata and the man pages are made from templates with the
// version the program reports.
void TestCommandLine::documentsNameTheVersion_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("AppStream metadata") << "io.korvel.SerialAssistant.metainfo.xml";
    QTest::newRow("application man page") << "KorvelSerialAssistant.1";
    QTest::newRow("simulator man page") << "korvel-devsim.1";
}

void TestCommandLine::documentsNameTheVersion()
{
    QFETCH(QString, file);
    const QByteArray text = fileBytes(QStringLiteral(KORVEL_VERSIONED_DOCS "/") + file);
    QVERIFY2(!text.isEmpty(), qPrintable(file));
    QString version;
    if (file.endsWith(QLatin1String(".xml"))) {
        // The newest release comes first.
        QXmlStreamReader xml(text);
        while (!xml.atEnd() && version.isEmpty()) {
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("release")) {
                version = xml.attributes().value(QLatin1String("version")).toString();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    } else {
        // .TH NAME SECTION DATE SOURCE MANUAL; the source names the version.
        const QList<QByteArray> fields = text.left(text.indexOf('\n')).split('"');
        QVERIFY(fields.size() > 3);
        version = QString::fromUtf8(fields.at(3)).section(QLatin1Char(' '), -1);
    }
    QCOMPARE(version, QStringLiteral(KORVEL_APP_VERSION));
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
