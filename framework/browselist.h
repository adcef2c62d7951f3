// The widget of a browse list: the table of one page of rows and, beside it, the thumb: a scroll
// bar that reads 0-100 % of the way through the current order rather than rows of a loaded list.
#pragma once

#include <QWidget>

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

signals:
    void resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableView *view_;
    QScrollBar *thumb_;
};

} // namespace fw
