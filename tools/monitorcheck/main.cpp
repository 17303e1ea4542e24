// Feeds the real main window with received lines of random length at random
// rates, the way a chatty sensor does, and watches the data monitor while it
// takes them in: the newest line must stay in sight while the view follows,
// and the viewport must never show blank space where stored lines exist.
// Scenarios cover wrapped and unwrapped lines, a megabyte line without a line
// feed, a megabyte echo, random binary bytes, and the user's wheel.
#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/qmlmodule.h"
#include "monitorprobe.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <cstdio>
#include <functional>

namespace {

QQuickItem* findByName(QQuickItem* item, const QString& name)
{
    if (!item) {
        return nullptr;
    }
    if (item->objectName() == name) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = findByName(child, name)) {
            return found;
        }
    }
    return nullptr;
}

// A line of printable text of the given length, varied like sensor JSON.
QByteArray randomLine(QRandomGenerator& rng, int length)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789 {}\":,._-ABCXYZ";
    QByteArray line;
    line.reserve(length);
    for (int i = 0; i < length; ++i) {
        line += alphabet[rng.bounded(int(sizeof alphabet) - 1)];
    }
    return line;
}

struct Tally
{
    qint64 checks = 0;
    qint64 lostFollow = 0; // checks that found the newest row out of sight for too long
    qint64 blank = 0;      // checks that found blank space where rows exist
    QString firstFault;
};

class Checker
{
public:
    Checker(QQuickWindow* window, QQuickItem* list, AppController* controller)
        : m_window(window)
        , m_list(list)
        , m_probe(list)
        , m_controller(controller)
    {}

