// Sending a file through a real port (a socat pair of pseudo-terminals): every byte in order,
// text line by line with the chosen line end, pauses, cancel, a device that stops reading, a
// file that cannot be read, and memory that stays flat.
#include "serial/filesender.h"
#include "serial/serialmanager.h"
#include "support/testsupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <memory>
#include <sys/stat.h>

using namespace korveltest;
using End = PayloadComposer::TextLineEnd;

Q_DECLARE_METATYPE(PayloadComposer::TextLineEnd)

namespace {

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

// The device end: counts and hashes what arrives rather than keeping it, or keeps it all
// when asked (for small files).
struct Receiver
{
    explicit Receiver(const QString& path, bool keep)
        : port(path)
        , keep(keep)
    {
        port.open(QIODevice::ReadWrite);
        QObject::connect(&port, &QSerialPort::readyRead, [this] {
            const QByteArray chunk = port.readAll();
            count += chunk.size();
            hash.addData(chunk);
            if (this->keep) {
                bytes += chunk;
            }
        });
    }

    QSerialPort port;
    bool keep;
    qint64 count = 0;
    QCryptographicHash hash{QCryptographicHash::Sha256};
    QByteArray bytes;
};

struct Bench
{
    SocatPair pair;
    QTemporaryDir dir;
    SerialManager serial;
    std::unique_ptr<FileSender> sender;

    bool start(QString* error)
    {
        if (!pair.start()) {
            *error = pair.error();
            return false;
        }
        if (!serial.open({pair.appPath()}, error)) {
            return false;
        }
        sender = std::make_unique<FileSender>(&serial);
        return true;
    }

    QString file(const QString& name, const QByteArray& content) const
    {
        const QString path = dir.filePath(name);
        writeFile(path, content);
        return path;
    }
};

// 20 MiB of bytes of every value, written in pieces; their hash in @p hash.
bool writeLargeFile(const QString& path, qint64 size, QByteArray* hash)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    QCryptographicHash sum(QCryptographicHash::Sha256);
    QRandomGenerator random(27);
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (qint64 written = 0; written < size; written += block.size()) {
        random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
        sum.addData(block);
        if (out.write(block) != block.size()) {
            return false;
        }
    }
    *hash = sum.result();
    return true;
}

} // namespace

