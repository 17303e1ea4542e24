// Display preferences: language, interface and log fonts, theme. Every value
// is read from the settings (the language from the language manager) and
// written back the moment it changes.
#include "app/appcontroller.h"

#include "settings/languagemanager.h"

#include <QFontDatabase>
#include <QGuiApplication>

QFont AppController::buildApplicationFont(const QString& family, int pixelSize)
{
    QFont font = QGuiApplication::font();
    QStringList families;
    if (!family.isEmpty()) {
        families << family;
    }
    families << QStringLiteral("Microsoft YaHei UI") << QStringLiteral("Microsoft YaHei")
             << QStringLiteral("PingFang SC") << QStringLiteral("Noto Sans CJK SC");
    font.setFamilies(families);
    if (pixelSize >= 1) {
        font.setPixelSize(pixelSize);
    }
    return font;
}

QString AppController::currentLanguage() const
{
    return LanguageManager::instance().currentLanguage();
}

void AppController::setCurrentLanguage(const QString& code)
{
    LanguageManager::instance().setLanguage(code);
}

QString AppController::logFontFamily() const
{
    return m_settings.logFontFamily();
}

void AppController::setLogFontFamily(const QString& family)
{
    if (family == logFontFamily()) {
        return;
    }
    m_settings.setLogFontFamily(family);
    emit logFontChanged();
}

int AppController::logFontSize() const
{
    return m_settings.logFontSize();
}

void AppController::setLogFontSize(int pixels)
{
    if (pixels == logFontSize()) {
        return;
    }
    m_settings.setLogFontSize(pixels);
    emit logFontChanged();
}

QString AppController::systemFontFamily() const
{
    return m_settings.systemFontFamily();
}

void AppController::setSystemFontFamily(const QString& family)
{
    if (family == systemFontFamily()) {
        return;
    }
    m_settings.setSystemFontFamily(family);
    QGuiApplication::setFont(buildApplicationFont(family, m_settings.systemFontSize()));
    emit systemFontChanged();
}

int AppController::systemFontSize() const
{
    return m_settings.systemFontSize();
}

void AppController::setSystemFontSize(int pixels)
{
    if (pixels == systemFontSize()) {
        return;
    }
    m_settings.setSystemFontSize(pixels);
    QGuiApplication::setFont(buildApplicationFont(m_settings.systemFontFamily(), pixels));
    emit systemFontChanged();
}

QString AppController::themeMode() const
{
    return m_settings.themeMode();
}

void AppController::setThemeMode(const QString& mode)
{
    if (mode == themeMode()) {
        return;
    }
    m_settings.setThemeMode(mode);
    emit themeModeChanged();
}

QStringList AppController::availableFontFamilies() const
{
    return QFontDatabase::families();
}

QVariantList AppController::availableLanguages() const
{
    QVariantList languages;
    for (const LanguageInfo& info : LanguageManager::availableLanguages()) {
        languages.append(QVariantMap{{QStringLiteral("code"), info.code},
                                     {QStringLiteral("nativeName"), info.nativeName}});
    }
    return languages;
}

void AppController::restoreDefaultSettings()
{
    m_settings.resetDisplayPreferences();
    LanguageManager::instance().setLanguage(m_settings.language());
    emit currentLanguageChanged();
    emit currentModelChanged();
    QGuiApplication::setFont(buildApplicationFont(m_settings.systemFontFamily(), 13));
    emit logFontChanged();
    emit systemFontChanged();
    emit themeModeChanged();
}

bool AppController::enterSends() const
{
    return m_settings.enterSends();
}

void AppController::setEnterSends(bool on)
{
    if (on == m_settings.enterSends()) {
        return;
    }
    m_settings.setEnterSends(on);
    emit enterSendsChanged();
}
