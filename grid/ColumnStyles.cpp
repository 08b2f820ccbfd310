#include "grid/ColumnStyles.h"

#include "grid/GridEx.h"
#include "platform/Colors.h"

#include <algorithm>
#include <cctype>

using platform::TCollection;
using platform::TComponent;
using platform::TPersistent;

// ---------------------------------------------------------------------------------------------------
// TRxKnNumeric, TRxKnReal

TRxKnNumeric::TRxKnNumeric(TColumnStyles* Styles) : FStyles(Styles) {}

void TRxKnNumeric::Assign(const TPersistent* Source) {
    if (!Source) return;
    const auto* source = dynamic_cast<const TRxKnNumeric*>(Source);
    if (!source) return TPersistent::Assign(*Source);
    Default = source->Default;
    HexChar = source->HexChar;
    Insertion = source->Insertion;
    InputMode = source->InputMode;
    Max = source->Max;
    Min = source->Min;
    OutputMode = source->OutputMode;
    Prefix = source->Prefix;
    Suffix = source->Suffix;
}

TRxKnReal::TRxKnReal(TColumnStyles* Styles) : FStyles(Styles) {}

void TRxKnReal::Assign(const TPersistent* Source) {
    if (!Source) return;
    const auto* source = dynamic_cast<const TRxKnReal*>(Source);
    if (!source) return TPersistent::Assign(*Source);
    Default = source->Default;
    Max = source->Max;
    Min = source->Min;
    FNumDecimals = source->FNumDecimals;
    Prefix = source->Prefix;
    Suffix = source->Suffix;
}

void TRxKnReal::SetNumDecimals(int Value) {
    if (Value >= 0) FNumDecimals = Value;
}

// ---------------------------------------------------------------------------------------------------
// TColumnStyle

TColumnStyle::TColumnStyle(TCollection* Collection) : TCollectionItem(Collection) {
    Setup(Collection);
}

TColumnStyle::TColumnStyle(TColumnStyles* Styles, DetachedTag) : TCollectionItem(nullptr) {
    Setup(Styles);
}

TColumnStyle::~TColumnStyle() = default;

void TColumnStyle::Setup(TCollection* Collection) {
    FStyles = dynamic_cast<TColumnStyles*>(Collection);
    FNumeric = std::make_unique<TRxKnNumeric>(FStyles);
    FReal = std::make_unique<TRxKnReal>(FStyles);
    FList = std::make_unique<platform::TStringList>();
    Assign(nullptr);
}

void TColumnStyle::Assign(const TPersistent* Source) {
    if (!Source) {
        FClearStart = true;
        FColumnStyle = csCharacter;
        FDataAlignment = platform::taLeftJustify;
        FDataColor = platform::clBlack;
        FDataBack = platform::clWhite;
        FEditMask.clear();
        FHeader.clear();
        FHeaderAlignment = platform::taCenter;
        FHeaderColor = platform::clBlack;
        FHeaderBack = platform::clBtnFace;
        FMaxLength = 0;
        FSelection = true;
        FWidth = 64;
        return;
    }
    const auto* source = dynamic_cast<const TColumnStyle*>(Source);
    if (!source) return TPersistent::Assign(*Source);
    FClearStart = source->FClearStart;
    FColumnStyle = source->FColumnStyle;
    FDataAlignment = source->FDataAlignment;
    FDataColor = source->FDataColor;
    FDataBack = source->FDataBack;
    FEditMask = source->FEditMask;
    FHeader = source->FHeader;
    FHeaderAlignment = source->FHeaderAlignment;
    FHeaderColor = source->FHeaderColor;
    FHeaderBack = source->FHeaderBack;
    FMaxLength = source->FMaxLength;
    FSelection = source->FSelection;
    FWidth = source->FWidth;
    WriteHeaderCell();
    WriteColumnWidth();
    FNumeric->Assign(source->FNumeric.get());
    FReal->Assign(source->FReal.get());
    FList->Assign(*source->FList);
    const TStringGridEx* grid = TouchableGrid();
    if (grid && Index() <= grid->ColCount()) INVALIDATE_STRINGGRIDEX();
}

TStringGridEx* TColumnStyle::TouchableGrid() const {
    if (!FStyles) return nullptr;
    const TComponent* owner = FStyles->Owner();
    if (!owner || TColumnStyles::IsEditDialog(owner) || owner->Loading()) return nullptr;
    return FStyles->Grid();
}

void TColumnStyle::WriteHeaderCell() {
    if (TStringGridEx* grid = TouchableGrid(); grid && IsItem()) grid->SetCells(Index(), 0, FHeader);
}

// The grid refuses a column it does not have, after the style has stored the width.
void TColumnStyle::WriteColumnWidth() {
    if (TStringGridEx* grid = TouchableGrid(); grid && IsItem()) grid->SetColWidths(Index(), FWidth);
}

void TColumnStyle::INVALIDATE_STRINGGRIDEX() {
    if (TStringGridEx* grid = TouchableGrid()) grid->Invalidate();
}

void TColumnStyle::SetClearStart(bool Value) {
    FClearStart = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetColumnStyle(enRxColumnStyle Value) {
    if (Value == FColumnStyle) return;
    FColumnStyle = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetDataAlignment(platform::TAlignment Value) {
    FDataAlignment = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetDataColor(platform::TColor Value) {
    FDataColor = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetDataBack(platform::TColor Value) {
    FDataBack = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetEditMask(const std::string& Value) {
    FEditMask = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetHeader(const std::string& Value) {
    FHeader = Value;
    WriteHeaderCell();
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetHeaderAlignment(platform::TAlignment Value) {
    FHeaderAlignment = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetHeaderColor(platform::TColor Value) {
    FHeaderColor = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetHeaderBack(platform::TColor Value) {
    FHeaderBack = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetMaxLength(int Value) {
    FMaxLength = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetSelection(bool Value) {
    FSelection = Value;
    INVALIDATE_STRINGGRIDEX();
}

void TColumnStyle::SetWidth(int Value) {
    FWidth = Value;
    WriteColumnWidth();
    INVALIDATE_STRINGGRIDEX();
}

// ---------------------------------------------------------------------------------------------------
// TColumnStyles

TColumnStyles::TColumnStyles(TComponent* Owner)
    : TCollection(Owner), FOwner(Owner),
      FGrid(Owner && !IsEditDialog(Owner) ? dynamic_cast<TStringGridEx*>(Owner) : nullptr),
      FDefault(new TColumnStyle(this, TColumnStyle::DetachedTag{})) {}

TColumnStyles::~TColumnStyles() = default;

bool TColumnStyles::IsEditDialog(const TComponent* Component) {
    const std::string name = Component->ClassName();
    static constexpr std::string_view dialog = "tcolumneditexdialog";
    return name.size() == dialog.size() &&
           std::equal(name.begin(), name.end(), dialog.begin(),
                      [](char A, char B) { return std::tolower(static_cast<unsigned char>(A)) == B; });
}

TColumnStyle* TColumnStyles::GetColumn(int Index) const {
    if (Index < 0) return nullptr;
    return static_cast<TColumnStyle*>(GetItem(Index));
}

void TColumnStyles::AdjustColumn() {
    if (!FGrid) return;
    if (Count() > FGrid->ColCount()) Clear();
    while (Count() < FGrid->ColCount())
        Add()->Assign(FDefault.get());
}

TPersistent* TColumnStyles::GetOwner() const {
    return FOwner;
}

platform::TCollectionItem* TColumnStyles::NewItem() {
    return new TColumnStyle(this);
}
