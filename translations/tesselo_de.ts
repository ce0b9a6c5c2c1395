<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BmpImage</name>
    <message>
        <source>The BMP picture is damaged.</source>
        <translation>Das BMP-Bild ist beschädigt.</translation>
    </message>
    <message>
        <source>The picture is not a BMP picture.</source>
        <translation>Das Bild ist kein BMP-Bild.</translation>
    </message>
    <message>
        <source>The BMP picture is incomplete.</source>
        <translation>Das BMP-Bild ist unvollständig.</translation>
    </message>
    <message>
        <source>The BMP picture is cut short.</source>
        <translation>Das BMP-Bild bricht vorzeitig ab.</translation>
    </message>
    <message>
        <source>There is not enough memory for the BMP picture.</source>
        <translation>Für das BMP-Bild ist nicht genug Speicher frei.</translation>
    </message>
</context>
<context>
    <name>CardSetFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>Cannot open the card set %1: %2.</source>
        <translation>Der Kartensatz %1 lässt sich nicht öffnen: %2.</translation>
    </message>
</context>
<context>
    <name>CardSetInstall</name>
    <message>
        <source>The card set %1 cannot be copied into %2: %3.</source>
        <translation>Der Kartensatz %1 lässt sich nicht nach %2 kopieren: %3.</translation>
    </message>
    <message>
        <source>The card set %1 is too large.</source>
        <translation>Der Kartensatz %1 ist zu groß.</translation>
    </message>
    <message>
        <source>Cannot read the card set %1: %2.</source>
        <translation>Der Kartensatz %1 lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied: %2 already holds sets of all its names.</source>
        <translation>Der Kartensatz %1 lässt sich nicht kopieren: In %2 gibt es schon Kartensätze mit allen möglichen Namen dafür.</translation>
    </message>
    <message>
        <source>Cannot open the card set %1: it is not a file.</source>
        <translation>Der Kartensatz %1 lässt sich nicht öffnen: Er ist keine Datei.</translation>
    </message>
    <message>
        <source>There is no folder to copy the card set %1 into.</source>
        <translation>Es gibt keinen Ordner, in den der Kartensatz %1 kopiert werden kann.</translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied into %2.</source>
        <translation>Der Kartensatz %1 lässt sich nicht nach %2 kopieren.</translation>
    </message>
    <message>
        <source>Copying the card set %1 was stopped.</source>
        <translation>Das Kopieren des Kartensatzes %1 wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>CardSetLoader</name>
    <message>
        <source>It has not been opened.</source>
        <translation>Er wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Face image %1 is not usable: %2</source>
        <translation>Kartenbild %1 ist nicht brauchbar: %2</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be used. %2</source>
        <translation>Der Kartensatz „%1“ kann nicht verwendet werden. %2</translation>
    </message>
    <message>
        <source>Its advert picture is not usable: %1</source>
        <translation>Sein Werbebild ist nicht brauchbar: %1</translation>
    </message>
    <message>
        <source>Its card back is not usable: %1</source>
        <translation>Seine Kartenrückseite ist nicht brauchbar: %1</translation>
    </message>
    <message>
        <source>Checking its faces takes too long.</source>
        <translation>Das Prüfen seiner Kartenbilder dauert zu lange.</translation>
    </message>
    <message>
        <source>It has no face image %1.</source>
        <translation>Ihm fehlt Kartenbild %1.</translation>
    </message>
    <message>
        <source>Face image %1 cannot be read: %2</source>
        <translation>Kartenbild %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Its faces need more memory than a game may use.</source>
        <translation>Seine Kartenbilder brauchen mehr Speicher, als ein Spiel nehmen darf.</translation>
    </message>
    <message>
        <source>Its faces could not all be read.</source>
        <translation>Nicht alle seine Kartenbilder ließen sich lesen.</translation>
    </message>
    <message>
        <source>The sound of face %1 is not usable: %2</source>
        <translation>Der Klang von Bild %1 ist nicht brauchbar: %2</translation>
    </message>
    <message>
        <source>The sound of face %1 cannot be read: %2</source>
        <translation>Der Klang von Bild %1 lässt sich nicht lesen: %2</translation>
    </message>
</context>
<context>
    <name>Deckwright</name>
    <message>
        <source>A card set needs a title.</source>
        <translation>Ein Kartensatz braucht einen Titel.</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; %n given.</source>
        <translation>
            <numerusform>Ein Kartensatz braucht mindestens %1 Bilder; angegeben ist %n.</numerusform>
            <numerusform>Ein Kartensatz braucht mindestens %1 Bilder; angegeben sind %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card box may be at most 2048 x 2048 pixels.</source>
        <translation>Das Kartenformat darf höchstens 2048 x 2048 Pixel groß sein.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Prüfe %1</translation>
    </message>
    <message>
        <source>%1: a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation>%1: ein %2-Bild unter %3-Bildern; alle Bilder eines Satzes müssen dasselbe Format haben.</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Werbebild</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Kartenrückseite</translation>
    </message>
    <message>
        <source>Adding %1</source>
        <translation>Füge %1 hinzu</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreibe</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation>%1: lässt sich nicht schreiben (%2).</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>gepackt</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>plain</source>
        <translation>ungepackt</translation>
    </message>
    <message>
        <source>header</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>advert</source>
        <translation>Werbebild</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>Bild %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: not a card set (it has %n entries, a set at least 3).</source>
        <translation>
            <numerusform>%1: kein Kartensatz (er hat %n Eintrag, ein Satz mindestens 3).</numerusform>
            <numerusform>%1: kein Kartensatz (er hat %n Einträge, ein Satz mindestens 3).</numerusform>
        </translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Card box:</source>
        <translation>Kartenformat:</translation>
    </message>
    <message>
        <source>Faces:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Face format:</source>
        <translation>Bildformat:</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <source>role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>storage</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>abgelegt</translation>
    </message>
    <message>
        <source>delivered</source>
        <translation>geliefert</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>Die Option %1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>The card box &quot;%1&quot; is not WIDTHxHEIGHT (1 to 2048 each).</source>
        <translation>Das Kartenformat „%1“ hat nicht die Form BREITExHÖHE (je 1 bis 2048).</translation>
    </message>
    <message>
        <source>Unknown option %1 (see dkwright help).</source>
        <translation>Unbekannte Option %1 (siehe dkwright help).</translation>
    </message>
    <message>
        <source>Name the card set to write with -o FILE.crd.</source>
        <translation>Gib den zu schreibenden Kartensatz mit -o DATEI.crd an.</translation>
    </message>
    <message>
        <source>Give the card set a title with --title.</source>
        <translation>Gib dem Kartensatz mit --title einen Titel.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n faces, %2 bytes.</source>
        <translation>
            <numerusform>%1 geschrieben: %n Bild, %2 Bytes.</numerusform>
            <numerusform>%1 geschrieben: %n Bilder, %2 Bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name one card set: dkwright info FILE.crd</source>
        <translation>Nenne einen Kartensatz: dkwright info DATEI.crd</translation>
    </message>
    <message>
        <source>Say what to do: dkwright build or dkwright info (dkwright help tells more).</source>
        <translation>Sag, was zu tun ist: dkwright build oder dkwright info (mehr mit dkwright help).</translation>
    </message>
    <message>
        <source>Unknown command %1 (see dkwright help).</source>
        <translation>Unbekannter Befehl %1 (siehe dkwright help).</translation>
    </message>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation>Nicht genug Speicher, um den Kartensatz zu bauen.</translation>
    </message>
    <message>
        <source>Deckwright makes card sets for Kovalent Tesselo.

  dkwright                 (no arguments) opens the window
  dkwright build -o OUT.crd --title TITLE [options] FACE...
  dkwright info FILE.crd
  dkwright help

