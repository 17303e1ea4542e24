#include "log/loglistmodel.h"

#include "log/ansitext.h"
#include "log/logviewrows.h"
#include "settings/languagemanager.h"

#include <QMetaMethod>

#include <algorithm>

namespace {

QString dirText(LogKind kind)
{
    switch (kind) {
    case LogKind::TX:
    case LogKind::RX:
    case LogKind::SYS:
    case LogKind::ERR:
        return LogManager::dirTag(kind);
    }
    return {};
}

} // namespace

LogListModel::LogListModel(LogManager* log, QObject* parent)
    : QAbstractListModel(parent)
    , m_log(log)
{
    m_resetTimer.setSingleShot(true);
    m_resetTimer.setInterval(BulkDebounceMs);
    connect(&m_resetTimer, &QTimer::timeout, this, &LogListModel::onResetTimer);

    connect(m_log, &LogManager::entriesAboutToBeEvicted, this, &LogListModel::onAboutToBeEvicted);
    connect(m_log, &LogManager::entriesEvicted, this, &LogListModel::onEvicted);
    connect(m_log, &LogManager::entriesAppended, this, &LogListModel::onAppended);
    connect(m_log, &LogManager::bulkChanged, this, &LogListModel::onBulkChanged);
    connect(m_log, &LogManager::cleared, this, &LogListModel::onCleared);
    connect(m_log, &LogManager::countersChanged, this, &LogListModel::countersChanged);

    m_viewRows = new LogViewRows(this);
}

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_log->entries().size()) - m_unannounced;
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const LogEntry& entry = m_log->entries().at(index.row());
    switch (role) {
    case TimeRole:
        return m_showTimestamp ? entry.time.toString(QStringLiteral("HH:mm:ss")) : QString();
    case DirRole:
        return dirText(entry.kind);
    case TextRole:
        return payloadText(entry);
    default:
        return {};
    }
}

QHash<int, QByteArray> LogListModel::roleNames() const
{
    return {{TimeRole, "time"}, {DirRole, "dir"}, {TextRole, "text"}};
}

void LogListModel::setHexMode(bool on)
{
    if (on == m_hexMode) {
        return;
    }
    m_hexMode = on;
    m_lineLengthsValid = false;
    emit hexModeChanged();
    const int n = rowCount();
    if (n > 0) {
        emit dataChanged(index(0), index(n - 1), {TextRole});
    }
    emit rebuildNeeded();
}

void LogListModel::setShowTimestamp(bool on)
{
    if (on == m_showTimestamp) {
        return;
    }
    m_showTimestamp = on;
    m_lineLengthsValid = false;
    emit showTimestampChanged();
    const int n = rowCount();
    if (n > 0) {
        emit dataChanged(index(0), index(n - 1), {TimeRole});
    }
    emit rebuildNeeded();
}

int LogListModel::lineCount() const
{
    return int(m_log->entries().size());
}

qint64 LogListModel::totalLineCount() const
{
    return m_log->totalLineCount();
}

qint64 LogListModel::rxBytes() const
{
    return m_log->rxBytes();
}

qint64 LogListModel::txBytes() const
{
    return m_log->txBytes();
}

void LogListModel::clear()
{
    m_log->clear();
}

QString LogListModel::payloadText(const LogEntry& entry) const
{
    if (m_hexMode && entry.kind == LogKind::RX) {
        return entry.hexText();
    }
    return QString::fromUtf8(entry.data);
}

QString LogListModel::payloadPlainText(const LogEntry& entry) const
{
    return AnsiText::stripToPlain(payloadText(entry));
}

int LogListModel::payloadColumn() const
{
    // "HH:mm:ss  " and the kind tag padded to five characters.
    return (m_showTimestamp ? 10 : 0) + 5;
}

QString LogListModel::linePlainText(const LogEntry& entry) const
{
    QString line;
    appendLineText(line, entry);
    return line;
}

QString LogListModel::timeText(const QDateTime& time) const
{
    // Every entry of a batch carries the same time, so one formatted text
    // serves a whole burst of lines.
    const int second = time.time().msecsSinceStartOfDay() / 1000;
    if (second != m_timeCacheSecond) {
        const int h = second / 3600;
        const int m = (second / 60) % 60;
        const int sec = second % 60;
        const char digits[] = {char('0' + h / 10),   char('0' + h % 10),  ':',
                               char('0' + m / 10),   char('0' + m % 10),  ':',
                               char('0' + sec / 10), char('0' + sec % 10)};
        m_timeCacheText = QString::fromLatin1(digits, sizeof digits);
        m_timeCacheSecond = second;
    }
    return m_timeCacheText;
}

qsizetype LogListModel::appendLineText(QString& out, const LogEntry& entry) const
{
    const qsizetype start = out.size();
    if (m_showTimestamp) {
        out += timeText(entry.time);
        out += QLatin1String("  ");
    }
    switch (entry.kind) {
    case LogKind::TX:
        out += QLatin1String("TX   ");
        break;
    case LogKind::RX:
        out += QLatin1String("RX   ");
        break;
    case LogKind::SYS:
        out += QLatin1String("SYS  ");
        break;
    case LogKind::ERR:
        out += QLatin1String("ERR  ");
        break;
    default:
        out += QLatin1String("     ");
        break;
    }
    out += payloadPlainText(entry);
    out += checkMarkText(entry.check);
    return out.size() - start;
}

