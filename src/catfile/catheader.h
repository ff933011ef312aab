#pragma once

#include "catfile/catitemreader.h"
#include "catfile/loadformat.h"
#include "model/failure.h"

namespace tavrolin::catfile {

// What the header check found. The editor needs both: an unreadable file whose line 2
// named the monochrome variant still runs the load completion.
struct CatHeader {
    LoadFormat loadFormat = LoadFormat::None;
    bool loadValid = false;
    // Why the file is unreadable: the first check that failed, with its line.
    model::Failure failure;
};

// Reads the header from the reader's start and checks its keys, upper-casing each
// examined item and comparing it over the key's length only. A failed check does not
// stop the reading: the remaining header lines are still taken. A file that ends
// inside the header is unreadable. Afterwards the reader stands at the first plane
// line: line 10 of a monochrome file, line 22 of a colour file ("Sheet:1" and
// "Color:1" taken).
CatHeader checkCatHeader(CatItemReader& reader);

}  // namespace tavrolin::catfile
