#include "support/testsupport.h"

#include "library/librarycache.h"
#include "log/logmanager.h"
#include "settings/languagemanager.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace korveltest {

QStringList describe(const LogManager& log)
{
    QStringList lines;
    for (const LogEntry& entry : log.entries()) {
        lines << LogManager::dirTag(entry.kind) + QLatin1Char(':') + QString::fromUtf8(entry.data);
    }
    return lines;
}

QList<QByteArray> rxLines(const LogManager& log)
{
    QList<QByteArray> lines;
    for (const LogEntry& entry : log.entries()) {
        if (entry.kind == LogKind::RX) {
            lines << entry.data;
        }
    }
    return lines;
}

ContinuousLogWatch::ContinuousLogWatch(LogManager& log)
    : m_log(log)
{
    // Sent on the store's thread, which is the only one that gives lines: at that moment no
    // line it took is waiting for the writer.
    QObject::connect(&log, &LogManager::continuousLogWritten, &log,
                     [handled = m_handled, &log] { *handled = log.totalLineCount(); });
}

bool ContinuousLogWatch::waitWritten(int timeoutMs) const
{
    return QTest::qWaitFor([this] { return *m_handled == m_log.totalLineCount(); }, timeoutMs);
}

AppServices testServices(PortListModel::Enumerator ports, const QByteArray& env)
{
    AppServices services;
    if (ports) {
        services.portEnumerator = std::move(ports);
        services.deviceFolder.clear();
    }
    services.env = envConfig(env);
    return services;
}

EnvConfig envConfig(const QByteArray& text)
{
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral(".env"));
    if (!writeFile(file, text)) {
        qFatal("cannot write %s", qPrintable(file));
    }
    EnvConfig config;
    config.loadFile(file);
    return config;
}

QString opened(const QString& port, const QString& summary)
{
    return QStringLiteral("SYS:%1 opened \u00b7 %2").arg(port, summary);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> fileLines(const QString& path)
{
    QList<QByteArray> lines = fileBytes(path).split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray sampleLibrary()
{
    QFile file(qEnvironmentVariable("KORVEL_SAMPLE_DATA") + QStringLiteral("/at2-library.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Device::Device(const QString& path)
    : port(path)
{
    if (port.open(QIODevice::ReadWrite)) {
        QObject::connect(&port, &QSerialPort::readyRead, &port,
                         [this] { received += port.readAll(); });
    }
}

void isolateSettings()
{
    static QTemporaryDir dir;
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("KorvelTest"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("test.korvel.io"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvelSerialAssistantTest"));
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, dir.path());
        QSettings::setPath(format, QSettings::SystemScope, dir.path() + QStringLiteral("/system"));
    }
    LibraryCache::setFolderForTesting(dir.path() + QStringLiteral("/data"));
    clearSettings();
}

void clearSettings()
{
    QSettings().clear();
    LibraryCache().clear();
}

void isolateSettingsInEnglish()
{
    isolateSettings();
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
}

namespace {

double luminance(const QColor& color)
{
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

} // namespace

double contrastRatio(const QColor& foreground, const QColor& background)
{
    const double a = foreground.alphaF();
    const QColor laid =
        QColor::fromRgbF(float(foreground.redF() * a + background.redF() * (1 - a)),
                         float(foreground.greenF() * a + background.greenF() * (1 - a)),
                         float(foreground.blueF() * a + background.blueF() * (1 - a)));
    const double l1 = luminance(laid);
    const double l2 = luminance(background);
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

void failOnQmlWarnings()
{
    // The engine names the document and line ("qrc:/…/Main.qml:12:5: …"), or
    // says it has no document to name.
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral(R"(\.qml(:\d+)*: |^<Unknown File>: |^QML )")));
}

Simulator::~Simulator()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

bool Simulator::start(const QStringList& arguments)
{
    const QString program = qEnvironmentVariable("KORVEL_DEVSIM");
    if (program.isEmpty()) {
        m_error = QStringLiteral("KORVEL_DEVSIM is not set");
        return false;
    }
    m_process.setProgram(program);
    m_process.setArguments(QStringList{QStringLiteral("--quiet")} + arguments);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    QDeadlineTimer deadline(10000);
    while (!m_process.canReadLine() && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
            break;
        }
    }
    if (!m_process.canReadLine()) {
        m_error = QStringLiteral("no device path from the simulator");
        return false;
    }
    m_path = QString::fromLocal8Bit(m_process.readLine().trimmed());
    return !m_path.isEmpty();
}

SocatPair::SocatPair() = default;

SocatPair::~SocatPair()
{
    stop();
}

bool SocatPair::start()
{
    const QString socat = qEnvironmentVariable("KORVEL_SOCAT", QStringLiteral("socat"));
    if (socat.isEmpty()) {
        m_error = QStringLiteral("socat not found");
        return false;
    }
    m_socat.setProgram(socat);
    // Default verbosity: socat reports only fatal errors and errors, which
    // start() hands back when the links never appear.
    m_socat.setArguments({QStringLiteral("pty,raw,echo=0,link=%1").arg(appPath()),
                          QStringLiteral("pty,raw,echo=0,link=%1").arg(devicePath())});
    m_socat.start();
    if (!m_socat.waitForStarted(5000)) {
        m_error = m_socat.errorString();
        return false;
    }
    // socat makes the links once both terminals exist.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (QFileInfo::exists(appPath()) && QFileInfo::exists(devicePath())) {
            return true;
        }
        // Doubles as the pause between polls; true once socat gave up.
        if (m_socat.waitForFinished(10)) {
            break;
        }
    }
    stop();
    m_error = QStringLiteral("socat made no links: %1")
                  .arg(QString::fromLocal8Bit(m_socat.readAllStandardError()).trimmed());
    return false;
}

void SocatPair::stop()
{
    if (m_socat.state() != QProcess::NotRunning) {
        m_socat.terminate();
        if (!m_socat.waitForFinished(3000)) {
            m_socat.kill();
            m_socat.waitForFinished(3000);
        }
    }
}

SerialPortEntry usbPort(const QString& path, const QString& serial, const QString& socket)
{
    SerialPortEntry entry{path, QStringLiteral("USB Serial"), QStringLiteral("CH340"), true};
    entry.vendorId = 0x1a86;
    entry.productId = 0x7523;
    entry.serialNumber = serial;
    entry.usbLocation = socket;
    entry.systemLocation = path;
    return entry;
}

} // namespace korveltest
