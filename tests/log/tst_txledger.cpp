// Taking bytes the port threw away off the Tx counter in the counter's own units.
#include "log/txledger.h"

#include <QtTest>

using Queue = QList<QPair<qint64, qint64>>; // payload bytes, counted bytes

class TestTxLedger : public QObject
{
    Q_OBJECT

private slots:
    void discarded_data()
    {
        QTest::addColumn<Queue>("queue");
        QTest::addColumn<qint64>("written");
        QTest::addColumn<qint64>("thrownAway");
        QTest::addColumn<qint64>("uncounted");

        // A text send: 4 counted for 6 bytes (CR LF); a hex send: 5 counted ("AA BB") for 2.
        const Queue three{{6, 4}, {2, 5}, {6, 4}};
        QTest::newRow("nothing thrown away") << three << qint64(14) << qint64(0) << qint64(0);
        QTest::newRow("the last payload") << three << qint64(8) << qint64(6) << qint64(4);
        QTest::newRow("the last two") << three << qint64(6) << qint64(8) << qint64(9);
        QTest::newRow("all of them") << three << qint64(0) << qint64(14) << qint64(13);
        // Half of a payload of 6 that counted 4.
        QTest::newRow("part of one") << three << qint64(11) << qint64(3) << qint64(2);
        QTest::newRow("echo off counts nothing")
            << Queue{{6, 0}, {6, 0}} << qint64(0) << qint64(12) << qint64(0);
        // The port reports more than was queued through the ledger: nothing goes negative.
        QTest::newRow("more written than queued") << three << qint64(100) << qint64(5) << qint64(0);
    }

    void discarded()
    {
        QFETCH(Queue, queue);
        QFETCH(qint64, written);
        QFETCH(qint64, thrownAway);
        QFETCH(qint64, uncounted);
        TxLedger ledger;
        for (const auto& [payload, counted] : queue) {
            ledger.queued(payload, counted);
        }
        ledger.written(written);
        QCOMPARE(ledger.discarded(thrownAway), uncounted);
        // Forgotten afterwards.
        QCOMPARE(ledger.discarded(thrownAway), qint64(0));
    }
};

QTEST_GUILESS_MAIN(TestTxLedger)
#include "tst_txledger.moc"
