#include "library/historyrecall.h"

namespace {

bool oneLine(const QString& text)
{
    return !text.contains(QLatin1Char('\n'));
}

} // namespace

HistoryRecall::HistoryRecall(CommandHistoryModel* history, Draft draft, QObject* parent)
    : QObject(parent)
    , m_history(history)
    , m_draft(std::move(draft))
{
    // A send reorders the list: the next Up starts from its top again.
    connect(m_history, &QAbstractItemModel::modelReset, this, [this] { m_stepping = false; });
}

void HistoryRecall::recall(int row)
{
    if (row < 0 || row >= m_history->rowCount()) {
        return;
    }
    m_stepping = false;
    apply(row);
}

bool HistoryRecall::older()
{
    const QString draft = m_draft.text();
    if (!oneLine(draft)) {
        return false;
    }
    if (!stepping()) {
        m_stepping = true;
        m_row = -1;
        m_savedText = draft;
        m_savedHex = m_draft.hex();
    }
    if (m_row + 1 >= m_history->rowCount()) {
        return false;
    }
    apply(m_row + 1);
    return true;
}

bool HistoryRecall::newer()
{
    if (!oneLine(m_draft.text()) || !stepping()) {
        return false;
    }
    if (m_row <= 0) {
        m_stepping = false;
        m_draft.setText(m_savedText);
        m_draft.setHex(m_savedHex);
        return true;
    }
    apply(m_row - 1);
    return true;
}

// Still stepping while the draft is what the last step put there.
bool HistoryRecall::stepping() const
{
    return m_stepping && m_draft.text() == m_lastRecalled;
}

void HistoryRecall::apply(int row)
{
    m_row = row;
    m_lastRecalled = m_history->textAt(row);
    m_draft.setText(m_lastRecalled);
    switch (m_history->sentAsAt(row)) {
    case SentAs::Unknown:
        break;
    case SentAs::Text:
        m_draft.setHex(false);
        break;
    case SentAs::Hex:
        m_draft.setHex(true);
        break;
    }
}
