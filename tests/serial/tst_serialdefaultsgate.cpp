// When a device model's serial settings reach the serial panel: at once
// without a session, at its end during one, the last choice winning.
#include "serial/serialdefaultsgate.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QVariantMap defaultsOf(int baud)
{
    return {{QStringLiteral("present"), true}, {QStringLiteral("baudRate"), baud}};
}

} // namespace

class TestSerialDefaultsGate : public QObject
{
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<QString>("events");  // o open, c close, number: model with that baud
        QTest::addColumn<QString>("applied"); // "baud/deferred" per apply

        QTest::newRow("closed: at once") << "9600"
                                         << "9600/now";
        QTest::newRow("open: at the close") << "o 9600 c"
                                            << "9600/later";
        QTest::newRow("open: the last choice wins") << "o 9600 19200 c"
                                                    << "19200/later";
        QTest::newRow("open without a choice: nothing at the close") << "o c"
                                                                     << "";
        QTest::newRow("each session on its own") << "o 9600 c o c"
                                                 << "9600/later";
        QTest::newRow("closed again: at once again") << "o 9600 c 57600"
                                                     << "9600/later 57600/now";
        QTest::newRow("a session that goes on is no end") << "o 9600 o"
                                                          << "";
    }

    void order()
    {
        QFETCH(QString, events);
        QFETCH(QString, applied);
        SerialDefaultsGate gate;
        QStringList seen;
        connect(&gate, &SerialDefaultsGate::apply, this,
                [&seen](const QVariantMap& defaults, bool deferred) {
                    seen << QStringLiteral("%1/%2").arg(
                        defaults.value(QStringLiteral("baudRate")).toString(),
                        deferred ? QStringLiteral("later") : QStringLiteral("now"));
                });
        bool running = false;
        for (const QString& event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (event == QLatin1String("o")) {
                running = true;
                gate.setSessionRunning(true);
            } else if (event == QLatin1String("c")) {
                running = false;
                gate.setSessionRunning(false);
            } else {
                gate.modelChosen(defaultsOf(event.toInt()), running);
            }
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), applied);
        QVERIFY(!gate.hasPending() || running);
    }

    // The session's state may reach the gate after the choice (it is told
    // once the event that opened the port is over): the choice says it.
    void choiceDuringAnOpenNotYetTold()
    {
        SerialDefaultsGate gate;
        QSignalSpy applied(&gate, &SerialDefaultsGate::apply);
        gate.modelChosen(defaultsOf(9600), true);
        QCOMPARE(applied.count(), 0);
        gate.setSessionRunning(true);
        gate.setSessionRunning(false);
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.at(0).at(1).toBool(), true);
    }
};

QTEST_GUILESS_MAIN(TestSerialDefaultsGate)
#include "tst_serialdefaultsgate.moc"
