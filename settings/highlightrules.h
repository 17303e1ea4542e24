#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// A pattern that colours the whole line of every entry it matches.
struct HighlightRule
{
    QString pattern;
    bool regex = false;
    /// A colour of the theme's palette, by name (see HighlightRules::colourNames()).
    QString colour;

    friend bool operator==(const HighlightRule& a, const HighlightRule& b)
    {
        return a.pattern == b.pattern && a.regex == b.regex && a.colour == b.colour;
    }
};

/// The stored form of the highlight rules: a JSON array of objects
/// {"pattern", "regex", "colour"}. Reading keeps at most MaxRules rules and
/// drops a rule without a pattern, with a longer one than a pattern may be
/// (TextBounds::SearchPattern) or with a colour the palette lacks
/// (which then gets the palette's first colour).
namespace HighlightRules {

constexpr int MaxRules = 16;
/// Longest stored form read back; anything longer is a damaged value.
constexpr int MaxStoredBytes = 256 * 1024;

/// The palette's colours, in the order the settings offer them.
QStringList colourNames();
QList<HighlightRule> parse(const QByteArray& json);
QByteArray serialize(const QList<HighlightRule>& rules);

} // namespace HighlightRules
