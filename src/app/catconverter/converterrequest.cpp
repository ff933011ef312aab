#include "catconverter/converterrequest.h"

#include <array>
#include <optional>
#include <utility>

namespace tavrolin::catconverter {

namespace {

using Failure = QString;

// Sets the flag of every colour named in a comma-separated list, after clearing all of
// them; an empty list names none. Gives the first name that is not one of `names`.
template <std::size_t N>
std::optional<QString> pickColours(const QString& list,
                                   const std::array<std::pair<QString, bool*>, N>& names) {
    for (const auto& [name, flag] : names) {
        *flag = false;
    }
    for (const QString& word : list.split(u',', Qt::SkipEmptyParts)) {
        const QString wanted = word.trimmed().toLower();
        bool known = false;
        for (const auto& [name, flag] : names) {
            if (name == wanted) {
                *flag = known = true;
            }
        }
        if (!known) {
            return word.trimmed();
        }
    }
    return std::nullopt;
}

bool hasExtension(const QString& path, const QString& extension) {
    return path.endsWith(extension, Qt::CaseInsensitive);
}

// What follows the command: its options and file names.
struct GivenArguments {
    QStringList files;
    std::optional<QString> colours;
    bool mono = false;
    bool colour = false;
    bool help = false;
};

std::variant<GivenArguments, Failure> readOptions(const QStringList& arguments) {
    GivenArguments given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--help" || argument == u"-h") {
            given.help = true;
            return given;
        }
        if (argument == u"--mono") {
            given.mono = true;
        } else if (argument == u"--colour") {
            given.colour = true;
        } else if (argument == u"--colours") {
            if (++i == arguments.size()) {
                return Failure(QStringLiteral("--colours needs a list of colours"));
            }
            given.colours = arguments[i];
        } else if (argument.startsWith(u"--colours=")) {
            given.colours = argument.mid(QStringLiteral("--colours=").size());
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            return Failure(QStringLiteral("unknown option %1").arg(argument));
        } else {
            given.files << argument;
        }
    }
    return given;
}

std::optional<Failure> checkDecode(const GivenArguments& given, ConverterRequest& request) {
    request.command = ConverterCommand::Decode;
    if (given.mono || given.colour) {
        return Failure(QStringLiteral("--mono and --colour are for encode"));
    }
    if (!hasExtension(request.output, QStringLiteral(".bmp")) &&
        !hasExtension(request.output, QStringLiteral(".png"))) {
        return Failure(QStringLiteral("decode writes .bmp or .png files"));
    }
    catfile::LoadColours& load = request.loadColours;
    const std::array<std::pair<QString, bool*>, 4> names = {{
        {QStringLiteral("red"), &load.red},
        {QStringLiteral("blue"), &load.blue},
        {QStringLiteral("green"), &load.green},
        {QStringLiteral("white"), &load.white},
    }};
    if (given.colours) {
        if (const std::optional<QString> unknown = pickColours(*given.colours, names)) {
            return Failure(
                QStringLiteral("decode loads red, blue, green or white, not %1").arg(*unknown));
        }
    }
    return std::nullopt;
}

std::optional<Failure> checkEncode(const GivenArguments& given, ConverterRequest& request) {
    request.command = ConverterCommand::Encode;
    if (given.mono == given.colour) {
        return Failure(QStringLiteral("encode needs either --mono or --colour"));
    }
    request.variant =
        given.colour ? exchange::SaveVariant::Colour : exchange::SaveVariant::Monochrome;
    if (given.colours && given.mono) {
        return Failure(QStringLiteral("--colours goes with --colour only"));
    }
    catfile::SaveColours& save = request.saveColours;
    const std::array<std::pair<QString, bool*>, 3> names = {{
        {QStringLiteral("red"), &save.red},
        {QStringLiteral("blue"), &save.blue},
        {QStringLiteral("green"), &save.green},
    }};
    if (given.colours) {
        if (const std::optional<QString> unknown = pickColours(*given.colours, names)) {
            return Failure(QStringLiteral("encode saves red, blue or green, not %1").arg(*unknown));
        }
    }
    return std::nullopt;
}

}  // namespace

std::variant<ConverterRequest, QString> parseArguments(const QStringList& arguments) {
    ConverterRequest request;
    if (arguments.isEmpty()) {
        return Failure(QStringLiteral("no command given"));
    }
    const std::variant<GivenArguments, Failure> options = readOptions(arguments);
    if (const auto* failure = std::get_if<Failure>(&options)) {
        return *failure;
    }
    const auto& given = std::get<GivenArguments>(options);
    const QString& command = arguments.first();
    if (given.help || command == u"--help" || command == u"-h" || command == u"help") {
        return request;
    }
    const qsizetype wantedFiles = command == u"show" ? 1 : 2;
    if (command != u"decode" && command != u"encode" && command != u"show") {
        return Failure(QStringLiteral("unknown command %1").arg(command));
    }
    if (given.files.size() != wantedFiles) {
        return Failure(QStringLiteral("%1 takes %2 file names").arg(command).arg(wantedFiles));
    }
    request.input = given.files[0];
    request.output = given.files.value(1);

    std::optional<Failure> failure;
    if (command == u"show") {
        request.command = ConverterCommand::Show;
        if (given.mono || given.colour || given.colours) {
            failure = QStringLiteral("show takes no options");
        }
    } else if (command == u"decode") {
        failure = checkDecode(given, request);
    } else {
        failure = checkEncode(given, request);
    }
    if (failure) {
        return *failure;
    }
    return request;
}

QString usageLine() {
    return QStringLiteral(
        "usage: tavrolin-cat decode IN.cat OUT.bmp|OUT.png [--colours red,blue,green,white]\n"
        "       tavrolin-cat encode IN.bmp|png|gif|jpg OUT.cat --mono | --colour "
        "[--colours red,blue,green]\n"
        "       tavrolin-cat show IN.cat\n"
        "       tavrolin-cat --help");
}

QString helpText() {
    return usageLine() + QStringLiteral(R"(

Converts pictures between the .cat files of the calculators' PC link software and
ordinary images, exactly as the Tavrolin editor opens, saves and imports them.

  decode   Reads a .cat file of either variant as "Otvor" does and writes its
           128 x 64 picture in the palette colours as a BMP or PNG file (by the
           extension). --colours lists the planes of a colour file to apply, as
           ticked in the editor's dialog; all four by default. Red clears to white
           where its plane has no bit; blue, green and white only set cells.
  encode   Takes the image's top-left 128 x 64 pixels as "Importuj obrázok" does
           with every box ticked: exact palette colours and the two near variants
           (255,252,255 white, 0,132,0 green); anything else, and pixels beyond
           the image, white. Writes the file as "Ulož" does: --mono for the
           Algebra FX 2.0 (black cells only), --colour for the CFX-9850 (red,
           blue and green; --colours limits them, black is never kept).
  show     Prints the picture as 64 lines of 128 characters: '.' white,
           '#' black, 'R' red, 'B' blue, 'G' green.

Exit status: 0 done, 1 a file could not be read or written (the reason goes to
stderr; a file already at OUT is left as it was), 2 wrong arguments.
)");
}

}  // namespace tavrolin::catconverter
