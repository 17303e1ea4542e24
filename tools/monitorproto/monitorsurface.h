#pragma once

#include "monitorpicture.h"
#include "rowrenderer.h"

#include <QHash>
#include <QQuickItem>
#include <QVector>
#include <QtQml/qqmlregistration.h>

class LogViewRows;
class PaintedRows;

/// The data monitor's lines drawn by one item that keeps what it has drawn.
/// Each row (a line, or a part of a long line) is drawn once into an image
/// of its own and kept while it stays in sight; a refresh that moves the
/// view by k rows moves the pixels of the others and draws only the k new
/// ones. The rows come from the log's view rows, newest first; the newest
/// row sits at the bottom while the view follows.
///
/// Two ways to put the rows on screen, to compare: a render node that copies
/// the row images straight into the window's frame under Qt Quick's software
/// renderer (a texture of the viewport under a GPU renderer), or a painted
/// item (QQuickPaintedItem) that copies them into its own image first.
class MonitorSurface : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(LogViewRows* rows READ rows WRITE setRows NOTIFY rowsChanged)
    Q_MOC_INCLUDE("log/logviewrows.h")
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY styleChanged)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor NOTIFY styleChanged)
    Q_PROPERTY(
        QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY styleChanged)
    Q_PROPERTY(
        QColor selectionColor READ selectionColor WRITE setSelectionColor NOTIFY styleChanged)
    Q_PROPERTY(QColor selectedTextColor READ selectedTextColor WRITE setSelectedTextColor NOTIFY
                   styleChanged)
    Q_PROPERTY(bool wrap READ wrap WRITE setWrap NOTIFY styleChanged)
    Q_PROPERTY(int contentX READ contentX WRITE setContentX NOTIFY styleChanged)
    Q_PROPERTY(qreal widestRow READ widestRow NOTIFY widestRowChanged)
    Q_PROPERTY(bool paused READ paused WRITE setPaused NOTIFY pausedChanged)
    Q_PROPERTY(bool following READ following NOTIFY followingChanged)
    Q_PROPERTY(Technique technique READ technique WRITE setTechnique NOTIFY techniqueChanged)
    // The selection, from its start to its end: line numbers as the rows
    // give them and character columns in those lines; start line -1: none.
    Q_PROPERTY(double selectionStartLine READ selectionStartLine WRITE setSelectionStartLine NOTIFY
                   selectionChanged)
    Q_PROPERTY(int selectionStartColumn READ selectionStartColumn WRITE setSelectionStartColumn
                   NOTIFY selectionChanged)
    Q_PROPERTY(double selectionEndLine READ selectionEndLine WRITE setSelectionEndLine NOTIFY
                   selectionChanged)
    Q_PROPERTY(int selectionEndColumn READ selectionEndColumn WRITE setSelectionEndColumn NOTIFY
                   selectionChanged)
    // The vertical scroll bar is drawn with the rows, over their right edge
    // (a QML item there would be painted again at every refresh, and a tall
    // translucent fill makes Qt's raster engine hand it to worker threads);
    // its width 0: none. The colours carry the opacity.
    Q_PROPERTY(int barWidth READ barWidth WRITE setBarWidth NOTIFY barChanged)
    Q_PROPERTY(QColor barTrackColor READ barTrackColor WRITE setBarTrackColor NOTIFY barChanged)
    Q_PROPERTY(QColor barThumbColor READ barThumbColor WRITE setBarThumbColor NOTIFY barChanged)
    Q_PROPERTY(int preferredInterval READ preferredInterval NOTIFY preferredIntervalChanged)
    Q_PROPERTY(qreal scrollPosition READ scrollPosition NOTIFY scrollChanged)
    Q_PROPERTY(qreal scrollSize READ scrollSize NOTIFY scrollChanged)

