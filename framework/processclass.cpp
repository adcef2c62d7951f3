#include "framework/processclass.h"

#include "dictionary/fieldaccess.h"

#include <algorithm>

namespace fw {

void ProcessClass::Init(dict::RelationManager *primary, std::unique_ptr<StepClass> step)
{
    ViewManager::Init(primary);
    step_ = std::move(step);
}

StepValue ProcessClass::keyValue() const
{
    const dict::FileDef &def = File().Def();
    const dict::FieldDef &f = def.fields[def.keys[Key().index].components[0].field];
    if (f.type == dict::FieldType::String)
        return StepValue(std::string(dict::stringOf(f, File().Buffer().bytes)));
    return StepValue(dict::realOf(f, File().Buffer().bytes));
}

void ProcessClass::SetProgressLimits()
{
    if (step_) {
        // The first and the last record of the view give the limits.
        ViewManager::Reset();
        const bool any = ViewManager::Next() == dict::Benign;
        const StepValue first = any ? keyValue() : StepValue(0.0);
        ViewManager::Reset();
        File().SetEnd(Key());
        const StepValue last = any && ViewManager::Previous() == dict::Benign ? keyValue() : first;
        step_->SetLimits(first, last);
        return;
    }
    recordCount_ = countUnknown_ ? 0 : File().Records();
    if (recordCount_ == 0)
        fileBytes_ = File().Bytes();
}

int ProcessClass::Reset()
{
    recordsRead_ = 0;
    bytesRead_ = 0;
    percent_ = -1;
    SetProgressLimits();
    const int result = ViewManager::Reset();
    updateProgressText(0);
    return result;
}

void ProcessClass::updateProgressText(int percent)
{
    if (percent == percent_)
        return;
    percent_ = percent;
    if (showProgress)
        showProgress(percent, std::to_string(percent) + (recordsRead_ == 0 ? "% Completed" : "% Complete"));
}

int ProcessClass::Next()
{
    const int result = ViewManager::Next();
    if (result != dict::Benign)
        return result;
    bytesRead_ += File().Def().recordSize;
    int percent;
    if (step_)
        percent = step_->GetPercentile(keyValue());
    else if (recordCount_ > 0)
        percent = static_cast<int>((recordsRead_ + 1) * 100 / recordCount_);
    else
        percent = fileBytes_ > 0 ? static_cast<int>(bytesRead_ * 100 / fileBytes_) : 0;
    ++recordsRead_;
    updateProgressText(std::min(percent, 100));
    return dict::Benign;
}

} // namespace fw
