#include "library/commandlistmodel.h"

#include "settings/languagemanager.h"
#include "settings/settingsstore.h"
#include "util/textbounds.h"

#include <QHash>
#include <QUuid>

#include <algorithm>
#include <limits>

namespace {

bool matches(const DeviceCommand& command, const QString& needle)
{
    // JSON payloads are deliberately not searched: their keys and values
    // would match almost any short word.
    return needle.isEmpty() || command.name.zh.toLower().contains(needle) ||
           command.name.en.toLower().contains(needle) || command.cmd.toLower().contains(needle);
}

DeviceCommand templateRow(const CustomCommandTemplate& stored)
{
    DeviceCommand command;
    command.id = stored.id;
    command.name = {stored.name, stored.name};
    command.cmd = stored.content;
    command.isCustom = true;
    return command;
}

const QString kTemplatePrefix = QStringLiteral("template:");

} // namespace

CommandListModel::CommandListModel(const DeviceLibrary* library, SettingsStore* settings,
                                   QObject* parent)
    : QAbstractListModel(parent)
    , m_library(library)
    , m_settings(settings)
{
    reloadCustomTemplates();
    // Captions follow the language; order and filter stay as they are (the
    // search matches both languages anyway).
    connect(&LanguageManager::instance(), &LanguageManager::languageChanged, this, [this] {
        if (!m_rows.isEmpty()) {
            emit dataChanged(index(0), index(rowCount() - 1), {NameRole});
        }
    });
}

int CommandListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant CommandListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const DeviceCommand& command = m_rows.at(index.row()).command;
    switch (role) {
    case NameRole:
        return command.name.text();
    case CmdRole:
        // A library's text is only shown here, on one line; a template's is also what its
        // editor starts from, so it stays whole.
        return command.isCustom ? command.sendText()
                                : TextBounds::cut(command.sendText(), TextBounds::Caption);
    case HasParamsRole:
        return !command.isJson && !command.params.isEmpty();
    case IsCustomRole:
        return command.isCustom;
    default:
        return {};
    }
}

QHash<int, QByteArray> CommandListModel::roleNames() const
{
    return {{NameRole, "name"},
            {CmdRole, "cmd"},
            {HasParamsRole, "hasParams"},
            {IsCustomRole, "isCustom"}};
}

void CommandListModel::setSearchText(const QString& text)
{
    if (text == m_searchText) {
        return;
    }
    m_searchText = text;
    rebuild();
    emit searchChanged();
}

void CommandListModel::setModelId(const QString& id)
{
    if (id == m_modelId) {
        return;
    }
    m_modelId = id;
    m_searchText.clear();
    rebuild();
    emit searchChanged();
}

const DeviceCommand* CommandListModel::commandAt(int row) const
{
    if (row < 0 || row >= m_rows.size()) {
        return nullptr;
    }
    return &m_rows.at(row).command;
}

QString CommandListModel::orderKey(const DeviceCommand& command)
{
    return command.id.isEmpty() ? command.name.zh : command.id;
}

void CommandListModel::rebuild()
{
    beginResetModel();
    m_rows.clear();
    const QString needle = m_searchText.trimmed().toLower();
    for (const DeviceCommand& command : std::as_const(m_customRows)) {
        if (matches(command, needle)) {
            m_rows.append({command, orderKey(command), -1});
        }
    }
    m_sourceModel = -1;
    if (const DeviceModel* model = m_library->model(m_modelId)) {
        m_sourceModel = int(model - m_library->models().constData());
        for (int i = 0; i < model->commands.size(); ++i) {
            const DeviceCommand& command = model->commands.at(i);
            if (matches(command, needle)) {
                m_rows.append({command, orderKey(command), i});
            }
        }
    }

    const QStringList order = m_settings->commandOrder();
    if (!order.isEmpty()) {
        QHash<QString, int> position;
        position.reserve(order.size());
        for (int i = 0; i < order.size(); ++i) {
            position.insert(order.at(i), i); // a repeated key: the later place wins
        }
        // Remembered rows first in their remembered order; the others keep
        // their places relative to each other after them.
        constexpr int unknown = std::numeric_limits<int>::max();
        QList<int> rank(m_rows.size());
        QList<int> byRank(m_rows.size());
        for (int i = 0; i < m_rows.size(); ++i) {
            rank[i] = position.value(m_rows.at(i).key, unknown);
            byRank[i] = i;
        }
        std::stable_sort(byRank.begin(), byRank.end(),
                         [&rank](int a, int b) { return rank.at(a) < rank.at(b); });
        QList<Row> sorted;
        sorted.reserve(m_rows.size());
        for (const int i : std::as_const(byRank)) {
            sorted.append(std::move(m_rows[i]));
        }
        m_rows = std::move(sorted);
    }
    endResetModel();
}

