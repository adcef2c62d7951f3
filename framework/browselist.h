// The widget of a browse list: the table of one page of rows and, beside it, the thumb: a scroll
// bar that reads 0-100 % of the way through the current order rather than rows of a loaded list.
#pragma once

#include "framework/listformat.h"

#include <QWidget>

#include <optional>
#include <vector>

class QScrollBar;
class QTableView;

namespace fw {

class BrowseList : public QWidget
{
    Q_OBJECT
public:
    explicit BrowseList(QWidget *parent = nullptr);
    QTableView *view() const { return view_; }
    QScrollBar *thumb() const { return thumb_; }
    // Rows that fit on screen: the browse's page size.
    int visibleRows() const;
    // Tall enough for OpenRows rows, so a list never opens as a letterbox.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    static constexpr int OpenRows = 15;

    // Column widths in dialog units of the list's font (none: the view's default width). A
    // column is never narrower than its header text; the last one takes the spare room.
    // Each column as wide as declared, and never narrower than its widest value (widest[column]).
    void setColumnWidths(const std::vector<std::optional<int>> &dialogUnits, const std::vector<std::string> &widest = {});
    // A column's width (by its number in the model) in dialog units, as setColumnWidths takes it.
    int columnWidth(int column) const;

Q_SIGNALS:
    void resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DialogUnits units() const;
    int cellMargin() const;

    QTableView *view_;
    QScrollBar *thumb_;
};

} // namespace fw
