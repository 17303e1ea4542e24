// The plot drawn into an image: every plotted field in its colour, a lone
// spike among many samples, pausing, the window, the readout under the
// pointer, the legend and the PNG export (and its refusal without a name).
#include "log/fieldmonitor.h"
#include "log/fieldplot.h"
#include "log/logmanager.h"
#include "support/testsupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

namespace {

const QList<QColor> kColours{QColor("#1c6bb0"), QColor("#c92a2a"), QColor("#2b8a3e"),
                             QColor("#d9480f")};

// Pixels close to @p colour inside @p area.
int pixelsOf(const QImage& image, const QColor& colour, const QRect& area)
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

class TestFieldPlot : public QObject
{
    Q_OBJECT

private:
    LogManager m_log;
    QDateTime m_time;
    std::unique_ptr<FieldMonitor> m_monitor;
    std::unique_ptr<FieldPlot> m_plot;

    void rx(const QList<QByteArray>& lines) { m_log.appendBatch(LogKind::RX, lines); }

    QImage render()
    {
        QImage image(int(m_plot->width()), int(m_plot->height()), QImage::Format_RGB32);
        QPainter painter(&image);
        m_plot->draw(painter, QRectF(0, 0, m_plot->width(), m_plot->height()));
        return image;
    }

    QRect area() const { return m_plot->plotArea().toRect().adjusted(1, 1, -1, -1); }

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        m_log.setClock([this] { return m_time; });
    }

