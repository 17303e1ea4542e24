// PortListModel over a controlled enumeration: when it resets, what its roles
// show and how rows are looked up.
#include "serial/portlistmodel.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <optional>
#include <sys/time.h>

Q_DECLARE_METATYPE(SerialPortEntry)

namespace {

SerialPortEntry entry(const QString& name, const QString& description, const QString& chip = {})
{
    return {name, description, chip, !chip.isEmpty()};
}

QList<SerialPortEntry> twoPorts()
{
    return {entry(QStringLiteral("ttyUSB0"), QStringLiteral("USB Serial"), QStringLiteral("CH340")),
            entry(QStringLiteral("ttyS0"), QString())};
}

} // namespace

class TestPortListModel : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void constructorEnumerates();
    void unchangedListEmitsNothing();
    void changedListResets_data();
    void changedListResets();
    void roles_data();
    void roles();
    void roleNames();
    void dataOutsideTheModel();
    void portNameAt();
    void indexOfPortName();
    void survivesModelTester();
    void pathRowsFollowTheSystemPorts_data();
    void pathRowsFollowTheSystemPorts();
    void backgroundRefreshFollowsThePorts_data();
    void backgroundRefreshFollowsThePorts();
    void deviceFolderDecidesWhenToEnumerate_data();
    void deviceFolderDecidesWhenToEnumerate();
    void olderBackgroundResultIsDropped();
    void systemPortsInTheBackground();

private:
    QList<SerialPortEntry> m_ports;
    void useList(const QList<SerialPortEntry>& ports) { m_ports = ports; }
    /// Lists what useList() gave last.
    PortListModel::Enumerator listed()
    {
        return [this] {
            return m_ports;
        };
    }
};

void TestPortListModel::init()
{
    m_ports.clear();
}

void TestPortListModel::constructorEnumerates()
{
    useList(twoPorts());
    const PortListModel model(listed(), QString());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.rowCount(model.index(0)), 0);
    QCOMPARE(model.portNameAt(1), QStringLiteral("ttyS0"));
}

void TestPortListModel::unchangedListEmitsNothing()
{
    useList(twoPorts());
    PortListModel model(listed(), QString());
    QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QVERIFY(!model.refresh());
    QVERIFY(!model.refresh());
    QCOMPARE(aboutToReset.count() + reset.count() + inserted.count() + removed.count() +
                 changed.count(),
             0);
    QCOMPARE(model.rowCount(), 2);
}

void TestPortListModel::changedListResets_data()
{
    QTest::addColumn<QList<SerialPortEntry>>("next");

    QList<SerialPortEntry> ports = twoPorts();
    ports[0].description = QStringLiteral("USB2.0-Serial");
    QTest::newRow("description") << ports;

    ports = twoPorts();
    ports[1].chipLabel = QStringLiteral("CP210x");
    ports[1].recommended = true;
    QTest::newRow("chip") << ports;

    ports = twoPorts();
    ports[0].recommended = false;
    QTest::newRow("recommendation only") << ports;

    ports = twoPorts();
    std::swap(ports[0], ports[1]);
    QTest::newRow("order") << ports;

    // What tells a device apart when it comes back counts as well.
    ports = twoPorts();
    ports[0].serialNumber = QStringLiteral("A9X1");
    QTest::newRow("serial number") << ports;

    ports = twoPorts();
    ports[0].usbLocation = QStringLiteral("1-2.3");
    QTest::newRow("USB socket") << ports;

    ports = twoPorts();
    ports.append(entry(QStringLiteral("ttyACM0"), QStringLiteral("CDC")));
    QTest::newRow("port added") << ports;

    QTest::newRow("all ports gone") << QList<SerialPortEntry>();
}

void TestPortListModel::changedListResets()
{
    QFETCH(QList<SerialPortEntry>, next);

    useList(twoPorts());
    PortListModel model(listed(), QString());
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    useList(next);
    QVERIFY(model.refresh());
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), next.size());
    for (int row = 0; row < next.size(); ++row) {
        const QModelIndex index = model.index(row);
        QCOMPARE(index.data(PortListModel::PortNameRole).toString(), next[row].portName);
        QCOMPARE(index.data(PortListModel::DescriptionRole).toString(), next[row].description);
        QCOMPARE(index.data(PortListModel::ChipLabelRole).toString(), next[row].chipLabel);
        QCOMPARE(index.data(PortListModel::RecommendedRole).toBool(), next[row].recommended);
    }

    QVERIFY(!model.refresh());
    QCOMPARE(reset.count(), 1);
}

