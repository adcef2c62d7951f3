// Checks an item model against Qt's rules for as long as the model lives: any broken rule (a row
// count that disagrees with a reset, an index out of range) ends the test program at once.
#pragma once

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>

namespace testsupport {

// A window that did not open has no model: nothing to watch.
inline void watchModel(QAbstractItemModel *model)
{
    if (model)
        new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::Fatal, model);
}

} // namespace testsupport
