// The fields panel in the real main window, fed by the device simulator's
// JSON reports through a pseudo-terminal: the table's rows and values, the
// plotted lines drawn in both themes, a hidden panel that reads nothing,
// its stored visibility and a monitor line shown as JSON.
#include "app/appcontroller.h"
#include "log/fieldmonitor.h"
#include "log/fieldtablemodel.h"
#include "support/controllersupport.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
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

// Pixels of a line drawn in @p colour on @p background inside @p area: an
// antialiased line's pixels lie between the two, at least partly covered.
int pixelsNear(const QImage& image, const QColor& colour, const QColor& background,
               const QRect& area)
{
    const double dr = colour.red() - background.red();
    const double dg = colour.green() - background.green();
    const double db = colour.blue() - background.blue();
    const double length2 = dr * dr + dg * dg + db * db;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const double pr = c.red() - background.red();
            const double pg = c.green() - background.green();
            const double pb = c.blue() - background.blue();
            const double share = (pr * dr + pg * dg + pb * db) / length2;
            const double off = std::hypot(pr - share * dr, pg - share * dg, pb - share * db);
            if (share >= 0.4 && share <= 1.1 && off < 20) {
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

    // The plot's drawing area in the window, less its border.
    QRect plotRect() const
    {
        QQuickItem* plot = item("fieldPlot");
        const QRectF area = plot->property("plotArea").toRectF();
        return plot->mapRectToScene(area).toRect().adjusted(2, 2, -2, -2);
    }

    // Every series of the legend shows in its colour across at least half
    // the plot's width: empty when so, else what each series has.
    QString seriesDrawn() const
    {
        QQuickItem* plot = item("fieldPlot");
        QString missing;
        const bool drawn = QTest::qWaitFor(
            [&] {
                missing.clear();
                const QImage image = m_ui.window()->grabWindow();
                for (const QVariant& entry : plot->property("legend").toList()) {
                    const QColor colour = entry.toMap().value("colour").value<QColor>();
                    const int pixels = pixelsNear(image, colour, background(), plotRect());
                    if (pixels < plotRect().width() / 2) {
                        missing += QStringLiteral("%1: %2 pixels; ")
                                       .arg(entry.toMap().value("name").toString())
                                       .arg(pixels);
                    }
                }
                return missing.isEmpty();
            },
            5000);
        return drawn ? QString() : missing;
    }

    // The file dialog opens; a name is given in it and accepted.
    bool saveThroughDialog(const QString& name, const QString& path) const
    {
        QObject* dialog = m_ui.object(name);
        if (!dialog ||
            !QTest::qWaitFor([dialog] { return dialog->property("visible").toBool(); })) {
            return false;
        }
        // Without a native dialog the window shows Qt Quick's own, which
        // holds the choice until it is accepted.
        QObject* shown = nullptr;
        for (QObject* child : m_ui.window()->findChildren<QObject*>()) {
            if (child->inherits("QQuickFileDialogImpl") && child->property("visible").toBool()) {
                shown = child;
            }
        }
        if (!shown) {
            return false;
        }
        shown->setProperty("selectedFile", QUrl::fromLocalFile(path));
        QMetaObject::invokeMethod(shown, "accept");
        return QTest::qWaitFor([dialog] { return !dialog->property("visible").toBool(); });
    }

    QColor background() const
    {
        return item("fieldPlot")->property("backgroundColour").value<QColor>();
    }

    // As a user would: the time choice set to every kept sample, so that a
    // short run spans the plot.
    void showEverySample()
    {
        QQuickItem* choice = item("plotWindowChoice");
        QTRY_VERIFY(choice->isVisible());
        choice->setProperty("currentIndex", 3);
        QTRY_COMPARE(item("fieldPlot")->property("windowSeconds").toInt(), 0);
    }

    QList<LogEntry> receivedEntries() const
    {
        QList<LogEntry> entries;
        for (const LogEntry& entry : m_ui.controller()->logStore().entries()) {
            if (entry.kind == LogKind::RX && QJsonDocument::fromJson(entry.data).isObject()) {
                entries << entry;
            }
        }
        return entries;
    }

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
        showEverySample();
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
        // Each alone as well: light.ir and temperature lie a few pixels
        // apart, and where two lines cross neither colour shows pure.
        FieldTableModel* model = fields()->fields();
        QList<int> plotted;
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->data(model->index(row), FieldTableModel::PlottedRole).toBool()) {
                plotted << row;
            }
        }
        QCOMPARE(plotted.size(), 4);
        for (int row : std::as_const(plotted)) {
            for (int other : std::as_const(plotted)) {
                model->setPlotted(other, other == row);
            }
            QTRY_COMPARE(plot->property("legend").toList().size(), 1);
            QCOMPARE(seriesDrawn(), QString());
        }
    }

    // Ticking and unticking rows changes what is drawn; a paused plot stays
    // as it was while the table goes on counting; the PNG holds the plot
    // and the CSV every kept sample; clearing empties table and plot.
    void plotControlsAndExports()
    {
        QVERIFY(m_ui.load(kWatched));
        AppController* controller = m_ui.controller();
        korveltest::Simulator sim;
        QVERIFY2(sim.start({"--report", "40", "--shape", "nested"}), qPrintable(sim.error()));
        QVERIFY(korveltest::openDefault(*controller, sim.path()));
        QQuickItem* table = item("fieldsTable");
        QQuickItem* plot = item("fieldPlot");
        QTRY_VERIFY_WITH_TIMEOUT(table->property("count").toInt() == 10, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(receivedReports().size() >= 30, 10000);
        const auto legendNames = [plot] {
            QStringList names;
            for (const QVariant& entry : plot->property("legend").toList()) {
                names << entry.toMap().value("name").toString();
            }
            return names;
        };
        QTRY_COMPARE(legendNames(),
                     (QStringList{"temperature", "humidity", "light.lux", "light.ir"}));

        const QColor temperatureColour =
            plot->property("legend").toList().constFirst().toMap().value("colour").value<QColor>();
        QCOMPARE(seriesDrawn(), QString());
        // Row 1 is seq (not plotted at first), row 2 temperature.
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("plotCheck1")));
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("plotCheck2")));
        QTRY_COMPARE(legendNames(), (QStringList{"seq", "humidity", "light.lux", "light.ir"}));
        QCOMPARE(seriesDrawn(), QString());
        QTRY_COMPARE(
            pixelsNear(m_ui.window()->grabWindow(), temperatureColour, background(), plotRect()),
            0);

        // Paused, the plot keeps its picture while samples still come in.
        const auto samplesOf = [&](int row) {
            return fields()->store().field(row).updates;
        };
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("plotPauseButton")));
        QTRY_VERIFY(plot->property("paused").toBool());
        QTest::qWait(100);
        const QImage frozen = m_ui.window()->grabWindow().copy(plotRect());
        const qint64 before = samplesOf(1);
        QTRY_VERIFY_WITH_TIMEOUT(samplesOf(1) >= before + 10, 5000);
        QCOMPARE(m_ui.window()->grabWindow().copy(plotRect()), frozen);
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("plotPauseButton")));
        QTRY_VERIFY(m_ui.window()->grabWindow().copy(plotRect()) != frozen);

        controller->closePort();
        const QList<LogEntry> received = receivedEntries();
        QTRY_COMPARE(samplesOf(1), qint64(received.size()));

        // The PNG: the plot's size, every plotted series in it.
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("plot.png"));
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("plotPngButton")));
        QVERIFY(saveThroughDialog(QStringLiteral("plotPngDialog"), png));
        QTRY_VERIFY(QFileInfo::exists(png));
        const QImage saved(png);
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.size() / saved.devicePixelRatio(),
                 QSize(int(plot->width()), int(plot->height())));
        const QRect savedArea =
            plot->property("plotArea").toRectF().toRect().adjusted(2, 2, -2, -2);
        for (const QVariant& entry : plot->property("legend").toList()) {
            const QColor colour = entry.toMap().value("colour").value<QColor>();
            QVERIFY2(pixelsNear(saved.scaled(int(plot->width()), int(plot->height())), colour,
                                background(), savedArea) > savedArea.width() / 2,
                     qPrintable(entry.toMap().value("name").toString()));
        }
        QTRY_VERIFY(item("fieldsExportText")->property("text").toString().contains(png));

        // The CSV: a row per received report, its time and every number.
        const QString csv = dir.filePath(QStringLiteral("samples.csv"));
        QVERIFY(m_ui.clickWhenReady(QStringLiteral("fieldsCsvButton")));
        QVERIFY(saveThroughDialog(QStringLiteral("fieldsCsvDialog"), csv));
        QTRY_VERIFY(QFileInfo::exists(csv));
        QList<QByteArray> rows = korveltest::fileBytes(csv).split('\n');
        QCOMPARE(rows.takeLast(), QByteArray());
        const QStringList numeric{"seq",       "temperature", "humidity", "light.lux", "light.ir",
                                  "wifi.rssi", "accel[0]",    "accel[1]", "accel[2]"};
        QStringList header{"time"};
        for (const QString& name : numeric) {
            header << '"' + name + '"';
        }
        QCOMPARE(QString::fromUtf8(rows.takeFirst()), header.join(','));
        QCOMPARE(rows.size(), received.size());
        for (int i = 0; i < rows.size(); ++i) {
            const QList<QByteArray> cells = rows.at(i).split(',');
            QCOMPARE(cells.size(), header.size());
            QCOMPARE(QDateTime::fromString(QString::fromLatin1(cells.at(0)), Qt::ISODateWithMs),
                     received.at(i).time);
            QMap<QString, QJsonValue> values;
            flatten(QJsonDocument::fromJson(received.at(i).data).object(), QString(), values);
            for (int c = 0; c < numeric.size(); ++c) {
                QCOMPARE(cells.at(c + 1).toDouble(), values.value(numeric.at(c)).toDouble());
            }
        }

        QVERIFY(m_ui.clickWhenReady(QStringLiteral("fieldsClearButton")));
        QTRY_COMPARE(table->property("count").toInt(), 0);
        QTRY_VERIFY(plot->property("legend").toList().isEmpty());
        QCOMPARE(fields()->fieldCount(), 0);
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
