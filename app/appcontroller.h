#pragma once

#include "library/batchcommandmodel.h"
#include "library/commandhistorymodel.h"
#include "library/commandlistmodel.h"
#include "library/devicelibrary.h"
#include "library/historyrecall.h"
#include "log/continuouslogstate.h"
#include "log/fieldmonitor.h"
#include "log/highlightrulemodel.h"
#include "log/logfiltermodel.h"
#include "log/loglistmodel.h"
#include "log/logmanager.h"
#include "log/logsearch.h"
#include "log/rxlineassembler.h"
#include "log/rxreceiver.h"
#include "log/txledger.h"
#include "serial/controllines.h"
#include "serial/drivercheck.h"
#include "serial/filesender.h"
#include "serial/payloadcomposer.h"
#include "serial/portlistmodel.h"
#include "serial/reconnectwatcher.h"
#include "serial/serialmanager.h"
#include "settings/envconfig.h"
#include "settings/records.h"
#include "settings/settingsstore.h"
#include "update/appupdatecoordinator.h"
#include "update/libraryupdatecoordinator.h"

#include <QByteArray>
#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <memory>

class BatchRunner;
class RepeatSender;
class SerialDefaultsGate;
class QTimer;
struct AppServices;
struct StartupOptions;

/// The one object through which the interface reaches the back end. Owns
/// every long-lived back-end object, wires them together and offers one flat
/// surface of properties, change signals and operations to QML. Each group of
/// operations lives in its own source file (session, send, commands, batches,
/// preferences, updates). QML reaches the instance the application made
/// through AppControllerSingleton.
class AppController : public QObject
{
    Q_OBJECT

