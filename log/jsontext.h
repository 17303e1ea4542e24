#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

/// One received line looked at as JSON, for reading it: pretty-printed when
/// it is JSON, else where and why it stops being JSON.
struct JsonLineReport
{
    bool valid = false;
    /// Valid: the value indented by two blanks per level, keys in the order
    /// written and every string and number as written. Otherwise the line as
    /// received (decoded as UTF-8).
    QString text;
    /// Why the line is no JSON, for the user; empty when it is.
    QString problem;
    /// Where in text the line stops being JSON (UTF-16 units); -1 when valid.
    qsizetype errorPosition = -1;
};

class JsonText
{
    Q_DECLARE_TR_FUNCTIONS(JsonText)

public:
    /// Lines longer than this are not formatted.
    static constexpr qsizetype MaxBytes = 1024 * 1024;
    /// Deepest nesting formatted; deeper is reported as the problem.
    static constexpr int MaxDepth = 256;

    static JsonLineReport describe(QByteArrayView line);
};
