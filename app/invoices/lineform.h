// Upd::InvoiceDescription: one line of a quote or invoice: a stock item at one of its three
// prices (or a price typed by hand), or hours of labour at the invoice's rate. The line is
// refigured on every change; OK books it with its stock movement (invoicebook.h) and Delete
// gives the stock back. It runs inside the invoice form, on that form's INV and CUS buffers.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

#include <string>

namespace Upd {

class InvoiceDescription : public fw::FormProcedure
{
public:
    enum Item { PickItem = 1 };

    // linesHoldStock: whether the invoice's lines hold their stock (not while it is a quote).
    explicit InvoiceDescription(bool linesHoldStock);

    void PrimeFields() override;
    int PrimeUpdate() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;
    void Update() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    void pickItem();
    void stockNumberTyped();
    void takeItem(bool keepClearedTax);
    void showPriceChoice(bool shown);
    void followKind();
    void refigure();
    bool itemStillThere();

    bool linesHoldStock_;
    dict::DESCRIPTIONRecord before_{}; // the line as it was when the form opened
    double priceSet_ = 0;              // the price the form last set (another was typed)
    std::string laborText_;
};

} // namespace Upd
