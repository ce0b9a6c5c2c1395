<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BmpImage</name>
    <message>
        <source>The BMP picture is damaged.</source>
        <translation>L’image BMP est abîmée.</translation>
    </message>
    <message>
        <source>The picture is not a BMP picture.</source>
        <translation>Cette image n’est pas une image BMP.</translation>
    </message>
    <message>
        <source>The BMP picture is incomplete.</source>
        <translation>L’image BMP est incomplète.</translation>
    </message>
    <message>
        <source>The BMP picture is cut short.</source>
        <translation>L’image BMP s’arrête trop tôt.</translation>
    </message>
    <message>
        <source>There is not enough memory for the BMP picture.</source>
        <translation>Il n’y a pas assez de mémoire pour l’image BMP.</translation>
    </message>
</context>
<context>
    <name>CardSetFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open the card set %1: %2.</source>
        <translation>Impossible d’ouvrir le jeu de cartes %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CardSetInstall</name>
    <message>
        <source>The card set %1 cannot be copied into %2: %3.</source>
        <translation>Impossible de copier le jeu de cartes %1 dans %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The card set %1 is too large.</source>
        <translation>Le jeu de cartes %1 est trop gros.</translation>
    </message>
    <message>
        <source>Cannot read the card set %1: %2.</source>
        <translation>Impossible de lire le jeu de cartes %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied: %2 already holds sets of all its names.</source>
        <translation>Impossible de copier le jeu de cartes %1&#xa0;: %2 contient déjà des jeux sous tous les noms possibles.</translation>
    </message>
    <message>
        <source>Cannot open the card set %1: it is not a file.</source>
        <translation>Impossible d’ouvrir le jeu de cartes %1&#xa0;: ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>There is no folder to copy the card set %1 into.</source>
        <translation>Il n’y a aucun dossier où copier le jeu de cartes %1.</translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied into %2.</source>
        <translation>Impossible de copier le jeu de cartes %1 dans %2.</translation>
    </message>
    <message>
        <source>Copying the card set %1 was stopped.</source>
        <translation>La copie du jeu de cartes %1 a été interrompue.</translation>
    </message>
</context>
<context>
    <name>CardSetLoader</name>
    <message>
        <source>It has not been opened.</source>
        <translation>Il n’a pas été ouvert.</translation>
    </message>
    <message>
        <source>Face image %1 is not usable: %2</source>
        <translation>L’image de carte %1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be used. %2</source>
        <translation>Le jeu de cartes «&#xa0;%1&#xa0;» ne peut pas être utilisé. %2</translation>
    </message>
    <message>
        <source>Its advert picture is not usable: %1</source>
        <translation>Son image publicitaire est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Its card back is not usable: %1</source>
        <translation>Son dos de carte est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checking its faces takes too long.</source>
        <translation>La vérification de ses images prend trop de temps.</translation>
    </message>
    <message>
        <source>It has no face image %1.</source>
        <translation>Il lui manque l’image de carte %1.</translation>
    </message>
    <message>
        <source>Face image %1 cannot be read: %2</source>
        <translation>L’image de carte %1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>Its faces need more memory than a game may use.</source>
        <translation>Ses images demandent plus de mémoire qu’une partie ne peut en prendre.</translation>
    </message>
    <message>
        <source>Its faces could not all be read.</source>
        <translation>Toutes ses images n’ont pas pu être lues.</translation>
    </message>
    <message>
        <source>The sound of face %1 is not usable: %2</source>
        <translation>Le son de l’image %1 n’est pas utilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>The sound of face %1 cannot be read: %2</source>
        <translation>Le son de l’image %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Deckwright</name>
    <message>
        <source>A card set needs a title.</source>
        <translation>Un jeu de cartes a besoin d’un titre.</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; %n given.</source>
        <translation>
            <numerusform>Un jeu de cartes demande au moins %1 images&#xa0;; %n donnée.</numerusform>
            <numerusform>Un jeu de cartes demande au moins %1 images&#xa0;; %n données.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card box may be at most 2048 x 2048 pixels.</source>
        <translation>Le format des cartes ne peut pas dépasser 2048 x 2048 pixels.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Vérification de %1</translation>
    </message>
    <message>
        <source>%1: a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation>%1&#xa0;: une image %2 parmi des images %3&#xa0;; toutes les images d’un jeu doivent avoir le même format.</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Publicité</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Adding %1</source>
        <translation>Ajout de %1</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation>%1&#xa0;: impossible d’écrire (%2).</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>compressé</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>plain</source>
        <translation>brut</translation>
    </message>
    <message>
        <source>header</source>
        <translation>en-tête</translation>
    </message>
    <message>
        <source>advert</source>
        <translation>publicité</translation>
    </message>
    <message>
        <source>back</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>image %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: not a card set (it has %n entries, a set at least 3).</source>
        <translation>
            <numerusform>%1&#xa0;: pas un jeu de cartes (il a %n entrée, un jeu au moins 3).</numerusform>
            <numerusform>%1&#xa0;: pas un jeu de cartes (il a %n entrées, un jeu au moins 3).</numerusform>
        </translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Lien&#xa0;:</translation>
    </message>
    <message>
        <source>Card box:</source>
        <translation>Format des cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Faces:</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>Face format:</source>
        <translation>Format des images&#xa0;:</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Entrées&#xa0;:</translation>
    </message>
    <message>
        <source>role</source>
        <translation>rôle</translation>
    </message>
    <message>
        <source>storage</source>
        <translation>stockage</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>stocké</translation>
    </message>
    <message>
        <source>delivered</source>
        <translation>livré</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>L’option %1 demande une valeur.</translation>
    </message>
    <message>
        <source>The card box &quot;%1&quot; is not WIDTHxHEIGHT (1 to 2048 each).</source>
        <translation>Le format de carte «&#xa0;%1&#xa0;» n’est pas de la forme LARGEURxHAUTEUR (1 à 2048 chacune).</translation>
    </message>
    <message>
        <source>Unknown option %1 (see dkwright help).</source>
        <translation>Option inconnue %1 (voir dkwright help).</translation>
    </message>
    <message>
        <source>Name the card set to write with -o FILE.crd.</source>
        <translation>Indique le jeu de cartes à écrire avec -o FICHIER.crd.</translation>
    </message>
    <message>
        <source>Give the card set a title with --title.</source>
        <translation>Donne un titre au jeu de cartes avec --title.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n faces, %2 bytes.</source>
        <translation>
            <numerusform>%1 écrit&#xa0;: %n image, %2 octets.</numerusform>
            <numerusform>%1 écrit&#xa0;: %n images, %2 octets.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name one card set: dkwright info FILE.crd</source>
        <translation>Indique un jeu de cartes&#xa0;: dkwright info FICHIER.crd</translation>
    </message>
    <message>
        <source>Say what to do: dkwright build or dkwright info (dkwright help tells more).</source>
        <translation>Dis ce qu’il faut faire&#xa0;: dkwright build ou dkwright info (dkwright help en dit plus).</translation>
    </message>
    <message>
        <source>Unknown command %1 (see dkwright help).</source>
        <translation>Commande inconnue %1 (voir dkwright help).</translation>
    </message>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation>Pas assez de mémoire pour fabriquer le jeu de cartes.</translation>
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
        <translation>Deckwright fabrique des jeux de cartes pour Kovalent Tesselo.

  dkwright                 (sans argument) ouvre la fenêtre
  dkwright build -o SORTIE.crd --title TITRE [options] IMAGE...
  dkwright info FICHIER.crd
  dkwright help

