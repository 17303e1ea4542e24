#include "monitorsurface.h"

#include "log/logviewrows.h"

#include <QPainter>
#include <QQuickPaintedItem>
#include <QQuickWindow>

#include <algorithm>

// The painted-item way: Qt Quick gives the item an image of its own to
// paint into, which the renderer then copies into the frame.
class PaintedRows : public QQuickPaintedItem
{
public:
    explicit PaintedRows(MonitorSurface* surface)
        : QQuickPaintedItem(surface)
        , m_surface(surface)
    {
        setOpaquePainting(true);
    }

    void paint(QPainter* painter) override { drawPicture(painter, m_surface->m_picture); }

private:
    MonitorSurface* m_surface;
};

MonitorSurface::MonitorSurface(QQuickItem* parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    setAcceptedMouseButtons(Qt::NoButton);
    m_style.text = Qt::black;
    m_style.background = Qt::white;
    m_style.selection = Qt::blue;
    m_style.selectedText = Qt::white;
}

MonitorSurface::~MonitorSurface() = default;

void MonitorSurface::setRows(LogViewRows* rows)
{
    if (rows == m_rows) {
        return;
    }
    if (m_rows) {
        disconnect(m_rows, nullptr, this, nullptr);
    }
    m_rows = rows;
    if (m_rows) {
        connect(m_rows, &LogViewRows::updated, this, &MonitorSurface::onRowsUpdated);
        connect(m_rows, &QAbstractItemModel::modelReset, this, &MonitorSurface::onRowsReset);
        connect(m_rows, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) {
                    m_rowsInserted += last - first + 1;
                });
    }
    onRowsReset();
    emit rowsChanged();
}

#define MONITOR_STYLE_SETTER(Setter, member)                                                       \
    void MonitorSurface::Setter(const decltype(RowStyle::member)& value)                           \
    {                                                                                              \
        if (m_style.member == value) {                                                             \
            return;                                                                                \
        }                                                                                          \
        m_style.member = value;                                                                    \
        relayout();                                                                                \
        emit styleChanged();                                                                       \
    }

MONITOR_STYLE_SETTER(setFont, font)
MONITOR_STYLE_SETTER(setTextColor, text)
MONITOR_STYLE_SETTER(setBackgroundColor, background)
MONITOR_STYLE_SETTER(setSelectionColor, selection)
MONITOR_STYLE_SETTER(setSelectedTextColor, selectedText)
#undef MONITOR_STYLE_SETTER

void MonitorSurface::setWrap(bool wrap)
{
    if (m_style.wrap == wrap) {
        return;
    }
    m_style.wrap = wrap;
    relayout();
    emit styleChanged();
}

void MonitorSurface::setContentX(int x)
{
    if (m_style.contentX == x) {
        return;
    }
    m_style.contentX = x;
    relayout();
    emit styleChanged();
}

void MonitorSurface::setPaused(bool paused)
{
    if (m_paused == paused) {
        return;
    }
    m_paused = paused;
    relayout();
    emit pausedChanged();
}

void MonitorSurface::setFollowing(bool following)
{
    if (m_following == following) {
        return;
    }
    m_following = following;
    emit followingChanged();
}

void MonitorSurface::setTechnique(Technique technique)
{
    if (m_technique == technique) {
        return;
    }
    m_technique = technique;
    if (technique == Technique::PaintedItem) {
        m_painted = new PaintedRows(this);
        m_painted->setSize(size());
        setFlag(ItemHasContents, false);
    } else {
        delete m_painted;
        m_painted = nullptr;
        setFlag(ItemHasContents);
    }
    m_frameChanged = true;
    relayout();
    update();
    emit techniqueChanged();
}

#define MONITOR_SELECTION_SETTER(Setter, Type, member)                                             \
    void MonitorSurface::Setter(Type value)                                                        \
    {                                                                                              \
        if (member == value) {                                                                     \
            return;                                                                                \
        }                                                                                          \
        member = value;                                                                            \
        relayout();                                                                                \
        emit selectionChanged();                                                                   \
    }

MONITOR_SELECTION_SETTER(setSelectionStartLine, double, m_selectionStartLine)
MONITOR_SELECTION_SETTER(setSelectionStartColumn, int, m_selectionStartColumn)
MONITOR_SELECTION_SETTER(setSelectionEndLine, double, m_selectionEndLine)
MONITOR_SELECTION_SETTER(setSelectionEndColumn, int, m_selectionEndColumn)
#undef MONITOR_SELECTION_SETTER

void MonitorSurface::setBarWidth(int width)
{
    if (m_bar.width == width) {
        return;
    }
    m_bar.width = width;
    m_bar.thumbImage = {};
    relayout();
    emit barChanged();
}

