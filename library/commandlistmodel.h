#pragma once

#include "library/devicelibrary.h"
#include "settings/records.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

class SettingsStore;

/// The commands of the selected device model together with the user's own
/// templates, as the command library panel lists them: filtered by the
/// search text and arranged in the order the user dragged them into.
class CommandListModel : public QAbstractListModel
{
    Q_OBJECT

    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchChanged)

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        CmdRole,
        HasParamsRole,
        IsCustomRole,
    };
    Q_ENUM(Role)

    CommandListModel(const DeviceLibrary* library, SettingsStore* settings,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString searchText() const { return m_searchText; }
    void setSearchText(const QString& text);

    /// Lists another device model's commands and clears the search text.
    void setModelId(const QString& id);
    QString modelId() const { return m_modelId; }

    /// The command shown at @p row, or null for a row out of range.
    const DeviceCommand* commandAt(int row) const;

    /// Recomputes the visible rows in one model reset.
    void rebuild();
    /// Re-reads the templates from the settings; does not rebuild.
    void reloadCustomTemplates();

    /// Moves a row and remembers the new order of every visible row.
    Q_INVOKABLE void moveRow(int from, int to);
    /// Whether a template of this name and content is saved: neither blank.
    Q_INVOKABLE bool canSaveTemplate(const QString& name, const QString& content) const;
    /// Adds a template (name and content trimmed); one that canSaveTemplate()
    /// refuses does nothing.
    Q_INVOKABLE void addCustomTemplate(const QString& name, const QString& content);
    Q_INVOKABLE void updateCustomTemplate(int row, const QString& name, const QString& content);
    Q_INVOKABLE void removeCustomTemplate(int row);

    /// A token naming the command at @p row independently of its position,
    /// so a view can find the same command again after the list changed
    /// (a search, another model, a drag). Empty for a row out of range.
    Q_INVOKABLE QString rowIdentity(int row) const;
    /// The row that now shows the command named by @p identity, or -1 when
    /// it is no longer listed.
    Q_INVOKABLE int rowOfIdentity(const QString& identity) const;

    /// The key under which a command's place in the saved order is kept.
    static QString orderKey(const DeviceCommand& command);

signals:
    void searchChanged();

private:
    /// The row's template, or null for a library command or a bad row.
    const DeviceCommand* templateAt(int row) const;
    static qsizetype indexOfTemplate(const QList<CustomCommandTemplate>& templates,
                                     const QString& id);
    /// Stores the list and shows it.
    void storeTemplates(const QList<CustomCommandTemplate>& templates);

    struct Row
    {
        DeviceCommand command;
        QString key;
        int source = -1; ///< index in the model's command list, -1 for a template
    };

    const DeviceLibrary* m_library;
    SettingsStore* m_settings;
    QString m_modelId;
    QString m_searchText;
    QList<Row> m_rows;
    QList<DeviceCommand> m_customRows;
    /// Index in the library of the model the library rows came from.
    int m_sourceModel = -1;
};
