#include "tools/screenshots/shotwindow.h"

#include "app/appcontrollersingleton.h"
#include "app/startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QQuickWindow>
#include <QThread>

#include <cstdio>

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

ShotWindow::ShotWindow(const AppServices& services)
    : ownController(services)
{}

bool ShotWindow::load()
{
    AppControllerSingleton::provide(engine, ownController);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
#endif
    followInterfaceLanguage(engine);
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Korvel/qml/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return false;
    }
    window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
    controller =
        engine.singletonInstance<AppController*>(qmlTypeId("Korvel", 1, 0, "AppController"));
    return window && controller;
}

bool ShotWindow::show(const QString& theme)
{
    if (!load()) {
        std::fprintf(stderr, "Main could not be loaded\n");
        return false;
    }
    controller->setThemeMode(theme);
    window->show();
    return true;
}
