#include "exchange/csourceexport.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <span>

#include "exchange/savefilecommit.h"
#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1msheet.h"

namespace tavrolin::exchange {

namespace {

// The words C99 and C++20 keep for themselves, and main, which names the program.
constexpr std::string_view kKeywords[] = {
    "_Bool",        "_Complex",      "_Imaginary",  "alignas",   "alignof",   "and",
    "and_eq",       "asm",           "auto",        "bitand",    "bitor",     "bool",
    "break",        "case",          "catch",       "char",      "char16_t",  "char32_t",
    "char8_t",      "class",         "co_await",    "co_return", "co_yield",  "compl",
    "concept",      "const",         "const_cast",  "consteval", "constexpr", "constinit",
    "continue",     "decltype",      "default",     "delete",    "do",        "double",
    "dynamic_cast", "else",          "enum",        "explicit",  "export",    "extern",
    "false",        "float",         "for",         "friend",    "goto",      "if",
    "inline",       "int",           "long",        "mutable",   "namespace", "new",
    "noexcept",     "not",           "not_eq",      "nullptr",   "operator",  "or",
    "or_eq",        "private",       "protected",   "public",    "register",  "reinterpret_cast",
    "requires",     "restrict",      "return",      "short",     "signed",    "sizeof",
    "static",       "static_assert", "static_cast", "struct",    "switch",    "template",
    "this",         "thread_local",  "throw",       "true",      "try",       "typedef",
    "typeid",       "typename",      "union",       "unsigned",  "using",     "virtual",
    "void",         "volatile",      "wchar_t",     "while",     "xor",       "xor_eq",
    "main",
};

bool isKeyword(std::string_view word) {
    return std::find(std::begin(kKeywords), std::end(kKeywords), word) != std::end(kKeywords);
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Sheet {
    const char* suffix;
    model::ColorCode colour;
};

constexpr Sheet kBlackSheets[] = {{"", model::kBlack}};
constexpr Sheet kColourSheets[] = {
    {"_red", model::kRed}, {"_blue", model::kBlue}, {"_green", model::kGreen}};

void appendArray(std::string& text, const std::string& name, const std::string& sheet) {
    text += "\nconst unsigned char " + name + "[" + std::to_string(sheet.size()) + "] = {\n";
    for (std::size_t row = 0; row < sheet.size(); row += g1mfile::kRowBytes) {
        text += "   ";
        for (std::size_t column = 0; column < g1mfile::kRowBytes; ++column) {
            std::array<char, 8> hex{};
            std::snprintf(hex.data(), hex.size(), " 0x%02X,",
                          static_cast<unsigned char>(sheet[row + column]));
            text += hex.data();
        }
        text += '\n';
    }
    text += "};\n";
}

}  // namespace

bool isCIdentifier(std::string_view text) {
    // A leading underscore before a capital or another underscore is the compiler's.
    const bool reserved =
        text.size() > 1 && text[0] == '_' && (text[1] == '_' || (text[1] >= 'A' && text[1] <= 'Z'));
    return !text.empty() && isLetter(text.front()) && !reserved &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return isLetter(c) || isDigit(c); }) &&
           !isKeyword(text);
}

std::string identifierFromFileName(const QString& path) {
    std::string name = QFileInfo(path).completeBaseName().toStdString();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !isLetter(c) && !isDigit(c); }, '_');
    if (name.empty()) {
        return "picture";
    }
    if (isDigit(name.front())) {
        name.insert(0, "picture_");
    }
    if (isKeyword(name)) {
        name += "_picture";
    }
    // What is still no identifier is one the compiler keeps for itself: "_Pict", "__x".
    if (!isCIdentifier(name)) {
        name.insert(0, "picture");
    }
    return name;
}

std::string pictureAsCSource(const model::PictureGrid& picture, std::string_view identifier,
                             SaveVariant variant) {
    const std::string id(identifier);
    std::string text =
        "/* " + id +
        ": a 128 x 64 picture made by Tavrolin. Each array holds 64 rows of 16 bytes, the\n"
        "   leftmost cell in the highest bit, 1 for a set cell: the layout of a .g1m sheet. */\n";
    text += "\n#define " + id + "_WIDTH 128\n#define " + id + "_HEIGHT 64\n";
    const bool colour = variant == SaveVariant::Colour;
    for (const Sheet& sheet :
         colour ? std::span<const Sheet>(kColourSheets) : std::span<const Sheet>(kBlackSheets)) {
        appendArray(text, id + sheet.suffix, g1mfile::cellSheet(picture, sheet.colour));
    }
    return text;
}

model::Outcome writeCSource(const model::PictureGrid& picture, const QString& path,
                            std::string_view identifier, SaveVariant variant) {
    return saveBytes(path, pictureAsCSource(picture, identifier, variant));
}

}  // namespace tavrolin::exchange
