<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="sk">
<context>
    <name>Tools</name>
    <message>
        <source>kruh</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>aktívne: kruh</source>
        <translation>actif&#xa0;: cercle</translation>
    </message>
    <message>
        <source>čiara</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>aktívne: čiara</source>
        <translation>actif&#xa0;: ligne</translation>
    </message>
    <message>
        <source>pero</source>
        <translation>crayon</translation>
    </message>
    <message>
        <source>aktívne: pero</source>
        <translation>actif&#xa0;: crayon</translation>
    </message>
    <message>
        <source>obdĺžnik</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>aktívne: obdĺžnik</source>
        <translation>actif&#xa0;: rectangle</translation>
    </message>
    <message>
        <source>vyplň</source>
        <translation>remplissage</translation>
    </message>
    <message>
        <source>aktívne: vyplň</source>
        <translation>actif&#xa0;: remplissage</translation>
    </message>
    <message>
        <source>kvapkadlo</source>
        <translation>pipette</translation>
    </message>
    <message>
        <source>aktívne: kvapkadlo</source>
        <translation>actif&#xa0;: pipette</translation>
    </message>
</context>
<context>
    <name>tavrolin-cat</name>
    <message>
        <source>súbor tu končí; zvyšok ostal biely</source>
        <translation>le fichier s&apos;arrête ici&#xa0;; le reste est resté blanc</translation>
    </message>
    <message>
        <source>%1 už existuje; --force ho nahradí</source>
        <translation>%1 existe déjà&#xa0;; --force le remplace</translation>
    </message>
    <message>
        <source>priečinok %1 sa nedá vytvoriť</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 nie je súbor .g1m, do ktorého sa dá pridať obrázok; --new ho nahradí</source>
        <translation>%1 n&apos;est pas un fichier .g1m où ajouter l&apos;image&#xa0;; --new le remplace</translation>
    </message>
    <message>
        <source>%1: ponechané iné položky: %2</source>
        <translation>%1&#xa0;: autres éléments conservés&#xa0;: %2</translation>
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
        <translation>utilisation&#xa0;: tavrolin-cat decode ENTRÉE.cat|ENTRÉE.g1m SORTIE.bmp|SORTIE.png [--colours red,blue,green,white] [--record N | --pict N]
              tavrolin-cat decode ENTRÉE.cat|ENTRÉE.g1m SORTIE.c [--name ID]
              tavrolin-cat decode ENTRÉE.cat|ENTRÉE.g1m DOSSIER/ [--format png|bmp|c] [--force]
              tavrolin-cat encode ENTRÉE.bmp|png|gif|jpg SORTIE.cat --mono | --colour [--colours red,blue,green]
                   [--fit [contain|cover] [--dither diffuse|ordered|none] [--threshold 0-255] [--invert]]
              tavrolin-cat encode ENTRÉE.bmp|png|gif|jpg... SORTIE.g1m [--pict N] [--new] [--fit ...]
              tavrolin-cat show ENTRÉE.cat|ENTRÉE.g1m [--record N | --pict N]
              tavrolin-cat list ENTRÉE.cat|ENTRÉE.g1m
              tavrolin-cat --help | --version</translation>
    </message>
    <message>
        <source>--record berie číslo od 1 vyššie</source>
        <translation>--record attend un nombre à partir de 1</translation>
    </message>
    <message>
        <source>--record patrí k súborom .cat; súbor .g1m berie --pict</source>
        <translation>--record est pour les fichiers .cat&#xa0;; un fichier .g1m prend --pict</translation>
    </message>
    <message>
        <source>--pict berie číslo od 1 do 20</source>
        <translation>--pict attend un nombre de 1 à 20</translation>
    </message>
    <message>
        <source>--pict patrí k súborom .g1m</source>
        <translation>--pict va avec les fichiers .g1m</translation>
    </message>
    <message>
        <source>--format a --force patria k decode do priečinka</source>
        <translation>--format et --force sont pour decode dans un dossier</translation>
    </message>
    <message>
        <source>--format je png, bmp alebo c, nie %1</source>
        <translation>--format vaut png, bmp ou c, pas %1</translation>
    </message>
    <message>
        <source>decode zapisuje súbory .bmp, .png alebo .c</source>
        <translation>decode écrit des fichiers .bmp, .png ou .c</translation>
    </message>
    <message>
        <source>--name patrí k decode do súboru .c</source>
        <translation>--name est pour decode dans un fichier .c</translation>
    </message>
    <message>
        <source>--name berie identifikátor jazyka C, nie %1</source>
        <translation>--name prend un identificateur C, pas %1</translation>
    </message>
    <message>
        <source>decode načíta red, blue, green alebo white, nie %1</source>
        <translation>decode charge red, blue, green ou white, pas %1</translation>
    </message>
    <message>
        <source>súbor .g1m má len čiernu a bielu</source>
        <translation>un fichier .g1m ne contient que du noir et blanc</translation>
    </message>
    <message>
        <source>--new patrí k encode do súboru .g1m</source>
        <translation>--new va avec encode vers un fichier .g1m</translation>
    </message>
    <message>
        <source>--mono patrí k súborom .cat; súbor .g1m je aj tak čiernobiely</source>
        <translation>--mono est pour les fichiers .cat&#xa0;; un fichier .g1m est de toute façon en noir et blanc</translation>
    </message>
    <message>
        <source>viac obrázkov sa dá zakódovať len do súboru .g1m</source>
        <translation>plusieurs images ne s&apos;encodent que dans un fichier .g1m</translation>
    </message>
    <message>
        <source>počet obrázkov (%1) od Pict %2 presahuje Pict 20</source>
        <translation>%1 images à partir de Pict %2 dépassent Pict 20</translation>
    </message>
    <message>
        <source>encode potrebuje buď --mono, alebo --colour</source>
        <translation>encode demande --mono ou --colour</translation>
    </message>
    <message>
        <source>--colours patrí len k --colour</source>
        <translation>--colours ne va qu&apos;avec --colour</translation>
    </message>
    <message>
        <source>encode ukladá red, blue alebo green, nie %1</source>
        <translation>encode enregistre red, blue ou green, pas %1</translation>
    </message>
    <message>
        <source>--fit a jeho voľby patria k encode</source>
        <translation>--fit et ses options vont avec encode</translation>
    </message>
    <message>
        <source>--mono a --colour patria k encode</source>
        <translation>--mono et --colour vont avec encode</translation>
    </message>
    <message>
        <source>list neberie žiadne voľby</source>
        <translation>list n&apos;accepte aucune option</translation>
    </message>
    <message>
        <source>show berie len --record alebo --pict</source>
        <translation>show n&apos;accepte que --record ou --pict</translation>
    </message>
    <message>
        <source>--name, --format a --force patria k decode</source>
        <translation>--name, --format et --force sont pour decode</translation>
    </message>
    <message>
        <source>--record patrí k show a decode</source>
        <translation>--record va avec show et decode</translation>
    </message>
    <message>
        <source>--colours potrebuje zoznam farieb</source>
        <translation>--colours attend une liste de couleurs</translation>
    </message>
    <message>
        <source>--fit je contain alebo cover, nie %1</source>
        <translation>--fit vaut contain ou cover, pas %1</translation>
    </message>
    <message>
        <source>%1 berie jeden názov súboru</source>
        <translation>%1 attend un nom de fichier</translation>
    </message>
    <message>
        <source>%1 berie dva názvy súborov, VSTUP a VÝSTUP</source>
        <translation>%1 attend deux noms de fichier, ENTRÉE et SORTIE</translation>
    </message>
    <message>
        <source>chýba príkaz</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>neznámy príkaz %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>--dither, --threshold a --invert patria k --fit</source>
        <translation>--dither, --threshold et --invert vont avec --fit</translation>
    </message>
    <message>
        <source>--dither je diffuse, ordered alebo none, nie %1</source>
        <translation>--dither vaut diffuse, ordered ou none, pas %1</translation>
    </message>
    <message>
        <source>--threshold je číslo od 0 do 255</source>
        <translation>--threshold est un nombre de 0 à 255</translation>
    </message>
    <message>
        <source>--threshold patrí k --dither none</source>
        <translation>--threshold va avec --dither none</translation>
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

