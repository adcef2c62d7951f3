// Error blocks: the compact constant form in which message tables are kept and handed to
// ErrorClass::AddErrors and RemoveErrors.
//
// Layout, little-endian: u16 count, then per entry
//   u16 id, u8 level, u8 title length, title bytes, u8 text length, text bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace fw {

struct MessageDef {
    std::uint16_t id;
    std::uint8_t level; // a dict::Level; any other value ends the program like Program does
    std::string_view title;
    std::string_view text; // UTF-8, may hold %placeholders
};

using ErrorBlock = std::span<const std::uint8_t>;

// Encodes the entries in order. Throws std::length_error for a title or text over 255 bytes
// or more than 65535 entries: the block format has no room for them.
std::vector<std::uint8_t> buildErrorBlock(std::span<const MessageDef> entries);

// Decodes a block; the views point into it. A truncated block yields its complete entries.
std::vector<MessageDef> parseErrorBlock(ErrorBlock block);

// The standard messages, loaded by ErrorClass::Init.
ErrorBlock defaultErrorBlock();

} // namespace fw
