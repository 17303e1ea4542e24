#include "options.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <utility>

namespace {

constexpr qint64 kMaxRate = 100'000'000;
constexpr qint64 kMaxMs = 24LL * 3600 * 1000;

} // namespace

ParseResult parseOptions(const QStringList& args, Options& o, QString& error)
{
    struct Numeric
    {
        const char* name;
        qint64 min;
        qint64 max;
        qint64* value;
        bool* given;
    };
    bool lineLengthGiven = false;
    bool countGiven = false;
    qint64 lineLength = o.lineLength;
    qint64 address = o.modbusAddress;
    const Numeric numeric[] = {
        {"--report", 1, kMaxMs, &o.reportMs, nullptr},
        {"--flood", 0, kMaxRate, &o.floodRate, &o.flood},
        {"--line-length", 12, 4096, &lineLength, &lineLengthGiven},
        {"--count", 1, std::numeric_limits<qint64>::max(), &o.count, &countGiven},
        {"--binary", 0, kMaxRate, &o.binaryRate, &o.binary},
        {"--hangup-after", 1, kMaxMs, &o.hangupAfterMs, nullptr},
        {"--modbus", 1, 247, &address, &o.modbus},
        {"--bad-crc", 1, 1000, &o.badCrcEvery, nullptr},
    };
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("-h") || a == QLatin1String("--help"))
            return ParseResult::Help;
        const std::pair<const char*, bool*> flags[] = {{"--ansi", &o.ansi},
                                                       {"--quiet", &o.quiet},
                                                       {"--text", &o.text},
                                                       {"--hangup-mid-line", &o.hangupMidLine}};
        const auto* flag = std::find_if(std::begin(flags), std::end(flags),
                                        [&](const auto& f) { return a == QLatin1String(f.first); });
        if (flag != std::end(flags)) {
            *flag->second = true;
            continue;
        }
        if (a == QLatin1String("--shape")) {
            const std::pair<const char*, ReportShape> shapes[] = {
                {"flat", ReportShape::Flat},
                {"nested", ReportShape::Nested},
                {"labels", ReportShape::Labels},
                {"numbers", ReportShape::Numbers}};
            const QString name = hasValue ? args.at(++i) : QString();
            const auto* shape =
                std::find_if(std::begin(shapes), std::end(shapes),
                             [&](const auto& s) { return name == QLatin1String(s.first); });
            if (shape == std::end(shapes)) {
                error = QStringLiteral("bad value \"%1\" for --shape").arg(name);
                return ParseResult::Error;
            }
            o.shape = shape->second;
            o.shapeGiven = true;
            continue;
        }
        if (a == QLatin1String("--link") && hasValue && !args.at(i + 1).isEmpty()) {
            o.link = args.at(++i);
            continue;
        }
        // The Modbus address is optional: the next word is taken only when it is no option.
        if (a == QLatin1String("--modbus") && (!hasValue || args.at(i + 1).startsWith('-'))) {
            o.modbus = true;
            continue;
        }
        const auto* it = std::find_if(std::begin(numeric), std::end(numeric),
                                      [&](const Numeric& n) { return a == QLatin1String(n.name); });
        if (it == std::end(numeric) && a != QLatin1String("--link")) {
            error = QStringLiteral("unknown option \"%1\"").arg(a);
            return ParseResult::Error;
        }
        if (!hasValue) {
            error = QStringLiteral("%1 needs a value").arg(a);
            return ParseResult::Error;
        }
        bool ok = false;
        const QString text = args.at(++i);
        const qint64 value = text.toLongLong(&ok);
        if (it == std::end(numeric) || !ok || value < it->min || value > it->max) {
            error = QStringLiteral("bad value \"%1\" for %2").arg(text, a);
            return ParseResult::Error;
        }
        *it->value = value;
        if (it->given)
            *it->given = true;
    }
    o.lineLength = int(lineLength);
    o.modbusAddress = int(address);
    if ((lineLengthGiven || countGiven) && !o.flood) {
        error = QStringLiteral("--line-length and --count only apply to --flood");
        return ParseResult::Error;
    }
    if (o.shapeGiven && !o.flood && o.reportMs == 0) {
        error = QStringLiteral("--shape only applies to --report and --flood");
        return ParseResult::Error;
    }
    if (o.shapeGiven && lineLengthGiven) {
        error = QStringLiteral("--line-length does not apply to --shape");
        return ParseResult::Error;
    }
    if (o.hangupMidLine && o.hangupAfterMs == 0) {
        error = QStringLiteral("--hangup-mid-line needs --hangup-after");
        return ParseResult::Error;
    }
    if (o.flood && o.binary) {
        error = QStringLiteral("--flood and --binary cannot be combined");
        return ParseResult::Error;
    }
    if (o.modbus && (o.flood || o.binary || o.reportMs > 0 || o.ansi)) {
        error = QStringLiteral("--modbus excludes --flood, --binary, --report and --ansi");
        return ParseResult::Error;
    }
    if (o.badCrcEvery > 0 && !o.modbus) {
        error = QStringLiteral("--bad-crc needs --modbus");
        return ParseResult::Error;
    }
    if (o.text && (o.modbus || o.reportMs > 0)) {
        error = QStringLiteral("--text excludes --modbus and --report");
        return ParseResult::Error;
    }
    return ParseResult::Run;
}

