#pragma once

#include "library/records.h"

#include <QAbstractListModel>
#include <QList>
#include <QtQml/qqmlregistration.h>

class SettingsStore;

/// The user's named batches of timed steps, as stored in the settings.
class BatchCommandModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by AppController")

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        StepCountRole,
        IntervalMsRole,
    };
    Q_ENUM(Role)

    explicit BatchCommandModel(SettingsStore* settings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// The batch of @p row, or null for a row out of range.
    const BatchCommand* commandAt(int row) const;

private:
    SettingsStore* m_settings;
    QList<BatchCommand> m_batches;
};