    void init()
    {
        m_time = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, QTimeZone::utc());
        m_log.clear();
        SettingsStore().setFieldsPanelShown(true);
        m_monitor = std::make_unique<FieldMonitor>(&m_log);
        m_plot = std::make_unique<FieldPlot>();
        m_plot->setSize(QSizeF(640, 300));
        m_plot->setMonitor(m_monitor.get());
        QVariantList colours;
        for (const QColor& c : kColours) {
            colours << c;
        }
        m_plot->setSeriesColours(colours);
        m_plot->setWindowSeconds(0);
    }

    void cleanup()
    {
        m_plot.reset();
        m_monitor.reset();
    }

    // Each plotted field shows in its colour, on either theme's background;
    // a field not plotted does not.
    void drawsEveryPlottedField_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::newRow("light") << QColor("#f2f2f3");
        QTest::newRow("dark") << QColor("#1b1f27");
    }

    void drawsEveryPlottedField()
    {
        QFETCH(QColor, background);
        m_plot->setBackgroundColour(background);
        for (int i = 0; i < 200; ++i) {
            m_time = m_time.addMSecs(50);
            rx({QByteArray("a:%1 b:%2 c:%3 d:%4")
                    .replace("%1", QByteArray::number(std::sin(i * 0.1) * 10))
                    .replace("%2", QByteArray::number(20 + i % 7))
                    .replace("%3", QByteArray::number(-5 - i * 0.05))
                    .replace("%4", QByteArray::number(i))});
        }
        // a, b, c and d are plotted unasked; d is let go again.
        m_monitor->fields()->setPlotted(3, false);
        const QImage image = render();
        // A one-pixel antialiased line across the plot keeps its full colour
        // in at least one column out of every few; the rest are blends.
        const int across = area().width() / 16;
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(pixelsOf(image, kColours.at(i), area()) > across,
                     qPrintable(QString::number(pixelsOf(image, kColours.at(i), area()))));
        }
        QCOMPARE(pixelsOf(image, kColours.at(3), area()), 0);
        QCOMPARE(pixelsOf(image, background, QRect(0, 0, 4, 4)), 16);
        QCOMPARE(m_plot->legend().size(), 3);
        const QVariantMap first = m_plot->legend().constFirst().toMap();
        QCOMPARE(first.value("name").toString(), QStringLiteral("a"));
        QCOMPARE(first.value("colour").value<QColor>(), kColours.at(0));
    }

    // One sample far above 100,000 others still reaches the top of the plot:
    // the drawing keeps every column's extremes instead of picking samples.
    void loneSpikeIsDrawn()
    {
        QList<QByteArray> lines;
        for (int i = 0; i < 100000; ++i) {
            lines << (i == 61111 ? QByteArrayLiteral("v:100") : QByteArrayLiteral("v:0"));
            if (lines.size() == 1000) {
                rx(lines);
                lines.clear();
                m_time = m_time.addMSecs(100);
            }
        }
        QCOMPARE(m_monitor->store().field(0).samples.size(), 100000);
        const QImage image = render();
        const QRect plot = area();
        const QRect topBand(plot.left(), plot.top(), plot.width(), plot.height() / 10);
        QVERIFY(pixelsOf(image, kColours.at(0), topBand) > 0);
        // …at the place of its time: 6.1 s into 9.9 s.
        const int x = plot.left() + int(plot.width() * 6100.0 / 9901.0);
        QVERIFY(pixelsOf(image, kColours.at(0), QRect(x - 4, plot.top(), 9, plot.height() / 10)) >
                0);
    }

    // A paused plot stays as it was while samples still arrive and are kept.
    void pauseFreezesTheView()
    {
        for (int i = 0; i < 50; ++i) {
            m_time = m_time.addMSecs(100);
            rx({"v:" + QByteArray::number(i % 5)});
        }
        m_plot->setPaused(true);
        const QImage before = render();
        for (int i = 0; i < 50; ++i) {
            m_time = m_time.addMSecs(100);
            rx({"v:" + QByteArray::number(40 + i)});
        }
        QCOMPARE(m_monitor->store().field(0).samples.size(), 100);
        QCOMPARE(render(), before);
        m_plot->setPaused(false);
        QVERIFY(render() != before);
    }

    // The readout names the latest sample at or before the pointer's time,
    // within the window shown.
    void readout_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("value");
        // Samples 0..59, one a second; value = second.
        QTest::newRow("everything, left edge") << 0 << 0.0 << "0";
        QTest::newRow("everything, right edge") << 0 << 1.0 << "59";
        QTest::newRow("everything, middle") << 0 << 0.5 << "29";
        QTest::newRow("10 s, left edge") << 10 << 0.0 << "49";
        QTest::newRow("10 s, right edge") << 10 << 1.0 << "59";
    }

    void readout()
    {
        QFETCH(int, window);
        QFETCH(double, fraction);
        QFETCH(QString, value);
        for (int i = 0; i < 60; ++i) {
            rx({"v:" + QByteArray::number(i)});
            m_time = m_time.addMSecs(1000);
        }
        m_plot->setWindowSeconds(window);
        render();
        const QRectF plot = m_plot->plotArea();
        const QVariantMap readout = m_plot->readoutAt(plot.left() + fraction * plot.width());
        const QVariantList values = readout.value("values").toList();
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.constFirst().toMap().value("value").toString(), value);
        QVERIFY(!readout.value("time").toString().isEmpty());
        QVERIFY(m_plot->readoutAt(plot.left() - 5).isEmpty());
    }

    // Values outside a fixed range are cut off at the plot's edge.
    void fixedScale()
    {
        for (int i = 0; i < 100; ++i) {
            m_time = m_time.addMSecs(100);
            rx({"v:50"});
        }
        m_plot->setAutoScale(false);
        m_plot->setFixedMin(0);
        m_plot->setFixedMax(10);
        QImage image = render();
        QCOMPARE(pixelsOf(image, kColours.at(0), area()), 0);
        m_plot->setFixedMax(100);
        image = render();
        const QRect plot = area();
        const QRect middle(plot.left(), plot.center().y() - 3, plot.width(), 7);
        QVERIFY(pixelsOf(image, kColours.at(0), middle) > plot.width() / 2);
    }

    void exportPng()
    {
        rx({"v:1", "v:2"});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plots/plot.png"));
        QCOMPARE(m_plot->exportPng(path), QString());
        const QImage image(path);
        QCOMPARE(image.size(), QSize(640, 300));
        QVERIFY(korveltest::writeFile(dir.filePath(QStringLiteral("file")), "x"));
        QVERIFY(!m_plot->exportPng(dir.filePath(QStringLiteral("file/plot.png"))).isEmpty());
    }

    // A save dialog closed without a name must not write into the working
    // folder or leave a hidden ".png" behind: both exports refuse.
    void exportWithoutFileNameRefused_data()
    {
        QTest::addColumn<QString>("path"); // {dir} is an empty temporary folder
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral("   ");
        QTest::newRow("suffix alone, relative") << QStringLiteral(".png");
        QTest::newRow("relative name") << QStringLiteral("plot.png");
        QTest::newRow("suffix alone in a folder") << QStringLiteral("{dir}/.png");
        QTest::newRow("blank name in a folder") << QStringLiteral("{dir}/  .csv");
        QTest::newRow("folder only") << QStringLiteral("{dir}/");
    }

    void exportWithoutFileNameRefused()
    {
        QFETCH(QString, path);
        rx({"v:1", "v:2"});
        QTemporaryDir dir;
        QTemporaryDir workingFolder;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workingFolder.path()));
        path.replace(QStringLiteral("{dir}"), dir.path());
        const QString png = m_plot->exportPng(path);
        const QString csv = m_monitor->exportCsv(path);
        QVERIFY(QDir::setCurrent(previous));
        QCOMPARE(png, QStringLiteral("Enter a file name."));
        QCOMPARE(csv, png);
        const auto everything = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(dir.path()).entryList(everything), QStringList());
        QCOMPARE(QDir(workingFolder.path()).entryList(everything), QStringList());
    }

    // Setters compare first: an unchanged value emits nothing.
    void unchangedValuesEmitNothing()
    {
        QSignalSpy window(m_plot.get(), &FieldPlot::windowSecondsChanged);
        QSignalSpy scale(m_plot.get(), &FieldPlot::scaleChanged);
        QSignalSpy paused(m_plot.get(), &FieldPlot::pausedChanged);
        m_plot->setWindowSeconds(0);
        m_plot->setAutoScale(true);
        m_plot->setFixedMin(m_plot->fixedMin());
        m_plot->setPaused(false);
        QCOMPARE(window.count() + scale.count() + paused.count(), 0);
        m_plot->setWindowSeconds(10);
        QCOMPARE(window.count(), 1);
    }
};

QTEST_MAIN(TestFieldPlot)
#include "tst_fieldplot.moc"
