// Finding in the log and colouring it: a sensor's readings with a few
// warnings and errors among them, the find bar on "warn" stepped to one of
// its matches, and three highlight rules colouring the lines.
#include "tools/screenshots/findshots.h"

#include "tools/screenshots/shotwindow.h"

#include "app/appcontroller.h"
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
    ShotWindow shot;
    if (!shot.show(theme)) {
        return;
    }
    QQuickWindow* window = shot.window;
    AppController* controller = shot.controller;

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
    settle(600);

    auto* monitor = window->findChild<QQuickItem*>(QStringLiteral("monitor"));
    auto* field = window->findChild<QQuickItem*>(QStringLiteral("findField"));
    if (monitor && field) {
        QMetaObject::invokeMethod(monitor, "openFind");
        field->setProperty("text", QStringLiteral("warn"));
        settle(300);
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
        settle(300);
        QMetaObject::invokeMethod(editor, "open");
        save(window, QStringLiteral("rules-%1-editor").arg(theme));
        QMetaObject::invokeMethod(editor, "close");
        QMetaObject::invokeMethod(settings, "close");
    }
    while (rules->rowCount() > 0) {
        rules->removeRule(0);
    }
}
