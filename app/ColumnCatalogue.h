#pragma once
// What each of the 47 columns is called and how it is explained (UTF-8 literals).

#include <string>

namespace app {

constexpr int kColumnCount = 47;

struct TColumnEntry {
    const char* Header;
    const char* Tooltip;
    const char* Status;
};

extern const TColumnEntry kColumnCatalogue[kColumnCount];

// The stored hint of a column: tooltip part, "|", status-bar part. Column 0-46.
std::string ColumnHints(int Column);
// The header cell text of a column in CP932 (column 0: the name column's header).
std::string ColumnHeaderLetters(int Column);

} // namespace app
