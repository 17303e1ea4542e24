// What a send does without an open port, or with nothing to send. No port is
// involved; composing the bytes is tested in tests/serial/tst_payloadcomposer.
#include "app/appcontroller.h"
#include "support/testsupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class TestPayload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettingsInEnglish(); }
    void init() { korveltest::clearSettings(); }

    // Trimming only decides whether anything happens: a blank draft does
    // nothing at all, not even complain about the closed port.
    void blankDraftDoesNothing_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("hex");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("white space mix") << " \t\r\n " << false;
        QTest::newRow("blanks in hex mode") << "  " << true;
    }

    void blankDraftDoesNothing()
    {
        QFETCH(QString, draft);
        QFETCH(bool, hex);
        AppController controller;
        controller.setSendAsHex(hex);
        controller.setDraftText(draft);
        QSignalSpy historyReset(controller.commandHistoryModel(), &QAbstractItemModel::modelReset);
        controller.sendManualText();
        QVERIFY(controller.logStore().entries().isEmpty());
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 0);
        QCOMPARE(historyReset.count(), 0);
        QCOMPARE(controller.draftText(), draft);
    }

    void closedPortIsReported_data()
    {
        QTest::addColumn<bool>("hex");
        QTest::newRow("text") << false;
        QTest::newRow("hex") << true;
    }

    void closedPortIsReported()
    {
        QFETCH(bool, hex);
        AppController controller;
        controller.setSendAsHex(hex);
        controller.setDraftText(QStringLiteral("01 03"));
        controller.sendManualText();
        controller.sendManualText();

        const QList<LogEntry>& entries = controller.logStore().entries();
        QCOMPARE(entries.size(), 2);
        for (const LogEntry& entry : entries) {
            QCOMPARE(entry.kind, LogKind::ERR);
            QCOMPARE(QString::fromUtf8(entry.data),
                     QStringLiteral("Port is not open \u2014 click \"Open port\" first."));
        }
        QCOMPARE(controller.logStore().txBytes(), 0);
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("send/history")));
        QCOMPARE(controller.draftText(), QStringLiteral("01 03"));
    }

    // Without an open port, turning repeat on must not start sending: the
    // ticks would only pile up error entries.
    void repeatNeedsAnOpenPort()
    {
        AppController controller;
        controller.setDraftText(QStringLiteral("AT"));
        controller.setRepeatIntervalMs(10);
        QSignalSpy appended(&controller.logStore(), &LogManager::entriesAppended);
        controller.setRepeatSendEnabled(true);
        QVERIFY(!appended.wait(300));
        QVERIFY(controller.logStore().entries().isEmpty());
    }
};

QTEST_MAIN(TestPayload)
#include "tst_payload.moc"
