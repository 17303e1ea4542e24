// Display preferences through the controller: what a change writes and
// announces, the theme's odd values, the interface font builder, restoring
// the defaults, stored sizes out of all reason, and settings that cannot be
// written.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

namespace {

void setPreference(AppController& c, const QByteArray& name, const QVariant& value)
{
    QVERIFY(c.setProperty(name.constData(), value));
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        // As start-up does, before any test replaces the application font.
        m_platformFamily = QGuiApplication::font().family();
        SettingsStore::captureDefaultSystemFontFamily();
    }
    void init() { korveltest::clearSettings(); }

    void unchangedValueWritesNothing_data();
    void unchangedValueWritesNothing();
    void themeMode_data();
    void themeMode();
    void sameLanguageStillAnnounced();
    void buildApplicationFont_data();
    void buildApplicationFont();
    void interfaceFontFollowsSetters();
    void restoreDefaultsKeepsTheRest();
    void listsForTheDialog();
    void storedSizesAreClamped_data();
    void storedSizesAreClamped();
    void unwritableSettingsAreReportedOnce();
    void randomBytesSettingsStartNormally();
    void enterSendsIsOffUntilTurnedOn();

private:
    QString m_platformFamily;
};

void TestPreferences::unchangedValueWritesNothing_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("log size default")
        << QByteArray("logFontSize") << "log/fontSize" << QVariant() << QVariant(13);
    QTest::newRow("log family default") << QByteArray("logFontFamily") << "log/fontFamily"
                                        << QVariant() << QVariant(QStringLiteral("Consolas"));
    QTest::newRow("system size default")
        << QByteArray("systemFontSize") << "app/fontSize" << QVariant() << QVariant(13);
    QTest::newRow("stored log size")
        << QByteArray("logFontSize") << "log/fontSize" << QVariant(20) << QVariant(20);
    QTest::newRow("stored theme") << QByteArray("themeMode") << "app/themeMode"
                                  << QVariant(QStringLiteral("light"))
                                  << QVariant(QStringLiteral("light"));
    QTest::newRow("stored family")
        << QByteArray("systemFontFamily") << "app/fontFamily" << QVariant(QStringLiteral("Serif"))
        << QVariant(QStringLiteral("Serif"));
}

void TestPreferences::unchangedValueWritesNothing()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, value);
    if (stored.isValid()) {
        QSettings().setValue(key, stored);
    }
    AppController controller;
    QSignalSpy log(&controller, &AppController::logFontChanged);
    QSignalSpy system(&controller, &AppController::systemFontChanged);
    QSignalSpy theme(&controller, &AppController::themeModeChanged);
    const QFont fontBefore = QGuiApplication::font();
    setPreference(controller, property, value);
    QCOMPARE(log.size() + system.size() + theme.size(), 0);
    QCOMPARE(QSettings().contains(key), stored.isValid());
    QCOMPARE(QGuiApplication::font(), fontBefore);

    // A different value is written and announced once.
    const QVariant other = value.typeId() == QMetaType::Int ? QVariant(value.toInt() + 1)
                           : property == "themeMode"        ? QVariant(QStringLiteral("dark"))
                                                            : QVariant(QStringLiteral("Other"));
    setPreference(controller, property, other);
    QCOMPARE(log.size() + system.size() + theme.size(), 1);
    QCOMPARE(QSettings().value(key), other);
}

// "Enter sends" is off at first; turned on it is stored and announced once,
// and setting it again to what it is changes nothing.
void TestPreferences::enterSendsIsOffUntilTurnedOn()
{
    {
        AppController controller;
        QVERIFY(!controller.enterSends());
        QSignalSpy changed(&controller, &AppController::enterSendsChanged);
        controller.setEnterSends(false);
        QCOMPARE(changed.count(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("send/enterSends")));
        controller.setEnterSends(true);
        QCOMPARE(changed.count(), 1);
        controller.setEnterSends(true);
        QCOMPARE(changed.count(), 1);
    }
    AppController next;
    QVERIFY(next.enterSends());
    QCOMPARE(QSettings().value(QStringLiteral("send/enterSends")).toBool(), true);
}

void TestPreferences::themeMode_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expectedStored");
    QTest::addColumn<bool>("announced");

    const QVariant light(QStringLiteral("light"));
    const QVariant dark(QStringLiteral("dark"));
    QTest::newRow("system on light") << light << "system"
                                     << "dark" << true;
    QTest::newRow("system on dark") << dark << "system"
                                    << "dark" << true;
    QTest::newRow("capital Light on dark") << dark << "Light"
                                           << "dark" << true;
    QTest::newRow("empty on light") << light << ""
                                    << "dark" << true;
    QTest::newRow("light on light") << light << "light"
                                    << "light" << false;
    QTest::newRow("dark on dark") << dark << "dark"
                                  << "dark" << false;
    QTest::newRow("light on dark") << dark << "light"
                                   << "light" << true;
    QTest::newRow("stored junk reads dark") << QVariant(QStringLiteral("blue")) << "dark"
                                            << "blue" << false;
}

