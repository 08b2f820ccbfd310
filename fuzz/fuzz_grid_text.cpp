// Properties of the grid text file format:
// - any file content reads without fault, and what it reads is written and read again unchanged;
// - rows of cells written and read back give the same cells, but for a trailing empty cell of a row of
//   several, which is not read (cells hold no NUL byte: NUL ends the text of a file);
// - a load only grows the grid and stores fields inside it.
#include "grid/GridTextFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using gridtext::Row;

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

Row ReadBackOf(Row written) {
    if (written.size() >= 2 && written.back().empty()) written.pop_back();
    return written;
}

std::vector<Row> ReadBackOf(const std::vector<Row>& written) {
    std::vector<Row> rows;
    for (const Row& row : written)
        rows.push_back(ReadBackOf(row));
    return rows;
}

void CheckRoundTrip(const std::vector<Row>& rows) {
    const std::string text = gridtext::WriteRows(rows);
    Check(gridtext::ReadRows(text) == ReadBackOf(rows), "written rows read back");
    std::string lines;
    for (const Row& row : rows) {
        const std::string line = gridtext::WriteLine(row);
        Check(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0, "line ends in CR LF");
        lines += line;
    }
    Check(lines == text, "file is its lines");
}

void CheckReading(std::string_view content) {
    const std::vector<Row> rows = gridtext::ReadRows(content);
    const std::string_view text = content.substr(0, content.find('\0'));
    const auto lineEnds = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }));
    Check(rows.size() <= lineEnds + 1, "no more rows than lines");
    Check(text.empty() == rows.empty(), "only an empty text has no rows");
    for (const Row& row : rows)
        for (const std::string& field : row)
            Check(field.find('\0') == std::string::npos, "no NUL in a field");
    CheckRoundTrip(rows);
}

std::vector<Row> ConsumeRows(FuzzedDataProvider& data) {
    std::vector<Row> rows(data.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (Row& row : rows) {
        row.resize(data.ConsumeIntegralInRange<std::size_t>(0, 6));
        for (std::string& cell : row) {
            cell = data.ConsumeRandomLengthString(24);
            cell.erase(std::remove(cell.begin(), cell.end(), '\0'), cell.end());
        }
    }
    return rows;
}

void CheckLoad(const std::vector<Row>& rows, FuzzedDataProvider& data) {
    gridtext::GridExtent extent;
    extent.FixedRows = data.ConsumeIntegralInRange(0, 3);
    extent.FixedCols = data.ConsumeIntegralInRange(0, 3);
    extent.RowCount = extent.FixedRows + data.ConsumeIntegralInRange(0, 10);
    extent.ColCount = extent.FixedCols + data.ConsumeIntegralInRange(0, 10);
    gridtext::GridExtent grid = extent;
    std::size_t stored = 0;
    gridtext::LoadTarget target{
        [&](int count) {
            Check(count > grid.RowCount, "rows only grow");
            grid.RowCount = count;
        },
        [&](int count) {
            Check(count > grid.ColCount, "columns only grow");
            grid.ColCount = count;
        },
        [&](int col, int row, const std::string&) {
            Check(col >= grid.FixedCols && col < grid.ColCount, "field inside the columns");
            Check(row >= grid.FixedRows && row < grid.RowCount, "field inside the rows");
            ++stored;
        }};
    gridtext::LoadRows(rows, extent, target);
    std::size_t fields = 0;
    for (const Row& row : rows)
        fields += row.size();
    Check(stored == fields, "every field stored");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(bytes), size);
    CheckReading(content);

    FuzzedDataProvider data(bytes, size);
    const std::vector<Row> rows = ConsumeRows(data);
    CheckRoundTrip(rows);
    CheckLoad(gridtext::ReadRows(content), data);
    return 0;
}
