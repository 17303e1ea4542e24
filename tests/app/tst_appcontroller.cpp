// The controller's surface: what a fresh start shows, properties that say
// when they change (and only then), and keeping the port selection valid.
#include "app/appcontroller.h"
#include "buildinfo.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"

#include <QMetaProperty>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<SerialPortEntry> g_ports;

SerialPortEntry port(const QString& name)
{
    return {name, QStringLiteral("USB Serial"), QStringLiteral("CH340"), true};
}

// Each writable property of the controller and a value other than its
// value at a fresh start.
QList<std::pair<QByteArray, QVariant>> setterRows()
{
    return {
        {"currentModelId", QString()},
        {"logFontFamily", QStringLiteral("Monospace")},
        {"logFontSize", 16},
        {"systemFontFamily", QStringLiteral("Monospace")},
        {"systemFontSize", 15},
        {"themeMode", QStringLiteral("light")},
        {"selectedPortName", QStringLiteral("ttyUSB0")},
        {"ch340DriverHintDismissed", true},
        {"draftText", QStringLiteral("AT")},
        {"echoTx", false},
        {"enterSends", true},
        {"sendAsHex", true},
        {"crcEnabled", true},
        {"framesBySilence", true},
        {"framePauseMs", 75},
        {"lineEnd", 1},
        {"repeatSendEnabled", true},
        {"repeatIntervalMs", 50},
        {"autoReconnect", false},
    };
}

} // namespace

class TestAppController : public QObject
{
    Q_OBJECT