    Q_PROPERTY(bool portOpen READ portOpen NOTIFY connectionChanged)
    Q_PROPERTY(QString portStatusText READ portStatusText NOTIFY connectionChanged)
    Q_PROPERTY(QString portSummary READ portSummary NOTIFY connectionChanged)
    Q_PROPERTY(QString appVersion READ appVersion CONSTANT)
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
    Q_PROPERTY(QString buildTime READ buildTime CONSTANT)
    Q_PROPERTY(QString currentModelId READ currentModelId WRITE setCurrentModelId NOTIFY
                   currentModelChanged)
    Q_PROPERTY(
        QString currentModelDescription READ currentModelDescription NOTIFY currentModelChanged)
    Q_PROPERTY(QStringList modelIds READ modelIds NOTIFY libraryChanged)
    Q_PROPERTY(QString libraryVersion READ libraryVersion NOTIFY libraryChanged)
    Q_PROPERTY(int modelCount READ modelCount NOTIFY libraryChanged)
    Q_PROPERTY(int commandCount READ commandCount NOTIFY libraryChanged)
    Q_PROPERTY(QString libraryUpdateState READ libraryUpdateState NOTIFY libraryUpdateStateChanged)
    Q_PROPERTY(
        QString libraryUpdateMessage READ libraryUpdateMessage NOTIFY libraryUpdateStateChanged)
    Q_PROPERTY(
        QString remoteLibraryVersion READ remoteLibraryVersion NOTIFY libraryUpdateStateChanged)
    Q_PROPERTY(
        bool libraryUpdateAvailable READ libraryUpdateAvailable NOTIFY libraryUpdateStateChanged)
    Q_PROPERTY(QString appUpdateState READ appUpdateState NOTIFY appUpdateStateChanged)
    Q_PROPERTY(QString appUpdateMessage READ appUpdateMessage NOTIFY appUpdateStateChanged)
    Q_PROPERTY(QString remoteAppVersion READ remoteAppVersion NOTIFY appUpdateStateChanged)
    Q_PROPERTY(bool appUpdateAvailable READ appUpdateAvailable NOTIFY appUpdateStateChanged)
    Q_PROPERTY(bool appUpdateForced READ appUpdateForced NOTIFY appUpdateStateChanged)
    Q_PROPERTY(double appUpdateProgress READ appUpdateProgress NOTIFY appUpdateProgressChanged)
    Q_PROPERTY(bool selfUpdateSupported READ selfUpdateSupported CONSTANT)
    Q_PROPERTY(QUrl downloadPageUrl READ downloadPageUrl CONSTANT)
    Q_PROPERTY(QString currentLanguage READ currentLanguage WRITE setCurrentLanguage NOTIFY
                   currentLanguageChanged)
    Q_PROPERTY(
        QString logFontFamily READ logFontFamily WRITE setLogFontFamily NOTIFY logFontChanged)
    Q_PROPERTY(int logFontSize READ logFontSize WRITE setLogFontSize NOTIFY logFontChanged)
    Q_PROPERTY(QString systemFontFamily READ systemFontFamily WRITE setSystemFontFamily NOTIFY
                   systemFontChanged)
    Q_PROPERTY(
        int systemFontSize READ systemFontSize WRITE setSystemFontSize NOTIFY systemFontChanged)
    Q_PROPERTY(QString themeMode READ themeMode WRITE setThemeMode NOTIFY themeModeChanged)
    Q_PROPERTY(QString selectedPortName READ selectedPortName WRITE setSelectedPortName NOTIFY
                   selectedPortNameChanged)
    Q_PROPERTY(QString missingPortName READ missingPortName NOTIFY selectedPortNameChanged)
    Q_PROPERTY(bool ch340DriverInstalled READ ch340DriverInstalled CONSTANT)
    Q_PROPERTY(QString ch340DriverUrl READ ch340DriverUrl CONSTANT)
    Q_PROPERTY(bool ch340DriverHintDismissed READ ch340DriverHintDismissed WRITE
                   setCh340DriverHintDismissed NOTIFY ch340DriverHintDismissedChanged)
    Q_PROPERTY(QString draftText READ draftText WRITE setDraftText NOTIFY draftTextChanged)
    Q_PROPERTY(bool echoTx READ echoTx WRITE setEchoTx NOTIFY echoTxChanged)
    Q_PROPERTY(bool enterSends READ enterSends WRITE setEnterSends NOTIFY enterSendsChanged)
    Q_PROPERTY(bool sendAsHex READ sendAsHex WRITE setSendAsHex NOTIFY sendAsHexChanged)
    Q_PROPERTY(bool crcEnabled READ crcEnabled WRITE setCrcEnabled NOTIFY crcEnabledChanged)
    /// How received bytes become entries: lines (false) or frames ended by a
    /// pause of framePauseMs; frames are marked by their CRC while crcEnabled.
    Q_PROPERTY(bool framesBySilence READ framesBySilence WRITE setFramesBySilence NOTIFY
                   receiveFramingChanged)
    Q_PROPERTY(
        int framePauseMs READ framePauseMs WRITE setFramePauseMs NOTIFY receiveFramingChanged)
    /// What text sends put after the text: a PayloadComposer::TextLineEnd code.
    Q_PROPERTY(int lineEnd READ lineEnd WRITE setLineEnd NOTIFY lineEndChanged)
    Q_PROPERTY(bool repeatSendEnabled READ repeatSendEnabled WRITE setRepeatSendEnabled NOTIFY
                   repeatSendChanged)
    Q_PROPERTY(int repeatIntervalMs READ repeatIntervalMs WRITE setRepeatIntervalMs NOTIFY
                   repeatSendChanged)
    Q_PROPERTY(BatchCommandModel* batchCommandModel READ batchCommandModel CONSTANT)
    Q_PROPERTY(bool batchRunning READ batchRunning NOTIFY batchStateChanged)
    Q_PROPERTY(int runningBatchRow READ runningBatchRow NOTIFY batchStateChanged)
    Q_PROPERTY(QString batchProgressText READ batchProgressText NOTIFY batchStateChanged)
    Q_PROPERTY(QString runningBatchName READ runningBatchName NOTIFY batchStateChanged)
    Q_PROPERTY(LogListModel* logModel READ logModel CONSTANT)
    /// Finding in the log, the rows that match, and the rules that colour lines.
    Q_PROPERTY(LogSearch* logSearch READ logSearch CONSTANT)
    Q_PROPERTY(LogFilterModel* logFilter READ logFilter CONSTANT)
    Q_PROPERTY(HighlightRuleModel* highlightRules READ highlightRules CONSTANT)
    /// The fields panel: the received lines' fields as a table and a plot.
    Q_PROPERTY(FieldMonitor* fields READ fields CONSTANT)
    Q_PROPERTY(ContinuousLogState* continuousLog READ continuousLog CONSTANT)
    Q_PROPERTY(CommandListModel* commandModel READ commandModel CONSTANT)
    Q_PROPERTY(PortListModel* portListModel READ portListModel CONSTANT)
    Q_PROPERTY(CommandHistoryModel* commandHistoryModel READ commandHistoryModel CONSTANT)
    Q_PROPERTY(HistoryRecall* historyRecall READ historyRecall CONSTANT)
    /// DTR, RTS, BREAK and the modem status of the open port.
    Q_PROPERTY(ControlLines* controlLines READ controlLines CONSTANT)
    /// Sending a file through the open port.
    Q_PROPERTY(FileSender* fileSender READ fileSender CONSTANT)
    Q_PROPERTY(bool reconnectWaiting READ reconnectWaiting NOTIFY connectionChanged)
    Q_PROPERTY(
        bool autoReconnect READ autoReconnect WRITE setAutoReconnect NOTIFY autoReconnectChanged)

public:
    /// Works with the platform's ports and driver check, the default settings
    /// and no update service.
    explicit AppController(QObject* parent = nullptr);
    explicit AppController(const AppServices& services, QObject* parent = nullptr);
    ~AppController() override;

