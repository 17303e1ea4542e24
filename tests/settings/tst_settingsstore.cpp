#include "settings/settingsstore.h"
#include "support/testsupport.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

char* toString(const CustomCommandTemplate& t)
{
    return QTest::toString(
        QStringLiteral("{id=%1 name=%2 content=%3}").arg(t.id, t.name, t.content));
}

char* toString(const BatchCommand& b)
{
    QStringList steps;
    for (const BatchStep& s : b.steps) {
        steps << QStringLiteral("(%1 hex=%2 crc=%3 expect=%4 \"%5\" %6ms goOn=%7)")
                     .arg(s.text)
                     .arg(s.isHex)
                     .arg(s.crc)
                     .arg(int(s.expect))
                     .arg(s.expectPattern)
                     .arg(s.replyTimeoutMs)
                     .arg(s.goOnWithoutReply);
    }
    return QTest::toString(QStringLiteral("{id=%1 name=%2 interval=%3 steps=%4}")
                               .arg(b.id, b.name)
                               .arg(b.intervalMs)
                               .arg(steps.join(QLatin1Char(' '))));
}

namespace {

const QStringList kSerialKeys = {
    QStringLiteral("serial/port"),     QStringLiteral("serial/baud"),
    QStringLiteral("serial/dataBits"), QStringLiteral("serial/parity"),
    QStringLiteral("serial/stopBits"), QStringLiteral("serial/flowControl"),
};

const QStringList kDisplayKeys = {
    QStringLiteral("app/language"), QStringLiteral("log/fontFamily"),
    QStringLiteral("log/fontSize"), QStringLiteral("app/fontFamily"),
    QStringLiteral("app/fontSize"), QStringLiteral("app/themeMode"),
};

const QString kTemplatesKey = QStringLiteral("send/customTemplates");
const QString kBatchesKey = QStringLiteral("send/batchCommands");

using Templates = QList<CustomCommandTemplate>;
using Batches = QList<BatchCommand>;

struct KeySample
{
    QString key;
    QVariant defaultValue;
    QVariant sample; // differs from the default
};

QString platformFontFamily;

void addTextRow(const char* name, const QString& input, const QString& expected)
{
    QTest::newRow(name) << input << expected;
}

QList<KeySample> keySamples()
{
    const Templates templates = {
        {QStringLiteral("5d1c"), QStringLiteral("Read"), QStringLiteral("{\"cmd\":\"read\"}")},
    };
    const Batches batches = {
        {QStringLiteral("b1"),
         QStringLiteral("Boot"),
         250,
         {{QStringLiteral("AT"), false, false}, {QStringLiteral("01 03"), true, true}}},
    };
    const QString cachedJson = QStringLiteral("{\n  \"models\": [\"温湿度\"]\n}\n");
    return {
        {QStringLiteral("app/language"),
         SettingsStore::languageForLocaleName(QLocale::system().name()), QStringLiteral("ko")},
        {QStringLiteral("serial/port"), QString(), QStringLiteral("/dev/ttyUSB3")},
        {QStringLiteral("serial/baud"), 115200, 9600},
        {QStringLiteral("serial/dataBits"), 8, 7},
        {QStringLiteral("serial/parity"), 0, 2},
        {QStringLiteral("serial/stopBits"), 1, 3},
        {QStringLiteral("serial/flowControl"), 0, 2},
        {QStringLiteral("device/lastModel"), QString(), QStringLiteral("env-sensor-v2")},
        {QStringLiteral("send/commandOrder"), QStringList(),
         QStringList{QStringLiteral("b"), QStringLiteral("a, c"), QStringLiteral("@x")}},
        {QStringLiteral("window/geometry"), QByteArray(),
         QByteArray("\x01\x00\xff\n=geometry;", 15)},
        {QStringLiteral("log/lastDirectory"), QString(), QStringLiteral("/home/u/My Logs")},
        {QStringLiteral("send/history"), QStringList(),
         QStringList{QStringLiteral("AT+RST"), QStringLiteral("{\"a\":1, \"b\":\"x=y\"}")}},
        {QStringLiteral("log/continuousEnabled"), false, true},
        {kTemplatesKey, QVariant::fromValue(Templates()), QVariant::fromValue(templates)},
        {kBatchesKey, QVariant::fromValue(Batches()), QVariant::fromValue(batches)},
        {QStringLiteral("log/fontFamily"), QStringLiteral("Consolas"),
         QStringLiteral("DejaVu Sans Mono")},
        {QStringLiteral("log/fontSize"), 13, 17},
        {QStringLiteral("app/fontFamily"), platformFontFamily, QStringLiteral("Noto Sans")},
        {QStringLiteral("app/fontSize"), 13, 11},
        // Qt 6.4 reports no colour scheme, which reads as dark.
        {QStringLiteral("app/themeMode"), QStringLiteral("dark"), QStringLiteral("light")},
        {QStringLiteral("library/cachedJson"), QString(), cachedJson},
        {QStringLiteral("library/lastCheckAt"), QDateTime(),
         QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 123), Qt::UTC)},
        {QStringLiteral("device/ch340DriverHintDismissed"), false, true},
    };
}

