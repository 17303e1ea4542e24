#pragma once

#include <QByteArray>
#include <QString>

/// Turns what the user typed (the send box, a batch step) into the bytes
/// that go to the port and the text its TX line shows.
namespace PayloadComposer {

/// What a text send puts after the text; the codes are what the settings keep.
enum class TextLineEnd : int { CrLf = 0, Lf = 1, Cr = 2, None = 3 };

/// The line end for a stored code; an unknown code gives CR LF, which every
/// earlier version sent.
TextLineEnd lineEndFromCode(int code);
QByteArray lineEndBytes(TextLineEnd end);

/// A draft composed for sending.
struct Composed
{
    /// What goes to the port; empty when the draft was refused.
    QByteArray bytes;
    /// What the TX line shows: the text as typed (with the CRC named after
    /// it), or the bytes as spaced upper-case hex.
    QByteArray echo;
    /// The line end added after the text, which the TX line shows as its
    /// line end rather than as part of the text.
    TextLineEnd lineEndAdded = TextLineEnd::None;
    /// Why a hex draft was refused; empty otherwise.
    QString error;
};

/// The text as UTF-8, with the CRC-16/MODBUS of it (low byte first) when
/// asked, then @p end unless the text ends in a line feed of its own (which
/// the CRC then covers).
QByteArray text(const QString& text, bool withCrc, TextLineEnd end = TextLineEnd::CrLf);

/// The bytes of hex digits: blanks and the separators , ; : - split the
/// text into tokens, each read on its own after an optional 0x prefix (a
/// token of odd length gets a leading zero). Any other character, or no
/// digit at all, gives an empty result and the reason in @p error.
QByteArray hex(const QString& text, bool withCrc, QString* error = nullptr);

/// " [CRC xx yy]" naming the checksum that text() appends to @p bytes, or
/// nothing without a CRC.
QString crcEchoSuffix(const QByteArray& bytes, bool withCrc);

/// The draft as hex digits or as text (ended by @p end), with its echo.
Composed compose(const QString& draft, bool asHex, bool withCrc,
                 TextLineEnd end = TextLineEnd::CrLf);

} // namespace PayloadComposer
