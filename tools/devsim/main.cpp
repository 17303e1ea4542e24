// korvel-devsim: a stand-in for a Korvel HX4 sensor (or the AT2 text sensor) on a
// pseudo-terminal, for manual tests of the terminal and for the serial test suite. See --help.
#include "device.h"
#include "options.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const int saved = errno;
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
    errno = saved;
}

// Generated output is held back once this much is queued, so replies are never stuck behind
// megabytes of flood and a terminal that stops reading does not grow the queue without bound.
constexpr qsizetype kHighWater = 64 * 1024;
constexpr qsizetype kMaxLine = 4096;
constexpr milliseconds kModbusGap(100);
const char kRed[] = "\x1b[31m";
const char kGreen[] = "\x1b[32m";
const char kCyan[] = "\x1b[36m";

QByteArray floodLine(qint64 number, int length)
{
    static const char kFill[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray line = QByteArray::number(number % 100000000).rightJustified(8, '0') + ' ';
    for (qint64 i = 0; line.size() < length - 2; ++i)
        line += kFill[(number + i) % 62];
    return line + "\r\n";
}

// Spreads a generated stream over time at a byte rate; rate 0 means whenever the pty has room.
struct Pacer
{
    qint64 rate = 0;
    qint64 unit = 1;
    qint64 generated = 0;
    bool started = false;
    Clock::time_point start;

    bool mayEmit(Clock::time_point now)
    {
        if (rate == 0)
            return true;
        const double elapsed = std::chrono::duration<double>(now - start).count();
        const double allowed = double(unit) + double(rate) * elapsed;
        // After a stall (no reader), go on at the rate instead of bursting the backlog.
        const double burst = std::max(double(2 * unit), double(rate) / 10.0);
        generated = std::max(generated, qint64(allowed - burst));
        return double(generated) < allowed;
    }
    Clock::time_point nextDue() const
    {
        const std::chrono::duration<double> wait(double(generated - unit + 1) / double(rate));
        return start + std::chrono::ceil<Clock::duration>(wait);
    }
};

/// The event loop: one pty, the signal pipe and an inotify watch that tells when a terminal
/// opens or closes the device side.
class Simulator
{
public:
    explicit Simulator(const Options& options)
        : m_options(options)
        , m_modbus(quint8(options.modbusAddress), int(options.badCrcEvery))
    {
        m_pacer.rate = options.flood ? options.floodRate : options.binaryRate;
        // A report line is about 160 bytes long.
        m_pacer.unit = options.flood ? (options.shapeGiven ? 160 : options.lineLength)
                                     : (options.binaryRate ? 16 : 4096);
    }

    int run();

private:
    void log(const QByteArray& text) const
    {
        if (!m_options.quiet)
            std::fprintf(stderr, "korvel-devsim: %s\n", text.constData());
    }
    bool fail(const char* what, const QByteArray& path) const
    {
        std::fprintf(stderr, "korvel-devsim: %s %s: %s\n", what, path.constData(),
                     std::strerror(errno));
        return false;
    }
    qsizetype queued() const { return m_pending.size() - m_pendingOffset; }
    bool floodDone() const { return m_options.count > 0 && m_floodGenerated >= m_options.count; }
    void queue(const QByteArray& bytes)
    {
        m_pending += bytes;
        m_queuedTotal += bytes.size();
    }
    void sendLine(const QByteArray& line, const char* colour)
    {
        queue(m_options.ansi ? colour + line + "\x1b[0m\r\n" : line + "\r\n");
    }

    bool setUp();
    bool makeLink();
    void tearDown();
    void produce(Clock::time_point now);
    int pollTimeout(Clock::time_point now) const;
    void handleInotify();
    void readMaster();
    void writeMaster();
    void handleLineBytes(const QByteArray& bytes);
    void sendHalfLine();

    Options m_options;
    Hx4Device m_hx4;
    AtDevice m_at;
    ModbusSlave m_modbus;
    int m_master = -1;
    int m_slave = -1;
    int m_inotify = -1;
    QByteArray m_slaveName;
    bool m_linked = false;

    QByteArray m_pending;
    qsizetype m_pendingOffset = 0;
    qint64 m_writtenTotal = 0;
    qint64 m_queuedTotal = 0;

    QByteArray m_line;
    bool m_discardingLine = false;
    Clock::time_point m_lastRx;

    Pacer m_pacer;
    qint64 m_floodGenerated = 0;
    qint64 m_floodWritten = 0;
    std::deque<qint64> m_floodLineEnds;
    Clock::time_point m_nextReport;
    Clock::time_point m_hangupAt;
};

bool Simulator::setUp()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail("cannot create", "a pty");
    m_slaveName = ptsname(m_master);
    // Holding the slave open keeps the master from seeing EIO/HUP whenever the terminal closes.
    m_slave = ::open(m_slaveName.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios tio{};
    if (m_slave < 0 || tcgetattr(m_slave, &tio) != 0)
        return fail("cannot open", m_slaveName);
    // Raw, or the line discipline would echo our replies back to us and translate line ends.
    cfmakeraw(&tio);
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);

    m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0 || inotify_add_watch(m_inotify, m_slaveName.constData(),
                                           IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0)
        return fail("cannot watch", m_slaveName);
    return m_options.link.isEmpty() || makeLink();
}

