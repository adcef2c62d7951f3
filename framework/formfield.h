// A control bound to a record field: shows the field through its picture and, when the user
// leaves the control, reads the typed text back into the field. Text the picture cannot read, or
// a value the field's rules refuse (range, not negative, longer than the field holds), is
// refused and the field keeps its value; a required field is checked when the form is saved.
#pragma once

#include "dictionary/fieldpairs.h"
#include "dictionary/fieldtypes.h"
#include "framework/picture.h"

#include <QWidget>

#include <optional>
#include <string>
#include <string_view>

namespace fw {

// Typed text as a field keeps it. Control characters reach an entry only by pasting: a NUL would
// end the value for whatever reads fields as C strings, and the others show as nothing, so each
// becomes a blank, except the line breaks and tabs of a memo.
std::string withoutControls(std::string_view typed, bool memo = false);

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

    // Rules, declared where the control is bound: bind(w.discount, CUS.CUSTOMERDISCOUNT).range(0, 100).
    FormField &required(int message = 0); // 0: the framework's "Please enter ..." message
    FormField &range(double low, double high);
    FormField &nonNegative();
    // Whether a required field holds a value (always true for others).
    bool present() const;
    int requiredMessage() const { return requiredMessage_; }

    // Why the last accept refused the entry: a message number with its %Message text (0: the
    // picture could not read it, see the reason accept gave).
    struct Refusal {
        int message = 0;
        std::string text;
    };
    const Refusal &refusal() const { return refusal_; }
    // The prompt the form shows for the control now, without its '&' and colon.
    QString prompt() const;

    // The saved copy for the field history key.
    void saveHistory();
    bool restoreHistory();

private:
    std::string fieldText() const;
    bool acceptValue(std::string *reason);
    bool store(std::string_view typed, std::string *reason);
    bool breaksRules();

    bool required_ = false;
    int requiredMessage_ = 0;
    std::optional<double> low_, high_;
    bool nonNegative_ = false;
    Refusal refusal_;

    QWidget *control_;
    dict::FieldRef field_;
    std::string memoText(QString text) const;

    dict::Memo *memo_ = nullptr;
    std::optional<Picture> picture_;
    std::optional<std::vector<char>> history_;
    std::string historyMemo_;
};

} // namespace fw
