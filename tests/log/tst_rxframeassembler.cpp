// Frames cut by silence, through a real pseudo-terminal: the test plays the
// device on one end of a socat pair and the assembler reads the other end as
// the application does, so chunking and timing are the serial line's own.
#include "log/logmanager.h"
#include "log/rxframeassembler.h"
#include "log/rxreceiver.h"
#include "support/testsupport.h"
#include "util/crc16.h"

#include <QDateTime>
#include <QSerialPort>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(FrameCheck)

namespace {

using namespace korveltest;
using Pieces = QList<QByteArray>;

QByteArray withCrc(const QByteArray& hex)
{
    const QByteArray body = QByteArray::fromHex(hex);
    return body + Crc16::modbusBytes(body);
}

// Both ends of a line: the device side the test writes, the application
// side feeding the assembler from readyRead.
struct Line
{
    SocatPair pair;
    std::unique_ptr<QSerialPort> device;
    std::unique_ptr<QSerialPort> app;

    bool open(RxFrameAssembler& assembler)
    {
        if (!pair.start()) {
            qWarning("%s", qPrintable(pair.error()));
            return false;
        }
        device = std::make_unique<QSerialPort>(pair.devicePath());
        app = std::make_unique<QSerialPort>(pair.appPath());
        if (!device->open(QIODevice::ReadWrite) || !app->open(QIODevice::ReadWrite)) {
            return false;
        }
        QObject::connect(app.get(), &QSerialPort::readyRead, app.get(),
                         [this, &assembler] { assembler.feed(app->readAll()); });
        return true;
    }

    void send(const QByteArray& bytes)
    {
        device->write(bytes);
        QVERIFY(device->waitForBytesWritten(2000) || device->bytesToWrite() == 0);
    }
};

QList<QByteArray> frames(const LogManager& log)
{
    QList<QByteArray> out;
    for (const LogEntry& entry : log.entries()) {
        out << entry.data;
    }
    return out;
}

} // namespace

class TestRxFrameAssembler : public QObject
{
    Q_OBJECT

private slots:
    void cutsAtSilence_data();
    void cutsAtSilence();
    void boundsAFrameThatNeverPauses();
    void stampsTheFirstByte();
    void flushKeepsThePendingFrame();
    void checksTheCrc_data();
    void checksTheCrc();
    void switchingRulesKeepsEveryByte();
};

void TestRxFrameAssembler::cutsAtSilence_data()
{
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<Pieces>("expected");

    const QByteArray reply = QByteArray::fromHex("0103080000000A000B0D0A1234B5CF");
    // Gaps far from the pause either way: a loaded machine stretches them.
    QTest::newRow("gap well under the pause")
        << 500 << 25 << Pieces{"AB\n", "CD\r\n"} << Pieces{"AB\nCD\r\n"};
    QTest::newRow("gap well over the pause")
        << 20 << 500 << Pieces{"AB", "CD"} << Pieces{"AB", "CD"};
    QTest::newRow("line feeds and returns inside") << 20 << 0 << Pieces{reply} << Pieces{reply};
    QTest::newRow("pause split across reads")
        << 500 << 30 << Pieces{reply.left(3), reply.mid(3, 4), reply.mid(7, 1), reply.mid(8)}
        << Pieces{reply};
    QTest::newRow("lone returns and feeds")
        << 20 << 500 << Pieces{"\r", "\n", "\r\n"} << Pieces{"\r", "\n", "\r\n"};
}

