#include "settings/languagemanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// One message of a catalogue (.ts): where it belongs and what it says.
struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    // A text that counts ("%n lines"): one translation per plural form of
    // the language, in forms; translation holds them joined by line breaks.
    bool numerus = false;
    QStringList forms;
    bool unfinished = false;
    // Kept by the catalogue for a text that is no longer in the sources.
    bool retired = false;

    QString key() const
    {
        return context + QLatin1String(" | ") + source +
               (comment.isEmpty() ? QString() : QLatin1String(" | ") + comment);
    }
};

struct Catalogue
{
    QList<Message> messages;
    QString error;

    QList<Message> live() const
    {
        QList<Message> result;
        for (const Message& message : messages) {
            if (!message.retired) {
                result << message;
            }
        }
        return result;
    }
};

Catalogue readCatalogue(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = path + QLatin1String(": ") + file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = Message{context, {}, {}, {}, false, {}, false, false};
                message.numerus =
                    xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                message.unfinished = type == QLatin1String("unfinished");
                message.retired =
                    type == QLatin1String("vanished") || type == QLatin1String("obsolete");
                if (message.numerus) {
                    while (xml.readNextStartElement()) {
                        if (xml.name() == QLatin1String("numerusform")) {
                            message.forms << xml.readElementText();
                        } else {
                            xml.skipCurrentElement();
                        }
                    }
                    message.translation = message.forms.join(QLatin1Char('\n'));
                } else {
                    message.translation =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                }
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            catalogue.messages << message;
        }
    }
    if (xml.hasError()) {
        catalogue.error = path + QLatin1String(": ") + xml.errorString();
    }
    return catalogue;
}

QString cataloguePath(const QString& code)
{
    return QStringLiteral(KORVEL_I18N_DIR "/korvel_%1.ts").arg(code);
}

// Every language but the source language has a catalogue.
QStringList translatedLanguages()
{
    QStringList codes;
    for (const LanguageInfo& info : LanguageManager::availableLanguages()) {
        if (info.code != QLatin1String("en")) {
            codes << info.code;
        }
    }
    return codes;
}

void addLanguageRows()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : translatedLanguages()) {
        QTest::newRow(qPrintable(code)) << code;
    }
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:\\d+|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    return found;
}

// "&x" marks x as the mnemonic; "&&" is a literal ampersand and "& " plain text.
int mnemonics(QString text)
{
    static const QRegularExpression pattern(QStringLiteral("&(?=[^&\\s])"));
    text.replace(QLatin1String("&&"), QString());
    return int(text.count(pattern));
}

// Texts a translation must carry over unchanged wherever the source has them.
const QStringList& technicalTokens()
{
    static const QStringList tokens{
        QStringLiteral("ASCII"),
        QStringLiteral("HEX"),
        QStringLiteral("CRC16/MODBUS"),
        QStringLiteral("CRC"),
        QStringLiteral("RTS/CTS"),
        QStringLiteral("XON/XOFF"),
        QStringLiteral("CH340"),
        QStringLiteral(".env"),
        QStringLiteral("JSON"),
        QStringLiteral("LGPLv3"),
        QStringLiteral("Qt"),
        QStringLiteral("Korvel"),
        QStringLiteral("models[]"),
        QStringLiteral("Ctrl+"),
        QStringLiteral(".log"),
        QStringLiteral("--help"),
        QStringLiteral("--port"),
        QStringLiteral("--baud"),
        QStringLiteral("tar"),
        QStringLiteral("sudo usermod -aG %1 $USER"),
        QStringLiteral("/dev/serial/by-id/..."),
    };
    return tokens;
}

QString report(const QStringList& problems)
{
    return QString::number(problems.size()) + QLatin1String(" problem(s):\n  ") +
           problems.join(QLatin1String("\n  "));
}

