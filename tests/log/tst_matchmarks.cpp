// The boxes painted behind a row's matches: cut to the part of the line the
// row shows, placed under the glyphs they mark (also on wrapped lines), the
// current match in its own colour and told to the row.
#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logsearch.h"
#include "log/matchmarks.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kMatch(Qt::yellow);
const QColor kCurrent(Qt::red);

using Painted = QMap<int, QColor>;

struct Fixture
{
    Fixture()
    {
        lines.setShowTimestamp(false);
        marks.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        marks.setMatchColor(kMatch);
        marks.setCurrentColor(kCurrent);
        marks.setSearch(&search);
    }

    // Shows @p line from @p offset on, as a row of the monitor would.
    void show(double line, int offset = 0)
    {
        marks.setLineNumber(line);
        marks.setOffset(offset);
        const qint64 row = qint64(line);
        marks.setText(row < lines.rowCount() ? lines.lineTextAt(int(row)).mid(offset)
                                             : QStringLiteral("x"));
    }

    Painted painted()
    {
        Painted out;
        for (const MatchMarks::Mark& mark : marks.marks()) {
            out.insert(int(mark.column), mark.color);
        }
        return out;
    }

    LogManager log;
    LogListModel lines{&log};
    LogSearch search{&lines, &log};
    MatchMarks marks;
};

} // namespace

class TestMatchMarks : public QObject
{
    Q_OBJECT

private slots:
    void paintsTheRowsPart_data();
    void paintsTheRowsPart();
    void boxesSitUnderTheirText_data();
    void boxesSitUnderTheirText();
    void wrappedMatchIsPaintedOnEachLine();
    void followsTheCurrentMatch();
    void changesAreToldOnce();
    void hexMatchRunsOnIntoANewLine();
};

void TestMatchMarks::paintsTheRowsPart_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<double>("line");
    QTest::addColumn<int>("offset");
    QTest::addColumn<Painted>("expected");
    // Line 0 "RX   abc abc" (matches at 5 and 9, the newest current), line
    // 1 "RX   none".
    QTest::newRow("whole line") << true << 0.0 << 0 << Painted{{5, kMatch}, {9, kCurrent}};
    QTest::newRow("part cuts a match") << true << 0.0 << 7 << Painted{{0, kMatch}, {2, kCurrent}};
    QTest::newRow("part after the matches") << true << 0.0 << 12 << Painted{};
    QTest::newRow("line without matches") << true << 1.0 << 0 << Painted{};
    QTest::newRow("line not held") << true << 9.0 << 0 << Painted{};
    QTest::newRow("inactive") << false << 0.0 << 0 << Painted{};
}

void TestMatchMarks::paintsTheRowsPart()
{
    QFETCH(bool, active);
    QFETCH(double, line);
    QFETCH(int, offset);
    QFETCH(Painted, expected);
    Fixture f;
    f.log.append(LogKind::RX, "abc abc");
    f.log.append(LogKind::RX, "none");
    f.search.setPattern(QStringLiteral("abc"));
    f.search.finish();
    f.marks.setActive(active);
    f.show(line, offset);
    QCOMPARE(f.painted(), expected);
}

// Each box spans its match's glyphs: from the width of the text before the
// match to the width of the text up to its end, one line high; whether the
// text is placed by columns (ASCII in a fixed-pitch font) or laid out.
void TestMatchMarks::boxesSitUnderTheirText_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("payload");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QString ascii = QStringLiteral("temp=21.5 hum=40 temp=22.0");
    const QString degrees = QStringLiteral("temp=21.5\u00b0C hum=40 \u00b5s temp=22.0");
    QTest::newRow("fixed pitch, ASCII") << fixed << ascii;
    QTest::newRow("fixed pitch, other characters") << fixed << degrees;
    QTest::newRow("proportional") << general << ascii;
    QTest::newRow("proportional, other characters") << general << degrees;
}

void TestMatchMarks::boxesSitUnderTheirText()
{
    QFETCH(QFont, font);
    QFETCH(QString, payload);
    Fixture f;
    f.marks.setFont(font);
    f.log.append(LogKind::RX, payload.toUtf8());
    f.search.setPattern(QStringLiteral("temp"));
    f.search.finish();
    f.marks.setActive(true);
    f.show(0);
    const QString text = f.lines.lineTextAt(0);
    QCOMPARE(text.count(QStringLiteral("temp")), 2);
    const QFontMetricsF metrics(font);
    const QList<MatchMarks::Mark> marks = f.marks.marks();
    QCOMPARE(marks.size(), 2);
    for (const MatchMarks::Mark& mark : marks) {
        const qreal left = metrics.horizontalAdvance(text.left(mark.column));
        const qreal right = metrics.horizontalAdvance(text.left(mark.column + 4));
        QVERIFY2(
            qAbs(mark.rect.left() - left) < 1.0,
            qPrintable(
                QStringLiteral("%1: %2, not %3").arg(mark.column).arg(mark.rect.left()).arg(left)));
        QVERIFY(qAbs(mark.rect.right() - right) < 1.0);
        QCOMPARE(mark.rect.top(), 0.0);
        QVERIFY(qAbs(mark.rect.height() - metrics.height()) < 2.0);
    }
}

