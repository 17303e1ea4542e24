#pragma once

#include "log/sampleseries.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>

#include <vector>

class FieldMonitor;
class QPainter;

/// The live plot of the plotted fields: time across (the receive times of
/// the lines), values up, one line per field in its colour, a grid with
/// labels. Each pixel column draws the first, smallest, largest and last
/// sample that falls into it, so a frame costs in proportion to the width
/// and not to the number of samples. Drawn with QPainter into an image,
/// which Qt Quick's software renderer and OpenGL both show.
///
/// Why not Qt Charts: a QML ChartView with 8 LineSeries of 100,000 points
/// (1200 x 400, software scene graph, one new point per series and a
/// redraw) took 132 ms median, 212 ms at most on this machine; 10,000
/// points, 23 ms. It draws every point, and its OpenGL path does not run
/// under the software renderer. This item redrew the same 8 x 100,000 in
/// 1.7 ms median (`scripts/bench-gui --plot`); the target is 8 ms.
class FieldPlot : public QQuickPaintedItem
{
    Q_OBJECT

    Q_PROPERTY(FieldMonitor* monitor READ monitor WRITE setMonitor NOTIFY monitorChanged)
    /// The time shown: the last windowSeconds up to the newest line (less
    /// while the samples span less); 0 shows every kept sample.
    Q_PROPERTY(
        int windowSeconds READ windowSeconds WRITE setWindowSeconds NOTIFY windowSecondsChanged)
    /// A paused plot stays as it is while samples are still taken in.
    Q_PROPERTY(bool paused READ paused WRITE setPaused NOTIFY pausedChanged)
    /// The values up: fitted to what is shown, or from fixedMin to fixedMax
    /// (fitted when fixedMax is not above fixedMin).
    Q_PROPERTY(bool autoScale READ autoScale WRITE setAutoScale NOTIFY scaleChanged)
    Q_PROPERTY(double fixedMin READ fixedMin WRITE setFixedMin NOTIFY scaleChanged)
    Q_PROPERTY(double fixedMax READ fixedMax WRITE setFixedMax NOTIFY scaleChanged)
    Q_PROPERTY(
        QVariantList seriesColours READ seriesColours WRITE setSeriesColours NOTIFY coloursChanged)
    Q_PROPERTY(QColor backgroundColour READ backgroundColour WRITE setBackgroundColour NOTIFY
                   coloursChanged)
    Q_PROPERTY(QColor gridColour READ gridColour WRITE setGridColour NOTIFY coloursChanged)
    Q_PROPERTY(QColor textColour READ textColour WRITE setTextColour NOTIFY coloursChanged)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    /// Name and colour of each plotted field: [{"name", "colour"}].
    Q_PROPERTY(QVariantList legend READ legend NOTIFY legendChanged)
    /// Where the lines are drawn, in the item's coordinates.
    Q_PROPERTY(QRectF plotArea READ plotArea NOTIFY plotAreaChanged)

public:
    /// Least time between two frames while samples arrive.
    static constexpr int FrameMs = 100;

    explicit FieldPlot(QQuickItem* parent = nullptr);

    FieldMonitor* monitor() const { return m_monitor; }
    void setMonitor(FieldMonitor* monitor);
    int windowSeconds() const { return m_windowSeconds; }
    void setWindowSeconds(int seconds);
    bool paused() const { return m_paused; }
    void setPaused(bool paused);
    bool autoScale() const { return m_autoScale; }
    void setAutoScale(bool on);
    double fixedMin() const { return m_fixedMin; }
    void setFixedMin(double value);
    double fixedMax() const { return m_fixedMax; }
    void setFixedMax(double value);
    QVariantList seriesColours() const;
    void setSeriesColours(const QVariantList& colours);
    QColor backgroundColour() const { return m_background; }
    void setBackgroundColour(const QColor& colour);
    QColor gridColour() const { return m_grid; }
    void setGridColour(const QColor& colour);
    QColor textColour() const { return m_text; }
    void setTextColour(const QColor& colour);
    QFont font() const { return m_font; }
    void setFont(const QFont& font);
    QVariantList legend() const { return m_legend; }
    QRectF plotArea() const { return m_plotArea; }

    /// What the plot shows at @p x (item coordinates): "time" as text and
    /// "values", per plotted field its "name", "value" (the latest sample at
    /// or before that time, as text) and "colour"; empty outside the lines.
    Q_INVOKABLE QVariantMap readoutAt(qreal x) const;
    /// Writes the plot as it looks now, at its size, to a PNG file; the
    /// reason on failure, else an empty text.
    Q_INVOKABLE QString exportPng(const QString& path);

    void paint(QPainter* painter) override;
    /// Draws the plot into @p painter over @p bounds; what paint() does.
    void draw(QPainter& painter, const QRectF& bounds);

signals:
    void monitorChanged();
    void windowSecondsChanged();
    void pausedChanged();
    void scaleChanged();
    void coloursChanged();
    void fontChanged();
    void legendChanged();
    void plotAreaChanged();

private:
    void scheduleFrame();
    void redraw();
    void rebuildLegend();
    QColor colourOf(int slot) const;
    /// Times shown: the window up to the newest line, or when paused to
    /// the newest line at the pause.
    void shownTimes(qint64& from, qint64& to) const;

    QPointer<FieldMonitor> m_monitor;
    int m_windowSeconds = 60;
    bool m_paused = false;
    qint64 m_pausedAt = 0;
    bool m_autoScale = true;
    double m_fixedMin = 0;
    double m_fixedMax = 100;
    QList<QColor> m_colours;
    QColor m_background = Qt::white;
    QColor m_grid = Qt::lightGray;
    QColor m_text = Qt::black;
    QFont m_font;
    QVariantList m_legend;
    QTimer m_frameTimer;
    bool m_framePending = false;

    // What the last frame showed, for the readout.
    QRectF m_plotArea;
    qint64 m_shownFrom = 0;
    qint64 m_shownTo = 0;
    std::vector<SampleSeries::Column> m_columns;
};
