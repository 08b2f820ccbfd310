#pragma once
// The editor window: the unit table in a grid, the menus and file commands, the settings file, and the
// one image of the unit file that every command edits.

#include "app/RangeArithmetic.h"
#include "app/UnitFile.h"

#include "grid/GridEx.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

#include <memory>
#include <string>

namespace app {

class TDialogAbout;
using TEditorGrid = TStringGridEx;

class TForm1 : public platform::TForm {
    Q_OBJECT
public:
    // SettingsFile is where the last path is remembered (normally DefaultSettingsFileName()).
    explicit TForm1(std::string SettingsFile, QWidget* Parent = nullptr);
    ~TForm1() override;

    // The program's path with its last three characters replaced by "INI".
    static std::string DefaultSettingsFileName();

    platform::TMainMenu MainMenu1;
    platform::TMenuItem *File1, *Open1, *N3, *Save1, *SaveAs1, *N2, *Exit1;
    platform::TMenuItem *Edit1, *Cut1, *Copy1, *Paste1;
    platform::TMenuItem *Mode1, *ModeU1, *ModeM1;
    platform::TMenuItem *Calc1, *CalcA1, *N1, *CalcM1, *CalcD1, *N4, *CalcO1, *CalcN1;
    platform::TMenuItem *Help1, *About1;
    TEditorGrid* StringGridEx1;
    std::unique_ptr<platform::TStatusBar> StatusBar1;
    platform::TOpenDialog OpenDialog1;
    platform::TSaveDialog SaveDialog1;
    TDialogAbout* DialogAbout = nullptr;

    void FormCreate(platform::TObject* Sender);
    void FormShow(platform::TObject* Sender);
    void Open1Click(platform::TObject* Sender);
    void Save1Click(platform::TObject* Sender);
    void SaveAs1Click(platform::TObject* Sender);
    void Exit1Click(platform::TObject* Sender);
    void Edit1Click(platform::TObject* Sender);
    void About1Click(platform::TObject* Sender);

    // Column set-up and hints.
    void ApplicationHint(platform::TObject* Sender);
    void StringGridEx1SelectCell(platform::TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void StringGridEx1MouseDown(platform::TObject* Sender, platform::TMouseButton Button,
                                platform::TShiftState Shift, int X, int Y);
    void StringGridEx1MouseMove(platform::TObject* Sender, platform::TShiftState Shift, int X, int Y);

    // Cell write-back and editing modes.
    void StringGridEx1SetEditText(platform::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void StoreCellValue(int ACol, int ARow);
    void SetCellValue(int ACol, int ARow, std::int64_t Value);
    void ModeU1Click(platform::TObject* Sender);
    void ModeM1Click(platform::TObject* Sender);

    // Clipboard.
    void Copy1Click(platform::TObject* Sender);
    void Cut1Click(platform::TObject* Sender);
    void Paste1Click(platform::TObject* Sender);

    // Range arithmetic.
    void CalcA1Click(platform::TObject* Sender);
    void CalcM1Click(platform::TObject* Sender);
    void CalcD1Click(platform::TObject* Sender);
    void CalcO1Click(platform::TObject* Sender);
    void CalcN1Click(platform::TObject* Sender);

    TLoadResult LoadUnitFile(const std::string& Path);
    void ShowRecordsInGrid();
    void SetRecordName(int Row, const std::string& Text);

    const TUnitFileImage& Image() const { return *FImage; }
    bool FileLoaded() const { return FFileLoaded; }
    const std::string& SettingsFileName() const { return FSettingsFileName; }
    int LastHintCol = 0;
    int LastHintRow = 0;

private:
    void InitializeComponents();
    void LoadSettings();
    void SaveSettings(const std::string& Path);
    void ShowHintInStatusBar();
    // Asks for an operand and applies the operation to every integer cell of the selection.
    void CalculateSelection(TCalcOperation Operation, const char* Caption, const char* Prompt);

    std::string FSettingsFileName;
    // One block for the whole run: the grid's cell references point into it.
    std::unique_ptr<TUnitFileImage> FImage;
    bool FFileLoaded = false;
};

} // namespace app
