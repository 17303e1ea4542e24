#include "log/repaintband.h"

#include <QQuickWindow>
#include <QSGRectangleNode>

RepaintBand::RepaintBand(QQuickItem* parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void RepaintBand::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    update();
}

QSGNode* RepaintBand::updatePaintNode(QSGNode* node, UpdatePaintNodeData*)
{
    auto* band = static_cast<QSGRectangleNode*>(node);
    if (!band) {
        band = window()->createRectangleNode();
        band->setColor(Qt::transparent);
    }
    band->setRect(boundingRect());
    return band;
}
