// Brw::Invoices: the invoices and quotes. Seven sort orders (invoice number both ways, behind one
// tab at a time; customer; date; PO number; quotes; re-invoices), columns by the tax system in
// force, red lines for what is still owed, the invoice's customer and the running totals below;
// Upd::Invoice adds, changes and deletes (Change and Delete behind the password gate); the
// memo shows read-only. Opens only once; the frame hears when it opens and closes.
#pragma once

#include "framework/browseprocedure.h"

class QLabel;

namespace Brw {

class Invoices : public fw::BrowseProcedure
{
public:
    struct Widgets : fw::BrowseWidgets {
        QLabel *customerName, *customerDiscount, *salesman;
        QLabel *totalPrice, *totalSubTotal, *totalShipping, *totalLabor, *total, *totalTax, *totalGst;
        QLabel *totalTaxLabel, *totalGstLabel;
        QPushButton *history, *memo, *reverse;
    };
    static const fw::BrowseSpec &Spec();

    Invoices();
    int TakeAccepted(QWidget *control) override;
    const Widgets &widgets() const { return w_; }

protected:
    QWidget *InfoPanel(QWidget *parent) override;
    void AddButtons(QHBoxLayout *row) override;
    void Prepare() override;
    void Highlighted(bool any) override;

private:
    void reverseOrder();
    void followTab(int tab);
    void showTotals();
    void showMemo();
    void showHistory();

    Widgets w_{};
};

} // namespace Brw