public:
    enum class Technique {
        RenderNode,
        PaintedItem,
    };
    Q_ENUM(Technique)

    /// Refresh interval while the view follows, and while a flood replaces
    /// the whole viewport at every refresh anyway (then half as often).
    static constexpr int FollowIntervalMs = 100;
    static constexpr int FloodIntervalMs = 200;
    /// Refresh interval while the view stands still.
    static constexpr int StillIntervalMs = 33;
    /// The view follows again once its bottom is this close to the newest row.
    static constexpr int FollowDistance = 4;

    explicit MonitorSurface(QQuickItem* parent = nullptr);
    ~MonitorSurface() override;

    LogViewRows* rows() const { return m_rows; }
    void setRows(LogViewRows* rows);
    QFont font() const { return m_style.font; }
    void setFont(const QFont& font);
    QColor textColor() const { return m_style.text; }
    void setTextColor(const QColor& color);
    QColor backgroundColor() const { return m_style.background; }
    void setBackgroundColor(const QColor& color);
    QColor selectionColor() const { return m_style.selection; }
    void setSelectionColor(const QColor& color);
    QColor selectedTextColor() const { return m_style.selectedText; }
    void setSelectedTextColor(const QColor& color);
    bool wrap() const { return m_style.wrap; }
    void setWrap(bool wrap);
    int contentX() const { return m_style.contentX; }
    void setContentX(int x);
    qreal widestRow() const { return m_widestRow; }
    bool paused() const { return m_paused; }
    void setPaused(bool paused);
    bool following() const { return m_following; }
    Technique technique() const { return m_technique; }
    void setTechnique(Technique technique);
    double selectionStartLine() const { return m_selectionStartLine; }
    void setSelectionStartLine(double line);
    int selectionStartColumn() const { return m_selectionStartColumn; }
    void setSelectionStartColumn(int column);
    double selectionEndLine() const { return m_selectionEndLine; }
    void setSelectionEndLine(double line);
    int selectionEndColumn() const { return m_selectionEndColumn; }
    void setSelectionEndColumn(int column);
    int barWidth() const { return m_bar.width; }
    void setBarWidth(int width);
    QColor barTrackColor() const { return m_bar.track; }
    void setBarTrackColor(const QColor& color);
    QColor barThumbColor() const { return m_bar.thumb; }
    void setBarThumbColor(const QColor& color);
    int preferredInterval() const { return m_preferredInterval; }
    qreal scrollPosition() const { return m_scrollPosition; }
    qreal scrollSize() const { return m_scrollSize; }

    /// Moves the lines by @p dy pixels (positive: towards the newest), as
    /// the wheel and the keys do; the view follows again at the bottom.
    Q_INVOKABLE void scrollBy(qreal dy);
    Q_INVOKABLE void scrollToNewest();
    Q_INVOKABLE void scrollToOldest();
    /// Puts the view where a vertical scroll bar at @p position (0: the
    /// oldest row at the top) shows it.
    Q_INVOKABLE void scrollToPosition(qreal position);
    /// The line number and column under a point of the item, as
    /// {"line": n, "column": c}; an empty map without rows. Blank space above
    /// the oldest row gives its start, below the newest row its end.
    Q_INVOKABLE QVariant hitTest(qreal x, qreal y) const;
    /// Forgets every row drawn, so that the next frame draws all of them.
    Q_INVOKABLE void redrawAll();

    /// Rows drawn since the item was made (to show what a refresh costs).
    qint64 rowsDrawn() const { return m_rowsDrawn; }
    /// How the rows were drawn: from the glyph table, or laid out in full.
    const RowRenderer& renderer() const { return m_renderer; }
    /// Rows in the current frame, from the top.
    int rowsInSight() const { return int(m_frame.size()); }

    /// The frame as last laid out.
    const MonitorPicture& picture() const { return m_picture; }

signals:
    void rowsChanged();
    void barChanged();
    void styleChanged();
    void widestRowChanged();
    void pausedChanged();
    void followingChanged();
    void techniqueChanged();
    void selectionChanged();
    void preferredIntervalChanged();
    void scrollChanged();

protected:
    void updatePolish() override;
    QSGNode* updatePaintNode(QSGNode* old, UpdatePaintNodeData* data) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class PaintedRows;

    struct Key
    {
        qint64 line;
        int column;
        bool operator==(const Key& other) const
        {
            return line == other.line && column == other.column;
        }
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.line, key.column);
    }

    /// The row at a model index, drawn now unless it is kept; its key in @p key.
    const RenderedRow& row(int index, Key* key = nullptr);
    /// Where the selection lies in a row's text: [from, to).
    void selectionIn(Key key, qsizetype length, int* from, int* to) const;
    void setFollowing(bool following);
    /// The view moved or the rows changed: a new frame is laid out before
    /// the next one is drawn.
    void relayout();
    /// Lays out the frame: which rows are in sight, and where.
    void layOut();
    void onRowsUpdated();
    void onRowsReset();
    void updateScrollBar(int topIndex, int count);
    /// The scroll bar's thumb where the scroll position puts it; true when it moved.
    bool placeThumb();

    LogViewRows* m_rows = nullptr;
    RowStyle m_style;
    RowStyle m_drawnStyle;
    RowRenderer m_renderer;
    bool m_paused = false;
    bool m_following = true;
    Technique m_technique = Technique::RenderNode;
    double m_selectionStartLine = -1;
    int m_selectionStartColumn = 0;
    double m_selectionEndLine = -1;
    int m_selectionEndColumn = 0;
    int m_preferredInterval = FollowIntervalMs;
    qreal m_widestRow = 0;
    qreal m_scrollPosition = 0;
    qreal m_scrollSize = 1;

    // Where the view stands while it does not follow: the row at its top
    // and how far the viewport's top lies below that row's top.
    qint64 m_anchorLine = -1;
    int m_anchorColumn = 0;
    int m_anchorOffset = 0;

    // The rows drawn and in sight (or just passed over by a scroll).
    QHash<Key, RenderedRow> m_drawn;
    QHash<Key, RenderedRow> m_kept;
    QVector<PictureRow> m_frame;
    PictureBar m_bar;
    MonitorPicture m_picture;
    bool m_frameChanged = false;
    bool m_layoutPending = false;
    qint64 m_rowsDrawn = 0;
    int m_rowsInserted = 0;
    PaintedRows* m_painted = nullptr;
};
