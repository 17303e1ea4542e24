// The stored choices of the line end, the control lines and the file send, in a settings file
// of the test's own: their defaults (what every earlier version did), a round trip, and what
// an edited file with a value of the wrong type reads as.
#include "settings/settingsstore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

struct Key
{
    std::function<QVariant(const SettingsStore&)> get;
    std::function<void(SettingsStore&, const QVariant&)> set;
};

Key keyFor(const QString& name)
{
    if (name == QLatin1String("send/lineEnd"))
        return {[](const SettingsStore& s) { return QVariant(s.textLineEnd()); },
                [](SettingsStore& s, const QVariant& v) {
                    s.setTextLineEnd(v.toInt());
                }};
    if (name == QLatin1String("serial/dtrOnOpen"))
        return {[](const SettingsStore& s) { return QVariant(s.dtrOnOpen()); },
                [](SettingsStore& s, const QVariant& v) {
                    s.setDtrOnOpen(v.toBool());
                }};
    if (name == QLatin1String("serial/rtsOnOpen"))
        return {[](const SettingsStore& s) { return QVariant(s.rtsOnOpen()); },
                [](SettingsStore& s, const QVariant& v) {
                    s.setRtsOnOpen(v.toBool());
                }};
    if (name == QLatin1String("serial/resetLine"))
        return {[](const SettingsStore& s) { return QVariant(s.resetLine()); },
                [](SettingsStore& s, const QVariant& v) {
                    s.setResetLine(v.toInt());
                }};
    if (name == QLatin1String("serial/resetPulseMs"))
        return {[](const SettingsStore& s) { return QVariant(s.resetPulseMs()); },
                [](SettingsStore& s, const QVariant& v) {
                    s.setResetPulseMs(v.toInt());
                }};
    if (name == QLatin1String("send/fileAsText"))
        return {[](const SettingsStore& s) { return QVariant(s.fileAsText()); },
                [](SettingsStore& s, const QVariant& v) {
                    s.setFileAsText(v.toBool());
                }};
    return {[](const SettingsStore& s) { return QVariant(s.filePauseMs()); },
            [](SettingsStore& s, const QVariant& v) {
                s.setFilePauseMs(v.toInt());
            }};
}

} // namespace

class TestLineSettings : public QObject
{
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("fallback");
        QTest::addColumn<QVariant>("sample");
        QTest::addColumn<QVariant>("wrongType");
        QTest::addColumn<QVariant>("readAs");

        QTest::newRow("line end") << "send/lineEnd" << QVariant(0) << QVariant(2) << QVariant("LF")
                                  << QVariant(0);
        QTest::newRow("DTR after open") << "serial/dtrOnOpen" << QVariant(true) << QVariant(false)
                                        << QVariant("") << QVariant(false);
        QTest::newRow("RTS after open") << "serial/rtsOnOpen" << QVariant(true) << QVariant(false)
                                        << QVariant("0") << QVariant(false);
        QTest::newRow("reset line")
            << "serial/resetLine" << QVariant(0) << QVariant(1) << QVariant("RTS") << QVariant(0);
        QTest::newRow("reset pulse") << "serial/resetPulseMs" << QVariant(100) << QVariant(250)
                                     << QVariant("long") << QVariant(100);
        QTest::newRow("file as text") << "send/fileAsText" << QVariant(false) << QVariant(true)
                                      << QVariant("false") << QVariant(false);
        QTest::newRow("file pause")
            << "send/filePauseMs" << QVariant(0) << QVariant(40) << QVariant("soon") << QVariant(0);
    }

    void keys()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, fallback);
        QFETCH(QVariant, sample);
        QFETCH(QVariant, wrongType);
        QFETCH(QVariant, readAs);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("settings.ini"));
        SettingsStore store(file, QSettings::IniFormat);
        const Key access = keyFor(key);

        QCOMPARE(access.get(store), fallback);
        QVERIFY(QSettings(file, QSettings::IniFormat).allKeys().isEmpty());

        access.set(store, sample);
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(key).toString(), sample.toString());
        QCOMPARE(access.get(SettingsStore(file, QSettings::IniFormat)), sample);

        QSettings(file, QSettings::IniFormat).setValue(key, wrongType);
        QCOMPARE(access.get(store), readAs);
    }
};

QTEST_GUILESS_MAIN(TestLineSettings)
#include "tst_linesettings.moc"
