#include "log/fieldplot.h"

#include "log/fieldmonitor.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <cmath>
#include <limits>

namespace {

// A step of 1, 2 or 5 times a power of ten, at least @p raw.
double niceStep(double raw)
{
    if (!(raw > 0) || !std::isfinite(raw)) {
        return 1;
    }
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

// Time steps that read well on a clock, in ms.
qint64 timeStep(qint64 span, int ticks)
{
    static const qint64 steps[] = {1000,    2000,    5000,     10000,    15000,    30000,
                                   60000,   120000,  300000,   600000,   900000,   1800000,
                                   3600000, 7200000, 10800000, 21600000, 43200000, 86400000};
    for (const qint64 step : steps) {
        if (span / step <= ticks) {
            return step;
        }
    }
    const qint64 days = span / 86400000 / qMax(1, ticks) + 1;
    return days * 86400000;
}

QString valueText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString tickText(double value, double step)
{
    // Enough decimals for the step, none of the noise of its sums.
    const int decimals = step >= 1 ? 0 : int(std::ceil(-std::log10(step)));
    return QString::number(std::abs(value) < step / 1e6 ? 0.0 : value, 'f', qMin(decimals, 12));
}

} // namespace

FieldPlot::FieldPlot(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
    setOpaquePainting(true);
    setAntialiasing(false);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setInterval(FrameMs);
    connect(&m_frameTimer, &QTimer::timeout, this, &FieldPlot::redraw);
}

void FieldPlot::setMonitor(FieldMonitor* monitor)
{
    if (monitor == m_monitor) {
        return;
    }
    if (m_monitor) {
        disconnect(m_monitor, nullptr, this, nullptr);
    }
    m_monitor = monitor;
    if (monitor) {
        connect(monitor, &FieldMonitor::samplesAdded, this, &FieldPlot::scheduleFrame);
        connect(monitor, &FieldMonitor::plottedChanged, this, [this] {
            rebuildLegend();
            redraw();
        });
        connect(monitor, &FieldMonitor::cleared, this, [this] {
            rebuildLegend();
            redraw();
        });
    }
    rebuildLegend();
    redraw();
    emit monitorChanged();
}

void FieldPlot::setWindowSeconds(int seconds)
{
    seconds = qMax(0, seconds);
    if (seconds == m_windowSeconds) {
        return;
    }
    m_windowSeconds = seconds;
    redraw();
    emit windowSecondsChanged();
}

void FieldPlot::setPaused(bool paused)
{
    if (paused == m_paused) {
        return;
    }
    m_paused = paused;
    m_pausedAt = m_monitor ? m_monitor->store().lastTime() : 0;
    redraw();
    emit pausedChanged();
}

void FieldPlot::setAutoScale(bool on)
{
    if (on == m_autoScale) {
        return;
    }
    m_autoScale = on;
    redraw();
    emit scaleChanged();
}

void FieldPlot::setFixedMin(double value)
{
    if (value == m_fixedMin || !std::isfinite(value)) {
        return;
    }
    m_fixedMin = value;
    redraw();
    emit scaleChanged();
}

void FieldPlot::setFixedMax(double value)
{
    if (value == m_fixedMax || !std::isfinite(value)) {
        return;
    }
    m_fixedMax = value;
    redraw();
    emit scaleChanged();
}

QVariantList FieldPlot::seriesColours() const
{
    QVariantList colours;
    for (const QColor& colour : m_colours) {
        colours << colour;
    }
    return colours;
}

void FieldPlot::setSeriesColours(const QVariantList& colours)
{
    QList<QColor> list;
    for (const QVariant& value : colours) {
        list << (value.canConvert<QColor>() ? value.value<QColor>() : QColor(value.toString()));
    }
    if (list == m_colours) {
        return;
    }
    m_colours = list;
    rebuildLegend();
    redraw();
    emit coloursChanged();
}

void FieldPlot::setBackgroundColour(const QColor& colour)
{
    if (colour == m_background) {
        return;
    }
    m_background = colour;
    redraw();
    emit coloursChanged();
}

void FieldPlot::setGridColour(const QColor& colour)
{
    if (colour == m_grid) {
        return;
    }
    m_grid = colour;
    redraw();
    emit coloursChanged();
}

void FieldPlot::setTextColour(const QColor& colour)
{
    if (colour == m_text) {
        return;
    }
    m_text = colour;
    redraw();
    emit coloursChanged();
}

void FieldPlot::setFont(const QFont& font)
{
    if (font == m_font) {
        return;
    }
    m_font = font;
    redraw();
    emit fontChanged();
}

QColor FieldPlot::colourOf(int slot) const
{
    if (m_colours.isEmpty()) {
        return m_text;
    }
    return m_colours.at(qMax(0, slot) % m_colours.size());
}

void FieldPlot::scheduleFrame()
{
    if (m_paused || m_frameTimer.isActive()) {
        return;
    }
    m_frameTimer.start();
}

void FieldPlot::redraw()
{
    m_frameTimer.stop();
    update();
}

void FieldPlot::rebuildLegend()
{
    QVariantList legend;
    if (m_monitor) {
        const FieldStore& store = m_monitor->store();
        for (const int index : store.plottedFields()) {
            const FieldStore::Field& field = store.field(index);
            legend << QVariantMap{{QStringLiteral("name"), field.name},
                                  {QStringLiteral("colour"), colourOf(field.colour)}};
        }
    }
    if (legend != m_legend) {
        m_legend = legend;
        emit legendChanged();
    }
}

void FieldPlot::shownTimes(qint64& from, qint64& to) const
{
    const FieldStore& store = m_monitor->store();
    to = m_paused ? m_pausedAt : store.lastTime();
    // Until the samples fill the window they fill the width.
    from = to;
    for (const int index : store.plottedFields()) {
        const SampleSeries& samples = store.field(index).samples;
        if (!samples.isEmpty()) {
            from = qMin(from, samples.timeAt(samples.first()));
        }
    }
    if (m_windowSeconds > 0) {
        from = qMax(from, to - qint64(m_windowSeconds) * 1000 + 1);
    }
    if (to - from < 1000) {
        from = to - 999;
    }
}

void FieldPlot::paint(QPainter* painter)
{
    draw(*painter, QRectF(0, 0, width(), height()));
}

void FieldPlot::draw(QPainter& painter, const QRectF& bounds)
{
    painter.fillRect(bounds, m_background);
    painter.setFont(m_font);
    const QFontMetricsF metrics(m_font);
    const FieldStore* store = m_monitor ? &m_monitor->store() : nullptr;
    const QList<int> plotted = store ? store->plottedFields() : QList<int>();

    qint64 from = 0;
    qint64 to = 1000;
    if (store) {
        shownTimes(from, to);
    }

    // The values up: the extremes of what is shown, or the user's range.
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    if (m_autoScale || !(m_fixedMax > m_fixedMin)) {
        for (const int index : plotted) {
            const SampleSeries& samples = store->field(index).samples;
            const qint64 a = samples.lowerBound(from);
            const qint64 b = samples.lowerBound(to + 1, a);
            if (b > a) {
                const SampleSeries::Extent extent = samples.extent(a, b);
                low = qMin(low, extent.min);
                high = qMax(high, extent.max);
            }
        }
        if (!(low <= high)) {
            low = 0;
            high = 1;
        }
        if (high - low < std::max(std::abs(high), 1.0) * 1e-9) {
            const double margin = std::max(std::abs(high) * 0.1, 1.0);
            low -= margin;
            high += margin;
        }
    } else {
        low = m_fixedMin;
        high = m_fixedMax;
    }
    const double step = niceStep((high - low) / 5);
    if (m_autoScale || !(m_fixedMax > m_fixedMin)) {
        low = std::floor(low / step) * step;
        high = std::ceil(high / step) * step;
    }

    QStringList labels;
    qreal labelWidth = 0;
    const double firstTick = std::ceil(low / step - 1e-9) * step;
    for (double v = firstTick; v <= high + step * 1e-9 && labels.size() < 50; v += step) {
        labels << tickText(v, step);
        labelWidth = qMax(labelWidth, metrics.horizontalAdvance(labels.constLast()));
    }
    const qreal lineHeight = metrics.height();
    const QRectF area =
        bounds.adjusted(labelWidth + 14, lineHeight / 2 + 4, -12, -(lineHeight + 10));
    if (area != m_plotArea) {
        m_plotArea = area;
        emit plotAreaChanged();
    }
    m_shownFrom = from;
    m_shownTo = to;
    if (area.width() < 8 || area.height() < 8) {
        return;
    }
    const auto yOf = [&](double v) {
        return area.bottom() - (v - low) / (high - low) * area.height();
    };
    const auto xOf = [&](qint64 t) {
        return area.left() + double(t - from) / double(to - from + 1) * area.width();
    };

    // Grid and labels.
    painter.setPen(QPen(m_grid, 1));
    painter.drawRect(area);
    for (int i = 0; i < labels.size(); ++i) {
        const qreal y = std::round(yOf(firstTick + i * step)) + 0.5;
        painter.setPen(QPen(m_grid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(m_text);
        painter.drawText(QRectF(bounds.left(), y - lineHeight / 2, labelWidth + 8, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, labels.at(i));
    }
    const qint64 tStep = timeStep(to - from, qMax(1, int(area.width() / 90)));
    const QString format = tStep < 60000 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    const qint64 offset = QDateTime::fromMSecsSinceEpoch(to).offsetFromUtc() * qint64(1000);
    for (qint64 t = ((from + offset + tStep - 1) / tStep) * tStep - offset; t <= to; t += tStep) {
        const qreal x = std::round(xOf(t)) + 0.5;
        painter.setPen(QPen(m_grid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(m_text);
        const QString text = QDateTime::fromMSecsSinceEpoch(t).toString(format);
        const qreal w = metrics.horizontalAdvance(text);
        // A label near either end moves inwards instead of being cut.
        const qreal left = qBound(bounds.left(), x - w / 2, bounds.right() - w - 1);
        painter.drawText(QRectF(left, area.bottom() + 4, w + 1, lineHeight), Qt::AlignCenter, text);
    }

    // The lines, one pixel column at a time.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int columns = qMax(1, int(area.width() * ratio));
    const qreal columnWidth = area.width() / columns;
    painter.save();
    painter.setClipRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF line;
    for (const int index : plotted) {
        const FieldStore::Field& field = store->field(index);
        const SampleSeries& samples = field.samples;
        line.clear();
        const qint64 entering = samples.lowerBound(from) - 1;
        if (entering >= samples.first()) {
            line << QPointF(xOf(samples.timeAt(entering)), yOf(samples.valueAt(entering)));
        }
        samples.reduce(from, to, columns, m_columns);
        for (const SampleSeries::Column& c : m_columns) {
            const qreal x = area.left() + (c.index + 0.5) * columnWidth;
            for (const double v : {c.first, c.min, c.max, c.last}) {
                const QPointF point(x, yOf(v));
                if (line.isEmpty() || line.constLast() != point) {
                    line << point;
                }
            }
        }
        // A one-pixel pen takes the raster engine's line drawer; a wider
        // one, the general stroker, which measured 30 times slower here.
        QPen pen(colourOf(field.colour), 1);
        pen.setCosmetic(true);
        painter.setPen(pen);
        if (line.size() == 1) {
            painter.drawPoint(line.constFirst());
        } else {
            painter.drawPolyline(line);
        }
    }
    painter.restore();
}

QVariantMap FieldPlot::readoutAt(qreal x) const
{
    if (!m_monitor || m_plotArea.width() <= 0 || x < m_plotArea.left() || x > m_plotArea.right()) {
        return {};
    }
    const FieldStore& store = m_monitor->store();
    const qint64 time = m_shownFrom + qint64((x - m_plotArea.left()) / m_plotArea.width() *
                                             double(m_shownTo - m_shownFrom + 1));
    QVariantList values;
    for (const int index : store.plottedFields()) {
        const FieldStore::Field& field = store.field(index);
        const qint64 n = field.samples.lowerBound(time + 1) - 1;
        values << QVariantMap{{QStringLiteral("name"), field.name},
                              {QStringLiteral("value"), n >= field.samples.first()
                                                            ? valueText(field.samples.valueAt(n))
                                                            : QString()},
                              {QStringLiteral("colour"), colourOf(field.colour)}};
    }
    if (values.isEmpty()) {
        return {};
    }
    return {{QStringLiteral("time"),
             QDateTime::fromMSecsSinceEpoch(time).toString(QStringLiteral("HH:mm:ss.zzz"))},
            {QStringLiteral("values"), values}};
}

QString FieldPlot::exportPng(const QString& path)
{
    const QString problem = FieldMonitor::exportPathProblem(path);
    if (!problem.isEmpty()) {
        return problem;
    }
    const QSize size(qMax(1, qCeil(width())), qMax(1, qCeil(height())));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        draw(painter, QRectF(QPointF(0, 0), size));
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
    }
    if (!image.save(path, "PNG")) {
        return tr("The picture could not be written to %1.").arg(QDir::toNativeSeparators(path));
    }
    return {};
}
