#include "log/fieldtablemodel.h"

#include <QLocale>

namespace {

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

FieldTableModel::FieldTableModel(FieldStore* store, QObject* parent)
    : QAbstractListModel(parent)
    , m_store(store)
{}

int FieldTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant FieldTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const int row = index.row();
    const FieldStore::Field& field = m_store->field(row);
    switch (role) {
    case NameRole:
        return field.name;
    case LatestRole:
        return m_store->latestText(row);
    case MinimumRole:
        return field.numeric ? shortest(field.min) : QString();
    case MaximumRole:
        return field.numeric ? shortest(field.max) : QString();
    case RateRole:
        return QString::number(m_store->rate(row, m_now), 'f', 1);
    case SamplesRole:
        return QString::number(field.updates);
    case PlottedRole:
        return field.plotted;
    case PlottableRole:
        return field.numeric;
    case ColourRole:
        return field.colour;
    default:
        return {};
    }
}

QHash<int, QByteArray> FieldTableModel::roleNames() const
{
    return {{NameRole, "name"},       {LatestRole, "latest"},       {MinimumRole, "minimum"},
            {MaximumRole, "maximum"}, {RateRole, "rate"},           {SamplesRole, "samples"},
            {PlottedRole, "plotted"}, {PlottableRole, "plottable"}, {ColourRole, "colour"}};
}

void FieldTableModel::setPlotted(int row, bool plotted)
{
    if (row < 0 || row >= m_rows || !m_store->setPlotted(row, plotted, m_colours)) {
        return;
    }
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {PlottedRole, ColourRole});
    emit plottedChanged();
}

void FieldTableModel::insertFields(int first)
{
    const int count = m_store->count();
    if (first < m_rows) {
        first = m_rows;
    }
    if (first >= count) {
        return;
    }
    beginInsertRows({}, first, count - 1);
    m_rows = count;
    endInsertRows();
}

void FieldTableModel::refresh(qint64 now)
{
    m_now = now;
    if (m_rows > 0) {
        emit dataChanged(
            index(0), index(m_rows - 1),
            {LatestRole, MinimumRole, MaximumRole, RateRole, SamplesRole, PlottableRole});
    }
}

void FieldTableModel::refreshPlotted()
{
    if (m_rows > 0) {
        emit dataChanged(index(0), index(m_rows - 1), {PlottedRole, ColourRole});
    }
    emit plottedChanged();
}

void FieldTableModel::reset()
{
    beginResetModel();
    m_rows = m_store->count();
    endResetModel();
    emit plottedChanged();
}
