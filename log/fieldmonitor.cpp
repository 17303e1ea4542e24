#include "log/fieldmonitor.h"

#include "log/fieldcsv.h"
#include "log/jsontext.h"
#include "log/logmanager.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>
#include <utility>

FieldMonitor::FieldMonitor(LogManager* log, QObject* parent)
    : QObject(parent)
    , m_log(log)
    , m_model(new FieldTableModel(&m_store, this))
{
    connect(&m_refresh, &QTimer::timeout, this, &FieldMonitor::onRefresh);
    connect(m_model, &FieldTableModel::plottedChanged, this, &FieldMonitor::plottedChanged);
    // Line numbers start again at 0 after the log is cleared.
    connect(m_log, &LogManager::cleared, this, [this] { m_readUpTo = 0; });
    setShown(m_settings.fieldsPanelShown());
}

void FieldMonitor::setShown(bool shown)
{
    if (shown == m_shown) {
        return;
    }
    m_shown = shown;
    m_settings.setFieldsPanelShown(shown);
    if (shown) {
        readHeldLines();
        m_feed = connect(m_log, &LogManager::linesReceived, this, &FieldMonitor::onLinesReceived);
        onRefresh();
    } else {
        disconnect(m_feed);
        m_refresh.stop();
    }
    emit shownChanged();
}

void FieldMonitor::updateNotice()
{
    const QString text = composeNotice();
    if (text != m_notice) {
        m_notice = text;
        emit noticeChanged();
    }
}

QString FieldMonitor::composeNotice() const
{
    QStringList parts;
    const int refused = m_store.refusedCount();
    if (refused > 0) {
        QString names = m_store.refusedNames().join(QStringLiteral(", "));
        if (refused > m_store.refusedNames().size()) {
            names += QStringLiteral(", \u2026");
        }
        // English reads the same for any count; catalogues have plural forms.
        parts << (refused >= FieldStore::MaxRefusedNames
                      ? tr("Only the first %1 fields are kept. Not added (%n or more): %2.",
                           nullptr, refused)
                      : tr("Only the first %1 fields are kept. Not added (%n): %2.", nullptr,
                           refused))
                     .arg(FieldStore::MaxFields)
                     .arg(names);
    }
    const FieldStore::LineCounts& lines = m_store.lineCounts();
    const qint64 unread = lines.brokenJson + lines.tooDeep + lines.tooLong;
    if (unread > 0) {
        parts << tr("Lines not read (%n): broken JSON, nested deeper than %1 levels or longer "
                    "than %2 KiB.",
                    nullptr, int(qMin<qint64>(unread, std::numeric_limits<int>::max())))
                     .arg(FieldExtractor::MaxDepth)
                     .arg(FieldExtractor::MaxLineBytes / 1024);
    }
    return parts.join(QLatin1Char(' '));
}

void FieldMonitor::setClock(std::function<qint64()> clock)
{
    m_clock = std::move(clock);
}

qint64 FieldMonitor::now() const
{
    return m_clock ? m_clock() : QDateTime::currentMSecsSinceEpoch();
}

void FieldMonitor::clear()
{
    m_store.clear();
    m_model->reset();
    emit fieldCountChanged();
    updateNotice();
    emit cleared();
}

QString FieldMonitor::exportPathProblem(const QString& path)
{
    const QFileInfo file(path);
    if (path.trimmed().isEmpty() || file.isRelative() ||
        file.completeBaseName().trimmed().isEmpty()) {
        return tr("Enter a file name.");
    }
    return {};
}

QString FieldMonitor::exportCsv(const QString& path) const
{
    const QString problem = exportPathProblem(path);
    if (!problem.isEmpty()) {
        return problem;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!folder.isEmpty()) {
        QDir().mkpath(folder); // a failure shows in the open below
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (!FieldCsv::write(m_store, file) || !file.commit()) {
        return file.errorString();
    }
    return {};
}

QVariantMap FieldMonitor::lineAsJson(double lineNumber) const
{
    const QList<LogEntry>& entries = m_log->entries();
    const qint64 row = qint64(lineNumber) - (m_log->totalLineCount() - entries.size());
    if (lineNumber < 0 || row < 0 || row >= entries.size()) {
        return {{QStringLiteral("found"), false},
                {QStringLiteral("valid"), false},
                {QStringLiteral("text"), QString()},
                {QStringLiteral("problem"), tr("This line is no longer in the log.")},
                {QStringLiteral("errorPosition"), -1}};
    }
    const JsonLineReport report = JsonText::describe(entries.at(row).data);
    return {{QStringLiteral("found"), true},
            {QStringLiteral("valid"), report.valid},
            {QStringLiteral("text"), report.text},
            {QStringLiteral("problem"), report.problem},
            {QStringLiteral("errorPosition"), double(report.errorPosition)}};
}

void FieldMonitor::onLinesReceived(const QDateTime& time, const QList<QByteArray>& lines)
{
    take(m_store.addLines(time.toMSecsSinceEpoch(), lines));
    m_readUpTo = m_log->totalLineCount();
}

void FieldMonitor::take(const FieldStore::Changes& changes)
{
    if (changes.firstNewField >= 0) {
        m_model->insertFields(changes.firstNewField);
        emit fieldCountChanged();
    }
    if (changes.plotted) {
        m_model->refreshPlotted();
    }
    if (changes.refused) {
        updateNotice();
    }
    if (changes.samples) {
        emit samplesAdded();
    }
    if (changes.values) {
        m_changed = true;
        if (!m_refresh.isActive() || m_refresh.interval() != RefreshMs) {
            m_refresh.start(RefreshMs);
        }
    }
}

void FieldMonitor::readHeldLines()
{
    const QList<LogEntry>& entries = m_log->entries();
    const qint64 oldest = m_log->totalLineCount() - entries.size();
    FieldStore::Changes changes;
    for (qint64 i = qMax<qint64>(0, m_readUpTo - oldest); i < entries.size(); ++i) {
        const LogEntry& entry = entries.at(i);
        if (entry.kind == LogKind::RX) {
            changes.merge(m_store.addLine(entry.time.toMSecsSinceEpoch(), entry.data));
        }
    }
    m_readUpTo = m_log->totalLineCount();
    take(changes);
}

void FieldMonitor::onRefresh()
{
    const qint64 time = now();
    m_model->refresh(time);
    updateNotice();
    // While nothing comes only the rates change, as they fall to zero: a
    // slower refresh does for them, and none once they are zero.
    if (time - m_store.lastTime() > UpdateRate::WindowMs + UpdateRate::BucketMs) {
        m_refresh.stop();
    } else if (!std::exchange(m_changed, false)) {
        m_refresh.setInterval(QuietRefreshMs);
    }
}
