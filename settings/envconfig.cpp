#include "settings/envconfig.h"

#include "util/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>
#include <QStringDecoder>

namespace {

const QLatin1String kFileName(".env");

// One pair of matching double or single quotes around a value is removed; nothing else is
// unquoted or unescaped.
QString unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first) {
            return value.mid(1, value.size() - 2);
        }
    }
    return value;
}

} // namespace

QStringList EnvConfig::defaultLocations()
{
    QStringList files{QCoreApplication::applicationDirPath() + QLatin1Char('/') + kFileName,
                      QDir::currentPath() + QLatin1Char('/') + kFileName};
#ifdef KORVEL_SOURCE_DIR
    // Developers keep the address of their test service in the checkout. An installed build is
    // configured without this definition, so it never reads a folder named after the build
    // machine's file system, where somebody else on the user's machine could place a file.
    files << QStringLiteral(KORVEL_SOURCE_DIR) + QLatin1Char('/') + kFileName;
#endif
    return files;
}

EnvConfig::EnvConfig(const QStringList& files)
{
    for (const QString& file : files) {
        loadFile(file);
    }
}

void EnvConfig::loadFile(const QString& path)
{
    bool ok = false;
    const QByteArray bytes = RegularFile::read(path, MaxFileBytes, &ok);
    if (ok) {
        loadText(bytes);
    }
}

void EnvConfig::load(QIODevice& device)
{
    const QByteArray bytes = device.read(MaxFileBytes + 1);
    if (bytes.size() <= MaxFileBytes) {
        loadText(bytes);
    }
}

void EnvConfig::loadText(const QByteArray& bytes)
{
    // UTF-8 unless a byte order mark says otherwise (Windows editors save "Unicode" text as
    // UTF-16 with one); the mark itself is no part of the first key.
    QStringDecoder decode(
        QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    const QString text = decode(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') &&
               text.at(end) != QLatin1Char('\r')) {
            ++end;
        }
        const QString line = text.mid(start, end - start).trimmed();
        start = end + 1;
        if (end + 1 < text.size() && text.at(end) == QLatin1Char('\r') &&
            text.at(end + 1) == QLatin1Char('\n')) {
            ++start;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            continue;
        }
        m_values.insert(line.left(eq).trimmed(), unquoted(line.mid(eq + 1).trimmed()));
    }
}

QString EnvConfig::value(const QString& key, const QString& defaultValue) const
{
    return m_values.value(key, defaultValue);
}
