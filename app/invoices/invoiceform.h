// Upd::Invoice: the form on which a quote or an invoice is written: its header, its customer, the
// list of its lines (each kept by Upd::InvoiceDescription) and the totals, refigured on every
// change. Save books the invoice (invoicebook.h); Cancel of a new invoice returns its lines'
// stock and releases its number.
//
// What the form would otherwise share with every other open invoice it keeps for itself: the tax
// rate in force when it opened, whether it was opened on a quote, whether payments were taken.
#pragma once

#include "app/invoices/invoicemath.h"
#include "app/common/bookeddocumentform.h"
#include "framework/browseclass.h"

namespace Upd {

class Invoice : public app::BookedDocumentForm
{
public:
    // What the form finds again besides its fields.
    enum Item { PickCustomer = 1, Memo, ReInvoice, Items, AddLine, ChangeLine, DeleteLine, DiscountSum, Shipping, Payment,
                MemoButton };

    // With a number, the form takes up that unfinished invoice as a new one.
    explicit Invoice(dict::LONG unfinished = 0);

    void PrimeFields() override;
    int PrimeUpdate() override;
    using fw::FormProcedure::Run;
    int Run(int number, int request) override;
    int TakeAccepted(QWidget *control) override;

    fw::BrowseClass &items() const { return form().lines(Items); }

protected:
    bool Admit() override;
    fw::FormDeclaration Declare() override;
    int Built() override;
    QString WindowTitle() const override;
    bool readyToSave() override;
    bool book() override;
    bool cancelBooking() override;
    void saved() override;
    void closed() override;

private:
    // A new invoice until it is first saved (a payment saves it).
    bool inserting() const { return OriginalRequest == fw::InsertRecord && !booked_; }

    // The customer.
    void fetchCustomer();
    void pickCustomer();
    void customerNumberTyped();
    void takeCustomer();
    void changeDiscount();

    // The figures.
    void sumLines();
    void refigure();
    void followState();
    void takePayment();
    void showShipping();
    void showMemo();
    void chooseCycle();

    app::invoices::LineSums sums_;
    double openingTaxRate_ = 0; // the setup's rate, before any customer's
    bool openedOnQuote_ = false;
    bool linesHoldStock_ = true;
    bool picking_ = false;
    bool booked_ = false;
    dict::String<10> customerShown_; // the customer the header holds
    double discountShown_ = 0;
};

} // namespace Upd