// Every key's value as the typed getters of @p store report it.
QHash<QString, QVariant> storedValues(const SettingsStore& store = {})
{
    const SerialConfig config = store.lastSerialConfig();
    return {
        {QStringLiteral("app/language"), store.language()},
        {QStringLiteral("serial/port"), config.portName},
        {QStringLiteral("serial/baud"), config.baudRate},
        {QStringLiteral("serial/dataBits"), config.dataBits},
        {QStringLiteral("serial/parity"), config.parity},
        {QStringLiteral("serial/stopBits"), config.stopBits},
        {QStringLiteral("serial/flowControl"), config.flowControl},
        {QStringLiteral("device/lastModel"), store.lastModelId()},
        {QStringLiteral("send/commandOrder"), store.commandOrder()},
        {QStringLiteral("window/geometry"), store.windowGeometry()},
        {QStringLiteral("log/lastDirectory"), store.lastLogDirectory()},
        {QStringLiteral("send/history"), store.commandHistory()},
        {QStringLiteral("log/continuousEnabled"), store.continuousLoggingEnabled()},
        {kTemplatesKey, QVariant::fromValue(store.customTemplates())},
        {kBatchesKey, QVariant::fromValue(store.batchCommands())},
        {QStringLiteral("log/fontFamily"), store.logFontFamily()},
        {QStringLiteral("log/fontSize"), store.logFontSize()},
        {QStringLiteral("app/fontFamily"), store.systemFontFamily()},
        {QStringLiteral("app/fontSize"), store.systemFontSize()},
        {QStringLiteral("app/themeMode"), store.themeMode()},
        {QStringLiteral("library/cachedJson"), store.cachedLibraryJson()},
        {QStringLiteral("library/lastCheckAt"), store.lastLibraryCheckAt()},
        {QStringLiteral("device/ch340DriverHintDismissed"), store.ch340DriverHintDismissed()},
    };
}

QVariant storedValue(const QString& key, const SettingsStore& store = {})
{
    const QHash<QString, QVariant> values = storedValues(store);
    if (!values.contains(key)) {
        qFatal("no getter for %s", qPrintable(key));
    }
    return values.value(key);
}

// Writes one key through the store's typed setter; a serial key goes in as
// part of the whole configuration, the other five fields as read.
void storeValue(const QString& key, const QVariant& value, SettingsStore store = {})
{
    if (kSerialKeys.contains(key)) {
        SerialConfig config = store.lastSerialConfig();
        const int index = kSerialKeys.indexOf(key);
        int* const fields[] = {nullptr,        &config.baudRate, &config.dataBits,
                               &config.parity, &config.stopBits, &config.flowControl};
        if (index == 0) {
            config.portName = value.toString();
        } else {
            *fields[index] = value.toInt();
        }
        store.setLastSerialConfig(config);
    } else if (key == QLatin1String("app/language")) {
        store.setLanguage(value.toString());
    } else if (key == QLatin1String("device/lastModel")) {
        store.setLastModelId(value.toString());
    } else if (key == QLatin1String("send/commandOrder")) {
        store.setCommandOrder(value.toStringList());
    } else if (key == QLatin1String("window/geometry")) {
        store.setWindowGeometry(value.toByteArray());
    } else if (key == QLatin1String("log/lastDirectory")) {
        store.setLastLogDirectory(value.toString());
    } else if (key == QLatin1String("send/history")) {
        store.setCommandHistory(value.toStringList());
    } else if (key == QLatin1String("log/continuousEnabled")) {
        store.setContinuousLoggingEnabled(value.toBool());
    } else if (key == kTemplatesKey) {
        store.setCustomTemplates(value.value<Templates>());
    } else if (key == kBatchesKey) {
        store.setBatchCommands(value.value<Batches>());
    } else if (key == QLatin1String("log/fontFamily")) {
        store.setLogFontFamily(value.toString());
    } else if (key == QLatin1String("log/fontSize")) {
        store.setLogFontSize(value.toInt());
    } else if (key == QLatin1String("app/fontFamily")) {
        store.setSystemFontFamily(value.toString());
    } else if (key == QLatin1String("app/fontSize")) {
        store.setSystemFontSize(value.toInt());
    } else if (key == QLatin1String("app/themeMode")) {
        store.setThemeMode(value.toString());
    } else if (key == QLatin1String("library/cachedJson")) {
        store.setCachedLibraryJson(value.toString());
    } else if (key == QLatin1String("library/lastCheckAt")) {
        store.setLastLibraryCheckAt(value.toDateTime());
    } else if (key == QLatin1String("device/ch340DriverHintDismissed")) {
        store.setCh340DriverHintDismissed(value.toBool());
    } else {
        qFatal("no setter for %s", qPrintable(key));
    }
}

