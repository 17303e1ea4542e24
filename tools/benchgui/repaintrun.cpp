#include "repaintrun.h"

#include "benchsupport.h"

#include <QElapsedTimer>
#include <QQuickWindow>

#include <algorithm>

double RepaintFigures::median(QList<double> values)
{
    if (values.isEmpty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double RepaintFigures::largest(const QList<double>& values)
{
    return values.isEmpty() ? 0 : *std::max_element(values.cbegin(), values.cend());
}

RepaintFigures measureRepaints(QQuickWindow* window, int steps,
                               const std::function<void(int step)>& change)
{
    RepaintFigures figures;
    // Frames that follow at once (a list that moves to its newest line once
    // laid out again, say) belong to the repaint: its CPU time is taken
    // over this long after the change.
    constexpr int SettleMs = 150;
    for (int step = 0; step < steps; ++step) {
        runQuietly(SettleMs);
        QEventLoop frame;
        const auto swapped =
            QObject::connect(window, &QQuickWindow::frameSwapped, &frame, &QEventLoop::quit);
        QTimer::singleShot(2000, &frame, &QEventLoop::quit);
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = cpuSeconds();
        change(step);
        frame.exec();
        const double wallMs = double(wall.nsecsElapsed()) / 1e6;
        QObject::disconnect(swapped);
        runQuietly(SettleMs - int(qMin<double>(wallMs, SettleMs)));
        figures.wallMs << wallMs;
        figures.cpuMs << 1000.0 * (cpuSeconds() - cpuBefore);
    }
    return figures;
}
