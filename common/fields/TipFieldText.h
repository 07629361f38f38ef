#pragma once

#include <QStringList>
#include <string>
#include <string_view>

// Moves the parts of a Tip between their stored byte form (local 8-bit, a closing "\n",
// line breaks as "\r\n") and what the dialog boxes show.

// A stored part without its closing "\n", as a box shows it.
QString BoxTextFromPart(std::string_view part);

// What a box holds, as a stored part with its closing "\n". Line breaks typed into the
// Text box become "\r\n", so no bare line feed ever reaches the Tips file inside a part.
std::string PartFromBoxText(const QString& boxText);

// A one-line box may receive pasted line breaks; the Date and Category lines of the Tips
// file must not contain one.
QString SingleLine(const QString& text);

// Characters as the user sees them (a base letter with its accents, an emoji made of
// several code points: one each), the unit of the 20-character limits.
int VisibleLength(const QString& text);

QString TrimmedEnd(const QString& text);

// The most visible characters a new or edited Date or Category may have.
inline constexpr int kTipLineLimit = 20;

// Whether a Date or Category fits one line of the Tips file, its "\n" included: a reader
// takes at most 999 bytes as one line, and reads the rest of a longer one as the next
// part of the Tip. Twenty characters fit unless they carry hundreds of accents.
bool FitsTipsFileLine(const QString& line);

// Whether any of the parts holds the Tips file's record marker, which would split the
// Tip into two records when the file is read back.
bool ContainsMarker(const QStringList& parts);
