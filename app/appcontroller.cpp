#include "app/appcontroller.h"

#include "app/appservices.h"
#include "buildinfo.h"
#include "library/batchcommandmodel.h"
#include "library/batchrunner.h"
#include "library/commandhistorymodel.h"
#include "library/commandlistmodel.h"
#include "library/historyrecall.h"
#include "library/librarycache.h"
#include "log/loglistmodel.h"
#include "log/logviewrows.h"
#include "serial/portlistmodel.h"
#include "serial/reconnectwatcher.h"
#include "serial/repeatsender.h"
#include "serial/serialdefaultsgate.h"
#include "settings/languagemanager.h"

#include <QCoreApplication>
#include <QTimer>

AppController::AppController(QObject* parent)
    : AppController(AppServices{}, parent)
{}

AppController::AppController(const AppServices& services, QObject* parent)
    : QObject(parent)
    , m_settings(services.settings)
    , m_env(services.env)
    , m_driverCheck(services.driverCheck)
    , m_controlLinePort(services.controlLinePort)
{
    // The last downloaded library when it still parses, else the built-in one.
    const LibraryCache cache;
    QByteArray cached = cache.migrateFrom(m_settings);
    if (cached.isEmpty()) {
        cached = cache.load();
    }
    if (cached.isEmpty() || !m_library.loadFromJsonText(cached)) {
        m_library.loadFromResource(QStringLiteral(":/data/devices.json"));
    }

    // Apply the stored language before anything shows a text.
    LanguageManager::instance().setLanguage(m_settings.language());

    m_logModel = new LogListModel(&m_log, this);
    m_logSearch = new LogSearch(m_logModel, &m_log, this);
    m_logFilter = new LogFilterModel(m_logModel, m_logSearch, this);
    m_logModel->viewRows()->setRowFilter(m_logFilter);
    m_highlightRules = new HighlightRuleModel(&m_log, this);
    // Reads the fields of received lines while its panel is shown.
    m_fields = new FieldMonitor(&m_log, this);
    m_continuousLog = new ContinuousLogState(&m_log, this);
    m_commandModel = new CommandListModel(&m_library, &m_settings, this);
    m_portListModel = new PortListModel(services.portEnumerator, services.deviceFolder, this);
    m_reconnect = new ReconnectWatcher(&m_serial, m_portListModel, this);
    m_reconnect->setEnabled(m_settings.autoReconnect());
    m_rxReceiver.setFramesBySilence(m_settings.framesBySilence());
    m_rxReceiver.setPauseMs(m_settings.framePauseMs());
    connect(m_reconnect, &ReconnectWatcher::waitingChanged, this,
            &AppController::onReconnectWaitingChanged);
    connect(m_reconnect, &ReconnectWatcher::reconnected, this, &AppController::onReconnected);
    const QStringList recentPaths = m_settings.recentPortPaths();
    if (!recentPaths.isEmpty()) {
        m_portListModel->setPaths(recentPaths);
        m_portListModel->refresh();
    }

    reconcileSelectedPort();

    m_lineEnd = PayloadComposer::lineEndFromCode(m_settings.textLineEnd());
    m_historyModel = new CommandHistoryModel(&m_settings, this);
    m_historyRecall = new HistoryRecall(m_historyModel,
                                        {[this] { return m_draftText; },
                                         [this](const QString& text) { setDraftText(text); },
                                         [this] { return m_sendAsHex; },
                                         [this](bool hex) {
                                             setSendAsHex(hex);
                                         }},
                                        this);
    m_batchModel = new BatchCommandModel(&m_settings, this);
    m_batchRunner = new BatchRunner(
        &m_serial, &m_log, [this](const BatchStep& step) { writeBatchStep(step); }, this);
    connect(m_batchRunner, &BatchRunner::stateChanged, this, &AppController::batchStateChanged);

    // A model chosen during a session shows its serial settings once it ends;
    // the end is judged after the unplug handling has decided whether to wait.
    m_defaultsGate = new SerialDefaultsGate(this);
    connect(this, &AppController::currentModelChanged, this, [this] {
        m_defaultsGate->modelChosen(serialDefaultsForModel(currentModelId()),
                                    m_serial.isOpen() || m_reconnect->waiting());
    });
    connect(
        this, &AppController::connectionChanged, this,
        [this] { m_defaultsGate->setSessionRunning(m_serial.isOpen() || m_reconnect->waiting()); },
        Qt::QueuedConnection);
    connect(m_defaultsGate, &SerialDefaultsGate::apply, this,
            &AppController::onSerialDefaultsApplied);

    m_repeatSender = new RepeatSender(
        &m_serial, [this] { sendManualText(); }, this);
    createLineServices();
    m_portPollTimer = new QTimer(this);
    m_portPollTimer->setInterval(PortPollMs);
    connect(m_portPollTimer, &QTimer::timeout, this, &AppController::pollPorts);
    connect(m_portListModel, &PortListModel::refreshed, this, &AppController::onPortsRefreshed);
    m_portPollTimer->start();

    connect(&m_serial, &SerialManager::dataReceived, this, &AppController::handleIncomingData);
    connect(&m_serial, &SerialManager::errorOccurred, this, [this](const QString& message) {
        if (!m_reconnect->attempting()) {
            m_log.append(LogKind::ERR, message.toUtf8());
        }
    });
    connect(&m_serial, &SerialManager::opened, this, [this] { emit connectionChanged(); });
    connect(&m_serial, &SerialManager::closed, this, &AppController::onPortClosed);
    connect(&m_serial, &SerialManager::opened, this, [this] { m_txLedger.clear(); });
    connect(&m_serial, &SerialManager::bytesWritten, this,
            [this](qint64 bytes) { m_txLedger.written(bytes); });
    connect(&m_serial, &SerialManager::unsentBytesDiscarded, this, [this](qint64 bytes) {
        m_log.uncountTx(m_txLedger.discarded(bytes));
        m_log.append(LogKind::ERR,
                     tr("%1 bytes that had not gone out yet were discarded.").arg(bytes).toUtf8());
    });

    connect(&LanguageManager::instance(), &LanguageManager::languageChanged, this,
            &AppController::onLanguageChanged);
    connect(&m_log, &LogManager::continuousLogFailed, this, &AppController::onContinuousLogFailed);
    connect(&m_log, &LogManager::continuousLogRecovered, this,
            &AppController::onContinuousLogRecovered);
    connect(&m_log, &LogManager::continuousLinesLost, this, &AppController::onContinuousLinesLost);
    connect(&SettingsWriteMonitor::instance(), &SettingsWriteMonitor::writeFailed, this,
            &AppController::onSettingsWriteFailed);

    // The stored model, else the library's first; not written back here.
    QString initialModel = m_settings.lastModelId();
    if (initialModel.isEmpty() && m_library.modelCount() > 0) {
        initialModel = m_library.modelIds().constFirst();
    }
    m_commandModel->setModelId(initialModel);
    if (initialModel.isEmpty()) {
        // An empty id changes nothing in the model, but the user's templates
        // (and a first model without an id) are still to be listed.
        m_commandModel->rebuild();
    }

    createUpdateClients();
}

