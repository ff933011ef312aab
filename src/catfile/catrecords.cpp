#include "catfile/catrecords.h"

#include <optional>

#include "catfile/asciitext.h"
#include "catfile/catlayout.h"
#include "catfile/delimiterscan.h"

namespace tavrolin::catfile {

namespace {

// A line of the bytes: its text without the line end, and where the next one starts.
struct Line {
    std::string_view text;
    std::size_t next;
};

Line lineAt(std::string_view bytes, std::size_t start) {
    const std::size_t end = findLineEnd(bytes, start);
    if (end == bytes.size()) {
        return {bytes.substr(start), end};
    }
    const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    return {bytes.substr(start, end - start), end + (crLf ? 2 : 1)};
}

// The lines the text ends (a last line without an end is not counted).
int lineEndsIn(std::string_view text) {
    int ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        ends += isLineEnd(text[i]) && !crLf ? 1 : 0;
    }
    return ends;
}

// Where the next "%Header Record" line at or after `from` (at least 1) starts, or the
// end of the bytes. Such a line begins with a '%' right after a line end, so finding
// one is a memchr for '%': plane lines have none.
std::size_t nextHeaderLine(std::string_view bytes, std::size_t from) {
    for (std::size_t at = bytes.find('%', from); at != std::string_view::npos;
         at = bytes.find('%', at + 1)) {
        if (isLineEnd(bytes[at - 1]) && startsWithKey(bytes.substr(at), kHeaderRecordLine)) {
            return at;
        }
    }
    return bytes.size();
}

std::string_view valueAfter(std::string_view line, std::string_view key) {
    return line.substr(key.size());
}

// The record with its format, data type and name from its header lines.
CatRecord describedRecord(std::string_view text, int firstLine) {
    CatRecord record;
    record.text = text;
    record.firstLine = firstLine;
    std::size_t position = 0;
    for (int number = 1; position < text.size(); ++number) {
        const Line line = lineAt(text, position);
        position = line.next;
        if (number == 2) {
            if (startsWithKey(line.text, "Format:")) {
                record.formatName = valueAfter(line.text, "Format:");
            }
            record.format = startsWithKey(line.text, "Format:MCS1")  ? LoadFormat::Monochrome
                            : startsWithKey(line.text, "Format:IMG") ? LoadFormat::Colour
                                                                     : LoadFormat::None;
        } else if (startsWithKey(line.text, "Data Type:")) {
            record.dataType = valueAfter(line.text, "Data Type:");
        } else if (startsWithKey(line.text, "File Name:")) {
            record.name = valueAfter(line.text, "File Name:");
        } else if (startsWithKey(line.text, "Data Name:")) {
            record.name = valueAfter(line.text, "Data Name:");
        } else if (startsWithKey(line.text, kDataRecordLine)) {
            break;
        }
    }
    return record;
}

// Calls visit(record, last) for each record in order until it returns true. Only a file
// that begins with a "%Header Record" line is searched for the next one; any other is
// one record as it is. A record's lines are counted only when another follows it.
template <typename Visit>
void visitRecords(std::string_view bytes, Visit&& visit) {
    const bool archive = startsWithKey(bytes, kHeaderRecordLine);
    std::size_t start = 0;
    for (int firstLine = 1;;) {
        const std::size_t end = archive ? nextHeaderLine(bytes, start + 1) : bytes.size();
        const CatRecord record = describedRecord(bytes.substr(start, end - start), firstLine);
        const bool last = end == bytes.size();
        if (visit(record, last) || last) {
            return;
        }
        firstLine += lineEndsIn(record.text);
        start = end;
    }
}

}  // namespace

bool CatRecord::isProgram() const {
    return startsWithKey(dataType, "PG");
}

bool CatRecord::isPicture() const {
    return format != LoadFormat::None && !isProgram();
}

std::vector<CatRecord> splitCatRecords(std::string_view bytes) {
    std::vector<CatRecord> records;
    visitRecords(bytes, [&records](const CatRecord& record, bool) {
        records.push_back(record);
        return false;
    });
    return records;
}

model::Result<CatRecord> pictureRecord(std::string_view bytes, int n) {
    std::optional<CatRecord> chosen;
    int pictures = 0;
    bool first = true;
    visitRecords(bytes, [&](const CatRecord& record, bool last) {
        const bool only = first && last;
        first = false;
        if ((only && n == 1) || (record.isPicture() && ++pictures == n)) {
            chosen = record;
        }
        return chosen.has_value();
    });
    if (!chosen) {
        return model::Failure{model::FailureReason::NoPictureInside, 0, {}};
    }
    // A file of one record is read as a picture whatever it calls itself, unless it
    // says it holds a program.
    if (chosen->isProgram()) {
        return model::Failure{model::FailureReason::ProgramInside, 0, {}};
    }
    return *chosen;
}

}  // namespace tavrolin::catfile
