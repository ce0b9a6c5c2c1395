<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BmpImage</name>
    <message>
        <source>The BMP picture is damaged.</source>
        <translation>La imagen BMP está dañada.</translation>
    </message>
    <message>
        <source>The picture is not a BMP picture.</source>
        <translation>La imagen no es una imagen BMP.</translation>
    </message>
    <message>
        <source>The BMP picture is incomplete.</source>
        <translation>La imagen BMP está incompleta.</translation>
    </message>
    <message>
        <source>The BMP picture is cut short.</source>
        <translation>La imagen BMP se corta antes de tiempo.</translation>
    </message>
    <message>
        <source>There is not enough memory for the BMP picture.</source>
        <translation>No hay memoria suficiente para la imagen BMP.</translation>
    </message>
</context>
<context>
    <name>CardSetFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot open the card set %1: %2.</source>
        <translation>No se puede abrir la baraja %1: %2.</translation>
    </message>
</context>
<context>
    <name>CardSetInstall</name>
    <message>
        <source>The card set %1 cannot be copied into %2: %3.</source>
        <translation>No se puede copiar la baraja %1 en %2: %3.</translation>
    </message>
    <message>
        <source>The card set %1 is too large.</source>
        <translation>La baraja %1 es demasiado grande.</translation>
    </message>
    <message>
        <source>Cannot read the card set %1: %2.</source>
        <translation>No se puede leer la baraja %1: %2.</translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied: %2 already holds sets of all its names.</source>
        <translation>No se puede copiar la baraja %1: %2 ya tiene barajas con todos sus nombres posibles.</translation>
    </message>
    <message>
        <source>Cannot open the card set %1: it is not a file.</source>
        <translation>No se puede abrir la baraja %1: no es un archivo.</translation>
    </message>
    <message>
        <source>There is no folder to copy the card set %1 into.</source>
        <translation>No hay ninguna carpeta donde copiar la baraja %1.</translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied into %2.</source>
        <translation>No se puede copiar la baraja %1 en %2.</translation>
    </message>
    <message>
        <source>Copying the card set %1 was stopped.</source>
        <translation>Se detuvo la copia de la baraja %1.</translation>
    </message>
</context>
<context>
    <name>CardSetLoader</name>
    <message>
        <source>It has not been opened.</source>
        <translation>No se ha abierto.</translation>
    </message>
    <message>
        <source>Face image %1 is not usable: %2</source>
        <translation>La imagen de carta %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be used. %2</source>
        <translation>La baraja «%1» no se puede usar. %2</translation>
    </message>
    <message>
        <source>Its advert picture is not usable: %1</source>
        <translation>Su imagen de anuncio no se puede usar: %1</translation>
    </message>
    <message>
        <source>Its card back is not usable: %1</source>
        <translation>Su reverso de carta no se puede usar: %1</translation>
    </message>
    <message>
        <source>Checking its faces takes too long.</source>
        <translation>Comprobar sus imágenes tarda demasiado.</translation>
    </message>
    <message>
        <source>It has no face image %1.</source>
        <translation>Le falta la imagen de carta %1.</translation>
    </message>
    <message>
        <source>Face image %1 cannot be read: %2</source>
        <translation>La imagen de carta %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>Its faces need more memory than a game may use.</source>
        <translation>Sus imágenes necesitan más memoria de la que puede usar una partida.</translation>
    </message>
    <message>
        <source>Its faces could not all be read.</source>
        <translation>No se han podido leer todas sus imágenes.</translation>
    </message>
    <message>
        <source>The sound of face %1 is not usable: %2</source>
        <translation>El sonido de la imagen %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>The sound of face %1 cannot be read: %2</source>
        <translation>El sonido de la imagen %1 no se puede leer: %2</translation>
    </message>
</context>
<context>
    <name>Deckwright</name>
    <message>
        <source>A card set needs a title.</source>
        <translation>Una baraja necesita un título.</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; %n given.</source>
        <translation>
            <numerusform>Una baraja necesita al menos %1 imágenes; se ha dado %n.</numerusform>
            <numerusform>Una baraja necesita al menos %1 imágenes; se han dado %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card box may be at most 2048 x 2048 pixels.</source>
        <translation>El tamaño de carta puede ser como mucho de 2048 x 2048 píxeles.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Comprobando %1</translation>
    </message>
    <message>
        <source>%1: a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation>%1: una imagen %2 entre imágenes %3; todas las imágenes de una baraja deben tener el mismo formato.</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Anuncio</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Adding %1</source>
        <translation>Añadiendo %1</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation>%1: no se puede escribir (%2).</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>comprimido</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>mapa de bits</translation>
    </message>
    <message>
        <source>plain</source>
        <translation>sin comprimir</translation>
    </message>
    <message>
        <source>header</source>
        <translation>cabecera</translation>
    </message>
    <message>
        <source>advert</source>
        <translation>anuncio</translation>
    </message>
    <message>
        <source>back</source>
        <translation>reverso</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>imagen %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: not a card set (it has %n entries, a set at least 3).</source>
        <translation>
            <numerusform>%1: no es una baraja (tiene %n entrada y una baraja, al menos 3).</numerusform>
            <numerusform>%1: no es una baraja (tiene %n entradas y una baraja, al menos 3).</numerusform>
        </translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>Card box:</source>
        <translation>Tamaño de carta:</translation>
    </message>
    <message>
        <source>Faces:</source>
        <translation>Imágenes:</translation>
    </message>
    <message>
        <source>Face format:</source>
        <translation>Formato de imagen:</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>role</source>
        <translation>función</translation>
    </message>
    <message>
        <source>storage</source>
        <translation>almacenamiento</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>guardado</translation>
    </message>
    <message>
        <source>delivered</source>
        <translation>entregado</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>La opción %1 necesita un valor.</translation>
    </message>
    <message>
        <source>The card box &quot;%1&quot; is not WIDTHxHEIGHT (1 to 2048 each).</source>
        <translation>El tamaño de carta «%1» no tiene la forma ANCHOxALTO (de 1 a 2048 cada uno).</translation>
    </message>
    <message>
        <source>Unknown option %1 (see dkwright help).</source>
        <translation>Opción desconocida %1 (consulta dkwright help).</translation>
    </message>
    <message>
        <source>Name the card set to write with -o FILE.crd.</source>
        <translation>Indica la baraja que se va a escribir con -o ARCHIVO.crd.</translation>
    </message>
    <message>
        <source>Give the card set a title with --title.</source>
        <translation>Ponle un título a la baraja con --title.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n faces, %2 bytes.</source>
        <translation>
            <numerusform>%1 escrito: %n imagen, %2 bytes.</numerusform>
            <numerusform>%1 escrito: %n imágenes, %2 bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name one card set: dkwright info FILE.crd</source>
        <translation>Indica una baraja: dkwright info ARCHIVO.crd</translation>
    </message>
    <message>
        <source>Say what to do: dkwright build or dkwright info (dkwright help tells more).</source>
        <translation>Di qué hacer: dkwright build o dkwright info (dkwright help explica más).</translation>
    </message>
    <message>
        <source>Unknown command %1 (see dkwright help).</source>
        <translation>Orden desconocida %1 (consulta dkwright help).</translation>
    </message>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation>No hay memoria suficiente para crear la baraja.</translation>
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
        <translation>Deckwright crea barajas para Kovalent Tesselo.

  dkwright                 (sin argumentos) abre la ventana
  dkwright build -o SALIDA.crd --title TÍTULO [opciones] IMAGEN...
  dkwright info ARCHIVO.crd
  dkwright help

