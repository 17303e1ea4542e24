#include "log/sampleseries.h"

#include <limits>

SampleSeries::SampleSeries(qsizetype capacity)
    : m_capacity(qMax<qsizetype>(1, capacity))
{}

SampleSeries::~SampleSeries() = default;
SampleSeries::SampleSeries(SampleSeries&&) noexcept = default;
SampleSeries& SampleSeries::operator=(SampleSeries&&) noexcept = default;

qsizetype SampleSeries::levelOffset(int level)
{
    constexpr qsizetype blocks = ChunkSize / SmallestBlock;
    return 2 * blocks - ((2 * blocks) >> level);
}

void SampleSeries::append(qint64 time, double value)
{
    if (m_end > m_first && time < m_lastTime) {
        time = m_lastTime;
    }
    m_lastTime = time;
    if (m_end == m_capacityEnd) {
        m_chunks.push_back(m_spare ? std::move(m_spare) : std::make_unique<Chunk>());
        m_capacityEnd += ChunkSize;
    }
    Chunk& chunk = *m_chunks.back();
    const qsizetype offset = qsizetype(m_end - (m_capacityEnd - ChunkSize));
    chunk.times[offset] = time;
    chunk.values[offset] = value;
    ++m_end;
    if ((offset + 1) % SmallestBlock == 0) {
        completeBlocks(chunk, offset + 1);
    }
    if (size() > m_capacity) {
        ++m_first;
        if (m_first - m_base == ChunkSize) {
            m_spare = std::move(m_chunks.front());
            m_chunks.pop_front();
            m_base += ChunkSize;
        }
    }
}

void SampleSeries::completeBlocks(Chunk& chunk, qsizetype end)
{
    // The smallest block from its samples, each larger one from its halves.
    const qsizetype first = end - SmallestBlock;
    double low = chunk.values[first];
    double high = low;
    for (qsizetype i = first + 1; i < end; ++i) {
        low = qMin(low, chunk.values[i]);
        high = qMax(high, chunk.values[i]);
    }
    qsizetype slot = levelOffset(0) + first / SmallestBlock;
    chunk.mins[slot] = low;
    chunk.maxs[slot] = high;
    for (int level = 1; level < Levels && end % (SmallestBlock << level) == 0; ++level) {
        const qsizetype half = levelOffset(level - 1) + 2 * (end / (SmallestBlock << level) - 1);
        slot = levelOffset(level) + end / (SmallestBlock << level) - 1;
        chunk.mins[slot] = qMin(chunk.mins[half], chunk.mins[half + 1]);
        chunk.maxs[slot] = qMax(chunk.maxs[half], chunk.maxs[half + 1]);
    }
}

void SampleSeries::clear()
{
    if (!m_spare && !m_chunks.empty()) {
        m_spare = std::move(m_chunks.front());
    }
    m_chunks.clear();
    m_base = 0;
    m_capacityEnd = 0;
    m_first = 0;
    m_end = 0;
    m_lastTime = 0;
}

qint64 SampleSeries::timeAt(qint64 n) const
{
    return chunkOf(n).times[(n - m_base) % ChunkSize];
}

double SampleSeries::valueAt(qint64 n) const
{
    return chunkOf(n).values[(n - m_base) % ChunkSize];
}

qint64 SampleSeries::lowerBound(qint64 time, qint64 from) const
{
    qint64 low = qMax(from, m_first);
    qint64 high = m_end;
    while (low < high) {
        const qint64 middle = low + (high - low) / 2;
        if (timeAt(middle) < time) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

SampleSeries::Extent SampleSeries::extent(qint64 from, qint64 to) const
{
    Extent extent{std::numeric_limits<double>::infinity(),
                  -std::numeric_limits<double>::infinity()};
    from = qMax(from, m_first);
    to = qMin(to, m_end);
    qint64 n = from;
    while (n < to) {
        const size_t index = size_t((n - m_base) / ChunkSize);
        const Chunk& chunk = *m_chunks[index];
        const qint64 chunkStart = m_base + qint64(index) * ChunkSize;
        qsizetype offset = qsizetype(n - chunkStart);
        const qsizetype limit = qsizetype(qMin<qint64>(to - chunkStart, ChunkSize));
        while (offset < limit) {
            if (offset % SmallestBlock != 0 || offset + SmallestBlock > limit) {
                const double value = chunk.values[offset++];
                extent.min = qMin(extent.min, value);
                extent.max = qMax(extent.max, value);
                continue;
            }
            // The largest whole block that starts here and fits.
            int level = 0;
            while (level + 1 < Levels && offset % (SmallestBlock << (level + 1)) == 0 &&
                   offset + (SmallestBlock << (level + 1)) <= limit) {
                ++level;
            }
            const qsizetype block = SmallestBlock << level;
            const qsizetype slot = levelOffset(level) + offset / block;
            extent.min = qMin(extent.min, chunk.mins[slot]);
            extent.max = qMax(extent.max, chunk.maxs[slot]);
            offset += block;
        }
        n = chunkStart + limit;
    }
    return extent;
}

void SampleSeries::reduce(qint64 from, qint64 to, int count, std::vector<Column>& out) const
{
    out.clear();
    if (count <= 0 || to < from || isEmpty()) {
        return;
    }
    const qint64 span = to - from + 1;
    qint64 a = lowerBound(from);
    int column = 0;
    while (a < m_end && column < count) {
        const qint64 time = timeAt(a);
        if (time > to) {
            break;
        }
        // Straight to the slice of the next sample: empty slices cost nothing.
        column = qMax(column, int((time - from) * count / span));
        qint64 sliceEnd = from + span * (column + 1) / count;
        // Slice borders are rounded down: the guess may be one short.
        while (sliceEnd <= time) {
            ++column;
            sliceEnd = from + span * (column + 1) / count;
        }
        const qint64 b = lowerBound(sliceEnd, a);
        const Extent e = extent(a, b);
        out.push_back({column, valueAt(a), valueAt(b - 1), e.min, e.max});
        a = b;
        ++column;
    }
}
