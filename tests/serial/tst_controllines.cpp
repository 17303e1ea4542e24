// DTR, RTS, BREAK and the modem status: on a port whose lines answer (a recording port), and
// on a pseudo-terminal, which has no modem lines: one notice, the controls rest, the session
// goes on.
#include "serial/controllines.h"
#include "serial/serialmanager.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace korveltest;

namespace {

// A port with working lines that records each call ("DTR 0", "RTS 1", "BREAK 1") and when
// it came; `refuse` makes every call fail from then on.
class RecordingPort : public ControlLinePort
{
public:
    bool setDataTerminalReady(bool on) override { return record("DTR", on); }
    bool setRequestToSend(bool on) override { return record("RTS", on); }
    bool setBreakEnabled(bool on) override { return record("BREAK", on); }
    bool readSignals(QSerialPort::PinoutSignals* lines) override
    {
        ++reads;
        if (refuse) {
            return false;
        }
        *lines = inputs;
        return true;
    }

    QStringList calls;
    QList<qint64> at;
    QElapsedTimer clock;
    QSerialPort::PinoutSignals inputs;
    int reads = 0;
    bool refuse = false;

private:
    bool record(const char* line, bool on)
    {
        if (!clock.isValid()) {
            clock.start();
        }
        calls << QStringLiteral("%1 %2").arg(QLatin1String(line)).arg(on ? 1 : 0);
        at << clock.elapsed();
        return !refuse;
    }
};

} // namespace

class TestControlLines : public QObject
{
    Q_OBJECT

private slots:
    // The stored state is applied right after an open, and only what differs from the
    // asserted lines the open leaves; RTS under RTS/CTS flow control is left to the driver.
    void openPolicy_data()
    {
        QTest::addColumn<bool>("dtrOnOpen");
        QTest::addColumn<bool>("rtsOnOpen");
        QTest::addColumn<bool>("rtsFlow");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("dtr");
        QTest::addColumn<bool>("rts");

        QTest::newRow("both asserted: nothing asked")
            << true << true << false << QStringList{} << true << true;
        QTest::newRow("DTR released")
            << false << true << false << QStringList{"DTR 0"} << false << true;
        QTest::newRow("RTS released")
            << true << false << false << QStringList{"RTS 0"} << true << false;
        QTest::newRow("both released")
            << false << false << false << QStringList{"DTR 0", "RTS 0"} << false << false;
        QTest::newRow("RTS released, but flow control owns it")
            << false << false << true << QStringList{"DTR 0"} << false << true;
    }

    void openPolicy()
    {
        QFETCH(bool, dtrOnOpen);
        QFETCH(bool, rtsOnOpen);
        QFETCH(bool, rtsFlow);
        QFETCH(QStringList, calls);
        QFETCH(bool, dtr);
        QFETCH(bool, rts);

        RecordingPort port;
        ControlLines lines(&port);
        lines.setDtrOnOpen(dtrOnOpen);
        lines.setRtsOnOpen(rtsOnOpen);
        // Choosing is not applying: no session runs.
        QVERIFY(port.calls.isEmpty());
        QVERIFY(!lines.available());

        lines.sessionStarted(rtsFlow);
        QCOMPARE(port.calls, calls);
        QVERIFY(lines.available());
        QCOMPARE(lines.dtr(), dtr);
        QCOMPARE(lines.rts(), rts);
        QCOMPARE(lines.rtsOwnedByDriver(), rtsFlow);

        // Ended, the lines take nothing; the next session starts from the choice again.
        lines.sessionEnded();
        QVERIFY(!lines.available());
        lines.setDtr(!lines.dtr());
        lines.setRts(!lines.rts());
        lines.resetDevice();
        lines.sendBreak();
        QCOMPARE(port.calls, calls);
        lines.sessionStarted(rtsFlow);
        QCOMPARE(port.calls, calls + calls);
    }

