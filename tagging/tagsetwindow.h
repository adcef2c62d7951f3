// ST::SelectTagSet: the "Select Tag Set" window. Lists the current user's saved tag sets of one
// list (its source), newest first; adds, renames and deletes sets; "&Load" or "&Save" makes the
// highlighted set current (its record in TS_) and closes with GlobalResponse 1, Cancel with 2.
#pragma once

#include "framework/windowmanager.h"
#include "tagging/tagsets.h"

#include <string>
#include <string_view>
#include <functional>
#include <optional>
#include <vector>

class QPushButton;
class QTableWidget;

namespace ST {

// The mode text that makes the first button "&Load"; any other mode saves.
inline constexpr std::string_view LoadMode = "Load";

int SelectTagSet(std::string_view mode, std::string_view source);

class SelectTagSetWindow : public fw::WindowManager
{
public:
    SelectTagSetWindow(std::string mode, std::string source);

    int Init() override;
    int Kill() override;
    int TakeAccepted(QWidget *control) override;

    QTableWidget *list = nullptr;
    QPushButton *choose = nullptr, *cancel = nullptr, *insert = nullptr, *change = nullptr, *remove = nullptr;
    // Asks a set's description ("Tag Set"); empty when the user gave up. Tests answer in its place.
    std::function<std::optional<std::string>(const std::string &current)> askDescription;

private:
    void reload(dict::SHORT select = 0);
    const TagSetRow *highlighted() const;
    void insertSet();
    void changeSet();
    void deleteSet();
    void chooseSet();

    std::string mode_;
    std::string source_;
    std::vector<TagSetRow> sets_;
    bool filesOpened_ = false;
};

} // namespace ST
