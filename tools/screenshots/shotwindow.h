#pragma once

#include "app/appcontroller.h"
#include "app/appservices.h"

#include <QQmlApplicationEngine>

class QQuickWindow;

/// Runs the event loop for @p ms milliseconds, so that what changed is drawn.
void settle(int ms = 400);

/// The main window as the application makes it, for the pictures: the controller is made
/// before the engine, which it outlives.
struct ShotWindow
{
    explicit ShotWindow(const AppServices& services = {});

    /// Loads the main window with the controller as its singleton; false when it did not load.
    bool load();
    /// Loads the main window in @p theme and shows it; false (said on stderr) when it did not
    /// load.
    bool show(const QString& theme);

    AppController ownController;
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
    AppController* controller = nullptr;
};
