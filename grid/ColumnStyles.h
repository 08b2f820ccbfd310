#pragma once
// The column style model of the GridEx unit: one TColumnStyle per grid column, held in the grid's
// TColumnStyles, each with its integer settings (TRxKnNumeric), real settings (TRxKnReal) and list
// entries. Settings only: changing one never rewrites a cell's text; the grid reads them when it
// paints, edits and converts. No Qt here, so the conversions can use these classes without a display.

#include "controls/NumEdit.h"
#include "platform/Classes.h"
#include "platform/Colors.h"

#include <cstdint>
#include <memory>
#include <string>

class TStringGridEx;
class TColumnStyles;

// Kind of value a column holds.
enum enRxColumnStyle : std::uint8_t { csCharacter, csMaskEdit, csNumeric, csReal, csList };

// Integer settings of a csNumeric column: notation while editing and for display, limits, decorations.
class TRxKnNumeric : public platform::TPersistent {
public:
    explicit TRxKnNumeric(TColumnStyles* Styles);

    // Null leaves everything as it is; otherwise every setting is copied (not the owning collection).
    void Assign(const platform::TPersistent* Source);
    void Assign(const platform::TPersistent& Source) override { Assign(&Source); }
    TColumnStyles* Styles() const { return FStyles; }

    double Default = 0.0;
    enIntEdit_HexChar HexChar = hcUpper;
    enIntEdit_Insertion Insertion = inNone;
    enIntEdit_IOMode InputMode = imDec;
    double Max = 10000000.0;
    double Min = -10000000.0;
    enIntEdit_IOMode OutputMode = imDec;
    std::string Prefix;
    std::string Suffix;

private:
    TColumnStyles* FStyles;
};

// Real settings of a csReal column.
class TRxKnReal : public platform::TPersistent {
public:
    // The largest double below 10^10 and its negation.
    static constexpr double DefaultMax = 9999999999.999998;
    static constexpr double DefaultMin = -9999999999.999998;

    explicit TRxKnReal(TColumnStyles* Styles);

    void Assign(const platform::TPersistent* Source);
    void Assign(const platform::TPersistent& Source) override { Assign(&Source); }
    TColumnStyles* Styles() const { return FStyles; }

    int NumDecimals() const { return FNumDecimals; }
    // A negative count is ignored.
    void SetNumDecimals(int Value);

    double Default = 0.0;
    double Max = DefaultMax;
    double Min = DefaultMin;
    std::string Prefix;
    std::string Suffix;

private:
    TColumnStyles* FStyles;
    int FNumDecimals = 0;
};

// The style of one grid column: item i of the collection styles column i. Setters store the value and
// then update the grid (header cell, column width, repaint) as far as the owner rule allows.
class TColumnStyle : public platform::TCollectionItem {
public:
    // Appends the new style to Collection (which must be a TColumnStyles) with the default settings.
    explicit TColumnStyle(platform::TCollection* Collection);
    ~TColumnStyle() override;

    // Null sets the default settings and leaves List, Numeric and Real alone, without touching the grid.
    // A style is copied whole, its List, Numeric and Real included; then the grid takes its header and
    // width and is repainted.
    void Assign(const platform::TPersistent* Source);
    void Assign(const platform::TPersistent& Source) override { Assign(&Source); }

    TColumnStyles* Styles() const { return FStyles; }

    bool ClearStart() const { return FClearStart; }
    enRxColumnStyle ColumnStyle() const { return FColumnStyle; }
    platform::TAlignment DataAlignment() const { return FDataAlignment; }
    platform::TColor DataBack() const { return FDataBack; }
    platform::TColor DataColor() const { return FDataColor; }
    const std::string& EditMask() const { return FEditMask; }
    const std::string& Header() const { return FHeader; }
    platform::TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    platform::TColor HeaderBack() const { return FHeaderBack; }
    platform::TColor HeaderColor() const { return FHeaderColor; }
    platform::TStringList& List() { return *FList; }
    const platform::TStringList& List() const { return *FList; }
    int MaxLength() const { return FMaxLength; }
    TRxKnNumeric& Numeric() { return *FNumeric; }
    const TRxKnNumeric& Numeric() const { return *FNumeric; }
    TRxKnReal& Real() { return *FReal; }
    const TRxKnReal& Real() const { return *FReal; }
    bool Selection() const { return FSelection; }
    int Width() const { return FWidth; }

