#include "platform/Menus.h"

#include "platform/Forms.h"
#include "platform/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace platform {

TMenuItem::~TMenuItem() {
    QObject::disconnect(FClickConnection);
}

void TMenuItem::SetCaption(const std::string& Value) {
    FCaption = Value;
    Sync();
}

void TMenuItem::SetShortCut(TShortCut Value) {
    FShortCut = Value;
    Sync();
}

void TMenuItem::SetEnabled(bool Value) {
    FEnabled = Value;
    Sync();
}

void TMenuItem::SetChecked(bool Value) {
    FChecked = Value;
    Sync();
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> Item) {
    Item->FParent = this;
    FItems.push_back(std::move(Item));
    return FItems.back().get();
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

void TMenuItem::Attach(QMenuBar* Bar) {
    AttachSubmenu(Bar->addMenu(QString()));
}

void TMenuItem::Attach(QMenu* Menu) {
    if (FCaption == "-") {
        FAction = Menu->addSeparator();
        return;
    }
    if (!FItems.empty()) {
        AttachSubmenu(Menu->addMenu(QString()));
        return;
    }
    FAction = Menu->addAction(QString());
    FClickConnection = QObject::connect(FAction, &QAction::triggered,
                                        [this] { Application().Protect([this] { Click(); }); });
    Sync();
}

// Opening the submenu runs the item's click, as the shortcut walk does.
void TMenuItem::AttachSubmenu(QMenu* Submenu) {
    FMenu = Submenu;
    FAction = Submenu->menuAction();
    FClickConnection = QObject::connect(Submenu, &QMenu::aboutToShow,
                                        [this] { Application().Protect([this] { Click(); }); });
    for (auto& item : FItems)
        item->Attach(Submenu);
    Sync();
}

void TMenuItem::Sync() {
    if (!FAction || FCaption == "-") return;
    QString text = U(FCaption);
    if (FShortCut) text += QLatin1Char('\t') + U(ShortCutToText(FShortCut));
    FAction->setText(text);
    FAction->setEnabled(FEnabled);
    FAction->setCheckable(FChecked || FAction->isCheckable());
    FAction->setChecked(FChecked);
}

namespace {

TMenuItem* Find(const TMenuItem& Parent, TShortCut ShortCut) {
    for (int i = 0; i < Parent.Count(); ++i) {
        TMenuItem* item = Parent.Items(i);
        if (item->ShortCut() == ShortCut && item->Caption() != "-") return item;
        if (TMenuItem* found = Find(*item, ShortCut)) return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMainMenu::FindShortCut(TShortCut ShortCut) const {
    if (ShortCut == 0) return nullptr;
    return Find(Items, ShortCut);
}

bool TMainMenu::DispatchShortCut(TShortCut ShortCut) const {
    TMenuItem* item = FindShortCut(ShortCut);
    if (!item) return false;
    std::vector<TMenuItem*> menus;
    for (TMenuItem* p = item->Parent(); p && p != &Items; p = p->Parent())
        menus.insert(menus.begin(), p);
    for (TMenuItem* menu : menus) {
        if (!menu->Enabled()) return true;
        menu->Click();
    }
    if (item->Enabled()) item->Click();
    return true;
}

std::string ShortCutToText(TShortCut ShortCut) {
    std::string text;
    if (ShortCut & scCtrl) text += "Ctrl+";
    if (ShortCut & scShift) text += "Shift+";
    if (ShortCut & scAlt) text += "Alt+";
    const int key = ShortCut & 0xFF;
    if (key >= VK_F1 && key <= VK_F1 + 23)
        text += "F" + std::to_string(key - VK_F1 + 1);
    else if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        text += static_cast<char>(key);
    else
        text += "#" + std::to_string(key);
    return text;
}

} // namespace platform