build: crea una baraja con las imágenes dadas. Una IMAGEN es una imagen GIF, JPEG o BMP (el
formato se reconoce por el contenido, no por el nombre) o una carpeta, de la que se toman
todas esas imágenes, ordenadas por nombre. Todas las imágenes deben tener el mismo formato, y
una baraja necesita al menos 8, porque una partida reparte al menos 8 parejas. Los GIF
animados siguen animados.

  -o, --output ARCHIVO  la baraja que se escribe (se sustituye entera o, si hay un error,
                        queda intacta)
  --title TÍTULO        el nombre que muestra el juego (255 caracteres como mucho)
  --link URL            se abre al hacer clic en el anuncio de la pantalla de puntos
  --size AxA            el tamaño de carta al que se ajustan las imágenes. Si no se indica,
                        es el tamaño que tienen la mayoría de las imágenes, ampliado o reducido
                        con sus proporciones hasta el mayor tamaño que cabe en 120x90: las
                        fotos 4:3 dan 120x90, las imágenes cuadradas 90x90 y las verticales
                        3:4 dan 68x90.
  --advert IMAGEN       la imagen de la pantalla de puntos (se muestra estirada a 178x170);
                        si no se indica, se dibuja a partir del título
  --back IMAGEN         el reverso de las cartas; si no se indica, se dibuja a partir del título
  --compress            guarda las imágenes comprimidas con zlib (vale la pena con imágenes BMP)
  --keep-size           guarda cada imagen tal como es. Sin esta opción, las imágenes mayores
                        que el doble del tamaño de carta se reducen al doble de ese tamaño y se
                        vuelven a codificar en su propio formato, para que las barajas de fotos
                        de cámara sigan siendo pequeñas.

info: muestra el título, el enlace, el tamaño de carta, el número y el formato de las imágenes
de una baraja, y sus entradas.
</translation>
    </message>
    <message>
        <source>The title is %1 characters long; at most %2 fit.</source>
        <translation>El título tiene %1 caracteres; caben como mucho %2.</translation>
    </message>
    <message>
        <source>The link is %1 characters long; at most %2 fit.</source>
        <translation>El enlace tiene %1 caracteres; caben como mucho %2.</translation>
    </message>
    <message>
        <source>Write the card box as WIDTHxHEIGHT, 1 to 2048 each, or leave it empty.</source>
        <translation>Escribe el tamaño de carta como ANCHOxALTO, de 1 a 2048 cada uno, o déjalo vacío.</translation>
    </message>
    <message>
        <source>%1 is a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation>%1 es una imagen %2 entre imágenes %3; todas las imágenes de una baraja deben tener el mismo formato.</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; add %n more.</source>
        <translation>
            <numerusform>Una baraja necesita al menos %1 imágenes; añade %n más.</numerusform>
            <numerusform>Una baraja necesita al menos %1 imágenes; añade %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the picture cannot be read.</source>
        <translation>%1: la imagen no se puede leer.</translation>
    </message>
    <message>
        <source>%1: the folder holds no GIF, JPEG or BMP pictures.</source>
        <translation>%1: la carpeta no tiene imágenes GIF, JPEG ni BMP.</translation>
    </message>
    <message>
        <source>%1: no such file or folder.</source>
        <translation>%1: no existe ese archivo ni esa carpeta.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>cannot be read (%1).</source>
        <translation>no se puede leer (%1).</translation>
    </message>
    <message>
        <source>larger than %1 MB, too large for a card set.</source>
        <translation>más de %1 MB, demasiado grande para una baraja.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>el archivo está vacío.</translation>
    </message>
    <message>
        <source>not a GIF, JPEG or BMP picture.</source>
        <translation>no es una imagen GIF, JPEG ni BMP.</translation>
    </message>
    <message>
        <source>the picture cannot be read.</source>
        <translation>la imagen no se puede leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card of %2 x %3 pixels.</source>
        <translation>«%1» no cabe en una carta de %2 x %3 píxeles.</translation>
    </message>
    <message>
        <source>face %1 (%2)</source>
        <translation>imagen %1 (%2)</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>pair table</source>
        <translation>tabla de parejas</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sonido</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Parejas:</translation>
    </message>
    <message>
        <source>A set made with --pairs takes its faces from the table alone; %1 is one too many.</source>
        <translation>Un juego hecho con --pairs toma sus imágenes solo de la tabla; %1 sobra.</translation>
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
  dkwright build -o SALIDA.crd --title TÍTULO [opciones] --pairs TABLA.tsv

