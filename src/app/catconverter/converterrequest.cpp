#include "catconverter/converterrequest.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <limits>
#include <span>

#include "catconverter/fitarguments.h"
#include "exchange/csourceexport.h"
#include "exchange/pictureformats.h"
#include "g1mfile/g1mwriter.h"
#include "language/commandlineproblem.h"

namespace tavrolin::catconverter {

namespace {

using Failure = QString;

// The options every command knows; a command refuses those it has no use for.
struct Options {
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
    QCommandLineOption mono{QStringLiteral("mono")};
    QCommandLineOption colour{QStringLiteral("colour")};
    QCommandLineOption colours{QStringLiteral("colours"), QString(), QStringLiteral("list")};
    QCommandLineOption record{QStringLiteral("record"), QString(), QStringLiteral("N")};
    QCommandLineOption pict{QStringLiteral("pict"), QString(), QStringLiteral("N")};
    QCommandLineOption newFile{QStringLiteral("new")};
    QCommandLineOption name{QStringLiteral("name"), QString(), QStringLiteral("ID")};
    QCommandLineOption format{QStringLiteral("format"), QString(), QStringLiteral("format")};
    QCommandLineOption force{QStringLiteral("force")};
    FitArguments fit;
};

// A colour named in a --colours list, and the flag it sets.
struct NamedColour {
    QStringView name;
    bool* flag;
};

// Sets the flag of every colour the comma-separated list names, and clears the others.
// Gives the first word that names none of them.
std::optional<QString> pickColours(const QString& list, std::span<const NamedColour> colours) {
    for (const NamedColour& colour : colours) {
        *colour.flag = false;
    }
    for (const QString& word : list.split(u',', Qt::SkipEmptyParts)) {
        bool known = false;
        for (const NamedColour& colour : colours) {
            if (colour.name == word.trimmed().toLower()) {
                *colour.flag = known = true;
            }
        }
        if (!known) {
            return word.trimmed();
        }
    }
    return std::nullopt;
}

// The value of a number option, 1 to `last`; nothing when it is none of them.
std::optional<int> numberFrom(const QString& text, int last) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return isNumber && number >= 1 && number <= last ? std::optional(number) : std::nullopt;
}

// --record and --pict: the picture of a file read, each for its own format.
std::optional<Failure> readPictureNumbers(const QCommandLineParser& parser, const Options& options,
                                          ConverterRequest& request) {
    const bool fromG1m =
        QFileInfo(request.input).isFile() &&
        exchange::formatToOpen(request.input).reading == exchange::Reading::Entries;
    if (parser.isSet(options.record)) {
        const auto number =
            numberFrom(parser.value(options.record), std::numeric_limits<int>::max());
        if (!number) {
            return QCoreApplication::translate("tavrolin-cat", "--record berie číslo od 1 vyššie");
        }
        if (fromG1m) {
            return QCoreApplication::translate(
                "tavrolin-cat", "--record patrí k súborom .cat; súbor .g1m berie --pict");
        }
        request.record = *number;
    }
    if (parser.isSet(options.pict)) {
        const auto number = numberFrom(parser.value(options.pict), g1mfile::kLastPictureNumber);
        if (!number) {
            return QCoreApplication::translate("tavrolin-cat", "--pict berie číslo od 1 do 20");
        }
        if (QFileInfo(request.input).isFile() && !fromG1m &&
            request.command != ConverterCommand::Encode) {
            return QCoreApplication::translate("tavrolin-cat", "--pict patrí k súborom .g1m");
        }
        request.pict = *number;
    }
    return std::nullopt;
}

// The output: one file in a format its name gives, or a folder for every picture, in
// the format --format names.
std::optional<Failure> readDecodeOutput(const QCommandLineParser& parser, const Options& options,
                                        ConverterRequest& request) {
    request.toFolder = request.output.endsWith(u'/') || QFileInfo(request.output).isDir();
    request.force = parser.isSet(options.force);
    if (!request.toFolder && (parser.isSet(options.format) || request.force)) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "--format a --force patria k decode do priečinka");
    }
    request.outputFormat = request.toFolder
                               ? exchange::exportFormatNamed(parser.isSet(options.format)
                                                                 ? parser.value(options.format)
                                                                 : QStringLiteral("png"))
                               : exchange::exportFormatOf(request.output);
    if (!request.outputFormat) {
        return request.toFolder ? QCoreApplication::translate(
                                      "tavrolin-cat", "--format je png, bmp alebo c, nie %1")
                                      .arg(parser.value(options.format))
                                : QCoreApplication::translate(
                                      "tavrolin-cat", "decode zapisuje súbory .bmp, .png alebo .c");
    }
    if (!parser.isSet(options.name)) {
        return std::nullopt;
    }
    if (request.toFolder || request.outputFormat->writing != exchange::Writing::CSource) {
        return QCoreApplication::translate("tavrolin-cat", "--name patrí k decode do súboru .c");
    }
    request.identifier = parser.value(options.name);
    if (!exchange::isCIdentifier(request.identifier.toStdString())) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "--name berie identifikátor jazyka C, nie %1")
            .arg(request.identifier);
    }
    return std::nullopt;
}

