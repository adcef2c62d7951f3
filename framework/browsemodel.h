// The item model of a browse list: the rows of its page, shown through the columns of its list
// format (header, picture, justification, the queue field shown, colour and icon fields).
#pragma once

#include "framework/browsepage.h"
#include "framework/listformat.h"
#include "framework/picture.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <map>
#include <optional>
#include <vector>

namespace fw {

class BrowseModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit BrowseModel(QObject *parent = nullptr);

    void setFormat(const ListFormat &format);
    const ListFormat &format() const { return format_; }
    // The page to show; call pageChanged after every change of its rows.
    void setPage(const BrowsePage *page) { page_ = page; }
    void pageChanged();
    // Icon number (the value of an icon queue field) to icon.
    void setIcon(int number, const QIcon &icon) { icons_[number] = icon; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text a cell shows, as the column's picture formats its value.
    QString text(int row, int column) const;

private:
    struct Column {
        QString header;
        std::optional<Picture> picture;
        Qt::Alignment alignment;
        ColumnFields fields;
    };
    const StepValue *queueValue(int row, int field) const;
    QVariant colour(int row, const Column &column, int offset) const;

    ListFormat format_;
    std::vector<Column> columns_;
    const BrowsePage *page_ = nullptr;
    std::map<int, QIcon> icons_;
};

} // namespace fw
