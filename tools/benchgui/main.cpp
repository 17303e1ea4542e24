// Interface benchmark: the application's window (or its data monitor alone,
// or the prototype monitor in its place), offscreen or on an X display,
// receiving lines from the device simulator through a real pseudo-terminal:
// a sensor's trickle (10 lines a second), floods at 921600 baud and as fast
// as the pseudo-terminal carries, the window at rest, full repaints (theme,
// font, width), and the start-up of the application itself. Each run prints
// its figures and a "target" line saying whether it met its target. With
// --json the floods are the simulator's JSON reports and each rate runs
// twice, with the fields panel hidden (the monitor alone) and shown with its
// plot; --plot measures the plot's redraw instead.
#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/rendererchoice.h"
#include "benchsupport.h"
#include "findrun.h"
#include "floodrun.h"
#include "log/fieldmonitor.h"
#include "maindocument.h"
#include "monitorproto.h"
#include "plotbench.h"
#include "repaintrun.h"
#include "startuprun.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <limits>
#include <memory>

namespace {

QQuickItem* findMonitor(QQuickItem* item)
{
    if (!item) {
        return nullptr;
    }
    const QByteArray name = item->metaObject()->className();
    if (name.startsWith("DataMonitorView") || name.startsWith("MonitorProto")) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = findMonitor(child)) {
            return found;
        }
    }
    return nullptr;
}

