// ANSI stripping: whatever a device sends, what the monitor shows holds no
// escape or other control character, and stripping twice changes nothing.
#include "fuzzsupport.h"

#include "log/ansitext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t mode = input.byte();
    const QByteArray bytes = input.rest();
    QString text;
    switch (mode % 3) {
    case 0:
        text = QString::fromUtf8(bytes);
        break;
    case 1:
        // Raw UTF-16 units, lone surrogates included.
        text = QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
        break;
    default:
        text = QString::fromLatin1(bytes);
        break;
    }

    const QString plain = AnsiText::stripToPlain(text);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        FUZZ_CHECK(plain.at(i).unicode() >= 32,
                   QStringLiteral("U+%1 at %2").arg(plain.at(i).unicode(), 4, 16).arg(i));
    }
    // A tab becomes four spaces: nothing grows more than that.
    FUZZ_CHECK(plain.size() <= 4 * text.size(), QString::number(plain.size()));
    FUZZ_CHECK(AnsiText::stripToPlain(plain) == plain, plain);
    return 0;
}
