// A browse declared as data: its tabs (one row each: caption, tip, key, locator, filter and the
// list format it shows) and its queue, the fields the formats' "#n#" numbers name, given by their
// typed members. checkBrowseSpec says what is wrong with a declaration; a browse checks its own
// when it opens and a test checks every browse of the program, so a format whose numbers do not
// match the queue never reaches a user silently.
#pragma once

#include "dictionary/fieldpairs.h"
#include "dictionary/fileid.h"
#include "dictionary/relationmanager.h"
#include "framework/procedure.h"
#include "framework/stepclass.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fw {

// One entry of a browse's queue: a field of a record, the same followed by its four colour
// fields (drawn red while the row needs attention), or a value worked out per row.
struct QueueEntry {
    std::optional<dict::FieldRef> field;
    bool coloured = false;
    std::function<StepValue()> value;

    // The queue numbers it takes: one, or five with its colours.
    int width() const { return coloured ? 5 : 1; }
};

template <typename Member>
QueueEntry Plain(Member &member)
{
    return {dict::field(member), false, {}};
}
template <typename Member>
QueueEntry Coloured(Member &member)
{
    return {dict::field(member), true, {}};
}
inline QueueEntry Computed(std::function<StepValue()> value) { return {std::nullopt, false, std::move(value)}; }

struct BrowseTab {
    const char *caption;
    const char *tip = nullptr;
    dict::KeyRef key;
    // With a prompt the locator is an entry above the list; without one, a letter typed on the
    // list moves it (a step locator).
    const char *locatorPrompt = nullptr;
    std::optional<dict::FieldRef> locator;
    // The list format the tab shows, with the placeholders of expandFormat put in when the
    // browse opens.
    const char *format = nullptr;
    const char *filter = nullptr;
    std::optional<dict::FieldRef> range; // the order's leading component kept at this field's value
    // The same list in the reverse order, on the same tab (the browse's reversing button).
    std::optional<dict::KeyRef> reverse;
};

class BrowseProcedure;

// A value shown below the list, with its prompt ("{TAX}" is the tax's name).
struct InfoValue {
    int id; // how the browse (and a test) finds its label
    const char *prompt;
    // Read from the buffers: of the highlighted row (blank while none is), or, for a figure of the
    // whole list, whenever the browse shows its figures (BrowseProcedure::showFigures).
    QString (*value)(BrowseProcedure &);
    bool wholeList = false;
    bool (*kept)() = nullptr; // shown only where this holds (a tax of one system)
};

// A panel of values: a titled box, or a plain block without a title; below the list (from the
// left, or on the right) or beside it.
struct BrowsePanel {
    enum Place { Below, BelowRight, Beside };
    const char *caption = nullptr;
    std::vector<InfoValue> values;
    int rows = 1; // values run down the rows, then on to the next pair of columns
    Place place = Below;
};

// A button of the browse's own, beside the standard ones.
struct BrowseButton {
    int id;
    const char *text;
    const char *tip = nullptr;
    void (*action)(BrowseProcedure &) = nullptr;
    // After every move (any: a row is highlighted); none: always enabled.
    bool (*enabled)(BrowseProcedure &, bool any) = nullptr;
    bool atEnd = false; // before Help and Close rather than after the update buttons
};

// A tab's format with the pictures in force put in.
// A declared list format with the pictures and names in force: {C} money, {D} dates, {TAX} the
// tax's name ("PST", "VAT", "Tax", "GST"), {PRICE1} to {PRICE3} the price levels' names, and
// {GST:columns} kept only where GST is charged beside a provincial tax.
std::string expandFormat(const char *format);

// Locator fields are named by their members too.
template <typename Member>
std::optional<dict::FieldRef> Locate(Member &member)
{
    return dict::field(member);
}

// The update buttons a browse shows, with their tips.
struct UpdateButtonTips {
    const char *insert = "Add New Record...";
    const char *insertText = "&Add";
    const char *change = "Change Highlighted Record...";
    const char *remove = "Delete Highlighted Record...";
    const char *select = nullptr; // a Select button only with a tip, or on a pick list
    const char *selectText = "S&elect";
    const char *close = "Close and return to menu...";
    const char *closeText = "Close";
};

struct BrowseSpec {
    ProcedureSpec procedure;
    dict::RelationManager *primary = nullptr; // the file listed (also among the procedure's files)
    const char *listTitle = nullptr; // the frame around the list; none without
    std::vector<BrowseTab> tabs;
    const char *filter = nullptr; // kept on every tab besides its own
    std::vector<QueueEntry> queue;
    const char *settingsSection = nullptr; // default: the procedure's name
    const char *tabKey = "TabChoice";
    UpdateButtonTips buttons{};
    std::vector<BrowseButton> extraButtons;
    std::vector<BrowsePanel> panels;
    bool updates = true;        // Add, Change and Delete buttons
    // A pick list: its callers always want a record back, so it selects whatever request it was
    // run with and always has its Select button.
    bool selectOnly = false;
    int (*form)() = nullptr;    // runs the update form (fw::runForm<Upd::...>); its response
    bool (*allow)(int request) = nullptr; // asked before a change or delete (a password gate)
    bool (*red)() = nullptr;    // whether the row in the buffer is drawn red
    bool singleWindow = false;  // a second start brings the open window forward
    int notification = 0;       // posted to the frame when the browse opens and closes
    int width = 760, height = 460;
};

// What is wrong with a declaration, one line per fault; empty when it is sound.
std::vector<std::string> checkBrowseSpec(const BrowseSpec &spec);

} // namespace fw
