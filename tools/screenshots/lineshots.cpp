// The control lines and the file send: a port on a pseudo-terminal, its modem lines played
// by a port whose lines answer as a USB bridge's do (a pseudo-terminal has none), and a file
// that a device stopped reading halfway.
#include "tools/screenshots/lineshots.h"

#include "tools/screenshots/shotwindow.h"

#include "app/appcontroller.h"
#include "app/appservices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <pty.h>
#include <unistd.h>

namespace {

class AdapterLines : public ControlLinePort
{
public:
    bool setDataTerminalReady(bool) override { return true; }
    bool setRequestToSend(bool) override { return true; }
    bool setBreakEnabled(bool) override { return true; }
    bool readSignals(QSerialPort::PinoutSignals* lines) override
    {
        *lines = QSerialPort::ClearToSendSignal | QSerialPort::DataSetReadySignal;
        return true;
    }
};

} // namespace

void shootLines(const QString& theme,
                const std::function<void(QQuickWindow*, const QString&)>& save)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    QTemporaryDir dir;
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "no pseudo-terminal for the control lines\n");
        return;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    AppServices services;
    services.controlLinePort = std::make_shared<AdapterLines>();
    {
        ShotWindow shot(services);
        if (shot.show(theme)) {
            QQuickWindow* window = shot.window;
            AppController& appController = *shot.controller;
            const QString port = QString::fromLocal8Bit(name);
            if (appController.openPortPath(port, 115200, 8, 0, 1, 0)) {
                appController.controlLines()->setDtr(false);
                appController.controlLines()->setResetPulseMs(100);
                // The control lines close the serial panel: shown scrolled to its end.
                if (QObject* panel = window->findChild<QObject*>(QStringLiteral("serialPanel"))) {
                    settle(200);
                    panel->setProperty("contentY", panel->property("contentHeight").toReal() -
                                                       panel->property("height").toReal());
                }
                settle(400);
                save(window, QStringLiteral("lines-%1").arg(theme));

                QObject* dialog = window->findChild<QObject*>(QStringLiteral("fileSendDialog"));
                const QString file = dir.filePath(QStringLiteral("capture-2024-05-11.bin"));
                QFile out(file);
                if (dialog && out.open(QIODevice::WriteOnly) && out.resize(3 * 1024 * 1024)) {
                    out.close();
                    QMetaObject::invokeMethod(dialog, "open");
                    if (QObject* field =
                            window->findChild<QObject*>(QStringLiteral("filePathField"))) {
                        field->setProperty("text", file);
                    }
                    save(window, QStringLiteral("filesend-%1-dialog").arg(theme));
                    QMetaObject::invokeMethod(dialog, "close");
                    settle(200);
                    // The device reads the first part, then stops reading.
                    appController.sendFile(file);
                    QElapsedTimer clock;
                    clock.start();
                    char sink[4096];
                    while (clock.elapsed() < 1500) {
                        [[maybe_unused]] const ssize_t got = ::read(master, sink, sizeof sink);
                        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                    }
                    settle(600);
                    save(window, QStringLiteral("filesend-%1").arg(theme));
                    appController.fileSender()->cancel();
                }
                appController.closePort();
            }
        }
    }
    ::close(master);
    ::close(slave);
}
