#include "log/ansitext.h"

#include <QTest>

/// Tests the reduction of device text to printable plain text.
class TestAnsiText : public QObject
{
    Q_OBJECT

private slots:
    void stripToPlain_data();
    void stripToPlain();
};

void TestAnsiText::stripToPlain_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const QString esc(QChar(27));
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("plain") << "hello world"
                           << "hello world";
    QTest::newRow("colour codes and CR") << esc + "[1;32mOK" + esc + "[0m\r"
                                         << "OK";
    QTest::newRow("tab") << "a\tb"
                         << "a    b";
    QTest::newRow("two tabs") << "\t\t"
                              << "        ";
    QTest::newRow("escape without bracket") << esc + "(B"
                                            << "(B";
    QTest::newRow("unterminated sequence") << "ab" + esc + "[12"
                                           << "ab";
    QTest::newRow("unterminated sequence eats text") << "ab" + esc + "[1;2 3 {}"
                                                     << "ab";
    QTest::newRow("escape at end") << "ab" + esc << "ab";
    QTest::newRow("escape bracket at end") << "ab" + esc + "["
                                           << "ab";
    QTest::newRow("escape escape bracket") << esc + esc + "[2Jx"
                                           << "x";
    QTest::newRow("sequence ends at first letter") << esc + "[2J5"
                                                   << "5";
    QTest::newRow("lower-case terminator") << esc + "[?25lhidden"
                                           << "hidden";
    QTest::newRow("cursor position") << esc + "[10;20Hxy"
                                     << "xy";
    QTest::newRow("control characters") << QString::fromLatin1("a\x01\x02\nb\x1f\x0b\x0c\x08"
                                                               "c") +
                                               QChar(0)
                                        << "abc";
    QTest::newRow("DEL kept") << QString::fromLatin1("a\x7f"
                                                     "b")
                              << QString::fromLatin1("a\x7f"
                                                     "b");
    QTest::newRow("non-ASCII kept")
        << QString::fromUtf8("température 25°C ✓") << QString::fromUtf8("température 25°C ✓");
    QTest::newRow("emoji kept") << QString::fromUtf8("ok \xF0\x9F\x98\x80!")
                                << QString::fromUtf8("ok \xF0\x9F\x98\x80!");
    QTest::newRow("C1 control kept") << QString(QChar(0x85)) << QString(QChar(0x85));
    // Only letters end a sequence; a non-ASCII letter does, a non-ASCII symbol does not.
    QTest::newRow("non-ASCII letter terminates") << esc + QString::fromUtf8("[1ébc") << "bc";
    QTest::newRow("non-ASCII symbol does not terminate")
        << esc + QString::fromUtf8("[1°2mx") << "x";
    QTest::newRow("digits then emoji then letter")
        << esc + QString::fromUtf8("[\xF0\x9F\x98\x80Kz") << "z";
    QTest::newRow("text around sequences") << "a" + esc + "[31mb" + esc + "[0mc"
                                           << "abc";
}

void TestAnsiText::stripToPlain()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(AnsiText::stripToPlain(input), expected);
}

QTEST_GUILESS_MAIN(TestAnsiText)
#include "tst_ansitext.moc"
