// The fields panel: a minute of the simulator's nested JSON reports read
// into the table and plotted, the readout under the pointer, and one report
// shown as JSON, in one theme and language.
#include "tools/screenshots/fieldshots.h"

#include "tools/screenshots/shotwindow.h"

#include "app/appcontroller.h"
#include "settings/languagemanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QThread>

#include <cmath>
#include <cstdio>

namespace {

QByteArray report(int seq, double t)
{
    const double temperature = 23.4 + 1.6 * std::sin(t / 9.0) + 0.15 * std::sin(t * 1.7);
    const double humidity = 46 - 4 * std::sin(t / 14.0 + 1) + 0.3 * std::sin(t * 2.3);
    const int lux = int(312 + 40 * std::sin(t / 6.0));
    const int rssi = int(-61 + 3 * std::sin(t / 4.0));
    return QByteArrayLiteral(R"({"event":"report","seq":)") + QByteArray::number(seq) +
           R"(,"temperature":)" + QByteArray::number(temperature, 'f', 1) + R"(,"humidity":)" +
           QByteArray::number(humidity, 'f', 1) + R"(,"light":{"lux":)" + QByteArray::number(lux) +
           R"(,"ir":)" + QByteArray::number(lux / 10) + R"(},"wifi":{"rssi":)" +
           QByteArray::number(rssi) + R"(},"accel":[0.01,-0.02,0.98]})";
}

void moveMouse(QQuickWindow* window, const QPointF& at)
{
    QMouseEvent move(QEvent::MouseMove, at, window->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
}

} // namespace

void shootFields(const QString& theme, const QString& language,
                 const std::function<void(QQuickWindow*, const QString&)>& save)
{
    QSettings().setValue(QStringLiteral("app/language"), language);
    QSettings().setValue(QStringLiteral("view/fieldsPanel"), true);
    ShotWindow shot;
    if (!shot.show(theme)) {
        return;
    }
    QQuickWindow* window = shot.window;
    AppController* controller = shot.controller;

    // A minute of reports, ten a second, as if they had just arrived.
    LogManager& log = controller->logStore();
    const QDateTime end = QDateTime::currentDateTime();
    QDateTime stamp = end.addSecs(-60);
    log.setClock([&stamp] { return stamp; });
    log.append(LogKind::SYS,
               QCoreApplication::translate("AppController", "%1 opened · %2")
                   .arg(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("115200 8-N-1"))
                   .toUtf8());
    for (int i = 0; i < 600; ++i) {
        stamp = end.addMSecs(qint64(i - 600) * 100);
        log.append(LogKind::RX, report(1000 + i, i / 10.0));
    }
    log.setClock({});
    settle(600);

    const QString suffix = language == QLatin1String("en") ? theme : language + '-' + theme;
    auto* plot = window->findChild<QQuickItem*>(QStringLiteral("fieldPlot"));
    if (plot) {
        const QRectF area = plot->property("plotArea").toRectF();
        moveMouse(window, plot->mapToScene(QPointF(area.left() + area.width() * 0.62,
                                                   area.top() + area.height() * 0.35)));
    }
    save(window, QStringLiteral("fields-%1").arg(suffix));
    moveMouse(window, QPointF(5, 5));

    auto* dialog = window->findChild<QObject*>(QStringLiteral("jsonLineDialog"));
    if (dialog) {
        QMetaObject::invokeMethod(dialog, "showLine",
                                  Q_ARG(QVariant, double(log.totalLineCount() - 1)));
        save(window, QStringLiteral("fields-%1-json").arg(suffix));
        QMetaObject::invokeMethod(dialog, "close");
    }
    QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
}
