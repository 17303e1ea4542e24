#pragma once

#include "log/rowmatches.h"

#include <QColor>
#include <QPointer>
#include <QQuickTextDocument>
#include <QSyntaxHighlighter>

class LogSearch;

/// Paints the matches of a search behind the text of one row of the data
/// monitor drawn by an editor (a selected row, or the one with the current
/// match, whose text takes its own colour). The row shows a part of a line
/// (from offset() on); the matches are those the search finds in the whole
/// line, cut to that part, so a match that runs over two rows of a long line
/// is painted in both. The current match gets a stronger colour.
class MatchHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

    Q_PROPERTY(QQuickTextDocument* document READ quickDocument WRITE setQuickDocument NOTIFY
                   documentChanged)
    Q_PROPERTY(LogSearch* search READ search WRITE setSearch NOTIFY searchChanged)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(double lineNumber READ lineNumber WRITE setLineNumber NOTIFY lineNumberChanged)
    Q_PROPERTY(int offset READ offset WRITE setOffset NOTIFY offsetChanged)
    Q_PROPERTY(QColor matchColor READ matchColor WRITE setMatchColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor currentColor READ currentColor WRITE setCurrentColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor currentTextColor READ currentTextColor WRITE setCurrentTextColor NOTIFY
                   colorsChanged)

public:
    explicit MatchHighlighter(QObject* parent = nullptr);

    QQuickTextDocument* quickDocument() const { return m_quickDocument; }
    void setQuickDocument(QQuickTextDocument* document);
    LogSearch* search() const { return m_matches.search(); }
    void setSearch(LogSearch* search);
    /// Whether matches are painted at all (false at first).
    bool active() const { return m_matches.active(); }
    void setActive(bool on);
    /// The line the row shows part of (as LogViewRows numbers lines).
    double lineNumber() const { return m_matches.lineNumber(); }
    void setLineNumber(double lineNumber);
    /// The line's column where the text shown starts.
    int offset() const { return m_offset; }
    void setOffset(int offset);

    QColor matchColor() const { return m_matchColor; }
    void setMatchColor(const QColor& color);
    QColor currentColor() const { return m_currentColor; }
    void setCurrentColor(const QColor& color);
    QColor currentTextColor() const { return m_currentTextColor; }
    void setCurrentTextColor(const QColor& color);

signals:
    void documentChanged();
    void searchChanged();
    void activeChanged();
    void lineNumberChanged();
    void offsetChanged();
    void colorsChanged();

protected:
    void highlightBlock(const QString& text) override;

private:
    void setColor(QColor& member, const QColor& color);

    QPointer<QQuickTextDocument> m_quickDocument;
    RowMatches m_matches;
    int m_offset = 0;
    QColor m_matchColor;
    QColor m_currentColor;
    QColor m_currentTextColor;
};
