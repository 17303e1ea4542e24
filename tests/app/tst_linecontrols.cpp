// The line end, the control lines and the file send in the real window: the send area's line
// end choice, a pseudo-terminal's missing modem lines told once without a dialog, BREAK from
// the Port menu, and a file sent from the Port menu with its progress and Cancel.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/mainwindowdriver.h"
#include "support/testsupport.h"

#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using namespace korveltest;

const QStringList kWatched{QStringLiteral("Main.qml"),
                           QStringLiteral("SendArea.qml"),
                           QStringLiteral("LineEndChooser.qml"),
                           QStringLiteral("SerialSettingsPanel.qml"),
                           QStringLiteral("ControlLinesPanel.qml"),
                           QStringLiteral("StatusBar.qml"),
                           QStringLiteral("ModemStatusIndicators.qml"),
                           QStringLiteral("FileSendDialog.qml"),
                           QStringLiteral("FileSendProgress.qml")};

const QString kNoLines = QStringLiteral("SYS:This port has no modem control lines.");

// A port whose lines answer, as a USB bridge's do: it keeps what was set and shows CTS up.
class WorkingLines : public ControlLinePort
{
public:
    bool setDataTerminalReady(bool on) override
    {
        calls << QStringLiteral("DTR %1").arg(int(on));
        return true;
    }
    bool setRequestToSend(bool on) override
    {
        calls << QStringLiteral("RTS %1").arg(int(on));
        return true;
    }
    bool setBreakEnabled(bool) override { return true; }
    bool readSignals(QSerialPort::PinoutSignals* lines) override
    {
        *lines = QSerialPort::ClearToSendSignal;
        return true;
    }

    QStringList calls;
};

} // namespace

class TestLineControls : public QObject
{
    Q_OBJECT

    const AppServices m_fakePorts =
        korveltest::testServices([] { return QList<SerialPortEntry>{}; });

private:
    MainWindowDriver m_window{m_fakePorts};

    // Opens the Port menu from the menu bar and clicks the item @p name.
    void chooseFromPortMenu(const QString& name)
    {
        QList<QQuickItem*> pending{m_window.item(QStringLiteral("menuBar"))};
        QQuickItem* title = nullptr;
        while (!pending.isEmpty() && !title) {
            QQuickItem* next = pending.takeFirst();
            if (next->property("text").toString() == QLatin1String("&Port"))
                title = next;
            pending += next->childItems();
        }
        QVERIFY(title);
        m_window.click(title);
        auto* entry = qobject_cast<QQuickItem*>(m_window.object(name));
        QVERIFY(entry);
        QTRY_VERIFY(entry->isVisible() && entry->width() > 0);
        QVERIFY(entry->isEnabled());
        m_window.click(entry);
    }

    // Scrolls the serial panel to its end, where the control lines are, as a user would.
    void showControlLines()
    {
        QQuickItem* panel = m_window.item(QStringLiteral("serialPanel"));
        QVERIFY(panel);
        panel->setProperty("contentY", panel->property("contentHeight").toReal() - panel->height());
        QQuickItem* last = m_window.item(QStringLiteral("resetPulseSpin"));
        QTRY_VERIFY(last->mapToItem(panel, QPointF(0, last->height())).y() <= panel->height());
    }

