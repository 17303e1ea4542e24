// Finding in the data monitor through the real window: the find bar's keys,
// the count it shows, stepping through the matches (the view goes there and
// stops following), the filter to matching lines and back to the same
// place, and a highlight rule added in the settings colouring a line.
#include "app/appcontroller.h"
#include "log/highlightrulemodel.h"
#include "log/logfiltermodel.h"
#include "log/loglistmodel.h"
#include "log/logsearch.h"
#include "log/logviewrows.h"
#include "log/matchmarks.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QColor>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickTextDocument>
#include <QQuickWindow>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

namespace {

// Lines "payload i"; every line whose number is in @p alarms also says "alarm".
QList<QByteArray> lines(int from, int count, const QList<int>& alarms = {})
{
    QList<QByteArray> out;
    for (int i = from; i < from + count; ++i) {
        out << (alarms.contains(i) ? "payload " + QByteArray::number(i) + " alarm raised"
                                   : "payload " + QByteArray::number(i));
    }
    return out;
}

} // namespace

class TestFindBar : public QObject
{
    Q_OBJECT

private:
    korveltest::MainWindowDriver m_ui;
    QQuickWindow* m_window = nullptr;
    AppController* m_controller = nullptr;
    QQuickItem* m_list = nullptr;
    QQuickItem* m_bar = nullptr;
    QQuickItem* m_field = nullptr;
    std::unique_ptr<QObject> m_themeHolder;
    QObject* m_theme = nullptr;

    LogViewRows* rows() const { return m_controller->logModel()->viewRows(); }
    QString status() const { return m_ui.item("findStatus")->property("text").toString(); }
    bool following() const { return m_list->property("stickToBottom").toBool(); }

    // The rows the viewport shows (at least partly), by their line numbers.
    QList<double> linesInView() const
    {
        QList<double> shown;
        const qreal top = m_list->property("contentY").toReal();
        const qreal bottom = top + m_list->height();
        for (int row = 0; row < rows()->rowCount(); ++row) {
            QQuickItem* item = m_ui.listRow(m_list, row);
            if (item && item->isVisible() && item->y() + item->height() > top &&
                item->y() < bottom) {
                shown << rows()->lineNumberAt(row);
            }
        }
        return shown;
    }

    QQuickItem* rowOfLine(double line) const
    {
        const int row = rows()->rowOfLine(line);
        return row < 0 ? nullptr : m_ui.listRow(m_list, row);
    }

    // The colours painted behind the row's matches, by the first column of
    // each stretch: by its editor when it shows one, else by its boxes.
    QMap<int, QColor> paintedMatches(QQuickItem* row) const
    {
        QMap<int, QColor> painted;
        QQuickItem* editor = nullptr;
        MatchMarks* marks = nullptr;
        for (QQuickItem* child : row->childItems()) {
            if (child->objectName() == QLatin1String("selectedLine")) {
                editor = child;
            } else if (child->objectName() == QLatin1String("matchMarks")) {
                marks = qobject_cast<MatchMarks*>(child);
            }
        }
        if (editor && editor->isVisible()) {
            auto* document = editor->property("textDocument").value<QQuickTextDocument*>();
            const QTextBlock block = document->textDocument()->firstBlock();
            for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
                if (range.format.hasProperty(QTextFormat::BackgroundBrush)) {
                    painted.insert(range.start, range.format.background().color());
                }
            }
        } else if (marks && marks->isVisible()) {
            for (const MatchMarks::Mark& mark : marks->marks()) {
                painted.insert(int(mark.column), mark.color);
            }
        }
        return painted;
    }

    QColor themeColour(const char* name) const { return m_theme->property(name).value<QColor>(); }

    void openBar()
    {
        QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(m_field->hasActiveFocus());
    }

    void typePattern(const QString& text)
    {
        m_ui.selectAll();
        m_ui.typeText(text);
        m_controller->logSearch()->finish();
        QTRY_VERIFY(!m_controller->logSearch()->searching());
    }

    void closeBar()
    {
        if (m_bar->property("opened").toBool()) {
            QMetaObject::invokeMethod(m_bar, "close");
        }
    }

    void resetBarToggles()
    {
        for (const char* name : {"findRegexButton", "findCaseButton", "findFilterButton"}) {
            m_ui.item(QString::fromLatin1(name))->setProperty("checked", false);
        }
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void ctrlFOpensWithFocusAndEscReturnsIt();
    void countsMatches_data();
    void countsMatches();
    void stepsThroughMatchesAndStopsFollowing();
    void paintsMatchesCurrentStronger();
    void filterShowsMatchesAndKeepsThePlace();
    void ruleFromSettingsColoursLines();
};

