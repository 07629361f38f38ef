#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

// How the sayings of an input file are told apart.
enum class SayingLayout {
    Fortune,    // sayings separated by lines that hold only "%"
    Paragraphs, // sayings separated by blank lines
};

// Reads sayings from `file` line by line, so an input of any size needs memory only for
// the saying at hand. Each saying is handed over as a Tip text: its lines joined by
// "\r\n" (a CR before a line's LF is taken for part of the line end), blank lines at its
// start and end dropped, one closing "\n". Empty sayings are skipped; bytes are kept as
// they are, valid UTF-8 or not. `onProgress` gets the bytes read so far now and then.
// Returns 0 at the end of the file, else the reason reading failed (an errno: a read
// error, or ENOMEM for a line too long to hold); what came before has been handed over,
// the saying cut off by the failure has not.
int ReadSayings(std::FILE* file, SayingLayout layout,
                const std::function<void(std::string&&)>& onSaying,
                const std::function<void(std::uint64_t)>& onProgress = {});
