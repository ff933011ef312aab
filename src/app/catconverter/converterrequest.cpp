#include "catconverter/converterrequest.h"

#include <QCoreApplication>
#include <array>
#include <limits>
#include <optional>
#include <utility>

#include "catconverter/fitarguments.h"
#include "exchange/pictureformats.h"
#include "g1mfile/g1mwriter.h"

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

// Whether the argument is the option, alone (its value the next argument) or as
// "option=value".
bool isOption(const QString& argument, const QString& option) {
    return argument == option || argument.startsWith(option + u'=');
}

// The value of such an option: a whole number from 1 to `last`; nothing when it is
// missing or out of range. Moves `i` past a value given as the next argument.
std::optional<int> numberOf(const QStringList& arguments, qsizetype& i, const QString& option,
                            int last) {
    QString text = arguments[i].mid(option.size() + 1);
    if (arguments[i] == option) {
        if (++i == arguments.size()) {
            return std::nullopt;
        }
        text = arguments[i];
    }
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (!isNumber || number < 1 || number > last) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

// One branch an option and a check a command: splitting it would only scatter them.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
std::variant<ConverterRequest, QString> parseArguments(const QStringList& arguments) {
    ConverterRequest request;
    if (arguments.isEmpty()) {
        return Failure(QCoreApplication::translate("tavrolin-cat", "no command given"));
    }
    QStringList files;
    std::optional<QString> colours;
    bool mono = false;
    bool colour = false;
    FitArguments fitArguments;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--help" || argument == u"-h") {
            return request;
        }
        if (argument == u"--mono") {
            mono = true;
        } else if (argument == u"--colour") {
            colour = true;
        } else if (argument == u"--new") {
            request.newG1mFile = true;
        } else if (argument == u"--colours") {
            if (++i == arguments.size()) {
                return Failure(QCoreApplication::translate("tavrolin-cat",
                                                           "--colours needs a list of colours"));
            }
            colours = arguments[i];
        } else if (argument.startsWith(u"--colours=")) {
            colours = argument.mid(QStringLiteral("--colours=").size());
        } else if (fitArguments.take(arguments, i)) {
            continue;
        } else if (isOption(argument, QStringLiteral("--pict"))) {
            const std::optional<int> number =
                numberOf(arguments, i, QStringLiteral("--pict"), g1mfile::kLastPictureNumber);
            if (!number) {
                return Failure(QCoreApplication::translate("tavrolin-cat",
                                                           "--pict takes a number from 1 to 20"));
            }
            request.pict = *number;
        } else if (isOption(argument, QStringLiteral("--record"))) {
            const std::optional<int> number =
                numberOf(arguments, i, QStringLiteral("--record"), std::numeric_limits<int>::max());
            if (!number) {
                return Failure(QCoreApplication::translate("tavrolin-cat",
                                                           "--record takes a number from 1 on"));
            }
            request.record = *number;
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            return Failure(
                QCoreApplication::translate("tavrolin-cat", "unknown option %1").arg(argument));
        } else {
            files << argument;
        }
    }

    const QString& command = arguments.first();
    if (command == u"--help" || command == u"-h" || command == u"help") {
        return request;
    }
    const qsizetype wantedFiles = command == u"show" || command == u"list" ? 1 : 2;
    if (command != u"decode" && command != u"encode" && command != u"show" && command != u"list") {
        return Failure(
            QCoreApplication::translate("tavrolin-cat", "unknown command %1").arg(command));
    }
    if (files.size() != wantedFiles) {
        return Failure(QCoreApplication::translate("tavrolin-cat", "%1 takes %2 file names")
                           .arg(command)
                           .arg(wantedFiles));
    }
    request.input = files[0];
    request.output = files.value(1);

    if (command != u"encode" && fitArguments.given()) {
        return Failure(
            QCoreApplication::translate("tavrolin-cat", "--fit and its options are for encode"));
    }
    if (request.newG1mFile && (command != u"encode" || exchange::formatForSaving(request.output) !=
                                                           exchange::PictureFormat::G1m)) {
        return Failure(
            QCoreApplication::translate("tavrolin-cat", "--new is for encode into a .g1m file"));
    }
    if (request.record != 0 && command != u"show" && command != u"decode") {
        return Failure(
            QCoreApplication::translate("tavrolin-cat", "--record is for show and decode"));
    }
    if (command == u"show" || command == u"list") {
        request.command = command == u"show" ? ConverterCommand::Show : ConverterCommand::List;
        if (mono || colour || colours || (request.pict != 0 && command == u"list")) {
            return Failure(
                command == u"show"
                    ? QCoreApplication::translate("tavrolin-cat",
                                                  "show takes --record or --pict only")
                    : QCoreApplication::translate("tavrolin-cat", "list takes no options"));
        }
    } else if (command == u"decode") {
        request.command = ConverterCommand::Decode;
        if (mono || colour) {
            return Failure(
                QCoreApplication::translate("tavrolin-cat", "--mono and --colour are for encode"));
        }
        if (!hasExtension(request.output, QStringLiteral(".bmp")) &&
            !hasExtension(request.output, QStringLiteral(".png"))) {
            return Failure(
                QCoreApplication::translate("tavrolin-cat", "decode writes .bmp or .png files"));
        }
        catfile::LoadColours& load = request.loadColours;
        const std::array<std::pair<QString, bool*>, 4> names = {{
            {QStringLiteral("red"), &load.red},
            {QStringLiteral("blue"), &load.blue},
            {QStringLiteral("green"), &load.green},
            {QStringLiteral("white"), &load.white},
        }};
        if (colours) {
            if (const std::optional<QString> unknown = pickColours(*colours, names)) {
                return Failure(QCoreApplication::translate(
                                   "tavrolin-cat", "decode loads red, blue, green or white, not %1")
                                   .arg(*unknown));
            }
        }
    } else {
        request.command = ConverterCommand::Encode;
        request.g1mOutput =
            exchange::formatForSaving(request.output) == exchange::PictureFormat::G1m;
        if (request.g1mOutput) {
            if (colour || colours) {
                return Failure(QCoreApplication::translate(
                    "tavrolin-cat", "a .g1m file holds black and white only"));
            }
            return request;
        }
        if (request.pict != 0) {
            return Failure(QCoreApplication::translate("tavrolin-cat", "--pict is for .g1m files"));
        }
        if (mono == colour) {
            return Failure(QCoreApplication::translate("tavrolin-cat",
                                                       "encode needs either --mono or --colour"));
        }
        request.variant =
            colour ? exchange::SaveVariant::Colour : exchange::SaveVariant::Monochrome;
        if (colours && mono) {
            return Failure(
                QCoreApplication::translate("tavrolin-cat", "--colours goes with --colour only"));
        }
        auto fit = fitArguments.options(colour ? exchange::FitColours::RedBlueGreen
                                               : exchange::FitColours::BlackWhite);
        if (const QString* failure = std::get_if<QString>(&fit)) {
            return *failure;
        }
        request.fit = std::get<std::optional<exchange::FitOptions>>(fit);
        catfile::SaveColours& save = request.saveColours;
        const std::array<std::pair<QString, bool*>, 3> names = {{
            {QStringLiteral("red"), &save.red},
            {QStringLiteral("blue"), &save.blue},
            {QStringLiteral("green"), &save.green},
        }};
        if (colours) {
            if (const std::optional<QString> unknown = pickColours(*colours, names)) {
                return Failure(QCoreApplication::translate(
                                   "tavrolin-cat", "encode saves red, blue or green, not %1")
                                   .arg(*unknown));
            }
        }
    }
    return request;
}

