// Reading the fields of one line: the three line shapes, JSON paths, the
// values that are no numbers, broken and hostile input and the bounds.
#include "log/fieldextractor.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(FieldExtractor::Shape)

namespace {

// "path=N:23.4" (number), "B:1" (boolean), "T:text" (string as written),
// "X:NaN" (no number, as written), one per field in order.
QStringList describe(const FieldExtractor& extractor)
{
    QStringList out;
    for (const FieldExtractor::Field& f : extractor.fields()) {
        QString value;
        switch (f.kind) {
        case FieldExtractor::Kind::Number:
            value = QStringLiteral("N:") +
                    QString::number(f.value, 'g', QLocale::FloatingPointShortest);
            break;
        case FieldExtractor::Kind::Boolean:
            value = QStringLiteral("B:") + QString::number(f.value);
            break;
        case FieldExtractor::Kind::Text:
            value = QStringLiteral("T:") + QString::fromUtf8(f.raw, f.rawSize);
            break;
        case FieldExtractor::Kind::NoNumber:
            value = QStringLiteral("X:") + QString::fromUtf8(f.raw, f.rawSize);
            break;
        }
        out << QString::fromUtf8(extractor.path(f).toByteArray()) + QLatin1Char('=') + value;
    }
    return out;
}

// {"d":{"d":…{"v":1}…}} with @p depth objects.
QByteArray nested(int depth)
{
    QByteArray line;
    for (int i = 1; i < depth; ++i) {
        line += "{\"d\":";
    }
    line += "{\"v\":1}";
    line += QByteArray(depth - 1, '}');
    return line;
}

} // namespace

