#include "settings/languagemanager.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

// The test's own catalogue (code "xx") translates this one text.
QString portClosedText()
{
    return QCoreApplication::translate("AppController", "Port closed");
}

} // namespace

/// The process-wide language switch and the Chinese/English text choice.
class TstLanguageManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void availableLanguages();
    void setLanguage_data();
    void setLanguage();
    void sameCodeTwiceEmitsTwice();
    void pick_data();
    void pick();
    void catalogueFollowsLanguage();
};

void TstLanguageManager::initTestCase()
{
    LanguageManager& manager = LanguageManager::instance();
    QCOMPARE(&manager, &LanguageManager::instance());
    QCOMPARE(manager.parent(), nullptr);
    QCOMPARE(manager.currentLanguage(), QStringLiteral("en"));
}

void TstLanguageManager::availableLanguages()
{
    QStringList rows;
    for (const LanguageInfo& info : LanguageManager::availableLanguages()) {
        rows << info.code + QLatin1Char('=') + info.nativeName;
    }
    const QStringList expected = {
        QStringLiteral("en=English"),     QStringLiteral("zh_CN=简体中文"),
        QStringLiteral("zh_TW=繁體中文"), QStringLiteral("ja=日本語"),
        QStringLiteral("ko=한국어"),      QStringLiteral("ru=Русский"),
        QStringLiteral("fr=Français"),    QStringLiteral("it=Italiano"),
    };
    QCOMPARE(rows, expected);
}

void TstLanguageManager::setLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("outside the table") << "de";
    QTest::newRow("traditional Chinese") << "zh_TW";
    QTest::newRow("empty") << "";
    QTest::newRow("english") << "en";
}

void TstLanguageManager::setLanguage()
{
    QFETCH(QString, code);
    LanguageManager& manager = LanguageManager::instance();
    QSignalSpy spy(&manager, &LanguageManager::languageChanged);
    manager.setLanguage(code);
    QCOMPARE(manager.currentLanguage(), code);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), code);
}

void TstLanguageManager::sameCodeTwiceEmitsTwice()
{
    LanguageManager& manager = LanguageManager::instance();
    manager.setLanguage(QStringLiteral("ja"));
    QSignalSpy spy(&manager, &LanguageManager::languageChanged);
    manager.setLanguage(QStringLiteral("ja"));
    manager.setLanguage(QStringLiteral("ja"));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("ja"));
}

void TstLanguageManager::pick_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("zh");
    QTest::addColumn<QString>("en");
    QTest::addColumn<QString>("expected");
    const QString zh = QStringLiteral("温度");
    const QString en = QStringLiteral("Temperature");
    const auto row = [&](const char* name, const char* language, const QString& zhText,
                         const QString& enText, const QString& expected) {
        QTest::newRow(name) << QString::fromLatin1(language) << zhText << enText << expected;
    };
    row("zh_CN", "zh_CN", zh, en, zh);
    row("zh_TW", "zh_TW", zh, en, zh);
    row("zh_CN, empty zh", "zh_CN", QString(), en, en);
    row("en", "en", zh, en, en);
    row("en, empty en", "en", zh, QString(), zh);
    row("ja", "ja", zh, en, en);
    row("ko, empty en", "ko", zh, QString(), zh);
    row("ru", "ru", zh, en, en);
    row("fr", "fr", zh, en, en);
    row("it", "it", zh, en, en);
    row("outside the table", "de", zh, en, en);
    row("case-sensitive", "ZH_CN", zh, en, en);
    row("both empty", "zh_CN", QString(), QString(), QString());
}

void TstLanguageManager::pick()
{
    QFETCH(QString, language);
    QFETCH(QString, zh);
    QFETCH(QString, en);
    QFETCH(QString, expected);
    LanguageManager& manager = LanguageManager::instance();
    manager.setLanguage(language);
    QCOMPARE(manager.pick(zh, en), expected);
}

void TstLanguageManager::catalogueFollowsLanguage()
{
    LanguageManager& manager = LanguageManager::instance();
    const QString source = QStringLiteral("Port closed");
    const QString translated = QStringLiteral("XX port closed");

    manager.setLanguage(QStringLiteral("xx"));
    QCOMPARE(portClosedText(), translated);

    // A language without a catalogue must not keep showing the previous one.
    manager.setLanguage(QStringLiteral("de"));
    QCOMPARE(portClosedText(), source);

    manager.setLanguage(QStringLiteral("xx"));
    QCOMPARE(portClosedText(), translated);
    manager.setLanguage(QStringLiteral("fr"));
    manager.setLanguage(QStringLiteral("en"));
    QCOMPARE(portClosedText(), source);

    manager.setLanguage(QStringLiteral("xx"));
    manager.setLanguage(QStringLiteral("en"));
    QCOMPARE(portClosedText(), source);
}

QTEST_MAIN(TstLanguageManager)

#include "tst_languagemanager.moc"
