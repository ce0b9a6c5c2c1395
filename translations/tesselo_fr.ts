<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BmpImage</name>
    <message>
        <source>The BMP picture is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is not a BMP picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The BMP picture is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The BMP picture is cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The BMP picture does not give every pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory for the BMP picture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardSetFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the card set %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardSetInstall</name>
    <message>
        <source>The card set %1 cannot be copied into %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card set %1 is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the card set %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied: %2 already holds sets of all its names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the card set %1: it is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder to copy the card set %1 into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card set %1 cannot be copied into %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardSetLoader</name>
    <message>
        <source>It has not been opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face image %1 is not usable: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be used. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its advert picture is not usable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its card back is not usable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking its faces takes too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has no face image %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face image %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its faces need more memory than a game may use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Deckwright</name>
    <message>
        <source>A card set needs a title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; %n given.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The card box may be at most 2048 x 2048 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>advert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: not a card set (it has %n entries, a set at least 3).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card box:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faces:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delivered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card box &quot;%1&quot; is not WIDTHxHEIGHT (1 to 2048 each).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option %1 (see dkwright help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the card set to write with -o FILE.crd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the card set a title with --title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n faces, %2 bytes.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Name one card set: dkwright info FILE.crd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say what to do: dkwright build or dkwright info (dkwright help tells more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command %1 (see dkwright help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is %1 characters long; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link is %1 characters long; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the card box as WIDTHxHEIGHT, 1 to 2048 each, or leave it empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a %2 picture among %3 faces; all faces of a set must share one format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; add %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the picture cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the folder holds no GIF, JPEG or BMP pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file or folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 MB, too large for a card set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a GIF, JPEG or BMP picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Encoders</name>
    <message>
        <source>An empty picture cannot be written as BMP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The BMP picture could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF picture could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF picture could not be written: out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A GIF picture needs at least one frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A GIF picture must be between 1 and 65535 pixels on each side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All frames of a GIF picture must have the same size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A JPEG picture must be between 1 and 65500 pixels on each side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG picture could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameEngine</name>
    <message>
        <source>This set of cards is damaged and cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This set of cards does not contain enough images!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A board of %n pairs cannot be laid out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No winner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (pairs: %n)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettings</name>
    <message>
        <source>The settings store could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GifImage</name>
    <message>
        <source>it ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not in GIF format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no screen description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame has no image description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no colour table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a record of an unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame holds more pixels than its size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its image data is defective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is not a GIF picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF picture cannot be read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory for the GIF picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF picture is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF picture is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF picture holds no image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF picture needs more memory than a card face may use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The GIF picture has more than %n frames.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The GIF picture has no colour table.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageLimits</name>
    <message>
        <source>The %1 picture has no size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 picture is too large (%2 x %3 pixels; at most %4 x %5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 picture needs more memory than a card face may use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>The JPEG picture has too many scans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG picture cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory for the JPEG picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG picture is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG picture is damaged or incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG picture is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG decoder cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVRStream</name>
    <message numerus="yes">
        <source>Archive entry %1 does not exist; the archive has %n entries.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Archive entry %1 reaches past the end of the archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the archive %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive ends early.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be inflated: out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: writing the destination failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 holds truncated compressed data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 holds corrupt compressed data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be delivered: the destination cannot be rewound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 inflates beyond the largest size allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: the archive has no stream.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive entry %1 cannot be read: seeking in the archive failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVRWriter</name>
    <message>
        <source>Compressing an archive entry failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An archive entry cannot hold 2 GiB or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive cannot grow to 2 GiB or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVRichEdOLE</name>
    <message>
        <source>Failed to Load Stream</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVUtils</name>
    <message>
        <source>Unable to connect to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVstring</name>
    <message>
        <source>Stream write error: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistryFile</name>
    <message>
        <source>The settings store cannot hold a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A settings key needs a path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged settings file %1 could not be kept aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many damaged copies of %1 are kept; it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings key is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinEntries</name>
    <message>
        <source>Picture %1 of tesselo.dat is damaged and cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Kovalent Tesselo is already running, but it did not take the card set %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error initializing application</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original concept and design by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The artwork of the animated card sets belongs to Pixelgarten Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and is used with its kind permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 Kovalent Games Ltd.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBoardGrid</name>
    <message>
        <source>face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a cell&apos;s place, then what it shows</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBrowseDWForm</name>
    <message>
        <source>Program files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find dkwright.exe file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBuilderLauncher</name>
    <message>
        <source>Unable to start %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeckBuildJob</name>
    <message>
        <source>Not enough memory to build the card set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeckwrightWindow</name>
    <message>
        <source>Deckwright: card sets for Kovalent Tesselo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀ Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name the game lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional, opened from the score screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT in pixels; empty fits the faces&apos; proportions into 120x90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the advert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the pictures of a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automatic: %1x%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No faces yet: a set needs at least %1 pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n faces: too few for the smallest game of %1 pairs.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n faces: this set can be played with up to %1 pairs (%2 of the game&apos;s %3 pair counts).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Save writes &lt;b&gt;%1&lt;/b&gt; into the game&apos;s cards folder, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set cannot be saved yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be written, so the set cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds a card set named %2.

Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 into %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s own cards folder, %1, cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This set has not been saved. Start the game without it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kovalent Tesselo is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is not beside Deckwright (%1), so it cannot be started from here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFaceGrid</name>
    <message>
        <source>Drop pictures or folders of pictures here, or add them with the buttons below.

GIF, JPEG or BMP, all of one kind; at least 8.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your card folder already holds a different card set named %1. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card set added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card set replaced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card set chosen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no card set in %1, so no game can start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card game of memory and matching pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New card sets at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kovalent Tesselo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionsPanel</name>
    <message>
        <source>Delay in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 3 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 4 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card sets in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your own card set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your own card sets with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPictureChooser</name>
    <message>
        <source>Pictures (*.gif *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the picture drawn from the title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn from the title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Player %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 pairs: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertisement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertisement: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTesseloApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
