// Receive-pipeline benchmark: chunks of received lines go through the
// controller's receive path into the log store and the log view model, whose
// text feed is consumed the way the data monitor consumes it. Runs in steady
// state (the store is full, so every batch also evicts).
#include "app/appcontroller.h"
#include "log/loglistmodel.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

#include <cstdio>

void qml_register_types_Korvel();

namespace {

// Resident set size of this process in KiB, from /proc.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// A stream of numbered 40-byte lines ("000000123 t=23.4 h=41.0 ...\r\n")
// cut into chunks of the given size regardless of line boundaries. The text
// is made once up front so the measurement covers the receive path only; each
// chunk is still a fresh copy, as a read from the port would be.
class LineStream
{
public:
    LineStream(int lineLength, int chunkSize)
        : m_chunkSize(chunkSize)
    {
        constexpr int lines = 1 << 16;
        m_text.reserve(qsizetype(lines) * lineLength + chunkSize);
        for (int i = 0; i < lines; ++i) {
            QByteArray line = QByteArray::number(i).rightJustified(9, '0');
            line += " t=23.4 h=41.0 lux=812 ok";
            line = line.leftJustified(lineLength - 2, '.', true);
            line += "\r\n";
            m_text += line;
        }
        m_period = m_text.size();
        m_text += m_text.left(chunkSize); // lets a chunk run over the end
    }

    QByteArray nextChunk()
    {
        QByteArray chunk(m_text.constData() + m_offset, m_chunkSize);
        m_offset = (m_offset + m_chunkSize) % m_period;
        return chunk;
    }

private:
    int m_chunkSize;
    QByteArray m_text;
    qsizetype m_period = 0;
    qsizetype m_offset = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    volatile auto keepModule = &qml_register_types_Korvel;
    (void)keepModule;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Never touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelBench"));
    QCoreApplication::setApplicationName(QStringLiteral("korvel-bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Measures the receive pipeline: line cutting, log store, log view model."));
    parser.addHelpOption();
    QCommandLineOption megabytes(QStringLiteral("megabytes"),
                                 QStringLiteral("Bytes to push through, in MB (default 200)."),
                                 QStringLiteral("mb"), QStringLiteral("200"));
    QCommandLineOption memoryLines(
        QStringLiteral("memory-lines"),
        QStringLiteral("Lines for the memory check (default 10000000; 0 skips it)."),
        QStringLiteral("n"), QStringLiteral("10000000"));
    parser.addOption(megabytes);
    parser.addOption(memoryLines);
    parser.process(app);

    constexpr int lineLength = 40;
    constexpr int chunkSize = 4096;

    AppController controller;
    LogListModel* model = controller.logModel();

    // The monitor's side of the text feed: it keeps the document length in
    // step and touches every appended character once.
    qint64 documentLength = 0;
    quint64 checksum = 0;
    QObject::connect(model, &LogListModel::lineAppended, [&](const QString& text) {
        documentLength += text.size();
        checksum += text.isEmpty() ? 0 : text.back().unicode();
    });
    QObject::connect(model, &LogListModel::lineEvicted,
                     [&](int length) { documentLength -= length; });
    QObject::connect(model, &LogListModel::rebuildNeeded,
                     [&] { documentLength = model->fullPlainDump().size(); });

    LineStream stream(lineLength, chunkSize);

    // Fill the store so the measured part runs in steady state.
    while (controller.logStore().entries().size() < LogManager::Capacity) {
        controller.handleIncomingData(stream.nextChunk());
    }
    QCoreApplication::processEvents();

    const qint64 totalBytes = qint64(parser.value(megabytes).toDouble() * 1e6);
    const qint64 linesBefore = controller.logStore().totalLineCount();
    QElapsedTimer timer;
    timer.start();
    qint64 fed = 0;
    while (fed < totalBytes) {
        controller.handleIncomingData(stream.nextChunk());
        fed += chunkSize;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const qint64 lines = controller.logStore().totalLineCount() - linesBefore;

    std::printf("bytes: %lld in %.3f s, lines: %lld, document: %lld chars (checksum %llu)\n",
                static_cast<long long>(fed), seconds, static_cast<long long>(lines),
                static_cast<long long>(documentLength), static_cast<unsigned long long>(checksum));

    const qint64 memoryTarget = parser.value(memoryLines).toLongLong();
    if (memoryTarget > 0) {
        AppController fresh;
        LineStream memoryStream(lineLength, chunkSize);
        const qint64 start = fresh.logStore().totalLineCount();
        auto feedUntil = [&](qint64 count) {
            while (fresh.logStore().totalLineCount() - start < count) {
                fresh.handleIncomingData(memoryStream.nextChunk());
            }
        };
        for (qint64 count = 10000; count <= memoryTarget; count *= 10) {
            feedUntil(count);
            std::printf("rss_after_%lld_lines_KiB: %ld\n", static_cast<long long>(count),
                        residentKiB());
        }
    }

    std::printf("pipeline_MBps: %.1f\n", double(fed) / 1e6 / seconds);
    std::printf("pipeline_lines_per_s: %.0f\n", double(lines) / seconds);
    return 0;
}
