// What a batch step's reply must contain, checked as the received stream
// grows: matches split across reads and lines, hex with "??", the bound on
// what a regular expression sees and on its work, and the patterns refused.
#include "library/replypattern.h"

#include <QElapsedTimer>
#include <QtTest>

using Expect = BatchStep::Expect;
Q_DECLARE_METATYPE(BatchStep::Expect)

class TestReplyPattern : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheStream_data();
    void matchesTheStream();
    void refusesWhatCannotBeChecked_data();
    void refusesWhatCannotBeChecked();
    void describesItself_data();
    void describesItself();
    void regexSeesABoundedWindow();
    void backtrackingIsBounded();
};

void TestReplyPattern::matchesTheStream_data()
{
    QTest::addColumn<Expect>("expect");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QList<QByteArray>>("arrivals");
    // The arrival that completes the first match; -1 for none.
    QTest::addColumn<int>("matchedAt");

    using L = QList<QByteArray>;
    QTest::newRow("text in one piece") << Expect::Text << "OK" << L{"+OK\r\n"} << 0;
    QTest::newRow("text split across reads") << Expect::Text << "PONG" << L{"PO", "N", "G\n"} << 2;
    QTest::newRow("text case matters") << Expect::Text << "OK" << L{"ok\r\n", "Ok"} << -1;
    QTest::newRow("text spanning a line end")
        << Expect::Text << "A\r\nB" << L{"A\r\n", "B\r\n"} << 1;
    QTest::newRow("text in UTF-8 split inside a character")
        << Expect::Text << "温度" << L{"\xe6\xb8", "\xa9\xe5\xba\xa6"} << 1;
    QTest::newRow("text arrives later") << Expect::Text << "READY" << L{"BOOT\n", "READY\n"} << 1;
    QTest::newRow("regex across lines")
        << Expect::Regex << "OK\\r\\nT=\\d+" << L{"OK\r\n", "T=", "21\r\n"} << 2;
    QTest::newRow("regex case matters") << Expect::Regex << "ok" << L{"OK\n"} << -1;
    QTest::newRow("regex that fits no part") << Expect::Regex << "^ERR" << L{"OK\n", "ERR\n"} << -1;
    QTest::newRow("hex exact") << Expect::Hex << "0D 0A" << L{QByteArray("ab\r\n")} << 0;
    QTest::newRow("hex with wildcards, line feeds inside")
        << Expect::Hex << "01 03 08 ?? ?? ?? ?? ?? ?? ?? ?? B5 CF"
        << L{QByteArray::fromHex("010308000a"), QByteArray::fromHex("000b0d0a"),
             QByteArray::fromHex("1234b5cf")}
        << 2;
    QTest::newRow("hex wildcard needs its byte")
        << Expect::Hex << "01 ??" << L{QByteArray::fromHex("01"), QByteArray::fromHex("ff")} << 1;
    QTest::newRow("hex wrong byte")
        << Expect::Hex << "01 ?? 03" << L{QByteArray::fromHex("01ff040203")} << -1;
    QTest::newRow("hex tokens as the send box reads them")
        << Expect::Hex << "0x1,2-??:0304" << L{QByteArray::fromHex("000102ee0304")} << 0;
    QTest::newRow("hex odd token with wildcards")
        << Expect::Hex << "1??" << L{QByteArray::fromHex("017f")} << 0;
    QTest::newRow("hex only wildcards takes any bytes")
        << Expect::Hex << "?? ??" << L{QByteArray::fromHex("00"), QByteArray::fromHex("00")} << 1;
}

void TestReplyPattern::matchesTheStream()
{
    QFETCH(Expect, expect);
    QFETCH(QString, pattern);
    QFETCH(QList<QByteArray>, arrivals);
    QFETCH(int, matchedAt);

    ReplyPattern reply(expect, pattern);
    QVERIFY2(reply.isValid(), qPrintable(reply.errorText()));
    int first = -1;
    for (int i = 0; i < arrivals.size(); ++i) {
        if (reply.feed(arrivals.at(i)) && first < 0) {
            first = i;
        }
    }
    QCOMPARE(first, matchedAt);
}

