#include "log/matchmarks.h"

#include "log/logsearch.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QQuickWindow>
#include <QSGRectangleNode>
#include <QTextLayout>

#include <algorithm>
#include <utility>

namespace {

// A line that never wraps still needs a width to be laid out in.
constexpr qreal kUnboundedWidth = 1 << 24;

// The columns of the row's text a match covers, empty when it lies outside.
std::pair<qsizetype, qsizetype> partShown(const MatchSpan& span, qsizetype offset, qsizetype size)
{
    const qsizetype from = qMax<qsizetype>(span.start - offset, 0);
    const qsizetype to =
        qMin<qsizetype>(span.start + qMax<qsizetype>(span.length, 0) - offset, size);
    return {from, qMax(from, to)};
}

// Qt Quick's software renderer keeps the union of every opaque node as the area they hide
// from what lies beneath. Small boxes scattered over many rows make that union a region of
// hundreds of pieces, to be worked through for every node of every frame of a flood; a box
// not quite opaque stays out of it and is drawn the same.
QColor translucent(QColor color)
{
    if (color.alpha() == 255) {
        color.setAlpha(254);
    }
    return color;
}

} // namespace

MatchMarks::MatchMarks(QQuickItem* parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    connect(&m_matches, &RowMatches::changed, this, &MatchMarks::onMatchesChanged);
}

void MatchMarks::setSearch(LogSearch* search)
{
    if (m_matches.setSearch(search)) {
        emit searchChanged();
    }
}

void MatchMarks::setActive(bool on)
{
    if (m_matches.setActive(on)) {
        emit activeChanged();
    }
}

void MatchMarks::setLineNumber(double lineNumber)
{
    if (m_matches.setLineNumber(lineNumber)) {
        emit lineNumberChanged();
    }
}

void MatchMarks::setOffset(int offset)
{
    if (offset == m_offset) {
        return;
    }
    m_offset = offset;
    emit offsetChanged();
    invalidate();
    updateCurrent();
}

void MatchMarks::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    emit textChanged();
    invalidate();
    updateCurrent();
}

void MatchMarks::setFont(const QFont& font)
{
    if (font == m_font) {
        return;
    }
    m_font = font;
    const QFontMetricsF metrics(font);
    m_columnWidth = QFontInfo(font).fixedPitch() ? metrics.horizontalAdvance(QLatin1Char('0')) : 0;
    m_lineHeight = metrics.height();
    emit fontChanged();
    invalidate();
}

void MatchMarks::setWrap(bool on)
{
    if (on == m_wrap) {
        return;
    }
    m_wrap = on;
    emit wrapChanged();
    invalidate();
}

void MatchMarks::setMatchColor(const QColor& color)
{
    setColor(m_matchColor, color);
}

void MatchMarks::setCurrentColor(const QColor& color)
{
    setColor(m_currentColor, color);
}

void MatchMarks::setColor(QColor& member, const QColor& color)
{
    if (color == member) {
        return;
    }
    member = color;
    emit colorsChanged();
    invalidate();
}

QList<MatchMarks::Mark> MatchMarks::marks()
{
    if (!m_laidOut) {
        layOut();
    }
    return m_marks;
}

void MatchMarks::onMatchesChanged()
{
    invalidate();
    if (m_hadMatches != hasMatches()) {
        m_hadMatches = hasMatches();
        emit hasMatchesChanged();
    }
    updateCurrent();
}

void MatchMarks::updateCurrent()
{
    bool here = false;
    for (const MatchSpan& span : m_matches.spans()) {
        if (span.start == m_matches.currentStart()) {
            here = span.start < m_offset + m_text.size() &&
                   span.start + qMax<qsizetype>(span.length, 1) > m_offset;
        }
    }
    if (here != m_hasCurrent) {
        m_hasCurrent = here;
        emit hasCurrentChanged();
    }
}

void MatchMarks::invalidate()
{
    if (!hasMatches() && m_marks.isEmpty()) {
        return; // the common row: nothing painted before or after
    }
    m_laidOut = false;
    m_nodesStale = true;
    polish();
    update();
}

void MatchMarks::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (m_wrap && newGeometry.width() != oldGeometry.width()) {
        invalidate();
    }
}

void MatchMarks::updatePolish()
{
    if (!m_laidOut) {
        layOut();
    }
}

void MatchMarks::layOut()
{
    m_laidOut = true;
    m_marks.clear();
    if (!hasMatches() || m_text.isEmpty()) {
        return;
    }
    if (layOutByColumns()) {
        return;
    }
    // Laid out as the text item lays out the row, so the boxes sit under its glyphs.
    QTextLayout layout(m_text, m_font);
    QTextOption option;
    option.setWrapMode(m_wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(m_wrap ? qMax<qreal>(width(), 1) : kUnboundedWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();

    for (const MatchSpan& span : m_matches.spans()) {
        const auto [from, to] = partShown(span, m_offset, m_text.size());
        if (to == from) {
            continue;
        }
        const QColor& color =
            span.start == m_matches.currentStart() ? m_currentColor : m_matchColor;
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const qsizetype a = qMax<qsizetype>(from, line.textStart());
            const qsizetype b = qMin<qsizetype>(to, line.textStart() + line.textLength());
            if (b <= a) {
                continue;
            }
            const qreal x1 = line.cursorToX(int(a));
            const qreal x2 = line.cursorToX(int(b));
            m_marks.append(
                {a, color, QRectF(qMin(x1, x2), line.y(), qAbs(x2 - x1), line.height())});
        }
    }
}

bool MatchMarks::layOutByColumns()
{
    // The usual sensor line: printable ASCII in a fixed-pitch font, on one line. Every
    // character is one column wide, so the boxes are placed without shaping the text a
    // second time (the text item has shaped it already), which would double the cost of
    // each arriving line that matches.
    if (m_columnWidth <= 0 || (m_wrap && m_text.size() * m_columnWidth > width())) {
        return false;
    }
    const bool ascii = std::all_of(m_text.cbegin(), m_text.cend(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7f;
    });
    if (!ascii) {
        return false;
    }
    for (const MatchSpan& span : m_matches.spans()) {
        const auto [from, to] = partShown(span, m_offset, m_text.size());
        if (to > from) {
            m_marks.append(
                {from, span.start == m_matches.currentStart() ? m_currentColor : m_matchColor,
                 QRectF(from * m_columnWidth, 0, (to - from) * m_columnWidth, m_lineHeight)});
        }
    }
    return true;
}

QSGNode* MatchMarks::updatePaintNode(QSGNode* node, UpdatePaintNodeData*)
{
    if (!m_laidOut) {
        layOut();
    }
    if (m_marks.isEmpty()) {
        delete node;
        m_nodesStale = false;
        return nullptr;
    }
    if (!node) {
        node = new QSGNode;
        m_nodesStale = true;
    }
    if (!m_nodesStale) {
        return node;
    }
    m_nodesStale = false;
    while (node->childCount() > m_marks.size()) {
        QSGNode* last = node->lastChild();
        node->removeChildNode(last);
        delete last;
    }
    while (node->childCount() < m_marks.size()) {
        node->appendChildNode(window()->createRectangleNode());
    }
    QSGNode* child = node->firstChild();
    for (const Mark& mark : std::as_const(m_marks)) {
        auto* box = static_cast<QSGRectangleNode*>(child);
        box->setRect(mark.rect);
        box->setColor(translucent(mark.color));
        child = child->nextSibling();
    }
    return node;
}
