// The send history: most recent first, no duplicates, at most 50 texts,
// mirrored to the settings and restored without times.
#include "library/commandhistorymodel.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QSettings>
#include <QSignalSpy>
#include <QTime>
#include <QtTest>

#include <memory>

namespace {

const QString kHistoryKey = QStringLiteral("send/history");

QStringList texts(const CommandHistoryModel& model)
{
    QStringList list;
    for (int row = 0; row < model.rowCount(); ++row) {
        list << model.data(model.index(row), CommandHistoryModel::CommandTextRole).toString();
    }
    return list;
}

QString timeText(const CommandHistoryModel& model, int row)
{
    return model.data(model.index(row), CommandHistoryModel::TimeTextRole).toString();
}

QStringList stored()
{
    return QSettings().value(kHistoryKey).toStringList();
}

} // namespace

class TestCommandHistoryModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettings(); }
    void init() { QSettings().clear(); }

    void pushOrdersAndDeduplicates_data()
    {
        QTest::addColumn<QStringList>("pushes");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a b a") << QStringList{"a", "b", "a"} << QStringList{"a", "b"};
        QTest::newRow("a b c b") << QStringList{"a", "b", "c", "b"} << QStringList{"b", "c", "a"};
        QTest::newRow("leading space is distinct")
            << QStringList{" AT", "AT"} << QStringList{"AT", " AT"};
        QTest::newRow("case is distinct") << QStringList{"at", "AT"} << QStringList{"AT", "at"};
        QTest::newRow("blank text is kept") << QStringList{"   "} << QStringList{"   "};
        QTest::newRow("empty text is ignored") << QStringList{"a", "", ""} << QStringList{"a"};
    }

    void pushOrdersAndDeduplicates()
    {
        QFETCH(QStringList, pushes);
        QFETCH(QStringList, expected);

        SettingsStore store;
        CommandHistoryModel model(&store);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (const QString& text : pushes) {
            model.push(text);
        }
        QCOMPARE(texts(model), expected);
        QCOMPARE(stored(), expected);
        for (int row = 0; row < model.rowCount(); ++row) {
            QCOMPARE(model.textAt(row), expected.at(row));
            QVERIFY2(!timeText(model, row).isEmpty(), "a pushed entry carries its time");
        }
    }

    void repeatedPushKeepsFirstTimeAndDoesNotSave()
    {
        SettingsStore store;
        CommandHistoryModel model(&store);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.push(QStringLiteral("a"));
        const QString firstTime = timeText(model, 0);
        QVERIFY(QTime::fromString(firstTime, QStringLiteral("HH:mm:ss")).isValid());

        // Let the clock move past the shown second, and plant a marker in the
        // store that any further save would overwrite.
        QTRY_VERIFY_WITH_TIMEOUT(
            QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) != firstTime, 3000);
        QSettings().setValue(kHistoryKey, QStringList{QStringLiteral("marker")});

        QSignalSpy resetSpy(&model, &QAbstractItemModel::modelReset);
        model.push(QStringLiteral("a"));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(timeText(model, 0), firstTime);
        QCOMPARE(resetSpy.count(), 0);
        QCOMPARE(stored(), QStringList{QStringLiteral("marker")});

        // The same text further down is not the head: it moves up and saves.
        model.push(QStringLiteral("b"));
        model.push(QStringLiteral("a"));
        QCOMPARE(texts(model), (QStringList{"a", "b"}));
        QCOMPARE(stored(), (QStringList{"a", "b"}));
        QVERIFY(timeText(model, 0) != firstTime);
    }

    void keepsTheFiftyMostRecent()
    {
        SettingsStore store;
        CommandHistoryModel model(&store);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 1; i <= 51; ++i) {
            model.push(QStringLiteral("cmd %1").arg(i));
        }
        QCOMPARE(model.rowCount(), 50);
        QCOMPARE(model.textAt(0), QStringLiteral("cmd 51"));
        QCOMPARE(model.textAt(49), QStringLiteral("cmd 2"));
        QVERIFY(!texts(model).contains(QStringLiteral("cmd 1")));
        QCOMPARE(stored(), texts(model));

        QCOMPARE(model.textAt(50), QString());
        QCOMPARE(model.textAt(-1), QString());
        QVERIFY(!model.data(model.index(50), CommandHistoryModel::CommandTextRole).isValid());
    }

    void restoredTextsHaveNoTime()
    {
        {
            SettingsStore store;
            CommandHistoryModel model(&store);
            model.push(QStringLiteral("first"));
            model.push(QStringLiteral("second"));
            model.push(QStringLiteral(" third "));
        }
        SettingsStore store;
        CommandHistoryModel model(&store);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(texts(model), (QStringList{" third ", "second", "first"}));
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant time = model.data(model.index(row), CommandHistoryModel::TimeTextRole);
            QVERIFY(time.isValid());
            QCOMPARE(time.toString(), QString());
        }
    }

    // A stored list is taken as it is: duplicates and length are not repaired
    // on load, only by the next push.
    void storedListIsUsedUnchanged()
    {
        QStringList many;
        for (int i = 0; i < 60; ++i) {
            many << QStringLiteral("x%1").arg(i % 55);
        }
        QSettings().setValue(kHistoryKey, many);
        SettingsStore store;
        CommandHistoryModel model(&store);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(texts(model), many);
        model.push(QStringLiteral("new"));
        QCOMPARE(texts(model), QStringList{QStringLiteral("new")} + many.mid(0, 49));
        QCOMPARE(stored(), texts(model));
    }

    void clearEmptiesAndSaves()
    {
        SettingsStore store;
        CommandHistoryModel model(&store);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resetSpy(&model, &QAbstractItemModel::modelReset);

        QSettings().setValue(kHistoryKey, QStringList{QStringLiteral("marker")});
        model.clear();
        QCOMPARE(resetSpy.count(), 0);
        QCOMPARE(stored(), QStringList{QStringLiteral("marker")});

        model.push(QStringLiteral("a"));
        model.push(QStringLiteral("b"));
        resetSpy.clear();
        model.clear();
        QCOMPARE(resetSpy.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(stored(), QStringList());
        QCOMPARE(model.textAt(0), QString());
    }

    void rolesAndInvalidIndexes()
    {
        SettingsStore store;
        CommandHistoryModel model(&store);
        model.push(QStringLiteral("AT"));
        const QHash<int, QByteArray> roles = model.roleNames();
        QCOMPARE(roles.value(257), QByteArray("commandText"));
        QCOMPARE(roles.value(258), QByteArray("timeText"));
        QCOMPARE(roles.value(259), QByteArray("previewText"));
        QCOMPARE(roles.value(260), QByteArray("sentAsHex"));
        QCOMPARE(roles.size(), 4);
        QVERIFY(!model.data(model.index(0), Qt::DisplayRole).isValid());
        QVERIFY(!model.data(model.index(0), 261).isValid());
        QCOMPARE(model.rowCount(model.index(0)), 0);
    }

    // The history list shows every entry on one line: the first line of the
    // text, cut short, with a mark when more lines follow.
    void previewIsOneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("preview");
        const QString more = QStringLiteral(" \u21b5 \u2026");
        const int n = CommandHistoryModel::PreviewLength;
        QTest::newRow("one line") << "AT+GMR"
                                  << "AT+GMR";
        QTest::newRow("trailing line feed") << "AT\n"
                                            << "AT";
        QTest::newRow("CR LF lines") << "AT\r\nAT+X"
                                     << "AT" + more;
        QTest::newRow("empty first line") << "\nsecond" << more;
        QTest::newRow("long line") << QString(n + 50, 'x') << QString(n, 'x') + QChar(0x2026);
        QTest::newRow("many long lines") << QString(n + 1, 'y') + QString("\nz").repeated(5000)
                                         << QString(n, 'y') + QChar(0x2026) + more;
    }

    void previewIsOneLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, preview);
        SettingsStore store;
        CommandHistoryModel model(&store);
        model.push(text);
        QCOMPARE(model.index(0).data(CommandHistoryModel::PreviewTextRole).toString(), preview);
        QCOMPARE(model.index(0).data(CommandHistoryModel::CommandTextRole).toString(), text);
    }
};

QTEST_GUILESS_MAIN(TestCommandHistoryModel)
#include "tst_commandhistorymodel.moc"
