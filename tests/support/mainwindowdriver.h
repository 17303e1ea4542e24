#pragma once

#include "app/appservices.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

class AppController;
class QObject;
class QQmlApplicationEngine;
class QQmlEngine;
class QQuickItem;
class QQuickWindow;

namespace korveltest {

/// Gets @p engine ready to load the application's documents: the Fusion
/// style (chosen once, before the first document) and, before Qt 6.5, the
/// import path of the module's resources.
void prepareQmlEngine(QQmlEngine& engine);
/// Makes a controller with @p services the AppController singleton of @p engine, as the
/// application does, before the engine loads a document. The engine owns it and deletes it
/// once its own documents are gone.
AppController* provideController(QQmlEngine& engine, const AppServices& services = {});
/// The AppController singleton of @p engine, as QML reaches it.
AppController* appController(QQmlEngine& engine);

/// The real Main document in a real window, driven as a user drives it:
/// finds items by object name (in the visual tree too, where views and
/// popups put them), clicks and types.
class MainWindowDriver
{
public:
    /// The controller of each load() works with @p services.
    explicit MainWindowDriver(const AppServices& services = {});
    ~MainWindowDriver();

    /// The services of the controllers of later loads.
    void setServices(const AppServices& services) { m_services = services; }

    /// Loads Main, shows it and waits until it is exposed and active. QML
    /// warnings from the documents named in @p watched are kept in warnings().
    bool load(const QStringList& watched = {});
    void unload();

    QQuickWindow* window() const { return m_window; }
    AppController* controller() const { return m_controller; }
    QStringList warnings() const { return m_warnings; }
    /// The warnings kept so far; the list starts empty again.
    QStringList takeWarnings() { return std::exchange(m_warnings, {}); }

    /// The item or object with this object name, or null.
    QQuickItem* item(const QString& name) const;
    QObject* object(const QString& name) const;
    /// Row @p row of a ListView, created by the view itself; null when not laid out.
    QQuickItem* listRow(QQuickItem* list, int row) const;

    QPoint centreOf(const QQuickItem* target) const;
    void click(const QQuickItem* target, Qt::MouseButton button = Qt::LeftButton);
    /// Waits until the item named @p name is shown and enabled, then clicks it; false when it
    /// never is.
    bool clickWhenReady(const QString& name);
    /// Waits until the popup named @p name is open, or closed; false when it does not get there.
    bool waitOpened(const QString& name);
    bool waitClosed(const QString& name);
    /// Key by key, into whatever has the focus.
    void typeText(const QString& text);
    void selectAll();
    /// The data monitor's whole text, as its Copy command gives it.
    QString monitorText();

private:
    AppServices m_services;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow* m_window = nullptr;
    AppController* m_controller = nullptr;
    QStringList m_warnings;
};

} // namespace korveltest