void CommandListModel::reloadCustomTemplates()
{
    m_customRows.clear();
    const QList<CustomCommandTemplate> stored = m_settings->customTemplates();
    m_customRows.reserve(stored.size());
    for (const CustomCommandTemplate& entry : stored) {
        m_customRows.append(templateRow(entry));
    }
}

void CommandListModel::moveRow(int from, int to)
{
    const int count = rowCount();
    if (from < 0 || to < 0 || from >= count || to >= count || from == to) {
        return;
    }
    beginMoveRows({}, from, from, {}, from < to ? to + 1 : to);
    m_rows.move(from, to);
    endMoveRows();

    QStringList order;
    order.reserve(m_rows.size());
    for (const Row& row : std::as_const(m_rows)) {
        order.append(row.key);
    }
    m_settings->setCommandOrder(order);
}

void CommandListModel::addCustomTemplate(const QString& name, const QString& content)
{
    const QString trimmedName = name.trimmed();
    const QString trimmedContent = content.trimmed();
    if (trimmedName.isEmpty() || trimmedContent.isEmpty()) {
        return;
    }
    QList<CustomCommandTemplate> stored = m_settings->customTemplates();
    stored.append(
        {QUuid::createUuid().toString(QUuid::WithoutBraces), trimmedName, trimmedContent});
    storeTemplates(stored);
}

void CommandListModel::updateCustomTemplate(int row, const QString& name, const QString& content)
{
    const DeviceCommand* command = templateAt(row);
    const QString trimmedName = name.trimmed();
    const QString trimmedContent = content.trimmed();
    if (!command || trimmedName.isEmpty() || trimmedContent.isEmpty()) {
        return;
    }
    QList<CustomCommandTemplate> stored = m_settings->customTemplates();
    const qsizetype at = indexOfTemplate(stored, command->id);
    if (at >= 0) {
        stored[at].name = trimmedName;
        stored[at].content = trimmedContent;
    }
    storeTemplates(stored);
}

void CommandListModel::removeCustomTemplate(int row)
{
    const DeviceCommand* command = templateAt(row);
    if (!command) {
        return;
    }
    QList<CustomCommandTemplate> stored = m_settings->customTemplates();
    const qsizetype at = indexOfTemplate(stored, command->id);
    if (at >= 0) {
        stored.removeAt(at);
    }
    storeTemplates(stored);
}

const DeviceCommand* CommandListModel::templateAt(int row) const
{
    const DeviceCommand* command = commandAt(row);
    return command && command->isCustom ? command : nullptr;
}

qsizetype CommandListModel::indexOfTemplate(const QList<CustomCommandTemplate>& templates,
                                            const QString& id)
{
    const auto it = std::find_if(templates.cbegin(), templates.cend(),
                                 [&id](const CustomCommandTemplate& t) { return t.id == id; });
    return it == templates.cend() ? -1 : it - templates.cbegin();
}

void CommandListModel::storeTemplates(const QList<CustomCommandTemplate>& templates)
{
    m_settings->setCustomTemplates(templates);
    reloadCustomTemplates();
    rebuild();
}

QString CommandListModel::rowIdentity(int row) const
{
    if (row < 0 || row >= m_rows.size()) {
        return {};
    }
    const Row& entry = m_rows.at(row);
    if (entry.command.isCustom) {
        return kTemplatePrefix + entry.command.id;
    }
    // Position in the library plus the id: a duplicate id elsewhere in the
    // same model is still another command.
    return QStringLiteral("command:%1:%2:%3")
        .arg(m_sourceModel)
        .arg(entry.source)
        .arg(entry.command.id);
}

int CommandListModel::rowOfIdentity(const QString& identity) const
{
    if (identity.isEmpty()) {
        return -1;
    }
    for (int row = 0; row < m_rows.size(); ++row) {
        if (rowIdentity(row) == identity) {
            return row;
        }
    }
    return -1;
}
