// Why a port does not open, in words a user can act on: paths that lead to
// no serial device, a device node the user may not open (as an unprivileged
// user, through setpriv, when the tests run as root) and a port that another
// process really holds.
#include "serial/portaccess.h"
#include "serial/serialmanager.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

bool isRoot()
{
    return ::geteuid() == 0;
}

gid_t groupId(const char* name)
{
    const group* found = ::getgrnam(name);
    return found ? found->gr_gid : gid_t(-1);
}

// Opens @p path in this process as the probe does in another: "opened", or
// "failed: " and the message, which must have been announced once, in the
// same words, with nothing left open.
QString openHere(const QString& path)
{
    SerialManager manager;
    QSignalSpy errors(&manager, &SerialManager::errorOccurred);
    QSignalSpy opened(&manager, &SerialManager::opened);
    SerialConfig config;
    config.portName = path;
    QString error;
    if (manager.open(config, &error))
        return errors.isEmpty() ? QStringLiteral("opened") : QStringLiteral("opened with errors");
    if (manager.isOpen() || opened.count() != 0)
        return QStringLiteral("failed, yet open");
    if (errors.count() != 1 || errors.first().first().toString() != error)
        return QStringLiteral("failed, reported %1 times: %2").arg(errors.count()).arg(error);
    return QStringLiteral("failed: ") + error;
}

} // namespace

class TestPortAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void refusedPaths_data();
    void refusedPaths();
    void notASerialDevice_data();
    void notASerialDevice();
    void permissionDenied_data();
    void permissionDenied();
    void portInUse_data();
    void portInUse();

private:
    /// The probe program, or the same program run as nobody when @p asNobody.
    std::unique_ptr<QProcess> probe(const QStringList& arguments, bool asNobody);
    /// Starts a probe that holds @p path until the test ends it.
    std::unique_ptr<QProcess> holder(const QString& mode, const QString& path, bool asNobody);
    /// The probe's one line of output from opening @p path.
    QString openAs(const QString& path, bool asNobody);

    QTemporaryDir m_dir;
    QString m_probe;
    QString m_setpriv;
};

void TestPortAccess::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A copy that any user may run: the build tree may sit in a folder that
    // an unprivileged user cannot enter.
    QVERIFY(QFile::setPermissions(
        m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    m_probe = m_dir.filePath(QStringLiteral("korvel-openprobe"));
    QVERIFY(QFile::copy(qEnvironmentVariable("KORVEL_OPENPROBE"), m_probe));
    m_setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
}

std::unique_ptr<QProcess> TestPortAccess::probe(const QStringList& arguments, bool asNobody)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The test's own runtime folder belongs to the user who runs the test.
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (asNobody) {
        process->start(m_setpriv, QStringList{QStringLiteral("--reuid=%1").arg(kNobody),
                                              QStringLiteral("--regid=%1").arg(kNoGroup),
                                              QStringLiteral("--clear-groups"), m_probe} +
                                      arguments);
    } else {
        process->start(m_probe, arguments);
    }
    return process;
}

std::unique_ptr<QProcess> TestPortAccess::holder(const QString& mode, const QString& path,
                                                 bool asNobody)
{
    auto process = probe({mode, path}, asNobody);
    if (!process->waitForStarted(10000)) {
        return nullptr;
    }
    while (!process->canReadLine() && process->waitForReadyRead(10000)) {
    }
    return process->readLine().trimmed() == "held" ? std::move(process) : nullptr;
}

QString TestPortAccess::openAs(const QString& path, bool asNobody)
{
    auto process = probe({QStringLiteral("open"), path}, asNobody);
    if (!process->waitForFinished(30000)) {
        return QStringLiteral("probe did not finish");
    }
    return QString::fromUtf8(process->readAllStandardOutput()).trimmed();
}

void TestPortAccess::refusedPaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << " does not exist. Check the path";
    QTest::newRow("dangling link") << "dangling"
                                   << " does not exist. Check the path";
    QTest::newRow("folder") << "folder"
                            << " is a folder, not a serial device.";
    QTest::newRow("regular file") << "file"
                                  << " is a regular file, not a serial device.";
    QTest::newRow("named pipe") << "fifo"
                                << " is not a serial device.";
}

void TestPortAccess::refusedPaths()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (name == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
    } else if (name == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (name == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("not a port") > 0);
    } else if (name == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }

    const QString line = openHere(path);
    QVERIFY2(line.startsWith(QStringLiteral("failed: ") + path + reason), qPrintable(line));
    QCOMPARE(PortAccess::checkDevicePath(path), line.mid(8));
    // Nothing was made where the path pointed.
    QCOMPARE(QFileInfo(path).isDir(), name == QLatin1String("folder"));
}

void TestPortAccess::notASerialDevice_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("null device") << "/dev/null";
    QTest::newRow("zero device") << "/dev/zero";
}

void TestPortAccess::notASerialDevice()
{
    QFETCH(QString, path);

    // A character device that the port opens and then finds is no terminal.
    QCOMPARE(PortAccess::checkDevicePath(path), QString());
    const QString line = openHere(path);
    QVERIFY2(line.startsWith(QStringLiteral("failed: Cannot open %1: ").arg(path)),
             qPrintable(line));
    QVERIFY2(line.endsWith(QLatin1String(". It is not a serial device.")), qPrintable(line));
}