void storeAllSamples()
{
    for (const KeySample& s : keySamples()) {
        storeValue(s.key, s.sample);
    }
}

QStringList sortedKeys()
{
    QStringList keys = QSettings().allKeys();
    keys.sort();
    return keys;
}

QByteArray rawBytes(const QString& key)
{
    return QSettings().value(key).toByteArray();
}

} // namespace

/// The persistent preferences against a real, private QSettings store.
class TstSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaults_data();
    void defaults();
    void languageForLocaleName_data();
    void languageForLocaleName();
    void defaultLanguageFollowsSystemLocale_data();
    void defaultLanguageFollowsSystemLocale();
    void themeForColorScheme_data();
    void themeForColorScheme();
    void defaultFontFamilyIsTakenOnce();

    void roundTrip_data();
    void roundTrip();
    void stringLists_data();
    void stringLists();

    void nonNumberForIntKey_data();
    void nonNumberForIntKey();
    void storedLanguageIsReturnedAsStored_data();
    void storedLanguageIsReturnedAsStored();
    void storedTheme_data();
    void storedTheme();
    void setThemeModeStoresOnlyLightOrDark_data();
    void setThemeModeStoresOnlyLightOrDark();

    void readTemplates_data();
    void readTemplates();
    void readBatches_data();
    void readBatches();
    void batchesWithoutWaitsStayAsTheyWere();
    void waitingStepsRoundTrip();
    void unreadableListStaysUntilNextWrite();
    void emptyListsStoreBrackets();
    void writtenJsonIsCompactAndTyped();

    void receiveFraming_data();
    void receiveFraming();

    void resetDisplayPreferences();
    void ownFile_data();
    void ownFile();
};

void TstSettingsStore::initTestCase()
{
    korveltest::isolateSettings();
    platformFontFamily = QGuiApplication::font().family();
}

void TstSettingsStore::init()
{
    QSettings().clear();
    QVERIFY(QSettings().allKeys().isEmpty());
}

void TstSettingsStore::defaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    const QList<KeySample> samples = keySamples();
    QCOMPARE(samples.size(), 23);
    for (const KeySample& s : samples) {
        QTest::newRow(qPrintable(s.key)) << s.key << s.defaultValue;
    }
}

void TstSettingsStore::defaults()
{
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    QCOMPARE(storedValue(key), expected);
    // Reading a default must not write it.
    QCOMPARE(QSettings().allKeys(), QStringList());
}

void TstSettingsStore::languageForLocaleName_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    addTextRow("zh_TW", "zh_TW", "zh_CN");
    addTextRow("zh_HK", "zh_HK", "zh_CN");
    addTextRow("zh_CN", "zh_CN", "zh_CN");
    addTextRow("de_DE", "de_DE", "en");
    addTextRow("ja_JP", "ja_JP", "ja");
    addTextRow("ko_KR", "ko_KR", "ko");
    addTextRow("ru_RU", "ru_RU", "ru");
    addTextRow("fr_CA", "fr_CA", "fr");
    addTextRow("it_CH", "it_CH", "it");
    addTextRow("en_GB", "en_GB", "en");
    addTextRow("language only", "ja", "ja");
    addTextRow("C", "C", "en");
    addTextRow("empty", "", "en");
    addTextRow("case-sensitive", "JA_JP", "en");
}

void TstSettingsStore::languageForLocaleName()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(SettingsStore::languageForLocaleName(locale), expected);
}

void TstSettingsStore::defaultLanguageFollowsSystemLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    addTextRow("zh_TW", "zh_TW.UTF-8", "zh_CN");
    addTextRow("zh_HK", "zh_HK.UTF-8", "zh_CN");
    addTextRow("de_DE", "de_DE.UTF-8", "en");
    addTextRow("ja_JP", "ja_JP.UTF-8", "ja");
    addTextRow("fr_CA", "fr_CA.UTF-8", "fr");
    addTextRow("C", "C", "en");
}

// The system locale is fixed when the process starts, so each locale runs in
// a child process of this executable (see main()).
void TstSettingsStore::defaultLanguageFollowsSystemLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys()) {
        if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANG") ||
            name == QLatin1String("LANGUAGE")) {
            env.remove(name);
        }
    }
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("KORVEL_PRINT_DEFAULT_LANGUAGE"), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(child.waitForFinished(30000), qPrintable(child.errorString()));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), expected);
}

void TstSettingsStore::themeForColorScheme_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unknown") << 0 << "dark";
    QTest::newRow("light") << 1 << "light";
    QTest::newRow("dark") << 2 << "dark";
}