    /// Runs the event loop for @p ms while @p feed produces data, checking
    /// the view every 20 ms. @p expectFollow: the newest row must be in sight.
    Tally run(int ms, const std::function<void()>& feed, int feedIntervalMs, bool expectFollow)
    {
        Tally tally;
        QEventLoop loop;
        QTimer end;
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
        QTimer feeder;
        QObject::connect(&feeder, &QTimer::timeout, &loop, [&] { feed(); });
        QElapsedTimer outOfSight;
        QElapsedTimer sinceCheck;
        // Judge the view as it is drawn: after the list has laid itself out
        // for a frame (and every 200 ms when no frame comes).
        auto judge = [&] {
            if (sinceCheck.isValid() && sinceCheck.elapsed() < 20) {
                return;
            }
            sinceCheck.start();
            const MonitorProbe::Snapshot s = m_probe.snapshot();
            if (s.count == 0) {
                return;
            }
            ++tally.checks;
            if (expectFollow) {
                if (s.newestBottomVisible) {
                    outOfSight.invalidate();
                } else if (!outOfSight.isValid()) {
                    outOfSight.start();
                } else if (outOfSight.elapsed() > 400) {
                    ++tally.lostFollow;
                    note(tally, QStringLiteral("newest row out of sight for %1 ms: %2")
                                    .arg(outOfSight.elapsed())
                                    .arg(s.describe()));
                }
            }
            if (s.blank > 1.0) {
                ++tally.blank;
                note(tally,
                     QStringLiteral("%1 px blank: %2").arg(s.blank, 0, 'f', 0).arg(s.describe()));
            }
        };
        const auto frames = QObject::connect(m_window, &QQuickWindow::afterAnimating, &loop, judge);
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (!sinceCheck.isValid() || sinceCheck.elapsed() >= 200) {
                judge();
            }
        });
        end.start(ms);
        if (feed) {
            feeder.start(feedIntervalMs);
        }
        check.start(50);
        loop.exec();
        QObject::disconnect(frames);
        return tally;
    }

    void wheel(int steps)
    {
        const QPointF pos = m_list->mapToScene(QPointF(m_list->width() / 2, m_list->height() / 2));
        for (int i = 0; i < std::abs(steps); ++i) {
            QWheelEvent event(pos, m_window->mapToGlobal(pos.toPoint()), QPoint(),
                              QPoint(0, steps > 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            // Flickable derives the scroll speed from the time between events.
            m_wheelTime += 120;
            event.setTimestamp(m_wheelTime);
            QCoreApplication::sendEvent(m_window, &event);
        }
    }

    void key(int key)
    {
        m_list->forceActiveFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &release);
    }

    MonitorProbe::Snapshot snapshot() const { return m_probe.snapshot(); }

private:
    void note(Tally& tally, const QString& what)
    {
        if (tally.firstFault.isEmpty()) {
            tally.firstFault = what;
        }
    }

    QQuickWindow* m_window;
    ulong m_wheelTime = 1000;
    QQuickItem* m_list;
    MonitorProbe m_probe;
    AppController* m_controller;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    registerKorvelModule();

    // Never touch the user's own settings.
    QTemporaryDir settingsDir;
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelCheck"));
    QCoreApplication::setApplicationName(QStringLiteral("korvel-monitorcheck"));
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsDir.path());
        QSettings::setPath(format, QSettings::SystemScope, settingsDir.path() + "/system");
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Feeds the main window with random lines and checks that the data monitor follows them."));
    parser.addHelpOption();
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("Length of each scenario (default 6)."),
                                           QStringLiteral("s"), QStringLiteral("6"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Random seed (default 1)."),
                                        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption onlyOption(
        QStringLiteral("only"),
        QStringLiteral("Run only the scenarios whose name contains this text."),
        QStringLiteral("text"));
    const QCommandLineOption shotsOption(
        QStringLiteral("screenshots"),
        QStringLiteral(
            "Save a picture of the window at the end of each scenario into this folder."),
        QStringLiteral("dir"));
    parser.addOptions({secondsOption, seedOption, onlyOption, shotsOption});
    parser.process(app);
    const int seconds = parser.value(secondsOption).toInt();
    QRandomGenerator rng(parser.value(seedOption).toUInt());

    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    // The window's controller, as the application makes it; it outlives the engine.
    AppController appController;
    QQmlApplicationEngine engine;
    AppControllerSingleton::provide(engine, appController);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
#endif
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Korvel/qml/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return 2;
    }
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
    window->show();
    auto* controller =
        engine.singletonInstance<AppController*>(qmlTypeId("Korvel", 1, 0, "AppController"));
    QQuickItem* list = findByName(window->contentItem(), QStringLiteral("logView"));
    QQuickItem* panel = findByName(window->contentItem(), QStringLiteral("serialPanel"));
    if (!controller || !list || !panel) {
        std::fprintf(stderr, "the window has no data monitor\n");
        return 2;
    }
    Checker checker(window, list, controller);
    checker.run(300, {}, 0, false);

    // Lines of 10 to 300 characters at 20 to 200 lines a second, in chunks
    // cut at random places, as a serial port delivers them.
    QByteArray pending;
    int rate = 100;
    auto feedLines = [&] {
        if (rng.bounded(20) == 0) {
            rate = 20 + rng.bounded(181);
        }
        const int lines = qMax(1, rate / 50 + (rng.bounded(50) < rate % 50 ? 1 : 0));
        for (int i = 0; i < lines; ++i) {
            pending += randomLine(rng, 10 + rng.bounded(291)) + "\r\n";
        }
        while (!pending.isEmpty()) {
            const int cut = qMin(int(pending.size()), 1 + int(rng.bounded(200)));
            controller->handleIncomingData(pending.left(cut));
            pending.remove(0, cut);
        }
    };
    auto feedBinary = [&] {
        QByteArray bytes(64 + rng.bounded(400), Qt::Uninitialized);
        for (char& c : bytes) {
            c = char(rng.bounded(256));
        }
        controller->handleIncomingData(bytes);
    };

    struct Scenario
    {
        QString name;
        std::function<bool()> run; // true when the view behaved
    };
    const int ms = seconds * 1000;
    auto report = [](const QString& name, const Tally& t) {
        std::printf("%-28s checks %5lld  lost-follow %4lld  blank %4lld\n", qPrintable(name),
                    static_cast<long long>(t.checks), static_cast<long long>(t.lostFollow),
                    static_cast<long long>(t.blank));
        if (!t.firstFault.isEmpty()) {
            std::printf("    first fault: %s\n", qPrintable(t.firstFault));
        }
        std::fflush(stdout);
        return t.checks > 0 && t.lostFollow == 0 && t.blank == 0;
    };
    auto setWrap = [&](bool on) {
        panel->setProperty("wrapLines", on);
    };

    const QList<Scenario> scenarios = {
        {QStringLiteral("random lines, wrapped"),
         [&] {
             setWrap(true);
             return report(QStringLiteral("random lines, wrapped"),
                           checker.run(ms, feedLines, 20, true));
         }},
        {QStringLiteral("random lines, unwrapped"),
         [&] {
             setWrap(false);
             const bool ok = report(QStringLiteral("random lines, unwrapped"),
                                    checker.run(ms, feedLines, 20, true));
             setWrap(true);
             return ok;
         }},
        {QStringLiteral("megabyte line, then short"),
         [&] {
             controller->handleIncomingData(QByteArray(1 << 20, 'x'));
             controller->handleIncomingData("short line after the long one\r\n");
             return report(QStringLiteral("megabyte line, then short"),
                           checker.run(qMin(ms, 3000), {}, 0, true));
         }},
        {QStringLiteral("megabyte echo, then lines"),
         [&] {
             controller->logStore().append(LogKind::TX, QByteArray(1 << 20, 'e'));
             return report(QStringLiteral("megabyte echo, then lines"),
                           checker.run(ms, feedLines, 20, true));
         }},
        {QStringLiteral("display switches"),
         [&] {
             LogListModel* model = controller->logModel();
             int flips = 0;
             const Tally t = checker.run(
                 ms,
                 [&] {
                     feedLines();
                     if (++flips % 40 == 0) {
                         model->setHexMode(!model->hexMode());
                     } else if (flips % 40 == 20) {
                         model->setShowTimestamp(!model->showTimestamp());
                     }
                 },
                 20, true);
             model->setHexMode(false);
             model->setShowTimestamp(true);
             return report(QStringLiteral("display switches"), t);
         }},
        {QStringLiteral("paused"),
         [&] {
             QQuickItem* monitor = findByName(window->contentItem(), QStringLiteral("monitor"));
             checker.run(300, {}, 0, false);
             monitor->setProperty("paused", true);
             const MonitorProbe::Snapshot before = checker.snapshot();
             const Tally t = checker.run(qMin(ms, 2000), feedLines, 20, false);
             const MonitorProbe::Snapshot after = checker.snapshot();
             monitor->setProperty("paused", false);
             // The lines in sight stay put while newer ones come below.
             const bool still = !before.rows.isEmpty() && !after.rows.isEmpty() &&
                                after.rows.constLast().index > before.rows.constLast().index &&
                                qAbs(after.rows.constLast().bottom - after.contentY -
                                     (before.rows.constLast().bottom - before.contentY)) < 1.0;
             std::printf("%-28s %s\n", "paused", still ? "stayed" : "MOVED");
             const bool ok = report(QStringLiteral("  while paused"), t) && still;
             return report(QStringLiteral("unpaused follows again"),
                           checker.run(qMin(ms, 2000), feedLines, 20, true)) &&
                    ok;
         }},
        {QStringLiteral("binary flood"),
         [&] {
             return report(QStringLiteral("binary flood"), checker.run(ms, feedBinary, 10, true));
         }},
        {QStringLiteral("wheel up stops following"),
         [&] {
             checker.run(500, feedLines, 20, true);
             checker.wheel(3);
             checker.run(200, {}, 0, false);
             const MonitorProbe::Snapshot before = checker.snapshot();
             const Tally t = checker.run(qMin(ms, 3000), feedLines, 20, false);
             const MonitorProbe::Snapshot after = checker.snapshot();
             // Rows in sight keep their index (the lines stay put) while
             // newer lines arrive below.
             const bool stayed = !before.rows.isEmpty() && !after.rows.isEmpty() &&
                                 after.rows.constFirst().index >= before.rows.constFirst().index &&
                                 !after.newestVisible;
             std::printf("%-28s %s (top row %d -> %d)\n", "wheel up stops following",
                         stayed ? "stayed" : "MOVED",
                         before.rows.isEmpty() ? -1 : before.rows.constFirst().index,
                         after.rows.isEmpty() ? -1 : after.rows.constFirst().index);
             return report(QStringLiteral("  while scrolled up"), t) && stayed;
         }},
        {QStringLiteral("End key resumes following"),
         [&] {
             checker.key(Qt::Key_End);
             return report(QStringLiteral("End key resumes following"),
                           checker.run(ms, feedLines, 20, true));
         }},
        {QStringLiteral("wheel back down resumes following"),
         [&] {
             // A notch up stops following: lines that come meanwhile do not
             // move the view. Turning back down to the newest line resumes it.
             checker.key(Qt::Key_End);
             checker.run(300, {}, 0, false);
             checker.wheel(1);
             checker.run(300, {}, 0, false);
             const MonitorProbe::Snapshot up = checker.snapshot();
             checker.run(100, feedLines, 20, false);
             checker.run(300, {}, 0, false);
             const MonitorProbe::Snapshot later = checker.snapshot();
             const bool stopped = !up.rows.isEmpty() && !later.rows.isEmpty() &&
                                  !list->property("stickToBottom").toBool() &&
                                  later.rows.constLast().index > up.rows.constLast().index;
             for (int i = 0; i < 50 && !checker.snapshot().newestBottomVisible; ++i) {
                 checker.wheel(-1);
                 checker.run(100, {}, 0, false);
             }
             std::printf("%-28s %s\n", "wheel one notch up",
                         stopped ? "stopped" : "KEPT FOLLOWING");
             return report(QStringLiteral("wheel back down resumes"),
                           checker.run(ms, feedLines, 20, true)) &&
                    stopped;
         }},
    };

    bool allOk = true;
    for (const Scenario& scenario : scenarios) {
        if (parser.isSet(onlyOption) && !scenario.name.contains(parser.value(onlyOption))) {
            continue;
        }
        allOk = scenario.run() && allOk;
        if (parser.isSet(shotsOption)) {
            QString name = scenario.name;
            name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
            window->grabWindow().save(parser.value(shotsOption) + QLatin1Char('/') + name +
                                      QStringLiteral(".png"));
        }
    }
    std::printf("%s\n", allOk ? "monitor followed throughout" : "MONITOR FAULTS FOUND");
    return allOk ? 0 : 1;
}
