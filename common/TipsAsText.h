#pragma once

#include "common/TipList.h"

#include <string>
#include <vector>

// The plain-text export of Tip > Save Tips As Text: per Tip the line "Tip #" and its
// number, its date and its text as held in memory (no category), an empty line between
// Tips. Every line feed is written as CR LF, so the file is the same on every platform
// and a line break typed inside a text ("\r\n") arrives as CR CR LF.
void AppendTipAsText(std::string& out, int number, TipParts tip);

// Writes every Tip to `path` through the atomic writer, so a failure part-way leaves any
// earlier file there untouched. Returns the failure worded for the user (it names the
// file and the reason), or an empty string when the file was written.
std::string WriteTipsAsText(const TipList& tips, const std::string& path);
