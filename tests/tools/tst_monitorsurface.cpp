// The prototype monitor's drawing item on the real log and view rows, in a
// real Qt Quick window under the software renderer: its rows look as the
// text items of the application's monitor draw them, a refresh that moves
// the view by k rows gives the same pixels as drawing everything again,
// only new rows are drawn, and the view follows, stands still, scrolls and
// finds the character under a point.
#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logviewrows.h"
#include "monitorcounters.h"
#include "monitorproto.h"
#include "monitorsurface.h"

#include <QFontMetricsF>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <memory>

namespace {

struct Look
{
    const char* text;
    const char* background;
    const char* selection;
    const char* selectedText;
};
// The console colours of the two themes.
const Look Dark{"#d8dce0", "#1b1f27", "#6f9fcc", "#f5f7fa"};
const Look Light{"#1d1f20", "#f2f2f3", "#5980a6", "#f5f7fa"};

QFont monitorFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(pixelSize);
    return font;
}

// The log, its view rows and a window with one surface on them.
struct Rig
{
    explicit Rig(QSize size = {400, 200}, bool wrap = true, const Look& look = Dark,
                 int fontSize = 13,
                 MonitorSurface::Technique technique = MonitorSurface::Technique::RenderNode,
                 bool withBar = false)
    {
        model.setShowTimestamp(false);
        window.resize(size);
        window.setColor(Qt::magenta); // shows wherever the surface does not draw
        surface = new MonitorSurface(window.contentItem());
        surface->setSize(size);
        surface->setTechnique(technique);
        surface->setWrap(wrap);
        surface->setFont(monitorFont(fontSize));
        surface->setTextColor(QColor(look.text));
        surface->setBackgroundColor(QColor(look.background));
        surface->setSelectionColor(QColor(look.selection));
        surface->setSelectedTextColor(QColor(look.selectedText));
        surface->setRows(model.viewRows());
        if (withBar) {
            surface->setBarWidth(8);
            surface->setBarTrackColor(QColor(0x33, 0x38, 0x3f, 77));
            surface->setBarThumbColor(QColor(0x6b, 0x72, 0x80, 115));
        }
        window.show();
    }

    // In batches the size of what a port read brings: a larger one makes the
    // log model reset itself later instead of announcing the new rows.
    void append(const QList<QByteArray>& lines)
    {
        for (qsizetype i = 0; i < lines.size(); i += 100) {
            log.appendBatch(LogKind::RX, lines.mid(i, 100));
        }
        model.viewRows()->update();
    }

    // The line number under a point of the surface; -1 without rows.
    double lineAt(qreal x, qreal y) const
    {
        return surface->hitTest(x, y).toMap().value(QStringLiteral("line"), -1.0).toDouble();
    }

    QImage grab() { return window.grabWindow(); }

    LogManager log;
    LogListModel model{&log};
    QQuickWindow window;
    MonitorSurface* surface = nullptr;
};

QList<QByteArray> numbered(int from, int count, int length = 30)
{
    QList<QByteArray> lines;
    for (int i = from; i < from + count; ++i) {
        QByteArray line = "line " + QByteArray::number(i) + ' ';
        while (line.size() < length) {
            line += char('a' + (line.size() + i) % 26);
        }
        lines << line;
    }
    return lines;
}

