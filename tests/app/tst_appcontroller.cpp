// The controller's surface: what a fresh start shows, the declared order of
// its meta-object, change signals, and keeping the port selection valid.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"

#include <QMetaMethod>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<SerialPortEntry> g_ports;

SerialPortEntry port(const QString& name)
{
    return {name, QStringLiteral("USB Serial"), QStringLiteral("CH340"), true};
}

QStringList methodNames(const QMetaObject& mo, QMetaMethod::MethodType type)
{
    QStringList names;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod method = mo.method(i);
        if (method.methodType() == type && method.access() == QMetaMethod::Public) {
            names << QString::fromLatin1(method.name());
        }
    }
    return names;
}

} // namespace

class TestAppController : public QObject
{
    Q_OBJECT

    korveltest::FakePorts m_ports{[] {
        return g_ports;
    }};

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        QCoreApplication::setApplicationVersion(QStringLiteral("0.7.8.1"));
    }

    void init()
    {
        korveltest::clearSettings();
        g_ports.clear();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void freshStart()
    {
        AppController controller;
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
        QCOMPARE(controller.appVersion(), QStringLiteral("0.7.8.1"));
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
            AppController first;
            first.setEchoTx(false);
            first.setSendAsHex(true);
            first.setCrcEnabled(true);
            first.setRepeatIntervalMs(250);
            first.setDraftText(QStringLiteral("AT"));
        }
        AppController second;
        QCOMPARE(second.echoTx(), true);
        QCOMPARE(second.sendAsHex(), false);
        QCOMPARE(second.crcEnabled(), false);
        QCOMPARE(second.repeatIntervalMs(), 1000);
        QCOMPARE(second.draftText(), QString());
    }

    void declaredSignalOrder()
    {
        const QStringList expected{"connectionChanged",
                                   "currentModelChanged",
                                   "selectedPortNameChanged",
                                   "currentLanguageChanged",
                                   "logFontChanged",
                                   "systemFontChanged",
                                   "themeModeChanged",
                                   "draftTextChanged",
                                   "echoTxChanged",
                                   "enterSendsChanged",
                                   "sendAsHexChanged",
                                   "crcEnabledChanged",
                                   "repeatSendChanged",
                                   "batchStateChanged",
                                   "portOpenFailed",
                                   "statusMessage",
                                   "ch340DriverHintDismissedChanged",
                                   "libraryChanged",
                                   "libraryUpdateStateChanged",
                                   "appUpdateStateChanged",
                                   "appUpdateProgressChanged",
                                   "autoReconnectChanged",
                                   "baudRateRequested",
                                   "serialDefaultsRequested"};
        QCOMPARE(methodNames(AppController::staticMetaObject, QMetaMethod::Signal), expected);
    }

    void declaredInvokableOrder()
    {
        const QStringList expected{"availableFontFamilies",
                                   "restoreDefaultSettings",
                                   "refreshPorts",
                                   "availableDrivers",
                                   "availableLanguages",
                                   "openPort",
                                   "closePort",
                                   "sendManualText",
                                   "clearDraft",
                                   "loadCommandIntoDraft",
                                   "commandNameForRow",
                                   "paramsForRow",
                                   "previewCommand",
                                   "loadCommandWithParamsIntoDraft",
                                   "addCustomTemplate",
                                   "updateCustomTemplate",
                                   "removeCustomTemplate",
                                   "moveCommandRow",
                                   "addBatchCommand",
                                   "updateBatchCommand",
                                   "removeBatchCommand",
                                   "stepsForBatchRow",
                                   "startBatchCommand",
                                   "stopBatchCommand",
                                   "serialDefaultsForModel",
                                   "suggestedLogBaseName",
                                   "suggestedLogDirectory",
                                   "saveLog",
                                   "checkForLibraryUpdate",
                                   "downloadLibraryUpdate",
                                   "checkForAppUpdate",
                                   "installAppUpdate",
                                   "cancelAppUpdateDownload",
                                   "urlForLocalPath",
                                   "localPathForUrl",
                                   "openPortPath",
                                   "previewProblem",
                                   "refuseLongPaste"};
        QCOMPARE(methodNames(AppController::staticMetaObject, QMetaMethod::Method), expected);
    }

    void declaredPropertyOrder()
    {
        const QStringList expected{"portOpen",
                                   "portStatusText",
                                   "portSummary",
                                   "appVersion",
                                   "qtVersion",
                                   "buildTime",
                                   "currentModelId",
                                   "currentModelDescription",
                                   "modelIds",
                                   "libraryVersion",
                                   "modelCount",
                                   "commandCount",
                                   "libraryUpdateState",
                                   "libraryUpdateMessage",
                                   "remoteLibraryVersion",
                                   "libraryUpdateAvailable",
                                   "appUpdateState",
                                   "appUpdateMessage",
                                   "remoteAppVersion",
                                   "appUpdateAvailable",
                                   "appUpdateForced",
                                   "appUpdateProgress",
                                   "selfUpdateSupported",
                                   "downloadPageUrl",
                                   "currentLanguage",
                                   "logFontFamily",
                                   "logFontSize",
                                   "systemFontFamily",
                                   "systemFontSize",
                                   "themeMode",
                                   "selectedPortName",
                                   "missingPortName",
                                   "ch340DriverInstalled",
                                   "ch340DriverUrl",
                                   "ch340DriverHintDismissed",
                                   "draftText",
                                   "echoTx",
                                   "enterSends",
                                   "sendAsHex",
                                   "crcEnabled",
                                   "repeatSendEnabled",
                                   "repeatIntervalMs",
                                   "batchCommandModel",
                                   "batchRunning",
                                   "runningBatchRow",
                                   "batchProgressText",
                                   "runningBatchName",
                                   "logModel",
                                   "fields",
                                   "continuousLog",
                                   "commandModel",
                                   "portListModel",
                                   "commandHistoryModel",
                                   "historyRecall",
                                   "reconnectWaiting",
                                   "autoReconnect"};
        const QMetaObject& mo = AppController::staticMetaObject;
        QStringList names;
        for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) {
            names << QString::fromLatin1(mo.property(i).name());
        }
        QCOMPARE(names, expected);
    }

    // Every writable property: writing the value it already has emits
    // nothing; writing a new value emits its change signal once.
    void settersCompareFirst_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("other");
        QTest::newRow("draftText") << QByteArray("draftText") << QVariant(QStringLiteral("AT"));
        QTest::newRow("echoTx") << QByteArray("echoTx") << QVariant(false);
        QTest::newRow("enterSends") << QByteArray("enterSends") << QVariant(true);
        QTest::newRow("sendAsHex") << QByteArray("sendAsHex") << QVariant(true);
        QTest::newRow("crcEnabled") << QByteArray("crcEnabled") << QVariant(true);
        QTest::newRow("repeatSendEnabled") << QByteArray("repeatSendEnabled") << QVariant(true);
        QTest::newRow("repeatIntervalMs") << QByteArray("repeatIntervalMs") << QVariant(50);
        QTest::newRow("selectedPortName")
            << QByteArray("selectedPortName") << QVariant(QStringLiteral("ttyUSB0"));
        QTest::newRow("logFontFamily")
            << QByteArray("logFontFamily") << QVariant(QStringLiteral("Monospace"));
        QTest::newRow("logFontSize") << QByteArray("logFontSize") << QVariant(16);
        QTest::newRow("systemFontSize") << QByteArray("systemFontSize") << QVariant(15);
        QTest::newRow("themeMode") << QByteArray("themeMode") << QVariant(QStringLiteral("light"));
        QTest::newRow("ch340DriverHintDismissed")
            << QByteArray("ch340DriverHintDismissed") << QVariant(true);
    }

    void settersCompareFirst()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, other);
        AppController controller;
        const QMetaObject* mo = controller.metaObject();
        const QMetaProperty prop = mo->property(mo->indexOfProperty(property.constData()));
        QVERIFY(prop.isWritable());
        QSignalSpy spy(&controller, prop.notifySignal());

        const QVariant current = prop.read(&controller);
        QVERIFY(prop.write(&controller, current));
        QCOMPARE(spy.count(), 0);

        QVERIFY(prop.write(&controller, other));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(prop.read(&controller), other);
        QVERIFY(prop.write(&controller, other));
        QCOMPARE(spy.count(), 1);
    }

    void unchangedLogFontSizeWritesNothing()
    {
        AppController controller;
        controller.setLogFontSize(13);
        QVERIFY(!QSettings().contains(QStringLiteral("log/fontSize")));
    }

    void languageChangeIsStoredAndAnnounced()
    {
        AppController controller;
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
        AppController controller;
        QCOMPARE(controller.currentLanguage(), QStringLiteral("ja"));
    }

    void firstPortIsSelected()
    {
        g_ports = {port(QStringLiteral("ttyUSB0")), port(QStringLiteral("ttyUSB1"))};
        AppController controller;
        QCOMPARE(controller.selectedPortName(), QStringLiteral("ttyUSB0"));
    }

    void vanishedSelectionIsClearedThenReplacedAtTheNextChange()
    {
        g_ports = {port(QStringLiteral("ttyUSB0")), port(QStringLiteral("ttyUSB1"))};
        AppController controller;
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
        AppController controller;
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
            AppController controller;
            QCOMPARE(controller.ch340DriverHintDismissed(), false);
            controller.setCh340DriverHintDismissed(true);
        }
        AppController again;
        QCOMPARE(again.ch340DriverHintDismissed(), true);
        const QVariantList drivers = again.availableDrivers();
        QCOMPARE(drivers.size(), 1);
        const QVariantMap driver = drivers.first().toMap();
        QCOMPARE(driver.value(QStringLiteral("name")).toString(), QStringLiteral("CH340 / CH341"));
        QCOMPARE(driver.value(QStringLiteral("url")).toString(), again.ch340DriverUrl());
    }

    void availableLanguagesInTableOrder()
    {
        AppController controller;
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
