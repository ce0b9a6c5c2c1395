// Errors of the card-set builder.
#pragma once

#include <QString>

#include <stdexcept>

// A set cannot be built or read; the text is one sentence fit for the user, naming the file
// at fault where there is one.
class EDeckError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// What the builder refuses and the window's checks warn of alike.
QString NoTitleText();

// The caller asked, through its progress callback, to stop building.
class EDeckCancelled : public EDeckError {
public:
  EDeckCancelled() : EDeckError("Building the card set was cancelled.") {}
};
