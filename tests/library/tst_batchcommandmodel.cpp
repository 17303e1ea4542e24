// The batch list: what is kept of the interface's input, what is refused,
// and that every change reaches the settings at once.
#include "library/batchcommandmodel.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {

QVariantMap step(const QVariant& text, const QVariant& isHex = {}, const QVariant& crc = {})
{
    QVariantMap map;
    if (text.isValid())
        map.insert(QStringLiteral("text"), text);
    if (isHex.isValid())
        map.insert(QStringLiteral("isHex"), isHex);
    if (crc.isValid())
        map.insert(QStringLiteral("crc"), crc);
    return map;
}

QVariantMap waitStep(const QString& text, const QString& expect, const QString& pattern,
                     const QVariant& timeoutMs = {}, bool goOn = false)
{
    QVariantMap map = step(text);
    map.insert(QStringLiteral("expect"), expect);
    map.insert(QStringLiteral("expectPattern"), pattern);
    if (timeoutMs.isValid())
        map.insert(QStringLiteral("replyTimeoutMs"), timeoutMs);
    map.insert(QStringLiteral("goOnWithoutReply"), goOn);
    return map;
}

BatchStep waiting(const QString& text, BatchStep::Expect expect, const QString& pattern,
                  int timeoutMs, bool goOn)
{
    BatchStep step(text);
    step.expect = expect;
    step.expectPattern = pattern;
    step.replyTimeoutMs = timeoutMs;
    step.goOnWithoutReply = goOn;
    return step;
}

QByteArray storedBytes()
{
    return QSettings().value(QStringLiteral("send/batchCommands")).toByteArray();
}

} // namespace

class TestBatchCommandModel : public QObject
{
    Q_OBJECT

private:
    SettingsStore m_settings;

private slots:
    void initTestCase() { korveltest::isolateSettings(); }
    void init() { QSettings().clear(); }

    void addKeepsWhatTheUserMeant_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QVariantList>("steps");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<int>("storedInterval");
        QTest::addColumn<QList<BatchStep>>("storedSteps");

