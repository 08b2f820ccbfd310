#include "tests/app/EditorFixture.h"

#include "app/UDialogA.h"

#include <QLabel>
#include <QPushButton>

using platform::TMenuItem;

namespace {

struct MenuState {
    const char* name;
    bool enabled;
};

void ExpectMenuStates(app::TForm1& form, std::initializer_list<MenuState> states) {
    const std::map<std::string, TMenuItem*> items = {
        {"Open1", form.Open1}, {"Save1", form.Save1},   {"SaveAs1", form.SaveAs1}, {"Exit1", form.Exit1},
        {"Cut1", form.Cut1},   {"Copy1", form.Copy1},   {"Paste1", form.Paste1},   {"Mode1", form.Mode1},
        {"Calc1", form.Calc1}, {"About1", form.About1}, {"ModeU1", form.ModeU1},   {"ModeM1", form.ModeM1}};
    for (const MenuState& s : states)
        EXPECT_EQ(items.at(s.name)->Enabled(), s.enabled) << s.name;
}

} // namespace

TEST_F(EditorTest, StartsEmptyWithTheDesignedWindowAndMenus) {
    WriteSettings(Path("weapon.prm"));
    app::TForm1& form = CreateForm();
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("データファイルが開かれていません"));
    EXPECT_EQ(form.StringGridEx1->ColCount(), 47);
    EXPECT_EQ(form.StringGridEx1->RowCount(), 252);
    EXPECT_EQ(form.StringGridEx1->FixedRows(), 1);
    EXPECT_EQ(form.StringGridEx1->FixedCols(), 1);
    EXPECT_EQ(form.StringGridEx1->ColWidths(0), 104);
    EXPECT_EQ(form.StringGridEx1->ColWidths(1), 24);
    EXPECT_EQ(form.StringGridEx1->RowHeights(5), 16);
    EXPECT_EQ(form.StringGridEx1->Cells(3, 3), "");
    ExpectMenuStates(form, {{"Open1", true},
                            {"Save1", false},
                            {"SaveAs1", false},
                            {"Exit1", true},
                            {"Cut1", false},
                            {"Copy1", true},
                            {"Paste1", false},
                            {"Mode1", false},
                            {"Calc1", false},
                            {"About1", true},
                            {"ModeU1", true},
                            {"ModeM1", true}});
    EXPECT_FALSE(form.ModeU1->Checked());
    EXPECT_FALSE(form.ModeM1->Checked());

    struct Item {
        TMenuItem* item;
        const char* caption;
        platform::TShortCut shortCut;
    } items[] = {{form.Open1, "開く(&O)...", 16463},
                 {form.Save1, "上書き保存(&S)", 16467},
                 {form.SaveAs1, "名前を付けて保存(&A)...", 24659},
                 {form.Exit1, "終了(&X)", 32883},
                 {form.Cut1, "Cut(&T)", 16472},
                 {form.Copy1, "&Copy", 16451},
                 {form.Paste1, "&Paste", 16470},
                 {form.ModeU1, "ユニット名編集モード(&U)", 16469},
                 {form.ModeM1, "レンジ選択モード(&R)", 16466},
                 {form.CalcA1, "加減算(&Add)", 16449},
                 {form.CalcM1, "乗算(&Multiple)", 0},
                 {form.CalcN1, "論理積(A&nd)", 0}};
    for (const Item& i : items) {
        EXPECT_EQ(i.item->Caption(), i.caption);
        EXPECT_EQ(i.item->ShortCut(), i.shortCut) << i.caption;
    }
}

TEST_F(EditorTest, MissingSettingsFileIsReportedAndTheDialogStartsHere) {
    auto message = testsupport::AcceptNextMessage();
    app::TForm1& form = CreateForm();
    EXPECT_EQ(*message, QString::fromUtf8(
                            "初期化ファイルが見つかりませんでした\n ファイルオープン時に新規に作成します"));
    EXPECT_EQ(form.OpenDialog1.FileName, "weapon.prm");
    EXPECT_EQ(form.OpenDialog1.InitialDir, ".");
}

TEST_F(EditorTest, SettingsFileProposesItsLastLine) {
    struct Case {
        std::string content;
        std::string proposed;
    } cases[] = {
        {"/data/game/weapon.prm", "/data/game/weapon.prm"},
        {"/a/first.prm\n/b/second.prm", "/b/second.prm"},
        {"/a/first.prm\r\n/b/last.prm\r\n", "/b/last.prm"},
        {"", "weapon.prm"},
        {"/" + std::string(300, 'x') + ".prm", "/" + std::string(300, 'x') + ".prm"},
    };
    for (const Case& c : cases) {
        WriteSettings(c.content);
        app::TForm1 form(SettingsPath());
        EXPECT_EQ(form.OpenDialog1.FileName, c.proposed) << c.content;
    }
}

