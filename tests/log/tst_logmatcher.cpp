#include "log/logmatcher.h"

#include <QElapsedTimer>
#include <QTest>

using Mode = LogMatcher::Mode;
Q_DECLARE_METATYPE(LogMatcher::Mode)

namespace {

// "start+length" for each span, blank-separated, so that a table row reads
// as what the user would see highlighted.
QString describe(const QList<MatchSpan>& spans)
{
    QStringList parts;
    for (const MatchSpan& span : spans) {
        parts << QStringLiteral("%1+%2").arg(span.start).arg(span.length);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestLogMatcher : public QObject
{
    Q_OBJECT

private slots:
    void spans_data();
    void spans();
    void refusedPatterns_data();
    void refusedPatterns();
    void hexTokens_data();
    void hexTokens();
    void catastrophicExpressionGivesUp();
    void megabyteLine();
};

void TestLogMatcher::spans_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text ignores case") << "err" << Mode::Text << false << "ERR err Err"
                                       << "0+3 4+3 8+3";
    QTest::newRow("text with case") << "err" << Mode::Text << true << "ERR err Err"
                                    << "4+3";
    QTest::newRow("text does not overlap") << "aa" << Mode::Text << false << "aaaaa"
                                           << "0+2 2+2";
    QTest::newRow("text metacharacters are literal") << "a.c" << Mode::Text << false << "abc a.c"
                                                     << "4+3";
    QTest::newRow("text beyond Latin-1") << QStringLiteral("温度") << Mode::Text << false
                                         << QStringLiteral("温度=25 温度=26") << "0+2 6+2";
    QTest::newRow("text no match") << "xyz" << Mode::Text << false << "abc"
                                   << "";
    QTest::newRow("empty pattern finds nothing") << "" << Mode::Text << false << "abc"
                                                 << "";
    QTest::newRow("regex") << "t=\\d+" << Mode::Regex << false << "t=12 T=3 t=x"
                           << "0+4 5+3";
    QTest::newRow("regex with case") << "t=\\d+" << Mode::Regex << true << "t=12 T=3"
                                     << "0+4";
    QTest::newRow("regex alternation") << "ok|fail" << Mode::Regex << false << "OK then FAIL"
                                       << "0+2 8+4";
    // Patterns that may match empty text find only their non-empty matches,
    // and those that match only empty text find nothing (no endless loop,
    // no zero-width highlight).
    QTest::newRow("star finds the runs") << "x*" << Mode::Regex << false << "aaxxa xb"
                                         << "2+2 6+1";
    QTest::newRow("empty alternative") << "a|" << Mode::Regex << false << "ab a"
                                       << "0+1 3+1";
    QTest::newRow("anchor only") << "^" << Mode::Regex << false << "abc"
                                 << "";
    QTest::newRow("lookahead only") << "(?=b)" << Mode::Regex << false << "abcb"
                                    << "";
    QTest::newRow("word boundary only") << "\\b" << Mode::Regex << false << "a b"
                                        << "";
    QTest::newRow("empty regex") << "" << Mode::Regex << false << "abc"
                                 << "";
    // A limit in the user's own pattern is taken only if lower.
    QTest::newRow("own limit start item")
        << "(*LIMIT_MATCH=99999999)b+" << Mode::Regex << false << "abba"
        << "1+2";
    // A hex pattern matches bytes, never text.
    QTest::newRow("hex finds no text") << "41" << Mode::Hex << false << "41 A"
                                       << "";
}

void TestLogMatcher::spans()
{
    QFETCH(QString, pattern);
    QFETCH(Mode, mode);
    QFETCH(bool, matchCase);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const LogMatcher matcher(pattern, mode, matchCase);
    QVERIFY2(matcher.errorText().isEmpty(), qPrintable(matcher.errorText()));
    QCOMPARE(describe(matcher.spansIn(text)), expected);
    QCOMPARE(matcher.matches(text), !expected.isEmpty());
}

void TestLogMatcher::refusedPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("errorPart");

    QTest::newRow("unclosed group") << "a(b" << Mode::Regex << "(at character 4)";
    QTest::newRow("dangling quantifier") << "*a" << Mode::Regex << "(at character 1)";
    QTest::newRow("bad class") << "[z-a]" << Mode::Regex << "(at character";
    QTest::newRow("text too long")
        << QString(LogMatcher::MaxPatternLength + 1, QLatin1Char('a')) << Mode::Text << "1000";
    QTest::newRow("regex too long")
        << QString(LogMatcher::MaxPatternLength + 1, QLatin1Char('a')) << Mode::Regex << "1000";
    QTest::newRow("hex letter") << "0A zz" << Mode::Hex << "\"z\" at position 4";
    QTest::newRow("hex lone prefix") << "0x" << Mode::Hex << "\"x\" at position 2";
    QTest::newRow("hex control character") << "0A\u0001" << Mode::Hex << "U+0001";
}

void TestLogMatcher::refusedPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(Mode, mode);
    QFETCH(QString, errorPart);

