// One logged line shown as JSON: the indented form of a valid line and,
// for anything else, where and why it stops being JSON.
#include "log/jsontext.h"

#include <QJsonDocument>
#include <QTest>

class TestJsonText : public QObject
{
    Q_OBJECT

private slots:
    void valid_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");

        QTest::newRow("flat, order and number text kept")
            << QByteArray("{\"z\":23.40,\"a\":1e3,\"s\":\"x\\\"y\"}")
            << QStringLiteral("{\n  \"z\": 23.40,\n  \"a\": 1e3,\n  \"s\": \"x\\\"y\"\n}");
        QTest::newRow("nested")
            << QByteArray(R"( {"light":{"lux":312},"accel":[1,[2]],"ok":true,"n":null} )")
            << QStringLiteral("{\n  \"light\": {\n    \"lux\": 312\n  },\n  \"accel\": [\n"
                              "    1,\n    [\n      2\n    ]\n  ],\n  \"ok\": true,\n"
                              "  \"n\": null\n}");
        QTest::newRow("empty containers") << QByteArray(R"({"a":{},"b":[]})")
                                          << QStringLiteral("{\n  \"a\": {},\n  \"b\": []\n}");
        QTest::newRow("a bare value") << QByteArray("42") << QStringLiteral("42");
        QTest::newRow("UTF-8 text")
            << QByteArray("[\"\xc3\xa9\"]") << QStringLiteral("[\n  \"\u00e9\"\n]");
    }

    void valid()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        const JsonLineReport report = JsonText::describe(line);
        QVERIFY(report.valid);
        QCOMPARE(report.text, text);
        QVERIFY(report.problem.isEmpty());
        QCOMPARE(report.errorPosition, -1);
        // What is shown reads back as the same document.
        QCOMPARE(QJsonDocument::fromJson(report.text.toUtf8()), QJsonDocument::fromJson(line));
    }

    void invalid_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("reason");

        QTest::newRow("cut short")
            << QByteArray(R"({"a":1,"b":)") << 11 << QStringLiteral("the line ends before");
        QTest::newRow("missing value")
            << QByteArray(R"({"a":})") << 5 << QStringLiteral("a value was expected");
        QTest::newRow("key without quotes")
            << QByteArray(R"({a:1})") << 1 << QStringLiteral("a key in double quotes");
        QTest::newRow("no colon") << QByteArray(R"({"a" 1})") << 5 << QStringLiteral("\":\"");
        QTest::newRow("object not closed")
            << QByteArray(R"({"a":1 "b":2})") << 7 << QStringLiteral("\"}\"");
        QTest::newRow("array not closed") << QByteArray(R"([1 2])") << 3 << QStringLiteral("\"]\"");
        QTest::newRow("bad number")
            << QByteArray(R"({"a":1.})") << 7 << QStringLiteral("number is malformed");
        QTest::newRow("unknown escape")
            << QByteArray(R"(["a\x"])") << 3 << QStringLiteral("escape sequence");
        QTest::newRow("control character")
            << QByteArray("[\"a\tb\"]") << 3 << QStringLiteral("control character");
        QTest::newRow("not UTF-8")
            << QByteArray("[\"ab\xff\"]") << 4 << QStringLiteral("not UTF-8");
        QTest::newRow("overlong UTF-8")
            << QByteArray("[\"\xc0\xaf\"]") << 2 << QStringLiteral("not UTF-8");
        QTest::newRow("NaN is no JSON")
            << QByteArray(R"({"a":NaN})") << 5 << QStringLiteral("a value was expected");
        QTest::newRow("text after the value")
            << QByteArray(R"({"a":1} OK)") << 8 << QStringLiteral("more text follows");
        QTest::newRow("plain text")
            << QByteArray("OK") << 0 << QStringLiteral("a value was expected");
        QTest::newRow("position counts characters, not bytes")
            << QByteArray("[\"\xc3\xa9\xc3\xa9\" x]") << 6 << QStringLiteral("\"]\"");
        QTest::newRow("nested too deep") << QByteArray(300, '[') + QByteArray(300, ']')
                                         << JsonText::MaxDepth << QStringLiteral("deeper than");
    }

    void invalid()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, position);
        QFETCH(QString, reason);
        const JsonLineReport report = JsonText::describe(line);
        QVERIFY(!report.valid);
        QCOMPARE(report.errorPosition, position);
        QCOMPARE(report.text, QString::fromUtf8(line));
        QVERIFY2(report.problem.contains(reason), qPrintable(report.problem));
        QVERIFY2(report.problem.contains(QStringLiteral("character %1").arg(position + 1)),
                 qPrintable(report.problem));
    }

    void emptyLine()
    {
        const JsonLineReport report = JsonText::describe("  ");
        QVERIFY(!report.valid);
        QCOMPARE(report.errorPosition, 0);
        QVERIFY(report.problem.contains(QStringLiteral("empty")));
    }

    void tooLong()
    {
        const QByteArray line = "[\"" + QByteArray(JsonText::MaxBytes, 'x') + "\"]";
        const JsonLineReport report = JsonText::describe(line);
        QVERIFY(!report.valid);
        QCOMPARE(report.text.size(), JsonText::MaxBytes);
        QVERIFY(report.problem.contains(QString::number(line.size())));
    }
};

QTEST_GUILESS_MAIN(TestJsonText)
#include "tst_jsontext.moc"
