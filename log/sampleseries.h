#pragma once

#include <QtGlobal>

#include <deque>
#include <memory>
#include <vector>

/// The kept samples of one numeric field: times (ms since the epoch, never
/// decreasing) and values, at most a capacity of them, the oldest dropped
/// first. Samples are numbered from 0 since the last clear; a number keeps
/// its sample while older ones are dropped. Besides the samples, each whole
/// run of 16, 32, … 4096 samples keeps its smallest and largest value (worked
/// out once, when its last sample comes in), so that the
/// extremes of any range are found in time that grows with the logarithm of
/// its length: a plot asks for one range per pixel column and does not read
/// every sample it shows.
class SampleSeries
{
public:
    static constexpr qsizetype ChunkSize = 4096;
    static constexpr qsizetype SmallestBlock = 16;

    explicit SampleSeries(qsizetype capacity);
    ~SampleSeries();
    SampleSeries(SampleSeries&&) noexcept;
    SampleSeries& operator=(SampleSeries&&) noexcept;

    qsizetype capacity() const { return m_capacity; }
    /// Appends a sample; one with a time before the newest sample's takes
    /// the newest time instead, so that times never go back.
    void append(qint64 time, double value);
    void clear();

    /// Number of the oldest kept sample and one past the newest.
    qint64 first() const { return m_first; }
    qint64 end() const { return m_end; }
    qsizetype size() const { return qsizetype(m_end - m_first); }
    bool isEmpty() const { return m_end == m_first; }

    /// Time and value of a kept sample (first() <= n < end()).
    qint64 timeAt(qint64 n) const;
    double valueAt(qint64 n) const;

    /// The first kept sample at or after @p time (end() when none),
    /// looking from sample @p from on.
    qint64 lowerBound(qint64 time) const { return lowerBound(time, m_first); }
    qint64 lowerBound(qint64 time, qint64 from) const;

    struct Extent
    {
        double min;
        double max;
    };
    /// Smallest and largest value of the kept samples from..to (exclusive);
    /// the range must not be empty.
    Extent extent(qint64 from, qint64 to) const;

    /// What a plot draws of one pixel column: the first and last value that
    /// fall into it and the smallest and largest.
    struct Column
    {
        int index;
        double first;
        double last;
        double min;
        double max;
    };
    /// Cuts the time from @p from to @p to (both included) into @p count
    /// equal slices and gives a Column for each slice that holds samples, in
    /// order. Takes time in proportion to the slices with samples, not to the
    /// samples.
    void reduce(qint64 from, qint64 to, int count, std::vector<Column>& out) const;

private:
    static constexpr int Levels = 9; // blocks of 16 up to 4096 samples
    static constexpr qsizetype BlockSlots = 2 * ChunkSize / SmallestBlock - 1;

    struct Chunk
    {
        qint64 times[ChunkSize];
        double values[ChunkSize];
        double mins[BlockSlots];
        double maxs[BlockSlots];
    };

    const Chunk& chunkOf(qint64 n) const { return *m_chunks[size_t((n - m_base) / ChunkSize)]; }
    static qsizetype levelOffset(int level);
    /// Works out the extremes of the blocks that end at @p end (an offset in
    /// the chunk), now that their last sample is in.
    static void completeBlocks(Chunk& chunk, qsizetype end);

    qsizetype m_capacity;
    std::deque<std::unique_ptr<Chunk>> m_chunks;
    // One emptied chunk is kept for reuse, so that a full series that drops
    // and adds samples allocates nothing.
    std::unique_ptr<Chunk> m_spare;
    qint64 m_base = 0;        // number of the first sample of the first chunk
    qint64 m_capacityEnd = 0; // one past the last sample the chunks have room for
    qint64 m_lastTime = 0;
    qint64 m_first = 0;
    qint64 m_end = 0;
};