std::optional<Failure> readDecodeOptions(const QCommandLineParser& parser, const Options& options,
                                         ConverterRequest& request) {
    if (auto failure = readDecodeOutput(parser, options, request)) {
        return failure;
    }
    catfile::LoadColours& load = request.loadColours;
    const std::array<NamedColour, 4> names{{{u"red", &load.red},
                                            {u"blue", &load.blue},
                                            {u"green", &load.green},
                                            {u"white", &load.white}}};
    if (!parser.isSet(options.colours)) {
        return std::nullopt;
    }
    if (const auto unknown = pickColours(parser.value(options.colours), names)) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "decode načíta red, blue, green alebo white, nie %1")
            .arg(*unknown);
    }
    return std::nullopt;
}

std::optional<Failure> readEncodeOptions(const QCommandLineParser& parser, const Options& options,
                                         ConverterRequest& request) {
    const bool mono = parser.isSet(options.mono);
    const bool colour = parser.isSet(options.colour);
    request.g1mOutput =
        exchange::formatForSaving(request.output).writing == exchange::Writing::Entries;
    if (request.g1mOutput && (colour || parser.isSet(options.colours))) {
        return QCoreApplication::translate("tavrolin-cat", "súbor .g1m má len čiernu a bielu");
    }
    request.newG1mFile = parser.isSet(options.newFile);
    if (request.newG1mFile && !request.g1mOutput) {
        return QCoreApplication::translate("tavrolin-cat", "--new patrí k encode do súboru .g1m");
    }
    if (request.g1mOutput && mono) {
        return QCoreApplication::translate(
            "tavrolin-cat", "--mono patrí k súborom .cat; súbor .g1m je aj tak čiernobiely");
    }
    if (!request.g1mOutput && request.inputs.size() > 1) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "viac obrázkov sa dá zakódovať len do súboru .g1m");
    }
    if (std::max(request.pict, 1) + request.inputs.size() - 1 > g1mfile::kLastPictureNumber) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "počet obrázkov (%1) od Pict %2 presahuje Pict 20")
            .arg(request.inputs.size())
            .arg(std::max(request.pict, 1));
    }
    if (!request.g1mOutput && request.pict != 0) {
        return QCoreApplication::translate("tavrolin-cat", "--pict patrí k súborom .g1m");
    }
    if (!request.g1mOutput && mono == colour) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "encode potrebuje buď --mono, alebo --colour");
    }
    if (mono && parser.isSet(options.colours)) {
        return QCoreApplication::translate("tavrolin-cat", "--colours patrí len k --colour");
    }
    request.variant = colour ? exchange::SaveVariant::Colour : exchange::SaveVariant::Monochrome;
    auto fit = options.fit.options(
        parser, colour ? exchange::FitColours::RedBlueGreen : exchange::FitColours::BlackWhite);
    if (const Failure* failure = std::get_if<Failure>(&fit)) {
        return *failure;
    }
    request.fit = std::get<std::optional<exchange::FitOptions>>(fit);
    catfile::SaveColours& save = request.saveColours;
    const std::array<NamedColour, 3> names{
        {{u"red", &save.red}, {u"blue", &save.blue}, {u"green", &save.green}}};
    if (!parser.isSet(options.colours)) {
        return std::nullopt;
    }
    if (const auto unknown = pickColours(parser.value(options.colours), names)) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "encode ukladá red, blue alebo green, nie %1")
            .arg(*unknown);
    }
    return std::nullopt;
}

