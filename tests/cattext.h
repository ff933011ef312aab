#pragma once

// Picture-file texts for the tests: whole files, their lines edited, pictures to
// write, and the load and save ticks as bit masks.
#include <QList>
#include <QMap>
#include <QTest>
#include <string>
#include <string_view>

#include "catfile/catheader.h"
#include "catfile/catrecords.h"
#include "catfile/catwriter.h"
#include "catfile/decodedcatfile.h"
#include "catfile/planedecoder.h"
#include "testfiles.h"

using namespace tavrolin::catfile;
using tavrolin::model::PictureGrid;

struct Cell {
    int x = 0;
    int y = 0;
    int code = 1;
};
using Cells = QList<Cell>;
using LineTexts = QMap<int, QByteArray>;
Q_DECLARE_METATYPE(Cells)
Q_DECLARE_METATYPE(LineTexts)

inline QByteArray bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

// Lines of a text whose every line ends in CR LF; none if any line ends otherwise.
inline QByteArrayList crLfLines(const QByteArray& text) {
    const qsizetype crLf = text.count("\r\n");
    if (text.count('\r') != crLf || text.count('\n') != crLf || !text.endsWith('\n')) {
        return {};
    }
    QByteArrayList lines = QByteArray(text).replace("\r\n", "\n").split('\n');
    lines.removeLast();
    return lines;
}

// The text with its CR LF lines edited; line n is lines[n - 1].
template <typename Edit>
inline QByteArray edited(const QByteArray& text, Edit edit) {
    QByteArrayList lines = crLfLines(text);
    edit(lines);
    return lines.join("\r\n") + "\r\n";
}

// The text with `content` in place of each of the lines given (from 1).
inline QByteArray withLines(const QByteArray& text, std::initializer_list<int> which,
                            const QByteArray& content) {
    return edited(text, [&](QByteArrayList& lines) {
        for (const int line : which) {
            lines[line - 1] = content;
        }
    });
}

inline PictureGrid pictureOf(const Cells& cells) {
    PictureGrid picture;
    for (const Cell& cell : cells) {
        picture.at(cell.x, cell.y) = static_cast<std::int16_t>(cell.code);
    }
    return picture;
}

// A failure as "reason@line", the reason by a short name.
inline QString failureAt(const tavrolin::model::Failure& failure) {
    using enum tavrolin::model::FailureReason;
    const QMap<tavrolin::model::FailureReason, const char*> names{
        {HeaderKeyMismatch, "key"}, {NoPictureFormat, "format"}, {HeaderCutShort, "cut"},
        {EmptyFile, "empty"},       {NoPictureInside, "none"},   {ProgramInside, "program"}};
    return QStringLiteral("%1@%2")
        .arg(QLatin1String(names.value(failure.reason)))
        .arg(failure.line);
}

inline LoadColours loadColours(int mask) {
    return {(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
}

inline const QByteArray kMono = bytes(monochromeFile(PictureGrid{}));
inline const QByteArray kColour = bytes(colourFile(PictureGrid{}, {}));
