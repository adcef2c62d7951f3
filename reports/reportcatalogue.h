// The catalogue of the report procedures: every PRN procedure by name with its title, its file and
// order, and how it runs; and the registry of those whose layout is built.
#pragma once

#include "reports/reportentry.h"
#include "reports/reportprocedure.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace rpt {

std::span<const CatalogueEntry> reportCatalogue();
const CatalogueEntry *catalogueEntry(std::string_view name); // names compare without regard to case

using ReportFactory = std::function<std::unique_ptr<ReportProcedure>()>;
// A report whose layout is built; the others are only in the catalogue.
void registerReport(std::string_view name, ReportFactory factory);
// A new run of the named report; null when its layout is not built (or the name is unknown).
std::unique_ptr<ReportProcedure> makeReport(std::string_view name);

} // namespace rpt
