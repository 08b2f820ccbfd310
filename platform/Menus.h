#pragma once
// Menus: a tree of items with caption, shortcut, enabled state, check mark and click handler, shown by
// a QMenuBar. Shortcuts are dispatched by the window (see TForm), walking the tree as the platform does.

#include "platform/Classes.h"
#include "platform/Messages.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace platform {

// One item of a menu tree; the items under it form its submenu.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(std::string Name = {}) : FName(std::move(Name)) {}
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Name() const { return FName; }
    // Caption in UTF-8 with the "&" access-key marker; "-" is a separator.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

    TMenuItem* Add(std::unique_ptr<TMenuItem> Item);
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    TMenuItem* Parent() const { return FParent; }

    // Runs OnClick (for an item with a submenu: its opening action). Chosen from the menu bar, an
    // exception escaping it goes to the application's error box.
    void Click();
    TNotifyEvent OnClick;

    // Builds the Qt menu or action for this item under a menu bar or menu; kept in sync afterwards.
    void Attach(QMenuBar* Bar);
    void Attach(QMenu* Menu);
    QAction* Action() const { return FAction; }

private:
    void Sync();
    void AttachSubmenu(QMenu* Submenu);
    std::string FName;
    std::string FCaption;
    TShortCut FShortCut = 0;
    bool FEnabled = true;
    bool FChecked = false;
    TMenuItem* FParent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> FItems;
    // The Qt side belongs to the window's menu bar and may go before the item does.
    QPointer<QAction> FAction;
    QPointer<QMenu> FMenu;
    QMetaObject::Connection FClickConnection;
};

class TMainMenu {
public:
    TMenuItem Items{"Items"};
    // Finds the item with this shortcut; null when none.
    TMenuItem* FindShortCut(TShortCut ShortCut) const;
    // Runs a shortcut: opens each menu above the item, outermost first (a disabled menu stops the walk),
    // then clicks the item if it is enabled. Returns whether the shortcut belongs to an item.
    bool DispatchShortCut(TShortCut ShortCut) const;
};

// Text of a shortcut value as menus show it, e.g. "Ctrl+Shift+S".
std::string ShortCutToText(TShortCut ShortCut);

} // namespace platform
