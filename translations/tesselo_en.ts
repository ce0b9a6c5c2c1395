<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Deckwright</name>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; %n given.</source>
        <translation>
            <numerusform>A card set needs at least %1 faces; %n given.</numerusform>
            <numerusform>A card set needs at least %1 faces; %n given.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: not a card set (it has %n entries, a set at least 3).</source>
        <translation>
            <numerusform>%1: not a card set (it has %n entry, a set at least 3).</numerusform>
            <numerusform>%1: not a card set (it has %n entries, a set at least 3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n faces, %2 bytes.</source>
        <translation>
            <numerusform>Wrote %1: %n face, %2 bytes.</numerusform>
            <numerusform>Wrote %1: %n faces, %2 bytes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A card set needs at least %1 faces; add %n more.</source>
        <translation>
            <numerusform>A card set needs at least %1 faces; add %n more.</numerusform>
            <numerusform>A card set needs at least %1 faces; add %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameEngine</name>
    <message numerus="yes">
        <source>A board of %n pairs cannot be laid out.</source>
        <translation>
            <numerusform>A board of %n pair cannot be laid out.</numerusform>
            <numerusform>A board of %n pairs cannot be laid out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (pairs: %n)</source>
        <translation>
            <numerusform>%1 (pairs: %n)</numerusform>
            <numerusform>%1 (pairs: %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GifImage</name>
    <message numerus="yes">
        <source>The GIF picture has more than %n frames.</source>
        <translation>
            <numerusform>The GIF picture has more than %n frame.</numerusform>
            <numerusform>The GIF picture has more than %n frames.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KVRStream</name>
    <message numerus="yes">
        <source>Archive entry %1 does not exist; the archive has %n entries.</source>
        <translation>
            <numerusform>Archive entry %1 does not exist; the archive has %n entry.</numerusform>
            <numerusform>Archive entry %1 does not exist; the archive has %n entries.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeckwrightWindow</name>
    <message numerus="yes">
        <source>%n faces: too few for the smallest game of %1 pairs.</source>
        <translation>
            <numerusform>%n face: too few for the smallest game of %1 pairs.</numerusform>
            <numerusform>%n faces: too few for the smallest game of %1 pairs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n faces: this set can be played with up to %1 pairs (%2 of the game&apos;s %3 pair counts).</source>
        <translation>
            <numerusform>%n face: this set can be played with up to %1 pairs (%2 of the game&apos;s %3 pair counts).</numerusform>
            <numerusform>%n faces: this set can be played with up to %1 pairs (%2 of the game&apos;s %3 pair counts).</numerusform>
        </translation>
    </message>
</context>
</TS>