build: makes a set of the faces given. A FACE is a GIF, JPEG or BMP picture (the format
is read from the content, not the name) or a folder, of which every such picture is
taken, sorted by name. All faces must share one format, and a set needs at least 8,
since a game deals at least 8 pairs. Animated GIFs stay animated.

  -o, --output FILE   the set to write (replaced whole, or left untouched on error)
  --title TITLE       the name the game lists (at most 255 characters)
  --link URL          opened when the advert on the score screen is clicked
  --size WxH          the card box faces are fitted into. By default it is the size
                      most faces share, scaled up or down with its proportions to the
                      largest box that fits 120x90: 4:3 photos give 120x90, square
                      pictures 90x90, upright 3:4 ones 68x90.
  --advert IMAGE      the score screen&apos;s picture (shown stretched to 178x170);
                      drawn from the title when not given
  --back IMAGE        the card back; drawn from the title when not given
  --compress          store the pictures zlib-compressed (worth it for BMP faces)
  --keep-size         store every face as given. Without it, faces larger than twice
                      the card box are scaled down to fit twice the box and encoded
                      again in their own format, so sets of camera photos stay small.

info: prints a set&apos;s title, link, card box, face count and format, and its entries.
</source>
        <translation>Deckwright macht Kartensätze für Kovalent Tesselo.

  dkwright                 (ohne Argumente) öffnet das Fenster
  dkwright build -o AUS.crd --title TITEL [Optionen] BILD...
  dkwright info DATEI.crd
  dkwright help

build: macht einen Satz aus den angegebenen Bildern. Ein BILD ist ein GIF-, JPEG- oder
BMP-Bild (das Format wird am Inhalt erkannt, nicht am Namen) oder ein Ordner, aus dem jedes
solche Bild genommen wird, nach Namen sortiert. Alle Bilder müssen dasselbe Format haben, und
ein Satz braucht mindestens 8, weil ein Spiel mindestens 8 Paare austeilt. Animierte GIFs
bleiben animiert.

  -o, --output DATEI  der zu schreibende Satz (ganz ersetzt, bei einem Fehler unberührt)
  --title TITEL       der Name, den das Spiel anzeigt (höchstens 255 Zeichen)
  --link URL          wird geöffnet, wenn man das Werbebild auf der Punktetafel anklickt
  --size BxH          das Kartenformat, in das die Bilder eingepasst werden. Ohne Angabe
                      ist es die Größe, die die meisten Bilder haben, mit gleichem
                      Seitenverhältnis auf das größte Format vergrößert oder verkleinert,
                      das in 120x90 passt: Fotos im Format 4:3 ergeben 120x90, quadratische
                      Bilder 90x90, hochkante im Format 3:4 ergeben 68x90.
  --advert BILD       das Bild der Punktetafel (gestreckt auf 178x170 gezeigt);
                      ohne Angabe aus dem Titel gezeichnet
  --back BILD         die Kartenrückseite; ohne Angabe aus dem Titel gezeichnet
  --compress          speichert die Bilder mit zlib gepackt (lohnt sich für BMP-Bilder)
  --keep-size         speichert jedes Bild so, wie es ist. Ohne diese Option werden Bilder,
                      die größer als das doppelte Kartenformat sind, auf das doppelte Format
                      verkleinert und im eigenen Format neu gespeichert, damit Sätze aus
                      Kamerafotos klein bleiben.

info: zeigt Titel, Link, Kartenformat, Bildanzahl und -format eines Satzes und seine Einträge.
</translation>
    </message>
    <message>
        <source>The title is %1 characters long; at most %2 fit.</source>
        <translation>Der Titel ist %1 Zeichen lang; höchstens %2 passen.</translation>
    </message>
    <message>
        <source>The link is %1 characters long; at most %2 fit.</source>
        <translation>Der Link ist %1 Zeichen lang; höchstens %2 passen.</translation>
    </message>
    <message>
        <source>Write the card box as WIDTHxHEIGHT, 1 to 2048 each, or leave it empty.</source>
        <translation>Schreib das Kartenformat als BREITExHÖHE, je 1 bis 2048, oder lass es leer.</translation>
    </message>
    <message>
        <source>%1 is a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation>%1 ist ein %2-Bild unter %3-Bildern; alle Bilder eines Satzes müssen dasselbe Format haben.</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; add %n more.</source>
        <translation>
            <numerusform>Ein Kartensatz braucht mindestens %1 Bilder; füge noch %n hinzu.</numerusform>
            <numerusform>Ein Kartensatz braucht mindestens %1 Bilder; füge noch %n hinzu.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the picture cannot be read.</source>
        <translation>%1: Das Bild lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1: the folder holds no GIF, JPEG or BMP pictures.</source>
        <translation>%1: Der Ordner enthält keine GIF-, JPEG- oder BMP-Bilder.</translation>
    </message>
    <message>
        <source>%1: no such file or folder.</source>
        <translation>%1: Diese Datei oder diesen Ordner gibt es nicht.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>cannot be read (%1).</source>
        <translation>lässt sich nicht lesen (%1).</translation>
    </message>
    <message>
        <source>larger than %1 MB, too large for a card set.</source>
        <translation>größer als %1 MB, zu groß für einen Kartensatz.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>not a GIF, JPEG or BMP picture.</source>
        <translation>kein GIF-, JPEG- oder BMP-Bild.</translation>
    </message>
    <message>
        <source>the picture cannot be read.</source>
        <translation>Das Bild lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card of %2 x %3 pixels.</source>
        <translation>„%1“ passt nicht auf eine Karte von %2 x %3 Pixeln.</translation>
    </message>
    <message>
        <source>face %1 (%2)</source>
        <translation>Bild %1 (%2)</translation>
    </message>
    <message>
        <source>other</source>
        <translation>anderes</translation>
    </message>
    <message>
        <source>pair table</source>
        <translation>Paartabelle</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Paare:</translation>
    </message>
    <message>
        <source>A set made with --pairs takes its faces from the table alone; %1 is one too many.</source>
        <translation>Ein Satz aus --pairs nimmt seine Bilder allein aus der Tabelle; %1 ist zu viel.</translation>
    </message>
    <message>
        <source>
  dkwright build -o OUT.crd --title TITLE [options] --pairs TABLE.tsv

