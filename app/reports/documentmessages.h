// Messages of the document reports: invoices, credit memos and purchase orders.
#pragma once

namespace fw {
class ErrorClass;
}

namespace app {

namespace DocMsg {
inline constexpr int InsertLabels = 3500;    // before the labels printed after documents
inline constexpr int InvoiceNotFound = 3501; // %Message: the number asked for
inline constexpr int CreditMemoNotFound = 3502;
inline constexpr int PurchaseOrderNotFound = 3503;
} // namespace DocMsg

void installDocumentMessages(fw::ErrorClass &errors);

} // namespace app
