// Turning a draft into the bytes that go to the port and the text its TX line
// shows: text with CR LF, hex digits in the ways users write them, the
// CRC-16/MODBUS and its echo.
#include "serial/payloadcomposer.h"

#include <QtTest>

Q_DECLARE_METATYPE(PayloadComposer::TextLineEnd)

class TestPayloadComposer : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(PayloadComposer::text(draft, withCrc).toHex(' '), payload.toHex(' '));
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
        QString error = QStringLiteral("stale");
        QCOMPARE(PayloadComposer::hex(draft, withCrc, &error).toHex(' '), payload.toHex(' '));
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
        QCOMPARE(PayloadComposer::crcEchoSuffix(bytes, withCrc), suffix);
    }

    // The send box and a batch step go out through compose(): the echo is what
    // the user typed (or the bytes, for hex), and the CR LF that text gets is
    // the TX line's end, not part of its text.
    void compose_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("asHex");
        QTest::addColumn<bool>("withCrc");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("echo");
        QTest::addColumn<bool>("crLfAdded");
        QTest::addColumn<bool>("refused");

        QTest::newRow("text") << "AT" << false << false << QByteArray("AT\r\n") << QByteArray("AT")
                              << true << false;
        QTest::newRow("text with CRC") << "AT" << false << true << QByteArray("AT\x30\x1f\r\n")
                                       << QByteArray("AT [CRC 30 1F]") << true << false;
        QTest::newRow("text ending in LF keeps its own line end")
            << "AT\n"
            << false << false << QByteArray("AT\n") << QByteArray("AT\n") << false << false;
        QTest::newRow("UTF-8 echo") << QStringLiteral("温度") << false << false
                                    << QByteArray("\xe6\xb8\xa9\xe5\xba\xa6\r\n")
                                    << QByteArray("\xe6\xb8\xa9\xe5\xba\xa6") << true << false;
        QTest::newRow("hex echoes spaced upper-case bytes")
            << "0x0a,ff" << true << false << QByteArray::fromHex("0AFF") << QByteArray("0A FF")
            << false << false;
        QTest::newRow("hex echo shows the CRC bytes")
            << "01 03 00 00 00 01" << true << true << QByteArray::fromHex("010300000001840A")
            << QByteArray("01 03 00 00 00 01 84 0A") << false << false;
        QTest::newRow("hex refused: nothing to send or echo")
            << "01 zz" << true << true << QByteArray() << QByteArray() << false << true;
        QTest::newRow("text looking like hex stays text")
            << "01 03" << false << false << QByteArray("01 03\r\n") << QByteArray("01 03") << true
            << false;
    }

    void compose()
    {
        QFETCH(QString, draft);
        QFETCH(bool, asHex);
        QFETCH(bool, withCrc);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, echo);
        QFETCH(bool, crLfAdded);
        QFETCH(bool, refused);
        const PayloadComposer::Composed composed = PayloadComposer::compose(draft, asHex, withCrc);
        QCOMPARE(composed.bytes.toHex(' '), bytes.toHex(' '));
        QCOMPARE(composed.echo, echo);
        QCOMPARE(composed.lineEndAdded == PayloadComposer::TextLineEnd::CrLf, crLfAdded);
        QCOMPARE(!composed.error.isEmpty(), refused);
    }

    // Every choice of line end, with and without the CRC: the CRC stays right after the
    // text and the chosen end follows it; a draft with a line feed of its own and a hex
    // draft get nothing added.
    void lineEnds_data()
    {
        using End = PayloadComposer::TextLineEnd;
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("asHex");
        QTest::addColumn<bool>("withCrc");
        QTest::addColumn<End>("end");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<End>("added");

        const QByteArray crc("\x30\x1f"); // of "AT"
        QTest::newRow("CR LF") << "AT" << false << false << End::CrLf << QByteArray("AT\r\n")
                               << End::CrLf;
        QTest::newRow("LF") << "AT" << false << false << End::Lf << QByteArray("AT\n") << End::Lf;
        QTest::newRow("CR") << "AT" << false << false << End::Cr << QByteArray("AT\r") << End::Cr;
        QTest::newRow("none") << "AT" << false << false << End::None << QByteArray("AT")
                              << End::None;
        QTest::newRow("CR LF after the CRC")
            << "AT" << false << true << End::CrLf << QByteArray("AT" + crc + "\r\n") << End::CrLf;
        QTest::newRow("LF after the CRC")
            << "AT" << false << true << End::Lf << QByteArray("AT" + crc + "\n") << End::Lf;
        QTest::newRow("CR after the CRC")
            << "AT" << false << true << End::Cr << QByteArray("AT" + crc + "\r") << End::Cr;
        QTest::newRow("none: the CRC ends the payload")
            << "AT" << false << true << End::None << QByteArray("AT" + crc) << End::None;
        QTest::newRow("own LF, CR chosen")
            << "AT\n"
            << false << false << End::Cr << QByteArray("AT\n") << End::None;
        QTest::newRow("own LF with CRC, LF chosen")
            << "AT\n"
            << false << true << End::Lf << QByteArray("AT\n\x9f\x13") << End::None;
        QTest::newRow("own CR, CR chosen: a second CR")
            << "AT\r" << false << false << End::Cr << QByteArray("AT\r\r") << End::Cr;
        QTest::newRow("empty text, LF")
            << "" << false << false << End::Lf << QByteArray("\n") << End::Lf;
        QTest::newRow("hex ignores LF")
            << "41 54" << true << false << End::Lf << QByteArray("AT") << End::None;
        QTest::newRow("hex with CRC ignores CR")
            << "41 54" << true << true << End::Cr << QByteArray("AT" + crc) << End::None;
    }

    void lineEnds()
    {
        using End = PayloadComposer::TextLineEnd;
        QFETCH(QString, draft);
        QFETCH(bool, asHex);
        QFETCH(bool, withCrc);
        QFETCH(End, end);
        QFETCH(QByteArray, bytes);
        QFETCH(End, added);
        const PayloadComposer::Composed composed =
            PayloadComposer::compose(draft, asHex, withCrc, end);
        QCOMPARE(composed.bytes.toHex(' '), bytes.toHex(' '));
        QCOMPARE(int(composed.lineEndAdded), int(added));
        if (!asHex) {
            QCOMPARE(PayloadComposer::text(draft, withCrc, end).toHex(' '), bytes.toHex(' '));
        }
    }

    // A stored code from another version, or edited by hand, never leaves the sends
    // without the line end they always had.
    void lineEndCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0 CR LF") << 0 << QByteArray("\r\n");
        QTest::newRow("1 LF") << 1 << QByteArray("\n");
        QTest::newRow("2 CR") << 2 << QByteArray("\r");
        QTest::newRow("3 none") << 3 << QByteArray();
        QTest::newRow("unknown") << 7 << QByteArray("\r\n");
        QTest::newRow("negative") << -1 << QByteArray("\r\n");
    }

    void lineEndCodes()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, bytes);
        QCOMPARE(PayloadComposer::lineEndBytes(PayloadComposer::lineEndFromCode(code)), bytes);
    }
};

QTEST_GUILESS_MAIN(TestPayloadComposer)
#include "tst_payloadcomposer.moc"
