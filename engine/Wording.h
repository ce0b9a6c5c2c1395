// The texts the engine gives the player (default names, the status line, the verdict, the
// reasons a game cannot start) are written in English and pass through one translation hook,
// so the program can show them in the player's language while the engine knows no toolkit.
//
// The translators' tool (lupdate) is told to read Wording(...) calls as it reads
// QCoreApplication::translate, and TESSELO_TEXT(...) as QT_TRANSLATE_NOOP: a text is only
// translatable when its context and source stand as string literals in one of these.
#pragma once

#include <string>

// A text marked for translation where it is defined and translated where it is shown.
struct TText {
  const char* Context;
  const char* Source;
};

#define TESSELO_TEXT(Context, Source)                                                              \
  TText {                                                                                          \
    Context, Source                                                                                \
  }

// Translates Source (UTF-8) in Context. With Count >= 0 the text is a plural form and "%n"
// in it is replaced by Count.
using TWordingHook = std::string (*)(const char* Context, const char* Source,
                                     const char* Disambiguation, int Count);

// Installs the program's translation; nullptr restores English. Set once at start-up, before
// the first text is made.
void SetWordingHook(TWordingHook Hook);

std::string Wording(const char* Context, const char* Source, const char* Disambiguation = nullptr,
                    int Count = -1);
std::string Wording(const TText& Text);

// Pattern with its first "%1" replaced by Value, in one pass, so that a name holding "%1" or
// "%n" is taken as it stands.
std::string WithArg(std::string Pattern, const std::string& Value);
