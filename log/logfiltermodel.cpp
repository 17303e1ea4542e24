#include "log/logfiltermodel.h"

#include "log/loglistmodel.h"
#include "log/logsearch.h"

LogFilterModel::LogFilterModel(LogListModel* source, LogSearch* search, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_search(search)
{
    setSourceModel(source);
    connect(search, &LogSearch::matchesChanged, this, [this] {
        if (m_filtering) {
            refilter();
        }
    });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(this, signal, this, &LogFilterModel::updateHiddenCount);
    }
    connect(this, &QAbstractItemModel::modelReset, this, &LogFilterModel::updateHiddenCount);
    connect(source, &QAbstractItemModel::rowsInserted, this, &LogFilterModel::updateHiddenCount);
    connect(source, &QAbstractItemModel::rowsRemoved, this, &LogFilterModel::updateHiddenCount);
}

void LogFilterModel::setFiltering(bool on)
{
    if (on == m_filtering) {
        return;
    }
    m_filtering = on;
    emit filteringChanged();
    refilter();
}

bool LogFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    return sourceParent.isValid() || showsSourceRow(sourceRow);
}

bool LogFilterModel::showsSourceRow(int sourceRow) const
{
    if (!m_filtering || !m_search->active()) {
        return true;
    }
    return m_search->matchCountOfRow(sourceRow) > 0;
}

void LogFilterModel::refilter()
{
    // The proxy shows and hides rows range by range; the count is told once.
    m_refiltering = true;
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
    beginFilterChange();
    endFilterChange(QSortFilterProxyModel::Direction::Rows);
#else
    invalidateRowsFilter();
#endif
    m_refiltering = false;
    updateHiddenCount();
    emit refiltered();
}

void LogFilterModel::updateHiddenCount()
{
    if (m_refiltering) {
        return;
    }
    const int hidden = sourceModel() ? sourceModel()->rowCount() - rowCount() : 0;
    if (hidden == m_hiddenCount) {
        return;
    }
    m_hiddenCount = hidden;
    emit hiddenCountChanged();
}
