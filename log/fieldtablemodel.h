#pragma once

#include "log/fieldstore.h"

#include <QAbstractListModel>

/// The fields table: one row per field of the store, in the order the
/// fields first appeared, with its latest value, smallest and largest
/// number, update rate, number of updates and whether it is plotted. The
/// store changes with every received line; the rows follow only when told
/// (insertFields(), refresh()), so a fast device costs the table a few
/// updates a second.
class FieldTableModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        LatestRole,
        MinimumRole,
        MaximumRole,
        RateRole,
        SamplesRole,
        PlottedRole,
        PlottableRole,
        ColourRole,
    };
    Q_ENUM(Role)

    explicit FieldTableModel(FieldStore* store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// Plots or stops plotting the field of a row (rows without numbers
    /// cannot be plotted); a row out of range is ignored.
    Q_INVOKABLE void setPlotted(int row, bool plotted);
    /// How many colours the plot has; plotted rows take distinct ones while
    /// there are enough.
    void setColourCount(int count) { m_colours = qMax(1, count); }

    /// Shows the store's fields from @p first on as new rows.
    void insertFields(int first);
    /// The values of every row changed; rates are reckoned at @p now.
    void refresh(qint64 now);
    /// The plotted state or colour of rows changed in the store.
    void refreshPlotted();
    /// The store was emptied.
    void reset();

signals:
    void plottedChanged();

private:
    FieldStore* m_store;
    int m_rows = 0;
    int m_colours = 10;
    qint64 m_now = 0;
};
