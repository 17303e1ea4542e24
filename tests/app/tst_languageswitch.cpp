// The interface language switched while the real window is open: its
// labels, the texts the controller hands it and the messages it logs follow
// at once, in the catalogue's words; switching back shows English again.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/controllersupport.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

using korveltest::MainWindowDriver;

namespace {

const QStringList kWatched{QStringLiteral("Main.qml"), QStringLiteral("SerialSettingsPanel.qml"),
                           QStringLiteral("DataMonitorView.qml"),
                           QStringLiteral("PortComboBox.qml"), QStringLiteral("ComboBox.qml")};

// The text as the current catalogue has it, filled in like the code fills it.
QString translated(const QByteArray& context, const QByteArray& source, const QByteArray& comment,
                   const QString& argument)
{
    QString text = QCoreApplication::translate(context.constData(), source.constData(),
                                               comment.isEmpty() ? nullptr : comment.constData());
    return argument.isEmpty() ? text : text.arg(argument);
}

// The first device model's description in the built-in library, in Chinese or English.
QString builtInDescription(const QString& half)
{
    QFile file(QStringLiteral(":/data/devices.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QJsonObject library = QJsonDocument::fromJson(file.readAll()).object();
    return library.value(QStringLiteral("models"))
        .toArray()
        .first()
        .toObject()
        .value(QStringLiteral("description"))
        .toObject()
        .value(half)
        .toString();
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

    MainWindowDriver m_ui;

private slots:
    void initTestCase() { korveltest::isolateSettings(); }

    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::clearSettings();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("en"));
        QVERIFY(m_ui.load(kWatched));
    }

    void cleanup()
    {
        if (m_ui.controller()) {
            QVERIFY2(m_ui.warnings().isEmpty(), qPrintable(m_ui.warnings().join('\n')));
        }
        m_ui.unload();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void windowFollowsLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("comment");
        QTest::addColumn<QString>("argument");

        QTest::newRow("fr, open button")
            << "fr"
            << "openButton" << QByteArray("text") << QByteArray("SerialSettingsPanel")
            << QByteArray("Open port") << QByteArray() << QString();
        QTest::newRow("ja, send button")
            << "ja"
            << "sendButton" << QByteArray("text") << QByteArray("SendArea") << QByteArray("Send")
            << QByteArray() << QString();
        QTest::newRow("zh_TW, history button")
            << "zh_TW"
            << "historyButton" << QByteArray("text") << QByteArray("SendArea")
            << QByteArray("History") << QByteArray() << QString();
        QTest::newRow("it, send box placeholder")
            << "it"
            << "sendBox" << QByteArray("placeholderText") << QByteArray("SendArea")
            << QByteArray("Type data to send…") << QByteArray() << QString();
        // A text the controller builds in C++ and the status bar shows.
        QTest::newRow("ru, port status")
            << "ru"
            << "portStatusLabel" << QByteArray("text") << QByteArray("AppController")
            << QByteArray("%1 CLOSED") << QByteArray() << QStringLiteral("\u2014");
        // An option label from SerialOptions, rebuilt by the panel.
        QTest::newRow("zh_CN, parity chooser")
            << "zh_CN"
            << "parityCombo" << QByteArray("displayText") << QByteArray("SerialOptions")
            << QByteArray("None") << QByteArray("parity") << QString();
        QTest::newRow("ko, flow control chooser")
            << "ko"
            << "flowControlCombo" << QByteArray("displayText") << QByteArray("SerialOptions")
            << QByteArray("None") << QByteArray("flow control") << QString();
    }

    void windowFollowsLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, objectName);
        QFETCH(QByteArray, property);
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, comment);
        QFETCH(QString, argument);

        QQuickItem* target = m_ui.item(objectName);
        QVERIFY(target);
        const QString english = argument.isEmpty() ? QString::fromUtf8(source)
                                                   : QString::fromUtf8(source).arg(argument);
        QCOMPARE(target->property(property.constData()).toString(), english);

        m_ui.controller()->setCurrentLanguage(code);
        const QString expected = translated(context, source, comment, argument);
        QVERIFY2(expected != english, "the catalogue does not translate the text");
        QTRY_COMPARE(target->property(property.constData()).toString(), expected);

        m_ui.controller()->setCurrentLanguage(QStringLiteral("en"));
        QTRY_COMPARE(target->property(property.constData()).toString(), english);
    }

    // The title the window system shows (and a desktop lists) is the
    // translated one in every language; one window goes through them all.
    void windowTitleFollowsLanguage()
    {
        QQuickWindow* window = m_ui.window();
        QVERIFY(window);
        const QString english = QStringLiteral("Korvel Serial Assistant");
        QCOMPARE(window->title(), english);
        for (const LanguageInfo& info : LanguageManager::availableLanguages()) {
            if (info.code == QLatin1String("en")) {
                continue;
            }
            m_ui.controller()->setCurrentLanguage(info.code);
            const QString expected = QCoreApplication::translate("Main", "Korvel Serial Assistant");
            QVERIFY2(expected != english, qPrintable(info.code + QLatin1String(" keeps it")));
            QTRY_COMPARE(window->title(), expected);
        }
        m_ui.controller()->setCurrentLanguage(QStringLiteral("en"));
        QTRY_COMPARE(window->title(), english);
    }

    void libraryTextFollowsLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("half");
        QTest::newRow("zh_CN") << "zh_CN"
                               << "zh";
        QTest::newRow("zh_TW") << "zh_TW"
                               << "zh";
        // Japanese readers get the English half, as all but Chinese readers do.
        QTest::newRow("ja") << "ja"
                            << "en";
        QTest::newRow("fr") << "fr"
                            << "en";
    }

    // The device library brings its own Chinese and English texts; the
    // command page shows the Chinese one only for the Chinese languages.
    void libraryTextFollowsLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, half);
        const QString zh = builtInDescription(QStringLiteral("zh"));
        const QString en = builtInDescription(QStringLiteral("en"));
        QVERIFY(!zh.isEmpty() && !en.isEmpty() && zh != en);
        QQuickItem* description = m_ui.item(QStringLiteral("modelDescription"));
        QVERIFY(description);
        QCOMPARE(description->property("text").toString(), en);

        m_ui.controller()->setCurrentLanguage(code);
        QTRY_COMPARE(description->property("text").toString(),
                     half == QLatin1String("zh") ? zh : en);

        // From a Chinese interface straight to another language.
        m_ui.controller()->setCurrentLanguage(QStringLiteral("zh_CN"));
        QTRY_COMPARE(description->property("text").toString(), zh);
        m_ui.controller()->setCurrentLanguage(code);
        QTRY_COMPARE(description->property("text").toString(),
                     half == QLatin1String("zh") ? zh : en);
    }

    // A stored language is in place before the window is first shown.
    void storedLanguageShowsAtStart()
    {
        m_ui.unload();
        QSettings().setValue(QStringLiteral("app/language"), QStringLiteral("fr"));
        QVERIFY(m_ui.load(kWatched));
        QQuickItem* button = m_ui.item(QStringLiteral("openButton"));
        QVERIFY(button);
        const QString french = QCoreApplication::translate("SerialSettingsPanel", "Open port");
        QVERIFY(french != QLatin1String("Open port"));
        QTRY_COMPARE(button->property("text").toString(), french);
        QCOMPARE(m_ui.controller()->currentLanguage(), QStringLiteral("fr"));
    }

    void logMessagesFollowLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("ru") << "ru";
        QTest::newRow("zh_CN") << "zh_CN";
        QTest::newRow("fr") << "fr";
    }

    // The entries the controller logs are written in the language of the
    // moment they happen.
    void logMessagesFollowLanguage()
    {
        QFETCH(QString, code);
        korveltest::Simulator device;
        QVERIFY2(device.start(), qPrintable(device.error()));
        AppController* controller = m_ui.controller();
        controller->setCurrentLanguage(code);

        QVERIFY(korveltest::openDefault(*controller, device.path()));
        controller->closePort();
        const QString opened = QCoreApplication::translate("AppController", "%1 opened · %2")
                                   .arg(device.path(), QStringLiteral("115200 8-N-1"));
        const QString closed = QCoreApplication::translate("AppController", "Port closed");
        QVERIFY(closed != QLatin1String("Port closed"));
        QTRY_VERIFY2(m_ui.monitorText().contains(closed), qPrintable(m_ui.monitorText()));
        QVERIFY2(m_ui.monitorText().contains(opened), qPrintable(m_ui.monitorText()));
    }
};

QTEST_MAIN(TestLanguageSwitch)

#include "tst_languageswitch.moc"
