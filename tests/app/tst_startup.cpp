// Start-up as a user meets it: the real application binary on the offscreen
// platform, and the same start-up code given a broken root document.
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSettings>
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

    // Runs the start-up probe on the font document; "name=value" lines it logs.
    QMap<QString, QString> runFontProbe(const QTemporaryDir& home) const
    {
        QProcess probe;
        probe.setProcessEnvironment(isolatedEnvironment(home));
        probe.setProcessChannelMode(QProcess::MergedChannels);
        probe.start(qEnvironmentVariable("KORVEL_STARTUP_PROBE"),
                    {qEnvironmentVariable("KORVEL_TEST_DATA") +
                     QStringLiteral("/RestoreDefaultsProbe.qml")});
        if (!probe.waitForFinished(30000)) {
            qWarning("the font probe did not end");
            return {};
        }
        QMap<QString, QString> seen;
        const QString output = QString::fromLocal8Bit(probe.readAll());
        const QRegularExpression line(QStringLiteral("(stored|restored|applied)=([^\\n]*)"));
        for (auto it = line.globalMatch(output); it.hasNext();) {
            const auto match = it.next();
            seen.insert(match.captured(1), match.captured(2).trimmed());
        }
        if (seen.size() != 3) {
            qWarning("%s", qPrintable(output));
        }
        return seen;
    }

    QString m_platformFamily;

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

    // "Restore defaults" goes back to the platform's interface font, also
    // when the session started with a family of the user's.
    void restoreDefaultsFindsPlatformFontAfterStoredOne_data()
    {
        QTest::addColumn<QString>("storedFamily");
        QTest::newRow("nothing stored") << QString();
        QTest::newRow("family stored") << QStringLiteral("Stored Family Xyz");
    }

    void restoreDefaultsFindsPlatformFontAfterStoredOne()
    {
        QFETCH(QString, storedFamily);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        if (!storedFamily.isEmpty()) {
            QSettings stored(home.path() +
                                 QStringLiteral("/.config/Korvel/KorvelSerialAssistant.conf"),
                             QSettings::IniFormat);
            stored.setValue(QStringLiteral("app/fontFamily"), storedFamily);
            stored.sync();
            QCOMPARE(stored.status(), QSettings::NoError);
        }
        const QMap<QString, QString> seen = runFontProbe(home);
        QCOMPARE(seen.value(QStringLiteral("stored")),
                 storedFamily.isEmpty() ? m_platformFamily : storedFamily);
        QCOMPARE(seen.value(QStringLiteral("restored")), m_platformFamily);
        QCOMPARE(seen.value(QStringLiteral("applied")), m_platformFamily);
    }

    void initTestCase()
    {
        // What a fresh start reports is the platform's own family.
        QTemporaryDir home;
        QVERIFY(home.isValid());
        m_platformFamily = runFontProbe(home).value(QStringLiteral("stored"));
        QVERIFY(!m_platformFamily.isEmpty());
        QVERIFY(m_platformFamily != QLatin1String("Stored Family Xyz"));
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