// The messages lupdate finds in the sources today, read from a scratch
// catalogue it writes.
Catalogue extractFromSources(QString* error)
{
    QTemporaryDir dir;
    const QString scratch = dir.filePath(QStringLiteral("korvel_scratch.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(KORVEL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("@" KORVEL_LUPDATE_SOURCES), QStringLiteral("-ts"), scratch});
    if (!lupdate.waitForFinished(120000) || lupdate.exitStatus() != QProcess::NormalExit ||
        lupdate.exitCode() != 0) {
        *error = QStringLiteral("lupdate failed: ") + lupdate.errorString() +
                 QString::fromLocal8Bit(lupdate.readAll());
        return {};
    }
    const QByteArray output = lupdate.readAll();
    if (!output.trimmed().isEmpty()) {
        // lupdate names sources it could not read or texts it could not place.
        *error = QStringLiteral("lupdate warned:\n") + QString::fromLocal8Bit(output);
        return {};
    }
    Catalogue catalogue = readCatalogue(scratch);
    *error = catalogue.error;
    return catalogue;
}

} // namespace

/// The translation catalogues: complete, faithful to their sources' markers
/// and in step with the texts the code marks for translation.
class TstCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyMessageTranslated_data();
    void everyMessageTranslated();
    void placeholdersKept_data();
    void placeholdersKept();
    void mnemonicsKept_data();
    void mnemonicsKept();
    void mnemonicsDistinct_data();
    void mnemonicsDistinct();
    void technicalTokensKept_data();
    void technicalTokensKept();
    void cataloguesMatchSources_data();
    void cataloguesMatchSources();
    void builtCatalogueIsInstalled_data();
    void builtCatalogueIsInstalled();
    void englishPluralsMatchSources();
    void tokensAreNotMarked_data();
    void tokensAreNotMarked();
    void qmlLiteralsAreMarked_data();
    void qmlLiteralsAreMarked();

private:
    Catalogue m_extracted;
    QString m_extractError;
};

void TstCatalogues::initTestCase()
{
    m_extracted = extractFromSources(&m_extractError);
    QVERIFY2(m_extractError.isEmpty(), qPrintable(m_extractError));
    QVERIFY(!m_extracted.messages.isEmpty());

    // The texts per context, as the code marks them today.
    QMap<QString, int> perContext;
    for (const Message& message : std::as_const(m_extracted.messages)) {
        ++perContext[message.context];
    }
    QStringList lines;
    for (auto it = perContext.cbegin(); it != perContext.cend(); ++it) {
        lines << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    }
    qInfo("%lld source texts in %lld contexts: %s", qlonglong(m_extracted.messages.size()),
          qlonglong(perContext.size()), qPrintable(lines.join(QLatin1String(", "))));
}

void TstCatalogues::cleanupTestCase()
{
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
}

void TstCatalogues::everyMessageTranslated_data()
{
    addLanguageRows();
}

