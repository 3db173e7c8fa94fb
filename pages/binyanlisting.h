#pragma once
// The binyan listing: the top-left section of the verb page. Seven rows, one per binyan; the verb's
// own binyan is shaded "#e6e5e9" and, on the Hebrew side, an orange link to the verb itself; every
// other binyan in which a verb of the same root exists is a gray link to it (Hebrew side only). A
// link is "#command_" table number ":" verb id.

#include "db/verbdatabase.h"
#include "lists/programstate.h"
#include "pagestate.h"

namespace quorix {

// Rebuilds page.binyanSection for the verb whose root record is `root`, and makes its table and
// binyan (the table number's first digit) the current ones. A binyan digit outside 1 to 7 is
// outside the data: that row gets no shading, no link and no name.
void buildBinyanListing(const VerbDatabase& db, const VerbRecord& root, ProgramState& state, PageState& page);

}  // namespace quorix