void TstSettingsStore::themeForColorScheme()
{
    QFETCH(int, scheme);
    QFETCH(QString, expected);
    QCOMPARE(SettingsStore::themeForColorScheme(scheme), expected);
}

void TstSettingsStore::defaultFontFamilyIsTakenOnce()
{
    // Start-up later replaces the application font with the stored one; the
    // default must still be the platform's family.
    QCOMPARE(SettingsStore().systemFontFamily(), platformFontFamily);
    const QFont original = QGuiApplication::font();
    QFont replaced = original;
    replaced.setFamily(QStringLiteral("KorvelReplacedFamily"));
    QGuiApplication::setFont(replaced);
    const QString afterReplace = SettingsStore().systemFontFamily();
    QGuiApplication::setFont(original);
    QCOMPARE(afterReplace, platformFontFamily);
}

void TstSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    for (const KeySample& s : keySamples()) {
        QTest::newRow(qPrintable(s.key)) << s.key << s.sample;
    }
}

void TstSettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    storeValue(key, value);
    QCOMPARE(storedValue(key), value);

    // The setter writes under exactly this name (the serial configuration as
    // its six keys) and nothing else.
    QStringList expectedKeys = kSerialKeys.contains(key) ? kSerialKeys : QStringList{key};
    expectedKeys.sort();
    QCOMPARE(sortedKeys(), expectedKeys);

    if (key == kTemplatesKey || key == kBatchesKey) {
        return; // raw JSON is checked on its own
    }
    QVariant raw = QSettings().value(key);
    QVERIFY(raw.convert(value.metaType()));
    QCOMPARE(raw, value);
}

void TstSettingsStore::stringLists_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("list");
    for (const QString& key :
         {QStringLiteral("send/history"), QStringLiteral("send/commandOrder")}) {
        const auto row = [&](const char* name) {
            return &QTest::newRow(qPrintable(key + QLatin1Char(' ') + QLatin1String(name)));
        };
        *row("empty") << key << QStringList();
        *row("one") << key << QStringList{QStringLiteral("AT")};
        *row("one empty string") << key << QStringList{QString()};
        *row("two empty strings") << key << QStringList{QString(), QString()};
        *row("awkward") << key
                        << QStringList{QStringLiteral(" padded "),    QStringLiteral("a,b"),
                                       QStringLiteral("@Invalid()"),  QStringLiteral("x\ny"),
                                       QStringLiteral("\"q\" \\ ;#"), QStringLiteral("温度")};
    }
}

void TstSettingsStore::stringLists()
{
    QFETCH(QString, key);
    QFETCH(QStringList, list);
    // Start from a non-empty list so that an empty write has to replace it.
    storeValue(key, QStringList{QStringLiteral("old1"), QStringLiteral("old2")});
    storeValue(key, list);
    QCOMPARE(storedValue(key).toStringList(), list);
}

void TstSettingsStore::nonNumberForIntKey_data()
{
    QTest::addColumn<QString>("key");
    for (const KeySample& s : keySamples()) {
        if (s.sample.typeId() == QMetaType::Int) {
            QTest::newRow(qPrintable(s.key)) << s.key;
        }
    }
}

void TstSettingsStore::nonNumberForIntKey()
{
    QFETCH(QString, key);
    storeAllSamples();
    QSettings().setValue(key, QStringLiteral("fast"));
    // Font sizes read within their bounds: a non-number is the smallest size.
    const int expected = key == QLatin1String("log/fontSize")   ? SettingsStore::MinLogFontSize
                         : key == QLatin1String("app/fontSize") ? SettingsStore::MinSystemFontSize
                                                                : 0;
    QCOMPARE(storedValue(key), QVariant(expected));
    for (const KeySample& s : keySamples()) {
        if (s.key != key) {
            QCOMPARE(storedValue(s.key), s.sample);
        }
    }
}

void TstSettingsStore::storedLanguageIsReturnedAsStored_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("unknown code") << "xx";
    QTest::newRow("empty") << "";
    QTest::newRow("other case") << "ZH_cn";
    QTest::newRow("table code") << "zh_TW";
}

void TstSettingsStore::storedLanguageIsReturnedAsStored()
{
    QFETCH(QString, stored);
    QSettings().setValue(QStringLiteral("app/language"), stored);
    QCOMPARE(SettingsStore().language(), stored);
}

void TstSettingsStore::storedTheme_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("light") << QVariant(QStringLiteral("light")) << "light";
    QTest::newRow("dark") << QVariant(QStringLiteral("dark")) << "dark";
    QTest::newRow("Light") << QVariant(QStringLiteral("Light")) << "dark";
    QTest::newRow("system") << QVariant(QStringLiteral("system")) << "dark";
    QTest::newRow("empty") << QVariant(QString()) << "dark";
    QTest::newRow("padded") << QVariant(QStringLiteral("light ")) << "dark";
    QTest::newRow("number") << QVariant(1) << "dark";
}

