#include "app/setup/passwordhash.h"

#include "dictionary/fieldtypes.h"

#include <sodium.h>

#include <stdexcept>

namespace app {

namespace {

HashCost cost = HashCost::Interactive;

// The entry as the password field keeps it, in memory that is wiped when it goes.
class Secret
{
public:
    explicit Secret(std::string_view entry)
        : text_(dict::String<10>(entry).view())
    {}
    ~Secret() { sodium_memzero(text_.data(), text_.size()); }
    Secret(const Secret &) = delete;
    Secret &operator=(const Secret &) = delete;

    const std::string &text() const { return text_; }

private:
    std::string text_;
};

void startSodium()
{
    static const bool started = sodium_init() >= 0;
    if (!started)
        throw std::runtime_error("libsodium could not be started");
}

} // namespace

void setPasswordHashCost(HashCost newCost) { cost = newCost; }

std::string hashPassword(std::string_view password)
{
    const Secret secret(password);
    if (secret.text().empty())
        return {};
    startSodium();
    char hash[crypto_pwhash_STRBYTES];
    const bool interactive = cost == HashCost::Interactive;
    if (crypto_pwhash_str(hash, secret.text().data(), secret.text().size(),
                          interactive ? crypto_pwhash_OPSLIMIT_INTERACTIVE : crypto_pwhash_OPSLIMIT_MIN,
                          interactive ? crypto_pwhash_MEMLIMIT_INTERACTIVE : crypto_pwhash_MEMLIMIT_MIN)
        != 0)
        throw std::runtime_error("out of memory while hashing the password");
    return hash;
}

bool passwordVerifies(std::string_view hash, std::string_view entry)
{
    const std::string stored(dict::clipped(hash));
    if (stored.empty())
        return false;
    startSodium();
    const Secret secret(entry);
    return crypto_pwhash_str_verify(stored.c_str(), secret.text().data(), secret.text().size()) == 0;
}

} // namespace app