void TestFindBar::initTestCase()
{
    korveltest::isolateSettingsInEnglish();
    QVERIFY(m_ui.load());
    m_window = m_ui.window();
    m_controller = m_ui.controller();
    m_list = m_ui.item(QStringLiteral("logView"));
    m_bar = m_ui.item(QStringLiteral("findBar"));
    m_field = m_ui.item(QStringLiteral("findField"));
    QVERIFY(m_list && m_bar && m_field);
    // The window's own Theme, to compare the colours drawn with.
    QQmlComponent component(qmlEngine(m_bar));
    component.setData(
        "import QtQuick\nimport Korvel\nQtObject { property QtObject theme: Theme }\n",
        QUrl(QStringLiteral("qrc:/tst_findbar.qml")));
    m_themeHolder.reset(component.create());
    QVERIFY2(m_themeHolder, qPrintable(component.errorString()));
    m_theme = m_themeHolder->property("theme").value<QObject*>();
    QVERIFY(m_theme);
}

void TestFindBar::init()
{
    korveltest::failOnQmlWarnings();
    m_controller->logModel()->clear();
    m_controller->logModel()->setHexMode(false);
    QMetaObject::invokeMethod(m_ui.item(QStringLiteral("monitor")), "scrollToNewest");
}

void TestFindBar::cleanup()
{
    closeBar();
    resetBarToggles();
    QVERIFY(m_ui.warnings().isEmpty());
}

void TestFindBar::cleanupTestCase()
{
    m_themeHolder.reset();
    m_ui.unload();
}

void TestFindBar::ctrlFOpensWithFocusAndEscReturnsIt()
{
    m_list->forceActiveFocus();
    QVERIFY(m_list->hasActiveFocus());
    QVERIFY(!m_bar->isVisible());
    openBar();
    QVERIFY(m_bar->isVisible());
    QTest::keyClick(m_window, Qt::Key_Escape);
    QTRY_VERIFY(!m_bar->isVisible());
    QVERIFY(m_list->hasActiveFocus());
    // Closed, the search stops: no pattern, nothing marked.
    QCOMPARE(m_controller->logSearch()->pattern(), QString());

    // The tool bar button and the Edit menu open it too.
    m_ui.click(m_ui.item(QStringLiteral("findToolButton")));
    QTRY_VERIFY(m_field->hasActiveFocus());
    closeBar();
    QTRY_VERIFY(!m_bar->isVisible());
}

void TestFindBar::countsMatches_data()
{
    QTest::addColumn<bool>("regex");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    // 12 lines say "alarm raised"; line 3 says "ALARM" too.
    QTest::newRow("text") << false << false << "alarm"
                          << "13 of 13";
    QTest::newRow("text, match case") << false << true << "alarm"
                                      << "12 of 12";
    QTest::newRow("regex") << true << false << "payload \\d0 alarm"
                           << "9 of 9";
    QTest::newRow("regex, no match") << true << false << "^nothing$"
                                     << "No matches";
    QTest::newRow("invalid regex") << true << false << "alarm("
                                   << "";
    QTest::newRow("text with regex signs") << false << false << "alarm("
                                           << "No matches";
}

void TestFindBar::countsMatches()
{
    QFETCH(bool, regex);
    QFETCH(bool, matchCase);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QList<int> alarms;
    for (int i = 0; i < 120; i += 10) {
        alarms << i;
    }
    m_controller->logStore().appendBatch(LogKind::RX, lines(0, 120, alarms));
    m_controller->logStore().append(LogKind::SYS, "ALARM from the device");
    openBar();
    m_ui.item(QStringLiteral("findRegexButton"))->setProperty("checked", regex);
    m_ui.item(QStringLiteral("findCaseButton"))->setProperty("checked", matchCase);
    typePattern(pattern);
    if (expected.isEmpty()) {
        // The expression is shown as unusable and nothing is searched.
        QVERIFY(!m_controller->logSearch()->errorText().isEmpty());
        QCOMPARE(status(), m_controller->logSearch()->errorText());
        QCOMPARE(m_controller->logSearch()->matchCount(), 0);
    } else {
        QCOMPARE(status(), expected);
    }
}

