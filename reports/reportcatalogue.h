// The catalogue of the report procedures: every PRN procedure by name with what it prints, its
// file and order, and whether it asks for dates; and the registry of those whose layout is built.
#pragma once

#include "reports/reportprocedure.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace rpt {

struct CatalogueEntry {
    std::string_view name;   // "PRN:INVOICES"
    std::string_view family; // the group it is listed under
    std::string_view prints; // its title, or what it prints
    std::string_view file;   // primary file and key
    bool dates = false;
    bool document = false;
};

std::span<const CatalogueEntry> reportCatalogue();
const CatalogueEntry *catalogueEntry(std::string_view name); // names compare without regard to case

using ReportFactory = std::function<std::unique_ptr<ReportProcedure>()>;
// A report whose layout is built; the others are only in the catalogue.
void registerReport(std::string_view name, ReportFactory factory);
// A new run of the named report; null when its layout is not built (or the name is unknown).
std::unique_ptr<ReportProcedure> makeReport(std::string_view name);

} // namespace rpt
