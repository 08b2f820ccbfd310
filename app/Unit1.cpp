#include "app/Unit1.h"

#include "app/UDialogA.h"

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

QFont JapaneseFont(const char* Family) {
    QFont font;
    font.setFamilies({platform::U(Family), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans Mono CJK JP")});
    font.setPixelSize(12);
    return font;
}

} // namespace

TForm1::TForm1(std::string SettingsFile, QWidget* Parent)
    : platform::TForm(Parent), FSettingsFileName(std::move(SettingsFile)), FImage(std::make_unique<TUnitFileImage>()) {
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
    setFont(JapaneseFont("ＭＳ Ｐゴシック"));

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

    auto bind = [this](TMenuItem* Item, void (TForm1::*Handler)(TObject*)) {
        Item->OnClick = [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
    };
    bind(Open1, &TForm1::Open1Click);
    bind(Save1, &TForm1::Save1Click);
    bind(SaveAs1, &TForm1::SaveAs1Click);
    bind(Exit1, &TForm1::Exit1Click);
    bind(Edit1, &TForm1::Edit1Click);
    bind(About1, &TForm1::About1Click);
    SetMenu(&MainMenu1);

    StringGridEx1 = new TEditorGrid(this);
    StringGridEx1->setObjectName(QStringLiteral("StringGridEx1"));
    StringGridEx1->SetColCount(47);
    StringGridEx1->SetRowCount(252);
    StringGridEx1->SetDefaultColWidth(24);
    StringGridEx1->SetDefaultRowHeight(16);
    StringGridEx1->SetColWidths(0, 104);
    StringGridEx1->SetOptions(platform::goFixedVertLine | platform::goFixedHorzLine | platform::goVertLine |
                              platform::goHorzLine | platform::goEditing | platform::goThumbTracking);
    StringGridEx1->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    StringGridEx1->setFont(JapaneseFont("ＭＳ ゴシック"));
    platform::SetControlShowHint(StringGridEx1, true);
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

void TForm1::FormCreate(TObject*) { LoadSettings(); }

void TForm1::FormShow(TObject*) {}

// The last line of the settings file is the path; a line end is not part of it.
void TForm1::LoadSettings() {
    FILE* file = std::fopen(FSettingsFileName.c_str(), "rt");
    if (!file) {
        platform::Application().ShowMessage("初期化ファイルが見つかりませんでした\n ファイルオープン時に新規に作成します");
        OpenDialog1.InitialDir = ".";
        return;
    }
    std::string content;
    char buffer[256];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, n);
    std::fclose(file);
    while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) content.pop_back();
    const auto lineStart = content.find_last_of("\r\n");
    const std::string path = lineStart == std::string::npos ? content : content.substr(lineStart + 1);
    if (!path.empty()) OpenDialog1.FileName = path;
}

void TForm1::SaveSettings(const std::string& Path) {
    FILE* file = std::fopen(FSettingsFileName.c_str(), "wt");
    if (!file) return;
    std::fwrite(Path.data(), 1, Path.size(), file);
    std::fclose(file);
}

TLoadResult TForm1::LoadUnitFile(const std::string& Path) {
    const TLoadResult result = ReadUnitFile(Path, *FImage);
    if (result != TLoadResult::Loaded) return result;
    ShowRecordsInGrid();
    FFileLoaded = true;
    return result;
}

void TForm1::ShowRecordsInGrid() {
    for (int row = 1; row <= kRecordCount; ++row) StringGridEx1->SetCells(0, row, RecordName(FImage->Records[row - 1]));
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
    case TLoadResult::CannotBeOpened: return;
    case TLoadResult::NotAUnitFile: platform::Application().ShowMessage("目的のデータファイルではありません"); return;
    case TLoadResult::Loaded: break;
    }
    SetCaption(path);
    SaveDialog1.FileName = path;
    Save1->SetEnabled(true);
    SaveAs1->SetEnabled(true);
    Mode1->SetEnabled(true);
    Cut1->SetEnabled(true);
    SaveSettings(path);
}

void TForm1::Save1Click(TObject*) { SaveUnitFile(SaveDialog1.FileName, *FImage); }

void TForm1::SaveAs1Click(TObject*) {
    const std::string previous = SaveDialog1.FileName;
    if (!SaveDialog1.Execute(this)) return;
    const std::string path = SaveDialog1.FileName;
    if (SaveUnitFile(path, *FImage) != TSaveResult::Saved) {
        SaveDialog1.FileName = previous;
        return;
    }
    SetCaption(path);
    SaveSettings(path);
}

void TForm1::Exit1Click(TObject*) { close(); }

void TForm1::Edit1Click(TObject*) { Paste1->SetEnabled(platform::Clipboard().HasText() && FFileLoaded); }

void TForm1::About1Click(TObject*) {
    if (!DialogAbout) DialogAbout = new TDialogAbout(this);
    DialogAbout->exec();
}

} // namespace app
