// The fields panel's back end over a real log store and real settings: a
// hidden panel reads nothing, showing it reads what the log holds, the
// table model, the notice, a line shown as JSON and the CSV export.
#include "log/fieldmonitor.h"
#include "log/logmanager.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

namespace {

QString cell(const FieldTableModel* model, int row, int role)
{
    return model->data(model->index(row), role).toString();
}

} // namespace

class TestFieldMonitor : public QObject
{
    Q_OBJECT

private:
    LogManager m_log;
    QDateTime m_time;
    std::unique_ptr<FieldMonitor> m_monitor;

    void rx(const QList<QByteArray>& lines) { m_log.appendBatch(LogKind::RX, lines); }

    // A monitor over a fresh log, with the panel's stored visibility set first.
    FieldMonitor* makeMonitor(bool shown)
    {
        m_monitor.reset();
        m_log.clear();
        SettingsStore().setFieldsPanelShown(shown);
        m_monitor = std::make_unique<FieldMonitor>(&m_log);
        return m_monitor.get();
    }

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        m_time = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, QTimeZone::utc());
        m_log.setClock([this] { return m_time; });
    }

    void init() { m_time = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, QTimeZone::utc()); }

    void cleanup() { m_monitor.reset(); }

    // A hidden panel reads no line at all; shown, it first reads what the log
    // still holds (received lines only), then every new arrival, never one
    // twice.
    void hiddenPanelReadsNothing()
    {
        FieldMonitor* monitor = makeMonitor(false);
        QVERIFY(!monitor->shown());
        rx({R"({"a":1})", R"({"a":2,"b":"x"})", "hello"});
        m_log.append(LogKind::TX, R"({"tx":1})");
        const FieldStore::LineCounts& counts = monitor->store().lineCounts();
        QCOMPARE(counts.json + counts.other + counts.pairs + counts.numbers, 0);
        QCOMPARE(monitor->fieldCount(), 0);

        QSignalSpy shown(monitor, &FieldMonitor::shownChanged);
        monitor->setShown(true);
        QCOMPARE(shown.count(), 1);
        QVERIFY(SettingsStore().fieldsPanelShown());
        QCOMPARE(monitor->fieldCount(), 2);
        QCOMPARE(counts.json, 2);
        QCOMPARE(counts.other, 1);

        rx({R"({"a":3})"});
        QCOMPARE(monitor->store().field(0).updates, 3);

        monitor->setShown(false);
        QVERIFY(!SettingsStore().fieldsPanelShown());
        rx({R"({"a":4})", R"({"a":5})"});
        QCOMPARE(monitor->store().field(0).updates, 3);
        monitor->setShown(true);
        QCOMPARE(monitor->store().field(0).updates, 5);
        QCOMPARE(monitor->store().latestText(0), QStringLiteral("5"));

        // Setting the same value again changes and stores nothing.
        shown.clear();
        monitor->setShown(true);
        QCOMPARE(shown.count(), 0);
    }

    // After the log was cleared its numbers start again at 0: lines received
    // while hidden are still read, however many there were before.
    void clearedLogWhileHidden()
    {
        FieldMonitor* monitor = makeMonitor(true);
        QList<QByteArray> many;
        for (int i = 0; i < 40; ++i) {
            many << "v:" + QByteArray::number(i);
        }
        rx(many);
        monitor->setShown(false);
        m_log.clear();
        rx({"w:1", "w:2"});
        monitor->setShown(true);
        QCOMPARE(monitor->store().field(monitor->store().indexOf("w")).updates, 2);
        QCOMPARE(monitor->store().field(0).updates, 40);
    }

    // Lines beyond what the log keeps still reach the fields.
    void batchLargerThanTheLog()
    {
        FieldMonitor* monitor = makeMonitor(true);
        QList<QByteArray> lines;
        for (int i = 0; i < LogManager::Capacity + 500; ++i) {
            lines << "n:" + QByteArray::number(i);
        }
        rx(lines);
        QCOMPARE(monitor->store().field(0).updates, qint64(LogManager::Capacity + 500));
    }

    void tableModel()
    {
        FieldMonitor* monitor = makeMonitor(true);
        FieldTableModel* model = monitor->fields();
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy count(monitor, &FieldMonitor::fieldCountChanged);

        rx({R"({"event":"report","temperature":23.4,"light":{"lux":312}})"});
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(count.count(), 1);
        QCOMPARE(model->roleNames().value(FieldTableModel::NameRole), QByteArray("name"));
        QCOMPARE(cell(model, 2, FieldTableModel::NameRole), QStringLiteral("light.lux"));
        QCOMPARE(cell(model, 0, FieldTableModel::LatestRole), QStringLiteral("report"));
        QCOMPARE(cell(model, 0, FieldTableModel::MinimumRole), QString());
        QVERIFY(!model->data(model->index(0), FieldTableModel::PlottableRole).toBool());
        QVERIFY(model->data(model->index(1), FieldTableModel::PlottedRole).toBool());
        QVERIFY(!model->data(model->index(3), FieldTableModel::NameRole).isValid());

        // New values reach the rows at the next refresh, not line by line.
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        m_time = m_time.addMSecs(500);
        rx({R"({"event":"report","temperature":19.5,"light":{"lux":300}})"});
        QCOMPARE(changed.count(), 0);
        QTRY_COMPARE(cell(model, 1, FieldTableModel::LatestRole), QStringLiteral("19.5"));
        QCOMPARE(cell(model, 1, FieldTableModel::MinimumRole), QStringLiteral("19.5"));
        QCOMPARE(cell(model, 1, FieldTableModel::MaximumRole), QStringLiteral("23.4"));
        QCOMPARE(cell(model, 1, FieldTableModel::SamplesRole), QStringLiteral("2"));

        // Plotting through the model; the same value again emits nothing, a
        // text field cannot be plotted, a row out of range is ignored.
        QSignalSpy plotted(monitor, &FieldMonitor::plottedChanged);
        changed.clear();
        model->setPlotted(1, false);
        QCOMPARE(plotted.count(), 1);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!model->data(model->index(1), FieldTableModel::PlottedRole).toBool());
        model->setPlotted(1, false);
        model->setPlotted(0, true);
        model->setPlotted(7, true);
        model->setPlotted(-1, true);
        QCOMPARE(plotted.count(), 1);

        monitor->clear();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(monitor->fieldCount(), 0);
    }

    void notice()
    {
        FieldMonitor* monitor = makeMonitor(true);
        QSignalSpy changed(monitor, &FieldMonitor::noticeChanged);
        QByteArray line = "{";
        for (int i = 0; i < 66; ++i) {
            line += (i ? ",\"f" : "\"f") + QByteArray::number(i) + "\":1";
        }
        rx({line + '}'});
        QCOMPARE(changed.count(), 1);
        QVERIFY2(monitor->notice().contains(QStringLiteral("64")), qPrintable(monitor->notice()));
        QVERIFY2(monitor->notice().contains(QStringLiteral("(2)")), qPrintable(monitor->notice()));
        QVERIFY(monitor->notice().contains(QStringLiteral("f64, f65")));
        rx({line + '}'});
        QCOMPARE(changed.count(), 1);

        monitor->clear();
        QVERIFY(monitor->notice().isEmpty());
        rx({R"({"a":)", R"({"a":1} trailing)"});
        QTRY_VERIFY(monitor->notice().contains(QStringLiteral("Lines not read (2)")));
    }

    void lineAsJson()
    {
        FieldMonitor* monitor = makeMonitor(true);
        m_log.append(LogKind::SYS, "port opened");
        rx({R"({"b":1,"a":[true]})", R"({"b":1,)"});
        // Line 0 is the SYS line.
        QVariantMap valid = monitor->lineAsJson(1);
        QVERIFY(valid.value("found").toBool());
        QVERIFY(valid.value("valid").toBool());
        QCOMPARE(valid.value("text").toString(),
                 QStringLiteral("{\n  \"b\": 1,\n  \"a\": [\n    true\n  ]\n}"));
        const QVariantMap broken = monitor->lineAsJson(2);
        QVERIFY(!broken.value("valid").toBool());
        QCOMPARE(broken.value("errorPosition").toInt(), 7);
        QCOMPARE(broken.value("text").toString(), QStringLiteral(R"({"b":1,)"));
        for (const double gone : {-1.0, 3.0, 1e12}) {
            const QVariantMap missing = monitor->lineAsJson(gone);
            QVERIFY(!missing.value("found").toBool());
            QVERIFY(!missing.value("problem").toString().isEmpty());
        }
        // Numbers keep counting while old lines leave the log.
        QList<QByteArray> filler(LogManager::Capacity, "x");
        rx(filler);
        QVERIFY(!monitor->lineAsJson(1).value("found").toBool());
        rx({R"({"c":2})"});
        valid = monitor->lineAsJson(3 + LogManager::Capacity);
        QCOMPARE(valid.value("text").toString(), QStringLiteral("{\n  \"c\": 2\n}"));
    }

    // One row per line, its UTC time, a column per numeric field; lines of
    // one arrival share a time and keep their own rows.
    void csvExport()
    {
        FieldMonitor* monitor = makeMonitor(true);
        rx({R"({"a":1,"b":2,"s":"text"})", R"({"a":3})"});
        m_time = m_time.addMSecs(1500);
        rx({"b:5.25", R"({"a":-1e-7,"b":true})"});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/samples.csv"));
        QCOMPARE(monitor->exportCsv(path), QString());
        QCOMPARE(korveltest::fileBytes(path), QByteArray("time,\"a\",\"b\"\n"
                                                         "2023-11-14T22:13:20.000Z,1,2\n"
                                                         "2023-11-14T22:13:20.000Z,3,\n"
                                                         "2023-11-14T22:13:21.500Z,-1e-07,5.25\n"
                                                         "2023-11-14T22:13:21.500Z,,1\n"));

        QVERIFY(korveltest::writeFile(dir.filePath(QStringLiteral("file")), "x"));
        QVERIFY(!monitor->exportCsv(dir.filePath(QStringLiteral("file/samples.csv"))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFieldMonitor)
#include "tst_fieldmonitor.moc"
