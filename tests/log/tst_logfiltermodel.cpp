#include "log/logfiltermodel.h"
#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logsearch.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

// The store, its list model, a search and the filter over them, watched by
// the model tester.
struct Fixture
{
    LogManager log;
    LogListModel lines{&log};
    LogSearch search{&lines, &log};
    LogFilterModel filter{&lines, &search};
    QAbstractItemModelTester tester{&filter,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};
};

} // namespace

class TestLogFilterModel : public QObject
{
    Q_OBJECT

private slots:
    void filtersWhileLinesComeAndGo_data();
    void filtersWhileLinesComeAndGo();
    void withoutUsablePatternShowsAll_data();
    void withoutUsablePatternShowsAll();
    void unchangedFilteringEmitsNothing();
};

void TestLogFilterModel::filtersWhileLinesComeAndGo_data()
{
    QTest::addColumn<int>("batch");
    // Row by row, in batches the store announces as such, and in batches it
    // announces as a bulk change (the list model resets a moment later).
    QTest::newRow("single lines") << 1;
    QTest::newRow("small batches") << 97;
    QTest::newRow("bulk batches") << 1500;
}

void TestLogFilterModel::filtersWhileLinesComeAndGo()
{
    QFETCH(int, batch);

    Fixture f;
    LogManager& log = f.log;
    LogListModel& lines = f.lines;
    LogSearch& search = f.search;
    LogFilterModel& filter = f.filter;

    search.setPattern(QStringLiteral("alarm"));
    filter.setFiltering(true);
    // The count a bar bound to the search would show.
    int told = -1;
    connect(&search, &LogSearch::resultsChanged, this, [&] { told = search.matchCount(); });
    // Shown rows: those whose payload holds the pattern, in the log's order.
    auto expectedRows = [&] {
        QStringList rows;
        for (int row = 0; row < lines.rowCount(); ++row) {
            const QString text = lines.index(row).data(LogListModel::TextRole).toString();
            if (text.contains(QLatin1String("alarm"), Qt::CaseInsensitive)) {
                rows << text;
            }
        }
        return rows;
    };
    auto shownRows = [&] {
        QStringList rows;
        for (int row = 0; row < filter.rowCount(); ++row) {
            rows << filter.index(row, 0).data(LogListModel::TextRole).toString();
        }
        return rows;
    };

    int next = 0;
    // Past the capacity, so that old rows leave while new ones come.
    const int total = LogManager::Capacity * (batch == 1 ? 1 : 2) + 333;
    while (next < total) {
        QList<QByteArray> items;
        for (int i = 0; i < batch && next < total; ++i, ++next) {
            items << (next % 7 == 0 ? "ALARM " : "value ") + QByteArray::number(next);
        }
        QSignalSpy reset(&lines, &QAbstractItemModel::modelReset);
        log.appendBatch(LogKind::RX, items);
        // A bulk change reaches the list model (and so the filter) a moment
        // later, as one reset.
        if (items.size() > LogManager::BulkThreshold) {
            QVERIFY(reset.wait());
        }
        // Compared now and then: each comparison reads every row.
        if (next / 1000 != (next - int(items.size())) / 1000 || next == total) {
            QCOMPARE(lines.rowCount(), int(log.entries().size()));
            QTRY_VERIFY(!search.searching());
            QCOMPARE(shownRows(), expectedRows());
            // The filter has the new rows searched as it learns of them
            // first; the search still tells the new count.
            QCOMPARE(told, int(expectedRows().size()));
            QCOMPARE(filter.hiddenCount(), lines.rowCount() - filter.rowCount());
        }
    }
    QCOMPARE(lines.rowCount(), LogManager::Capacity);
    QVERIFY(filter.rowCount() > 0 && filter.hiddenCount() > 0);

    // Filtering off shows every row again, with nothing hidden.
    QSignalSpy hidden(&filter, &LogFilterModel::hiddenCountChanged);
    filter.setFiltering(false);
    QCOMPARE(filter.rowCount(), LogManager::Capacity);
    QCOMPARE(filter.hiddenCount(), 0);
    QCOMPARE(hidden.count(), 1);

    // A new pattern refilters once its pass is done.
    filter.setFiltering(true);
    search.setPattern(QString::number(next - 1));
    QTRY_VERIFY(!search.searching());
    QCOMPARE(filter.rowCount(), 1);
    QCOMPARE(filter.hiddenCount(), LogManager::Capacity - 1);
}

void TestLogFilterModel::withoutUsablePatternShowsAll_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("regex");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("invalid regex") << QStringLiteral("a[") << true;
    QTest::newRow("too long") << QString(LogMatcher::MaxPatternLength + 1, QLatin1Char('a'))
                              << false;
}

void TestLogFilterModel::withoutUsablePatternShowsAll()
{
    QFETCH(QString, pattern);
    QFETCH(bool, regex);

    Fixture f;
    f.log.appendBatch(LogKind::RX, {"a", "b", "c"});
    f.search.setRegex(regex);
    f.search.setPattern(QStringLiteral("b"));
    f.filter.setFiltering(true);
    QTRY_COMPARE(f.filter.rowCount(), 1);
    f.search.setPattern(pattern);
    QCOMPARE(f.filter.rowCount(), 3);
    QCOMPARE(f.filter.hiddenCount(), 0);
}

void TestLogFilterModel::unchangedFilteringEmitsNothing()
{
    Fixture f;
    auto& filter = f.filter;
    filter.setFiltering(true);
    QSignalSpy changed(&filter, &LogFilterModel::filteringChanged);
    filter.setFiltering(true);
    QCOMPARE(changed.count(), 0);
}

QTEST_GUILESS_MAIN(TestLogFilterModel)
#include "tst_logfiltermodel.moc"