void TestMatchMarks::wrappedMatchIsPaintedOnEachLine()
{
    Fixture f;
    // No blank in the match: the line breaks inside it.
    f.log.append(LogKind::RX, "0123456789abcdefghij");
    f.search.setPattern(QStringLiteral("89abcd"));
    f.search.finish();
    f.marks.setActive(true);
    f.show(0);
    const qsizetype start = f.lines.lineTextAt(0).indexOf(QStringLiteral("89"));
    const QFontMetricsF metrics(f.marks.font());
    QCOMPARE(f.marks.marks().size(), 1);

    // Ten digits wide: the line breaks after the tag's blanks, then
    // after "9", inside the match.
    f.marks.setWrap(true);
    f.marks.setWidth(metrics.horizontalAdvance(QStringLiteral("0123456789")) + 0.5);
    const QList<MatchMarks::Mark> marks = f.marks.marks();
    QCOMPARE(marks.size(), 2);
    QCOMPARE(marks.at(0).column, start);
    QCOMPARE(marks.at(1).column, start + 2);
    QVERIFY(marks.at(1).rect.top() >= marks.at(0).rect.bottom() - 0.5);
    QVERIFY(qAbs(marks.at(1).rect.left()) < 0.5);
    QVERIFY(marks.at(0).rect.right() > marks.at(1).rect.right());

    // Wide again: one box.
    f.marks.setWidth(1000);
    QCOMPARE(f.marks.marks().size(), 1);
}

void TestMatchMarks::followsTheCurrentMatch()
{
    Fixture f;
    f.log.append(LogKind::RX, "abc abc");
    f.log.append(LogKind::RX, "abc");
    f.search.setPattern(QStringLiteral("abc"));
    f.search.finish();
    f.marks.setActive(true);
    f.show(0);
    QCOMPARE(f.painted(), (Painted{{5, kMatch}, {9, kMatch}})); // the current is in line 1
    QVERIFY(!f.marks.hasCurrent());
    f.search.next(); // round to the first
    QCOMPARE(f.painted(), (Painted{{5, kCurrent}, {9, kMatch}}));
    QVERIFY(f.marks.hasCurrent());
    // The row showing only the line's end does not hold the current match.
    f.show(0, 8);
    QVERIFY(!f.marks.hasCurrent());
    QCOMPARE(f.painted(), (Painted{{1, kMatch}}));
    f.show(0, 0);
    f.search.next();
    QCOMPARE(f.painted(), (Painted{{5, kMatch}, {9, kCurrent}}));
    // A new pattern: the marks follow once its pass is done.
    f.search.setPattern(QStringLiteral("c a"));
    f.search.finish();
    QCOMPARE(f.painted(), (Painted{{7, kCurrent}}));
    f.search.setPattern(QString());
    QCOMPARE(f.painted(), Painted());
    QVERIFY(!f.marks.hasMatches());
    QVERIFY(!f.marks.hasCurrent());
}

void TestMatchMarks::changesAreToldOnce()
{
    Fixture f;
    f.log.append(LogKind::RX, "abc");
    f.log.append(LogKind::RX, "xyz");
    f.search.setPattern(QStringLiteral("abc"));
    f.search.finish();
    QSignalSpy matches(&f.marks, &MatchMarks::hasMatchesChanged);
    QSignalSpy current(&f.marks, &MatchMarks::hasCurrentChanged);
    QSignalSpy colours(&f.marks, &MatchMarks::colorsChanged);
    QSignalSpy texts(&f.marks, &MatchMarks::textChanged);
    f.show(0);
    QVERIFY(!f.marks.hasMatches()); // not active
    f.marks.setActive(true);
    QVERIFY(f.marks.hasMatches());
    QVERIFY(f.marks.hasCurrent());
    QCOMPARE(matches.size(), 1);
    QCOMPARE(current.size(), 1);
    QCOMPARE(texts.size(), 1);

    // The same values again: nothing is told.
    f.marks.setActive(true);
    f.show(0);
    f.marks.setMatchColor(kMatch);
    f.marks.setCurrentColor(kCurrent);
    f.search.next(); // the only match stays current
    QCOMPARE(matches.size(), 1);
    QCOMPARE(current.size(), 1);
    QCOMPARE(colours.size(), 0);
    QCOMPARE(texts.size(), 1);

    f.show(1);
    QVERIFY(!f.marks.hasMatches());
    QCOMPARE(matches.size(), 2);
    QCOMPARE(current.size(), 2);
    QVERIFY(f.marks.marks().isEmpty());
}

// Bytes typed as hex match across the line ends the hex view shows: a match
// that begins in a row is painted there once the line that completes it
// arrives, without a new search.
void TestMatchMarks::hexMatchRunsOnIntoANewLine()
{
    Fixture f;
    f.lines.setHexMode(true);
    f.log.append(LogKind::RX, QByteArray("\x01\x02"));
    f.search.setPattern(QStringLiteral("02 03"));
    f.search.finish();
    f.marks.setActive(true);
    f.show(0);
    QCOMPARE(f.painted(), Painted());
    f.log.append(LogKind::RX, QByteArray("\x03"));
    QTRY_COMPARE(f.search.matchCount(), 1);
    QCOMPARE(f.painted().size(), 1);
    QCOMPARE(f.painted().firstKey(), f.lines.lineTextAt(0).indexOf(QStringLiteral("02")));
}

QTEST_MAIN(TestMatchMarks)
#include "tst_matchmarks.moc"
