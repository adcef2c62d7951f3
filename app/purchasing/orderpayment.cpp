#include "app/purchasing/orderpayment.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <QCheckBox>

namespace Win {

namespace {

constexpr std::size_t MemoChars = 500;

std::string chequeWord() { return dict::chequeWord(GLO.CANADIAN); }

std::string clipped(std::string text) { return text.erase(text.find_last_not_of(' ') + 1); }

} // namespace

std::string orderPaymentMemo(const dict::PURORDERRecord &order, int taxRegime)
{
    std::string word = dict::chequeWord(taxRegime);
    word.resize(std::max<std::size_t>(word.size(), 6), ' ');
    return "\rPayment Type: " + clipped(order.TERMS.str()) + " " + word + "#: " + std::to_string(order.CHECKNO)
           + " Bank: " + clipped(order.BANK.str()) + "\r";
}

PaymentPurchaseOrder::PaymentPurchaseOrder()
    : fw::FormProcedure({.name = "Win:PaymentPurchaseOrder", .title = "Select Payment Type", .resizable = false})
{}

fw::FormDeclaration PaymentPurchaseOrder::Declare()
{
    using namespace fw::form;
    return {.items = {field(QString::fromStdString(chequeWord()) + " #:", PUR.CHECKNO, "@n010b").notNegative(),
                      field("Amount Paid:", PUR.AMOUNTPAID, fw::moneyPicture()).notNegative(),
                      field("Bank:", PUR.BANK).width(24),
                      field("Net Terms:", PUR.PAYMENTTERMS),
                      flag(AddToMemo, "Add Payment Information to Purchase Order Memo?")},
            .okText = "&Save",
            .okTip = "Save Payment Info and return to Invoice..."};
}

int PaymentPurchaseOrder::Built()
{
    opened_ = PUR;
    openedMemo_ = PUR.MEMOS.str();
    return dict::Benign;
}

// A cheque number makes it a cheque payment; none, cash.
int PaymentPurchaseOrder::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (control == form().entry(PUR.CHECKNO)) {
        PUR.TERMS = PUR.CHECKNO != 0 ? chequeWord() : "Cash";
        Display();
    }
    return result;
}

int PaymentPurchaseOrder::TakeCompleted()
{
    Update();
    if (PUR.TERMS.blank())
        PUR.TERMS = PUR.CHECKNO != 0 ? chequeWord() : "Cash";
    if (form().flag(AddToMemo)->isChecked()) {
        const std::string memo = clipped(PUR.MEMOS.str()) + orderPaymentMemo(PUR, GLO.CANADIAN);
        PUR.MEMOS = memo.substr(0, MemoChars);
    }
    return Procedure::TakeCompleted();
}

// Cancel puts back what the window opened with.
int PaymentPurchaseOrder::TakeCloseEvent()
{
    if (Response != fw::RequestCompleted) {
        static_cast<dict::PURORDERRecord &>(PUR) = opened_;
        PUR.MEMOS = openedMemo_;
    }
    return Procedure::TakeCloseEvent();
}

} // namespace Win