    // The toggles set the line and say so once; the same state again, or RTS under flow
    // control, asks the port nothing.
    void toggles_data()
    {
        QTest::addColumn<bool>("rtsFlow");
        QTest::addColumn<QStringList>("calls");

        QTest::newRow("no flow control") << false << QStringList{"DTR 0", "RTS 0", "DTR 1"};
        QTest::newRow("RTS/CTS") << true << QStringList{"DTR 0", "DTR 1"};
    }

    void toggles()
    {
        QFETCH(bool, rtsFlow);
        QFETCH(QStringList, calls);
        RecordingPort port;
        ControlLines lines(&port);
        lines.sessionStarted(rtsFlow);
        QSignalSpy changed(&lines, &ControlLines::stateChanged);

        lines.setDtr(true); // already asserted
        QCOMPARE(changed.count(), 0);
        lines.setDtr(false);
        QCOMPARE(changed.count(), 1);
        lines.setDtr(false);
        lines.setRts(false);
        QCOMPARE(lines.rts(), rtsFlow);
        lines.setDtr(true);
        QCOMPARE(port.calls, calls);
        QCOMPARE(changed.count(), rtsFlow ? 2 : 3);
        QVERIFY(lines.dtr());
    }

    // "Reset device" turns the chosen line over for the pulse and back, then says so; the
    // timing bound is generous, the order exact.
    void resetPulse_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("restingState");
        QTest::addColumn<int>("pulseMs");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("notice");

