#include "log/fieldcsv.h"

#include "log/fieldstore.h"

#include <QDateTime>
#include <QIODevice>
#include <QLocale>
#include <QTimeZone>

#include <limits>
#include <vector>

namespace {

QByteArray quoted(const QString& name)
{
    QByteArray text = name.toUtf8();
    text.replace('"', "\"\"");
    return '"' + text + '"';
}

} // namespace

namespace FieldCsv {

bool write(const FieldStore& store, QIODevice& device)
{
    std::vector<const SampleSeries*> columns;
    QByteArray out = "time";
    for (int i = 0; i < store.count(); ++i) {
        const FieldStore::Field& field = store.field(i);
        if (field.numeric) {
            columns.push_back(&field.samples);
            out += ',' + quoted(field.name);
        }
    }
    out += '\n';

    std::vector<qint64> cursor;
    for (const SampleSeries* series : columns) {
        cursor.push_back(series->first());
    }
    qint64 stampTime = std::numeric_limits<qint64>::min();
    QByteArray stamp;
    for (;;) {
        // The earliest time any column still has a sample at: its rows next.
        qint64 time = std::numeric_limits<qint64>::max();
        for (size_t c = 0; c < columns.size(); ++c) {
            if (cursor[c] < columns[c]->end()) {
                time = qMin(time, columns[c]->timeAt(cursor[c]));
            }
        }
        if (time == std::numeric_limits<qint64>::max()) {
            break;
        }
        if (time != stampTime) {
            stampTime = time;
            stamp = QDateTime::fromMSecsSinceEpoch(time, QTimeZone::utc())
                        .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"))
                        .toLatin1();
        }
        // The lines of one arrival share a time: the n-th sample of each
        // column at that time goes into the n-th row.
        bool more = true;
        while (more) {
            more = false;
            out += stamp;
            for (size_t c = 0; c < columns.size(); ++c) {
                out += ',';
                if (cursor[c] < columns[c]->end() && columns[c]->timeAt(cursor[c]) == time) {
                    out += QByteArray::number(columns[c]->valueAt(cursor[c]), 'g',
                                              QLocale::FloatingPointShortest);
                    ++cursor[c];
                    more = more ||
                           (cursor[c] < columns[c]->end() && columns[c]->timeAt(cursor[c]) == time);
                }
            }
            out += '\n';
            if (out.size() > (1 << 20)) {
                if (device.write(out) != out.size()) {
                    return false;
                }
                out.clear();
            }
        }
    }
    return device.write(out) == out.size();
}

} // namespace FieldCsv
