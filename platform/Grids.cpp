#include "platform/Grids.h"

#include "platform/EventGuard.h"
#include "platform/Exceptions.h"
#include "platform/Forms.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace platform {

// ---------------------------------------------------------------------------------------------------
// TCustomGrid

TCustomGrid::TCustomGrid(QWidget* Parent) : QAbstractScrollArea(Parent) {
    FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    FCols.DefaultSize = 64;
    FRows.DefaultSize = 24;
    FCols.Count = 5;
    FRows.Count = 5;
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setTracking(false);
    verticalScrollBar()->setTracking(false);
    UpdateScrollBars();
}

// The editor goes first: it must not reach back into a grid that is partly destroyed.
TCustomGrid::~TCustomGrid() {
    FEditorShowing = false;
    delete FInplaceEdit;
    FInplaceEdit = nullptr;
}

namespace {

[[noreturn]] void ThrowGridIndexError() {
    throw EInvalidGridOperation("ｸﾞﾘｯﾄﾞｲﾝﾃﾞｯｸｽ が範囲を超えています");
}

// New fixed count of an axis: an axis that was not scrolled stays unscrolled, so cells that stop being
// fixed come into sight.
void SetFixedCount(TGridAxis& Axis, int Value) {
    const bool unscrolled = Axis.FirstScrollable == Axis.Fixed;
    Axis.Fixed = Value;
    Axis.FirstScrollable = unscrolled ? Value : std::max(Axis.FirstScrollable, Value);
}

} // namespace

void TCustomGrid::SetColCount(int Value) {
    if (Value < 1 || Value == FCols.Count) return;
    if (FCurrent.X >= Value) HideEditor();
    const int old = FCols.Count;
    FCols.Fixed = std::min(FCols.Fixed, Value - 1);
    FCols.Resize(Value);
    SizeChanged(old, FRows.Count);
    KeepCurrentInside();
}

void TCustomGrid::SetRowCount(int Value) {
    if (Value < 1 || Value == FRows.Count) return;
    if (FCurrent.Y >= Value) HideEditor();
    const int old = FRows.Count;
    FRows.Fixed = std::min(FRows.Fixed, Value - 1);
    FRows.Resize(Value);
    SizeChanged(FCols.Count, old);
    KeepCurrentInside();
}

void TCustomGrid::SetFixedCols(int Value) {
    if (Value < 0 || Value >= FCols.Count || Value == FCols.Fixed) return;
    if (FCurrent.X < Value) HideEditor();
    SetFixedCount(FCols, Value);
    KeepCurrentInside();
}

void TCustomGrid::SetFixedRows(int Value) {
    if (Value < 0 || Value >= FRows.Count || Value == FRows.Fixed) return;
    if (FCurrent.Y < Value) HideEditor();
    SetFixedCount(FRows, Value);
    KeepCurrentInside();
}

