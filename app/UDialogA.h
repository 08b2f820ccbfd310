#pragma once
// The About dialog: the game's title, the tool's name, its version and an emblem.

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class TDialogAbout : public QDialog {
    Q_OBJECT
public:
    explicit TDialogAbout(QWidget* Parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* BitBtn1;

protected:
    void showEvent(QShowEvent* Event) override;
};

} // namespace app
