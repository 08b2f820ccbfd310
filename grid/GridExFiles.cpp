// The grid's text files: its data cells as comma-separated lines, either the cell texts as they stand
// or each cell in its edit form through the column conversions.
#include "grid/GridEx.h"
#include "grid/GridTextFile.h"

#include "platform/FileStream.h"

#include <functional>
#include <string>

namespace {

using TCellText = std::function<std::string(int ACol, int ARow)>;
using TStoreField = std::function<void(int ACol, int ARow, const std::string& Field)>;

gridtext::GridExtent ExtentOf(const TStringGridEx& Grid) {
    return {Grid.FixedRows(), Grid.FixedCols(), Grid.RowCount(), Grid.ColCount()};
}

// The whole text is assembled before the file is touched.
void SaveGrid(const TStringGridEx& Grid, const std::string& FileName, const TCellText& CellText) {
    platform::WriteFileBytes(FileName, gridtext::WriteGrid(ExtentOf(Grid), CellText));
}

// The whole file is read before the first cell changes, so a file that cannot be read leaves the grid
// as it was.
void LoadGrid(TStringGridEx& Grid, const std::string& FileName, const TStoreField& StoreField) {
    const std::vector<gridtext::Row> rows = gridtext::ReadRows(platform::ReadFileBytes(FileName));
    gridtext::LoadRows(rows, ExtentOf(Grid),
                       {[&Grid](int RowCount) { Grid.SetRowCount(RowCount); },
                        [&Grid](int ColCount) { Grid.SetColCount(ColCount); }, StoreField});
}

} // namespace

void TStringGridEx::LoadFromFile(const std::string& FileName) {
    LoadGrid(*this, FileName,
             [this](int ACol, int ARow, const std::string& Field) { SetCells(ACol, ARow, Field); });
}

// Each field goes through the column's edit-text store, as a finished edit does; columns without a
// style (also those the load itself adds) drop their fields there.
void TStringGridEx::LoadFromFormatFile(const std::string& FileName) {
    LoadGrid(*this, FileName,
             [this](int ACol, int ARow, const std::string& Field) { SetEditText(ACol, ARow, Field); });
}

void TStringGridEx::SaveToFile(const std::string& FileName) {
    SaveGrid(*this, FileName, [this](int ACol, int ARow) { return Cells(ACol, ARow); });
}

void TStringGridEx::SaveToFormatFile(const std::string& FileName) {
    SaveGrid(*this, FileName, [this](int ACol, int ARow) { return GetEditText(ACol, ARow); });
}