void TestPreferences::themeMode()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, argument);
    QFETCH(QString, expectedStored);
    QFETCH(bool, announced);
    QSettings().setValue(QStringLiteral("app/themeMode"), stored);
    AppController controller;
    QSignalSpy changed(&controller, &AppController::themeModeChanged);
    controller.setThemeMode(argument);
    QCOMPARE(changed.size(), announced ? 1 : 0);
    QCOMPARE(QSettings().value(QStringLiteral("app/themeMode")).toString(), expectedStored);
    QVERIFY(controller.themeMode() == QLatin1String("light") ||
            controller.themeMode() == QLatin1String("dark"));
}

void TestPreferences::sameLanguageStillAnnounced()
{
    AppController controller;
    const QString code = controller.currentLanguage();
    QSignalSpy language(&controller, &AppController::currentLanguageChanged);
    QSignalSpy model(&controller, &AppController::currentModelChanged);
    controller.setCurrentLanguage(code);
    QCOMPARE(language.size(), 1);
    QCOMPARE(model.size(), 1);
    QCOMPARE(QSettings().value(QStringLiteral("app/language")).toString(), code);
}

void TestPreferences::buildApplicationFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<int>("expectedSize");

    const QStringList fallbacks{QStringLiteral("Microsoft YaHei UI"),
                                QStringLiteral("Microsoft YaHei"), QStringLiteral("PingFang SC"),
                                QStringLiteral("Noto Sans CJK SC")};
    QTest::newRow("family and size")
        << "DejaVu Sans" << 17 << QStringList{QStringLiteral("DejaVu Sans")} + fallbacks << 17;
    QTest::newRow("empty family") << "" << 15 << fallbacks << 15;
    QTest::newRow("size 0 keeps current")
        << "Serif" << 0 << QStringList{QStringLiteral("Serif")} + fallbacks << -1;
    QTest::newRow("negative size keeps current") << "" << -4 << fallbacks << -1;
    QTest::newRow("fallback chosen is listed twice")
        << "PingFang SC" << 1 << QStringList{QStringLiteral("PingFang SC")} + fallbacks << 1;
}

void TestPreferences::buildApplicationFont()
{
    QFETCH(QString, family);
    QFETCH(int, size);
    QFETCH(QStringList, families);
    QFETCH(int, expectedSize);
    QFont current = QGuiApplication::font();
    current.setPixelSize(21);
    current.setItalic(true);
    QGuiApplication::setFont(current);

    const QFont font = AppController::buildApplicationFont(family, size);
    QCOMPARE(font.families(), families);
    QCOMPARE(font.pixelSize(), expectedSize < 0 ? 21 : expectedSize);
    QVERIFY(font.italic()); // other attributes carry over
}

