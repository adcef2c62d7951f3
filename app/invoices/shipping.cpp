#include "app/invoices/shipping.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <QCheckBox>

namespace Win {

namespace {

constexpr std::size_t MemoChars = 500;

} // namespace

std::string shippingMemo(const dict::INVOICERecord &invoice, std::string_view datePicture)
{
    std::string shown;
    if (datePicture == "@d2b")
        shown = "@d2";
    else if (datePicture == "@d6b")
        shown = "@d6";
    else if (datePicture == "@d10b")
        shown = "@d10";
    else
        return {};
    return "\rShipping Method: " + invoice.SHIPPINGMETHOD.str() + " Date: "
           + fw::formatValue(invoice.SHIPPINGDATE, shown) + "\rTracking #: " + invoice.SHIPPINGTRACKINGNO.str() + "\r";
}

ShippingMethod::ShippingMethod()
    : fw::FormProcedure({.name = "Win:ShippingMethod", .title = "Shipping Information", .resizable = false})
{}

fw::FormDeclaration ShippingMethod::Declare()
{
    using namespace fw::form;
    const std::string money = fw::moneyPicture();
    return {.items = {field("Shipping Method:", INV.SHIPPINGMETHOD).width(12),
                      field("Date Shipped:", INV.SHIPPINGDATE, fw::datePicture()),
                      field("Shipping Charge:", INV.SHIPPING, money).notNegative(),
                      field("COD Charge:", INV.COD, money).notNegative(),
                      field("Shipping Tracking #:", INV.SHIPPINGTRACKINGNO),
                      field("Total Weight:", INV.WEIGHT, "@n-12.2").readOnly(),
                      check("Tax Shipping Charges?", INV.TAXSHIPPING),
                      flag(AddToMemo, "Add Shipping Information to Invoice Memo?")},
            .okText = "Ok..."};
}

int ShippingMethod::Built()
{
    opened_ = INV;
    openedMemo_ = INV.MEMOS.str();
    if (Request == fw::InsertRecord && GLO.TAXSHIPPING != 0 && GLO.TAXRATE > 0)
        INV.TAXSHIPPING = GLO.TAXSHIPPING;
    followMethod();
    return dict::Benign;
}

int ShippingMethod::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    followMethod();
    return result;
}

// No method, no shipping date; a method without a date is shipped today.
void ShippingMethod::followMethod()
{
    if (INV.SHIPPINGMETHOD.blank())
        INV.SHIPPINGDATE = 0;
    else if (INV.SHIPPINGDATE == 0)
        INV.SHIPPINGDATE = fw::today();
    Display();
}

int ShippingMethod::TakeCompleted()
{
    Update();
    followMethod();
    if (form().flag(AddToMemo)->isChecked()) {
        const std::string line = shippingMemo(INV, fw::datePicture());
        if (!line.empty()) {
            std::string memo = INV.MEMOS.str();
            memo = memo.substr(0, memo.find_last_not_of(' ') + 1) + line;
            INV.MEMOS = memo.substr(0, MemoChars);
        }
    }
    return Procedure::TakeCompleted();
}

// Cancel puts back what the window opened with.
int ShippingMethod::TakeCloseEvent()
{
    if (Response != fw::RequestCompleted) {
        static_cast<dict::INVOICERecord &>(INV) = opened_;
        INV.MEMOS = openedMemo_;
    }
    return Procedure::TakeCloseEvent();
}

} // namespace Win
