<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sk">
<context>
    <name>Tools</name>
    <message>
        <source>kruh</source>
        <translation>circle</translation>
    </message>
    <message>
        <source>aktívne: kruh</source>
        <translation>active: circle</translation>
    </message>
    <message>
        <source>čiara</source>
        <translation>line</translation>
    </message>
    <message>
        <source>aktívne: čiara</source>
        <translation>active: line</translation>
    </message>
    <message>
        <source>pero</source>
        <translation>pen</translation>
    </message>
    <message>
        <source>aktívne: pero</source>
        <translation>active: pen</translation>
    </message>
    <message>
        <source>obdĺžnik</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>aktívne: obdĺžnik</source>
        <translation>active: rectangle</translation>
    </message>
    <message>
        <source>vyplň</source>
        <translation>fill</translation>
    </message>
    <message>
        <source>aktívne: vyplň</source>
        <translation>active: fill</translation>
    </message>
    <message>
        <source>kvapkadlo</source>
        <translation>picker</translation>
    </message>
    <message>
        <source>aktívne: kvapkadlo</source>
        <translation>active: picker</translation>
    </message>
</context>
<context>
    <name>tavrolin-cat</name>
    <message>
        <source>súbor tu končí; zvyšok ostal biely</source>
        <translation>the file ends here; the rest stayed white</translation>
    </message>
    <message>
        <source>%1 už existuje; --force ho nahradí</source>
        <translation>%1 exists already; --force replaces it</translation>
    </message>
    <message>
        <source>priečinok %1 sa nedá vytvoriť</source>
        <translation>cannot make the folder %1</translation>
    </message>
    <message>
        <source>%1 nie je súbor .g1m, do ktorého sa dá pridať obrázok; --new ho nahradí</source>
        <translation>%1 is no .g1m file to add the picture to; --new replaces it</translation>
    </message>
    <message>
        <source>%1: ponechané iné položky: %2</source>
        <translation>%1: other items kept: %2</translation>
    </message>
    <message>
        <source>použitie: tavrolin-cat decode VSTUP.cat|VSTUP.g1m VÝSTUP.bmp|VÝSTUP.png [--colours red,blue,green,white] [--record N | --pict N]
          tavrolin-cat decode VSTUP.cat|VSTUP.g1m VÝSTUP.c [--name MENO]
          tavrolin-cat decode VSTUP.cat|VSTUP.g1m PRIEČINOK/ [--format png|bmp|c] [--force]
          tavrolin-cat encode VSTUP.bmp|png|gif|jpg VÝSTUP.cat --mono | --colour [--colours red,blue,green]
               [--fit [contain|cover] [--dither diffuse|ordered|none] [--threshold 0-255] [--invert]]
          tavrolin-cat encode VSTUP.bmp|png|gif|jpg... VÝSTUP.g1m [--pict N] [--new] [--fit ...]
          tavrolin-cat show VSTUP.cat|VSTUP.g1m [--record N | --pict N]
          tavrolin-cat list VSTUP.cat|VSTUP.g1m
          tavrolin-cat --help | --version</source>
        <translation>usage: tavrolin-cat decode IN.cat|IN.g1m OUT.bmp|OUT.png [--colours red,blue,green,white] [--record N | --pict N]
       tavrolin-cat decode IN.cat|IN.g1m OUT.c [--name ID]
       tavrolin-cat decode IN.cat|IN.g1m DIR/ [--format png|bmp|c] [--force]
       tavrolin-cat encode IN.bmp|png|gif|jpg OUT.cat --mono | --colour [--colours red,blue,green]
            [--fit [contain|cover] [--dither diffuse|ordered|none] [--threshold 0-255] [--invert]]
       tavrolin-cat encode IN.bmp|png|gif|jpg... OUT.g1m [--pict N] [--new] [--fit ...]
       tavrolin-cat show IN.cat|IN.g1m [--record N | --pict N]
       tavrolin-cat list IN.cat|IN.g1m
       tavrolin-cat --help | --version</translation>
    </message>
    <message>
        <source>--record berie číslo od 1 vyššie</source>
        <translation>--record takes a number from 1 on</translation>
    </message>
    <message>
        <source>--record patrí k súborom .cat; súbor .g1m berie --pict</source>
        <translation>--record is for .cat files; a .g1m file takes --pict</translation>
    </message>
    <message>
        <source>--pict berie číslo od 1 do 20</source>
        <translation>--pict takes a number from 1 to 20</translation>
    </message>
    <message>
        <source>--pict patrí k súborom .g1m</source>
        <translation>--pict is for .g1m files</translation>
    </message>
    <message>
        <source>--format a --force patria k decode do priečinka</source>
        <translation>--format and --force are for decode into a folder</translation>
    </message>
    <message>
        <source>--format je png, bmp alebo c, nie %1</source>
        <translation>--format is png, bmp or c, not %1</translation>
    </message>
    <message>
        <source>decode zapisuje súbory .bmp, .png alebo .c</source>
        <translation>decode writes .bmp, .png or .c files</translation>
    </message>
    <message>
        <source>--name patrí k decode do súboru .c</source>
        <translation>--name is for decode into a .c file</translation>
    </message>
    <message>
        <source>--name berie identifikátor jazyka C, nie %1</source>
        <translation>--name takes a C identifier, not %1</translation>
    </message>
    <message>
        <source>decode načíta red, blue, green alebo white, nie %1</source>
        <translation>decode loads red, blue, green or white, not %1</translation>
    </message>
    <message>
        <source>súbor .g1m má len čiernu a bielu</source>
        <translation>a .g1m file holds black and white only</translation>
    </message>
    <message>
        <source>--new patrí k encode do súboru .g1m</source>
        <translation>--new is for encode into a .g1m file</translation>
    </message>
    <message>
        <source>--mono patrí k súborom .cat; súbor .g1m je aj tak čiernobiely</source>
        <translation>--mono is for .cat files; a .g1m file is black and white anyway</translation>
    </message>
    <message>
        <source>viac obrázkov sa dá zakódovať len do súboru .g1m</source>
        <translation>several images are encoded into a .g1m file only</translation>
    </message>
    <message>
        <source>počet obrázkov (%1) od Pict %2 presahuje Pict 20</source>
        <translation>%1 images from Pict %2 on go past Pict 20</translation>
    </message>
    <message>
        <source>encode potrebuje buď --mono, alebo --colour</source>
        <translation>encode needs either --mono or --colour</translation>
    </message>
    <message>
        <source>--colours patrí len k --colour</source>
        <translation>--colours goes with --colour only</translation>
    </message>
    <message>
        <source>encode ukladá red, blue alebo green, nie %1</source>
        <translation>encode saves red, blue or green, not %1</translation>
    </message>
    <message>
        <source>--fit a jeho voľby patria k encode</source>
        <translation>--fit and its options are for encode</translation>
    </message>
    <message>
        <source>--mono a --colour patria k encode</source>
        <translation>--mono and --colour are for encode</translation>
    </message>
    <message>
        <source>list neberie žiadne voľby</source>
        <translation>list takes no options</translation>
    </message>
    <message>
        <source>show berie len --record alebo --pict</source>
        <translation>show takes --record or --pict only</translation>
    </message>
    <message>
        <source>--name, --format a --force patria k decode</source>
        <translation>--name, --format and --force are for decode</translation>
    </message>
    <message>
        <source>--record patrí k show a decode</source>
        <translation>--record is for show and decode</translation>
    </message>
    <message>
        <source>--colours potrebuje zoznam farieb</source>
        <translation>--colours needs a list of colours</translation>
    </message>
    <message>
        <source>--fit je contain alebo cover, nie %1</source>
        <translation>--fit is contain or cover, not %1</translation>
    </message>
    <message>
        <source>%1 berie jeden názov súboru</source>
        <translation>%1 takes one file name</translation>
    </message>
    <message>
        <source>%1 berie dva názvy súborov, VSTUP a VÝSTUP</source>
        <translation>%1 takes two file names, IN and OUT</translation>
    </message>
    <message>
        <source>chýba príkaz</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>neznámy príkaz %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>--dither, --threshold a --invert patria k --fit</source>
        <translation>--dither, --threshold and --invert go with --fit</translation>
    </message>
    <message>
        <source>--dither je diffuse, ordered alebo none, nie %1</source>
        <translation>--dither is diffuse, ordered or none, not %1</translation>
    </message>
    <message>
        <source>--threshold je číslo od 0 do 255</source>
        <translation>--threshold is a number from 0 to 255</translation>
    </message>
    <message>
        <source>--threshold patrí k --dither none</source>
        <translation>--threshold goes with --dither none</translation>
    </message>
    <message>
        <source>

