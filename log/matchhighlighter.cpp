#include "log/matchhighlighter.h"

#include "log/logsearch.h"

#include <QTextDocument>

MatchHighlighter::MatchHighlighter(QObject* parent)
    : QSyntaxHighlighter(parent)
{}

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
    if (search == m_search) {
        return;
    }
    if (m_search) {
        disconnect(m_search, nullptr, this, nullptr);
    }
    m_search = search;
    if (search) {
        for (auto signal : {&LogSearch::matchesChanged, &LogSearch::currentChanged}) {
            connect(search, signal, this, &MatchHighlighter::refresh);
        }
        // New lines change the count on every arrival; only a hex match can run on into a
        // line that has just come and so change an older line's matches. Text and
        // expression matches stay within their line: looking again would run the matcher
        // over every row in view for each arrival.
        connect(search, &LogSearch::resultsChanged, this, [this] {
            if (m_search->hexPattern()) {
                refresh();
            }
        });
    }
    emit searchChanged();
    refresh();
}

void MatchHighlighter::setActive(bool on)
{
    if (on == m_active) {
        return;
    }
    m_active = on;
    emit activeChanged();
    refresh();
}

void MatchHighlighter::setLineNumber(double lineNumber)
{
    if (qint64(lineNumber) == m_lineNumber) {
        return;
    }
    m_lineNumber = qint64(lineNumber);
    emit lineNumberChanged();
    refresh();
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

void MatchHighlighter::refresh()
{
    QList<MatchSpan> spans;
    qsizetype current = -1;
    if (m_active && m_search && m_lineNumber >= 0) {
        const QList<int> flat = m_search->spansOfLine(double(m_lineNumber));
        spans.reserve(flat.size() / 2);
        for (qsizetype i = 0; i + 1 < flat.size(); i += 2) {
            spans.append({flat.at(i), flat.at(i + 1)});
        }
        if (qint64(m_search->currentLine()) == m_lineNumber) {
            current = m_search->currentColumn();
        }
    }
    const bool had = !m_spans.isEmpty();
    if (spans == m_spans && current == m_currentStart) {
        return;
    }
    m_spans = spans;
    m_currentStart = current;
    if (had != !spans.isEmpty()) {
        emit hasMatchesChanged();
    }
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
    for (const MatchSpan& span : std::as_const(m_spans)) {
        const qsizetype from = qMax(span.start, blockStart);
        const qsizetype to = qMin(span.start + qMax<qsizetype>(span.length, 0), blockEnd);
        if (to > from) {
            setFormat(int(from - blockStart), int(to - from),
                      span.start == m_currentStart ? current : match);
        }
    }
}
