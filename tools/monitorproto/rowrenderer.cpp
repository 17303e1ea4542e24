#include "rowrenderer.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

bool RowStyle::operator==(const RowStyle& other) const
{
    return font == other.font && text == other.text && background == other.background &&
           selection == other.selection && selectedText == other.selectedText &&
           wrap == other.wrap && width == other.width && contentX == other.contentX &&
           barWidth == other.barWidth && barTrack == other.barTrack;
}

namespace {

// Set up as a Qt Quick text item lays out its text, so that a row looks as
// one of those would. Unwrapped, a text item is as wide as its text, so a
// right-to-left row starts at the left edge as well.
void layOut(QTextLayout& layout, const RowStyle& style)
{
    QTextOption option;
    option.setWrapMode(style.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    if (!style.wrap) {
        option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    }
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(style.wrap ? style.width : 1 << 24); // far wider than any row gets
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

// Sequences that fonts made for code often draw as one glyph or move
// closer: a font that does either here is not drawn from the table.
constexpr auto LigatureProbe =
    u"-> => != == <= >= www fi fl ff :: // /* && || ++ -- ... << >> <- |> AV To";

} // namespace

void RowRenderer::setStyle(const RowStyle& style)
{
    const bool fontChanged = style.font != m_style.font || !m_rawFont.isValid();
    m_style = style;
    if (!fontChanged) {
        return;
    }
    m_quick = false;
    m_inkMargin = std::ceil(qMax<qreal>(0, -QFontMetricsF(style.font).minRightBearing())) + 1;

    // The table comes from the text layout itself, with the glyphs it
    // chooses and the positions it gives them.
    QString ascii;
    for (char16_t c = FirstAscii; c <= LastAscii; ++c) {
        ascii += QChar(c);
    }
    RowStyle oneLine = style;
    oneLine.wrap = false;
    QTextLayout layout(ascii, style.font);
    layOut(layout, oneLine);
    if (layout.lineCount() != 1) {
        return;
    }
    m_ascent = layout.lineAt(0).ascent();
    m_lineHeight = layout.lineAt(0).height();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.constFirst().glyphIndexes().size() != ascii.size()) {
        return;
    }
    m_rawFont = runs.constFirst().rawFont();
    const QList<quint32> glyphs = runs.constFirst().glyphIndexes();
    const QList<QPointF> positions = runs.constFirst().positions();
    const QList<QPointF> advances =
        m_rawFont.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        m_glyphs[i] = glyphs.at(i);
        m_advances[i] = advances.at(i).x();
        // Fixed pitch, positioned one after the other, each with its own
        // glyph: no kerning, no ligatures.
        if (glyphs.at(i) == 0 || m_advances[i] != m_advances[0] ||
            positions.at(i).x() != i * m_advances[0]) {
            return;
        }
    }
    QTextLayout probe(QString::fromUtf16(LigatureProbe), style.font);
    layOut(probe, oneLine);
    const QList<QGlyphRun> probeRuns = probe.glyphRuns();
    if (probeRuns.size() != 1 ||
        probeRuns.constFirst().glyphIndexes().size() != probe.text().size()) {
        return;
    }
    for (qsizetype i = 0; i < probe.text().size(); ++i) {
        const char16_t c = probe.text().at(i).unicode();
        if (probeRuns.constFirst().glyphIndexes().at(i) != m_glyphs[c - FirstAscii] ||
            probeRuns.constFirst().positions().at(i).x() != i * m_advances[0]) {
            return;
        }
    }
    // Rows from the table keep their ink inside the row: no glyph may
    // reach past it, baseline rounded.
    const int margin = int(std::ceil(m_lineHeight / 2));
    QImage ink(int(std::ceil(layout.lineAt(0).naturalTextWidth())) + 2 * int(m_inkMargin),
               int(std::ceil(m_lineHeight)) + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter painter(&ink);
        painter.setPen(Qt::black);
        layout.draw(&painter, QPointF(0, margin));
    }
    for (int y = 0; y < ink.height(); ++y) {
        if (y == margin) {
            y += int(std::ceil(m_lineHeight)); // the row itself
        }
        const auto* line =
            reinterpret_cast<const QRgb*>(ink.constScanLine(qMin(y, ink.height() - 1)));
        for (int x = 0; x < ink.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                return;
            }
        }
    }
    m_quick = true;
}

RenderedRow RowRenderer::render(const QString& text, int selectionFrom, int selectionTo) const
{
    RenderedRow row;
    row.text = text;
    row.selectionFrom = selectionFrom;
    row.selectionTo = qMax(selectionFrom, selectionTo);
    if (row.selectionTo > row.selectionFrom || !drawQuickly(text, &row)) {
        drawLaidOut(text, &row);
    }
    return row;
}

QImage RowRenderer::rowImage(qreal height) const
{
    // As wide as the viewport: a frame then copies each row whole, which
    // costs less than copying its text and filling the rest (a fill under
    // the renderer's clip goes span by span). Whole pixels high, so that
    // moving a row moves its pixels unchanged.
    QImage image(qMax(1, m_style.width), qMax(1, int(std::ceil(height))), QImage::Format_RGB32);
    image.fill(m_style.background);
    return image;
}

