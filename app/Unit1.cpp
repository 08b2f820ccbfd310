#include "app/Unit1.h"

#include "app/ClipboardText.h"
#include "app/ColumnCatalogue.h"
#include "app/UDialogA.h"

#include "platform/Exceptions.h"
#include "platform/FileStream.h"
#include "platform/Graphics.h"
#include "platform/NumberText.h"
#include "platform/QtText.h"

#include <QCoreApplication>
#include <QStatusBar>

#include <cstdio>
#include <cstring>

namespace app {

using platform::TMenuItem;
using platform::TObject;

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const char* Name, const char* Caption, platform::TShortCut ShortCut = 0,
                   bool Enabled = true) {
    auto* item = Parent->Add(std::make_unique<TMenuItem>(Name));
    item->SetCaption(Caption);
    item->SetShortCut(ShortCut);
    item->SetEnabled(Enabled);
    return item;
}

} // namespace

TForm1::TForm1(std::string SettingsFile, QWidget* Parent)
    : platform::TForm(Parent), FSettingsFileName(std::move(SettingsFile)),
      FImage(std::make_unique<TUnitFileImage>()) {
    std::memset(FImage.get(), 0, sizeof(TUnitFileImage));
    InitializeComponents();
    DoCreate();
}

TForm1::~TForm1() = default;

std::string TForm1::DefaultSettingsFileName() {
    std::string path = QCoreApplication::applicationFilePath().toStdString();
    path.resize(path.size() >= 3 ? path.size() - 3 : 0);
    return path + "INI";
}