void MonitorSurface::setBarTrackColor(const QColor& color)
{
    if (m_bar.track == color) {
        return;
    }
    m_bar.track = color;
    relayout();
    emit barChanged();
}

void MonitorSurface::setBarThumbColor(const QColor& color)
{
    if (m_bar.thumb == color) {
        return;
    }
    m_bar.thumb = color;
    m_bar.thumbImage = {};
    relayout();
    emit barChanged();
}

bool MonitorSurface::placeThumb()
{
    const int track = int(height());
    const int y = qRound(m_scrollPosition * track);
    const int h = qMax(m_bar.width, qRound(m_scrollSize * track));
    const bool drawn = m_bar.width <= 0 || !m_bar.thumbImage.isNull();
    if (drawn && y == m_bar.thumbY && h == m_bar.thumbHeight) {
        return false;
    }
    m_bar.thumbY = y;
    m_bar.thumbHeight = h;
    m_bar.thumbImage = QImage();
    if (m_bar.width > 0 && h > 0) {
        // As a rounded Qt Quick rectangle of the thumb's colour draws it.
        m_bar.thumbImage = QImage(m_bar.width, h, QImage::Format_ARGB32_Premultiplied);
        m_bar.thumbImage.fill(Qt::transparent);
        QPainter painter(&m_bar.thumbImage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_bar.thumb);
        const qreal radius = qMin(m_bar.width, h) / 2.0;
        painter.drawRoundedRect(QRectF(0, 0, m_bar.width, h), radius, radius);
    }
    return true;
}

void MonitorSurface::relayout()
{
    // Laid out on the next pass of the event loop, before the frame it asks
    // for: an item that asks for a frame while Qt Quick polishes it gets a
    // second frame after this one. The polish request only makes sure that
    // no frame is drawn before the layout, whoever asked for it.
    if (m_layoutPending) {
        return;
    }
    m_layoutPending = true;
    QMetaObject::invokeMethod(this, &MonitorSurface::layOut, Qt::QueuedConnection);
    polish();
}

void MonitorSurface::onRowsUpdated()
{
    // A flood that brings a viewport of new rows at every refresh is drawn
    // half as often: nobody reads it at that speed, and every refresh pays
    // for a whole viewport of rows.
    int interval = StillIntervalMs;
    if (m_following && !m_paused) {
        const bool flood = !m_frame.isEmpty() && m_rowsInserted >= m_frame.size();
        interval = flood ? FloodIntervalMs : FollowIntervalMs;
    }
    m_rowsInserted = 0;
    if (interval != m_preferredInterval) {
        m_preferredInterval = interval;
        emit preferredIntervalChanged();
    }
    relayout();
}

void MonitorSurface::onRowsReset()
{
    // Line numbers start again after a clear: nothing drawn can be reused.
    m_drawn.clear();
    m_kept.clear();
    m_rowsInserted = 0;
    if (m_widestRow != 0) {
        m_widestRow = 0;
        emit widestRowChanged();
    }
    if (!m_rows || m_rows->rowCount() == 0) {
        setFollowing(true);
    }
    relayout();
}

void MonitorSurface::selectionIn(Key key, qsizetype length, int* from, int* to) const
{
    *from = *to = 0;
    const double line = double(key.line);
    if (m_selectionStartLine < 0 || line < m_selectionStartLine || line > m_selectionEndLine) {
        return;
    }
    const auto clamp = [length](qint64 column) {
        return int(qBound<qint64>(0, column, length));
    };
    *from = line == m_selectionStartLine ? clamp(qint64(m_selectionStartColumn) - key.column) : 0;
    *to =
        line == m_selectionEndLine ? clamp(qint64(m_selectionEndColumn) - key.column) : int(length);
    if (*to <= *from) {
        *from = *to = 0;
    }
}

const RenderedRow& MonitorSurface::row(int index, Key* keyOut)
{
    const Key key{qint64(m_rows->lineNumberAt(index)), m_rows->columnAt(index)};
    if (keyOut) {
        *keyOut = key;
    }
    RowStyle style = m_style;
    style.width = int(width());
    style.barWidth = m_bar.width;
    style.barTrack = m_bar.track;
    if (m_renderer.style() != style) {
        m_renderer.setStyle(style);
    }
    auto kept = m_kept.find(key);
    if (kept == m_kept.end()) {
        auto drawn = m_drawn.find(key);
        if (drawn != m_drawn.end() && m_drawnStyle == style) {
            kept = m_kept.insert(key, *drawn);
        } else {
            const QString text =
                m_rows->data(m_rows->index(index), LogViewRows::LineRole).toString();
            int from = 0;
            int to = 0;
            selectionIn(key, text.size(), &from, &to);
            ++m_rowsDrawn;
            return *m_kept.insert(key, m_renderer.render(text, from, to));
        }
    }
    int from = 0;
    int to = 0;
    selectionIn(key, kept->text.size(), &from, &to);
    if (from != kept->selectionFrom || to != kept->selectionTo) {
        ++m_rowsDrawn;
        *kept = m_renderer.render(kept->text, from, to);
    }
    return *kept;
}