build&#xa0;: fabrique un jeu à partir des images données. Une IMAGE est une image GIF, JPEG ou
BMP (le format est reconnu à son contenu, pas à son nom) ou un dossier, dont chaque image de
ce genre est prise, dans l’ordre des noms. Toutes les images doivent avoir le même format, et
un jeu en demande au moins 8, car une partie distribue au moins 8 paires. Les GIF animés
restent animés.

  -o, --output FICHIER  le jeu à écrire (remplacé en entier, ou laissé intact en cas d’erreur)
  --title TITRE         le nom affiché par le jeu (255 caractères au plus)
  --link URL            ouvert quand on clique sur la publicité de l’écran des scores
  --size LxH            le format des cartes où les images sont ajustées. Par défaut, c’est
                        la taille de la plupart des images, agrandie ou réduite dans ses
                        proportions jusqu’au plus grand format qui tient dans 120x90&#xa0;: des
                        photos 4:3 donnent 120x90, des images carrées 90x90, des images
                        en hauteur 3:4 donnent 68x90.
  --advert IMAGE        l’image de l’écran des scores (étirée à 178x170)&#xa0;;
                        dessinée à partir du titre si elle n’est pas donnée
  --back IMAGE          le dos des cartes&#xa0;; dessiné à partir du titre s’il n’est pas donné
  --compress            range les images compressées avec zlib (utile pour des images BMP)
  --keep-size           range chaque image telle quelle. Sans cette option, les images plus
                        grandes que le double du format des cartes sont réduites au double du
                        format et enregistrées à nouveau dans leur propre format, pour que les
                        jeux de photos d’appareil restent légers.

info&#xa0;: affiche le titre, le lien, le format des cartes, le nombre et le format des images
d’un jeu, ainsi que ses entrées.
</translation>
    </message>
    <message>
        <source>The title is %1 characters long; at most %2 fit.</source>
        <translation>Le titre fait %1 caractères&#xa0;; %2 au plus tiennent.</translation>
    </message>
    <message>
        <source>The link is %1 characters long; at most %2 fit.</source>
        <translation>Le lien fait %1 caractères&#xa0;; %2 au plus tiennent.</translation>
    </message>
    <message>
        <source>Write the card box as WIDTHxHEIGHT, 1 to 2048 each, or leave it empty.</source>
        <translation>Écris le format des cartes sous la forme LARGEURxHAUTEUR, de 1 à 2048 chacune, ou laisse-le vide.</translation>
    </message>
    <message>
        <source>%1 is a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation>%1 est une image %2 parmi des images %3&#xa0;; toutes les images d’un jeu doivent avoir le même format.</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; add %n more.</source>
        <translation>
            <numerusform>Un jeu de cartes demande au moins %1 images&#xa0;; ajoutes-en encore %n.</numerusform>
            <numerusform>Un jeu de cartes demande au moins %1 images&#xa0;; ajoutes-en encore %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the picture cannot be read.</source>
        <translation>%1&#xa0;: l’image est illisible.</translation>
    </message>
    <message>
        <source>%1: the folder holds no GIF, JPEG or BMP pictures.</source>
        <translation>%1&#xa0;: le dossier ne contient aucune image GIF, JPEG ou BMP.</translation>
    </message>
    <message>
        <source>%1: no such file or folder.</source>
        <translation>%1&#xa0;: ce fichier ou ce dossier n’existe pas.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>cannot be read (%1).</source>
        <translation>illisible (%1).</translation>
    </message>
    <message>
        <source>larger than %1 MB, too large for a card set.</source>
        <translation>plus de %1 Mo, trop gros pour un jeu de cartes.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>not a GIF, JPEG or BMP picture.</source>
        <translation>ce n’est pas une image GIF, JPEG ou BMP.</translation>
    </message>
    <message>
        <source>the picture cannot be read.</source>
        <translation>l’image est illisible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card of %2 x %3 pixels.</source>
        <translation>«&#xa0;%1&#xa0;» ne tient pas sur une carte de %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>face %1 (%2)</source>
        <translation>image %1 (%2)</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>pair table</source>
        <translation>table des paires</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>son</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Paires&#xa0;:</translation>
    </message>
    <message>
        <source>A set made with --pairs takes its faces from the table alone; %1 is one too many.</source>
        <translation>Un jeu fait avec --pairs prend ses images dans la table seule&#xa0;; %1 est de trop.</translation>
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
  dkwright build -o SORTIE.crd --title TITRE [options] --pairs TABLE.tsv

