#pragma once

#include <QtGlobal>

class QQuickItem;
struct BenchContext;

/// A flood at @p rate bytes/s four times in the same window: with nothing
/// found or coloured, with the find bar open marking its matches, the same
/// filtering to the lines that match, and with a few highlight rules; the
/// four in turn for the context's rounds. Prints each run's figures and the
/// growth of CPU time per megabyte against the run of nothing found of the
/// same round (the median over rounds); at 921600 baud the target is at most
/// 15 % growth, 10 ms stalls and no line lost.
/// @p monitor is the data monitor. Returns whether the targets were met; -1
/// when a run could not be made.
int runFindFloods(const BenchContext& context, QQuickItem* monitor, qint64 rate);
