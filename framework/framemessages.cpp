#include "framework/framemessages.h"

#include "dictionary/errorreporter.h"
#include "framework/messagetable.h"

namespace fw {

const std::vector<std::uint8_t> &frameworkMessages()
{
    static const MessageDef defs[] = {
        {FrameMsg::InvalidEntry, dict::Notify, "Invalid Entry", "%Message"},
        {FrameMsg::CannotBeNegative, dict::Notify, "Invalid Entry", "%Field cannot be less than 0."},
        {FrameMsg::FieldRequired, dict::Notify, "Invalid Entry", "Please enter %Field before saving."},
        {FrameMsg::BadDeclaration, dict::Program, "Declaration Error", "%Message"},
    };
    static const std::vector<std::uint8_t> block = buildErrorBlock(defs);
    return block;
}

} // namespace fw
