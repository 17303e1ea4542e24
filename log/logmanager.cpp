#include "log/logmanager.h"

#include "util/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <limits>
#include <utility>

namespace {

QString stampText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

// The payload as UTF-8 text on one line. A carriage return or line feed
// inside it (a multi-line TX draft, an RX line with a stray CR, a message)
// is written as the two characters \r or \n, so that a file has exactly one
// line per entry and a reader that splits at line ends sees every entry; a
// backslash is written as two, so that the file reads back to exactly the
// payload (the two characters \ and r are not a carriage return).
QString payloadText(const QByteArray& data)
{
    QString payload = QString::fromUtf8(data);
    if (data.contains('\\') || data.contains('\r') || data.contains('\n')) {
        payload.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        payload.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        payload.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    }
    return payload;
}

QString lineWithStamp(const LogEntry& entry, LogFileFormat format, const QString& stamp)
{
    const QString tag = LogManager::dirTag(entry.kind);
    switch (format) {
    case LogFileFormat::Text:
        return QLatin1Char('[') + stamp + QLatin1String("] ") + tag + QLatin1String("  ") +
               payloadText(entry.data) + LogEntry::checkMark(entry.check);
    case LogFileFormat::Csv: {
        QString payload = payloadText(entry.data) + LogEntry::checkMark(entry.check);
        payload.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + stamp + QLatin1String("\",\"") + tag + QLatin1String("\",\"") +
               payload + QLatin1Char('"');
    }
    case LogFileFormat::Hex:
        return QLatin1Char('[') + stamp + QLatin1String("] ") + tag + QLatin1String("  ") +
               entry.hexText() + LogEntry::checkMark(entry.check);
    }
    return {};
}

} // namespace

LogManager::LogManager(QObject* parent)
    : QObject(parent)
{
    m_entries.reserve(Capacity);
}

LogManager::~LogManager()
{
    closeContinuousFile();
    m_writer.reset(); // writes what is queued while this object is whole
}

namespace {

// The line that marks where a daily file misses lines; made on the writing thread.
QByteArray lossMarker(qint64 lines, const QString& reason)
{
    const int count = int(qMin<qint64>(lines, std::numeric_limits<int>::max()));
    const LogEntry entry{QDateTime::currentDateTime(), LogKind::SYS,
                         LogManager::tr("Lines that could not be written here: %n (%1)", "", count)
                             .arg(reason)
                             .toUtf8()};
    return LogManager::formatLine(entry, LogFileFormat::Text).toUtf8();
}

} // namespace

QByteArray LogEntry::lineEndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::None:
        break;
    case LineEnd::Lf:
        return QByteArrayLiteral("\n");
    case LineEnd::CrLf:
        return QByteArrayLiteral("\r\n");
    case LineEnd::Cr:
        return QByteArrayLiteral("\r");
    }
    return {};
}

