// The plot's redraw: 8 fields of up to 100,000 kept samples each, all
// plotted, in a window of the renderer the process runs with. Each frame
// takes in one more line (the plot moves) and is timed from the start of the
// scene graph's synchronisation, where the plot paints, to the end of
// rendering. Then the window is grabbed to see that every line was drawn.
#include "tools/benchgui/plotbench.h"

#include "log/fieldmonitor.h"
#include "log/logmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char* const kColours[] = {"#74c0fc", "#ff8787", "#8ce99a", "#ffa94d",
                                "#b197fc", "#d9b38c", "#f783ac", "#66d9e8"};

QByteArray plotWindow(int width, int height)
{
    QByteArray colours;
    for (const char* c : kColours) {
        colours += QByteArray(colours.isEmpty() ? "" : ", ") + '"' + c + '"';
    }
    return QByteArray(R"(
import QtQuick
import Korvel
Window {
    width: WIDTH
    height: HEIGHT
    visible: true
    color: "#1b1f27"
    FieldPlot {
        objectName: "plot"
        anchors.fill: parent
        windowSeconds: 0
        backgroundColour: "#1b1f27"
        gridColour: "#33383f"
        textColour: "#6b7280"
        seriesColours: [COLOURS]
        font.pixelSize: 11
    }
}
)")
        .replace("WIDTH", QByteArray::number(width))
        .replace("HEIGHT", QByteArray::number(height))
        .replace("COLOURS", colours);
}

// The line of 8 readings for sample i.
QByteArray readings(qint64 i)
{
    QByteArray line;
    for (int s = 0; s < 8; ++s) {
        const double v = s * 3 + std::sin(double(i) * 0.002 * (s + 1)) + 0.4 * std::sin(i * 0.37);
        line += 's' + QByteArray::number(s) + ':' + QByteArray::number(v, 'f', 3) + ' ';
    }
    return line;
}

int pixelsNear(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                    qAbs(c.blue() - colour.blue()) <
                40) {
                ++count;
            }
        }
    }
    return count;
}

struct Figures
{
    double median = 0;
    double max = 0;
    int drawn = 0;
    bool software = false;
};

Figures measure(QQmlApplicationEngine& engine, int width, int height, int samples)
{
    LogManager log;
    qint64 now = 1'700'000'000'000;
    log.setClock([&now] { return QDateTime::fromMSecsSinceEpoch(now); });
    FieldMonitor monitor(&log);
    monitor.setShown(true);
    QList<QByteArray> batch;
    for (qint64 i = 0; i < samples; ++i) {
        batch << readings(i);
        if (batch.size() == 1000 || i + 1 == samples) {
            log.appendBatch(LogKind::RX, batch);
            batch.clear();
            now += 10000;
        }
    }
    for (int s = 0; s < 8; ++s) {
        monitor.fields()->setPlotted(s, true);
    }

    QQmlComponent component(&engine);
    component.setData(plotWindow(width, height), QUrl(QStringLiteral("qrc:/benchgui/plot.qml")));
    std::unique_ptr<QObject> root(component.create());
    auto* window = qobject_cast<QQuickWindow*>(root.get());
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return {};
    }
    auto* plot = window->findChild<QQuickItem*>(QStringLiteral("plot"));
    plot->setProperty("monitor", QVariant::fromValue(&monitor));

    QElapsedTimer clock;
    clock.start();
    qint64 syncStart = 0;
    std::vector<double> frames;
    QObject::connect(
        window, &QQuickWindow::beforeSynchronizing, window,
        [&] { syncStart = clock.nsecsElapsed(); }, Qt::DirectConnection);
    QObject::connect(
        window, &QQuickWindow::afterRendering, window,
        [&] { frames.push_back(double(clock.nsecsElapsed() - syncStart) / 1e6); },
        Qt::DirectConnection);
    auto waitFrames = [&](size_t count) {
        QElapsedTimer limit;
        limit.start();
        while (frames.size() < count && limit.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    };
    plot->update();
    waitFrames(2);
    frames.clear();
    for (int frame = 1; frame <= 60; ++frame) {
        now += 100;
        log.appendBatch(LogKind::RX, {readings(samples + frame)});
        plot->update();
        waitFrames(size_t(frame));
    }
    Figures figures;
    if (!frames.empty()) {
        std::sort(frames.begin(), frames.end());
        figures.median = frames[frames.size() / 2];
        figures.max = frames.back();
    }
    figures.software = window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software;
    const QImage image = window->grabWindow();
    for (const char* c : kColours) {
        figures.drawn += pixelsNear(image, QColor(c)) > 20 ? 1 : 0;
    }
    return figures;
}

} // namespace

int runPlotBench(QQmlApplicationEngine& engine)
{
    struct Case
    {
        int width;
        int height;
        int samples;
    };
    const Case cases[] = {{500, 240, 100000},
                          {1200, 400, 1000},
                          {1200, 400, 10000},
                          {1200, 400, 100000},
                          {2400, 400, 100000}};
    bool software = true;
    bool met = true;
    for (const Case& c : cases) {
        const Figures f = measure(engine, c.width, c.height, c.samples);
        software = f.software;
        std::printf("plot redraw, 8 x %d samples, %d x %d: median %.2f ms, max %.2f ms, "
                    "%d of 8 lines drawn\n",
                    c.samples, c.width, c.height, f.median, f.max, f.drawn);
        if (c.samples == 100000 && c.width <= 1200) {
            met = met && f.median <= 8.0 && f.drawn == 8;
        }
        std::fflush(stdout);
    }
    std::printf("plot renderer: %s scene graph\n", software ? "software" : "hardware");
    std::printf("plot target (8 x 100000 samples redrawn in 8 ms, every line drawn): %s\n",
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
