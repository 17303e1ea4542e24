#pragma once

// The user's own command templates and batches: the settings store keeps
// them, the library's models list them.

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

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

/// One step of a batch: text or hex digits, optionally with a CRC appended,
/// and optionally a reply to wait for before the batch goes on.
struct BatchStep
{
    /// What the reply to the step must contain: nothing (no wait), a text, a
    /// regular expression, or hex bytes where "??" is any byte.
    enum class Expect { None, Text, Regex, Hex };

    /// The bounds of the time a step waits for its reply.
    static constexpr int MinReplyTimeoutMs = 1;
    static constexpr int MaxReplyTimeoutMs = 60000;
    static constexpr int DefaultReplyTimeoutMs = 1000;

    // A step that sends and waits for nothing, as batches were before they
    // could wait, is made from its first three members.
    BatchStep(QString text = {}, bool isHex = false, bool crc = false)
        : text(std::move(text))
        , isHex(isHex)
        , crc(crc)
    {}

    QString text;
    bool isHex = false;
    bool crc = false;
    Expect expect = Expect::None;
    QString expectPattern;
    int replyTimeoutMs = DefaultReplyTimeoutMs;
    /// Whether the batch goes on with its next step when no reply matched in
    /// time; otherwise it stops.
    bool goOnWithoutReply = false;

    /// The names stored and handed to the interface for Expect, in its order.
    static QStringList expectNames()
    {
        return {QStringLiteral("none"), QStringLiteral("text"), QStringLiteral("regex"),
                QStringLiteral("hex")};
    }
    static QString expectName(Expect expect) { return expectNames().at(int(expect)); }
    /// The kind of @p name; an unknown name waits for nothing.
    static Expect expectFromName(const QString& name)
    {
        const qsizetype at = expectNames().indexOf(name);
        return at < 0 ? Expect::None : Expect(at);
    }
    /// @p ms within the bounds of a reply's wait (a value that is not a
    /// number as the shortest).
    static int boundedReplyTimeout(double ms)
    {
        if (ms >= MaxReplyTimeoutMs) {
            return MaxReplyTimeoutMs;
        }
        return ms >= MinReplyTimeoutMs ? int(ms) : MinReplyTimeoutMs;
    }

    bool operator==(const BatchStep& o) const
    {
        return text == o.text && isHex == o.isHex && crc == o.crc && expect == o.expect &&
               expectPattern == o.expectPattern && replyTimeoutMs == o.replyTimeoutMs &&
               goOnWithoutReply == o.goOnWithoutReply;
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
