// The fields panel in the real main window, fed by the device simulator's
// JSON reports through a pseudo-terminal: the table's rows and values, the
// plotted lines drawn in both themes, a hidden panel that reads nothing,
// its stored visibility and a monitor line shown as JSON.
#include "app/appcontroller.h"
#include "log/fieldmonitor.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <cmath>

namespace {

const QStringList kWatched{"Main.qml", "FieldsPanel.qml", "JsonLineDialog.qml",
                           "DataMonitorView.qml"};

// The fields of a JSON value by path, as the panel names them.
void flatten(const QJsonValue& value, const QString& path, QMap<QString, QJsonValue>& out)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            flatten(it.value(), path.isEmpty() ? it.key() : path + '.' + it.key(), out);
        }
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i) {
            flatten(array.at(i), path + QStringLiteral("[%1]").arg(i), out);
        }
    } else {
        out.insert(path, value);
    }
}

QString shortest(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

double luminance(const QColor& c)
{
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

int pixelsNear(const QImage& image, const QColor& colour, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                    qAbs(c.blue() - colour.blue()) <
                40) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace

class TestFieldsPanel : public QObject
{
    Q_OBJECT

private:
    korveltest::MainWindowDriver m_ui;

    QQuickItem* item(const char* name) const { return m_ui.item(QLatin1String(name)); }
    FieldMonitor* fields() const { return m_ui.controller()->fields(); }

    QList<QJsonObject> receivedReports() const
    {
        QList<QJsonObject> reports;
        for (const QByteArray& line : korveltest::rxLines(m_ui.controller()->logStore())) {
            const QJsonDocument doc = QJsonDocument::fromJson(line);
            if (doc.isObject()) {
                reports << doc.object();
            }
        }
        return reports;
    }

private slots:
    void initTestCase() { korveltest::isolateSettings(); }

    void cleanup()
    {
        QVERIFY2(m_ui.warnings().isEmpty(), qPrintable(m_ui.warnings().join('\n')));
        m_ui.unload();
        QSettings().clear();
    }

    // A new user opens the simulator in its JSON report mode and, with no
    // setup, sees every field with its latest value, extremes and count,
    // and the first numeric ones plotted.
    void reportsFillTheTableAndThePlot_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::newRow("light") << "light";
        QTest::newRow("dark") << "dark";
    }

    void reportsFillTheTableAndThePlot()
    {
        QFETCH(QString, theme);
        QVERIFY(m_ui.load(kWatched));
        AppController* controller = m_ui.controller();
        controller->setThemeMode(theme);
        QVERIFY(fields()->shown());

        korveltest::Simulator sim;
        QVERIFY2(sim.start({"--report", "40", "--shape", "nested"}), qPrintable(sim.error()));
        QVERIFY(korveltest::openDefault(*controller, sim.path()));
        QQuickItem* table = item("fieldsTable");
        QVERIFY(table);
        QTRY_VERIFY_WITH_TIMEOUT(table->property("count").toInt() == 10, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(receivedReports().size() >= 25, 10000);
        controller->closePort();
        const QList<QJsonObject> reports = receivedReports();

        // What the table shows once it has caught up with the last line.
        QMap<QString, QJsonValue> last;
        flatten(reports.constLast(), QString(), last);
        const auto shownSamples = [&] {
            QQuickItem* row = m_ui.listRow(table, 2);
            return row ? row->property("samples").toString() : QString();
        };
        QTRY_COMPARE(shownSamples(), QString::number(reports.size()));
        const QStringList expectedOrder{"event",     "seq",      "temperature", "humidity",
                                        "light.lux", "light.ir", "wifi.rssi",   "accel[0]",
                                        "accel[1]",  "accel[2]"};
        for (int row = 0; row < expectedOrder.size(); ++row) {
            QQuickItem* rowItem = m_ui.listRow(table, row);
            if (!rowItem) {
                QMetaObject::invokeMethod(table, "positionViewAtIndex", Q_ARG(int, row),
                                          Q_ARG(int, 0));
                QTRY_VERIFY((rowItem = m_ui.listRow(table, row)) != nullptr);
            }
            const QString name = expectedOrder.at(row);
            QCOMPARE(rowItem->property("name").toString(), name);
            const QJsonValue latest = last.value(name);
            if (latest.isString()) {
                QCOMPARE(rowItem->property("latest").toString(), latest.toString());
                QCOMPARE(rowItem->property("minimum").toString(), QString());
                continue;
            }
            QCOMPARE(rowItem->property("latest").toString(), shortest(latest.toDouble()));
            double low = INFINITY;
            double high = -INFINITY;
            for (const QJsonObject& report : reports) {
                QMap<QString, QJsonValue> values;
                flatten(report, QString(), values);
                low = qMin(low, values.value(name).toDouble());
                high = qMax(high, values.value(name).toDouble());
            }
            QCOMPARE(rowItem->property("minimum").toString(), shortest(low));
            QCOMPARE(rowItem->property("maximum").toString(), shortest(high));
            QCOMPARE(rowItem->property("samples").toString(), QString::number(reports.size()));
        }

        // The four plotted fields (seq is a counter and not plotted) are
        // drawn, each in its own colour, which reads on the theme.
        QQuickItem* plot = item("fieldPlot");
        QVERIFY(plot);
        const QVariantList palette = plot->property("seriesColours").toList();
        const QColor background = plot->property("backgroundColour").value<QColor>();
        QCOMPARE(palette.size(), 10);
        for (const QVariant& colour : palette) {
            QVERIFY2(contrast(colour.value<QColor>(), background) >= 3.0,
                     qPrintable(colour.value<QColor>().name()));
        }
        QCOMPARE(plot->property("legend").toList().size(), 4);
        const QRectF area = plot->property("plotArea").toRectF();
        const QRect inWindow = plot->mapRectToScene(area).toRect().adjusted(2, 2, -2, -2);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QImage image = m_ui.window()->grabWindow();
                for (const QVariant& entry : plot->property("legend").toList()) {
                    const QColor colour = entry.toMap().value("colour").value<QColor>();
                    if (pixelsNear(image, colour, inWindow) < 20) {
                        return false;
                    }
                }
                return true;
            }(),
            5000);
    }

    // Hidden, the panel reads nothing at all; shown again from the tool bar
    // it reads what the log holds.
    void hiddenPanelReadsNothing()
    {
        QVERIFY(m_ui.load(kWatched));
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("fieldsToolButton")));
        QVERIFY(!fields()->shown());
        QTRY_VERIFY(!item("fieldsPanel")->isVisible());

        korveltest::Simulator sim;
        QVERIFY2(sim.start({"--report", "30", "--shape", "labels"}), qPrintable(sim.error()));
        QVERIFY(korveltest::openDefault(*m_ui.controller(), sim.path()));
        QTRY_VERIFY_WITH_TIMEOUT(korveltest::rxLines(m_ui.controller()->logStore()).size() >= 10,
                                 10000);
        const FieldStore::LineCounts& counts = fields()->store().lineCounts();
        QCOMPARE(counts.pairs + counts.json + counts.numbers + counts.other, 0);
        QCOMPARE(fields()->fieldCount(), 0);

        QVERIFY(m_ui.clickWhenReady(QStringLiteral("fieldsToolButton")));
        QVERIFY(fields()->shown());
        QVERIFY(item("fieldsPanel")->isVisible());
        QVERIFY(counts.pairs >= 10);
        QCOMPARE(fields()->store().field(0).name, QStringLiteral("seq"));
        QTRY_VERIFY(item("fieldsTable")->property("count").toInt() == 4);
    }

    // The choice outlives the window.
    void visibilityIsStored()
    {
        QVERIFY(m_ui.load(kWatched));
        QVERIFY(item("fieldsPanel")->isVisible());
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("fieldsToolButton")));
        m_ui.unload();
        QVERIFY(m_ui.load(kWatched));
        QVERIFY(!fields()->shown());
        QVERIFY(!item("fieldsPanel")->isVisible());
        QVERIFY(!item("fieldsToolButton")->property("checked").toBool());
    }

    // A monitor line's context menu shows it as JSON; a broken line says
    // where it breaks.
    void showLineAsJson()
    {
        QVERIFY(m_ui.load(kWatched));
        LogManager& log = m_ui.controller()->logStore();
        log.append(LogKind::RX, R"({"event":"report","light":{"lux":312}})");
        QQuickItem* list = item("logView");
        QTRY_VERIFY(m_ui.listRow(list, 0) != nullptr);
        QTRY_VERIFY(m_ui.listRow(list, 0)->property("lineNumber").toDouble() >= 0);

        auto showNewest = [&] {
            m_ui.click(m_ui.listRow(list, 0), Qt::RightButton);
            return m_ui.waitOpened(QStringLiteral("monitorContextMenu")) &&
                   m_ui.clickWhenReady(QStringLiteral("jsonMenuItem")) &&
                   m_ui.waitOpened(QStringLiteral("jsonLineDialog"));
        };
        QVERIFY(showNewest());
        QQuickItem* text = item("jsonText");
        QCOMPARE(text->property("text").toString(),
                 QStringLiteral("{\n  \"event\": \"report\",\n  \"light\": {\n    \"lux\": 312\n"
                                "  }\n}"));
        QVERIFY(!item("jsonProblem")->isVisible());
        QGuiApplication::clipboard()->clear();
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("jsonCopyButton")));
        QCOMPARE(QGuiApplication::clipboard()->text(), text->property("text").toString());
        QMetaObject::invokeMethod(m_ui.object(QStringLiteral("jsonLineDialog")), "close");
        QVERIFY(m_ui.waitClosed(QStringLiteral("jsonLineDialog")));

        log.append(LogKind::RX, R"({"event":"broken","light":{"lux":31)");
        QTRY_VERIFY(m_ui.listRow(list, 0)->property("line").toString().contains("broken"));
        QVERIFY(showNewest());
        QVERIFY(item("jsonProblem")->isVisible());
        QVERIFY2(item("jsonProblem")->property("text").toString().contains("character 36"),
                 qPrintable(item("jsonProblem")->property("text").toString()));
        QCOMPARE(text->property("selectionStart").toInt(), 35);
    }
};

QTEST_MAIN(TestFieldsPanel)
#include "tst_fieldspanel.moc"
