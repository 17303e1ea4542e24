#include "findbench.h"

#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logsearch.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

// Lines of words with a reading now and then and a rare error, like a
// device's chatter.
QList<QByteArray> chatter(int count)
{
    static const char* const words[] = {"sensor", "temp", "ok",    "status", "value", "node",
                                        "link",   "up",   "retry", "read",   "write", "addr"};
    QRandomGenerator random(26);
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i) {
        const int length = 100 + int(random.bounded(201));
        QByteArray line;
        while (line.size() < length) {
            line += words[random.bounded(int(std::size(words)))];
            line += random.bounded(5) == 0 ? "=" + QByteArray::number(random.bounded(1000)) : " ";
            if (random.bounded(400) == 0) {
                line += "ERROR ";
            }
        }
        line.truncate(length);
        lines << line;
    }
    return lines;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

} // namespace

int runFindBench()
{
    LogManager log;
    LogListModel lines(&log);
    LogSearch search(&lines, &log);
    const QList<QByteArray> store = chatter(LogManager::Capacity);
    for (int i = 0; i < store.size(); i += 250) {
        log.appendBatch(LogKind::RX, store.mid(i, 250));
    }
    // About as many rows as a tall monitor shows.
    constexpr int visibleRows = 60;
    const qint64 last = log.totalLineCount() - 1;

    struct Case
    {
        const char* name;
        bool regex;
        QStringList keystrokes;
    };
    const QList<Case> cases{
        {"text", false, {"e", "er", "err", "erro", "error", "temp", "temp=", "temp=4"}},
        {"regex",
         true,
         {"t", "te", "temp", "temp=", "temp=\\d", "temp=\\d+", "err(or)?", "\\bup\\b"}},
        {"regex_catastrophic", true, {"(a+)+$", "(\\w+\\s?)+$"}},
    };
    for (const Case& c : cases) {
        search.setRegex(c.regex);
        QList<double> firstFrame;
        QList<double> wholePass;
        int matches = 0;
        int highlighted = 0;
        for (int round = 0; round < 5; ++round) {
            for (const QString& keys : c.keystrokes) {
                search.setPattern(QString());
                QElapsedTimer clock;
                clock.start();
                search.setPattern(keys);
                int spans = 0;
                for (int row = 0; row < visibleRows; ++row) {
                    spans += int(search.spansOfLine(double(last - row)).size());
                }
                firstFrame << clock.nsecsElapsed() / 1e6;
                clock.restart();
                search.finish();
                wholePass << clock.nsecsElapsed() / 1e6;
                matches += search.matchCount();
                highlighted += spans;
            }
        }
        std::printf("find_%s_keystroke_ms: %.3f\n", c.name, median(firstFrame));
        std::printf("find_%s_pass_ms: %.3f (matches counted: %d, on screen: %d)\n", c.name,
                    median(wholePass), matches, highlighted);
    }
    return 0;
}
