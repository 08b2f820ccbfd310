#pragma once
// Persistent objects, components, collections and the string list that the components build on.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class TPersistent {
public:
    virtual ~TPersistent() = default;
    // Copies the settings of Source; the base class cannot copy anything and throws EConvertError.
    virtual void Assign(const TPersistent& Source);
    virtual TPersistent* GetOwner() const { return nullptr; }
    virtual std::string ClassName() const;
};

// Something placed on a window, with a name and a loading state: while its stored settings are applied
// it is `Loading()`, and `Loaded()` ends that state.
using TObject = TPersistent;
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TPersistent {
public:
    bool Loading() const { return FLoading; }
    void BeginLoading() { FLoading = true; }
    virtual void Loaded() { FLoading = false; }

private:
    bool FLoading = false;
};

class TCollection;

// An item of a collection; constructing it appends it to the collection, which then owns it.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;
    TCollection* Collection() const { return FCollection; }
    int Index() const;
    TPersistent* GetOwner() const override;

protected:
    // Tells the collection that this item's settings changed.
    void Changed();

private:
    friend class TCollection;
    TCollection* FCollection;
};

class TCollection : public TPersistent {
public:
    explicit TCollection(TPersistent* Owner = nullptr) : FOwner(Owner) {}
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    // The item at Index; an index outside 0..Count-1 throws the list index error.
    TCollectionItem* GetItem(int Index) const;
    TCollectionItem* Add() { return NewItem(); }
    void Clear();
    void Delete(int Index);
    TPersistent* GetOwner() const override { return FOwner; }
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

protected:
    // Creates one item of the collection's item class (its constructor appends it).
    virtual TCollectionItem* NewItem() = 0;
    // Called after an item changed (Item) or the set of items changed (null).
    virtual void Update(TCollectionItem* Item) { (void)Item; }

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* Item);
    TPersistent* FOwner;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    bool FClearing = false;
};

// An ordered list of byte strings.
class TStringList : public TPersistent {
public:
    int Count() const { return static_cast<int>(FStrings.size()); }
    // The string at Index; an index outside 0..Count-1 throws the list index error.
    const std::string& Get(int Index) const;
    void Put(int Index, const std::string& S);
    int Add(const std::string& S);
    void Clear() { FStrings.clear(); }
    const std::vector<std::string>& Strings() const { return FStrings; }
    void Assign(const TPersistent& Source) override;

private:
    std::vector<std::string> FStrings;
};

} // namespace platform
