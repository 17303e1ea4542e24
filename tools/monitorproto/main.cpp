// Shows the prototype monitor (one item that keeps what it has drawn) on the
// application's real log and receive path, beside the application's own
// monitor or alone, and can save a picture of it: to compare the two by eye,
// in both themes, wrapped or not, in hex, with a selection.
#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/rendererchoice.h"
#include "maindocument.h"
#include "monitorproto.h"
#include "monitorsurface.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

// Lines of the kinds a monitor shows: sensor JSON, plain text, a line longer
// than a row, right-to-left and combining text, CJK.
QList<QByteArray> sampleLines(int count)
{
    const QList<QByteArray> kinds = {
        R"({"event":"report","seq":%1,"temperature":21.5,"humidity":48})",
        "OK %1: the quick brown fox jumps over the lazy dog",
        "\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7 %1 caf\x65\xcc\x81 na\xc3\xafve",
        "\xe6\xb8\xa9\xe5\xba\xa6 %1 \xe6\xb9\xbf\xe5\xba\xa6 \xec\x98\xa8\xeb\x8f\x84",
        "%1 " + QByteArray(300, 'x') + " end",
    };
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i) {
        QByteArray line = kinds.at(i % kinds.size());
        lines << line.replace("%1", QByteArray::number(i));
    }
    return lines;
}

