#include "grid/GridEx.h"

#include "grid/CellConversion.h"
#include "grid/InplaceEditEx.h"
#include "platform/NumberText.h"

using namespace platform;

TStringGridEx::TStringGridEx(QWidget* Parent)
    : TStringGrid(Parent), FColumnStyles(std::make_unique<TColumnStyles>(this)) {}

TStringGridEx::~TStringGridEx() = default;

const TColumnStyle* TStringGridEx::StyleOf(int ACol) const {
    if (ACol < 0 || ACol >= FColumnStyles->Count()) return nullptr;
    return FColumnStyles->GetColumn(ACol);
}

void TStringGridEx::Loaded() {
    TStringGrid::Loaded();
    for (int col = 0; col < ColCount(); ++col)
        SetCells(col, 0, FColumnStyles->GetColumn(col)->Header());
}

TInplaceEdit* TStringGridEx::CreateEditor() {
    return new TInplaceEditEx(this);
}

// ---- conversions -----------------------------------------------------------------------------------

std::string TStringGridEx::GetEditText(int ACol, int ARow) {
    const std::string base = TStringGrid::GetEditText(ACol, ARow);
    const TColumnStyle* style = StyleOf(ACol);
    return style ? gridex::EditTextOf(*style, base) : base;
}

// A column without a style keeps its cell and raises no event.
void TStringGridEx::SetEditText(int ACol, int ARow, const std::string& Value) {
    const TColumnStyle* style = StyleOf(ACol);
    if (!style) return;
    TStringGrid::SetEditText(ACol, ARow, gridex::DisplayTextOf(*style, Value));
}

std::string TStringGridEx::GetEditMask(int ACol, int ARow) {
    if (ACol < 0) return std::string();
    const TColumnStyle* style = FColumnStyles->GetColumn(ACol);
    switch (style->ColumnStyle()) {
    case csMaskEdit:
        return style->EditMask();
    case csNumeric:
    case csReal:
    case csList:
        return std::string();
    default:
        return TStringGrid::GetEditMask(ACol, ARow);
    }
}

std::int32_t TStringGridEx::GetInteger(int ACol, int ARow) const {
    return gridex::IntegerOf(FColumnStyles->GetColumn(ACol), Cells(ACol, ARow));
}

double TStringGridEx::GetReal(int ACol, int ARow) const {
    return gridex::RealOf(FColumnStyles->GetColumn(ACol), Cells(ACol, ARow));
}

void TStringGridEx::SetInteger(int ACol, int ARow, std::int32_t Value) {
    SetEditText(ACol, ARow, IntToStr(Value));
}

void TStringGridEx::SetReal(int ACol, int ARow, double Value) {
    SetEditText(ACol, ARow, gridex::EditTextOfReal(FColumnStyles->GetColumn(ACol), Value));
}

// ---- painting --------------------------------------------------------------------------------------

// The step after the default painting only raises OnDrawCell: the plain string grid's text painting
// would draw the text a second time, left-aligned.
void TStringGridEx::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (FColumnStyles->Count() < ColCount()) FColumnStyles->AdjustColumn();
    if (DefaultDrawing) DrawCellTextEx(ACol, ARow, ARect, AState);
    TCustomGrid::DrawCell(ACol, ARow, ARect, AState);
}

namespace {

// Without the single-line flag the vertical flags have no effect: text starts at the top.
unsigned TextFlagsOf(TAlignment Alignment) {
    switch (Alignment) {
    case taRightJustify:
        return DT_RIGHT | DT_BOTTOM;
    case taCenter:
        return DT_CENTER | DT_VCENTER;
    default:
        return DT_LEFT | DT_BOTTOM;
    }
}

} // namespace

void TStringGridEx::DrawCellTextEx(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    const TColumnStyle* style = StyleOf(ACol);
    if (!style) return;
    TCanvas& canvas = Canvas();
    const bool headerRow = ARow < FixedRows();
    const bool fixedCell = headerRow || ACol < FixedCols();
    const TAlignment alignment = headerRow ? style->HeaderAlignment() : style->DataAlignment();
    canvas.BrushColor = fixedCell ? style->HeaderBack() : style->DataBack();
    canvas.FontColor = fixedCell ? style->HeaderColor() : style->DataColor();
    // Selected and focused cells keep the background the base grid filled; only the text's own
    // background takes these colours.
    if (AState & gdSelected) {
        const bool current = Focused() && ACol == Col() && ARow == Row();
        canvas.FontColor = current ? FontColor : clWhite;
        canvas.BrushColor = current ? Color : clNavy;
    } else if (AState & gdFocused) {
        canvas.FontColor = FontColor;
        canvas.BrushColor = Color;
    } else {
        canvas.FillRect(ARect);
    }
    const TRect inner{ARect.Left + 2, ARect.Top + 2, ARect.Right - 2, ARect.Bottom - 2};
    canvas.DrawText(Cells(ACol, ARow), inner, TextFlagsOf(alignment));
}

// ---- keys ------------------------------------------------------------------------------------------

void TStringGridEx::WndProc(TMessage& Message) {
    const auto key = static_cast<WORD>(Message.WParam);
    if (Message.Msg == CM_WANTSPECIALKEY) {
        if (key == VK_TAB && FTabAction == taNext) {
            Message.Result = 1;
            return;
        }
        TStringGrid::WndProc(Message);
        // Enter never reaches a default button of the window while the grid has the focus.
        if (key == VK_RETURN) Message.Result = 1;
        return;
    }
    if (Message.Msg == WM_CHAR) {
        if (key == 9 && FTabAction == taNext) return;
        if (key == 13) {
            if (FEnterKeyToMove) GridMoveTo(13, false);
            return;
        }
    }
    TStringGrid::WndProc(Message);
}

void TStringGridEx::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_TAB && FTabAction == taNext) {
        GridMoveTo(9, (Shift & ssShift) != 0);
        return;
    }
    TStringGrid::KeyDown(Key, Shift);
}

// A wrap is two moves, each asked of OnSelectCell: first into the new column (or row), then to its end.
void TStringGridEx::GridMoveTo(char Key, bool Back) {
    if (Key == 13 && FEnterTo == etDown)
        MoveVertically(Back);
    else
        MoveHorizontally(Back);
}

void TStringGridEx::MoveVertically(bool Back) {
    if (!Back) {
        if (Row() < RowCount() - 1) {
            SetRow(Row() + 1);
        } else if (Col() + 1 < ColCount()) {
            SetCol(Col() + 1);
            SetRow(FixedRows());
        }
    } else {
        if (Row() > FixedRows()) {
            SetRow(Row() - 1);
        } else if (Col() > FixedCols()) {
            SetCol(Col() - 1);
            SetRow(RowCount() - 1);
        }
    }
}

void TStringGridEx::MoveHorizontally(bool Back) {
    if (!Back) {
        if (Col() < ColCount() - 1) {
            SetCol(Col() + 1);
        } else if (Row() + 1 < RowCount()) {
            SetRow(Row() + 1);
            SetCol(FixedCols());
        }
    } else {
        if (Col() > FixedCols()) {
            SetCol(Col() - 1);
        } else if (Row() > FixedRows()) {
            SetRow(Row() - 1);
            SetCol(ColCount() - 1);
        }
    }
}