void TstSettingsStore::storedTheme()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QSettings().setValue(QStringLiteral("app/themeMode"), stored);
    QCOMPARE(SettingsStore().themeMode(), expected);
}

void TstSettingsStore::setThemeModeStoresOnlyLightOrDark_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("stored");
    addTextRow("light", "light", "light");
    addTextRow("dark", "dark", "dark");
    addTextRow("system", "system", "dark");
    addTextRow("Light", "Light", "dark");
    addTextRow("empty", "", "dark");
}

void TstSettingsStore::setThemeModeStoresOnlyLightOrDark()
{
    QFETCH(QString, mode);
    QFETCH(QString, stored);
    SettingsStore().setThemeMode(mode);
    QCOMPARE(QSettings().value(QStringLiteral("app/themeMode")).toString(), stored);
    QCOMPARE(SettingsStore().themeMode(), stored);
}

void TstSettingsStore::readTemplates_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<Templates>("expected");
    const CustomCommandTemplate blank;
    QTest::newRow("unparsable") << QByteArray("[{\"id\":") << Templates();
    QTest::newRow("trailing garbage") << QByteArray("[] x") << Templates();
    QTest::newRow("top-level object") << QByteArray("{\"id\":\"a\"}") << Templates();
    QTest::newRow("top-level string") << QByteArray("\"[]\"") << Templates();
    QTest::newRow("empty bytes") << QByteArray() << Templates();
    QTest::newRow("empty array") << QByteArray("[]") << Templates();
    QTest::newRow("id only, then a number")
        << QByteArray("[{\"id\":\"a\"},7]")
        << Templates{{QStringLiteral("a"), QString(), QString()}, blank};
    QTest::newRow("non-string values")
        << QByteArray("[{\"id\":1,\"name\":true,\"content\":null}]") << Templates{blank};
    QTest::newRow("array and null elements")
        << QByteArray("[[\"a\"],null]") << Templates{blank, blank};
    QTest::newRow("duplicates kept, order kept")
        << QByteArray("[{\"id\":\"b\",\"name\":\"B\",\"content\":\"2\",\"x\":0},"
                      "{\"id\":\"a\",\"name\":\"A\",\"content\":\"1\"},"
                      "{\"id\":\"b\",\"name\":\"B\",\"content\":\"2\"}]")
        << Templates{{QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("2")},
                     {QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("1")},
                     {QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("2")}};
}

void TstSettingsStore::readTemplates()
{
    QFETCH(QByteArray, json);
    QFETCH(Templates, expected);
    QSettings().setValue(kTemplatesKey, json);
    QCOMPARE(SettingsStore().customTemplates(), expected);
}

