#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

/// Opens and reads files that the user or another program may have replaced by something that
/// is no file: a named pipe blocks an open until somebody opens its other end, a device such as
/// /dev/urandom never ends, a folder cannot be read at all. Only regular files are taken, and
/// the open never waits.
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)

public:
    /// Opens @p file, whose name is set, with @p mode (ReadOnly, or WriteOnly with or without
    /// Append; WriteOnly alone truncates) when the name leads to a regular file, which writing
    /// creates when it is missing. False with the reason in @p error otherwise. The file is
    /// opened through its handle, so its fileName() is empty afterwards.
    static bool open(QFile& file, QIODevice::OpenMode mode, QString* error = nullptr);

    /// The whole content of the regular file @p path when it holds at most @p maxBytes bytes;
    /// empty, with the reason in @p error, for anything else. Reads no more than one byte past
    /// the bound, whatever size the file claims.
    static QByteArray read(const QString& path, qint64 maxBytes, bool* ok = nullptr,
                           QString* error = nullptr);

    /// Writes all of @p data to @p file; false with the system's reason in @p reason when the
    /// disk takes only part of it (a full disk takes what fits, and only the next write says
    /// why it stopped).
    static bool writeAll(QFileDevice& file, const QByteArray& data, QString* reason);

    /// Flushes what @p file buffers; false with the system's reason in @p reason.
    static bool flushAll(QFileDevice& file, QString* reason);

    /// The reason given when a path leads to something other than a regular file.
    static QString notRegularText();
};
