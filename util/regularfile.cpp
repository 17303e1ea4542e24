#include "util/regularfile.h"

#include <QFileInfo>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool fail(QString* error, const QString& reason)
{
    if (error) {
        *error = reason;
    }
    return false;
}

} // namespace

QString RegularFile::notRegularText()
{
    return tr("It is not a regular file.");
}

bool RegularFile::open(QFile& file, QIODevice::OpenMode mode, QString* error)
{
    const bool writing = mode.testFlag(QIODevice::WriteOnly);
#ifdef Q_OS_UNIX
    // O_NONBLOCK makes opening a pipe without a reader fail at once instead of waiting for one;
    // it means nothing for a regular file, and anything else is closed again below.
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (writing) {
        flags |= O_CREAT | (mode.testFlag(QIODevice::ReadOnly) ? O_RDWR : O_WRONLY);
        if (mode.testFlag(QIODevice::Append)) {
            flags |= O_APPEND;
        }
    } else {
        flags |= O_RDONLY;
    }
    const QByteArray path = QFile::encodeName(file.fileName());
    int fd = -1;
    do {
        fd = ::open(path.constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int reason = errno;
        // A pipe without a reader refuses a writer that will not wait with "No such device or
        // address"; what matters is that it is no file.
        struct stat info;
        if (::stat(path.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
            return fail(error, notRegularText());
        }
        return fail(error, qt_error_string(reason));
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(error, notRegularText());
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (writing && !mode.testFlag(QIODevice::Append) && !mode.testFlag(QIODevice::ReadOnly) &&
        ::ftruncate(fd, 0) != 0) {
        const int reason = errno;
        ::close(fd);
        return fail(error, qt_error_string(reason));
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, file.errorString());
    }
    return true;
#else
    // Elsewhere a path names no pipe that an open could wait for; folders and devices are
    // still refused.
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        return fail(error, notRegularText());
    }
    if (!file.open(mode)) {
        return fail(error, file.errorString());
    }
    return true;
#endif
}

bool RegularFile::writeAll(QFileDevice& file, const QByteArray& data, QString* reason)
{
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 n = file.write(data.constData() + written, data.size() - written);
        if (n <= 0) {
            *reason = file.errorString();
            return false;
        }
        written += n;
    }
    return true;
}

bool RegularFile::flushAll(QFileDevice& file, QString* reason)
{
    // A disk that takes part of the buffer leaves the rest in it without a reason; the second
    // attempt meets the refusal itself.
    if (file.flush() || file.flush()) {
        return true;
    }
    *reason = file.errorString();
    return false;
}

QByteArray RegularFile::read(const QString& path, qint64 maxBytes, bool* ok, QString* error)
{
    if (ok) {
        *ok = false;
    }
    QFile file(path);
    if (!open(file, QIODevice::ReadOnly, error)) {
        return {};
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        fail(error, tr("It is larger than %1 bytes.").arg(QLocale().toString(maxBytes)));
        return {};
    }
    if (file.error() != QFileDevice::NoError) {
        fail(error, file.errorString());
        return {};
    }
    if (ok) {
        *ok = true;
    }
    return bytes;
}
