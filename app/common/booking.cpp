#include "app/common/booking.h"

#include "dictionary/errorreporter.h"
#include "dictionary/unitofwork.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"
#include "framework/reportslib.h"

namespace app {

namespace {

const std::vector<std::uint8_t> &bookingMessages()
{
    static const fw::MessageDef defs[] = {
        {BookMsg::NothingSaved, dict::Notify, "Nothing Saved",
         "%Message could not be saved (%ErrorText). Every file is as it was before; please try again."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

// Undoes the unit, then tells the user the step's refusal, or that `what` could not be saved
// and why the driver refused it (captured before the undo, which may set errors of its own).
int tell(dict::UnitOfWork &unit, const Step &step, const std::string &what)
{
    fw::ErrorClass &errors = REPORTS::Errors();
    errors.SetErrors();
    unit.Rollback();
    installBookingMessages(errors);
    const Step::Refusal reason = step.refusal().value_or(Step::Refusal{BookMsg::NothingSaved, what});
    errors.ThrowMessage(reason.message, reason.text);
    return dict::Notify;
}

} // namespace

void installBookingMessages(fw::ErrorClass &errors) { errors.InstallErrors(bookingMessages()); }

Step refuse(int message, std::string text)
{
    Step step(dict::Notify);
    step.refusal_ = Step::Refusal{message, std::move(text)};
    return step;
}

int book(const std::vector<dict::FileManager *> &files, const std::string &what, const std::function<Step()> &body)
{
    dict::UnitOfWork unit(files);
    if (!unit.Active())
        return tell(unit, dict::Notify, what);
    if (const Step step = body(); !step)
        return tell(unit, step, what);
    if (unit.Commit() != dict::Benign)
        return tell(unit, dict::Notify, what);
    return dict::Benign;
}

} // namespace app
