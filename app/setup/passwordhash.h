// The password as it is kept: a salted, deliberately slow hash (Argon2id, libsodium's
// crypto_pwhash_str), never the password itself.
#pragma once

#include <string>
#include <string_view>

namespace app {

// The hash of a password as the 10-character entry holds it (cut to 10 characters, trailing
// blanks removed); empty for a blank password.
std::string hashPassword(std::string_view password);

// Whether entry is the password of hash. An empty hash matches nothing.
bool passwordVerifies(std::string_view hash, std::string_view entry);

// How slow a new hash is made: as libsodium advises for an interactive login, or its minimum,
// for tests that check thousands of entries. A hash keeps the cost it was made with.
enum class HashCost { Interactive, Minimal };
void setPasswordHashCost(HashCost cost);

} // namespace app
