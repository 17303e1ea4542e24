#include "settings/settingsstore.h"

#include "settings/languagemanager.h"

#include <QFont>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSettings>
#include <QStyleHints>

#include <cmath>
#include <limits>

namespace {

const QString kLanguage = QStringLiteral("app/language");
const QString kSerialPort = QStringLiteral("serial/port");
const QString kSerialBaud = QStringLiteral("serial/baud");
const QString kSerialDataBits = QStringLiteral("serial/dataBits");
const QString kSerialParity = QStringLiteral("serial/parity");
const QString kSerialStopBits = QStringLiteral("serial/stopBits");
const QString kSerialFlow = QStringLiteral("serial/flowControl");
const QString kLastModel = QStringLiteral("device/lastModel");
const QString kCommandOrder = QStringLiteral("send/commandOrder");
const QString kWindowGeometry = QStringLiteral("window/geometry");
const QString kLastLogDirectory = QStringLiteral("log/lastDirectory");
const QString kHistory = QStringLiteral("send/history");
const QString kHistoryModes = QStringLiteral("send/historyModes");
const QString kContinuous = QStringLiteral("log/continuousEnabled");
const QString kCustomTemplates = QStringLiteral("send/customTemplates");
const QString kBatchCommands = QStringLiteral("send/batchCommands");
const QString kLogFontFamily = QStringLiteral("log/fontFamily");
const QString kLogFontSize = QStringLiteral("log/fontSize");
const QString kAppFontFamily = QStringLiteral("app/fontFamily");
const QString kAppFontSize = QStringLiteral("app/fontSize");
const QString kThemeMode = QStringLiteral("app/themeMode");
const QString kCachedLibrary = QStringLiteral("library/cachedJson");
const QString kLastCheckAt = QStringLiteral("library/lastCheckAt");
const QString kHighlightRules = QStringLiteral("log/highlightRules");
const QString kHintDismissed = QStringLiteral("device/ch340DriverHintDismissed");

// Pushes what was written to the storage and says so when it did not get there.
void commit(QSettings& settings)
{
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
        emit SettingsWriteMonitor::instance().writeFailed(settings.fileName());
    }
}

// The platform's interface font family, captured once: start-up asks for it
// before it replaces the application font with the user's choice, whether or
// not a family is stored.
QString defaultSystemFontFamily()
{
    static const QString family = QGuiApplication::font().family();
    return family;
}

QString stringMember(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

bool boolMember(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    return value.isBool() && value.toBool();
}

QJsonArray parseArray(const QByteArray& json)
{
    if (json.isEmpty()) {
        return {};
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) {
        return {};
    }
    return doc.array();
}

int platformColorScheme()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (auto* hints = QGuiApplication::styleHints()) {
        return int(hints->colorScheme());
    }
#endif
    return 0; // unknown
}

} // namespace

SettingsStore::SettingsStore(const QString& fileName, QSettings::Format format)
    : m_fileName(fileName)
    , m_format(format)
{}

template <typename Use> auto SettingsStore::withSettings(Use use) const
{
    if (m_fileName.isEmpty()) {
        QSettings settings;
        return use(settings);
    }
    QSettings settings(m_fileName, m_format);
    return use(settings);
}

QVariant SettingsStore::read(const QString& key, const QVariant& fallback) const
{
    return withSettings([&](const QSettings& settings) { return settings.value(key, fallback); });
}

void SettingsStore::writeAll(const QVariantMap& values, const QStringList& removed) const
{
    withSettings([&](QSettings& settings) {
        for (const QString& key : removed) {
            settings.remove(key);
        }
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            settings.setValue(it.key(), it.value());
        }
        commit(settings);
    });
}

void SettingsStore::write(const QString& key, const QVariant& value) const
{
    writeAll({{key, value}});
}

SettingsWriteMonitor& SettingsWriteMonitor::instance()
{
    static SettingsWriteMonitor monitor;
    return monitor;
}

