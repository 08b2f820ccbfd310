#pragma once
// The GridEx unit's string grid: a string grid whose columns each carry a TColumnStyle that decides how
// their cells are painted, edited, checked and converted, with Enter and Tab moves between cells.

#include "grid/ColumnStyles.h"
#include "platform/Grids.h"

#include <cstdint>
#include <memory>
#include <string>

// Direction of the Enter move: along the row, or down the column.
enum enStringGridEx_EnterTo : std::uint8_t { etLeft, etDown };
// What Tab does: the platform's focus navigation, or a move to the next cell.
enum enStringGridEx_TabAction : std::uint8_t { taExit, taNext };

class TStringGridEx : public platform::TStringGrid {
    Q_OBJECT
public:
    explicit TStringGridEx(QWidget* Parent = nullptr);
    ~TStringGridEx() override;

    TColumnStyles* ColumnStyles() const { return FColumnStyles.get(); }
    bool EnterKeyToMove() const { return FEnterKeyToMove; }
    void SetEnterKeyToMove(bool Value) { FEnterKeyToMove = Value; }
    enStringGridEx_EnterTo EnterTo() const { return FEnterTo; }
    void SetEnterTo(enStringGridEx_EnterTo Value) { FEnterTo = Value; }
    enStringGridEx_TabAction TabAction() const { return FTabAction; }
    void SetTabAction(enStringGridEx_TabAction Value) { FTabAction = Value; }

    // A cell read as an integer or a real, by its column's kind (the whole text read as decimal).
    virtual std::int32_t GetInteger(int ACol, int ARow) const;
    virtual double GetReal(int ACol, int ARow) const;
    // Moves the current cell for Enter (13) or Tab (9), backwards when Back, wrapping at the ends of
    // rows or columns and never into fixed cells.
    virtual void GridMoveTo(char Key, bool Back);
    // Stores a value through SetEditText, as its decimal (or general real) edit text.
    virtual void SetInteger(int ACol, int ARow, std::int32_t Value);
    virtual void SetReal(int ACol, int ARow, double Value);
    // Text files of the data cells (GridExFiles.cpp).
    virtual void LoadFromFile(const std::string& FileName);
    virtual void LoadFromFormatFile(const std::string& FileName);
    virtual void SaveToFile(const std::string& FileName);
    virtual void SaveToFormatFile(const std::string& FileName);

    // Ends loading, then writes each column style's Header into row 0.
    void Loaded() override;
    void WndProc(platform::TMessage& Message) override;
    platform::TInplaceEdit* CreateEditor() override;
    void DrawCell(int ACol, int ARow, const platform::TRect& ARect, platform::TGridDrawState AState) override;
    void KeyDown(platform::WORD& Key, platform::TShiftState Shift) override;
    std::string GetEditMask(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;

    // The default painting of one cell in its column's colours and alignment.
    void DrawCellTextEx(int ACol, int ARow, const platform::TRect& ARect, platform::TGridDrawState AState);

private:
    // The column's style when the column has one (0..Count-1), else null.
    const TColumnStyle* StyleOf(int ACol) const;
    void MoveVertically(bool Back);
    void MoveHorizontally(bool Back);

    std::unique_ptr<TColumnStyles> FColumnStyles;
    bool FEnterKeyToMove = false;
    enStringGridEx_EnterTo FEnterTo = etLeft;
    enStringGridEx_TabAction FTabAction = taExit;
};
