// The cheap local clock: the times it gives must read exactly as the local
// times Qt works out itself, also around daylight-saving changes.
#include "util/localclock.h"

#include <QtTest>

#include <ctime>

namespace {

// Makes the process use another time zone while it lives.
class ZoneGuard
{
public:
    explicit ZoneGuard(const QByteArray& zone)
        : m_had(qEnvironmentVariableIsSet("TZ"))
        , m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneGuard()
    {
        if (m_had) {
            qputenv("TZ", m_old);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    ZoneGuard(const ZoneGuard&) = delete;
    ZoneGuard& operator=(const ZoneGuard&) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

qint64 utcMs(const char* iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs).toMSecsSinceEpoch();
}

} // namespace

class TestLocalClock : public QObject
{
    Q_OBJECT

private slots:
    void matchesQt_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("step");
        QTest::addColumn<int>("steps");

        const auto row = [](const char* tag, const char* zone, const char* start, qint64 step,
                            int steps) {
            QTest::newRow(tag) << QByteArray(zone) << utcMs(start) << step << steps;
        };
        // Instants in UTC; Berlin springs forward at 01:00 UTC on 2024-03-31
        // and falls back at 01:00 UTC on 2024-10-27.
        row("UTC, within a second", "UTC", "2024-05-01T12:00:00.000Z", 7, 300);
        row("Berlin, spring forward", "Europe/Berlin", "2024-03-31T00:59:58.500Z", 250, 20);
        row("Berlin, fall back", "Europe/Berlin", "2024-10-27T00:59:59.000Z", 333, 12);
        row("Berlin, back and forth across it", "Europe/Berlin", "2024-10-27T01:00:01.000Z", -400,
            10);
        row("New York, spring forward", "America/New_York", "2024-03-10T06:59:59.900Z", 50, 10);
        row("Kathmandu, odd offset", "Asia/Kathmandu", "2024-01-01T00:00:00.000Z", 999, 5);
        row("Lord Howe, half-hour change", "Australia/Lord_Howe", "2024-04-06T14:59:59.000Z", 500,
            6);
        row("before 1970", "Europe/Berlin", "1969-12-31T22:59:59.250Z", 250, 12);
        row("new year at midnight local", "Pacific/Auckland", "2024-12-31T10:59:59.990Z", 5, 6);
    }

    void matchesQt()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, start);
        QFETCH(qint64, step);
        QFETCH(int, steps);
        const ZoneGuard guard(zone);

        LocalClock clock;
        for (int i = 0; i < steps; ++i) {
            const qint64 ms = start + i * step;
            const QDateTime expected = QDateTime::fromMSecsSinceEpoch(ms);
            const QDateTime got = clock.localTime(ms);
            const QByteArray where = QByteArray::number(ms);
            QVERIFY2(got.isValid(), where.constData());
            QCOMPARE(got.toMSecsSinceEpoch(), ms);
            QCOMPARE(got.offsetFromUtc(), expected.offsetFromUtc());
            QCOMPARE(got.date(), expected.date());
            QCOMPARE(got.time(), expected.time());
            QCOMPARE(got.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
                     expected.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
        }
    }

    void nowIsNow()
    {
        LocalClock clock;
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const QDateTime now = clock.now();
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        QVERIFY(now.toMSecsSinceEpoch() >= before);
        QVERIFY(now.toMSecsSinceEpoch() <= after);
        QCOMPARE(now.offsetFromUtc(), QDateTime::fromMSecsSinceEpoch(before).offsetFromUtc());
    }
};

QTEST_GUILESS_MAIN(TestLocalClock)
#include "tst_localclock.moc"