QQuickItem* findByName(QQuickItem* item, const QString& name)
{
    if (!item || item->objectName() == name) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = findByName(child, name)) {
            return found;
        }
    }
    return nullptr;
}

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    // Never touch the user's own settings.
    QTemporaryDir settingsDir;
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelProto"));
    QCoreApplication::setApplicationName(QStringLiteral("korvel-monitorproto"));
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsDir.path());
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the prototype data monitor beside the application's one."));
    parser.addHelpOption();
    const QCommandLineOption viewOption(
        QStringLiteral("view"),
        QStringLiteral("proto, today, both (side by side), a comma-separated list of proto and "
                       "today, or main (the main window) or main-proto (the main window with the "
                       "prototype monitor) (default both)."),
        QStringLiteral("which"), QStringLiteral("both"));
    const QCommandLineOption widthOption(QStringLiteral("width"),
                                         QStringLiteral("Window width (default 800 a monitor)."),
                                         QStringLiteral("px"));
    const QCommandLineOption techniqueOption(QStringLiteral("technique"),
                                             QStringLiteral("node (default) or painted."),
                                             QStringLiteral("name"), QStringLiteral("node"));
    const QCommandLineOption themeOption(QStringLiteral("theme"),
                                         QStringLiteral("light or dark (default dark)."),
                                         QStringLiteral("name"), QStringLiteral("dark"));
    const QCommandLineOption linesOption(QStringLiteral("lines"),
                                         QStringLiteral("Sample lines logged (default 60)."),
                                         QStringLiteral("n"), QStringLiteral("60"));
    const QCommandLineOption noWrapOption(QStringLiteral("no-wrap"),
                                          QStringLiteral("Long lines do not wrap."));
    const QCommandLineOption hexOption(QStringLiteral("hex"), QStringLiteral("Hex view."));
    const QCommandLineOption noTimeOption(QStringLiteral("no-time"),
                                          QStringLiteral("Lines without their time of arrival."));
    const QCommandLineOption fontSizeOption(QStringLiteral("font-size"),
                                            QStringLiteral("Monitor font size in pixels."),
                                            QStringLiteral("px"));
    const QCommandLineOption selectOption(
        QStringLiteral("select"),
        QStringLiteral("Select from line a column b to line c column d (a,b,c,d)."),
        QStringLiteral("a,b,c,d"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Save a picture and quit."),
                                              QStringLiteral("file"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Open this port at 921600 baud."),
                                        QStringLiteral("path"));
    parser.addOptions({viewOption, widthOption, techniqueOption, themeOption, linesOption,
                       noWrapOption, hexOption, noTimeOption, fontSizeOption, selectOption,
                       screenshotOption, portOption});
    parser.process(app);

    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    RendererChoice::apply();
    registerMonitorPrototype();
    // The window's controller, as the application makes it; it outlives the engine.
    AppController appController;
    QQmlApplicationEngine engine;
    AppControllerSingleton::provide(engine, appController);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
#endif

    const QString view = parser.value(viewOption);
    const QString fill = QStringLiteral("Layout.fillWidth: true; Layout.fillHeight: true");
    QString monitors;
    for (const QString& which : view.split(',')) {
        if (which != QLatin1String("proto")) {
            monitors += QStringLiteral("DataMonitorView { objectName: \"today\"; %1 }\n").arg(fill);
        }
        if (which != QLatin1String("today")) {
            monitors += QStringLiteral("MonitorProto { objectName: \"proto\"; %1 }\n").arg(fill);
        }
    }
    const QString document =
        QStringLiteral(R"(
import QtQuick
import QtQuick.Layouts
import Korvel
import KorvelProto
Window {
    width: %1
    height: 620
    visible: true
    color: Theme.background
    RowLayout {
        anchors.fill: parent
        spacing: 2
        %2
    }
}
)")
            .arg(parser.isSet(widthOption)
                     ? parser.value(widthOption).toInt()
                     : 800 * int(view.split(',').size() + (view == QLatin1String("both"))))
            .arg(monitors);
    QQmlComponent component(&engine);
    if (view.startsWith(QLatin1String("main"))) {
        // The application's main window, with its monitor or the prototype.
        component.setData(mainDocumentWithout({}, view == QLatin1String("main-proto")).toUtf8(),
                          QUrl(QStringLiteral("qrc:/monitorproto/Main.qml")));
    } else {
        component.setData(document.toUtf8(), QUrl(QStringLiteral("qrc:/monitorproto/window.qml")));
    }
    std::unique_ptr<QObject> root(component.create());
    auto* window = qobject_cast<QQuickWindow*>(root.get());
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 2;
    }

    auto* controller =
        engine.singletonInstance<AppController*>(qmlTypeId("Korvel", 1, 0, "AppController"));
    controller->setThemeMode(parser.value(themeOption));
    if (parser.isSet(fontSizeOption)) {
        controller->setLogFontSize(parser.value(fontSizeOption).toInt());
    }
    controller->logModel()->setHexMode(parser.isSet(hexOption));
    controller->logModel()->setShowTimestamp(!parser.isSet(noTimeOption));
    for (const QString& name :
         {QStringLiteral("today"), QStringLiteral("proto"), QStringLiteral("monitor")}) {
        if (QQuickItem* monitor = findByName(window->contentItem(), name)) {
            monitor->setProperty("wrapLines", !parser.isSet(noWrapOption));
            if (name == QLatin1String("proto") &&
                parser.value(techniqueOption) == QLatin1String("painted")) {
                monitor->setProperty("technique", int(MonitorSurface::Technique::PaintedItem));
            }
        }
    }
    controller->logStore().appendBatch(LogKind::RX, sampleLines(parser.value(linesOption).toInt()));
    if (parser.isSet(portOption) &&
        !controller->openPort(parser.value(portOption), 921600, 8, 0, 1, 0)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(parser.value(portOption)));
        return 2;
    }
    settle(300);
    if (parser.isSet(selectOption)) {
        const QStringList p = parser.value(selectOption).split(',');
        for (const QString& name : {QStringLiteral("today"), QStringLiteral("proto")}) {
            if (QQuickItem* monitor = findByName(window->contentItem(), name);
                monitor && p.size() == 4) {
                monitor->setProperty("selectionAnchorLine", p.at(0).toDouble());
                monitor->setProperty("selectionAnchorColumn", p.at(1).toInt());
                monitor->setProperty("selectionCursorLine", p.at(2).toDouble());
                monitor->setProperty("selectionCursorColumn", p.at(3).toInt());
            }
        }
    }
    if (parser.isSet(screenshotOption)) {
        settle(500);
        const QString file = parser.value(screenshotOption);
        if (!window->grabWindow().save(file)) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return QGuiApplication::exec();
}
