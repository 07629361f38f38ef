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
#include <functional>
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

// Formats the Tips into blocks: a large export takes one write per block, never one
// per Tip, and holds no more than a block beside the Tips.
bool FormatInBlocks(const TipList& tips, AppendTip append,
                    const std::function<bool(std::string&)>& send)
{
    constexpr std::size_t kBlock = 1 << 20;
    std::string block;
    block.reserve(kBlock + (kBlock >> 2));
    for (std::size_t i = 0; i < tips.size(); ++i) {
        append(block, static_cast<int>(i) + 1, tips[i]);
        if (block.size() >= kBlock) {
            if (!send(block))
                return false;
            block.clear();
        }
    }
    return send(block);
}

// A device or a pipe named as the file is written to as it is, as the shell's ">"
// would; only a file is replaced whole.
bool IsStreamTarget(const std::string& file)
{
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

int WriteToStream(const TipList& tips, AppendTip append, const std::string& file, const ToolIo& io)
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
        FormatInBlocks(tips, append, [&out](std::string& block) { return !!(out << block); });
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

int WriteExport(const TipList& tips, AppendTip append, const std::string& file, const ToolIo& io)
{
    if (file.empty() || file == "-") {
        // A failed write is reported for every command alike, once it has ended.
        FormatInBlocks(tips, append, [&io](std::string& block) { return !!(io.out << block); });
        return kExitOk;
    }
    if (IsStreamTarget(file))
        return WriteToStream(tips, append, file, io);
    AtomicFileWriter writer(file, AtomicFileWriter::NewFile::Document);
    const bool ok = writer.open() && FormatInBlocks(tips, append, [&writer](std::string& block) {
                        return writer.write(block);
                    });
    if (ok && writer.commit())
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
    TipList tips;
    if (const int status = ReadDataTips(tips, false, io.err); status != kExitOk)
        return status;
    const std::string file = parsed.words.empty() ? std::string() : parsed.words.front();
    return WriteExport(tips, fortune ? AppendTipAsFortune : AppendTipAsText, file, io);
}
