#include "support/mainwindowdriver.h"

#include "app/appcontroller.h"
#include "app/appcontrollersingleton.h"
#include "app/qmlmodule.h"
#include "app/startup.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTest>

namespace korveltest {

void prepareQmlEngine(QQmlEngine& engine)
{
    registerKorvelModule();
    if (QQuickStyle::name().isEmpty()) {
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
#else
    Q_UNUSED(engine);
#endif
}

AppController* provideController(QQmlEngine& engine, const AppServices& services)
{
    auto* controller = new AppController(services, &engine);
    AppControllerSingleton::provide(engine, *controller);
    return controller;
}

AppController* appController(QQmlEngine& engine)
{
    return engine.singletonInstance<AppController*>(qmlTypeId("Korvel", 1, 0, "AppController"));
}

MainWindowDriver::MainWindowDriver(const AppServices& services)
    : m_services(services)
{}

MainWindowDriver::~MainWindowDriver()
{
    unload();
}

bool MainWindowDriver::load(const QStringList& watched)
{
    unload();
    m_engine = std::make_unique<QQmlApplicationEngine>();
    prepareQmlEngine(*m_engine);
    AppController* controller = provideController(*m_engine, m_services);
    // As in the application: a change of language re-translates the window.
    followInterfaceLanguage(*m_engine);
    QObject::connect(m_engine.get(), &QQmlEngine::warnings, m_engine.get(),
                     [this, watched](const QList<QQmlError>& list) {
                         for (const QQmlError& error : list) {
                             if (watched.contains(error.url().fileName())) {
                                 m_warnings << error.toString();
                             }
                         }
                     });
    m_engine->load(QUrl(QStringLiteral("qrc:/qt/qml/Korvel/qml/Main.qml")));
    if (m_engine->rootObjects().isEmpty()) {
        return false;
    }
    m_window = qobject_cast<QQuickWindow*>(m_engine->rootObjects().constFirst());
    // QML reaches the very controller that was made for it.
    m_controller = appController(*m_engine);
    if (!m_window || m_controller != controller) {
        return false;
    }
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window)) {
        return false;
    }
    m_window->requestActivate();
    return QTest::qWaitForWindowActive(m_window);
}

void MainWindowDriver::unload()
{
    m_engine.reset();
    m_window = nullptr;
    m_controller = nullptr;
    m_warnings.clear();
}

QQuickItem* MainWindowDriver::item(const QString& name) const
{
    if (auto* found = m_window->findChild<QQuickItem*>(name)) {
        return found;
    }
    // Items made by a Repeater or a view are not QObject children of the window.
    QList<QQuickItem*> pending{m_window->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem* next = pending.takeFirst();
        if (next->objectName() == name) {
            return next;
        }
        pending += next->childItems();
    }
    return nullptr;
}

QObject* MainWindowDriver::object(const QString& name) const
{
    return m_window->findChild<QObject*>(name);
}

QQuickItem* MainWindowDriver::listRow(QQuickItem* list, int row) const
{
    QQuickItem* result = nullptr;
    if (list) {
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, result),
                                  Q_ARG(int, row));
    }
    return result;
}

QPoint MainWindowDriver::centreOf(const QQuickItem* target) const
{
    return target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
}

void MainWindowDriver::click(const QQuickItem* target, Qt::MouseButton button)
{
    QTest::mouseClick(m_window, button, {}, centreOf(target));
}

bool MainWindowDriver::clickWhenReady(const QString& name)
{
    QQuickItem* target = item(name);
    if (!target ||
        !QTest::qWaitFor([target] { return target->isVisible() && target->isEnabled(); })) {
        return false;
    }
    click(target);
    return true;
}

bool MainWindowDriver::waitOpened(const QString& name)
{
    QObject* popup = object(name);
    return popup && QTest::qWaitFor([popup] { return popup->property("opened").toBool(); });
}

bool MainWindowDriver::waitClosed(const QString& name)
{
    QObject* popup = object(name);
    return popup && QTest::qWaitFor([popup] { return !popup->property("visible").toBool(); });
}

void MainWindowDriver::typeText(const QString& text)
{
    // QTest::keyClicks exists only for widgets.
    for (const QChar c : text) {
        QTest::keyClick(m_window, c.toLatin1());
    }
}

void MainWindowDriver::selectAll()
{
    QTest::keyClick(m_window, Qt::Key_A, Qt::ControlModifier);
}

QString MainWindowDriver::monitorText()
{
    QQuickItem* monitor = item(QStringLiteral("monitor"));
    if (!monitor) {
        return {};
    }
    QGuiApplication::clipboard()->clear();
    QMetaObject::invokeMethod(monitor, "copyLog");
    return QGuiApplication::clipboard()->text();
}

} // namespace korveltest
