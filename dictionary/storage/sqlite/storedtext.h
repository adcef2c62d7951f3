// Text as the program stores it in a field or memo: UTF-8 with no NUL. A data file written by
// another program, or damaged, may hold other bytes in its text; they are read as text the
// windows and reports can show, never passed on as they are.
#pragma once

#include <string>
#include <string_view>

namespace dict::storage::sqlite {

// The length of the first character of s when it is well-formed UTF-8 (no overlong form, no
// surrogate, nothing past U+10FFFF), else 0.
std::size_t utf8CharLength(std::string_view s);

// Whether s is stored text already: the common case, checked without copying.
bool isStoredText(std::string_view s);

// s as UTF-8: each byte that begins no well-formed character is read as the Windows-1252
// character it stands for there (the encoding of the old data files: "caf\xe9" is "café"), a
// byte that stands for none as '?', and each NUL as a blank. The text may grow: a field cuts it.
std::string asStoredText(std::string_view s);

} // namespace dict::storage::sqlite
