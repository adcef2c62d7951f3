// The invoice and package-list forms: page header with the company block, the title or logo,
// the invoice's numbers and the SOLD TO / SHIP TO boxes; one detail per line item; the totals
// block of the invoice; the footer line and "Page n of m". Fields come from the INV, DES and
// CUS buffers and the address globals; the rest from the InvoicePrint the report keeps.
#pragma once

#include "app/reports/invoiceprint.h"
#include "reports/reportlayout.h"

namespace PRN {

struct InvoiceLayouts {
    rpt::Layout form;
    rpt::Band totals; // printed once at the end of each invoice
};

InvoiceLayouts invoiceLayout(const InvoicePrint &print);
rpt::Layout packageListLayout(const InvoicePrint &print);

} // namespace PRN
