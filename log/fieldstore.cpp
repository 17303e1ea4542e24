#include "log/fieldstore.h"

#include "log/jsonscan.h"

#include <QLocale>

#include <cstring>
#include <limits>

namespace {

// A counter or a time stamp would set the scale of a plot it shares with
// the readings: such fields are not plotted unasked.
bool looksLikeCounter(const QByteArray& key)
{
    QByteArray last = key.mid(key.lastIndexOf('.') + 1);
    const qsizetype bracket = last.indexOf('[');
    if (bracket >= 0) {
        last.truncate(bracket);
    }
    last = last.toLower();
    static const char* const names[] = {
        "seq",    "sequence",  "id",     "count",  "counter", "index",  "idx",   "ts",
        "time",   "timestamp", "millis", "micros", "ms",      "uptime", "epoch", "n",
        "number", "num",       "no",     "frame",  "tick",    "ticks"};
    for (const char* name : names) {
        if (last == name) {
            return true;
        }
    }
    return false;
}

} // namespace

void UpdateRate::add(qint64 time)
{
    const qint64 bucket = time / BucketMs;
    if (bucket > m_lastBucket) {
        const qint64 from = qMax(m_lastBucket + 1, bucket - Buckets + 1);
        for (qint64 b = from; b <= bucket; ++b) {
            m_counts[b % Buckets] = 0;
        }
        m_lastBucket = bucket;
    }
    if (bucket > m_lastBucket - Buckets) {
        ++m_counts[bucket % Buckets];
    }
}

double UpdateRate::perSecond(qint64 now, qint64 since) const
{
    if (m_lastBucket < 0) {
        return 0;
    }
    const qint64 nowBucket = now / BucketMs;
    qint64 total = 0;
    for (qint64 b = qMax(nowBucket - Buckets + 1, m_lastBucket - Buckets + 1);
         b <= qMin(nowBucket, m_lastBucket); ++b) {
        total += m_counts[b % Buckets];
    }
    const qint64 span = qBound(qint64(1000), now - since, qint64(WindowMs));
    return double(total) * 1000.0 / double(span);
}

void UpdateRate::clear()
{
    std::memset(m_counts, 0, sizeof m_counts);
    m_lastBucket = -1;
}

FieldStore::Field::Field(const QByteArray& key)
    : key(key)
    , name(QString::fromUtf8(key))
    , min(std::numeric_limits<double>::infinity())
    , max(-std::numeric_limits<double>::infinity())
    , samples(MaxSamples)
{}

void FieldStore::Changes::merge(const Changes& other)
{
    values = values || other.values;
    samples = samples || other.samples;
    if (firstNewField < 0) {
        firstNewField = other.firstNewField;
    }
    refused = refused || other.refused;
    plotted = plotted || other.plotted;
}

FieldStore::FieldStore()
{
    m_fields.reserve(MaxFields);
}

FieldStore::Changes FieldStore::addLines(qint64 time, const QList<QByteArray>& lines)
{
    Changes changes;
    for (const QByteArray& line : lines) {
        changes.merge(addLine(time, line));
    }
    return changes;
}

