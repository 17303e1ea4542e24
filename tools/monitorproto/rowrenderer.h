#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

/// How the monitor's rows look: the font, the colours, whether long rows
/// wrap, and the width of the viewport they are drawn for.
struct RowStyle
{
    QFont font;
    QColor text;
    QColor background;
    QColor selection;
    QColor selectedText;
    bool wrap = true;
    int width = 0;
    /// Unwrapped rows: how far the view is scrolled to the right.
    int contentX = 0;

    bool operator==(const RowStyle& other) const;
    bool operator!=(const RowStyle& other) const { return !(*this == other); }
};

/// One row drawn once, kept while it stays in sight.
struct RenderedRow
{
    /// The viewport's width, the row's height; opaque, in the background colour.
    QImage image;
    QString text;
    /// Width of the row's text unwrapped, for the horizontal scroll bar.
    qreal naturalWidth = 0;
    /// The characters drawn as selected, [from, to); from == to: none.
    int selectionFrom = 0;
    int selectionTo = 0;
};

/// Lays out and draws rows of text as the monitor's text items do.
namespace RowRenderer {

/// Draws @p text, with the characters [selectionFrom, selectionTo) selected.
RenderedRow render(const RowStyle& style, const QString& text, int selectionFrom = 0,
                   int selectionTo = 0);

/// The character position in @p text nearest to @p point (row coordinates,
/// the view's horizontal scroll already added).
int positionAt(const RowStyle& style, const QString& text, QPointF point);

} // namespace RowRenderer
