#include "catconverter/converterhelp.h"

#include <QCoreApplication>

namespace tavrolin::catconverter {

QString usageLine() {
    return QCoreApplication::translate(
        "tavrolin-cat",
        "usage: tavrolin-cat decode IN.cat|IN.g1m OUT.bmp|OUT.png [--colours red,blue,green,white]"
        " [--record N | --pict N]\n"
        "       tavrolin-cat decode IN.cat|IN.g1m OUT.c [--name ID]\n"
        "       tavrolin-cat decode IN.cat|IN.g1m DIR/ [--format png|bmp|c] [--force]\n"
        "       tavrolin-cat encode IN.bmp|png|gif|jpg OUT.cat --mono | --colour "
        "[--colours red,blue,green]\n"
        "            [--fit [contain|cover] [--dither diffuse|ordered|none] "
        "[--threshold 0-255] [--invert]]\n"
        "       tavrolin-cat encode IN.bmp|png|gif|jpg... OUT.g1m [--pict N] [--new] [--fit ...]\n"
        "       tavrolin-cat show IN.cat|IN.g1m [--record N | --pict N]\n"
        "       tavrolin-cat list IN.cat|IN.g1m\n"
        "       tavrolin-cat --help | --version");
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
           OUT.c: C arrays in the .g1m sheet layout, named ID or after the file.
           DIR/: every picture of the file, Pict3.png, record2.png, ...
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
           writes a new file of the one picture whatever is there. --fit and its
           options as for --mono. Several images become Pict N, N+1, ...
  show     Prints the picture as 64 lines of 128 characters: '.' white,
           '#' black, 'R' red, 'B' blue, 'G' green. --record and --pict as
           for decode.
  list     Prints a line for each picture in the file: "Pict 3", "Capture 1"
           for a .g1m file. For a .cat file a line for each record: its number
           among the pictures (as --record takes it; "-" for a record that is
           no picture), its format, data type and name ("1 MCS1 PC PICT1").

--version prints the version. --lang sk|en|fr chooses the language of the
messages; by default it is the desktop's, as for the editor.

Exit status: 0 done, 1 a file could not be read or written (the reason goes to
stderr; a file already at OUT is left as it was), 2 wrong arguments.
)");
}

}  // namespace tavrolin::catconverter