    const LogMatcher matcher(pattern, mode, false);
    QVERIFY(!matcher.isActive());
    QVERIFY2(matcher.errorText().contains(errorPart), qPrintable(matcher.errorText()));
    // Nothing is searched with a refused pattern, also text it would match.
    QVERIFY(matcher.spansIn(pattern).isEmpty());
    QVERIFY(!matcher.matches(pattern));
}

void TestLogMatcher::hexTokens_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("pairs") << "0A 01 7F" << QByteArray("\x0a\x01\x7f", 3);
    QTest::newRow("separators and prefixes")
        << "0x0a,1;7f:-0X00" << QByteArray("\x0a\x01\x7f\x00", 4);
    QTest::newRow("odd token gets a leading zero") << "abc" << QByteArray("\x0a\xbc", 2);
    QTest::newRow("run of digits") << "0d0a" << QByteArray("\r\n", 2);
    QTest::newRow("lower and upper case") << "fF" << QByteArray("\xff", 1);
    QTest::newRow("only separators") << " ,; " << QByteArray();
}

void TestLogMatcher::hexTokens()
{
    QFETCH(QString, pattern);
    QFETCH(QByteArray, bytes);

    const LogMatcher matcher(pattern, Mode::Hex, false);
    QVERIFY(matcher.errorText().isEmpty());
    QCOMPARE(matcher.bytes(), bytes);
    QCOMPARE(matcher.isActive(), !bytes.isEmpty());
    const QByteArray haystack = "xy" + bytes + "z" + bytes;
    QCOMPARE(matcher.indexInBytes(haystack), bytes.isEmpty() ? -1 : 2);
    if (!bytes.isEmpty()) {
        QCOMPARE(matcher.indexInBytes(haystack, 3), 3 + bytes.size());
    }
}

void TestLogMatcher::catastrophicExpressionGivesUp()
{
    // Nested quantifiers against lines that almost match: without a bound
    // on backtracking each line takes PCRE2's default of ten million steps
    // (about a tenth of a second); with it, a fraction of a millisecond.
    const LogMatcher matcher(QStringLiteral("(a+)+$"), Mode::Regex, true);
    QVERIFY(matcher.isActive());
    const QString line = QString(300, QLatin1Char('a')) + QLatin1Char('b');
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 200; ++i) {
        QVERIFY(matcher.spansIn(line).isEmpty());
    }
    // Generous for a sanitized build on a busy machine; unbounded takes
    // twenty seconds and more.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    // A line the expression really matches is still found.
    QCOMPARE(describe(matcher.spansIn(QStringLiteral("xaaa"))), QStringLiteral("1+3"));
}

void TestLogMatcher::megabyteLine()
{
    QString line(1 << 20, QLatin1Char('a'));
    line[line.size() - 1] = QLatin1Char('b');
    for (Mode mode : {Mode::Text, Mode::Regex}) {
        const LogMatcher one(QStringLiteral("b"), mode, true);
        QCOMPARE(describe(one.spansIn(line)), QStringLiteral("%1+1").arg(line.size() - 1));
        // Every character matches: the line yields the most a line shows.
        const LogMatcher every(QStringLiteral("a"), mode, true);
        const QList<MatchSpan> spans = every.spansIn(line);
        QCOMPARE(spans.size(), LogMatcher::MaxSpansPerLine);
        QCOMPARE(spans.last().start, LogMatcher::MaxSpansPerLine - 1);
    }
}

QTEST_GUILESS_MAIN(TestLogMatcher)
#include "tst_logmatcher.moc"
