#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class SettingsStore;

/// The last device library that was downloaded and applied, kept for the next start in a file
/// of its own in the application's data folder. Earlier versions kept it in the settings, which
/// are written whole on every change: a large library there slowed every change down.
class LibraryCache
{
    Q_DECLARE_TR_FUNCTIONS(LibraryCache)

public:
    /// The largest library kept, and so the largest one a download may bring.
    static constexpr qint64 MaxBytes = 8 * 1024 * 1024;

    /// A cache in @p path; by default "device-library.json" in the application's data folder.
    explicit LibraryCache(const QString& path = defaultPath());

    static QString defaultPath();
    /// Makes defaultPath() point into @p folder instead, so that a test never touches the
    /// user's own cache; an empty folder ends that.
    static void setFolderForTesting(const QString& folder);

    QString path() const { return m_path; }

    /// The kept document; empty when there is none, or when the file is no regular file or
    /// larger than MaxBytes.
    QByteArray load() const;
    /// Replaces the kept document with @p json as one step: a failed write keeps the previous
    /// one. False with the reason in @p error.
    bool store(const QByteArray& json, QString* error = nullptr) const;
    /// Removes the kept document.
    void clear() const;

    /// Moves a library that an earlier version kept in the settings into the file, unless the
    /// file already holds one, and removes it from the settings; one larger than MaxBytes is
    /// dropped. When the file cannot be written the library stays in the settings and is
    /// returned, for this run to use; otherwise the result is empty.
    QByteArray migrateFrom(SettingsStore& settings) const;

private:
    QString m_path;
};
