// The fields of many lines: their order, latest values, extremes, rates
// and samples, values that change type, the bounds on fields, names and
// samples, and which fields are plotted unasked.
#include "log/fieldstore.h"

#include <QTest>

namespace {

QStringList names(const FieldStore& store)
{
    QStringList out;
    for (int i = 0; i < store.count(); ++i) {
        out << store.field(i).name;
    }
    return out;
}

// "latest min..max updates/kept" of a field.
QString summary(const FieldStore& store, const QByteArray& name)
{
    const int i = store.indexOf(name);
    if (i < 0) {
        return QStringLiteral("missing");
    }
    const FieldStore::Field& f = store.field(i);
    const QString range =
        f.numeric ? QStringLiteral("%1..%2").arg(f.min).arg(f.max) : QStringLiteral("-");
    return QStringLiteral("%1 %2 %3/%4")
        .arg(store.latestText(i), range)
        .arg(f.updates)
        .arg(f.samples.size());
}

} // namespace

class TestFieldStore : public QObject
{
    Q_OBJECT

private slots:
    void valuesOverLines_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("summary");

        QTest::newRow("order of first appearance")
            << QList<QByteArray>{R"({"b":1,"a":2})", R"({"c":3,"a":4})", "d:5"}
            << QStringList{"b", "a", "c", "d"} << QByteArray("a") << "4 2..4 2/2";
        QTest::newRow("number, then text, then number")
            << QList<QByteArray>{R"({"t":21.5})", R"({"t":"sensor fault"})", R"({"t":19})"}
            << QStringList{"t"} << QByteArray("t") << "19 19..21.5 3/2";
        QTest::newRow("text stays the latest until a number comes")
            << QList<QByteArray>{R"({"t":21.5})", R"({"t":"sensor fault"})"} << QStringList{"t"}
            << QByteArray("t") << "sensor fault 21.5..21.5 2/1";
        QTest::newRow("NaN and null show, are not sampled")
            << QList<QByteArray>{R"({"t":2})", R"({"t":NaN})", R"({"t":null})"} << QStringList{"t"}
            << QByteArray("t") << "null 2..2 3/1";
        QTest::newRow("beyond double range shows as written")
            << QList<QByteArray>{R"({"t":-3})", R"({"t":1e999})"} << QStringList{"t"}
            << QByteArray("t") << "1e999 -3..-3 2/1";
        QTest::newRow("duplicate key: the last value counts")
            << QList<QByteArray>{R"({"a":1,"b":0,"a":7})"} << QStringList{"a", "b"}
            << QByteArray("a") << "7 7..7 1/1";
        QTest::newRow("booleans count as 0 and 1")
            << QList<QByteArray>{R"({"on":true})", R"({"on":false})"} << QStringList{"on"}
            << QByteArray("on") << "false 0..1 2/2";
        QTest::newRow("text only")
            << QList<QByteArray>{"{\"s\":\"a\\\"b\\u00e9\"}"} << QStringList{"s"} << QByteArray("s")
            << QString::fromUtf8("a\"b\u00e9 - 1/0");
        QTest::newRow("shortest exact form")
            << QList<QByteArray>{R"({"v":23.40})", "v:0.1"} << QStringList{"v"} << QByteArray("v")
            << "0.1 0.1..23.4 2/2";
        QTest::newRow("object becomes number: two fields")
            << QList<QByteArray>{R"({"a":{"b":1}})", R"({"a":2})"} << QStringList{"a.b", "a"}
            << QByteArray("a.b") << "1 1..1 1/1";
        QTest::newRow("broken, deep and other lines change nothing")
            << QList<QByteArray>{R"({"a":1})", R"({"a":2,"b":)", "hello",
                                 R"({"a":[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]})", "\xff\xfe\x01"}
            << QStringList{"a"} << QByteArray("a") << "1 1..1 1/1";
        QTest::newRow("invalid UTF-8 in a name")
            << QList<QByteArray>{"{\"t\xff\":1}"} << QStringList{"t\ufffd"} << QByteArray("t\xff")
            << "1 1..1 1/1";
    }

    void valuesOverLines()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QStringList, names);
        QFETCH(QByteArray, field);
        QFETCH(QString, summary);
        FieldStore store;
        qint64 time = 1000;
        for (const QByteArray& line : lines) {
            store.addLine(time += 100, line);
        }
        QCOMPARE(::names(store), names);
        QCOMPARE(::summary(store, field), summary);
    }

    void lineCounts()
    {
        FieldStore store;
        const QList<QByteArray> lines{R"({"a":1})",
                                      "a:1 b:2",
                                      "1 2 3",
                                      "text",
                                      R"({"a":)",
                                      R"({"a":[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]})",
                                      QByteArray(70000, ' ') + "{}"};
        store.addLines(1, lines);
        const FieldStore::LineCounts& c = store.lineCounts();
        QCOMPARE(c.json, 1);
        QCOMPARE(c.pairs, 1);
        QCOMPARE(c.numbers, 1);
        QCOMPARE(c.other, 1);
        QCOMPARE(c.brokenJson, 1);
        QCOMPARE(c.tooDeep, 1);
        QCOMPARE(c.tooLong, 1);
    }

    // At most 64 fields; the rest are counted once each and the first few
    // named, whether they come in one line or over many.
    void fieldBound()
    {
        FieldStore store;
        QByteArray line = "{";
        for (int i = 0; i < 70; ++i) {
            line += (i ? ",\"f" : "\"f") + QByteArray::number(i) + "\":" + QByteArray::number(i);
        }
        line += '}';
        FieldStore::Changes changes = store.addLine(1, line);
        QVERIFY(changes.refused);
        QCOMPARE(changes.firstNewField, 0);
        QCOMPARE(store.count(), FieldStore::MaxFields);
        QCOMPARE(store.refusedCount(), 6);
        QCOMPARE(store.refusedNames(), (QStringList{"f64", "f65", "f66", "f67", "f68"}));
        // The same line again: nothing new, nothing refused anew, the kept
        // fields updated.
        changes = store.addLine(2, line);
        QVERIFY(!changes.refused);
        QCOMPARE(changes.firstNewField, -1);
        QCOMPARE(store.refusedCount(), 6);
        QCOMPARE(store.field(63).updates, 2);
        // Distinct new names are counted up to the limit, then no more.
        for (int i = 0; i < 1200; ++i) {
            store.addLine(3, "x" + QByteArray::number(i) + ":1");
        }
        QCOMPARE(store.refusedCount(), FieldStore::MaxRefusedNames);
        QCOMPARE(store.refusedNames().size(), FieldStore::NamedRefusals);
        QCOMPARE(store.count(), FieldStore::MaxFields);
    }

    void nameBound()
    {
        FieldStore store;
        const QByteArray longest(FieldStore::MaxNameBytes, 'n');
        store.addLine(1, "{\"" + longest + "\":1,\"" + longest + "x\":2,\"ok\":3}");
        QCOMPARE(names(store), (QStringList{QString::fromLatin1(longest), "ok"}));
        QCOMPARE(store.refusedCount(), 1);
        QCOMPARE(store.refusedNames().constFirst(), QString(64, QLatin1Char('n')) + QChar(0x2026));
    }

    // Samples per field are bounded; the extremes still cover every sample.
    void sampleBound()
    {
        FieldStore store;
        const int count = int(FieldStore::MaxSamples) + 10;
        for (int i = 0; i < count; ++i) {
            store.addLine(1000 + i, "v:" + QByteArray::number(i == 0 ? -50 : i % 100));
        }
        const FieldStore::Field& f = store.field(0);
        QCOMPARE(f.samples.size(), FieldStore::MaxSamples);
        QCOMPARE(f.samples.first(), qint64(10));
        QCOMPARE(f.samples.timeAt(f.samples.first()), qint64(1010));
        QCOMPARE(f.updates, qint64(count));
        QCOMPARE(f.min, -50.0);
        QCOMPARE(f.max, 99.0);
    }

    void rates_data()
    {
        QTest::addColumn<int>("perSecond");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("askedAfter");
        QTest::addColumn<double>("rate");
        QTest::newRow("steady 25/s") << 25 << 20 << 0 << 25.0;
        QTest::newRow("steady 2/s") << 2 << 30 << 0 << 2.0;
        QTest::newRow("half a second of 10/s counts as one second") << 20 << 0 << 0 << 10.0;
        QTest::newRow("3 s of 10/s") << 10 << 3 << 0 << 10.0;
        QTest::newRow("quiet for 5 s") << 10 << 20 << 5000 << 5.0;
        QTest::newRow("quiet for 11 s") << 10 << 20 << 11000 << 0.0;
    }

    void rates()
    {
        QFETCH(int, perSecond);
        QFETCH(int, seconds);
        QFETCH(int, askedAfter);
        QFETCH(double, rate);
        FieldStore store;
        const qint64 start = 1'700'000'000'000;
        const int lines = seconds > 0 ? perSecond * seconds : 10;
        const qint64 step = 1000 / perSecond;
        qint64 time = start;
        for (int i = 0; i < lines; ++i) {
            time = start + i * step;
            store.addLine(time, "v:1");
        }
        const double measured = store.rate(0, time + step + askedAfter);
        QVERIFY2(qAbs(measured - rate) <= qMax(0.05 * rate, 0.11),
                 qPrintable(QString::number(measured)));
    }

    // The first numeric fields are plotted, counters and time stamps passed
    // over, each plotted field in a colour of its own.
    void plottedFromTheStart()
    {
        FieldStore store;
        const auto changes =
            store.addLine(1, R"({"event":"report","seq":17,"temperature":23.4,"humidity":41,)"
                             R"("light":{"lux":312,"ir":12},"wifi":{"rssi":-61},"uptime":5})");
        QVERIFY(changes.plotted);
        QStringList plotted;
        QList<int> colours;
        for (const int i : store.plottedFields()) {
            plotted << store.field(i).name;
            colours << store.field(i).colour;
        }
        QCOMPARE(plotted, (QStringList{"temperature", "humidity", "light.lux", "light.ir"}));
        QCOMPARE(colours, (QList<int>{0, 1, 2, 3}));

        // Text cannot be plotted; a field let go gives its colour to the next.
        QVERIFY(!store.setPlotted(store.indexOf("event"), true));
        QVERIFY(store.setPlotted(store.indexOf("humidity"), false));
        QCOMPARE(store.field(store.indexOf("humidity")).colour, -1);
        QVERIFY(store.setPlotted(store.indexOf("wifi.rssi"), true));
        QCOMPARE(store.field(store.indexOf("wifi.rssi")).colour, 1);
        QVERIFY(!store.setPlotted(store.indexOf("wifi.rssi"), true));
        // The user's choice stands: no field is plotted unasked any more.
        store.addLine(2, R"({"more":1})");
        QVERIFY(!store.field(store.indexOf("more")).plotted);
    }

    void coloursRepeatBeyondThePalette()
    {
        FieldStore store;
        QByteArray line;
        for (int i = 0; i < 6; ++i) {
            line += "v" + QByteArray::number(i) + ":1 ";
        }
        store.addLine(1, line);
        for (int i = 0; i < 6; ++i) {
            store.setPlotted(i, true, 3);
        }
        QList<int> colours;
        for (int i = 0; i < 6; ++i) {
            colours << store.field(i).colour;
        }
        // Four were plotted unasked with 10 colours; then slots repeat evenly.
        QCOMPARE(colours.mid(4), (QList<int>{1, 2}));
    }

    void timesNeverGoBack()
    {
        FieldStore store;
        store.addLine(5000, "v:1");
        store.addLine(4000, "v:2"); // the clock was set back
        QCOMPARE(store.field(0).samples.timeAt(1), qint64(5000));
        QCOMPARE(store.lastTime(), qint64(5000));
    }

    void clear()
    {
        FieldStore store;
        store.addLine(1, R"({"a":1,"b":2})");
        store.clear();
        QCOMPARE(store.count(), 0);
        QCOMPARE(store.lineCounts().json, 0);
        QCOMPARE(store.indexOf("a"), -1);
        // Plotted from the start again, and the name cache forgotten.
        store.addLine(2, R"({"b":5})");
        QCOMPARE(names(store), QStringList{"b"});
        QVERIFY(store.field(0).plotted);
        QCOMPARE(store.latestText(0), QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TestFieldStore)
#include "tst_fieldstore.moc"