QString LogEntry::hexText() const
{
    const QByteArray bytes = lineEnd == LineEnd::None ? data : data + lineEndBytes(lineEnd);
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QLatin1String LogEntry::checkMark(FrameCheck check)
{
    switch (check) {
    case FrameCheck::None:
        break;
    case FrameCheck::Valid:
        return QLatin1String(" [CRC ok]");
    case FrameCheck::Invalid:
        return QLatin1String(" [CRC bad]");
    }
    return QLatin1String();
}

void LogManager::append(LogKind kind, const QByteArray& bytes, LineEnd lineEnd)
{
    appendBatch(kind, QList<QByteArray>{bytes}, QList<LineEnd>{lineEnd});
}

void LogManager::appendBatch(LogKind kind, const QList<QByteArray>& items,
                             const QList<LineEnd>& lineEnds)
{
    if (!items.isEmpty()) {
        appendEntries(kind, items, lineEnds, now(), FrameCheck::None);
    }
}

void LogManager::appendFrame(const QByteArray& frame, const QDateTime& time, FrameCheck check)
{
    appendEntries(LogKind::RX, QList<QByteArray>{frame}, {}, time.isValid() ? time : now(), check);
}

void LogManager::appendEntries(LogKind kind, const QList<QByteArray>& items,
                               const QList<LineEnd>& lineEnds, const QDateTime& stamp,
                               FrameCheck check)
{
    Q_ASSERT(lineEnds.isEmpty() || lineEnds.size() == items.size());
    const qsizetype n = items.size();

    qint64 byteCount = 0;
    for (const QByteArray& item : items) {
        byteCount += item.size();
    }
    if (kind == LogKind::TX) {
        m_txBytes += byteCount;
    } else if (kind == LogKind::RX) {
        m_rxBytes += byteCount;
    }
    m_totalLineCount += n;

    // Every line reaches the file, also those of a batch too large to keep.
    if (m_continuousEnabled) {
        const bool withEnds = lineEnds.size() == n;
        for (qsizetype i = 0; i < n; ++i) {
            writeContinuous(LogEntry{stamp, kind, items.at(i),
                                     withEnds ? lineEnds.at(i) : LineEnd::None, check},
                            false);
        }
        flushContinuous();
    }

    const qsizetype dropped = n > Capacity ? n - Capacity : 0;
    const qsizetype kept = n - dropped;
    const qsizetype before = m_entries.size();
    const qsizetype overflow = before + kept - Capacity;
    const qsizetype evict = overflow > 0 ? qMin(overflow, before) : 0;
    const bool bulk = evict + kept > BulkThreshold;

    if (evict > 0) {
        if (!bulk) {
            emit entriesAboutToBeEvicted(int(evict));
        }
        m_entries.remove(0, evict);
        if (!bulk) {
            emit entriesEvicted();
        }
    }

    const bool withEnds = lineEnds.size() == n;
    for (qsizetype i = dropped; i < n; ++i) {
        m_entries.append(
            LogEntry{stamp, kind, items.at(i), withEnds ? lineEnds.at(i) : LineEnd::None, check});
    }

    if (bulk) {
        emit bulkChanged();
    } else {
        emit entriesAppended(int(kept));
    }
    emit countersChanged(m_rxBytes, m_txBytes);
    if (kind == LogKind::RX) {
        emit linesReceived(stamp, items, withEnds ? lineEnds : QList<LineEnd>(n, LineEnd::None));
    }
}

void LogManager::clear()
{
    m_entries.clear();
    m_rxBytes = 0;
    m_txBytes = 0;
    m_totalLineCount = 0;
    emit cleared();
    emit countersChanged(0, 0);
}

void LogManager::uncountTx(qint64 bytes)
{
    const qint64 counted = qMax<qint64>(0, m_txBytes - qMax<qint64>(0, bytes));
    if (counted == m_txBytes) {
        return;
    }
    m_txBytes = counted;
    emit countersChanged(m_rxBytes, m_txBytes);
}

QString LogManager::dirTag(LogKind kind)
{
    switch (kind) {
    case LogKind::TX:
        return QStringLiteral("TX");
    case LogKind::RX:
        return QStringLiteral("RX");
    case LogKind::SYS:
        return QStringLiteral("SYS");
    case LogKind::ERR:
        return QStringLiteral("ERR");
    }
    return QStringLiteral("?");
}

QString LogManager::formatLine(const LogEntry& entry, LogFileFormat format)
{
    return lineWithStamp(entry, format, stampText(entry.time));
}

bool LogManager::exportToFile(const QString& path, LogFileFormat format, QString* error) const
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!folder.isEmpty()) {
        QDir().mkpath(folder); // a failure shows in the open below
    }
    // Written beside the target and renamed over it at the end, so that a
    // disk that fills up half-way leaves the previous file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    // The first write that fails says why; by the commit the file only
    // knows that something did.
    QString writeError;
    auto put = [&file, &writeError](const QByteArray& bytes) {
        if (writeError.isEmpty()) {
            RegularFile::writeAll(file, bytes, &writeError);
        }
    };
    QByteArray chunk;
    if (format == LogFileFormat::Csv) {
        chunk = QByteArrayLiteral("time,direction,data\n");
    }
    QDateTime stampTime;
    QString stamp;
    for (const LogEntry& entry : m_entries) {
        if (entry.time != stampTime || stamp.isEmpty()) {
            stampTime = entry.time;
            stamp = stampText(stampTime);
        }
        chunk += lineWithStamp(entry, format, stamp).toUtf8();
        chunk += '\n';
        if (chunk.size() >= 64 * 1024) {
            put(chunk);
            chunk.clear();
        }
    }
    put(chunk);
    if (writeError.isEmpty()) {
        RegularFile::flushAll(file, &writeError);
    }
    if (!writeError.isEmpty()) {
        file.cancelWriting();
    }
    if (!file.commit()) {
        if (error) {
            *error = writeError.isEmpty() ? file.errorString() : writeError;
        }
        return false;
    }
    return true;
}

