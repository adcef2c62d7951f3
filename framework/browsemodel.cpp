#include "framework/browsemodel.h"

#include <QColor>

namespace fw {

namespace {

Qt::Alignment alignmentOf(Justify justify)
{
    switch (justify) {
    case Justify::Right:
    case Justify::Decimal: return Qt::AlignRight | Qt::AlignVCenter;
    case Justify::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Justify::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

BrowseModel::BrowseModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void BrowseModel::setFormat(const ListFormat &format)
{
    beginResetModel();
    format_ = format;
    columns_.clear();
    for (std::size_t i = 0; i < format.columnCount(); ++i) {
        const ListColumn &c = format.column(i);
        Column column;
        column.header = QString::fromStdString(c.header.value_or(std::string()));
        if (c.picture)
            column.picture = Picture::parse(*c.picture);
        column.alignment = alignmentOf(c.justify());
        column.fields = format.fields(i);
        columns_.push_back(std::move(column));
    }
    endResetModel();
}

void BrowseModel::pageChanged()
{
    beginResetModel();
    endResetModel();
}

int BrowseModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !page_ ? 0 : static_cast<int>(page_->rows().size());
}

int BrowseModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

const StepValue *BrowseModel::queueValue(int row, int field) const
{
    if (!page_ || row < 0 || row >= static_cast<int>(page_->rows().size()) || field < 1)
        return nullptr;
    const std::vector<StepValue> &queue = page_->rows()[row].queue;
    return field <= static_cast<int>(queue.size()) ? &queue[field - 1] : nullptr;
}

QString BrowseModel::text(int row, int column) const
{
    if (column < 0 || column >= static_cast<int>(columns_.size()))
        return {};
    const Column &c = columns_[column];
    const StepValue *value = queueValue(row, c.fields.value);
    if (!value)
        return {};
    std::string shown;
    if (value->isText())
        shown = c.picture ? c.picture->format(value->text()) : value->text();
    else
        shown = c.picture ? c.picture->format(value->number()) : plainNumber(value->number());
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())).trimmed();
}

// A colour field holds 0xRRGGBB; a negative value leaves the list's own colour.
QVariant BrowseModel::colour(int row, const Column &column, int offset) const
{
    if (!column.fields.colours)
        return {};
    const StepValue *value = queueValue(row, *column.fields.colours + offset);
    if (!value || value->isText() || value->number() < 0)
        return {};
    return QColor::fromRgb(static_cast<QRgb>(value->number()));
}

QVariant BrowseModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= static_cast<int>(columns_.size()))
        return {};
    const Column &c = columns_[index.column()];
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), index.column());
    case Qt::TextAlignmentRole: return QVariant::fromValue(c.alignment);
    case Qt::ForegroundRole: return colour(index.row(), c, 0);
    case Qt::BackgroundRole: return colour(index.row(), c, 1);
    case Qt::DecorationRole:
        if (c.fields.icon)
            if (const StepValue *v = queueValue(index.row(), *c.fields.icon))
                if (auto it = icons_.find(static_cast<int>(v->number())); it != icons_.end())
                    return it->second;
        return {};
    default: return {};
    }
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size()))
        return {};
    if (role == Qt::DisplayRole)
        return columns_[section].header;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    return {};
}

} // namespace fw
