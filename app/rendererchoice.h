#pragma once

#include <QProcessEnvironment>
#include <QString>

/// Choosing how Qt Quick draws the window. OpenGL drawn by a software
/// rasteriser (a virtual machine, remote desktop, Xvfb) costs several times
/// the CPU of Qt Quick's own software renderer for the same window.
namespace RendererChoice {

/// Whether the window should use Qt Quick's software renderer: when
/// @p glRenderer (an OpenGL GL_RENDERER string) names a software rasteriser
/// (llvmpipe, softpipe, swrast), unless @p environment chooses a backend
/// through Qt's own variables (QT_QUICK_BACKEND, QMLSCENE_DEVICE,
/// QSG_RHI_BACKEND).
bool preferSoftware(const QString& glRenderer, const QProcessEnvironment& environment);

/// The GL_RENDERER string of a small offscreen OpenGL context, on the xcb
/// and wayland platforms; empty elsewhere or when no context can be made.
QString probeOpenGLRenderer();

/// Switches Qt Quick to its software renderer where preferSoftware() says
/// so; true when it did. Call once the application object exists and before
/// any window is made.
bool apply();

} // namespace RendererChoice
