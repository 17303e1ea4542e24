#include "app/startup.h"

#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/appservices.h"
#include "app/qmlmodule.h"
#include "app/rendererchoice.h"
#include "buildinfo.h"
#include "settings/languagemanager.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickStyle>

void followInterfaceLanguage(QQmlEngine& engine)
{
    // Queued: the language changes from within QML (a handler of the
    // preferences, or a binding that first names the controller in a test);
    // re-translating right there would re-enter it. Posted, it runs before
    // the next frame is drawn.
    QObject::connect(
        &LanguageManager::instance(), &LanguageManager::languageChanged, &engine,
        [&engine] { engine.retranslate(); }, Qt::QueuedConnection);
}

int runKorvelApplication(int argc, char* argv[], const QUrl& root, const StartupOptions& options)
{
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("korvel.io"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvelSerialAssistant"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_APP_VERSION));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    // Ties the window to its desktop entry (and icon) where the desktop asks.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.korvel.SerialAssistant"));

    AppServices services;
    services.env = EnvConfig(EnvConfig::defaultLocations());
    // The platform font is the default family of "Restore defaults"; taken
    // here, before it is replaced, whatever family is stored.
    SettingsStore::captureDefaultSystemFontFamily();
    QGuiApplication::setFont(AppController::buildApplicationFont(
        services.settings.systemFontFamily(), services.settings.systemFontSize()));

    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    // Before the window exists: a software OpenGL rasteriser draws the
    // window at several times the cost of Qt Quick's own software renderer.
    RendererChoice::apply();

    registerKorvelModule();
    // Made before the engine, which it outlives.
    AppController controller(services);
    QQmlApplicationEngine engine;
    AppControllerSingleton::provide(engine, controller);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Later Qt versions search the resource prefix of QML modules by default.
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
#endif
    followInterfaceLanguage(engine);
    // Queued, so a failure found while loading ends the process as soon as
    // the event loop runs instead of leaving it without a window.
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [] { QCoreApplication::exit(-1); }, Qt::QueuedConnection);

    if (root.isValid()) {
        engine.load(root);
    } else {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        engine.loadFromModule("Korvel", "Main");
#else
        engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Korvel/qml/Main.qml")));
#endif
    }
    // Once the window exists, so that a failed open shows its dialog.
    if (!engine.rootObjects().isEmpty()) {
        controller.applyStartupOptions(options);
    }

    return QGuiApplication::exec();
}
