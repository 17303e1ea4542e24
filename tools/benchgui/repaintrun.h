#pragma once

#include <QList>

#include <functional>

class QQuickWindow;

/// What repainting the window after a change took, change by change: wall
/// time from the change to the first frame shown after it, and the CPU
/// time the process spent on it (that frame and any that follow at once).
struct RepaintFigures
{
    QList<double> wallMs;
    QList<double> cpuMs;

    static double median(QList<double> values);
    static double largest(const QList<double>& values);
};

/// Makes @p steps changes to the window with @p change (given the step's
/// number), each after a quiet spell, and measures each repaint.
RepaintFigures measureRepaints(QQuickWindow* window, int steps,
                               const std::function<void(int step)>& change);
