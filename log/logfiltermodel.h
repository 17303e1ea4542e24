#pragma once

#include <QSortFilterProxyModel>

class LogListModel;
class LogSearch;

/// The log's rows, or (while filtering) only those in which the search
/// finds a match. New rows are filtered as they arrive; rows the search has
/// not reached yet stay hidden until it does. Without a usable pattern every
/// row shows.
class LogFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

    Q_PROPERTY(bool filtering READ filtering WRITE setFiltering NOTIFY filteringChanged)
    Q_PROPERTY(int hiddenCount READ hiddenCount NOTIFY hiddenCountChanged)

public:
    LogFilterModel(LogListModel* source, LogSearch* search, QObject* parent = nullptr);

    bool filtering() const { return m_filtering; }
    void setFiltering(bool on);
    /// Rows of the log that the filter hides.
    int hiddenCount() const { return m_hiddenCount; }
    /// Whether a row of the log shows (while not filtering: every row).
    bool showsSourceRow(int sourceRow) const;

signals:
    void filteringChanged();
    void hiddenCountChanged();
    /// Which rows show was worked out again for all rows (filtering turned
    /// on or off, or the search's matches changed while filtering).
    void refiltered();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void refilter();
    void updateHiddenCount();

    LogSearch* m_search;
    bool m_filtering = false;
    bool m_refiltering = false;
    int m_hiddenCount = 0;
};
