#include "dictionary/changenotices.h"

#include <algorithm>

namespace dict {

ChangeNotices &changeNotices()
{
    static ChangeNotices notices;
    return notices;
}

ChangeNotices::Token ChangeNotices::Subscribe(FileId file, ChangeListener listener)
{
    files_[index(file)].listeners.push_back({++lastToken_, std::move(listener)});
    return lastToken_;
}

void ChangeNotices::Unsubscribe(Token token)
{
    for (PerFile &file : files_)
        std::erase_if(file.listeners, [token](const Listener &l) { return l.token == token; });
}

void ChangeNotices::Announce(const ChangeNotice &notice)
{
    PerFile &file = files_[index(notice.file)];
    if (file.holds > 0)
        file.held.push_back(notice);
    else
        tell(notice);
}

void ChangeNotices::Hold(FileId file) { ++files_[index(file)].holds; }

void ChangeNotices::Release(FileId id, bool committed)
{
    PerFile &file = files_[index(id)];
    if (file.holds == 0 || --file.holds > 0)
        return;
    std::vector<ChangeNotice> held = std::move(file.held);
    file.held.clear();
    if (!committed || held.empty())
        return;
    tell(held.size() == 1 ? held.front() : ChangeNotice{id, Change::Several, 0});
}

void ChangeNotices::tell(const ChangeNotice &notice)
{
    std::vector<Listener> &listeners = files_[index(notice.file)].listeners;
    if (listeners.empty())
        return;
    // The tokens first: a listener may change the list while it is told.
    std::vector<Token> tokens;
    tokens.reserve(listeners.size());
    for (const Listener &l : listeners)
        tokens.push_back(l.token);
    for (const Token token : tokens) {
        const auto it = std::find_if(listeners.begin(), listeners.end(), [token](const Listener &l) { return l.token == token; });
        if (it == listeners.end())
            continue; // unsubscribed by an earlier listener
        const ChangeListener call = it->call; // a copy: the listener may unsubscribe itself
        call(notice);
    }
}

} // namespace dict