void TestRxFrameAssembler::cutsAtSilence()
{
    QFETCH(int, pauseMs);
    QFETCH(int, gapMs);
    QFETCH(Pieces, pieces);
    QFETCH(Pieces, expected);

    LogManager log;
    RxFrameAssembler assembler(&log);
    assembler.setPauseMs(pauseMs);
    Line line;
    QVERIFY(line.open(assembler));

    for (const QByteArray& piece : pieces) {
        line.send(piece);
        if (gapMs > 0) {
            QTest::qWait(gapMs);
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(frames(log).size(), expected.size(), 5000);
    // Nothing more comes once the line is quiet.
    QTest::qWait(pauseMs + 100);
    QCOMPARE(frames(log), expected);
    QCOMPARE(assembler.pendingSize(), 0);
    for (const LogEntry& entry : log.entries()) {
        QCOMPARE(entry.kind, LogKind::RX);
        QCOMPARE(entry.lineEnd, LineEnd::None);
        QCOMPARE(entry.check, FrameCheck::None);
    }
}

void TestRxFrameAssembler::boundsAFrameThatNeverPauses()
{
    LogManager log;
    RxFrameAssembler assembler(&log);
    assembler.setPauseMs(RxFrameAssembler::MaxPauseMs);
    Line line;
    QVERIFY(line.open(assembler));

    QByteArray stream;
    for (int i = 0; i < 2 * RxFrameAssembler::MaxFrameBytes + 100; ++i) {
        stream += char(i % 251);
    }
    // In pieces with no pause between them, as a fast device talks.
    for (qsizetype at = 0; at < stream.size(); at += 1000) {
        line.send(stream.mid(at, 1000));
    }
    QTRY_COMPARE_WITH_TIMEOUT(frames(log).size(), 3, 10000);
    QCOMPARE(frames(log).at(0).size(), RxFrameAssembler::MaxFrameBytes);
    QCOMPARE(frames(log).at(1).size(), RxFrameAssembler::MaxFrameBytes);
    QCOMPARE(frames(log).join(), stream);
}

void TestRxFrameAssembler::stampsTheFirstByte()
{
    LogManager log;
    RxFrameAssembler assembler(&log);
    assembler.setPauseMs(1000);
    Line line;
    QVERIFY(line.open(assembler));

    const QDateTime beforeFirst = QDateTime::currentDateTime();
    line.send("first");
    QTest::qWait(400);
    const QDateTime beforeLast = QDateTime::currentDateTime();
    line.send("last");
    QTRY_COMPARE_WITH_TIMEOUT(frames(log).size(), 1, 5000);
    QCOMPARE(frames(log).constFirst(), QByteArray("firstlast"));
    const QDateTime stamp = log.entries().constFirst().time;
    QVERIFY2(stamp >= beforeFirst.addMSecs(-1) && stamp < beforeLast,
             qPrintable(stamp.toString(Qt::ISODateWithMs)));
}

void TestRxFrameAssembler::flushKeepsThePendingFrame()
{
    LogManager log;
    RxFrameAssembler assembler(&log);
    assembler.setPauseMs(RxFrameAssembler::MaxPauseMs);
    assembler.setCrcCheck(true);
    const QByteArray reply = withCrc("010302000A");
    assembler.feed(reply.left(4));
    assembler.feed(reply.mid(4));
    QCOMPARE(assembler.pendingSize(), reply.size());
    assembler.flush();
    QCOMPARE(frames(log), Pieces{reply});
    QCOMPARE(log.entries().constFirst().check, FrameCheck::Valid);
    // The timer no longer has anything to log.
    QTest::qWait(RxFrameAssembler::MaxPauseMs + 100);
    QCOMPARE(log.entries().size(), 1);
}

void TestRxFrameAssembler::checksTheCrc_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<FrameCheck>("check");

    const QByteArray reply = withCrc("0103080000000A000B0D0A1234");
    QTest::newRow("reply with 0A and 0D") << reply << FrameCheck::Valid;
    QTest::newRow("write echo") << withCrc("010600010D0A") << FrameCheck::Valid;
    QTest::newRow("one byte and its CRC") << withCrc("01") << FrameCheck::Valid;
    QTest::newRow("a data byte changed")
        << QByteArray(reply).replace(4, 1, "\x01") << FrameCheck::Invalid;
    QTest::newRow("CRC bytes swapped")
        << reply.chopped(2) + reply.right(1) + reply.right(2).left(1) << FrameCheck::Invalid;
    QTest::newRow("CRC missing") << reply.chopped(2) << FrameCheck::Invalid;
    QTest::newRow("two bytes") << QByteArray::fromHex("FFFF") << FrameCheck::Invalid;
    QTest::newRow("one byte") << QByteArray::fromHex("01") << FrameCheck::Invalid;
}

void TestRxFrameAssembler::checksTheCrc()
{
    QFETCH(QByteArray, frame);
    QFETCH(FrameCheck, check);

    QCOMPARE(RxFrameAssembler::check(frame), check);
    // Through the assembler, the mark goes with the frame's entry.
    LogManager log;
    RxFrameAssembler assembler(&log);
    assembler.setCrcCheck(true);
    assembler.feed(frame);
    assembler.flush();
    QCOMPARE(log.entries().size(), 1);
    QCOMPARE(log.entries().constFirst().check, check);
}

void TestRxFrameAssembler::switchingRulesKeepsEveryByte()
{
    LogManager log;
    RxReceiver receiver(&log);
    receiver.setPauseMs(RxFrameAssembler::MaxPauseMs);
    receiver.setCrcCheck(true);
    receiver.feed("one\ntw");
    QCOMPARE(frames(log), Pieces{"one"});
    // The partial line is logged as it stands before frames take over.
    receiver.setFramesBySilence(true);
    QCOMPARE(frames(log), (Pieces{"one", "tw"}));
    QCOMPARE(log.entries().at(1).check, FrameCheck::None);
    receiver.setFramesBySilence(true);
    receiver.feed("o\nthree");
    QCOMPARE(receiver.pendingSize(), 7);
    receiver.setFramesBySilence(false);
    QCOMPARE(frames(log), (Pieces{"one", "tw", "o\nthree"}));
    // A frame of the wrong CRC, marked as such even though lines are back.
    QCOMPARE(log.entries().at(2).check, FrameCheck::Invalid);
    receiver.feed("four\n");
    QCOMPARE(frames(log), (Pieces{"one", "tw", "o\nthree", "four"}));
    QCOMPARE(receiver.pendingSize(), 0);
}

QTEST_MAIN(TestRxFrameAssembler)
#include "tst_rxframeassembler.moc"
