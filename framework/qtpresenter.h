// Message boxes on the desktop: the presenter the program installs in its error manager.
#pragma once

#include "framework/messagepresenter.h"

namespace fw {

class QtMessagePresenter : public MessagePresenter
{
public:
    int show(std::string_view title, std::string_view text, Icon icon, int buttons, int defaultButton) override;
};

} // namespace fw