// The rows as the application's monitor draws them today: one Text item a
// row (a TextEdit with its selection for a selected row), from the top.
QImage drawnByTextItems(const QStringList& rows, QSize size, bool wrap, const Look& look,
                        int fontSize, int selectedRow = -1, int from = 0, int to = 0)
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
import QtQuick
Column {
    id: column
    property var rows
    property bool wrap
    property color textColor
    property int fontSize
    property int selectedRow: -1
    property int from
    property int to
    property color selectionColor
    property color selectedTextColor
    Repeater {
        model: column.rows
        Item {
            required property string modelData
            required property int index
            width: column.wrap ? column.width : plain.implicitWidth
            height: plain.height
            Text {
                id: plain
                width: column.wrap ? parent.width : implicitWidth
                text: parent.modelData
                textFormat: Text.PlainText
                wrapMode: column.wrap ? Text.Wrap : Text.NoWrap
                font.family: "DejaVu Sans Mono"
                font.pixelSize: column.fontSize
                color: column.textColor
                visible: parent.index !== column.selectedRow
            }
            TextEdit {
                width: plain.width
                visible: parent.index === column.selectedRow
                text: parent.modelData
                textFormat: TextEdit.PlainText
                readOnly: true
                wrapMode: column.wrap ? TextEdit.Wrap : TextEdit.NoWrap
                font.family: "DejaVu Sans Mono"
                font.pixelSize: column.fontSize
                color: column.textColor
                selectionColor: column.selectionColor
                selectedTextColor: column.selectedTextColor
                Component.onCompleted: select(column.from, column.to)
            }
        }
    }
}
)",
                      QUrl(QStringLiteral("qrc:/test/rows.qml")));
    QQuickWindow window;
    window.resize(size);
    window.setColor(QColor(look.background));
    std::unique_ptr<QObject> object(component.createWithInitialProperties(
        {{QStringLiteral("rows"), rows},
         {QStringLiteral("wrap"), wrap},
         {QStringLiteral("textColor"), QColor(look.text)},
         {QStringLiteral("fontSize"), fontSize},
         {QStringLiteral("selectedRow"), selectedRow},
         {QStringLiteral("from"), from},
         {QStringLiteral("to"), to},
         {QStringLiteral("selectionColor"), QColor(look.selection)},
         {QStringLiteral("selectedTextColor"), QColor(look.selectedText)}}));
    auto* column = qobject_cast<QQuickItem*>(object.get());
    if (!column) {
        qWarning() << component.errorString();
        return {};
    }
    column->setParentItem(window.contentItem());
    column->setWidth(size.width());
    window.show();
    return window.grabWindow();
}

QStringList rowTexts(const LogViewRows& rows)
{
    QStringList texts;
    for (int row = rows.rowCount() - 1; row >= 0; --row) {
        texts << rows.data(rows.index(row), LogViewRows::LineRole).toString();
    }
    return texts;
}

// Where two pictures differ by more than @p tolerance in a colour channel,
// for the failure message; empty when they do not.
QString firstDifference(const QImage& a, const QImage& b, int tolerance = 0)
{
    if (a.size() != b.size()) {
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            if (qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance ||
                qAbs(qBlue(p) - qBlue(q)) > tolerance) {
                return QStringLiteral("first at %1,%2: %3 and %4")
                    .arg(column)
                    .arg(row)
                    .arg(QColor(p).name(), QColor(q).name());
            }
        }
    }
    return {};
}

int pixelsOf(const QImage& image, const QColor& color)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < rgb.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
        for (int column = 0; column < rgb.width(); ++column) {
            count += (line[column] & 0xffffff) == (color.rgb() & 0xffffff);
        }
    }
    return count;
}

} // namespace

class TestMonitorSurface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        registerMonitorPrototype();
    }

    void looksLikeTextItems_data();
    void looksLikeTextItems();
    void asciiRowsSkipTheLayout();
    void scrollBarShowsWhereTheViewIs();
    void countersLookLikeTextItems_data();
    void countersLookLikeTextItems();
    void formatBytes_data();
    void formatBytes();
    void selectionLooksLikeTextEdit_data();
    void selectionLooksLikeTextEdit();
    void movingEqualsDrawingAgain_data();
    void movingEqualsDrawingAgain();
    void refreshDrawsOnlyNewRows_data();
    void refreshDrawsOnlyNewRows();
    void stillViewDrawsNothing();
    void scrollingAwayAndBack();
    void evictedTopGivesWayToTheOldest();
    void floodRefreshesHalfAsOften();
    void hitTest_data();
    void hitTest();
    void styleChangeDrawsEverythingAgain_data();
    void styleChangeDrawsEverythingAgain();
};

