#include "app/UDialogA.h"

#include "platform/Graphics.h"
#include "platform/QtText.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

// The emblem lives in a static library's resources, which must be registered by hand.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

namespace app {

namespace {

// A label sizes itself to its text; the designed width fits the designed face, which may be narrower
// than the face this system has.
QLabel* PlaceLabel(QWidget* Parent, const char* Text, QRect Geometry, const QFont& Font) {
    auto* label = new QLabel(platform::U(Text), Parent);
    label->setFont(Font);
    Geometry.setWidth(std::max(Geometry.width(), label->fontMetrics().horizontalAdvance(label->text())));
    label->setGeometry(Geometry);
    return label;
}

} // namespace

TDialogAbout::TDialogAbout(QWidget* Parent) : QDialog(Parent) {
    RegisterResources();
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(242, 178);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(platform::DesignedFont("ＭＳ Ｐゴシック", 12));

    Image1 = new QLabel(this);
    Image1->setGeometry(16, 16, 77, 67);
    Image1->setPixmap(QPixmap(QStringLiteral(":/app/emblem.png")));
    Image1->setScaledContents(true);
    Label1 = PlaceLabel(this, "Korvane", QRect(120, 16, 100, 16),
                        platform::DesignedFont("ＭＳ Ｐゴシック", 16, true));
    Label2 = PlaceLabel(this, "ユニットエディタ", QRect(112, 40, 112, 16),
                        platform::DesignedFont("ＭＳ Ｐゴシック", 16, true));
    Label3 = PlaceLabel(this, "ver. 0.90", QRect(144, 64, 72, 16), platform::DesignedFont("ＭＳ 明朝", 16));
    Label4 = PlaceLabel(this, "Data Editor 開発チーム", QRect(48, 96, 151, 16),
                        platform::DesignedFont("ＭＳ Ｐ明朝", 16));
    Label5 = PlaceLabel(this, "連絡先: 同梱の README", QRect(56, 120, 140, 15),
                        platform::DesignedFont("ＭＳ Ｐゴシック", 15));

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    BitBtn1->setGeometry(72, 144, 97, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TDialogAbout::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    BitBtn1->setFocus();
}

} // namespace app
