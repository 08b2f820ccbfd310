// A window with one of each edit control of the component pack, set up to show notation, grouping,
// fill, prefix and suffix, blank start and a spin control, so a person can try them.

#include "controls/EditEx.h"
#include "controls/NumEditControls.h"

#include "platform/Codec.h"
#include "platform/ComCtrls.h"
#include "platform/NumberText.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

#include <string>

using namespace platform;

namespace {

// Program literals are UTF-8; control texts are CP932.
std::string Data(const char* Utf8) {
    return Utf8ToCp932(Utf8).value_or(std::string());
}

class TGalleryForm : public QWidget {
public:
    TGalleryForm() {
        setWindowTitle(U("Control gallery"));
        auto* form = new QFormLayout(this);

        auto* editEx = new TEditEx(this);
        editEx->SetText("Enter moves on, Esc resets");
        editEx->EnterKeyToExit = true;
        editEx->SetEscToExit(true);
        form->addRow(U("TEditEx"), editEx);

        auto* price = new TNumEdit(this);
        price->SetNumDecimals(2);
        price->SetPrefix(Data("税込 "));
        price->SetSuffix(Data(" 円"));
        price->Max = 99999;
        price->Min = 0;
        price->SetReal(1234.5);
        Watch(price);
        form->addRow(U("TNumEdit, 2 decimals, 0..99999"), price);

        auto* blank = new TNumEdit(this);
        blank->SetNumDecimals(1);
        blank->SetReal(-7.25);
        blank->SetClearStart(true);
        Watch(blank);
        form->addRow(U("TNumEdit, blank start"), blank);

        auto* grouped = new TIntEdit(this);
        grouped->SetMaxLength(14);
        grouped->SetInsertion(inThousand);
        grouped->SetPrefix("#");
        grouped->SetSuffix("pt");
        grouped->SetFillChar("*");
        grouped->SetFillType(ftLeftFillB);
        grouped->SetInteger(1234567);
        Watch(grouped);
        form->addRow(U("TIntEdit, thousands, fill *"), grouped);

        auto* binary = new TIntEdit(this);
        binary->InputMode = imBin;
        binary->SetOutputMode(imBin);
        binary->SetInsertion(inTenThousand);
        binary->SetInteger(0x2A5);
        Watch(binary);
        form->addRow(U("TIntEdit, binary, groups of 4"), binary);

        auto* hex = new TIntEdit(this);
        hex->InputMode = imHex;
        hex->SetOutputMode(imHex);
        hex->SetHexChar(hcLower);
        hex->SetPrefix("$");
        hex->SetMaxLength(5);
        hex->SetFillChar("0");
        hex->SetFillType(ftLeftFillB);
        hex->Min = 0;
        hex->Max = 0xFFFF;
        hex->SetInteger(255);
        Watch(hex);
        auto* spinRow = new QWidget(this);
        auto* spinLayout = new QHBoxLayout(spinRow);
        spinLayout->setContentsMargins(0, 0, 0, 0);
        spinLayout->setSpacing(0);
        hex->setParent(spinRow);
        auto* spin = new TUpDown(spinRow);
        spin->Max = 0xFFFF;
        spin->SetAssociate(hex);
        // The field answers the spin's read with its plain Integer and takes the written step.
        spin->OnChanging = [hex](TObject*, bool&) { hex->UpDownEntry(true); };
        spinLayout->addWidget(hex);
        spinLayout->addWidget(spin);
        form->addRow(U("TIntEdit, hex with spin"), spinRow);

        auto* octal = new TIntEdit(this);
        octal->SetOutputMode(imOct);
        octal->SetSuffix(" (oct)");
        octal->SetInteger(-1);
        Watch(octal);
        form->addRow(U("TIntEdit, decimal in, octal out"), octal);

        FValues = new QLabel(this);
        form->addRow(U("Last change"), FValues);
        resize(520, 0);
    }

private:
    void Watch(TCustomNumEdit* Edit) {
        Edit->OnChange = [this, Edit](TObject*) {
            FValues->setText(
                U("Integer " + IntToStr(Edit->Integer()) + ", Real " + FloatToStr(Edit->Real())));
        };
    }

    QLabel* FValues = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TGalleryForm form;
    form.show();
    return app.exec();
}
