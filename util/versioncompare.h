#pragma once

#include <QString>

/// Orders version texts such as "0.7.8.1": dot-separated non-negative integers compared
/// numerically from the left. Parsing stops at the first character that does not continue
/// that form, so "1.2-beta" reads as 1.2 and a text without a leading number as an empty
/// version. When all shared segments are equal the version with more segments is higher
/// (1.0.0 is higher than 1.0; any version is higher than the empty one).
class VersionCompare
{
public:
    /// Negative when @p a is lower than @p b, zero when they are equal, positive when higher.
    static int compare(const QString& a, const QString& b);
    static bool isLower(const QString& a, const QString& b) { return compare(a, b) < 0; }
    static bool isHigher(const QString& a, const QString& b) { return compare(a, b) > 0; }
};
