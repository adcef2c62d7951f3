#include "reports/pagechrome.h"

#include <utility>

namespace rpt {

Item titleLine(int width, TextSource after) { return title({0, 0, width, 280}, Title, Align::Center, std::move(after)); }

Item ruleAcross(int y, int width, int thickness) { return line({0, y, width, 0}, thickness); }

Band pageFooter(int width, std::string note)
{
    Band footer{250, {ruleAcross(0, width), pageNofM({0, 40, width, 180}, Small, Align::Right)}};
    if (!note.empty())
        footer.items.push_back(text({0, 40, width / 2, 160}, std::move(note), Small));
    return footer;
}

} // namespace rpt
