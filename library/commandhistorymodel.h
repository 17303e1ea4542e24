#pragma once

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>
#include <QtQml/qqmlregistration.h>

class SettingsStore;

/// Texts sent from the send box, most recent first, at most 50 and no two
/// alike; mirrored to the settings after every change.
class CommandHistoryModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by AppController")

public:
    static constexpr int MaxEntries = 50;
    /// Most characters of an entry that its one-line preview shows.
    static constexpr int PreviewLength = 200;

    /// "previewText": the entry as one line for a list, its first line cut
    /// to PreviewLength characters, followed by " ↵ …" when more lines follow.
    enum Role {
        CommandTextRole = Qt::UserRole + 1,
        TimeTextRole,
        PreviewTextRole,
    };
    Q_ENUM(Role)

    explicit CommandHistoryModel(SettingsStore* settings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void push(const QString& text);
    Q_INVOKABLE QString textAt(int row) const;
    Q_INVOKABLE void clear();

    /// Writes the current texts, in order, to the settings.
    void save();

    static QString previewOf(const QString& text);

private:
    struct HistoryEntry
    {
        QString text;
        QDateTime time;
    };

    SettingsStore* m_settings;
    QList<HistoryEntry> m_entries;
};