void TestPortListModel::roles_data()
{
    QTest::addColumn<SerialPortEntry>("port");
    QTest::addColumn<QString>("displayLabel");

    QTest::newRow("CH340 with description")
        << entry(QStringLiteral("ttyUSB0"), QStringLiteral("USB Serial"), QStringLiteral("CH340"))
        << "ttyUSB0 (USB Serial)";
    QTest::newRow("CP210x with description")
        << entry(QStringLiteral("COM7"), QStringLiteral("Silicon Labs"), QStringLiteral("CP210x"))
        << "COM7 (Silicon Labs)";
    QTest::newRow("no description") << entry(QStringLiteral("ttyS0"), QString()) << "ttyS0";
    QTest::newRow("percent signs kept")
        << entry(QStringLiteral("ttyACM%1"), QStringLiteral("100% %2")) << "ttyACM%1 (100% %2)";
}

void TestPortListModel::roles()
{
    QFETCH(SerialPortEntry, port);
    QFETCH(QString, displayLabel);

    useList({port});
    const PortListModel model(listed(), QString());
    const QModelIndex index = model.index(0);
    QCOMPARE(index.data(257), QVariant(port.portName));
    QCOMPARE(index.data(258), QVariant(port.description));
    QCOMPARE(index.data(259), QVariant(port.recommended));
    QCOMPARE(index.data(260), QVariant(displayLabel));
    QCOMPARE(index.data(261), QVariant(port.chipLabel));
}

void TestPortListModel::roleNames()
{
    const PortListModel model(listed(), QString());
    const QHash<int, QByteArray> expected = {{257, "portName"},    {258, "description"},
                                             {259, "recommended"}, {260, "displayLabel"},
                                             {261, "chipLabel"},   {262, "byPath"}};
    QCOMPARE(model.roleNames(), expected);
}

void TestPortListModel::dataOutsideTheModel()
{
    useList(twoPorts());
    const PortListModel model(listed(), QString());
    QVERIFY(!model.data(QModelIndex(), PortListModel::PortNameRole).isValid());
    QVERIFY(!model.index(0).data(Qt::DisplayRole).isValid());
    QVERIFY(!model.index(0).data(256).isValid());
    QVERIFY(!model.index(0).data(263).isValid());
    QVERIFY(!model.index(2).isValid());
}

void TestPortListModel::portNameAt()
{
    useList(twoPorts());
    const PortListModel model(listed(), QString());
    QCOMPARE(model.portNameAt(0), QStringLiteral("ttyUSB0"));
    QCOMPARE(model.portNameAt(1), QStringLiteral("ttyS0"));
    QCOMPARE(model.portNameAt(-1), QString());
    QCOMPARE(model.portNameAt(model.rowCount()), QString());

    useList({});
    const PortListModel empty(listed(), QString());
    QCOMPARE(empty.portNameAt(0), QString());
}

void TestPortListModel::indexOfPortName()
{
    useList({entry(QStringLiteral("ttyUSB0"), QStringLiteral("first")),
             entry(QStringLiteral("ttyS0"), QString()),
             entry(QStringLiteral("ttyUSB0"), QStringLiteral("duplicate name"))});
    PortListModel model(listed(), QString());
    QCOMPARE(model.indexOfPortName(QStringLiteral("ttyS0")), 1);
    QCOMPARE(model.indexOfPortName(QStringLiteral("ttyUSB0")), 0);
    QCOMPARE(model.indexOfPortName(QStringLiteral("ttyusb0")), -1);
    QCOMPARE(model.indexOfPortName(QStringLiteral("ttyUSB")), -1);
    QCOMPARE(model.indexOfPortName(QString()), -1);

    useList({entry(QStringLiteral("ttyS0"), QString()), entry(QString(), QStringLiteral("odd"))});
    QVERIFY(model.refresh());
    QCOMPARE(model.indexOfPortName(QString()), 1);
}

void TestPortListModel::survivesModelTester()
{
    useList(twoPorts());
    PortListModel model(listed(), QString());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    const QList<QList<SerialPortEntry>> sequence = {
        {},
        twoPorts(),
        {entry(QStringLiteral("ttyACM0"), QStringLiteral("CDC"), QStringLiteral("CP210x"))},
        {entry(QStringLiteral("ttyACM0"), QStringLiteral("CDC"), QStringLiteral("CP210x"))},
        twoPorts() + twoPorts(),
    };
    for (const QList<SerialPortEntry>& ports : sequence) {
        useList(ports);
        model.refresh();
        QCOMPARE(model.rowCount(), ports.size());
    }
}

