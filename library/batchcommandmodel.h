#pragma once

#include "settings/records.h"

#include <QAbstractListModel>
#include <QList>
#include <QVariantList>
#include <QVariantMap>

class SettingsStore;

/// The user's named batches of timed steps, as stored in the settings.
/// Every change is written back at once.
class BatchCommandModel : public QAbstractListModel
{
    Q_OBJECT
    /// The bounds of the time a step waits for its reply, for the editor.
    Q_PROPERTY(int minReplyTimeoutMs READ minReplyTimeoutMs CONSTANT)
    Q_PROPERTY(int maxReplyTimeoutMs READ maxReplyTimeoutMs CONSTANT)

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

    /// Whether a batch of this name and these steps (maps as stepsForRow()
    /// gives them) is saved: a name, a step that is not blank, and no step
    /// waiting for a reply that replyProblem() refuses.
    Q_INVOKABLE bool canSaveBatch(const QString& name, const QVariantList& steps) const;
    /// Appends a batch; one that canSaveBatch() refuses does nothing.
    Q_INVOKABLE void addBatchCommand(const QString& name, int intervalMs,
                                     const QVariantList& steps);
    Q_INVOKABLE void updateBatchCommand(int row, const QString& name, int intervalMs,
                                        const QVariantList& steps);
    Q_INVOKABLE void removeBatchCommand(int row);
    /// Why a step cannot wait for a reply of kind @p expect ("none", "text",
    /// "regex", "hex") matching @p pattern; empty when it can.
    Q_INVOKABLE QString replyProblem(const QString& expect, const QString& pattern) const;
    /// A new step as stepsForRow() gives steps: no text, waiting for nothing.
    Q_INVOKABLE QVariantMap blankStep() const;
    /// The steps of @p row as maps with "text", "isHex" and "crc", and the
    /// reply each waits for: "expect" (as replyProblem() names it),
    /// "expectPattern", "replyTimeoutMs" and "goOnWithoutReply".
    Q_INVOKABLE QVariantList stepsForRow(int row) const;

    static int minReplyTimeoutMs() { return BatchStep::MinReplyTimeoutMs; }
    static int maxReplyTimeoutMs() { return BatchStep::MaxReplyTimeoutMs; }

    /// The batch of @p row, or null for a row out of range.
    const BatchCommand* commandAt(int row) const;

    /// The interface's step maps as steps; blank texts are dropped, the
    /// others are kept exactly as typed. A map without "expect" waits for no
    /// reply; a timeout is held within the bounds of a wait.
    static QList<BatchStep> stepsFromVariant(const QVariantList& list);

private:
    void save();

    SettingsStore* m_settings;
    QList<BatchCommand> m_batches;
};