AppController::~AppController()
{
    // Close while the log and the models still exist, then stop listening so
    // that nothing reaches this object while its members are torn down.
    m_serial.close();
    m_serial.disconnect(this);
}

QString AppController::appVersion() const
{
    return QCoreApplication::applicationVersion();
}

QString AppController::qtVersion() const
{
    return QStringLiteral(KORVEL_BUILD_QT_VERSION);
}

QString AppController::buildTime() const
{
    return QStringLiteral(KORVEL_BUILD_TIME);
}

bool AppController::ch340DriverInstalled() const
{
    return m_driverCheck.isCh340DriverInstalled();
}

QString AppController::ch340DriverUrl() const
{
    return DriverCheck::downloadUrl();
}

bool AppController::ch340DriverHintDismissed() const
{
    return m_settings.ch340DriverHintDismissed();
}

void AppController::setCh340DriverHintDismissed(bool dismissed)
{
    if (m_settings.ch340DriverHintDismissed() == dismissed) {
        return;
    }
    m_settings.setCh340DriverHintDismissed(dismissed);
    emit ch340DriverHintDismissedChanged();
}

QVariantList AppController::availableDrivers() const
{
    QVariantList drivers;
    for (const DriverInfo& info : m_driverCheck.knownDrivers()) {
        drivers.append(QVariantMap{{QStringLiteral("name"), info.name},
                                   {QStringLiteral("description"), info.description},
                                   {QStringLiteral("url"), info.url},
                                   {QStringLiteral("installed"), info.installed}});
    }
    return drivers;
}

void AppController::onLanguageChanged(const QString& code)
{
    m_settings.setLanguage(code);
    emit currentLanguageChanged();
    emit currentModelChanged();
    // The port status and summary are worded here, in the controller's context.
    emit connectionChanged();
}

void AppController::onSettingsWriteFailed(const QString& fileName)
{
    // Once a session: every later change fails the same way.
    if (m_settingsFailureReported) {
        return;
    }
    m_settingsFailureReported = true;
    tellUser(tr("Settings cannot be saved to %1; changes last only until the application ends.")
                 .arg(fileName));
}

void AppController::tellUser(const QString& message, LogKind kind)
{
    // Posted: the log may be in the middle of an append when this comes.
    QMetaObject::invokeMethod(
        this, [this, kind, message] { m_log.append(kind, message.toUtf8()); },
        Qt::QueuedConnection);
    emit statusMessage(message);
}
