#pragma once

#include "serial/serialconfig.h"
#include "settings/highlightrules.h"
#include "settings/records.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariantMap>

/// Announces, for the whole process, that a write did not reach the
/// settings storage (a read-only folder, a full disk).
class SettingsWriteMonitor : public QObject
{
    Q_OBJECT

public:
    static SettingsWriteMonitor& instance();

signals:
    void writeFailed(const QString& fileName);
};

/// Typed access to the persistent preferences. Holds only where they live:
/// every call opens the QSettings there, touches one key (or group) and
/// closes it again, so a write is visible to the next read at once.
class SettingsStore
{
public:
    /// The application's default settings (QSettings' default location).
    SettingsStore() = default;
    /// The settings in @p fileName, kept in @p format (a format of Qt's own or
    /// one registered with QSettings::registerFormat).
    SettingsStore(const QString& fileName, QSettings::Format format);

    QString language() const;
    void setLanguage(const QString& code);

    SerialConfig lastSerialConfig() const;
    void setLastSerialConfig(const SerialConfig& config);

    QString lastModelId() const;
    void setLastModelId(const QString& id);

    QStringList commandOrder() const;
    void setCommandOrder(const QStringList& order);

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);

    QString lastLogDirectory() const;
    void setLastLogDirectory(const QString& path);

    QStringList commandHistory() const;
    void setCommandHistory(const QStringList& history);
    /// How the history's texts were sent ("send/historyModes", beside the
    /// texts so that a version that knows only "send/history" still reads
    /// them); see CommandHistoryModel for the entries' form.
    QStringList commandHistoryModes() const;
    /// Writes the texts and their modes in one go.
    void setCommandHistory(const QStringList& history, const QStringList& modes);

    bool continuousLoggingEnabled() const;
    void setContinuousLoggingEnabled(bool enabled);

    QList<CustomCommandTemplate> customTemplates() const;
    void setCustomTemplates(const QList<CustomCommandTemplate>& templates);

    QList<BatchCommand> batchCommands() const;
    void setBatchCommands(const QList<BatchCommand>& batches);

    /// Font sizes read back within these bounds, so that a stored size that
    /// makes the window unusable never keeps the user from the settings.
    static constexpr int MinLogFontSize = 6;
    static constexpr int MaxLogFontSize = 72;
    static constexpr int MinSystemFontSize = 8;
    static constexpr int MaxSystemFontSize = 32;

    QString logFontFamily() const;
    void setLogFontFamily(const QString& family);
    int logFontSize() const;
    void setLogFontSize(int pixels);

    /// Takes the platform's interface font family as the default of
    /// systemFontFamily(); start-up calls it before it replaces the
    /// application font. Later calls change nothing.
    static void captureDefaultSystemFontFamily();
    QString systemFontFamily() const;
    void setSystemFontFamily(const QString& family);
    int systemFontSize() const;
    void setSystemFontSize(int pixels);

    /// "light" or "dark"; without a stored value, the platform colour scheme.
    QString themeMode() const;
    void setThemeMode(const QString& mode);

    /// Forgets the language, both fonts and the theme; everything else stays.
    void resetDisplayPreferences();

    /// A downloaded library as earlier versions kept it here; it now has a file of its own
    /// (LibraryCache), and this is read only to move it there.
    QString cachedLibraryJson() const;
    void setCachedLibraryJson(const QString& json);
    void removeCachedLibraryJson();

    QDateTime lastLibraryCheckAt() const;
    void setLastLibraryCheckAt(const QDateTime& at);

    bool ch340DriverHintDismissed() const;
    void setCh340DriverHintDismissed(bool dismissed);

    /// Device paths the user opened, most recent first ("serial/recentPaths").
    QStringList recentPortPaths() const;
    void setRecentPortPaths(const QStringList& paths);

    /// Whether a port whose device went away is reopened when it comes back
    /// ("serial/autoReconnect", on unless the user turned it off).
    bool autoReconnect() const;
    void setAutoReconnect(bool enabled);

    /// Whether the panel of received fields (their table and plot) is shown
    /// ("view/fieldsPanel", shown unless the user hid it).
    bool fieldsPanelShown() const;
    void setFieldsPanelShown(bool shown);
    /// Whether Enter alone sends the draft, Shift+Enter then starting a new
    /// line ("send/enterSends", off unless the user turned it on).
    bool enterSends() const;
    void setEnterSends(bool enabled);
    /// What a text send puts after the text ("send/lineEnd", a
    /// PayloadComposer::TextLineEnd code; CR LF unless the user chose another).
    int textLineEnd() const;
    void setTextLineEnd(int code);

    /// The state of DTR and RTS right after an open ("serial/dtrOnOpen",
    /// "serial/rtsOnOpen"; asserted, as the system leaves them, unless the
    /// user chose released).
    bool dtrOnOpen() const;
    void setDtrOnOpen(bool asserted);
    bool rtsOnOpen() const;
    void setRtsOnOpen(bool asserted);
    /// The line "Reset device" pulses ("serial/resetLine": 0 DTR, 1 RTS) and
    /// for how long ("serial/resetPulseMs", 100 unless chosen; the caller
    /// bounds it).
    int resetLine() const;
    void setResetLine(int line);
    int resetPulseMs() const;
    void setResetPulseMs(int ms);

    /// How a file is sent: as text line by line ("send/fileAsText", off:
    /// raw bytes) with a pause after each line or piece ("send/filePauseMs").
    bool fileAsText() const;
    void setFileAsText(bool asText);
    int filePauseMs() const;
    void setFilePauseMs(int ms);

    /// Whether received bytes are cut into frames by silence rather than into
    /// lines ("receive/framing": "silence", or "lines", the default for any
    /// other value).
    bool framesBySilence() const;
    void setFramesBySilence(bool on);
    /// The silence that ends a received frame ("receive/framePauseMs"),
    /// MinFramePauseMs to MaxFramePauseMs; DefaultFramePauseMs when unset or
    /// not a number.
    int framePauseMs() const;
    void setFramePauseMs(int ms);
    static constexpr int MinFramePauseMs = 1;
    static constexpr int MaxFramePauseMs = 1000;
    static constexpr int DefaultFramePauseMs = 20;

    /// The rules that colour lines of the log ("log/highlightRules").
    QList<HighlightRule> highlightRules() const;
    void setHighlightRules(const QList<HighlightRule>& rules);

    /// The default language for a system locale name such as "zh_TW":
    /// the first table entry with the same language part, else "en".
    static QString languageForLocaleName(const QString& localeName);
    /// The theme for a platform colour scheme: "light" only for a light one.
    static QString themeForColorScheme(int scheme);

    static QList<CustomCommandTemplate> parseCustomTemplates(const QByteArray& json);
    static QByteArray serializeCustomTemplates(const QList<CustomCommandTemplate>& templates);
    static QList<BatchCommand> parseBatchCommands(const QByteArray& json);
    static QByteArray serializeBatchCommands(const QList<BatchCommand>& batches);

private:
    /// Calls @p use with the QSettings where the preferences live.
    template <typename Use> auto withSettings(Use use) const;
    QVariant read(const QString& key, const QVariant& fallback = {}) const;
    /// Stores every value of @p values and drops every key of @p removed, in
    /// one write of the storage.
    void writeAll(const QVariantMap& values, const QStringList& removed = {}) const;
    void write(const QString& key, const QVariant& value) const;

    // Empty for the application's default settings.
    QString m_fileName;
    QSettings::Format m_format = QSettings::NativeFormat;
};