// Start-ups of the application as it is, and of its main window with parts
// taken out that could be created when first needed, to see what each costs.
bool runStartups(const QString& app, int runs, bool variants)
{
    bool met = true;
    auto report = [&](const QString& label, const StartupFigures& f, bool judged) {
        if (!f.failure.isEmpty()) {
            std::printf("start-up, %s: %s\n", qPrintable(label), qPrintable(f.failure));
            met = met && !judged;
            return;
        }
        std::printf("start-up, %s (%lld runs):\n", qPrintable(label),
                    static_cast<long long>(f.seconds.size()));
        std::printf("  to window shown %.3f s median, %.3f fastest, %.3f slowest\n", f.median(),
                    f.fastest(), f.slowest());
        // Other work on the machine stretches the wall clock far more than this.
        std::printf("  cpu to shown    %.3f s median (all the program's threads)\n", f.medianCpu());
        std::printf("  memory at rest  %.1f MB resident (median)\n", f.medianResident() / 1024.0);
        if (judged) {
            const bool fast = f.median() <= 0.20;
            const bool small = f.medianResident() <= 120 * 1024;
            std::printf("target start-up: %.3f s from exec to window shown (at most 0.20): %s\n",
                        f.median(), fast ? "met" : "MISSED");
            std::printf("target memory at rest: %.1f MB resident (at most 120): %s\n",
                        f.medianResident() / 1024.0, small ? "met" : "MISSED");
            met = met && fast && small;
        }
        std::fflush(stdout);
    };
    constexpr int RestMs = 3000;
    report(QStringLiteral("the application"), measureStartups(app, {}, runs, RestMs), true);
    if (!variants) {
        return met;
    }
    QProcessEnvironment noGl;
    noGl.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    noGl.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    report(QStringLiteral("the application, no OpenGL loaded at all"),
           measureStartups(app, {}, runs, RestMs, noGl), false);

    const QStringList dialogs = {
        QStringLiteral("    SaveLogDialog {"),    QStringLiteral("    SettingsAboutDialog {"),
        QStringLiteral("    AboutDialog {"),      QStringLiteral("    SoftwareUpdateDialog {"),
        QStringLiteral("    DriverListDialog {"), QStringLiteral("    DriverHintDialog {"),
        QStringLiteral("    Dialog {"),
    };
    const QStringList pages = {
        QStringLiteral("                                CommandLibraryPanel {"),
        QStringLiteral("                                RemoteAssistPanel {")};
    const QStringList shadow = {QStringLiteral("    DropShadowEffect {")};
    struct Variant
    {
        const char* label;
        QStringList blocks;
        bool prototype;
    };
    const QList<Variant> list = {
        {"main window as is", {}, false},
        {"main window without its dialogs", dialogs, false},
        {"main window without the pages not shown", pages, false},
        {"main window without dialogs, hidden pages and window shadow", dialogs + pages + shadow,
         false},
        {"the same with the prototype monitor", dialogs + pages + shadow, true},
    };
    QTemporaryDir dir;
    const QString self = QCoreApplication::applicationFilePath();
    for (const Variant& v : list) {
        const QString text = mainDocumentWithout(v.blocks, v.prototype);
        const QString file = dir.filePath(QStringLiteral("Main%1.qml").arg(&v - list.data()));
        QFile out(file);
        if (text.isEmpty() || !out.open(QIODevice::WriteOnly)) {
            std::printf("start-up, %s: cannot make the document\n", v.label);
            continue;
        }
        out.write(text.toUtf8());
        out.close();
        report(QString::fromLatin1(v.label),
               measureStartups(self, {QStringLiteral("--startup-child"), file}, runs, RestMs),
               false);
        report(QString::fromLatin1(v.label) + QStringLiteral(", no OpenGL loaded at all"),
               measureStartups(self, {QStringLiteral("--startup-child"), file}, runs, RestMs, noGl),
               false);
    }
    const QString bare = dir.filePath(QStringLiteral("Bare.qml"));
    QFile out(bare);
    if (out.open(QIODevice::WriteOnly)) {
        out.write("import QtQuick\nimport QtQuick.Controls\n"
                  "ApplicationWindow { width: 1356; height: 896; visible: true\n"
                  "    Label { text: \"Data monitor\" } }\n");
        out.close();
        report(QStringLiteral("a bare window with one label (the floor)"),
               measureStartups(self, {QStringLiteral("--startup-child"), bare}, runs, RestMs, noGl),
               false);
    }
    return met;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--startup-child") == 0) {
        return runStartupChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    // Never touch the user's own settings.
    QTemporaryDir settingsDir;
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelBench"));
    QCoreApplication::setApplicationName(QStringLiteral("korvel-benchgui"));
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsDir.path());
        QSettings::setPath(format, QSettings::SystemScope, settingsDir.path() + "/system");
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Measures the application's window under a serial flood from korvel-devsim."));
    parser.addHelpOption();
    const QCommandLineOption devsimOption(
        QStringLiteral("devsim"), QStringLiteral("Path of korvel-devsim."), QStringLiteral("path"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("Length of each flood (default 20)."),
                                           QStringLiteral("s"), QStringLiteral("20"));
    const QCommandLineOption ratesOption(
        QStringLiteral("rates"),
        QStringLiteral("Comma-separated flood rates in bytes/s, 0 = unthrottled "
                       "(default 92160,0: 921600 baud, then as fast as the pty carries)."),
        QStringLiteral("list"), QStringLiteral("92160,0"));
    const QCommandLineOption lineLengthOption(
        QStringLiteral("line-length"), QStringLiteral("Flood line length with CR LF (default 40)."),
        QStringLiteral("n"), QStringLiteral("40"));
    const QCommandLineOption documentOption(
        QStringLiteral("document"),
        QStringLiteral("QML window to load instead of the application's main window."),
        QStringLiteral("file"));
    const QCommandLineOption monitorOnlyOption(
        QStringLiteral("monitor-only"),
        QStringLiteral("Load the data monitor alone in a window of its size in the main window."));
    const QCommandLineOption prototypeOption(
        QStringLiteral("prototype"),
        QStringLiteral("Measure the prototype monitor (one item that keeps what it has drawn) in "
                       "place of the application's monitor."));
    const QCommandLineOption techniqueOption(
        QStringLiteral("technique"),
        QStringLiteral("How the prototype puts its rows on screen: node (a render node, the "
                       "default) or painted (a painted item)."),
        QStringLiteral("name"), QStringLiteral("node"));
    const QCommandLineOption unthrottledLinesOption(
        QStringLiteral("unthrottled-lines"),
        QStringLiteral("Lines of the unthrottled flood (default: what a 3 s trial shows the "
                       "window takes in over --seconds)."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption noPortPollOption(
        QStringLiteral("no-port-poll"),
        QStringLiteral("Diagnostic: stop the controller's port list poll, to see its share."));
    const QCommandLineOption continuousOption(
        QStringLiteral("continuous-log"),
        QStringLiteral("Log continuously to a daily file (in a temporary folder) during the runs, "
                       "and compare the file with the lines logged."));
    const QCommandLineOption trickleOption(
        QStringLiteral("trickle-seconds"),
        QStringLiteral("Length of the 10 lines/s run before the floods (default 30; 0 skips it)."),
        QStringLiteral("s"), QStringLiteral("30"));
    const QCommandLineOption idleOption(
        QStringLiteral("idle-seconds"),
        QStringLiteral("Length of each idle run after the floods, with no port open and with a "
                       "port open that sends nothing (default 20; 0 skips them)."),
        QStringLiteral("s"), QStringLiteral("20"));
    const QCommandLineOption repaintsOption(
        QStringLiteral("repaints"),
        QStringLiteral("Full repaints measured for each of theme, font and width changes "
                       "(default 10; 0 skips them)."),
        QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption startupOption(
        QStringLiteral("startup-runs"),
        QStringLiteral("Start the application this often (after one start not counted) and "
                       "measure the time to its window's first frame and its memory at rest "
                       "(default 0: not measured); nothing else is measured then."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption startupVariantsOption(
        QStringLiteral("startup-variants"),
        QStringLiteral("With --startup-runs: also the main window without the parts that could "
                       "be created when first needed, and without OpenGL."));
    const QCommandLineOption appOption(QStringLiteral("app"),
                                       QStringLiteral("Path of the application, for start-ups."),
                                       QStringLiteral("path"));
    const QCommandLineOption jsonOption(
        QStringLiteral("json"),
        QStringLiteral("Flood the simulator's nested JSON reports, and run each rate twice: with "
                       "the fields panel hidden (the monitor alone) and shown with its plot. "
                       "No trickle then."));
    const QCommandLineOption plotOption(
        QStringLiteral("plot"),
        QStringLiteral("Measure the plot's redraw of 8 fields of up to 100,000 samples instead."));
    const QCommandLineOption findOption(
        QStringLiteral("find"),
        QStringLiteral("Run each rate four times: nothing found or coloured, the find bar "
                       "marking its matches, the same filtering to matching lines, and three "
                       "highlight rules."));
    parser.addOption(findOption);
    const QCommandLineOption findRoundsOption(
        QStringLiteral("find-rounds"),
        QStringLiteral("With --find: make the four runs in turn this often and compare each with "
                       "the run of nothing found of its round; the median counts (default 1)."),
        QStringLiteral("n"), QStringLiteral("1"));
    parser.addOption(findRoundsOption);
    parser.addOptions({devsimOption, secondsOption, ratesOption, lineLengthOption, documentOption,
                       monitorOnlyOption, prototypeOption, techniqueOption, unthrottledLinesOption,
                       noPortPollOption, continuousOption, trickleOption, idleOption,
                       repaintsOption, startupOption, startupVariantsOption, appOption, jsonOption,
                       plotOption});
    parser.process(app);

    const int startupRuns = parser.value(startupOption).toInt();
    if (startupRuns > 0) {
        QString program = parser.value(appOption);
        if (program.isEmpty()) {
            program = QCoreApplication::applicationDirPath() + "/../../KorvelSerialAssistant";
        }
        if (!QFileInfo(program).isExecutable()) {
            std::fprintf(stderr, "the application is not at %s (use --app)\n", qPrintable(program));
            return 2;
        }
        const bool met = runStartups(program, startupRuns, parser.isSet(startupVariantsOption));
        std::printf("%s\n", met ? "all targets met" : "targets missed");
        return 0;
    }

    BenchContext context;
    context.devsim = parser.value(devsimOption);
    if (context.devsim.isEmpty()) {
        context.devsim = QCoreApplication::applicationDirPath() + "/../devsim/korvel-devsim";
    }
    if (!QFileInfo(context.devsim).isExecutable()) {
        std::fprintf(stderr, "korvel-devsim not found at %s (use --devsim)\n",
                     qPrintable(context.devsim));
        return 2;
    }
    context.seconds = parser.value(secondsOption).toInt();
    context.findRounds = qBound(1, parser.value(findRoundsOption).toInt(), 20);
    context.json = parser.isSet(jsonOption);
    // A nested report is about 175 bytes; only the flood's length depends on it.
    context.lineLength = context.json ? 175 : parser.value(lineLengthOption).toInt();
    context.unthrottledLines = parser.value(unthrottledLinesOption).toLongLong();

    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    // As the application chooses its renderer.
    RendererChoice::apply();
    registerMonitorPrototype();
    // The window's controller, as the application makes it; it outlives the engine.
    AppController appController;
    QQmlApplicationEngine engine;
    AppControllerSingleton::provide(engine, appController);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
#endif
    if (parser.isSet(plotOption)) {
        runPlotBench(engine);
        return 0;
    }

    // The monitor alone, as large as it is in the main window.
    const bool prototype = parser.isSet(prototypeOption);
    const QString monitorWindow =
        QStringLiteral(R"(
import QtQuick
import Korvel
import KorvelProto
Window {
    width: 990
    height: 620
    visible: true
    %1 { anchors.fill: parent }
}
)")
            .arg(prototype ? QStringLiteral("MonitorProto") : QStringLiteral("DataMonitorView"));
    std::unique_ptr<QObject> fallback;
    QQuickWindow* window = nullptr;
    QString what;
    auto loadMonitorAlone = [&] {
        QQmlComponent component(&engine);
        component.setData(monitorWindow.toUtf8(),
                          QUrl(QStringLiteral("qrc:/benchgui/monitor.qml")));
        fallback.reset(component.create());
        if (!fallback) {
            std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
            return false;
        }
        window = qobject_cast<QQuickWindow*>(fallback.get());
        what = QStringLiteral("data monitor alone");
        return window != nullptr;
    };

    if (parser.isSet(documentOption)) {
        const QString document = parser.value(documentOption);
        engine.load(document.contains(QLatin1String(":/")) ? QUrl(document)
                                                           : QUrl::fromLocalFile(document));
        what = document;
    } else if (prototype && !parser.isSet(monitorOnlyOption)) {
        // The main window's document with the prototype in the monitor's place.
        engine.loadData(mainDocumentWithout({}, true).toUtf8(),
                        QUrl(QStringLiteral("qrc:/benchgui/Main.qml")));
        what = QStringLiteral("main window");
    } else if (!parser.isSet(monitorOnlyOption)) {
        engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Korvel/qml/Main.qml")));
        what = QStringLiteral("main window");
    }
    if (!engine.rootObjects().isEmpty()) {
        window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
        if (window && !parser.isSet(documentOption) && !findMonitor(window->contentItem())) {
            // The main window does not hold the monitor yet.
            window->close();
            window = nullptr;
        }
    }
    if (!window && (parser.isSet(documentOption) || !loadMonitorAlone())) {
        std::fprintf(stderr, "no window to measure\n");
        return 2;
    }
    window->show();
    QQuickItem* monitor = findMonitor(window->contentItem());
    if (prototype && monitor) {
        const bool painted = parser.value(techniqueOption) == QLatin1String("painted");
        monitor->setProperty("technique", painted ? 1 : 0);
        what += painted ? QStringLiteral(", prototype monitor (painted item)")
                        : QStringLiteral(", prototype monitor (render node)");
    }

    auto* controller =
        engine.singletonInstance<AppController*>(qmlTypeId("Korvel", 1, 0, "AppController"));
    if (!controller) {
        std::fprintf(stderr, "the document does not import Korvel\n");
        return 2;
    }
    context.controller = controller;
    LogManager& log = controller->logStore();
    if (parser.isSet(noPortPollOption)) {
        for (QTimer* timer : controller->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            if (timer->interval() == AppController::PortPollMs) {
                timer->stop();
            }
        }
    }

    // Continuous logging, as a save with its box checked turns it on.
    QTemporaryDir continuousDir;
    context.continuous = parser.isSet(continuousOption);
    context.linesBeforeLogging = log.totalLineCount();
    if (context.continuous) {
        const QString error = controller->saveLog(continuousDir.path(), QStringLiteral("bench"),
                                                  QStringLiteral("text"), true);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "cannot log continuously: %s\n", qPrintable(error));
            return 2;
        }
    }

    int frames = 0;
    context.frames = &frames;
    QObject::connect(window, &QQuickWindow::frameSwapped, [&] { ++frames; });
    runFor(500);
    const bool software =
        window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software;
    std::printf("window: %s, %d x %d, %s scene graph\n", qPrintable(what), window->width(),
                window->height(), software ? "software" : "hardware");

    bool allMet = true;
    const auto judge = [&](int result) {
        if (result < 0) {
            std::exit(2);
        }
        allMet = allMet && result > 0;
    };

    const int trickleSeconds = parser.value(trickleOption).toInt();
    if (trickleSeconds > 0 && !context.json) {
        judge(runTrickle(context, 10, trickleSeconds, 1.0));
    }

    const QStringList rates = parser.value(ratesOption).split(',', Qt::SkipEmptyParts);
    for (const QString& rateText : rates) {
        const qint64 rate = rateText.toLongLong();
        if (parser.isSet(findOption)) {
            controller->fields()->setShown(false);
            judge(runFindFloods(context, monitor, rate));
            continue;
        }
        if (!context.json) {
            // The monitor's own figures: numbered lines give the panel nothing.
            controller->fields()->setShown(false);
            judge(runFlood(context, rate, 400.0));
            continue;
        }
        // The fields panel and its plot may add at most 25 % to the CPU time
        // per MB of the monitor alone at 921600 baud, in the same run.
        constexpr double noLimit = std::numeric_limits<double>::infinity();
        double alone = 0;
        double shown = 0;
        controller->fields()->setShown(false);
        judge(runFlood(context, rate, noLimit, &alone));
        controller->fields()->setShown(true);
        judge(runFlood(context, rate, noLimit, &shown));
        const double growth = alone > 0 ? 100.0 * (shown / alone - 1.0) : 0.0;
        if (rate == 92160) {
            const bool met = alone > 0 && growth <= 25.0;
            std::printf("target fields panel at 921600 baud: %+.0f %% CPU per MB against the "
                        "monitor alone (at most +25 %%): %s\n",
                        growth, met ? "met" : "MISSED");
            allMet = allMet && met;
        } else {
            std::printf("  against alone   %+.0f %% cpu per MB\n", growth);
        }
        std::fflush(stdout);
    }

    // At rest: CPU time over a stretch in which nothing arrives, first with no
    // port open, then with one open to a device that sends nothing unasked.
    // Only the event loop runs meanwhile: no stall meter, no polling here.
    const int idleSeconds = parser.value(idleOption).toInt();
    auto idleRun = [&](const char* label, double limitPercent) {
        runFor(1000);
        frames = 0;
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runQuietly(idleSeconds * 1000);
        const double elapsed = double(wall.nsecsElapsed()) / 1e9;
        const double percent = 100.0 * (cpuSeconds() - cpuBefore) / elapsed;
        const bool met = percent <= limitPercent;
        std::printf("idle, %s, for %d s:\n", label, idleSeconds);
        std::printf("  frames          %.1f /s\n", frames / elapsed);
        std::printf("target idle, %s: %.2f %% of a core (at most %.1f): %s\n", label, percent,
                    limitPercent, met ? "met" : "MISSED");
        std::fflush(stdout);
        allMet = allMet && met;
    };
    if (idleSeconds > 0) {
        idleRun("no port open", 0.2);
        QProcess sim;
        sim.setProgram(context.devsim);
        sim.setArguments({QStringLiteral("--quiet")});
        sim.start();
        if (!sim.waitForReadyRead(5000)) {
            std::fprintf(stderr, "korvel-devsim did not start\n");
            return 2;
        }
        const QString pty = QString::fromLocal8Bit(sim.readLine()).trimmed();
        if (!controller->openPort(pty, 921600, 8, 0, 1, 0)) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(pty));
            return 2;
        }
        idleRun("port open, no data", 0.3);
        controller->closePort();
        sim.terminate();
        sim.waitForFinished(5000);
    }

    // Full repaints of a full monitor: every row in sight drawn again.
    const int repaints = parser.value(repaintsOption).toInt();
    if (repaints > 0) {
        fillLog(context);
        const int width = window->width();
        const QString theme = controller->themeMode();
        const int fontSize = controller->logFontSize();
        const QList<std::pair<const char*, std::function<void(int)>>> changes = {
            {"theme",
             [&](int step) {
                 const bool other = step % 2 == 0;
                 controller->setThemeMode(other == (theme == QLatin1String("dark"))
                                              ? QStringLiteral("light")
                                              : QStringLiteral("dark"));
             }},
            {"font size",
             [&](int step) {
                 controller->setLogFontSize(fontSize + (step % 2 == 0 ? 1 : 0));
             }},
            {"width",
             [&](int step) {
                 window->setWidth(width - (step % 2 == 0 ? 40 : 0));
             }},
        };
        double slowestCpu = 0;
        for (const auto& [label, change] : changes) {
            // An even number of changes puts everything back as it was.
            const RepaintFigures f = measureRepaints(window, repaints + repaints % 2, change);
            std::printf("full repaint, %s change (%lld times):\n", label,
                        static_cast<long long>(f.wallMs.size()));
            std::printf("  frame shown     %.1f ms after it (median), %.1f (slowest)\n",
                        RepaintFigures::median(f.wallMs), RepaintFigures::largest(f.wallMs));
            std::printf("  cpu             %.1f ms (median), %.1f (most)\n",
                        RepaintFigures::median(f.cpuMs), RepaintFigures::largest(f.cpuMs));
            slowestCpu = qMax(slowestCpu, RepaintFigures::largest(f.cpuMs));
        }
        // The target is the monitor's: in the main window a theme change
        // repaints every part of it.
        if (what.startsWith(QLatin1String("main window"))) {
            std::printf("full repaint: %.1f ms of CPU at most, the whole window (the target is "
                        "judged on the monitor alone, --monitor-only)\n",
                        slowestCpu);
        } else {
            const bool met = slowestCpu <= 16.0;
            std::printf("target full repaint: %.1f ms of CPU at most (at most 16): %s\n",
                        slowestCpu, met ? "met" : "MISSED");
            allMet = allMet && met;
        }
        std::fflush(stdout);
    }

    std::printf("%s\n", allMet ? "all targets met" : "targets missed");
    return 0;
}
