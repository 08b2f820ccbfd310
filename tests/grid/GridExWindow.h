#pragma once
// A dialog holding a TStringGridEx, a default button and a line edit after the grid, shown and active,
// with the grid's stores and OnSelectCell questions recorded. Keys go to whichever widget has the focus,
// as a user's keys do.

#include "grid/GridEx.h"
#include "grid/InplaceEditEx.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace gridtest {

using Cell = std::pair<int, int>;

struct Stored {
    int Col, Row;
    std::string Text;
    bool operator==(const Stored&) const = default;
};

inline std::ostream& operator<<(std::ostream& Out, const Stored& S) {
    return Out << "(" << S.Col << "," << S.Row << " '" << S.Text << "')";
}

struct GridExWindow {
    QDialog Window;
    TStringGridEx* Grid = new TStringGridEx(&Window);
    QPushButton* DefaultButton = new QPushButton(QStringLiteral("OK"), &Window);
    QLineEdit* After = new QLineEdit(&Window);
    std::vector<Stored> Stores;
    std::vector<Cell> Asked;
    int DefaultPresses = 0;

    GridExWindow(int Cols, int Rows) {
        Window.resize(520, 320);
        Grid->setGeometry(0, 0, 500, 240);
        DefaultButton->setGeometry(0, 250, 60, 24);
        After->setGeometry(100, 250, 100, 24);
        DefaultButton->setDefault(true);
        QObject::connect(DefaultButton, &QPushButton::clicked, [this] { ++DefaultPresses; });
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(24);
        Grid->SetOptions((Grid->Options() & ~platform::goRangeSelect) | platform::goEditing);
        Grid->ColumnStyles()->AdjustColumn();
        Grid->OnSetEditText = [this](platform::TObject*, int ACol, int ARow, const std::string& Value) {
            Stores.push_back(Stored{ACol, ARow, Value});
        };
        Grid->OnSelectCell = [this](platform::TObject*, int ACol, int ARow, bool&) {
            Asked.emplace_back(ACol, ARow);
        };
    }

    void Show() {
        Window.show();
        QApplication::setActiveWindow(&Window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
        Grid->setFocus();
        ASSERT_EQ(Focus(), Grid);
    }

    TColumnStyle& Style(int Col) { return *Grid->ColumnStyles()->GetColumn(Col); }
    TInplaceEditEx* Editor() const { return static_cast<TInplaceEditEx*>(Grid->InplaceEditor()); }
    std::string EditorText() const { return Editor() ? Editor()->GetText() : std::string(); }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    Cell Current() const { return {Grid->Col(), Grid->Row()}; }

    void GoTo(int Col, int Row) {
        Grid->SetCol(Col);
        Grid->SetRow(Row);
        Asked.clear();
        Stores.clear();
    }

    void Press(int Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
        ASSERT_NE(Focus(), nullptr);
        QTest::keyClick(Focus(), static_cast<Qt::Key>(Key), Modifiers);
    }

    // Each character is one key press, sent to the widget that has the focus at that moment.
    void Type(const QString& Text, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
        for (char32_t point : Text.toUcs4()) {
            const QString text = QString::fromUcs4(&point, 1);
            const int key =
                point < 0x80 && text.at(0).isLetterOrNumber() ? text.toUpper().at(0).unicode() : 0;
            QKeyEvent press(QEvent::KeyPress, key, Modifiers, text);
            QApplication::sendEvent(Focus(), &press);
        }
    }
};

} // namespace gridtest