void TstCatalogues::everyMessageTranslated()
{
    QFETCH(QString, code);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QVERIFY(!catalogue.live().isEmpty());
    QStringList problems;
    for (const Message& message : catalogue.messages) {
        if (message.unfinished) {
            problems << QStringLiteral("unfinished: ") + message.key();
        } else if (message.translation.trimmed().isEmpty() ||
                   std::any_of(message.forms.cbegin(), message.forms.cend(),
                               [](const QString& form) { return form.trimmed().isEmpty(); })) {
            problems << QStringLiteral("empty: ") + message.key();
        } else if (!message.numerus && message.source.contains(QLatin1String("%n"))) {
            problems << QStringLiteral("counts without plural forms: ") + message.key();
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void TstCatalogues::placeholdersKept_data()
{
    addLanguageRows();
}

void TstCatalogues::placeholdersKept()
{
    QFETCH(QString, code);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QStringList problems;
    for (const Message& message : catalogue.messages) {
        const QStringList expected = placeholders(message.source);
        // Each plural form on its own holds every placeholder.
        const QStringList texts =
            message.numerus ? message.forms : QStringList{message.translation};
        for (const QString& text : texts) {
            const QStringList found = placeholders(text);
            if (found != expected) {
                problems << QStringLiteral("%1: has %2, needs %3")
                                .arg(message.key(), found.join(QLatin1Char(' ')),
                                     expected.join(QLatin1Char(' ')));
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void TstCatalogues::mnemonicsKept_data()
{
    addLanguageRows();
}

void TstCatalogues::mnemonicsKept()
{
    QFETCH(QString, code);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QStringList problems;
    for (const Message& message : catalogue.messages) {
        if (mnemonics(message.translation) != mnemonics(message.source)) {
            problems << message.key() + QLatin1String(" -> ") + message.translation;
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void TstCatalogues::mnemonicsDistinct_data()
{
    addLanguageRows();
}

// Two menus of one window with the same Alt letter: the second cannot be
// reached from the keyboard.
void TstCatalogues::mnemonicsDistinct()
{
    QFETCH(QString, code);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    static const QRegularExpression marked(QStringLiteral("&([^&\\s])"));
    QMap<QString, QStringList> byContextAndKey;
    for (const Message& message : catalogue.live()) {
        QString text = message.translation;
        text.replace(QLatin1String("&&"), QString());
        const QRegularExpressionMatch match = marked.match(text);
        if (match.hasMatch()) {
            byContextAndKey[message.context + QLatin1String(" Alt+") + match.captured(1).toUpper()]
                << message.translation;
        }
    }
    QStringList problems;
    for (auto it = byContextAndKey.cbegin(); it != byContextAndKey.cend(); ++it) {
        if (it.value().size() > 1) {
            problems << it.key() + QLatin1String(": ") + it.value().join(QLatin1String(", "));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void TstCatalogues::technicalTokensKept_data()
{
    addLanguageRows();
}

void TstCatalogues::technicalTokensKept()
{
    QFETCH(QString, code);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QStringList problems;
    for (const Message& message : catalogue.messages) {
        for (const QString& token : technicalTokens()) {
            // A token inside a word ("tar" in "started") is no token.
            const QRegularExpression inSource(QStringLiteral("(?<![\\p{L}\\p{N}])") +
                                              QRegularExpression::escape(token) +
                                              QStringLiteral("(?![\\p{L}\\p{N}])"));
            if (message.source.contains(inSource) && !message.translation.contains(token)) {
                problems << QStringLiteral("%1 lost \"%2\": %3")
                                .arg(message.key(), token, message.translation);
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void TstCatalogues::cataloguesMatchSources_data()
{
    addLanguageRows();
}

// A text marked in the code but missing here fails until the catalogues are
// refreshed (target update_translations) and the new text is translated; a
// text the code dropped fails until the refresh removes it.
void TstCatalogues::cataloguesMatchSources()
{
    QFETCH(QString, code);
    QVERIFY2(m_extractError.isEmpty(), qPrintable(m_extractError));
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));

    QStringList inCode;
    for (const Message& message : std::as_const(m_extracted.messages)) {
        inCode << message.key();
    }
    QStringList inCatalogue;
    for (const Message& message : catalogue.live()) {
        inCatalogue << message.key();
    }
    QStringList problems;
    // The refresh drops texts the code no longer marks; one kept by hand is dead weight.
    for (const Message& message : catalogue.messages) {
        if (message.retired) {
            problems << QStringLiteral("retired but kept: ") + message.key();
        }
    }
    for (const QString& key : std::as_const(inCode)) {
        if (!inCatalogue.contains(key)) {
            problems << QStringLiteral("not in the catalogue: ") + key;
        }
    }
    for (const QString& key : std::as_const(inCatalogue)) {
        if (!inCode.contains(key)) {
            problems << QStringLiteral("no longer in the code: ") + key;
        }
        if (inCatalogue.count(key) > 1) {
            problems << QStringLiteral("twice in the catalogue: ") + key;
        }
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void TstCatalogues::builtCatalogueIsInstalled_data()
{
    addLanguageRows();
}

// The catalogue compiled into the resources says what the .ts file says.
void TstCatalogues::builtCatalogueIsInstalled()
{
    QFETCH(QString, code);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QVERIFY(QFile::exists(QStringLiteral(":/i18n/korvel_%1.qm").arg(code)));

    LanguageManager::instance().setLanguage(code);
    QStringList problems;
    for (const Message& message : catalogue.live()) {
        const QByteArray context = message.context.toUtf8();
        const QByteArray source = message.source.toUtf8();
        const QByteArray comment = message.comment.toUtf8();
        const char* disambiguation = message.comment.isEmpty() ? nullptr : comment.constData();
        if (message.numerus) {
            // Whichever form a count takes, it is one of the catalogue's.
            for (const int n : {1, 2, 5, 21}) {
                const QString shown = QCoreApplication::translate(
                    context.constData(), source.constData(), disambiguation, n);
                QStringList filled = message.forms;
                filled.replaceInStrings(QStringLiteral("%n"), QString::number(n));
                if (!filled.contains(shown)) {
                    problems << message.key() + QLatin1String(" shows ") + shown;
                }
            }
            continue;
        }
        const QString shown =
            QCoreApplication::translate(context.constData(), source.constData(), disambiguation);
        if (shown != message.translation) {
            problems << message.key() + QLatin1String(" shows ") + shown;
        }
    }
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

// English, the source language, has a catalogue only for its plural forms:
// one entry for every text that counts, with its singular and its plural.
void TstCatalogues::englishPluralsMatchSources()
{
    QVERIFY2(m_extractError.isEmpty(), qPrintable(m_extractError));
    const Catalogue catalogue = readCatalogue(cataloguePath(QStringLiteral("en")));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QStringList inCode;
    for (const Message& message : std::as_const(m_extracted.messages)) {
        if (message.numerus) {
            inCode << message.key();
        }
    }
    QVERIFY(!inCode.isEmpty());
    QStringList inCatalogue;
    QStringList problems;
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    for (const Message& message : catalogue.live()) {
        inCatalogue << message.key();
        if (!message.numerus) {
            problems << QStringLiteral("not a plural: ") + message.key();
            continue;
        }
        if (message.unfinished || message.forms.size() != 2 ||
            !message.forms.at(0).contains(QLatin1String("%n")) ||
            !message.forms.at(1).contains(QLatin1String("%n"))) {
            problems << QStringLiteral("needs a singular and a plural: ") + message.key();
            continue;
        }
        const QByteArray context = message.context.toUtf8();
        const QByteArray source = message.source.toUtf8();
        for (const int n : {1, 2}) {
            const QString shown =
                QCoreApplication::translate(context.constData(), source.constData(), nullptr, n);
            const QString expected = QString(message.forms.at(n == 1 ? 0 : 1))
                                         .replace(QLatin1String("%n"), QString::number(n));
            if (shown != expected) {
                problems << message.key() + QLatin1String(" shows ") + shown;
            }
        }
    }
    inCode.sort();
    inCatalogue.sort();
    QCOMPARE(inCatalogue, inCode);
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

void TstCatalogues::tokensAreNotMarked_data()
{
    QTest::addColumn<QString>("text");
    // Log tags, protocol and format names, units of the byte counters, and
    // the names of settings keys: the same in every language.
    for (const char* text : {"TX", "RX", "SYS", "ERR", "ASCII", "HEX", "CSV", "KB", "MB",
                             "app/language", "serial/baud", "korvel"}) {
        QTest::newRow(text) << QString::fromLatin1(text);
    }
}

void TstCatalogues::tokensAreNotMarked()
{
    QFETCH(QString, text);
    QVERIFY2(m_extractError.isEmpty(), qPrintable(m_extractError));
    for (const Message& message : std::as_const(m_extracted.messages)) {
        QVERIFY2(message.source.compare(text, Qt::CaseInsensitive) != 0,
                 qPrintable(QStringLiteral("marked for translation: ") + message.key()));
    }
}

void TstCatalogues::qmlLiteralsAreMarked_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(KORVEL_QML_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*.qml")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString& file : files) {
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
    }
}

// A text the window shows, written as a plain string literal, would stay
// English in every language.
void TstCatalogues::qmlLiteralsAreMarked()
{
    QFETCH(QString, path);
    // Shown as they are in every language: tokens, names, addresses, paths.
    static const QStringList sameEverywhere{
        QStringLiteral("ASCII"),
        QStringLiteral("HEX"),
        QStringLiteral("CSV"),
        QStringLiteral("DTR"),
        QStringLiteral("RTS"),
        QStringLiteral("✕"),
        QStringLiteral("Korvel"),
        QStringLiteral("GitHub"),
        QStringLiteral("Windows · macOS · Linux"),
        QStringLiteral("support@korvel.example"),
        QStringLiteral("/dev/ttyUSB0, /dev/serial/by-id/…, /tmp/hx4"),
        QStringLiteral("v"),   // before the version number
        QStringLiteral("RX"),  // the kinds of log lines as the monitor tags them: received,
        QStringLiteral("TX"),  // sent,
        QStringLiteral("SYS"), // notices
        QStringLiteral("ERR"), // and errors
        QStringLiteral("Aa"),  // case-sensitive matching
    };
    static const QRegularExpression assignment(QStringLiteral(
        "\\b(?:text|title|placeholderText|ToolTip\\.text)\\s*:\\s*\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression letters(QStringLiteral("\\p{L}"));

    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.errorString()));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QStringList problems;
    for (int i = 0; i < lines.size(); ++i) {
        for (auto it = assignment.globalMatch(lines.at(i)); it.hasNext();) {
            const QString literal = it.next().captured(1);
            if (literal.contains(letters) && !sameEverywhere.contains(literal) &&
                !literal.startsWith(QLatin1String("<a href="))) {
                problems << QStringLiteral("line %1: \"%2\"").arg(i + 1).arg(literal);
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems)));
}

QTEST_GUILESS_MAIN(TstCatalogues)

#include "tst_catalogues.moc"
