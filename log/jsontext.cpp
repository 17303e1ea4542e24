#include "log/jsontext.h"

#include "log/jsonscan.h"

#include <QByteArray>
#include <QVarLengthArray>

namespace {

// Writes what the reader meets back out, one member or item per line.
struct PrettyWriter
{
    QByteArray out;
    // Members written so far in each open object or array.
    QVarLengthArray<int, 32> counts;

    void newLine(qsizetype depth)
    {
        out.append('\n');
        out.append(QByteArray(depth * 2, ' '));
    }
    void open(char bracket)
    {
        out.append(bracket);
        counts.append(0);
    }
    void close(char bracket)
    {
        const int count = counts.last();
        counts.removeLast();
        if (count > 0) {
            newLine(counts.size());
        }
        out.append(bracket);
    }
    void member()
    {
        if (counts.last()++ > 0) {
            out.append(',');
        }
        newLine(counts.size());
    }

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(const char* b, const char* e, bool)
    {
        member();
        out.append('"');
        out.append(b, e - b);
        out.append("\": ");
    }
    void item(int) { member(); }
    void number(const char* b, const char* e) { out.append(b, e - b); }
    void text(const char* b, const char* e, bool)
    {
        out.append('"');
        out.append(b, e - b);
        out.append('"');
    }
    void literal(JsonScan::Literal, const char* b, const char* e) { out.append(b, e - b); }
};

QString problemText(JsonScan::Problem problem)
{
    switch (problem) {
    case JsonScan::Problem::None:
        break;
    case JsonScan::Problem::UnexpectedEnd:
        return JsonText::tr("the line ends before the JSON value is complete");
    case JsonScan::Problem::ExpectedValue:
        return JsonText::tr("a value was expected");
    case JsonScan::Problem::ExpectedKey:
        return JsonText::tr("a key in double quotes was expected");
    case JsonScan::Problem::ExpectedColon:
        return JsonText::tr("\":\" was expected after the key");
    case JsonScan::Problem::ExpectedCommaOrObjectEnd:
        return JsonText::tr("\",\" or \"}\" was expected");
    case JsonScan::Problem::ExpectedCommaOrArrayEnd:
        return JsonText::tr("\",\" or \"]\" was expected");
    case JsonScan::Problem::BadNumber:
        return JsonText::tr("the number is malformed");
    case JsonScan::Problem::BadEscape:
        return JsonText::tr("a string holds an unknown escape sequence");
    case JsonScan::Problem::ControlCharacter:
        return JsonText::tr("a string holds a control character");
    case JsonScan::Problem::BadUtf8:
        return JsonText::tr("a string holds bytes that are not UTF-8");
    case JsonScan::Problem::TooDeep:
        return JsonText::tr("it is nested deeper than %1 levels").arg(JsonText::MaxDepth);
    case JsonScan::Problem::TextAfterValue:
        return JsonText::tr("more text follows the JSON value");
    }
    return {};
}

} // namespace

JsonLineReport JsonText::describe(QByteArrayView line)
{
    JsonLineReport report;
    if (line.size() > MaxBytes) {
        report.text = QString::fromUtf8(line.first(MaxBytes));
        report.problem = tr("The line is too long to show as JSON (%1 bytes).").arg(line.size());
        report.errorPosition = report.text.size();
        return report;
    }
    PrettyWriter writer;
    JsonScan::Options options;
    options.maxDepth = MaxDepth;
    options.checkUtf8 = true;
    JsonScan::Reader<PrettyWriter> reader(line.data(), line.data() + line.size(), writer, options);
    const JsonScan::Outcome outcome = reader.readDocument();
    if (outcome.ok()) {
        report.valid = true;
        report.text = QString::fromUtf8(writer.out);
        return report;
    }
    report.text = QString::fromUtf8(line);
    if (line.trimmed().isEmpty()) {
        report.problem = tr("The line is empty: it holds no JSON.");
        report.errorPosition = 0;
        return report;
    }
    report.errorPosition = QString::fromUtf8(line.first(outcome.offset)).size();
    report.problem = tr("Not valid JSON from character %1 on: %2.")
                         .arg(report.errorPosition + 1)
                         .arg(problemText(outcome.problem));
    return report;
}
