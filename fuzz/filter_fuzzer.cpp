// View filters: an expression parsed against the names a browse binds (an invoice, a stock line,
// a tag and the global values), then evaluated over records whose bytes come from the input too.
// Input: the expression, then optionally a NUL byte and the bytes of the records.
#include "dictionary/records.h"
#include "dictionary/schema.h"
#include "framework/filterexpr.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

struct Records {
    dict::INVOICERecord inv;
    dict::STOCKRecord sto;
    dict::CUSTOMERRecord cus;
    double startDate = 0;
    std::string customerNo;
    fw::FilterBindings bindings;

    Records()
    {
        bindings.bindRecord("INV", dict::fileDef(dict::FileId::INVOICE), &inv);
        bindings.bindRecord("STO", dict::fileDef(dict::FileId::STOCK), &sto);
        bindings.bindRecord("CUS", dict::fileDef(dict::FileId::CUSTOMER), &cus);
        bindings.bind("Glo:StartDate", [this] { return fw::FilterValue(startDate); });
        bindings.bind("Glo:CustomerNo", [this] { return fw::FilterValue(customerNo); });
        bindings.bind("ReBill", [] { return fw::FilterValue(1); });
    }

    // Clears every record, then copies the bytes over them in turn.
    void fill(const std::uint8_t *data, std::size_t size)
    {
        dict::clearRecord(dict::fileDef(dict::FileId::INVOICE), &inv);
        dict::clearRecord(dict::fileDef(dict::FileId::STOCK), &sto);
        dict::clearRecord(dict::fileDef(dict::FileId::CUSTOMER), &cus);
        for (auto [buffer, length] : {std::pair<void *, std::size_t>{&inv, sizeof inv}, {&sto, sizeof sto},
                                      {&cus, sizeof cus}}) {
            const std::size_t n = std::min(length, size);
            if (n == 0)
                break;
            std::memcpy(buffer, data, n);
            data += n;
            size -= n;
        }
        if (size >= sizeof startDate)
            std::memcpy(&startDate, data, sizeof startDate);
        customerNo.assign(reinterpret_cast<const char *>(data), size);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Records records;
    const auto *text = reinterpret_cast<const char *>(data);
    const std::string_view input(text, size);
    const std::size_t nul = input.find('\0');
    const std::string_view expression = input.substr(0, nul);
    if (nul != std::string_view::npos)
        records.fill(data + nul + 1, size - nul - 1);
    else
        records.fill(nullptr, 0);

    fw::FilterParseResult parsed = fw::FilterExpression::parse(expression, records.bindings);
    if (!parsed.ok()) {
        // An error names a place inside the expression (or just after its end).
        if (parsed.error.position < 1 || parsed.error.position > expression.size() + 1)
            __builtin_trap();
        (void)parsed.error.message();
        return 0;
    }
    (void)parsed.expression->evaluate();
    const fw::FilterValue value = parsed.expression->value();
    (void)value.text();
    (void)value.number();
    return 0;
}
