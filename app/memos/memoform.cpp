#include "app/memos/memoform.h"

#include "app/common/formlayout.h"
#include "dictionary/files.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Upd {

Memos::Memos()
    : fw::Procedure({.name = "Upd:Memos", .title = "Update the Memos File", .files = {Relate::MEMOS}})
{}

int Memos::Build()
{
    Primary = &Relate::MEMOS;
    QWidget *window = this->window();
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(w_.caption = app::caption(window));
    w_.caption->setText(Request == fw::InsertRecord ? "Add a Memo..." : "Change a Memo...");
    auto *grid = new QGridLayout;
    app::row(grid, 0, 0, "Memo #:", w_.number = app::numberEntry(window, 8));
    w_.number->setReadOnly(true);
    w_.number->setFocusPolicy(Qt::NoFocus);
    app::row(grid, 1, 0, "Title:", w_.title = app::entry(window, 50, 40));
    layout->addLayout(grid);
    layout->addWidget(w_.text = new QPlainTextEdit(window), 1);
    layout->addLayout(app::formButtons(window, w_.ok, w_.cancel, w_.help));
    w_.ok->setText("Ok...");
    bind(w_.number, MEM.RECORDNO, "@n06");
    bind(w_.title, MEM.TITLE);
    bind(w_.text, MEM.MEMOS);
    UseFormButtons(w_.ok, w_.cancel, w_.help);
    FirstField = w_.title;
    return dict::Benign;
}

} // namespace Upd
