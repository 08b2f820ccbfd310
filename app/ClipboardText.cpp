#include "app/ClipboardText.h"

#include "platform/NumberText.h"

#include <algorithm>

namespace app {

std::string JoinBlockText(int Left, int Top, int Right, int Bottom,
                          const std::function<std::string(int Col, int Row)>& CellText) {
    std::string text;
    for (int row = Top; row <= Bottom; ++row) {
        for (int col = Left; col <= Right; ++col) {
            text += CellText(col, row);
            text += '\t';
        }
        if (!text.empty() && text.back() == '\t') text.pop_back();
        text += '\n';
    }
    return text;
}

std::vector<TPasteCell> PlacePasteText(const std::string& Text, int Left, int Top, int MaxCol, int MaxRow) {
    std::vector<TPasteCell> cells;
    int col = Left;
    int row = Top;
    std::string::size_type pos = 0;
    while (pos < Text.size()) {
        const auto separator = Text.find_first_of("\t\n", pos);
        const bool lineEnd = separator != std::string::npos && Text[separator] == '\n';
        const auto end = separator == std::string::npos ? Text.size() : separator;
        cells.push_back(TPasteCell{col, row, Text.substr(pos, end - pos)});
        pos = separator == std::string::npos ? Text.size() : separator + 1;
        col = std::min(col + 1, MaxCol);
        if (lineEnd) {
            col = Left;
            row = std::min(row + 1, MaxRow);
        }
    }
    return cells;
}

TPastedNumber ReadPastedNumber(const std::string& CellText) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    auto begin = std::find_if_not(CellText.begin(), CellText.end(), blank);
    auto end = std::find_if_not(CellText.rbegin(), std::make_reverse_iterator(begin), blank).base();
    const std::string trimmed(begin, end);
    if (trimmed.empty() || !((trimmed[0] >= '0' && trimmed[0] <= '9') || trimmed[0] == '-'))
        return TPastedNumber{TPastedNumber::Skip};
    if (auto value = platform::TryStrToInt(trimmed)) return TPastedNumber{TPastedNumber::Number, *value};
    return TPastedNumber{TPastedNumber::Invalid};
}

} // namespace app
