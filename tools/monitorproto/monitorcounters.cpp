#include "monitorcounters.h"

#include "log/loglistmodel.h"
#include "log/logviewrows.h"

#include <QPainter>
#include <QSGNode>

#include <cmath>

MonitorCounters::MonitorCounters(QQuickItem* parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    m_style.wrap = false;
    m_style.width = 1 << 16;
    m_formats[0] = QStringLiteral("%1 lines");
    m_formats[1] = QStringLiteral("Rx %1");
    m_formats[2] = QStringLiteral("Tx %1");
}

void MonitorCounters::setModel(LogListModel* model)
{
    if (model == m_model) {
        return;
    }
    if (m_model) {
        disconnect(m_model->viewRows(), nullptr, this, nullptr);
    }
    m_model = model;
    if (m_model) {
        // As often as the rows are refreshed, not at every read.
        connect(m_model->viewRows(), &LogViewRows::updated, this, &MonitorCounters::refresh);
    }
    refresh();
    emit modelChanged();
}

#define COUNTERS_SETTER(Setter, Type, member)                                                      \
    void MonitorCounters::Setter(Type value)                                                       \
    {                                                                                              \
        if (member == value) {                                                                     \
            return;                                                                                \
        }                                                                                          \
        member = value;                                                                            \
        restyle();                                                                                 \
    }

COUNTERS_SETTER(setLinesFormat, const QString&, m_formats[0])
COUNTERS_SETTER(setRxFormat, const QString&, m_formats[1])
COUNTERS_SETTER(setTxFormat, const QString&, m_formats[2])
COUNTERS_SETTER(setFont, const QFont&, m_style.font)
COUNTERS_SETTER(setColor, const QColor&, m_style.text)
COUNTERS_SETTER(setBackgroundColor, const QColor&, m_style.background)
COUNTERS_SETTER(setSpacing, int, m_spacing)
#undef COUNTERS_SETTER

void MonitorCounters::restyle()
{
    m_renderer.setStyle(m_style);
    m_texts.clear(); // drawn again even if the figures are the same
    refresh();
    emit styleChanged();
}

QString MonitorCounters::formatBytes(double bytes)
{
    if (bytes < 1024) {
        return QString::number(bytes, 'f', 0) + QStringLiteral(" B");
    }
    if (bytes < 1024.0 * 1024) {
        return QString::number(bytes / 1024, 'f', 1) + QStringLiteral(" KB");
    }
    if (bytes < 1024.0 * 1024 * 1024) {
        return QString::number(bytes / 1048576, 'f', 1) + QStringLiteral(" MB");
    }
    return QString::number(bytes / 1073741824, 'f', 1) + QStringLiteral(" GB");
}

void MonitorCounters::refresh()
{
    const qint64 lines = m_model ? m_model->totalLineCount() : 0;
    const QStringList texts = {
        QString(m_formats[0]).replace(QLatin1String("%1"), QString::number(lines)),
        QString(m_formats[1])
            .replace(QLatin1String("%1"), formatBytes(m_model ? m_model->rxBytes() : 0)),
        QString(m_formats[2])
            .replace(QLatin1String("%1"), formatBytes(m_model ? m_model->txBytes() : 0)),
    };
    if (texts == m_texts) {
        return;
    }
    m_texts = texts;
    if (m_renderer.style() != m_style) {
        m_renderer.setStyle(m_style);
    }
    // Laid out as a row of text items, each as wide as its text, the
    // spacing between them.
    qreal width = m_spacing * qreal(texts.size() - 1);
    for (const QString& text : texts) {
        width += m_renderer.textWidth(text);
    }
    setImplicitSize(width, m_renderer.lineHeight());
    draw(); // where the anchors have put it by now
    emit textChanged();
}

void MonitorCounters::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.topLeft() != oldGeometry.topLeft() && !m_texts.isEmpty()) {
        draw();
    }
}

void MonitorCounters::draw()
{
    if (m_renderer.style() != m_style) {
        m_renderer.setStyle(m_style);
    }
    // A text item at a fractional place has its glyphs drawn there; this
    // item's picture lands on whole pixels, so the fraction goes into the
    // glyph positions.
    const QPointF scene = mapToScene(QPointF(0, 0));
    const QPointF fraction(scene.x() - qRound(scene.x()), 0);
    const int height = int(std::ceil(m_renderer.lineHeight()));
    QImage image(int(std::ceil(width())) + 2 * m_renderer.inkMargin(), qMax(1, height),
                 QImage::Format_RGB32);
    image.fill(m_style.background);
    {
        QPainter painter(&image);
        qreal x = fraction.x();
        for (const QString& text : std::as_const(m_texts)) {
            m_renderer.drawText(&painter, QPointF(x, 0), text);
            x += m_renderer.textWidth(text) + m_spacing;
        }
    }
    m_picture.rows = {PictureRow{0, 0, 0, image, {}, {}}};
    m_picture.size = image.size();
    m_picture.background = m_style.background;
    update();
}

QSGNode* MonitorCounters::updatePaintNode(QSGNode* old, UpdatePaintNodeData*)
{
    if (m_picture.rows.isEmpty()) {
        delete old;
        return nullptr;
    }
    return updatePictureNode(window(), old, m_picture);
}
