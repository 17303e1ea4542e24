// Texts from outside on their way to the window: whatever a library document or an update
// service's answer holds, every text of it that the window shows as it is comes no longer than
// its bound (with the mark when it was cut), and a cut never splits a character in two.
#include "fuzzsupport.h"

#include "library/devicelibrary.h"
#include "update/devicelibraryupdateclient.h"
#include "update/softwareupdateclient.h"
#include "util/textbounds.h"

namespace {

// @p text is at most @p limit characters, or (one fewer, for a surrogate pair at the bound) that
// many of the text it came from and the mark.
void checkBounded(const QString& text, qsizetype limit)
{
    if (text.size() <= limit) {
        return;
    }
    const QString mark = TextBounds::cutMark();
    FUZZ_CHECK(text.endsWith(mark), text.left(64));
    const qsizetype kept = text.size() - mark.size();
    FUZZ_CHECK(kept == limit || kept == limit - 1, QString::number(kept));
}

void checkCut(const QString& text, qsizetype limit)
{
    const QString cut = TextBounds::cut(text, limit);
    if (text.size() <= limit) {
        FUZZ_CHECK(cut == text, text);
        return;
    }
    checkBounded(cut, limit);
    const qsizetype kept = cut.size() - TextBounds::cutMark().size();
    FUZZ_CHECK(text.startsWith(cut.left(kept)), text.left(64));
    // One character less only where the bound falls inside a surrogate pair, which is then
    // left out whole; a lone surrogate is kept like any other character.
    const bool splitsPair =
        limit > 0 && text.at(limit - 1).isHighSurrogate() && text.at(limit).isLowSurrogate();
    FUZZ_CHECK(kept == (splitsPair ? limit - 1 : limit), text.left(64));
}

void checkPair(const LocalizedText& text)
{
    checkBounded(text.zh, TextBounds::Caption);
    checkBounded(text.en, TextBounds::Caption);
}

void checkLibrary(const QByteArray& document)
{
    DeviceLibrary library;
    if (!library.loadFromJsonText(document)) {
        return;
    }
    checkBounded(library.version(), TextBounds::Caption);
    for (const DeviceModel& model : library.models()) {
        checkBounded(model.id, TextBounds::Caption);
        checkPair(model.name);
        checkPair(model.description);
        for (const DeviceCommand& command : model.commands) {
            checkBounded(command.id, TextBounds::Caption);
            checkPair(command.group);
            checkPair(command.name);
            for (const CommandParam& param : command.params) {
                checkPair(param.label);
            }
        }
    }
}

void checkAnswers(const QByteArray& body)
{
    const auto library = DeviceLibraryUpdateClient::readCheckAnswer(body, QStringLiteral("1"));
    checkBounded(library.remoteVersion, TextBounds::Caption);
    checkBounded(library.minAppVersion, TextBounds::Caption);
    checkBounded(library.message, TextBounds::Notes);
    checkBounded(library.error, TextBounds::Notes);
    const auto fetched = DeviceLibraryUpdateClient::readFetchAnswer(body, {});
    checkBounded(fetched.version, TextBounds::Caption);
    checkBounded(fetched.error, TextBounds::Notes);
    const auto software = SoftwareUpdateClient::readCheckAnswer(body, QStringLiteral("0.7"));
    checkBounded(software.version, TextBounds::Caption);
    checkBounded(software.minRequiredVersion, TextBounds::Caption);
    checkBounded(software.sha256, TextBounds::Caption);
    checkBounded(software.changelog, TextBounds::Notes);
    checkBounded(software.error, TextBounds::Notes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    fuzz::Input input(data, size);
    const uint8_t mode = input.byte();
    const QByteArray rest = input.rest();
    if (mode % 2 == 0) {
        // Any UTF-16, lone surrogates too, against small bounds.
        const QString text(reinterpret_cast<const QChar*>(rest.constData()), rest.size() / 2);
        checkCut(text, mode / 2 % 64);
        return 0;
    }
    checkLibrary(rest);
    checkAnswers(rest);
    return 0;
}
