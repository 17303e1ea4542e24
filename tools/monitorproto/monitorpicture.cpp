#include "monitorpicture.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGRenderNode>
#include <QSGRendererInterface>
#include <QSGTexture>

#include <memory>

namespace {

// Qt's raster engine hands a fill or copy of 96 lines or more to worker
// threads, which costs more in waking them than a monitor's strips take to
// draw: tall strips go in pieces.
constexpr int StripLines = 64;

void fillStrip(QPainter* painter, const QRect& rect, const QColor& color)
{
    for (int y = rect.top(); y <= rect.bottom(); y += StripLines) {
        painter->fillRect(
            QRect(rect.left(), y, rect.width(), qMin(StripLines, rect.bottom() + 1 - y)), color);
    }
}

void copyStrip(QPainter* painter, QPoint to, const QImage& image, const QRect& from)
{
    for (int y = 0; y < from.height(); y += StripLines) {
        const int lines = qMin(StripLines, from.height() - y);
        painter->drawImage(to + QPoint(0, y), image,
                           QRect(from.left(), from.top() + y, from.width(), lines));
    }
}

// Under the software renderer: the row images go straight into the
// window's frame, with the painter the renderer draws with.
class RowsRenderNode : public QSGRenderNode
{
public:
    explicit RowsRenderNode(QQuickWindow* window)
        : m_window(window)
    {}

    void render(const RenderState* state) override
    {
        auto* painter = static_cast<QPainter*>(m_window->rendererInterface()->getResource(
            m_window, QSGRendererInterface::PainterResource));
        if (!painter) {
            return;
        }
        painter->save();
        const QRegion* clip = state->clipRegion();
        if (clip && !clip->isEmpty()) {
            painter->setClipRegion(*clip, Qt::ReplaceClip); // before the transform
        }
        painter->setTransform(matrix()->toTransform());
        painter->setOpacity(inheritedOpacity());
        drawPicture(painter, picture);
        painter->restore();
    }
    StateFlags changedStates() const override { return {}; }
    RenderingFlags flags() const override { return BoundedRectRendering | OpaqueRendering; }
    QRectF rect() const override { return QRectF(QPointF(), QSizeF(picture.size)); }

    MonitorPicture picture;

private:
    QQuickWindow* m_window;
};

// Under a GPU renderer: the frame drawn into an image that becomes the
// texture of one image node; this node owns the texture.
class RowsTextureNode : public QSGNode
{
public:
    explicit RowsTextureNode(QQuickWindow* window)
        : m_image(window->createImageNode())
    {
        appendChildNode(m_image);
    }
    ~RowsTextureNode() override { delete m_texture; }

    void setFrame(QQuickWindow* window, const QImage& frame)
    {
        std::unique_ptr<QSGTexture> previous(m_texture);
        m_texture = window->createTextureFromImage(frame, QQuickWindow::TextureIsOpaque);
        m_image->setTexture(m_texture);
        m_image->setRect(QRectF(QPointF(), frame.size()));
    }

private:
    QSGImageNode* m_image;
    QSGTexture* m_texture = nullptr;
};

} // namespace

void drawPicture(QPainter* painter, const MonitorPicture& picture)
{
    const QSize size = picture.size;
    const PictureBar& bar = picture.bar;
    // The scroll bar's thumb over the lines [top, bottom) of what was just
    // drawn; rows carry the track, gaps get it here.
    const auto drawThumb = [&](int top, int bottom) {
        if (bar.width <= 0 || bottom <= top) {
            return;
        }
        const int x = size.width() - bar.width;
        const int from = qMax(top, bar.thumbY);
        const int to = qMin(bottom, bar.thumbY + bar.thumbHeight);
        if (to > from) {
            copyStrip(painter, QPoint(x, from), bar.thumbImage,
                      QRect(0, from - bar.thumbY, bar.width, to - from));
        }
    };
    const auto fillGap = [&](int top, int bottom) {
        if (bottom > top) {
            fillStrip(painter, QRect(0, top, size.width(), bottom - top), picture.background);
            if (bar.width > 0) {
                fillStrip(painter, QRect(size.width() - bar.width, top, bar.width, bottom - top),
                          bar.track);
            }
            drawThumb(top, bottom);
        }
    };
    int y = 0;
    for (const PictureRow& row : picture.rows) {
        fillGap(y, row.y);
        // Only the part inside the item: rows at the edges are cut.
        const int from = qMax(0, -row.y);
        const int to = qMin(row.image.height(), size.height() - row.y);
        if (to > from) {
            // A row narrower than the item leaves background to its right.
            const int inked = qMin(row.image.width(), size.width());
            copyStrip(painter, QPoint(0, row.y + from), row.image,
                      QRect(0, from, inked, to - from));
            if (inked < size.width()) {
                fillStrip(painter, QRect(inked, row.y + from, size.width() - inked, to - from),
                          picture.background);
            }
            drawThumb(row.y + from, row.y + to);
        }
        y = row.y + row.image.height();
    }
    fillGap(qMax(y, 0), size.height());
    // Ink that leaves a row lies over its neighbours, as with text items.
    for (const PictureRow& row : picture.rows) {
        const auto overlay = [&](const QImage& ink, int top) {
            const QRect inside = QRect(QPoint(0, top), ink.size()) & QRect(QPoint(), size);
            if (!ink.isNull() && !inside.isEmpty()) {
                painter->drawImage(inside.topLeft(), ink, inside.translated(0, -top));
            }
        };
        overlay(row.inkAbove, row.y - row.inkAbove.height());
        overlay(row.inkBelow, row.y + row.image.height());
    }
}

QSGNode* updatePictureNode(QQuickWindow* window, QSGNode* old, const MonitorPicture& picture)
{
    if (window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software) {
        auto* node = old ? static_cast<RowsRenderNode*>(old) : new RowsRenderNode(window);
        node->picture = picture;
        node->markDirty(QSGNode::DirtyMaterial);
        return node;
    }
    auto* node = old ? static_cast<RowsTextureNode*>(old) : new RowsTextureNode(window);
    QImage image(picture.size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        drawPicture(&painter, picture);
    }
    node->setFrame(window, image);
    return node;
}
