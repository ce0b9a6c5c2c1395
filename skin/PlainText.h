// Texts that come from outside the program (a player's name, a card set's title or link, a
// path from the settings) are shown exactly as typed. Qt's labels and tool tips guess whether a
// text is markup, so "<font size=7>Ann" would blow a line up and "<img src=...>" read a file.
#pragma once

#include <QString>

// The tool tip that shows Text as it stands: Text itself where Qt would not take it for markup,
// else Text escaped and kept on its lines.
QString PlainToolTip(const QString& Text);
