#include "catconverter/converterhelp.h"

#include <QCoreApplication>

namespace tavrolin::catconverter {

QString usageLine() {
    return QCoreApplication::translate(
        "tavrolin-cat",
        "použitie: tavrolin-cat decode VSTUP.cat|VSTUP.g1m VÝSTUP.bmp|VÝSTUP.png"
        " [--colours red,blue,green,white] [--record N | --pict N]\n"
        "          tavrolin-cat decode VSTUP.cat|VSTUP.g1m VÝSTUP.c [--name MENO]\n"
        "          tavrolin-cat decode VSTUP.cat|VSTUP.g1m PRIEČINOK/ [--format png|bmp|c] "
        "[--force]\n"
        "          tavrolin-cat encode VSTUP.bmp|png|gif|jpg VÝSTUP.cat --mono | --colour"
        " [--colours red,blue,green]\n"
        "               [--fit [contain|cover] [--dither diffuse|ordered|none]"
        " [--threshold 0-255] [--invert]]\n"
        "          tavrolin-cat encode VSTUP.bmp|png|gif|jpg... VÝSTUP.g1m [--pict N] [--new]"
        " [--fit ...]\n"
        "          tavrolin-cat show VSTUP.cat|VSTUP.g1m [--record N | --pict N]\n"
        "          tavrolin-cat list VSTUP.cat|VSTUP.g1m\n"
        "          tavrolin-cat --help | --version");
}

QString helpText() {
    return usageLine() + QCoreApplication::translate("tavrolin-cat", R"(

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
  show     Vypíše obrázok ako 64 riadkov po 128 znakov: '.' biela, '#' čierna,
           'R' červená, 'B' modrá, 'G' zelená. --record a --pict ako pri
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
)");
}

}  // namespace tavrolin::catconverter