void TestPortListModel::pathRowsFollowTheSystemPorts_data()
{
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("one path") << QStringList{"null"} << QStringList{"ttyUSB0", "ttyS0", "null"};
    QTest::newRow("in the order given")
        << QStringList{"zero", "null"} << QStringList{"ttyUSB0", "ttyS0", "zero", "null"};
    QTest::newRow("gone") << QStringList{"gone"} << QStringList{"ttyUSB0", "ttyS0"};
}

// Device paths the user opened come after the system's ports, marked as
// paths, and only while they lead to a device.
void TestPortListModel::pathRowsFollowTheSystemPorts()
{
    QFETCH(QStringList, links);
    QFETCH(QStringList, rows);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("null"))));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero"))));
    QStringList paths;
    for (const QString& link : std::as_const(links))
        paths << dir.filePath(link);

    useList(twoPorts());
    PortListModel model(listed(), QString());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setPaths(paths);
    QCOMPARE(model.rowCount(), 2); // not before the next refresh
    QCOMPARE(model.refresh(), rows.size() > 2);
    QCOMPARE(reset.count(), rows.size() > 2 ? 1 : 0);

    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        const bool isPath = row >= 2;
        shown << QFileInfo(index.data(PortListModel::PortNameRole).toString()).fileName();
        QCOMPARE(index.data(PortListModel::ByPathRole).toBool(), isPath);
        if (isPath) {
            QCOMPARE(index.data(PortListModel::DisplayLabelRole),
                     index.data(PortListModel::PortNameRole));
            QCOMPARE(index.data(PortListModel::DescriptionRole).toString(), QString());
            QCOMPARE(index.data(PortListModel::RecommendedRole).toBool(), false);
        }
    }
    QCOMPARE(shown, rows);
    QVERIFY(!model.refresh());

    // The device goes: its row goes at the next refresh.
    for (const QString& path : std::as_const(paths))
        QFile::remove(path);
    QCOMPARE(model.refresh(), rows.size() > 2);
    QCOMPARE(model.rowCount(), 2);
}

namespace {

QStringList names(const PortListModel& model)
{
    QStringList list;
    for (int row = 0; row < model.rowCount(); ++row) {
        list << model.portNameAt(row);
    }
    return list;
}

QList<SerialPortEntry> portsNamed(const QStringList& names)
{
    QList<SerialPortEntry> ports;
    for (const QString& name : names) {
        ports << entry(name, QString());
    }
    return ports;
}

// Waits for the refreshed() signal of a background refresh; its argument.
std::optional<bool> refreshedInBackground(PortListModel& model)
{
    QSignalSpy refreshed(&model, &PortListModel::refreshed);
    model.refreshInBackground();
    if (refreshed.isEmpty() && !refreshed.wait(5000)) {
        return std::nullopt;
    }
    if (refreshed.count() != 1) {
        return std::nullopt;
    }
    return refreshed.first().first().toBool();
}

} // namespace

void TestPortListModel::backgroundRefreshFollowsThePorts_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    const auto row = [](const char* tag, const QStringList& before, const QStringList& after) {
        QTest::newRow(tag) << before << after;
    };
    row("a port comes", {"ttyS0"}, {"ttyS0", "ttyUSB0"});
    row("a port goes", {"ttyS0", "ttyUSB0"}, {"ttyS0"});
    row("the last port goes", {"ttyUSB0"}, {});
    row("the first port comes", {}, {"ttyACM0"});
    row("one port for another", {"ttyUSB0"}, {"ttyUSB1"});
    row("nothing changes", {"ttyS0", "ttyUSB0"}, {"ttyS0", "ttyUSB0"});
}

// The poll's refresh: the enumeration's result comes back to this thread and
// resets the model as refresh() does.
void TestPortListModel::backgroundRefreshFollowsThePorts()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    useList(portsNamed(before));
    PortListModel model(listed(), QString());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QCOMPARE(names(model), before);

    useList(portsNamed(after));
    const std::optional<bool> changed = refreshedInBackground(model);
    QVERIFY(changed.has_value());
    QCOMPARE(*changed, before != after);
    QCOMPARE(names(model), after);
    QCOMPARE(reset.count(), before != after ? 1 : 0);

    // Settled: the next one finds nothing new.
    const std::optional<bool> again = refreshedInBackground(model);
    QVERIFY(again.has_value());
    QVERIFY(!*again);
    QCOMPARE(reset.count(), before != after ? 1 : 0);
}

