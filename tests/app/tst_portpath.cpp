// Opening a device by its path through the controller: the simulator's and
// socat's links open, send and receive; a path stays in the port list while
// it exists; paths that lead to no serial device open nothing and say so once.
#include "app/appcontroller.h"
#include "serial/portlistmodel.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace korveltest;

QStringList recentPaths()
{
    return QSettings().value(QStringLiteral("serial/recentPaths")).toStringList();
}

bool listedAsPath(AppController& controller, const QString& path)
{
    PortListModel* model = controller.portListModel();
    const int row = model->indexOfPortName(path);
    return row >= 0 && model->index(row).data(PortListModel::ByPathRole).toBool();
}

} // namespace

class TestPortPath : public QObject
{
    Q_OBJECT

    const AppServices m_fakePorts =
        korveltest::testServices([] { return QList<SerialPortEntry>{}; });

private slots:
    void initTestCase()
    {
        isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
        // No system ports: the list holds only what the paths add.
    }
    void init() { korveltest::clearSettings(); }

    void openSendReceive_data()
    {
        QTest::addColumn<bool>("simulator");
        QTest::newRow("simulator link") << true;
        QTest::newRow("socat link") << false;
    }

    void openSendReceive()
    {
        QFETCH(bool, simulator);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Simulator sim;
        SocatPair pair;
        QString path;
        if (simulator) {
            path = dir.filePath(QStringLiteral("hx4"));
            QVERIFY2(sim.start({QStringLiteral("--link"), path}), qPrintable(sim.error()));
        } else {
            QVERIFY2(pair.start(), qPrintable(pair.error()));
            path = pair.appPath();
        }

        AppController controller(m_fakePorts);
        QSignalSpy failed(&controller, &AppController::portOpenFailed);
        QVERIFY(!listedAsPath(controller, path));
        // As typed, blanks and all.
        QVERIFY(controller.openPortPath(QStringLiteral("  ") + path + QStringLiteral(" \t"), 115200,
                                        8, 0, 1, 0));
        QCOMPARE(failed.count(), 0);
        QVERIFY(controller.portOpen());
        QCOMPARE(describe(controller.logStore()), QStringList{opened(path)});
        // Remembered, listed as a path and chosen in the port list.
        QCOMPARE(recentPaths(), QStringList{path});
        QVERIFY(listedAsPath(controller, path));
        QCOMPARE(controller.selectedPortName(), path);

        controller.setEchoTx(false);
        if (simulator) {
            controller.setDraftText(QStringLiteral(R"({"command":"ReadProduct"})"));
            controller.sendManualText();
            QTRY_VERIFY_WITH_TIMEOUT(!rxLines(controller.logStore()).isEmpty(), 10000);
            QVERIFY2(rxLines(controller.logStore()).constFirst().contains(R"("product":"HX4")"),
                     rxLines(controller.logStore()).constFirst().constData());
        } else {
            Device device(pair.devicePath());
            QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
            controller.setDraftText(QStringLiteral("ping"));
            controller.sendManualText();
            QTRY_COMPARE(device.received, QByteArray("ping\r\n"));
            QVERIFY(device.port.write("pong\r\n") == 6 && device.port.waitForBytesWritten(5000));
            QTRY_COMPARE(rxLines(controller.logStore()), QList<QByteArray>{"pong"});
        }
        controller.closePort();
        QVERIFY(!controller.reconnectWaiting());
    }