QDateTime LogManager::now()
{
    return m_clock ? m_clock() : m_localClock.now();
}

void LogManager::setClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

void LogManager::setContinuousLogging(bool enabled, const QString& directory,
                                      const QString& baseName)
{
    m_continuousEnabled = enabled;
    m_continuousDirectory = directory;
    m_continuousBaseName = baseName.isEmpty() ? QStringLiteral("korvel") : baseName;
    closeContinuousFile();
    m_continuousDate = QDate();
    if (enabled && !directory.isEmpty()) {
        QDir().mkpath(directory);
        rotateContinuousFile(now().date());
    }
    emit continuousLoggingChanged();
}

QString LogManager::dailyBaseName(const QString& baseName)
{
    static const QRegularExpression stamp(QStringLiteral(R"(-\d{8}(-\d{4})?$)"));
    QString name = baseName;
    name.remove(stamp);
    return name;
}

QString LogManager::continuousFilePath() const
{
    return m_continuousUnopened ? QString() : m_continuousPath;
}

void LogManager::writeContinuous(const LogEntry& entry, bool flush)
{
    // A batch shares one time stamp: its text and date are worked out once.
    if (entry.time != m_stampTime || m_stampText.isEmpty()) {
        m_stampTime = entry.time;
        m_stampText = stampText(entry.time);
        m_stampDate = entry.time.date();
    }
    if (m_stampDate != m_continuousDate) {
        rotateContinuousFile(m_stampDate);
    }
    m_continuousPending += lineWithStamp(entry, LogFileFormat::Text, m_stampText).toUtf8();
    m_continuousPending += '\n';
    ++m_continuousPendingLines;
    if (flush) {
        flushContinuous();
    }
}

void LogManager::rotateContinuousFile(const QDate& date)
{
    flushContinuous();
    const QString name = QStringLiteral("%1-%2.log")
                             .arg(m_continuousBaseName, date.toString(QStringLiteral("yyyyMMdd")));
    const QString path =
        m_continuousDirectory.isEmpty() ? name : QDir(m_continuousDirectory).filePath(name);
    if (!m_writer) {
        m_writer = std::make_unique<LogFileWriter>(&lossMarker);
        // Reported from the writing thread, received here on this one.
        connect(m_writer.get(), &LogFileWriter::openChanged, this,
                &LogManager::onContinuousOpenChanged);
        connect(m_writer.get(), &LogFileWriter::writeFailed, this,
                &LogManager::continuousLogFailed);
        connect(m_writer.get(), &LogFileWriter::writeRecovered, this,
                &LogManager::continuousLogRecovered);
        connect(m_writer.get(), &LogFileWriter::linesLost, this, &LogManager::continuousLinesLost);
        connect(m_writer.get(), &LogFileWriter::written, this, &LogManager::continuousLogWritten);
    }
    // The writing thread opens the file. Lines that the previous day's file never took,
    // because it could not be opened, are marked in this one.
    m_writer->setFile(path, true);
    m_continuousPath = path;
    m_continuousDate = date;
    m_continuousUnopened = false;
    emit continuousLoggingChanged();
}

void LogManager::onContinuousOpenChanged(const QString& path, bool open)
{
    if (path != m_continuousPath || m_continuousUnopened != open) {
        return; // an earlier file, or nothing new
    }
    m_continuousUnopened = !open;
    emit continuousLoggingChanged();
}

void LogManager::flushContinuous()
{
    if (m_continuousPath.isEmpty() || m_continuousPending.isEmpty()) {
        return;
    }
    m_writer->write(std::move(m_continuousPending), std::exchange(m_continuousPendingLines, 0));
    m_continuousPending.clear();
}

void LogManager::closeContinuousFile()
{
    flushContinuous();
    if (!m_continuousPath.isEmpty()) {
        m_writer->setFile(QString());
        m_continuousPath.clear();
        m_continuousUnopened = false;
    }
}
