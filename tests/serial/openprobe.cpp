// A second process for the open-error tests, run as another user where a
// test needs one:
//   korvel-openprobe open PATH      opens PATH through SerialManager and prints
//                                   "opened" or "failed: " and the message
//   korvel-openprobe hold PATH      holds PATH open through QSerialPort (which
//                                   writes a lock file) until stdin closes
//   korvel-openprobe hold-raw PATH  holds PATH open exclusively (TIOCEXCL)
//                                   without a lock file until stdin closes
#include "serial/serialmanager.h"

#include <QCoreApplication>
#include <QSerialPort>

#include <cstdio>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void waitForEndOfInput()
{
    std::printf("held\n");
    std::fflush(stdout);
    char c = 0;
    while (::read(STDIN_FILENO, &c, 1) > 0) {
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: korvel-openprobe open|hold|hold-raw PATH\n");
        return 2;
    }
    const QString& mode = args.at(1);
    const QString& path = args.at(2);
    if (mode == QLatin1String("open")) {
        SerialManager manager;
        QString error;
        SerialConfig config;
        config.portName = path;
        if (manager.open(config, &error)) {
            std::printf("opened\n");
            return 0;
        }
        std::printf("failed: %s\n", error.toUtf8().constData());
        return 1;
    }
    if (mode == QLatin1String("hold")) {
        QSerialPort port(path);
        if (!port.open(QIODevice::ReadWrite)) {
            std::printf("failed: %s\n", port.errorString().toUtf8().constData());
            return 1;
        }
        waitForEndOfInput();
        return 0;
    }
    if (mode == QLatin1String("hold-raw")) {
        const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 || ::ioctl(fd, TIOCEXCL) != 0) {
            std::perror("failed");
            return 1;
        }
        waitForEndOfInput();
        ::close(fd);
        return 0;
    }
    return 2;
}
