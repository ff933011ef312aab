#include "ops/colourreplacement.h"

#include <array>

#include "model/canvas.h"

namespace tavrolin::ops {

namespace {

struct ListColour {
    const char16_t* text;
    model::ColorCode code;
};

constexpr std::array<ListColour, 5> kListColours{{
    {u"čiernu", model::kBlack},
    {u"bielu", model::kWhite},
    {u"červenú", model::kRed},
    {u"modrú", model::kBlue},
    {u"zelenú", model::kGreen},
}};

}  // namespace

std::optional<model::ColorCode> colorCodeForListText(const QString& text) {
    for (const ListColour& entry : kListColours) {
        if (text == QStringView(entry.text)) {
            return entry.code;
        }
    }
    return std::nullopt;
}

void replaceColours(model::EditorState& state, const QString& fromText, const QString& toText,
                    bool swap) {
    model::takeUndoCopy(state);
    state.replaceFrom = colorCodeForListText(fromText).value_or(state.replaceFrom);
    state.replaceTo = colorCodeForListText(toText).value_or(state.replaceTo);
    const model::ColorCode from = state.replaceFrom;
    const model::ColorCode to = state.replaceTo;
    model::PictureGrid::forEachUsedCell([&](int x, int y) {
        std::int16_t& cell = state.picture.at(x, y);
        if (cell == from) {
            cell = to;
        } else if (swap && cell == to) {
            cell = from;
        }
    });
    model::repaintCanvas(state);
}

}  // namespace tavrolin::ops
