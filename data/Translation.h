// Texts marked with TESSELO_TEXT (engine/Wording.h) shown through Qt's translators, and the
// engine's wording hook that sends its texts the same way.
#pragma once

#include "Wording.h"

#include <QString>

// Text in the player's language; a text without a context (a name, an address) as it stands.
QString Translated(const TText& Text);

// Lets the engine's texts follow the translators installed in the application.
void UseQtTranslationsForWording();