    const AppServices m_ports = korveltest::testServices([] { return g_ports; });

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_APP_VERSION));
    }

    void init()
    {
        korveltest::clearSettings();
        g_ports.clear();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void freshStart()
    {
        AppController controller(m_ports);
        QCOMPARE(controller.portOpen(), false);
        QCOMPARE(controller.portStatusText(), QStringLiteral("\u2014 CLOSED"));
        QCOMPARE(controller.portSummary(), QStringLiteral("\u2014"));
        QCOMPARE(controller.draftText(), QString());
        QCOMPARE(controller.echoTx(), true);
        QCOMPARE(controller.sendAsHex(), false);
        QCOMPARE(controller.crcEnabled(), false);
        QCOMPARE(controller.repeatSendEnabled(), false);
        QCOMPARE(controller.repeatIntervalMs(), 1000);
        QCOMPARE(controller.batchRunning(), false);
        QCOMPARE(controller.runningBatchRow(), -1);
        QCOMPARE(controller.libraryUpdateState(), QStringLiteral("idle"));
        QCOMPARE(controller.appUpdateState(), QStringLiteral("idle"));
        QCOMPARE(controller.appUpdateProgress(), 0.0);
        QCOMPARE(controller.selectedPortName(), QString());
        QCOMPARE(controller.appVersion(), QStringLiteral(KORVEL_APP_VERSION));
        QCOMPARE(controller.qtVersion(), QStringLiteral(QT_VERSION_STR));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d UTC$"))
                     .match(controller.buildTime())
                     .hasMatch(),
                 qPrintable(controller.buildTime()));
        QVERIFY(controller.logModel());
        QVERIFY(controller.commandModel());
        QVERIFY(controller.portListModel());
        QVERIFY(controller.commandHistoryModel());
        QVERIFY(controller.batchCommandModel());
        QCOMPARE(controller.logModel()->parent(), &controller);
    }

    void sendSettingsAreNotRestored()
    {
        {
            AppController first(m_ports);
            first.setEchoTx(false);
            first.setSendAsHex(true);
            first.setCrcEnabled(true);
            first.setRepeatIntervalMs(250);
            first.setDraftText(QStringLiteral("AT"));
        }
        AppController second(m_ports);
        QCOMPARE(second.echoTx(), true);
        QCOMPARE(second.sendAsHex(), false);
        QCOMPARE(second.crcEnabled(), false);
        QCOMPARE(second.repeatIntervalMs(), 1000);
        QCOMPARE(second.draftText(), QString());
    }

    // Every property a binding may read either never changes or says when
    // it does, and every writable one is among the setters checked below.
    void propertiesAnnounceTheirChanges()
    {
        const QMetaObject& mo = AppController::staticMetaObject;
        QStringList writable;
        for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) {
            const QMetaProperty property = mo.property(i);
            QVERIFY2(property.isConstant() != property.hasNotifySignal(), property.name());
            QVERIFY2(!property.isConstant() || !property.isWritable(), property.name());
            if (property.isWritable()) {
                writable << QString::fromLatin1(property.name());
            }
        }
        // Choosing the language shown is announced again on purpose
        // (TestPreferences::sameLanguageStillAnnounced).
        QStringList checked{QStringLiteral("currentLanguage")};
        for (const auto& [name, other] : setterRows()) {
            checked << QString::fromLatin1(name);
        }
        writable.sort();
        checked.sort();
        QCOMPARE(checked, writable);
    }

    // Every writable property: writing the value it already has emits
    // nothing; writing a new value emits its change signal once.
    void settersCompareFirst_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("other");
        for (const auto& [name, other] : setterRows()) {
            QTest::newRow(name.constData()) << name << other;
        }
    }

    void settersCompareFirst()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, other);
        AppController controller(m_ports);
        const QMetaObject* mo = controller.metaObject();
        const QMetaProperty prop = mo->property(mo->indexOfProperty(property.constData()));
        QVERIFY(prop.isWritable());
        QSignalSpy spy(&controller, prop.notifySignal());

        const QVariant current = prop.read(&controller);
        QVERIFY(prop.write(&controller, current));
        QCOMPARE(spy.count(), 0);

        // Put back: the settings outlive the controller.
        const auto restore = qScopeGuard([&] { prop.write(&controller, current); });
        QVERIFY(prop.write(&controller, other));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(prop.read(&controller), other);
        QVERIFY(prop.write(&controller, other));
        QCOMPARE(spy.count(), 1);
    }

    void unchangedLogFontSizeWritesNothing()
    {
        AppController controller(m_ports);
        controller.setLogFontSize(13);
        QVERIFY(!QSettings().contains(QStringLiteral("log/fontSize")));
    }

    void languageChangeIsStoredAndAnnounced()
    {
        AppController controller(m_ports);
        QSignalSpy language(&controller, &AppController::currentLanguageChanged);
        QSignalSpy model(&controller, &AppController::currentModelChanged);
        controller.setCurrentLanguage(QStringLiteral("fr"));
        QCOMPARE(language.count(), 1);
        QCOMPARE(model.count(), 1);
        QCOMPARE(controller.currentLanguage(), QStringLiteral("fr"));
        QCOMPARE(QSettings().value(QStringLiteral("app/language")).toString(),
                 QStringLiteral("fr"));
        // The same code again is still reported by the language manager.
        controller.setCurrentLanguage(QStringLiteral("fr"));
        QCOMPARE(language.count(), 2);
        QCOMPARE(model.count(), 2);
    }

    void storedLanguageIsAppliedAtConstruction()
    {
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("ja"));
        AppController controller(m_ports);
        QCOMPARE(controller.currentLanguage(), QStringLiteral("ja"));
    }

    void firstPortIsSelected()
    {
        g_ports = {port(QStringLiteral("ttyUSB0")), port(QStringLiteral("ttyUSB1"))};
        AppController controller(m_ports);
        QCOMPARE(controller.selectedPortName(), QStringLiteral("ttyUSB0"));
    }

    void vanishedSelectionIsClearedThenReplacedAtTheNextChange()
    {
        g_ports = {port(QStringLiteral("ttyUSB0")), port(QStringLiteral("ttyUSB1"))};
        AppController controller(m_ports);
        controller.setSelectedPortName(QStringLiteral("ttyUSB1"));
        QSignalSpy spy(&controller, &AppController::selectedPortNameChanged);

        controller.refreshPorts(); // nothing changed
        QCOMPARE(spy.count(), 0);

        g_ports = {port(QStringLiteral("ttyUSB0"))};
        controller.refreshPorts();
        QCOMPARE(controller.selectedPortName(), QString());
        // The chooser can say which port went.
        QCOMPARE(controller.missingPortName(), QStringLiteral("ttyUSB1"));
        QCOMPARE(spy.count(), 1);

        controller.refreshPorts(); // same list: the empty selection stays
        QCOMPARE(controller.selectedPortName(), QString());
        QCOMPARE(controller.missingPortName(), QStringLiteral("ttyUSB1"));

        g_ports = {port(QStringLiteral("ttyUSB0")), port(QStringLiteral("ttyACM0"))};
        controller.refreshPorts();
        QCOMPARE(controller.selectedPortName(), QStringLiteral("ttyUSB0"));
        QCOMPARE(controller.missingPortName(), QString());
        QCOMPARE(spy.count(), 2);
    }

    void portPollFollowsThePorts_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("selectedAfter");

        QTest::newRow("a port comes to an empty list")
            << QStringList{} << QString() << QStringList{"ttyUSB0"} << "ttyUSB0";
        QTest::newRow("a port comes, the selection stays")
            << QStringList{"ttyUSB0"} << "ttyUSB0" << QStringList{"ttyACM0", "ttyUSB0"}
            << "ttyUSB0";
        QTest::newRow("the selected port goes") << QStringList{"ttyUSB0", "ttyUSB1"} << "ttyUSB1"
                                                << QStringList{"ttyUSB0"} << QString();
        QTest::newRow("another port goes") << QStringList{"ttyUSB0", "ttyUSB1"} << "ttyUSB0"
                                           << QStringList{"ttyUSB0"} << "ttyUSB0";
    }

    // Without anybody asking, the poll brings the list and the selection up
    // to date within its interval.
    void portPollFollowsThePorts()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, selected);
        QFETCH(QStringList, after);
        QFETCH(QString, selectedAfter);

        g_ports.clear();
        for (const QString& name : std::as_const(before)) {
            g_ports << port(name);
        }
        AppController controller(m_ports);
        controller.setSelectedPortName(selected);
        g_ports.clear();
        for (const QString& name : std::as_const(after)) {
            g_ports << port(name);
        }
        PortListModel* list = controller.portListModel();
        const auto shown = [list] {
            QStringList names;
            for (int row = 0; row < list->rowCount(); ++row) {
                names << list->portNameAt(row);
            }
            return names;
        };
        QTRY_COMPARE_WITH_TIMEOUT(shown(), after, 3 * AppController::PortPollMs + 2000);
        QCOMPARE(controller.selectedPortName(), selectedAfter);
    }

    void driverHintDismissalPersists()
    {
        {
            AppController controller(m_ports);
            QCOMPARE(controller.ch340DriverHintDismissed(), false);
            controller.setCh340DriverHintDismissed(true);
        }
        AppController again(m_ports);
        QCOMPARE(again.ch340DriverHintDismissed(), true);
        const QVariantList drivers = again.availableDrivers();
        QCOMPARE(drivers.size(), 1);
        const QVariantMap driver = drivers.first().toMap();
        QCOMPARE(driver.value(QStringLiteral("name")).toString(), QStringLiteral("CH340 / CH341"));
        QCOMPARE(driver.value(QStringLiteral("url")).toString(), again.ch340DriverUrl());
    }

    void availableLanguagesInTableOrder()
    {
        AppController controller(m_ports);
        const QVariantList languages = controller.availableLanguages();
        QCOMPARE(languages.size(), 8);
        QCOMPARE(languages.first().toMap().value(QStringLiteral("code")).toString(),
                 QStringLiteral("en"));
        QCOMPARE(languages.at(2).toMap().value(QStringLiteral("nativeName")).toString(),
                 QStringLiteral("繁體中文"));
        QCOMPARE(languages.first().toMap().size(), 2);
    }
};

QTEST_MAIN(TestAppController)
#include "tst_appcontroller.moc"
