// Finding in the log and colouring it: a sensor's readings with a few
// warnings and errors among them, the find bar on "warn" stepped to one of
// its matches, and three highlight rules colouring the lines.
#include "tools/screenshots/findshots.h"

#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/startup.h"
#include "log/highlightrulemodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QThread>

#include <cstdio>

namespace {

void wait(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

QByteArray reading(int i)
{
    if (i % 6 == 4) {
        return "WARN battery " + QByteArray::number(3.31 - i * 0.002, 'f', 3) + " V below 3.4 V";
    }
    if (i % 17 == 12) {
        return "ERROR sensor 2 timeout after 500 ms (retry " + QByteArray::number(i % 3 + 1) + ")";
    }
    if (i % 13 == 5) {
        return "link connected, rssi -" + QByteArray::number(58 + i % 9) + " dBm";
    }
    return "temp=" + QByteArray::number(23.1 + (i % 7) * 0.1, 'f', 1) +
           " hum=" + QByteArray::number(44 + i % 5) + " lux=" + QByteArray::number(300 + i % 23) +
           " seq=" + QByteArray::number(4100 + i);
}

} // namespace

void shootFind(const QString& theme, const std::function<void(QQuickWindow*, const QString&)>& save)
{
    QSettings().setValue(QStringLiteral("view/fieldsPanel"), false);
    // The window's controller, as the application makes it; it outlives the engine.
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

    LogManager& log = controller->logStore();
    log.append(LogKind::SYS,
               QCoreApplication::translate("AppController", "%1 opened · %2")
                   .arg(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("115200 8-N-1"))
                   .toUtf8());
    for (int i = 0; i < 120; ++i) {
        log.append(LogKind::RX, reading(i));
        if (i % 40 == 20) {
            log.append(LogKind::TX, "status?");
        }
    }
    wait(600);

    auto* monitor = window->findChild<QQuickItem*>(QStringLiteral("monitor"));
    auto* field = window->findChild<QQuickItem*>(QStringLiteral("findField"));
    if (monitor && field) {
        QMetaObject::invokeMethod(monitor, "openFind");
        field->setProperty("text", QStringLiteral("warn"));
        wait(300);
        // Back from the newest match, so that the current one is not the last line.
        for (int i = 0; i < 3; ++i) {
            QMetaObject::invokeMethod(window->findChild<QObject*>(QStringLiteral("findBar")),
                                      "findPrevious");
        }
        save(window, QStringLiteral("find-%1").arg(theme));
        QMetaObject::invokeMethod(monitor, "closeFind");
        QMetaObject::invokeMethod(monitor, "scrollToNewest");
    }

    HighlightRuleModel* rules = controller->highlightRules();
    rules->setRule(-1, QStringLiteral("error"), false, QStringLiteral("red"));
    rules->setRule(-1, QStringLiteral("^WARN"), true, QStringLiteral("yellow"));
    rules->setRule(-1, QStringLiteral("connected"), false, QStringLiteral("green"));
    save(window, QStringLiteral("rules-%1").arg(theme));
    // The rules' dialog, as the settings open it.
    QObject* settings = window->findChild<QObject*>(QStringLiteral("settingsDialog"));
    QObject* editor = window->findChild<QObject*>(QStringLiteral("highlightRulesDialog"));
    if (settings && editor) {
        QMetaObject::invokeMethod(settings, "open");
        wait(300);
        QMetaObject::invokeMethod(editor, "open");
        save(window, QStringLiteral("rules-%1-editor").arg(theme));
        QMetaObject::invokeMethod(editor, "close");
        QMetaObject::invokeMethod(settings, "close");
    }
    while (rules->rowCount() > 0) {
        rules->removeRule(0);
    }
}
