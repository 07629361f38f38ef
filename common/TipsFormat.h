#pragma once

#include "common/AtomicFile.h"
#include "common/Tip.h"
#include "common/TipList.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Clock;
class MsRandom;

// The line that opens every record of the Tips file; no Tip part may contain it.
inline constexpr std::string_view kTipsMarker = "z7k3w1x9j4q2";
inline constexpr const char* kTipsFileName = "PennivelTips.ini";

// A loaded Tips file as every program holds it: the Tips in one buffer.
struct LoadedTips {
    TipList tips;           // Tip n at index n - 1
    std::string strayText;  // pieces before the first marker; never a Tip
    bool readError = false; // reading stopped early; `tips` holds what came before
};

// The same as separate Tips, for callers that want to compare or build them whole.
struct TipsFileContent {
    std::vector<Tip> tips;
    std::string strayText;
    bool readError = false;
};

// Which parts of each record a reader keeps.
enum class StoredParts {
    All,
    TextsOnly, // dates and categories left empty: for a reader that shows only texts
};

// Reads the records of a Tips file as they are stored: texts still scrambled, a text cut
// short without its closing "\n". A record cut before its text line is dropped. A date or
// category line too long for one piece is cut to what fits in one, and every date and
// category is given its closing "\n", so what a save writes reads back the same. Leaves
// the generator alone. Returns false only when the file cannot be opened.
bool ReadStoredTips(const std::string& path, LoadedTips& stored,
                    StoredParts parts = StoredParts::All);
// The same from an open stream (a file, or bytes in memory).
void ReadStoredTips(std::FILE* file, LoadedTips& stored, StoredParts parts = StoredParts::All);

// Unscrambles Tip `index`'s stored text where it lies and gives it its closing "\n" (one
// cut short keeps it then, so a later save cannot merge it with the next record).
// Draws from a generator of its own, not the caller's.
void DecodeStoredText(TipList& tips, std::size_t index);
// DecodeStoredText for every Tip of the list, a large list in two halves at once.
void DecodeStoredTexts(TipList& tips);
// The same for a text held apart, copied.
std::string DecodeTipText(std::string_view stored);

// Reads the records of a Tips file and decodes every text, then re-seeds the generator
// from the clock. Returns false only when the file cannot be opened.
bool LoadTipsFile(const std::string& path, LoadedTips& loaded, MsRandom& random,
                  const Clock& clock);
// The same from an open stream (a file, or bytes in memory).
void ReadTipsFile(std::FILE* file, LoadedTips& loaded, MsRandom& random, const Clock& clock);
// Both, copied out as separate Tips.
bool LoadTipsFile(const std::string& path, TipsFileContent& content, MsRandom& random,
                  const Clock& clock);
void ReadTipsFile(std::FILE* file, TipsFileContent& content, MsRandom& random, const Clock& clock);

// One record as the file holds it: marker line, date, category and scrambled text.
std::string FormatTipRecord(const Tip& tip, MsRandom& random);

struct SaveOptions {
    // The version of the file the caller read; the save refuses to replace another.
    std::optional<FileIdentity> replaceOnlyIf;
};

struct SaveResult {
    bool ok = true;
    std::string error;          // what failed, for a message to the user
    bool changedOnDisk = false; // refused: the file is not the version that was read
    FileIdentity written;       // the file as saved, for the next save's check
};

// Writes all Tips in the record layout to a new file beside `path`, flushes it to
// disk and renames it over `path`, so a crash or a full disk never leaves half a file
// and a reader sees either the old or the new file. The old file's permissions are
// kept. On failure the old file is untouched and no temporary file is left.
SaveResult SaveTipsFile(const std::string& path, const TipList& tips, MsRandom& random,
                        const Clock& clock, const SaveOptions& options = {});

struct AppendResult {
    SaveResult save;
    std::size_t keptTips = 0; // the Tips of the old file, written before the added ones
    bool readFailed = false;  // reading the old file failed: nothing was replaced
};

// Saves, as SaveTipsFile does, the Tips of the file at `path` followed by `added`. The
// old file is read one record at a time and each record written as it is stored (its
// text still scrambled, which reads back the same), so a command that only adds Tips
// neither holds nor decodes the others. A missing file holds no Tips; one that cannot be
// read to its end is left as it was.
AppendResult AppendToTipsFile(const std::string& path, const TipList& added, MsRandom& random,
                              const Clock& clock, const SaveOptions& options = {});

// The three Tips a new user starts with.
std::vector<Tip> DefaultTips();