Prevádza obrázky medzi súbormi .cat programu kalkulačiek na spojenie s PC,
súbormi .g1m kalkulačiek radu fx-9860G a bežnými obrázkami presne tak, ako ich
editor Tavrolin otvára, ukladá a importuje. Súbor .g1m alebo .g1r sa pozná podľa
obsahu, nech sa volá akokoľvek.

  decode   Načíta súbor .cat ktoréhokoľvek variantu ako „Otvor“ a zapíše jeho
           obrázok 128 x 64 vo farbách palety ako súbor BMP alebo PNG (podľa
           prípony). --colours vymenúva roviny farebného súboru, ktoré sa
           použijú, ako keď sa zaškrtnú v dialógu editora; predvolene všetky
           štyri. Červená maže na bielo tam, kde jej rovina nemá bit; modrá,
           zelená a biela bunky len nastavujú.
           Archív .cat z viacerých záznamov (programy, zoznamy, obrázky) dá
           svoj prvý obrázok, alebo N-tý s --record N. Skrátený súbor dá, čo
           obsahuje; zvyšok ostane biely a na stderr sa vypíše, kde súbor
           končí.
           Zo súboru .g1m: obrázok „Pict N“ s --pict N, inak prvý obrázok alebo
           snímku v ňom.
           VÝSTUP.c: polia jazyka C v rozložení listu .g1m, pomenované MENO
           alebo podľa súboru.
           PRIEČINOK/: každý obrázok súboru, Pict3.png, record2.png, ...
  encode   Vezme ľavých horných 128 x 64 pixelov obrázka ako „Importuj
           obrázok“ so všetkými zaškrtnutými políčkami: presné farby palety
           a dva blízke varianty (biela 255,252,255, zelená 0,132,0); čokoľvek
           iné a pixely mimo obrázka sú biele. Súbor zapíše ako „Ulož“: --mono
           pre Algebra FX 2.0 (len čierne bunky), --colour pre CFX-9850
           (červená, modrá a zelená; --colours ich obmedzí, čierna sa nikdy
           neuloží).
           --fit namiesto toho vezme akýkoľvek obrázok ako dialóg prispôsobenia
           v editore: zmení jeho veľkosť na obrazovku so zachovaním pomeru
           strán, celý na bielom (contain, predvolené) alebo tak, že ju vyplní
           a presah sa oreže (cover), potom ho prevedie na čiernu a bielu
           (--mono) alebo na červenú, modrú, zelenú a bielu (--colour)
           rozptylom chyby (predvolené) alebo usporiadaným rastrom, alebo
           s --dither none podľa jasu: čo je tmavšie ako --threshold (128, ak
           sa nezadá; samotný prah znamená none), sa stane atramentom.
           --invert vymení svetlé a tmavé.
           VÝSTUP končiaci na .g1m: obrázok ako „Pict N“ s --pict N (1 až 20,
           inak 1), jeho čierne bunky nastavené a všetko ostatné prázdne.
           Existujúci súbor .g1m alebo .g1r na mieste VÝSTUP si ponechá každú
           inú položku (programy, obrázky, snímky, ...) a na stderr sa vypíše,
           koľko ich je; „Pict N“ nahradí svoj starý obrázok. Akýkoľvek iný
           súbor na mieste VÝSTUP ostane nedotknutý, ak sa nezadá --new, ktoré
           zapíše nový súbor s tým jediným obrázkom, nech je tam čokoľvek.
           --fit a jeho voľby ako pri --mono. Viac obrázkov sa stane Pict N,
           N+1, ...
  show     Vypíše obrázok ako 64 riadkov po 128 znakov: &apos;.&apos; biela, &apos;#&apos; čierna,
           &apos;R&apos; červená, &apos;B&apos; modrá, &apos;G&apos; zelená. --record a --pict ako pri
           decode.
  list     Vypíše riadok pre každý obrázok v súbore: „Pict 3“, „Capture 1“ pri
           súbore .g1m. Pri súbore .cat riadok pre každý záznam: jeho poradové
           číslo medzi obrázkami (ako ho berie --record; „-“ pri zázname, ktorý
           nie je obrázok), jeho formát, typ údajov a meno („1 MCS1 PC PICT1“).

