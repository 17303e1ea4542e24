#pragma once

#include "log/fieldstore.h"
#include "log/fieldtablemodel.h"
#include "settings/settingsstore.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <functional>

class LogManager;

/// The fields panel's back end: reads the fields of the received lines
/// into a FieldStore while the panel is shown (and only then: a hidden
/// panel is not even told of new lines), offers them as a table model and
/// to the plot, exports the kept samples and shows one logged line as JSON.
class FieldMonitor : public QObject
{
    Q_OBJECT

    Q_PROPERTY(bool shown READ shown WRITE setShown NOTIFY shownChanged)
    Q_PROPERTY(FieldTableModel* fields READ fields CONSTANT)
    Q_PROPERTY(int fieldCount READ fieldCount NOTIFY fieldCountChanged)
    Q_PROPERTY(QString notice READ notice NOTIFY noticeChanged)

public:
    /// The table follows the store at most this often…
    static constexpr int RefreshMs = 250;
    /// …and this often while no line comes, until the rates are zero.
    static constexpr int QuietRefreshMs = 1000;

    explicit FieldMonitor(LogManager* log, QObject* parent = nullptr);

    /// Whether the panel is shown; stored. Showing it first reads the
    /// received lines the log holds that were not read yet.
    bool shown() const { return m_shown; }
    void setShown(bool shown);

    FieldTableModel* fields() const { return m_model; }
    int fieldCount() const { return m_store.count(); }
    /// What was not taken in: fields beyond the limit, lines not read.
    QString notice() const { return m_notice; }

    const FieldStore& store() const { return m_store; }
    /// The time rates are reckoned at: the local clock unless a test sets
    /// another (an empty function restores it).
    void setClock(std::function<qint64()> clock);
    qint64 now() const;

    /// Forgets every field and sample.
    Q_INVOKABLE void clear();
    /// Writes the kept samples as CSV to @p path; the reason on failure,
    /// else an empty text.
    Q_INVOKABLE QString exportCsv(const QString& path) const;
    /// Why an export cannot be written to @p path, else an empty text: a
    /// dialog closed without a name hands over an empty or relative path,
    /// or only the added suffix, which would land in the process's working
    /// folder or as a hidden file.
    static QString exportPathProblem(const QString& path);
    /// A line of the log (numbered as the data monitor numbers them) as
    /// JSON: "found", "valid", "text", "problem" and "errorPosition" (see
    /// JsonLineReport).
    Q_INVOKABLE QVariantMap lineAsJson(double lineNumber) const;

signals:
    void shownChanged();
    void fieldCountChanged();
    void noticeChanged();
    /// New samples for the plot.
    void samplesAdded();
    /// Which fields are plotted, or their colours, changed.
    void plottedChanged();
    void cleared();

private:
    void onLinesReceived(const QDateTime& time, const QList<QByteArray>& lines);
    void take(const FieldStore::Changes& changes);
    void readHeldLines();
    void onRefresh();
    void updateNotice();
    QString composeNotice() const;

    LogManager* m_log;
    FieldStore m_store;
    FieldTableModel* m_model;
    SettingsStore m_settings;
    QTimer m_refresh;
    QMetaObject::Connection m_feed;
    bool m_shown = false;
    // A line changed a value since the last refresh.
    bool m_changed = false;
    QString m_notice;
    // The log's number for the next line not read yet.
    qint64 m_readUpTo = 0;
    std::function<qint64()> m_clock;
};