// The window's stored settings: components and their property values, applied while loading.
void TForm1::InitializeComponents() {
    BeginLoading();
    setObjectName(QStringLiteral("Form1"));
    SetCaption("データファイルが開かれていません");
    resize(795, 538);
    setFont(platform::DesignedFont("ＭＳ Ｐゴシック", 12));

    TMenuItem& items = MainMenu1.Items;
    using platform::scAlt;
    using platform::scCtrl;
    using platform::scShift;
    File1 = AddItem(&items, "File1", "&File");
    Open1 = AddItem(File1, "Open1", "開く(&O)...", scCtrl | 'O');
    N3 = AddItem(File1, "N3", "-");
    Save1 = AddItem(File1, "Save1", "上書き保存(&S)", scCtrl | 'S', false);
    SaveAs1 = AddItem(File1, "SaveAs1", "名前を付けて保存(&A)...", scCtrl | scShift | 'S', false);
    N2 = AddItem(File1, "N2", "-");
    Exit1 = AddItem(File1, "Exit1", "終了(&X)", scAlt | platform::TShortCut{platform::VK_F4});
    Edit1 = AddItem(&items, "Edit1", "&Edit");
    Cut1 = AddItem(Edit1, "Cut1", "Cut(&T)", scCtrl | 'X', false);
    Copy1 = AddItem(Edit1, "Copy1", "&Copy", scCtrl | 'C');
    Paste1 = AddItem(Edit1, "Paste1", "&Paste", scCtrl | 'V', false);
    Mode1 = AddItem(&items, "Mode1", "&Mode", 0, false);
    ModeU1 = AddItem(Mode1, "ModeU1", "ユニット名編集モード(&U)", scCtrl | 'U');
    ModeM1 = AddItem(Mode1, "ModeM1", "レンジ選択モード(&R)", scCtrl | 'R');
    Calc1 = AddItem(&items, "Calc1", "演算(&C)", 0, false);
    CalcA1 = AddItem(Calc1, "CalcA1", "加減算(&Add)", scCtrl | 'A');
    N1 = AddItem(Calc1, "N1", "-");
    CalcM1 = AddItem(Calc1, "CalcM1", "乗算(&Multiple)");
    CalcD1 = AddItem(Calc1, "CalcD1", "除算(&Divide)");
    N4 = AddItem(Calc1, "N4", "-");
    CalcO1 = AddItem(Calc1, "CalcO1", "論理和(&Or)");
    CalcN1 = AddItem(Calc1, "CalcN1", "論理積(A&nd)");
    Help1 = AddItem(&items, "Help1", "&Help");
    About1 = AddItem(Help1, "About1", "&About");

    // An error escaping a command is shown by the error box; the command stops there.
    auto bind = [this](TMenuItem* Item, void (TForm1::*Handler)(TObject*)) {
        Item->OnClick = [this, Handler](TObject* Sender) {
            platform::Application().Protect([&] { (this->*Handler)(Sender); });
        };
    };
    bind(Open1, &TForm1::Open1Click);
    bind(Save1, &TForm1::Save1Click);
    bind(SaveAs1, &TForm1::SaveAs1Click);
    bind(Exit1, &TForm1::Exit1Click);
    bind(Edit1, &TForm1::Edit1Click);
    bind(Cut1, &TForm1::Cut1Click);
    bind(Copy1, &TForm1::Copy1Click);
    bind(Paste1, &TForm1::Paste1Click);
    bind(ModeU1, &TForm1::ModeU1Click);
    bind(ModeM1, &TForm1::ModeM1Click);
    bind(CalcA1, &TForm1::CalcA1Click);
    bind(CalcM1, &TForm1::CalcM1Click);
    bind(CalcD1, &TForm1::CalcD1Click);
    bind(CalcO1, &TForm1::CalcO1Click);
    bind(CalcN1, &TForm1::CalcN1Click);
    bind(About1, &TForm1::About1Click);
    SetMenu(&MainMenu1);

    StringGridEx1 = new TEditorGrid(this);
    StringGridEx1->BeginLoading();
    StringGridEx1->setObjectName(QStringLiteral("StringGridEx1"));
    StringGridEx1->SetColCount(47);
    StringGridEx1->SetRowCount(252);
    StringGridEx1->SetDefaultColWidth(24);
    StringGridEx1->SetDefaultRowHeight(16);
    StringGridEx1->SetColWidths(0, 104);
    StringGridEx1->SetOptions(platform::goFixedVertLine | platform::goFixedHorzLine | platform::goVertLine |
                              platform::goHorzLine | platform::goEditing | platform::goThumbTracking);
    StringGridEx1->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    StringGridEx1->setFont(platform::DesignedFont("ＭＳ ゴシック", 12));
    platform::SetControlShowHint(StringGridEx1, true);
    StringGridEx1->SetEnterKeyToMove(true);
    StringGridEx1->SetEnterTo(etDown);
    StringGridEx1->SetTabAction(taExit);
    // One stored style per column, with the design's centred headers on button face.
    for (int col = 0; col < kColumnCount; ++col) {
        TColumnStyle* style = StringGridEx1->ColumnStyles()->Add();
        style->SetHeaderAlignment(platform::taCenter);
        style->SetHeaderBack(platform::clBtnFace);
        style->SetWidth(StringGridEx1->ColWidths(col));
    }
    StringGridEx1->OnSelectCell = [this](TObject* Sender, int ACol, int ARow, bool& CanSelect) {
        StringGridEx1SelectCell(Sender, ACol, ARow, CanSelect);
    };
    StringGridEx1->OnMouseDown = [this](TObject* Sender, platform::TMouseButton Button,
                                        platform::TShiftState Shift, int X,
                                        int Y) { StringGridEx1MouseDown(Sender, Button, Shift, X, Y); };
    StringGridEx1->OnMouseMove = [this](TObject* Sender, platform::TShiftState Shift, int X, int Y) {
        StringGridEx1MouseMove(Sender, Shift, X, Y);
    };
    StringGridEx1->OnSetEditText = [this](TObject* Sender, int ACol, int ARow, const std::string& Value) {
        StringGridEx1SetEditText(Sender, ACol, ARow, Value);
    };
    StringGridEx1->Loaded();
    setCentralWidget(StringGridEx1);

    StatusBar1 = std::make_unique<platform::TStatusBar>(statusBar());
    statusBar()->setFixedHeight(20);
    statusBar()->setSizeGripEnabled(false);

    OpenDialog1.Title = "編集するデータファイルの選択";
    OpenDialog1.FileName = "weapon.prm";
    OpenDialog1.Filter = "Korvaneユニットファイル(*.prm)|*.prm|すべてのファイル(*.*)|*.*";
    OpenDialog1.Options = platform::ofHideReadOnly | platform::ofPathMustExist;
    SaveDialog1.Options = platform::ofHideReadOnly | platform::ofOverwritePrompt;

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Loaded();
}

void TForm1::FormCreate(TObject*) {
    platform::Application().OnHint = [this](TObject* Sender) { ApplicationHint(Sender); };
    LoadSettings();
}