Convertit les images entre les fichiers .cat du logiciel de liaison PC des
calculatrices, les fichiers .g1m de la famille fx-9860G et les images ordinaires,
exactement comme l&apos;éditeur Tavrolin les ouvre, les enregistre et les importe. Un
fichier .g1m ou .g1r est reconnu à son contenu, quel que soit son nom.

  decode   Lit un fichier .cat de l&apos;une ou l&apos;autre variante comme le fait
           «&#xa0;Ouvrir&#xa0;» et écrit son image de 128 x 64 dans les couleurs de la
           palette en fichier BMP ou PNG (selon l&apos;extension). --colours donne les
           plans d&apos;un fichier couleur à appliquer, comme cochés dans la boîte de
           dialogue de l&apos;éditeur&#xa0;; les quatre par défaut. Le rouge remet en blanc
           là où son plan n&apos;a pas de bit&#xa0;; le bleu, le vert et le blanc ne font
           que poser des cases.
           Une archive .cat de plusieurs enregistrements (programmes, listes,
           images) donne sa première image, ou la N-ième avec --record N. Un
           fichier tronqué donne ce qu&apos;il contient&#xa0;; le reste reste blanc, et
           stderr indique où il s&apos;arrête.
           D&apos;un fichier .g1m&#xa0;: l&apos;image «&#xa0;Pict N&#xa0;» avec --pict N, sinon la
           première image ou capture qu&apos;il contient.
           SORTIE.c&#xa0;: tableaux C au format des feuilles .g1m, nommés ID ou
           d&apos;après le fichier. DOSSIER/&#xa0;: chaque image du fichier, Pict3.png, record2.png, ...
  encode   Prend les 128 x 64 pixels du coin supérieur gauche de l&apos;image comme
           le fait «&#xa0;Importer une image&#xa0;» avec toutes les cases cochées&#xa0;: les
           couleurs exactes de la palette et les deux variantes proches
           (255,252,255 blanc, 0,132,0 vert)&#xa0;; tout le reste, et les pixels
           au-delà de l&apos;image, en blanc. Écrit le fichier comme le fait
           «&#xa0;Enregistrer&#xa0;»&#xa0;: --mono pour l&apos;Algebra FX 2.0 (cases noires seulement),
           --colour pour la CFX-9850 (rouge, bleu et vert&#xa0;; --colours les
           limite, le noir n&apos;est jamais gardé).
           --fit prend à la place n&apos;importe quelle image, comme la boîte de
           dialogue d&apos;ajustement de l&apos;éditeur&#xa0;: mise à l&apos;échelle de l&apos;écran en
           gardant ses proportions, entière sur fond blanc (contain, par défaut)
           ou le remplissant et rognée (cover), puis rendue en noir et blanc
           (--mono) ou en rouge, bleu, vert et blanc (--colour) par tramage
           diffusé (par défaut) ou ordonné, ou avec --dither none selon la
           luminosité&#xa0;: ce qui est plus sombre que --threshold (128 par défaut&#xa0;;
           un seuil seul signifie none) devient de l&apos;encre. --invert échange le
           clair et le sombre.
           SORTIE finissant par .g1m&#xa0;: l&apos;image en «&#xa0;Pict N&#xa0;» avec --pict N
           (1 à 20, sinon 1), ses cases noires posées et tout le reste vide. Un
           fichier .g1m ou .g1r déjà à SORTIE garde tous ses autres éléments
           (programmes, images, captures, ...) et stderr dit combien&#xa0;;
           «&#xa0;Pict N&#xa0;» remplace l&apos;ancienne. Tout autre fichier à SORTIE reste
           tel quel, sauf avec --new, qui écrit un nouveau fichier de la seule
           image quoi qu&apos;il y ait. --fit et ses options comme
           pour --mono. Plusieurs images deviennent Pict N, N+1, ...
  show     Affiche l&apos;image en 64 lignes de 128 caractères&#xa0;: &apos;.&apos; blanc,
           &apos;#&apos; noir, &apos;R&apos; rouge, &apos;B&apos; bleu, &apos;G&apos; vert. --record et --pict comme
           pour decode.
  list     Affiche une ligne par image du fichier&#xa0;: «&#xa0;Pict 3&#xa0;», «&#xa0;Capture 1&#xa0;»
           pour un fichier .g1m. Pour un fichier .cat, une ligne par
           enregistrement&#xa0;: son numéro parmi les images (tel que --record le
           prend&#xa0;; «&#xa0;-&#xa0;» pour un enregistrement qui n&apos;est pas une image), son
           format, son type de données et son nom («&#xa0;1 MCS1 PC PICT1&#xa0;»).

--version affiche la version. --lang sk|en|fr choisit la langue des messages&#xa0;;
par défaut, c&apos;est celle du bureau, comme pour l&apos;éditeur.

Code de sortie&#xa0;: 0 terminé, 1 un fichier n&apos;a pas pu être lu ou écrit (la raison
est écrite sur stderr&#xa0;; un fichier déjà présent en SORTIE reste tel quel),
2 arguments incorrects.
</translation>
    </message>
</context>
<context>
    <name>tavrolin::app::EditorRequest</name>
    <message>
        <source>najviac jeden súbor, zadaných: %1</source>
        <translation>un fichier au plus, %1 donnés</translation>
    </message>
    <message>
        <source>použitie: tavrolin [--lang sk|en|fr] [SÚBOR]
          tavrolin --help | --version</source>
        <translation>utilisation&#xa0;: tavrolin [--lang sk|en|fr] [FICHIER]
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

Lance Tavrolin, l&apos;éditeur d&apos;images pour les écrans des calculatrices graphiques
Casio. FICHIER, s&apos;il est donné, est ouvert dès que la fenêtre principale
s&apos;affiche&#xa0;: un fichier image .cat (d&apos;après son nom ou sa première ligne
«&#xa0;%Header Record&#xa0;») ou un fichier .g1m/.g1r de la famille fx-9860G (d&apos;après
son contenu) comme l&apos;ouvre «&#xa0;Ouvrir&#xa0;»&#xa0;; tout autre fichier est importé comme
image (bmp, jpg, gif, png) comme l&apos;importe «&#xa0;Importer une image&#xa0;».

  --lang LANGUE  la langue de la fenêtre&#xa0;: sk, en ou fr (par défaut celle du
                 bureau&#xa0;: slovaque, anglais ou français s&apos;il demande l&apos;une
                 d&apos;elles, anglais pour toute autre langue, slovaque si aucune
                 n&apos;est définie)
  -h, --help     affiche ce texte et quitte
  --version      affiche la version et quitte
  --             tout argument qui suit est un fichier, même s&apos;il commence
                 par «&#xa0;-&#xa0;»

