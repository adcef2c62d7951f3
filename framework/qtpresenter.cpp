#include "framework/qtpresenter.h"

#include "dictionary/errorreporter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

namespace fw {

namespace {
struct ButtonMap {
    int bit;
    QMessageBox::StandardButton button;
};
constexpr ButtonMap buttonMap[] = {
    {dict::ButtonOk, QMessageBox::Ok},
    {dict::ButtonYes, QMessageBox::Yes},
    {dict::ButtonNo, QMessageBox::No},
    {dict::ButtonCancel, QMessageBox::Cancel},
};
} // namespace

int QtMessagePresenter::show(std::string_view title, std::string_view text, Icon icon, int buttons, int defaultButton)
{
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    QMessageBox::StandardButtons set;
    for (const ButtonMap &m : buttonMap)
        if (buttons & m.bit)
            set |= m.button;
    box.setStandardButtons(set ? set : QMessageBox::Ok);
    for (const ButtonMap &m : buttonMap)
        if (defaultButton == m.bit)
            box.setDefaultButton(m.button);
    for (const auto &[bit, label] : takeButtonTexts())
        for (const ButtonMap &m : buttonMap)
            if (m.bit == bit && box.button(m.button))
                box.button(m.button)->setText(QString::fromStdString(label));
    const int pressed = box.exec();
    for (const ButtonMap &m : buttonMap)
        if (pressed == m.button)
            return m.bit;
    // Closing the box with Escape or the title bar answers its most cautious button.
    return (buttons & dict::ButtonCancel) ? dict::ButtonCancel : (buttons & dict::ButtonNo) ? dict::ButtonNo : dict::ButtonOk;
}

} // namespace fw
