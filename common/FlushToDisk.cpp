#include "common/AtomicFile.h"

#include <unistd.h>

bool FlushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}