Les options propres à Qt (-platform, -style, ...) sont acceptées aussi.
Code de sortie&#xa0;: 0 à la fermeture de l&apos;éditeur, 2 pour des arguments incorrects.
</translation>
    </message>
</context>
<context>
    <name>tavrolin::exchange::ItemsText</name>
    <message>
        <source>obrázky: %1</source>
        <translation>images&#xa0;: %1</translation>
    </message>
    <message>
        <source>programy: %1</source>
        <translation>programmes&#xa0;: %1</translation>
    </message>
    <message>
        <source>iné: %1</source>
        <translation>autres&#xa0;: %1</translation>
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
        <translation>Fichiers .%1</translation>
    </message>
    <message>
        <source>Všetky súbory</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Obrázky pre kalkulačky</source>
        <translation>Images pour calculatrices</translation>
    </message>
    <message>
        <source>Všetky obrázky</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>Zdrojový kód C</source>
        <translation>Code source C</translation>
    </message>
</context>
<context>
    <name>tavrolin::exchange::Reasons</name>
    <message>
        <source>nemáte povolenie</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>je to priečinok, nie súbor</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>súbor neexistuje</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>súbor je prázdny</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>súbor je priveľký (%1 bajtov)</source>
        <translation>le fichier est trop gros (%1 octets)</translation>
    </message>
    <message>
        <source>súbor končí v hlavičke</source>
        <translation>le fichier s&apos;arrête dans son en-tête</translation>
    </message>
    <message>
        <source>čakal som „%1“</source>
        <translation>«&#xa0;%1&#xa0;» attendu</translation>
    </message>
    <message>
        <source>neuvádza formát obrázka</source>
        <translation>aucun format d&apos;image n&apos;est indiqué</translation>
    </message>
    <message>
        <source>nie je to obrázok bmp, jpg, gif ani png</source>
        <translation>ce n&apos;est pas une image bmp, jpg, gif ou png</translation>
    </message>
    <message>
        <source>veľkosť v hlavičke nesedí s dĺžkou súboru</source>
        <translation>la taille dans l&apos;en-tête ne correspond pas à la longueur du fichier</translation>
    </message>
    <message>
        <source>kontrolné bajty hlavičky nesedia</source>
        <translation>les octets de contrôle de l&apos;en-tête ne correspondent pas</translation>
    </message>
    <message>
        <source>súbor je skrátený</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>súbor neobsahuje žiaden obrázok</source>
        <translation>le fichier ne contient aucune image</translation>
    </message>
    <message>
        <source>riadok %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>súbor neobsahuje obrázok „%1“</source>
        <translation>le fichier ne contient pas d&apos;image «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>súbor sa nepodarilo zapísať celý</source>
        <translation>le fichier n&apos;a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>systém odmietol prácu so súborom (%1)</source>
        <translation>le système a refusé le fichier (%1)</translation>
    </message>
    <message>
        <source>priečinok neexistuje</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>cesta k súboru vedie cez súbor, nie cez priečinok</source>
        <translation>le chemin du fichier passe par un fichier, pas par un dossier</translation>
    </message>
    <message>
        <source>meno súboru je pridlhé</source>
        <translation>le nom du fichier est trop long</translation>
    </message>
    <message>
        <source>na disku už nie je miesto</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>disk je len na čítanie</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>súbor obsahuje program, nie obrázok</source>
        <translation>le fichier contient un programme, pas une image</translation>
    </message>
    <message>
        <source>obrázok má %1 × %2 bodov, to je priveľa</source>
        <translation>l&apos;image a %1 × %2 points, c&apos;est trop</translation>
    </message>
    <message>
        <source>nie je to súbor .g1m ani .g1r</source>
        <translation>ce n&apos;est ni un fichier .g1m ni un fichier .g1r</translation>
    </message>
    <message>
        <source>nie je to obyčajný súbor</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>tavrolin::language</name>
    <message>
        <source>neznáma voľba %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>za %1 chýba hodnota</source>
        <translation>il manque une valeur après %1</translation>
    </message>
    <message>
        <source>%1 neberie hodnotu</source>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>--lang berie sk, en alebo fr</source>
        <translation>--lang accepte sk, en ou fr</translation>
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
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Aktuálna farba</source>
        <translation>Couleur actuelle</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ColourSwatch</name>
    <message>
        <source>biela</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>čierna</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>vert</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ContactFrame</name>
    <message>
        <source>Kontakt na autora:</source>
        <translation>L&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <source>verzia %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>editor obrázkov</source>
        <translation>éditeur d&apos;images</translation>
    </message>
    <message>
        <source>Licencia:</source>
        <translation>Licence&#xa0;:</translation>
    </message>
    <message>
        <source>slobodný softvér</source>
        <translation>logiciel libre</translation>
    </message>
    <message>
        <source>Dokumenty:</source>
        <translation>Documents&#xa0;:</translation>
    </message>
    <message>
        <source>návod</source>
        <translation>guide</translation>
    </message>
    <message>
        <source>text licencie</source>
        <translation>texte de la licence</translation>
    </message>
    <message>
        <source>Dokument „%1“ sa nepodarilo otvoriť: v počítači nie je program, ktorý by ho zobrazil.</source>
        <translation>Impossible d&apos;ouvrir le document «&#xa0;%1&#xa0;»&#xa0;: aucun programme de cet ordinateur ne sait l&apos;afficher.</translation>
    </message>
    <message>
        <source>Otvorí návod k programu v prehliadači</source>
        <translation>Ouvre le guide du programme dans le navigateur</translation>
    </message>
    <message>
        <source>Otvorí text licencie</source>
        <translation>Ouvre le texte de la licence</translation>
    </message>
    <message>
        <source>Kalkulačka</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Tento dokument sa s programom na tento počítač nenainštaloval.</source>
        <translation>Ce document n&apos;a pas été installé sur cet ordinateur avec le programme.</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::CoordinatesFrame</name>
    <message>
        <source>Súradnice:</source>
        <translation>Coordonnées&#xa0;:</translation>
    </message>
    <message>
        <source>stĺpec</source>
        <translation>colonne</translation>
    </message>
    <message>
        <source>riadok</source>
        <translation>ligne</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::FileNameIconProvider</name>
    <message>
        <source>Priečinok</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Obrázok pre kalkulačky (.%1)</source>
        <translation>Image pour calculatrices (.%1)</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::FitDialog</name>
    <message>
        <source>Prispôsobiť obrázok</source>
        <translation>Ajuster l&apos;image</translation>
    </message>
    <message>
        <source>Veľkosť:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Celý obrázok</source>
        <translation>Image entière</translation>
    </message>
    <message>
        <source>Vyplniť a orezať</source>
        <translation>Remplir et rogner</translation>
    </message>
    <message>
        <source>Odtiene:</source>
        <translation>Nuances&#xa0;:</translation>
    </message>
    <message>
        <source>Rozptýlené</source>
        <translation>Diffusées</translation>
    </message>
    <message>
        <source>Pravidelné</source>
        <translation>Ordonnées</translation>
    </message>
    <message>
        <source>Prah</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Prah jasu:</source>
        <translation>Seuil de luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>Invertovať</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zrušiť</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ponechať tak, ako je</source>
        <translation>Garder tel quel</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::HedgehogFrame</name>
    <message>
        <source>Ježko:</source>
        <translation>Hérisson&#xa0;:</translation>
    </message>
    <message>
        <source>(klikni a ťahaj)</source>
        <translation>(cliquer et glisser)</translation>
    </message>
    <message>
        <source>Ukáž</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Vymaž</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Vlož</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Ježko</source>
        <translation>Hérisson</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ImportFrame</name>
    <message>
        <source>Import obrázka:</source>
        <translation>Import d&apos;image&#xa0;:</translation>
    </message>
    <message>
        <source>Tieto farby nahradiť čiernou:</source>
        <translation>Remplacer ces couleurs par du noir&#xa0;:</translation>
    </message>
    <message>
        <source>čierna</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>biela</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Importovaný obrázok</source>
        <translation>Image importée</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ImportSession</name>
    <message>
        <source>Importovať obrázok</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Súbor „%1“ nemôžem načítať ako obrázok!</source>
        <translation>Je ne peux pas charger le fichier «&#xa0;%1&#xa0;» comme image&#xa0;!</translation>
    </message>
    <message>
        <source> Skontrolujte prosím, či je to obrázok bmp, jpg, gif alebo png.</source>
        <translation> Vérifiez qu&apos;il s&apos;agit bien d&apos;une image bmp, jpg, gif ou png.</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::LoadColoursDialog</name>
    <message>
        <source>Ktoré farby načítať?</source>
        <translation>Quelles couleurs charger&#xa0;?</translation>
    </message>
    <message>
        <source>Pri otváraní súboru som zistil, že sa jedná o farebný obrázok. Zvolte farby, ktoré sa majú otvoriť. Ostatné farby sa zobrazia ako biela farba.</source>
        <translation>En ouvrant le fichier, j&apos;ai vu qu&apos;il s&apos;agit d&apos;une image en couleur. Choisissez les couleurs à ouvrir. Les autres s&apos;afficheront en blanc.</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>biela</source>
        <translation>blanc</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::MainWindow</name>
    <message>
        <source>Tavrolin v. %1 – obrázky pre kalkulačky Casio</source>
        <translation>Tavrolin v. %1 – images pour calculatrices Casio</translation>
    </message>
    <message>
        <source>Náhľad</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Plátno</source>
        <translation>Zone de dessin</translation>
    </message>
    <message>
        <source>nástroj: %1, farba: %2, hrúbka: %3</source>
        <translation>outil&#xa0;: %1, couleur&#xa0;: %2, épaisseur&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ManipulationFrame</name>
    <message>
        <source>Manipulácia s obrázkom:</source>
        <translation>Transformer l&apos;image&#xa0;:</translation>
    </message>
    <message>
        <source>Preklop vodorovne</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Preklop zvislo</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>Naspäť</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Znova</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::MenuFrame</name>
    <message>
        <source>Menu:</source>
        <translation>Menu&#xa0;:</translation>
    </message>
    <message>
        <source>Ulož</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Otvor</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Nový</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Exportuj obrázok</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Importuj obrázok</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Obrázok nemôžem zapísať do súboru „%1“! Skontrolujte prosím, či priečinok existuje a či doň možno zapisovať.</source>
        <translation>Je ne peux pas écrire l&apos;image dans le fichier «&#xa0;%1&#xa0;»&#xa0;! Vérifiez que le dossier existe et qu&apos;on peut y écrire.</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::PictureChoiceDialog</name>
    <message>
        <source>Ktorý obrázok otvoriť?</source>
        <translation>Quelle image ouvrir&#xa0;?</translation>
    </message>
    <message>
        <source>Súbor obsahuje viac obrázkov. Zvoľte, ktorý sa má otvoriť:</source>
        <translation>Le fichier contient plusieurs images. Choisissez celle à ouvrir&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::PictureFileSession</name>
    <message>
        <source>Dôležité upozornenie: Obrázok ukladáte vo formáte pre farebné kalkulačky. V prípade, že ste použili čiernu farbu, tak táto sa neuloží, keďže farebné kalkulačky čiernu farbu nepodporujú. Uloží sa len modrá, zelená, biela a červená farba!</source>
        <translation>Attention&#xa0;: vous enregistrez l&apos;image au format des calculatrices couleur. Si vous avez utilisé du noir, il ne sera pas enregistré, car les calculatrices couleur ne gèrent pas le noir. Seuls le bleu, le vert, le blanc et le rouge sont enregistrés&#xa0;!</translation>
    </message>
    <message>
        <source>Otvoriť obrázok</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Uložiť obrázok</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>súbor sa nedá vytvoriť</source>
        <translation>le fichier ne peut pas être créé</translation>
    </message>
    <message>
        <source>do súboru sa nedá zapisovať</source>
        <translation>on ne peut pas écrire dans le fichier</translation>
    </message>
    <message>
        <source>zapísaný súbor sa nedá dať na miesto toho so zvoleným menom</source>
        <translation>le fichier écrit ne peut pas remplacer celui du nom choisi</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::PictureNumberDialog</name>
    <message>
        <source>Číslo obrázka</source>
        <translation>Numéro de l&apos;image</translation>
    </message>
    <message>
        <source>Kalkulačka uchováva obrázky Pict 1 až Pict 20. Pod ktorým číslom mám obrázok uložiť?</source>
        <translation>La calculatrice garde les images Pict 1 à Pict 20. Sous quel numéro dois-je enregistrer l&apos;image&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::QtPrompts</name>
    <message>
        <source>Obrázok sa zmenil. Uložiť ho pred zatvorením?</source>
        <translation>L&apos;image a changé. L&apos;enregistrer avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Uložiť</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Zahodiť</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Zrušiť</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ReplaceFrame</name>
    <message>
        <source>čiernu</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>bielu</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>červenú</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>zelenú</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>modrú</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Invertuj farby:</source>
        <translation>Remplacer&#xa0;:</translation>
    </message>
    <message>
        <source>Vyberte si, ktorá farba sa má zmeniť na inú.</source>
        <translation>Choisissez la couleur à changer en une autre.</translation>
    </message>
    <message>
        <source>na</source>
        <translation>en</translation>
    </message>
    <message>
        <source>a aj opačne</source>
        <translation>et inversement</translation>
    </message>
    <message>
        <source>Invertuj farby</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Farba, ktorá sa zmení</source>
        <translation>Couleur à remplacer</translation>
    </message>
    <message>
        <source>Nová farba</source>
        <translation>Nouvelle couleur</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::SaveColoursDialog</name>
    <message>
        <source>V akej farbe uložiť obrázok?</source>
        <translation>En quelles couleurs enregistrer l&apos;image&#xa0;?</translation>
    </message>
    <message>
        <source>Obrázok ukladáte vo formáte pre kalkulačky s farebným displejom. V akej farbe (farbách) mám obrázok uložiť?</source>
        <translation>Vous enregistrez l&apos;image au format des calculatrices à écran couleur. En quelle(s) couleur(s) dois-je l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>vert</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::SaveQuestions</name>
    <message>
        <source>Obrázok nemá žiadnu čiernu bunku, súbor by bol prázdny. Uložiť ho aj tak?</source>
        <translation>L&apos;image n&apos;a aucune case noire, le fichier serait vide. L&apos;enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Obrázok nemá žiadnu bunku vo farbách zvolených na uloženie, súbor by bol prázdny. Uložiť ho aj tak?</source>
        <translation>L&apos;image n&apos;a aucune case dans les couleurs choisies pour l&apos;enregistrement, le fichier serait vide. L&apos;enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Uložiť</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Zrušiť</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Súbor „%1“ nie je čitateľný súbor .g1m (Dôvod: %2). Ak ho nahradíte, bude obsahovať len tento obrázok. Nahradiť ho?</source>
        <translation>Le fichier « %1 » n&apos;est pas un fichier .g1m lisible (raison : %2). Si vous le remplacez, il ne contiendra que cette image. Le remplacer ?</translation>
    </message>
    <message>
        <source>Nahradiť</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Súbor obsahuje aj iné položky (%1). Pridať do neho obrázok Pict %2 a ostatné ponechať?</source>
        <translation>Le fichier contient aussi d&apos;autres éléments (%1). Y ajouter l&apos;image Pict %2 et garder les autres ?</translation>
    </message>
    <message>
        <source>Pridať</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Nahradiť celý súbor</source>
        <translation>Remplacer tout le fichier</translation>
    </message>
    <message>
        <source>Súbor „%1“ už obsahuje obrázok Pict %2. Nahradiť ho?</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» contient déjà l&apos;image Pict %2. La remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::SplashWindow</name>
    <message>
        <source>úvodné okno</source>
        <translation>fenêtre d&apos;accueil</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::TextFrame</name>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Ukáž</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Vlož</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Zmaž</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Doľava</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Hore</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Dole</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Doprava</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Písmo</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Veľkosť písma</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Text – náhľad</source>
        <translation>Aperçu du texte</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ThicknessFrame</name>
    <message>
        <source>Hrúbka:</source>
        <translation>Épaisseur&#xa0;:</translation>
    </message>
    <message>
        <source>Tenšie</source>
        <translation>Plus fin</translation>
    </message>
    <message>
        <source>Hrubšie</source>
        <translation>Plus épais</translation>
    </message>
    <message>
        <source>Ukážky hrúbky</source>
        <translation>Exemples d&apos;épaisseur</translation>
    </message>
    <message>
        <source>vybraná hrúbka: %1</source>
        <translation>épaisseur choisie&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ToolboxFrame</name>
    <message>
        <source>kalkulačka:</source>
        <translation>calculatrice&#xa0;:</translation>
    </message>
    <message>
        <source>Kreslenie</source>
        <translation>Dessin</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::ToolsFrame</name>
    <message>
        <source>Nástroje:</source>
        <translation>Outils&#xa0;:</translation>
    </message>
    <message>
        <source>aktívny nástroj</source>
        <translation>outil actif</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::icons</name>
    <message>
        <source>Obrázky pre kalkulačky Casio Algebra FX 2.0 a CFX-9850</source>
        <translation>Images pour calculatrices Casio Algebra FX 2.0 et CFX-9850</translation>
    </message>
