// Cutting a text from outside to a length the window can lay out: nothing changes up to the
// bound, past it the text ends in the mark, and a cut never splits a character in two.
#include "util/textbounds.h"

#include <QtTest>

class TestTextBounds : public QObject
{
    Q_OBJECT

private slots:
    void cut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("expected");

        const QString mark = TextBounds::cutMark();
        QTest::newRow("short") << QStringLiteral("1.2.3") << 8 << QStringLiteral("1.2.3");
        QTest::newRow("empty") << QString() << 8 << QString();
        QTest::newRow("exactly the bound") << QStringLiteral("abcd") << 4 << QStringLiteral("abcd");
        QTest::newRow("one past") << QStringLiteral("abcde") << 4 << QStringLiteral("abcd") + mark;
        // U+1F600 is two UTF-16 units; half of it would show as a broken character.
        QTest::newRow("pair at the cut")
            << QStringLiteral("ab\U0001F600cd") << 3 << QStringLiteral("ab") + mark;
        QTest::newRow("pair before the cut")
            << QStringLiteral("ab\U0001F600cd") << 4 << QStringLiteral("ab\U0001F600") + mark;
        QTest::newRow("no room at all") << QStringLiteral("abc") << 0 << mark;
        // Lone surrogates (broken text from outside) are characters like others.
        const QString lone = QString(QChar(0xD800)) + QChar(0xD801) + QChar(0xD802);
        QTest::newRow("lone high surrogates") << lone << 2 << lone.left(2) + mark;
    }

    void cut()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, expected);
        QCOMPARE(TextBounds::cut(text, limit), expected);
    }

    // The mark is what tells a cut text from a whole one, in any language.
    void markIsVisible()
    {
        const QString mark = TextBounds::cutMark();
        QVERIFY(mark.contains(QChar(0x2026)));
        QVERIFY(!mark.trimmed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTextBounds)
#include "tst_textbounds.moc"
