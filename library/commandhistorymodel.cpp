#include "library/commandhistorymodel.h"

#include "settings/settingsstore.h"

#include <QCryptographicHash>
#include <QHash>

namespace {

// Eight hex digits of the text's SHA-1: enough to tell 50 entries apart.
QString fingerprint(const QString& text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
}

} // namespace

CommandHistoryModel::CommandHistoryModel(SettingsStore* settings, QObject* parent)
    : QAbstractListModel(parent)
    , m_settings(settings)
{
    // Modes by fingerprint; a record of another form is ignored.
    QHash<QString, SentAs> modes;
    for (const QString& record : m_settings->commandHistoryModes()) {
        const QStringList parts = record.split(QLatin1Char(' '));
        if (parts.size() != 2) {
            continue;
        }
        if (parts.at(0) == QLatin1String("hex")) {
            modes.insert(parts.at(1), SentAs::Hex);
        } else if (parts.at(0) == QLatin1String("text")) {
            modes.insert(parts.at(1), SentAs::Text);
        }
    }
    const QStringList stored = m_settings->commandHistory();
    m_entries.reserve(stored.size());
    for (const QString& text : stored) {
        m_entries.append({text, QDateTime(), modes.value(fingerprint(text), SentAs::Unknown)});
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
    case SentAsHexRole:
        return entry.sentAs == SentAs::Hex;
    default:
        return {};
    }
}

QHash<int, QByteArray> CommandHistoryModel::roleNames() const
{
    return {{CommandTextRole, "commandText"},
            {TimeTextRole, "timeText"},
            {PreviewTextRole, "previewText"},
            {SentAsHexRole, "sentAsHex"}};
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

QString CommandHistoryModel::modeRecord(const QString& text, SentAs sentAs)
{
    switch (sentAs) {
    case SentAs::Unknown:
        break;
    case SentAs::Text:
        return QLatin1String("text ") + fingerprint(text);
    case SentAs::Hex:
        return QLatin1String("hex ") + fingerprint(text);
    }
    return {};
}

void CommandHistoryModel::push(const QString& text, SentAs sentAs)
{
    if (text.isEmpty()) {
        return;
    }
    if (!m_entries.isEmpty() && m_entries.constFirst().text == text &&
        m_entries.constFirst().sentAs == sentAs) {
        return;
    }
    beginResetModel();
    m_entries.removeIf([&text](const HistoryEntry& entry) { return entry.text == text; });
    m_entries.prepend({text, QDateTime::currentDateTime(), sentAs});
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

SentAs CommandHistoryModel::sentAsAt(int row) const
{
    if (row < 0 || row >= m_entries.size()) {
        return SentAs::Unknown;
    }
    return m_entries.at(row).sentAs;
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
    QStringList modes;
    texts.reserve(m_entries.size());
    for (const HistoryEntry& entry : m_entries) {
        texts.append(entry.text);
        const QString record = modeRecord(entry.text, entry.sentAs);
        if (!record.isEmpty()) {
            modes.append(record);
        }
    }
    m_settings->setCommandHistory(texts, modes);
}
