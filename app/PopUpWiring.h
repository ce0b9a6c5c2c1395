// The program's secondary windows, built from the open skin archive right after the main
// window: the pop-up base, the score screen, the about box, the help window and the browse
// dialog of the card builder.
#pragma once

#include "PopUpWindows.h"

#include <memory>

class TSkinReader;
class TMainForm;

// Builds every secondary window in start-up order. Throws ESkinError (with the error's own
// text) when a window's skin cannot be read. MainForm must outlive the result.
std::unique_ptr<IPopUpWindows> CreatePopUpWindows(TSkinReader& Skin, TMainForm& MainForm);