void TestPortListModel::deviceFolderDecidesWhenToEnumerate_data()
{
    QTest::addColumn<QString>("change"); // what happens in the device folder
    QTest::addColumn<bool>("enumerates");

    QTest::newRow("nothing") << QStringLiteral("none") << false;
    QTest::newRow("a node comes") << QStringLiteral("add") << true;
    QTest::newRow("a node goes") << QStringLiteral("remove") << true;
    QTest::newRow("a node is renamed") << QStringLiteral("rename") << true;
    QTest::newRow("a node's content changes") << QStringLiteral("write") << false;
}

// Enumerating is skipped while the device folder stays as it was; a device
// path is still looked at every time.
void TestPortListModel::deviceFolderDecidesWhenToEnumerate()
{
    QFETCH(QString, change);
    QFETCH(bool, enumerates);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString node = folder.filePath(QStringLiteral("ttyUSB0"));
    QVERIFY(korveltest::writeFile(node, "x"));
    QTemporaryDir links;
    QVERIFY(links.isValid());
    const QString path = links.filePath(QStringLiteral("device"));

    // A folder that changed within the last moments is not trusted to show
    // the next change (its clock may be coarse): this one changed long ago.
    const timeval longAgo[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
    QCOMPARE(::utimes(QFile::encodeName(folder.path()).constData(), longAgo), 0);

    useList(portsNamed({QStringLiteral("ttyS0")}));
    PortListModel model(listed(), folder.path());
    model.setPaths({path});
    QVERIFY(!model.refresh()); // takes the folder's state

    useList(portsNamed({QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")}));
    // A device path that appears meanwhile shows either way.
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    if (change == QLatin1String("add")) {
        QVERIFY(korveltest::writeFile(folder.filePath(QStringLiteral("ttyUSB1")), "y"));
    } else if (change == QLatin1String("remove")) {
        QVERIFY(QFile::remove(node));
    } else if (change == QLatin1String("rename")) {
        QVERIFY(QFile::rename(node, folder.filePath(QStringLiteral("ttyACM0"))));
    } else if (change == QLatin1String("write")) {
        QVERIFY(korveltest::writeFile(node, "changed"));
    }

    const std::optional<bool> changed = refreshedInBackground(model);
    QVERIFY(changed.has_value());
    QVERIFY(*changed); // the path row at least
    QStringList expected{QStringLiteral("ttyS0")};
    if (enumerates) {
        expected << QStringLiteral("ttyUSB0");
    }
    expected << path;
    QCOMPARE(names(model), expected);

    // A refresh asked for by the user always enumerates.
    model.refresh();
    QCOMPARE(names(model), (QStringList{"ttyS0", "ttyUSB0", path}));
}

// A refresh that completes while a background one is on its way wins: the
// older result does not overwrite it.
void TestPortListModel::olderBackgroundResultIsDropped()
{
    useList(portsNamed({QStringLiteral("ttyS0")}));
    PortListModel model(listed(), QString());
    QSignalSpy refreshed(&model, &PortListModel::refreshed);
    useList(portsNamed({QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")}));
    model.refreshInBackground(); // takes this list; it comes back later
    useList(portsNamed({QStringLiteral("ttyUSB1")}));
    QVERIFY(model.refresh());
    QCOMPARE(names(model), QStringList{QStringLiteral("ttyUSB1")});

    QVERIFY(refreshed.wait(5000));
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(refreshed.first().first().toBool(), false);
    QCOMPARE(names(model), QStringList{QStringLiteral("ttyUSB1")});
}

// The system's own enumeration on the worker thread gives what it gives here.
void TestPortListModel::systemPortsInTheBackground()
{
    // No folder: every refresh enumerates.
    PortListModel model({}, QString());
    QVERIFY(!model.refresh());
    const QStringList system = names(model);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    const std::optional<bool> changed = refreshedInBackground(model);
    QVERIFY(changed.has_value());
    QVERIFY(!*changed);
    QCOMPARE(names(model), system);
    QCOMPARE(reset.count(), 0);
}

QTEST_GUILESS_MAIN(TestPortListModel)
#include "tst_portlistmodel.moc"
