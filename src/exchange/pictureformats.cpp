#include "exchange/pictureformats.h"

#include <QCoreApplication>
#include <QImageReader>
#include <algorithm>
#include <array>

#include "catfile/asciitext.h"
#include "catfile/catitemreader.h"
#include "catfile/catlayout.h"
#include "exchange/readablefile.h"
#include "g1mfile/g1mheader.h"
#include "g1mfile/g1mlayout.h"

namespace tavrolin::exchange {

namespace {

// The magic of a .g1m file and the first item of a .cat file both fit in this.
constexpr qint64 kFirstBytes = 64;

bool startsAsCatFile(std::string_view start) {
    catfile::CatItemReader reader(start);
    const auto first = reader.next();
    return first && catfile::startsWithKey(*first, catfile::kHeaderRecordLine);
}

constexpr std::array kFormats{
    PictureFormat{"cat", "*.cat", startsAsCatFile, true, Reading::Records, Writing::Records, false},
    PictureFormat{"g1m", "*.g1m *.g1r", g1mfile::startsAsG1mFile, true, Reading::Entries,
                  Writing::Entries, true},
    PictureFormat{"bmp", "*.bmp", nullptr, false, Reading::Image, Writing::Bitmap, false},
    PictureFormat{"jpg", "*.jpg *.jpeg", nullptr, false, Reading::Image, Writing::None, false},
    PictureFormat{"gif", "*.gif", nullptr, false, Reading::Image, Writing::None, false},
    PictureFormat{"png", "*.png", nullptr, false, Reading::Image, Writing::Bitmap, false},
    PictureFormat{"c", "*.c *.h", nullptr, false, Reading::None, Writing::CSource, false,
                  QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "Zdrojový kód C")},
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

// Whether the name ends in one of the format's extensions, its patterns without "*".
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

QString translated(const char* text) {
    return QCoreApplication::translate("tavrolin::exchange::PictureFormats", text);
}

// "Súbory .cat|*.cat|Súbory .g1m|*.g1m *.g1r", each format wanted, under its label.
QStringList entriesOf(bool (*wanted)(const PictureFormat&)) {
    QStringList entries;
    for (const PictureFormat& format : kFormats) {
        if (wanted(format)) {
            entries << (format.label != nullptr
                            ? translated(format.label)
                            : translated(QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats",
                                                           "Súbory .%1"))
                                  .arg(QLatin1String(format.name)))
                    << QLatin1String(format.pattern);
        }
    }
    return entries;
}

// The patterns of the entries: "*.cat", "*.g1m *.g1r".
QStringList patternsOf(const QStringList& entries) {
    QStringList patterns;
    for (qsizetype i = 1; i < entries.size(); i += 2) {
        patterns << entries[i];
    }
    return patterns;
}

// The wanted formats together under the label, then each alone.
QStringList withAllOf(const char* label, const QStringList& entries) {
    return QStringList{translated(label), patternsOf(entries).join(u' ')} + entries;
}

QStringList everyFile() {
    return {translated(QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "Všetky súbory")),
            QStringLiteral("*")};
}

}  // namespace

const PictureFormat& formatOfFile(const QString& path) {
    QByteArray start;
    if (const auto file = openReadableFile(path)) {
        start = file.value()->read(kFirstBytes);
    }
    const std::string_view bytes(start.constData(), std::size_t(start.size()));
    for (const PictureFormat& format : kFormats) {
        if (format.knownByContent && format.knownByContent(bytes)) {
            return format;
        }
    }
    for (const PictureFormat& format : kFormats) {
        if (format.knownByName && hasNameOf(path, format)) {
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

QString openFilter() {
    return (withAllOf(
                QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats", "Obrázky pre kalkulačky"),
                entriesOf(isPictureFile)) +
            everyFile())
        .join(u'|');
}

QString saveFilter() {
    return (entriesOf(writesPictureFile) + everyFile()).join(u'|');
}

QString importFilter() {
    // Every image Qt reads here, each of the table's images among them.
    QStringList images;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats()) {
        images << QStringLiteral("*.") + QString::fromLatin1(suffix);
    }
    const QStringList entries =
        entriesOf([](const PictureFormat& format) { return format.reading == Reading::Image; });
    images << patternsOf(entries).join(u' ').split(u' ');
    images.removeDuplicates();
    return (QStringList{translated(QT_TRANSLATE_NOOP("tavrolin::exchange::PictureFormats",
                                                     "Všetky obrázky")),
                        images.join(u' ')} +
            entries)
        .join(u'|');
}

QString exportFilter() {
    return entriesOf(isExported).join(u'|');
}

const PictureFormat* exportFormatOf(const QString& path) {
    const auto* const found = std::ranges::find_if(kFormats, [&](const PictureFormat& format) {
        return isExported(format) && hasNameOf(path, format);
    });
    return found == kFormats.end() ? nullptr : &*found;
}

const PictureFormat* exportFormatNamed(QStringView name) {
    const auto* const found = std::ranges::find_if(kFormats, [&](const PictureFormat& format) {
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

QStringList extendingSavePatterns() {
    return patternsOf(
        entriesOf([](const PictureFormat& format) { return format.savedByNameOnly; }));
}

QStringList extendingExportPatterns() {
    return patternsOf(entriesOf(isExported));
}

bool hasPictureFileName(const QString& path) {
    return std::ranges::any_of(kFormats, [&](const PictureFormat& format) {
        return isPictureFile(format) && hasNameOf(path, format);
    });
}

QStringList mergingSavePatterns() {
    return patternsOf(entriesOf([](const PictureFormat& format) {
               return format.writing == Writing::Entries;
           }))
        .join(u' ')
        .split(u' ');
}

}  // namespace tavrolin::exchange
