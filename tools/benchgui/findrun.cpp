#include "findrun.h"

#include "app/appcontroller.h"
#include "floodrun.h"
#include "log/highlightrulemodel.h"
#include "log/logfiltermodel.h"
#include "log/logsearch.h"

#include <QQuickItem>

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

QQuickItem* childNamed(QQuickItem* item, const QString& name)
{
    if (item->objectName() == name) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = childNamed(child, name)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

int runFindFloods(const BenchContext& context, QQuickItem* monitor, qint64 rate)
{
    AppController* controller = context.controller;
    QQuickItem* field = monitor ? childNamed(monitor, QStringLiteral("findField")) : nullptr;
    QQuickItem* filterButton =
        monitor ? childNamed(monitor, QStringLiteral("findFilterButton")) : nullptr;
    if (!field || !filterButton) {
        std::fprintf(stderr, "the data monitor has no find bar\n");
        return -1;
    }
    constexpr double noLimit = std::numeric_limits<double>::infinity();
    HighlightRuleModel* rules = controller->highlightRules();
    auto clearRules = [rules] {
        while (rules->rowCount() > 0) {
            rules->removeRule(0);
        }
    };
    clearRules();

    // Each mode in turn, round after round: the machine's speed drifts over
    // minutes (other guests on the host), so each mode is compared with the
    // run of nothing found made just before it, in the same round.
    enum Mode { Off, Marked, Filtered, Coloured, Modes };
    const char* labels[Modes] = {"nothing found or coloured",
                                 "find bar open, matches marked (\"xyz\")",
                                 "find bar open, filter on (\"xyz\")", "three highlight rules"};
    auto enter = [&](int mode) {
        if (mode == Marked) {
            // The find bar as a user leaves it: a pattern typed (it matches
            // most of the simulator's lines).
            QMetaObject::invokeMethod(monitor, "openFind");
            field->setProperty("text", QStringLiteral("xyz"));
        } else if (mode == Filtered) {
            // The same, showing only the lines that match.
            filterButton->setProperty("checked", true);
        } else if (mode == Coloured) {
            // Three rules: text that matches many lines, an expression that
            // matches a tenth of them, and text that matches none.
            filterButton->setProperty("checked", false);
            QMetaObject::invokeMethod(monitor, "closeFind");
            rules->setRule(-1, QStringLiteral("xyz"), false, QStringLiteral("red"));
            rules->setRule(-1, QStringLiteral("^\\d{7}5 "), true, QStringLiteral("green"));
            rules->setRule(-1, QStringLiteral("ERROR"), false, QStringLiteral("orange"));
        } else {
            clearRules();
        }
    };
    QList<double> growth[Modes];
    bool allMet = true;
    for (int round = 0; round < context.findRounds; ++round) {
        double figures[Modes] = {};
        for (int mode = Off; mode < Modes; ++mode) {
            enter(mode);
            std::printf("-- %s%s\n", labels[mode],
                        context.findRounds > 1
                            ? qPrintable(QStringLiteral(" (round %1)").arg(round + 1))
                            : "");
            std::fflush(stdout);
            const int result = runFlood(context, rate, noLimit, &figures[mode]);
            if (result < 0) {
                clearRules();
                return -1;
            }
            allMet = allMet && result > 0;
            if (mode == Filtered) {
                std::printf("  shown           %d of %d lines\n",
                            controller->logFilter()->rowCount(),
                            controller->logModel()->rowCount());
            }
            if (mode != Off && figures[Off] > 0) {
                growth[mode] << 100.0 * (figures[mode] / figures[Off] - 1.0);
            }
        }
        enter(Off);
    }

    for (int mode = Marked; mode < Modes; ++mode) {
        QList<double> sorted = growth[mode];
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted.isEmpty() ? 0.0 : sorted.at(sorted.size() / 2);
        QStringList each;
        for (double g : growth[mode]) {
            each << QString::asprintf("%+.0f", g);
        }
        const char* label = mode == Marked     ? "matches marked"
                            : mode == Filtered ? "filter on"
                                               : "highlight rules";
        const QString rounds =
            growth[mode].size() > 1
                ? QStringLiteral(" (median of rounds %1)").arg(each.join(QStringLiteral(", ")))
                : QString();
        if (rate == 92160) {
            const bool met = !sorted.isEmpty() && median <= 15.0;
            std::printf("target %s at 921600 baud: %+.0f %% CPU per MB against nothing found%s "
                        "(at most +15 %%): %s\n",
                        label, median, qPrintable(rounds), met ? "met" : "MISSED");
            allMet = allMet && met;
        } else {
            std::printf("  %s: %+.0f %% cpu per MB against nothing found%s\n", label, median,
                        qPrintable(rounds));
        }
    }
    std::fflush(stdout);
    return allMet ? 1 : 0;
}
