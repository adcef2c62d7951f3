#include "app/reports/invoiceprint.h"

#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <algorithm>

namespace PRN {

namespace {

std::string orDefault(const std::string &picture, const char *fallback)
{
    return picture.empty() ? std::string(fallback) : picture;
}

// A rate stored as a fraction, as a percentage through the run's percent picture; a rate with
// more decimals than the picture keeps up to four of them rather than print a rounded rate.
std::string percentText(double fraction, const std::string &picture)
{
    // The picture's own width and places make way for twelve characters and four places.
    const std::size_t width = std::min(picture.find_first_not_of("0123456789", 2), picture.size());
    std::string wide = "@n12" + picture.substr(width);
    if (wide.back() == '2')
        wide.back() = '4';
    std::string text = shown(fraction * 100, wide);
    const std::size_t point = text.find_first_of(".,");
    if (point != std::string::npos)
        while (text.size() > point + 3 && text.back() == '0')
            text.pop_back();
    return text;
}

// The caption of the tax row by regime: its name and rate, or nothing while no rate applies.
template <typename Document>
std::string taxCaption(const Document &invoice, const InvoiceRun &run)
{
    static const char *const names[4] = {"PST: ", "VAT: ", "Tax: ", "GST: "};
    const bool gstRegime = run.regime == dict::TaxRegime::ProvincialAndGst;
    if (invoice.TAXRATE == 0 && !(gstRegime && invoice.GSTTAXRATE != 0))
        return {};
    return dict::byTaxRegime(names, run.regime) + percentText(invoice.TAXRATE, run.percent) + "%";
}

} // namespace

InvoiceRun InvoiceRun::fromGlobals()
{
    InvoiceRun run;
    run.invoiceNo = GLO.INVOICENO;
    run.stationery = GLO.PRINTCHOICE == 1;
    run.shipTo = GLO.PRINTSHIPPING != 0;
    run.pickList = GLO.PICKLIST == 1;
    run.startup = GLO.STARTUP;
    run.blank = GLO.STARTUP == dict::StartUp::BlankForm;
    run.regime = GLO.CANADIAN;
    run.datePicture = orDefault(GLO.DATENAME.str(), "@d2");
    run.money = orDefault(GLO.CURRENCYNAME.str(), "@n-13.2");
    run.totals = orDefault(GLO.CURRENCYNAME1.str(), "@n-15.2");
    run.quantity = orDefault(GLO.CURRENCYNAME2.str(), "@s12");
    run.percent = orDefault(GLO.CURRENCYNAME6.str(), "@n6.2");
    run.labelLine = GLO.LABELLINE.str();
    return run;
}

std::string printedDescription(const dict::DESCRIPTIONRecord &line)
{
    std::string text = line.DESCRIPTION.str();
    if (line.DELIVERYDATE != 0)
        text += " - Expected Delivery Date: " + fw::formatValue(line.DELIVERYDATE, "@d2");
    return text;
}

double printedPrice(const dict::DESCRIPTIONRecord &line)
{
    if (line.LINEITEMDISCOUNT == 0)
        return line.PRICE;
    return line.PRICE - line.PRICE * (line.LINEITEMDISCOUNT / 100);
}

std::string shown(double value, const std::string &picture)
{
    std::string text = fw::formatValue(value, picture);
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    text.erase(0, first);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::vector<TotalsRow> totalsRows(const dict::INVOICERecord &inv, double subTotal, const InvoiceRun &run)
{
    const std::string money = run.money + "b";
    const std::string totals = run.totals + "b";
    std::vector<TotalsRow> rows;
    rows.push_back({"SubTotal:", shown(subTotal, totals)});
    if (inv.CUSTOMERDISCOUNT != 0) {
        const double discount = dict::percentCents(inv.RETAIL, inv.CUSTOMERDISCOUNT);
        rows.push_back({"Disc: " + shown(inv.CUSTOMERDISCOUNT, run.percent) + "%", shown(discount, money)});
        rows.push_back({"Disc Total:", shown(inv.TOTALDISCOUNT, totals)});
    }
    const std::string tax = taxCaption(inv, run);
    const std::string taxValue = shown(inv.TAX, money);
    if (!tax.empty() || !taxValue.empty())
        rows.push_back({tax, taxValue});
    if (run.regime == dict::TaxRegime::ProvincialAndGst && (inv.TAXRATE != 0 || inv.GSTTAXRATE != 0))
        rows.push_back({"GST: " + percentText(inv.GSTTAXRATE, run.percent) + "%", shown(inv.GST, "@n-13.2b")});
    if (inv.LABOR != 0)
        rows.push_back({"Labor:", shown(inv.LABOR, money)});
    if (inv.SHIPPING != 0)
        rows.push_back({"Shipping:", shown(inv.SHIPPING, money)});
    if (inv.COD != 0)
        rows.push_back({"COD:", shown(inv.COD, money)});
    rows.push_back({"Inv Total:", shown(inv.TOTALDUE, totals)});
    rows.push_back({"Paid:", shown(inv.AMOUNTPAID, money)});
    rows.push_back({"Total Due:", shown(inv.AMOUNTOWED, run.totals), true});
    return rows;
}

std::vector<TotalsRow> creditTotalsRows(const dict::CREDITRecord &memo, double subTotal, const InvoiceRun &run)
{
    const std::string money = run.money + "b";
    const std::string totals = run.totals + "b";
    std::vector<TotalsRow> rows;
    rows.push_back({"SubTotal:", shown(subTotal, totals)});
    if (memo.CUSTOMERDISCOUNT != 0) {
        const double discount = dict::percentCents(memo.RETAIL, memo.CUSTOMERDISCOUNT);
        rows.push_back({"Disc: " + shown(memo.CUSTOMERDISCOUNT, run.percent) + "%", shown(discount, money)});
        rows.push_back({"Disc Total:", shown(memo.TOTALDISCOUNT, totals)});
    }
    const std::string tax = taxCaption(memo, run);
    const std::string taxValue = shown(memo.TAX, money);
    if (!tax.empty() || !taxValue.empty())
        rows.push_back({tax, taxValue});
    if (run.regime == dict::TaxRegime::ProvincialAndGst && (memo.TAXRATE != 0 || memo.GSTTAXRATE != 0))
        rows.push_back({"GST: " + percentText(memo.GSTTAXRATE, run.percent) + "%", shown(memo.GST, "@n-13.2b")});
    if (memo.LABOR != 0)
        rows.push_back({"Labor:", shown(memo.LABOR, money)});
    if (memo.SHIPPING != 0)
        rows.push_back({"Shipping:", shown(memo.SHIPPING, money)});
    rows.push_back({"Credit Total:", shown(memo.TOTALDUE, totals)});
    rows.push_back({"Total Credit:", shown(memo.TOTALDUE, run.totals), true});
    return rows;
}

} // namespace PRN
