// Ordering of version texts, as the update checks use it.
#include "util/versioncompare.h"

#include <QtTest>

class TestVersionCompare : public QObject
{
    Q_OBJECT

private slots:
    void compare_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        const auto row = [](const char* tag, const QString& a, const QString& b, int order) {
            QTest::newRow(tag) << a << b << order;
        };

        row("equal", "0.7.8.1", "0.7.8.1", 0);
        row("numeric, not textual", "0.7.10", "0.7.9", 1);
        row("major decides", "2.0", "1.99.99", 1);
        row("more segments higher", "0.7.8.1", "0.7.8", 1);
        row("1.0.0 above 1.0", "1.0.0", "1.0", 1);
        row("leading zeros", "1.02", "1.2", 0);
        row("suffix ignored", "0.7.9-beta", "0.7.9", 0);
        row("suffix after fewer segments", "1.2rc1", "1.2.0", -1);
        row("trailing dot", "1.2.", "1.2", 0);
        row("dot then letter", "1.2.x", "1.2", 0);
        row("empty vs empty", "", "", 0);
        row("empty below zero", "", "0", -1);
        row("no leading number is empty", "v1.2", "", 0);
        row("leading space is empty", " 1.2", "", 0);
        row("negative is empty", "-1", "", 0);
        row("huge segments", "1.99999999999999999999", "1.99999999999999999998", 1);
        row("huge against small", "1.100000000000000000000", "1.9", 1);
        row("non-ASCII digits end the version", QStringLiteral("1.\u0663"), "1", 0);
    }

    void compare()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);

        QCOMPARE(VersionCompare::compare(a, b), order);
        QCOMPARE(VersionCompare::compare(b, a), -order);
        QCOMPARE(VersionCompare::isHigher(a, b), order > 0);
        QCOMPARE(VersionCompare::isLower(a, b), order < 0);
    }
};

QTEST_APPLESS_MAIN(TestVersionCompare)
#include "tst_versioncompare.moc"
