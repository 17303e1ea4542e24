#pragma once

#include "app/appcontroller.h"

#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

/// Makes a controller built in C++ (by the application with its services, or by a test) the
/// AppController singleton of QML: Qt's registration of a foreign type whose static create()
/// hands the engine an existing object. Each engine gets the controller given to it with
/// provide(), before it loads a document that names the singleton.
struct AppControllerSingleton
{
    Q_GADGET
    QML_FOREIGN(AppController)
    QML_NAMED_ELEMENT(AppController)
    QML_SINGLETON

public:
    /// @p controller becomes the singleton of @p engine; it stays owned by the caller and must
    /// outlive the engine, and live on the engine's thread.
    static void provide(QQmlEngine& engine, AppController& controller);

    /// Called by the engine at the first use of the singleton.
    static AppController* create(QQmlEngine* engine, QJSEngine* scriptEngine);
};
