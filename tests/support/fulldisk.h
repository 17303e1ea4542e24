#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace korveltest {

/// A disk that fills up and gets room again, for as long as the object lives: a tmpfs of 1 MiB
/// mounted on a private folder (where the test runs as root and may mount), or a limit on the
/// size of the files this process writes (anywhere; SIGXFSZ is ignored from then on).
class FullDisk
{
public:
    enum class Kind { SmallTmpfs, FileSizeLimit };

    explicit FullDisk(Kind kind);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    /// Whether the disk could be made; why not in skipReason().
    bool ready() const { return m_ready; }
    QString skipReason() const { return m_skipReason; }
    /// Where the files that fill it go.
    QString folder() const { return m_dir.path(); }

    /// No room any more: the tmpfs is filled by a file of its own; under the limit, @p growing
    /// (the file that is being written) cannot grow past its present size, nor any other file
    /// past a few kilobytes.
    void fill(const QString& growing = {});
    /// Room again.
    void free();
    /// The system's text for the failed writes: "No space left on device", "File too large".
    QString reason() const;

private:
    Kind m_kind;
    QTemporaryDir m_dir;
    bool m_ready = false;
    bool m_mounted = false;
    QString m_skipReason;
    rlimit m_saved{};
};

} // namespace korveltest
