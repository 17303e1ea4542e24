#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QIODevice;

/// The deployment configuration from ".env" files: addresses and access keys of the update
/// services, which are never built into the program. The application fills one table from the
/// files of defaultLocations() as it starts and hands it to what needs it; a later file's
/// definition replaces an earlier one.
class EnvConfig
{
public:
    /// Largest ".env" file that is read; a larger one is skipped whole.
    static constexpr qint64 MaxFileBytes = 64 * 1024;

    /// ".env" beside the executable, in the working folder and, in a development build, in the
    /// source folder: the order in which the application reads them, so the last one wins.
    static QStringList defaultLocations();

    /// An empty table.
    EnvConfig() = default;
    /// A table loaded from @p files in order, as the application does with defaultLocations().
    explicit EnvConfig(const QStringList& files);

    /// Reads one file into the table; a missing or unreadable file is skipped silently, and so
    /// is anything but a regular file (a named pipe would block the start for good, a device
    /// such as /dev/urandom never end) and a file larger than MaxFileBytes.
    void loadFile(const QString& path);

    /// Reads the definitions that @p device (open for reading) holds into the table, as
    /// loadFile() does with a file's contents: at most MaxFileBytes, else nothing.
    void load(QIODevice& device);

    /// The stored value of @p key (also when it is empty), or @p defaultValue when the key was
    /// never defined.
    QString value(const QString& key, const QString& defaultValue = QString()) const;

private:
    /// Lines end at a line feed, a carriage return and line feed, or a carriage return alone.
    void loadText(const QByteArray& bytes);

    QHash<QString, QString> m_values;
};
