#include "app/invoices/shipping.h"

#include "app/common/formlayout.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    : fw::Procedure({.name = "Win:ShippingMethod", .title = "Shipping Information", .resizable = false})
{}

int ShippingMethod::Build()
{
    opened_ = INV;
    openedMemo_ = INV.MEMOS.str();
    QWidget *window = this->window();
    auto *layout = new QVBoxLayout(window);
    auto *grid = new QGridLayout;
    app::row(grid, 0, 0, "Shipping Method:", w_.method = app::entry(window, 10, 12));
    app::row(grid, 1, 0, "Date Shipped:", w_.date = app::entry(window, 10, 10));
    app::row(grid, 2, 0, "Shipping Charge:", w_.charge = app::numberEntry(window, 12));
    app::row(grid, 3, 0, "COD Charge:", w_.cod = app::numberEntry(window, 12));
    app::row(grid, 4, 0, "Shipping Tracking #:", w_.tracking = app::entry(window, 20, 20));
    app::row(grid, 5, 0, "Total Weight:", w_.weight = app::numberEntry(window, 12));
    w_.weight->setReadOnly(true);
    w_.weight->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(w_.taxShipping = new QCheckBox("Tax Shipping Charges?", window), 6, 1);
    grid->addWidget(w_.addToMemo = new QCheckBox("Add Shipping Information to Invoice Memo?", window), 7, 1);
    layout->addLayout(grid);
    layout->addLayout(app::formButtons(window, w_.ok, w_.cancel, w_.help));
    w_.ok->setText("Ok...");
    const std::string money = fw::moneyPicture();
    bind(w_.method, INV.SHIPPINGMETHOD);
    bind(w_.date, INV.SHIPPINGDATE, fw::datePicture());
    bind(w_.charge, INV.SHIPPING, money).nonNegative();
    bind(w_.cod, INV.COD, money).nonNegative();
    bind(w_.tracking, INV.SHIPPINGTRACKINGNO);
    bind(w_.weight, INV.WEIGHT, "@n-12.2");
    bind(w_.taxShipping, INV.TAXSHIPPING);
    UseFormButtons(w_.ok, w_.cancel, w_.help);
    if (Request == fw::InsertRecord && GLO.TAXSHIPPING != 0 && GLO.TAXRATE > 0)
        INV.TAXSHIPPING = GLO.TAXSHIPPING;
    followMethod();
    FirstField = w_.method;
    return dict::Benign;
}

int ShippingMethod::TakeAccepted(QWidget *control)
{
    const int result = Procedure::TakeAccepted(control);
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
    if (w_.addToMemo->isChecked()) {
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