void TestMonitorSurface::looksLikeTextItems_data()
{
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("fontSize");

    const QList<QByteArray> plain = numbered(0, 5);
    const QList<QByteArray> mixed = {
        R"({"event":"report","seq":7,"temperature":21.5})",
        "\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7 caf\x65\xcc\x81 na\xc3\xafve",
        "\xe6\xb8\xa9\xe5\xba\xa6 21.5 \xe6\xb9\xbf\xe5\xba\xa6 \xec\x98\xa8\xeb\x8f\x84",
        "tab\there, then a line long enough to wrap twice in a narrow view: " +
            QByteArray(80, 'x') + " end",
    };
    QByteArray everyCharacter;
    for (char c = 0x20; c <= 0x7e; ++c) {
        everyCharacter += c;
    }
    // A line longer than a row of the model: its second row starts with
    // right-to-left text.
    QByteArray rightToLeft = "RTL ";
    while (rightToLeft.size() < LogViewRows::SegmentLength + 40) {
        rightToLeft += "\xd8\xa8\xd8\xa8 ";
    }
    QTest::newRow("plain, dark") << plain << true << true << 13;
    QTest::newRow("every printable character")
        << QList<QByteArray>{everyCharacter, everyCharacter.mid(40)} << false << true << 13;
    QTest::newRow("right-to-left row") << QList<QByteArray>{rightToLeft} << false << true << 13;
    QTest::newRow("plain, light") << plain << true << false << 13;
    QTest::newRow("mixed, wrapped") << mixed << true << true << 13;
    QTest::newRow("mixed, unwrapped") << mixed << false << false << 13;
    QTest::newRow("mixed, large font") << mixed << true << false << 20;
    QTest::newRow("mixed, small font") << mixed << true << true << 9;
    // Arabic letters reach below the line here: over the next row, as a
    // text item draws them.
    QTest::newRow("ink past the line, wrapped") << mixed << true << true << 18;
    QTest::newRow("ink past the line, unwrapped") << mixed << false << false << 18;
}

void TestMonitorSurface::looksLikeTextItems()
{
    QFETCH(QList<QByteArray>, lines);
    QFETCH(bool, wrap);
    QFETCH(bool, dark);
    QFETCH(int, fontSize);
    const Look& look = dark ? Dark : Light;
    const QSize size(400, 300);

    Rig rig(size, wrap, look, fontSize);
    rig.append(lines);
    const QImage drawn = rig.grab();
    const QImage expected =
        drawnByTextItems(rowTexts(*rig.model.viewRows()), size, wrap, look, fontSize);
    QVERIFY(size.width() * size.height() - pixelsOf(expected, QColor(look.background)) > 500);
    QVERIFY2(drawn == expected, qPrintable(firstDifference(drawn, expected)));
}

void TestMonitorSurface::asciiRowsSkipTheLayout()
{
    Rig rig;
    rig.append(numbered(0, 20));
    rig.grab();
    const RowRenderer& renderer = rig.surface->renderer();
    QCOMPARE(renderer.quickRows(), rig.surface->rowsDrawn());
    QCOMPARE(renderer.laidOutRows(), 0);

    // Wrapped over two lines, not ASCII, or selected: laid out in full.
    rig.append({numbered(20, 1, 110).constFirst(), "caf\xc3\xa9"});
    rig.grab();
    rig.surface->setSelectionStartLine(19);
    rig.surface->setSelectionStartColumn(2);
    rig.surface->setSelectionEndLine(19);
    rig.surface->setSelectionEndColumn(6);
    rig.grab();
    QCOMPARE(renderer.laidOutRows(), 3);
    QCOMPARE(renderer.quickRows() + renderer.laidOutRows(), rig.surface->rowsDrawn());
}