void MonitorSurface::updatePolish()
{
    layOut();
}

void MonitorSurface::layOut()
{
    if (!m_layoutPending) {
        return;
    }
    m_layoutPending = false;
    RowStyle style = m_style;
    style.width = int(width());
    style.barWidth = m_bar.width;
    style.barTrack = m_bar.track;
    if (style != m_drawnStyle) {
        m_drawn.clear();
        m_kept.clear();
        m_drawnStyle = style;
        m_renderer.setStyle(style);
    }
    // Rows drawn by a scroll since the last frame count as drawn too.
    for (auto it = m_kept.cbegin(); it != m_kept.cend(); ++it) {
        m_drawn.insert(it.key(), it.value());
    }
    m_kept.clear();

    const int viewHeight = int(height());
    const int count = m_rows ? m_rows->rowCount() : 0;
    QVector<PictureRow> frame;
    int top = -1;
    if (count > 0 && style.width > 0 && viewHeight > 0) {
        if (!m_following || m_paused) {
            // Where the view stood; when its top line has left the log, the
            // oldest rows take the top.
            top = m_rows->rowOfLine(double(m_anchorLine), m_anchorColumn);
            if (top < 0) {
                top = count - 1;
                m_anchorOffset = 0;
            }
            int y = -m_anchorOffset;
            for (int i = top; i >= 0 && y < viewHeight; --i) {
                Key key{};
                const RenderedRow& drawn = row(i, &key);
                frame.append(
                    {key.line, key.column, y, drawn.image, drawn.inkAbove, drawn.inkBelow});
                y += drawn.image.height();
            }
            if (y < viewHeight) {
                top = -1; // the newest row is in sight: no blank space below it
            }
        }
        if (top < 0) {
            frame.clear();
            int y = viewHeight;
            for (int i = 0; i < count && y > 0; ++i) {
                Key key{};
                const RenderedRow& drawn = row(i, &key);
                y -= drawn.image.height();
                frame.append(
                    {key.line, key.column, y, drawn.image, drawn.inkAbove, drawn.inkBelow});
            }
            std::reverse(frame.begin(), frame.end());
            if (y > 0) {
                // Fewer rows than fill the view: they start at its top.
                for (PictureRow& f : frame) {
                    f.y -= y;
                }
            }
            top = int(frame.size()) - 1;
        }
        m_anchorLine = frame.constFirst().line;
        m_anchorColumn = frame.constFirst().column;
        m_anchorOffset = -frame.constFirst().y;
    }
    qreal widest = m_widestRow;
    for (auto it = m_kept.cbegin(); it != m_kept.cend(); ++it) {
        widest = qMax(widest, it->naturalWidth);
    }
    // Rows out of sight are dropped: the next frame draws what it needs.
    m_drawn.swap(m_kept);
    m_kept.clear();

    bool changed = m_frameChanged || frame.size() != m_frame.size();
    for (qsizetype i = 0; !changed && i < frame.size(); ++i) {
        changed = frame.at(i).y != m_frame.at(i).y ||
                  frame.at(i).image.cacheKey() != m_frame.at(i).image.cacheKey();
    }
    m_frame = std::move(frame);
    m_frameChanged = false;
    updateScrollBar(top, count);
    changed = placeThumb() || changed;
    if (changed || m_picture.size != size().toSize() || m_picture.background != style.background ||
        m_picture.bar.track != m_bar.track) {
        m_picture = {m_frame, size().toSize(), style.background, m_bar};
        if (m_painted) {
            m_painted->update();
        } else {
            update();
        }
    }
    if (widest != m_widestRow) {
        m_widestRow = widest;
        emit widestRowChanged();
    }
}

void MonitorSurface::updateScrollBar(int topIndex, int count)
{
    qreal size = 1;
    qreal position = 0;
    if (count > 0 && !m_frame.isEmpty()) {
        size = qMin<qreal>(1, qreal(m_frame.size()) / count);
        const qreal within = qreal(m_anchorOffset) / qMax(1, m_frame.constFirst().image.height());
        position = qBound<qreal>(0, (count - 1 - topIndex + within) / count, 1 - size);
    }
    if (size != m_scrollSize || position != m_scrollPosition) {
        m_scrollSize = size;
        m_scrollPosition = position;
        emit scrollChanged();
    }
}