bool RowRenderer::drawQuickly(const QString& text, RenderedRow* row) const
{
    const qreal shift = m_style.wrap ? 0 : m_style.contentX;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    qreal width = 0;
    if (!quickGlyphs(text, -shift, m_ascent, &glyphs, &positions, &width)) {
        return false;
    }
    // A row that might wrap is left to the text layout's line breaking.
    if (m_style.wrap && width + m_inkMargin >= m_style.width) {
        return false;
    }
    row->naturalWidth = width;
    row->image = rowImage(m_lineHeight);
    QPainter painter(&row->image);
    painter.setPen(m_style.text);
    drawGlyphs(&painter, glyphs, positions);
    drawTrack(&painter, row->image.height());
    ++m_quickRows;
    return true;
}

void RowRenderer::drawLaidOut(const QString& text, RenderedRow* row) const
{
    QTextLayout layout(text, m_style.font);
    layOut(layout, m_style);
    qreal height = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        height += line.height();
        row->naturalWidth = qMax(row->naturalWidth, line.naturalTextWidth());
    }
    const qreal shift = m_style.wrap ? 0 : m_style.contentX;
    row->image = rowImage(height);

    QPainter painter(&row->image);
    painter.setPen(m_style.text);
    QList<QTextLayout::FormatRange> selections;
    if (row->selectionTo > row->selectionFrom) {
        QTextLayout::FormatRange range;
        range.start = row->selectionFrom;
        range.length = row->selectionTo - row->selectionFrom;
        range.format.setBackground(m_style.selection);
        range.format.setForeground(m_style.selectedText);
        selections << range;
    }
    layout.draw(&painter, QPointF(-shift, 0), selections);
    drawTrack(&painter, row->image.height());
    painter.end();
    ++m_laidOutRows;

    // Ink that leaves the row (a mark or descender, or the baseline's
    // rounding) is drawn again into a band above or below it, where only
    // what lies outside the row shows; the band is kept when it is not empty.
    const int rowHeight = row->image.height();
    const int margin = int(std::ceil(m_lineHeight / 2));
    const auto band = [&](int top) {
        QImage image(row->image.width(), margin, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter ink(&image);
        ink.setPen(m_style.text);
        layout.draw(&ink, QPointF(-shift, -top), selections);
        ink.end();
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 0) {
                    return image;
                }
            }
        }
        return QImage();
    };
    row->inkAbove = band(-margin);
    row->inkBelow = band(rowHeight);
}

bool RowRenderer::quickGlyphs(const QString& text, qreal x, qreal y, QList<quint32>* glyphs,
                              QList<QPointF>* positions, qreal* width) const
{
    if (!m_quick) {
        return false;
    }
    glyphs->reserve(text.size());
    positions->reserve(text.size());
    const qreal start = x;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < FirstAscii || u > LastAscii) {
            return false;
        }
        glyphs->append(m_glyphs[u - FirstAscii]);
        positions->append(QPointF(x, y));
        x += m_advances[u - FirstAscii];
    }
    *width = x - start;
    return true;
}

qreal RowRenderer::textWidth(const QString& text) const
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    qreal width = 0;
    if (quickGlyphs(text, 0, 0, &glyphs, &positions, &width)) {
        return width;
    }
    QTextLayout layout(text, m_style.font);
    RowStyle oneLine = m_style;
    oneLine.wrap = false;
    layOut(layout, oneLine);
    return layout.lineCount() > 0 ? layout.lineAt(0).naturalTextWidth() : 0;
}

void RowRenderer::drawText(QPainter* painter, QPointF topLeft, const QString& text) const
{
    painter->setPen(m_style.text);
    QList<quint32> glyphs;
    QList<QPointF> positions;
    qreal width = 0;
    if (quickGlyphs(text, topLeft.x(), topLeft.y() + m_ascent, &glyphs, &positions, &width)) {
        drawGlyphs(painter, glyphs, positions);
        return;
    }
    QTextLayout layout(text, m_style.font);
    RowStyle oneLine = m_style;
    oneLine.wrap = false;
    layOut(layout, oneLine);
    layout.draw(painter, topLeft);
}

void RowRenderer::drawGlyphs(QPainter* painter, const QList<quint32>& glyphs,
                             const QList<QPointF>& positions) const
{
    if (glyphs.isEmpty()) {
        return;
    }
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter->drawGlyphRun(QPointF(0, 0), run);
}

void RowRenderer::drawTrack(QPainter* painter, int height) const
{
    if (m_style.barWidth > 0) {
        painter->fillRect(QRect(m_style.width - m_style.barWidth, 0, m_style.barWidth, height),
                          m_style.barTrack);
    }
}

int RowRenderer::positionAt(const QString& text, QPointF point) const
{
    QTextLayout layout(text, m_style.font);
    layOut(layout, m_style);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (point.y() < line.y() + line.height() || i == layout.lineCount() - 1) {
            return line.xToCursor(point.x(), QTextLine::CursorBetweenCharacters);
        }
    }
    return 0;
}
