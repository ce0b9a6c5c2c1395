// The error a new game raises when it cannot be set up.
#pragma once

#include <stdexcept>
#include <string>

// Its message is meant for the player and is shown as is.
class GameSetupError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The message of a game whose pairs need more faces than its set holds; the options panel
// shows it too when the player chooses such a count.
std::string NotEnoughImagesText();
