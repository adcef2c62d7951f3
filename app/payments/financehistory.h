// Brw::CustomersFinanceHistory: the finance history of one customer — its invoices, payments and
// credit memos, by date or by invoice — with the balance recomputed from what is stored each time
// the list is read again. Add and Change run Upd::CustomerFinanceHistory; Delete reverses a
// payment once the user has confirmed it; "&Invoice" opens the highlighted record's invoice.
// The customer is the one GLO:CUSTOMERNO names when the browse opens (the highlighted row of
// the customer list), else the one in the CUS buffer.
#pragma once

#include "framework/browseprocedure.h"

class QLabel;

namespace Brw {

class CustomersFinanceHistory : public fw::BrowseProcedure
{
public:
    struct Widgets : fw::BrowseWidgets {
        QLabel *balance;
        QPushButton *invoice, *credit;
    };
    static const fw::BrowseSpec &Spec();

    CustomersFinanceHistory();
    using fw::BrowseProcedure::Run;
    int Run(int number, int request) override;
    int TakeAccepted(QWidget *control) override;

    const Widgets &widgets() const { return w_; }

protected:
    int Build() override;
    QWidget *InfoPanel(QWidget *parent) override;
    void AddButtons(QHBoxLayout *row) override;
    void Prepare() override;
    void Highlighted(bool any) override;
    bool AllowRequest(int request) override;
    void Closing() override;

private:
    void removePayment();
    void openInvoice();
    // Shows the balance recomputed from the stored records (and stores it).
    void showBalance();
    // The same, and the list read again.
    void refresh();

    Widgets w_{};
};

} // namespace Brw
