#include "log/highlightrulemodel.h"
#include "log/logmanager.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class TestHighlightRuleModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void rulesRoundTripThroughSettings();
    void storedValues_data();
    void storedValues();
    void refusedRules_data();
    void refusedRules();
    void coloursLinesAsTheyArrive();
};

void TestHighlightRuleModel::initTestCase()
{
    korveltest::isolateSettings();
}

void TestHighlightRuleModel::init()
{
    QSettings().clear();
}

void TestHighlightRuleModel::rulesRoundTripThroughSettings()
{
    LogManager log;
    {
        HighlightRuleModel model(&log);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.setRule(-1, QStringLiteral("ERROR"), false, QStringLiteral("red")),
                 QString());
        QCOMPARE(model.setRule(-1, QStringLiteral("conn(ected)?"), true, QStringLiteral("green")),
                 QString());
        QCOMPARE(model.setRule(-1, QStringLiteral("drop me"), false, QStringLiteral("blue")),
                 QString());
        model.removeRule(2);
        // Editing in place: the second rule becomes a text rule in teal.
        QCOMPARE(model.setRule(1, QStringLiteral("connected"), false, QStringLiteral("teal")),
                 QString());
    }
    // A model made later (the next start) reads what the first one stored.
    HighlightRuleModel restored(&log);
    const QList<HighlightRule> expected{
        {QStringLiteral("ERROR"), false, QStringLiteral("red")},
        {QStringLiteral("connected"), false, QStringLiteral("teal")}};
    QCOMPARE(restored.rules(), expected);
    QCOMPARE(restored.index(1).data(HighlightRuleModel::ColourIndexRole).toInt(),
             HighlightRules::colourNames().indexOf(QStringLiteral("teal")));
}

void TestHighlightRuleModel::storedValues_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QStringList>("patterns");

    QTest::newRow("not JSON") << QVariant(QByteArray("{[")) << QStringList();
    QTest::newRow("wrong type") << QVariant(42) << QStringList();
    QTest::newRow("object, not array")
        << QVariant(QByteArray(R"({"pattern":"a"})")) << QStringList();
    QTest::newRow("skips empty and too long patterns")
        << QVariant(QByteArray(R"([{"pattern":""},{"pattern":")") +
                    QByteArray(LogMatcher::MaxPatternLength + 1, 'x') +
                    QByteArray(R"("},{"pattern":"ok","colour":"no such"},7])"))
        << QStringList{QStringLiteral("ok")};
    QByteArray many = "[";
    QStringList first;
    for (int i = 0; i < 40; ++i) {
        many += (i ? "," : "") + QByteArray(R"({"pattern":"p)") + QByteArray::number(i) + "\"}";
        if (i < HighlightRules::MaxRules) {
            first << QStringLiteral("p%1").arg(i);
        }
    }
    many += "]";
    QTest::newRow("more rules than kept") << QVariant(many) << first;
    QTest::newRow("larger than read") << QVariant(QByteArray(R"([{"pattern":"a"}])") +
                                                  QByteArray(HighlightRules::MaxStoredBytes, ' '))
                                      << QStringList();
}

void TestHighlightRuleModel::storedValues()
{
    QFETCH(QVariant, stored);
    QFETCH(QStringList, patterns);

    QSettings().setValue(QStringLiteral("log/highlightRules"), stored);
    const QList<HighlightRule> rules = SettingsStore().highlightRules();
    QStringList read;
    for (const HighlightRule& rule : rules) {
        read << rule.pattern;
        // A colour the palette lacks becomes its first.
        QVERIFY(HighlightRules::colourNames().contains(rule.colour));
    }
    QCOMPARE(read, patterns);
}

void TestHighlightRuleModel::refusedRules_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("regex");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("reasonPart");

    QTest::newRow("empty") << QString() << false << "red"
                           << "needs a pattern";
    QTest::newRow("invalid regex") << "a(" << true << "red"
                                   << "Invalid regular expression";
    QTest::newRow("unknown colour") << "a" << false << "pink"
                                    << "\"pink\"";
    QTest::newRow("too long") << QString(LogMatcher::MaxPatternLength + 1, QLatin1Char('a'))
                              << false << "red"
                              << "longer than";
}

void TestHighlightRuleModel::refusedRules()
{
    QFETCH(QString, pattern);
    QFETCH(bool, regex);
    QFETCH(QString, colour);
    QFETCH(QString, reasonPart);

    LogManager log;
    HighlightRuleModel model(&log);
    const QString reason = model.setRule(-1, pattern, regex, colour);
    QVERIFY2(reason.contains(reasonPart), qPrintable(reason));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(SettingsStore().highlightRules().size(), 0);
}

void TestHighlightRuleModel::coloursLinesAsTheyArrive()
{
    LogManager log;
    HighlightRuleModel model(&log);
    const int red = HighlightRules::colourNames().indexOf(QStringLiteral("red"));
    const int green = HighlightRules::colourNames().indexOf(QStringLiteral("green"));
    QVERIFY(model.setRule(-1, QStringLiteral("error"), false, QStringLiteral("red")).isEmpty());
    QVERIFY(model.setRule(-1, QStringLiteral("^conn"), true, QStringLiteral("green")).isEmpty());
    // The first rule that matches decides; case is ignored.
    log.append(LogKind::RX, "ERROR 5");
    log.append(LogKind::SYS, "Connected");
    log.append(LogKind::RX, "connection error");
    log.append(LogKind::RX, "plain");
    QCOMPARE(model.colourIndexOfLine(0), red);
    QCOMPARE(model.colourIndexOfLine(1), green);
    QCOMPARE(model.colourIndexOfLine(2), red);
    QCOMPARE(model.colourIndexOfLine(3), -1);
    QCOMPARE(model.colourIndexOfLine(4), -1);

    // Lines keep their colours while older ones leave the store.
    for (int i = 0; i < LogManager::Capacity; i += 100) {
        log.appendBatch(LogKind::RX, QList<QByteArray>(100, "fill"));
    }
    log.append(LogKind::RX, "late error");
    const double last = double(log.totalLineCount() - 1);
    QCOMPARE(model.colourIndexOfLine(last), red);
    QCOMPARE(model.colourIndexOfLine(last - 1), -1);
    QCOMPARE(model.colourIndexOfLine(0), -1); // evicted

    // Removing the rule takes the colour off the lines held.
    QSignalSpy recoloured(&model, &HighlightRuleModel::lineColoursChanged);
    model.removeRule(0);
    QCOMPARE(recoloured.count(), 1);
    QCOMPARE(model.colourIndexOfLine(last), -1);

    // No more rules than the most kept.
    while (!model.full()) {
        QVERIFY(model.setRule(-1, QStringLiteral("x"), false, QStringLiteral("grey")).isEmpty());
    }
    QVERIFY(!model.setRule(-1, QStringLiteral("y"), false, QStringLiteral("grey")).isEmpty());
    QCOMPARE(model.rowCount(), HighlightRules::MaxRules);
}

QTEST_MAIN(TestHighlightRuleModel)
#include "tst_highlightrulemodel.moc"
