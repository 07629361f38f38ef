#pragma once

#include <string>

class CBrevantDoc;

// "Tip #" followed by the number, as the window, the status bar and the printout label it.
std::string TipLabel(int number);

// What the window (or a printed page) shows, as bytes: on screen one empty line first;
// then the Tip-number line when it is switched on, a single Tip is on display and there
// are Tips at all; then the current text, which may be a listing.
std::string ComposeDisplayText(const CBrevantDoc& doc, bool forPrinter);
// The part of the display text before the current text.
std::string DisplayTextHead(const CBrevantDoc& doc, bool forPrinter);
// The current text, or the Show All listing (which the window never holds as a text).
std::string DisplayTextBody(const CBrevantDoc& doc);
