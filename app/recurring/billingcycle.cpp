#include "app/recurring/billingcycle.h"

#include "app/common/entryclaims.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace app::recurring {

namespace {

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

} // namespace

int cycleMonths(char cycle)
{
    switch (cycle) {
    case 'M': return 1;
    case 'Q': return 3;
    case 'S': return 6;
    case 'A': return 12;
    default: return 0;
    }
}

std::optional<fw::DayNumber> addMonths(fw::DayNumber date, int months)
{
    const std::optional<fw::CivilDate> from = fw::civilDate(date);
    if (!from)
        return std::nullopt;
    const int monthIndex = from->year * 12 + (from->month - 1) + months;
    const int year = monthIndex / 12;
    const int month = monthIndex % 12 + 1;
    return fw::dayNumber(year, month, std::min(from->day, daysInMonth(year, month)));
}

std::optional<fw::DayNumber> nextBillDate(const dict::INVOICERecord &invoice)
{
    const std::string_view code = invoice.REBILLCYCLE.view();
    const int months = code.empty() ? 0 : cycleMonths(static_cast<char>(std::toupper(code[0])));
    if (months == 0)
        return std::nullopt;
    return addMonths(invoice.DATE, months);
}

bool dueOn(const dict::INVOICERecord &invoice, fw::DayNumber today)
{
    if (invoice.REBILL != 1 || invoice.QUOTES != 0 || beingEntered(invoice))
        return false;
    const std::optional<fw::DayNumber> due = nextBillDate(invoice);
    return due && today >= *due;
}

} // namespace app::recurring
