// Upd::Memos: one standard memo: its number, title and text.
#pragma once

#include "framework/procedure.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Upd {

class Memos : public fw::Procedure
{
public:
    Memos();

    struct Widgets {
        QLabel *caption;
        QLineEdit *number, *title;
        QPlainTextEdit *text;
        QPushButton *ok, *cancel, *help;
    };
    const Widgets &widgets() const { return w_; }

protected:
    int Build() override;

private:
    Widgets w_{};
};

} // namespace Upd
