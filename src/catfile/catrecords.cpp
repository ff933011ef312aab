#include "catfile/catrecords.h"

#include "catfile/asciitext.h"

namespace tavrolin::catfile {

namespace {

constexpr std::string_view kHeaderKey = "%HEADER RECORD";
constexpr std::string_view kDataKey = "%DATA RECORD";

// A line of the bytes: where it starts, its text without the line end, where the next
// one starts.
struct Line {
    std::size_t start;
    std::string_view text;
    std::size_t next;
};

Line lineAt(std::string_view bytes, std::size_t start) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        return {start, bytes.substr(start), bytes.size()};
    }
    const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    return {start, bytes.substr(start, end - start), end + (crLf ? 2 : 1)};
}

std::string_view valueAfter(std::string_view line, std::string_view key) {
    return line.substr(key.size());
}

// The format, data type and name from the record's header lines.
void describe(CatRecord& record) {
    std::size_t position = 0;
    for (int number = 1; position < record.text.size(); ++number) {
        const Line line = lineAt(record.text, position);
        position = line.next;
        if (number == 2) {
            if (startsWithKey(line.text, "FORMAT:")) {
                record.formatName = valueAfter(line.text, "FORMAT:");
            }
            record.format = startsWithKey(line.text, "FORMAT:MCS1")  ? LoadFormat::Monochrome
                            : startsWithKey(line.text, "FORMAT:IMG") ? LoadFormat::Colour
                                                                     : LoadFormat::None;
        } else if (startsWithKey(line.text, "DATA TYPE:")) {
            record.dataType = valueAfter(line.text, "DATA TYPE:");
        } else if (startsWithKey(line.text, "FILE NAME:")) {
            record.name = valueAfter(line.text, "FILE NAME:");
        } else if (startsWithKey(line.text, "DATA NAME:")) {
            record.name = valueAfter(line.text, "DATA NAME:");
        } else if (startsWithKey(line.text, kDataKey)) {
            return;
        }
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
    const auto add = [&records](std::string_view text, int firstLine) {
        CatRecord& record = records.emplace_back();
        record.text = text;
        record.firstLine = firstLine;
        describe(record);
    };
    std::size_t recordStart = 0;
    int recordLine = 1;
    const bool archive = startsWithKey(lineAt(bytes, 0).text, kHeaderKey);
    std::size_t position = archive ? lineAt(bytes, 0).next : bytes.size();
    for (int number = 2; position < bytes.size(); ++number) {
        const Line line = lineAt(bytes, position);
        if (startsWithKey(line.text, kHeaderKey)) {
            add(bytes.substr(recordStart, line.start - recordStart), recordLine);
            recordStart = line.start;
            recordLine = number;
        }
        position = line.next;
    }
    add(bytes.substr(recordStart), recordLine);
    return records;
}

model::Result<CatRecord> pictureRecord(std::string_view bytes, int n) {
    const std::vector<CatRecord> records = splitCatRecords(bytes);
    if (records.size() == 1 && n == 1) {
        if (records.front().isProgram()) {
            return model::Failure{model::FailureReason::ProgramInside, 0, {}};
        }
        return records.front();
    }
    int pictures = 0;
    for (const CatRecord& record : records) {
        if (record.isPicture() && ++pictures == n) {
            return record;
        }
    }
    return model::Failure{model::FailureReason::NoPictureInside, 0, {}};
}

}  // namespace tavrolin::catfile
