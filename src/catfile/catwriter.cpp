#include "catfile/catwriter.h"

#include <array>
#include <string_view>

#include "catfile/catlayout.h"
#include "catfile/planeencoder.h"

namespace tavrolin::catfile {

using model::ColorCode;
using model::PictureGrid;

namespace {

constexpr std::array<std::string_view, 9> kMonochromeHeader = {
    kHeaderRecordLine,    "Format:MCS1",   "Type Number:7", "File Name:PICT1", "Option Name:",
    "Communication SW:0", "Capacity:2048", "Data Type:PC",  kDataRecordLine,
};

constexpr std::array<std::string_view, 19> kColourHeader = {
    kHeaderRecordLine,   "Format:IMG",  "Communication SW:0", "Data Type:PC",
    "Height:64",         "Width:128",   "Data Name:Picture6", "Group Name:",
    "Start Position:DR", "Direction:U", "Byte Direction:W",   "Bit Weight:F",
    "Colors:4",          "Sheets:1",    "Option1:",           "Option2:",
    "Option3:",          "Option4:",    kDataRecordLine,
};

// Planes are 2 KB of the 10 KB; reserving spares the string its regrowth.
constexpr std::size_t kPlaneBytes = kPlaneLines * (kDigitsPerLine + kLineEnd.size());

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

void appendPlane(std::string& out, const PictureGrid& picture, ColorCode code) {
    for (const PlaneLine& line : encodePlaneText(picture, code)) {
        appendLine(out, std::string_view(line.data(), line.size()));
    }
}

void appendZeroPlane(std::string& out) {
    for (int n = 1; n <= kPlaneLines; ++n) {
        appendLine(out, kZeroLine);
    }
}

void appendSheetLines(std::string& out, std::string_view colourLine) {
    appendLine(out, "Sheet:1");
    appendLine(out, colourLine);
}

}  // namespace

std::string monochromeBody(const PictureGrid& picture) {
    std::string out;
    out.reserve(2 * kPlaneBytes + 256);
    for (const std::string_view line : kMonochromeHeader) {
        appendLine(out, line);
    }
    appendZeroPlane(out);
    appendLine(out, "");
    appendPlane(out, picture, model::kBlack);
    return out;
}

std::string colourHeader() {
    std::string out;
    for (const std::string_view line : kColourHeader) {
        appendLine(out, line);
    }
    return out;
}

std::string colourSheets(const PictureGrid& picture, SaveColours colours) {
    struct Sheet {
        std::string_view colourLine;
        ColorCode code;
        bool chosen;
    };
    const std::array<Sheet, 3> sheets = {{
        {"Color:1", model::kRed, colours.red},
        {"Color:2", model::kBlue, colours.blue},
        {"Color:3", model::kGreen, colours.green},
    }};
    std::string out;
    out.reserve(kColourPlanes * (kPlaneBytes + 32));
    for (const Sheet& sheet : sheets) {
        appendSheetLines(out, sheet.colourLine);
        if (sheet.chosen) {
            appendPlane(out, picture, sheet.code);
        } else {
            appendZeroPlane(out);
        }
    }
    // The fourth plane would whiten cells on reading; the editor never sets it.
    appendSheetLines(out, "Color:4");
    appendZeroPlane(out);
    return out;
}

std::string fileTrailer() {
    std::string out;
    appendLine(out, "%End");
    appendLine(out, kNoteLine);
    return out;
}

std::string monochromeFile(const PictureGrid& picture) {
    return monochromeBody(picture) + fileTrailer();
}

std::string colourFile(const PictureGrid& picture, SaveColours colours) {
    return colourHeader() + colourSheets(picture, colours) + fileTrailer();
}

}  // namespace tavrolin::catfile
