#pragma once

#include <string>
#include <vector>

// The Tips `pennivel-tool pick` has shown in its current round, kept between runs so
// that no Tip comes twice before every Tip of the choice has come once. `key` names the
// version of the Tips file and the choice the round was made over; a round whose key no
// longer matches is over.
struct PickRound {
    std::string key;
    std::vector<int> picked;
};

// $XDG_STATE_HOME/pennivel/pick, else ~/.local/state/pennivel/pick; empty when neither
// variable names a folder.
std::string PickStatePath();

// The round stored at `path`; an empty one when the file is missing or damaged.
PickRound ReadPickRound(const std::string& path);

// Stores `round` at `path` through the atomic writer, private to the user, making its
// folder (0700) when needed; a folder already there is left as the user made it. False, with the
// reason in `error`, when that fails.
bool WritePickRound(const std::string& path, const PickRound& round, std::string& error);
