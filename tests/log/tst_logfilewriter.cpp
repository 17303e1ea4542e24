// The continuous log's writing thread against a destination that takes writes but never drains
// (a pipe that nobody reads, as a stuck network mount behaves): the caller never waits, the
// lines it had to leave out are counted and reported, and once the destination drains again a
// marker line says how many are missing and why. Nor does the caller wait for a destination
// slow to open: the writing thread opens it.
#include "log/logfilewriter.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
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

// Opens the write end @p fd of a pipe as the destination, whatever the path.
LogFileWriter::Opener pipeEnd(int fd)
{
    return [fd](const QString&, QString* reason) -> std::unique_ptr<QFile> {
        auto file = std::make_unique<QFile>();
        if (!file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                        QFileDevice::AutoCloseHandle)) {
            *reason = file->errorString();
            return nullptr;
        }
        return file;
    };
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
        auto writer = std::make_unique<LogFileWriter>(&marker, pipeEnd(ends[1]));
        QSignalSpy failed(writer.get(), &LogFileWriter::writeFailed);
        QSignalSpy recovered(writer.get(), &LogFileWriter::writeRecovered);
        QSignalSpy written(writer.get(), &LogFileWriter::written);
        writer->setFile(QStringLiteral("pipe"));

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

        // Lines written after the queue drained carry the marker before them. Every write came
        // before the spy's first signal could: it comes once all of them are through.
        QTRY_VERIFY(!written.isEmpty());
        QVERIFY(writer->write(chunkOf(chunks * kLines, kLines), kLines));
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
        QElapsedTimer clock;
        {
            LogFileWriter writer(&marker, pipeEnd(ends[1]));
            writer.setFile(QStringLiteral("pipe"));
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

    void unopenableFile_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("it opens later") << QStringLiteral("opens");
        QTest::newRow("the next day's file takes over") << QStringLiteral("next");
        QTest::newRow("it is closed") << QStringLiteral("closed");
    }

    // While the file cannot be opened, each chunk tries again and its lines are counted as
    // missing; the failure is told once. The count is marked in the file once it opens, or in
    // the next day's file, and told as lost when no file will take them.
    void unopenableFile()
    {
        QFETCH(QString, then);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString first = dir.filePath(QStringLiteral("first.log"));
        const QString next = dir.filePath(QStringLiteral("next.log"));
        const QString reason = QStringLiteral("not yet");
        auto openable = std::make_shared<std::atomic<bool>>(false);
        auto attempts = std::make_shared<std::atomic<int>>(0);
        LogFileWriter writer(&marker,
                             [openable, attempts, reason](const QString& at,
                                                          QString* why) -> std::unique_ptr<QFile> {
                                 ++*attempts;
                                 if (!*openable) {
                                     *why = reason;
                                     return nullptr;
                                 }
                                 return LogFileWriter::openForAppending(at, why);
                             });
        QSignalSpy failed(&writer, &LogFileWriter::writeFailed);
        QSignalSpy opened(&writer, &LogFileWriter::openChanged);
        QSignalSpy recovered(&writer, &LogFileWriter::writeRecovered);
        QSignalSpy lost(&writer, &LogFileWriter::linesLost);
        QSignalSpy written(&writer, &LogFileWriter::written);
        writer.setFile(first);
        QVERIFY(writer.write(chunkOf(0, 2), 2));
        QVERIFY(writer.write(chunkOf(2, 3), 3));
        QVERIFY(written.wait());
        QCOMPARE(attempts->load(), 3);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(0).toString(), first);
        QCOMPARE(failed.first().at(1).toString(), reason);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().at(0).toString(), first);
        QCOMPARE(opened.first().at(1).toBool(), false);

        *openable = true;
        written.clear();
        QString markedIn;
        if (then == QLatin1String("opens")) {
            markedIn = first;
        } else if (then == QLatin1String("next")) {
            writer.setFile(next, true);
            markedIn = next;
        } else {
            writer.setFile(QString());
        }
        if (!markedIn.isEmpty()) {
            QVERIFY(writer.write(chunkOf(5, 1), 1));
        }
        QVERIFY(written.wait());
        QCOMPARE(failed.size(), 1);
        if (markedIn.isEmpty()) {
            QCOMPARE(lost.size(), 1);
            QCOMPARE(lost.first().at(0).toString(), first);
            QCOMPARE(lost.first().at(1).toLongLong(), 5);
            QCOMPARE(lost.first().at(2).toString(), reason);
            QVERIFY(recovered.isEmpty());
            QVERIFY(!QFile::exists(first));
            return;
        }
        QVERIFY(lost.isEmpty());
        QCOMPARE(recovered.size(), 1);
        QCOMPARE(recovered.first().at(0).toString(), markedIn);
        QCOMPARE(recovered.first().at(1).toLongLong(), 5);
        QFile file(markedIn);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), marker(5, reason) + '\n' + chunkOf(5, 1));
    }

    // A destination slow to open (a network share that does not answer) holds up neither the
    // change of file nor the writes: the writing thread opens the file, and the lines reach it
    // once it is open.
    void slowOpenHoldsNothingUp()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("slow.log"));
        auto release = std::make_shared<std::atomic<bool>>(false);
        auto openedOn = std::make_shared<std::atomic<QThread*>>(nullptr);
        LogFileWriter writer(&marker, [release, openedOn](const QString& at, QString* reason) {
            // Bounded, so that a caller that waits for the open fails instead of hanging.
            const QDeadlineTimer deadline(10000);
            while (!*release && !deadline.hasExpired()) {
                QThread::msleep(10);
            }
            *openedOn = QThread::currentThread();
            return LogFileWriter::openForAppending(at, reason);
        });
        QSignalSpy written(&writer, &LogFileWriter::written);
        writer.setFile(path);
        QVERIFY(writer.write(chunkOf(0, 3), 3));
        QCOMPARE(openedOn->load(), nullptr); // both calls came back while the open waits

        *release = true;
        QVERIFY(written.wait());
        QVERIFY(openedOn->load() != QThread::currentThread());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), chunkOf(0, 3));
    }
};

QTEST_GUILESS_MAIN(TestLogFileWriter)
#include "tst_logfilewriter.moc"
