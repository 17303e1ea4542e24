#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QVector>

class QPainter;
class QQuickWindow;
class QSGNode;

/// One row of a frame: which line and part of it, and where its image goes.
struct PictureRow
{
    qint64 line = -1;
    int column = 0;
    int y = 0;
    QImage image;
    /// Ink past the row's top and bottom, drawn over its neighbours.
    QImage inkAbove;
    QImage inkBelow;
};

/// A vertical scroll bar over the right edge: track and thumb, the colours
/// with their opacity; width 0: none.
struct PictureBar
{
    int width = 0;
    QColor track;
    QColor thumb;
    int thumbY = 0;
    int thumbHeight = 0;
    QImage thumbImage;
};

/// Everything one frame of a monitor item draws: rows of pixels drawn
/// earlier, placed anew, and the background where no row is.
struct MonitorPicture
{
    QVector<PictureRow> rows;
    QSize size;
    QColor background;
    PictureBar bar;
};

/// Draws @p picture with @p painter, from the item's top left corner.
void drawPicture(QPainter* painter, const MonitorPicture& picture);

/// The scene graph node that shows @p picture in an item of @p window:
/// under Qt Quick's software renderer a render node that copies the rows
/// straight into the window's frame, under a GPU renderer a texture of the
/// whole picture. @p old is the node made last time, or null.
QSGNode* updatePictureNode(QQuickWindow* window, QSGNode* old, const MonitorPicture& picture);