--version vypíše verziu. --lang sk|en|fr zvolí jazyk správ; predvolene je to
jazyk pracovného prostredia, ako pri editore.

Návratový kód: 0 hotovo, 1 súbor sa nedal prečítať alebo zapísať (dôvod sa
vypíše na stderr; súbor, ktorý už na mieste VÝSTUP bol, ostane, aký bol),
2 chybné argumenty.
</source>
        <translation>

Converts pictures between the .cat files of the calculators&apos; PC link software, the
.g1m files of the fx-9860G family and ordinary images, exactly as the Tavrolin
editor opens, saves and imports them. A .g1m or .g1r file is known by its content,
whatever its name.

  decode   Reads a .cat file of either variant as &quot;Otvor&quot; does and writes its
           128 x 64 picture in the palette colours as a BMP or PNG file (by the
           extension). --colours lists the planes of a colour file to apply, as
           ticked in the editor&apos;s dialog; all four by default. Red clears to white
           where its plane has no bit; blue, green and white only set cells.
           A .cat archive of several records (programs, lists, pictures) gives
           its first picture, or the N-th with --record N. A file cut short
           gives what it holds; the rest stays white, and stderr says where it
           ended.
           From a .g1m file: picture &quot;Pict N&quot; with --pict N, else the first picture
           or capture in it.
           OUT.c: C arrays in the .g1m sheet layout, named ID or after the file.
           DIR/: every picture of the file, Pict3.png, record2.png, ...
  encode   Takes the image&apos;s top-left 128 x 64 pixels as &quot;Importuj obrázok&quot; does
           with every box ticked: exact palette colours and the two near variants
           (255,252,255 white, 0,132,0 green); anything else, and pixels beyond
           the image, white. Writes the file as &quot;Ulož&quot; does: --mono for the
           Algebra FX 2.0 (black cells only), --colour for the CFX-9850 (red,
           blue and green; --colours limits them, black is never kept).
           --fit takes any image instead, as the editor&apos;s fit dialog does:
           scaled to the screen keeping its proportions, whole on white
           (contain, the default) or filling it and cut (cover), then turned
           into black and white (--mono) or red, blue, green and white
           (--colour) by diffused (the default) or ordered dithering, or with
           --dither none by brightness: darker than --threshold (128 unless
           told; a threshold alone means none) becomes ink. --invert swaps
           light and dark.
           OUT ending in .g1m: the picture as &quot;Pict N&quot; with --pict N (1 to 20,
           else 1), its black cells set and everything else clear. An existing
           .g1m or .g1r file at OUT keeps every other item (programs, pictures,
           captures, ...) and stderr says how many; &quot;Pict N&quot; replaces its old
           one. Any other file at OUT is left alone unless --new is given, which
           writes a new file of the one picture whatever is there. --fit and its
           options as for --mono. Several images become Pict N, N+1, ...
  show     Prints the picture as 64 lines of 128 characters: &apos;.&apos; white,
           &apos;#&apos; black, &apos;R&apos; red, &apos;B&apos; blue, &apos;G&apos; green. --record and --pict as
           for decode.
  list     Prints a line for each picture in the file: &quot;Pict 3&quot;, &quot;Capture 1&quot;
           for a .g1m file. For a .cat file a line for each record: its number
           among the pictures (as --record takes it; &quot;-&quot; for a record that is
           no picture), its format, data type and name (&quot;1 MCS1 PC PICT1&quot;).