QString usageLine() {
    return QCoreApplication::translate(
        "tavrolin-cat",
        "usage: tavrolin-cat decode IN.cat|IN.g1m OUT.bmp|OUT.png [--colours red,blue,green,white]"
        " [--record N | --pict N]\n"
        "       tavrolin-cat encode IN.bmp|png|gif|jpg OUT.cat --mono | --colour "
        "[--colours red,blue,green]\n"
        "            [--fit [contain|cover] [--dither diffuse|ordered|none] "
        "[--threshold 0-255] [--invert]]\n"
        "       tavrolin-cat encode IN.bmp|png|gif|jpg OUT.g1m [--pict N] [--new]\n"
        "       tavrolin-cat show IN.cat|IN.g1m [--record N | --pict N]\n"
        "       tavrolin-cat list IN.cat|IN.g1m\n"
        "       tavrolin-cat --help");
}

QString helpText() {
    return usageLine() + QCoreApplication::translate("tavrolin-cat", R"(

Converts pictures between the .cat files of the calculators' PC link software, the
.g1m files of the fx-9860G family and ordinary images, exactly as the Tavrolin
editor opens, saves and imports them. A .g1m or .g1r file is known by its content,
whatever its name.

  decode   Reads a .cat file of either variant as "Otvor" does and writes its
           128 x 64 picture in the palette colours as a BMP or PNG file (by the
           extension). --colours lists the planes of a colour file to apply, as
           ticked in the editor's dialog; all four by default. Red clears to white
           where its plane has no bit; blue, green and white only set cells.
           A .cat archive of several records (programs, lists, pictures) gives
           its first picture, or the N-th with --record N. A file cut short
           gives what it holds; the rest stays white, and stderr says where it
           ended.
           From a .g1m file: picture "Pict N" with --pict N, else the first picture
           or capture in it.
  encode   Takes the image's top-left 128 x 64 pixels as "Importuj obrázok" does
           with every box ticked: exact palette colours and the two near variants
           (255,252,255 white, 0,132,0 green); anything else, and pixels beyond
           the image, white. Writes the file as "Ulož" does: --mono for the
           Algebra FX 2.0 (black cells only), --colour for the CFX-9850 (red,
           blue and green; --colours limits them, black is never kept).
           --fit takes any image instead, as the editor's fit dialog does:
           scaled to the screen keeping its proportions, whole on white
           (contain, the default) or filling it and cut (cover), then turned
           into black and white (--mono) or red, blue, green and white
           (--colour) by diffused (the default) or ordered dithering, or with
           --dither none by brightness: darker than --threshold (128 unless
           told; a threshold alone means none) becomes ink. --invert swaps
           light and dark.
           OUT ending in .g1m: the picture as "Pict N" with --pict N (1 to 20,
           else 1), its black cells set and everything else clear. An existing
           .g1m or .g1r file at OUT keeps every other item (programs, pictures,
           captures, ...) and stderr says how many; "Pict N" replaces its old
           one. Any other file at OUT is left alone unless --new is given, which
           writes a new file of the one picture whatever is there.
  show     Prints the picture as 64 lines of 128 characters: '.' white,
           '#' black, 'R' red, 'B' blue, 'G' green. --record and --pict as
           for decode.
  list     Prints a line for each picture in the file: "Pict 3", "Capture 1"
           for a .g1m file. For a .cat file a line for each record: its number
           among the pictures (as --record takes it; "-" for a record that is
           no picture), its format, data type and name ("1 MCS1 PC PICT1").

--lang sk|en|fr chooses the language of the messages; by default it is the
desktop's, as for the editor.

Exit status: 0 done, 1 a file could not be read or written (the reason goes to
stderr; a file already at OUT is left as it was), 2 wrong arguments.
)");
}

}  // namespace tavrolin::catconverter
