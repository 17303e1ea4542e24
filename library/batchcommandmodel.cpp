#include "library/batchcommandmodel.h"

#include "library/replywait.h"
#include "settings/settingsstore.h"

#include <QUuid>
#include <QVariantMap>

#include <algorithm>

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
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const BatchCommand& batch = m_batches.at(index.row());
    switch (role) {
    case NameRole:
        return batch.name;
    case StepCountRole:
        return int(batch.steps.size());
    case IntervalMsRole:
        return batch.intervalMs;
    default:
        return {};
    }
}

QHash<int, QByteArray> BatchCommandModel::roleNames() const
{
    return {{NameRole, "name"}, {StepCountRole, "stepCount"}, {IntervalMsRole, "intervalMs"}};
}

QList<BatchStep> BatchCommandModel::stepsFromVariant(const QVariantList& list)
{
    QList<BatchStep> steps;
    for (const QVariant& element : list) {
        const QVariantMap map = element.toMap();
        const QString text = map.value(QStringLiteral("text")).toString();
        if (text.trimmed().isEmpty()) {
            continue;
        }
        BatchStep step{text, map.value(QStringLiteral("isHex")).toBool(),
                       map.value(QStringLiteral("crc")).toBool()};
        step.expect = BatchStep::expectFromName(map.value(QStringLiteral("expect")).toString());
        if (step.expect != BatchStep::Expect::None) {
            step.expectPattern = map.value(QStringLiteral("expectPattern")).toString();
            bool isNumber = false;
            const double timeout = map.value(QStringLiteral("replyTimeoutMs")).toDouble(&isNumber);
            if (isNumber) {
                step.replyTimeoutMs = BatchStep::boundedReplyTimeout(timeout);
            }
            step.goOnWithoutReply = map.value(QStringLiteral("goOnWithoutReply")).toBool();
        }
        steps.append(step);
    }
    return steps;
}

bool BatchCommandModel::canSaveBatch(const QString& name, const QVariantList& steps) const
{
    if (name.trimmed().isEmpty()) {
        return false;
    }
    const QList<BatchStep> kept = stepsFromVariant(steps);
    return !kept.isEmpty() && std::all_of(kept.cbegin(), kept.cend(), [](const BatchStep& step) {
        return ReplyWait::problem(step).isEmpty();
    });
}

QString BatchCommandModel::replyProblem(const QString& expect, const QString& pattern) const
{
    BatchStep step;
    step.expect = BatchStep::expectFromName(expect);
    step.expectPattern = pattern;
    return ReplyWait::problem(step);
}

void BatchCommandModel::addBatchCommand(const QString& name, int intervalMs,
                                        const QVariantList& steps)
{
    if (!canSaveBatch(name, steps)) {
        return;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_batches.append({QUuid::createUuid().toString(QUuid::WithoutBraces), name.trimmed(),
                      std::max(0, intervalMs), stepsFromVariant(steps)});
    endInsertRows();
    save();
}

void BatchCommandModel::updateBatchCommand(int row, const QString& name, int intervalMs,
                                           const QVariantList& steps)
{
    if (row < 0 || row >= m_batches.size()) {
        return;
    }
    if (!canSaveBatch(name, steps)) {
        return;
    }
    BatchCommand& batch = m_batches[row];
    batch.name = name.trimmed();
    batch.intervalMs = std::max(0, intervalMs);
    batch.steps = stepsFromVariant(steps);
    emit dataChanged(index(row), index(row));
    save();
}

void BatchCommandModel::removeBatchCommand(int row)
{
    if (row < 0 || row >= m_batches.size()) {
        return;
    }
    beginRemoveRows({}, row, row);
    m_batches.removeAt(row);
    endRemoveRows();
    save();
}

namespace {

QVariantMap stepMap(const BatchStep& step)
{
    return {
        {QStringLiteral("text"), step.text},
        {QStringLiteral("isHex"), step.isHex},
        {QStringLiteral("crc"), step.crc},
        {QStringLiteral("expect"), BatchStep::expectName(step.expect)},
        {QStringLiteral("expectPattern"), step.expectPattern},
        {QStringLiteral("replyTimeoutMs"), step.replyTimeoutMs},
        {QStringLiteral("goOnWithoutReply"), step.goOnWithoutReply},
    };
}

} // namespace

QVariantMap BatchCommandModel::blankStep() const
{
    return stepMap(BatchStep());
}

QVariantList BatchCommandModel::stepsForRow(int row) const
{
    QVariantList steps;
    if (const BatchCommand* batch = commandAt(row)) {
        for (const BatchStep& step : batch->steps) {
            steps.append(stepMap(step));
        }
    }
    return steps;
}

const BatchCommand* BatchCommandModel::commandAt(int row) const
{
    if (row < 0 || row >= m_batches.size()) {
        return nullptr;
    }
    return &m_batches.at(row);
}

void BatchCommandModel::save()
{
    m_settings->setBatchCommands(m_batches);
}
