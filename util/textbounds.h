#pragma once

#include <QString>

/// How long a text from outside (an update service, a device library) may be by the time it
/// reaches the window. Laying a text out costs time that grows with its length, for one long
/// line faster than linearly, so every such text is cut (with a mark) or refused before QML
/// sees it.
namespace TextBounds {

/// Versions, ids, names, captions and placeholder hints.
constexpr qsizetype Caption = 256;
/// Messages and release notes.
constexpr qsizetype Notes = 16 * 1024;
/// The send box, a filled-in command and a command's payload: more than any command a serial
/// device takes, little enough to lay out at once.
constexpr qsizetype Command = 64 * 1024;
/// A search or highlight pattern: compiling a longer expression, and running it over every
/// held line at each keystroke, would cost more than a find bar may.
constexpr int SearchPattern = 1000;

/// What a text that was cut ends with.
QString cutMark();

/// @p text when it holds at most @p limit characters; otherwise its first @p limit characters
/// (one fewer where the bound would split a surrogate pair) followed by cutMark().
QString cut(const QString& text, qsizetype limit);

} // namespace TextBounds