hace un juego cuyas parejas son dos cartas distintas a partir de una tabla UTF-8 en
lugar de argumentos IMAGEN: una pareja por línea, IZQUIERDA&lt;TAB&gt;DERECHA; se pasan por
alto las líneas vacías y las que empiezan por #. Un lado es
  IMAGEN           un archivo GIF, JPEG o BMP (todas las imágenes en un formato)
  SONIDO.wav       un sonido: WAV PCM, 1 o 2 canales, 8 a 48 kHz, 10 s como mucho
  text:PALABRA     una palabra en el primer idioma del juego, traducida por las columnas
  text.LANG:PALABRA  una palabra solo del idioma LANG («text.de:Hund»)
Los archivos son relativos a la carpeta de la tabla y no pueden salir de ella. La
primera línea puede nombrar las columnas: left[:LANG]&lt;TAB&gt;right[:LANG] (LANG, como en
o pt_BR, es el primer idioma del juego; en si no se nombra), y luego columnas
left:LANG o right:LANG que dan el nombre (imagen), el rótulo (sonido) o la traducción
(palabra) de ese lado en LANG:
  left:en&lt;TAB&gt;right:en&lt;TAB&gt;left:de&lt;TAB&gt;right:de
  cat.jpg&lt;TAB&gt;text:cat&lt;TAB&gt;Katze&lt;TAB&gt;Katze
  bark.wav&lt;TAB&gt;dog.jpg&lt;TAB&gt;Bellen&lt;TAB&gt;Hund