    void SetClearStart(bool Value);
    // An unchanged kind does nothing, not even a repaint.
    void SetColumnStyle(enRxColumnStyle Value);
    void SetDataAlignment(platform::TAlignment Value);
    void SetDataColor(platform::TColor Value);
    void SetDataBack(platform::TColor Value);
    void SetEditMask(const std::string& Value);
    // Also writes the grid's cell of this column in row 0.
    void SetHeader(const std::string& Value);
    void SetHeaderAlignment(platform::TAlignment Value);
    void SetHeaderColor(platform::TColor Value);
    void SetHeaderBack(platform::TColor Value);
    void SetMaxLength(int Value);
    void SetSelection(bool Value);
    // Also sets the grid's width of this column; the grid refuses a column it does not have.
    void SetWidth(int Value);

    // Marks the whole grid for repainting, as far as the owner rule allows.
    void INVALIDATE_STRINGGRIDEX();

private:
    friend class TColumnStyles;
    struct DetachedTag {};
    // The collection's Default: linked to the collection but not one of its items.
    TColumnStyle(TColumnStyles* Styles, DetachedTag);
    void Setup(platform::TCollection* Collection);
    // The grid this style may touch now, or null (owner rule).
    TStringGridEx* TouchableGrid() const;
    bool IsItem() const { return Index() >= 0; }
    void WriteHeaderCell();
    void WriteColumnWidth();

    TColumnStyles* FStyles = nullptr;
    bool FClearStart = true;
    enRxColumnStyle FColumnStyle = csCharacter;
    platform::TAlignment FDataAlignment = 0;
    platform::TColor FDataBack = 0;
    platform::TColor FDataColor = 0;
    std::string FEditMask;
    std::string FHeader;
    platform::TAlignment FHeaderAlignment = 0;
    platform::TColor FHeaderBack = 0;
    platform::TColor FHeaderColor = 0;
    std::unique_ptr<platform::TStringList> FList;
    int FMaxLength = 0;
    std::unique_ptr<TRxKnNumeric> FNumeric;
    std::unique_ptr<TRxKnReal> FReal;
    bool FSelection = true;
    int FWidth = 64;
};

// The styles of a grid's columns, with the template that new styles are copied from.
class TColumnStyles : public platform::TCollection {
public:
    // Owner is normally the grid; an owner whose class name is "TColumnEditExDialog" (any letter case)
    // is a column-style editing dialog, and then no grid is ever touched.
    explicit TColumnStyles(platform::TComponent* Owner);
    ~TColumnStyles() override;

    // Below 0 null; 0..Count-1 that style; Count or more the list index error.
    virtual TColumnStyle* GetColumn(int Index) const;
    TColumnStyle* Column(int Index) const { return GetColumn(Index); }
    TColumnStyle* Add() { return static_cast<TColumnStyle*>(platform::TCollection::Add()); }

    // Makes Count equal to the grid's ColCount: with more styles than columns all are replaced; missing
    // ones are added as copies of Default.
    void AdjustColumn();

    TColumnStyle* Default() const { return FDefault.get(); }
    // Copies Value's settings into Default; Value stays the caller's.
    void SetDefault(const TColumnStyle& Value) { FDefault->Assign(&Value); }
    TStringGridEx* Grid() const { return FGrid; }
    platform::TComponent* Owner() const { return FOwner; }
    platform::TPersistent* GetOwner() const override;

    // Whether a component is a column-style editing dialog (its class name, ASCII case ignored).
    static bool IsEditDialog(const platform::TComponent* Component);

protected:
    platform::TCollectionItem* NewItem() override;

private:
    platform::TComponent* FOwner;
    TStringGridEx* FGrid;
    std::unique_ptr<TColumnStyle> FDefault;
};
