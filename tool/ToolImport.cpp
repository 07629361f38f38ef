#include "common/TipsFormat.h"
#include "tool/ImportProgress.h"
#include "tool/NewTipFields.h"
#include "tool/SayingReader.h"
#include "tool/StrfileIndex.h"
#include "tool/TipsFileAccess.h"
#include "tool/ToolArgs.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <sys/stat.h>

namespace {

struct ImportSource {
    std::string path; // "-" for standard input
    std::string category;
};

class FileCloser {
  public:
    explicit FileCloser(std::FILE* file) : m_file(file) {}
    ~FileCloser()
    {
        if (m_file && m_file != stdin)
            std::fclose(m_file);
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

  private:
    std::FILE* m_file;
};

// Appends the sayings of one source to `tips`; an exit status.
int ImportOne(const ImportSource& source, SayingLayout layout, const std::string& date,
              TipList& tips, ImportProgress& progress, std::size_t& skipped, const ToolIo& io)
{
    const bool fromStdin = source.path == "-";
    std::FILE* file = fromStdin ? stdin : std::fopen(source.path.c_str(), "rb");
    if (!file) {
        io.err << "pennivel-tool: cannot open " << source.path << ": " << std::strerror(errno)
               << "\n";
        return kExitIoError;
    }
    FileCloser closer(file);
    struct stat info {};
    const bool regular = ::fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
    progress.startFile(source.path, regular ? static_cast<std::uint64_t>(info.st_size) : 0);
    const std::size_t before = tips.size();
    const int failure = ReadSayings(
        file, layout,
        [&](std::string&& text) {
            if (text.find(kTipsMarker) != std::string::npos) {
                ++skipped;
                return;
            }
            tips.push_back({date, source.category, text});
        },
        [&](std::uint64_t bytes) { progress.update(bytes, tips.size() - before); });
    if (failure != 0) {
        io.err << "pennivel-tool: cannot read " << source.path << ": " << std::strerror(failure)
               << "; nothing was imported\n";
        return kExitIoError;
    }
    io.out << source.path << ": " << tips.size() - before << " sayings\n";
    return kExitOk;
}

// The category for each file: the one given (held to the Add dialog's rules) or the
// file's base name.
int ChooseSources(const ToolArgs& parsed, std::vector<ImportSource>& sources, const ToolIo& io)
{
    std::string given;
    if (const std::string* category = parsed.value("--category")) {
        Tip checked;
        const std::string problem = MakeNewTip("-", *category, "-", checked);
        if (!problem.empty()) {
            io.err << "pennivel-tool: cannot import: " << problem << "\n";
            return kExitBadData;
        }
        given = checked.category;
    }
    for (const std::string& path : parsed.words) {
        std::string category = given;
        if (category.empty()) {
            category = path == "-" ? std::string("Imported") : CategoryFromFileName(path);
            if (category.empty() || category.find(kTipsMarker) != std::string::npos) {
                io.err << "pennivel-tool: no category can be made from the name " << path
                       << "; give one with --category\n";
                return kExitBadData;
            }
            category.push_back('\n');
        }
        sources.push_back({path, category});
    }
    return kExitOk;
}

// Leaves out what is no file of sayings (strfile's indexes) and every file already named
// (the same file through a link, or twice), saying so, so that `import *` in a fortune
// folder imports each saying once.
void LeaveOutIndexesAndRepeats(std::vector<ImportSource>& sources, const ToolIo& io)
{
    std::map<std::pair<dev_t, ino_t>, std::string> seen;
    std::vector<ImportSource> kept;
    for (ImportSource& source : sources) {
        struct stat info {};
        if (source.path != "-" && ::stat(source.path.c_str(), &info) == 0) {
            if (IsStrfileIndex(source.path)) {
                io.err << "pennivel-tool: skipped " << source.path << ": a strfile index\n";
                continue;
            }
            const auto [first, added] =
                seen.emplace(std::pair{info.st_dev, info.st_ino}, source.path);
            if (!added) {
                io.err << "pennivel-tool: skipped " << source.path << ": the same file as "
                       << first->second << "\n";
                continue;
            }
        }
        kept.push_back(std::move(source));
    }
    sources = std::move(kept);
}

// Room for what the sources will add, so the Tips' buffer is not copied as it grows (a
// copy holds the old and the new buffer at once). A saying takes about its bytes in the
// file plus its date and category; rooms reserved but never filled take no memory.
void ReserveForSayings(TipList& tips, const std::vector<ImportSource>& sources)
{
    constexpr std::uint64_t kUsualSaying = 48;
    std::uint64_t input = 0;
    for (const ImportSource& source : sources) {
        struct stat info {};
        if (source.path != "-" && ::stat(source.path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            input += static_cast<std::uint64_t>(info.st_size);
    }
    const std::uint64_t sayings = input / kUsualSaying;
    tips.reserve(tips.size() + sayings, tips.bytes() + input + sayings * 32);
}

} // namespace

int ImportCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    ToolArgs parsed;
    if (!ParseToolArgs(args, {"--category"}, {"--paragraphs"}, parsed, io.err))
        return kExitUsage;
    if (parsed.words.empty()) {
        io.err << "pennivel-tool: import takes [--category NAME] [--paragraphs] FILE...\n";
        return kExitUsage;
    }
    std::vector<ImportSource> sources;
    if (const int status = ChooseSources(parsed, sources, io); status != kExitOk)
        return status;
    LeaveOutIndexesAndRepeats(sources, io);
    TipsWriteSession session;
    if (const int status = session.begin(io.err); status != kExitOk)
        return status;
    const SayingLayout layout =
        parsed.has("--paragraphs") ? SayingLayout::Paragraphs : SayingLayout::Fortune;
    const std::string date = TodayPart();
    ReserveForSayings(session.added(), sources);
    std::size_t skipped = 0;
    {
        ImportProgress progress(io.err, io.errIsTerminal);
        for (const ImportSource& source : sources) {
            const int status =
                ImportOne(source, layout, date, session.added(), progress, skipped, io);
            if (status != kExitOk)
                return status;
        }
    }
    // What was reserved for sayings that did not come is given back before the save.
    session.added().releaseUnusedRoom();
    if (skipped > 0)
        io.err << "pennivel-tool: left out " << skipped
               << " sayings that contain the Tips file's record marker\n";
    if (const int status = session.save(io.err); status != kExitOk)
        return status;
    io.out << "added " << session.added().size() << " Tips\n";
    return kExitOk;
}
