#pragma once
// The base string grid: a scroll area that paints its own cells, with fixed rows and columns, a current
// cell and a selection, keyboard and mouse handling, and an in-place editor whose text it stores
// through the overridable SetEditText.

#include "platform/Graphics.h"
#include "platform/GridGeometry.h"
#include "platform/StdCtrls.h"

#include <QAbstractScrollArea>

#include <functional>
#include <string>
#include <vector>

namespace platform {

class TCustomGrid;

enum : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = unsigned;

enum : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = unsigned;

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// The editor that a grid places over its current cell. Keys that move between cells go to the grid; Esc
// cancels the edit; every change of the text is stored in the cell at once.
class TInplaceEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(TCustomGrid* Grid);
    TCustomGrid* Grid() const { return FGrid; }
    // Fills the editor for the grid's current cell: clears it, then takes the edit mask and the text.
    virtual void RefreshContents();
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DefaultHandler(TMessage& Message) override;

protected:
    void Change() override;
    bool event(QEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    TCustomGrid* FGrid;
};

class TCustomGrid : public QAbstractScrollArea, public TWinControl, public TComponent {
    Q_OBJECT
public:
    explicit TCustomGrid(QWidget* Parent = nullptr);
    ~TCustomGrid() override;

    std::string ClassName() const override { return metaObject()->className(); }

    int ColCount() const { return FCols.Count; }
    void SetColCount(int Value);
    int RowCount() const { return FRows.Count; }
    void SetRowCount(int Value);
    int FixedCols() const { return FCols.Fixed; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FRows.Fixed; }
    void SetFixedRows(int Value);
    int DefaultColWidth() const { return FCols.DefaultSize; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FRows.DefaultSize; }
    void SetDefaultRowHeight(int Value);
    // Setting the size of a column or row the grid does not have raises EInvalidGridOperation.
    int ColWidths(int Index) const { return FCols.Size(Index); }
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const { return FRows.Size(Index); }
    void SetRowHeights(int Index, int Value);
    int GridLineWidth() const { return FCols.LineWidth; }

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);

    // The current cell. Setting it moves like a user's move: OnSelectCell is asked first, an open
    // editor is closed (its text stored), the selection shrinks to the cell, and it is scrolled into view.
    // Setting the value it already has does nothing.
    int Col() const { return FCurrent.X; }
    void SetCol(int Value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int Value);
    TGridRect Selection() const;
    // The anchor goes to the top left, the current cell to the bottom right, without asking
    // OnSelectCell; an open editor is closed first, so its text lands in the cell it was opened for.
    void SetSelection(const TGridRect& Value);
    int TopRow() const { return FRows.FirstScrollable; }
    void SetTopRow(int Value);
    int LeftCol() const { return FCols.FirstScrollable; }
    void SetLeftCol(int Value);
    int VisibleRowCount() const;
    int VisibleColCount() const;

    bool DefaultDrawing = true;
    TColor Color = clWindow;
    TColor FixedColor = clBtnFace;
    TColor FontColor = clWindowText;

    // The cell under a point of the grid's client area; -1, -1 outside every cell.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    // The cell's rectangle in the client area; empty when the cell is out of sight.
    TRect CellRect(int ACol, int ARow) const;
    // Whether the grid itself holds the keyboard focus (not its editor).
    bool Focused() const { return hasFocus(); }

    bool EditorMode() const;
    void SetEditorMode(bool Value);
    // Shows the editor over the current cell, filled from it, when editing is allowed there.
    void ShowEditor();
    // Closes the editor; when the user changed its text, the text is stored once more.
    void HideEditor();
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditText;
    TGetEditEvent OnGetEditMask;
    TSetEditEvent OnSetEditText;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // The grid's own painting and editing hooks.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow);
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow() const;

    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DefaultHandler(TMessage& Message) override;
    // Marks the whole grid for repainting.
    void Invalidate() { viewport()->update(); }
    void InvalidateCell(int ACol, int ARow);
    // The canvas of the paint in progress; valid only inside DrawCell.
    TCanvas& Canvas() { return *FCanvas; }

protected:
    // Moves the current cell to (ACol, ARow); with MoveAnchor the selection becomes that one cell,
    // otherwise it stretches from the anchor. Returns false when the move was refused.
    bool MoveCurrent(int ACol, int ARow, bool MoveAnchor);
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    // Esc after a change: gives the cell back what it held when the editor was filled. The base grid,
    // which keeps no texts, stores the fill text again.
    virtual void RestoreEditedCell(int ACol, int ARow, const std::string& FilledText);
    // The editor has just been filled for this cell.
    virtual void EditorFilled(int ACol, int ARow);
    // Called when the in-place editor's text changed through the user.
    void EditorTextChanged();
    // Esc in the editor: closes it and undoes what it stored.
    void CancelEditing();

    bool event(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    bool viewportEvent(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void scrollContentsBy(int DX, int DY) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    friend class TInplaceEdit;
    void PaintCells(QPainter& Painter, const QRect& Exposed);
    void PaintCell(TCanvas& Canvas, int ACol, int ARow, const TRect& Rect);
    TGridDrawState StateOf(int ACol, int ARow) const;
    bool IsActiveControl() const;
    void UpdateScrollBars();
    void ScrollIntoView(int ACol, int ARow);
    void PlaceEditor();
    void MoveByKey(int DCol, int DRow, bool Extend);
    int PageRows() const;
    // After a change of the counts or fixed counts: the current cell and the anchor are brought inside
    // the scrollable cells, without asking OnSelectCell.
    void KeepCurrentInside();
    // Tab in the editor that the grid does not keep: the editor closes and the grid takes the key.
    bool EditorTabLeaves(QKeyEvent* Event);

    TGridAxis FCols;
    TGridAxis FRows;
    TGridOptions FOptions;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TInplaceEdit* FInplaceEdit = nullptr;
    bool FEditorShowing = false;
    bool FFillingEditor = false;
    // The user changed the editor's text since it was filled.
    bool FEditorModified = false;
    std::string FFilledText;
    bool FSelecting = false;
    bool FClickOnCurrent = false;
    bool FNativeEvent = false;
    bool FSyncingScrollBars = false;
    bool FPaintErrorPending = false;
    TCanvas* FCanvas = nullptr;
};

// A grid with a text and an object slot per cell.
class TStringGrid : public TCustomGrid {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* Parent = nullptr);

    const std::string& Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string& Value);
    void* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, void* Value);

    // Paints the cell text (when DefaultDrawing), then raises OnDrawCell.
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    std::string GetEditText(int ACol, int ARow) override;
    // Stores the text when it differs (an open editor is not refreshed from it), then raises
    // OnSetEditText whether or not it differed.
    void SetEditText(int ACol, int ARow, const std::string& Value) override;

protected:
    void SizeChanged(int OldColCount, int OldRowCount) override;
    // Puts back the cell text the editor started from and raises OnSetEditText with it.
    void RestoreEditedCell(int ACol, int ARow, const std::string& FilledText) override;
    void EditorFilled(int ACol, int ARow) override;

private:
    struct Cell {
        std::string Text;
        void* Object = nullptr;
    };
    bool InRange(int ACol, int ARow) const;
    std::vector<Cell> FCells; // row-major
    int FStride = 0;
    std::string FTextBeforeEdit;
};

} // namespace platform