void TestPortAccess::permissionDenied_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("advisedGroup");
    QTest::newRow("group has no access") << 0600 << ""
                                         << "dialout";
    QTest::newRow("dialout may use it") << 0660 << "dialout"
                                        << "dialout";
    QTest::newRow("uucp may use it") << 0660 << "uucp"
                                     << "uucp";
}

void TestPortAccess::permissionDenied()
{
    QFETCH(int, mode);
    QFETCH(QString, group);
    QFETCH(QString, advisedGroup);

    korveltest::SocatPair pair;
    QVERIFY2(pair.start(), qPrintable(pair.error()));
    const QString node = QFileInfo(pair.appPath()).canonicalFilePath();
    QVERIFY(node.startsWith(QLatin1String("/dev/")));

    // Root may open any node: the open then runs as nobody. Another user owns
    // the terminal and can only take the permission away from itself.
    const bool asNobody = isRoot();
    if (asNobody) {
        if (m_setpriv.isEmpty())
            QSKIP("setpriv is needed to open the port as an unprivileged user");
        const gid_t gid = group.isEmpty() ? 0 : groupId(group.toLatin1().constData());
        if (gid == gid_t(-1))
            QSKIP("this system has no such group");
        QCOMPARE(::chown(QFile::encodeName(node).constData(), 0, gid), 0);
        QCOMPARE(::chmod(QFile::encodeName(node).constData(), mode_t(mode)), 0);
    } else {
        if (!group.isEmpty())
            QSKIP("only root can give the terminal to another group");
        QCOMPARE(::chmod(QFile::encodeName(node).constData(), 0), 0);
    }

    const QString line = openAs(node, asNobody);
    QVERIFY2(line.startsWith(QStringLiteral("failed: Cannot open %1: ").arg(node)),
             qPrintable(line));
    // The port's own text comes first, the advice after it.
    const QString advice =
        QStringLiteral(
            "To get access on Linux, add your user to the group that owns the device (%1), for "
            "example with \"sudo usermod -aG %1 $USER\", then log out and log in again.")
            .arg(advisedGroup);
    QVERIFY2(line.endsWith(QStringLiteral(". ") + advice), qPrintable(line));
    QVERIFY2(!line.contains(QLatin1String("in use")), qPrintable(line));
}

void TestPortAccess::portInUse_data()
{
    QTest::addColumn<QString>("holdMode");
    QTest::addColumn<bool>("holderIsNobody");
    QTest::addColumn<bool>("openerIsNobody");
    QTest::addColumn<bool>("named");
    // QSerialPort refuses a port another process has locked, even to root.
    QTest::newRow("lock file") << "hold" << false << false << true;
    // Without a lock file only the terminal's exclusive mode keeps others
    // out, and /proc tells who holds it; root is not kept out.
    QTest::newRow("exclusive, no lock file") << "hold-raw" << isRoot() << isRoot() << true;
    // Another user's process cannot be looked into: no name then.
    QTest::newRow("another user's process") << "hold-raw" << false << true << false;
}

void TestPortAccess::portInUse()
{
    QFETCH(QString, holdMode);
    QFETCH(bool, holderIsNobody);
    QFETCH(bool, openerIsNobody);
    QFETCH(bool, named);

    if ((holderIsNobody || openerIsNobody) && (!isRoot() || m_setpriv.isEmpty()))
        QSKIP("needs root and setpriv to act as another user");

    korveltest::SocatPair pair;
    QVERIFY2(pair.start(), qPrintable(pair.error()));
    const QString node = QFileInfo(pair.appPath()).canonicalFilePath();
    if (openerIsNobody) {
        // The opener may use the node; only the holder is in its way.
        QCOMPARE(::chown(QFile::encodeName(node).constData(), kNobody, kNoGroup), 0);
    }
    const QString path = holdMode == QLatin1String("hold") ? pair.appPath() : node;

    auto held = holder(holdMode, path, holderIsNobody);
    QVERIFY2(held, "the second process could not hold the port");

    const QString line = openerIsNobody ? openAs(path, true) : openHere(path);
    QVERIFY2(line.startsWith(QLatin1String("failed: ")), qPrintable(line));
    const QString message = line.mid(8);

    QVERIFY2(message.startsWith(QStringLiteral("Cannot open %1: ").arg(path)), qPrintable(message));
    const QString expected =
        named ? QStringLiteral("It is in use by another program: korvel-openprobe (process %1). "
                               "Close the port there, then try again.")
                    .arg(held->processId())
              : QStringLiteral("It is in use by another program. Close the port there, then try "
                               "again.");
    // setpriv execs the probe, so the pid started is the probe's.
    QVERIFY2(message.endsWith(QStringLiteral(". ") + expected), qPrintable(message));
    QVERIFY2(!message.contains(QLatin1String("usermod")), qPrintable(message));

    const PortHolder found = PortAccess::findHolder(path);
    if (!openerIsNobody) {
        QCOMPARE(found.pid, held->processId());
        QCOMPARE(found.program, QStringLiteral("korvel-openprobe"));
    }

    held->closeWriteChannel();
    QVERIFY(held->waitForFinished(10000));
    QCOMPARE(held->exitCode(), 0);
    // Once the holder is gone the port opens again.
    QCOMPARE(openHere(path), QStringLiteral("opened"));
}

QTEST_GUILESS_MAIN(TestPortAccess)
#include "tst_portaccess.moc"
