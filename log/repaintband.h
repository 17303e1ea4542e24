#pragma once

#include <QQuickItem>

/// Nothing to see: a fully transparent rectangle the size of the item, for
/// Qt Quick's software renderer alone. That renderer gathers, front to
/// back, the area each frame must repaint; laid in front of a row whose
/// parts stick out of its text's own area in small pieces (the boxes behind
/// a row's matches), a band over the whole row takes them into one piece
/// first. Without it the many-piece area is worked through for every node
/// of the frame: a fifth more CPU per line in a flood with matches marked,
/// measured. A transparent rectangle is not painted; a Rectangle item of
/// that colour would not even reach the renderer.
class RepaintBand : public QQuickItem
{
    Q_OBJECT

public:
    explicit RepaintBand(QQuickItem* parent = nullptr);

protected:
    QSGNode* updatePaintNode(QSGNode* node, UpdatePaintNodeData* data) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
};
