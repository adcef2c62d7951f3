// The paper settings (GLO.PAPERSIZE, GLO.ENVELOPESIZE: "PAPER:LETTER", "PAPER:ENV_10") as page sizes.
#pragma once

#include <QPageSize>

#include <string_view>

namespace rpt {

// Letter for a setting that names no paper we know, the first-run default.
QPageSize pageSizeOf(std::string_view setting);

// Report units (thousandths of an inch) in one of a page size's units.
double reportUnitsPer(QPageSize::Unit unit);

} // namespace rpt