bool Simulator::makeLink()
{
    const QByteArray path = m_options.link.toLocal8Bit();
    struct stat st
    {};
    if (lstat(path.constData(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        errno = EEXIST;
        return fail("will not replace the non-link", path);
    }
    // A new link renamed over the old one replaces it in one step.
    const QByteArray temp = path + ".devsim-" + QByteArray::number(getpid());
    ::unlink(temp.constData());
    if (symlink(m_slaveName.constData(), temp.constData()) != 0 ||
        rename(temp.constData(), path.constData()) != 0) {
        fail("cannot link", path);
        ::unlink(temp.constData());
        return false;
    }
    m_linked = true;
    return true;
}

void Simulator::tearDown()
{
    if (m_linked) {
        // Leave a link alone that another simulator has taken over meanwhile.
        const QByteArray path = m_options.link.toLocal8Bit();
        char target[4096];
        const ssize_t n = readlink(path.constData(), target, sizeof target);
        if (n > 0 && QByteArray(target, int(n)) == m_slaveName)
            ::unlink(path.constData());
    }
    for (const int fd : {m_inotify, m_slave, m_master}) {
        if (fd >= 0)
            ::close(fd);
    }
    if (m_options.flood && m_options.count > 0)
        std::fprintf(stderr, "korvel-devsim: flood sent %lld lines\n", (long long)m_floodWritten);
}

void Simulator::produce(Clock::time_point now)
{
    if (m_options.reportMs > 0 && now >= m_nextReport) {
        if (queued() < kHighWater)
            sendLine(m_hx4.report(m_options.shape), kCyan);
        m_nextReport = std::max(m_nextReport + milliseconds(m_options.reportMs), now);
    }
    while (m_pacer.started && !floodDone() && queued() < kHighWater && m_pacer.mayEmit(now)) {
        QByteArray chunk;
        if (m_options.flood && m_options.shapeGiven) {
            chunk = m_hx4.report(m_options.shape, ++m_floodGenerated) + "\r\n";
            m_floodLineEnds.push_back(m_queuedTotal + chunk.size());
        } else if (m_options.flood) {
            chunk = floodLine(++m_floodGenerated, m_options.lineLength);
            m_floodLineEnds.push_back(m_queuedTotal + chunk.size());
        } else {
            chunk.resize(m_pacer.unit);
            for (qsizetype i = 0; i < chunk.size(); i += 4) {
                const quint32 word = QRandomGenerator::global()->generate();
                std::memcpy(chunk.data() + i, &word, 4);
            }
        }
        queue(chunk);
        m_pacer.generated += chunk.size();
    }
}

int Simulator::pollTimeout(Clock::time_point now) const
{
    Clock::time_point next = now + milliseconds(1000);
    if (m_options.reportMs > 0)
        next = std::min(next, m_nextReport);
    if (m_options.hangupAfterMs > 0)
        next = std::min(next, m_hangupAt);
    if (m_options.modbus && m_modbus.hasPartialFrame())
        next = std::min(next, m_lastRx + kModbusGap);
    if (m_pacer.started && !floodDone() && queued() < kHighWater)
        next = m_pacer.rate > 0 ? std::min(next, m_pacer.nextDue()) : now;
    // Rounded up so a deadline is not polled for repeatedly just before it falls due.
    return next <= now ? 0 : int(std::chrono::ceil<milliseconds>(next - now).count());
}

void Simulator::handleInotify()
{
    alignas(inotify_event) char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(m_inotify, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (!(event->mask & IN_OPEN)) {
                log("terminal closed " + m_slaveName);
                continue;
            }
            // Output queued while no one listened would reach the new session as stale data;
            // a real device's bytes are lost while the port is closed.
            tcflush(m_slave, TCIFLUSH);
            m_line.clear();
            m_modbus.resetFrame();
            log("terminal opened " + m_slaveName);
            if ((m_options.flood || m_options.binary) && !m_pacer.started) {
                m_pacer.started = true;
                m_pacer.start = Clock::now();
            }
        }
    }
}

void Simulator::handleLineBytes(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (c != '\n') {
            if (!m_discardingLine && m_line.size() >= kMaxLine) {
                sendLine(m_options.text ? QByteArray("ERROR")
                                        : QByteArray(R"({"error":"line too long"})"),
                         kRed);
                m_line.clear();
                m_discardingLine = true;
            }
            if (!m_discardingLine)
                m_line += c;
            continue;
        }
        const QByteArray line = m_line.trimmed(); // also drops the CR before the LF
        const bool discarded = std::exchange(m_discardingLine, false);
        m_line.clear();
        if (discarded || line.isEmpty())
            continue;
        if (m_options.text) {
            const AtDevice::Reply reply = m_at.handleLine(line);
            for (const QByteArray& replyLine : reply.lines) {
                log("reply " + replyLine.left(200));
                sendLine(replyLine, reply.error ? kRed : kGreen);
            }
            continue;
        }
        const Hx4Device::Reply reply = m_hx4.handleLine(line);
        log("reply " + reply.json.left(200)); // the request may hold a WiFi password
        sendLine(reply.json, reply.error ? kRed : kGreen);
    }
}

