// What a window manager needs of the browses on its window: refreshing them.
#pragma once

namespace fw {

class BrowseClass
{
public:
    virtual ~BrowseClass() = default;
    // Reloads the list around the highlighted record (force: even when nothing seems changed).
    virtual void ResetFromFile(bool force) = 0;
};

} // namespace fw
