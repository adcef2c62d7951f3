// Upd::PurchaseOrder: the form on which a purchase order is written: its vendor, its lines (each
// kept by Upd::PurchaseOrderDescription, putting its quantity on back order), what the order pays
// (Win::PaymentPurchaseOrder) and its memo. Save books the order (purchasebook.h); Cancel of a
// new order takes its lines' back orders back and releases its number.
#pragma once

#include "app/common/bookeddocumentform.h"
#include "framework/browseclass.h"

namespace Upd {

class PurchaseOrder : public app::BookedDocumentForm
{
public:
    // What the form finds again besides its fields.
    enum Item { PickVendor = 1, Memo, Items, AddLine, ChangeLine, DeleteLine, PaymentButton, MemoButton };

    // With a number, the form takes up that unfinished order as a new one.
    explicit PurchaseOrder(dict::LONG unfinished = 0);

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

    void fetchVendor();
    void pickVendor();
    void accountTyped();
    void takeVendor();
    void showPayment();
    void showMemo();
    void refigure();
    void followState();

    double ownPaid_ = 0;    // what this form pays on the order (its own VENFIN record)
    double othersPaid_ = 0; // what separate payments paid on it
    dict::String<20> accountShown_;
};

} // namespace Upd