--version prints the version. --lang sk|en|fr chooses the language of the
messages; by default it is the desktop&apos;s, as for the editor.

Exit status: 0 done, 1 a file could not be read or written (the reason goes to
stderr; a file already at OUT is left as it was), 2 wrong arguments.
</translation>
    </message>
</context>
<context>
    <name>tavrolin::app::EditorRequest</name>
    <message>
        <source>najviac jeden súbor, zadaných: %1</source>
        <translation>one file at most, %1 given</translation>
    </message>
    <message>
        <source>použitie: tavrolin [--lang sk|en|fr] [SÚBOR]
          tavrolin --help | --version</source>
        <translation>usage: tavrolin [--lang sk|en|fr] [FILE]
       tavrolin --help | --version</translation>
    </message>
    <message>
        <source>

Spustí Tavrolin, editor obrázkov pre obrazovky grafických kalkulačiek Casio.
SÚBOR, ak je zadaný, sa otvorí, len čo sa ukáže hlavné okno: súbor obrázka .cat
(podľa mena alebo podľa prvého riadku „%Header Record“) alebo súbor .g1m/.g1r
kalkulačiek radu fx-9860G (podľa obsahu) tak, ako ho otvára „Otvor“; akýkoľvek
iný súbor sa importuje ako obrázok (bmp, jpg, gif, png) tak, ako ho importuje
„Importuj obrázok“.

  --lang JAZYK  jazyk okna: sk, en alebo fr (predvolene jazyk pracovného
                prostredia: slovenčina, angličtina alebo francúzština, ak žiada
                niektorý z nich, angličtina pri akomkoľvek inom jazyku,
                slovenčina, ak nie je nastavený žiadny)
  -h, --help    vypíše tento text a skončí
  --version     vypíše verziu a skončí
  --            každý argument za ním je súbor, aj keď začína znakom „-“

Prijímajú sa aj vlastné voľby Qt (-platform, -style, ...).
Návratový kód: 0, keď sa editor zatvorí, 2 pri chybných argumentoch.
</source>
        <translation>

Starts the Tavrolin picture editor for the screens of Casio graphing calculators.
FILE, if given, is opened once the main window shows: a .cat picture file (by its
name or its &quot;%Header Record&quot; first line) or a .g1m/.g1r file of the fx-9860G
family (by its content) as &quot;Open&quot; opens it, any other file imported as an image
(bmp, jpg, gif, png) as &quot;Import image&quot; imports it.

  --lang LANG  the language of the window: sk, en or fr (by default the desktop&apos;s:
               Slovak, English or French where it asks for one of them, English
               for any other language, Slovak where none is set)
  -h, --help   print this text and exit
  --version    print the version and exit
  --           every argument after it is a file, even one starting with &quot;-&quot;

