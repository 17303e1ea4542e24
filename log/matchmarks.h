#pragma once

#include "log/rowmatches.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QQuickItem>
#include <QRectF>

class LogSearch;

/// Paints the matches of a search as coloured boxes behind the text of one
/// row of the data monitor, for rows drawn by a plain text item. The boxes
/// come from a layout of the row's text alone (same font, width and wrapping
/// as the text item), made only while the row has matches: a row without
/// matches costs one look at the search. The row shows a part of a line
/// (from offset() on); a match that runs over two rows is painted in both.
/// The row holding the current match is drawn by an editor instead (its
/// text takes the current match's colour): hasCurrent() tells it.
class MatchMarks : public QQuickItem
{
    Q_OBJECT

    Q_PROPERTY(LogSearch* search READ search WRITE setSearch NOTIFY searchChanged)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(double lineNumber READ lineNumber WRITE setLineNumber NOTIFY lineNumberChanged)
    Q_PROPERTY(int offset READ offset WRITE setOffset NOTIFY offsetChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(bool wrap READ wrap WRITE setWrap NOTIFY wrapChanged)
    Q_PROPERTY(bool hasMatches READ hasMatches NOTIFY hasMatchesChanged)
    Q_PROPERTY(bool hasCurrent READ hasCurrent NOTIFY hasCurrentChanged)
    Q_PROPERTY(QColor matchColor READ matchColor WRITE setMatchColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor currentColor READ currentColor WRITE setCurrentColor NOTIFY colorsChanged)

public:
    /// One painted box: where in the row's text it starts, its colour and
    /// its place in the item.
    struct Mark
    {
        qsizetype column = 0;
        QColor color;
        QRectF rect;
    };

    explicit MatchMarks(QQuickItem* parent = nullptr);

    LogSearch* search() const { return m_matches.search(); }
    void setSearch(LogSearch* search);
    /// Whether matches are looked for at all (false at first).
    bool active() const { return m_matches.active(); }
    void setActive(bool on);
    /// The line the row shows part of (as LogViewRows numbers lines).
    double lineNumber() const { return m_matches.lineNumber(); }
    void setLineNumber(double lineNumber);
    /// The line's column where the text shown starts.
    int offset() const { return m_offset; }
    void setOffset(int offset);
    /// The row's text, as the text item shows it.
    QString text() const { return m_text; }
    void setText(const QString& text);
    QFont font() const { return m_font; }
    void setFont(const QFont& font);
    /// Whether the text wraps at the item's width (as Text.Wrap does).
    bool wrap() const { return m_wrap; }
    void setWrap(bool on);

    bool hasMatches() const { return !m_matches.spans().isEmpty(); }
    /// Whether the search's current match lies (partly) in the row's part.
    bool hasCurrent() const { return m_hasCurrent; }

    QColor matchColor() const { return m_matchColor; }
    void setMatchColor(const QColor& color);
    QColor currentColor() const { return m_currentColor; }
    void setCurrentColor(const QColor& color);

    /// The boxes as painted, laid out now if anything changed.
    QList<Mark> marks();

signals:
    void searchChanged();
    void activeChanged();
    void lineNumberChanged();
    void offsetChanged();
    void textChanged();
    void fontChanged();
    void wrapChanged();
    void hasMatchesChanged();
    void hasCurrentChanged();
    void colorsChanged();

protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void updatePolish() override;
    QSGNode* updatePaintNode(QSGNode* node, UpdatePaintNodeData* data) override;

private:
    void onMatchesChanged();
    void updateCurrent();
    /// The boxes need laying out again (and painting).
    void invalidate();
    void layOut();
    bool layOutByColumns();
    void setColor(QColor& member, const QColor& color);

    RowMatches m_matches;
    bool m_hadMatches = false;
    int m_offset = 0;
    QString m_text;
    QFont m_font;
    // The width of every character of a fixed-pitch font (0 for others), and a line's height.
    qreal m_columnWidth = 0;
    qreal m_lineHeight = 0;
    bool m_wrap = false;
    bool m_hasCurrent = false;
    QColor m_matchColor;
    QColor m_currentColor;
    QList<Mark> m_marks;
    bool m_laidOut = true;
    bool m_nodesStale = false;
};
