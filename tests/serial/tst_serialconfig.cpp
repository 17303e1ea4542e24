// The pure parts of the serial layer: configuration summaries, chip
// recognition, the option lists of the settings panel and the driver check.
#include "serial/drivercheck.h"
#include "serial/serialconfig.h"
#include "serial/serialmanager.h"
#include "serial/serialoptions.h"
#include "settings/languagemanager.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {

using OptionList = QList<QPair<QString, int>>;

OptionList labelsAndValues(const QVariantList& options)
{
    OptionList result;
    for (const QVariant& option : options) {
        const QVariantMap map = option.toMap();
        if (map.size() != 2 || map.value(QStringLiteral("value")).typeId() != QMetaType::Int) {
            return {{QStringLiteral("<malformed entry>"), -1}};
        }
        result.append({map.value(QStringLiteral("label")).toString(),
                       map.value(QStringLiteral("value")).toInt()});
    }
    return result;
}

// Stands in for a French catalogue, answering only in the options' own
// translation context.
class FrenchOptions : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "SerialOptions") != 0) {
            return {};
        }
        static const QHash<QByteArray, QString> french = {
            {"None", QStringLiteral("Aucune")},
            {"Even", QStringLiteral("Paire")},
            {"Odd", QStringLiteral("Impaire")},
            {"RTS/CTS", QStringLiteral("RTS/CTS (matériel)")},
            {"XON/XOFF", QStringLiteral("XON/XOFF (logiciel)")},
        };
        return french.value(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestSerialConfig : public QObject
{
    Q_OBJECT

private slots:
    void summary_data();
    void summary();
    void chipLabel_data();
    void chipLabel();
    void optionLists_data();
    void optionLists();
    void baudRates();
    void labelsFollowLanguage();
    void labelsFromShippedCatalogues_data();
    void labelsFromShippedCatalogues();
    void knownDrivers();
    void knownDriversFollowTheProbe();
};

void TestSerialConfig::summary_data()
{
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("flowControl");
    QTest::addColumn<QString>("expected");

    QTest::newRow("defaults") << 115200 << 8 << 0 << 1 << 0 << "115200 8-N-1";
    QTest::newRow("even, one and a half") << 9600 << 7 << 2 << 3 << 0 << "9600 7-E-1.5";
    QTest::newRow("odd, two") << 57600 << 8 << 3 << 2 << 0 << "57600 8-O-2";
    QTest::newRow("space") << 4800 << 5 << 4 << 1 << 0 << "4800 5-S-1";
    QTest::newRow("mark") << 300 << 6 << 5 << 1 << 0 << "300 6-M-1";
    QTest::newRow("parity 1") << 9600 << 8 << 1 << 1 << 0 << "9600 8-?-1";
    QTest::newRow("parity 9") << 9600 << 8 << 9 << 1 << 0 << "9600 8-?-1";
    QTest::newRow("parity -1") << 9600 << 8 << -1 << 1 << 0 << "9600 8-?-1";
    QTest::newRow("stop bits 0") << 9600 << 8 << 0 << 0 << 0 << "9600 8-N-?";
    QTest::newRow("stop bits 4") << 9600 << 8 << 0 << 4 << 0 << "9600 8-N-?";
    QTest::newRow("flow control ignored") << 921600 << 8 << 0 << 1 << 2 << "921600 8-N-1";
}

void TestSerialConfig::summary()
{
    QFETCH(int, baud);
    QFETCH(int, dataBits);
    QFETCH(int, parity);
    QFETCH(int, stopBits);
    QFETCH(int, flowControl);
    QFETCH(QString, expected);

    SerialConfig cfg;
    cfg.portName = QStringLiteral("ttyUSB0");
    cfg.baudRate = baud;
    cfg.dataBits = dataBits;
    cfg.parity = parity;
    cfg.stopBits = stopBits;
    cfg.flowControl = flowControl;
    QCOMPARE(SerialManager::summaryFor(cfg), expected);
}

void TestSerialConfig::chipLabel_data()
{
    QTest::addColumn<bool>("hasVendorId");
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CH340") << true << 0x1A86 << "CH340";
    QTest::newRow("CP210x") << true << 0x10C4 << "CP210x";
    QTest::newRow("FTDI") << true << 0x0403 << "";
    QTest::newRow("vendor 0") << true << 0 << "";
    QTest::newRow("no vendor id, CH340 number") << false << 0x1A86 << "";
    QTest::newRow("no vendor id") << false << 0 << "";
}

void TestSerialConfig::chipLabel()
{
    QFETCH(bool, hasVendorId);
    QFETCH(int, vendorId);
    QFETCH(QString, expected);
    QCOMPARE(chipLabelForVendor(hasVendorId, quint16(vendorId)), expected);
}

void TestSerialConfig::optionLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<OptionList>("expected");

    QTest::newRow("data bits") << "dataBits" << OptionList{{"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}};
    QTest::newRow("parity") << "parity" << OptionList{{"None", 0}, {"Even", 2}, {"Odd", 3}};
    QTest::newRow("stop bits") << "stopBits" << OptionList{{"1", 1}, {"1.5", 3}, {"2", 2}};
    QTest::newRow("flow control") << "flowControl"
                                  << OptionList{{"None", 0}, {"RTS/CTS", 1}, {"XON/XOFF", 2}};
}

void TestSerialConfig::optionLists()
{
    QFETCH(QString, list);
    QFETCH(OptionList, expected);

    const SerialOptions options;
    QVariantList actual;
    const QByteArray method = list.toLatin1() + "Options";
    QVERIFY(QMetaObject::invokeMethod(const_cast<SerialOptions*>(&options), method.constData(),
                                      Q_RETURN_ARG(QVariantList, actual)));
    QCOMPARE(labelsAndValues(actual), expected);
}

void TestSerialConfig::baudRates()
{
    const QVariantList rates = SerialOptions().baudRateOptions();
    QList<int> values;
    for (const QVariant& rate : rates) {
        QCOMPARE(rate.typeId(), int(QMetaType::Int));
        values.append(rate.toInt());
    }
    QCOMPARE(values, QList<int>({300, 600, 900, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600,
                                 115200, 230400, 460800, 921600}));
    QCOMPARE(values.indexOf(115200), 11);
}

void TestSerialConfig::labelsFollowLanguage()
{
    const SerialOptions options;
    FrenchOptions french;
    QVERIFY(QCoreApplication::installTranslator(&french));
    const OptionList parity = labelsAndValues(options.parityOptions());
    const OptionList flow = labelsAndValues(options.flowControlOptions());
    const OptionList stopBits = labelsAndValues(options.stopBitsOptions());
    QCoreApplication::removeTranslator(&french);

    QCOMPARE(parity, (OptionList{{"Aucune", 0}, {"Paire", 2}, {"Impaire", 3}}));
    QCOMPARE(flow,
             (OptionList{{"Aucune", 0}, {"RTS/CTS (matériel)", 1}, {"XON/XOFF (logiciel)", 2}}));
    QCOMPARE(stopBits, (OptionList{{"1", 1}, {"1.5", 3}, {"2", 2}}));

    // Back in English at the next call once the catalogue is gone.
    QCOMPARE(labelsAndValues(options.parityOptions()),
             (OptionList{{"None", 0}, {"Even", 2}, {"Odd", 3}}));
}

void TestSerialConfig::labelsFromShippedCatalogues_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<OptionList>("parity");
    QTest::addColumn<OptionList>("flow");
    const auto flow = [](const char* none) {
        return OptionList{{QString::fromUtf8(none), 0}, {"RTS/CTS", 1}, {"XON/XOFF", 2}};
    };
    // Parity and flow control say "none" in different genders in French and Italian.
    QTest::newRow("fr") << "fr" << OptionList{{"Aucune", 0}, {"Paire", 2}, {"Impaire", 3}}
                        << flow("Aucun");
    QTest::newRow("it") << "it" << OptionList{{"Nessuna", 0}, {"Pari", 2}, {"Dispari", 3}}
                        << flow("Nessuno");
    QTest::newRow("ja") << "ja"
                        << OptionList{{QStringLiteral("なし"), 0},
                                      {QStringLiteral("偶数"), 2},
                                      {QStringLiteral("奇数"), 3}}
                        << flow("なし");
    QTest::newRow("zh_TW") << "zh_TW"
                           << OptionList{{QStringLiteral("無"), 0},
                                         {QStringLiteral("偶數"), 2},
                                         {QStringLiteral("奇數"), 3}}
                           << flow("無");
    QTest::newRow("ru") << "ru"
                        << OptionList{{QStringLiteral("Нет"), 0},
                                      {QStringLiteral("Чёт"), 2},
                                      {QStringLiteral("Нечёт"), 3}}
                        << flow("Нет");
    QTest::newRow("outside the table")
        << "de" << OptionList{{"None", 0}, {"Even", 2}, {"Odd", 3}} << flow("None");
    QTest::newRow("en") << "en" << OptionList{{"None", 0}, {"Even", 2}, {"Odd", 3}} << flow("None");
}

// The catalogues built into the application, installed by the language
// switch: one object answers in the new language at its next call.
void TestSerialConfig::labelsFromShippedCatalogues()
{
    QFETCH(QString, language);
    QFETCH(OptionList, parity);
    QFETCH(OptionList, flow);
    const SerialOptions options;
    LanguageManager::instance().setLanguage(language);
    const OptionList shownParity = labelsAndValues(options.parityOptions());
    const OptionList shownFlow = labelsAndValues(options.flowControlOptions());
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    QCOMPARE(shownParity, parity);
    QCOMPARE(shownFlow, flow);
    QCOMPARE(labelsAndValues(options.parityOptions()),
             (OptionList{{"None", 0}, {"Even", 2}, {"Odd", 3}}));
}

void TestSerialConfig::knownDrivers()
{
    const QList<DriverInfo> drivers = DriverCheck().knownDrivers();
    QCOMPARE(drivers.size(), 1);
    const DriverInfo& ch340 = drivers.first();
    QCOMPARE(ch340.name, QStringLiteral("CH340 / CH341"));
    QCOMPARE(ch340.description, QStringLiteral("USB-to-serial driver used by most Korvel devices"));
    QCOMPARE(ch340.url, DriverCheck::downloadUrl());
    const QUrl url(ch340.url);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QVERIFY(!url.host().isEmpty());
    QCOMPARE(ch340.installed, DriverCheck::platformProbe());
#if defined(Q_OS_LINUX)
    // The kernel's ch341 module drives the chip; no download is needed.
    QVERIFY(ch340.installed);
#endif
}

// The list tells what the check's probe found, whatever the platform.
void TestSerialConfig::knownDriversFollowTheProbe()
{
    for (const bool installed : {false, true}) {
        const DriverCheck check([installed] { return installed; });
        QCOMPARE(check.isCh340DriverInstalled(), installed);
        QCOMPARE(check.knownDrivers().first().installed, installed);
    }
}

QTEST_GUILESS_MAIN(TestSerialConfig)
#include "tst_serialconfig.moc"