QString LogListModel::checkMarkText(FrameCheck check)
{
    switch (check) {
    case FrameCheck::None:
        break;
    case FrameCheck::Valid:
        return QLatin1Char(' ') + tr("[CRC ok]");
    case FrameCheck::Invalid:
        return QLatin1Char(' ') + tr("[CRC bad]");
    }
    return {};
}

QString LogListModel::lineTextAt(int row) const
{
    const auto& entries = m_log->entries();
    if (row < 0 || row >= entries.size()) {
        return {};
    }
    return linePlainText(entries.at(row));
}

bool LogListModel::lineTextFitsIn(int row, qsizetype length) const
{
    const auto& entries = m_log->entries();
    if (row < 0 || row >= entries.size()) {
        return true;
    }
    // Time, tag and separators take 15 characters at most; a payload byte
    // (or line end byte) becomes at most three characters of hex, or in
    // text at most one UTF-16 unit, which a tab expands to four spaces.
    const LogEntry& entry = entries.at(row);
    const qsizetype perByte = m_hexMode && entry.kind == LogKind::RX ? 3 : 4;
    // A check mark is short in every language.
    const qsizetype mark = entry.check == FrameCheck::None ? 0 : 32;
    if (15 + mark + perByte * (entry.data.size() + 2) <= length) {
        return true;
    }
    return linePlainText(entry).size() <= length;
}

QString LogListModel::formattedDataSize(double bytes) const
{
    // The counters are doubles in QML; no count comes near the bound, which keeps the
    // conversion defined for whatever a caller passes (NaN and negatives are none).
    const qint64 whole = bytes > 0 ? qint64(std::min(bytes, 9.0e18)) : 0;
    return LanguageManager::instance().locale().formattedDataSize(
        whole, 1, QLocale::DataSizeTraditionalFormat);
}

QString LogListModel::fullPlainDump() const
{
    QString doc;
    for (const LogEntry& entry : m_log->entries()) {
        appendLineText(doc, entry);
        doc += QLatin1Char('\n');
    }
    return doc;
}

void LogListModel::rebuildLineLengths() const
{
    const auto& entries = m_log->entries();
    m_lineLengths.clear();
    m_lineLengths.reserve(LogManager::Capacity);
    QString scratch;
    for (const LogEntry& entry : entries) {
        scratch.clear();
        m_lineLengths.append(int(appendLineText(scratch, entry)));
    }
    m_lineLengthsValid = true;
}

void LogListModel::onAboutToBeEvicted(int count)
{
    if (m_resetPending) {
        return;
    }
    const auto& entries = m_log->entries();
    const int n = int(qMin<qsizetype>(count, entries.size()));
    if (n <= 0) {
        return;
    }
    beginRemoveRows({}, 0, n - 1);
    m_removing = true;
    if (!isSignalConnected(QMetaMethod::fromSignal(&LogListModel::lineEvicted))) {
        // Nobody keeps a document: the lengths are worked out again when
        // somebody does.
        m_lineLengthsValid = false;
        m_lineLengths.clear();
        return;
    }
    // The lengths of the lines on display are remembered as they are
    // appended, so an eviction does not format its lines a second time.
    if (!m_lineLengthsValid || m_lineLengths.size() != entries.size()) {
        rebuildLineLengths();
    }
    qsizetype docLength = n;
    for (int i = 0; i < n; ++i) {
        docLength += m_lineLengths.at(i);
    }
    m_lineLengths.remove(0, n);
    emit lineEvicted(int(docLength));
}

void LogListModel::onEvicted()
{
    if (m_resetPending || !m_removing) {
        return;
    }
    m_removing = false;
    endRemoveRows();
}

void LogListModel::onAppended(int count)
{
    if (m_resetPending || count <= 0) {
        return;
    }
    const auto& entries = m_log->entries();
    const int n = int(entries.size());
    m_unannounced = count;
    beginInsertRows({}, n - count, n - 1);
    m_unannounced = 0;
    endInsertRows();
    emit lineCountChanged();
    // Formatting the new lines is most of the cost of an append; it is done
    // only for a listener, or for the lengths an eviction will report.
    const bool feed = isSignalConnected(QMetaMethod::fromSignal(&LogListModel::lineAppended));
    const bool trackLengths =
        m_lineLengthsValid && m_lineLengths.size() == n - count &&
        isSignalConnected(QMetaMethod::fromSignal(&LogListModel::lineEvicted));
    m_lineLengthsValid = trackLengths;
    if (!trackLengths) {
        m_lineLengths.clear();
    }
    if (!feed && !trackLengths) {
        return;
    }
    QString text;
    if (feed) {
        text.reserve(qsizetype(count) * 64);
    }
    for (int i = n - count; i < n; ++i) {
        if (!feed) {
            text.clear();
        }
        const qsizetype length = appendLineText(text, entries.at(i));
        if (trackLengths) {
            m_lineLengths.append(int(length));
        }
        text += QLatin1Char('\n');
    }
    if (feed) {
        emit lineAppended(text);
    }
}

void LogListModel::onBulkChanged()
{
    m_resetPending = true;
    m_resetTimer.start();
}

void LogListModel::onResetTimer()
{
    m_resetPending = false;
    m_lineLengthsValid = false;
    beginResetModel();
    endResetModel();
    emit lineCountChanged();
    emit rebuildNeeded();
}

void LogListModel::onCleared()
{
    m_resetTimer.stop();
    m_resetPending = false;
    m_lineLengths.clear();
    m_lineLengthsValid = true;
    beginResetModel();
    endResetModel();
    emit lineCountChanged();
    emit rebuildNeeded();
}
