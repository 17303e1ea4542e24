#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

class DeviceLibrary;

/// What the fuzz targets share: one application object, settings kept in a
/// private folder, a reader that splits an input
/// into the values a target needs, and checks that end the run loudly.
namespace fuzz {

/// The GUI application (offscreen) with settings in a private temporary
/// folder; made on the first call and kept until the process ends.
void ensureApplication();

/// The folder that holds this process's settings and scratch files.
QString privateFolder();

/// A new library holding the built-in document, kept by the caller.
DeviceLibrary* newBuiltInLibrary();

/// Reports a broken expectation with the input's context and aborts, so
/// that the fuzzer keeps the input and the replay test fails.
[[noreturn]] void fail(const char* what, const QString& detail = {});

/// Takes an input apart from the front: small numbers and flags first,
/// the rest as one block.
class Input
{
public:
    Input(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {}

    bool atEnd() const { return m_pos >= m_size; }
    size_t remaining() const { return m_size - m_pos; }
    /// The next byte, or 0 past the end.
    uint8_t byte();
    /// A number in [0, bound) from the next byte; 0 for a bound of 0.
    size_t below(size_t bound) { return bound == 0 ? 0 : byte() % bound; }
    bool flag() { return (byte() & 1) != 0; }
    /// The next @p count bytes (fewer at the end).
    QByteArray take(size_t count);
    /// Everything that is left.
    QByteArray rest();

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace fuzz

/// The check every target makes: the condition must hold for any input.
#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fuzz::fail(#condition, detail);                                                        \
        }                                                                                          \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