    bool enabled(const char* name) const { return m_window.item(QLatin1String(name))->isEnabled(); }

private slots:
    void initTestCase()
    {
        isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void init()
    {
        korveltest::failOnQmlWarnings();
        korveltest::clearSettings();
        QVERIFY(m_window.load(kWatched));
    }

    void cleanup()
    {
        const QStringList warnings = m_window.warnings();
        m_window.unload();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

    // The choice beside ASCII/HEX: picked with the mouse, kept, resting while HEX is chosen.
    void lineEndChoice()
    {
        AppController* controller = m_window.controller();
        QQuickItem* combo = m_window.item(QStringLiteral("lineEndCombo"));
        QVERIFY(combo && combo->isVisible());
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("CR LF"));
        m_window.click(combo);
        auto* popup = combo->property("popup").value<QObject*>();
        QTRY_VERIFY(popup->property("opened").toBool());
        QTest::keyClick(m_window.window(), Qt::Key_Down);
        QTest::keyClick(m_window.window(), Qt::Key_Return);
        QTRY_COMPARE(controller->lineEnd(), 1);
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("LF"));
        QCOMPARE(QSettings().value(QStringLiteral("send/lineEnd")).toInt(), 1);

        controller->setSendAsHex(true);
        QVERIFY(!combo->isEnabled());
        controller->setSendAsHex(false);
        controller->setLineEnd(3);
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("None"));
    }

    // A pseudo-terminal has no modem lines: one SYS line, the toggles rest with the reason,
    // the status dots give way, no dialog, and the session goes on (BREAK still works).
    void portWithoutModemLines()
    {
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        Device device(pair.devicePath());
        AppController* controller = m_window.controller();
        QVERIFY(!enabled("dtrToggle"));
        QVERIFY(!enabled("resetDeviceButton"));
        QVERIFY(!m_window.item(QStringLiteral("modemStatus"))->isVisible());

        QVERIFY(controller->openPortPath(pair.appPath(), 115200, 8, 0, 1, 0));
        QCOMPARE(describe(controller->logStore()), (QStringList{opened(pair.appPath()), kNoLines}));
        QVERIFY(controller->portOpen());
        QVERIFY(!enabled("dtrToggle"));
        QVERIFY(!enabled("rtsToggle"));
        QVERIFY(!enabled("resetDeviceButton"));
        QVERIFY(!m_window.item(QStringLiteral("modemStatus"))->isVisible());
        QVERIFY(!m_window.object(QStringLiteral("portErrorDialog"))->property("visible").toBool());
        QCOMPARE(m_window.item(QStringLiteral("rtsToggle"))->property("toolTipText").toString(),
                 QStringLiteral("This port has no modem control lines."));

        chooseFromPortMenu(QStringLiteral("sendBreakMenuItem"));
        QTRY_COMPARE(describe(controller->logStore()).constLast(),
                     QStringLiteral("SYS:Break sent (250 ms)."));
        QCOMPARE(describe(controller->logStore()).count(kNoLines), 1);

        controller->setDraftText(QStringLiteral("AT"));
        controller->sendManualText();
        QTRY_COMPARE(device.received, QByteArray("AT\r\n"));

        // The next session tells it again, once.
        controller->closePort();
        QVERIFY(controller->openPortPath(pair.appPath(), 115200, 8, 0, 1, 0));
        QCOMPARE(describe(controller->logStore()).count(kNoLines), 2);
    }

    // On a port whose lines answer: the toggles set them, the status row shows CTS up, and
    // with RTS/CTS flow control the RTS toggle rests and says why.
    void portWithModemLines_data()
    {
        QTest::addColumn<int>("flowControl");
        QTest::newRow("no flow control") << 0;
        QTest::newRow("RTS/CTS") << 1;
    }

    void portWithModemLines()
    {
        QFETCH(int, flowControl);
        auto lines = std::make_shared<WorkingLines>();
        AppServices services = m_fakePorts;
        services.controlLinePort = lines;
        m_window.unload();
        m_window.setServices(services);
        QVERIFY(m_window.load(kWatched));
        m_window.setServices(m_fakePorts);

        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        AppController* controller = m_window.controller();
        QVERIFY(controller->openPortPath(pair.appPath(), 115200, 8, 0, 1, flowControl));
        QCOMPARE(describe(controller->logStore()), QStringList{opened(pair.appPath())});
        QTRY_VERIFY(m_window.item(QStringLiteral("modemStatus"))->isVisible());
        QVERIFY(controller->controlLines()->cts());

        showControlLines();
        QQuickItem* dtr = m_window.item(QStringLiteral("dtrToggle"));
        QQuickItem* rts = m_window.item(QStringLiteral("rtsToggle"));
        QVERIFY(dtr->isEnabled());
        QVERIFY(dtr->property("checked").toBool());
        m_window.click(dtr);
        QCOMPARE(lines->calls, QStringList{QStringLiteral("DTR 0")});
        QVERIFY(!controller->controlLines()->dtr());
        QCOMPARE(rts->isEnabled(), flowControl == 0);
        QCOMPARE(rts->property("toolTipText").toString(),
                 flowControl == 0
                     ? QString()
                     : QStringLiteral("RTS/CTS flow control drives RTS while the port is open."));
        if (flowControl == 0) {
            m_window.click(rts);
            QCOMPARE(lines->calls.constLast(), QStringLiteral("RTS 0"));
        }
        QVERIFY(!describe(controller->logStore()).contains(kNoLines));
    }

    // The stored choices of the panel: the state after opening, the reset line and pulse.
    void storedLineChoices()
    {
        showControlLines();
        m_window.click(m_window.item(QStringLiteral("dtrOnOpenCheck")));
        QCOMPARE(QSettings().value(QStringLiteral("serial/dtrOnOpen")).toBool(), false);
        QVERIFY(!m_window.controller()->controlLines()->dtrOnOpen());
        m_window.controller()->controlLines()->setResetPulseMs(250);
        QCOMPARE(m_window.item(QStringLiteral("resetPulseSpin"))->property("value").toInt(), 250);
        QCOMPARE(QSettings().value(QStringLiteral("serial/resetPulseMs")).toInt(), 250);

        // A later window starts from them.
        m_window.unload();
        QVERIFY(m_window.load(kWatched));
        QVERIFY(!m_window.item(QStringLiteral("dtrOnOpenCheck"))->property("checked").toBool());
        QCOMPARE(m_window.item(QStringLiteral("resetPulseSpin"))->property("value").toInt(), 250);
    }

    // Port > Send file…: a missing file is said in the dialog; a file sent to a device that
    // does not read shows its progress and stops with Cancel; one that goes through leaves a
    // one-line summary as its echo.
    void sendFileFromTheMenu()
    {
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        QTemporaryDir dir;
        const QString big = dir.filePath(QStringLiteral("capture.bin"));
        QVERIFY(writeFile(big, QByteArray(2 * 1024 * 1024, 'c')));
        AppController* controller = m_window.controller();
        QFile stalled(pair.devicePath());
        QVERIFY(stalled.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
        QVERIFY(controller->openPortPath(pair.appPath(), 115200, 8, 0, 1, 0));

        chooseFromPortMenu(QStringLiteral("sendFileMenuItem"));
        QVERIFY(m_window.waitOpened(QStringLiteral("fileSendDialog")));
        QTRY_VERIFY(m_window.item(QStringLiteral("filePathField"))->hasActiveFocus());
        m_window.typeText(dir.filePath(QStringLiteral("missing.txt")));
        m_window.click(m_window.item(QStringLiteral("fileSendButton")));
        QQuickItem* error = m_window.item(QStringLiteral("fileSendError"));
        QTRY_VERIFY(error->isVisible());
        QVERIFY(error->property("text").toString().contains(QLatin1String("No such file")));

        m_window.click(m_window.item(QStringLiteral("filePathField")));
        m_window.selectAll();
        m_window.typeText(big);
        QCOMPARE(m_window.item(QStringLiteral("filePathField"))->property("text").toString(), big);
        m_window.click(m_window.item(QStringLiteral("fileSendButton")));
        QVERIFY(m_window.waitClosed(QStringLiteral("fileSendDialog")));
        QQuickItem* progress = m_window.item(QStringLiteral("fileSendProgress"));
        QTRY_VERIFY(progress->isVisible());
        QTRY_VERIFY(controller->fileSender()->bytesSent() > 0);
        QTRY_VERIFY(m_window.item(QStringLiteral("fileSendFigures"))
                        ->property("text")
                        .toString()
                        .contains(QStringLiteral(" of 2.0 MB sent")));
        QVERIFY(!m_window.item(QStringLiteral("sendFileMenuItem"))->isEnabled());
        m_window.click(m_window.item(QStringLiteral("fileSendCancel")));
        QTRY_VERIFY(!progress->isVisible());
        QVERIFY(describe(controller->logStore())
                    .constLast()
                    .startsWith(QStringLiteral("SYS:Sending capture.bin cancelled; bytes sent: ")));

        // A device that reads gets the whole of a small file; the log gets one line. (A line
        // of its own: the first one still holds what the cancel left on its way.)
        controller->closePort();
        SocatPair reading;
        QVERIFY2(reading.start(), qPrintable(reading.error()));
        Device device(reading.devicePath());
        QVERIFY(controller->openPortPath(reading.appPath(), 115200, 8, 0, 1, 0));
        const QString small = dir.filePath(QStringLiteral("script.txt"));
        QVERIFY(writeFile(small, "AT\nAT+GMR\r\n"));
        controller->fileSender()->setAsText(true);
        controller->setLineEnd(2);
        QCOMPARE(controller->sendFile(small), QString());
        QTRY_COMPARE(device.received, QByteArray("AT\rAT+GMR\r"));
        QTRY_COMPARE(describe(controller->logStore()).constLast(),
                     QStringLiteral("TX:[file script.txt \u00b7 bytes sent: 10]"));
    }
};

QTEST_MAIN(TestLineControls)
#include "tst_linecontrols.moc"
