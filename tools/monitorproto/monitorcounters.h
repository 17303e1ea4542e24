#pragma once

#include "monitorpicture.h"
#include "rowrenderer.h"

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class LogListModel;

/// The monitor header's figures, "N lines", "Rx n" and "Tx n", side by
/// side, read from the log model whenever the monitor's rows are refreshed
/// and drawn by one item: text items there would be laid out and their
/// nodes made again at every refresh, which costs a sensor's trickle about
/// as much as drawing its new rows. The item's implicit size fits the
/// figures; they start at its left edge.
class MonitorCounters : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(LogListModel* model READ model WRITE setModel NOTIFY modelChanged)
    Q_MOC_INCLUDE("log/loglistmodel.h")
    // The texts with "%1" where the figure goes, as translated.
    Q_PROPERTY(QString linesFormat READ linesFormat WRITE setLinesFormat NOTIFY styleChanged)
    Q_PROPERTY(QString rxFormat READ rxFormat WRITE setRxFormat NOTIFY styleChanged)
    Q_PROPERTY(QString txFormat READ txFormat WRITE setTxFormat NOTIFY styleChanged)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY styleChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY styleChanged)
    Q_PROPERTY(
        QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY styleChanged)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing NOTIFY styleChanged)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)

public:
    explicit MonitorCounters(QQuickItem* parent = nullptr);

    LogListModel* model() const { return m_model; }
    void setModel(LogListModel* model);
    QString linesFormat() const { return m_formats[0]; }
    void setLinesFormat(const QString& format);
    QString rxFormat() const { return m_formats[1]; }
    void setRxFormat(const QString& format);
    QString txFormat() const { return m_formats[2]; }
    void setTxFormat(const QString& format);
    QFont font() const { return m_style.font; }
    void setFont(const QFont& font);
    QColor color() const { return m_style.text; }
    void setColor(const QColor& color);
    QColor backgroundColor() const { return m_style.background; }
    void setBackgroundColor(const QColor& color);
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    /// The figures as shown, separated by tabs (for tests).
    QString text() const { return m_texts.join(QLatin1Char('\t')); }

    /// A byte count as the header shows it: "512 B", "1.5 KB", "2.0 MB", "1.1 GB".
    static QString formatBytes(double bytes);

signals:
    void modelChanged();
    void styleChanged();
    void textChanged();

protected:
    QSGNode* updatePaintNode(QSGNode* old, UpdatePaintNodeData* data) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    void refresh();
    void restyle();
    /// Draws the figures where the item is now.
    void draw();

    LogListModel* m_model = nullptr;
    QString m_formats[3];
    RowStyle m_style;
    int m_spacing = 14;
    RowRenderer m_renderer;
    QStringList m_texts;
    MonitorPicture m_picture;
};