void TCustomGrid::KeepCurrentInside() {
    FCurrent = TGridCoord{FCols.ClampScrollable(FCurrent.X), FRows.ClampScrollable(FCurrent.Y)};
    FAnchor = TGridCoord{FCols.ClampScrollable(FAnchor.X), FRows.ClampScrollable(FAnchor.Y)};
    FCols.ClampScroll(viewport()->width());
    FRows.ClampScroll(viewport()->height());
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    FCols.DefaultSize = Value;
    FCols.ResetSizes();
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    FRows.DefaultSize = Value;
    FRows.ResetSizes();
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetColWidths(int Index, int Value) {
    if (Index < 0 || Index >= FCols.Count) ThrowGridIndexError();
    FCols.SetSize(Index, Value);
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
    if (Index < 0 || Index >= FRows.Count) ThrowGridIndexError();
    FRows.SetSize(Index, Value);
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    if (Value == FOptions) return;
    const bool wasEditing = FOptions & goEditing;
    FOptions = Value;
    if (!(FOptions & goRangeSelect)) FAnchor = FCurrent;
    if (wasEditing && !(FOptions & goEditing)) HideEditor();
    horizontalScrollBar()->setTracking(FOptions & goThumbTracking);
    verticalScrollBar()->setTracking(FOptions & goThumbTracking);
    if ((FOptions & goAlwaysShowEditor) && (FOptions & goEditing)) ShowEditor();
    Invalidate();
}

TGridRect TCustomGrid::Selection() const {
    if (FOptions & goRowSelect)
        return TGridRect{FCols.Fixed, std::min(FAnchor.Y, FCurrent.Y), FCols.Count - 1,
                         std::max(FAnchor.Y, FCurrent.Y)};
    return GridRectOf(FAnchor, FCurrent);
}

void TCustomGrid::SetCol(int Value) {
    if (Value != FCurrent.X) MoveCurrent(Value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int Value) {
    if (Value != FCurrent.Y) MoveCurrent(FCurrent.X, Value, true);
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
    const TGridCoord current{FCols.ClampScrollable(Value.Right), FRows.ClampScrollable(Value.Bottom)};
    if (!(current == FCurrent)) HideEditor();
    FAnchor = TGridCoord{FCols.ClampScrollable(Value.Left), FRows.ClampScrollable(Value.Top)};
    FCurrent = current;
    ScrollIntoView(FCurrent.X, FCurrent.Y);
    Invalidate();
}

void TCustomGrid::SetTopRow(int Value) {
    FRows.FirstScrollable = FRows.ClampScrollable(Value);
    FRows.ClampScroll(viewport()->height());
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
}

void TCustomGrid::SetLeftCol(int Value) {
    FCols.FirstScrollable = FCols.ClampScrollable(Value);
    FCols.ClampScroll(viewport()->width());
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
}

int TCustomGrid::VisibleRowCount() const {
    return FRows.LastFullyVisible(viewport()->height()) - FRows.FirstScrollable + 1;
}

int TCustomGrid::VisibleColCount() const {
    return FCols.LastFullyVisible(viewport()->width()) - FCols.FirstScrollable + 1;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord cell = MouseCoord(X, Y);
    ACol = cell.X;
    ARow = cell.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    const int col = FCols.IndexAt(X);
    const int row = FRows.IndexAt(Y);
    if (col < 0 || row < 0) return TGridCoord{-1, -1};
    return TGridCoord{col, row};
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    const int left = FCols.Position(ACol);
    const int top = FRows.Position(ARow);
    if (left < 0 || top < 0) return TRect{};
    return TRect{left, top, left + FCols.Size(ACol), top + FRows.Size(ARow)};
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

void TCustomGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

std::string TCustomGrid::GetEditText(int ACol, int ARow) {
    std::string value;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

std::string TCustomGrid::GetEditMask(int ACol, int ARow) {
    std::string mask;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

TInplaceEdit* TCustomGrid::CreateEditor() {
    return new TInplaceEdit(this);
}

bool TCustomGrid::CanEditShow() const {
    return (FOptions & goEditing) && !(FOptions & goRowSelect) && FCurrent.X >= FCols.Fixed &&
           FCurrent.Y >= FRows.Fixed;
}

bool TCustomGrid::EditorMode() const {
    return FEditorShowing;
}

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

// An editor already showing for the current cell keeps its text and only takes the focus.
void TCustomGrid::ShowEditor() {
    if (!CanEditShow()) return;
    if (!FInplaceEdit) FInplaceEdit = CreateEditor();
    if (!FEditorShowing) {
        struct Filling {
            bool& Flag;
            explicit Filling(bool& F) : Flag(F) { Flag = true; }
            ~Filling() { Flag = false; }
        };
        {
            Filling filling(FFillingEditor);
            FInplaceEdit->RefreshContents();
        }
        FFilledText = FInplaceEdit->GetText();
        FEditorModified = false;
        EditorFilled(FCurrent.X, FCurrent.Y);
        FEditorShowing = true;
        ScrollIntoView(FCurrent.X, FCurrent.Y);
        PlaceEditor();
        FInplaceEdit->show();
        InvalidateCell(FCurrent.X, FCurrent.Y);
    }
    FInplaceEdit->setFocus(Qt::OtherFocusReason);
}

// Each change was stored as it was made; the store on closing repeats the last one. An editor the user
// did not change stores nothing, so opening and closing it never alters a cell.
void TCustomGrid::HideEditor() {
    if (!FEditorShowing || !FInplaceEdit) return;
    FEditorShowing = false;
    const bool store = FEditorModified;
    FEditorModified = false;
    const std::string text = FInplaceEdit->GetText();
    // The grid takes the focus before the editor hides, so that Qt does not pass it to another control.
    if (FInplaceEdit->hasFocus() || window()->focusWidget() == FInplaceEdit) setFocus(Qt::OtherFocusReason);
    FInplaceEdit->hide();
    Invalidate();
    if (store) SetEditText(FCurrent.X, FCurrent.Y, text);
}

void TCustomGrid::CancelEditing() {
    if (!FEditorShowing) return;
    const bool changed = FEditorModified;
    FEditorModified = false;
    HideEditor();
    if (changed) RestoreEditedCell(FCurrent.X, FCurrent.Y, FFilledText);
}

void TCustomGrid::RestoreEditedCell(int ACol, int ARow, const std::string& FilledText) {
    SetEditText(ACol, ARow, FilledText);
}

void TCustomGrid::EditorFilled(int, int) {}

void TCustomGrid::EditorTextChanged() {
    if (FFillingEditor || !FEditorShowing) return;
    FEditorModified = true;
    SetEditText(FCurrent.X, FCurrent.Y, FInplaceEdit->GetText());
}

bool TCustomGrid::EditorTabLeaves(QKeyEvent* Event) {
    if (!FEditorShowing || VirtualKeyOf(*Event) != VK_TAB || (ShiftStateOf(*Event) & ssAlt)) return false;
    if (FInplaceEdit->Perform(CM_WANTSPECIALKEY, VK_TAB, 0) == 1) return false;
    GuardedEvent([this] { return HideEditor(), true; });
    QApplication::sendEvent(this, Event);
    return true;
}

void TCustomGrid::PlaceEditor() {
    if (!FEditorShowing || !FInplaceEdit) return;
    const TRect rect = CellRect(FCurrent.X, FCurrent.Y);
    if (rect.Width() <= 0) {
        FInplaceEdit->setGeometry(-100, -100, 1, 1);
        return;
    }
    FInplaceEdit->setGeometry(rect.ToQRect());
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    const TRect rect = CellRect(ACol, ARow);
    if (rect.Width() > 0) viewport()->update(rect.ToQRect().adjusted(-1, -1, 1, 1));
}

bool TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor) {
    ACol = FCols.ClampScrollable(ACol);
    ARow = FRows.ClampScrollable(ARow);
    const TGridCoord target{ACol, ARow};
    const bool anchorMoves = MoveAnchor || !(FOptions & goRangeSelect);
    const bool cellChanges = !(target == FCurrent);
    if (!cellChanges && (!anchorMoves || FAnchor == FCurrent)) return true;
    if (cellChanges && !SelectCell(ACol, ARow)) return false;
    const bool keepEditor = (FOptions & goAlwaysShowEditor) && FEditorShowing;
    if (cellChanges) HideEditor();
    FCurrent = target;
    if (anchorMoves) FAnchor = target;
    ScrollIntoView(ACol, ARow);
    if (keepEditor && cellChanges) ShowEditor();
    Invalidate();
    return true;
}

void TCustomGrid::ScrollIntoView(int ACol, int ARow) {
    const int oldLeft = FCols.FirstScrollable;
    const int oldTop = FRows.FirstScrollable;
    FCols.ScrollIntoView(ACol, viewport()->width());
    FRows.ScrollIntoView(ARow, viewport()->height());
    if (oldLeft != FCols.FirstScrollable || oldTop != FRows.FirstScrollable) {
        UpdateScrollBars();
        PlaceEditor();
        Invalidate();
    }
}

void TCustomGrid::UpdateScrollBars() {
    FSyncingScrollBars = true;
    const int maxLeft = FCols.MaxFirstScrollable(viewport()->width());
    const int maxTop = FRows.MaxFirstScrollable(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, maxLeft - FCols.Fixed));
    horizontalScrollBar()->setPageStep(std::max(1, VisibleColCount()));
    horizontalScrollBar()->setValue(FCols.FirstScrollable - FCols.Fixed);
    verticalScrollBar()->setRange(0, std::max(0, maxTop - FRows.Fixed));
    verticalScrollBar()->setPageStep(std::max(1, VisibleRowCount()));
    verticalScrollBar()->setValue(FRows.FirstScrollable - FRows.Fixed);
    FSyncingScrollBars = false;
}

void TCustomGrid::scrollContentsBy(int, int) {
    if (FSyncingScrollBars) return;
    FCols.FirstScrollable = FCols.Fixed + horizontalScrollBar()->value();
    FRows.FirstScrollable = FRows.Fixed + verticalScrollBar()->value();
    PlaceEditor();
    Invalidate();
}

void TCustomGrid::resizeEvent(QResizeEvent* Event) {
    QAbstractScrollArea::resizeEvent(Event);
    FCols.ClampScroll(viewport()->width());
    FRows.ClampScroll(viewport()->height());
    UpdateScrollBars();
    PlaceEditor();
}

void TCustomGrid::SizeChanged(int, int) {}

// ---- painting --------------------------------------------------------------------------------------

// The grid is its window's active control even while another window has the keyboard.
bool TCustomGrid::IsActiveControl() const {
    return window()->focusWidget() == this;
}

TGridDrawState TCustomGrid::StateOf(int ACol, int ARow) const {
    TGridDrawState state = 0;
    if (ACol < FCols.Fixed || ARow < FRows.Fixed) return gdFixed;
    if (Selection().Contains(ACol, ARow)) state |= gdSelected;
    if (ACol == FCurrent.X && ARow == FCurrent.Y && IsActiveControl()) state |= gdFocused;
    return state;
}

// An error while painting is shown once the paint is over, not from inside it.
void TCustomGrid::paintEvent(QPaintEvent* Event) {
    QPainter painter(viewport());
    try {
        PaintCells(painter, Event->rect());
    } catch (const std::exception& Error) {
        FCanvas = nullptr;
        if (FPaintErrorPending) return;
        FPaintErrorPending = true;
        QTimer::singleShot(0, this, [this, message = std::string(Error.what())] {
            Application().HandleException(Exception(message));
            FPaintErrorPending = false;
        });
    }
}

void TCustomGrid::PaintCells(QPainter& Painter, const QRect& Exposed) {
    const QPalette& palette = this->palette();
    TCanvas canvas(Painter, palette);
    FCanvas = &canvas;
    Painter.fillRect(Exposed, ToQColor(Color, palette));
    const int lastCol = FCols.LastVisible(viewport()->width());
    const int lastRow = FRows.LastVisible(viewport()->height());
    auto visible = [](const TGridAxis& Axis, int Last) {
        std::vector<int> indexes;
        for (int i = 0; i < Axis.Fixed && i < Axis.Count; ++i)
            indexes.push_back(i);
        for (int i = Axis.FirstScrollable; i <= Last; ++i)
            indexes.push_back(i);
        return indexes;
    };
    const std::vector<int> cols = visible(FCols, lastCol);
    const std::vector<int> rows = visible(FRows, lastRow);
    for (int row : rows)
        for (int col : cols) {
            const TRect rect = CellRect(col, row);
            if (!Exposed.intersects(rect.ToQRect().adjusted(0, 0, 1, 1))) continue;
            if (FEditorShowing && col == FCurrent.X && row == FCurrent.Y) continue;
            PaintCell(canvas, col, row, rect);
        }
    FCanvas = nullptr;
}

void TCustomGrid::PaintCell(TCanvas& Canvas, int ACol, int ARow, const TRect& Rect) {
    const TGridDrawState state = StateOf(ACol, ARow);
    const bool fixed = state & gdFixed;
    Canvas.Painter().save();
    if (DefaultDrawing) {
        Canvas.Font = font();
        const bool highlight = (state & gdSelected) &&
                               (!(state & gdFocused) || (FOptions & (goDrawFocusSelected | goRowSelect)));
        if (highlight) {
            Canvas.BrushColor = clHighlight;
            Canvas.FontColor = clHighlightText;
        } else {
            Canvas.BrushColor = fixed ? FixedColor : Color;
            Canvas.FontColor = FontColor;
        }
        Canvas.FillRect(Rect);
    }
    DrawCell(ACol, ARow, Rect, state);
    Canvas.Painter().restore();

    const bool vertLine = FOptions & (fixed ? goFixedVertLine : goVertLine);
    const bool horzLine = FOptions & (fixed ? goFixedHorzLine : goHorzLine);
    const TColor lineColor = fixed ? clBlack : clBtnFace;
    if (vertLine) Canvas.Line(Rect.Right, Rect.Top, Rect.Right, Rect.Bottom, lineColor);
    if (horzLine) Canvas.Line(Rect.Left, Rect.Bottom, Rect.Right, Rect.Bottom, lineColor);
    if (fixed) {
        // Raised edge: light top and left, shadow bottom and right.
        Canvas.Line(Rect.Left, Rect.Top, Rect.Right - 1, Rect.Top, clBtnHighlight);
        Canvas.Line(Rect.Left, Rect.Top, Rect.Left, Rect.Bottom - 1, clBtnHighlight);
        Canvas.Line(Rect.Left, Rect.Bottom - 1, Rect.Right - 1, Rect.Bottom - 1, clBtnShadow);
        Canvas.Line(Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom - 1, clBtnShadow);
    }
    if ((state & gdFocused) && !(FOptions & goRowSelect)) {
        Canvas.Painter().save();
        QPen pen(ToQColor(clWindowText, Canvas.Palette()));
        pen.setStyle(Qt::DotLine);
        Canvas.Painter().setPen(pen);
        Canvas.Painter().drawRect(Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1);
        Canvas.Painter().restore();
    }
}

// ---- keyboard --------------------------------------------------------------------------------------

int TCustomGrid::PageRows() const {
    return std::max(1, VisibleRowCount());
}

void TCustomGrid::MoveByKey(int DCol, int DRow, bool Extend) {
    const bool extend = Extend && (FOptions & goRangeSelect);
    MoveCurrent(FCurrent.X + DCol, FCurrent.Y + DRow, !extend);
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
    const bool shift = Shift & ssShift;
    const bool ctrl = Shift & ssCtrl;
    switch (Key) {
    case VK_UP:
        MoveByKey(0, -1, shift);
        break;
    case VK_DOWN:
        MoveByKey(0, 1, shift);
        break;
    case VK_LEFT:
        MoveByKey(-1, 0, shift);
        break;
    case VK_RIGHT:
        MoveByKey(1, 0, shift);
        break;
    case VK_PRIOR:
        MoveByKey(0, -PageRows(), shift);
        break;
    case VK_NEXT:
        MoveByKey(0, PageRows(), shift);
        break;
    case VK_HOME:
        if (ctrl)
            MoveCurrent(FCols.Fixed, FRows.Fixed, !(shift && (FOptions & goRangeSelect)));
        else
            MoveCurrent(FCols.Fixed, FCurrent.Y, !(shift && (FOptions & goRangeSelect)));
        break;
    case VK_END:
        if (ctrl)
            MoveCurrent(FCols.Count - 1, FRows.Count - 1, !(shift && (FOptions & goRangeSelect)));
        else
            MoveCurrent(FCols.Count - 1, FCurrent.Y, !(shift && (FOptions & goRangeSelect)));
        break;
    case VK_TAB:
        if ((FOptions & goTabs) && !(Shift & ssAlt)) {
            if (shift) {
                if (FCurrent.X > FCols.Fixed)
                    MoveCurrent(FCurrent.X - 1, FCurrent.Y, true);
                else if (FCurrent.Y > FRows.Fixed)
                    MoveCurrent(FCols.Count - 1, FCurrent.Y - 1, true);
            } else {
                if (FCurrent.X < FCols.Count - 1)
                    MoveCurrent(FCurrent.X + 1, FCurrent.Y, true);
                else if (FCurrent.Y < FRows.Count - 1)
                    MoveCurrent(FCols.Fixed, FCurrent.Y + 1, true);
            }
            Key = 0;
        }
        break;
    case VK_F2:
        if (FOptions & goEditing) {
            ShowEditor();
            if (FEditorShowing) FInplaceEdit->deselect(), FInplaceEdit->end(false);
        }
        break;
    default:
        return;
    }
}

void TCustomGrid::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY: {
        const WORD key = static_cast<WORD>(Message.WParam);
        if (key >= VK_LEFT && key <= VK_DOWN)
            Message.Result = 1;
        else if (key == VK_TAB)
            Message.Result = (FOptions & goTabs) && !(FOptions & goRowSelect) ? 1 : 0;
        else
            Message.Result = 0;
        break;
    }
    case WM_CHAR: {
        const int ch = static_cast<int>(Message.WParam);
        if (!(FOptions & goEditing)) break;
        if (ch == 13) {
            if (FEditorShowing)
                HideEditor();
            else
                ShowEditor();
        } else if (ch == 8 || ch >= 32) {
            // A typed character opens the editor with its text selected, and goes to the editor, where
            // it replaces the text. The key press goes once: the second byte of a double-byte
            // character has already arrived with it.
            if (NativeKeyHandled()) break;
            if (!FEditorShowing) {
                ShowEditor();
                if (FEditorShowing) FInplaceEdit->selectAll();
            }
            if (!FEditorShowing) break;
            if (QKeyEvent* event = CurrentKeyEvent()) {
                SetNativeKeyHandled();
                QApplication::sendEvent(FInplaceEdit, event);
            } else {
                FInplaceEdit->Perform(WM_CHAR, Message.WParam, 0);
            }
        }
        break;
    }
    default:
        break;
    }
}

bool TCustomGrid::event(QEvent* Event) {
    if (Event->type() == QEvent::KeyPress && !FNativeEvent) {
        if (GuardedEvent([&] { return RouteKeyPress(static_cast<QKeyEvent*>(Event)); })) return true;
        FNativeEvent = true;
        const bool result = QAbstractScrollArea::event(Event);
        FNativeEvent = false;
        return result;
    }
    return QAbstractScrollArea::event(Event);
}

void TCustomGrid::keyPressEvent(QKeyEvent* Event) {
    if (FNativeEvent) {
        Event->ignore();
        return;
    }
    if (!RouteKeyPress(Event)) Event->ignore();
}

// ---- mouse -----------------------------------------------------------------------------------------

namespace {

TShiftState MouseShift(const QMouseEvent& Event) {
    TShiftState shift = 0;
    if (Event.modifiers() & Qt::ShiftModifier) shift |= ssShift;
    if (Event.modifiers() & Qt::ControlModifier) shift |= ssCtrl;
    if (Event.modifiers() & Qt::AltModifier) shift |= ssAlt;
    if (Event.buttons() & Qt::LeftButton) shift |= ssLeft;
    if (Event.buttons() & Qt::RightButton) shift |= ssRight;
    if (Event.buttons() & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

TMouseButton ButtonOf(const QMouseEvent& Event) {
    if (Event.button() == Qt::RightButton) return mbRight;
    if (Event.button() == Qt::MiddleButton) return mbMiddle;
    return mbLeft;
}

} // namespace

void TCustomGrid::mousePressEvent(QMouseEvent* Event) {
    const QPoint pos = Event->position().toPoint();
    if (!hasFocus() && !(FEditorShowing && FInplaceEdit->hasFocus())) setFocus(Qt::MouseFocusReason);
    FClickOnCurrent = false;
    if (Event->button() == Qt::LeftButton) {
        const TGridCoord cell = MouseCoord(pos.x(), pos.y());
        if (cell.X >= FCols.Fixed && cell.Y >= FRows.Fixed) {
            const bool extend = (Event->modifiers() & Qt::ShiftModifier) && (FOptions & goRangeSelect);
            FClickOnCurrent = cell == FCurrent && !FEditorShowing && !extend;
            if (MoveCurrent(cell.X, cell.Y, !extend)) FSelecting = (FOptions & goRangeSelect) != 0;
        }
    }
    if (OnMouseDown) OnMouseDown(this, ButtonOf(*Event), MouseShift(*Event), pos.x(), pos.y());
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* Event) {
    const QPoint pos = Event->position().toPoint();
    if (FSelecting && (Event->buttons() & Qt::LeftButton)) {
        const TGridCoord cell = MouseCoord(pos.x(), pos.y());
        if (cell.X >= FCols.Fixed && cell.Y >= FRows.Fixed && !(cell == FCurrent)) {
            FClickOnCurrent = false;
            MoveCurrent(cell.X, cell.Y, false);
        }
    }
    if (OnMouseMove) OnMouseMove(this, MouseShift(*Event), pos.x(), pos.y());
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* Event) {
    const QPoint pos = Event->position().toPoint();
    FSelecting = false;
    if (FClickOnCurrent && MouseCoord(pos.x(), pos.y()) == FCurrent) ShowEditor();
    FClickOnCurrent = false;
    if (OnMouseUp) OnMouseUp(this, ButtonOf(*Event), MouseShift(*Event), pos.x(), pos.y());
}

bool TCustomGrid::viewportEvent(QEvent* Event) {
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return GuardedEvent([&] { return QAbstractScrollArea::viewportEvent(Event); });
    default:
        return QAbstractScrollArea::viewportEvent(Event);
    }
}

void TCustomGrid::focusInEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusInEvent(Event);
    Invalidate();
}

void TCustomGrid::focusOutEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusOutEvent(Event);
    Invalidate();
}

