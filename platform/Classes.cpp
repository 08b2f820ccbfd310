#include "platform/Classes.h"

#include "platform/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <typeinfo>

namespace platform {

void TPersistent::Assign(const TPersistent& Source) {
    throw EConvertError(Source.ClassName() + " を " + ClassName() + " に代入できません");
}

std::string TPersistent::ClassName() const {
    std::string name = typeid(*this).name();
    // Itanium mangling: strip the length prefixes of the nested name, keeping the last component.
    std::string last;
    std::size_t i = 0;
    if (!name.empty() && name[0] == 'N') ++i;
    while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i]))) {
        std::size_t len = 0;
        while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])))
            len = len * 10 + (name[i++] - '0');
        last = name.substr(i, len);
        i += len;
    }
    return last.empty() ? name : last;
}

TCollectionItem::TCollectionItem(TCollection* Collection) : FCollection(Collection) {
    if (FCollection) {
        FCollection->FItems.push_back(this);
        FCollection->Changed(nullptr);
    }
}

TCollectionItem::~TCollectionItem() {
    if (FCollection && !FCollection->FClearing) {
        auto& items = FCollection->FItems;
        items.erase(std::remove(items.begin(), items.end(), this), items.end());
    }
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    const auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

void TCollectionItem::Changed() {
    if (FCollection) FCollection->Changed(this);
}

TCollection::~TCollection() {
    FClearing = true;
    for (TCollectionItem* item : FItems)
        delete item;
}

TCollectionItem* TCollection::GetItem(int Index) const {
    if (Index < 0 || Index >= Count()) ThrowListIndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    FClearing = true;
    for (TCollectionItem* item : FItems)
        delete item;
    FItems.clear();
    FClearing = false;
    Changed(nullptr);
}

void TCollection::Delete(int Index) {
    delete GetItem(Index);
    Changed(nullptr);
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Update(nullptr);
}

void TCollection::Changed(TCollectionItem* Item) {
    if (FUpdateCount == 0) Update(Item);
}

const std::string& TStringList::Get(int Index) const {
    if (Index < 0 || Index >= Count()) ThrowListIndexError(Index);
    return FStrings[static_cast<std::size_t>(Index)];
}

void TStringList::Put(int Index, const std::string& S) {
    if (Index < 0 || Index >= Count()) ThrowListIndexError(Index);
    FStrings[static_cast<std::size_t>(Index)] = S;
}

int TStringList::Add(const std::string& S) {
    FStrings.push_back(S);
    return Count() - 1;
}

void TStringList::Assign(const TPersistent& Source) {
    if (auto* list = dynamic_cast<const TStringList*>(&Source)) {
        FStrings = list->FStrings;
        return;
    }
    TPersistent::Assign(Source);
}

} // namespace platform