void TestMonitorSurface::scrollBarShowsWhereTheViewIs()
{
    Rig rig({400, 200}, true, Dark, 13, MonitorSurface::Technique::RenderNode, true);
    rig.append(numbered(0, 100));
    const auto thumbAt = [&](const QImage& image) {
        // Rows of the bar's column where the thumb is: lighter than the track.
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(396, y)) > 60) {
                rows << y;
            }
        }
        return rows;
    };
    QList<int> thumb = thumbAt(rig.grab());
    QVERIFY(!thumb.isEmpty());
    QCOMPARE(thumb.constLast(), 199); // following: at the bottom
    const int length = int(thumb.size());
    QVERIFY2(qAbs(length - 200 * rig.surface->rowsInSight() / 100) <= 2,
             qPrintable(QString::number(length)));

    rig.surface->scrollToOldest();
    thumb = thumbAt(rig.grab());
    QCOMPARE(thumb.constFirst(), 0);
    QCOMPARE(thumb.size(), length);
    // Text under the bar shows through its track.
    QVERIFY(qGray(rig.grab().pixel(396, 150)) < 60);
}

void TestMonitorSurface::countersLookLikeTextItems_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("windowWidth");

    QTest::newRow("a few lines") << 3 << true << 400;
    QTest::newRow("kilobytes, light") << 200 << false << 400;
    // Anchored to the right edge of an odd width: the figures sit on
    // fractional pixels.
    QTest::newRow("fractional place") << 37 << true << 401;
}

void TestMonitorSurface::countersLookLikeTextItems()
{
    QFETCH(int, lines);
    QFETCH(bool, dark);
    QFETCH(int, windowWidth);
    const Look& look = dark ? Dark : Light;
    const QColor muted = dark ? QColor("#6b7280") : QColor("#7a7a7d");

    LogManager log;
    LogListModel model(&log);
    log.appendBatch(LogKind::RX, numbered(0, lines));
    log.append(LogKind::TX, "AT+RESET");
    model.viewRows()->update();

    // The header as the application's monitor has it, with its text items
    // or with the item in their place.
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
import QtQuick
import KorvelProto
Item {
    id: header
    property bool items
    property color muted
    property color background
    property var model
    height: 34
    MonitorCounters {
        id: counters
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        visible: !header.items
        model: header.model
        font.family: "DejaVu Sans Mono"
        font.pixelSize: 11
        color: header.muted
        backgroundColor: header.background
    }
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 14
        visible: header.items
        Repeater {
            model: counters.text.split("\t")
            Text {
                required property string modelData
                text: modelData
                font.family: "DejaVu Sans Mono"
                font.pixelSize: 11
                color: header.muted
            }
        }
    }
}
)",
                      QUrl(QStringLiteral("qrc:/test/header.qml")));
    const auto grab = [&](bool items) {
        QQuickWindow window;
        window.resize(windowWidth, 34);
        window.setColor(QColor(look.background));
        std::unique_ptr<QObject> header(component.createWithInitialProperties(
            {{QStringLiteral("items"), items},
             {QStringLiteral("muted"), muted},
             {QStringLiteral("background"), QColor(look.background)},
             {QStringLiteral("model"), QVariant::fromValue(&model)}}));
        auto* item = qobject_cast<QQuickItem*>(header.get());
        if (!item) {
            qWarning() << component.errorString();
            return QImage();
        }
        item->setParentItem(window.contentItem());
        item->setWidth(windowWidth);
        window.show();
        if (!items) {
            const auto* counters = item->findChild<MonitorCounters*>();
            const QString expected = QStringLiteral("%1 lines\tRx %2\tTx 8 B")
                                         .arg(lines + 1)
                                         .arg(MonitorCounters::formatBytes(double(log.rxBytes())));
            if (counters->text() != expected) {
                qWarning() << counters->text() << "instead of" << expected;
                return QImage();
            }
        }
        return window.grabWindow();
    };
    const QImage drawn = grab(false);
    const QImage expected = grab(true);
    QVERIFY(!drawn.isNull());
    QVERIFY(34 * windowWidth - pixelsOf(expected, QColor(look.background)) > 100);
    QVERIFY2(drawn == expected, qPrintable(firstDifference(drawn, expected)));
}