void TestReplyPattern::refusesWhatCannotBeChecked_data()
{
    QTest::addColumn<Expect>("expect");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("error");

    const QString empty = QStringLiteral("Enter what the reply must contain.");
    QTest::newRow("empty text") << Expect::Text << "" << empty;
    QTest::newRow("empty regex") << Expect::Regex << "" << empty;
    QTest::newRow("hex of separators only") << Expect::Hex << " ,; " << empty;
    QTest::newRow("invalid regex")
        << Expect::Regex << "T=(\\d+"
        << "Invalid regular expression: missing closing parenthesis (at character 7)";
    QTest::newRow("not a hex digit")
        << Expect::Hex << "01 0G"
        << "\"G\" at position 5 is neither a hex digit nor part of \"??\".";
    QTest::newRow("lone question mark")
        << Expect::Hex << "01 ?"
        << "\"?\" at position 4 is neither a hex digit nor part of \"??\".";
    QTest::newRow("half a byte as wildcard")
        << Expect::Hex << "0?"
        << "\"?\" at position 2 is neither a hex digit nor part of \"??\".";
    QTest::newRow("wildcard across two bytes")
        << Expect::Hex << "1??2"
        << "\"?\" at position 2 is neither a hex digit nor part of \"??\".";
    QTest::newRow("odd token starting with a wildcard")
        << Expect::Hex << "??1"
        << "\"?\" at position 1 is neither a hex digit nor part of \"??\".";
    QTest::newRow("text too long") << Expect::Text << QString(1001, QLatin1Char('a'))
                                   << "The pattern is longer than 1000 characters.";
    QTest::newRow("hex too long") << Expect::Hex << QString(1001, QLatin1Char('0'))
                                  << "The pattern is longer than 1000 characters.";
}

void TestReplyPattern::refusesWhatCannotBeChecked()
{
    QFETCH(Expect, expect);
    QFETCH(QString, pattern);
    QFETCH(QString, error);
    ReplyPattern reply(expect, pattern);
    QVERIFY(!reply.isValid());
    QCOMPARE(reply.errorText(), error);
    // A refused pattern matches nothing, whatever comes.
    QVERIFY(!reply.feed(QByteArray(64, '0') + pattern.toUtf8()));
}

void TestReplyPattern::describesItself_data()
{
    QTest::addColumn<Expect>("expect");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("description");
    QTest::newRow("text") << Expect::Text << "OK %2"
                          << "text \"OK %2\"";
    QTest::newRow("regex") << Expect::Regex << "T=\\d+"
                           << "regular expression \"T=\\d+\"";
    QTest::newRow("hex as pairs") << Expect::Hex << "0x1 a ??0b, 0d0a"
                                  << "hex bytes 01 0A ?? 0B 0D 0A";
}

void TestReplyPattern::describesItself()
{
    QFETCH(Expect, expect);
    QFETCH(QString, pattern);
    QFETCH(QString, description);
    QCOMPARE(ReplyPattern(expect, pattern).description(), description);
}

// The expression sees the last Window bytes: older ones are let go, so a
// device that talks without end costs bounded memory and time.
void TestReplyPattern::regexSeesABoundedWindow()
{
    ReplyPattern near(Expect::Regex, QStringLiteral("(?s)BEGIN.*END"));
    QVERIFY(!near.feed("BEGIN"));
    QVERIFY(!near.feed(QByteArray(ReplyPattern::Window - 10, 'x')));
    QVERIFY(near.feed("END"));

    ReplyPattern far(Expect::Regex, QStringLiteral("(?s)BEGIN.*END"));
    QVERIFY(!far.feed("BEGIN"));
    QVERIFY(!far.feed(QByteArray(ReplyPattern::Window, 'x')));
    QVERIFY(!far.feed("END"));

    // Text and hex find a match wherever it starts, however long the wait.
    ReplyPattern text(Expect::Text, QStringLiteral("BEGIN"));
    QVERIFY(!text.feed("BEG"));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!text.feed(QByteArray(ReplyPattern::Window, 'x')));
    }
    QVERIFY(!text.feed("BEG"));
    QVERIFY(text.feed("IN"));
}

// An expression that backtracks without end gives up instead of freezing
// the window; each arrival costs bounded work.
void TestReplyPattern::backtrackingIsBounded()
{
    ReplyPattern reply(Expect::Regex, QStringLiteral("(a+)+$"));
    QVERIFY(reply.isValid());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 50; ++i) {
        QVERIFY(!reply.feed(QByteArray(200, 'a') + '!'));
    }
    // Generous: unbounded backtracking over 8 KiB would take far longer than this.
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(TestReplyPattern)
#include "tst_replypattern.moc"
