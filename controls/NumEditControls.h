#pragma once
// Unit NumEdit, its controls: TCustomNumEdit holds one number, as a real and as a signed 32-bit integer,
// filters typed characters so that only a number can be entered, limits what is typed to Min..Max, and
// shows the bare number while it has focus and the number between Prefix and Suffix (or nothing, when a
// blank display was asked for) while it has not. An attached up-down control can read and write the
// number as plain decimal text. TNumEdit is the real-number control, TIntEdit the integer control typed
// and shown in decimal, binary, octal or hexadecimal.

#include "controls/EditEx.h"
#include "controls/NumEdit.h"

#include <cstdint>
#include <optional>
#include <string>

class TCustomNumEdit : public TCustomEditEx {
    Q_OBJECT
public:
    explicit TCustomNumEdit(QWidget* Parent = nullptr);

    // Start with a blank display, which lasts until the field is left after a change of its text.
    bool ClearStart() const { return FClearStart; }
    void SetClearStart(bool Value);
    std::int32_t Integer() const { return FInteger; }
    void SetInteger(std::int32_t Value);
    // Limits for typed values; changing them neither limits the value nor changes the text.
    double Max;
    double Min;
    double Real() const { return FReal; }

    // The number format built from NumDecimals, as a C format ("%.2lf").
    const std::string& FormatStr() const { return FFormatStr; }

    // Shows a blank display while the field has no focus; the number stays as it is.
    void Clear() override;
    // Arms the field for an up-down exchange: until the next text write, a text read answers the decimal
    // Integer; that write then sets Integer (Accept true) or is discarded (Accept false).
    void UpDownEntry(bool Accept);

    void WndProc(platform::TMessage& Message) override;

protected:
    // Settings that the derived controls publish as they need them.
    bool EnableNegative = true; // a minus sign may be typed
    // Digits after the decimal point; never negative.
    int NumDecimals() const { return FNumDecimals; }
    void SetNumDecimals(int Value);
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& Value);
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& Value);
    void SetReal(double Value);

    // Shows the number in the display state the field is in.
    virtual void SetTextEx();
    // While the field has focus: reads the number from the text, limited to Min..Max.
    virtual void UpdateNum();
    virtual void wmCharEvent(platform::TMessage& Message);
    virtual void wmGetTextEvent(platform::TMessage& Message);
    virtual void wmSetTextEvent(platform::TMessage& Message);

    void DoEnter() override;
    void DoExit() override;
    void Change() override;

    // Builds FFormatStr from NumDecimals, then the text.
    void SetFormatStr();
    // Passes a character on to the key handling of the edit control, past every number filter.
    void PassCharacter(platform::TMessage& Message) { TCustomEditEx::WndProc(Message); }
    // Answers a character message so that it goes nowhere.
    static void DropCharacter(platform::TMessage& Message) { Message.Result = 1; }
    // Sets both forms of the number without rebuilding the text.
    void StoreReal(double Value);
    void StoreInteger(std::int32_t Value);

    // Pending up-down exchange: 0 none, 1 apply the next text write, -1 ignore it.
    std::int32_t FUpDownState = 0;
    std::string FFormatStr = "%.lf";
    // While the field has no focus, show an empty text instead of the number.
    bool FBlank = false;
    // The field has focus and shows the bare number.
    bool FEditing = false;

private:
    bool FClearStart = false;
    int FNumDecimals = 0;
    std::int32_t FInteger = 0;
    std::string FPrefix;
    std::string FSuffix;
    double FReal = 0;
};

// The real-number control; no behaviour of its own.
class TNumEdit : public TCustomNumEdit {
    Q_OBJECT
public:
    using TCustomNumEdit::TCustomNumEdit;
    using TCustomNumEdit::EnableNegative;
    using TCustomNumEdit::NumDecimals;
    using TCustomNumEdit::SetNumDecimals;
    using TCustomNumEdit::Prefix;
    using TCustomNumEdit::SetPrefix;
    using TCustomNumEdit::SetReal;
    using TCustomNumEdit::Suffix;
    using TCustomNumEdit::SetSuffix;
};

// The integer control: typed in InputMode, shown without focus in OutputMode with digit grouping,
// Prefix, Suffix and fill characters that pad the text to MaxLength.
class TIntEdit : public TCustomNumEdit {
    Q_OBJECT
public:
    explicit TIntEdit(QWidget* Parent = nullptr);

    // Real is kept equal to Integer; NumDecimals stays 0.
    using TCustomNumEdit::EnableNegative;
    using TCustomNumEdit::Prefix;
    using TCustomNumEdit::SetPrefix;
    using TCustomNumEdit::Suffix;
    using TCustomNumEdit::SetSuffix;

    // At most one byte; empty means no fill.
    const std::string& FillChar() const { return FFillChar; }
    void SetFillChar(const std::string& Value);
    enIntEdit_FillType FillType() const { return FFillType; }
    void SetFillType(enIntEdit_FillType Value);
    // Letter case of the hexadecimal digits the control writes; typed letters keep their case.
    enIntEdit_HexChar HexChar() const { return FHexChar; }
    void SetHexChar(enIntEdit_HexChar Value);
    enIntEdit_Insertion Insertion() const { return FInsertion; }
    void SetInsertion(enIntEdit_Insertion Value);
    // Radix of the text while the field has focus and of what may be typed. Changing it leaves the
    // shown text alone until the text is next built (at the latest on the next focus entry).
    enIntEdit_IOMode InputMode = imDec;
    enIntEdit_IOMode OutputMode() const { return FOutputMode; }
    void SetOutputMode(enIntEdit_IOMode Value);

    std::string Bin() const { return GetBin(); }
    void SetBin(const std::string& Value);
    std::string Oct() const { return GetOct(); }
    void SetOct(const std::string& Value);
    std::string Hex() const { return GetHex(); }
    void SetHex(const std::string& Value);

protected:
    void SetTextEx() override;
    void UpdateNum() override;
    void wmCharEvent(platform::TMessage& Message) override;

    std::string GetBin() const;
    std::string GetHex() const;
    std::string GetOct() const;

private:
    // Integer in the radix, without decoration; nothing for a radix outside the enumeration.
    std::optional<std::string> IntegerText(enIntEdit_IOMode Radix) const;
    std::string FormattedText() const;

    std::string FFillChar;
    enIntEdit_FillType FFillType = ftFillNone;
    enIntEdit_HexChar FHexChar = hcUpper;
    enIntEdit_Insertion FInsertion = inNone;
    enIntEdit_IOMode FOutputMode = imDec;
};