QSGNode* MonitorSurface::updatePaintNode(QSGNode* old, UpdatePaintNodeData*)
{
    if (m_technique == Technique::PaintedItem || width() <= 0 || height() <= 0) {
        delete old;
        return nullptr;
    }
    return updatePictureNode(window(), old, m_picture);
}

void MonitorSurface::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (m_painted) {
        m_painted->setSize(newGeometry.size());
    }
    if (newGeometry.size() != oldGeometry.size()) {
        m_frameChanged = true;
        relayout();
    }
}

void MonitorSurface::wheelEvent(QWheelEvent* event)
{
    const qreal lineHeight = QFontMetricsF(m_style.font).height();
    const qreal dy = !event->pixelDelta().isNull()
                         ? event->pixelDelta().y()
                         : event->angleDelta().y() / 120.0 * 3 * lineHeight;
    scrollBy(-dy);
    event->accept();
}

void MonitorSurface::scrollBy(qreal dy)
{
    const int count = m_rows ? m_rows->rowCount() : 0;
    if (count == 0 || m_frame.isEmpty()) {
        return;
    }
    int top = m_rows->rowOfLine(double(m_anchorLine), m_anchorColumn);
    if (top < 0) {
        top = count - 1;
    }
    int offset = m_anchorOffset + qRound(dy);
    while (offset < 0 && top < count - 1) {
        ++top;
        offset += row(top).image.height();
    }
    offset = qMax(offset, 0);
    while (top > 0 && offset >= row(top).image.height()) {
        offset -= row(top).image.height();
        --top;
    }
    // Back at the newest row (or past it): follow again.
    const int limit = int(height()) + FollowDistance;
    int bottom = -offset;
    int i = top;
    for (; i >= 0 && bottom <= limit; --i) {
        bottom += row(i).image.height();
    }
    Key key{};
    row(top, &key);
    m_anchorLine = key.line;
    m_anchorColumn = key.column;
    m_anchorOffset = offset;
    setFollowing(i < 0 && bottom <= limit);
    relayout();
}

void MonitorSurface::scrollToNewest()
{
    setFollowing(true);
    relayout();
}

void MonitorSurface::scrollToOldest()
{
    const int count = m_rows ? m_rows->rowCount() : 0;
    if (count == 0) {
        return;
    }
    m_anchorLine = qint64(m_rows->lineNumberAt(count - 1));
    m_anchorColumn = m_rows->columnAt(count - 1);
    m_anchorOffset = 0;
    setFollowing(false);
    scrollBy(0); // follows again if every row fits
}

void MonitorSurface::scrollToPosition(qreal position)
{
    const int count = m_rows ? m_rows->rowCount() : 0;
    if (count == 0) {
        return;
    }
    if (position + m_scrollSize >= 1) {
        scrollToNewest();
        return;
    }
    const int top = qBound(0, count - 1 - int(position * count), count - 1);
    m_anchorLine = qint64(m_rows->lineNumberAt(top));
    m_anchorColumn = m_rows->columnAt(top);
    m_anchorOffset = 0;
    setFollowing(false);
    scrollBy(0);
}

QVariant MonitorSurface::hitTest(qreal x, qreal y) const
{
    if (m_frame.isEmpty()) {
        return {};
    }
    y = qBound<qreal>(0, y, height() - 1);
    const PictureRow* hit = nullptr;
    for (const PictureRow& f : m_frame) {
        if (y >= f.y && y < f.y + f.image.height()) {
            hit = &f;
        }
    }
    const auto point = [](qint64 line, qsizetype column) {
        return QVariant(QVariantMap{{QStringLiteral("line"), double(line)},
                                    {QStringLiteral("column"), int(column)}});
    };
    const auto textOf = [this](const PictureRow& f) {
        return m_drawn.value(Key{f.line, f.column}).text;
    };
    if (!hit) {
        // Blank space: above the oldest row, or below the newest one.
        const PictureRow& first = m_frame.constFirst();
        if (y < first.y) {
            return point(first.line, first.column);
        }
        const PictureRow& last = m_frame.constLast();
        return point(last.line, last.column + textOf(last).size());
    }
    const QString text = textOf(*hit);
    const qreal rowX = qMax<qreal>(0, x) + (m_drawnStyle.wrap ? 0 : m_drawnStyle.contentX);
    return point(hit->line, hit->column + m_renderer.positionAt(text, {rowX, y - hit->y}));
}

void MonitorSurface::redrawAll()
{
    m_drawn.clear();
    m_kept.clear();
    m_frameChanged = true;
    relayout();
}
