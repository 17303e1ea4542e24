#include "support/fulldisk.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

namespace korveltest {

namespace {

const QString kFiller = QStringLiteral("filler");

} // namespace

FullDisk::FullDisk(Kind kind)
    : m_kind(kind)
{
    if (!m_dir.isValid()) {
        m_skipReason = QStringLiteral("no temporary folder");
        return;
    }
    if (kind == Kind::SmallTmpfs) {
        if (::geteuid() != 0) {
            m_skipReason = QStringLiteral("mounting a tmpfs needs root");
            return;
        }
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=1m") !=
            0) {
            m_skipReason = QStringLiteral("cannot mount a tmpfs here: ") + qt_error_string(errno);
            return;
        }
        m_mounted = true;
    } else {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
    }
    m_ready = true;
}

FullDisk::~FullDisk()
{
    free();
    if (m_mounted) {
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
}

void FullDisk::fill(const QString& growing)
{
    if (!m_ready) {
        return;
    }
    if (m_kind == Kind::SmallTmpfs) {
        QFile filler(m_dir.filePath(kFiller));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            return;
        }
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        // The last few bytes that fit, so no page is left half empty.
        while (filler.write("f", 1) == 1) {
        }
        return;
    }
    rlimit limit = m_saved;
    limit.rlim_cur = growing.isEmpty() ? 4096 : rlim_t(QFileInfo(growing).size());
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

void FullDisk::free()
{
    if (!m_ready) {
        return;
    }
    if (m_kind == Kind::SmallTmpfs) {
        QFile::remove(m_dir.filePath(kFiller));
    } else {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
    }
}

QString FullDisk::reason() const
{
    return qt_error_string(m_kind == Kind::SmallTmpfs ? ENOSPC : EFBIG);
}

} // namespace korveltest
