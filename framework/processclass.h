// A batch pass over a view: reads it record by record, hands each to TakeRecord and keeps a
// progress percentage from a step object, the bytes read or the record count.
#pragma once

#include "framework/stepclass.h"
#include "framework/viewmanager.h"

#include <functional>
#include <memory>
#include <string>

namespace fw {

class ProcessClass : public ViewManager
{
public:
    // With a step object, progress follows the value of the order's first key component.
    void Init(dict::RelationManager *primary, std::unique_ptr<StepClass> step = nullptr);
    // Where the percentage is shown: called only when the whole number changes.
    std::function<void(int percent, const std::string &text)> showProgress;

    int Reset() override;
    void SetProgressLimits();
    // The next record of the view, with progress; Level::Notify at the end or on a read error.
    int Next() override;
    // The procedure's work on the record in the buffer; a non-zero result stops the pass.
    virtual int TakeRecord() { return dict::Benign; }

    long long RecordsProcessed() const { return recordsRead_; }
    int Percent() const { return percent_; }
    // For files whose driver cannot count their records, progress goes by bytes read.
    void SetCountUnknown(bool unknown) { countUnknown_ = unknown; }

private:
    StepValue keyValue() const;
    void updateProgressText(int percent);

    std::unique_ptr<StepClass> step_;
    long long recordsRead_ = 0;
    long long bytesRead_ = 0;
    long long recordCount_ = 0;
    long long fileBytes_ = 0;
    bool countUnknown_ = false;
    int percent_ = -1;
};

} // namespace fw
