#include "exchange/pictureformats.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <array>

#include "catfile/asciitext.h"
#include "catfile/catitemreader.h"
#include "g1mfile/g1mheader.h"
#include "g1mfile/g1mlayout.h"

namespace tavrolin::exchange {

namespace {

// The magic of a .g1m file and the first item of a .cat file both fit in this.
constexpr qint64 kFirstBytes = 64;

bool startsAsCatFile(std::string_view start) {
    catfile::CatItemReader reader(start);
    const auto first = reader.next();
    return first && catfile::startsWithKey(*first, "%HEADER RECORD");
}

// A .cat file is known by its name too, so that a file whose first line is damaged
// still opens as one and its reader can say what is wrong.
bool namedAsCatFile(const QString& path, std::string_view /*start*/) {
    return path.endsWith(QStringLiteral(".cat"), Qt::CaseInsensitive);
}

// A .g1m or .g1r file by its name only when it is too short to say what it is: an
// empty or cut-short one, to be refused as such rather than read as something else.
bool shortG1mFile(const QString& path, std::string_view start) {
    return start.size() < g1mfile::kMagic.size() &&
           (path.endsWith(QStringLiteral(".g1m"), Qt::CaseInsensitive) ||
            path.endsWith(QStringLiteral(".g1r"), Qt::CaseInsensitive));
}

constexpr std::array kFormats{
    PictureFormat{"cat", QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "(súbory *.cat)"),
                  "*.cat", startsAsCatFile, namedAsCatFile, Reading::Records, Writing::Records,
                  false},
    PictureFormat{"g1m", QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "(súbory *.g1m)"),
                  "*.g1m", g1mfile::startsAsG1mFile, shortG1mFile, Reading::Entries,
                  Writing::Entries, true},
    PictureFormat{"bmp", QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "(súbory *.bmp)"),
                  "*.bmp", nullptr, nullptr, Reading::Image, Writing::Bitmap, false},
    PictureFormat{"jpg", QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "(súbory *.jpg)"),
                  "*.jpg", nullptr, nullptr, Reading::Image, Writing::None, false},
    PictureFormat{"gif", QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "(súbory *.gif)"),
                  "*.gif", nullptr, nullptr, Reading::Image, Writing::None, false},
    PictureFormat{"png", QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "(súbory *.png)"),
                  "*.png", nullptr, nullptr, Reading::Image, Writing::Bitmap, false},
    PictureFormat{"c", QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "Zdrojový kód C"),
                  "*.c *.h", nullptr, nullptr, Reading::None, Writing::CSource, false},
};

bool isPictureFile(const PictureFormat& format) {
    return format.reading == Reading::Records || format.reading == Reading::Entries;
}

bool isExported(const PictureFormat& format) {
    return format.writing == Writing::Bitmap || format.writing == Writing::CSource;
}

bool writesPictureFile(const PictureFormat& format) {
    return format.writing == Writing::Records || format.writing == Writing::Entries;
}

// Whether the name ends in one of the format's extensions, a pattern without its "*".
bool hasNameOf(const QString& path, const PictureFormat& format) {
    const QStringList patterns = QString::fromLatin1(format.pattern).split(u' ');
    return std::ranges::any_of(patterns, [&](const QString& pattern) {
        return path.endsWith(pattern.mid(1), Qt::CaseInsensitive);
    });
}

const PictureFormat& firstWhere(bool (*wanted)(const PictureFormat&)) {
    for (const PictureFormat& format : kFormats) {
        if (wanted(format)) {
            return format;
        }
    }
    return kFormats.front();
}

QString filterOf(bool (*wanted)(const PictureFormat&)) {
    QStringList parts;
    for (const PictureFormat& format : kFormats) {
        if (wanted(format)) {
            parts << QCoreApplication::translate("tavrolin::exchange::PictureFormats",
                                                 format.filterLabel)
                  << QLatin1String(format.pattern);
        }
    }
    return parts.join(u'|');
}

}  // namespace

std::span<const PictureFormat> pictureFormats() {
    return kFormats;
}

const PictureFormat& formatOfFile(const QString& path) {
    QFile file(path);
    QByteArray start;
    if (file.open(QIODevice::ReadOnly)) {
        start = file.read(kFirstBytes);
    }
    const std::string_view bytes(start.constData(), std::size_t(start.size()));
    for (const PictureFormat& format : kFormats) {
        if (format.knownByContent && format.knownByContent(bytes)) {
            return format;
        }
    }
    for (const PictureFormat& format : kFormats) {
        if (format.knownByName && format.knownByName(path, bytes)) {
            return format;
        }
    }
    return firstWhere([](const PictureFormat& format) { return format.reading == Reading::Image; });
}

const PictureFormat& formatToOpen(const QString& path) {
    const PictureFormat& format = formatOfFile(path);
    return isPictureFile(format) ? format : firstWhere(isPictureFile);
}

const PictureFormat& formatForSaving(const QString& path) {
    for (const PictureFormat& format : kFormats) {
        if (writesPictureFile(format) && hasNameOf(path, format)) {
            return format;
        }
    }
    return firstWhere(writesPictureFile);
}

namespace {

// The filter, then every file.
QString withEveryFile(const QString& filter) {
    return filter + u'|' +
           QCoreApplication::translate("tavrolin::exchange::PictureFormats", "(všetky súbory)") +
           QStringLiteral("|*.*");
}

}  // namespace

QString openFilter() {
    return withEveryFile(filterOf(isPictureFile));
}

QString saveFilter() {
    return withEveryFile(filterOf(writesPictureFile));
}

QString importFilter() {
    return filterOf([](const PictureFormat& format) { return format.reading == Reading::Image; });
}

QString exportFilter() {
    return filterOf(isExported);
}

const PictureFormat* exportFormatOf(const QString& path) {
    const auto found = std::ranges::find_if(kFormats, [&](const PictureFormat& format) {
        return isExported(format) && hasNameOf(path, format);
    });
    return found == kFormats.end() ? nullptr : &*found;
}

const PictureFormat* exportFormatNamed(QStringView name) {
    const auto found = std::ranges::find_if(kFormats, [&](const PictureFormat& format) {
        return isExported(format) &&
               name.compare(QLatin1String(format.name), Qt::CaseInsensitive) == 0;
    });
    return found == kFormats.end() ? nullptr : &*found;
}

const PictureFormat& formatForExport(const QString& path) {
    const PictureFormat* format = exportFormatOf(path);
    return format ? *format : firstWhere(isExported);
}

QString extensionOf(const PictureFormat& format) {
    return QLatin1String(format.pattern.substr(1, format.pattern.find(' ') - 1));
}

QString extendingSavePattern() {
    return QLatin1String(
        firstWhere([](const PictureFormat& format) { return format.savedByNameOnly; }).pattern);
}

}  // namespace tavrolin::exchange