QString SettingsStore::language() const
{
    const QVariant stored = read(kLanguage);
    if (stored.isValid()) {
        return stored.toString();
    }
    return languageForLocaleName(QLocale::system().name());
}

void SettingsStore::setLanguage(const QString& code)
{
    write(kLanguage, code);
}

QString SettingsStore::languageForLocaleName(const QString& localeName)
{
    const QString systemLanguage = localeName.section(QLatin1Char('_'), 0, 0);
    for (const LanguageInfo& info : LanguageManager::availableLanguages()) {
        if (info.code.section(QLatin1Char('_'), 0, 0) == systemLanguage) {
            return info.code;
        }
    }
    return QStringLiteral("en");
}

SerialConfig SettingsStore::lastSerialConfig() const
{
    SerialConfig config;
    config.portName = read(kSerialPort, QString()).toString();
    config.baudRate = read(kSerialBaud, 115200).toInt();
    config.dataBits = read(kSerialDataBits, 8).toInt();
    config.parity = read(kSerialParity, 0).toInt();
    config.stopBits = read(kSerialStopBits, 1).toInt();
    config.flowControl = read(kSerialFlow, 0).toInt();
    return config;
}

void SettingsStore::setLastSerialConfig(const SerialConfig& config)
{
    writeAll({{kSerialPort, config.portName},
              {kSerialBaud, config.baudRate},
              {kSerialDataBits, config.dataBits},
              {kSerialParity, config.parity},
              {kSerialStopBits, config.stopBits},
              {kSerialFlow, config.flowControl}});
}

QString SettingsStore::lastModelId() const
{
    return read(kLastModel, QString()).toString();
}

void SettingsStore::setLastModelId(const QString& id)
{
    write(kLastModel, id);
}

QStringList SettingsStore::commandOrder() const
{
    return read(kCommandOrder, QStringList()).toStringList();
}

void SettingsStore::setCommandOrder(const QStringList& order)
{
    write(kCommandOrder, order);
}

QByteArray SettingsStore::windowGeometry() const
{
    return read(kWindowGeometry, QByteArray()).toByteArray();
}

void SettingsStore::setWindowGeometry(const QByteArray& geometry)
{
    write(kWindowGeometry, geometry);
}

QString SettingsStore::lastLogDirectory() const
{
    return read(kLastLogDirectory, QString()).toString();
}

void SettingsStore::setLastLogDirectory(const QString& path)
{
    write(kLastLogDirectory, path);
}

QStringList SettingsStore::commandHistory() const
{
    return read(kHistory, QStringList()).toStringList();
}

void SettingsStore::setCommandHistory(const QStringList& history)
{
    write(kHistory, history);
}

QStringList SettingsStore::commandHistoryModes() const
{
    return read(kHistoryModes, QStringList()).toStringList();
}

void SettingsStore::setCommandHistory(const QStringList& history, const QStringList& modes)
{
    writeAll({{kHistory, history}, {kHistoryModes, modes}});
}

bool SettingsStore::continuousLoggingEnabled() const
{
    return read(kContinuous, false).toBool();
}

void SettingsStore::setContinuousLoggingEnabled(bool enabled)
{
    write(kContinuous, enabled);
}

QList<CustomCommandTemplate> SettingsStore::customTemplates() const
{
    return parseCustomTemplates(read(kCustomTemplates).toByteArray());
}

void SettingsStore::setCustomTemplates(const QList<CustomCommandTemplate>& templates)
{
    write(kCustomTemplates, serializeCustomTemplates(templates));
}

QList<BatchCommand> SettingsStore::batchCommands() const
{
    return parseBatchCommands(read(kBatchCommands).toByteArray());
}

void SettingsStore::setBatchCommands(const QList<BatchCommand>& batches)
{
    write(kBatchCommands, serializeBatchCommands(batches));
}

