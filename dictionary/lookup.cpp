#include "dictionary/lookup.h"

#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"

#include <cassert>

namespace dict {

void KeyValue::store(const FieldDef &field, void *record) const
{
    if (isText_)
        setString(field, record, text_);
    else
        setReal(field, record, number_);
}

namespace detail {

void scan(KeyRef key, std::span<const KeyValue> values,
          const std::function<bool(const void *record, storage::Position position)> &take)
{
    FileManager &file = access(key.file);
    const FileDef &def = file.Def();
    const KeyComponents &components = def.keys[key.index].components;
    assert(values.size() <= components.size());
    KeptPlace kept(file);

    void *buffer = file.Buffer().bytes;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i].store(def.fields[components[i].field], buffer);
    std::vector<char> probe(static_cast<const char *>(buffer), static_cast<const char *>(buffer) + def.recordSize);
    file.ClearKey(key, static_cast<int>(values.size()) + 1);
    file.SetAt(key);
    const auto matches = [&] {
        for (std::size_t i = 0; i < values.size(); ++i)
            if (compareField(def.fields[components[i].field], buffer, probe.data()) != 0)
                return false;
        return true;
    };
    while (file.TryNext() == Benign && matches())
        if (!take(buffer, file.Position()))
            break;
}

} // namespace detail

} // namespace dict