Un juego necesita al menos 8 parejas y admite como mucho 8 idiomas y 200 caracteres por
texto. Las palabras y los sonidos reciben imágenes dibujadas en el formato de las
imágenes (GIF sin imágenes), así que las versiones antiguas del juego siguen jugándolo,
como imágenes sueltas repartidas dos veces. info también lista las parejas de tal juego.
</translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 pairs; %n given.</source>
        <translation>
            <numerusform>Un juego de cartas necesita al menos %1 parejas; se dio %n.</numerusform>
            <numerusform>Un juego de cartas necesita al menos %1 parejas; se dieron %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pairs and sounds</source>
        <translation>Parejas y sonidos</translation>
    </message>
    <message>
        <source>not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>There is no room for a copy to check the set in (%1).</source>
        <translation>No hay sitio para una copia en la que comprobar la baraja (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code; write codes such as en, de or pt_BR.</source>
        <translation>«%1» no es un código de idioma; escribe códigos como en, de o pt_BR.</translation>
    </message>
    <message>
        <source>Name at least one language, such as en.</source>
        <translation>Indica al menos un idioma, como en.</translation>
    </message>
    <message>
        <source>A set may have at most %1 languages.</source>
        <translation>Una baraja puede tener como mucho %1 idiomas.</translation>
    </message>
    <message>
        <source>Write the word in %1.</source>
        <translation>Escribe la palabra en %1.</translation>
    </message>
    <message>
        <source>Choose the other picture.</source>
        <translation>Elige la otra imagen.</translation>
    </message>
    <message>
        <source>Choose the sound.</source>
        <translation>Elige el sonido.</translation>
    </message>
    <message>
        <source>%1 is a %2 picture among %3 faces; all pictures of a set must share one format.</source>
        <translation>%1 es una imagen %2 entre imágenes %3; todas las imágenes de una baraja deben tener el mismo formato.</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carta %1: %2</translation>
    </message>
    <message>
        <source>a set may have at most %1 languages.</source>
        <translation>una baraja puede tener como mucho %1 idiomas.</translation>
    </message>
    <message>
        <source>column %1 is &quot;%2&quot;; the columns are left, right, then left:LANG or right:LANG (LANG a code such as en or pt_BR), and the first two share their language.</source>
        <translation>la columna %1 es «%2»; las columnas son left, right, y después left:LANG o right:LANG (LANG un código como en o pt_BR), y las dos primeras comparten idioma.</translation>
    </message>
    <message>
        <source>a text longer than %1 characters.</source>
        <translation>un texto de más de %1 caracteres.</translation>
    </message>
    <message>
        <source>a text with control characters.</source>
        <translation>un texto con caracteres de control.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file inside the table&apos;s folder.</source>
        <translation>«%1» no es un archivo de la carpeta de la tabla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file.</source>
        <translation>«%1»: no existe ese archivo.</translation>
    </message>
    <message>
        <source>a word card without a word.</source>
        <translation>una carta de palabra sin palabra.</translation>
    </message>
    <message>
        <source>a side is empty; each line is LEFT&lt;TAB&gt;RIGHT.</source>
        <translation>un lado está vacío; cada línea es IZQUIERDA&lt;TAB&gt;DERECHA.</translation>
    </message>
    <message>
        <source>%1 columns; a pair is LEFT&lt;TAB&gt;RIGHT, with at most %2 columns in all.</source>
        <translation>%1 columnas; una pareja es IZQUIERDA&lt;TAB&gt;DERECHA, con %2 columnas como mucho en total.</translation>
    </message>
    <message>
        <source>a set may have at most %1 pairs.</source>
        <translation>una baraja puede tener como mucho %1 parejas.</translation>
    </message>
    <message>
        <source>column %1 gives a word a second text (a word of one language takes no translation).</source>
        <translation>la columna %1 da a una palabra un segundo texto (una palabra de un solo idioma no se traduce).</translation>
    </message>
    <message>
        <source>not UTF-8 text.</source>
        <translation>no es texto UTF-8.</translation>
    </message>
</context>
<context>
    <name>Encoders</name>
    <message>
        <source>An empty picture cannot be written as BMP.</source>
        <translation>Una imagen vacía no se puede guardar como BMP.</translation>
    </message>
    <message>
        <source>The BMP picture could not be written.</source>
        <translation>No se ha podido guardar la imagen BMP.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>The GIF picture could not be written: %1.</source>
        <translation>No se ha podido guardar la imagen GIF: %1.</translation>
    </message>
    <message>
        <source>The GIF picture could not be written: out of memory.</source>
        <translation>No se ha podido guardar la imagen GIF: no hay memoria suficiente.</translation>
    </message>
    <message>
        <source>A GIF picture needs at least one frame.</source>
        <translation>Una imagen GIF necesita al menos un fotograma.</translation>
    </message>
    <message>
        <source>A GIF picture must be between 1 and 65535 pixels on each side.</source>
        <translation>Una imagen GIF debe medir entre 1 y 65535 píxeles por cada lado.</translation>
    </message>
    <message>
        <source>All frames of a GIF picture must have the same size.</source>
        <translation>Todos los fotogramas de una imagen GIF deben tener el mismo tamaño.</translation>
    </message>
    <message>
        <source>A JPEG picture must be between 1 and 65500 pixels on each side.</source>
        <translation>Una imagen JPEG debe medir entre 1 y 65500 píxeles por cada lado.</translation>
    </message>
    <message>
        <source>The JPEG picture could not be written: %1.</source>
        <translation>No se ha podido guardar la imagen JPEG: %1.</translation>
    </message>
</context>
<context>
    <name>GameEngine</name>
    <message>
        <source>This set of cards is damaged and cannot be played.</source>
        <translation>Esta baraja está dañada y no se puede jugar con ella.</translation>
    </message>
    <message>
        <source>This set of cards does not contain enough images!</source>
        <translation>¡Esta baraja no tiene suficientes imágenes!</translation>
    </message>
    <message numerus="yes">
        <source>A board of %n pairs cannot be laid out.</source>
        <translation>
            <numerusform>No se puede montar un tablero de %n pareja.</numerusform>
            <numerusform>No se puede montar un tablero de %n parejas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>No hay ganador</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Ha ganado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (pairs: %n)</source>
        <translation>
            <numerusform>%1 (parejas: %n)</numerusform>
            <numerusform>%1 (parejas: %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettings</name>
    <message>
        <source>The settings store could not be opened.</source>
        <translation>No se ha podido abrir el lugar donde se guardan los ajustes.</translation>
    </message>
</context>
<context>
    <name>GifImage</name>
    <message>
        <source>it ends early</source>
        <translation>termina antes de tiempo</translation>
    </message>
    <message>
        <source>it is not in GIF format</source>
        <translation>no está en formato GIF</translation>
    </message>
    <message>
        <source>it has no screen description</source>
        <translation>le falta la descripción de pantalla</translation>
    </message>
    <message>
        <source>a frame has no image description</source>
        <translation>a un fotograma le falta la descripción de imagen</translation>
    </message>
    <message>
        <source>it has no colour table</source>
        <translation>le falta la tabla de colores</translation>
    </message>
    <message>
        <source>it holds a record of an unknown kind</source>
        <translation>contiene un bloque de un tipo desconocido</translation>
    </message>
    <message>
        <source>a frame holds more pixels than its size</source>
        <translation>un fotograma tiene más píxeles de los que caben en su tamaño</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>its image data is defective</source>
        <translation>sus datos de imagen son defectuosos</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>The picture is not a GIF picture.</source>
        <translation>La imagen no es una imagen GIF.</translation>
    </message>
    <message>
        <source>The GIF picture cannot be read (%1).</source>
        <translation>La imagen GIF no se puede leer (%1).</translation>
    </message>
    <message>
        <source>There is not enough memory for the GIF picture.</source>
        <translation>No hay memoria suficiente para la imagen GIF.</translation>
    </message>
    <message>
        <source>The GIF picture is incomplete.</source>
        <translation>La imagen GIF está incompleta.</translation>
    </message>
    <message>
        <source>The GIF picture is damaged (%1).</source>
        <translation>La imagen GIF está dañada (%1).</translation>
    </message>
    <message>
        <source>The GIF picture holds no image.</source>
        <translation>La imagen GIF no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>The GIF picture needs more memory than a card face may use.</source>
        <translation>La imagen GIF necesita más memoria de la que puede usar una imagen de carta.</translation>
    </message>
    <message numerus="yes">
        <source>The GIF picture has more than %n frames.</source>
        <translation>
            <numerusform>La imagen GIF tiene más de %n fotograma.</numerusform>
            <numerusform>La imagen GIF tiene más de %n fotogramas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The GIF picture has no colour table.</source>
        <translation>La imagen GIF no tiene tabla de colores.</translation>
    </message>
</context>
<context>
    <name>ImageLimits</name>
    <message>
        <source>The %1 picture has no size.</source>
        <translation>La imagen %1 no tiene tamaño.</translation>
    </message>
    <message>
        <source>The %1 picture is too large (%2 x %3 pixels; at most %4 x %5).</source>
        <translation>La imagen %1 es demasiado grande (%2 x %3 píxeles; como mucho %4 x %5).</translation>
    </message>
    <message>
        <source>The %1 picture needs more memory than a card face may use.</source>
        <translation>La imagen %1 necesita más memoria de la que puede usar una imagen de carta.</translation>
    </message>
    <message>
        <source>Reading the picture was stopped.</source>
        <translation>Se detuvo la lectura de la imagen.</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>The JPEG picture has too many scans.</source>
        <translation>La imagen JPEG tiene demasiadas pasadas.</translation>
    </message>
    <message>
        <source>The JPEG picture cannot be read.</source>
        <translation>La imagen JPEG no se puede leer.</translation>
    </message>
    <message>
        <source>There is not enough memory for the JPEG picture.</source>
        <translation>No hay memoria suficiente para la imagen JPEG.</translation>
    </message>
    <message>
        <source>The JPEG picture is damaged.</source>
        <translation>La imagen JPEG está dañada.</translation>
    </message>
    <message>
        <source>The JPEG picture is damaged or incomplete.</source>
        <translation>La imagen JPEG está dañada o incompleta.</translation>
    </message>
    <message>
        <source>The JPEG picture is empty.</source>
        <translation>La imagen JPEG está vacía.</translation>
    </message>
    <message>
        <source>The JPEG decoder cannot be started.</source>
        <translation>No se puede iniciar el descodificador JPEG.</translation>
    </message>
</context>
<context>
    <name>KVRStream</name>
    <message numerus="yes">
        <source>Archive entry %1 does not exist; the archive has %n entries.</source>
        <translation>
            <numerusform>La entrada %1 del archivo no existe; el archivo tiene %n entrada.</numerusform>
            <numerusform>La entrada %1 del archivo no existe; el archivo tiene %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Archive entry %1 reaches past the end of the archive.</source>
        <translation>La entrada %1 del archivo pasa del final del archivo.</translation>
    </message>
    <message>
        <source>Cannot open the archive %1: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive ends early.</source>
        <translation>La entrada %1 del archivo no se puede leer: el archivo termina antes de tiempo.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be inflated: out of memory.</source>
        <translation>La entrada %1 del archivo no se puede descomprimir: no hay memoria suficiente.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: writing the destination failed.</source>
        <translation>La entrada %1 del archivo no se puede entregar: ha fallado la escritura del destino.</translation>
    </message>
    <message>
        <source>Archive entry %1 holds truncated compressed data.</source>
        <translation>La entrada %1 del archivo contiene datos comprimidos cortados.</translation>
    </message>
    <message>
        <source>Archive entry %1 holds corrupt compressed data.</source>
        <translation>La entrada %1 del archivo contiene datos comprimidos dañados.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: the destination cannot be rewound.</source>
        <translation>La entrada %1 del archivo no se puede entregar: no se puede volver al principio del destino.</translation>
    </message>
    <message>
        <source>Archive entry %1 inflates beyond the largest size allowed.</source>
        <translation>La entrada %1 del archivo, descomprimida, supera el tamaño permitido.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive has no stream.</source>
        <translation>La entrada %1 del archivo no se puede leer: el archivo no tiene flujo de datos.</translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: seeking in the archive failed.</source>
        <translation>La entrada %1 del archivo no se puede leer: ha fallado el desplazamiento en el archivo.</translation>
    </message>
</context>
<context>
    <name>KVRWriter</name>
    <message>
        <source>Compressing an archive entry failed.</source>
        <translation>Ha fallado la compresión de una entrada del archivo.</translation>
    </message>
    <message>
        <source>An archive entry cannot hold 2 GiB or more.</source>
        <translation>Una entrada de archivo no puede contener 2 GiB o más.</translation>
    </message>
    <message>
        <source>The archive cannot grow to 2 GiB or more.</source>
        <translation>El archivo no puede llegar a 2 GiB o más.</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>KVRichEdOLE</name>
    <message>
        <source>Failed to Load Stream</source>
        <translation>No se ha podido cargar el texto</translation>
    </message>
</context>
<context>
    <name>KVUtils</name>
    <message>
        <source>Unable to connect to %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>No se ha encontrado un navegador web predeterminado</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>No se puede enviar un correo a %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>No se ha encontrado un programa de correo predeterminado</translation>
    </message>
</context>
<context>
    <name>KVstring</name>
    <message>
        <source>Stream write error: %1.</source>
        <translation>Error de escritura: %1.</translation>
    </message>
</context>
<context>
    <name>PairTable</name>
    <message>
        <source>Its pair table has a %1 that is not text.</source>
        <translation>Su tabla de parejas tiene un campo «%1» que no es texto.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 longer than %2 characters.</source>
        <translation>Su tabla de parejas tiene un campo «%1» de más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 with control characters.</source>
        <translation>Su tabla de parejas tiene un campo «%1» con caracteres de control.</translation>
    </message>
    <message>
        <source>Its pair table has a %1 out of range.</source>
        <translation>Su tabla de parejas tiene un campo «%1» fuera de rango.</translation>
    </message>
    <message>
        <source>Its pair table does not list at most %1 languages.</source>
        <translation>Su tabla de parejas no enumera como mucho %1 idiomas.</translation>
    </message>
    <message>
        <source>Its pair table has a language code that is not one (&quot;en&quot;, &quot;pt_BR&quot;).</source>
        <translation>Su tabla de parejas tiene un código de idioma que no lo es («en», «pt_BR»).</translation>
    </message>
    <message>
        <source>Its pair table has a face that is not a picture, word or sound.</source>
        <translation>Su tabla de parejas tiene una imagen que no es imagen, palabra ni sonido.</translation>
    </message>
    <message>
        <source>Its pair table has a face that is not described.</source>
        <translation>Su tabla de parejas tiene una imagen que no está descrita.</translation>
    </message>
    <message>
        <source>Its pair table has texts that are not given per language.</source>
        <translation>Su tabla de parejas tiene textos que no se dan por idioma.</translation>
    </message>
    <message>
        <source>Its pair table has a text in a language it does not list.</source>
        <translation>Su tabla de parejas tiene un texto en un idioma que no enumera.</translation>
    </message>
    <message>
        <source>Its pair table has a word of one language without its text in that language.</source>
        <translation>Su tabla de parejas tiene una palabra de un solo idioma sin su texto en ese idioma.</translation>
    </message>
    <message>
        <source>Its pair table has a word without a text.</source>
        <translation>Su tabla de parejas tiene una palabra sin texto.</translation>
    </message>
    <message>
        <source>Its pair table gives a sound to a face that is not one.</source>
        <translation>Su tabla de parejas da un sonido a una imagen que no lo es.</translation>
    </message>
    <message>
        <source>Its pair table puts more than two faces in pair %1.</source>
        <translation>Su tabla de parejas pone más de dos imágenes en la pareja %1.</translation>
    </message>
    <message>
        <source>Its pair table is larger than %1 KiB.</source>
        <translation>Su tabla de parejas ocupa más de %1 KiB.</translation>
    </message>
    <message>
        <source>Its pair table does not start as one.</source>
        <translation>Su tabla de parejas no empieza como tal.</translation>
    </message>
    <message>
        <source>Its pair table is damaged.</source>
        <translation>Su tabla de parejas está dañada.</translation>
    </message>
    <message>
        <source>Its pair table is of a version this game does not know.</source>
        <translation>Su tabla de parejas es de una versión que este juego no conoce.</translation>
    </message>
    <message>
        <source>Its pair table does not have an even number of faces, from 2 to %1.</source>
        <translation>Su tabla de parejas no tiene un número par de imágenes, de 2 a %1.</translation>
    </message>
</context>
<context>
    <name>RegistryFile</name>
    <message>
        <source>The settings store cannot hold a line break.</source>
        <translation>Los ajustes no pueden contener un salto de línea.</translation>
    </message>
    <message>
        <source>A settings key needs a path.</source>
        <translation>Una clave de ajustes necesita una ruta.</translation>
    </message>
    <message>
        <source>The damaged settings file %1 could not be kept aside.</source>
        <translation>No se ha podido apartar el archivo de ajustes dañado %1.</translation>
    </message>
    <message>
        <source>Too many damaged copies of %1 are kept; it is left as it is.</source>
        <translation>Se guardan demasiadas copias dañadas de %1; se deja tal como está.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;.</source>
        <translation>Tipo de datos no válido para «%1».</translation>
    </message>
    <message>
        <source>No settings key is open.</source>
        <translation>No hay ninguna clave de ajustes abierta.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a file.</source>
        <translation>El archivo de ajustes %1 no es un archivo.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de ajustes %1: %2</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be created.</source>
        <translation>No se puede crear la carpeta de %1.</translation>
    </message>
</context>
<context>
    <name>SkinEntries</name>
    <message>
        <source>Picture %1 of %2 is damaged and cannot be shown.</source>
        <translation>La imagen %1 de %2 está dañada y no se puede mostrar.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>%1 is already running, but it did not take the card set %2.</source>
        <translation>%1 ya está abierto, pero no ha tomado la baraja %2.</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>¡%1 falta o está dañado!</translation>
    </message>
    <message>
        <source>Error initializing application</source>
        <translation>Error al iniciar el programa</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Original concept and design by</source>
        <translation>Idea y diseño originales de</translation>
    </message>
    <message>
        <source>The artwork of the animated card sets belongs to Pixelgarten Studio</source>
        <translation>Los dibujos de las barajas animadas pertenecen a Pixelgarten Studio</translation>
    </message>
    <message>
        <source>and is used with its kind permission.</source>
        <translation>y se usan con su amable permiso.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Kovalent Games Ltd.</source>
        <translation>Copyright © 2026 Kovalent Games Ltd.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
</context>
<context>
    <name>TBoardGrid</name>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>row %1, column %2, face down</source>
        <translation>fila %1, columna %2, boca abajo</translation>
    </message>
    <message>
        <source>row %1, column %2, face up, picture %3</source>
        <translation>fila %1, columna %2, boca arriba, imagen %3</translation>
    </message>
    <message>
        <source>row %1, column %2, removed, picture %3</source>
        <translation>fila %1, columna %2, retirada, imagen %3</translation>
    </message>
    <message>
        <source>row %1, column %2, face up, %3</source>
        <translation>fila %1, columna %2, boca arriba, %3</translation>
    </message>
    <message>
        <source>row %1, column %2, removed, %3</source>
        <translation>fila %1, columna %2, retirada, %3</translation>
    </message>
</context>
<context>
    <name>TBrowseDWForm</name>
    <message>
        <source>Program files (*)</source>
        <translation>Programas (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot find dkwright.exe file!</source>
        <translation>¡No se encuentra el archivo dkwright.exe!</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TBuilderLauncher</name>
    <message>
        <source>Unable to start %1</source>
        <translation>No se puede iniciar %1</translation>
    </message>
</context>
<context>
    <name>TDeckBuildJob</name>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation>No hay memoria suficiente para crear la baraja.</translation>
    </message>
    <message>
        <source>Reading the set as the game will</source>
        <translation>Leyendo la baraja como la leerá el juego</translation>
    </message>
</context>
<context>
    <name>TDeckwrightWindow</name>
    <message>
        <source>Deckwright: card sets for %1</source>
        <translation>Deckwright: barajas para %1</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Añadir imágenes…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>◀ Earlier</source>
        <translation>◀ Antes</translation>
    </message>
    <message>
        <source>Later ▶</source>
        <translation>Después ▶</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Baraja</translation>
    </message>
    <message>
        <source>the name the game lists</source>
        <translation>el nombre que muestra el juego</translation>
    </message>
    <message>
        <source>optional, opened from the score screen</source>
        <translation>opcional, se abre desde la pantalla de puntos</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT in pixels; empty fits the faces&apos; proportions into 120x90</source>
        <translation>ANCHOxALTO en píxeles; si está vacío, las imágenes caben en 120x90 con sus proporciones</translation>
    </message>
    <message>
        <source>Advert</source>
        <translation>Anuncio</translation>
    </message>
    <message>
        <source>Choose the advert</source>
        <translation>Elegir el anuncio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Choose the back</source>
        <translation>Elegir el reverso</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Card box</source>
        <translation>Tamaño de carta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Play with it</source>
        <translation>Jugar con ella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add the pictures of a folder</source>
        <translation>Añadir las imágenes de una carpeta</translation>
    </message>
    <message>
        <source>automatic: %1x%2</source>
        <translation>automático: %1x%2</translation>
    </message>
    <message>
        <source>No faces yet: a set needs at least %1 pictures.</source>
        <translation>Todavía no hay imágenes: una baraja necesita al menos %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n faces: too few for the smallest game of %1 pairs.</source>
        <translation>
            <numerusform>%n imagen: muy pocas para la partida más pequeña, de %1 parejas.</numerusform>
            <numerusform>%n imágenes: muy pocas para la partida más pequeña, de %1 parejas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n faces: this set can be played with up to %1 pairs (%2 of the game&apos;s %3 pair counts).</source>
        <translation>
            <numerusform>%n imagen: con esta baraja se puede jugar con hasta %1 parejas (%2 de los %3 números de parejas del juego).</numerusform>
            <numerusform>%n imágenes: con esta baraja se puede jugar con hasta %1 parejas (%2 de los %3 números de parejas del juego).</numerusform>
        </translation>
    </message>
    <message>
        <source>Save writes &lt;b&gt;%1&lt;/b&gt; into the game&apos;s cards folder, %2</source>
        <translation>Guardar escribe &lt;b&gt;%1&lt;/b&gt; en la carpeta de cartas del juego, %2</translation>
    </message>
    <message>
        <source>The set cannot be saved yet.</source>
        <translation>La baraja todavía no se puede guardar.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be written, so the set cannot be saved.</source>
        <translation>No se puede escribir ni en %1 ni en %2, así que la baraja no se puede guardar.</translation>
    </message>
    <message>
        <source>%1 already holds a card set named %2.

Replace it?</source>
        <translation>%1 ya tiene una baraja llamada %2.

¿Sustituirla?</translation>
    </message>
    <message>
        <source>The set was not saved.</source>
        <translation>La baraja no se ha guardado.</translation>
    </message>
    <message>
        <source>Saved %1 into %2.</source>
        <translation>%1 guardada en %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own cards folder, %1, cannot be written.</source>
        <translation>No se puede escribir en la carpeta de cartas del juego, %1.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Cancelado: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>This set has not been saved. Start the game without it?</source>
        <translation>Esta baraja no se ha guardado. ¿Empezar el juego sin ella?</translation>
    </message>
    <message>
        <source>%1 is already running.</source>
        <translation>%1 ya está abierto.</translation>
    </message>
    <message>
        <source>The game is not beside Deckwright (%1), so it cannot be started from here.</source>
        <translation>El juego no está junto a Deckwright (%1), así que no se puede iniciar desde aquí.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>No se ha podido iniciar %1.</translation>
    </message>
    <message>
        <source>Partner…</source>
        <translation>Pareja…</translation>
    </message>
    <message>
        <source>What the chosen card pairs with: the same picture, another picture, a word or a sound</source>
        <translation>Con qué forma pareja la carta elegida: la misma imagen, otra imagen, una palabra o un sonido</translation>
    </message>
    <message>
        <source>The languages of the names and words of cards with a partner, such as en de fr; the first is shown when a player&apos;s is missing</source>
        <translation>Los idiomas de los nombres y palabras de las cartas con pareja, como en de fr; el primero se muestra cuando falta el del jugador</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Choose a card among the faces first.</source>
        <translation>Elige primero una carta entre las imágenes.</translation>
    </message>
</context>
<context>
    <name>TFaceGrid</name>
    <message>
        <source>Drop pictures or folders of pictures here, or add them with the buttons below.

GIF, JPEG or BMP, all of one kind; at least 8.</source>
        <translation>Suelta aquí imágenes o carpetas de imágenes, o añádelas con los botones de abajo.

GIF, JPEG o BMP, todas del mismo tipo; al menos 8.</translation>
    </message>
    <message>
        <source>pairs with the picture %1</source>
        <translation>forma pareja con la imagen %1</translation>
    </message>
    <message>
        <source>pairs with the word &quot;%1&quot;</source>
        <translation>forma pareja con la palabra «%1»</translation>
    </message>
    <message>
        <source>pairs with the sound %1</source>
        <translation>forma pareja con el sonido %1</translation>
    </message>
    <message>
        <source>pairs with the sound %1 (&quot;%2&quot;)</source>
        <translation>forma pareja con el sonido %1 («%2»)</translation>
    </message>
    <message>
        <source>pairs with itself</source>
        <translation>forma pareja consigo misma</translation>
    </message>
</context>
<context>
    <name>TGameTable</name>
    <message>
        <source>The game you left could not be read.</source>
        <translation>No se pudo leer la última partida.</translation>
    </message>
    <message>
        <source>The cards of the game you left have changed.</source>
        <translation>Las cartas de la última partida han cambiado.</translation>
    </message>
    <message>
        <source>The cards of the game you left are gone.</source>
        <translation>Las cartas de la última partida ya no están.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>There is no card set in %1, so no game can start.</source>
        <translation>No hay ninguna baraja en %1, así que no puede empezar ninguna partida.</translation>
    </message>
    <message>
        <source>Your settings could not be saved. %1</source>
        <translation>No se han podido guardar tus ajustes. %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Elige las opciones</translation>
    </message>
    <message>
        <source>The card game of memory and matching pairs</source>
        <translation>El juego de cartas de memoria y parejas</translation>
    </message>
    <message>
        <source>New card sets at %1</source>
        <translation>Barajas nuevas en %1</translation>
    </message>
    <message>
        <source>About Kovalent Tesselo</source>
        <translation>Acerca de Kovalent Tesselo</translation>
    </message>
    <message>
        <source>%1 turns row %2, column %3: picture %4.</source>
        <translation>%1 descubre fila %2, columna %3: imagen %4.</translation>
    </message>
    <message>
        <source>No pair: picture %1 and picture %2. The turn passes to %3.</source>
        <translation>No hay pareja: imagen %1 e imagen %2. Le toca a %3.</translation>
    </message>
    <message>
        <source>Pair of picture %1 for %2. That was the last pair.</source>
        <translation>Pareja de la imagen %1 para %2. Era la última pareja.</translation>
    </message>
    <message>
        <source>Pair of picture %1 for %2, who plays again.</source>
        <translation>Pareja de la imagen %1 para %2, que vuelve a jugar.</translation>
    </message>
    <message>
        <source>%1 turns row %2, column %3: %4.</source>
        <translation>%1 descubre fila %2, columna %3: %4.</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>imagen %1</translation>
    </message>
    <message>
        <source>No pair: %1 and %2. The turn passes to %3.</source>
        <translation>No hay pareja: %1 y %2. Le toca a %3.</translation>
    </message>
    <message>
        <source>Pair of %1 and %2 for %3. That was the last pair.</source>
        <translation>Pareja de %1 y %2 para %3. Era la última pareja.</translation>
    </message>
    <message>
        <source>Pair of %1 and %2 for %3, who plays again.</source>
        <translation>Pareja de %1 y %2 para %3, que vuelve a jugar.</translation>
    </message>
    <message>
        <source>Pair of %1 for %2. That was the last pair.</source>
        <translation>Pareja de %1 para %2. Era la última pareja.</translation>
    </message>
    <message>
        <source>Pair of %1 for %2, who plays again.</source>
        <translation>Pareja de %1 para %2, que vuelve a jugar.</translation>
    </message>
</context>
<context>
    <name>TOpenedSets</name>
    <message>
        <source>Your card folder already holds a different card set named %1. Replace it?</source>
        <translation>Tu carpeta de cartas ya tiene otra baraja llamada %1. ¿Sustituirla?</translation>
    </message>
    <message>
        <source>Added for the next game: %1</source>
        <translation>Añadida para la próxima partida: %1</translation>
    </message>
    <message>
        <source>Card set added: %1</source>
        <translation>Baraja añadida: %1</translation>
    </message>
    <message>
        <source>Replaced for the next game: %1</source>
        <translation>Sustituida para la próxima partida: %1</translation>
    </message>
    <message>
        <source>Card set replaced: %1</source>
        <translation>Baraja sustituida: %1</translation>
    </message>
    <message>
        <source>Chosen for the next game: %1</source>
        <translation>Elegida para la próxima partida: %1</translation>
    </message>
    <message>
        <source>Card set chosen: %1</source>
        <translation>Baraja elegida: %1</translation>
    </message>
</context>
<context>
    <name>TOptionsPanel</name>
    <message>
        <source>Delay in seconds</source>
        <translation>Espera en segundos</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nombre del jugador 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nombre del jugador 2</translation>
    </message>
    <message>
        <source>Player 3 name</source>
        <translation>Nombre del jugador 3</translation>
    </message>
    <message>
        <source>Player 4 name</source>
        <translation>Nombre del jugador 4</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Jugador ordenador</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Nivel del ordenador</translation>
    </message>
    <message>
        <source>No card sets in %1</source>
        <translation>No hay barajas en %1</translation>
    </message>
    <message>
        <source>Make your own card set</source>
        <translation>Crea tu propia baraja</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Baraja</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Make your own card sets with %1</source>
        <translation>Crea tus propias barajas con %1</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Delay (seconds)</source>
        <translation>Espera (segundos)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
</context>
<context>
    <name>TPartnerDialog</name>
    <message>
        <source>Partner of card %1</source>
        <translation>Pareja de la carta %1</translation>
    </message>
    <message>
        <source>Picture of card %1</source>
        <translation>Imagen de la carta %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Card %1&lt;/b&gt;, %2: a card pairs with the same picture, as in any set, or with another card of its own.</source>
        <translation>&lt;b&gt;Carta %1&lt;/b&gt;, %2: una carta forma pareja con la misma imagen, como en cualquier baraja, o con otra carta propia.</translation>
    </message>
    <message>
        <source>The &amp;same picture</source>
        <translation>La &amp;misma imagen</translation>
    </message>
    <message>
        <source>Another &amp;picture</source>
        <translation>Otra &amp;imagen</translation>
    </message>
    <message>
        <source>A &amp;word</source>
        <translation>Una &amp;palabra</translation>
    </message>
    <message>
        <source>A s&amp;ound (WAV, at most 10 seconds)</source>
        <translation>Un &amp;sonido (WAV, 10 segundos como mucho)</translation>
    </message>
    <message>
        <source>Pairs with:</source>
        <translation>Forma pareja con:</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose the other picture</source>
        <translation>Elegir la otra imagen</translation>
    </message>
    <message>
        <source>Choose the sound</source>
        <translation>Elegir el sonido</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav);;All files (*)</source>
        <translation>Sonidos WAV (*.wav);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Name of the picture</source>
        <translation>Nombre de la imagen</translation>
    </message>
    <message>
        <source>Name of the picture in %1</source>
        <translation>Nombre de la imagen en %1</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Name of the other picture</source>
        <translation>Nombre de la otra imagen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Caption of the sound</source>
        <translation>Leyenda del sonido</translation>
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
        <translation>Imágenes (*.gif *.jpg *.jpeg *.bmp);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Dibujado</translation>
    </message>
    <message>
        <source>Use the picture drawn from the title</source>
        <translation>Usar la imagen dibujada a partir del título</translation>
    </message>
    <message>
        <source>Drawn from the title</source>
        <translation>Dibujado a partir del título</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Player %1: %2</source>
        <translation>Jugador %1: %2</translation>
    </message>
    <message>
        <source>Player %1 pairs: %2</source>
        <translation>Parejas del jugador %1: %2</translation>
    </message>
    <message>
        <source>Advertisement</source>
        <translation>Anuncio</translation>
    </message>
    <message>
        <source>Advertisement: %1</source>
        <translation>Anuncio: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Parejas:</translation>
    </message>
</context>
<context>
    <name>TTesseloApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>WaveClip</name>
    <message>
        <source>Its sound format is cut short.</source>
        <translation>Su formato de sonido está cortado.</translation>
    </message>
    <message>
        <source>Its sound is not uncompressed PCM.</source>
        <translation>Su sonido no es PCM sin comprimir.</translation>
    </message>
    <message>
        <source>Its sound is not 1 or 2 channels of 8 or 16 bits at 8 to 48 kHz.</source>
        <translation>Su sonido no tiene 1 o 2 canales de 8 o 16 bits a 8 a 48 kHz.</translation>
    </message>
    <message>
        <source>Its sound file is larger than 2 MiB.</source>
        <translation>Su archivo de sonido ocupa más de 2 MiB.</translation>
    </message>
    <message>
        <source>Its sound is not a WAV file.</source>
        <translation>Su sonido no es un archivo WAV.</translation>
    </message>
    <message>
        <source>Its sound file is cut short.</source>
        <translation>Su archivo de sonido está cortado.</translation>
    </message>
    <message>
        <source>Its sound data comes before its format.</source>
        <translation>Sus datos de sonido vienen antes de su formato.</translation>
    </message>
    <message>
        <source>Its sound lasts longer than 10 seconds.</source>
        <translation>Su sonido dura más de 10 segundos.</translation>
    </message>
    <message>
        <source>Its sound is silent: it has no samples.</source>
        <translation>Su sonido está mudo: no tiene muestras.</translation>
    </message>
    <message>
        <source>Its sound file has no sound data.</source>
        <translation>Su archivo de sonido no tiene datos de sonido.</translation>
    </message>
</context>
</TS>
