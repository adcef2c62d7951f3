#include "app/common/booking.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"
#include "framework/reportslib.h"

#include <optional>

namespace app {

namespace {

struct Refusal {
    int message;
    std::string text;
};
std::optional<Refusal> refusal;

const std::vector<std::uint8_t> &bookingMessages()
{
    static const fw::MessageDef defs[] = {
        {BookMsg::NothingSaved, dict::Notify, "Nothing Saved",
         "%Message could not be saved (%ErrorText). Every file is as it was before; please try again."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

} // namespace

void installBookingMessages(fw::ErrorClass &errors) { errors.InstallErrors(bookingMessages()); }

KeptBuffers::KeptBuffers(std::initializer_list<dict::FileManager *> files)
{
    for (dict::FileManager *file : files)
        kept_.push_back({file, file->SaveBuffer()});
}

KeptBuffers::~KeptBuffers()
{
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
        it->first->RestoreBuffer(it->second);
}

int refuse(int message, std::string text)
{
    refusal = Refusal{message, std::move(text)};
    return dict::Notify;
}

int fail(dict::UnitOfWork &unit, const std::string &what)
{
    fw::ErrorClass &errors = REPORTS::Errors();
    errors.SetErrors();
    unit.Rollback();
    installBookingMessages(errors);
    const Refusal reason = refusal.value_or(Refusal{BookMsg::NothingSaved, what});
    refusal.reset();
    errors.ThrowMessage(reason.message, reason.text);
    return dict::Notify;
}

int commit(dict::UnitOfWork &unit, const std::string &what)
{
    if (!unit.Active() || unit.Commit() != dict::Benign)
        return fail(unit, what);
    return dict::Benign;
}

} // namespace app
