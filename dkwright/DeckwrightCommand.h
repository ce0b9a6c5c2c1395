// The command line of dkwright, apart from main() so that it can be driven from tests.
#pragma once

#include <QStringList>
#include <QTextStream>

// Runs dkwright with Arguments (without the program name): "build", "info" or "help".
// Results go to Out, errors as one line to Err. Returns the exit status: 0 on success,
// 1 on any error (nothing is left at the output path of a failed build).
int RunDeckwright(const QStringList& Arguments, QTextStream& Out, QTextStream& Err);

// The text of "dkwright help".
QString DeckwrightUsage();
