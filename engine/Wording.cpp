#include "Wording.h"

namespace {

// English: the source itself, with the count put in.
std::string English(const char*, const char* Source, const char*, int Count) {
  std::string text = Source;
  if (Count >= 0)
    for (auto at = text.find("%n"); at != std::string::npos; at = text.find("%n", at))
      text.replace(at, 2, std::to_string(Count));
  return text;
}

TWordingHook CurrentHook = English;

} // namespace

void SetWordingHook(TWordingHook Hook) {
  CurrentHook = Hook != nullptr ? Hook : English;
}

std::string Wording(const char* Context, const char* Source, const char* Disambiguation,
                    int Count) {
  return CurrentHook(Context, Source, Disambiguation, Count);
}

std::string Wording(const TText& Text) {
  return Wording(Text.Context, Text.Source);
}

std::string WithArg(std::string Pattern, const std::string& Value) {
  const auto at = Pattern.find("%1");
  if (at != std::string::npos)
    Pattern.replace(at, 2, Value);
  return Pattern;
}
