// Saves the game's settings over and over, as the game does at its close, for the test that
// kills it at random moments. Round k saves the values SettingsOfRound(k) gives; before each save
// it writes "begin k" and after it "done k" to its output, one line each, unbuffered.
//   tesselo_settings_save_loop FILE FIRST_ROUND
#include "SettingsRounds.h"

#include "CardSets.h"
#include "RegistryFile.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

void Say(const char* What, long Round) {
  const std::string line = std::string(What) + ' ' + std::to_string(Round) + '\n';
  if (::write(STDOUT_FILENO, line.data(), line.size()) != ssize_t(line.size()))
    std::_Exit(2);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 3)
    return 2;
  RegistryFile store(QString::fromLocal8Bit(argv[1]));
  const TCardSetCatalogue noSets;
  for (long round = std::atol(argv[2]);; ++round) {
    const TSettingsRound values = SettingsOfRound(round);
    Say("begin", round);
    if (!SaveSettings(store, values.Settings, values.Players, noSets))
      return 1;
    Say("done", round);
  }
}
