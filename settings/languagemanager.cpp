#include "settings/languagemanager.h"

#include <QCoreApplication>

namespace {

const QList<LanguageInfo> kLanguages = {
    {QStringLiteral("en"), QStringLiteral("English")},
    {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
    {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
    {QStringLiteral("ja"), QStringLiteral("日本語")},
    {QStringLiteral("ko"), QStringLiteral("한국어")},
    {QStringLiteral("ru"), QStringLiteral("Русский")},
    {QStringLiteral("fr"), QStringLiteral("Français")},
    {QStringLiteral("it"), QStringLiteral("Italiano")},
};

} // namespace

LanguageManager::LanguageManager() = default;

LanguageManager& LanguageManager::instance()
{
    // Function-local static: created on first use, thread-safe, destroyed at exit.
    static LanguageManager manager;
    return manager;
}

const QList<LanguageInfo>& LanguageManager::availableLanguages()
{
    return kLanguages;
}

void LanguageManager::setLanguage(const QString& code)
{
    QCoreApplication::removeTranslator(&m_translator);
    // A missing catalogue leaves the translator empty: English texts show.
    // English has one too, for its plural forms ("1 line", "2 lines").
    (void)m_translator.load(QStringLiteral(":/i18n/korvel_%1.qm").arg(code));
    QCoreApplication::installTranslator(&m_translator);
    m_current = code;
    emit languageChanged(code);
}

QString LanguageManager::pick(const QString& zh, const QString& en) const
{
    if (m_current.startsWith(QLatin1String("zh"))) {
        return zh.isEmpty() ? en : zh;
    }
    return en.isEmpty() ? zh : en;
}