void TstSettingsStore::readBatches_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<Batches>("expected");
    const auto batch = [](int interval, QList<BatchStep> steps = {}) {
        return BatchCommand{QStringLiteral("i"), QStringLiteral("n"), interval, steps};
    };
    QTest::newRow("unparsable") << QByteArray("[{") << Batches();
    QTest::newRow("top-level object") << QByteArray("{\"steps\":[]}") << Batches();
    QTest::newRow("empty bytes") << QByteArray() << Batches();
    QTest::newRow("empty array") << QByteArray("[]") << Batches();
    QTest::newRow("no intervalMs")
        << QByteArray(R"([{"id":"i","name":"n"}])") << Batches{batch(500)};
    QTest::newRow("fractional interval")
        << QByteArray(R"([{"id":"i","name":"n","intervalMs":250.5}])") << Batches{batch(500)};
    QTest::newRow("interval as string")
        << QByteArray(R"([{"id":"i","name":"n","intervalMs":"250"}])") << Batches{batch(500)};
    QTest::newRow("interval beyond int")
        << QByteArray(R"([{"id":"i","name":"n","intervalMs":1e12}])") << Batches{batch(500)};
    QTest::newRow("interval zero is kept")
        << QByteArray(R"([{"id":"i","name":"n","intervalMs":0}])") << Batches{batch(0)};
    QTest::newRow("interval int max")
        << QByteArray(R"([{"id":"i","name":"n","intervalMs":2147483647}])")
        << Batches{batch(2147483647)};
    QTest::newRow("steps a string")
        << QByteArray(R"([{"id":"i","name":"n","intervalMs":100,"steps":"AT"}])")
        << Batches{batch(100)};
    QTest::newRow("step flags not bool")
        << QByteArray(R"([{"id":"i","name":"n","intervalMs":100,"steps":[)"
                      R"({"text":"a","isHex":"true","crc":1},)"
                      R"({"text":"b","isHex":true,"crc":null},)"
                      R"({"text":5,"isHex":false,"crc":true},)"
                      R"("loose"]}])")
        << Batches{batch(100, {{QStringLiteral("a"), false, false},
                               {QStringLiteral("b"), true, false},
                               {QString(), false, true},
                               {QString(), false, false}})};
    QTest::newRow("element not an object")
        << QByteArray("[3]") << Batches{BatchCommand{QString(), QString(), 500, {}}};

    const auto waiting = [](BatchStep::Expect expect, const QString& pattern, int timeoutMs,
                            bool goOn) {
        BatchStep step(QStringLiteral("q"));
        step.expect = expect;
        step.expectPattern = pattern;
        step.replyTimeoutMs = timeoutMs;
        step.goOnWithoutReply = goOn;
        return step;
    };
    const auto oneStep = [&](const char* stepJson) {
        return QByteArray(R"([{"id":"i","name":"n","intervalMs":100,"steps":[)") + stepJson + "]}]";
    };
    using E = BatchStep::Expect;
    QTest::newRow("wait for text")
        << oneStep(R"({"text":"q","expect":"text","expectPattern":"OK","replyTimeoutMs":250,)"
                   R"("onNoReply":"goOn"})")
        << Batches{batch(100, {waiting(E::Text, "OK", 250, true)})};
    QTest::newRow("wait for hex, stop by default")
        << oneStep(R"({"text":"q","expect":"hex","expectPattern":"01 ??"})")
        << Batches{batch(100, {waiting(E::Hex, "01 ??", 1000, false)})};
    QTest::newRow("timeout below the bound")
        << oneStep(R"({"text":"q","expect":"regex","expectPattern":"x","replyTimeoutMs":0})")
        << Batches{batch(100, {waiting(E::Regex, "x", 1, false)})};
    QTest::newRow("timeout beyond the bound")
        << oneStep(R"({"text":"q","expect":"regex","expectPattern":"x","replyTimeoutMs":1e300})")
        << Batches{batch(100, {waiting(E::Regex, "x", 60000, false)})};
    QTest::newRow("timeout negative")
        << oneStep(R"({"text":"q","expect":"text","expectPattern":"x","replyTimeoutMs":-5})")
        << Batches{batch(100, {waiting(E::Text, "x", 1, false)})};
    QTest::newRow("timeout as string keeps the default")
        << oneStep(R"({"text":"q","expect":"text","expectPattern":"x","replyTimeoutMs":"9"})")
        << Batches{batch(100, {waiting(E::Text, "x", 1000, false)})};
    QTest::newRow("unknown onNoReply stops")
        << oneStep(R"({"text":"q","expect":"text","expectPattern":"x","onNoReply":true})")
        << Batches{batch(100, {waiting(E::Text, "x", 1000, false)})};
    // A kind this version does not know (or no kind) waits for nothing, and
    // then nothing of a reply is kept.
    QTest::newRow("unknown kind waits for nothing")
        << oneStep(R"({"text":"q","expect":"crc","expectPattern":"x","replyTimeoutMs":5})")
        << Batches{batch(100, {BatchStep(QStringLiteral("q"))})};
    QTest::newRow("kind not a string") << oneStep(R"({"text":"q","expect":2,"expectPattern":"x"})")
                                       << Batches{batch(100, {BatchStep(QStringLiteral("q"))})};
    QTest::newRow("pattern not a string")
        << oneStep(R"({"text":"q","expect":"text","expectPattern":["OK"]})")
        << Batches{batch(100, {waiting(E::Text, QString(), 1000, false)})};
}

void TstSettingsStore::readBatches()
{
    QFETCH(QByteArray, json);
    QFETCH(Batches, expected);
    QSettings().setValue(kBatchesKey, json);
    QCOMPARE(SettingsStore().batchCommands(), expected);
}

