// A control bound to a record field: shows the field through its picture and, when the user
// leaves the control, reads the typed text back into the field. Text the picture cannot read is
// refused and the field keeps its value.
#pragma once

#include "dictionary/fieldpairs.h"
#include "dictionary/fieldtypes.h"
#include "framework/picture.h"

#include <QWidget>

#include <optional>
#include <string>

namespace fw {

class FormField
{
public:
    // A fixed field of a record buffer, shown through picture (empty: as it stands).
    FormField(QWidget *control, dict::FieldRef field, std::string picture = {});
    // A memo.
    FormField(QWidget *control, dict::Memo *memo);

    QWidget *control() const { return control_; }
    const dict::FieldDef *def() const { return field_.def; }
    // Field to control.
    void display() const;
    // Control to field; false, with the reason, when the typed text is not a value of the field.
    bool accept(std::string *reason = nullptr);
    // The control's text as the user sees it.
    std::string controlText() const;
    // Shows and reads the field through another picture from now on (empty: as it stands).
    void setPicture(const std::string &picture);

    // The saved copy for the field history key.
    void saveHistory();
    bool restoreHistory();

private:
    std::string fieldText() const;
    bool store(std::string_view typed, std::string *reason);

    QWidget *control_;
    dict::FieldRef field_;
    dict::Memo *memo_ = nullptr;
    std::optional<Picture> picture_;
    std::optional<std::vector<char>> history_;
    std::string historyMemo_;
};

} // namespace fw