makes a set whose pairs are two different cards from a UTF-8 table instead of FACE
arguments: one pair a line, LEFT&lt;TAB&gt;RIGHT; empty lines and lines starting with #
are passed over. A side is
  PICTURE          a GIF, JPEG or BMP file (all pictures share one format)
  CLIP.wav         a sound: PCM WAV, 1 or 2 channels, 8 to 48 kHz, at most 10 s
  text:WORD        a word in the set&apos;s first language, translated by the columns
  text.LANG:WORD   a word of the language LANG alone (&quot;text.de:Hund&quot;)
Files are relative to the table&apos;s folder and may not lie outside it. The first
line may name the columns: left[:LANG]&lt;TAB&gt;right[:LANG] (LANG, such as en or
pt_BR, is the set&apos;s first language; en when not named), then columns left:LANG
or right:LANG, which give that side&apos;s name (a picture), caption (a sound) or
translation (a word) in LANG:
  left:en&lt;TAB&gt;right:en&lt;TAB&gt;left:de&lt;TAB&gt;right:de
  cat.jpg&lt;TAB&gt;text:cat&lt;TAB&gt;Katze&lt;TAB&gt;Katze
  bark.wav&lt;TAB&gt;dog.jpg&lt;TAB&gt;Bellen&lt;TAB&gt;Hund
A set needs at least 8 pairs and takes at most 8 languages and 200 characters a
text. Words and sounds get faces drawn in the pictures&apos; format (GIF without
pictures), so older versions of the game still play the set, as single faces
dealt twice. info also lists the pairs of such a set.
</source>
        <translation>
  dkwright build -o OUT.crd --title TITEL [Optionen] --pairs TABELLE.tsv

macht einen Satz, dessen Paare aus zwei verschiedenen Karten bestehen, aus einer
UTF-8-Tabelle statt aus BILD-Argumenten: ein Paar je Zeile, LINKS&lt;TAB&gt;RECHTS; leere
Zeilen und Zeilen, die mit # beginnen, werden übergangen. Eine Seite ist
  BILD             eine GIF-, JPEG- oder BMP-Datei (alle Bilder in einem Format)
  KLANG.wav        ein Klang: PCM-WAV, 1 oder 2 Kanäle, 8 bis 48 kHz, höchstens 10 s
  text:WORT        ein Wort in der ersten Sprache des Satzes, von den Spalten übersetzt
  text.LANG:WORT   ein Wort allein der Sprache LANG (&quot;text.de:Hund&quot;)
Dateien liegen relativ zum Ordner der Tabelle und nicht außerhalb davon. Die erste
Zeile darf die Spalten benennen: left[:LANG]&lt;TAB&gt;right[:LANG] (LANG, etwa en oder
pt_BR, ist die erste Sprache des Satzes; en, wenn nicht genannt), dann Spalten
left:LANG oder right:LANG, die den Namen (Bild), die Bildunterschrift (Klang) oder die
Übersetzung (Wort) dieser Seite in LANG geben:
  left:en&lt;TAB&gt;right:en&lt;TAB&gt;left:de&lt;TAB&gt;right:de
  cat.jpg&lt;TAB&gt;text:cat&lt;TAB&gt;Katze&lt;TAB&gt;Katze
  bark.wav&lt;TAB&gt;dog.jpg&lt;TAB&gt;Bellen&lt;TAB&gt;Hund
