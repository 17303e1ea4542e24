#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QTranslator>

/// A supported interface language: its code and its name in that language.
struct LanguageInfo
{
    QString code;
    QString nativeName;
};

/// The process-wide interface language: installs the translation catalogue of
/// the chosen language and tells everybody when it changes. Also decides
/// which half of a Chinese/English text pair suits the current language.
class LanguageManager : public QObject
{
    Q_OBJECT

public:
    static LanguageManager& instance();
    /// The eight languages in their fixed order; English first.
    static const QList<LanguageInfo>& availableLanguages();

    /// Installs the catalogue of @p code (none for "en") and always emits
    /// languageChanged, also when the code did not change.
    void setLanguage(const QString& code);
    QString currentLanguage() const { return m_current; }
    /// The locale of the interface language, for numbers and sizes shown in its texts.
    QLocale locale() const { return QLocale(m_current); }

    /// The Chinese text under a Chinese interface, else the English one;
    /// falls back to the other half when the chosen one is empty.
    QString pick(const QString& zh, const QString& en) const;

signals:
    void languageChanged(const QString& code);

private:
    LanguageManager();

    QTranslator m_translator;
    QString m_current = QStringLiteral("en");
};
