// The application's back end receiving from a serial port with continuous
// logging on, for a test that ends it with SIGKILL and then reads the daily
// file. Prints "lines N" (the lines logged so far) every 50 ms.
#include "app/appcontroller.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelProbe"));
    QCoreApplication::setApplicationName(QStringLiteral("korvel-logging-probe"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: korvel-logging-probe PORT FOLDER\n");
        return 2;
    }
    AppController controller;
    const QString error = controller.saveLog(QString::fromLocal8Bit(argv[2]),
                                             QStringLiteral("probe"), QStringLiteral("text"), true);
    if (!error.isEmpty() ||
        !controller.openPort(QString::fromLocal8Bit(argv[1]), 115200, 8, 0, 1, 0)) {
        std::fprintf(stderr, "cannot start: %s\n", qPrintable(error));
        return 2;
    }
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&controller] {
        std::printf("lines %lld\n", static_cast<long long>(controller.logStore().totalLineCount()));
        std::fflush(stdout);
    });
    report.start(50);
    return QCoreApplication::exec();
}
