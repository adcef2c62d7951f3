#include "tagging/tagmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/messagetable.h"
#include "framework/reportslib.h"

namespace ST {

const std::vector<std::uint8_t> &taggingMessages()
{
    static const fw::MessageDef defs[] = {
        {TagMsg::ConfirmDeleteSet, dict::User, "Are you sure?", "Are you sure that you want to delete this?"},
        {TagMsg::SetGone, dict::Notify, "Tag Set", "This tag set is no longer on file; another station may have deleted it."},
        {TagMsg::NoFreeSetNumber, dict::Notify, "Tag Set",
         "Every tag set number is in use. Delete a tag set you no longer need, then try again."},
        {TagMsg::SetInStream, dict::Notify, "Tag Set",
         "Tag sets cannot be saved or loaded while tags are being changed in bulk. Try again when that has finished."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

fw::ErrorClass &tagErrors()
{
    // Asked only when a message is due, so the block is simply put on top again: the program may
    // have handed over (or re-initialised) its error manager since the last time.
    fw::ErrorClass &errors = REPORTS::Errors();
    errors.InstallErrors(taggingMessages());
    return errors;
}

} // namespace ST
