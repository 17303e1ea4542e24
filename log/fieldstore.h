#pragma once

#include "log/fieldextractor.h"
#include "log/sampleseries.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

/// How often a field was updated over the last seconds, in buckets of a
/// tenth of a second: bounded memory whatever the rate.
class UpdateRate
{
public:
    static constexpr int WindowMs = 10000;
    static constexpr int BucketMs = 100;

    void add(qint64 time);
    /// Updates per second over the last WindowMs before @p now, or since
    /// @p since when that is later (at least a second is counted).
    double perSecond(qint64 now, qint64 since) const;
    void clear();

private:
    static constexpr int Buckets = WindowMs / BucketMs;
    quint32 m_counts[Buckets] = {};
    qint64 m_lastBucket = -1;
};

/// Every field the received lines have shown since the last clear: for each
/// its latest value, smallest and largest number, update rate, number of
/// updates and, for numbers (and booleans, as 0 and 1), the kept samples.
/// Fields are numbered in the order they first appeared. Bounded: at most
/// MaxFields fields (further names are counted and refused), MaxSamples
/// samples per field (the oldest go), names of at most MaxNameBytes.
class FieldStore
{
public:
    static constexpr int MaxFields = 64;
    static constexpr qsizetype MaxSamples = 100000;
    static constexpr qsizetype MaxNameBytes = 256;
    /// Refused names are counted up to this many distinct ones.
    static constexpr int MaxRefusedNames = 1000;
    /// How many of the refused names a notice names.
    static constexpr int NamedRefusals = 5;
    /// Numeric fields plotted from the start (fields named like a counter
    /// or a time stamp are passed over).
    static constexpr int AutoPlotted = 4;

    enum class ValueKind : quint8 { None, Number, Boolean, Text, NoNumber };

    struct Field
    {
        explicit Field(const QByteArray& key);

        QByteArray key; ///< the name as UTF-8
        QString name;
        ValueKind latestKind = ValueKind::None;
        double latestValue = 0;
        QByteArray latestRaw; ///< text or the non-number as written
        bool latestEscaped = false;
        qint64 latestTime = 0;
        qint64 updates = 0;
        qint64 firstTime = 0;
        /// Smallest and largest number since the last clear (also of samples
        /// no longer kept).
        double min;
        double max;
        bool numeric = false; ///< has had a number or boolean
        bool plotted = false;
        int colour = -1; ///< while plotted: a slot no other plotted field has
        SampleSeries samples;
        UpdateRate rate;
        quint64 lastLine = 0;
    };

    struct Changes
    {
        bool values = false;  ///< some field was updated
        bool samples = false; ///< some number was sampled
        int firstNewField = -1;
        bool refused = false; ///< the refused names changed
        bool plotted = false; ///< a field was plotted from the start
        void merge(const Changes& other);
    };

    struct LineCounts
    {
        qint64 json = 0;
        qint64 pairs = 0;
        qint64 numbers = 0;
        qint64 other = 0;
        qint64 tooLong = 0;
        qint64 tooDeep = 0;
        qint64 brokenJson = 0;
    };

    FieldStore();

    Changes addLine(qint64 time, QByteArrayView line);
    Changes addLines(qint64 time, const QList<QByteArray>& lines);
    void clear();

    int count() const { return int(m_fields.size()); }
    const Field& field(int index) const { return m_fields[size_t(index)]; }
    /// The index of the field with this name, or -1.
    int indexOf(const QByteArray& key) const;
    const LineCounts& lineCounts() const { return m_lines; }
    /// Time of the newest line read (0 before the first).
    qint64 lastTime() const { return m_lastTime; }
    /// Distinct names refused for want of room (at most MaxRefusedNames).
    int refusedCount() const { return m_refusedCount; }
    /// The first of them, at most NamedRefusals.
    const QStringList& refusedNames() const { return m_refusedNames; }

    /// The latest value as the table shows it: a number in its shortest
    /// exact form, true or false, or the text as written (escapes resolved).
    QString latestText(int index) const;
    double rate(int index, qint64 now) const;

    /// Plots or stops plotting a field that has numbers; false when nothing
    /// changed. A plotted field takes the lowest colour slot no other
    /// plotted field holds (slots repeat after @p colours).
    bool setPlotted(int index, bool plotted, int colours = 10);
    QList<int> plottedFields() const;

private:
    struct CacheEntry
    {
        QByteArray key;
        int index = -1;
    };

    int resolve(std::vector<CacheEntry>& layout, int position, QByteArrayView key);
    /// The remembered names of lines like this one (same shape and first
    /// name), or a fresh place for them in place of the least recent.
    std::vector<CacheEntry>& layoutFor(FieldExtractor::Shape shape);
    void refuse(QByteArrayView key);
    void apply(Field& field, const FieldExtractor::Field& value, qint64 time, Changes& changes);
    int freeColour(int colours) const;

    FieldExtractor m_extractor;
    std::vector<Field> m_fields;
    QHash<QByteArray, int> m_index;
    // The names of recent lines by position, for a few kinds of line: a
    // device prints the same fields in the same order, so most names are
    // found without hashing.
    struct Layout
    {
        FieldExtractor::Shape shape = FieldExtractor::Shape::Other;
        quint64 used = 0;
        std::vector<CacheEntry> entries;
    };
    static constexpr int Layouts = 4;
    Layout m_layouts[Layouts];
    std::vector<int> m_lineIndices;
    QSet<QByteArray> m_refused;
    QStringList m_refusedNames;
    int m_refusedCount = 0;
    LineCounts m_lines;
    quint64 m_lineSerial = 0;
    qint64 m_lastTime = 0;
    int m_autoPlotted = 0;
    static constexpr int CachedPositions = 256;
};
