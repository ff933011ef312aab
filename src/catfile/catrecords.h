#pragma once

#include <string_view>
#include <vector>

#include "catfile/loadformat.h"
#include "model/failure.h"

namespace tavrolin::catfile {

// One record of a file the link software wrote: from a "%Header Record" line up to the
// next one. A file of several records is an archive (programs, lists, pictures); the
// editor's own files are one record.
struct CatRecord {
    std::string_view text;
    int firstLine = 1;  // the record's first line in the whole file
    LoadFormat format = LoadFormat::None;
    std::string_view formatName;  // after "Format:" on line 2, as written
    std::string_view dataType;    // after "Data Type:", as written; empty when there is none
    std::string_view name;        // after "File Name:" or "Data Name:"; empty when none

    // A program: its "Data Type" line says "PG".
    bool isProgram() const;
    // A picture: line 2 names a picture format, and it is no program.
    bool isPicture() const;
};

// The file's records in order. A file that does not begin with a "%Header Record" line
// is one record, the whole file, as is a file with one such line.
std::vector<CatRecord> splitCatRecords(std::string_view bytes);

// The n-th picture record (1-based). The only record of a one-record file is given as
// it is, so its header check can say what is wrong with it, unless it is a program.
model::Result<CatRecord> pictureRecord(std::string_view bytes, int n = 1);

}  // namespace tavrolin::catfile
