// Upd::CreditMemo: the form on which a credit memo is written: its customer, the invoice it
// credits (whose lines it may copy), its lines (each kept by Upd::CreditMemoDescription) and its
// totals, refigured on every change. Save books the memo (creditbook.h); Cancel of a new memo
// takes back the stock its lines returned and releases its number.
#pragma once

#include "framework/browseclass.h"
#include "framework/formprocedure.h"

namespace Upd {

class CreditMemo : public fw::FormProcedure
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
    int TakeCompleted() override;
    int TakeCloseEvent() override;

    fw::BrowseClass &items() const { return form().lines(Items); }

protected:
    bool Admit() override;
    fw::FormDeclaration Declare() override;
    int Built() override;
    void Closing() override;
    QString WindowTitle() const override;

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
    int resumeUnfinished();

    double openingTaxRate_ = 0; // the setup's rate, before any customer's
    bool invoiceAsked_ = false; // the invoice's data is offered once per new memo
    bool picking_ = false;
    dict::String<10> customerShown_;
    dict::LONG unfinished_ = 0; // the unfinished memo taken up
    dict::LONG claimed_ = 0;    // the memo claimed while it is entered
};

} // namespace Upd
