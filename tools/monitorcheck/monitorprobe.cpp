#include "monitorprobe.h"

#include <QQuickItem>

#include <algorithm>

MonitorProbe::MonitorProbe(QQuickItem* list)
    : m_list(list)
{}

MonitorProbe::Snapshot MonitorProbe::snapshot() const
{
    Snapshot s;
    s.count = m_list->property("count").toInt();
    s.contentY = m_list->property("contentY").toDouble();
    s.viewHeight = m_list->height();
    const double viewTop = s.contentY;
    const double viewBottom = s.contentY + s.viewHeight;

    // Walk down the viewport through the rows the list has laid out (rows
    // waiting in its pool of reusable delegates do not count).
    auto indexAt = [this](double y) {
        int row = -1;
        QMetaObject::invokeMethod(m_list, "indexAt", Q_RETURN_ARG(int, row), Q_ARG(qreal, 1.0),
                                  Q_ARG(qreal, y));
        return row;
    };
    auto itemAt = [this](int row) {
        QQuickItem* item = nullptr;
        QMetaObject::invokeMethod(m_list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, item),
                                  Q_ARG(int, row));
        return item;
    };
    double y = viewTop;
    while (y < viewBottom) {
        const int index = indexAt(y);
        QQuickItem* item = index >= 0 ? itemAt(index) : nullptr;
        if (!item || item->height() <= 0) {
            y += 1.0;
            continue;
        }
        s.rows.append(Row{index, item->y(), item->y() + item->height()});
        y = qMax(y + 1.0, item->y() + item->height());
    }
    std::sort(s.rows.begin(), s.rows.end(),
              [](const Row& a, const Row& b) { return a.top < b.top; });

    if (s.count == 0) {
        return s;
    }
    // The newest line is row 0 of a list laid out from the bottom up, else
    // the last row.
    const bool bottomUp =
        m_list->property("verticalLayoutDirection").toString() == QLatin1String("BottomToTop");
    const int newest = bottomUp ? 0 : s.count - 1;
    const int oldest = bottomUp ? s.count - 1 : 0;
    for (const Row& row : s.rows) {
        if (row.index == newest) {
            s.newestVisible = true;
            s.newestBottomVisible = row.bottom <= viewBottom + 1.0;
        }
    }

    // Blank space: gaps between the rows in sight, space above the first
    // row when older rows exist, space below the last one when newer rows
    // exist, and a viewport without any row although rows exist.
    if (s.rows.isEmpty()) {
        s.blank = s.viewHeight;
        return s;
    }
    const Row& first = s.rows.constFirst();
    if (first.index != oldest && first.top > viewTop + 1.0) {
        s.blank += first.top - viewTop;
    }
    for (qsizetype i = 1; i < s.rows.size(); ++i) {
        const double gap = s.rows.at(i).top - s.rows.at(i - 1).bottom;
        if (gap > 1.0) {
            s.blank += gap;
        }
    }
    const Row& last = s.rows.constLast();
    if (last.index != newest && last.bottom < viewBottom - 1.0) {
        s.blank += viewBottom - last.bottom;
    }
    return s;
}

QString MonitorProbe::Snapshot::describe() const
{
    QString text = QStringLiteral("count %1, contentY %2, view %3, rows in sight:")
                       .arg(count)
                       .arg(contentY, 0, 'f', 1)
                       .arg(viewHeight, 0, 'f', 1);
    for (const Row& row : rows) {
        text += QStringLiteral(" %1[%2..%3]")
                    .arg(row.index)
                    .arg(row.top, 0, 'f', 1)
                    .arg(row.bottom, 0, 'f', 1);
    }
    return text;
}
