// Upd::CreditMemo: the form on which a credit memo is written: its customer, the invoice it
// credits (whose lines it may copy), its lines (each kept by Upd::CreditMemoDescription) and its
// totals, refigured on every change. Save books the memo (creditbook.h); Cancel of a new memo
// takes back the stock its lines returned and releases its number.
#pragma once

#include "app/common/bookeddocumentform.h"
#include "framework/browseclass.h"

namespace Upd {

class CreditMemo : public app::BookedDocumentForm
{
public:
    // What the form finds again besides its fields.
    enum Item { PickCustomer = 1, Memo, Items, AddLine, ChangeLine, DeleteLine, DiscountSum, MemoButton };

    // With a number, the form takes up that unfinished memo as a new one.
    explicit CreditMemo(dict::LONG unfinished = 0);

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
    bool inserting() const { return OriginalRequest == fw::InsertRecord; }

    void fetchCustomer();
    void pickCustomer();
    void customerNumberTyped();
    void takeCustomer();
    void invoiceNumberTyped();
    void copyInvoice();
    void showMemo();
    void refigure();
    void followState();
    bool creditsNoMoreThanInvoiced();

    double openingTaxRate_ = 0; // the setup's rate, before any customer's
    bool invoiceAsked_ = false; // the invoice's data is offered once per new memo
    bool picking_ = false;
    dict::String<10> customerShown_;
};

} // namespace Upd
