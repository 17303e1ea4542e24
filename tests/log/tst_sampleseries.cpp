// The kept samples of one field: the bound and what drops out first, the
// extremes of a range against reading every sample, and the reduction to
// pixel columns that a plot draws.
#include "log/sampleseries.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Sample
{
    qint64 time;
    double value;
};

// A walk with steps, spikes and plateaus, several samples per time stamp.
std::vector<Sample> walk(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    std::vector<Sample> samples;
    double value = 0;
    qint64 time = 1'700'000'000'000;
    for (int i = 0; i < count; ++i) {
        value += random.generateDouble() - 0.5;
        const double spike = random.bounded(50) == 0 ? (random.generateDouble() - 0.5) * 100 : 0;
        samples.push_back({time, value + spike});
        time += random.bounded(4); // 0: the same time as the sample before
    }
    return samples;
}

} // namespace

class TestSampleSeries : public QObject
{
    Q_OBJECT

private slots:
    // At most the capacity is kept; the oldest go first and the numbers of
    // the others stay.
    void bound_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("appended");
        QTest::newRow("under") << 100000 << 99999;
        QTest::newRow("exactly") << 100000 << 100000;
        QTest::newRow("one over") << 100000 << 100001;
        QTest::newRow("many chunks over") << 5000 << 50000;
        QTest::newRow("mid-chunk capacity") << 4097 << 12289;
    }

    void bound()
    {
        QFETCH(int, capacity);
        QFETCH(int, appended);
        SampleSeries series(capacity);
        for (int i = 0; i < appended; ++i) {
            series.append(1000 + i, i * 0.5);
        }
        const int kept = qMin(capacity, appended);
        QCOMPARE(series.size(), kept);
        QCOMPARE(series.end(), qint64(appended));
        QCOMPARE(series.first(), qint64(appended - kept));
        QCOMPARE(series.valueAt(series.first()), (appended - kept) * 0.5);
        QCOMPARE(series.timeAt(series.end() - 1), qint64(1000 + appended - 1));
        QCOMPARE(series.lowerBound(0), series.first());
        QCOMPARE(series.lowerBound(1000 + appended), series.end());
    }

    // A time earlier than the newest one is stored as the newest: the times
    // the plot and the binary searches rely on never go back.
    void timesNeverGoBack()
    {
        SampleSeries series(10);
        series.append(500, 1);
        series.append(400, 2);
        series.append(600, 3);
        QCOMPARE(series.timeAt(1), qint64(500));
        QCOMPARE(series.timeAt(2), qint64(600));
        QCOMPARE(series.lowerBound(500), qint64(0));
        QCOMPARE(series.lowerBound(501), qint64(2));
    }

    void clearStartsAgain()
    {
        SampleSeries series(5000);
        for (int i = 0; i < 9000; ++i) {
            series.append(i, i);
        }
        series.clear();
        QVERIFY(series.isEmpty());
        QCOMPARE(series.first(), qint64(0));
        series.append(7, 3.5);
        QCOMPARE(series.size(), 1);
        QCOMPARE(series.extent(0, 1).min, 3.5);
    }

    // The extremes of any range, read through the blocks, equal those of
    // reading each sample, also across chunks and after the oldest went.
    void extentMatchesEverySample_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("count");
        QTest::newRow("one chunk") << 100000 << 3000;
        QTest::newRow("several chunks") << 100000 << 20000;
        QTest::newRow("after eviction") << 9000 << 30001;
    }

    void extentMatchesEverySample()
    {
        QFETCH(int, capacity);
        QFETCH(int, count);
        const std::vector<Sample> samples = walk(count, 7);
        SampleSeries series(capacity);
        for (const Sample& s : samples) {
            series.append(s.time, s.value);
        }
        QRandomGenerator random(11);
        for (int round = 0; round < 3000; ++round) {
            const qint64 a = series.first() + random.bounded(int(series.size()));
            const qint64 room = series.end() - a;
            const qint64 b =
                a + 1 + random.bounded(int(round % 2 ? qMin<qint64>(room, 300) : room));
            double low = std::numeric_limits<double>::infinity();
            double high = -low;
            for (qint64 n = a; n < b; ++n) {
                low = qMin(low, samples[size_t(n)].value);
                high = qMax(high, samples[size_t(n)].value);
            }
            const SampleSeries::Extent e = series.extent(a, b);
            QCOMPARE(e.min, low);
            QCOMPARE(e.max, high);
        }
    }

    // What a plot draws: every slice holds the first and last sample that
    // fall into it and their extremes, so every local minimum and maximum of
    // the samples lies on the drawn line, at the right column.
    void reductionKeepsEveryExtreme_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("window");
        QTest::newRow("dense, whole span") << 100000 << 800 << 0;
        QTest::newRow("dense, a window") << 100000 << 640 << 20000;
        QTest::newRow("sparse") << 300 << 900 << 0;
        QTest::newRow("one column") << 5000 << 1 << 0;
    }

    void reductionKeepsEveryExtreme()
    {
        QFETCH(int, count);
        QFETCH(int, columns);
        QFETCH(int, window);
        const std::vector<Sample> samples = walk(count, 3);
        SampleSeries series(100000);
        for (const Sample& s : samples) {
            series.append(s.time, s.value);
        }
        const qint64 to = samples.back().time - (window ? 5000 : 0);
        const qint64 from = window ? to - window : samples.front().time;
        std::vector<SampleSeries::Column> reduced;
        series.reduce(from, to, columns, reduced);

        const qint64 span = to - from + 1;
        auto columnOf = [&](qint64 t) {
            int c = int((t - from) * columns / span);
            while (from + span * (c + 1) / columns <= t) {
                ++c;
            }
            return c;
        };
        // The same from the samples directly.
        std::vector<SampleSeries::Column> expected;
        for (size_t i = 0; i < samples.size(); ++i) {
            const Sample& s = samples[i];
            if (s.time < from || s.time > to) {
                continue;
            }
            const int c = columnOf(s.time);
            if (expected.empty() || expected.back().index != c) {
                expected.push_back({c, s.value, s.value, s.value, s.value});
            }
            SampleSeries::Column& col = expected.back();
            col.last = s.value;
            col.min = qMin(col.min, s.value);
            col.max = qMax(col.max, s.value);
        }
        QCOMPARE(int(reduced.size()), int(expected.size()));
        QVERIFY(!reduced.empty());
        for (size_t i = 0; i < reduced.size(); ++i) {
            QCOMPARE(reduced[i].index, expected[i].index);
            QCOMPARE(reduced[i].first, expected[i].first);
            QCOMPARE(reduced[i].last, expected[i].last);
            QCOMPARE(reduced[i].min, expected[i].min);
            QCOMPARE(reduced[i].max, expected[i].max);
        }
        QVERIFY(int(reduced.size()) <= columns);

        // Every local extreme of the shown samples is the extreme of its column.
        int extremes = 0;
        for (size_t i = 1; i + 1 < samples.size(); ++i) {
            const Sample& s = samples[i];
            if (s.time < from || s.time > to) {
                continue;
            }
            const bool peak = s.value > samples[i - 1].value && s.value > samples[i + 1].value;
            const bool dip = s.value < samples[i - 1].value && s.value < samples[i + 1].value;
            if (!peak && !dip) {
                continue;
            }
            ++extremes;
            const int c = columnOf(s.time);
            const auto it =
                std::find_if(reduced.begin(), reduced.end(),
                             [c](const SampleSeries::Column& r) { return r.index == c; });
            QVERIFY(it != reduced.end());
            QVERIFY(it->min <= s.value && s.value <= it->max);
        }
        QVERIFY(extremes > 0);
    }

    // Far more columns than samples: one column per sample, none for a
    // stretch without samples.
    void sparseColumns()
    {
        SampleSeries series(100000);
        for (int i = 0; i < 100000; ++i) {
            series.append(qint64(i) * 10, std::sin(i * 0.01));
        }
        std::vector<SampleSeries::Column> reduced;
        // 1,000,000 columns over one second: 100 samples, 100 columns.
        series.reduce(500000, 500999, 1000000, reduced);
        QCOMPARE(int(reduced.size()), 100);
        series.reduce(2000000, 3000000, 800, reduced);
        QVERIFY(reduced.empty());
    }
};

QTEST_GUILESS_MAIN(TestSampleSeries)
#include "tst_sampleseries.moc"
