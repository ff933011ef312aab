#include "g1mfile/g1mwriter.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "g1mfile/g1mbytes.h"
#include "g1mfile/g1mgroups.h"
#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1msheet.h"

namespace tavrolin::g1mfile {

namespace {

// The standard header of a new file before it is inverted; fitted() sets its size,
// control bytes and count.
std::string newStandardHeader() {
    std::string header(kMagic);
    header += static_cast<char>(kMemoryFileType);
    header += std::string_view("\x00\x10\x00\x10\x00\x00\x01\x00\x00\x00\x00\x00", 12);
    header.append(9, '\xFF');
    header.append(2, '\0');
    return header;
}

// The file of a standard header (as read, not inverted) and the groups after it, the
// header's size, control bytes and memory file count made to fit them.
std::string fitted(std::string header, std::string_view groups, std::uint16_t files) {
    const auto size = static_cast<std::uint32_t>(kStandardHeaderBytes + groups.size());
    std::string sizeField;
    appendBigEndian(sizeField, size, 4);
    header.replace(kSizeOffset, 4, sizeField);
    header[kControl1Offset] = static_cast<char>((size + kControl1Add) & 0xFF);
    header[kControl2Offset] = static_cast<char>((size + kControl2Add) & 0xFF);
    std::string count;
    appendBigEndian(count, files, 2);
    header.replace(kStandardHeaderBytes - 2, 2, count);
    return inverted(header) + std::string(groups);
}

std::string groupHeader(std::string_view storedName, std::size_t files) {
    std::string header;
    appendName(header, storedName, kGroupNameBytes);
    appendBigEndian(header, static_cast<std::uint32_t>(files), 4);
    return header;
}

std::string groupName(int number) {
    return "PICTURE " + std::to_string(number);
}

// The memory file of the picture: its header and two sheets.
std::string pictureFile(const model::PictureGrid& picture, int number) {
    std::string file;
    appendName(file, "main", kFolderBytes);
    appendName(file, pictureFileName(number), kItemNameBytes);
    file += static_cast<char>(kPictureType);
    appendBigEndian(file, kPictureDataBytes, 4);
    file.append(kFileHeaderBytes - kLengthOffset - 4, '\0');
    file += blackSheet(picture);
    file.append(kSheetBytes, '\0');
    return file;
}

// Whether group `a` comes before group `b` in the calculator's memory: by name, and
// names that differ only in their number by its value ("PICTURE 2", "PICTURE 10").
bool comesBefore(std::string_view a, std::string_view b) {
    const std::string_view stemA = a.substr(0, a.find_last_not_of("0123456789") + 1);
    const std::string_view stemB = b.substr(0, b.find_last_not_of("0123456789") + 1);
    if (stemA != stemB) {
        return stemA < stemB;
    }
    return trailingNumber(a) < trailingNumber(b);
}

// A group as it is to be written: its stored name and the bytes of its memory files.
struct GroupToWrite {
    std::string_view storedName;
    std::string_view name;
    std::vector<std::string_view> files;
};

// The groups with "Pict n" replaced where it is, else added to the group named
// `pictureGroup`, which is made where it belongs when there is none.
std::vector<GroupToWrite> withPictureFile(const std::vector<G1mGroup>& groups,
                                          std::string_view newFile, int number,
                                          std::string_view pictureGroup) {
    std::vector<GroupToWrite> result;
    bool replaced = false;
    for (const G1mGroup& group : groups) {
        GroupToWrite& out = result.emplace_back(GroupToWrite{group.storedName, group.name, {}});
        for (const G1mMemoryFile& file : group.files) {
            const bool isPicture = file.name == pictureFileName(number);
            replaced = replaced || isPicture;
            out.files.push_back(isPicture ? newFile : file.stored);
        }
    }
    if (replaced) {
        return result;
    }
    const auto named = [&](const GroupToWrite& group) { return group.name == pictureGroup; };
    auto place = std::find_if(result.begin(), result.end(), named);
    if (place == result.end()) {
        place = std::find_if(result.begin(), result.end(), [&](const GroupToWrite& group) {
            return comesBefore(pictureGroup, group.name);
        });
        place = result.insert(place, GroupToWrite{pictureGroup, pictureGroup, {}});
    }
    place->files.push_back(newFile);
    return result;
}

}  // namespace

std::string pictureFileName(int number) {
    return "PICT" + std::to_string(number);
}

std::string g1mPictureFile(const model::PictureGrid& picture, int number) {
    return fitted(newStandardHeader(),
                  groupHeader(groupName(number), 1) + pictureFile(picture, number), 1);
}

model::Result<std::string> g1mWithPicture(std::string_view archive,
                                          const model::PictureGrid& picture, int number) {
    const model::Result<std::vector<G1mGroup>> groups = readG1mGroups(archive);
    if (!groups) {
        return groups.failure();
    }
    const std::string newFile = pictureFile(picture, number);
    const std::string pictureGroup = groupName(number);
    std::string body;
    std::size_t files = 0;
    for (const GroupToWrite& group :
         withPictureFile(groups.value(), newFile, number, pictureGroup)) {
        body += groupHeader(group.storedName, group.files.size());
        for (const std::string_view file : group.files) {
            body += file;
        }
        files += group.files.size();
    }
    if (files > std::numeric_limits<std::uint16_t>::max()) {
        return model::Failure{model::FailureReason::TooLarge, 0, std::to_string(archive.size())};
    }
    return fitted(inverted(archive.substr(0, kStandardHeaderBytes)), body,
                  static_cast<std::uint16_t>(files));
}

}  // namespace tavrolin::g1mfile
