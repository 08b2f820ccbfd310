#pragma once
// The grid's text file format: one row of data cells per line, comma-separated fields with double-quote
// quoting, CR LF line ends. Pure functions over CP932 byte strings; files are read and written by the
// caller (platform/FileStream.h).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gridtext {

using Row = std::vector<std::string>;

// A field needs quotes when it holds a byte from 0x00 to 0x20, a double quote or a comma.
bool NeedsQuotes(std::string_view field);

// The bytes of one line for the given cells, CR LF included. A lone empty cell is written as "" so that
// it reads back as one empty field.
std::string WriteLine(const Row& cells);

// The bytes of a whole file: WriteLine of each row in turn.
std::string WriteRows(const std::vector<Row>& rows);

// The rows of fields a file holds. Lines end at CR LF, CR or LF, a NUL byte ends the text, blanks
// (0x01-0x20) around fields are dropped, and a line end inside a quoted field belongs to the field.
std::vector<Row> ReadRows(std::string_view content);

// The data area of a grid: rows FixedRows..RowCount-1, columns FixedCols..ColCount-1.
struct GridExtent {
    int FixedRows = 0;
    int FixedCols = 0;
    int RowCount = 0;
    int ColCount = 0;
};

// The count a load leaves: grown to fixedCount + itemCount when that is larger, never shrunk.
// Throws std::length_error when the result would not fit an int.
int GrownCount(int count, int fixedCount, std::size_t itemCount);

// The file text of a grid's data cells; cellText(col, row) gives the text written for a cell.
std::string WriteGrid(const GridExtent& extent, const std::function<std::string(int col, int row)>& cellText);

// The changes a load makes to a grid, called in the order the grid must see them.
struct LoadTarget {
    std::function<void(int rowCount)> SetRowCount;
    std::function<void(int colCount)> SetColCount;
    std::function<void(int col, int row, const std::string& field)> StoreField;
};

// Stores read rows into a grid: RowCount grows once for the number of rows; then, row by row, ColCount
// grows for that row's fields and each field is stored. Counts are only ever grown; cells beyond the
// fields of their row keep their text.
void LoadRows(const std::vector<Row>& rows, const GridExtent& extent, const LoadTarget& target);

} // namespace gridtext
