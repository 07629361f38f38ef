#include "tool/PickState.h"

#include "common/AtomicFile.h"
#include "common/PrivateDirectory.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kHeader = "pennivel pick 1";

} // namespace

std::string PickStatePath()
{
    const std::string folder = StateDirectoryPath();
    return folder.empty() ? folder : folder + "/pick";
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
    if (path.empty()) {
        error = "there is no state directory: neither XDG_STATE_HOME nor HOME names one";
        return false;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!MakeDirectories(folder)) {
        error = "cannot create " + folder + ": " + std::strerror(errno);
        return false;
    }
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
