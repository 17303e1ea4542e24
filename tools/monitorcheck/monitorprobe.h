#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QQuickItem;

/// Reads what the data monitor's list shows at this moment: which rows are
/// laid out where, whether the newest row is in sight and whether the
/// viewport shows blank space where stored lines exist. Shared by the
/// monitor check tool and the window tests, so both judge the view alike.
class MonitorProbe
{
public:
    struct Row
    {
        int index = -1;
        double top = 0;    // in content coordinates
        double bottom = 0; // in content coordinates
    };

    struct Snapshot
    {
        int count = 0;         // rows the list holds
        double contentY = 0;   // top of the viewport in content coordinates
        double viewHeight = 0; // height of the viewport
        QList<Row> rows;       // rows laid out and at least partly in sight, top first
        bool newestVisible = false;
        bool newestBottomVisible = false;
        double blank = 0; // pixels of the viewport without a row where rows exist
        QString describe() const;
    };

    /// @p list is the monitor's ListView ("logView").
    explicit MonitorProbe(QQuickItem* list);

    Snapshot snapshot() const;

private:
    QQuickItem* m_list;
};
