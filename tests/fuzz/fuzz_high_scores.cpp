// The high-score table: any file reads without harm, and the table it gives survives a write
// and a read unchanged.
#include <cstdlib>

#include "FuzzInput.h"
#include "main/progress/HighScores.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    THighScores table;
    table.FromText(FuzzText(data, size));
    if (table.Entries.size() > THighScores::ReadEntries) std::abort();
    THighScores again;
    again.FromText(table.ToText());
    if (again.Entries.size() != table.Entries.size()) std::abort();
    for (size_t i = 0; i < table.Entries.size(); ++i)
        if (again.Entries[i].Score != table.Entries[i].Score) std::abort();
    return 0;
}