FieldStore::Changes FieldStore::addLine(qint64 time, QByteArrayView line)
{
    Changes changes;
    const FieldExtractor::Shape shape = m_extractor.extract(line);
    switch (shape) {
    case FieldExtractor::Shape::Json:
        ++m_lines.json;
        break;
    case FieldExtractor::Shape::Pairs:
        ++m_lines.pairs;
        break;
    case FieldExtractor::Shape::Numbers:
        ++m_lines.numbers;
        break;
    case FieldExtractor::Shape::Other:
        ++m_lines.other;
        return changes;
    case FieldExtractor::Shape::TooLong:
        ++m_lines.tooLong;
        return changes;
    case FieldExtractor::Shape::TooDeep:
        ++m_lines.tooDeep;
        return changes;
    case FieldExtractor::Shape::BrokenJson:
        ++m_lines.brokenJson;
        return changes;
    }

    // Times never go back, so that rates and plots can rely on their order.
    time = qMax(time, m_lastTime);
    m_lastTime = time;
    ++m_lineSerial;
    const std::vector<FieldExtractor::Field>& values = m_extractor.fields();
    const int count = int(values.size());
    const int before = int(m_fields.size());
    const int refusedBefore = m_refusedCount;
    m_lineIndices.resize(size_t(count));
    std::vector<CacheEntry>& layout = layoutFor(shape);
    for (int k = 0; k < count; ++k) {
        m_lineIndices[size_t(k)] = resolve(layout, k, m_extractor.path(values[size_t(k)]));
    }
    // A name given twice in one line: the last value counts, as in most
    // JSON readers.
    for (int k = count - 1; k >= 0; --k) {
        int& index = m_lineIndices[size_t(k)];
        if (index < 0) {
            continue;
        }
        Field& field = m_fields[size_t(index)];
        if (field.lastLine == m_lineSerial) {
            index = -1;
        } else {
            field.lastLine = m_lineSerial;
        }
    }
    for (int k = 0; k < count; ++k) {
        const int index = m_lineIndices[size_t(k)];
        if (index >= 0) {
            apply(m_fields[size_t(index)], values[size_t(k)], time, changes);
        }
    }
    if (int(m_fields.size()) > before) {
        changes.firstNewField = before;
    }
    changes.refused = m_refusedCount != refusedBefore;
    return changes;
}

std::vector<FieldStore::CacheEntry>& FieldStore::layoutFor(FieldExtractor::Shape shape)
{
    const std::vector<FieldExtractor::Field>& values = m_extractor.fields();
    const QByteArrayView first = values.empty() ? QByteArrayView() : m_extractor.path(values[0]);
    Layout* oldest = &m_layouts[0];
    for (Layout& layout : m_layouts) {
        if (layout.shape == shape && !layout.entries.empty() &&
            layout.entries[0].key.size() == first.size() &&
            std::memcmp(layout.entries[0].key.constData(), first.data(), size_t(first.size())) ==
                0) {
            layout.used = m_lineSerial;
            return layout.entries;
        }
        if (layout.used < oldest->used) {
            oldest = &layout;
        }
    }
    oldest->shape = shape;
    oldest->used = m_lineSerial;
    oldest->entries.clear();
    return oldest->entries;
}

int FieldStore::resolve(std::vector<CacheEntry>& layout, int position, QByteArrayView key)
{
    if (position < int(layout.size())) {
        const CacheEntry& cached = layout[size_t(position)];
        if (cached.key.size() == key.size() &&
            std::memcmp(cached.key.constData(), key.data(), size_t(key.size())) == 0) {
            return cached.index;
        }
    }
    // Not copied for the look-up.
    const QByteArray probe = QByteArray::fromRawData(key.data(), key.size());
    int index = m_index.value(probe, -1);
    if (index < 0) {
        if (key.size() > MaxNameBytes || int(m_fields.size()) >= MaxFields) {
            refuse(key);
        } else {
            index = int(m_fields.size());
            const QByteArray name = key.toByteArray();
            m_fields.emplace_back(name);
            m_index.insert(name, index);
        }
    }
    if (position < CachedPositions) {
        if (position >= int(layout.size())) {
            layout.resize(size_t(position) + 1);
        }
        layout[size_t(position)] = {key.toByteArray(), index};
    }
    return index;
}

void FieldStore::refuse(QByteArrayView key)
{
    if (m_refusedCount >= MaxRefusedNames) {
        return;
    }
    const QByteArray probe = QByteArray::fromRawData(key.data(), key.size());
    if (m_refused.contains(probe)) {
        return;
    }
    m_refused.insert(key.toByteArray());
    ++m_refusedCount;
    if (m_refusedNames.size() < NamedRefusals) {
        QString name = QString::fromUtf8(key.first(qMin<qsizetype>(key.size(), 64)));
        if (key.size() > 64) {
            name += QChar(0x2026);
        }
        m_refusedNames << name;
    }
}