TEST_F(EditorTest, OpenShowsEveryUnitAndPointsEachCellIntoTheImage) {
    app::TForm1& form = OpenSample();
    auto& grid = *form.StringGridEx1;
    EXPECT_EQ(form.windowTitle().toStdString(), Path("weapon.prm"));
    EXPECT_EQ(ReadSettings(), Path("weapon.prm"));
    EXPECT_EQ(form.SaveDialog1.FileName, Path("weapon.prm"));
    ExpectMenuStates(form,
                     {{"Save1", true}, {"SaveAs1", true}, {"Cut1", true}, {"Mode1", true}, {"Calc1", false}});

    EXPECT_EQ(grid.Cells(0, 1), fixture::Cp932("戦闘機ファルコン"));
    EXPECT_EQ(grid.Cells(0, 2), "ABC");
    EXPECT_EQ(grid.Cells(0, 4), "ABCDEFGHIJKLMNO\x83");
    EXPECT_EQ(grid.Cells(31, 5), "999");
    EXPECT_EQ(grid.Cells(33, 5), "1000");
    EXPECT_EQ(grid.Cells(34, 5), "65535");
    const auto* base = reinterpret_cast<const std::uint8_t*>(&form.Image());
    for (int row = 1; row <= 251; ++row)
        for (int col = 1; col <= 46; ++col) {
            ASSERT_EQ(grid.Cells(col, row), std::to_string(fixture::ReadField(sample, row - 1, col)))
                << col << "," << row;
            ASSERT_EQ(static_cast<const std::uint8_t*>(grid.Objects(col, row)) - base,
                      static_cast<std::ptrdiff_t>(fixture::FieldPos(row - 1, col)));
        }
    EXPECT_EQ(grid.Objects(0, 1), nullptr);
}

TEST_F(EditorTest, OpeningAFileWithoutTheMagicKeepsTheLoadedOne) {
    app::TForm1& form = OpenSample();
    fixture::Bytes other = sample;
    other[7] = 'X';
    ASSERT_TRUE(fixture::WriteBytes(Path("other.prm"), other));
    testsupport::ChooseFileInNextDialog(QString::fromStdString(Path("other.prm")));
    auto message = testsupport::AcceptNextMessage();
    Shortcut(Qt::Key_O);
    EXPECT_EQ(*message, QString::fromUtf8("目的のデータファイルではありません"));
    EXPECT_EQ(form.windowTitle().toStdString(), Path("weapon.prm"));
    EXPECT_EQ(form.SaveDialog1.FileName, Path("weapon.prm"));
    EXPECT_EQ(ReadSettings(), Path("weapon.prm"));
    EXPECT_EQ(0, std::memcmp(&form.Image(), sample.data(), sample.size()));

    // A file that cannot be read is passed over without a message.
    OpenThroughDialog(Path("missing.prm"));
    EXPECT_EQ(form.windowTitle().toStdString(), Path("weapon.prm"));
}

TEST_F(EditorTest, SaveAsThenSaveWritesToTheNewPath) {
    app::TForm1& form = OpenSample();
    testsupport::ChooseFileInNextDialog(QString::fromStdString(Path("copy.prm")));
    Shortcut(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fixture::ReadBytes(Path("copy.prm")), sample);
    EXPECT_EQ(form.windowTitle().toStdString(), Path("copy.prm"));
    EXPECT_EQ(ReadSettings(), Path("copy.prm"));
    EXPECT_EQ(form.OpenDialog1.FileName, Path("weapon.prm"));

    std::remove(Path("copy.prm").c_str());
    Shortcut(Qt::Key_S);
    EXPECT_EQ(fixture::ReadBytes(Path("copy.prm")), sample);
    EXPECT_EQ(form.windowTitle().toStdString(), Path("copy.prm"));
}

TEST_F(EditorTest, CommandsThatNeedAFileDoNothingBeforeOne) {
    WriteSettings(Path("weapon.prm"));
    app::TForm1& form = CreateForm();
    form.SaveDialog1.FileName = Path("never.prm");
    Shortcut(Qt::Key_S);
    Shortcut(Qt::Key_U);
    Shortcut(Qt::Key_R);
    EXPECT_TRUE(fixture::ReadBytes(Path("never.prm")).empty());
    EXPECT_FALSE(form.ModeU1->Checked());
    EXPECT_FALSE(form.ModeM1->Checked());
}

TEST_F(EditorTest, AboutShowsTheDialogModally) {
    WriteSettings(Path("weapon.prm"));
    app::TForm1& form = CreateForm();
    QString title, version;
    bool centred = false;
    testsupport::AnswerNextModal([&](QWidget* modal) {
        auto* about = qobject_cast<app::TDialogAbout*>(modal);
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        version = about->Label3->text();
        centred = about->size() == QSize(242, 178) && !about->Image1->pixmap().isNull();
        QTest::keyClick(about->BitBtn1, Qt::Key_Return);
    });
    form.About1->Click();
    EXPECT_EQ(title, QStringLiteral("About"));
    EXPECT_EQ(version, QStringLiteral("ver. 0.90"));
    EXPECT_TRUE(centred);
    EXPECT_FALSE(form.DialogAbout->isVisible());
}

// The labels keep their designed places; the Japanese faces this system has are wider than the
// designed ones, so each label is as wide as its text needs, within the dialog.
TEST(AboutDialog, EveryLabelShowsItsWholeText) {
    app::TDialogAbout about;
    const struct {
        QLabel* label;
        QPoint place;
    } labels[] = {{about.Label1, {120, 16}},
                  {about.Label2, {112, 40}},
                  {about.Label3, {144, 64}},
                  {about.Label4, {48, 96}},
                  {about.Label5, {56, 120}}};
    for (const auto& l : labels) {
        SCOPED_TRACE(l.label->text().toStdString());
        EXPECT_EQ(l.label->pos(), l.place);
        EXPECT_LE(l.label->fontMetrics().horizontalAdvance(l.label->text()), l.label->width());
        EXPECT_LE(l.label->geometry().right(), about.width() - 1);
    }
    EXPECT_EQ(about.Label2->text(), QString::fromUtf8("ユニットエディタ"));
}