</context>
<context>
    <name>tavrolin::ui::picturefilemessages</name>
    <message>
        <source>Súbor nemôžem načítať! Skontrolujte prosím formát súboru a tiež aj to, či tento súbor je určený pre kalkulačky typu Algebra FX 2.0 alebo CFX 9850.</source>
        <translation>Je ne peux pas charger le fichier&#xa0;! Vérifiez son format, et aussi qu&apos;il est bien destiné aux calculatrices Algebra FX 2.0 ou CFX 9850.</translation>
    </message>
    <message>
        <source>

Dôvod: %1.</source>
        <translation>

Raison&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele kalkulačky. V prípade, že ste použili aj iné farby ako čiernu a bielu, tieto farby sa neuložia. Uloží sa len čierna a biela farba!</source>
        <translation>Attention&#xa0;: vous enregistrez l&apos;image au format des calculatrices noir et blanc. Si vous avez utilisé d&apos;autres couleurs que le noir et le blanc, elles ne seront pas enregistrées. Seuls le noir et le blanc sont enregistrés&#xa0;!</translation>
    </message>
    <message>
        <source>Obrázok v súbore je neúplný: súbor „%1“ končí na riadku %2. Zvyšok obrázka zostal biely.</source>
        <translation>L&apos;image du fichier est incomplète&#xa0;: le fichier «&#xa0;%1&#xa0;» s&apos;arrête à la ligne %2. Le reste de l&apos;image est resté blanc.</translation>
    </message>
    <message>
        <source>Obrázok nemôžem uložiť do súboru „%1“! Ak súbor s týmto menom už existoval, zostal nezmenený.</source>
        <translation>Je ne peux pas enregistrer l&apos;image dans le fichier «&#xa0;%1&#xa0;»&#xa0;! Si un fichier de ce nom existait déjà, il est resté tel quel.</translation>
    </message>
    <message>
        <source>Súbor „%1“ nemôžem načítať ako obrázok pre kalkulačky radu fx-9860G!</source>
        <translation>Je ne peux pas charger le fichier «&#xa0;%1&#xa0;» comme une image pour les calculatrices de la famille fx-9860G&#xa0;!</translation>
    </message>
</context>
</TS>
