// Modbus RTU with the device simulator: frames cut by silence in the hex
// view, each reply marked by its CRC, one of them spoilt on purpose; by hand
// and by a batch whose steps wait for their replies.
#include "tools/screenshots/modbusshots.h"

#include "tools/screenshots/shotwindow.h"

#include "app/appcontroller.h"
#include "library/batchcommandmodel.h"
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

// Starts the device simulator with @p simArgs, shows the main window in
// @p theme with frames cut by silence, CRC on and the hex view, opens the
// simulator's port and hands the controller and window to @p run.
void withSimulator(const QString& theme, const QStringList& simArgs,
                   const std::function<void(AppController*, QQuickWindow*)>& run)
{
    QProcess sim;
    sim.start(QStringLiteral(KORVEL_DEVSIM), QStringList{QStringLiteral("--quiet")} + simArgs);
    if (!sim.waitForStarted(5000) || !waitFor([&sim] { return sim.canReadLine(); }, 5000)) {
        std::fprintf(stderr, "korvel-devsim did not start\n");
        return;
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();

    ShotWindow shot;
    if (!shot.show(theme)) {
        return;
    }
    QQuickWindow* window = shot.window;
    AppController* controller = shot.controller;

    controller->logModel()->setHexMode(true);
    controller->setSendAsHex(true);
    controller->setCrcEnabled(true);
    controller->setFramesBySilence(true);
    if (controller->openPort(path, 115200, 8, 0, 1, 0)) {
        run(controller, window);
    } else {
        std::fprintf(stderr, "%s could not be opened\n", qPrintable(path));
    }
    controller->closePort();
    controller->setFramesBySilence(false);
    controller->setCrcEnabled(false);
    sim.terminate();
    sim.waitForFinished(5000);
}

QVariantMap requestStep(const QString& request, const QString& reply)
{
    return {{QStringLiteral("text"), request},
            {QStringLiteral("isHex"), true},
            {QStringLiteral("crc"), true},
            {QStringLiteral("expect"), QStringLiteral("hex")},
            {QStringLiteral("expectPattern"), reply},
            {QStringLiteral("replyTimeoutMs"), 1000}};
}

} // namespace

void shootModbus(const QString& theme,
                 const std::function<void(QQuickWindow*, const QString&)>& save)
{
    const QStringList simArgs{QStringLiteral("--modbus"), QStringLiteral("--bad-crc"),
                              QStringLiteral("4")};
    withSimulator(theme, simArgs, [&](AppController* controller, QQuickWindow* window) {
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
    });
}

void shootModbusBatch(const QString& theme,
                      const std::function<void(QQuickWindow*, const QString&)>& save)
{
    const QStringList simArgs{QStringLiteral("--modbus"), QStringLiteral("--bad-crc"),
                              QStringLiteral("3")};
    withSimulator(theme, simArgs, [&](AppController* controller, QQuickWindow* window) {
        // Each request waits for its reply, the CRC included where it is
        // known; the simulator spoils the third answer, which stops the batch.
        const QVariantList steps{requestStep(QStringLiteral("01 06 00 01 0D 0A"),
                                             QStringLiteral("01 06 00 01 0D 0A 5C 9D")),
                                 requestStep(QStringLiteral("01 03 00 00 00 03"),
                                             QStringLiteral("01 03 06 ?? ?? 0D 0A ?? ?? ?? ??")),
                                 requestStep(QStringLiteral("01 03 01 00 00 02"),
                                             QStringLiteral("01 03 04 0A 01 0A 0B EF 4C")),
                                 requestStep(QStringLiteral("01 03 00 4E 00 01"),
                                             QStringLiteral("01 03 02 03 0D 79 71"))};
        BatchCommandModel* batches = controller->batchCommandModel();
        const int row = batches->rowCount();
        controller->addBatchCommand(QStringLiteral("Read back"), 100, steps);
        controller->startBatchCommand(row);
        waitFor([controller] { return !controller->batchRunning(); }, 10000);
        save(window, QStringLiteral("modbus-batch-%1").arg(theme));
        // The other pictures show their own batches.
        controller->removeBatchCommand(row);
    });
}
