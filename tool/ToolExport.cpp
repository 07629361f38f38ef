#include "common/AtomicFile.h"
#include "common/TipsAsText.h"
#include "tool/FdOutput.h"
#include "tool/TipsFileAccess.h"
#include "tool/ToolArgs.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One saying of a fortune file and its "%" line. A text line that is only "%" would
// split the saying in two when read back, so it gets a trailing space.
void AppendTipAsFortune(std::string& out, int, TipParts tip)
{
    std::string_view text = WithoutLineEnd(tip.text);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        out += line;
        if (line == "%")
            out += ' ';
        out += '\n';
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    out += "%\n";
}

using AppendTip = void (*)(std::string&, int, TipParts);

// The Tips in export form, handed to `sink` in chunks; false as soon as the sink fails.
template <class Sink> bool ForEachChunk(const std::vector<Tip>& tips, AppendTip append, Sink sink)
{
    constexpr std::size_t kFlushAt = 1 << 16;
    std::string chunk;
    for (std::size_t i = 0; i < tips.size(); ++i) {
        append(chunk, static_cast<int>(i) + 1, tips[i]);
        if (chunk.size() >= kFlushAt || i + 1 == tips.size()) {
            if (!sink(chunk))
                return false;
            chunk.clear();
        }
    }
    return true;
}

// A device or a pipe named as the file is written to as it is, as the shell's ">"
// would; only a file is replaced whole.
bool IsStreamTarget(const std::string& file)
{
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

int WriteToStream(const std::vector<Tip>& tips, AppendTip append, const std::string& file,
                  const ToolIo& io)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        io.err << "pennivel-tool: cannot open " << file << ": " << std::strerror(errno) << "\n";
        return kExitIoError;
    }
    int error = 0;
    {
        FdOutput output(fd);
        std::ostream out(&output);
        ForEachChunk(tips, append, [&](const std::string& chunk) { return !!(out << chunk); });
        out.flush();
        error = output.error();
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return kExitOk;
    io.err << "pennivel-tool: cannot write " << file << ": " << std::strerror(error) << "\n";
    return kExitIoError;
}

int WriteExport(const std::vector<Tip>& tips, AppendTip append, const std::string& file,
                const ToolIo& io)
{
    if (file.empty() || file == "-") {
        // A failed write is reported for every command alike, once it has ended.
        ForEachChunk(tips, append, [&](const std::string& chunk) { return !!(io.out << chunk); });
        return kExitOk;
    }
    if (IsStreamTarget(file))
        return WriteToStream(tips, append, file, io);
    AtomicFileWriter writer(file);
    const bool ok =
        writer.open() &&
        ForEachChunk(tips, append, [&](const std::string& chunk) { return writer.write(chunk); }) &&
        writer.commit();
    if (ok)
        return kExitOk;
    io.err << "pennivel-tool: " << writer.error() << "\n";
    return kExitIoError;
}

} // namespace

int ExportCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    ToolArgs parsed;
    if (!ParseToolArgs(args, {"--format"}, {}, parsed, io.err))
        return kExitUsage;
    const std::string* format = parsed.value("--format");
    const bool fortune = format && *format == "fortune";
    if (parsed.words.size() > 1 || (format && !fortune && *format != "text")) {
        io.err << "pennivel-tool: export takes [--format text|fortune] [FILE]\n";
        return kExitUsage;
    }
    std::vector<Tip> tips;
    if (const int status = ReadDataTips(tips, false, io.err); status != kExitOk)
        return status;
    const std::string file = parsed.words.empty() ? std::string() : parsed.words.front();
    return WriteExport(tips, fortune ? AppendTipAsFortune : AppendTipAsText, file, io);
}
