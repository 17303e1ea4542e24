#include "rowrenderer.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

bool RowStyle::operator==(const RowStyle& other) const
{
    return font == other.font && text == other.text && background == other.background &&
           selection == other.selection && selectedText == other.selectedText &&
           wrap == other.wrap && width == other.width && contentX == other.contentX;
}

namespace {

// Set up as a Qt Quick text item lays out its text, so that a row looks as
// one of those would.
void layOut(QTextLayout& layout, const RowStyle& style)
{
    QTextOption option;
    option.setWrapMode(style.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        if (style.wrap) {
            line.setLineWidth(style.width);
        } else {
            line.setLineWidth(1 << 24); // far wider than any row gets
        }
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

} // namespace

namespace RowRenderer {

RenderedRow render(const RowStyle& style, const QString& text, int selectionFrom, int selectionTo)
{
    RenderedRow row;
    row.text = text;
    row.selectionFrom = selectionFrom;
    row.selectionTo = qMax(selectionFrom, selectionTo);

    QTextLayout layout(text, style.font);
    layOut(layout, style);
    qreal height = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        height += line.height();
        row.naturalWidth = qMax(row.naturalWidth, line.naturalTextWidth());
    }
    // Whole pixels, so that moving a row moves its pixels unchanged.
    row.image = QImage(qMax(1, style.width), qMax(1, int(std::ceil(height))), QImage::Format_RGB32);
    row.image.fill(style.background);

    QPainter painter(&row.image);
    painter.setPen(style.text);
    QList<QTextLayout::FormatRange> selections;
    if (row.selectionTo > row.selectionFrom) {
        QTextLayout::FormatRange range;
        range.start = row.selectionFrom;
        range.length = row.selectionTo - row.selectionFrom;
        range.format.setBackground(style.selection);
        range.format.setForeground(style.selectedText);
        selections << range;
    }
    layout.draw(&painter, QPointF(style.wrap ? 0 : -style.contentX, 0), selections);
    return row;
}

int positionAt(const RowStyle& style, const QString& text, QPointF point)
{
    QTextLayout layout(text, style.font);
    layOut(layout, style);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (point.y() < line.y() + line.height() || i == layout.lineCount() - 1) {
            return line.xToCursor(point.x(), QTextLine::CursorBetweenCharacters);
        }
    }
    return 0;
}

} // namespace RowRenderer
