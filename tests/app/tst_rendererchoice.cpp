// When the window trades OpenGL for Qt Quick's software renderer: the
// rasteriser's name against the backend a user may force.
#include "app/rendererchoice.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

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

    // The software renderer draws no shader effects, so the card behind a
    // dialog, otherwise drawn through its shadow, must draw itself there.
    void dialogCardShowsWithoutEffects()
    {
        korveltest::isolateSettings();
        QQmlEngine engine;
        korveltest::prepareQmlEngine(engine);
        QQmlComponent component(&engine);
        component.setData(R"(
import QtQuick
import Korvel
Window {
    width: 300
    height: 200
    visible: true
    DialogCard { objectName: "card"; anchors.fill: parent; anchors.margins: 20 }
}
)",
                          QUrl(QStringLiteral("qrc:/tst_rendererchoice.qml")));
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(component.create()));
        QVERIFY2(window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->rendererInterface()->graphicsApi(), QSGRendererInterface::Software);
        auto* card = window->findChild<QQuickItem*>(QStringLiteral("card"));
        QVERIFY(card);
        QTRY_VERIFY(!card->property("shadowDrawn").toBool());
        const QList<QQuickItem*> parts = card->childItems();
        QCOMPARE(parts.size(), 2); // the card and its shadow
        QVERIFY(parts.at(0)->isVisible());
        QCOMPARE(parts.at(0)->size(), card->size());
        QVERIFY(!parts.at(1)->isVisible());

        // What the window shows there is the card's colour, not the window's.
        const QImage image = window->grabWindow();
        const QColor inside = image.pixelColor(150, 100);
        const QColor outside = image.pixelColor(5, 5);
        QVERIFY2(inside != outside, qPrintable(inside.name() + QLatin1Char(' ') + outside.name()));
    }
};

QTEST_MAIN(TestRendererChoice)
#include "tst_rendererchoice.moc"
