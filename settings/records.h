#pragma once

// The user's own command templates and batches: the settings store keeps
// them, the library's models list them.

#include <QList>
#include <QString>

/// A command template of the user's own, listed beside the library commands.
struct CustomCommandTemplate
{
    QString id;
    QString name;
    QString content;

    bool operator==(const CustomCommandTemplate& o) const
    {
        return id == o.id && name == o.name && content == o.content;
    }
};

/// One step of a batch: text or hex digits, optionally with a CRC appended.
struct BatchStep
{
    QString text;
    bool isHex = false;
    bool crc = false;

    bool operator==(const BatchStep& o) const
    {
        return text == o.text && isHex == o.isHex && crc == o.crc;
    }
};

/// A named batch of steps sent one after another on a fixed interval.
struct BatchCommand
{
    QString id;
    QString name;
    int intervalMs = 500;
    QList<BatchStep> steps;

    bool operator==(const BatchCommand& o) const
    {
        return id == o.id && name == o.name && intervalMs == o.intervalMs && steps == o.steps;
    }
};
