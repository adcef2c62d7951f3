// Lays a layout's bands onto pages of a page queue: the page header at the top of each page, the
// page footer at its foot, group headers and footers where the group key changes, and a new page
// whenever the next band would run into the footer. Everything lands inside the layout's frame on
// the paper (scaled down when the layout is wider), and a value too wide for its box is made
// smaller, down to a limit, then cut at a character, as a label printer does.
#pragma once

#include "reports/pagepainter.h"
#include "reports/pagequeue.h"
#include "reports/reportlayout.h"

#include <QImage>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rpt {

class ReportEngine
{
public:
    // title: what the layout's title items print.
    ReportEngine(const Layout &layout, PageQueue &queue, std::string title = {});

    // Closes the group and opens the next when the record in the buffers has another group key;
    // true when it did. A family with group totals calls it before it adds the record to them,
    // so the footer shows the group it closes.
    bool breakGroup();
    // The detail band for the record in the buffers, after any group break it brings.
    void printDetail();
    // Any other band at the current position (a closing line, a totals block).
    void printBand(const Band &band);
    // Closes the group being printed with its footer; the next detail opens a new one.
    void closeGroup();
    // Starts a document of its own on a new page: the pages before it are numbered among
    // themselves ("page n of m" of their document), and numbering starts afresh.
    void startDocument();
    // Closes the last group and page and fills the page counts. Nothing printed: no page.
    void finish();

    bool started() const { return pageOpen_ || queue_.count() > 0; }
    // Picture files that could not be read, each named once, for the report to tell the user.
    const std::vector<std::string> &missingPictures() const { return missing_; }

    // Where the layout's frame lies on the paper, and the scale from layout to paper.
    struct Frame {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        double scale = 1;
    };
    const Frame &frame() const { return frame_; }
    // The smallest a value is made before it is cut, as a share of its type's size.
    static constexpr double SmallestFit = 0.7;

private:
    // A band as it prints this time: its height with the lines of its wrapped texts.
    struct Laid {
        int height = 0;
        std::vector<std::vector<std::string>> lines; // per item; empty for an item that does not wrap
    };
    Laid lay(const Band &band) const;
    void startPage();
    void endPage();
    int footerTop() const;
    void place(const Band &band, int top);
    void place(const Band &band, const Laid &laid, int top, int left = 0);
    void placeItem(const Item &item, int top, int left = 0);
    void placeLines(const Item &item, const std::vector<std::string> &lines, int top, int left);
    void placeText(const Item &item, Box at, std::string text, bool fits);
    Box onPaper(Box at) const;
    Font onPaper(const Font &font) const;
    int pageBottom() const;
    void printAcross(const Band &band);
    void endRow();
    const QImage *pictureOf(const std::string &fileName);

    const Layout &layout_;
    PageQueue &queue_;
    std::string title_;
    Frame frame_;
    TextMeasure measure_;
    bool pageOpen_ = false;
    int y_ = 0;
    int documentStart_ = 0; // the first page of the document being printed
    int column_ = 0;        // labels: the next detail's column in the row begun
    int rowHeight_ = 0;     // labels: the tallest detail of the row begun
    std::optional<std::string> group_;
    std::map<std::string, QImage> pictures_;
    std::vector<std::string> missing_;
};

} // namespace rpt
