// The error a new game raises when it cannot be set up.
#pragma once

#include <stdexcept>

// Its message is meant for the player and is shown as is.
class GameSetupError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
