// Locators of a browse: how typed text positions the list in the current order. Both put a value
// into the locator's field (the first key component the order leaves free) and the browse moves
// to the first record at or after it.
#pragma once

#include "dictionary/fieldpairs.h"

#include <QString>

#include <string>
#include <string_view>

class QLineEdit;

namespace fw {

class LocatorClass
{
public:
    explicit LocatorClass(dict::FieldRef field) : field_(field) {}
    virtual ~LocatorClass() = default;

    dict::FieldRef field() const { return field_; }
    // Puts a typed value into the field in the buffer; false when it cannot be read as the
    // field's type (letters for a number), the buffer then untouched.
    bool setValue(std::string_view typed) const;

private:
    dict::FieldRef field_;
};

// A key press jumps to the first record whose locator field starts at or after that character;
// the same character again moves on to the next record while the highlighted one starts with it.
class StepLocatorClass : public LocatorClass
{
public:
    using LocatorClass::LocatorClass;
    enum class Move { Ignore, Locate, NextRow };
    // What a typed character does, given the highlighted record's locator value.
    Move TakeCharacter(const QString &typed, std::string_view current);

private:
    QString last_;
};

// An entry control: its value, once accepted (or on Enter), positions the list.
class EntryLocatorClass : public LocatorClass
{
public:
    EntryLocatorClass(dict::FieldRef field, QLineEdit *entry) : LocatorClass(field), entry_(entry) {}
    QLineEdit *entry() const { return entry_; }
    std::string text() const;

private:
    QLineEdit *entry_;
};

} // namespace fw
