// Draws one page of a page queue with a painter whose origin is the paper's top-left corner; the
// preview, the printer and the PDF writer all draw through it.
#pragma once

#include "reports/pagequeue.h"

class QPainter;

namespace rpt {

// dotsPerInch: of the painter's device, so report units (1/1000 inch) land at their true size.
void paintPage(const PageQueue &queue, int page, QPainter &painter, double dotsPerInch);

} // namespace rpt
