// How a port is told apart from the others: the USB socket read from sysfs,
// the rows that remembered device paths add to the port list, and whether a
// port that appears is the device that went away.
#include "serial/portidentity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(SerialPortEntry)

namespace {

SerialPortEntry usb(const QString& name, int vendor, int product, const QString& serial,
                    const QString& socket)
{
    SerialPortEntry entry;
    entry.portName = name;
    entry.vendorId = vendor;
    entry.productId = product;
    entry.serialNumber = serial;
    entry.usbLocation = socket;
    entry.systemLocation = QStringLiteral("/dev/") + name;
    return entry;
}

SerialPortEntry plain(const QString& name)
{
    SerialPortEntry entry;
    entry.portName = name;
    return entry;
}

} // namespace

class TestPortIdentity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // A character device every Unix has, behind links as a by-id name or
        // a simulator link would be.
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path("null-link")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero-link")));
        QVERIFY(QFile::link(path("missing"), path("dangling-link")));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
        QFile file(path("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void usbLocationFromSysfsPath_data()
    {
        QTest::addColumn<QString>("sysfs");
        QTest::addColumn<QString>("socket");
        QTest::newRow("usb-serial bridge")
            << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB0"
            << "1-2";
        QTest::newRow("behind a hub")
            << "/sys/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1.4/3-1.4.2/3-1.4.2:1.0/ttyUSB1"
            << "3-1.4.2";
        QTest::newRow("cdc-acm interface")
            << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0"
            << "1-3";
        QTest::newRow("second interface of a dual bridge")
            << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/ttyUSB3"
            << "1-2";
        QTest::newRow("on-board serial port") << "/sys/devices/platform/serial8250/tty/ttyS0"
                                              << "";
        QTest::newRow("pci serial card") << "/sys/devices/pci0000:00/0000:00:16.3"
                                         << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void usbLocationFromSysfsPath()
    {
        QFETCH(QString, sysfs);
        QFETCH(QString, socket);
        QCOMPARE(PortIdentity::usbLocationFromSysfsPath(sysfs), socket);
    }

    void normalisedPath_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks around") << "  /tmp/hx4 \t"
                                       << "/tmp/hx4";
        QTest::newRow("doubled and trailing slashes") << "/dev//ttyUSB0/"
                                                      << "/dev/ttyUSB0";
        QTest::newRow("by-id link kept") << "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"
                                         << "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0";
        QTest::newRow("home") << "~/dev/hx4" << QDir::homePath() + QStringLiteral("/dev/hx4");
        QTest::newRow("relative to the working folder")
            << "./hx4" << QDir::current().absoluteFilePath(QStringLiteral("hx4"));
        QTest::newRow("parent folder")
            << "../hx4"
            << QDir::cleanPath(QDir::current().absoluteFilePath(QStringLiteral("../hx4")));
        QTest::newRow("bare port name") << "ttyUSB0"
                                        << "ttyUSB0";
        QTest::newRow("nothing") << "   "
                                 << "";
    }

    void normalisedPath()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(PortIdentity::normalisedPath(typed), expected);
    }

    void systemLocation_data()
    {
        QTest::addColumn<QString>("portName");
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("isPath");
        QTest::newRow("listed name") << "ttyUSB0"
                                     << "/dev/ttyUSB0" << false;
        QTest::newRow("absolute path") << "/tmp/hx4"
                                       << "/tmp/hx4" << true;
        QTest::newRow("relative path") << "./hx4"
                                       << "./hx4" << true;
        QTest::newRow("name in a /dev folder") << "pts/3"
                                               << "/dev/pts/3" << true;
    }

    void systemLocation()
    {
        QFETCH(QString, portName);
        QFETCH(QString, location);
        QFETCH(bool, isPath);
        QCOMPARE(PortIdentity::systemLocation(portName), location);
        QCOMPARE(PortIdentity::isDevicePath(portName), isPath);
    }

    void pathEntries_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QList<SerialPortEntry>>("enumerated");
        QTest::addColumn<QStringList>("listed");

        const QString nullLink = path("null-link");
        const QString zeroLink = path("zero-link");
        QTest::newRow("links to devices, in the given order")
            << QStringList{zeroLink, nullLink} << QList<SerialPortEntry>()
            << QStringList{zeroLink, nullLink};
        QTest::newRow("gone, dangling, folder, regular file")
            << QStringList{path("missing"), path("dangling-link"), path("folder"), path("file")}
            << QList<SerialPortEntry>() << QStringList();
        QTest::newRow("the same device twice") << QStringList{nullLink, QStringLiteral("/dev/null")}
                                               << QList<SerialPortEntry>() << QStringList{nullLink};
        SerialPortEntry listedNull = usb(QStringLiteral("null"), 0x1a86, 0x7523, {}, {});
        QTest::newRow("already enumerated under its node")
            << QStringList{nullLink, zeroLink} << QList<SerialPortEntry>{listedNull}
            << QStringList{zeroLink};
        QTest::newRow("already enumerated under the path")
            << QStringList{zeroLink} << QList<SerialPortEntry>{plain(zeroLink)} << QStringList();
    }

    void pathEntries()
    {
        QFETCH(QStringList, paths);
        QFETCH(QList<SerialPortEntry>, enumerated);
        QFETCH(QStringList, listed);

        const QList<SerialPortEntry> rows = PortIdentity::pathEntries(paths, enumerated);
        QStringList names;
        for (const SerialPortEntry& row : rows) {
            names << row.portName;
            QVERIFY(row.byPath);
            QVERIFY(!row.recommended);
            QCOMPARE(row.vendorId, -1);
            QCOMPARE(row.systemLocation, QFileInfo(row.portName).canonicalFilePath());
        }
        QCOMPARE(names, listed);
    }

    void sameDevice_data()
    {
        QTest::addColumn<SerialPortEntry>("recorded");
        QTest::addColumn<SerialPortEntry>("candidate");
        QTest::addColumn<bool>("same");

        const SerialPortEntry ftdi =
            usb(QStringLiteral("ttyUSB0"), 0x0403, 0x6001, QStringLiteral("A9X1"), "1-2");
        QTest::newRow("serial number, new name and socket")
            << ftdi << usb(QStringLiteral("ttyUSB1"), 0x0403, 0x6001, QStringLiteral("A9X1"), "1-4")
            << true;
        QTest::newRow("another serial number, same name")
            << ftdi << usb(QStringLiteral("ttyUSB0"), 0x0403, 0x6001, QStringLiteral("B7Q2"), "1-2")
            << false;
        QTest::newRow("same serial number, another vendor")
            << ftdi << usb(QStringLiteral("ttyUSB0"), 0x10c4, 0x6001, QStringLiteral("A9X1"), "1-2")
            << false;
        QTest::newRow("serial number lost")
            << ftdi << usb(QStringLiteral("ttyUSB0"), 0x0403, 0x6001, {}, "1-2") << false;

        const SerialPortEntry ch340 = usb(QStringLiteral("ttyUSB0"), 0x1a86, 0x7523, {}, "1-2.3");
        QTest::newRow("no serial: same socket, new name")
            << ch340 << usb(QStringLiteral("ttyUSB2"), 0x1a86, 0x7523, {}, "1-2.3") << true;
        QTest::newRow("no serial: same model in another socket")
            << ch340 << usb(QStringLiteral("ttyUSB0"), 0x1a86, 0x7523, {}, "1-2.4") << false;
        QTest::newRow("no serial: another product in the socket")
            << ch340 << usb(QStringLiteral("ttyUSB0"), 0x1a86, 0x55d4, {}, "1-2.3") << false;

        const SerialPortEntry noSocket = usb(QStringLiteral("ttyACM0"), 0x2e8a, 0x000a, {}, {});
        QTest::newRow("socket unknown: same name")
            << noSocket << usb(QStringLiteral("ttyACM0"), 0x2e8a, 0x000a, {}, {}) << true;
        QTest::newRow("socket unknown: same name, another product")
            << noSocket << usb(QStringLiteral("ttyACM0"), 0x2e8a, 0x0005, {}, {}) << false;

        QTest::newRow("path: the same path")
            << plain(QStringLiteral("/tmp/hx4")) << plain(QStringLiteral("/tmp/hx4")) << true;
        QTest::newRow("path: another path")
            << plain(QStringLiteral("/tmp/hx4")) << plain(QStringLiteral("/tmp/hx5")) << false;
        QTest::newRow("path: a device with an identity at that name")
            << plain(QStringLiteral("ttyS0"))
            << usb(QStringLiteral("ttyS0"), 0x0403, 0x6001, QStringLiteral("A9X1"), "1-2") << true;
    }

    void sameDevice()
    {
        QFETCH(SerialPortEntry, recorded);
        QFETCH(SerialPortEntry, candidate);
        QFETCH(bool, same);
        QCOMPARE(PortIdentity::sameDevice(recorded, candidate), same);
    }

    void identityFor_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("identityName");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<bool>("byPath");

        QTest::newRow("listed name") << "ttyUSB0"
                                     << "ttyUSB0"
                                     << "A9X1" << false;
        QTest::newRow("link to a listed node") << path("null-link") << "null"
                                               << "N1" << false;
        QTest::newRow("path of no listed port")
            << path("zero-link") << path("zero-link") << "" << true;
        QTest::newRow("name the list does not have") << "ttyUSB9"
                                                     << "ttyUSB9"
                                                     << "" << false;
    }

    void identityFor()
    {
        QFETCH(QString, opened);
        QFETCH(QString, identityName);
        QFETCH(QString, serial);
        QFETCH(bool, byPath);

        const QList<SerialPortEntry> listed{
            usb(QStringLiteral("ttyUSB0"), 0x0403, 0x6001, QStringLiteral("A9X1"), "1-2"),
            usb(QStringLiteral("null"), 0x0403, 0x6001, QStringLiteral("N1"), "1-3")};
        const SerialPortEntry identity = PortIdentity::identityFor(opened, listed);
        QCOMPARE(identity.portName, identityName);
        QCOMPARE(identity.serialNumber, serial);
        QCOMPARE(identity.byPath, byPath);
    }

    void reopenName_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<SerialPortEntry>("candidate");
        QTest::addColumn<QString>("reopened");

        // The device came back as "null": a link that leads to it is kept.
        const SerialPortEntry back =
            usb(QStringLiteral("null"), 0x0403, 0x6001, QStringLiteral("N1"), "1-3");
        QTest::newRow("link still leads to the device") << path("null-link") << back << "null-link";
        QTest::newRow("link leads elsewhere") << path("zero-link") << back << "null";
        QTest::newRow("opened under its listed name") << "ttyUSB0" << back << "null";
        QTest::newRow("path row") << path("zero-link") << plain(path("zero-link")) << "zero-link";
    }

    void reopenName()
    {
        QFETCH(QString, opened);
        QFETCH(SerialPortEntry, candidate);
        QFETCH(QString, reopened);
        const QString name = PortIdentity::reopenName(opened, candidate);
        QCOMPARE(QFileInfo(name).fileName(), reopened);
    }

private:
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestPortIdentity)
#include "tst_portidentity.moc"
