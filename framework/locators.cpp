#include "framework/locators.h"

#include "dictionary/fieldaccess.h"
#include "framework/picture.h"

#include <QLineEdit>

namespace fw {

bool LocatorClass::setValue(std::string_view typed) const
{
    const dict::FieldDef &f = *field_.def;
    if (f.type == dict::FieldType::String) {
        dict::setString(f, field_.record, typed);
        return true;
    }
    std::string_view trimmed = typed;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    if (trimmed.empty()) {
        dict::setReal(f, field_.record, 0);
        return true;
    }
    const std::optional<double> number = parsePlainNumber(trimmed);
    if (!number)
        return false;
    dict::setReal(f, field_.record, *number);
    return true;
}

StepLocatorClass::Move StepLocatorClass::TakeCharacter(const QString &typed, std::string_view current)
{
    if (typed.size() != 1 || !typed.at(0).isPrint())
        return Move::Ignore;
    const QString shown = QString::fromUtf8(current.data(), static_cast<qsizetype>(current.size()));
    const bool again = typed.compare(last_, Qt::CaseInsensitive) == 0
                       && shown.startsWith(typed, Qt::CaseInsensitive);
    last_ = typed;
    return again ? Move::NextRow : Move::Locate;
}

std::string EntryLocatorClass::text() const { return entry_->text().toUtf8().toStdString(); }

} // namespace fw
