#include "library/commandhistorymodel.h"

#include "settings/settingsstore.h"

CommandHistoryModel::CommandHistoryModel(SettingsStore* settings, QObject* parent)
    : QAbstractListModel(parent)
    , m_settings(settings)
{
    const QStringList stored = m_settings->commandHistory();
    m_entries.reserve(stored.size());
    for (const QString& text : stored) {
        m_entries.append({text, QDateTime()});
    }
}

int CommandHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant CommandHistoryModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const HistoryEntry& entry = m_entries.at(index.row());
    switch (role) {
    case CommandTextRole:
        return entry.text;
    case TimeTextRole:
        return entry.time.isValid() ? entry.time.toString(QStringLiteral("HH:mm:ss")) : QString();
    case PreviewTextRole:
        return previewOf(entry.text);
    default:
        return {};
    }
}

QHash<int, QByteArray> CommandHistoryModel::roleNames() const
{
    return {{CommandTextRole, "commandText"},
            {TimeTextRole, "timeText"},
            {PreviewTextRole, "previewText"}};
}

QString CommandHistoryModel::previewOf(const QString& text)
{
    qsizetype end = text.indexOf(QLatin1Char('\n'));
    const bool moreLines = end >= 0 && end + 1 < text.size();
    if (end < 0) {
        end = text.size();
    }
    if (end > 0 && text.at(end - 1) == QLatin1Char('\r')) {
        --end;
    }
    QString preview = text.left(qMin<qsizetype>(end, PreviewLength));
    if (end > PreviewLength) {
        preview += QChar(0x2026);
    }
    if (moreLines) {
        preview += QStringLiteral(" \u21b5 \u2026");
    }
    return preview;
}

void CommandHistoryModel::push(const QString& text)
{
    if (text.isEmpty()) {
        return;
    }
    if (!m_entries.isEmpty() && m_entries.constFirst().text == text) {
        return;
    }
    beginResetModel();
    m_entries.removeIf([&text](const HistoryEntry& entry) { return entry.text == text; });
    m_entries.prepend({text, QDateTime::currentDateTime()});
    while (m_entries.size() > MaxEntries) {
        m_entries.removeLast();
    }
    endResetModel();
    save();
}

QString CommandHistoryModel::textAt(int row) const
{
    if (row < 0 || row >= m_entries.size()) {
        return {};
    }
    return m_entries.at(row).text;
}

void CommandHistoryModel::clear()
{
    if (m_entries.isEmpty()) {
        return;
    }
    beginResetModel();
    m_entries.clear();
    endResetModel();
    save();
}

void CommandHistoryModel::save()
{
    QStringList texts;
    texts.reserve(m_entries.size());
    for (const HistoryEntry& entry : m_entries) {
        texts.append(entry.text);
    }
    m_settings->setCommandHistory(texts);
}