void TestFindBar::stepsThroughMatchesAndStopsFollowing()
{
    m_controller->logStore().appendBatch(LogKind::RX, lines(0, 400, {20, 200}));
    rows()->update();
    QTRY_VERIFY(linesInView().contains(399.0));
    QVERIFY(following());
    openBar();
    typePattern(QStringLiteral("alarm"));
    QCOMPARE(status(), QStringLiteral("2 of 2")); // the newest is current

    // Enter shows the current match; again, the next one (round to the first).
    QTest::keyClick(m_window, Qt::Key_Return);
    QTRY_VERIFY(linesInView().contains(200.0));
    QVERIFY(!following());
    QTest::keyClick(m_window, Qt::Key_Return);
    QTRY_COMPARE(status(), QStringLiteral("1 of 2"));
    QTRY_VERIFY(linesInView().contains(20.0));
    QTest::keyClick(m_window, Qt::Key_Return, Qt::ShiftModifier);
    QTRY_COMPARE(status(), QStringLiteral("2 of 2"));
    QTRY_VERIFY(linesInView().contains(200.0));
    QTest::keyClick(m_window, Qt::Key_F3);
    QTRY_COMPARE(status(), QStringLiteral("1 of 2"));
    QTRY_VERIFY(linesInView().contains(20.0));
    QTest::keyClick(m_window, Qt::Key_F3, Qt::ShiftModifier);
    QTRY_COMPARE(status(), QStringLiteral("2 of 2"));
    QTRY_VERIFY(linesInView().contains(200.0));

    // New lines do not move the view off the match.
    m_controller->logStore().appendBatch(LogKind::RX, lines(400, 300));
    rows()->update();
    QTest::qWait(100);
    QVERIFY(linesInView().contains(200.0));
    QVERIFY(!following());

    // End on the lines follows again.
    QTest::keyClick(m_window, Qt::Key_Escape);
    QTRY_VERIFY(m_list->hasActiveFocus());
    QTest::keyClick(m_window, Qt::Key_End);
    QTRY_VERIFY(following());
    QTRY_VERIFY(linesInView().contains(699.0));
}

void TestFindBar::paintsMatchesCurrentStronger()
{
    m_controller->logModel()->setShowTimestamp(false);
    m_controller->logStore().append(LogKind::RX, "one alarm, two alarm");
    m_controller->logStore().append(LogKind::RX, "quiet");
    m_controller->logStore().append(LogKind::RX, "alarm again");
    rows()->update();
    openBar();
    typePattern(QStringLiteral("alarm"));
    QCOMPARE(status(), QStringLiteral("3 of 3"));
    const QColor match = themeColour("matchFill");
    const QColor current = themeColour("currentMatchFill");
    QVERIFY(match.isValid() && current.isValid() && match != current);

    // Columns count from the start of the row's text ("RX   " first).
    using Painted = QMap<int, QColor>;
    QTRY_COMPARE(paintedMatches(rowOfLine(2)), (Painted{{5, current}}));
    QTRY_COMPARE(paintedMatches(rowOfLine(0)), (Painted{{9, match}, {20, match}}));
    QCOMPARE(paintedMatches(rowOfLine(1)), Painted());

    QTest::keyClick(m_window, Qt::Key_Return); // shows the current one
    QTest::keyClick(m_window, Qt::Key_Return); // the first
    QTRY_COMPARE(paintedMatches(rowOfLine(0)), (Painted{{9, current}, {20, match}}));
    QTRY_COMPARE(paintedMatches(rowOfLine(2)), (Painted{{5, match}}));

    // Closed, nothing is marked.
    closeBar();
    QTRY_COMPARE(paintedMatches(rowOfLine(0)), Painted());
    m_controller->logModel()->setShowTimestamp(true);
}