void FieldStore::apply(Field& field, const FieldExtractor::Field& value, qint64 time,
                       Changes& changes)
{
    changes.values = true;
    if (field.updates++ == 0) {
        field.firstTime = time;
    }
    field.latestTime = time;
    field.rate.add(time);
    switch (value.kind) {
    case FieldExtractor::Kind::Number:
    case FieldExtractor::Kind::Boolean:
        field.latestKind =
            value.kind == FieldExtractor::Kind::Number ? ValueKind::Number : ValueKind::Boolean;
        field.latestValue = value.value;
        field.min = qMin(field.min, value.value);
        field.max = qMax(field.max, value.value);
        field.samples.append(time, value.value);
        changes.samples = true;
        if (!field.numeric) {
            field.numeric = true;
            if (m_autoPlotted < AutoPlotted && !looksLikeCounter(field.key)) {
                ++m_autoPlotted;
                setPlotted(int(&field - m_fields.data()), true);
                changes.plotted = true;
            }
        }
        break;
    case FieldExtractor::Kind::Text:
    case FieldExtractor::Kind::NoNumber: {
        field.latestKind =
            value.kind == FieldExtractor::Kind::Text ? ValueKind::Text : ValueKind::NoNumber;
        field.latestEscaped = value.escaped;
        // Devices repeat their texts: most lines change nothing here.
        if (field.latestRaw.size() != value.rawSize ||
            std::memcmp(field.latestRaw.constData(), value.raw, size_t(value.rawSize)) != 0) {
            field.latestRaw = QByteArray(value.raw, value.rawSize);
        }
        break;
    }
    }
}

void FieldStore::clear()
{
    m_fields.clear();
    m_index.clear();
    for (Layout& layout : m_layouts) {
        layout = Layout();
    }
    m_refused.clear();
    m_refusedNames.clear();
    m_refusedCount = 0;
    m_lines = {};
    m_lastTime = 0;
    m_autoPlotted = 0;
}

int FieldStore::indexOf(const QByteArray& key) const
{
    return m_index.value(key, -1);
}

QString FieldStore::latestText(int index) const
{
    const Field& f = field(index);
    switch (f.latestKind) {
    case ValueKind::None:
        break;
    case ValueKind::Number:
        return QString::number(f.latestValue, 'g', QLocale::FloatingPointShortest);
    case ValueKind::Boolean:
        return f.latestValue != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case ValueKind::Text:
        if (f.latestEscaped) {
            std::string text;
            JsonScan::appendUnescaped(text, f.latestRaw.constData(),
                                      f.latestRaw.constData() + f.latestRaw.size());
            return QString::fromUtf8(text.data(), qsizetype(text.size()));
        }
        return QString::fromUtf8(f.latestRaw);
    case ValueKind::NoNumber:
        return QString::fromUtf8(f.latestRaw);
    }
    return {};
}

double FieldStore::rate(int index, qint64 now) const
{
    const Field& f = field(index);
    return f.rate.perSecond(now, f.firstTime);
}

bool FieldStore::setPlotted(int index, bool plotted, int colours)
{
    if (index < 0 || index >= count()) {
        return false;
    }
    Field& f = m_fields[size_t(index)];
    if (f.plotted == plotted || (plotted && !f.numeric)) {
        return false;
    }
    f.colour = plotted ? freeColour(colours) : -1;
    f.plotted = plotted;
    return true;
}

int FieldStore::freeColour(int colours) const
{
    colours = qMax(1, colours);
    QList<int> used(colours, 0);
    for (const Field& f : m_fields) {
        if (f.plotted && f.colour >= 0) {
            ++used[f.colour % colours];
        }
    }
    // The least used slot, the lowest of those on a tie.
    int best = 0;
    for (int slot = 1; slot < colours; ++slot) {
        if (used[slot] < used[best]) {
            best = slot;
        }
    }
    return best;
}

QList<int> FieldStore::plottedFields() const
{
    QList<int> plotted;
    for (int i = 0; i < count(); ++i) {
        if (m_fields[size_t(i)].plotted) {
            plotted << i;
        }
    }
    return plotted;
}
