// CRC-16/MODBUS against published check values and the frames the device
// family uses, and its agreement with a plain bit-by-bit reference.
#include "util/crc16.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The textbook shift-register form, independent of the table the product uses.
quint16 bitwiseModbus(const QByteArray& data)
{
    quint16 crc = 0xFFFF;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? quint16((crc >> 1) ^ 0xA001u) : quint16(crc >> 1);
        }
    }
    return crc;
}

} // namespace

class TestCrc16 : public QObject
{
    Q_OBJECT

private slots:
    void checkValues_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("crc");
        QTest::addColumn<QByteArray>("frameBytes");

        QTest::newRow("empty") << QByteArray() << 0xFFFF << QByteArray::fromHex("FFFF");
        QTest::newRow("check string")
            << QByteArray("123456789") << 0x4B37 << QByteArray::fromHex("374B");
        QTest::newRow("read holding register 0")
            << QByteArray::fromHex("010300000001") << 0x0A84 << QByteArray::fromHex("840A");
        QTest::newRow("register reply")
            << QByteArray::fromHex("0103020001") << 0x8479 << QByteArray::fromHex("7984");
        QTest::newRow("single zero byte")
            << QByteArray(1, '\0') << 0x40BF << QByteArray::fromHex("BF40");
        QTest::newRow("single 0xFF byte")
            << QByteArray(1, '\xff') << 0x00FF << QByteArray::fromHex("FF00");
    }

    void checkValues()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, crc);
        QFETCH(QByteArray, frameBytes);

        QCOMPARE(int(Crc16::modbus(data)), crc);
        const QByteArray bytes = Crc16::modbusBytes(data);
        QCOMPARE(bytes.size(), 2);
        QCOMPARE(bytes, frameBytes);
    }

    // A frame followed by its own CRC (low byte first) checks to zero: the
    // property a receiver relies on.
    void frameWithCrcChecksToZero_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("request") << QByteArray::fromHex("010300000001");
        QTest::newRow("text") << QByteArray("123456789");
        QTest::newRow("all byte values") << [] {
            QByteArray all;
            for (int b = 0; b < 256; ++b) {
                all.append(char(b));
            }
            return all;
        }();
    }

    void frameWithCrcChecksToZero()
    {
        QFETCH(QByteArray, frame);
        QCOMPARE(int(Crc16::modbus(frame + Crc16::modbusBytes(frame))), 0);
    }

    void agreesWithBitwiseReference()
    {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 200; ++round) {
            QByteArray data(int(random.bounded(0, 300)), Qt::Uninitialized);
            for (char& c : data) {
                c = char(random.bounded(256));
            }
            const quint16 expected = bitwiseModbus(data);
            QCOMPARE(Crc16::modbus(data), expected);
            const QByteArray bytes = Crc16::modbusBytes(data);
            QCOMPARE(quint8(bytes.at(0)), quint8(expected & 0xFF));
            QCOMPARE(quint8(bytes.at(1)), quint8(expected >> 8));
        }
    }
};

QTEST_GUILESS_MAIN(TestCrc16)
#include "tst_crc16.moc"
