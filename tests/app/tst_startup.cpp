// Start-up as a user meets it: the real application binary on the offscreen
// platform, and the same start-up code given a broken root document.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private:
    QProcessEnvironment isolatedEnvironment(const QTemporaryDir& home) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
        return env;
    }

private slots:
    void applicationKeepsRunning()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcess app;
        app.setProcessEnvironment(isolatedEnvironment(home));
        app.setProcessChannelMode(QProcess::MergedChannels);
        app.start(qEnvironmentVariable("KORVEL_APP"), {});
        QVERIFY2(app.waitForStarted(10000), qPrintable(app.errorString()));

        // Still running after a few seconds: the window was created and the
        // event loop runs.
        QVERIFY2(!app.waitForFinished(4000), app.readAll().constData());
        QCOMPARE(app.state(), QProcess::Running);
        const QByteArray output = app.readAll();
        QVERIFY2(!output.contains("Error"), output.constData());

        app.terminate();
        QVERIFY(app.waitForFinished(10000));
    }

    void brokenRootDocumentEndsWithMinusOne()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcess probe;
        probe.setProcessEnvironment(isolatedEnvironment(home));
        probe.setProcessChannelMode(QProcess::MergedChannels);
        probe.start(qEnvironmentVariable("KORVEL_STARTUP_PROBE"),
                    {qEnvironmentVariable("KORVEL_TEST_DATA") + QStringLiteral("/BrokenMain.qml")});
        QVERIFY2(probe.waitForStarted(10000), qPrintable(probe.errorString()));
        QVERIFY2(probe.waitForFinished(30000), "a broken document must end the process");
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        // -1 as a process exit status reads 255.
        QCOMPARE(probe.exitCode(), 255);
        QVERIFY(probe.readAll().contains("NoSuchType"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
