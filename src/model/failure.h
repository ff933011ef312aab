#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tavrolin::model {

// Why a file could not be read or written. The codecs and the file edge say which;
// the window and the converter turn it into the user's own words.
enum class FailureReason {
    SystemError,        // the system refused; its own text is the detail
    NoPermission,       // the file or its folder may not be read or written
    IsFolder,           // the name is a folder, not a file
    NotRegularFile,     // a pipe, socket or device, or a kernel file that gives bytes
                        // though it says it is empty, or waits for them
    NotFound,           // there is no such file
    EmptyFile,          // the file holds nothing
    TooLarge,           // the file is larger than any picture file; detail: its size
    HeaderCutShort,     // a picture file ends inside its header (line: the last line)
    HeaderKeyMismatch,  // a header line is not what it must be (line; detail: the key)
    NoPictureFormat,    // line 2 names no picture format (line)
    NotAnImage,         // no image format recognises the file
    ImageTooLarge,      // an image too large to decode (detail: its width x height)
    WrongSizeField,     // a binary file's size field differs from its length
    WrongControlBytes,  // a binary file's control bytes do not match its size
    NotG1mFile,         // a file read as a calculator's memory file does not start as one
    BinaryCutShort,     // a binary file ends before its contents do
    NoPictureInside,    // a file of several records holds no picture
    ProgramInside,      // a picture file's one record is a program
    PictureMissing,     // the picture asked for is not in the file (detail: its name)
    WriteCutShort,      // a file being written could not be written to its end
    FolderMissing,      // the folder a file is to be written in does not exist
    NotAFolderOnPath,   // a name on the way to the file is a file, not a folder
    NameTooLong,        // the system takes no name that long
    NoSpace,            // the disk (or the user's share of it) is full
    ReadOnlyDisk,       // the file is on a disk that is mounted read-only
};

// A failure and where it happened: a 1-based line of a text file, or 0.
struct Failure {
    FailureReason reason = FailureReason::SystemError;
    int line = 0;
    std::string detail;
};

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : content_(std::move(value)) {}
    Result(Failure failure) : content_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(content_); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(content_); }
    T& value() & { return std::get<T>(content_); }
    T&& value() && { return std::get<T>(std::move(content_)); }
    const Failure& failure() const { return std::get<Failure>(content_); }

  private:
    std::variant<T, Failure> content_;
};

// A step that gives nothing back but may fail.
struct Done {};
using Outcome = Result<Done>;

}  // namespace tavrolin::model
