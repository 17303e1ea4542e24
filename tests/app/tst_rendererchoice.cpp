// When the window trades OpenGL for Qt Quick's software renderer: the
// rasteriser's name against the backend a user may force.
#include "app/rendererchoice.h"

#include <QtTest>

class TestRendererChoice : public QObject
{
    Q_OBJECT

private slots:
    void preferSoftware_data()
    {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<QStringList>("environment"); // NAME=value
        QTest::addColumn<bool>("software");

        const auto row = [](const char* tag, const char* renderer, const QStringList& environment,
                            bool software) {
            QTest::newRow(tag) << QString::fromLatin1(renderer) << environment << software;
        };
        row("llvmpipe", "llvmpipe (LLVM 15.0.6, 256 bits)", {}, true);
        row("softpipe", "softpipe", {}, true);
        row("swrast", "Mesa swrast", {}, true);
        row("classic swrast's own name", "Software Rasterizer", {}, true);
        row("upper case", "LLVMPIPE", {}, true);
        row("Intel", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", {}, false);
        row("AMD", "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0)", {}, false);
        row("NVIDIA", "NVIDIA GeForce GTX 1060/PCIe/SSE2", {}, false);
        row("virtual GPU", "virgl (Mesa 22.3.6)", {}, false);
        row("no OpenGL", "", {}, false);
        row("backend forced to OpenGL", "llvmpipe", {"QT_QUICK_BACKEND=opengl"}, false);
        row("backend forced to software", "llvmpipe", {"QT_QUICK_BACKEND=software"}, false);
        row("old name of the variable", "llvmpipe", {"QMLSCENE_DEVICE=opengl"}, false);
        row("graphics API forced", "llvmpipe", {"QSG_RHI_BACKEND=vulkan"}, false);
        row("forced while a GPU draws", "Mesa Intel(R) UHD Graphics 620", {"QT_QUICK_BACKEND=rhi"},
            false);
        row("empty variable forces nothing", "llvmpipe", {"QT_QUICK_BACKEND="}, true);
        row("unrelated variables", "llvmpipe",
            {"QT_QPA_PLATFORM=xcb", "LIBGL_ALWAYS_SOFTWARE=1", "QSG_INFO=1"}, true);
    }

    void preferSoftware()
    {
        QFETCH(QString, renderer);
        QFETCH(QStringList, environment);
        QFETCH(bool, software);

        QProcessEnvironment env;
        for (const QString& entry : std::as_const(environment)) {
            const qsizetype eq = entry.indexOf(QLatin1Char('='));
            env.insert(entry.left(eq), entry.mid(eq + 1));
        }
        QCOMPARE(RendererChoice::preferSoftware(renderer, env), software);
    }

    // The offscreen platform has no OpenGL to ask: the probe says nothing
    // and the choice is left to Qt.
    void offscreenProbesNothing()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QCOMPARE(RendererChoice::probeOpenGLRenderer(), QString());
        QVERIFY(!RendererChoice::apply());
    }
};

QTEST_MAIN(TestRendererChoice)
#include "tst_rendererchoice.moc"
