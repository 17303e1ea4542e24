// The matches painted behind a row's text: cut to the part of the line the
// row shows, the current one in its own colour, following the search.
#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logsearch.h"
#include "log/matchhighlighter.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

const QColor kMatch(Qt::yellow);
const QColor kCurrent(Qt::red);

struct Fixture
{
    Fixture()
    {
        lines.setShowTimestamp(false);
        // A document tells its changes (which the highlighter formats) only
        // once it has a layout, as the one of a text item always has.
        document.documentLayout();
        highlighter.setDocument(&document);
        highlighter.setMatchColor(kMatch);
        highlighter.setCurrentColor(kCurrent);
        highlighter.setSearch(&search);
        // A highlighter given a document formats it anew on the next turn of
        // the event loop and ignores the changes until then.
        QCoreApplication::processEvents();
    }

    // Columns of the text where a painted stretch begins, with its colour.
    QMap<int, QColor> painted() const
    {
        QMap<int, QColor> out;
        for (const auto& range : document.firstBlock().layout()->formats()) {
            out.insert(range.start, range.format.background().color());
        }
        return out;
    }

    LogManager log;
    LogListModel lines{&log};
    LogSearch search{&lines, &log};
    QTextDocument document;
    MatchHighlighter highlighter;
};

using Painted = QMap<int, QColor>;

} // namespace

class TestMatchHighlighter : public QObject
{
    Q_OBJECT

private slots:
    void paintsTheRowsPart_data();
    void paintsTheRowsPart();
    void followsTheCurrentMatch();
    void settersTellChangesOnly();
    void hexMatchRunsOnIntoANewLine();
};

void TestMatchHighlighter::paintsTheRowsPart_data()
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

void TestMatchHighlighter::paintsTheRowsPart()
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
    f.highlighter.setActive(active);
    f.highlighter.setLineNumber(line);
    f.highlighter.setOffset(offset);
    const qint64 row = qint64(line);
    f.document.setPlainText(row <= 1 ? f.lines.lineTextAt(int(row)).mid(offset)
                                     : QStringLiteral("x"));
    QCOMPARE(f.painted(), expected);
}

void TestMatchHighlighter::followsTheCurrentMatch()
{
    Fixture f;
    f.log.append(LogKind::RX, "abc abc");
    f.log.append(LogKind::RX, "abc");
    f.search.setPattern(QStringLiteral("abc"));
    f.search.finish();
    f.highlighter.setActive(true);
    f.highlighter.setLineNumber(0);
    f.document.setPlainText(f.lines.lineTextAt(0));
    QCOMPARE(f.painted(), (Painted{{5, kMatch}, {9, kMatch}})); // the current is in line 1
    f.search.next();                                            // round to the first
    QCOMPARE(f.painted(), (Painted{{5, kCurrent}, {9, kMatch}}));
    f.search.next();
    QCOMPARE(f.painted(), (Painted{{5, kMatch}, {9, kCurrent}}));
    // A new pattern: the marks follow once its pass is done.
    f.search.setPattern(QStringLiteral("c a"));
    f.search.finish();
    QCOMPARE(f.painted(), (Painted{{7, kCurrent}}));
    f.search.setPattern(QString());
    QCOMPARE(f.painted(), Painted());
}

void TestMatchHighlighter::settersTellChangesOnly()
{
    Fixture f;
    f.log.append(LogKind::RX, "abc");
    f.search.setPattern(QStringLiteral("abc"));
    f.search.finish();
    QSignalSpy active(&f.highlighter, &MatchHighlighter::activeChanged);
    QSignalSpy line(&f.highlighter, &MatchHighlighter::lineNumberChanged);
    QSignalSpy search(&f.highlighter, &MatchHighlighter::searchChanged);
    QSignalSpy colours(&f.highlighter, &MatchHighlighter::colorsChanged);
    for (int round = 0; round < 2; ++round) {
        f.highlighter.setActive(true);
        f.highlighter.setLineNumber(0);
        f.highlighter.setSearch(&f.search);
        f.highlighter.setMatchColor(kMatch);
        f.highlighter.setCurrentColor(kCurrent);
    }
    QCOMPARE(active.size(), 1);
    QCOMPARE(line.size(), 1);
    QCOMPARE(search.size(), 0); // the fixture set it
    QCOMPARE(colours.size(), 0);
    QVERIFY(f.highlighter.active());
    QCOMPARE(f.highlighter.lineNumber(), 0.0);
}

// Bytes typed as hex match across the line ends the hex view shows: a match
// that begins in a row is painted there once the line that completes it
// arrives, without a new search.
void TestMatchHighlighter::hexMatchRunsOnIntoANewLine()
{
    Fixture f;
    f.lines.setHexMode(true);
    f.log.append(LogKind::RX, QByteArray("\x01\x02"));
    f.search.setPattern(QStringLiteral("02 03"));
    f.search.finish();
    f.highlighter.setActive(true);
    f.highlighter.setLineNumber(0);
    f.document.setPlainText(f.lines.lineTextAt(0));
    QCOMPARE(f.painted(), Painted());
    f.log.append(LogKind::RX, QByteArray("\x03"));
    QTRY_COMPARE(f.search.matchCount(), 1);
    QCOMPARE(f.painted().size(), 1);
    QCOMPARE(f.painted().firstKey(), f.lines.lineTextAt(0).indexOf(QStringLiteral("02")));
}

QTEST_MAIN(TestMatchHighlighter)
#include "tst_matchhighlighter.moc"
