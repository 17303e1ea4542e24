// The log file formats: any entry, of any kind, with any bytes and line end,
// is one line in every format, so a log file has one line per entry.
#include "fuzzsupport.h"

#include "log/logmanager.h"

#include <QDateTime>

#include <cstring>

namespace {

// The fields of a CSV record: quoted fields with doubled quotes inside.
QStringList csvFields(const QString& line, bool* wellFormed)
{
    QStringList fields;
    QString field;
    qsizetype i = 0;
    *wellFormed = true;
    while (i < line.size()) {
        if (line.at(i) != QLatin1Char('"')) {
            *wellFormed = false;
            return fields;
        }
        ++i;
        field.clear();
        while (true) {
            if (i >= line.size()) {
                *wellFormed = false;
                return fields;
            }
            if (line.at(i) == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            field += line.at(i++);
        }
        fields.append(field);
        if (i < line.size()) {
            if (line.at(i) != QLatin1Char(',')) {
                *wellFormed = false;
                return fields;
            }
            ++i;
        }
    }
    return fields;
}

bool holdsLineBreak(const QString& line)
{
    return line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    LogEntry entry;
    const QByteArray kind = input.take(4);
    qint32 kindValue = 0;
    std::memcpy(&kindValue, kind.leftJustified(4, '\0').constData(), 4);
    entry.kind = LogKind((input.byte() & 1) ? kindValue : kindValue & 3);
    entry.lineEnd = LineEnd(input.byte() % 4);
    // Any moment from 1970 to about 2106, to the millisecond.
    quint64 stamp = 0;
    std::memcpy(&stamp, input.take(8).leftJustified(8, '\0').constData(), 8);
    entry.time = QDateTime::fromMSecsSinceEpoch(qint64(stamp % 4'200'000'000'000ULL));
    entry.data = input.rest();

    const QString tag = LogManager::dirTag(entry.kind);
    const QString text = LogManager::formatLine(entry, LogFileFormat::Text);
    const QString csv = LogManager::formatLine(entry, LogFileFormat::Csv);
    const QString hex = LogManager::formatLine(entry, LogFileFormat::Hex);
    FUZZ_CHECK(!holdsLineBreak(text), text);
    FUZZ_CHECK(!holdsLineBreak(csv), csv);
    FUZZ_CHECK(!holdsLineBreak(hex), hex);
    FUZZ_CHECK(LogManager::formatLine(entry, LogFileFormat(7)).isEmpty(), QString());

    const QString stamp23 = entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    const QString head =
        QLatin1Char('[') + stamp23 + QLatin1String("] ") + tag + QLatin1String("  ");
    FUZZ_CHECK(text.startsWith(head), text);
    FUZZ_CHECK(hex.startsWith(head), hex);
    FUZZ_CHECK(hex.mid(head.size()) == entry.hexText(), hex);

    bool wellFormed = false;
    const QStringList fields = csvFields(csv, &wellFormed);
    FUZZ_CHECK(wellFormed && fields.size() == 3, csv);
    FUZZ_CHECK(fields.at(0) == stamp23 && fields.at(1) == tag, csv);
    // Both text formats show the payload alike.
    FUZZ_CHECK(fields.at(2) == text.mid(head.size()), csv + QLatin1String(" | ") + text);
    return 0;
}
