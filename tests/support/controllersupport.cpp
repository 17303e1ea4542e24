#include "support/controllersupport.h"

#include "app/appcontroller.h"

#include <QObject>

#include <memory>

namespace korveltest {

bool openDefault(AppController& controller, const QString& port)
{
    return controller.openPort(port, 115200, 8, 0, 1, 0);
}

void whenReceived(AppController& controller, qsizetype count, std::function<void()> action)
{
    auto got = std::make_shared<qsizetype>(0);
    auto conn = std::make_shared<QMetaObject::Connection>();
    *conn = QObject::connect(&controller.serialManager(), &SerialManager::dataReceived, &controller,
                             [=, &controller](const QByteArray& chunk) {
                                 *got += chunk.size();
                                 if (*got >= count) {
                                     QObject::disconnect(*conn);
                                     QMetaObject::invokeMethod(&controller, action,
                                                               Qt::QueuedConnection);
                                 }
                             });
}

} // namespace korveltest
