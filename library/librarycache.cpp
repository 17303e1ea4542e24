#include "library/librarycache.h"

#include "settings/settingsstore.h"
#include "util/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString& folderForTesting()
{
    static QString folder;
    return folder;
}

} // namespace

LibraryCache::LibraryCache(const QString& path)
    : m_path(path)
{}

QString LibraryCache::defaultPath()
{
    const QString folder = folderForTesting().isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : folderForTesting();
    return folder + QStringLiteral("/device-library.json");
}

void LibraryCache::setFolderForTesting(const QString& folder)
{
    folderForTesting() = folder;
}

QByteArray LibraryCache::load() const
{
    return RegularFile::read(m_path, MaxBytes);
}

bool LibraryCache::store(const QByteArray& json, QString* error) const
{
    auto fail = [error](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    if (json.size() > MaxBytes) {
        return fail(tr("The library is larger than %1 bytes.").arg(QLocale().toString(MaxBytes)));
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath()); // a failure shows in the open below
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    // The write error is taken at once: committing resets the text to a general one.
    QString reason;
    if (!RegularFile::writeAll(file, json, &reason) || !RegularFile::flushAll(file, &reason)) {
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit()) {
        return fail(file.errorString());
    }
    return true;
}

void LibraryCache::clear() const
{
    QFile::remove(m_path);
}

QByteArray LibraryCache::migrateFrom(SettingsStore& settings) const
{
    const QByteArray json = settings.cachedLibraryJson().toUtf8();
    if (json.isEmpty()) {
        return {};
    }
    const bool usable = json.size() <= MaxBytes && !QFileInfo::exists(m_path);
    if (usable && !store(json)) {
        return json; // stays in the settings until a later start can move it
    }
    settings.removeCachedLibraryJson();
    return {};
}