QList<HighlightRule> SettingsStore::highlightRules() const
{
    return HighlightRules::parse(read(kHighlightRules).toByteArray());
}

void SettingsStore::setHighlightRules(const QList<HighlightRule>& rules)
{
    write(kHighlightRules, HighlightRules::serialize(rules));
}

QList<CustomCommandTemplate> SettingsStore::parseCustomTemplates(const QByteArray& json)
{
    QList<CustomCommandTemplate> templates;
    const QJsonArray array = parseArray(json);
    templates.reserve(array.size());
    for (const QJsonValue& element : array) {
        const QJsonObject object = element.toObject();
        templates.append({stringMember(object, QStringLiteral("id")),
                          stringMember(object, QStringLiteral("name")),
                          stringMember(object, QStringLiteral("content"))});
    }
    return templates;
}

QByteArray SettingsStore::serializeCustomTemplates(const QList<CustomCommandTemplate>& templates)
{
    QJsonArray array;
    for (const CustomCommandTemplate& t : templates) {
        array.append(QJsonObject{{QStringLiteral("id"), t.id},
                                 {QStringLiteral("name"), t.name},
                                 {QStringLiteral("content"), t.content}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QList<BatchCommand> SettingsStore::parseBatchCommands(const QByteArray& json)
{
    QList<BatchCommand> batches;
    const QJsonArray array = parseArray(json);
    batches.reserve(array.size());
    for (const QJsonValue& element : array) {
        const QJsonObject object = element.toObject();
        BatchCommand batch;
        batch.id = stringMember(object, QStringLiteral("id"));
        batch.name = stringMember(object, QStringLiteral("name"));
        const QJsonValue interval = object.value(QStringLiteral("intervalMs"));
        batch.intervalMs = 500;
        if (interval.isDouble()) {
            const double value = interval.toDouble();
            // Integral values within range only; 250.5 or 1e12 keep the default.
            if (std::floor(value) == value && value >= std::numeric_limits<int>::min() &&
                value <= std::numeric_limits<int>::max()) {
                batch.intervalMs = int(value);
            }
        }
        const QJsonArray steps = object.value(QStringLiteral("steps")).toArray();
        for (const QJsonValue& stepValue : steps) {
            const QJsonObject object = stepValue.toObject();
            BatchStep step{stringMember(object, QStringLiteral("text")),
                           boolMember(object, QStringLiteral("isHex")),
                           boolMember(object, QStringLiteral("crc"))};
            // A step stored without a reply to wait for has none of these.
            step.expect = BatchStep::expectFromName(stringMember(object, QStringLiteral("expect")));
            if (step.expect != BatchStep::Expect::None) {
                step.expectPattern = stringMember(object, QStringLiteral("expectPattern"));
                const QJsonValue timeout = object.value(QStringLiteral("replyTimeoutMs"));
                if (timeout.isDouble()) {
                    step.replyTimeoutMs = BatchStep::boundedReplyTimeout(timeout.toDouble());
                }
                step.goOnWithoutReply =
                    stringMember(object, QStringLiteral("onNoReply")) == QLatin1String("goOn");
            }
            batch.steps.append(step);
        }
        batches.append(batch);
    }
    return batches;
}

QByteArray SettingsStore::serializeBatchCommands(const QList<BatchCommand>& batches)
{
    QJsonArray array;
    for (const BatchCommand& batch : batches) {
        QJsonArray steps;
        for (const BatchStep& step : batch.steps) {
            QJsonObject object{{QStringLiteral("text"), step.text},
                               {QStringLiteral("isHex"), step.isHex},
                               {QStringLiteral("crc"), step.crc}};
            // Only a step that waits gets the reply's keys, so a batch
            // without waits is stored exactly as it always was.
            if (step.expect != BatchStep::Expect::None) {
                object.insert(QStringLiteral("expect"), BatchStep::expectName(step.expect));
                object.insert(QStringLiteral("expectPattern"), step.expectPattern);
                object.insert(QStringLiteral("replyTimeoutMs"), step.replyTimeoutMs);
                object.insert(QStringLiteral("onNoReply"), step.goOnWithoutReply
                                                               ? QStringLiteral("goOn")
                                                               : QStringLiteral("stop"));
            }
            steps.append(object);
        }
        array.append(QJsonObject{{QStringLiteral("id"), batch.id},
                                 {QStringLiteral("name"), batch.name},
                                 {QStringLiteral("intervalMs"), batch.intervalMs},
                                 {QStringLiteral("steps"), steps}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QString SettingsStore::logFontFamily() const
{
    return read(kLogFontFamily, QStringLiteral("Consolas")).toString();
}

void SettingsStore::setLogFontFamily(const QString& family)
{
    write(kLogFontFamily, family);
}

int SettingsStore::logFontSize() const
{
    return qBound(MinLogFontSize, read(kLogFontSize, 13).toInt(), MaxLogFontSize);
}

void SettingsStore::setLogFontSize(int pixels)
{
    write(kLogFontSize, pixels);
}

void SettingsStore::captureDefaultSystemFontFamily()
{
    defaultSystemFontFamily();
}

QString SettingsStore::systemFontFamily() const
{
    const QVariant stored = read(kAppFontFamily);
    return stored.isValid() ? stored.toString() : defaultSystemFontFamily();
}

void SettingsStore::setSystemFontFamily(const QString& family)
{
    write(kAppFontFamily, family);
}

int SettingsStore::systemFontSize() const
{
    return qBound(MinSystemFontSize, read(kAppFontSize, 13).toInt(), MaxSystemFontSize);
}

void SettingsStore::setSystemFontSize(int pixels)
{
    write(kAppFontSize, pixels);
}

QString SettingsStore::themeMode() const
{
    const QVariant stored = read(kThemeMode);
    if (stored.isValid()) {
        return stored.toString() == QLatin1String("light") ? QStringLiteral("light")
                                                           : QStringLiteral("dark");
    }
    return themeForColorScheme(platformColorScheme());
}

void SettingsStore::setThemeMode(const QString& mode)
{
    write(kThemeMode,
          mode == QLatin1String("light") ? QStringLiteral("light") : QStringLiteral("dark"));
}

QString SettingsStore::themeForColorScheme(int scheme)
{
    // Qt::ColorScheme: 0 unknown, 1 light, 2 dark. Unknown reads as dark.
    return scheme == 1 ? QStringLiteral("light") : QStringLiteral("dark");
}

void SettingsStore::resetDisplayPreferences()
{
    writeAll({},
             {kLanguage, kLogFontFamily, kLogFontSize, kAppFontFamily, kAppFontSize, kThemeMode});
}

QString SettingsStore::cachedLibraryJson() const
{
    return read(kCachedLibrary, QString()).toString();
}

void SettingsStore::setCachedLibraryJson(const QString& json)
{
    write(kCachedLibrary, json);
}

void SettingsStore::removeCachedLibraryJson()
{
    writeAll({}, {kCachedLibrary});
}

QDateTime SettingsStore::lastLibraryCheckAt() const
{
    return read(kLastCheckAt, QDateTime()).toDateTime();
}

void SettingsStore::setLastLibraryCheckAt(const QDateTime& at)
{
    write(kLastCheckAt, at);
}

bool SettingsStore::ch340DriverHintDismissed() const
{
    return read(kHintDismissed, false).toBool();
}

void SettingsStore::setCh340DriverHintDismissed(bool dismissed)
{
    write(kHintDismissed, dismissed);
}

namespace {

const QString kFieldsPanel = QStringLiteral("view/fieldsPanel");

} // namespace

bool SettingsStore::fieldsPanelShown() const
{
    return read(kFieldsPanel, true).toBool();
}

void SettingsStore::setFieldsPanelShown(bool shown)
{
    write(kFieldsPanel, shown);
}
