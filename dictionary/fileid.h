// Identity of the nineteen data files and of their keys.
#pragma once

#include <cstdint>

namespace dict {

enum class FileId : std::uint8_t {
    CUSTOMER,
    INVOICE,
    DESCRIPTION,
    CREDIT,
    CRSCRIPTION,
    FINANCE,
    STOCK,
    SPECIAL,
    STSTREND,
    VENDOR,
    VENFIN,
    PURORDER,
    PURDESCRIPTION,
    MEMOS,
    SETUP,
    TOTALINV,
    TAGFILE_,
    TAGFILEPOS_,
    TAGSET_,
};

inline constexpr int FileCount = 19;

// A key of a file: its position in the file's key list.
struct KeyRef {
    FileId file;
    int index;
    friend constexpr bool operator==(KeyRef, KeyRef) = default;
};

// A key that knows its file's type, so a look-up by it yields that file's records.
template <FileId F>
struct Key : KeyRef {
};

} // namespace dict