void TestMonitorSurface::formatBytes_data()
{
    QTest::addColumn<double>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("none") << 0.0 << "0 B";
    QTest::newRow("just under a kilobyte") << 1023.0 << "1023 B";
    QTest::newRow("a kilobyte") << 1024.0 << "1.0 KB";
    QTest::newRow("rounded up into the next tenth") << 1024.0 * 1.96 << "2.0 KB";
    QTest::newRow("just under a megabyte") << 1048575.0 << "1024.0 KB";
    QTest::newRow("megabytes") << 1048576.0 * 3.25 << "3.3 MB";
    QTest::newRow("gigabytes") << 1073741824.0 * 12 << "12.0 GB";
}

void TestMonitorSurface::formatBytes()
{
    QFETCH(double, bytes);
    QFETCH(QString, shown);
    QCOMPARE(MonitorCounters::formatBytes(bytes), shown);
}

void TestMonitorSurface::selectionLooksLikeTextEdit_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    // Rows 0-2: short lines; row 3: a line wrapped over three rows of the view.
    QTest::newRow("part of a line, dark") << true << true << 1 << 3 << 12;
    QTest::newRow("part of a line, light") << true << false << 1 << 3 << 12;
    QTest::newRow("whole line") << true << true << 0 << 0 << 35;
    QTest::newRow("across the wrap") << true << false << 3 << 20 << 120;
    QTest::newRow("unwrapped") << false << true << 3 << 20 << 120;
}

void TestMonitorSurface::selectionLooksLikeTextEdit()
{
    QFETCH(bool, wrap);
    QFETCH(bool, dark);
    QFETCH(int, row);
    QFETCH(int, from);
    QFETCH(int, to);
    const Look& look = dark ? Dark : Light;
    const QSize size(400, 300);

    Rig rig(size, wrap, look, 13);
    QList<QByteArray> lines = numbered(0, 3);
    lines << "a long line: " + QByteArray(100, 'y') + " end";
    rig.append(lines);
    const LogViewRows& rows = *rig.model.viewRows();
    const double line = rows.lineNumberAt(rows.rowCount() - 1 - row);
    rig.surface->setSelectionStartLine(line);
    rig.surface->setSelectionStartColumn(from);
    rig.surface->setSelectionEndLine(line);
    rig.surface->setSelectionEndColumn(to);
    const QImage drawn = rig.grab();
    const QImage expected = drawnByTextItems(rowTexts(rows), size, wrap, look, 13, row, from, to);
    QVERIFY(pixelsOf(expected, QColor(look.selection)) > 100);
    // The editor blends a selected glyph's edge a shade differently here
    // and there (one unit in one channel): the same to the eye.
    const QString difference = firstDifference(drawn, expected, 1);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestMonitorSurface::movingEqualsDrawingAgain_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("linesPerRefresh");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<MonitorSurface::Technique>("technique");
    QTest::addColumn<bool>("withBar");

    const auto node = MonitorSurface::Technique::RenderNode;
    QTest::newRow("one line") << true << 1 << 30 << node << false;
    QTest::newRow("three lines") << true << 3 << 30 << node << false;
    QTest::newRow("more than the view") << true << 20 << 30 << node << false;
    QTest::newRow("lines of several rows") << true << 2 << 110 << node << false;
    QTest::newRow("unwrapped") << false << 3 << 110 << node << false;
    QTest::newRow("with its scroll bar") << true << 3 << 110 << node << true;
    QTest::newRow("painted item") << true << 3 << 30 << MonitorSurface::Technique::PaintedItem
                                  << true;
}

void TestMonitorSurface::movingEqualsDrawingAgain()
{
    QFETCH(bool, wrap);
    QFETCH(int, linesPerRefresh);
    QFETCH(int, lineLength);
    QFETCH(MonitorSurface::Technique, technique);
    QFETCH(bool, withBar);
    const QSize size(400, 200);

    Rig moving(size, wrap, Dark, 13, technique, withBar);
    Rig again(size, wrap, Dark, 13, technique, withBar);
    again.surface->setRows(moving.model.viewRows());
    moving.append(numbered(0, 30, lineLength));
    moving.grab();
    int next = 30;
    for (int step = 0; step < 6; ++step) {
        moving.append(numbered(next, linesPerRefresh, lineLength));
        next += linesPerRefresh;
        const QImage moved = moving.grab();
        again.surface->redrawAll();
        const QImage drawn = again.grab();
        QVERIFY2(
            moved == drawn,
            qPrintable(QStringLiteral("step %1: %2").arg(step).arg(firstDifference(moved, drawn))));
        QCOMPARE(pixelsOf(moved, Qt::magenta), 0);
    }
}

