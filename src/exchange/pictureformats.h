#pragma once

#include <QString>
#include <QStringList>

#include "exchange/pictureformat.h"

namespace tavrolin::exchange {

// Every format the editor and the converter know is a row of the table in
// pictureformats.cpp, in the order the file dialogs offer them. Every rule of which file
// is which lives there: code above this folder asks through these functions and never
// compares formats itself.

// What an existing file is: the first format its first bytes show; else the first known
// by its name (.cat, .g1m, .g1r); else an image to import, readable or not.
const PictureFormat& formatOfFile(const QString& path);

// The format "Otvor" reads a file as: the picture file it is, or for any other file the
// first picture file format, whose reader says why the file is none.
const PictureFormat& formatToOpen(const QString& path);

// The format a picture is written in, by the name chosen: the one whose extension the
// name has, else the first picture file format.
const PictureFormat& formatForSaving(const QString& path);

// The dialogs' filters, label and patterns pairs separated by vertical bars,
// "Súbory .cat|*.cat|Súbory .g1m|*.g1m *.g1r|Všetky súbory|*", in the interface's
// language: for "Otvor" the picture files read, all of them first, then every file; for
// "Ulož" those written, then every file; for "Importuj obrázok" every image Qt reads here,
// then the table's images; for the export the formats written (a bitmap, a PNG, C source).
QString openFilter();
QString saveFilter();
QString importFilter();
QString exportFilter();

// The export format whose extension the name has, or nothing; the one --format names
// ("png", "bmp", "c"), or nothing.
const PictureFormat* exportFormatOf(const QString& path);
const PictureFormat* exportFormatNamed(QStringView name);
// The export format whose extension the name has, else the first one (BMP).
const PictureFormat& formatForExport(const QString& path);

// The extension of the format's first pattern, with its dot: ".png", ".c".
QString extensionOf(const PictureFormat& format);

// The patterns of the filter entries whose choice in the save dialog, or the export's,
// adds its first extension to a bare name.
QStringList extendingSavePatterns();
QStringList extendingExportPatterns();
// The patterns of the files a picture is saved into, keeping what else they hold.
QStringList mergingSavePatterns();

// Whether the name is one of the calculators' picture files (.cat, .g1m, .g1r).
bool hasPictureFileName(const QString& path);

}  // namespace tavrolin::exchange