    // Port session
    bool portOpen() const;
    QString portStatusText() const;
    QString portSummary() const;
    QString selectedPortName() const { return m_selectedPortName; }
    void setSelectedPortName(const QString& name);
    /// The port that was selected until it left the port list; empty once
    /// another is selected.
    QString missingPortName() const { return m_missingPortName; }
    /// The device of the session went away and the window waits for it.
    bool reconnectWaiting() const { return m_reconnect->waiting(); }
    bool autoReconnect() const;
    void setAutoReconnect(bool on);

    // Identity
    QString appVersion() const;
    QString qtVersion() const;
    QString buildTime() const;

    // Device library and commands
    QString currentModelId() const;
    void setCurrentModelId(const QString& id);
    QString currentModelDescription() const;
    QStringList modelIds() const;
    QString libraryVersion() const;
    int modelCount() const;
    int commandCount() const;

    // Updates
    QString libraryUpdateState() const { return m_libraryUpdates->state(); }
    QString libraryUpdateMessage() const { return m_libraryUpdates->message(); }
    QString remoteLibraryVersion() const { return m_libraryUpdates->remoteVersion(); }
    bool libraryUpdateAvailable() const { return m_libraryUpdates->updateAvailable(); }
    QString appUpdateState() const { return m_appUpdates->state(); }
    QString appUpdateMessage() const { return m_appUpdates->message(); }
    QString remoteAppVersion() const { return m_appUpdates->remoteVersion(); }
    bool appUpdateAvailable() const { return m_appUpdates->updateAvailable(); }
    bool appUpdateForced() const { return m_appUpdates->forced(); }
    double appUpdateProgress() const { return m_appUpdates->progress(); }
    /// Whether this platform installs a downloaded update itself (Windows);
    /// elsewhere an offer leads to the download page instead.
    bool selfUpdateSupported() const { return AppUpdateCoordinator::selfUpdateSupported(); }
    QUrl downloadPageUrl() const { return AppUpdateCoordinator::downloadPageUrl(); }

    // Display preferences
    QString currentLanguage() const;
    void setCurrentLanguage(const QString& code);
    QString logFontFamily() const;
    void setLogFontFamily(const QString& family);
    int logFontSize() const;
    void setLogFontSize(int pixels);
    QString systemFontFamily() const;
    void setSystemFontFamily(const QString& family);
    int systemFontSize() const;
    void setSystemFontSize(int pixels);
    QString themeMode() const;
    void setThemeMode(const QString& mode);

    // Driver hint
    bool ch340DriverInstalled() const;
    QString ch340DriverUrl() const;
    bool ch340DriverHintDismissed() const;
    void setCh340DriverHintDismissed(bool dismissed);

