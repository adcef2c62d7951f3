// Where a page queue goes: a PDF file, a printer, or a text dump of every item for the tests.
#pragma once

#include "reports/pagequeue.h"

#include <string>

class QPrinter;

namespace rpt {

// Writes every page to a PDF; an empty string on success, else why not (for the user).
std::string writePdf(const PageQueue &queue, const std::string &fileName, const std::string &title);

// Prints on a printer chosen and set up by the caller (the print dialog), in the copy count it
// holds; the printer's own copies are used when it makes them, else each copy is sent in turn.
// An empty string on success, else why not.
std::string printPages(const PageQueue &queue, QPrinter &printer);

// One line per page start and per item: texts with their page, position, size, alignment and
// font, lines, boxes and pictures with their frames.
std::string dumpPages(const PageQueue &queue);

} // namespace rpt