// Batches stored before steps could wait load as they were and are written
// back byte for byte: the reply's keys appear only on steps that wait.
void TstSettingsStore::batchesWithoutWaitsStayAsTheyWere()
{
    QFile fixture(qEnvironmentVariable("KORVEL_TEST_DATA") +
                  QStringLiteral("/settings/batches-without-waits.json"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QByteArray stored = fixture.readAll();
    QSettings().setValue(kBatchesKey, stored);

    SettingsStore store;
    const Batches batches = store.batchCommands();
    QCOMPARE(batches.size(), 2);
    QCOMPARE(batches.at(0).steps.size(), 3);
    QCOMPARE(batches.at(0).steps.at(1), BatchStep(QStringLiteral("01 03 00 00 00 01"), true, true));
    for (const BatchStep& step : batches.at(0).steps) {
        QCOMPARE(step.expect, BatchStep::Expect::None);
    }
    store.setBatchCommands(batches);
    QCOMPARE(rawBytes(kBatchesKey), stored);
}

void TstSettingsStore::waitingStepsRoundTrip()
{
    BatchStep text(QStringLiteral("AT"));
    text.expect = BatchStep::Expect::Text;
    text.expectPattern = QStringLiteral("OK \"ready\"");
    text.replyTimeoutMs = 1;
    BatchStep regex(QStringLiteral("READ"));
    regex.expect = BatchStep::Expect::Regex;
    regex.expectPattern = QStringLiteral("T=\\d+\\r\\n");
    regex.replyTimeoutMs = BatchStep::MaxReplyTimeoutMs;
    regex.goOnWithoutReply = true;
    BatchStep hex(QStringLiteral("01 03 00 00 00 01"), true, true);
    hex.expect = BatchStep::Expect::Hex;
    hex.expectPattern = QStringLiteral("01 03 02 ?? ??");
    const Batches batches = {{QStringLiteral("b"),
                              QStringLiteral("Modbus"),
                              20,
                              {text, BatchStep(QStringLiteral("plain")), regex, hex}}};
    SettingsStore().setBatchCommands(batches);
    QCOMPARE(SettingsStore().batchCommands(), batches);

    const QJsonArray steps =
        QJsonDocument::fromJson(rawBytes(kBatchesKey)).array().at(0)["steps"].toArray();
    QCOMPARE(steps.at(0).toObject().keys(), (QStringList{"crc", "expect", "expectPattern", "isHex",
                                                         "onNoReply", "replyTimeoutMs", "text"}));
    QCOMPARE(steps.at(1).toObject().keys(), (QStringList{"crc", "isHex", "text"}));
    QCOMPARE(steps.at(2)["onNoReply"].toString(), QStringLiteral("goOn"));
    QCOMPARE(steps.at(3)["onNoReply"].toString(), QStringLiteral("stop"));
    QCOMPARE(steps.at(3)["expect"].toString(), QStringLiteral("hex"));
}

void TstSettingsStore::unreadableListStaysUntilNextWrite()
{
    const QByteArray garbage("not json");
    QSettings().setValue(kTemplatesKey, garbage);
    QVERIFY(SettingsStore().customTemplates().isEmpty());
    QCOMPARE(rawBytes(kTemplatesKey), garbage);

    const Templates templates = {{QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("x")}};
    SettingsStore().setCustomTemplates(templates);
    QCOMPARE(SettingsStore().customTemplates(), templates);
}

void TstSettingsStore::emptyListsStoreBrackets()
{
    SettingsStore store;
    store.setCustomTemplates({{QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("x")}});
    store.setBatchCommands({BatchCommand{QStringLiteral("b"), QStringLiteral("B"), 10, {}}});
    store.setCustomTemplates({});
    store.setBatchCommands({});
    QCOMPARE(rawBytes(kTemplatesKey), QByteArray("[]"));
    QCOMPARE(rawBytes(kBatchesKey), QByteArray("[]"));
    QVERIFY(store.customTemplates().isEmpty());
    QVERIFY(store.batchCommands().isEmpty());
}

void TstSettingsStore::writtenJsonIsCompactAndTyped()
{
    const Templates templates = {
        {QStringLiteral("t1"), QStringLiteral("Read \"all\""),
         QStringLiteral("{\"cmd\":\"r\"}\r\n")},
        {QStringLiteral("t2"), QStringLiteral("温度"), QStringLiteral("a\\b\tc")},
    };
    const Batches batches = {
        {QStringLiteral("b1"),
         QStringLiteral("Boot"),
         250,
         {{QStringLiteral("AT"), false, false},
          {QStringLiteral("01 03 00 00"), true, true},
          {QStringLiteral("ping\n"), false, true}}},
        {QStringLiteral("b2"), QStringLiteral("Empty"), -1, {}},
        {QStringLiteral("b3"), QString(), 0, {{QString(), true, false}}},
    };
    SettingsStore store;
    store.setCustomTemplates(templates);
    store.setBatchCommands(batches);
    QCOMPARE(store.customTemplates(), templates);
    QCOMPARE(store.batchCommands(), batches);

    for (const QString& key : {kTemplatesKey, kBatchesKey}) {
        const QByteArray raw = rawBytes(key);
        QVERIFY2(!raw.contains('\n') && !raw.contains(": "), raw.constData());
        QVERIFY(QJsonDocument::fromJson(raw).isArray());
    }

    const QJsonArray storedTemplates = QJsonDocument::fromJson(rawBytes(kTemplatesKey)).array();
    QCOMPARE(storedTemplates.size(), templates.size());
    const QJsonObject firstTemplate = storedTemplates.at(0).toObject();
    QCOMPARE(firstTemplate.keys(), (QStringList{"content", "id", "name"}));
    QCOMPARE(firstTemplate.value("name").toString(), templates.at(0).name);

    const QJsonArray storedBatches = QJsonDocument::fromJson(rawBytes(kBatchesKey)).array();
    QCOMPARE(storedBatches.size(), batches.size());
    const QJsonObject first = storedBatches.at(0).toObject();
    QCOMPARE(first.keys(), (QStringList{"id", "intervalMs", "name", "steps"}));
    QVERIFY(first.value("intervalMs").isDouble());
    QCOMPARE(first.value("intervalMs").toInt(), 250);
    const QJsonObject step = first.value("steps").toArray().at(1).toObject();
    QCOMPARE(step.keys(), (QStringList{"crc", "isHex", "text"}));
    QCOMPARE(step.value("isHex"), QJsonValue(true));
    QCOMPARE(step.value("crc"), QJsonValue(true));
    QVERIFY(storedBatches.at(1).toObject().value("steps").isArray());
}

void TstSettingsStore::receiveFraming_data()
{
    QTest::addColumn<QVariant>("framing");
    QTest::addColumn<QVariant>("pause");
    QTest::addColumn<bool>("framesBySilence");
    QTest::addColumn<int>("pauseMs");

    QTest::newRow("never stored") << QVariant() << QVariant() << false << 20;
    QTest::newRow("frames, 55 ms") << QVariant("silence") << QVariant(55) << true << 55;
    QTest::newRow("lines") << QVariant("lines") << QVariant(1) << false << 1;
    QTest::newRow("unknown framing, huge pause")
        << QVariant("packets") << QVariant(86400000) << false << 1000;
    QTest::newRow("framing a bool, pause negative") << QVariant(true) << QVariant(-3) << false << 1;
    QTest::newRow("pause not a number") << QVariant("silence") << QVariant("soon") << true << 20;
    QTest::newRow("pause a list") << QVariant("silence") << QVariant(QStringList{"5", "6"}) << true
                                  << 20;
}

void TstSettingsStore::receiveFraming()
{
    QFETCH(QVariant, framing);
    QFETCH(QVariant, pause);
    QFETCH(bool, framesBySilence);
    QFETCH(int, pauseMs);

    if (framing.isValid()) {
        QSettings().setValue(QStringLiteral("receive/framing"), framing);
    }
    if (pause.isValid()) {
        QSettings().setValue(QStringLiteral("receive/framePauseMs"), pause);
    }
    SettingsStore store;
    QCOMPARE(store.framesBySilence(), framesBySilence);
    QCOMPARE(store.framePauseMs(), pauseMs);

    // What is written reads back, within the bounds.
    store.setFramesBySilence(!framesBySilence);
    store.setFramePauseMs(pauseMs == 1000 ? 5000 : pauseMs + 1);
    QCOMPARE(store.framesBySilence(), !framesBySilence);
    QCOMPARE(store.framePauseMs(), qMin(pauseMs + 1, 1000));
}

void TstSettingsStore::resetDisplayPreferences()
{
    storeAllSamples();
    QCOMPARE(QSettings().allKeys().size(), 23);
    SettingsStore().resetDisplayPreferences();

    QStringList survivors;
    for (const KeySample& s : keySamples()) {
        if (!kDisplayKeys.contains(s.key)) {
            survivors << s.key;
        }
    }
    survivors.sort();
    QCOMPARE(survivors.size(), 17);
    QCOMPARE(sortedKeys(), survivors);

    for (const KeySample& s : keySamples()) {
        const QVariant expected = kDisplayKeys.contains(s.key) ? s.defaultValue : s.sample;
        QVERIFY2(storedValue(s.key) == expected, qPrintable(s.key));
    }
}

void TstSettingsStore::ownFile_data()
{
    roundTrip_data();
}

// A store given a file of its own keeps every preference there, under the
// same names, and reads it back; the application's default settings neither
// see it nor answer for it.
void TstSettingsStore::ownFile()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("own.ini"));
    const SettingsStore own(path, QSettings::IniFormat);
    const auto keysInFile = [&path] {
        QStringList keys = QSettings(path, QSettings::IniFormat).allKeys();
        keys.sort();
        return keys;
    };

    const QVariant defaultValue = storedValue(key, own);
    storeValue(key, value, own);
    QCOMPARE(storedValue(key, own), value);
    QStringList expectedKeys = kSerialKeys.contains(key) ? kSerialKeys : QStringList{key};
    expectedKeys.sort();
    QCOMPARE(keysInFile(), expectedKeys);
    QCOMPARE(QSettings().allKeys(), QStringList());
    QCOMPARE(storedValue(key), defaultValue);
    if (kDisplayKeys.contains(key)) {
        SettingsStore(own).resetDisplayPreferences();
        QCOMPARE(keysInFile(), QStringList());
        QCOMPARE(storedValue(key, own), defaultValue);
    }
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("KORVEL_PRINT_DEFAULT_LANGUAGE")) {
        QCoreApplication app(argc, argv);
        korveltest::isolateSettings();
        std::fputs(qPrintable(SettingsStore().language()), stdout);
        return 0;
    }
    QGuiApplication app(argc, argv);
    TstSettingsStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