void TestMonitorSurface::refreshDrawsOnlyNewRows_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("rowsDrawn");

    const int segments3 = LogViewRows::SegmentLength * 2 + 10;
    QTest::newRow("one line") << true << 1 << 30 << 1;
    QTest::newRow("two lines") << true << 2 << 30 << 2;
    // 110 characters wrap into two lines of text, but a line is one row of
    // the model unless it is longer than a segment.
    QTest::newRow("a wrapped line") << true << 1 << 110 << 1;
    QTest::newRow("a line of three segments") << false << 1 << segments3 << 3;
    // Wrapped, the last segment fills the view and the one before shows
    // only its end: the first is never drawn.
    QTest::newRow("three segments, wrapped") << true << 1 << segments3 << 2;
}

void TestMonitorSurface::refreshDrawsOnlyNewRows()
{
    QFETCH(bool, wrap);
    QFETCH(int, lines);
    QFETCH(int, lineLength);
    QFETCH(int, rowsDrawn);

    Rig rig({400, 400}, wrap);
    rig.append(numbered(0, 60));
    rig.grab();
    const qint64 before = rig.surface->rowsDrawn();
    rig.append(numbered(60, lines, lineLength));
    rig.grab();
    QCOMPARE(rig.surface->rowsDrawn() - before, rowsDrawn);
}

void TestMonitorSurface::stillViewDrawsNothing()
{
    Rig rig;
    rig.append(numbered(0, 60));
    rig.grab();
    rig.surface->scrollBy(-40);
    QVERIFY(!rig.surface->following());
    const QImage still = rig.grab();
    const qint64 before = rig.surface->rowsDrawn();
    rig.append(numbered(60, 5));
    QCOMPARE(rig.grab(), still);
    QCOMPARE(rig.surface->rowsDrawn(), before);
}

void TestMonitorSurface::scrollingAwayAndBack()
{
    Rig rig;
    rig.append(numbered(0, 60));
    rig.grab();
    const auto lineAt = [&](qreal y) {
        return rig.lineAt(5, y);
    };
    QCOMPARE(lineAt(199), 59.0);

    rig.surface->scrollBy(-40);
    rig.grab();
    QVERIFY(!rig.surface->following());
    QVERIFY(lineAt(199) < 59);
    rig.append(numbered(60, 3));
    rig.grab();
    QVERIFY(lineAt(199) < 59);

    rig.surface->scrollBy(1000);
    rig.grab();
    QVERIFY(rig.surface->following());
    QCOMPARE(lineAt(199), 62.0);

    rig.surface->scrollToOldest();
    rig.grab();
    QVERIFY(!rig.surface->following());
    QCOMPARE(lineAt(0), 0.0);
    QCOMPARE(rig.surface->scrollPosition(), 0.0);

    rig.surface->scrollToNewest();
    rig.grab();
    QVERIFY(rig.surface->following());
    QCOMPARE(lineAt(199), 62.0);
    QCOMPARE(rig.surface->scrollPosition() + rig.surface->scrollSize(), 1.0);
}

void TestMonitorSurface::evictedTopGivesWayToTheOldest()
{
    Rig rig;
    rig.append(numbered(0, LogManager::Capacity - 10));
    rig.surface->scrollToOldest();
    rig.grab();
    QCOMPARE(rig.lineAt(5, 1), 0.0);

    rig.append(numbered(LogManager::Capacity - 10, 100));
    const QImage image = rig.grab();
    QVERIFY(!rig.surface->following());
    QCOMPARE(rig.lineAt(5, 1), 90.0);
    QCOMPARE(pixelsOf(image, Qt::magenta), 0);
}

