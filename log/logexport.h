#pragma once

#include "log/logmanager.h"

#include <QDateTime>
#include <QString>

/// The file that "Save log" writes: what a folder, a base name and a format name stand for,
/// or why they cannot be used.
struct LogExport
{
    /// The file to write; empty when refused.
    QString path;
    LogFileFormat format = LogFileFormat::Text;
    /// Why the folder or name cannot be used; empty when they can.
    QString problem;

    /// "csv" writes "<baseName>.csv", "hex" "<baseName>.hex.txt", any other format name text
    /// to "<baseName>.log". Only what would put the file somewhere else than @p directory, or
    /// give it no name at all, is refused here; the file system decides about the rest.
    static LogExport target(const QString& directory, const QString& baseName,
                            const QString& formatName);
    /// "korvel-<model>-yyyyMMdd-HHmm" at @p now: the model id with blanks as hyphens, or
    /// "device" without one.
    static QString suggestedBaseName(const QString& modelId, const QDateTime& now);
};
