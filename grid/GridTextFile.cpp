#include "grid/GridTextFile.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace gridtext {

namespace {

constexpr char Quote = '"';
constexpr char Comma = ',';
constexpr std::string_view LineEnd = "\r\n";

// The special bytes are all single-byte characters that never occur as the second byte of a CP932
// character, so the format is handled byte by byte.
bool IsControlOrSpace(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool IsBlank(char c) {
    return IsControlOrSpace(c) && c != '\0' && !IsLineEnd(c);
}

void AppendField(std::string& out, std::string_view field) {
    if (!NeedsQuotes(field)) {
        out += field;
        return;
    }
    out += Quote;
    for (char c : field) {
        if (c == Quote) out += Quote;
        out += c;
    }
    out += Quote;
}

void AppendLine(std::string& out, const Row& cells) {
    if (cells.size() == 1 && cells.front().empty()) {
        out += "\"\"";
    } else {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out += Comma;
            AppendField(out, cells[i]);
        }
    }
    out += LineEnd;
}

// Reads rows of fields from text that holds no NUL byte.
class RowReader {
public:
    explicit RowReader(std::string_view text) : FText(text) {}

    bool AtEnd() const { return FPos == FText.size(); }
    Row ReadRow();

private:
    bool AtLineEnd() const { return AtEnd() || IsLineEnd(FText[FPos]); }
    bool At(char c) const { return !AtEnd() && FText[FPos] == c; }
    void SkipBlanks();
    void SkipLineEnd();
    std::string ReadQuotedField();
    std::string ReadBareField();

    std::string_view FText;
    std::size_t FPos = 0;
};

Row RowReader::ReadRow() {
    Row fields;
    SkipBlanks();
    while (!AtLineEnd()) {
        fields.push_back(At(Quote) ? ReadQuotedField() : ReadBareField());
        SkipBlanks();
        if (At(Comma)) {
            ++FPos;
            SkipBlanks();
        }
    }
    SkipLineEnd();
    return fields;
}

void RowReader::SkipBlanks() {
    while (!AtEnd() && IsBlank(FText[FPos]))
        ++FPos;
}

void RowReader::SkipLineEnd() {
    if (At('\r')) {
        ++FPos;
        if (At('\n')) ++FPos;
    } else if (At('\n')) {
        ++FPos;
    }
}

// A doubled quote stands for one quote; the field ends at the first quote that is not doubled. Line ends
// inside belong to the field, so a cell holding a line break reads back whole. A quote that is never
// closed runs only to the end of its line, so one stray quote cannot swallow the rest of the file.
std::string RowReader::ReadQuotedField() {
    const std::size_t start = ++FPos;
    std::string field;
    while (!AtEnd()) {
        const std::size_t quote = std::min(FText.find(Quote, FPos), FText.size());
        field.append(FText.substr(FPos, quote - FPos));
        FPos = quote;
        if (AtEnd()) break;
        ++FPos;
        if (!At(Quote)) return field;
        field += Quote;
        ++FPos;
    }
    const std::size_t lineEnd = FText.find_first_of("\r\n", start);
    if (lineEnd == std::string_view::npos) return field;
    field.clear();
    for (std::size_t i = start; i < lineEnd; ++i) {
        field += FText[i];
        if (FText[i] == Quote && i + 1 < lineEnd && FText[i + 1] == Quote) ++i;
    }
    FPos = lineEnd;
    return field;
}

std::string RowReader::ReadBareField() {
    const std::size_t start = FPos;
    while (!AtEnd() && !IsControlOrSpace(FText[FPos]) && FText[FPos] != Comma)
        ++FPos;
    return std::string(FText.substr(start, FPos - start));
}

} // namespace

bool NeedsQuotes(std::string_view field) {
    return std::any_of(field.begin(), field.end(),
                       [](char c) { return IsControlOrSpace(c) || c == Quote || c == Comma; });
}

std::string WriteLine(const Row& cells) {
    std::string line;
    AppendLine(line, cells);
    return line;
}

std::string WriteRows(const std::vector<Row>& rows) {
    std::string text;
    for (const Row& row : rows)
        AppendLine(text, row);
    return text;
}

std::vector<Row> ReadRows(std::string_view content) {
    RowReader reader(content.substr(0, content.find('\0')));
    std::vector<Row> rows;
    while (!reader.AtEnd())
        rows.push_back(reader.ReadRow());
    return rows;
}

int GrownCount(int count, int fixedCount, std::size_t itemCount) {
    const auto room = static_cast<std::size_t>(std::numeric_limits<int>::max() - fixedCount);
    if (itemCount > room) throw std::length_error("grid text file: too many rows or columns");
    return std::max(count, fixedCount + static_cast<int>(itemCount));
}

std::string WriteGrid(const GridExtent& extent,
                      const std::function<std::string(int col, int row)>& cellText) {
    std::string text;
    Row cells;
    for (int row = extent.FixedRows; row < extent.RowCount; ++row) {
        cells.clear();
        for (int col = extent.FixedCols; col < extent.ColCount; ++col)
            cells.push_back(cellText(col, row));
        AppendLine(text, cells);
    }
    return text;
}

void LoadRows(const std::vector<Row>& rows, const GridExtent& extent, const LoadTarget& target) {
    const int rowCount = GrownCount(extent.RowCount, extent.FixedRows, rows.size());
    if (rowCount != extent.RowCount) target.SetRowCount(rowCount);
    int colCount = extent.ColCount;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row& fields = rows[k];
        const int grownColCount = GrownCount(colCount, extent.FixedCols, fields.size());
        if (grownColCount != colCount) {
            colCount = grownColCount;
            target.SetColCount(colCount);
        }
        const int row = extent.FixedRows + static_cast<int>(k);
        for (std::size_t j = 0; j < fields.size(); ++j)
            target.StoreField(extent.FixedCols + static_cast<int>(j), row, fields[j]);
    }
}

} // namespace gridtext
