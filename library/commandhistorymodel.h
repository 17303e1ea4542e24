#pragma once

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>

class SettingsStore;

/// How a history entry went out: as text, as hex digits, or not known (an
/// entry stored by a version that did not record it).
enum class SentAs : quint8 { Unknown, Text, Hex };

/// Texts sent from the send box, most recent first, at most 50 and no two
/// alike, each with the mode it was sent in; mirrored to the settings after
/// every change. The texts are stored as they always were ("send/history");
/// the modes beside them ("send/historyModes"), each as "hex" or "text", a
/// blank and a fingerprint of its text, so that a list reordered by a
/// version that knows nothing of modes never lends one entry's mode to another.
class CommandHistoryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int MaxEntries = 50;
    /// Most characters of an entry that its one-line preview shows.
    static constexpr int PreviewLength = 200;

    /// "previewText": the entry as one line for a list, its first line cut
    /// to PreviewLength characters, followed by " ↵ …" when more lines follow.
    /// "sentAsHex": true for an entry sent as hex digits.
    enum Role {
        CommandTextRole = Qt::UserRole + 1,
        TimeTextRole,
        PreviewTextRole,
        SentAsHexRole,
    };
    Q_ENUM(Role)

    explicit CommandHistoryModel(SettingsStore* settings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// Puts @p text first; sent again in another mode, it keeps only the new one.
    void push(const QString& text, SentAs sentAs = SentAs::Unknown);
    Q_INVOKABLE QString textAt(int row) const;
    /// Unknown for a row out of range.
    SentAs sentAsAt(int row) const;
    Q_INVOKABLE void clear();

    /// Writes the current texts, in order, to the settings.
    void save();

    static QString previewOf(const QString& text);
    /// The stored form of an entry's mode; empty for Unknown.
    static QString modeRecord(const QString& text, SentAs sentAs);

private:
    struct HistoryEntry
    {
        QString text;
        QDateTime time;
        SentAs sentAs = SentAs::Unknown;
    };

    SettingsStore* m_settings;
    QList<HistoryEntry> m_entries;
};