// Column kinds, limits and colour bands, and the header row.
void TForm1::FormShow(TObject*) {
    TEditorGrid& grid = *StringGridEx1;
    grid.SetColCount(kColumnCount);
    grid.SetCells(0, 0, ColumnHeaderLetters(0));
    TColumnStyle* names = grid.ColumnStyles()->GetColumn(0);
    names->SetColumnStyle(csMaskEdit);
    names->SetDataAlignment(platform::taLeftJustify);
    names->SetDataBack(platform::clWindow);
    names->SetMaxLength(kNameSize);
    for (int col = 1; col <= kParamCount; ++col) {
        grid.SetCells(col, 0, ColumnHeaderLetters(col));
        TColumnStyle* style = grid.ColumnStyles()->GetColumn(col);
        style->SetDataAlignment(platform::taRightJustify);
        style->SetColumnStyle(csNumeric);
        style->Numeric().InputMode = imDec;
        style->Numeric().OutputMode = imDec;
        style->Numeric().Min = 0.0;
        style->Numeric().Max = 255.0;
        if (col >= 13 && col <= 18)
            style->SetDataBack(0xFFFFC0);
        else if (col >= 19 && col <= 24)
            style->SetDataBack(0xC0FFC0);
        else if (col >= 25 && col <= 30)
            style->SetDataBack(0xFFC080);
        else if (IsWordColumn(col)) {
            style->Numeric().Max = 999.0;
            style->SetDataBack(0xC0FFFF);
        } else
            style->SetDataBack(platform::clWindow);
    }
}

void TForm1::ApplicationHint(TObject*) {
    ShowHintInStatusBar();
}

void TForm1::ShowHintInStatusBar() {
    StatusBar1->SetSimpleText(platform::Application().Hint());
}

void TForm1::StringGridEx1SelectCell(TObject*, int ACol, int, bool&) {
    platform::SetControlHint(StringGridEx1, ColumnHints(ACol));
    ShowHintInStatusBar();
}

void TForm1::StringGridEx1MouseDown(TObject*, platform::TMouseButton, platform::TShiftState, int X, int Y) {
    int col = -1;
    int row = -1;
    StringGridEx1->MouseToCell(X, Y, col, row);
    platform::SetControlHint(StringGridEx1,
                             col >= 0 && col < kColumnCount ? ColumnHints(col) : std::string());
    ShowHintInStatusBar();
}

// Moving within one column changes nothing, unless the pointer enters that column's header cell.
void TForm1::StringGridEx1MouseMove(TObject*, platform::TShiftState, int X, int Y) {
    int col = -1;
    int row = -1;
    StringGridEx1->MouseToCell(X, Y, col, row);
    if (col == LastHintCol && (row == LastHintRow || row != 0)) return;
    LastHintCol = col;
    LastHintRow = row;
    platform::Application().SetShowHint(false);
    platform::SetControlHint(StringGridEx1,
                             row == 0 && col >= 0 && col < kColumnCount ? ColumnHints(col) : std::string());
    platform::Application().SetShowHint(true);
}

// Every stored edit reaches the image at once; before a file is loaded there is nothing to write to.
void TForm1::StringGridEx1SetEditText(TObject*, int ACol, int ARow, const std::string& Value) {
    if (!FFileLoaded || ARow < 1 || ARow > kRecordCount) return;
    if (ACol == 0)
        SetRecordName(ARow, Value);
    else if (ACol <= kParamCount)
        StoreCellValue(ACol, ARow);
}