        QTest::newRow("DTR asserted, 100 ms")
            << int(ControlLines::Dtr) << true << 100 << QStringList{"DTR 0", "DTR 1"}
            << "Reset device: DTR pulsed for 100 ms.";
        QTest::newRow("DTR released, 50 ms")
            << int(ControlLines::Dtr) << false << 50 << QStringList{"DTR 0", "DTR 1", "DTR 0"}
            << "Reset device: DTR pulsed for 50 ms.";
        QTest::newRow("RTS asserted, 200 ms")
            << int(ControlLines::Rts) << true << 200 << QStringList{"RTS 0", "RTS 1"}
            << "Reset device: RTS pulsed for 200 ms.";
    }

    void resetPulse()
    {
        QFETCH(int, line);
        QFETCH(bool, restingState);
        QFETCH(int, pulseMs);
        QFETCH(QStringList, calls);
        QFETCH(QString, notice);

        RecordingPort port;
        ControlLines lines(&port);
        lines.setResetLine(line);
        lines.setResetPulseMs(pulseMs);
        lines.sessionStarted(false);
        if (!restingState) {
            line == ControlLines::Dtr ? lines.setDtr(false) : lines.setRts(false);
        }
        QSignalSpy notices(&lines, &ControlLines::notice);
        lines.resetDevice();
        QVERIFY(lines.busy());
        lines.resetDevice(); // a second press during the pulse changes nothing
        lines.setDtr(!lines.dtr());
        QVERIFY(notices.wait(5000));
        QCOMPARE(port.calls, calls);
        const qint64 held = port.at.constLast() - port.at.at(port.at.size() - 2);
        QVERIFY2(held >= pulseMs - 5 && held < pulseMs + 2000, QByteArray::number(held));
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.at(0).at(0).toString(), notice);
        QVERIFY(!lines.busy());
        QCOMPARE(line == ControlLines::Dtr ? lines.dtr() : lines.rts(), restingState);
    }

    void resetRefusesADriverOwnedRts()
    {
        RecordingPort port;
        ControlLines lines(&port);
        lines.setResetLine(ControlLines::Rts);
        lines.sessionStarted(true);
        QSignalSpy notices(&lines, &ControlLines::notice);
        lines.resetDevice();
        QVERIFY(port.calls.isEmpty());
        QCOMPARE(notices.count(), 1);
        QVERIFY(notices.at(0).at(0).toString().contains(QLatin1String("RTS/CTS")));
    }

    void breakHoldsTheLine()
    {
        RecordingPort port;
        ControlLines lines(&port);
        lines.sessionStarted(false);
        QSignalSpy notices(&lines, &ControlLines::notice);
        lines.sendBreak();
        lines.sendBreak();
        QVERIFY(notices.wait(5000));
        QCOMPARE(port.calls, (QStringList{"BREAK 1", "BREAK 0"}));
        const qint64 held = port.at.at(1) - port.at.at(0);
        QVERIFY2(held >= ControlLines::BreakMs - 5 && held < ControlLines::BreakMs + 2000,
                 QByteArray::number(held));
        QCOMPARE(notices.at(0).at(0).toString(), QStringLiteral("Break sent (250 ms)."));
    }

    // A session that ends in the middle of a pulse or a break leaves the port alone.
    void closingStopsAPulse()
    {
        RecordingPort port;
        ControlLines lines(&port);
        lines.sessionStarted(false);
        lines.resetDevice();
        lines.sessionEnded();
        QSignalSpy notices(&lines, &ControlLines::notice);
        QVERIFY(!notices.wait(300));
        QCOMPARE(port.calls, QStringList{"DTR 0"});
    }

    // The first refused call ends the lines for the session with one notice; whatever
    // follows asks the port nothing more. The next session tries again.
    void refusalIsToldOnce_data()
    {
        QTest::addColumn<QString>("first");
        QTest::newRow("a toggle") << "toggle";
        QTest::newRow("the reset") << "reset";
        QTest::newRow("the status poll") << "poll";
        QTest::newRow("the open-time state") << "open";
    }

    void refusalIsToldOnce()
    {
        QFETCH(QString, first);
        RecordingPort port;
        ControlLines lines(&port);
        port.refuse = true;
        QSignalSpy notices(&lines, &ControlLines::notice);
        if (first == QLatin1String("open")) {
            lines.setDtrOnOpen(false);
        }
        lines.sessionStarted(false);
        if (first == QLatin1String("toggle")) {
            lines.setRts(false);
        } else if (first == QLatin1String("reset")) {
            lines.resetDevice();
        } else if (first == QLatin1String("poll")) {
            lines.setWatching(true);
        }
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.at(0).at(0).toString(),
                 QStringLiteral("This port has no modem control lines."));
        QVERIFY(!lines.supported());
        QVERIFY(!lines.available());

        const qsizetype calls = port.calls.size();
        const int reads = port.reads;
        lines.setWatching(true);
        lines.setDtr(false);
        lines.setRts(false);
        lines.resetDevice();
        QTest::qWait(3 * ControlLines::PollMs);
        QCOMPARE(port.calls.size(), calls);
        QCOMPARE(port.reads, reads);
        QCOMPARE(notices.count(), 1);

        lines.sessionEnded();
        port.refuse = false;
        lines.sessionStarted(false);
        QVERIFY(lines.available());
        lines.setDtr(false);
        QCOMPARE(port.calls.constLast(), QStringLiteral("DTR 0"));
    }

    // The inputs are read while someone watches and a session runs, no more than ten times
    // a second, and a change is told once.
    void statusIsPolledWhileWatched()
    {
        RecordingPort port;
        ControlLines lines(&port);
        lines.sessionStarted(false);
        QTest::qWait(300);
        QCOMPARE(port.reads, 0);

        QSignalSpy changed(&lines, &ControlLines::signalsChanged);
        port.inputs = QSerialPort::ClearToSendSignal | QSerialPort::DataTerminalReadySignal;
        lines.setWatching(true);
        QVERIFY(lines.cts());
        QVERIFY(!lines.dsr());
        QCOMPARE(changed.count(), 1);

        QElapsedTimer clock;
        clock.start();
        const int readsBefore = port.reads;
        port.inputs = QSerialPort::DataSetReadySignal | QSerialPort::DataCarrierDetectSignal |
                      QSerialPort::RingIndicatorSignal;
        QTRY_VERIFY_WITH_TIMEOUT(lines.dsr(), 2000);
        QVERIFY(!lines.cts());
        QVERIFY(lines.dcd());
        QVERIFY(lines.ri());
        QTest::qWait(1000);
        const double perSecond = (port.reads - readsBefore) * 1000.0 / double(clock.elapsed());
        QVERIFY2(perSecond <= 10.5, QByteArray::number(perSecond));
        QCOMPARE(changed.count(), 2);

        lines.sessionEnded();
        QVERIFY(!lines.dsr());
        const int readsAtEnd = port.reads;
        QTest::qWait(300);
        QCOMPARE(port.reads, readsAtEnd);
    }

    // Stored choices come back within their bounds; an unchanged value says nothing.
    void setters_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("pulseMs");
        QTest::addColumn<int>("shownLine");
        QTest::addColumn<int>("shownPulse");
        QTest::addColumn<int>("changes");

        QTest::newRow("defaults again") << 0 << 100 << 0 << 100 << 0;
        QTest::newRow("RTS, 250") << 1 << 250 << 1 << 250 << 2;
        QTest::newRow("unknown line is DTR") << 7 << 100 << 0 << 100 << 0;
        QTest::newRow("negative pulse") << 0 << -5 << 0 << ControlLines::MinPulseMs << 1;
        QTest::newRow("endless pulse") << 0 << 99999999 << 0 << ControlLines::MaxPulseMs << 1;
    }

    void setters()
    {
        QFETCH(int, line);
        QFETCH(int, pulseMs);
        QFETCH(int, shownLine);
        QFETCH(int, shownPulse);
        QFETCH(int, changes);
        RecordingPort port;
        ControlLines lines(&port);
        QSignalSpy changed(&lines, &ControlLines::resetChanged);
        QSignalSpy policy(&lines, &ControlLines::openPolicyChanged);
        lines.setResetLine(line);
        lines.setResetPulseMs(pulseMs);
        lines.setResetLine(line);
        lines.setResetPulseMs(pulseMs);
        lines.setDtrOnOpen(true);
        lines.setRtsOnOpen(true);
        QCOMPARE(lines.resetLine(), shownLine);
        QCOMPARE(lines.resetPulseMs(), shownPulse);
        QCOMPARE(changed.count(), changes);
        QCOMPARE(policy.count(), 0);
    }

    // A pseudo-terminal refuses DTR, RTS and the status read (and takes a break): the first
    // refusal is one notice, the port stays open, the data flows, and the port reports no
    // error of its own.
    void pseudoTerminalHasNoModemLines()
    {
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        Device device(pair.devicePath());
        SerialManager serial;
        QSignalSpy errors(&serial, &SerialManager::errorOccurred);
        QString error;
        QVERIFY2(serial.open({pair.appPath()}, &error), qPrintable(error));
        ControlLines lines(&serial.controlLinePort());
        QSignalSpy notices(&lines, &ControlLines::notice);
        lines.setWatching(true);
        lines.sessionStarted(false);

        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.at(0).at(0).toString(),
                 QStringLiteral("This port has no modem control lines."));
        QVERIFY(!lines.available());
        lines.setDtr(false);
        lines.resetDevice();
        QTest::qWait(300);
        QCOMPARE(notices.count(), 1);

        lines.sendBreak();
        QVERIFY(notices.wait(5000));
        QCOMPARE(notices.at(1).at(0).toString(), QStringLiteral("Break sent (250 ms)."));

        QVERIFY(serial.isOpen());
        QCOMPARE(serial.write("still here\n"), 11);
        QTRY_COMPARE_WITH_TIMEOUT(device.received, QByteArray("still here\n"), 5000);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.value(0).value(0).toString()));
    }
};

QTEST_GUILESS_MAIN(TestControlLines)
#include "tst_controllines.moc"