fait un jeu dont les paires sont deux cartes différentes, d’après une table UTF-8 au
lieu d’arguments IMAGE&#xa0;: une paire par ligne, GAUCHE&lt;TAB&gt;DROITE&#xa0;; les lignes vides
et celles qui commencent par # sont ignorées. Un côté est
  IMAGE            un fichier GIF, JPEG ou BMP (toutes les images dans un format)
  SON.wav          un son&#xa0;: WAV PCM, 1 ou 2 canaux, 8 à 48 kHz, 10 s au plus
  text:MOT         un mot dans la première langue du jeu, traduit par les colonnes
  text.LANG:MOT    un mot de la seule langue LANG («&#xa0;text.de:Hund&#xa0;»)
Les fichiers sont relatifs au dossier de la table et ne peuvent en sortir. La première
ligne peut nommer les colonnes&#xa0;: left[:LANG]&lt;TAB&gt;right[:LANG] (LANG, tel en ou pt_BR,
est la première langue du jeu&#xa0;; en s’il n’est pas nommé), puis des colonnes left:LANG
ou right:LANG qui donnent le nom (image), la légende (son) ou la traduction (mot) de
ce côté en LANG&#xa0;:
  left:en&lt;TAB&gt;right:en&lt;TAB&gt;left:de&lt;TAB&gt;right:de
  cat.jpg&lt;TAB&gt;text:cat&lt;TAB&gt;Katze&lt;TAB&gt;Katze
  bark.wav&lt;TAB&gt;dog.jpg&lt;TAB&gt;Bellen&lt;TAB&gt;Hund
Un jeu demande au moins 8 paires et prend au plus 8 langues et 200 caractères par
texte. Les mots et les sons reçoivent des images dessinées dans le format des images
(GIF sans images)&#xa0;: les anciennes versions du jeu jouent encore le jeu, en images
seules distribuées deux fois. info liste aussi les paires d’un tel jeu.
</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 pairs; %n given.</source>
        <translation>
            <numerusform>Un jeu de cartes demande au moins %1 paires&#xa0;; %n donnée.</numerusform>
            <numerusform>Un jeu de cartes demande au moins %1 paires&#xa0;; %n données.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pairs and sounds</source>
        <translation>Paires et sons</translation>
    </message>
    <message>
        <source>not a regular file.</source>
        <translation>pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>There is no room for a copy to check the set in (%1).</source>
        <translation>Il n’y a pas de place pour une copie où vérifier le jeu (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code; write codes such as en, de or pt_BR.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un code de langue&#xa0;; écris des codes comme en, de ou pt_BR.</translation>
    </message>
    <message>
        <source>Name at least one language, such as en.</source>
        <translation>Nomme au moins une langue, par exemple en.</translation>
    </message>
    <message>
        <source>A set may have at most %1 languages.</source>
        <translation>Un jeu peut avoir au plus %1 langues.</translation>
    </message>
    <message>
        <source>Write the word in %1.</source>
        <translation>Écris le mot en %1.</translation>
    </message>
    <message>
        <source>Choose the other picture.</source>
        <translation>Choisis l’autre image.</translation>
    </message>
    <message>
        <source>Choose the sound.</source>
        <translation>Choisis le son.</translation>
    </message>
    <message>
        <source>%1 is a %2 picture among %3 faces; all pictures of a set must share one format.</source>
        <translation>%1 est une image %2 parmi des images %3&#xa0;; toutes les images d’un jeu doivent avoir le même format.</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a set may have at most %1 languages.</source>
        <translation>un jeu peut avoir au plus %1 langues.</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;; the columns are left, right, then left:LANG or right:LANG (LANG a code such as en or pt_BR), and the first two share their language.</source>
        <translation>la colonne %1 est «&#xa0;%2&#xa0;»&#xa0;; les colonnes sont left, right, puis left:LANG ou right:LANG (LANG un code comme en ou pt_BR), et les deux premières ont la même langue.</translation>
    </message>
    <message>
        <source>a text longer than %1 characters.</source>
        <translation>un texte de plus de %1 caractères.</translation>
    </message>
    <message>
        <source>a text with control characters.</source>
        <translation>un texte avec des caractères de contrôle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file inside the table&apos;s folder.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier dans le dossier de la table.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>a word card without a word.</source>
        <translation>une carte de mot sans mot.</translation>
    </message>
    <message>
        <source>a side is empty; each line is LEFT&lt;TAB&gt;RIGHT.</source>
        <translation>un côté est vide&#xa0;; chaque ligne est GAUCHE&lt;TAB&gt;DROITE.</translation>
    </message>
    <message>
        <source>%1 columns; a pair is LEFT&lt;TAB&gt;RIGHT, with at most %2 columns in all.</source>
        <translation>%1 colonnes&#xa0;; une paire est GAUCHE&lt;TAB&gt;DROITE, avec au plus %2 colonnes en tout.</translation>
    </message>
    <message>
        <source>a set may have at most %1 pairs.</source>
        <translation>un jeu peut avoir au plus %1 paires.</translation>
    </message>
    <message>
        <source>column %1 gives a word a second text (a word of one language takes no translation).</source>
        <translation>la colonne %1 donne un second texte à un mot (un mot d’une seule langue ne se traduit pas).</translation>
    </message>
    <message>
        <source>not UTF-8 text.</source>
        <translation>pas du texte UTF-8.</translation>
    </message>
</context>
<context>
    <name>Encoders</name>
    <message>
        <source>An empty picture cannot be written as BMP.</source>
        <translation>Une image vide ne peut pas être enregistrée en BMP.</translation>
    </message>
    <message>
        <source>The BMP picture could not be written.</source>
        <translation>L’image BMP n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>The GIF picture could not be written: %1.</source>
        <translation>L’image GIF n’a pas pu être enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The GIF picture could not be written: out of memory.</source>
        <translation>L’image GIF n’a pas pu être enregistrée&#xa0;: mémoire insuffisante.</translation>
    </message>
    <message>
        <source>A GIF picture needs at least one frame.</source>
        <translation>Une image GIF demande au moins une vue.</translation>
    </message>
    <message>
        <source>A GIF picture must be between 1 and 65535 pixels on each side.</source>
        <translation>Une image GIF doit mesurer entre 1 et 65535 pixels de chaque côté.</translation>
    </message>
    <message>
        <source>All frames of a GIF picture must have the same size.</source>
        <translation>Toutes les vues d’une image GIF doivent avoir la même taille.</translation>
    </message>
    <message>
        <source>A JPEG picture must be between 1 and 65500 pixels on each side.</source>
        <translation>Une image JPEG doit mesurer entre 1 et 65500 pixels de chaque côté.</translation>
    </message>
    <message>
        <source>The JPEG picture could not be written: %1.</source>
        <translation>L’image JPEG n’a pas pu être enregistrée&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>GameEngine</name>
    <message>
        <source>This set of cards is damaged and cannot be played.</source>
        <translation>Ce jeu de cartes est abîmé et on ne peut pas jouer avec.</translation>
    </message>
    <message>
        <source>This set of cards does not contain enough images!</source>
        <translation>Ce jeu de cartes n’a pas assez d’images&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>A board of %n pairs cannot be laid out.</source>
        <translation>
            <numerusform>Impossible de disposer un plateau de %n paire.</numerusform>
            <numerusform>Impossible de disposer un plateau de %n paires.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Pas de gagnant</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Le gagnant est&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (pairs: %n)</source>
        <translation>
            <numerusform>%1 (paires&#xa0;: %n)</numerusform>
            <numerusform>%1 (paires&#xa0;: %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettings</name>
    <message>
        <source>The settings store could not be opened.</source>
        <translation>L’endroit où sont gardés les réglages n’a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>GifImage</name>
    <message>
        <source>it ends early</source>
        <translation>elle s’arrête trop tôt</translation>
    </message>
    <message>
        <source>it is not in GIF format</source>
        <translation>elle n’est pas au format GIF</translation>
    </message>
    <message>
        <source>it has no screen description</source>
        <translation>il lui manque la description de l’écran</translation>
    </message>
    <message>
        <source>a frame has no image description</source>
        <translation>il manque la description d’image d’une vue</translation>
    </message>
    <message>
        <source>it has no colour table</source>
        <translation>il lui manque la table des couleurs</translation>
    </message>
    <message>
        <source>it holds a record of an unknown kind</source>
        <translation>elle contient un bloc d’un genre inconnu</translation>
    </message>
    <message>
        <source>a frame holds more pixels than its size</source>
        <translation>une vue contient plus de pixels que sa taille</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>il n’y a pas assez de mémoire</translation>
    </message>
    <message>
        <source>its image data is defective</source>
        <translation>ses données d’image sont défectueuses</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>The picture is not a GIF picture.</source>
        <translation>Cette image n’est pas une image GIF.</translation>
    </message>
    <message>
        <source>The GIF picture cannot be read (%1).</source>
        <translation>L’image GIF est illisible (%1).</translation>
    </message>
    <message>
        <source>There is not enough memory for the GIF picture.</source>
        <translation>Il n’y a pas assez de mémoire pour l’image GIF.</translation>
    </message>
    <message>
        <source>The GIF picture is incomplete.</source>
        <translation>L’image GIF est incomplète.</translation>
    </message>
    <message>
        <source>The GIF picture is damaged (%1).</source>
        <translation>L’image GIF est abîmée (%1).</translation>
    </message>
    <message>
        <source>The GIF picture holds no image.</source>
        <translation>L’image GIF ne contient aucune image.</translation>
    </message>
    <message>
        <source>The GIF picture needs more memory than a card face may use.</source>
        <translation>L’image GIF demande plus de mémoire qu’une image de carte ne peut en prendre.</translation>
    </message>
    <message numerus="yes">
        <source>The GIF picture has more than %n frames.</source>
        <translation>
            <numerusform>L’image GIF a plus de %n vue.</numerusform>
            <numerusform>L’image GIF a plus de %n vues.</numerusform>
        </translation>
    </message>
    <message>
        <source>The GIF picture has no colour table.</source>
        <translation>L’image GIF n’a pas de table des couleurs.</translation>
    </message>
</context>
<context>
    <name>ImageLimits</name>
    <message>
        <source>The %1 picture has no size.</source>
        <translation>L’image %1 n’a pas de taille.</translation>
    </message>
    <message>
        <source>The %1 picture is too large (%2 x %3 pixels; at most %4 x %5).</source>
        <translation>L’image %1 est trop grande (%2 x %3 pixels&#xa0;; au plus %4 x %5).</translation>
    </message>
    <message>
        <source>The %1 picture needs more memory than a card face may use.</source>
        <translation>L’image %1 demande plus de mémoire qu’une image de carte ne peut en prendre.</translation>
    </message>
    <message>
        <source>Reading the picture was stopped.</source>
        <translation>La lecture de l’image a été interrompue.</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>The JPEG picture has too many scans.</source>
        <translation>L’image JPEG a trop de passes.</translation>
    </message>
    <message>
        <source>The JPEG picture cannot be read.</source>
        <translation>L’image JPEG est illisible.</translation>
    </message>
    <message>
        <source>There is not enough memory for the JPEG picture.</source>
        <translation>Il n’y a pas assez de mémoire pour l’image JPEG.</translation>
    </message>
    <message>
        <source>The JPEG picture is damaged.</source>
        <translation>L’image JPEG est abîmée.</translation>
    </message>
    <message>
        <source>The JPEG picture is damaged or incomplete.</source>
        <translation>L’image JPEG est abîmée ou incomplète.</translation>
    </message>
    <message>
        <source>The JPEG picture is empty.</source>
        <translation>L’image JPEG est vide.</translation>
    </message>
    <message>
        <source>The JPEG decoder cannot be started.</source>
        <translation>Le décodeur JPEG ne démarre pas.</translation>
    </message>
</context>
<context>
    <name>KVRStream</name>
    <message numerus="yes">
        <source>Archive entry %1 does not exist; the archive has %n entries.</source>
        <translation>
            <numerusform>L’entrée %1 de l’archive n’existe pas&#xa0;; l’archive a %n entrée.</numerusform>
            <numerusform>L’entrée %1 de l’archive n’existe pas&#xa0;; l’archive a %n entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Archive entry %1 reaches past the end of the archive.</source>
        <translation>L’entrée %1 de l’archive dépasse la fin de l’archive.</translation>
    </message>
    <message>
        <source>Cannot open the archive %1: %2.</source>
        <translation>Impossible d’ouvrir l’archive %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive ends early.</source>
        <translation>L’entrée %1 de l’archive est illisible&#xa0;: l’archive s’arrête trop tôt.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be inflated: out of memory.</source>
        <translation>L’entrée %1 de l’archive ne peut pas être décompressée&#xa0;: mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: writing the destination failed.</source>
        <translation>L’entrée %1 de l’archive ne peut pas être livrée&#xa0;: l’écriture de la destination a échoué.</translation>
    </message>
    <message>
        <source>Archive entry %1 holds truncated compressed data.</source>
        <translation>L’entrée %1 de l’archive contient des données compressées tronquées.</translation>
    </message>
    <message>
        <source>Archive entry %1 holds corrupt compressed data.</source>
        <translation>L’entrée %1 de l’archive contient des données compressées abîmées.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: the destination cannot be rewound.</source>
        <translation>L’entrée %1 de l’archive ne peut pas être livrée&#xa0;: impossible de revenir au début de la destination.</translation>
    </message>
    <message>
        <source>Archive entry %1 inflates beyond the largest size allowed.</source>
        <translation>L’entrée %1 de l’archive, décompressée, dépasse la taille permise.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive has no stream.</source>
        <translation>L’entrée %1 de l’archive est illisible&#xa0;: l’archive n’a pas de flux.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: seeking in the archive failed.</source>
        <translation>L’entrée %1 de l’archive est illisible&#xa0;: le déplacement dans l’archive a échoué.</translation>
    </message>
</context>
<context>
    <name>KVRWriter</name>
    <message>
        <source>Compressing an archive entry failed.</source>
        <translation>La compression d’une entrée de l’archive a échoué.</translation>
    </message>
    <message>
        <source>An archive entry cannot hold 2 GiB or more.</source>
        <translation>Une entrée d’archive ne peut pas contenir 2 Gio ou plus.</translation>
    </message>
    <message>
        <source>The archive cannot grow to 2 GiB or more.</source>
        <translation>L’archive ne peut pas atteindre 2 Gio ou plus.</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2.</source>
        <translation>Impossible d’écrire l’archive %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>KVRichEdOLE</name>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Le texte n’a pas pu être chargé</translation>
    </message>
</context>
<context>
    <name>KVUtils</name>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Impossible d’ouvrir %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Aucun navigateur web par défaut trouvé</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>Impossible d’envoyer un courriel à %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Aucun logiciel de courriel par défaut trouvé</translation>
    </message>
</context>
<context>
    <name>KVstring</name>
    <message>
        <source>Stream write error: %1.</source>
        <translation>Erreur d’écriture&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>PairTable</name>
    <message>
        <source>Its pair table has a %1 that is not text.</source>
        <translation>Sa table des paires a un champ «&#xa0;%1&#xa0;» qui n’est pas du texte.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 longer than %2 characters.</source>
        <translation>Sa table des paires a un champ «&#xa0;%1&#xa0;» de plus de %2 caractères.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 with control characters.</source>
        <translation>Sa table des paires a un champ «&#xa0;%1&#xa0;» avec des caractères de contrôle.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 out of range.</source>
        <translation>Sa table des paires a un champ «&#xa0;%1&#xa0;» hors des limites.</translation>
    </message>
    <message>
        <source>Its pair table does not list at most %1 languages.</source>
        <translation>Sa table des paires ne donne pas au plus %1 langues.</translation>
    </message>
    <message>
        <source>Its pair table has a language code that is not one (&quot;en&quot;, &quot;pt_BR&quot;).</source>
        <translation>Sa table des paires a un code de langue qui n’en est pas un («&#xa0;en&#xa0;», «&#xa0;pt_BR&#xa0;»).</translation>
    </message>
    <message>
        <source>Its pair table has a face that is not a picture, word or sound.</source>
        <translation>Sa table des paires a une image qui n’est ni une image, ni un mot, ni un son.</translation>
    </message>
    <message>
        <source>Its pair table has a face that is not described.</source>
        <translation>Sa table des paires a une image qui n’est pas décrite.</translation>
    </message>
    <message>
        <source>Its pair table has texts that are not given per language.</source>
        <translation>Sa table des paires a des textes qui ne sont pas donnés par langue.</translation>
    </message>
    <message>
        <source>Its pair table has a text in a language it does not list.</source>
        <translation>Sa table des paires a un texte dans une langue qu’elle ne donne pas.</translation>
    </message>
    <message>
        <source>Its pair table has a word of one language without its text in that language.</source>
        <translation>Sa table des paires a un mot d’une seule langue sans son texte dans cette langue.</translation>
    </message>
    <message>
        <source>Its pair table has a word without a text.</source>
        <translation>Sa table des paires a un mot sans texte.</translation>
    </message>
    <message>
        <source>Its pair table gives a sound to a face that is not one.</source>
        <translation>Sa table des paires donne un son à une image qui n’en est pas un.</translation>
    </message>
    <message>
        <source>Its pair table puts more than two faces in pair %1.</source>
        <translation>Sa table des paires met plus de deux images dans la paire %1.</translation>
    </message>
    <message>
        <source>Its pair table is larger than %1 KiB.</source>
        <translation>Sa table des paires dépasse %1 Kio.</translation>
    </message>
    <message>
        <source>Its pair table does not start as one.</source>
        <translation>Sa table des paires ne commence pas comme telle.</translation>
    </message>
    <message>
        <source>Its pair table is damaged.</source>
        <translation>Sa table des paires est endommagée.</translation>
    </message>
    <message>
        <source>Its pair table is of a version this game does not know.</source>
        <translation>Sa table des paires est d’une version que ce jeu ne connaît pas.</translation>
    </message>
    <message>
        <source>Its pair table does not have an even number of faces, from 2 to %1.</source>
        <translation>Sa table des paires n’a pas un nombre pair d’images, de 2 à %1.</translation>
    </message>
</context>
<context>
    <name>RegistryFile</name>
    <message>
        <source>The settings store cannot hold a line break.</source>
        <translation>Les réglages ne peuvent pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>A settings key needs a path.</source>
        <translation>Une clé de réglages demande un chemin.</translation>
    </message>
    <message>
        <source>The damaged settings file %1 could not be kept aside.</source>
        <translation>Le fichier de réglages abîmé %1 n’a pas pu être mis de côté.</translation>
    </message>
    <message>
        <source>Too many damaged copies of %1 are kept; it is left as it is.</source>
        <translation>Trop de copies abîmées de %1 sont gardées&#xa0;; le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossible d’écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;.</source>
        <translation>Type de données non valable pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No settings key is open.</source>
        <translation>Aucune clé de réglages n’est ouverte.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a file.</source>
        <translation>Le fichier de réglages %1 n’est pas un fichier.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier de réglages %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be created.</source>
        <translation>Le dossier de %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>SkinEntries</name>
    <message>
        <source>Picture %1 of %2 is damaged and cannot be shown.</source>
        <translation>L’image %1 de %2 est abîmée et ne peut pas être affichée.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>%1 is already running, but it did not take the card set %2.</source>
        <translation>%1 est déjà ouvert, mais n’a pas pris le jeu de cartes %2.</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>%1 est absent ou abîmé&#xa0;!</translation>
    </message>
    <message>
        <source>Error initializing application</source>
        <translation>Erreur au démarrage du programme</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Original concept and design by</source>
        <translation>Idée et conception originales de</translation>
    </message>
    <message>
        <source>The artwork of the animated card sets belongs to Pixelgarten Studio</source>
        <translation>Les dessins des jeux de cartes animés appartiennent à Pixelgarten Studio</translation>
    </message>
    <message>
        <source>and is used with its kind permission.</source>
        <translation>et sont utilisés avec son aimable autorisation.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Kovalent Games Ltd.</source>
        <translation>Copyright © 2026 Kovalent Games Ltd.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
</context>
<context>
    <name>TBoardGrid</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>row %1, column %2, face down</source>
        <translation>rangée %1, colonne %2, face cachée</translation>
    </message>
    <message>
        <source>row %1, column %2, face up, picture %3</source>
        <translation>rangée %1, colonne %2, face visible, image %3</translation>
    </message>
    <message>
        <source>row %1, column %2, removed, picture %3</source>
        <translation>rangée %1, colonne %2, retirée, image %3</translation>
    </message>
    <message>
        <source>row %1, column %2, face up, %3</source>
        <translation>rangée %1, colonne %2, face visible, %3</translation>
    </message>
    <message>
        <source>row %1, column %2, removed, %3</source>
        <translation>rangée %1, colonne %2, retirée, %3</translation>
    </message>
</context>
<context>
    <name>TBrowseDWForm</name>
    <message>
        <source>Program files (*)</source>
        <translation>Programmes (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot find dkwright.exe file!</source>
        <translation>Le fichier dkwright.exe est introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TBuilderLauncher</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Impossible de lancer %1</translation>
    </message>
</context>
<context>
    <name>TDeckBuildJob</name>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation>Pas assez de mémoire pour fabriquer le jeu de cartes.</translation>
    </message>
    <message>
        <source>Reading the set as the game will</source>
        <translation>Lecture du jeu comme le jeu le lira</translation>
    </message>
</context>
<context>
    <name>TDeckwrightWindow</name>
    <message>
        <source>Deckwright: card sets for %1</source>
        <translation>Deckwright&#xa0;: des jeux de cartes pour %1</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Ajouter des images…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>◀ Earlier</source>
        <translation>◀ Avant</translation>
    </message>
    <message>
        <source>Later ▶</source>
        <translation>Après ▶</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>the name the game lists</source>
        <translation>le nom affiché par le jeu</translation>
    </message>
    <message>
        <source>optional, opened from the score screen</source>
        <translation>facultatif, ouvert depuis l’écran des scores</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT in pixels; empty fits the faces&apos; proportions into 120x90</source>
        <translation>LARGEURxHAUTEUR en pixels&#xa0;; vide, les images gardent leurs proportions dans 120x90</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Publicité</translation>
    </message>
    <message>
        <source>Choose the advert</source>
        <translation>Choisir la publicité</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Choose the back</source>
        <translation>Choisir le dos</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Card box</source>
        <translation>Format des cartes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Play with it</source>
        <translation>Jouer avec</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add the pictures of a folder</source>
        <translation>Ajouter les images d’un dossier</translation>
    </message>
    <message>
        <source>automatic: %1x%2</source>
        <translation>automatique&#xa0;: %1x%2</translation>
    </message>
    <message>
        <source>No faces yet: a set needs at least %1 pictures.</source>
        <translation>Pas encore d’images&#xa0;: un jeu en demande au moins %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n faces: too few for the smallest game of %1 pairs.</source>
        <translation>
            <numerusform>%n image&#xa0;: trop peu pour la plus petite partie de %1 paires.</numerusform>
            <numerusform>%n images&#xa0;: trop peu pour la plus petite partie de %1 paires.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n faces: this set can be played with up to %1 pairs (%2 of the game&apos;s %3 pair counts).</source>
        <translation>
            <numerusform>%n image&#xa0;: ce jeu se joue avec jusqu’à %1 paires (%2 des %3 nombres de paires du jeu).</numerusform>
            <numerusform>%n images&#xa0;: ce jeu se joue avec jusqu’à %1 paires (%2 des %3 nombres de paires du jeu).</numerusform>
        </translation>
    </message>
    <message>
        <source>Save writes &lt;b&gt;%1&lt;/b&gt; into the game&apos;s cards folder, %2</source>
        <translation>Enregistrer écrit &lt;b&gt;%1&lt;/b&gt; dans le dossier des cartes du jeu, %2</translation>
    </message>
    <message>
        <source>The set cannot be saved yet.</source>
        <translation>Le jeu ne peut pas encore être enregistré.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be written, so the set cannot be saved.</source>
        <translation>Ni %1 ni %2 ne sont accessibles en écriture&#xa0;: le jeu ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>%1 already holds a card set named %2.

Replace it?</source>
        <translation>%1 contient déjà un jeu de cartes nommé %2.

Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The set was not saved.</source>
        <translation>Le jeu n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>Saved %1 into %2.</source>
        <translation>%1 enregistré dans %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own cards folder, %1, cannot be written.</source>
        <translation>Le dossier de cartes du jeu, %1, n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Annulé&#xa0;: rien n’a été écrit.</translation>
    </message>
    <message>
        <source>This set has not been saved. Start the game without it?</source>
        <translation>Ce jeu n’a pas été enregistré. Lancer la partie sans lui&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 est déjà ouvert.</translation>
    </message>
    <message>
        <source>The game is not beside Deckwright (%1), so it cannot be started from here.</source>
        <translation>Le jeu n’est pas à côté de Deckwright (%1)&#xa0;: il ne peut pas être lancé d’ici.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Partner…</source>
        <translation>Partenaire…</translation>
    </message>
    <message>
        <source>What the chosen card pairs with: the same picture, another picture, a word or a sound</source>
        <translation>Ce avec quoi la carte choisie forme une paire&#xa0;: la même image, une autre image, un mot ou un son</translation>
    </message>
    <message>
        <source>The languages of the names and words of cards with a partner, such as en de fr; the first is shown when a player&apos;s is missing</source>
        <translation>Les langues des noms et des mots des cartes avec un partenaire, par exemple en de fr&#xa0;; la première est montrée quand celle du joueur manque</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Choose a card among the faces first.</source>
        <translation>Choisis d’abord une carte parmi les images.</translation>
    </message>
</context>
<context>
    <name>TFaceGrid</name>
    <message>
        <source>Drop pictures or folders of pictures here, or add them with the buttons below.

GIF, JPEG or BMP, all of one kind; at least 8.</source>
        <translation>Dépose ici des images ou des dossiers d’images, ou ajoute-les avec les boutons ci-dessous.

GIF, JPEG ou BMP, toutes du même genre&#xa0;; au moins 8.</translation>
    </message>
    <message>
        <source>pairs with the picture %1</source>
        <translation>forme une paire avec l’image %1</translation>
    </message>
    <message>
        <source>pairs with the word &quot;%1&quot;</source>
        <translation>forme une paire avec le mot «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>pairs with the sound %1</source>
        <translation>forme une paire avec le son %1</translation>
    </message>
    <message>
        <source>pairs with the sound %1 (&quot;%2&quot;)</source>
        <translation>forme une paire avec le son %1 («&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>pairs with itself</source>
        <translation>forme une paire avec elle-même</translation>
    </message>
</context>
<context>
    <name>TGameTable</name>
    <message>
        <source>The game you left could not be read.</source>
        <translation>La dernière partie n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>The cards of the game you left have changed.</source>
        <translation>Les cartes de la dernière partie ont changé.</translation>
    </message>
    <message>
        <source>The cards of the game you left are gone.</source>
        <translation>Les cartes de la dernière partie ont disparu.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>There is no card set in %1, so no game can start.</source>
        <translation>Il n’y a aucun jeu de cartes dans %1&#xa0;: aucune partie ne peut commencer.</translation>
    </message>
    <message>
        <source>Your settings could not be saved. %1</source>
        <translation>Tes réglages n’ont pas pu être enregistrés. %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Règle les options</translation>
    </message>
    <message>
        <source>The card game of memory and matching pairs</source>
        <translation>Le jeu de cartes de mémoire et de paires</translation>
    </message>
    <message>
        <source>New card sets at %1</source>
        <translation>Nouveaux jeux de cartes sur %1</translation>
    </message>
    <message>
        <source>About Kovalent Tesselo</source>
        <translation>À propos de Kovalent Tesselo</translation>
    </message>
    <message>
        <source>%1 turns row %2, column %3: picture %4.</source>
        <translation>%1 retourne rangée %2, colonne %3&#xa0;: image %4.</translation>
    </message>
    <message>
        <source>No pair: picture %1 and picture %2. The turn passes to %3.</source>
        <translation>Pas de paire&#xa0;: image %1 et image %2. C’est au tour de %3.</translation>
    </message>
    <message>
        <source>Pair of picture %1 for %2. That was the last pair.</source>
        <translation>Paire de l’image %1 pour %2. C’était la dernière paire.</translation>
    </message>
    <message>
        <source>Pair of picture %1 for %2, who plays again.</source>
        <translation>Paire de l’image %1 pour %2, qui rejoue.</translation>
    </message>
    <message>
        <source>%1 turns row %2, column %3: %4.</source>
        <translation>%1 retourne rangée %2, colonne %3&#xa0;: %4.</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>No pair: %1 and %2. The turn passes to %3.</source>
        <translation>Pas de paire&#xa0;: %1 et %2. C’est au tour de %3.</translation>
    </message>
    <message>
        <source>Pair of %1 and %2 for %3. That was the last pair.</source>
        <translation>Paire de %1 et %2 pour %3. C’était la dernière paire.</translation>
    </message>
    <message>
        <source>Pair of %1 and %2 for %3, who plays again.</source>
        <translation>Paire de %1 et %2 pour %3, qui rejoue.</translation>
    </message>
    <message>
        <source>Pair of %1 for %2. That was the last pair.</source>
        <translation>Paire de %1 pour %2. C’était la dernière paire.</translation>
    </message>
    <message>
        <source>Pair of %1 for %2, who plays again.</source>
        <translation>Paire de %1 pour %2, qui rejoue.</translation>
    </message>
</context>
<context>
    <name>TOpenedSets</name>
    <message>
        <source>Your card folder already holds a different card set named %1. Replace it?</source>
        <translation>Ton dossier de cartes contient déjà un autre jeu de cartes nommé %1. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Added for the next game: %1</source>
        <translation>Ajouté pour la partie suivante&#xa0;: %1</translation>
    </message>
    <message>
        <source>Card set added: %1</source>
        <translation>Jeu de cartes ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Replaced for the next game: %1</source>
        <translation>Remplacé pour la partie suivante&#xa0;: %1</translation>
    </message>
    <message>
        <source>Card set replaced: %1</source>
        <translation>Jeu de cartes remplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Chosen for the next game: %1</source>
        <translation>Choisi pour la partie suivante&#xa0;: %1</translation>
    </message>
    <message>
        <source>Card set chosen: %1</source>
        <translation>Jeu de cartes choisi&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TOptionsPanel</name>
    <message>
        <source>Delay in seconds</source>
        <translation>Délai en secondes</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nom du joueur 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nom du joueur 2</translation>
    </message>
    <message>
        <source>Player 3 name</source>
        <translation>Nom du joueur 3</translation>
    </message>
    <message>
        <source>Player 4 name</source>
        <translation>Nom du joueur 4</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Joueur ordinateur</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Niveau de l’ordinateur</translation>
    </message>
    <message>
        <source>No card sets in %1</source>
        <translation>Aucun jeu de cartes dans %1</translation>
    </message>
    <message>
        <source>Make your own card set</source>
        <translation>Créer ton jeu de cartes</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Make your own card sets with %1</source>
        <translation>Crée tes propres jeux de cartes avec %1</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Delay (seconds)</source>
        <translation>Délai (secondes)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
</context>
<context>
    <name>TPartnerDialog</name>
    <message>
        <source>Partner of card %1</source>
        <translation>Partenaire de la carte %1</translation>
    </message>
    <message>
        <source>Picture of card %1</source>
        <translation>Image de la carte %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Card %1&lt;/b&gt;, %2: a card pairs with the same picture, as in any set, or with another card of its own.</source>
        <translation>&lt;b&gt;Carte %1&lt;/b&gt;, %2&#xa0;: une carte forme une paire avec la même image, comme dans tout jeu, ou avec une autre carte à elle.</translation>
    </message>
    <message>
        <source>The &amp;same picture</source>
        <translation>La &amp;même image</translation>
    </message>
    <message>
        <source>Another &amp;picture</source>
        <translation>Une autre &amp;image</translation>
    </message>
    <message>
        <source>A &amp;word</source>
        <translation>Un m&amp;ot</translation>
    </message>
    <message>
        <source>A s&amp;ound (WAV, at most 10 seconds)</source>
        <translation>Un &amp;son (WAV, 10 secondes au plus)</translation>
    </message>
    <message>
        <source>Pairs with:</source>
        <translation>Forme une paire avec&#xa0;:</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose the other picture</source>
        <translation>Choisir l’autre image</translation>
    </message>
    <message>
        <source>Choose the sound</source>
        <translation>Choisir le son</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav);;All files (*)</source>
        <translation>Sons WAV (*.wav);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Name of the picture</source>
        <translation>Nom de l’image</translation>
    </message>
    <message>
        <source>Name of the picture in %1</source>
        <translation>Nom de l’image en %1</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>Name of the other picture</source>
        <translation>Nom de l’autre image</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Caption of the sound</source>
        <translation>Légende du son</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>TPictureChooser</name>
    <message>
        <source>Pictures (*.gif *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>Images (*.gif *.jpg *.jpeg *.bmp);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Dessiné</translation>
    </message>
    <message>
        <source>Use the picture drawn from the title</source>
        <translation>Utiliser l’image dessinée à partir du titre</translation>
    </message>
    <message>
        <source>Drawn from the title</source>
        <translation>Dessiné à partir du titre</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Player %1: %2</source>
        <translation>Joueur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Player %1 pairs: %2</source>
        <translation>Paires du joueur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Advertisement</source>
        <translation>Publicité</translation>
    </message>
    <message>
        <source>Advertisement: %1</source>
        <translation>Publicité&#xa0;: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Joueurs&#xa0;:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Paires&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TTesseloApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>WaveClip</name>
    <message>
        <source>Its sound format is cut short.</source>
        <translation>Son format de son est tronqué.</translation>
    </message>
    <message>
        <source>Its sound is not uncompressed PCM.</source>
        <translation>Son son n’est pas du PCM non compressé.</translation>
    </message>
    <message>
        <source>Its sound is not 1 or 2 channels of 8 or 16 bits at 8 to 48 kHz.</source>
        <translation>Son son n’a pas 1 ou 2 canaux de 8 ou 16 bits à 8 à 48 kHz.</translation>
    </message>
    <message>
        <source>Its sound file is larger than 2 MiB.</source>
        <translation>Son fichier son dépasse 2 Mio.</translation>
    </message>
    <message>
        <source>Its sound is not a WAV file.</source>
        <translation>Son son n’est pas un fichier WAV.</translation>
    </message>
    <message>
        <source>Its sound file is cut short.</source>
        <translation>Son fichier son est tronqué.</translation>
    </message>
    <message>
        <source>Its sound data comes before its format.</source>
        <translation>Ses données de son viennent avant leur format.</translation>
    </message>
    <message>
        <source>Its sound lasts longer than 10 seconds.</source>
        <translation>Son son dure plus de 10 secondes.</translation>
    </message>
    <message>
        <source>Its sound is silent: it has no samples.</source>
        <translation>Son son est muet&#xa0;: il n’a aucun échantillon.</translation>
    </message>
    <message>
        <source>Its sound file has no sound data.</source>
        <translation>Son fichier son n’a aucune donnée de son.</translation>
    </message>
</context>
</TS>