Ein Satz braucht mindestens 8 Paare und nimmt höchstens 8 Sprachen und 200 Zeichen je
Text. Wörter und Klänge bekommen Bilder im Format der Bilder (GIF ohne Bilder), so
spielen ältere Versionen des Spiels den Satz weiter, als einzelne Bilder, die doppelt
ausgeteilt werden. info zeigt auch die Paare eines solchen Satzes.
</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 pairs; %n given.</source>
        <translation>
            <numerusform>Ein Kartensatz braucht mindestens %1 Paare; %n angegeben.</numerusform>
            <numerusform>Ein Kartensatz braucht mindestens %1 Paare; %n angegeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pairs and sounds</source>
        <translation>Paare und Klänge</translation>
    </message>
    <message>
        <source>not a regular file.</source>
        <translation>keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>There is no room for a copy to check the set in (%1).</source>
        <translation>Es gibt keinen Platz für eine Kopie, in der der Satz geprüft werden kann (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code; write codes such as en, de or pt_BR.</source>
        <translation>„%1“ ist kein Sprachcode; schreib Codes wie en, de oder pt_BR.</translation>
    </message>
    <message>
        <source>Name at least one language, such as en.</source>
        <translation>Nenne mindestens eine Sprache, etwa en.</translation>
    </message>
    <message>
        <source>A set may have at most %1 languages.</source>
        <translation>Ein Satz darf höchstens %1 Sprachen haben.</translation>
    </message>
    <message>
        <source>Write the word in %1.</source>
        <translation>Schreib das Wort in %1.</translation>
    </message>
    <message>
        <source>Choose the other picture.</source>
        <translation>Wähle das andere Bild.</translation>
    </message>
    <message>
        <source>Choose the sound.</source>
        <translation>Wähle den Klang.</translation>
    </message>
    <message>
        <source>%1 is a %2 picture among %3 faces; all pictures of a set must share one format.</source>
        <translation>%1 ist ein %2-Bild unter %3-Bildern; alle Bilder eines Satzes müssen dasselbe Format haben.</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>a set may have at most %1 languages.</source>
        <translation>ein Satz darf höchstens %1 Sprachen haben.</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;; the columns are left, right, then left:LANG or right:LANG (LANG a code such as en or pt_BR), and the first two share their language.</source>
        <translation>Spalte %1 ist „%2“; die Spalten sind left, right, dann left:LANG oder right:LANG (LANG ein Code wie en oder pt_BR), und die ersten beiden haben dieselbe Sprache.</translation>
    </message>
    <message>
        <source>a text longer than %1 characters.</source>
        <translation>ein Text länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>a text with control characters.</source>
        <translation>ein Text mit Steuerzeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file inside the table&apos;s folder.</source>
        <translation>„%1“ ist keine Datei im Ordner der Tabelle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file.</source>
        <translation>„%1“: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>a word card without a word.</source>
        <translation>eine Wortkarte ohne Wort.</translation>
    </message>
    <message>
        <source>a side is empty; each line is LEFT&lt;TAB&gt;RIGHT.</source>
        <translation>eine Seite ist leer; jede Zeile ist LINKS&lt;TAB&gt;RECHTS.</translation>
    </message>
    <message>
        <source>%1 columns; a pair is LEFT&lt;TAB&gt;RIGHT, with at most %2 columns in all.</source>
        <translation>%1 Spalten; ein Paar ist LINKS&lt;TAB&gt;RECHTS, mit höchstens %2 Spalten insgesamt.</translation>
    </message>
    <message>
        <source>a set may have at most %1 pairs.</source>
        <translation>ein Satz darf höchstens %1 Paare haben.</translation>
    </message>
    <message>
        <source>column %1 gives a word a second text (a word of one language takes no translation).</source>
        <translation>Spalte %1 gibt einem Wort einen zweiten Text (ein Wort einer einzigen Sprache wird nicht übersetzt).</translation>
    </message>
    <message>
        <source>not UTF-8 text.</source>
        <translation>kein UTF-8-Text.</translation>
    </message>
</context>
<context>
    <name>Encoders</name>
    <message>
        <source>An empty picture cannot be written as BMP.</source>
        <translation>Ein leeres Bild kann nicht als BMP gespeichert werden.</translation>
    </message>
    <message>
        <source>The BMP picture could not be written.</source>
        <translation>Das BMP-Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Speicher</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>The GIF picture could not be written: %1.</source>
        <translation>Das GIF-Bild konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The GIF picture could not be written: out of memory.</source>
        <translation>Das GIF-Bild konnte nicht gespeichert werden: zu wenig Speicher.</translation>
    </message>
    <message>
        <source>A GIF picture needs at least one frame.</source>
        <translation>Ein GIF-Bild braucht mindestens ein Einzelbild.</translation>
    </message>
    <message>
        <source>A GIF picture must be between 1 and 65535 pixels on each side.</source>
        <translation>Ein GIF-Bild muss auf jeder Seite zwischen 1 und 65535 Pixel groß sein.</translation>
    </message>
    <message>
        <source>All frames of a GIF picture must have the same size.</source>
        <translation>Alle Einzelbilder eines GIF-Bilds müssen gleich groß sein.</translation>
    </message>
    <message>
        <source>A JPEG picture must be between 1 and 65500 pixels on each side.</source>
        <translation>Ein JPEG-Bild muss auf jeder Seite zwischen 1 und 65500 Pixel groß sein.</translation>
    </message>
    <message>
        <source>The JPEG picture could not be written: %1.</source>
        <translation>Das JPEG-Bild konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>GameEngine</name>
    <message>
        <source>This set of cards is damaged and cannot be played.</source>
        <translation>Dieser Kartensatz ist beschädigt und kann nicht gespielt werden.</translation>
    </message>
    <message>
        <source>This set of cards does not contain enough images!</source>
        <translation>Dieser Kartensatz hat nicht genug Bilder!</translation>
    </message>
    <message numerus="yes">
        <source>A board of %n pairs cannot be laid out.</source>
        <translation>
            <numerusform>Ein Spielfeld mit %n Paar lässt sich nicht auslegen.</numerusform>
            <numerusform>Ein Spielfeld mit %n Paaren lässt sich nicht auslegen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Kein Gewinner</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Gewonnen hat: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (pairs: %n)</source>
        <translation>
            <numerusform>%1 (Paare: %n)</numerusform>
            <numerusform>%1 (Paare: %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettings</name>
    <message>
        <source>The settings store could not be opened.</source>
        <translation>Der Speicher für die Einstellungen ließ sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>GifImage</name>
    <message>
        <source>it ends early</source>
        <translation>es endet zu früh</translation>
    </message>
    <message>
        <source>it is not in GIF format</source>
        <translation>es ist nicht im GIF-Format</translation>
    </message>
    <message>
        <source>it has no screen description</source>
        <translation>ihm fehlt die Bildschirmbeschreibung</translation>
    </message>
    <message>
        <source>a frame has no image description</source>
        <translation>einem Einzelbild fehlt die Bildbeschreibung</translation>
    </message>
    <message>
        <source>it has no colour table</source>
        <translation>ihm fehlt die Farbtabelle</translation>
    </message>
    <message>
        <source>it holds a record of an unknown kind</source>
        <translation>es enthält einen Block unbekannter Art</translation>
    </message>
    <message>
        <source>a frame holds more pixels than its size</source>
        <translation>ein Einzelbild enthält mehr Bildpunkte, als es groß ist</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>its image data is defective</source>
        <translation>seine Bilddaten sind fehlerhaft</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>The picture is not a GIF picture.</source>
        <translation>Das Bild ist kein GIF-Bild.</translation>
    </message>
    <message>
        <source>The GIF picture cannot be read (%1).</source>
        <translation>Das GIF-Bild lässt sich nicht lesen (%1).</translation>
    </message>
    <message>
        <source>There is not enough memory for the GIF picture.</source>
        <translation>Für das GIF-Bild ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The GIF picture is incomplete.</source>
        <translation>Das GIF-Bild ist unvollständig.</translation>
    </message>
    <message>
        <source>The GIF picture is damaged (%1).</source>
        <translation>Das GIF-Bild ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>The GIF picture holds no image.</source>
        <translation>Das GIF-Bild enthält kein Bild.</translation>
    </message>
    <message>
        <source>The GIF picture needs more memory than a card face may use.</source>
        <translation>Das GIF-Bild braucht mehr Speicher, als ein Kartenbild nehmen darf.</translation>
    </message>
    <message numerus="yes">
        <source>The GIF picture has more than %n frames.</source>
        <translation>
            <numerusform>Das GIF-Bild hat mehr als %n Einzelbild.</numerusform>
            <numerusform>Das GIF-Bild hat mehr als %n Einzelbilder.</numerusform>
        </translation>
    </message>
    <message>
        <source>The GIF picture has no colour table.</source>
        <translation>Dem GIF-Bild fehlt die Farbtabelle.</translation>
    </message>
</context>
<context>
    <name>ImageLimits</name>
    <message>
        <source>The %1 picture has no size.</source>
        <translation>Das %1-Bild hat keine Größe.</translation>
    </message>
    <message>
        <source>The %1 picture is too large (%2 x %3 pixels; at most %4 x %5).</source>
        <translation>Das %1-Bild ist zu groß (%2 x %3 Pixel; höchstens %4 x %5).</translation>
    </message>
    <message>
        <source>The %1 picture needs more memory than a card face may use.</source>
        <translation>Das %1-Bild braucht mehr Speicher, als ein Kartenbild nehmen darf.</translation>
    </message>
    <message>
        <source>Reading the picture was stopped.</source>
        <translation>Das Lesen des Bildes wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>The JPEG picture has too many scans.</source>
        <translation>Das JPEG-Bild hat zu viele Durchgänge.</translation>
    </message>
    <message>
        <source>The JPEG picture cannot be read.</source>
        <translation>Das JPEG-Bild lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>There is not enough memory for the JPEG picture.</source>
        <translation>Für das JPEG-Bild ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The JPEG picture is damaged.</source>
        <translation>Das JPEG-Bild ist beschädigt.</translation>
    </message>
    <message>
        <source>The JPEG picture is damaged or incomplete.</source>
        <translation>Das JPEG-Bild ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>The JPEG picture is empty.</source>
        <translation>Das JPEG-Bild ist leer.</translation>
    </message>
    <message>
        <source>The JPEG decoder cannot be started.</source>
        <translation>Der JPEG-Decoder lässt sich nicht starten.</translation>
    </message>
</context>
<context>
    <name>KVRStream</name>
    <message numerus="yes">
        <source>Archive entry %1 does not exist; the archive has %n entries.</source>
        <translation>
            <numerusform>Archiveintrag %1 gibt es nicht; das Archiv hat %n Eintrag.</numerusform>
            <numerusform>Archiveintrag %1 gibt es nicht; das Archiv hat %n Einträge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Archive entry %1 reaches past the end of the archive.</source>
        <translation>Archiveintrag %1 reicht über das Ende des Archivs hinaus.</translation>
    </message>
    <message>
        <source>Cannot open the archive %1: %2.</source>
        <translation>Das Archiv %1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive ends early.</source>
        <translation>Archiveintrag %1 lässt sich nicht lesen: Das Archiv endet zu früh.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be inflated: out of memory.</source>
        <translation>Archiveintrag %1 lässt sich nicht entpacken: zu wenig Speicher.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: writing the destination failed.</source>
        <translation>Archiveintrag %1 lässt sich nicht ausliefern: Das Schreiben des Ziels ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Archive entry %1 holds truncated compressed data.</source>
        <translation>Archiveintrag %1 enthält abgeschnittene gepackte Daten.</translation>
    </message>
    <message>
        <source>Archive entry %1 holds corrupt compressed data.</source>
        <translation>Archiveintrag %1 enthält beschädigte gepackte Daten.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: the destination cannot be rewound.</source>
        <translation>Archiveintrag %1 lässt sich nicht ausliefern: Das Ziel lässt sich nicht zurückspulen.</translation>
    </message>
    <message>
        <source>Archive entry %1 inflates beyond the largest size allowed.</source>
        <translation>Archiveintrag %1 wird entpackt größer als erlaubt.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive has no stream.</source>
        <translation>Archiveintrag %1 lässt sich nicht lesen: Das Archiv hat keinen Datenstrom.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: seeking in the archive failed.</source>
        <translation>Archiveintrag %1 lässt sich nicht lesen: Das Springen im Archiv ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>KVRWriter</name>
    <message>
        <source>Compressing an archive entry failed.</source>
        <translation>Das Packen eines Archiveintrags ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>An archive entry cannot hold 2 GiB or more.</source>
        <translation>Ein Archiveintrag kann nicht 2 GiB oder mehr enthalten.</translation>
    </message>
    <message>
        <source>The archive cannot grow to 2 GiB or more.</source>
        <translation>Das Archiv kann nicht auf 2 GiB oder mehr wachsen.</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2.</source>
        <translation>Das Archiv %1 lässt sich nicht schreiben: %2.</translation>
    </message>
</context>
<context>
    <name>KVRichEdOLE</name>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Der Text ließ sich nicht laden</translation>
    </message>
</context>
<context>
    <name>KVUtils</name>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Keine Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Kein Standard-Webbrowser gefunden</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>E-Mail an %1 lässt sich nicht senden</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Kein Standard-E-Mail-Programm gefunden</translation>
    </message>
</context>
<context>
    <name>KVstring</name>
    <message>
        <source>Stream write error: %1.</source>
        <translation>Fehler beim Schreiben: %1.</translation>
    </message>
</context>
<context>
    <name>PairTable</name>
    <message>
        <source>Its pair table has a %1 that is not text.</source>
        <translation>Seine Paartabelle hat ein Feld „%1“, das kein Text ist.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 longer than %2 characters.</source>
        <translation>Seine Paartabelle hat ein Feld „%1“, das länger als %2 Zeichen ist.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 with control characters.</source>
        <translation>Seine Paartabelle hat ein Feld „%1“ mit Steuerzeichen.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 out of range.</source>
        <translation>Seine Paartabelle hat ein Feld „%1“ außerhalb des erlaubten Bereichs.</translation>
    </message>
    <message>
        <source>Its pair table does not list at most %1 languages.</source>
        <translation>Seine Paartabelle nennt nicht höchstens %1 Sprachen.</translation>
    </message>
    <message>
        <source>Its pair table has a language code that is not one (&quot;en&quot;, &quot;pt_BR&quot;).</source>
        <translation>Seine Paartabelle hat einen Sprachcode, der keiner ist („en“, „pt_BR“).</translation>
    </message>
    <message>
        <source>Its pair table has a face that is not a picture, word or sound.</source>
        <translation>Seine Paartabelle hat ein Kartenbild, das weder Bild noch Wort noch Klang ist.</translation>
    </message>
    <message>
        <source>Its pair table has a face that is not described.</source>
        <translation>Seine Paartabelle hat ein Kartenbild, das nicht beschrieben ist.</translation>
    </message>
    <message>
        <source>Its pair table has texts that are not given per language.</source>
        <translation>Seine Paartabelle hat Texte, die nicht je Sprache angegeben sind.</translation>
    </message>
    <message>
        <source>Its pair table has a text in a language it does not list.</source>
        <translation>Seine Paartabelle hat einen Text in einer Sprache, die sie nicht nennt.</translation>
    </message>
    <message>
        <source>Its pair table has a word of one language without its text in that language.</source>
        <translation>Seine Paartabelle hat ein Wort einer einzigen Sprache ohne seinen Text in dieser Sprache.</translation>
    </message>
    <message>
        <source>Its pair table has a word without a text.</source>
        <translation>Seine Paartabelle hat ein Wort ohne Text.</translation>
    </message>
    <message>
        <source>Its pair table gives a sound to a face that is not one.</source>
        <translation>Seine Paartabelle gibt einem Kartenbild einen Klang, obwohl es kein Klang ist.</translation>
    </message>
    <message>
        <source>Its pair table puts more than two faces in pair %1.</source>
        <translation>Seine Paartabelle legt mehr als zwei Bilder in Paar %1.</translation>
    </message>
    <message>
        <source>Its pair table is larger than %1 KiB.</source>
        <translation>Seine Paartabelle ist größer als %1 KiB.</translation>
    </message>
    <message>
        <source>Its pair table does not start as one.</source>
        <translation>Seine Paartabelle beginnt nicht wie eine.</translation>
    </message>
    <message>
        <source>Its pair table is damaged.</source>
        <translation>Seine Paartabelle ist beschädigt.</translation>
    </message>
    <message>
        <source>Its pair table is of a version this game does not know.</source>
        <translation>Seine Paartabelle hat eine Version, die dieses Spiel nicht kennt.</translation>
    </message>
    <message>
        <source>Its pair table does not have an even number of faces, from 2 to %1.</source>
        <translation>Seine Paartabelle hat keine gerade Zahl von Bildern zwischen 2 und %1.</translation>
    </message>
</context>
<context>
    <name>RegistryFile</name>
    <message>
        <source>The settings store cannot hold a line break.</source>
        <translation>Im Speicher für die Einstellungen darf kein Zeilenumbruch stehen.</translation>
    </message>
    <message>
        <source>A settings key needs a path.</source>
        <translation>Ein Einstellungsschlüssel braucht einen Pfad.</translation>
    </message>
    <message>
        <source>The damaged settings file %1 could not be kept aside.</source>
        <translation>Die beschädigte Einstellungsdatei %1 ließ sich nicht beiseitelegen.</translation>
    </message>
    <message>
        <source>Too many damaged copies of %1 are kept; it is left as it is.</source>
        <translation>Von %1 werden zu viele beschädigte Kopien aufbewahrt; die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 lässt sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;.</source>
        <translation>Ungültiger Datentyp für „%1“.</translation>
    </message>
    <message>
        <source>No settings key is open.</source>
        <translation>Kein Einstellungsschlüssel ist geöffnet.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a file.</source>
        <translation>Die Einstellungsdatei %1 ist keine Datei.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be created.</source>
        <translation>Der Ordner für %1 lässt sich nicht anlegen.</translation>
    </message>
</context>
<context>
    <name>SkinEntries</name>
    <message>
        <source>Picture %1 of %2 is damaged and cannot be shown.</source>
        <translation>Bild %1 von %2 ist beschädigt und kann nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>%1 is already running, but it did not take the card set %2.</source>
        <translation>%1 läuft schon, hat aber den Kartensatz %2 nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>%1 fehlt oder ist beschädigt!</translation>
    </message>
    <message>
        <source>Error initializing application</source>
        <translation>Fehler beim Starten des Programms</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Original concept and design by</source>
        <translation>Idee und Gestaltung von</translation>
    </message>
    <message>
        <source>The artwork of the animated card sets belongs to Pixelgarten Studio</source>
        <translation>Die Bilder der animierten Kartensätze gehören Pixelgarten Studio</translation>
    </message>
    <message>
        <source>and is used with its kind permission.</source>
        <translation>und werden mit freundlicher Erlaubnis verwendet.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Kovalent Games Ltd.</source>
        <translation>Copyright © 2026 Kovalent Games Ltd.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
</context>
<context>
    <name>TBoardGrid</name>
    <message>
        <source>row %1, column %2</source>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>row %1, column %2, face down</source>
        <translation>Reihe %1, Spalte %2, verdeckt</translation>
    </message>
    <message>
        <source>row %1, column %2, face up, picture %3</source>
        <translation>Reihe %1, Spalte %2, aufgedeckt, Bild %3</translation>
    </message>
    <message>
        <source>row %1, column %2, removed, picture %3</source>
        <translation>Reihe %1, Spalte %2, abgeräumt, Bild %3</translation>
    </message>
    <message>
        <source>row %1, column %2, face up, %3</source>
        <translation>Reihe %1, Spalte %2, aufgedeckt, %3</translation>
    </message>
    <message>
        <source>row %1, column %2, removed, %3</source>
        <translation>Reihe %1, Spalte %2, abgeräumt, %3</translation>
    </message>
</context>
<context>
    <name>TBrowseDWForm</name>
    <message>
        <source>Program files (*)</source>
        <translation>Programme (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot find dkwright.exe file!</source>
        <translation>Die Datei dkwright.exe ist nicht zu finden!</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TBuilderLauncher</name>
    <message>
        <source>Unable to start %1</source>
        <translation>%1 lässt sich nicht starten</translation>
    </message>
</context>
<context>
    <name>TDeckBuildJob</name>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation>Nicht genug Speicher, um den Kartensatz zu bauen.</translation>
    </message>
    <message>
        <source>Reading the set as the game will</source>
        <translation>Lese den Satz, wie das Spiel ihn liest</translation>
    </message>
</context>
<context>
    <name>TDeckwrightWindow</name>
    <message>
        <source>Deckwright: card sets for %1</source>
        <translation>Deckwright: Kartensätze für %1</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Bilder hinzufügen…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>◀ Earlier</source>
        <translation>◀ Früher</translation>
    </message>
    <message>
        <source>Later ▶</source>
        <translation>Später ▶</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>the name the game lists</source>
        <translation>der Name, den das Spiel anzeigt</translation>
    </message>
    <message>
        <source>optional, opened from the score screen</source>
        <translation>freiwillig, wird von der Punktetafel aus geöffnet</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT in pixels; empty fits the faces&apos; proportions into 120x90</source>
        <translation>BREITExHÖHE in Pixeln; leer passt die Bilder mit ihrem Seitenverhältnis in 120x90 ein</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Werbebild</translation>
    </message>
    <message>
        <source>Choose the advert</source>
        <translation>Werbebild wählen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Choose the back</source>
        <translation>Rückseite wählen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Card box</source>
        <translation>Kartenformat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Play with it</source>
        <translation>Damit spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lese %1</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add the pictures of a folder</source>
        <translation>Die Bilder eines Ordners hinzufügen</translation>
    </message>
    <message>
        <source>automatic: %1x%2</source>
        <translation>automatisch: %1x%2</translation>
    </message>
    <message>
        <source>No faces yet: a set needs at least %1 pictures.</source>
        <translation>Noch keine Bilder: Ein Satz braucht mindestens %1 Bilder.</translation>
    </message>
    <message numerus="yes">
        <source>%n faces: too few for the smallest game of %1 pairs.</source>
        <translation>
            <numerusform>%n Bild: zu wenige für das kleinste Spiel mit %1 Paaren.</numerusform>
            <numerusform>%n Bilder: zu wenige für das kleinste Spiel mit %1 Paaren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n faces: this set can be played with up to %1 pairs (%2 of the game&apos;s %3 pair counts).</source>
        <translation>
            <numerusform>%n Bild: Mit diesem Satz kann man mit bis zu %1 Paaren spielen (%2 der %3 Paarzahlen des Spiels).</numerusform>
            <numerusform>%n Bilder: Mit diesem Satz kann man mit bis zu %1 Paaren spielen (%2 der %3 Paarzahlen des Spiels).</numerusform>
        </translation>
    </message>
    <message>
        <source>Save writes &lt;b&gt;%1&lt;/b&gt; into the game&apos;s cards folder, %2</source>
        <translation>Speichern schreibt &lt;b&gt;%1&lt;/b&gt; in den Kartenordner des Spiels, %2</translation>
    </message>
    <message>
        <source>The set cannot be saved yet.</source>
        <translation>Der Satz lässt sich noch nicht speichern.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be written, so the set cannot be saved.</source>
        <translation>Weder %1 noch %2 lässt sich beschreiben, also kann der Satz nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 already holds a card set named %2.

Replace it?</source>
        <translation>In %1 gibt es schon einen Kartensatz namens %2.

Ersetzen?</translation>
    </message>
    <message>
        <source>The set was not saved.</source>
        <translation>Der Satz wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Saved %1 into %2.</source>
        <translation>%1 in %2 gespeichert.</translation>
    </message>
    <message>
        <source>The game&apos;s own cards folder, %1, cannot be written.</source>
        <translation>Der eigene Kartenordner des Spiels, %1, lässt sich nicht beschreiben.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>This set has not been saved. Start the game without it?</source>
        <translation>Dieser Satz ist noch nicht gespeichert. Das Spiel trotzdem ohne ihn starten?</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 läuft schon.</translation>
    </message>
    <message>
        <source>The game is not beside Deckwright (%1), so it cannot be started from here.</source>
        <translation>Das Spiel liegt nicht neben Deckwright (%1), deshalb kann es nicht von hier gestartet werden.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Partner…</source>
        <translation>Partner…</translation>
    </message>
    <message>
        <source>What the chosen card pairs with: the same picture, another picture, a word or a sound</source>
        <translation>Womit die gewählte Karte ein Paar bildet: dasselbe Bild, ein anderes Bild, ein Wort oder ein Klang</translation>
    </message>
    <message>
        <source>The languages of the names and words of cards with a partner, such as en de fr; the first is shown when a player&apos;s is missing</source>
        <translation>Die Sprachen der Namen und Wörter von Karten mit Partner, etwa en de fr; die erste wird gezeigt, wenn die des Spielers fehlt</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Choose a card among the faces first.</source>
        <translation>Wähle zuerst eine Karte unter den Bildern.</translation>
    </message>
</context>
<context>
    <name>TFaceGrid</name>
    <message>
        <source>Drop pictures or folders of pictures here, or add them with the buttons below.

GIF, JPEG or BMP, all of one kind; at least 8.</source>
        <translation>Zieh Bilder oder Ordner mit Bildern hierher oder füge sie mit den Knöpfen unten hinzu.

GIF, JPEG oder BMP, alle von einer Art; mindestens 8.</translation>
    </message>
    <message>
        <source>pairs with the picture %1</source>
        <translation>bildet ein Paar mit dem Bild %1</translation>
    </message>
    <message>
        <source>pairs with the word &quot;%1&quot;</source>
        <translation>bildet ein Paar mit dem Wort „%1“</translation>
    </message>
    <message>
        <source>pairs with the sound %1</source>
        <translation>bildet ein Paar mit dem Klang %1</translation>
    </message>
    <message>
        <source>pairs with the sound %1 (&quot;%2&quot;)</source>
        <translation>bildet ein Paar mit dem Klang %1 („%2“)</translation>
    </message>
    <message>
        <source>pairs with itself</source>
        <translation>bildet ein Paar mit sich selbst</translation>
    </message>
</context>
<context>
    <name>TGameTable</name>
    <message>
        <source>The game you left could not be read.</source>
        <translation>Das letzte Spiel ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>The cards of the game you left have changed.</source>
        <translation>Die Karten des letzten Spiels haben sich geändert.</translation>
    </message>
    <message>
        <source>The cards of the game you left are gone.</source>
        <translation>Die Karten des letzten Spiels sind fort.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Titelbild</translation>
    </message>
    <message>
        <source>There is no card set in %1, so no game can start.</source>
        <translation>In %1 gibt es keinen Kartensatz, also kann kein Spiel beginnen.</translation>
    </message>
    <message>
        <source>Your settings could not be saved. %1</source>
        <translation>Deine Einstellungen ließen sich nicht speichern. %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Optionen einstellen</translation>
    </message>
    <message>
        <source>The card game of memory and matching pairs</source>
        <translation>Das Kartenspiel zum Merken und Paare-Finden</translation>
    </message>
    <message>
        <source>New card sets at %1</source>
        <translation>Neue Kartensätze auf %1</translation>
    </message>
    <message>
        <source>About Kovalent Tesselo</source>
        <translation>Über Kovalent Tesselo</translation>
    </message>
    <message>
        <source>%1 turns row %2, column %3: picture %4.</source>
        <translation>%1 deckt Reihe %2, Spalte %3 auf: Bild %4.</translation>
    </message>
    <message>
        <source>No pair: picture %1 and picture %2. The turn passes to %3.</source>
        <translation>Kein Paar: Bild %1 und Bild %2. %3 ist am Zug.</translation>
    </message>
    <message>
        <source>Pair of picture %1 for %2. That was the last pair.</source>
        <translation>Paar von Bild %1 für %2. Das war das letzte Paar.</translation>
    </message>
    <message>
        <source>Pair of picture %1 for %2, who plays again.</source>
        <translation>Paar von Bild %1 für %2, %2 ist noch einmal am Zug.</translation>
    </message>
    <message>
        <source>%1 turns row %2, column %3: %4.</source>
        <translation>%1 deckt Reihe %2, Spalte %3 auf: %4.</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>No pair: %1 and %2. The turn passes to %3.</source>
        <translation>Kein Paar: %1 und %2. %3 ist am Zug.</translation>
    </message>
    <message>
        <source>Pair of %1 and %2 for %3. That was the last pair.</source>
        <translation>Paar aus %1 und %2 für %3. Das war das letzte Paar.</translation>
    </message>
    <message>
        <source>Pair of %1 and %2 for %3, who plays again.</source>
        <translation>Paar aus %1 und %2 für %3, %3 ist noch einmal am Zug.</translation>
    </message>
    <message>
        <source>Pair of %1 for %2. That was the last pair.</source>
        <translation>Paar: %1, für %2. Das war das letzte Paar.</translation>
    </message>
    <message>
        <source>Pair of %1 for %2, who plays again.</source>
        <translation>Paar: %1, für %2, %2 ist noch einmal am Zug.</translation>
    </message>
</context>
<context>
    <name>TOpenedSets</name>
    <message>
        <source>Your card folder already holds a different card set named %1. Replace it?</source>
        <translation>In deinem Kartenordner gibt es schon einen anderen Kartensatz namens %1. Ersetzen?</translation>
    </message>
    <message>
        <source>Added for the next game: %1</source>
        <translation>Hinzugefügt fürs nächste Spiel: %1</translation>
    </message>
    <message>
        <source>Card set added: %1</source>
        <translation>Kartensatz hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Replaced for the next game: %1</source>
        <translation>Ersetzt fürs nächste Spiel: %1</translation>
    </message>
    <message>
        <source>Card set replaced: %1</source>
        <translation>Kartensatz ersetzt: %1</translation>
    </message>
    <message>
        <source>Chosen for the next game: %1</source>
        <translation>Gewählt fürs nächste Spiel: %1</translation>
    </message>
    <message>
        <source>Card set chosen: %1</source>
        <translation>Kartensatz gewählt: %1</translation>
    </message>
</context>
<context>
    <name>TOptionsPanel</name>
    <message>
        <source>Delay in seconds</source>
        <translation>Anzeigedauer in Sekunden</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Name von Spieler 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Name von Spieler 2</translation>
    </message>
    <message>
        <source>Player 3 name</source>
        <translation>Name von Spieler 3</translation>
    </message>
    <message>
        <source>Player 4 name</source>
        <translation>Name von Spieler 4</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Computer spielt mit</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Stufe des Computers</translation>
    </message>
    <message>
        <source>No card sets in %1</source>
        <translation>Keine Kartensätze in %1</translation>
    </message>
    <message>
        <source>Make your own card set</source>
        <translation>Eigenen Kartensatz machen</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Make your own card sets with %1</source>
        <translation>Mach deine eigenen Kartensätze mit %1</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Delay (seconds)</source>
        <translation>Anzeigedauer (Sekunden)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
</context>
<context>
    <name>TPartnerDialog</name>
    <message>
        <source>Partner of card %1</source>
        <translation>Partner von Karte %1</translation>
    </message>
    <message>
        <source>Picture of card %1</source>
        <translation>Bild von Karte %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Card %1&lt;/b&gt;, %2: a card pairs with the same picture, as in any set, or with another card of its own.</source>
        <translation>&lt;b&gt;Karte %1&lt;/b&gt;, %2: Eine Karte bildet ein Paar mit demselben Bild, wie in jedem Satz, oder mit einer eigenen anderen Karte.</translation>
    </message>
    <message>
        <source>The &amp;same picture</source>
        <translation>&amp;Dasselbe Bild</translation>
    </message>
    <message>
        <source>Another &amp;picture</source>
        <translation>Ein anderes &amp;Bild</translation>
    </message>
    <message>
        <source>A &amp;word</source>
        <translation>Ein &amp;Wort</translation>
    </message>
    <message>
        <source>A s&amp;ound (WAV, at most 10 seconds)</source>
        <translation>Ein &amp;Klang (WAV, höchstens 10 Sekunden)</translation>
    </message>
    <message>
        <source>Pairs with:</source>
        <translation>Bildet ein Paar mit:</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Choose the other picture</source>
        <translation>Das andere Bild wählen</translation>
    </message>
    <message>
        <source>Choose the sound</source>
        <translation>Den Klang wählen</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav);;All files (*)</source>
        <translation>WAV-Klänge (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Name of the picture</source>
        <translation>Name des Bildes</translation>
    </message>
    <message>
        <source>Name of the picture in %1</source>
        <translation>Name des Bildes in %1</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>freiwillig</translation>
    </message>
    <message>
        <source>Name of the other picture</source>
        <translation>Name des anderen Bildes</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Caption of the sound</source>
        <translation>Beschriftung des Klangs</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>TPictureChooser</name>
    <message>
        <source>Pictures (*.gif *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>Bilder (*.gif *.jpg *.jpeg *.bmp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Gezeichnet</translation>
    </message>
    <message>
        <source>Use the picture drawn from the title</source>
        <translation>Das aus dem Titel gezeichnete Bild nehmen</translation>
    </message>
    <message>
        <source>Drawn from the title</source>
        <translation>Aus dem Titel gezeichnet</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Player %1: %2</source>
        <translation>Spieler %1: %2</translation>
    </message>
    <message>
        <source>Player %1 pairs: %2</source>
        <translation>Paare von Spieler %1: %2</translation>
    </message>
    <message>
        <source>Advertisement</source>
        <translation>Werbung</translation>
    </message>
    <message>
        <source>Advertisement: %1</source>
        <translation>Werbung: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Paare:</translation>
    </message>
</context>
<context>
    <name>TTesseloApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>WaveClip</name>
    <message>
        <source>Its sound format is cut short.</source>
        <translation>Sein Klangformat ist abgeschnitten.</translation>
    </message>
    <message>
        <source>Its sound is not uncompressed PCM.</source>
        <translation>Sein Klang ist kein unkomprimiertes PCM.</translation>
    </message>
    <message>
        <source>Its sound is not 1 or 2 channels of 8 or 16 bits at 8 to 48 kHz.</source>
        <translation>Sein Klang hat nicht 1 oder 2 Kanäle zu 8 oder 16 Bit bei 8 bis 48 kHz.</translation>
    </message>
    <message>
        <source>Its sound file is larger than 2 MiB.</source>
        <translation>Seine Klangdatei ist größer als 2 MiB.</translation>
    </message>
    <message>
        <source>Its sound is not a WAV file.</source>
        <translation>Sein Klang ist keine WAV-Datei.</translation>
    </message>
    <message>
        <source>Its sound file is cut short.</source>
        <translation>Seine Klangdatei ist abgeschnitten.</translation>
    </message>
    <message>
        <source>Its sound data comes before its format.</source>
        <translation>Seine Klangdaten stehen vor ihrem Format.</translation>
    </message>
    <message>
        <source>Its sound lasts longer than 10 seconds.</source>
        <translation>Sein Klang dauert länger als 10 Sekunden.</translation>
    </message>
    <message>
        <source>Its sound is silent: it has no samples.</source>
        <translation>Sein Klang ist stumm: er hat keine Abtastwerte.</translation>
    </message>
    <message>
        <source>Its sound file has no sound data.</source>
        <translation>Seine Klangdatei hat keine Klangdaten.</translation>
    </message>
</context>
</TS>