        QTest::newRow("trimmed name, negative interval, blank step dropped")
            << "  Boot  " << -5 << QVariantList{step("AT"), step("   ")} << "Boot" << 0
            << QList<BatchStep>{{"AT", false, false}};
        QTest::newRow("step text kept with its blanks")
            << "B" << 500 << QVariantList{step(" AT ")} << "B" << 500
            << QList<BatchStep>{{" AT ", false, false}};
        QTest::newRow("flags") << "B" << 100
                               << QVariantList{step("0103", true, true),
                                               step("X", QVariant(), true)}
                               << "B" << 100
                               << QList<BatchStep>{{"0103", true, true}, {"X", false, true}};
        QTest::newRow("an hour") << "B" << 3600000 << QVariantList{step("AT")} << "B" << 3600000
                                 << QList<BatchStep>{{"AT", false, false}};
        QTest::newRow("not a map, no text, wrong key case")
            << "B" << 0
            << QVariantList{QVariant(42), step(QVariant(), true),
                            QVariantMap{{QStringLiteral("Text"), QStringLiteral("no")}}, step("ok")}
            << "B" << 0 << QList<BatchStep>{{"ok", false, false}};
        using E = BatchStep::Expect;
        QTest::newRow("waits, timeouts held in bounds, a word as the default")
            << "B" << 10
            << QVariantList{waitStep("AT", "text", "OK", 250, true),
                            waitStep("R", "regex", "T=\\d+", 0),
                            waitStep("01 03", "hex", "01 03 ?? ??", 1e12),
                            waitStep("Q", "text", "x", QStringLiteral("soon"))}
            << "B" << 10
            << QList<BatchStep>{waiting("AT", E::Text, "OK", 250, true),
                                waiting("R", E::Regex, "T=\\d+", 1, false),
                                waiting("01 03", E::Hex, "01 03 ?? ??", 60000, false),
                                waiting("Q", E::Text, "x", 1000, false)};
        QTest::newRow("no wait keeps nothing of a reply")
            << "B" << 10
            << QVariantList{waitStep("AT", "none", "(", 5, true),
                            waitStep("AT", "sometimes", "OK", 5, true)}
            << "B" << 10 << QList<BatchStep>{{"AT", false, false}, {"AT", false, false}};
    }

    void addKeepsWhatTheUserMeant()
    {
        QFETCH(QString, name);
        QFETCH(int, interval);
        QFETCH(QVariantList, steps);
        QFETCH(QString, storedName);
        QFETCH(int, storedInterval);
        QFETCH(QList<BatchStep>, storedSteps);

        BatchCommandModel model(&m_settings);
        QAbstractItemModelTester tester(&model);
        // The batch editor asks the same before it saves.
        QVERIFY(model.canSaveBatch(name, steps));
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.addBatchCommand(name, interval, steps);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model.rowCount(), 1);

        const QList<BatchCommand> stored = m_settings.batchCommands();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).name, storedName);
        QCOMPARE(stored.at(0).intervalMs, storedInterval);
        QCOMPARE(stored.at(0).steps, storedSteps);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}$"))
                    .match(stored.at(0).id)
                    .hasMatch());

        const QModelIndex row = model.index(0);
        QCOMPARE(row.data(BatchCommandModel::NameRole).toString(), storedName);
        QCOMPARE(row.data(BatchCommandModel::StepCountRole).toInt(), int(storedSteps.size()));
        QCOMPARE(row.data(BatchCommandModel::IntervalMsRole).toInt(), storedInterval);
        QCOMPARE(model.stepsForRow(0).size(), storedSteps.size());
        QCOMPARE(model.stepsForRow(0).at(0).toMap().value(QStringLiteral("text")).toString(),
                 storedSteps.at(0).text);
        // What the editor is given back saves as the same steps.
        QCOMPARE(BatchCommandModel::stepsFromVariant(model.stepsForRow(0)), storedSteps);
    }

    void refusedInputChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("steps");
        QTest::newRow("blank name") << " \t" << QVariantList{step("AT")};
        QTest::newRow("no steps") << "B" << QVariantList{};
        QTest::newRow("blank steps only") << "B" << QVariantList{step(" "), step("\n")};
        QTest::newRow("no-break spaces only") << "B" << QVariantList{step("\u00a0\u3000")};
        QTest::newRow("steps that are not maps") << "B" << QVariantList{QVariant(42), QVariant()};
        // One step whose reply cannot be checked refuses the whole batch.
        QTest::newRow("invalid regular expression")
            << "B" << QVariantList{step("AT"), waitStep("AT", "regex", "OK(")};
        QTest::newRow("hex that is not hex") << "B" << QVariantList{waitStep("AT", "hex", "0G")};
        QTest::newRow("half a wildcard") << "B" << QVariantList{waitStep("AT", "hex", "0?")};
        QTest::newRow("nothing to wait for") << "B" << QVariantList{waitStep("AT", "text", "")};
        QTest::newRow("pattern too long")
            << "B" << QVariantList{waitStep("AT", "text", QString(1001, QLatin1Char('a')))};
    }

    void refusedInputChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QVariantList, steps);
        BatchCommandModel model(&m_settings);
        QVERIFY(!model.canSaveBatch(name, steps));
        model.addBatchCommand(QStringLiteral("Keep"), 250, {step("K")});
        const QByteArray before = storedBytes();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        model.addBatchCommand(name, 100, steps);
        model.updateBatchCommand(0, name, 100, steps);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(storedBytes(), before);
        QCOMPARE(model.index(0).data(BatchCommandModel::NameRole).toString(),
                 QStringLiteral("Keep"));
    }

    void updateKeepsTheId()
    {
        BatchCommandModel model(&m_settings);
        QAbstractItemModelTester tester(&model);
        model.addBatchCommand(QStringLiteral("A"), 100, {step("1")});
        model.addBatchCommand(QStringLiteral("B"), 200, {step("2")});
        const QString id = m_settings.batchCommands().at(1).id;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        model.updateBatchCommand(1, QStringLiteral(" B2 "), -1, {step("x", true), step("y")});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 1);
        const BatchCommand stored = m_settings.batchCommands().at(1);
        QCOMPARE(stored.id, id);
        QCOMPARE(stored.name, QStringLiteral("B2"));
        QCOMPARE(stored.intervalMs, 0);
        QCOMPARE(stored.steps, (QList<BatchStep>{{"x", true, false}, {"y", false, false}}));
        QCOMPARE(model.index(1).data(BatchCommandModel::StepCountRole).toInt(), 2);
    }

    void rowsOutOfRangeAreIgnored_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("negative") << -1;
        QTest::newRow("row count") << 1;
        QTest::newRow("far beyond") << 1000;
    }

    void rowsOutOfRangeAreIgnored()
    {
        QFETCH(int, row);
        BatchCommandModel model(&m_settings);
        model.addBatchCommand(QStringLiteral("A"), 100, {step("1")});
        const QByteArray before = storedBytes();
        model.updateBatchCommand(row, QStringLiteral("X"), 1, {step("x")});
        model.removeBatchCommand(row);
        QCOMPARE(storedBytes(), before);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.commandAt(row), nullptr);
        QCOMPARE(model.stepsForRow(row), QVariantList());
        QVERIFY(!model.index(0).data(BatchCommandModel::IntervalMsRole + 1).isValid());
    }

    void removeAndReload()
    {
        {
            BatchCommandModel model(&m_settings);
            QAbstractItemModelTester tester(&model);
            model.addBatchCommand(QStringLiteral("A"), 100, {step("1")});
            model.addBatchCommand(QStringLiteral("B"), 200, {step("2", true, true)});
            model.addBatchCommand(QStringLiteral("C"), 300, {step("3")});
            QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
            model.removeBatchCommand(0);
            QCOMPARE(removed.count(), 1);
        }
        BatchCommandModel again(&m_settings);
        QCOMPARE(again.rowCount(), 2);
        QCOMPARE(again.commandAt(0)->name, QStringLiteral("B"));
        QCOMPARE(again.stepsForRow(0),
                 (QVariantList{QVariantMap{{QStringLiteral("text"), QStringLiteral("2")},
                                           {QStringLiteral("isHex"), true},
                                           {QStringLiteral("crc"), true},
                                           {QStringLiteral("expect"), QStringLiteral("none")},
                                           {QStringLiteral("expectPattern"), QString()},
                                           {QStringLiteral("replyTimeoutMs"), 1000},
                                           {QStringLiteral("goOnWithoutReply"), false}}}));
    }

    void storedGarbageIsAnEmptyList_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("not json") << QByteArray("batch!");
        QTest::newRow("an object") << QByteArray(R"({"name":"A"})");
        QTest::newRow("empty") << QByteArray();
    }

    void storedGarbageIsAnEmptyList()
    {
        QFETCH(QByteArray, stored);
        QSettings().setValue(QStringLiteral("send/batchCommands"), stored);
        BatchCommandModel model(&m_settings);
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.rowCount(), 0);
        model.addBatchCommand(QStringLiteral("A"), 100, {step("1")});
        QCOMPARE(m_settings.batchCommands().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestBatchCommandModel)
#include "tst_batchcommandmodel.moc"