    // Listed while the path leads to a device, in this run and the next;
    // gone from the list (though still remembered) once the device is.
    void listedWhileItExists()
    {
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        {
            AppController controller(m_fakePorts);
            QVERIFY(controller.openPortPath(pair.appPath(), 115200, 8, 0, 1, 0));
            controller.closePort();
            controller.refreshPorts();
            QVERIFY(listedAsPath(controller, pair.appPath()));
        }
        AppController later(m_fakePorts);
        QVERIFY(listedAsPath(later, pair.appPath()));
        QCOMPARE(later.selectedPortName(), pair.appPath());
        QCOMPARE(later.portListModel()->index(0).data(PortListModel::ChipLabelRole).toString(),
                 QString());

        QSignalSpy reset(later.portListModel(), &QAbstractItemModel::modelReset);
        pair.stop();
        QTRY_VERIFY(!QFileInfo::exists(pair.appPath()));
        later.refreshPorts();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(later.portListModel()->indexOfPortName(pair.appPath()), -1);
        QCOMPARE(later.portListModel()->rowCount(), 0);
        QCOMPARE(recentPaths(), QStringList{pair.appPath()});
    }

    void badPaths_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing"
                                 << "%1 does not exist. Check the path, and that the device is "
                                    "plugged in.";
        QTest::newRow("folder") << "folder"
                                << "%1 is a folder, not a serial device.";
        QTest::newRow("regular file") << "file"
                                      << "%1 is a regular file, not a serial device.";
        QTest::newRow("null device") << "/dev/null"
                                     << "Cannot open %1: Inappropriate ioctl for device. It is "
                                        "not a serial device.";
        QTest::newRow("zero device") << "/dev/zero"
                                     << "Cannot open %1: Inappropriate ioctl for device. It is "
                                        "not a serial device.";
        QTest::newRow("nothing typed") << ""
                                       << "Type the path of a serial device first.";
    }

    void badPaths()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString path = kind;
        if (kind == QLatin1String("missing")) {
            path = dir.filePath(QStringLiteral("missing"));
        } else if (kind == QLatin1String("folder")) {
            path = dir.path();
        } else if (kind == QLatin1String("file")) {
            path = dir.filePath(QStringLiteral("capture.log"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        AppController controller(m_fakePorts);
        const QString selected = controller.selectedPortName();
        QSignalSpy failed(&controller, &AppController::portOpenFailed);
        QSignalSpy changed(&controller, &AppController::connectionChanged);
        QVERIFY(!controller.openPortPath(path, 115200, 8, 0, 1, 0));

        const QString expected = message.arg(path);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), expected);
        // Logged once, unless there was nothing to open at all.
        const QStringList log = describe(controller.logStore());
        QCOMPARE(log,
                 path.isEmpty() ? QStringList() : QStringList{QStringLiteral("ERR:") + expected});
        QVERIFY(!controller.portOpen());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(recentPaths(), QStringList());
        QCOMPARE(controller.portListModel()->rowCount(), 0);
        QCOMPARE(controller.selectedPortName(), selected);
    }

    void recentPathsAreFewAndNewestFirst()
    {
        std::vector<std::unique_ptr<SocatPair>> pairs;
        AppController controller(m_fakePorts);
        QStringList opened;
        for (int i = 0; i < AppController::MaxRecentPortPaths + 1; ++i) {
            pairs.push_back(std::make_unique<SocatPair>());
            QVERIFY2(pairs.back()->start(), qPrintable(pairs.back()->error()));
            QVERIFY(controller.openPortPath(pairs.back()->appPath(), 115200, 8, 0, 1, 0));
            opened.prepend(pairs.back()->appPath());
        }
        QCOMPARE(recentPaths(), opened.mid(0, AppController::MaxRecentPortPaths));
        // The list shows the remembered ones, newest first, after the ports.
        controller.refreshPorts();
        QCOMPARE(controller.portListModel()->rowCount(), AppController::MaxRecentPortPaths);
        QCOMPARE(controller.portListModel()->portNameAt(0), opened.constFirst());

        // Opening one again moves it to the front without a second entry.
        const QString older = opened.at(3);
        QVERIFY(controller.openPortPath(older, 9600, 8, 0, 1, 0));
        opened.removeAt(3);
        opened.prepend(older);
        QCOMPARE(recentPaths(), opened.mid(0, AppController::MaxRecentPortPaths));
    }
};

QTEST_MAIN(TestPortPath)
#include "tst_portpath.moc"
