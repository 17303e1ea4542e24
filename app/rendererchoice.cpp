#include "app/rendererchoice.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace RendererChoice {

bool preferSoftware(const QString& glRenderer, const QProcessEnvironment& environment)
{
    for (const char* forced : {"QT_QUICK_BACKEND", "QMLSCENE_DEVICE", "QSG_RHI_BACKEND"}) {
        if (!environment.value(QString::fromLatin1(forced)).isEmpty()) {
            return false;
        }
    }
    // Mesa's rasterisers; its classic swrast driver calls itself
    // "Software Rasterizer".
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
        if (glRenderer.contains(QLatin1String(name), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

QString probeOpenGLRenderer()
{
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland")) {
        return {};
    }
    QOpenGLContext context;
    if (!context.create()) {
        return {};
    }
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) {
        return {};
    }
    const auto* text = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = text ? QString::fromLatin1(text) : QString();
    context.doneCurrent();
    return renderer;
}

bool apply()
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Nothing to probe when the user has chosen.
    if (!preferSoftware(QStringLiteral("llvmpipe"), environment)) {
        return false;
    }
    if (!preferSoftware(probeOpenGLRenderer(), environment)) {
        return false;
    }
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return true;
}

} // namespace RendererChoice
