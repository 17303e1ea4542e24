#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

/// Hex digits as the user types them, in the send box and in the find bar:
/// blanks and the separators , ; : - split the text into tokens, each read on
/// its own after an optional 0x prefix (a token of odd length gets a leading
/// zero).
namespace HexTokens {

struct Reading
{
    QByteArray bytes;
    /// Where the first character that is no hex digit stands (-1: none).
    qsizetype badPosition = -1;
};

/// The bytes of @p text; at the first character that is no hex digit, no
/// bytes and its position.
Reading read(QStringView text);

/// A byte pattern: the bytes, and per byte 0xFF where it must match or 0
/// where "??" stood (any byte matches there).
struct PatternReading
{
    QByteArray bytes;
    QByteArray mask;
    qsizetype badPosition = -1;
};

/// The bytes of @p text as read() takes them, where a pair "??" stands for
/// a byte of any value; a lone "?" is not a digit.
PatternReading readPattern(QStringView text);

/// The character at @p i as the user would recognise it in a message: a
/// character made of two UTF-16 units whole, one that does not print as
/// "U+XXXX".
QString shownCharacter(QStringView text, qsizetype i);

} // namespace HexTokens
