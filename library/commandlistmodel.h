#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

class SettingsStore;

/// The commands of the selected device model together with the user's own
/// templates, as the command library panel lists them. Until the device
/// library is loaded it lists nothing and only remembers the model id.
class CommandListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by AppController")

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        CmdRole,
        HasParamsRole,
        IsCustomRole,
    };
    Q_ENUM(Role)

    explicit CommandListModel(SettingsStore* settings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setModelId(const QString& id);
    QString modelId() const { return m_modelId; }

private:
    SettingsStore* m_settings;
    QString m_modelId;
};
