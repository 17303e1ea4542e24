#pragma once

class QQmlApplicationEngine;

/// Measures the plot's redraw at several sizes and sample counts; prints
/// the figures and returns 0 when 8 x 100,000 samples redraw in 8 ms with
/// every line drawn.
int runPlotBench(QQmlApplicationEngine& engine);