class TestFieldExtractor : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data()
    {
        using S = FieldExtractor::Shape;
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<S>("shape");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("sensor report")
            << QByteArray(R"({"event":"report","seq":17,"temperature":23.4,"humidity":41,)"
                          R"("light":{"lux":312,"ir":12},"wifi":{"rssi":-61}})")
            << S::Json << QStringList{"event=T:report", "seq=N:17",        "temperature=N:23.4",
                                      "humidity=N:41",  "light.lux=N:312", "light.ir=N:12",
                                      "wifi.rssi=N:-61"};
        QTest::newRow("array items")
            << QByteArray(R"({"accel":[0.01,-0.02,0.98]})") << S::Json
            << QStringList{"accel[0]=N:0.01", "accel[1]=N:-0.02", "accel[2]=N:0.98"};
        QTest::newRow("objects in arrays")
            << QByteArray(R"({"cells":[{"v":3.7},{"v":3.6,"ok":true}]})") << S::Json
            << QStringList{"cells[0].v=N:3.7", "cells[1].v=N:3.6", "cells[1].ok=B:1"};
        QTest::newRow("arrays in arrays")
            << QByteArray(R"({"m":[[1,2],[3]],"n":0})") << S::Json
            << QStringList{"m[0][0]=N:1", "m[0][1]=N:2", "m[1][0]=N:3", "n=N:0"};
        QTest::newRow("empty object and array hold no field")
            << QByteArray(R"({"a":{},"b":[],"c":false})") << S::Json << QStringList{"c=B:0"};
        QTest::newRow("keys keep their order") << QByteArray(R"({"z":1,"a":2,"m":3})") << S::Json
                                               << QStringList{"z=N:1", "a=N:2", "m=N:3"};
        QTest::newRow("escaped keys")
            << QByteArray("{\"t\\u00e9mp\":1,\"a\\\"b\":2,\"\\ud83d\\ude00\":3}") << S::Json
            << QStringList{"t\u00e9mp=N:1", "a\"b=N:2", QString::fromUtf8("\xF0\x9F\x98\x80=N:3")};
        QTest::newRow("a lone surrogate becomes U+FFFD")
            << QByteArray(R"({"a\ud800b":1})") << S::Json << QStringList{"a\ufffdb=N:1"};
        QTest::newRow("string kept as written")
            << QByteArray("{\"s\":\"a\\\"b\"}") << S::Json << QStringList{"s=T:a\\\"b"};
        QTest::newRow("white space, carriage return")
            << QByteArray(" \t{ \"a\" : 1 , \"b\":\n2 }\r") << S::Json
            << QStringList{"a=N:1", "b=N:2"};
        QTest::newRow("colour sequences around the line")
            << QByteArray("\x1b[36m{\"a\":1}\x1b[0m") << S::Json << QStringList{"a=N:1"};
        QTest::newRow("null, NaN and infinities are no numbers")
            << QByteArray(R"({"a":null,"b":NaN,"c":Infinity,"d":-Infinity,"e":1})") << S::Json
            << QStringList{"a=X:null", "b=X:NaN", "c=X:Infinity", "d=X:-Infinity", "e=N:1"};
        QTest::newRow("NaN written as text is text")
            << QByteArray(R"({"a":"NaN","b":"Infinity"})") << S::Json
            << QStringList{"a=T:NaN", "b=T:Infinity"};
        QTest::newRow("beyond the range of a double")
            << QByteArray(R"({"a":1e999,"b":-1E+400,"c":1.7976931348623157e308})") << S::Json
            << QStringList{"a=X:1e999", "b=X:-1E+400", "c=N:1.7976931348623157e+308"};
        QTest::newRow("too small to tell from zero")
            << QByteArray(R"({"a":1e-400,"b":-0.0000e-999,"c":-2e-999})") << S::Json
            << QStringList{"a=N:0", "b=N:0", "c=N:0"};
        QTest::newRow("long integer") << QByteArray(R"({"a":123456789012345678901234567890})")
                                      << S::Json << QStringList{"a=N:1.2345678901234568e+29"};
        QTest::newRow("duplicate keys both read")
            << QByteArray(R"({"a":1,"a":2})") << S::Json << QStringList{"a=N:1", "a=N:2"};
        QTest::newRow("invalid UTF-8 kept as bytes")
            << QByteArray("{\"t\xff\":\"v\xfe\"}") << S::Json
            << QStringList{QString::fromUtf8("t\xff") + "=T:" + QString::fromUtf8("v\xfe")};

        QTest::newRow("label:value pairs") << QByteArray("temp:23.4 hum=41,light:312") << S::Pairs
                                           << QStringList{"temp=N:23.4", "hum=N:41", "light=N:312"};
        QTest::newRow("blank after the colon")
            << QByteArray("Temperature: 23.4, Humidity: 41") << S::Pairs
            << QStringList{"Temperature=N:23.4", "Humidity=N:41"};
        QTest::newRow("tabs and runs of separators") << QByteArray("a:1\t\tb:-2,, c=+3") << S::Pairs
                                                     << QStringList{"a=N:1", "b=N:-2", "c=N:3"};
        QTest::newRow("plotter words for no number")
            << QByteArray("a:nan b:-inf c:ovf d:1e999") << S::Pairs
            << QStringList{"a=X:nan", "b=X:-inf", "c=X:ovf", "d=X:1e999"};
        QTest::newRow("bare numbers") << QByteArray("23.4 41 312") << S::Numbers
                                      << QStringList{"1=N:23.4", "2=N:41", "3=N:312"};
        QTest::newRow("bare numbers, loose forms")
            << QByteArray("-1.5e3\t+2,.5,5.\r") << S::Numbers
            << QStringList{"1=N:-1500", "2=N:2", "3=N:0.5", "4=N:5"};
        QTest::newRow("one number") << QByteArray("42") << S::Numbers << QStringList{"1=N:42"};

        QTest::newRow("text") << QByteArray("hello world") << S::Other << QStringList{};
        QTest::newRow("OK") << QByteArray("OK") << S::Other << QStringList{};
        QTest::newRow("time of day") << QByteArray("12:03:44 boot") << S::Other << QStringList{};
        QTest::newRow("pairs mixed with numbers")
            << QByteArray("temp:1 2") << S::Other << QStringList{};
        QTest::newRow("value with a unit") << QByteArray("temp:23.4C") << S::Other << QStringList{};
        QTest::newRow("label without value") << QByteArray("temp:") << S::Other << QStringList{};
        QTest::newRow("value without label") << QByteArray(":5") << S::Other << QStringList{};
        QTest::newRow("AT reply") << QByteArray("+READ:T=23.4,H=41") << S::Other << QStringList{};
        QTest::newRow("numbered flood line")
            << QByteArray("00000001 ABCDEFGHIJ") << S::Other << QStringList{};
        QTest::newRow("hexadecimal") << QByteArray("0x1F") << S::Other << QStringList{};
        QTest::newRow("a plotter word alone")
            << QByteArray("inf") << S::Numbers << QStringList{"1=X:inf"};
        QTest::newRow("empty") << QByteArray() << S::Other << QStringList{};
        QTest::newRow("blanks") << QByteArray(" \t\r") << S::Other << QStringList{};
        QTest::newRow("JSON array") << QByteArray("[1,2]") << S::Other << QStringList{};
        QTest::newRow("JSON string") << QByteArray("\"a\"") << S::Other << QStringList{};
        QTest::newRow("binary noise")
            << QByteArray("\xff\xfe\x00\x01", 4) << S::Other << QStringList{};

        QTest::newRow("cut short")
            << QByteArray(R"({"a":1,"b":2)") << S::BrokenJson << QStringList{};
        QTest::newRow("value missing") << QByteArray(R"({"a":})") << S::BrokenJson << QStringList{};
        QTest::newRow("trailing comma")
            << QByteArray(R"({"a":1,})") << S::BrokenJson << QStringList{};
        QTest::newRow("key without quotes")
            << QByteArray(R"({a:1})") << S::BrokenJson << QStringList{};
        QTest::newRow("leading zero")
            << QByteArray(R"({"a":01})") << S::BrokenJson << QStringList{};
        QTest::newRow("text after the object")
            << QByteArray(R"({"a":1} x)") << S::BrokenJson << QStringList{};
        QTest::newRow("two objects")
            << QByteArray(R"({"a":1}{"b":2})") << S::BrokenJson << QStringList{};
        QTest::newRow("unknown escape")
            << QByteArray(R"({"a":"\q"})") << S::BrokenJson << QStringList{};
        QTest::newRow("control character in a string")
            << QByteArray("{\"a\":\"x\ty\"}") << S::BrokenJson << QStringList{};
        QTest::newRow("nul byte") << QByteArray("{\"a\":1\0}", 8) << S::BrokenJson << QStringList{};
        QTest::newRow("nan in lower case")
            << QByteArray(R"({"a":nan})") << S::BrokenJson << QStringList{};
        QTest::newRow("plus sign") << QByteArray(R"({"a":+1})") << S::BrokenJson << QStringList{};

        QTest::newRow("16 levels")
            << nested(16) << S::Json << QStringList{"d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.v=N:1"};
        QTest::newRow("17 levels") << nested(17) << S::TooDeep << QStringList{};
        QTest::newRow("deeper still, arrays")
            << QByteArray("{\"a\":") + QByteArray(60000, '[') << S::TooDeep << QStringList{};
    }

    void shapes()
    {
        QFETCH(QByteArray, line);
        QFETCH(FieldExtractor::Shape, shape);
        QFETCH(QStringList, fields);
        FieldExtractor extractor;
        QCOMPARE(extractor.extract(line), shape);
        QCOMPARE(describe(extractor), fields);
    }

    // The longest line read is 64 KiB; one byte more is refused whole.
    void lineLength()
    {
        QByteArray line = "{\"a\":\"";
        line += QByteArray(FieldExtractor::MaxLineBytes - line.size() - 2, 'x');
        line += "\"}";
        QCOMPARE(line.size(), FieldExtractor::MaxLineBytes);
        FieldExtractor extractor;
        QCOMPARE(extractor.extract(line), FieldExtractor::Shape::Json);
        QCOMPARE(int(extractor.fields().size()), 1);
        line.insert(6, 'x');
        QCOMPARE(extractor.extract(line), FieldExtractor::Shape::TooLong);
        QVERIFY(extractor.fields().empty());
    }

    // A line that turns out broken leaves no field of its first part behind.
    void brokenLineKeepsNothing()
    {
        FieldExtractor extractor;
        QCOMPARE(extractor.extract(R"({"a":1})"), FieldExtractor::Shape::Json);
        QCOMPARE(extractor.extract(R"({"b":2,"c":)"), FieldExtractor::Shape::BrokenJson);
        QVERIFY(extractor.fields().empty());
        QCOMPARE(extractor.extract("x:1 y:2 oops"), FieldExtractor::Shape::Other);
        QVERIFY(extractor.fields().empty());
    }

    // Random bytes never crash the reader and never give a field that
    // points outside the line.
    void randomBytes()
    {
        FieldExtractor extractor;
        QRandomGenerator random(25);
        for (int round = 0; round < 2000; ++round) {
            QByteArray line(int(random.bounded(200)), '\0');
            for (char& c : line) {
                c = "{}[]:,\"\\0123456789.eE+-tfnulNIa x\t"[random.bounded(33)];
            }
            if (round % 3 == 0) {
                line.prepend('{');
            }
            extractor.extract(line);
            for (const FieldExtractor::Field& f : extractor.fields()) {
                QVERIFY(f.raw >= line.constData());
                QVERIFY(f.raw + f.rawSize <= line.constData() + line.size());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFieldExtractor)
#include "tst_fieldextractor.moc"