Qt&apos;s own options (-platform, -style, ...) are accepted too.
Exit status: 0 when the editor closes, 2 for wrong arguments.
</translation>
    </message>
</context>
<context>
    <name>tavrolin::exchange::ItemsText</name>
    <message>
        <source>obrázky: %1</source>
        <translation>pictures: %1</translation>
    </message>
    <message>
        <source>programy: %1</source>
        <translation>programs: %1</translation>
    </message>
    <message>
        <source>iné: %1</source>
        <translation>other: %1</translation>
    </message>
    <message>
        <source>Snímka %1</source>
        <translation>Capture %1</translation>
    </message>
</context>
<context>
    <name>tavrolin::exchange::PictureFormats</name>
    <message>
        <source>Súbory .%1</source>
        <translation>.%1 files</translation>
    </message>
    <message>
        <source>Všetky súbory</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Obrázky pre kalkulačky</source>
        <translation>Calculator pictures</translation>
    </message>
    <message>
        <source>Všetky obrázky</source>
        <translation>All images</translation>
    </message>
    <message>
        <source>Zdrojový kód C</source>
        <translation>C source code</translation>
    </message>
</context>
<context>
    <name>tavrolin::exchange::Reasons</name>
    <message>
        <source>nemáte povolenie</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>je to priečinok, nie súbor</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>súbor neexistuje</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>súbor je prázdny</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>súbor je priveľký (%1 bajtov)</source>
        <translation>the file is too large (%1 bytes)</translation>
    </message>
    <message>
        <source>súbor končí v hlavičke</source>
        <translation>the file ends within its header</translation>
    </message>
    <message>
        <source>čakal som „%1“</source>
        <translation>expected “%1”</translation>
    </message>
    <message>
        <source>neuvádza formát obrázka</source>
        <translation>no picture format is given</translation>
    </message>
    <message>
        <source>nie je to obrázok bmp, jpg, gif ani png</source>
        <translation>it is not a bmp, jpg, gif or png image</translation>
    </message>
    <message>
        <source>veľkosť v hlavičke nesedí s dĺžkou súboru</source>
        <translation>the size in the header does not match the file&apos;s length</translation>
    </message>
    <message>
        <source>kontrolné bajty hlavičky nesedia</source>
        <translation>the header&apos;s check bytes do not match</translation>
    </message>
    <message>
        <source>súbor je skrátený</source>
        <translation>the file is cut short</translation>
    </message>
    <message>
        <source>súbor neobsahuje žiaden obrázok</source>
        <translation>the file holds no picture</translation>
    </message>
    <message>
        <source>riadok %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>súbor neobsahuje obrázok „%1“</source>
        <translation>the file holds no picture “%1”</translation>
    </message>
    <message>
        <source>súbor sa nepodarilo zapísať celý</source>
        <translation>the file could not be written in full</translation>
    </message>
    <message>
        <source>systém odmietol prácu so súborom (%1)</source>
        <translation>the system refused the file (%1)</translation>
    </message>
    <message>
        <source>priečinok neexistuje</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>cesta k súboru vedie cez súbor, nie cez priečinok</source>
        <translation>the path to the file passes through a file, not a folder</translation>
    </message>
    <message>
        <source>meno súboru je pridlhé</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>na disku už nie je miesto</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>disk je len na čítanie</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>súbor obsahuje program, nie obrázok</source>
        <translation>the file holds a program, not a picture</translation>
    </message>
    <message>
        <source>obrázok má %1 × %2 bodov, to je priveľa</source>
        <translation>the image has %1 × %2 pixels, that is too many</translation>
    </message>
    <message>
        <source>nie je to súbor .g1m ani .g1r</source>
        <translation>it is not a .g1m or .g1r file</translation>
    </message>
    <message>
        <source>nie je to obyčajný súbor</source>
        <translation>it is not an ordinary file</translation>
    </message>
