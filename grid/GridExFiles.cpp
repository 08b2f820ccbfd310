// Placeholder definitions of the grid's text file operations, which are written separately; until then
// each of them fails with an error rather than pretending to have read or written a file.
#include "grid/GridEx.h"

#include "platform/Exceptions.h"

namespace {

[[noreturn]] void NotAvailable() { throw platform::EStreamError("grid text files are not available yet"); }

} // namespace

void TStringGridEx::LoadFromFile(const std::string&) { NotAvailable(); }
void TStringGridEx::LoadFromFormatFile(const std::string&) { NotAvailable(); }
void TStringGridEx::SaveToFile(const std::string&) { NotAvailable(); }
void TStringGridEx::SaveToFormatFile(const std::string&) { NotAvailable(); }
