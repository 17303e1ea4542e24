// A Modbus RTU exchange with the device simulator: frames cut by silence in
// the hex view, each reply marked by its CRC, one of them spoilt on purpose.
#include "tools/screenshots/modbusshots.h"

#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/startup.h"
#include "log/loglistmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QThread>

#include <cstdio>

namespace {

// Runs the event loop until @p done or @p ms passed; false on the time-out.
bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

qsizetype rxCount(const LogManager& log)
{
    qsizetype n = 0;
    for (const LogEntry& entry : log.entries()) {
        n += entry.kind == LogKind::RX ? 1 : 0;
    }
    return n;
}

} // namespace

void shootModbus(const QString& theme,
                 const std::function<void(QQuickWindow*, const QString&)>& save)
{
    QProcess sim;
    sim.start(QStringLiteral(KORVEL_DEVSIM), {QStringLiteral("--quiet"), QStringLiteral("--modbus"),
                                              QStringLiteral("--bad-crc"), QStringLiteral("4")});
    if (!sim.waitForStarted(5000) || !waitFor([&sim] { return sim.canReadLine(); }, 5000)) {
        std::fprintf(stderr, "korvel-devsim did not start\n");
        return;
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();

    AppController appController;
    QQmlApplicationEngine engine;
    AppControllerSingleton::provide(engine, appController);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
#endif
    followInterfaceLanguage(engine);
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Korvel/qml/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        std::fprintf(stderr, "Main could not be loaded\n");
        return;
    }
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
    auto* controller =
        engine.singletonInstance<AppController*>(qmlTypeId("Korvel", 1, 0, "AppController"));
    controller->setThemeMode(theme);
    window->show();

    controller->logModel()->setHexMode(true);
    controller->setSendAsHex(true);
    controller->setCrcEnabled(true);
    controller->setFramesBySilence(true);
    if (!controller->openPort(path, 115200, 8, 0, 1, 0)) {
        std::fprintf(stderr, "%s could not be opened\n", qPrintable(path));
        return;
    }
    // Write 0D0A, read it back among its neighbours and read registers
    // holding 0A bytes; the simulator spoils every fourth answer's CRC.
    const QStringList requests{
        QStringLiteral("01 06 00 01 0D 0A"), QStringLiteral("01 03 00 00 00 04"),
        QStringLiteral("01 03 01 00 00 02"), QStringLiteral("01 03 00 00 00 04"),
        QStringLiteral("01 03 00 4E 00 01")};
    LogManager& log = controller->logStore();
    for (const QString& request : requests) {
        const qsizetype before = rxCount(log);
        controller->setDraftText(request);
        controller->sendManualText();
        waitFor([&] { return rxCount(log) > before; }, 5000);
    }
    controller->setDraftText(requests.constFirst());
    save(window, QStringLiteral("modbus-%1").arg(theme));
    controller->closePort();
    controller->setFramesBySilence(false);
    controller->setCrcEnabled(false);
    sim.terminate();
    sim.waitForFinished(5000);
}
