#include "library/batchcommandmodel.h"

#include "settings/settingsstore.h"

BatchCommandModel::BatchCommandModel(SettingsStore* settings, QObject* parent)
    : QAbstractListModel(parent)
    , m_settings(settings)
    , m_batches(settings->batchCommands())
{}

int BatchCommandModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_batches.size());
}

QVariant BatchCommandModel::data(const QModelIndex& index, int role) const
{
    const BatchCommand* batch = index.parent().isValid() ? nullptr : commandAt(index.row());
    if (!index.isValid() || !batch) {
        return {};
    }
    switch (role) {
    case NameRole:
        return batch->name;
    case StepCountRole:
        return int(batch->steps.size());
    case IntervalMsRole:
        return batch->intervalMs;
    default:
        return {};
    }
}

QHash<int, QByteArray> BatchCommandModel::roleNames() const
{
    return {{NameRole, "name"}, {StepCountRole, "stepCount"}, {IntervalMsRole, "intervalMs"}};
}

const BatchCommand* BatchCommandModel::commandAt(int row) const
{
    if (row < 0 || row >= m_batches.size()) {
        return nullptr;
    }
    return &m_batches.at(row);
}
