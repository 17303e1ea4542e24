#include "findrun.h"

#include "app/appcontroller.h"
#include "floodrun.h"
#include "log/highlightrulemodel.h"
#include "log/logfiltermodel.h"
#include "log/logsearch.h"

#include <QQuickItem>

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
    auto flood = [&](const char* label, double* cpuMsPerMB) {
        std::printf("-- %s\n", label);
        std::fflush(stdout);
        return runFlood(context, rate, noLimit, cpuMsPerMB);
    };

    double off = 0;
    const int offResult = flood("nothing found or coloured", &off);

    // The find bar as a user leaves it: a pattern typed (it matches about
    // half of the simulator's lines) and only the matching lines shown.
    QMetaObject::invokeMethod(monitor, "openFind");
    field->setProperty("text", QStringLiteral("xyz"));
    double marked = 0;
    const int markResult = flood("find bar open, matches marked (\"xyz\")", &marked);
    filterButton->setProperty("checked", true);
    double filtered = 0;
    const int filterResult = flood("find bar open, filter on (\"xyz\")", &filtered);
    std::printf("  shown           %d of %d lines\n", controller->logFilter()->rowCount(),
                controller->logModel()->rowCount());
    filterButton->setProperty("checked", false);
    QMetaObject::invokeMethod(monitor, "closeFind");

    // Three rules: text that matches many lines, an expression that matches
    // a tenth of them, and text that matches none.
    HighlightRuleModel* rules = controller->highlightRules();
    while (rules->rowCount() > 0) {
        rules->removeRule(0);
    }
    rules->setRule(-1, QStringLiteral("xyz"), false, QStringLiteral("red"));
    rules->setRule(-1, QStringLiteral("^\\d{7}5 "), true, QStringLiteral("green"));
    rules->setRule(-1, QStringLiteral("ERROR"), false, QStringLiteral("orange"));
    double coloured = 0;
    const int rulesResult = flood("three highlight rules", &coloured);
    while (rules->rowCount() > 0) {
        rules->removeRule(0);
    }
    if (offResult < 0 || markResult < 0 || filterResult < 0 || rulesResult < 0) {
        return -1;
    }

    bool allMet = offResult > 0 && markResult > 0 && filterResult > 0 && rulesResult > 0;
    for (const auto& [label, figure] :
         {std::pair{"matches marked", marked}, std::pair{"filter on", filtered},
          std::pair{"highlight rules", coloured}}) {
        const double growth = off > 0 ? 100.0 * (figure / off - 1.0) : 0.0;
        if (rate == 92160) {
            const bool met = off > 0 && growth <= 15.0;
            std::printf("target %s at 921600 baud: %+.0f %% CPU per MB against nothing found "
                        "(at most +15 %%): %s\n",
                        label, growth, met ? "met" : "MISSED");
            allMet = allMet && met;
        } else {
            std::printf("  %s: %+.0f %% cpu per MB against nothing found\n", label, growth);
        }
    }
    std::fflush(stdout);
    return allMet ? 1 : 0;
}
