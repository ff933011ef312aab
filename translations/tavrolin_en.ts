<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sk">
<context>
    <name>tavrolin::app::EditorRequest</name>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one file at most, %1 given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: tavrolin [--lang sk|en|fr] [FILE]
       tavrolin --help | --version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Starts the Tavrolin picture editor for the screens of Casio graphing calculators.
FILE, if given, is opened once the main window shows: a .cat picture file (by its
name or its &quot;%Header Record&quot; first line) as &quot;Otvor&quot; opens it, any other file
imported as an image (bmp, jpg, gif, png) as &quot;Importuj obrázok&quot; imports it.

  --lang LANG  the language of the window: sk, en or fr (by default the desktop&apos;s:
               Slovak, English or French where it asks for one of them, English
               for any other language, Slovak where none is set)
  -h, --help   print this text and exit
  --version    print the version and exit
  --           every argument after it is a file, even one starting with &quot;-&quot;

Qt&apos;s own options (-platform, -style, ...) are accepted too.
Exit status: 0 when the editor closes, 2 for wrong arguments.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrolin::catconverter</name>
    <message>
        <source>the file ends here; the rest stayed white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--colours needs a list of colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 file names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show takes no options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mono and --colour are for encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decode writes .bmp or .png files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decode loads red, blue, green or white, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encode needs either --mono or --colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--colours goes with --colour only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encode saves red, blue or green, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: tavrolin-cat decode IN.cat OUT.bmp|OUT.png [--colours red,blue,green,white]
       tavrolin-cat encode IN.bmp|png|gif|jpg OUT.cat --mono | --colour [--colours red,blue,green]
       tavrolin-cat show IN.cat
       tavrolin-cat --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Converts pictures between the .cat files of the calculators&apos; PC link software and
ordinary images, exactly as the Tavrolin editor opens, saves and imports them.

  decode   Reads a .cat file of either variant as &quot;Otvor&quot; does and writes its
           128 x 64 picture in the palette colours as a BMP or PNG file (by the
           extension). --colours lists the planes of a colour file to apply, as
           ticked in the editor&apos;s dialog; all four by default. Red clears to white
           where its plane has no bit; blue, green and white only set cells.
  encode   Takes the image&apos;s top-left 128 x 64 pixels as &quot;Importuj obrázok&quot; does
           with every box ticked: exact palette colours and the two near variants
           (255,252,255 white, 0,132,0 green); anything else, and pixels beyond
           the image, white. Writes the file as &quot;Ulož&quot; does: --mono for the
           Algebra FX 2.0 (black cells only), --colour for the CFX-9850 (red,
           blue and green; --colours limits them, black is never kept).
  show     Prints the picture as 64 lines of 128 characters: &apos;.&apos; white,
           &apos;#&apos; black, &apos;R&apos; red, &apos;B&apos; blue, &apos;G&apos; green.

--lang sk|en|fr, anywhere before &quot;--&quot;, chooses the language of the messages;
by default it is the desktop&apos;s, as for the editor.

Exit status: 0 done, 1 a file could not be read or written (the reason goes to
stderr; a file already at OUT is left as it was), 2 wrong arguments.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrolin::language</name>
    <message>
        <source>--lang takes sk, en or fr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
