#pragma once
// A menu tree for tests whose items log their clicks by name.

#include "platform/Menus.h"

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

struct LoggingMenu {
    platform::TMainMenu Menu;
    std::vector<std::string> Log;

    platform::TMenuItem* Add(platform::TMenuItem* Parent, const char* Name, const char* Caption,
                             platform::TShortCut ShortCut = 0) {
        auto* item = Parent->Add(std::make_unique<platform::TMenuItem>(Name));
        item->SetCaption(Caption);
        item->SetShortCut(ShortCut);
        item->OnClick = [this, Name](platform::TObject*) { Log.push_back(Name); };
        return item;
    }
    platform::TMenuItem* Add(platform::TMenuItem* Parent, const char* Name, platform::TShortCut ShortCut = 0) {
        return Add(Parent, Name, Name, ShortCut);
    }
};

} // namespace testsupport
