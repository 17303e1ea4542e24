// The whole terminal path against the device simulator: open, send a JSON
// request or a Modbus frame, read the answer from the log, close, and lose
// the device while it is still talking.
#include "app/appcontroller.h"
#include "support/controllersupport.h"
#include "support/testsupport.h"
#include "util/crc16.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using namespace korveltest;

const QByteArray kReadRegister0Reply = QByteArray::fromHex("01030200017984");

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettingsInEnglish(); }
    void init() { korveltest::clearSettings(); }

    void jsonRequestGetsAJsonLine_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("ReadData") << QStringLiteral("ReadData");
        QTest::newRow("ReadProduct") << QStringLiteral("ReadProduct");
    }

    void jsonRequestGetsAJsonLine()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("hx4"));
        Simulator sim;
        QVERIFY2(sim.start({QStringLiteral("--link"), link}), qPrintable(sim.error()));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(link).isSymLink(), 5000);

        AppController controller;
        QVERIFY(openDefault(controller, link));
        const QString request = QStringLiteral("{\"command\":\"%1\"}").arg(command);
        controller.setDraftText(request);
        controller.sendManualText();

        const LogManager& log = controller.logStore();
        QTRY_VERIFY_WITH_TIMEOUT(!rxLines(log).isEmpty(), 5000);
        QCOMPARE(describe(log).mid(0, 2),
                 (QStringList{opened(link), QStringLiteral("TX:") + request}));
        const QByteArray reply = rxLines(log).constFirst();
        QVERIFY2(!reply.endsWith('\r'), reply.constData());
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(reply, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, reply.constData());
        QVERIFY2(json.isObject(), reply.constData());
        QVERIFY2(!json.object().contains(QStringLiteral("error")), reply.constData());
        QCOMPARE(json.object().value(QStringLiteral("command")).toString(), command);

        controller.closePort();
        QCOMPARE(describe(log).constLast(), QStringLiteral("SYS:Port closed"));
        QCOMPARE(rxLines(log).size(), 1);
    }

    void modbusRequestGetsAValidReply_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<QString>("echo");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("register 0") << "01 03 00 00 00 01"
                                    << "01 03 00 00 00 01 84 0A" << kReadRegister0Reply;
        QTest::newRow("registers 1-2")
            << "0103 0001 0002"
            << "01 03 00 01 00 02 95 CB" << QByteArray::fromHex("010304000B00154A3E");
    }

    void modbusRequestGetsAValidReply()
    {
        QFETCH(QString, draft);
        QFETCH(QString, echo);
        QFETCH(QByteArray, reply);
        Simulator sim;
        QVERIFY2(sim.start({QStringLiteral("--modbus")}), qPrintable(sim.error()));

        AppController controller;
        QVERIFY(openDefault(controller, sim.path()));
        controller.setSendAsHex(true);
        controller.setCrcEnabled(true);
        controller.setDraftText(draft);
        controller.sendManualText();

        // A reply has no line feed: it is logged after the pause.
        const LogManager& log = controller.logStore();
        QTRY_COMPARE_WITH_TIMEOUT(describe(log).size(), 3, 5000);
        QCOMPARE(describe(log).mid(0, 2),
                 (QStringList{opened(sim.path()), QStringLiteral("TX:") + echo}));
        const QByteArray rx = rxLines(log).value(0);
        QCOMPARE(rx.toHex(' '), reply.toHex(' '));
        QCOMPARE(Crc16::modbusBytes(rx.chopped(2)), rx.right(2));
        QCOMPARE(int(quint8(rx.at(2))), rx.size() - 5);
    }

    // A reply holding the byte 0A is cut into two entries, yet the hex view
    // shows every byte of it, the 0A included.
    void hexViewShowsTheLineFeedByte()
    {
        Simulator sim;
        QVERIFY2(sim.start({QStringLiteral("--modbus")}), qPrintable(sim.error()));
        AppController controller;
        QVERIFY(openDefault(controller, sim.path()));
        controller.logModel()->setHexMode(true);
        controller.setSendAsHex(true);
        controller.setCrcEnabled(true);
        // Register 256 holds 0A01.
        controller.setDraftText(QStringLiteral("01 03 01 00 00 01"));
        controller.sendManualText();

        QByteArray reply = QByteArray::fromHex("0103020A01");
        reply += Crc16::modbusBytes(reply);
        const LogManager& log = controller.logStore();
        QTRY_COMPARE_WITH_TIMEOUT(rxLines(log).size(), 2, 5000);
        QStringList shown;
        for (int row = 0; row < log.entries().size(); ++row) {
            if (log.entries().at(row).kind == LogKind::RX) {
                shown << controller.logModel()->index(row).data(LogListModel::TextRole).toString();
            }
        }
        QCOMPARE(shown.join(QLatin1Char(' ')), QString::fromLatin1(reply.toHex(' ').toUpper()));
        QCOMPARE(shown.constFirst(), QStringLiteral("01 03 02 0A"));
    }

    void closeFlushesThePendingReplyFirst()
    {
        Simulator sim;
        QVERIFY2(sim.start({QStringLiteral("--modbus")}), qPrintable(sim.error()));
        AppController controller;
        QVERIFY(openDefault(controller, sim.path()));
        controller.setSendAsHex(true);
        controller.setCrcEnabled(true);
        controller.setDraftText(QStringLiteral("01 03 00 00 00 01"));

        whenReceived(controller, kReadRegister0Reply.size(), [&] { controller.closePort(); });
        controller.sendManualText();
        QTRY_VERIFY_WITH_TIMEOUT(!controller.portOpen(), 5000);

        const QStringList log = describe(controller.logStore());
        QCOMPARE(log.size(), 4);
        QCOMPARE(log.at(0), opened(sim.path()));
        QCOMPARE(log.at(1), QStringLiteral("TX:01 03 00 00 00 01 84 0A"));
        QVERIFY(log.at(2).startsWith(QStringLiteral("RX:")));
        QCOMPARE(rxLines(controller.logStore()), QList<QByteArray>{kReadRegister0Reply});
        QCOMPARE(log.at(3), QStringLiteral("SYS:Port closed"));
        QCOMPARE(controller.portStatusText(), sim.path() + QStringLiteral(" CLOSED"));

        // The simulator outlives the session: the port opens again.
        QVERIFY(openDefault(controller, sim.path()));
    }

    // The simulator hangs up while replies keep arriving, so a partial line
    // (replies carry no line feed) is pending when the port goes away.
    void hangUpLogsThePartialReplyThenReports()
    {
        Simulator sim;
        QVERIFY2(sim.start({QStringLiteral("--modbus"), QStringLiteral("--hangup-after"),
                            QStringLiteral("3000")}),
                 qPrintable(sim.error()));
        QByteArray received;
        AppController controller;
        QVERIFY(openDefault(controller, sim.path()));
        connect(&controller.serialManager(), &SerialManager::dataReceived, this,
                [&](const QByteArray& chunk) { received += chunk; });

        controller.setEchoTx(false);
        controller.setSendAsHex(true);
        controller.setCrcEnabled(true);
        controller.setDraftText(QStringLiteral("01 03 00 00 00 01"));
        controller.setRepeatIntervalMs(20);
        controller.setRepeatSendEnabled(true);

        QTRY_VERIFY2_WITH_TIMEOUT(
            !controller.portOpen(),
            qPrintable(describe(controller.logStore()).mid(0, 6).join(QStringLiteral(" | "))),
            15000);
        QTRY_COMPARE_WITH_TIMEOUT(sim.process().state(), QProcess::NotRunning, 5000);
        QCOMPARE(sim.process().exitCode(), 0);

        const QStringList log = describe(controller.logStore());
        QVERIFY(!log.contains(QStringLiteral("SYS:Port closed")));
        const QString disconnected =
            QStringLiteral("ERR:Serial port %1 disconnected.").arg(sim.path());
        QCOMPARE(log.count(disconnected), 1);
        QCOMPARE(log.constFirst(), opened(sim.path()));
        // The last reply, cut off by the hang-up, comes before the message.
        QVERIFY2(log.constLast() == disconnected, qPrintable(log.join(QLatin1Char('\n'))));
        QVERIFY(log.at(log.size() - 2).startsWith(QStringLiteral("RX:")));

        // Every received byte is logged, and only whole replies came.
        const QList<QByteArray> rx = rxLines(controller.logStore());
        QCOMPARE(rx.join(), received);
        QVERIFY(!received.isEmpty());
        QCOMPARE(received.size() % kReadRegister0Reply.size(), 0);
        QCOMPARE(received,
                 kReadRegister0Reply.repeated(received.size() / kReadRegister0Reply.size()));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