void Simulator::sendHalfLine()
{
    const QByteArray line = m_options.flood && !m_options.shapeGiven
                                ? floodLine(m_floodGenerated + 1, m_options.lineLength)
                            : m_options.flood
                                ? m_hx4.report(m_options.shape, m_floodGenerated + 1) + "\r\n"
                                : m_hx4.report(m_options.shape) + "\r\n";
    queue(line.left(line.size() / 2));
    writeMaster();
    // A moment for the terminal's side to take the bytes in: the hang-up
    // drops what is still on its way.
    ::poll(nullptr, 0, 20);
}

void Simulator::readMaster()
{
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(m_master, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
        if (n < 0)
            continue;
        const QByteArray bytes(buffer, int(n));
        m_lastRx = Clock::now();
        if (!m_options.modbus) {
            handleLineBytes(bytes);
            continue;
        }
        const QByteArray reply = m_modbus.feed(bytes);
        if (!reply.isEmpty())
            log("modbus reply " + reply.toHex(' '));
        queue(reply);
    }
}

void Simulator::writeMaster()
{
    while (m_pendingOffset < m_pending.size()) {
        const size_t size = size_t(std::min<qsizetype>(queued(), 4096));
        const ssize_t n = ::write(m_master, m_pending.constData() + m_pendingOffset, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // EAGAIN: poll says when the pty has room again
        m_pendingOffset += n;
        m_writtenTotal += n;
        while (!m_floodLineEnds.empty() && m_floodLineEnds.front() <= m_writtenTotal) {
            m_floodLineEnds.pop_front();
            ++m_floodWritten;
        }
    }
    if (m_pendingOffset == m_pending.size() || m_pendingOffset > kHighWater) {
        m_pending.remove(0, m_pendingOffset);
        m_pendingOffset = 0;
    }
}

int Simulator::run()
{
    if (!setUp()) {
        tearDown();
        return 1;
    }
    std::printf("%s\n", m_slaveName.constData());
    std::fflush(stdout);
    log(m_options.modbus ? "Modbus slave " + QByteArray::number(m_options.modbusAddress)
        : m_options.text ? QByteArray("AT2 ready")
                         : QByteArray("HX4 ready"));

    const Clock::time_point begin = Clock::now();
    m_nextReport = begin + milliseconds(m_options.reportMs);
    m_hangupAt = begin + milliseconds(m_options.hangupAfterMs);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (m_options.hangupAfterMs > 0 && now >= m_hangupAt) {
            if (m_options.hangupMidLine)
                sendHalfLine();
            log("hanging up");
            break;
        }
        if (m_options.modbus && m_modbus.hasPartialFrame() && now - m_lastRx >= kModbusGap)
            queue(m_modbus.endOfFrame());
        produce(now);
        writeMaster();

        const short masterEvents = short(POLLIN | (queued() > 0 ? POLLOUT : 0));
        pollfd fds[3] = {
            {g_signalPipe[0], POLLIN, 0}, {m_inotify, POLLIN, 0}, {m_master, masterEvents, 0}};
        const int ready = ::poll(fds, 3, pollTimeout(Clock::now()));
        if (ready < 0 && errno != EINTR) {
            fail("poll failed on", m_slaveName);
            break;
        }
        if (ready <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            log("stopping on signal");
            break;
        }
        // Before the master: an open must flush stale output before replies to the new session.
        if (fds[1].revents & POLLIN)
            handleInotify();
        if (fds[2].revents & POLLIN)
            readMaster();
        if (fds[2].revents & (POLLHUP | POLLERR))
            ::poll(nullptr, 0, 20); // cannot happen while the slave is held; do not spin if it does
    }
    tearDown();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Options options;
    QString error;
    switch (parseOptions(args, options, error)) {
    case ParseResult::Help:
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return 0;
    case ParseResult::Error:
        std::fprintf(stderr, "korvel-devsim: %s (see --help)\n", error.toLocal8Bit().constData());
        return 2;
    case ParseResult::Run:
        break;
    }
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("korvel-devsim: pipe");
        return 1;
    }
    struct sigaction action
    {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return Simulator(options).run();
}