    // Manual send
    QString draftText() const { return m_draftText; }
    /// Refuses (with an ERR line, and a change signal so the box shows the draft again) a text
    /// longer than TextBounds::Command.
    void setDraftText(const QString& text);
    bool echoTx() const { return m_echoTx; }
    void setEchoTx(bool on);
    bool enterSends() const;
    void setEnterSends(bool on);
    bool sendAsHex() const { return m_sendAsHex; }
    void setSendAsHex(bool on);
    bool crcEnabled() const { return m_crcEnabled; }
    void setCrcEnabled(bool on);
    bool framesBySilence() const { return m_rxReceiver.framesBySilence(); }
    void setFramesBySilence(bool on);
    int framePauseMs() const { return m_rxReceiver.pauseMs(); }
    void setFramePauseMs(int ms);
    int lineEnd() const { return int(m_lineEnd); }
    /// Stores the choice; an unknown code stands for CR LF.
    void setLineEnd(int code);
    bool repeatSendEnabled() const;
    void setRepeatSendEnabled(bool on);
    int repeatIntervalMs() const;
    void setRepeatIntervalMs(int ms);

    // Batches
    bool batchRunning() const;
    int runningBatchRow() const;
    QString batchProgressText() const;
    /// The name of the batch that runs; empty while none does.
    QString runningBatchName() const;

    // Models
    BatchCommandModel* batchCommandModel() const { return m_batchModel; }
    LogListModel* logModel() const { return m_logModel; }
    LogSearch* logSearch() const { return m_logSearch; }
    LogFilterModel* logFilter() const { return m_logFilter; }
    HighlightRuleModel* highlightRules() const { return m_highlightRules; }
    FieldMonitor* fields() const { return m_fields; }
    ContinuousLogState* continuousLog() const { return m_continuousLog; }
    CommandListModel* commandModel() const { return m_commandModel; }
    PortListModel* portListModel() const { return m_portListModel; }
    CommandHistoryModel* commandHistoryModel() const { return m_historyModel; }
    HistoryRecall* historyRecall() const { return m_historyRecall; }
    ControlLines* controlLines() const { return m_controlLines; }
    FileSender* fileSender() const { return m_fileSender; }

    Q_INVOKABLE QStringList availableFontFamilies() const;
    Q_INVOKABLE void restoreDefaultSettings();
    Q_INVOKABLE void refreshPorts();
    Q_INVOKABLE QVariantList availableDrivers() const;
    Q_INVOKABLE QVariantList availableLanguages() const;
    Q_INVOKABLE bool openPort(const QString& portName, int baudRate, int dataBits, int parity,
                              int stopBits, int flowControl);
    Q_INVOKABLE void closePort();
    Q_INVOKABLE void sendManualText();
    Q_INVOKABLE void clearDraft();
    Q_INVOKABLE void loadCommandIntoDraft(int row);
    Q_INVOKABLE QString commandNameForRow(int row) const;
    Q_INVOKABLE QVariantList paramsForRow(int row) const;
    Q_INVOKABLE QString previewCommand(int row, const QVariantMap& values) const;
    Q_INVOKABLE void loadCommandWithParamsIntoDraft(int row, const QVariantMap& values);
    Q_INVOKABLE void addCustomTemplate(const QString& name, const QString& content);
    Q_INVOKABLE void updateCustomTemplate(int row, const QString& name, const QString& content);
    Q_INVOKABLE void removeCustomTemplate(int row);
    Q_INVOKABLE void moveCommandRow(int from, int to);
    Q_INVOKABLE void addBatchCommand(const QString& name, int intervalMs,
                                     const QVariantList& steps);
    Q_INVOKABLE void updateBatchCommand(int row, const QString& name, int intervalMs,
                                        const QVariantList& steps);
    Q_INVOKABLE void removeBatchCommand(int row);
    Q_INVOKABLE QVariantList stepsForBatchRow(int row) const;
    Q_INVOKABLE void startBatchCommand(int row);
    Q_INVOKABLE void stopBatchCommand();
    Q_INVOKABLE QVariantMap serialDefaultsForModel(const QString& modelId) const;
    Q_INVOKABLE QString suggestedLogBaseName() const;
    Q_INVOKABLE QString suggestedLogDirectory() const;
    Q_INVOKABLE QString saveLog(const QString& directory, const QString& baseFileName,
                                const QString& format, bool autoRotate);
    Q_INVOKABLE void checkForLibraryUpdate();
    Q_INVOKABLE void downloadLibraryUpdate();
    Q_INVOKABLE void checkForAppUpdate();
    Q_INVOKABLE void installAppUpdate();
    Q_INVOKABLE void cancelAppUpdateDownload();
    /// The address of a local folder for a file or folder picker; Qt's own
    /// encoding, so "#", "?" and "%" in a name stay part of the path.
    Q_INVOKABLE QUrl urlForLocalPath(const QString& path) const;
    /// The local path a picker's address stands for, with the platform's separators.
    Q_INVOKABLE QString localPathForUrl(const QUrl& url) const;
    /// Opens any device path (what the user typed, see
    /// PortIdentity::normalisedPath) with these settings, remembers it and
    /// selects it in the port list.
    Q_INVOKABLE bool openPortPath(const QString& path, int baudRate, int dataBits, int parity,
                                  int stopBits, int flowControl);
    /// Why the row's command cannot be filled in with @p values (it would be too long for the
    /// send box), or an empty text when it can.
    Q_INVOKABLE QString previewProblem(int row, const QVariantMap& values) const;
    /// Whether pasting the clipboard into the send box, which keeps @p keptLength characters of
    /// its text, would make the draft longer than TextBounds::Command; then the refusal is
    /// logged and the paste is to be dropped.
    Q_INVOKABLE bool refuseLongPaste(int keptLength);
    /// Starts sending the file at @p path (as FileSender's options say, text with the chosen
    /// line end); the reason it cannot, as an ERR line and the result, else an empty text.
    Q_INVOKABLE QString sendFile(const QString& path);