void TestPreferences::interfaceFontFollowsSetters()
{
    AppController controller;
    controller.setSystemFontSize(19);
    QCOMPARE(QGuiApplication::font().pixelSize(), 19);
    controller.setSystemFontFamily(QStringLiteral("DejaVu Serif"));
    QCOMPARE(QGuiApplication::font().families().first(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(QGuiApplication::font().pixelSize(), 19);
}

void TestPreferences::restoreDefaultsKeepsTheRest()
{
    QSettings().setValue(QStringLiteral("serial/baud"), 9600);
    AppController controller;
    controller.commandHistoryModel()->push(QStringLiteral("AT"));
    const QStringList history = QSettings().value(QStringLiteral("send/history")).toStringList();
    QVERIFY(!history.isEmpty());
    const QString defaultFamily = m_platformFamily;

    controller.setLogFontFamily(QStringLiteral("Monospace"));
    controller.setLogFontSize(30);
    controller.setSystemFontFamily(QStringLiteral("Serif"));
    controller.setSystemFontSize(22);
    controller.setThemeMode(controller.themeMode() == QLatin1String("dark")
                                ? QStringLiteral("light")
                                : QStringLiteral("dark"));

    QSignalSpy log(&controller, &AppController::logFontChanged);
    QSignalSpy system(&controller, &AppController::systemFontChanged);
    QSignalSpy theme(&controller, &AppController::themeModeChanged);
    QSignalSpy language(&controller, &AppController::currentLanguageChanged);
    controller.restoreDefaultSettings();
    QCOMPARE(log.size(), 1);
    QCOMPARE(system.size(), 1);
    QCOMPARE(theme.size(), 1);
    QVERIFY(language.size() >= 1);

    QCOMPARE(controller.logFontFamily(), QStringLiteral("Consolas"));
    QCOMPARE(controller.logFontSize(), 13);
    QCOMPARE(controller.systemFontFamily(), defaultFamily);
    QCOMPARE(controller.systemFontSize(), 13);
    QVERIFY(!QSettings().contains(QStringLiteral("app/themeMode")));
    QCOMPARE(QGuiApplication::font().families().first(), defaultFamily);
    QCOMPARE(QGuiApplication::font().pixelSize(), 13);
    QCOMPARE(QSettings().value(QStringLiteral("app/language")).toString(),
             SettingsStore::languageForLocaleName(QLocale::system().name()));

    QCOMPARE(QSettings().value(QStringLiteral("serial/baud")).toInt(), 9600);
    QCOMPARE(QSettings().value(QStringLiteral("send/history")).toStringList(), history);
}

void TestPreferences::listsForTheDialog()
{
    AppController controller;
    QCOMPARE(controller.availableFontFamilies(), QFontDatabase::families());
    QVERIFY(!controller.availableFontFamilies().isEmpty());
    const QVariantList languages = controller.availableLanguages();
    QStringList codes;
    for (const QVariant& entry : languages) {
        const QVariantMap map = entry.toMap();
        QCOMPARE(map.keys(), (QStringList{QStringLiteral("code"), QStringLiteral("nativeName")}));
        QVERIFY(!map.value(QStringLiteral("nativeName")).toString().isEmpty());
        codes << map.value(QStringLiteral("code")).toString();
    }
    QCOMPARE(codes, (QStringList{"en", "zh_CN", "zh_TW", "ja", "ko", "ru", "fr", "it"}));
}

void TestPreferences::storedSizesAreClamped_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("interface 40") << "app/fontSize" << QVariant(40) << 32;
    QTest::newRow("interface 1") << "app/fontSize" << QVariant(1) << 8;
    QTest::newRow("interface negative") << "app/fontSize" << QVariant(-13) << 8;
    QTest::newRow("interface not a number")
        << "app/fontSize" << QVariant(QStringLiteral("big")) << 8;
    QTest::newRow("interface in range") << "app/fontSize" << QVariant(32) << 32;
    QTest::newRow("monitor 100000") << "log/fontSize" << QVariant(100000) << 72;
    QTest::newRow("monitor 0") << "log/fontSize" << QVariant(0) << 6;
    QTest::newRow("monitor in range") << "log/fontSize" << QVariant(6) << 6;
}

void TestPreferences::storedSizesAreClamped()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    QSettings().setValue(key, stored);
    AppController controller;
    const int read = key == QLatin1String("app/fontSize") ? controller.systemFontSize()
                                                          : controller.logFontSize();
    QCOMPARE(read, expected);
    if (key == QLatin1String("app/fontSize")) {
        // What start-up applies too.
        const SettingsStore store;
        QCOMPARE(
            AppController::buildApplicationFont(store.systemFontFamily(), store.systemFontSize())
                .pixelSize(),
            expected);
    }
}

void TestPreferences::unwritableSettingsAreReportedOnce()
{
    // Settings in a folder below a plain file can never be written, not even by root.
    QTemporaryFile plain;
    QVERIFY(plain.open());
    const QString folder = plain.fileName() + QStringLiteral("/config");
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder);
    }
    const QString fileName = QSettings().fileName();
    {
        AppController controller;
        QSignalSpy status(&controller, &AppController::statusMessage);
        controller.setThemeMode(QStringLiteral("light"));
        controller.setLogFontSize(20);
        controller.commandHistoryModel()->push(QStringLiteral("AT+INFO"));
        QCOMPARE(status.size(), 1);
        QVERIFY2(status.first().first().toString().contains(fileName),
                 qPrintable(status.first().first().toString()));
        QTRY_COMPARE(korveltest::describe(controller.logStore()).size(), 1);
        const QString line = korveltest::describe(controller.logStore()).first();
        QVERIFY2(line.startsWith(QStringLiteral("ERR:")) && line.contains(fileName),
                 qPrintable(line));
        // The session still works with what it was given.
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 1);
    }
    korveltest::isolateSettings();
}

void TestPreferences::randomBytesSettingsStartNormally()
{
    const QString fileName = QSettings().fileName();
    {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator generator(42);
        for (char& c : noise) {
            c = char(generator.bounded(256));
        }
        file.write(noise);
    }
    AppController controller;
    QSignalSpy status(&controller, &AppController::statusMessage);
    QCOMPARE(controller.logFontSize(), 13);
    controller.setThemeMode(QStringLiteral("light"));
    QCOMPARE(controller.themeMode(), QStringLiteral("light"));
    QCOMPARE(status.size(), 0);
    QCoreApplication::processEvents(); // a report would be posted
    QCOMPARE(controller.logStore().entries().size(), 0);
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
