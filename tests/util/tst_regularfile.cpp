// Opening and reading only regular files: a named pipe, a device, a folder or a link to one of
// them is refused at once (never waited for), and a read takes no more than its bound.
#include "util/regularfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestRegularFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // What each row names, made fresh in the work folder.
    QString make(const QString& kind)
    {
        const QString path = m_dir.filePath(kind);
        QFile::remove(path);
        if (kind == QLatin1String("regular")) {
            writeFile(path, "KEY=1\n");
        } else if (kind == QLatin1String("pipe")) {
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
        } else if (kind == QLatin1String("folder")) {
            QDir(m_dir.path()).mkdir(kind);
        } else if (kind == QLatin1String("link to urandom")) {
            QFile::link(QStringLiteral("/dev/urandom"), path);
        } else if (kind == QLatin1String("link to regular")) {
            writeFile(m_dir.filePath(QStringLiteral("target")), "KEY=1\n");
            QFile::link(m_dir.filePath(QStringLiteral("target")), path);
        } else if (kind == QLatin1String("device")) {
            return QStringLiteral("/dev/zero");
        }
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void open_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("writing");
        QTest::addColumn<bool>("opens");

        for (const bool writing : {false, true}) {
            const char* how = writing ? "for writing" : "for reading";
            QTest::addRow("regular file %s", how) << "regular" << writing << true;
            QTest::addRow("link to a regular file %s", how) << "link to regular" << writing << true;
            QTest::addRow("named pipe %s", how) << "pipe" << writing << false;
            QTest::addRow("device %s", how) << "device" << writing << false;
            QTest::addRow("link to a device %s", how) << "link to urandom" << writing << false;
            QTest::addRow("folder %s", how) << "folder" << writing << false;
        }
        QTest::newRow("missing file for writing is made") << "missing" << true << true;
    }

    // Run on a thread of its own, so that an open that waits fails the test instead of
    // holding it: the pipe is then opened from here, which releases it.
    void open()
    {
        QFETCH(QString, kind);
        QFETCH(bool, writing);
        QFETCH(bool, opens);
        const QString path = make(kind);
        auto result = std::make_shared<std::atomic<int>>(-1);
        auto reason = std::make_shared<QString>();
        const QIODevice::OpenMode mode =
            writing ? QIODevice::WriteOnly | QIODevice::Append : QIODevice::ReadOnly;
        std::thread opener([path, mode, result, reason] {
            QFile file(path);
            QString error;
            const bool ok = RegularFile::open(file, mode, &error);
            *reason = error;
            *result = ok ? 1 : 0;
        });
        QDeadlineTimer deadline(5000);
        while (*result < 0 && !deadline.hasExpired()) {
            QTest::qWait(10);
        }
        const bool waited = *result < 0;
        if (waited) {
            // The other end, so the open returns.
            QFile other(path);
            other.open(writing ? QIODevice::ReadOnly : QIODevice::WriteOnly);
        }
        opener.join();
        QVERIFY2(!waited, "the open waited");
        QCOMPARE(*result == 1, opens);
        QCOMPARE(reason->isEmpty(), opens);
    }

    // A writer opened on a regular file writes at its end.
    void appendsToExistingFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("append.log"));
        QVERIFY(writeFile(path, "one\n"));
        QFile file(path);
        QVERIFY(RegularFile::open(file, QIODevice::WriteOnly | QIODevice::Append));
        QCOMPARE(file.write("two\n"), 4);
        file.close();
        QFile check(path);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("one\ntwo\n"));
    }

    void read_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("ok");

        QTest::newRow("within the bound") << "regular" << 100 << true;
        QTest::newRow("exactly the bound") << "regular" << 1000 << true;
        QTest::newRow("one byte past") << "regular" << 1001 << false;
        QTest::newRow("endless device") << "link to urandom" << 0 << false;
        QTest::newRow("missing") << "missing" << 0 << false;
    }

    void read()
    {
        QFETCH(QString, kind);
        QFETCH(int, size);
        QFETCH(bool, ok);
        const QString path = make(kind);
        const QByteArray content(size, 'k');
        if (size > 0) {
            QVERIFY(writeFile(path, content));
        }
        bool read = !ok;
        QString error;
        const QByteArray bytes = RegularFile::read(path, 1000, &read, &error);
        QCOMPARE(read, ok);
        QCOMPARE(bytes, ok ? content : QByteArray());
        QCOMPARE(error.isEmpty(), ok);
    }
};

QTEST_GUILESS_MAIN(TestRegularFile)
#include "tst_regularfile.moc"
