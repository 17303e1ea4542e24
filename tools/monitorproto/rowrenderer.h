#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRawFont>
#include <QString>

class QPainter;

#include <array>

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
    /// The track of a scroll bar over the rows' right edge, drawn into each
    /// row (so that a frame need not draw it strip by strip); width 0: none.
    int barWidth = 0;
    QColor barTrack;

    bool operator==(const RowStyle& other) const;
    bool operator!=(const RowStyle& other) const { return !(*this == other); }
};

/// One row drawn once, kept while it stays in sight.
struct RenderedRow
{
    /// The row's pixels, as wide as the viewport, opaque.
    QImage image;
    QString text;
    /// Width of the row's text unwrapped, for the horizontal scroll bar.
    qreal naturalWidth = 0;
    /// The characters drawn as selected, [from, to); from == to: none.
    int selectionFrom = 0;
    int selectionTo = 0;
    /// Ink that reaches past the row's top or bottom (some scripts' marks
    /// and descenders), on a transparent background, drawn over the rows
    /// next to it as a text item's would be; usually none.
    QImage inkAbove;
    QImage inkBelow;
};

/// Lays out and draws rows of text as the monitor's text items do: the
/// same line breaks, glyph positions and pixels. A row of printable ASCII
/// that fits on one line (the bulk of what devices send) is drawn from a
/// table of glyphs and advances, without the text layout's shaping; any
/// other row goes through the full text layout.
class RowRenderer
{
public:
    const RowStyle& style() const { return m_style; }
    void setStyle(const RowStyle& style);

    /// Draws @p text, with the characters [selectionFrom, selectionTo) selected.
    RenderedRow render(const QString& text, int selectionFrom = 0, int selectionTo = 0) const;

    /// The character position in @p text nearest to @p point (row coordinates,
    /// the view's horizontal scroll already added).
    int positionAt(const QString& text, QPointF point) const;

    /// Width of @p text on one line, its height and how far a glyph may
    /// reach past its advance.
    qreal textWidth(const QString& text) const;
    qreal lineHeight() const { return m_lineHeight; }
    int inkMargin() const { return int(m_inkMargin); }
    /// Draws @p text on one line from @p topLeft, as a text item there would.
    void drawText(QPainter* painter, QPointF topLeft, const QString& text) const;

    /// Rows drawn the quick way, and the full way, so far.
    qint64 quickRows() const { return m_quickRows; }
    qint64 laidOutRows() const { return m_laidOutRows; }

private:
    static constexpr char16_t FirstAscii = 0x20;
    static constexpr char16_t LastAscii = 0x7e;

    /// The glyphs of @p text from the table, placed from (x, y) on the
    /// baseline, and its width; false when the text is not all printable
    /// ASCII or the font is not drawn from the table.
    bool quickGlyphs(const QString& text, qreal x, qreal y, QList<quint32>* glyphs,
                     QList<QPointF>* positions, qreal* width) const;
    void drawGlyphs(QPainter* painter, const QList<quint32>& glyphs,
                    const QList<QPointF>& positions) const;
    bool drawQuickly(const QString& text, RenderedRow* row) const;
    void drawLaidOut(const QString& text, RenderedRow* row) const;
    QImage rowImage(qreal height) const;
    /// The scroll bar's track over the right edge of a row just drawn.
    void drawTrack(QPainter* painter, int height) const;

    RowStyle m_style;
    // Printable ASCII: each character's glyph and advance in the font, and
    // the height and baseline of one line; valid when m_quick is.
    bool m_quick = false;
    QRawFont m_rawFont;
    std::array<quint32, LastAscii - FirstAscii + 1> m_glyphs{};
    std::array<qreal, LastAscii - FirstAscii + 1> m_advances{};
    qreal m_ascent = 0;
    qreal m_lineHeight = 0;
    // How far a glyph may reach right of its advance.
    qreal m_inkMargin = 1;
    mutable qint64 m_quickRows = 0;
    mutable qint64 m_laidOutRows = 0;
};
