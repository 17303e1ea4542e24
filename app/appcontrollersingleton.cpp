#include "app/appcontrollersingleton.h"

#include <QPointer>
#include <QQmlEngine>

namespace {

// The engine keeps its controller in a property of its own: no state outside the engine, so
// engines made one after another (or side by side) each reach the controller given to them.
const char* const kControllerProperty = "korvelAppController";

} // namespace

void AppControllerSingleton::provide(QQmlEngine& engine, AppController& controller)
{
    Q_ASSERT(engine.thread() == controller.thread());
    engine.setProperty(kControllerProperty,
                       QVariant::fromValue(QPointer<AppController>(&controller)));
}

AppController* AppControllerSingleton::create(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(scriptEngine);
    AppController* controller =
        engine->property(kControllerProperty).value<QPointer<AppController>>().data();
    if (!controller) {
        qCritical("AppController: no controller was provided to this QML engine");
        return nullptr;
    }
    // The engine must not delete the caller's controller when it goes.
    QJSEngine::setObjectOwnership(controller, QJSEngine::CppOwnership);
    return controller;
}
