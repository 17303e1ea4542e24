#pragma once

#include <QByteArray>
#include <QString>

/// Turns what the user typed (the send box, a batch step) into the bytes
/// that go to the port and the text its TX line shows.
namespace PayloadComposer {

/// A draft composed for sending.
struct Composed
{
    /// What goes to the port; empty when the draft was refused.
    QByteArray bytes;
    /// What the TX line shows: the text as typed (with the CRC named after
    /// it), or the bytes as spaced upper-case hex.
    QByteArray echo;
    /// Whether CR LF was added after the text, which the TX line shows as
    /// its line end rather than as part of the text.
    bool crLfAdded = false;
    /// Why a hex draft was refused; empty otherwise.
    QString error;
};

/// The text as UTF-8, with the CRC-16/MODBUS of it (low byte first) when
/// asked, then CR LF unless the text ends in a line feed of its own (which
/// the CRC then covers).
QByteArray text(const QString& text, bool withCrc);

/// The bytes of hex digits: blanks and the separators , ; : - split the
/// text into tokens, each read on its own after an optional 0x prefix (a
/// token of odd length gets a leading zero). Any other character, or no
/// digit at all, gives an empty result and the reason in @p error.
QByteArray hex(const QString& text, bool withCrc, QString* error = nullptr);

/// " [CRC xx yy]" naming the checksum that text() appends to @p bytes, or
/// nothing without a CRC.
QString crcEchoSuffix(const QByteArray& bytes, bool withCrc);

/// The draft as hex digits or as text, with its echo.
Composed compose(const QString& draft, bool asHex, bool withCrc);

} // namespace PayloadComposer