void TForm1::StoreCellValue(int ACol, int ARow) {
    auto* field = static_cast<std::uint8_t*>(StringGridEx1->Objects(ACol, ARow));
    if (!field) return;
    const std::int32_t value = StringGridEx1->GetInteger(ACol, ARow);
    field[0] = static_cast<std::uint8_t>(value & 0xFF);
    if (IsWordColumn(ACol)) field[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void TForm1::SetCellValue(int ACol, int ARow, std::int64_t Value) {
    const TRxKnNumeric& numeric = StringGridEx1->ColumnStyles()->GetColumn(ACol)->Numeric();
    const std::int64_t clamped =
        ClampToLimits(Value, platform::TruncToInt32(numeric.Min), platform::TruncToInt32(numeric.Max));
    StringGridEx1->SetCells(ACol, ARow, std::to_string(clamped));
}

void TForm1::ModeU1Click(TObject*) {
    const bool on = !ModeU1->Checked();
    ModeU1->SetChecked(on);
    StringGridEx1->SetFixedCols(on ? 0 : 1);
}

void TForm1::ModeM1Click(TObject*) {
    const bool on = !ModeM1->Checked();
    ModeM1->SetChecked(on);
    platform::TGridOptions options = StringGridEx1->Options();
    if (on)
        options = (options | platform::goRangeSelect) & ~platform::goEditing;
    else
        options = (options & ~platform::goRangeSelect) | platform::goEditing;
    StringGridEx1->SetOptions(options);
    Calc1->SetEnabled(on);
}

void TForm1::Copy1Click(TObject*) {
    const platform::TGridRect sel = StringGridEx1->Selection();
    platform::Clipboard().SetAsText(
        JoinBlockText(sel.Left, sel.Top, sel.Right, sel.Bottom,
                      [this](int Col, int Row) { return StringGridEx1->Cells(Col, Row); }));
}

// The clipboard gets the texts the cells held before they were cleared. An open editor is closed first,
// so its text cannot come back over the cleared cell when it closes later.
void TForm1::Cut1Click(TObject*) {
    StringGridEx1->HideEditor();
    const platform::TGridRect sel = StringGridEx1->Selection();
    const std::string text =
        JoinBlockText(sel.Left, sel.Top, sel.Right, sel.Bottom, [this](int Col, int Row) {
            std::string cell = StringGridEx1->Cells(Col, Row);
            if (Col == 0) {
                StringGridEx1->SetCells(0, Row, std::string());
                SetRecordName(Row, std::string());
            } else {
                StringGridEx1->SetCells(Col, Row, "0");
                StoreCellValue(Col, Row);
            }
            return cell;
        });
    platform::Clipboard().SetAsText(text);
}

void TForm1::Paste1Click(TObject*) {
    if (!platform::Clipboard().HasText()) return;
    StringGridEx1->HideEditor();
    const platform::TGridRect sel = StringGridEx1->Selection();
    for (const TPasteCell& cell :
         PlacePasteText(platform::Clipboard().GetAsText(), sel.Left, sel.Top, kParamCount, kRecordCount)) {
        if (cell.Col == 0) {
            SetRecordName(cell.Row, cell.Text);
            const TUnitRecord& record = FImage->Records[cell.Row - 1];
            StringGridEx1->SetCells(0, cell.Row,
                                    std::string(reinterpret_cast<const char*>(record.UnitName), kNameSize));
            continue;
        }
        const TPastedNumber number = ReadPastedNumber(cell.Text);
        if (number.Kind == TPastedNumber::Skip) continue;
        if (number.Kind == TPastedNumber::Invalid) {
            platform::Application().ShowMessage("タブ区切り数値テキストとして不正な文字があります");
            return;
        }
        SetCellValue(cell.Col, cell.Row, number.Value);
        StoreCellValue(cell.Col, cell.Row);
    }
}

void TForm1::CalculateSelection(TCalcOperation Operation, const char* Caption, const char* Prompt) {
    std::string text;
    if (!platform::InputQuery(Caption, Prompt, text)) return;
    TCalcOperand operand;
    const bool real = Operation == TCalcOperation::Multiply || Operation == TCalcOperation::Divide;
    if (real) {
        const auto value = platform::TryStrToFloat(text);
        if (!value)
            return platform::Application().ShowMessage("実数に変換できない文字があります\n10進実数のみです");
        operand.Real = *value;
    } else {
        const auto value = platform::TryStrToInt(text);
        if (!value) {
            return platform::Application().ShowMessage(
                "整数に変換できない文字があります\n16進数の場合0xを先頭につけて下さい");
        }
        operand.Integer = *value;
    }
    StringGridEx1->HideEditor();
    const platform::TGridRect sel = StringGridEx1->Selection();
    for (int col = sel.Left; col <= sel.Right; ++col) {
        if (StringGridEx1->ColumnStyles()->GetColumn(col)->ColumnStyle() != csNumeric) continue;
        for (int row = sel.Top; row <= sel.Bottom; ++row) {
            SetCellValue(col, row, Calculate(Operation, StringGridEx1->GetInteger(col, row), operand));
            StoreCellValue(col, row);
        }
    }
}

void TForm1::CalcA1Click(TObject*) {
    CalculateSelection(TCalcOperation::Add, "選択されたセル範囲への加減算", "セルの値＋（10進or16進整数）");
}

void TForm1::CalcM1Click(TObject*) {
    CalculateSelection(TCalcOperation::Multiply, "選択されたセル範囲への乗算", "セルの値ｘ（実数）");
}

void TForm1::CalcD1Click(TObject*) {
    CalculateSelection(TCalcOperation::Divide, "選択されたセル範囲への除算", "セルの値÷（実数）");
}

void TForm1::CalcO1Click(TObject*) {
    CalculateSelection(TCalcOperation::Or, "選択されたセル範囲への論理和", "セルの値｜（10進or16進整数）");
}

void TForm1::CalcN1Click(TObject*) {
    CalculateSelection(TCalcOperation::And, "選択されたセル範囲への論理積", "セルの値＆（10進or16進整数）");
}

// The last line of the settings file is the path; a line end is not part of it.
void TForm1::LoadSettings() {
    FILE* file = std::fopen(FSettingsFileName.c_str(), "rt");
    if (!file) {
        platform::Application().ShowMessage(
            "初期化ファイルが見つかりませんでした\n ファイルオープン時に新規に作成します");
        OpenDialog1.InitialDir = ".";
        return;
    }
    std::string content;
    char buffer[256];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, n);
    std::fclose(file);
    while (!content.empty() && (content.back() == '\n' || content.back() == '\r'))
        content.pop_back();
    const auto lineStart = content.find_last_of("\r\n");
    const std::string path = lineStart == std::string::npos ? content : content.substr(lineStart + 1);
    if (!path.empty()) OpenDialog1.FileName = path;
}

// A settings file that cannot be written keeps its old content; nothing is shown.
void TForm1::SaveSettings(const std::string& Path) {
    try {
        platform::WriteFileBytes(FSettingsFileName, Path);
    } catch (const platform::EStreamError&) {
    }
}

// An open editor is closed first: closing it later, or Esc, would store its text in the new table.
TLoadResult TForm1::LoadUnitFile(const std::string& Path) {
    StringGridEx1->HideEditor();
    const TLoadResult result = ReadUnitFile(Path, *FImage);
    if (result != TLoadResult::Loaded) return result;
    ShowRecordsInGrid();
    FFileLoaded = true;
    return result;
}

void TForm1::ShowRecordsInGrid() {
    for (int row = 1; row <= kRecordCount; ++row)
        StringGridEx1->SetCells(0, row, RecordName(FImage->Records[row - 1]));
    for (int row = 1; row <= kRecordCount; ++row) {
        TUnitRecord& record = FImage->Records[row - 1];
        for (int col = 1; col <= kParamCount; ++col) {
            std::uint8_t* field = FieldAddress(record, col);
            StringGridEx1->SetObjects(col, row, field);
            StringGridEx1->SetCells(col, row, std::to_string(FieldValue(field, col)));
        }
    }
}

void TForm1::SetRecordName(int Row, const std::string& Text) {
    if (Row < 1 || Row > kRecordCount) return;
    StoreRecordName(FImage->Records[Row - 1], Text);
}

void TForm1::Open1Click(TObject*) {
    if (!OpenDialog1.Execute(this)) return;
    const std::string path = OpenDialog1.FileName;
    switch (LoadUnitFile(path)) {
    case TLoadResult::CannotBeOpened:
        return;
    case TLoadResult::NotAUnitFile:
        platform::Application().ShowMessage("目的のデータファイルではありません");
        return;
    case TLoadResult::Loaded:
        break;
    }
    SetCaption(path);
    SaveDialog1.FileName = path;
    Save1->SetEnabled(true);
    SaveAs1->SetEnabled(true);
    Mode1->SetEnabled(true);
    Cut1->SetEnabled(true);
    SaveSettings(path);
}

void TForm1::Save1Click(TObject*) {
    SaveUnitFile(SaveDialog1.FileName, *FImage);
}

void TForm1::SaveAs1Click(TObject*) {
    const std::string previous = SaveDialog1.FileName;
    if (!SaveDialog1.Execute(this)) return;
    const std::string path = SaveDialog1.FileName;
    // Save keeps its target until the new file is written; a write error escapes from here.
    SaveDialog1.FileName = previous;
    if (SaveUnitFile(path, *FImage) != TSaveResult::Saved) return;
    SaveDialog1.FileName = path;
    SetCaption(path);
    SaveSettings(path);
}

void TForm1::Exit1Click(TObject*) {
    close();
}

void TForm1::Edit1Click(TObject*) {
    Paste1->SetEnabled(platform::Clipboard().HasText() && FFileLoaded);
}

void TForm1::About1Click(TObject*) {
    if (!DialogAbout) DialogAbout = new TDialogAbout(this);
    DialogAbout->exec();
}

} // namespace app
