#include "common/AtomicFile.h"
#include "common/TipsAsText.h"
#include "tool/TipsFileAccess.h"
#include "tool/ToolArgs.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"

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

int WriteExport(const std::vector<Tip>& tips, AppendTip append, const std::string& file,
                const ToolIo& io)
{
    constexpr std::size_t kFlushAt = 1 << 16;
    std::string chunk;
    if (file.empty() || file == "-") {
        for (std::size_t i = 0; i < tips.size(); ++i) {
            append(chunk, static_cast<int>(i) + 1, tips[i]);
            if (chunk.size() >= kFlushAt || i + 1 == tips.size()) {
                io.out << chunk;
                chunk.clear();
            }
        }
        io.out.flush();
        if (io.out)
            return kExitOk;
        io.err << "pennivel-tool: cannot write the export to standard output\n";
        return kExitIoError;
    }
    AtomicFileWriter writer(file, AtomicFileWriter::NewFile::Document);
    bool ok = writer.open();
    for (std::size_t i = 0; ok && i < tips.size(); ++i) {
        chunk.clear();
        append(chunk, static_cast<int>(i) + 1, tips[i]);
        ok = writer.write(chunk);
    }
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
    std::vector<Tip> tips;
    if (const int status = ReadDataTips(tips, false, io.err); status != kExitOk)
        return status;
    const std::string file = parsed.words.empty() ? std::string() : parsed.words.front();
    return WriteExport(tips, fortune ? AppendTipAsFortune : AppendTipAsText, file, io);
}