QString usageText()
{
    return QStringLiteral(
        R"(Usage: korvel-devsim [options]

Simulates a Korvel HX4 sensor (temperature, humidity, light, WiFi) on a
pseudo-terminal. The first line on stdout is the device path (/dev/pts/N) that
a serial terminal opens. Runs until SIGINT/SIGTERM or --hangup-after; the
application may close and reopen the port any number of times meanwhile.
Output queued while no one has the port open is discarded when it is opened.

Modes:
  (default)        JSON line protocol. Each request line (LF, optional CR) gets
                   exactly one JSON line back, ending in CR LF:
                     {"command":"ReadProduct"}  -> product, firmware, serial
                     {"command":"ReadData"}     -> temperature, humidity, light
                     {"command":"SetupWifi","SSID":"lab","pasword":"x","type":"WPA2"}
                                                -> acknowledgement with the SSID
                                                   (the password is never echoed)
                   An unknown command, invalid JSON or a missing command gets an
                   {"error":...} line. Empty lines are ignored.
  --text           AT-style text protocol of the AT2 sensor instead of JSON. Each
                   request line gets its reply lines, the last one OK or ERROR
                   (CR LF each); the keyword is matched without regard to case:
                     AT                   -> OK
                     AT+VER?              -> +VER:AT2,1.4.2
                     AT+INTERVAL=SEC      -> OK for a whole number 1-3600
                     AT+INTERVAL?         -> +INTERVAL:SEC (60 at start)
                     AT+NAME=TEXT         -> OK for 1-32 printable ASCII characters
                     AT+NAME?             -> +NAME:TEXT (AT2 at start)
                     AT+ALARM=LOW,HIGH    -> OK for whole numbers -40..125, LOW < HIGH
                     AT+ALARM?            -> +ALARM:LOW,HIGH (10,35 at start)
                     AT+READ?             -> +READ:T=..,H=..,L=.. (a reading)
                     AT+RST               -> OK, and every setting back to its start
                   Anything else, or a bad value, gets ERROR.
  --modbus [ADDR]  Modbus RTU slave at address ADDR (1-247, default 1); the line
                   protocol is off. Function 03 (read holding registers) answers
                   with register n holding (n*10+1) mod 65536 until written;
                   function 06 (write single register) stores the value and
                   answers with the request. Frames are found by length and
                   CRC-16/MODBUS; a bad CRC, another address or the broadcast
                   address gets no answer, other functions get exception 01,
                   bad quantities 03, out-of-range addresses 02. Answers carry
                   the bytes 0A and 0D like any other: register 256 holds 0A01,
                   register 78 holds 030D, and writing 0D0A to register 1 makes
                   the answers to 06 and to a read of it hold both.

Options:
  --link PATH            also make PATH a symbolic link to the device (an existing
                         link is replaced; the link is removed on exit)
  --report MS            send an unsolicited ReadData-style report line every MS ms
  --flood BYTES_PER_SEC  send numbered text lines at that rate, 0 = as fast as the
                         pty carries. Starts when a terminal first opens the port.
                         Line k (from 1) is k as 8 zero-padded digits, a space,
                         filler char i = "A-Za-z0-9"[(k+i) % 62], then CR LF.
  --line-length N        flood line length including CR LF (12-4096, default 40)
  --count N              stop the flood after N lines; the number of lines
                         written is printed on stderr at exit (even with --quiet)
  --shape SHAPE          what --report lines (and, with --flood, the flood lines,
                         numbered by their "seq") look like:
                           flat     {"event":"report","seq":N,"temperature":23.4,
                                    "humidity":46.1,"light":312} (the default)
                           nested   {"event":"report","seq":N,"temperature":23.4,
                                    "humidity":46.1,"light":{"lux":312,"ir":31},
                                    "wifi":{"rssi":-61},"accel":[0.01,-0.02,0.98]}
                           labels   seq:N temperature:23.4 humidity:46.1 light:312
                           numbers  23.4,46.1,312
  --ansi                 wrap replies and reports in ANSI colour sequences
  --binary BYTES_PER_SEC send random binary bytes (0 = unthrottled), starting when
                         a terminal first opens the port
  --bad-crc N            with --modbus: every Nth answer (1-1000) goes out with
                         its two CRC bytes inverted, as after a line fault
  --hangup-after MS      close the pty and exit after MS ms; the terminal sees an
                         unplugged device
  --hangup-mid-line      with --hangup-after: first send the first half of the
                         next line (flood or report line), as a device unplugged
                         while it prints
  --quiet                no activity log on stderr
  -h, --help             show this text

Examples:
  korvel-devsim --link /tmp/hx4                   HX4 reachable as /tmp/hx4
  korvel-devsim --report 1000 --ansi              coloured report every second
  korvel-devsim --report 200 --shape nested       nested JSON report 5 times a second
  korvel-devsim --flood 92160 --shape nested      921600 baud of JSON reports
  korvel-devsim --flood 0 --count 100000          100000 lines, full speed
  korvel-devsim --flood 11520 --line-length 64    about 115200 baud of text
  korvel-devsim --binary 2000                     2000 random bytes a second
  korvel-devsim --modbus 17                       Modbus slave at address 17
  korvel-devsim --modbus --bad-crc 3              every third answer has a bad CRC
  korvel-devsim --text --link /tmp/at2            AT2 text device as /tmp/at2
  korvel-devsim --hangup-after 5000               unplugged after 5 seconds

Exit status: 0 on a signal or hang-up, 1 when the pty cannot be set up,
2 for a bad command line.
)");
}
