#include "common/DataFilePath.h"

std::string WithoutRootSeparator(std::string directory)
{
    if (!directory.empty() && directory.find('/') == directory.size() - 1)
        directory.pop_back();
    return directory;
}

std::string DataFilePath(const std::string& directory, const char* fileName)
{
    return WithoutRootSeparator(directory) + "/" + fileName;
}
