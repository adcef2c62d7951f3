#include "framework/messagetable.h"

#include "dictionary/errorreporter.h"

#include <stdexcept>
#include <string>

namespace fw {

namespace {

using enum dict::Level;

// The standard messages, in load order.
constexpr MessageDef defaultMessages[] = {
    {27, Notify, "Invalid Key",
     "%File key file is invalid. Key must be rebuilt."},
    {26, Fatal, "Key was not built",
     "Error: (%ErrorText) repairing key for %File."},
    {10, Fatal, "File Creation Error",
     "Error: (%ErrorText) creating %File."},
    {24, Notify, "Procedure not defined",
     "The Procedure %Message has not been defined."},
    {17, Notify, "Range Error",
     "The value of %Field must be lower than %Message."},
    {18, Notify, "Range Error",
     "The value of %Field must be higher than %Message."},
    {16, Notify, "Range Error",
     "The value of %Field must be between %Message."},
    {14, Notify, "Field contents error",
     "The value of %Field must be found in the %Message file."},
    {31, Notify, "Referential Integrity Update Error",
     "This record is referenced from the file %File. Linking field(s) have been restricted from change and have been reset to original values."},
    {30, Notify, "Referential Integrity Delete Error",
     "This record is referenced from the file %File. This record cannot be deleted while these references exist."},
    {4, Notify, "Record Insert Error",
     "An error was experienced during the creation of a record. Error: %ErrorText."},
    {6, Notify, "Record Was Not Updated",
     "This record was changed by another station."},
    {7, Notify, "Record Was Not Updated",
     "This record was changed by another station. Those changes will now be displayed. Use the Ditto Button or Ctrl+' to recall your changes."},
    {34, User, "Record Update Error",
     "An error was experienced changing this record. Do you want to try to save again?"},
    {33, User, "Record Delete Error",
     "An error was experienced deleting this record. Do you want to try to delete it again?"},
    {20, Notify, "Invalid Request",
     "This form cannot be used to insert a record"},
    {38, Notify, "Invalid Request",
     "This form cannot be used to update a record"},
    {12, Notify, "Invalid Request",
     "This form cannot be used to delete a record"},
    {8, User, "Changes will be lost!",
     "Are you sure you want to cancel?"},
    {13, Notify, "Duplicate Key Error",
     "Adding this record creates a duplicate entry for the key: %Message"},
    {32, User, "Auto Increment Error",
     "Attempts to automatically number this record have failed.  Error: %ErrorText. Try Again?"},
    {19, Notify, "File Load Error",
     "%File File Load Error.  Error: %ErrorText."},
    {36, User, "Beginning of File Error",
     "The beginning of the file was encountered. Do you want to start again from the end of the file?"},
    {37, User, "End of File Error",
     "The end of the file was encountered. Do you want to start again from the beginning?"},
    {23, Fatal, "File Access Error",
     "File (%File) could not be opened.  Error: %ErrorText."},
    {25, Notify, "Record was not updated",
     "An error (%ErrorText) was experienced when making changes to the %File file."},
    {11, Notify, "Record was not deleted",
     "An error (%ErrorText) was experienced when deleting a record from the %File file."},
    {9, User, "Confirm Delete",
     "Are you sure you want to delete the highlighted record?"},
    {35, User, "Save Record",
     "Do you want to save the changes to this record?"},
    {21, Notify, "Transaction cancelled",
     "Error: (%ErrorText) attempting to frame the transaction on %File."},
    {1, Notify, "Record Retrieval Error",
     "Error: (%ErrorText) attempting to access a record from the %File file.  Returning to previous window."},
    {40, Notify, "View Open Error",
     "Error: (%ErrorText) attempting to open the current VIEW. Filter and Range Limits ignored."},
    {3, User, "Record Added",
     "This record has been added to the file. Do you want to add another record?"},
    {28, Notify, "Record not read",
     "A record held by another station was encountered reading from the %File file."},
    {5, Notify, "Add New Record?",
     "Record match not found, do you wish to add a new one?"},
    {15, Notify, "Value Error",
     "The value of %Field must be in the list : %Message."},
    {22, Notify, "No Records",
     "There are no records available to process."},
    {2, Notify, "Access Denied",
     "Could not get write access to %File so trying read-only."},
    {39, Program, "File Usage Error",
     "Attempt to use file (%File) before it was opened"},
    {41, Notify, "Unsupported QBE Column",
     "The saved QBE column, %Field is not supported. It will be dropped from the query."},
};

void putU8(std::vector<std::uint8_t> &out, std::size_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
}

void putU16(std::vector<std::uint8_t> &out, std::size_t value)
{
    putU8(out, value & 0xFF);
    putU8(out, (value >> 8) & 0xFF);
}

void putString(std::vector<std::uint8_t> &out, std::string_view s)
{
    if (s.size() > 0xFF)
        throw std::length_error("error block: string over 255 bytes: " + std::string(s.substr(0, 40)));
    putU8(out, s.size());
    out.insert(out.end(), s.begin(), s.end());
}

// Reads a block front to back; every read fails once the block runs short.
class BlockReader
{
public:
    explicit BlockReader(ErrorBlock block) : block_(block) {}

    bool u8(std::uint8_t &value)
    {
        if (pos_ >= block_.size())
            return false;
        value = block_[pos_++];
        return true;
    }

    bool u16(std::uint16_t &value)
    {
        std::uint8_t low = 0, high = 0;
        if (!u8(low) || !u8(high))
            return false;
        value = static_cast<std::uint16_t>(low | high << 8);
        return true;
    }

    bool string(std::string_view &value)
    {
        std::uint8_t length = 0;
        if (!u8(length) || block_.size() - pos_ < length)
            return false;
        value = {reinterpret_cast<const char *>(block_.data() + pos_), length};
        pos_ += length;
        return true;
    }

private:
    ErrorBlock block_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<std::uint8_t> buildErrorBlock(std::span<const MessageDef> entries)
{
    if (entries.size() > 0xFFFF)
        throw std::length_error("error block: more than 65535 entries");
    std::vector<std::uint8_t> out;
    putU16(out, entries.size());
    for (const MessageDef &e : entries) {
        putU16(out, e.id);
        putU8(out, e.level);
        putString(out, e.title);
        putString(out, e.text);
    }
    return out;
}

std::vector<MessageDef> parseErrorBlock(ErrorBlock block)
{
    BlockReader in(block);
    std::uint16_t count = 0;
    std::vector<MessageDef> entries;
    if (!in.u16(count))
        return entries;
    for (std::uint16_t i = 0; i < count; ++i) {
        MessageDef e{};
        if (!in.u16(e.id) || !in.u8(e.level) || !in.string(e.title) || !in.string(e.text))
            break;
        entries.push_back(e);
    }
    return entries;
}

ErrorBlock defaultErrorBlock()
{
    static const std::vector<std::uint8_t> block = buildErrorBlock(defaultMessages);
    return block;
}

} // namespace fw
