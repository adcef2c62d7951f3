#include "framework/browsedeclaration.h"

#include <algorithm>

#include "dictionary/globals.h"
#include "framework/listformat.h"

namespace fw {

namespace {

// What each queue number holds: the entry it belongs to and whether it is a colour slot.
struct Slot {
    std::size_t entry;
    bool colour;
};

std::vector<Slot> placesOf(const std::vector<QueueEntry> &queue)
{
    std::vector<Slot> places;
    for (std::size_t i = 0; i < queue.size(); ++i)
        for (int k = 0; k < queue[i].width(); ++k)
            places.push_back({i, k > 0});
    return places;
}

void checkColumns(const BrowseTab &tab, const ListFormat &format, const std::vector<Slot> &places,
                  const std::vector<QueueEntry> &queue, std::vector<std::string> &faults)
{
    const std::string where = std::string("tab \"") + tab.caption + "\": ";
    for (std::size_t c = 0; c < format.columnCount(); ++c) {
        const ColumnFields &fields = format.fields(c);
        const int n = fields.value;
        if (n < 1 || n > static_cast<int>(places.size()) || places[n - 1].colour) {
            faults.push_back(where + "column " + std::to_string(c + 1) + " shows #" + std::to_string(n) +
                             "#, which is no field of the queue");
            continue;
        }
        const QueueEntry &entry = queue[places[n - 1].entry];
        if (format.column(c).colours() && !entry.coloured)
            faults.push_back(where + "column " + std::to_string(c + 1) + " has colours but #" +
                             std::to_string(n) + "# is declared without them");
    }
}

void replaceAll(std::string &text, std::string_view what, std::string_view with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// "{GST:columns}" keeps its columns only where GST is charged beside a provincial tax.
void keepForRegime(std::string &text, std::string_view opening, bool keep)
{
    for (std::size_t at = text.find(opening); at != std::string::npos; at = text.find(opening, at)) {
        const std::size_t end = text.find('}', at);
        if (end == std::string::npos)
            return;
        const std::string inner = keep ? text.substr(at + opening.size(), end - at - opening.size()) : std::string();
        text.replace(at, end - at + 1, inner);
        at += inner.size();
    }
}

} // namespace

std::string expandFormat(const char *format)
{
    std::string text = format ? format : "";
    replaceAll(text, "{C}", moneyPicture("@n-13.2"));
    replaceAll(text, "{D}", datePicture());
    replaceAll(text, "{TAX}", dict::taxName(GLO.CANADIAN));
    for (int level = 1; level <= 3; ++level)
        replaceAll(text, "{PRICE" + std::to_string(level) + "}", dict::priceName(level));
    keepForRegime(text, "{GST:", GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst);
    return text;
}

std::vector<std::string> checkBrowseSpec(const BrowseSpec &spec)
{
    std::vector<std::string> faults;
    const std::vector<Slot> places = placesOf(spec.queue);
    if (spec.tabs.empty())
        faults.push_back("no tabs");
    for (const QueueEntry &entry : spec.queue)
        if (!entry.field && !entry.value)
            faults.push_back("a queue entry has neither a field nor a value");
    for (const BrowseTab &tab : spec.tabs) {
        const std::string where = std::string("tab \"") + tab.caption + "\": ";
        if (tab.locatorPrompt && !tab.locator)
            faults.push_back(where + "a locator prompt needs the locator's field");
        if (!tab.format) {
            faults.push_back(where + "no list format");
            continue;
        }
        ListFormatError error;
        const std::optional<ListFormat> format = ListFormat::parse(expandFormat(tab.format), &error);
        if (!format) {
            faults.push_back(where + "list format unreadable at " + std::to_string(error.position) + ": " +
                             error.message);
            continue;
        }
        checkColumns(tab, *format, places, spec.queue, faults);
        if (tab.reverse && tab.reverse->file != tab.key.file)
            faults.push_back(where + "its reverse order is of another file");
    }
    std::vector<int> ids;
    for (const BrowseButton &button : spec.extraButtons)
        ids.push_back(button.id);
    for (const BrowsePanel &panel : spec.panels)
        for (const InfoValue &value : panel.values)
            ids.push_back(value.id);
    std::ranges::sort(ids);
    if (std::ranges::adjacent_find(ids) != ids.end())
        faults.push_back("two extras share the number " + std::to_string(*std::ranges::adjacent_find(ids)));
    return faults;
}

} // namespace fw