</context>
<context>
    <name>tavrolin::language</name>
    <message>
        <source>neznáma voľba %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>za %1 chýba hodnota</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 neberie hodnotu</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>--lang berie sk, en alebo fr</source>
        <translation>--lang takes sk, en or fr</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ColourDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ColourFrame</name>
    <message>
        <source>Farba:</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Aktuálna farba</source>
        <translation>Current colour</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ColourSwatch</name>
    <message>
        <source>biela</source>
        <translation>white</translation>
    </message>
    <message>
        <source>čierna</source>
        <translation>black</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>red</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>green</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ContactFrame</name>
    <message>
        <source>Kontakt na autora:</source>
        <translation>About the author:</translation>
    </message>
    <message>
        <source>verzia %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>editor obrázkov</source>
        <translation>picture editor</translation>
    </message>
    <message>
        <source>Licencia:</source>
        <translation>Licence:</translation>
    </message>
    <message>
        <source>slobodný softvér</source>
        <translation>free software</translation>
    </message>
    <message>
        <source>Dokumenty:</source>
        <translation>Documents:</translation>
    </message>
    <message>
        <source>návod</source>
        <translation>guide</translation>
    </message>
    <message>
        <source>text licencie</source>
        <translation>licence text</translation>
    </message>
    <message>
        <source>Dokument „%1“ sa nepodarilo otvoriť: v počítači nie je program, ktorý by ho zobrazil.</source>
        <translation>The document “%1” could not be opened: no program on this computer can show it.</translation>
    </message>
    <message>
        <source>Otvorí návod k programu v prehliadači</source>
        <translation>Opens the program&apos;s guide in the browser</translation>
    </message>
    <message>
        <source>Otvorí text licencie</source>
        <translation>Opens the licence text</translation>
    </message>
    <message>
        <source>Kalkulačka</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Tento dokument sa s programom na tento počítač nenainštaloval.</source>
        <translation>This document was not installed on this computer with the program.</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::CoordinatesFrame</name>
    <message>
        <source>Súradnice:</source>
        <translation>Coordinates:</translation>
    </message>
    <message>
        <source>stĺpec</source>
        <translation>column</translation>
    </message>
    <message>
        <source>riadok</source>
        <translation>row</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::FileNameIconProvider</name>
    <message>
        <source>Priečinok</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Obrázok pre kalkulačky (.%1)</source>
        <translation>Calculator picture (.%1)</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::FitDialog</name>
    <message>
        <source>Prispôsobiť obrázok</source>
        <translation>Fit image</translation>
    </message>
    <message>
        <source>Veľkosť:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Celý obrázok</source>
        <translation>Whole image</translation>
    </message>
    <message>
        <source>Vyplniť a orezať</source>
        <translation>Fill and crop</translation>
    </message>
    <message>
        <source>Odtiene:</source>
        <translation>Shades:</translation>
    </message>
    <message>
        <source>Rozptýlené</source>
        <translation>Diffused</translation>
    </message>
    <message>
        <source>Pravidelné</source>
        <translation>Ordered</translation>
    </message>
    <message>
        <source>Prah</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Prah jasu:</source>
        <translation>Brightness threshold:</translation>
    </message>
    <message>
        <source>Invertovať</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ponechať tak, ako je</source>
        <translation>Keep as it is</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::HedgehogFrame</name>
    <message>
        <source>Ježko:</source>
        <translation>Hedgehog:</translation>
    </message>
    <message>
        <source>(klikni a ťahaj)</source>
        <translation>(click and drag)</translation>
    </message>
    <message>
        <source>Ukáž</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Vymaž</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Vlož</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Ježko</source>
        <translation>Hedgehog</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ImportFrame</name>
    <message>
        <source>Import obrázka:</source>
        <translation>Image import:</translation>
    </message>
    <message>
        <source>Tieto farby nahradiť čiernou:</source>
        <translation>Replace these colours with black:</translation>
    </message>
    <message>
        <source>čierna</source>
        <translation>black</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>green</translation>
    </message>
    <message>
        <source>biela</source>
        <translation>white</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>red</translation>
    </message>
    <message>
        <source>Importovaný obrázok</source>
        <translation>Imported image</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ImportSession</name>
    <message>
        <source>Importovať obrázok</source>
        <translation>Import image</translation>
    </message>
    <message>
        <source>Súbor „%1“ nemôžem načítať ako obrázok!</source>
        <translation>I cannot load the file “%1” as an image!</translation>
    </message>
    <message>
        <source> Skontrolujte prosím, či je to obrázok bmp, jpg, gif alebo png.</source>
        <translation> Please check that it is a bmp, jpg, gif or png image.</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::LoadColoursDialog</name>
    <message>
        <source>Ktoré farby načítať?</source>
        <translation>Which colours to load?</translation>
    </message>
    <message>
        <source>Pri otváraní súboru som zistil, že sa jedná o farebný obrázok. Zvolte farby, ktoré sa majú otvoriť. Ostatné farby sa zobrazia ako biela farba.</source>
        <translation>While opening the file I found that it is a colour picture. Choose the colours to open. The other colours will show as white.</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>red</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>green</translation>
    </message>
    <message>
        <source>biela</source>
        <translation>white</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::MainWindow</name>
    <message>
        <source>Tavrolin v. %1 – obrázky pre kalkulačky Casio</source>
        <translation>Tavrolin v. %1 – pictures for Casio calculators</translation>
    </message>
    <message>
        <source>Náhľad</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Plátno</source>
        <translation>Canvas</translation>
    </message>
    <message>
        <source>nástroj: %1, farba: %2, hrúbka: %3</source>
        <translation>tool: %1, colour: %2, thickness: %3</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ManipulationFrame</name>
    <message>
        <source>Manipulácia s obrázkom:</source>
        <translation>Transform the picture:</translation>
    </message>
    <message>
        <source>Preklop vodorovne</source>
        <translation>Flip horizontally</translation>
    </message>
    <message>
        <source>Preklop zvislo</source>
        <translation>Flip vertically</translation>
    </message>
    <message>
        <source>Naspäť</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Znova</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::MenuFrame</name>
    <message>
        <source>Menu:</source>
        <translation>Menu:</translation>
    </message>
    <message>
        <source>Ulož</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Otvor</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Nový</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Exportuj obrázok</source>
        <translation>Export image</translation>
    </message>
    <message>
        <source>Importuj obrázok</source>
        <translation>Import image</translation>
    </message>
    <message>
        <source>Obrázok nemôžem zapísať do súboru „%1“! Skontrolujte prosím, či priečinok existuje a či doň možno zapisovať.</source>
        <translation>I cannot write the picture to the file “%1”! Please check that the folder exists and can be written to.</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::PictureChoiceDialog</name>
    <message>
        <source>Ktorý obrázok otvoriť?</source>
        <translation>Which picture to open?</translation>
    </message>
    <message>
        <source>Súbor obsahuje viac obrázkov. Zvoľte, ktorý sa má otvoriť:</source>
        <translation>The file holds several pictures. Choose the one to open:</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::PictureFileSession</name>
    <message>
        <source>Dôležité upozornenie: Obrázok ukladáte vo formáte pre farebné kalkulačky. V prípade, že ste použili čiernu farbu, tak táto sa neuloží, keďže farebné kalkulačky čiernu farbu nepodporujú. Uloží sa len modrá, zelená, biela a červená farba!</source>
        <translation>Important: You are saving the picture in the format for colour calculators. If you used black, it will not be saved, since colour calculators do not support black. Only blue, green, white and red are saved!</translation>
    </message>
    <message>
        <source>Otvoriť obrázok</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>Uložiť obrázok</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>súbor sa nedá vytvoriť</source>
        <translation>the file cannot be created</translation>
    </message>
    <message>
        <source>do súboru sa nedá zapisovať</source>
        <translation>the file cannot be written to</translation>
    </message>
    <message>
        <source>zapísaný súbor sa nedá dať na miesto toho so zvoleným menom</source>
        <translation>the written file cannot take the place of the one with the chosen name</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::PictureNumberDialog</name>
    <message>
        <source>Číslo obrázka</source>
        <translation>Picture number</translation>
    </message>
    <message>
        <source>Kalkulačka uchováva obrázky Pict 1 až Pict 20. Pod ktorým číslom mám obrázok uložiť?</source>
        <translation>The calculator keeps pictures Pict 1 to Pict 20. Under which number shall I save the picture?</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::QtPrompts</name>
    <message>
        <source>Obrázok sa zmenil. Uložiť ho pred zatvorením?</source>
        <translation>The picture has changed. Save it before closing?</translation>
    </message>
    <message>
        <source>Uložiť</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zahodiť</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ReplaceFrame</name>
    <message>
        <source>čiernu</source>
        <translation>black</translation>
    </message>
    <message>
        <source>bielu</source>
        <translation>white</translation>
    </message>
    <message>
        <source>červenú</source>
        <translation>red</translation>
    </message>
    <message>
        <source>zelenú</source>
        <translation>green</translation>
    </message>
    <message>
        <source>modrú</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>Invertuj farby:</source>
        <translation>Replace colours:</translation>
    </message>
    <message>
        <source>Vyberte si, ktorá farba sa má zmeniť na inú.</source>
        <translation>Choose which colour is to become another.</translation>
    </message>
    <message>
        <source>na</source>
        <translation>to</translation>
    </message>
    <message>
        <source>a aj opačne</source>
        <translation>and vice versa</translation>
    </message>
    <message>
        <source>Invertuj farby</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Farba, ktorá sa zmení</source>
        <translation>Colour to replace</translation>
    </message>
    <message>
        <source>Nová farba</source>
        <translation>New colour</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::SaveColoursDialog</name>
    <message>
        <source>V akej farbe uložiť obrázok?</source>
        <translation>In which colours to save the picture?</translation>
    </message>
    <message>
        <source>Obrázok ukladáte vo formáte pre kalkulačky s farebným displejom. V akej farbe (farbách) mám obrázok uložiť?</source>
        <translation>You are saving the picture in the format for calculators with a colour screen. In which colour (or colours) shall I save it?</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>red</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>green</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::SaveQuestions</name>
    <message>
        <source>Obrázok nemá žiadnu čiernu bunku, súbor by bol prázdny. Uložiť ho aj tak?</source>
        <translation>The picture has no black cell, so the file would be empty. Save it anyway?</translation>
    </message>
    <message>
        <source>Obrázok nemá žiadnu bunku vo farbách zvolených na uloženie, súbor by bol prázdny. Uložiť ho aj tak?</source>
        <translation>The picture has no cell in the colours chosen for saving, so the file would be empty. Save it anyway?</translation>
    </message>
    <message>
        <source>Uložiť</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Súbor „%1“ nie je čitateľný súbor .g1m (Dôvod: %2). Ak ho nahradíte, bude obsahovať len tento obrázok. Nahradiť ho?</source>
        <translation>The file “%1” is not a readable .g1m file (Reason: %2). If you replace it, it will hold only this picture. Replace it?</translation>
    </message>
    <message>
        <source>Nahradiť</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Súbor obsahuje aj iné položky (%1). Pridať do neho obrázok Pict %2 a ostatné ponechať?</source>
        <translation>The file also holds other items (%1). Add the picture Pict %2 to it and keep the others?</translation>
    </message>
    <message>
        <source>Pridať</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Nahradiť celý súbor</source>
        <translation>Replace the whole file</translation>
    </message>
    <message>
        <source>Súbor „%1“ už obsahuje obrázok Pict %2. Nahradiť ho?</source>
        <translation>The file “%1” already holds the picture Pict %2. Replace it?</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::SplashWindow</name>
    <message>
        <source>úvodné okno</source>
        <translation>start-up window</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::TextFrame</name>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Ukáž</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Vlož</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Zmaž</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Doľava</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Hore</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Dole</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Doprava</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Písmo</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Veľkosť písma</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Text – náhľad</source>
        <translation>Text preview</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ThicknessFrame</name>
    <message>
        <source>Hrúbka:</source>
        <translation>Thickness:</translation>
    </message>
    <message>
        <source>Tenšie</source>
        <translation>Thinner</translation>
    </message>
    <message>
        <source>Hrubšie</source>
        <translation>Thicker</translation>
    </message>
    <message>
        <source>Ukážky hrúbky</source>
        <translation>Thickness samples</translation>
    </message>
    <message>
        <source>vybraná hrúbka: %1</source>
        <translation>chosen thickness: %1</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ToolboxFrame</name>
    <message>
        <source>kalkulačka:</source>
        <translation>calculator:</translation>
    </message>
    <message>
        <source>Kreslenie</source>
        <translation>Drawing</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ToolsFrame</name>
    <message>
        <source>Nástroje:</source>
        <translation>Tools:</translation>
    </message>
    <message>
        <source>aktívny nástroj</source>
        <translation>active tool</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::icons</name>
    <message>
        <source>Obrázky pre kalkulačky Casio Algebra FX 2.0 a CFX-9850</source>
        <translation>Pictures for Casio Algebra FX 2.0 and CFX-9850 calculators</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::picturefilemessages</name>
    <message>
        <source>Súbor nemôžem načítať! Skontrolujte prosím formát súboru a tiež aj to, či tento súbor je určený pre kalkulačky typu Algebra FX 2.0 alebo CFX 9850.</source>
        <translation>I cannot load the file! Please check the file&apos;s format, and also that the file is meant for Algebra FX 2.0 or CFX 9850 calculators.</translation>
    </message>
    <message>
        <source>

Dôvod: %1.</source>
        <translation>

Reason: %1.</translation>
    </message>
    <message>
        <source>Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele kalkulačky. V prípade, že ste použili aj iné farby ako čiernu a bielu, tieto farby sa neuložia. Uloží sa len čierna a biela farba!</source>
        <translation>Important: You are saving the picture in the format for black-and-white calculators. If you used colours other than black and white, they will not be saved. Only black and white are saved!</translation>
    </message>
    <message>
        <source>Obrázok v súbore je neúplný: súbor „%1“ končí na riadku %2. Zvyšok obrázka zostal biely.</source>
        <translation>The picture in the file is incomplete: the file “%1” ends at line %2. The rest of the picture stayed white.</translation>
    </message>
    <message>
        <source>Obrázok nemôžem uložiť do súboru „%1“! Ak súbor s týmto menom už existoval, zostal nezmenený.</source>
        <translation>I cannot save the picture to the file “%1”! If a file of that name already existed, it is unchanged.</translation>
    </message>
    <message>
        <source>Súbor „%1“ nemôžem načítať ako obrázok pre kalkulačky radu fx-9860G!</source>
        <translation>I cannot load the file “%1” as a picture for the fx-9860G family of calculators!</translation>
    </message>
</context>
</TS>
