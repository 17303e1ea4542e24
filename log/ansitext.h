#pragma once

#include <QString>

/// Reduces text received from a device to printable plain text: ANSI control
/// sequences, carriage returns and other control characters are removed and a
/// tab becomes four spaces.
class AnsiText
{
public:
    static QString stripToPlain(const QString& text);
};
