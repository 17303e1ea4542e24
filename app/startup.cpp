#include "app/startup.h"

#include "app/appcontroller.h"
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

namespace {

// The port, baud rate and open request of the command line, handed to the
// controller once the window exists (so that a failed open shows its dialog).
void applyStartupOptions(QQmlApplicationEngine& engine, const StartupOptions& options)
{
    if (engine.rootObjects().isEmpty()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    auto* controller = engine.singletonInstance<AppController*>("Korvel", "AppController");
#else
    auto* controller =
        engine.singletonInstance<AppController*>(qmlTypeId("Korvel", 1, 0, "AppController"));
#endif
    if (controller) {
        controller->applyStartupOptions(options);
    }
}

} // namespace

void followInterfaceLanguage(QQmlEngine& engine)
{
    // Queued: the controller applies the stored language while it is being
    // constructed, which happens inside the evaluation of the first binding
    // that names it; re-translating right there would re-enter that binding.
    // Posted, it runs before the first frame is drawn.
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

    {
        // The platform font is the default family of "Restore defaults";
        // taken here, before it is replaced, whatever family is stored.
        SettingsStore::captureDefaultSystemFontFamily();
        const SettingsStore settings;
        QGuiApplication::setFont(AppController::buildApplicationFont(settings.systemFontFamily(),
                                                                     settings.systemFontSize()));
    }

    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    // Before the window exists: a software OpenGL rasteriser draws the
    // window at several times the cost of Qt Quick's own software renderer.
    RendererChoice::apply();

    registerKorvelModule();
    QQmlApplicationEngine engine;
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
    applyStartupOptions(engine, options);

    return QGuiApplication::exec();
}