// ---------------------------------------------------------------------------------------------------
// TStringGrid

TStringGrid::TStringGrid(QWidget* Parent) : TCustomGrid(Parent) {
    SizeChanged(0, 0);
}

bool TStringGrid::InRange(int ACol, int ARow) const {
    return ACol >= 0 && ARow >= 0 && ACol < FStride && ACol < ColCount() && ARow < RowCount() &&
           static_cast<std::size_t>(ARow * FStride + ACol) < FCells.size();
}

const std::string& TStringGrid::Cells(int ACol, int ARow) const {
    static const std::string empty;
    return InRange(ACol, ARow) ? FCells[static_cast<std::size_t>(ARow * FStride + ACol)].Text : empty;
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
    if (!InRange(ACol, ARow)) return;
    FCells[static_cast<std::size_t>(ARow * FStride + ACol)].Text = Value;
    InvalidateCell(ACol, ARow);
}

void* TStringGrid::Objects(int ACol, int ARow) const {
    return InRange(ACol, ARow) ? FCells[static_cast<std::size_t>(ARow * FStride + ACol)].Object : nullptr;
}

void TStringGrid::SetObjects(int ACol, int ARow, void* Value) {
    if (InRange(ACol, ARow)) FCells[static_cast<std::size_t>(ARow * FStride + ACol)].Object = Value;
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (DefaultDrawing)
        Canvas().DrawText(Cells(ACol, ARow), TRect{ARect.Left + 2, ARect.Top + 2, ARect.Right, ARect.Bottom},
                          DT_SINGLELINE);
    TCustomGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int ACol, int ARow) {
    std::string value = Cells(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TStringGrid::EditorFilled(int ACol, int ARow) {
    FTextBeforeEdit = Cells(ACol, ARow);
}

void TStringGrid::RestoreEditedCell(int ACol, int ARow, const std::string&) {
    if (FTextBeforeEdit != Cells(ACol, ARow)) SetCells(ACol, ARow, FTextBeforeEdit);
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, FTextBeforeEdit);
}

void TStringGrid::SizeChanged(int, int) {
    const int cols = ColCount();
    const int rows = RowCount();
    std::vector<Cell> cells(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (c < FStride && static_cast<std::size_t>(r * FStride + c) < FCells.size())
                cells[static_cast<std::size_t>(r * cols + c)] =
                    std::move(FCells[static_cast<std::size_t>(r * FStride + c)]);
    FCells = std::move(cells);
    FStride = cols;
}

} // namespace platform