    // Not visible to QML.
    void reconcileSelectedPort();
    /// Selects the port, asks the serial panel for the baud rate and opens
    /// the port, as the command line asked; called once the window is up.
    void applyStartupOptions(const StartupOptions& options);
    void handleIncomingData(const QByteArray& data);
    void flushRxLineBuffer();
    /// Sends the running batch's next step without waiting for its interval.
    void sendNextBatchStep();
    static QFont buildApplicationFont(const QString& family, int pixelSize);

    /// The log store, for the workflows' tests and the benchmark.
    LogManager& logStore() { return m_log; }
    SerialManager& serialManager() { return m_serial; }
    const DeviceLibrary& deviceLibrary() const { return m_library; }

    /// Most bytes that may wait for a port that does not take them: a send
    /// that would queue more is refused.
    static constexpr qint64 MaxQueuedBytes = 4 * 1024 * 1024;
    /// Longest draft (in UTF-8 bytes) that the send history keeps.
    static constexpr int HistoryTextLimit = 4096;
    static constexpr int RxLineLimit = RxLineAssembler::MaxLineBytes;
    static constexpr int RxFlushMs = RxLineAssembler::PauseMs;
    static constexpr int PortPollMs = 2000;
    /// The port poll while waiting for a device to come back: soon enough
    /// not to miss much of what a device prints while it boots.
    static constexpr int ReconnectPollMs = 500;
    /// How many device paths the port list remembers.
    static constexpr int MaxRecentPortPaths = 5;

signals:
    void connectionChanged();
    void currentModelChanged();
    void selectedPortNameChanged();
    void currentLanguageChanged();
    void logFontChanged();
    void systemFontChanged();
    void themeModeChanged();
    void draftTextChanged();
    void echoTxChanged();
    void enterSendsChanged();
    void sendAsHexChanged();
    void crcEnabledChanged();
    void receiveFramingChanged();
    void lineEndChanged();
    void repeatSendChanged();
    void batchStateChanged();
    void portOpenFailed(const QString& error);
    void statusMessage(const QString& text);
    void ch340DriverHintDismissedChanged();
    void libraryChanged();
    void libraryUpdateStateChanged();
    void appUpdateStateChanged();
    void appUpdateProgressChanged();
    void autoReconnectChanged();
    /// The command line chose a baud rate for the serial panel to show.
    void baudRateRequested(int baudRate);
    /// The serial panel is to show these serial settings of a device model
    /// (as serialDefaultsForModel gives them); chosen during a session, they
    /// come when it ends.
    void serialDefaultsRequested(const QVariantMap& defaults);

private:
    void onPortClosed();
    void onReconnectWaitingChanged();
    void onReconnected(const SerialConfig& config);
    /// What the port poll does: a refresh of the port list off this thread.
    void pollPorts();
    void onPortsRefreshed(bool changed);
    void rememberPortPath(const QString& path);
    /// The listed name of @p name (a by-id path selects its listed port),
    /// else @p name itself.
    QString listedNameFor(const QString& name) const;
    /// Puts a command's text into the draft; a text command cannot go out
    /// as hex, so the send mode turns to ASCII for it (and says so).
    void loadIntoDraft(const QString& text, bool textCommand);
    void onLanguageChanged(const QString& code);
    void onSerialDefaultsApplied(const QVariantMap& defaults, bool deferred);
    void onContinuousLogFailed(const QString& path, const QString& reason);
    void onContinuousLogRecovered(const QString& path, qint64 lines, const QString& reason);
    void onContinuousLinesLost(const QString& path, qint64 lines, const QString& reason);
    void onSettingsWriteFailed(const QString& fileName);
    /// An ERR line (or another @p kind) in the log and the status bar, for problems the user
    /// must hear of.
    void tellUser(const QString& message, LogKind kind = LogKind::ERR);
    /// The ERR line for a draft of @p length characters, too long for the send box.
    void refuseLongDraft(qsizetype length);
    /// Writes a composed payload unless the port's queue would grow past
    /// MaxQueuedBytes; a refusal is logged and returns false. The Tx counter
    /// is to count @p countedBytes for it (its echo).
    bool writePayload(const QByteArray& payload, qint64 countedBytes);
    /// Writes a composed draft and, with echo on, its TX line; false when refused.
    bool writeComposed(const PayloadComposer::Composed& composed);
    void writeBatchStep(const BatchStep& step);
    void createUpdateClients();
    /// The control lines and the file send, with their stored choices.
    void createLineServices();
    void onFileSendFinished(FileSender::Outcome outcome, const QString& fileName, qint64 bytes,
                            const QString& error);
    /// Puts a downloaded library document in use (and in the cache); false with the
    /// library's reason when it refuses the document.
    bool applyLibraryUpdate(const QByteArray& document, QString* error);