class TestFileSender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { isolateSettingsInEnglish(); }

    // Every byte of a 20 MiB file arrives, in order, while the program's memory stays flat:
    // the file is read as the port drains, never whole.
    void largeBinaryFileArrivesWhole()
    {
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        const qint64 size = 20 * 1024 * 1024;
        const QString path = bench.dir.filePath(QStringLiteral("firmware.bin"));
        QByteArray expected;
        QVERIFY(writeLargeFile(path, size, &expected));
        Receiver device(bench.pair.devicePath(), false);
        QVERIFY(device.port.isOpen());

        const qint64 rssBefore = residentKiB();
        qint64 rssPeak = rssBefore;
        qint64 queuedPeak = 0;
        QList<double> progress;
        connect(bench.sender.get(), &FileSender::progressChanged, this, [&] {
            rssPeak = qMax(rssPeak, residentKiB());
            queuedPeak = qMax(queuedPeak, bench.serial.bytesToWrite());
            progress << bench.sender->progress();
        });
        QSignalSpy finished(bench.sender.get(), &FileSender::finished);
        QVERIFY2(bench.sender->start(path, &error), qPrintable(error));
        QVERIFY(bench.sender->running());
        QCOMPARE(bench.sender->fileSize(), size);
        QVERIFY(finished.wait(180000));

        QCOMPARE(finished.at(0).at(0).value<FileSender::Outcome>(), FileSender::Outcome::Sent);
        QCOMPARE(finished.at(0).at(2).toLongLong(), size);
        QTRY_COMPARE_WITH_TIMEOUT(device.count, size, 30000);
        QCOMPARE(device.hash.result().toHex(), expected.toHex());
        QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
        QCOMPARE(progress.constLast(), 1.0);
        QVERIFY2(queuedPeak <= FileSender::PieceBytes, QByteArray::number(queuedPeak));
        qInfo("resident memory %lld KiB before, %lld KiB at most while sending 20 MiB", rssBefore,
              rssPeak);
        QVERIFY2(rssPeak - rssBefore < 8 * 1024,
                 qPrintable(QStringLiteral("%1 KiB -> %2 KiB").arg(rssBefore).arg(rssPeak)));
    }

    // A text file goes out line by line with the chosen end, whatever ends its lines had:
    // CR LF, LF, a lone CR (also where a read stops between CR and LF), empty lines, a last
    // line without an end, and a line longer than the longest line the sender holds.
    void textFileLineByLine_data()
    {
        QTest::addColumn<End>("end");
        QTest::newRow("CR LF") << End::CrLf;
        QTest::newRow("LF") << End::Lf;
        QTest::newRow("CR") << End::Cr;
        QTest::newRow("none") << End::None;
    }

    void textFileLineByLine()
    {
        QFETCH(End, end);
        QList<QByteArray> lines;
        QByteArray file;
        const QList<QByteArray> ends{"\r\n", "\n", "\r", "\n", "\r\n"};
        // Ends the line at @p text with @p lineEnd.
        auto add = [&](const QByteArray& text, const QByteArray& lineEnd) {
            lines << text;
            file += text + lineEnd;
        };
        for (int i = 0; file.size() < 200 * 1024; ++i) {
            add("AT+LINE=" + QByteArray::number(i), ends.at(i % ends.size()));
            if (i % 97 == 0) {
                add({}, "\r\n"); // after a lone CR too: CR, then CR LF
            }
            // A CR LF split by the sender's reads: the CR is the last byte of a piece.
            if (file.size() < FileSender::PieceBytes && file.size() + 64 > FileSender::PieceBytes) {
                add(QByteArray(FileSender::PieceBytes - file.size() - 1, 'x'), "\r\n");
            }
        }
        add(QByteArray(FileSender::MaxLineBytes + 1000, 'L'), "\r\n");
        add("last line, no end", {});

        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        Receiver device(bench.pair.devicePath(), true);
        bench.sender->setAsText(true);
        bench.sender->setLineEnd(end);
        QSignalSpy finished(bench.sender.get(), &FileSender::finished);
        QVERIFY2(bench.sender->start(bench.file(QStringLiteral("script.txt"), file), &error),
                 qPrintable(error));
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.at(0).at(0).value<FileSender::Outcome>(), FileSender::Outcome::Sent);

        QByteArray expected;
        for (const QByteArray& line : lines) {
            expected += line + PayloadComposer::lineEndBytes(end);
        }
        QTRY_COMPARE_WITH_TIMEOUT(device.count, qint64(expected.size()), 10000);
        QVERIFY(device.bytes == expected);
        QCOMPARE(finished.at(0).at(2).toLongLong(), qint64(expected.size()));
        QCOMPARE(bench.sender->progress(), 1.0);
    }

    // A pause goes after each line (text) or each small piece (raw), timed after the piece
    // has left the port.
    void pauseSpacesThePieces_data()
    {
        QTest::addColumn<bool>("asText");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<int>("pauses");

        QTest::newRow("five lines") << true << QByteArray("a\nb\nc\nd\ne\n")
                                    << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\n") << 4;
        const QByteArray raw(4 * FileSender::PacedPieceBytes, 'r');
        QTest::newRow("four raw pieces") << false << raw << raw << 3;
    }

    void pauseSpacesThePieces()
    {
        QFETCH(bool, asText);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, wire);
        QFETCH(int, pauses);
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        Receiver device(bench.pair.devicePath(), true);
        bench.sender->setAsText(asText);
        bench.sender->setPauseMs(80);
        QSignalSpy finished(bench.sender.get(), &FileSender::finished);
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(bench.sender->start(bench.file(QStringLiteral("paced"), content), &error),
                 qPrintable(error));
        QVERIFY(finished.wait(30000));
        QTRY_COMPARE_WITH_TIMEOUT(device.bytes, wire, 5000);
        QVERIFY2(clock.elapsed() >= pauses * 80, QByteArray::number(clock.elapsed()));
    }

    // Cancelled in the middle, the send stops within the piece that waited in the port.
    void cancelStopsWithinOnePiece()
    {
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        const QString path = bench.dir.filePath(QStringLiteral("big.bin"));
        QByteArray hash;
        QVERIFY(writeLargeFile(path, 8 * 1024 * 1024, &hash));
        Receiver device(bench.pair.devicePath(), false);
        QSignalSpy finished(bench.sender.get(), &FileSender::finished);
        QVERIFY2(bench.sender->start(path, &error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(device.count >= 1024 * 1024, 60000);
        const qint64 sentAtCancel = bench.sender->bytesSent();
        bench.sender->cancel();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<FileSender::Outcome>(), FileSender::Outcome::Cancelled);
        QVERIFY(!bench.sender->running());

        // Whatever still comes is what the port held at the cancel.
        qint64 seen = -1;
        while (seen != device.count) {
            seen = device.count;
            QTest::qWait(300);
        }
        QVERIFY2(device.count <= sentAtCancel + FileSender::PieceBytes,
                 qPrintable(QStringLiteral("%1 arrived, %2 sent at the cancel")
                                .arg(device.count)
                                .arg(sentAtCancel)));
        QCOMPARE(finished.count(), 1);
    }

    // A device that stops reading stalls the send: the progress stands, the event loop runs
    // on, the port holds no more than one piece; cancel still ends it.
    void stalledDeviceStallsTheProgressOnly()
    {
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        QFile stalled(bench.pair.devicePath());
        QVERIFY(stalled.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
        const QString path = bench.dir.filePath(QStringLiteral("big.bin"));
        QByteArray hash;
        QVERIFY(writeLargeFile(path, 8 * 1024 * 1024, &hash));
        QVERIFY2(bench.sender->start(path, &error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(bench.serial.bytesToWrite() > 0, 20000);
        QTest::qWait(300);

        const qint64 sent = bench.sender->bytesSent();
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(20);
        QTest::qWait(1000);
        QVERIFY2(ticks >= 25, QByteArray::number(ticks));
        QCOMPARE(bench.sender->bytesSent(), sent);
        QVERIFY(bench.sender->running());
        QVERIFY(bench.sender->progress() < 0.5);
        QVERIFY2(bench.serial.bytesToWrite() <= FileSender::PieceBytes,
                 QByteArray::number(bench.serial.bytesToWrite()));
        // A stall is no estimate: the time left becomes unknown, and the progress says so.
        QSignalSpy told(bench.sender.get(), &FileSender::progressChanged);
        QTRY_COMPARE_WITH_TIMEOUT(bench.sender->secondsLeft(), -1, 2 * FileSender::StallMs);
        QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 3000);

        QSignalSpy finished(bench.sender.get(), &FileSender::finished);
        bench.sender->cancel();
        QCOMPARE(finished.count(), 1);
    }

    // What cannot be sent is refused at once with a reason that names it; nothing runs.
    void refusals_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing"
                                      << "No such file";
        QTest::newRow("folder") << "folder"
                                << "not a regular file";
        QTest::newRow("device node") << "device"
                                     << "not a regular file";
        QTest::newRow("named pipe") << "pipe"
                                    << "not a regular file";
        QTest::newRow("port closed") << "closed"
                                     << "Port is not open";
        QTest::newRow("a send runs") << "busy"
                                     << "being sent already";
    }

    void refusals()
    {
        QFETCH(QString, what);
        QFETCH(QString, reason);
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        QString path = bench.file(QStringLiteral("ok.txt"), "hello\n");
        if (what == QLatin1String("missing")) {
            path = bench.dir.filePath(QStringLiteral("nothing-here"));
        } else if (what == QLatin1String("folder")) {
            path = bench.dir.path();
        } else if (what == QLatin1String("device")) {
            path = QStringLiteral("/dev/zero");
        } else if (what == QLatin1String("pipe")) {
            path = bench.dir.filePath(QStringLiteral("fifo"));
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (what == QLatin1String("closed")) {
            bench.serial.close();
        } else if (what == QLatin1String("busy")) {
            QVERIFY(bench.sender->start(path, &error));
        }
        const bool wasRunning = bench.sender->running();
        QSignalSpy finished(bench.sender.get(), &FileSender::finished);
        QVERIFY(!bench.sender->start(path, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(bench.sender->running(), wasRunning);
        QCOMPARE(finished.count(), 0);
    }

    // An empty file is a send of nothing that ends; a port that closes mid-way fails it.
    void emptyFileAndLostPort()
    {
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        QSignalSpy finished(bench.sender.get(), &FileSender::finished);
        QVERIFY(bench.sender->start(bench.file(QStringLiteral("empty"), {}), &error));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).value<FileSender::Outcome>(), FileSender::Outcome::Sent);
        QCOMPARE(finished.at(0).at(2).toLongLong(), 0);

        QFile stalled(bench.pair.devicePath());
        QVERIFY(stalled.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
        QVERIFY(bench.sender->start(bench.file(QStringLiteral("long"), QByteArray(1 << 20, 'z')),
                                    &error));
        QTRY_VERIFY_WITH_TIMEOUT(bench.serial.bytesToWrite() > 0, 20000);
        bench.serial.close();
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).value<FileSender::Outcome>(), FileSender::Outcome::Failed);
        QVERIFY(finished.at(1).at(3).toString().contains(QLatin1String("port closed")));
    }

    void optionsAreBounded_data()
    {
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("changes");
        QTest::newRow("unchanged") << 0 << 0 << 0;
        QTest::newRow("50") << 50 << 50 << 1;
        QTest::newRow("negative") << -10 << 0 << 0;
        QTest::newRow("endless") << 1 << FileSender::MaxPauseMs << 1;
    }

    void optionsAreBounded()
    {
        QFETCH(int, pauseMs);
        QFETCH(int, kept);
        QFETCH(int, changes);
        SerialManager serial;
        FileSender sender(&serial);
        QSignalSpy changed(&sender, &FileSender::optionsChanged);
        sender.setPauseMs(pauseMs == 1 ? std::numeric_limits<int>::max() : pauseMs);
        sender.setPauseMs(pauseMs == 1 ? std::numeric_limits<int>::max() : pauseMs);
        sender.setAsText(false);
        QCOMPARE(sender.pauseMs(), kept);
        QCOMPARE(changed.count(), changes);
    }
};

QTEST_GUILESS_MAIN(TestFileSender)
#include "tst_filesender.moc"
