// List formats: a browse's column layout as its settings section keeps it. A format that parses
// must write back to text that parses to the same format, and the column operations the list
// offers (moving and sizing columns) must keep it valid.
#include "framework/listformat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    fw::ListFormatError error;
    auto format = fw::ListFormat::parse(text, &error);
    if (!format) {
        if (error.position > text.size())
            __builtin_trap();
        return 0;
    }
    auto again = fw::ListFormat::parse(format->toString());
    if (!again || !(*again == *format) || again->toString() != format->toString())
        __builtin_trap();

    const std::size_t columns = format->columnCount();
    for (std::size_t i = 0; i < columns; ++i) {
        const fw::ColumnFields &fields = format->fields(i);
        if (fields.value < 1 || format->columnOfField(fields.value) > i)
            __builtin_trap();
        (void)format->column(i).scrollWidth();
    }
    (void)format->queueFieldCount();

    // The first bytes choose a move and a new width.
    if (size >= 3 && columns > 0) {
        const int before = format->queueField(data[0] % columns);
        const std::size_t to = data[1] % columns;
        format->moveColumn(data[0] % columns, to);
        if (format->queueField(to) != before) // a moved column keeps the field it shows
            __builtin_trap();
        format->setWidth(data[2] % columns, data[2] * 131);
        auto moved = fw::ListFormat::parse(format->toString());
        if (!moved || !(*moved == *format))
            __builtin_trap();
    }
    return 0;
}
