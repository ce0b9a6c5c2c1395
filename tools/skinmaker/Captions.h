// The words painted into the skin, in the language the generator draws (its installed
// translator), and the check that each fits the place the artwork gives it.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

#include <stdexcept>

namespace skinart {

// A caption that does not fit its place even in the smallest lettering allowed. The text
// names the caption and the place, for the build's log.
class ECaptionError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Font, or the same face a few pixels smaller (down to Smallest pixels, by default four fifths
// of its size and never below 8), whichever is the largest at which Text fits Room's width. A
// translation may be longer than the English caption the artwork was drawn around; one too
// long for the place is refused, never clipped. Place names the spot ("the command bar's play
// button").
QFont FittingFont(const QString& Text, const QFont& Font, double Room, const QString& Place,
                  int Smallest = 0);

} // namespace skinart
