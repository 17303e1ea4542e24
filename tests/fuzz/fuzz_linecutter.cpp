// The receive path: chunks of any size and content cut into RX lines. Every
// byte that came in is in an entry or in the line end it lost, in order, and
// the pending partial line never reaches the cut-off.
#include "fuzzsupport.h"

#include "log/logmanager.h"
#include "log/rxlineassembler.h"

namespace {

// Takes what the log holds into @p rebuilt (entries with their line ends)
// and checks each entry's form, then empties the log.
void drain(LogManager& log, QByteArray& rebuilt)
{
    for (const LogEntry& entry : log.entries()) {
        FUZZ_CHECK(entry.kind == LogKind::RX, QString::number(int(entry.kind)));
        FUZZ_CHECK(!entry.data.contains('\n'), QString::fromLatin1(entry.data.toHex()));
        // One carriage return before the cut is taken with the line end, so
        // a line that still ends in one lost a CR of its own ("a\r\r\n").
        const bool endsInCr = entry.data.endsWith('\r');
        FUZZ_CHECK(!endsInCr || entry.lineEnd == LineEnd::CrLf || entry.lineEnd == LineEnd::Cr,
                   QString::fromLatin1(entry.data.toHex()));
        rebuilt += entry.data + LogEntry::lineEndBytes(entry.lineEnd);
    }
    log.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    // No monitor model listens: laying out every line is the view's business
    // (and its own target's), and it would cut the inputs per second a hundredfold.
    static LogManager& log = *new LogManager;
    static RxLineAssembler& assembler = *new RxLineAssembler(&log);
    assembler.flush();
    log.clear();

    fuzz::Input input(data, size);
    QByteArray sent;
    QByteArray rebuilt;
    while (!input.atEnd()) {
        const uint8_t shape = input.byte();
        // Chunks stay below the store's capacity in lines, so that the
        // bounded store never drops what this check looks for.
        const size_t length = 1 + ((size_t(shape & 0x7f) << 8) | input.byte()) % 4096;
        const QByteArray chunk = input.take(length);
        sent += chunk;
        assembler.feed(chunk);
        if (shape & 0x80) {
            assembler.flush(); // a pause: the timer fires
        }
        drain(log, rebuilt);
        FUZZ_CHECK(sent.startsWith(rebuilt), QStringLiteral("entries differ from the input"));
        const QByteArray pending = sent.mid(rebuilt.size());
        FUZZ_CHECK(!pending.contains('\n'), QStringLiteral("a complete line was kept back"));
        FUZZ_CHECK(pending.size() < RxLineAssembler::MaxLineBytes,
                   QStringLiteral("pending %1 bytes").arg(pending.size()));
    }
    assembler.flush();
    drain(log, rebuilt);
    FUZZ_CHECK(
        rebuilt == sent,
        QStringLiteral("%1 bytes in, %2 bytes in the log").arg(sent.size()).arg(rebuilt.size()));
    return 0;
}