// Which options a command takes at all.
std::optional<Failure> refuseForeignOptions(const QCommandLineParser& parser,
                                            const Options& options, ConverterCommand command) {
    const bool encode = command == ConverterCommand::Encode;
    if (!encode && options.fit.given(parser)) {
        return QCoreApplication::translate("tavrolin-cat", "--fit a jeho voľby patria k encode");
    }
    if (!encode && (parser.isSet(options.mono) || parser.isSet(options.colour))) {
        return QCoreApplication::translate("tavrolin-cat", "--mono a --colour patria k encode");
    }
    if (command == ConverterCommand::List &&
        (parser.isSet(options.colours) || parser.isSet(options.pict) ||
         parser.isSet(options.record))) {
        return QCoreApplication::translate("tavrolin-cat", "list neberie žiadne voľby");
    }
    if (command == ConverterCommand::Show && parser.isSet(options.colours)) {
        return QCoreApplication::translate("tavrolin-cat", "show berie len --record alebo --pict");
    }
    if (!encode && parser.isSet(options.newFile)) {
        return QCoreApplication::translate("tavrolin-cat", "--new patrí k encode do súboru .g1m");
    }
    if (command != ConverterCommand::Decode &&
        (parser.isSet(options.name) || parser.isSet(options.format) ||
         parser.isSet(options.force))) {
        return QCoreApplication::translate("tavrolin-cat",
                                           "--name, --format a --force patria k decode");
    }
    if (encode && parser.isSet(options.record)) {
        return QCoreApplication::translate("tavrolin-cat", "--record patrí k show a decode");
    }
    if (parser.isSet(options.colours) && parser.value(options.colours).trimmed().isEmpty()) {
        return QCoreApplication::translate("tavrolin-cat", "--colours potrebuje zoznam farieb");
    }
    return std::nullopt;
}

std::optional<ConverterCommand> commandNamed(const QString& name) {
    static constexpr std::array<std::pair<QStringView, ConverterCommand>, 4> kCommands{{
        {u"decode", ConverterCommand::Decode},
        {u"encode", ConverterCommand::Encode},
        {u"show", ConverterCommand::Show},
        {u"list", ConverterCommand::List},
    }};
    for (const auto& [word, command] : kCommands) {
        if (name == word) {
            return command;
        }
    }
    return std::nullopt;
}

// Why the files named do not suit the command, if they do not: a count it does not
// take, or a word after --fit that is no mode (meant as one, not as a file to encode).
std::optional<Failure> wrongFiles(ConverterCommand command, const QStringList& words,
                                  const QStringList& arguments) {
    const qsizetype files = words.size() - 1;
    const bool oneFile = command == ConverterCommand::Show || command == ConverterCommand::List;
    const bool rightCount = oneFile                               ? files == 1
                            : command == ConverterCommand::Encode ? files >= 2
                                                                  : files == 2;
    const auto strayMode = FitArguments::strayMode(arguments);
    if (rightCount && !(command == ConverterCommand::Encode && strayMode)) {
        return std::nullopt;
    }
    if (strayMode) {
        return QCoreApplication::translate("tavrolin-cat", "--fit je contain alebo cover, nie %1")
            .arg(*strayMode);
    }
    return oneFile ? QCoreApplication::translate("tavrolin-cat", "%1 berie jeden názov súboru")
                         .arg(words.first())
                   : QCoreApplication::translate("tavrolin-cat",
                                                 "%1 berie dva názvy súborov, VSTUP a VÝSTUP")
                         .arg(words.first());
}

}  // namespace

std::variant<ConverterRequest, QString> parseArguments(const QStringList& arguments) {
    Options options;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({options.help, options.version, options.mono, options.colour, options.colours,
                       options.record, options.pict, options.newFile, options.name, options.format,
                       options.force});
    options.fit.addTo(parser);
    // The parser takes the program's name first.
    const QStringList withMode = FitArguments::withModeJoined(arguments);
    if (!parser.parse(QStringList{QStringLiteral("tavrolin-cat")} + withMode)) {
        return language::commandLineProblem(parser);
    }
    ConverterRequest request;
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(options.help) || words.value(0) == u"help") {
        return request;
    }
    if (parser.isSet(options.version)) {
        request.command = ConverterCommand::Version;
        return request;
    }
    if (words.isEmpty()) {
        return QCoreApplication::translate("tavrolin-cat", "chýba príkaz");
    }
    const std::optional<ConverterCommand> command = commandNamed(words.first());
    if (!command) {
        return QCoreApplication::translate("tavrolin-cat", "neznámy príkaz %1").arg(words.first());
    }
    request.command = *command;
    const QStringList files = words.mid(1);
    const bool oneFile = *command == ConverterCommand::Show || *command == ConverterCommand::List;
    if (auto failure = wrongFiles(*command, words, arguments)) {
        return *failure;
    }
    request.input = files[0];
    request.output = oneFile ? QString() : files.last();
    request.inputs = files.mid(0, files.size() - 1);
    std::optional<Failure> failure = refuseForeignOptions(parser, options, *command);
    if (!failure) {
        failure = readPictureNumbers(parser, options, request);
    }
    if (!failure && *command == ConverterCommand::Decode) {
        failure = readDecodeOptions(parser, options, request);
    }
    if (!failure && *command == ConverterCommand::Encode) {
        failure = readEncodeOptions(parser, options, request);
    }
    if (failure) {
        return *failure;
    }
    return request;
}

}  // namespace tavrolin::catconverter
