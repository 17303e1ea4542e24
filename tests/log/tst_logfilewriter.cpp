// The continuous log's writing thread against a destination that takes writes but never drains
// (a pipe that nobody reads, as a stuck network mount behaves): the caller never waits, the
// lines it had to leave out are counted and reported, and once the destination drains again a
// marker line says how many are missing and why.
#include "log/logfilewriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

QByteArray marker(qint64 lines, const QString& reason)
{
    return "MARK " + QByteArray::number(lines) + ' ' + reason.toUtf8();
}

// One chunk of @p lines numbered lines from @p first, 1 KiB each.
QByteArray chunkOf(int first, int lines)
{
    QByteArray chunk;
    for (int i = 0; i < lines; ++i) {
        chunk +=
            QByteArray::number(first + i).rightJustified(8, '0') + QByteArray(1015, '.') + '\n';
    }
    return chunk;
}

} // namespace

class TestLogFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void neverDrainingDestination()
    {
        int ends[2];
        QCOMPARE(::pipe2(ends, O_CLOEXEC), 0);
        auto file = std::make_unique<QFile>();
        QVERIFY(file->open(ends[1], QIODevice::WriteOnly | QIODevice::Unbuffered,
                           QFileDevice::AutoCloseHandle));

        auto writer = std::make_unique<LogFileWriter>(&marker);
        QSignalSpy failed(writer.get(), &LogFileWriter::writeFailed);
        QSignalSpy recovered(writer.get(), &LogFileWriter::writeRecovered);
        writer->setFile(std::move(file));

        // The destination drains only after the writes, or (when one of them waits for it)
        // after ten seconds, so that such a test fails instead of hanging.
        auto produced = std::make_shared<std::atomic<bool>>(false);
        auto released = std::make_shared<std::atomic<bool>>(false);
        auto drained = std::make_shared<QByteArray>();
        std::thread reader([fd = ends[0], produced, released, drained] {
            QDeadlineTimer deadline(10000);
            while (!*produced && !deadline.hasExpired()) {
                QThread::msleep(20);
            }
            *released = !*produced;
            char buffer[65536];
            for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
                drained->append(buffer, n);
            }
        });

        // Twice what may wait, in chunks of 64 lines.
        constexpr int kLines = 64;
        const int chunks = int(2 * LogFileWriter::MaxQueuedBytes / (kLines * 1024));
        int refused = 0;
        for (int c = 0; c < chunks; ++c) {
            if (!writer->write(chunkOf(c * kLines, kLines), kLines)) {
                ++refused;
            }
        }
        *produced = true;
        if (*released) {
            writer.reset();
            reader.join();
            QFAIL("a write waited for the destination");
        }
        QVERIFY(refused > 0);
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(1).toString(), LogFileWriter::fallingBehindText());

        // Lines written after the queue drained carry the marker before them.
        writer->waitUntilWritten();
        QVERIFY(writer->write(chunkOf(chunks * kLines, kLines), kLines));
        writer->waitUntilWritten();
        QTRY_COMPARE(recovered.size(), 1);
        const qint64 missing = recovered.first().at(1).toLongLong();
        QCOMPARE(missing, qint64(refused) * kLines);
        QCOMPARE(recovered.first().at(2).toString(), LogFileWriter::fallingBehindText());

        writer.reset(); // closes the pipe's write end
        reader.join();
        ::close(ends[0]);
        const QList<QByteArray> lines = drained->split('\n');
        QCOMPARE(lines.last(), QByteArray()); // ends with a whole line
        int expected = 0;
        int markers = 0;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QByteArray& line = lines.at(i);
            if (line.startsWith("MARK ")) {
                QCOMPARE(line, marker(missing, LogFileWriter::fallingBehindText()));
                expected += int(missing);
                ++markers;
                continue;
            }
            QCOMPARE(line.size(), 1023);
            QCOMPARE(line.left(8).toInt(), expected);
            ++expected;
        }
        QCOMPARE(markers, 1);
        QCOMPARE(expected, (chunks + 1) * kLines);
    }

    // The window goes even when the disk never takes what waits: the writer waits a bounded
    // time, then leaves its thread behind.
    void destroyedWhileDestinationIsStuck()
    {
        int ends[2];
        QCOMPARE(::pipe2(ends, O_CLOEXEC), 0);
        auto file = std::make_unique<QFile>();
        QVERIFY(file->open(ends[1], QIODevice::WriteOnly | QIODevice::Unbuffered,
                           QFileDevice::AutoCloseHandle));
        QElapsedTimer clock;
        {
            LogFileWriter writer(&marker);
            writer.setFile(std::move(file));
            for (int c = 0; c < 8; ++c) {
                writer.write(chunkOf(c * 64, 64), 64); // more than the pipe holds
            }
            clock.start();
        }
        QVERIFY2(clock.elapsed() < LogFileWriter::ExitWaitMs + 5000,
                 qPrintable(QString::number(clock.elapsed())));
        // Reading the pipe lets the thread left behind finish; it touches nothing that is gone.
        char buffer[65536];
        while (::read(ends[0], buffer, sizeof buffer) > 0) {
        }
        ::close(ends[0]);
    }
};

QTEST_GUILESS_MAIN(TestLogFileWriter)
#include "tst_logfilewriter.moc"
