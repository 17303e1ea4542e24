// Sent texts coming back into the send box: a chosen entry or Up and Down
// steps, each with the mode it went out in; and the modes kept beside the
// stored texts so that an older version still reads the history.
#include "library/commandhistorymodel.h"
#include "library/historyrecall.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QSettings>
#include <QtTest>

namespace {

// The send box as the controller keeps it.
struct Draft
{
    QString text;
    bool hex = false;

    HistoryRecall::Draft access()
    {
        return {[this] { return text; }, [this](const QString& t) { text = t; },
                [this] { return hex; },
                [this](bool h) {
                    hex = h;
                }};
    }
};

// "t:" for text, "h:" for hex, "?:" for unknown, then the text.
SentAs modeOf(const QString& entry)
{
    return entry.startsWith(QLatin1String("h:"))   ? SentAs::Hex
           : entry.startsWith(QLatin1String("t:")) ? SentAs::Text
                                                   : SentAs::Unknown;
}

} // namespace

class TestHistoryRecall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettings(); }
    void init() { QSettings().clear(); }

    void steps_data()
    {
        QTest::addColumn<QStringList>("pushes"); // oldest first
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("draftHex");
        QTest::addColumn<QString>("keys"); // U up, D down, e edits the draft
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<bool>("expectedHex");
        QTest::addColumn<QString>("moved"); // per key: 1 when it changed the draft

        const QStringList sent{"t:AT", "h:01 03 00 00", "t:{\"cmd\":1}"};
        QTest::newRow("up takes the newest with its mode") << sent << "" << true << "U"
                                                           << "{\"cmd\":1}" << false << "1";
        QTest::newRow("two ups reach the hex entry") << sent << "" << false << "UU"
                                                     << "01 03 00 00" << true << "11";
        QTest::newRow("up past the oldest stays there") << sent << "" << false << "UUUU"
                                                        << "AT" << false << "1110";
        QTest::newRow("down back to the typed draft and its mode")
            << sent << "typed" << true << "UUDD"
            << "typed" << true << "1111";
        QTest::newRow("down without stepping does nothing") << sent << "typed" << false << "D"
                                                            << "typed" << false << "0";
        QTest::newRow("a draft of two lines keeps its keys")
            << sent << "line 1\nline 2" << false << "UD"
            << "line 1\nline 2" << false << "00";
        QTest::newRow("an edit ends the stepping") << sent << "" << false << "UUeD"
                                                   << "01 03 00 00!" << true << "1110";
        QTest::newRow("up after an edit starts from the newest")
            << sent << "" << false << "UUeU"
            << "{\"cmd\":1}" << false << "1111";
        QTest::newRow("an entry of unknown mode keeps the mode")
            << QStringList{"?:old"} << "" << true << "U"
            << "old" << true << "1";
        QTest::newRow("empty history") << QStringList{} << "x" << false << "UD"
                                       << "x" << false << "00";
    }

    void steps()
    {
        QFETCH(QStringList, pushes);
        QFETCH(QString, draft);
        QFETCH(bool, draftHex);
        QFETCH(QString, keys);
        QFETCH(QString, expectedText);
        QFETCH(bool, expectedHex);
        QFETCH(QString, moved);

        SettingsStore settings;
        CommandHistoryModel history(&settings);
        for (const QString& entry : pushes) {
            history.push(entry.mid(2), modeOf(entry));
        }
        Draft box{draft, draftHex};
        HistoryRecall recall(&history, box.access());
        QString changes;
        for (const QChar key : keys) {
            if (key == QLatin1Char('e')) {
                box.text += QLatin1Char('!');
                changes += QLatin1Char('1');
            } else {
                const bool changed = key == QLatin1Char('U') ? recall.older() : recall.newer();
                changes += changed ? QLatin1Char('1') : QLatin1Char('0');
            }
        }
        QCOMPARE(box.text, expectedText);
        QCOMPARE(box.hex, expectedHex);
        QCOMPARE(changes, moved);
    }

    void chosenEntryBringsItsMode()
    {
        SettingsStore settings;
        CommandHistoryModel history(&settings);
        history.push(QStringLiteral("01 03"), SentAs::Hex);
        history.push(QStringLiteral("AT"), SentAs::Text);
        Draft box{QStringLiteral("x"), false};
        HistoryRecall recall(&history, box.access());
        recall.recall(1);
        QCOMPARE(box.text, QStringLiteral("01 03"));
        QVERIFY(box.hex);
        recall.recall(0);
        QCOMPARE(box.text, QStringLiteral("AT"));
        QVERIFY(!box.hex);
        recall.recall(2); // out of range
        recall.recall(-1);
        QCOMPARE(box.text, QStringLiteral("AT"));
    }

    // Sending reorders the list; the next Up starts from its new top.
    void sendingRestartsTheSteps()
    {
        SettingsStore settings;
        CommandHistoryModel history(&settings);
        history.push(QStringLiteral("a"), SentAs::Text);
        history.push(QStringLiteral("b"), SentAs::Text);
        history.push(QStringLiteral("c"), SentAs::Text);
        Draft box;
        HistoryRecall recall(&history, box.access());
        QVERIFY(recall.older());
        QVERIFY(recall.older());
        QCOMPARE(box.text, QStringLiteral("b"));
        history.push(box.text, SentAs::Text); // sent again: b is first now
        QVERIFY(recall.older());
        QCOMPARE(box.text, QStringLiteral("b"));
        QVERIFY(recall.older());
        QCOMPARE(box.text, QStringLiteral("c"));
    }

    void modesSurviveARestart()
    {
        {
            SettingsStore settings;
            CommandHistoryModel history(&settings);
            history.push(QStringLiteral("AT"), SentAs::Text);
            history.push(QStringLiteral("01 03"), SentAs::Hex);
            history.push(QStringLiteral("AT"), SentAs::Hex); // sent again as hex
        }
        SettingsStore settings;
        CommandHistoryModel history(&settings);
        QAbstractItemModelTester tester(&history,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(history.rowCount(), 2);
        QCOMPARE(history.textAt(0), QStringLiteral("AT"));
        QCOMPARE(history.sentAsAt(0), SentAs::Hex);
        QCOMPARE(history.sentAsAt(1), SentAs::Hex);
        QCOMPARE(history.data(history.index(0), CommandHistoryModel::SentAsHexRole),
                 QVariant(true));
        QCOMPARE(history.roleNames().value(CommandHistoryModel::SentAsHexRole),
                 QByteArray("sentAsHex"));
    }

    // The texts stay where and as they always were, so a version that knows
    // nothing of modes reads the same history; the modes are extra.
    void storedTextsKeepTheirForm()
    {
        SettingsStore settings;
        CommandHistoryModel history(&settings);
        history.push(QStringLiteral("first"), SentAs::Text);
        history.push(QStringLiteral("AA 55"), SentAs::Hex);
        const QVariant texts = QSettings().value(QStringLiteral("send/history"));
        QCOMPARE(texts.toStringList(), (QStringList{"AA 55", "first"}));
        QCOMPARE(QSettings().value(QStringLiteral("send/historyModes")).toStringList().size(), 2);
    }

    void storedModesRead_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("modes");
        QTest::addColumn<QList<int>>("expected"); // SentAs per row

        const QString hexA = CommandHistoryModel::modeRecord(QStringLiteral("a"), SentAs::Hex);
        const QString textB = CommandHistoryModel::modeRecord(QStringLiteral("b"), SentAs::Text);
        const int unknown = int(SentAs::Unknown);
        const int hex = int(SentAs::Hex);
        const int text = int(SentAs::Text);
        QTest::newRow("written by an older version")
            << QStringList{"a", "b"} << QStringList{} << QList<int>{unknown, unknown};
        QTest::newRow("in step") << QStringList{"a", "b"} << QStringList{hexA, textB}
                                 << QList<int>{hex, text};
        // An older version sent b again (b moved up) and added c.
        QTest::newRow("reordered and extended by an older version")
            << QStringList{"c", "b", "a"} << QStringList{hexA, textB}
            << QList<int>{unknown, text, hex};
        QTest::newRow("records of another form are ignored")
            << QStringList{"a", "b"}
            << QStringList{"hex", "text b", "bin " + hexA.mid(4), hexA + " x", textB}
            << QList<int>{unknown, text};
        QTest::newRow("a mode of another text is not lent")
            << QStringList{"b"} << QStringList{hexA} << QList<int>{unknown};
    }

    void storedModesRead()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, modes);
        QFETCH(QList<int>, expected);
        QSettings().setValue(QStringLiteral("send/history"), texts);
        QSettings().setValue(QStringLiteral("send/historyModes"), modes);
        SettingsStore settings;
        CommandHistoryModel history(&settings);
        QList<int> found;
        for (int row = 0; row < history.rowCount(); ++row) {
            found << int(history.sentAsAt(row));
        }
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(TestHistoryRecall)
#include "tst_historyrecall.moc"
