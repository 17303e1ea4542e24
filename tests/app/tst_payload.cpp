// Turning a draft into the bytes that go to the port, the CRC echo, and what
// a send does without an open port. No port is involved.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class TestPayload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }
    void init() { korveltest::clearSettings(); }

    void asciiPayload_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("withCrc");
        QTest::addColumn<QByteArray>("payload");

        QTest::newRow("AT") << "AT" << false << QByteArray("AT\r\n");
        QTest::newRow("AT with CRC before CR LF") << "AT" << true << QByteArray("AT\x30\x1f\r\n");
        QTest::newRow("check string with CRC")
            << "123456789" << true << QByteArray("123456789\x37\x4b\r\n");
        QTest::newRow("ends in LF: sent as typed") << "AT\n" << false << QByteArray("AT\n");
        QTest::newRow("ends in LF: CRC covers and follows the LF")
            << "AT\n"
            << true << QByteArray("AT\n\x9f\x13");
        QTest::newRow("ends in CR: still gets CR LF") << "AT\r" << false << QByteArray("AT\r\r\n");
        QTest::newRow("no trimming") << "  AT  " << false << QByteArray("  AT  \r\n");
        QTest::newRow("no escapes") << "A\\r\\n" << false << QByteArray("A\\r\\n\r\n");
        QTest::newRow("UTF-8") << QStringLiteral("温度") << false
                               << QByteArray("\xe6\xb8\xa9\xe5\xba\xa6\r\n");
        QTest::newRow("empty with CRC") << "" << true << QByteArray("\xff\xff\r\n");
    }

    void asciiPayload()
    {
        QFETCH(QString, draft);
        QFETCH(bool, withCrc);
        QFETCH(QByteArray, payload);
        AppController controller;
        QCOMPARE(controller.composeAsciiPayload(draft, withCrc).toHex(' '), payload.toHex(' '));
    }

    void hexPayload_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("withCrc");
        QTest::addColumn<QByteArray>("payload");
        // Where a draft is refused: the character named and its position.
        QTest::addColumn<QString>("refusal");

        const QString none;
        QTest::newRow("spaced request")
            << "01 03 00 00 00 01" << false << QByteArray::fromHex("010300000001") << none;
        QTest::newRow("spaced request with CRC")
            << "01 03 00 00 00 01" << true << QByteArray::fromHex("01030000000184 0A") << none;
        QTest::newRow("odd length token gets a leading zero")
            << "ABC" << false << QByteArray::fromHex("0ABC") << none;
        QTest::newRow("one digit per token")
            << "1 2 3" << false << QByteArray::fromHex("010203") << none;
        QTest::newRow("0x prefix") << "0x01 0x02" << false << QByteArray::fromHex("0102") << none;
        QTest::newRow("0X prefix, odd") << "0XABC" << false << QByteArray::fromHex("0ABC") << none;
        QTest::newRow("lower case") << "ab cd ef" << false << QByteArray::fromHex("ABCDEF") << none;
        QTest::newRow("tabs CR and LF separate")
            << "01\t03\r\n00 00\n00\t01" << false << QByteArray::fromHex("010300000001") << none;
        QTest::newRow("separators")
            << "01-03:00,00;FF" << false << QByteArray::fromHex("01030000FF") << none;
        QTest::newRow("unbroken run")
            << "0103000A" << false << QByteArray::fromHex("0103000A") << none;
        QTest::newRow("letter in a token")
            << "GZ 12" << false << QByteArray() << "\"G\" at position 1";
        QTest::newRow("x inside a token")
            << "01 0x0x12" << false << QByteArray() << "\"x\" at position 7";
        QTest::newRow("0x alone") << "01 0x" << false << QByteArray() << "\"x\" at position 5";
        QTest::newRow("hash") << "01 03 #" << false << QByteArray() << "\"#\" at position 7";
        QTest::newRow("control character")
            << QString("01\x01") << false << QByteArray() << "\"U+0001\" at position 3";
        QTest::newRow("character outside the BMP")
            << QString::fromUtf8("AA \xf0\x9f\x98\x80") << false << QByteArray()
            << QString::fromUtf8("\"\xf0\x9f\x98\x80\" at position 4");
        QTest::newRow("no hex digits") << "  ,; -" << false << QByteArray() << "no hex digits";
        QTest::newRow("no hex digits with CRC") << " " << true << QByteArray() << "no hex digits";
        QTest::newRow("empty") << "" << false << QByteArray() << "no hex digits";
    }

    void hexPayload()
    {
        QFETCH(QString, draft);
        QFETCH(bool, withCrc);
        QFETCH(QByteArray, payload);
        QFETCH(QString, refusal);
        AppController controller;
        QString error = QStringLiteral("stale");
        QCOMPARE(controller.composeHexPayload(draft, withCrc, &error).toHex(' '),
                 payload.toHex(' '));
        if (refusal.isEmpty()) {
            QCOMPARE(error, QString());
        } else {
            QVERIFY2(error.contains(refusal), qPrintable(error));
            QVERIFY(error.startsWith(QStringLiteral("Not sent")));
        }
    }

    void crcEchoSuffix_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("withCrc");
        QTest::addColumn<QString>("suffix");

        QTest::newRow("check string")
            << QByteArray("123456789") << true << QStringLiteral(" [CRC 37 4B]");
        QTest::newRow("upper case, leading zero")
            << QByteArray::fromHex("010300000001") << true << QStringLiteral(" [CRC 84 0A]");
        QTest::newRow("empty") << QByteArray() << true << QStringLiteral(" [CRC FF FF]");
        QTest::newRow("off") << QByteArray("123456789") << false << QString();
    }

    void crcEchoSuffix()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, withCrc);
        QFETCH(QString, suffix);
        AppController controller;
        QCOMPARE(controller.crcEchoSuffix(bytes, withCrc), suffix);
    }

    // Trimming only decides whether anything happens: a blank draft does
    // nothing at all, not even complain about the closed port.
    void blankDraftDoesNothing_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("hex");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("white space mix") << " \t\r\n " << false;
        QTest::newRow("blanks in hex mode") << "  " << true;
    }

    void blankDraftDoesNothing()
    {
        QFETCH(QString, draft);
        QFETCH(bool, hex);
        AppController controller;
        controller.setSendAsHex(hex);
        controller.setDraftText(draft);
        QSignalSpy historyReset(controller.commandHistoryModel(), &QAbstractItemModel::modelReset);
        controller.sendManualText();
        QVERIFY(controller.logStore().entries().isEmpty());
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 0);
        QCOMPARE(historyReset.count(), 0);
        QCOMPARE(controller.draftText(), draft);
    }

    void closedPortIsReported_data()
    {
        QTest::addColumn<bool>("hex");
        QTest::newRow("text") << false;
        QTest::newRow("hex") << true;
    }

    void closedPortIsReported()
    {
        QFETCH(bool, hex);
        AppController controller;
        controller.setSendAsHex(hex);
        controller.setDraftText(QStringLiteral("01 03"));
        controller.sendManualText();
        controller.sendManualText();

        const QList<LogEntry>& entries = controller.logStore().entries();
        QCOMPARE(entries.size(), 2);
        for (const LogEntry& entry : entries) {
            QCOMPARE(entry.kind, LogKind::ERR);
            QCOMPARE(QString::fromUtf8(entry.data),
                     QStringLiteral("Port is not open \u2014 click \"Open port\" first."));
        }
        QCOMPARE(controller.logStore().txBytes(), 0);
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("send/history")));
        QCOMPARE(controller.draftText(), QStringLiteral("01 03"));
    }

    // Without an open port, turning repeat on must not start sending: the
    // ticks would only pile up error entries.
    void repeatNeedsAnOpenPort()
    {
        AppController controller;
        controller.setDraftText(QStringLiteral("AT"));
        controller.setRepeatIntervalMs(10);
        QSignalSpy appended(&controller.logStore(), &LogManager::entriesAppended);
        controller.setRepeatSendEnabled(true);
        QVERIFY(!appended.wait(300));
        QVERIFY(controller.logStore().entries().isEmpty());
    }
};

QTEST_MAIN(TestPayload)
#include "tst_payload.moc"
