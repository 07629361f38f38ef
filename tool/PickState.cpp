#include "tool/PickState.h"

#include "common/AtomicFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

constexpr const char* kHeader = "pennivel pick 1";

} // namespace

std::string PickStatePath()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string folder;
    if (state && *state == '/')
        folder = state;
    else
        folder = std::string(std::getenv("HOME") ? std::getenv("HOME") : "") + "/.local/state";
    return folder + "/pennivel/pick";
}

PickRound ReadPickRound(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string header, key, numbers;
    if (!std::getline(in, header) || header != kHeader || !std::getline(in, key) ||
        !std::getline(in, numbers))
        return {};
    PickRound round{key, {}};
    std::istringstream words(numbers);
    std::string word;
    while (words >> word) {
        char* end = nullptr;
        const long number = std::strtol(word.c_str(), &end, 10);
        if (*end != '\0' || number < 1 || number > 0x7fffffff)
            return {};
        round.picked.push_back(static_cast<int>(number));
    }
    return round;
}

bool WritePickRound(const std::string& path, const PickRound& round, std::string& error)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    if (failed) {
        error = "cannot create " + folder.string() + ": " + failed.message();
        return false;
    }
    // A folder made here is the user's alone; one that was there is left as it is.
    ::chmod(folder.c_str(), 0700);
    std::string text = std::string(kHeader) + "\n" + round.key + "\n";
    for (const int number : round.picked)
        text += std::to_string(number) + " ";
    text += "\n";
    AtomicFileWriter writer(path);
    if (!writer.open() || !writer.write(text) || !writer.commit()) {
        error = writer.error();
        return false;
    }
    return true;
}