    QTimer* m_portPollTimer = nullptr;
    DeviceLibrary m_library;
    SettingsStore m_settings;
    EnvConfig m_env;
    DriverCheck m_driverCheck;
    SerialManager m_serial;
    LogManager m_log;
    RxReceiver m_rxReceiver{&m_log, [this] {
                                return m_serial.hasUnreadInput();
                            }};
    TxLedger m_txLedger;

    LibraryUpdateCoordinator* m_libraryUpdates = nullptr;
    AppUpdateCoordinator* m_appUpdates = nullptr;

    LogListModel* m_logModel = nullptr;
    LogSearch* m_logSearch = nullptr;
    LogFilterModel* m_logFilter = nullptr;
    HighlightRuleModel* m_highlightRules = nullptr;
    FieldMonitor* m_fields = nullptr;
    ContinuousLogState* m_continuousLog = nullptr;
    CommandListModel* m_commandModel = nullptr;
    PortListModel* m_portListModel = nullptr;
    ReconnectWatcher* m_reconnect = nullptr;
    CommandHistoryModel* m_historyModel = nullptr;
    HistoryRecall* m_historyRecall = nullptr;
    BatchCommandModel* m_batchModel = nullptr;
    BatchRunner* m_batchRunner = nullptr;
    SerialDefaultsGate* m_defaultsGate = nullptr;
    RepeatSender* m_repeatSender = nullptr;
    ControlLines* m_controlLines = nullptr;
    FileSender* m_fileSender = nullptr;
    std::shared_ptr<ControlLinePort> m_controlLinePort;

    QString m_selectedPortName;
    QString m_missingPortName;
    bool m_reselectOnReconnect = false;
    QString m_draftText;
    bool m_echoTx = true;
    bool m_sendAsHex = false;
    bool m_crcEnabled = false;
    PayloadComposer::TextLineEnd m_lineEnd = PayloadComposer::TextLineEnd::CrLf;
    bool m_settingsFailureReported = false;
};