void TestMonitorSurface::floodRefreshesHalfAsOften()
{
    Rig rig; // about 13 rows in sight
    rig.append(numbered(0, 5));
    QCOMPARE(rig.surface->preferredInterval(), MonitorSurface::FollowIntervalMs);
    rig.grab();
    rig.append(numbered(5, 40));
    QCOMPARE(rig.surface->preferredInterval(), MonitorSurface::FloodIntervalMs);
    rig.grab();
    rig.append(numbered(45, 1));
    QCOMPARE(rig.surface->preferredInterval(), MonitorSurface::FollowIntervalMs);
    rig.grab();
    rig.surface->scrollBy(-30);
    rig.append(numbered(46, 40));
    QCOMPARE(rig.surface->preferredInterval(), MonitorSurface::StillIntervalMs);
}

void TestMonitorSurface::hitTest_data()
{
    QTest::addColumn<QPointF>("pointInCells"); // in character cells
    QTest::addColumn<double>("line");
    QTest::addColumn<int>("column");

    // Rows "RX   line 0 ...", 30 characters each, lines 0-2 from the top.
    QTest::newRow("first character") << QPointF(0.2, 0.5) << 0.0 << 0;
    QTest::newRow("nearer its right edge") << QPointF(7.7, 0.5) << 0.0 << 8;
    QTest::newRow("second line") << QPointF(3.2, 1.5) << 1.0 << 3;
    QTest::newRow("past the end of a line") << QPointF(60, 2.5) << 2.0 << 35;
    QTest::newRow("blank space below the newest") << QPointF(2, 9) << 2.0 << 35;
    QTest::newRow("left of the text") << QPointF(-3, 1.5) << 1.0 << 0;
}

void TestMonitorSurface::hitTest()
{
    QFETCH(QPointF, pointInCells);
    QFETCH(double, line);
    QFETCH(int, column);

    Rig rig;
    QVERIFY(rig.surface->hitTest(1, 1).toMap().isEmpty());
    rig.append(numbered(0, 3));
    rig.grab();
    const QFontMetricsF metrics(monitorFont(13));
    const QVariantMap hit =
        rig.surface
            ->hitTest(pointInCells.x() * metrics.horizontalAdvance(QLatin1Char('x')),
                      pointInCells.y() * metrics.height())
            .toMap();
    QCOMPARE(hit.value(QStringLiteral("line")).toDouble(), line);
    QCOMPARE(hit.value(QStringLiteral("column")).toInt(), column);
}

void TestMonitorSurface::styleChangeDrawsEverythingAgain_data()
{
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("width");

    QTest::newRow("font") << 20 << true << 400;
    QTest::newRow("theme") << 13 << false << 400;
    QTest::newRow("width") << 13 << true << 300;
}

void TestMonitorSurface::styleChangeDrawsEverythingAgain()
{
    QFETCH(int, fontSize);
    QFETCH(bool, dark);
    QFETCH(int, width);
    const Look& look = dark ? Dark : Light;

    Rig rig({400, 200});
    rig.append(numbered(0, 40, 50));
    const QImage before = rig.grab();
    const qint64 drawnBefore = rig.surface->rowsDrawn();
    rig.surface->setFont(monitorFont(fontSize));
    rig.surface->setTextColor(QColor(look.text));
    rig.surface->setBackgroundColor(QColor(look.background));
    rig.surface->setWidth(width);
    const QImage after = rig.grab().copy(0, 0, width, 200);
    QVERIFY(after != before.copy(0, 0, width, 200));
    QCOMPARE(rig.surface->rowsDrawn() - drawnBefore, rig.surface->rowsInSight());

    Rig fresh({width, 200}, true, look, fontSize);
    fresh.surface->setRows(rig.model.viewRows());
    const QImage expected = fresh.grab();
    QVERIFY2(after == expected, qPrintable(firstDifference(after, expected)));
}

QTEST_MAIN(TestMonitorSurface)
#include "tst_monitorsurface.moc"
