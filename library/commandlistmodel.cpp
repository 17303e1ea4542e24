#include "library/commandlistmodel.h"

CommandListModel::CommandListModel(SettingsStore* settings, QObject* parent)
    : QAbstractListModel(parent)
    , m_settings(settings)
{}

int CommandListModel::rowCount(const QModelIndex&) const
{
    return 0;
}

QVariant CommandListModel::data(const QModelIndex&, int) const
{
    return {};
}

QHash<int, QByteArray> CommandListModel::roleNames() const
{
    return {{NameRole, "name"},
            {CmdRole, "cmd"},
            {HasParamsRole, "hasParams"},
            {IsCustomRole, "isCustom"}};
}

void CommandListModel::setModelId(const QString& id)
{
    m_modelId = id;
}
