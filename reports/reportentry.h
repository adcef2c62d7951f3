// What the catalogue says of a report: its name, where it is listed, its title, what it reads,
// and how it runs. A report states these once, in its catalogue row.
#pragma once

#include <string_view>

namespace rpt {

// What a report's window asks for besides dates: the one record it prints, or the kind of labels.
enum class Asks : unsigned char { Nothing, Invoice, CreditMemo, PurchaseOrder, Customer, LabelKind };

struct ReportOptions {
    bool dates = false;     // asks for a date range first
    bool document = false;  // prints its form even when no record was read
    bool envelope = false;  // on the envelope size instead of the paper size
    bool turned = false;    // the paper turned, for a report of many columns
    Asks asks = Asks::Nothing;
    bool blankForm = false; // also prints as a blank form, with no record
};

struct CatalogueEntry {
    std::string_view name;   // "PRN:INVOICES"
    std::string_view family; // the group it is listed under
    std::string_view title;  // what it prints at its head, in its window and in its PDF
    std::string_view file;   // primary file and key
    ReportOptions options{};
};

} // namespace rpt
