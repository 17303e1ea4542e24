#include "log/matchhighlighter.h"

#include <QTextDocument>

MatchHighlighter::MatchHighlighter(QObject* parent)
    : QSyntaxHighlighter(parent)
{
    connect(&m_matches, &RowMatches::changed, this, &MatchHighlighter::rehighlight);
}

void MatchHighlighter::setQuickDocument(QQuickTextDocument* document)
{
    if (document == m_quickDocument) {
        return;
    }
    m_quickDocument = document;
    setDocument(document ? document->textDocument() : nullptr);
    emit documentChanged();
}

void MatchHighlighter::setSearch(LogSearch* search)
{
    if (m_matches.setSearch(search)) {
        emit searchChanged();
    }
}

void MatchHighlighter::setActive(bool on)
{
    if (m_matches.setActive(on)) {
        emit activeChanged();
    }
}

void MatchHighlighter::setLineNumber(double lineNumber)
{
    if (m_matches.setLineNumber(lineNumber)) {
        emit lineNumberChanged();
    }
}

void MatchHighlighter::setOffset(int offset)
{
    if (offset == m_offset) {
        return;
    }
    m_offset = offset;
    emit offsetChanged();
    rehighlight();
}

void MatchHighlighter::setMatchColor(const QColor& color)
{
    setColor(m_matchColor, color);
}

void MatchHighlighter::setCurrentColor(const QColor& color)
{
    setColor(m_currentColor, color);
}

void MatchHighlighter::setCurrentTextColor(const QColor& color)
{
    setColor(m_currentTextColor, color);
}

void MatchHighlighter::setColor(QColor& member, const QColor& color)
{
    if (color == member) {
        return;
    }
    member = color;
    emit colorsChanged();
    rehighlight();
}

void MatchHighlighter::highlightBlock(const QString& text)
{
    // The block's columns in the line: a row's text may hold several blocks.
    const qsizetype blockStart = m_offset + currentBlock().position();
    const qsizetype blockEnd = blockStart + text.size();
    QTextCharFormat match;
    match.setBackground(m_matchColor);
    QTextCharFormat current;
    current.setBackground(m_currentColor);
    if (m_currentTextColor.isValid()) {
        current.setForeground(m_currentTextColor);
    }
    for (const MatchSpan& span : m_matches.spans()) {
        const qsizetype from = qMax(span.start, blockStart);
        const qsizetype to = qMin(span.start + qMax<qsizetype>(span.length, 0), blockEnd);
        if (to > from) {
            setFormat(int(from - blockStart), int(to - from),
                      span.start == m_matches.currentStart() ? current : match);
        }
    }
}