void TestFindBar::filterShowsMatchesAndKeepsThePlace()
{
    QList<int> alarms;
    for (int i = 5; i < 600; i += 25) {
        alarms << i; // 24 lines
    }
    m_controller->logStore().appendBatch(LogKind::RX, lines(0, 600, alarms));
    rows()->update();
    openBar();
    typePattern(QStringLiteral("alarm"));
    // Stand on a match far from the newest line.
    for (int i = 0; i < 30 && m_controller->logSearch()->currentLine() != 305.0; ++i) {
        QTest::keyClick(m_window, Qt::Key_Return);
    }
    QCOMPARE(m_controller->logSearch()->currentLine(), 305.0);
    QTRY_VERIFY(linesInView().contains(305.0));

    QQuickItem* filterButton = m_ui.item(QStringLiteral("findFilterButton"));
    m_ui.click(filterButton);
    QTRY_VERIFY(m_controller->logFilter()->filtering());
    QTRY_COMPARE(rows()->rowCount(), 24);
    for (int row = 0; row < rows()->rowCount(); ++row) {
        QVERIFY(alarms.contains(int(rows()->lineNumberAt(row))));
    }
    QTRY_COMPARE(m_ui.item(QStringLiteral("hiddenCountLabel"))->property("text").toString(),
                 QStringLiteral("576 lines hidden"));
    QTRY_VERIFY(linesInView().contains(305.0));

    // New lines are filtered as they come.
    m_controller->logStore().appendBatch(LogKind::RX, lines(600, 50, {610, 640}));
    rows()->update();
    QTRY_COMPARE(rows()->rowCount(), 26);
    QCOMPARE(rows()->lineNumberAt(0), 640.0);
    QTRY_COMPARE(m_ui.item(QStringLiteral("hiddenCountLabel"))->property("text").toString(),
                 QStringLiteral("624 lines hidden"));

    // Off: the full log, the same line in view.
    m_ui.click(filterButton);
    QTRY_VERIFY(!m_controller->logFilter()->filtering());
    QTRY_COMPARE(rows()->rowCount(), 650);
    QTRY_VERIFY(linesInView().contains(305.0));
    QVERIFY(!following());
    QVERIFY(!m_ui.item(QStringLiteral("hiddenCountLabel"))->isVisible());
}

void TestFindBar::ruleFromSettingsColoursLines()
{
    m_controller->logStore().append(LogKind::RX, "all fine");
    m_controller->logStore().append(LogKind::RX, "ERROR: sensor lost");
    rows()->update();
    HighlightRuleModel* rules = m_controller->highlightRules();
    QCOMPARE(rules->rowCount(), 0);

    QVERIFY(m_ui.clickWhenReady(QStringLiteral("settingsToolButton")));
    QVERIFY(m_ui.waitOpened(QStringLiteral("settingsDialog")));
    QVERIFY(m_ui.clickWhenReady(QStringLiteral("editRulesButton")));
    QVERIFY(m_ui.waitOpened(QStringLiteral("highlightRulesDialog")));
    QQuickItem* pattern = m_ui.item(QStringLiteral("rulePatternField"));
    QVERIFY(pattern);
    m_ui.click(pattern);
    QTRY_VERIFY(pattern->hasActiveFocus());
    m_ui.typeText(QStringLiteral("error"));
    QVERIFY(m_ui.clickWhenReady(QStringLiteral("swatch_green")));
    QVERIFY(m_ui.clickWhenReady(QStringLiteral("saveRuleButton")));
    QTRY_COMPARE(rules->rowCount(), 1);
    QCOMPARE(rules->rules().constFirst(),
             (HighlightRule{QStringLiteral("error"), false, QStringLiteral("green")}));
    QCOMPARE(pattern->property("text").toString(), QString()); // ready for the next

    QTRY_COMPARE(m_ui.item(QStringLiteral("ruleCountLabel"))->property("text").toString(),
                 QStringLiteral("1 rule colours matching lines."));
    QVERIFY(m_ui.clickWhenReady(QStringLiteral("rulesCloseButton")));
    QVERIFY(m_ui.waitClosed(QStringLiteral("highlightRulesDialog")));
    QVERIFY(m_ui.clickWhenReady(QStringLiteral("settingsCloseButton")));
    QVERIFY(m_ui.waitClosed(QStringLiteral("settingsDialog")));
    auto tintOf = [this](double line) {
        QQuickItem* row = rowOfLine(line);
        for (QQuickItem* child : row ? row->childItems() : QList<QQuickItem*>()) {
            if (child->objectName() == QLatin1String("ruleTint") && child->isVisible()) {
                return child->property("color").value<QColor>();
            }
        }
        return QColor();
    };
    const int green = int(rules->colourNames().indexOf(QStringLiteral("green")));
    const QColor tint = m_theme->property("ruleTints").toList().at(green).value<QColor>();
    QTRY_COMPARE(tintOf(1), tint);
    QCOMPARE(tintOf(0), QColor());
    // Lines that come later are coloured as they arrive.
    m_controller->logStore().append(LogKind::RX, "another error");
    rows()->update();
    QTRY_COMPARE(tintOf(2), tint);

    rules->removeRule(0);
    QTRY_COMPARE(tintOf(1), QColor());
}

QTEST_MAIN(TestFindBar)
#include "tst_findbar.moc"
