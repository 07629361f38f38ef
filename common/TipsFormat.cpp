#include "common/TipsFormat.h"

#include "common/AtomicFile.h"
#include "common/Clock.h"
#include "common/FileHandle.h"
#include "common/MsRandom.h"
#include "common/PieceReader.h"
#include "common/SaveJournal.h"
#include "common/Scramble.h"

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

namespace {

// Large enough that a big file takes few reads, small enough to stay in cache.
constexpr std::size_t kReadBlock = std::size_t{1} << 18;
constexpr std::size_t kWriteBlock = std::size_t{1} << 20;
// Records of this size or more are usual; room for them is reserved at once, so the
// list of a large file is not copied as it grows. Pages reserved but never filled
// take no memory; the cap keeps a huge file of other content from asking for more
// address space than the machine will grant.
constexpr std::int64_t kUsualRecord = 48;
constexpr std::int64_t kMostReserved = std::int64_t{1} << 22;

// The size of a plain file, 0 for a stream of unknown size.
std::int64_t KnownSize(std::FILE* file)
{
    struct stat st {};
    const int fd = ::fileno(file);
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return st.st_size;
}

std::size_t ExpectedRecords(std::int64_t fileSize)
{
    return static_cast<std::size_t>(std::min(fileSize / kUsualRecord, kMostReserved));
}

void EnsureLineEnd(std::string& part)
{
    if (part.empty() || part.back() != '\n')
        part.push_back('\n');
}

void DecodeInPlace(std::string& text, MsRandom& random)
{
    UnscrambleInPlace(text, std::max<std::size_t>(text.size(), 2) - 2, random);
    EnsureLineEnd(text);
}

// A date or category is one piece. One without its line end is the start of a longer
// line: cut it so that, line end added, it still fits one piece, or every save would
// move the cut and shift the rest of the line into the next part.
void CutToOnePiece(std::string& part)
{
    if (!part.empty() && part.back() == '\n')
        return;
    if (part.size() >= PieceReader::kMaxPiece)
        part.resize(PieceReader::kMaxPiece - 1);
    part.push_back('\n');
}

void ExtendLastText(std::vector<Tip>& tips, std::string_view more)
{
    tips.back().text.append(more);
}

void ExtendLastText(TipList& tips, std::string_view more)
{
    tips.extendLastText(more);
}

// Hands each record to `add` (date and category as read, the text's first piece), joins
// the pieces that continue its text, and calls `finish` once the last record's text is
// whole: when the next record starts or the file ends. False on a read error; the
// records before it are kept.
template <class List, class Add, class Finish>
bool ReadRecords(std::FILE* file, List& tips, std::string& strayText, Add add, Finish finish)
{
    PieceReader reader(file, kReadBlock);
    // The pieces point into the reader's block, so the date and category are copied
    // before the next piece is read.
    std::string date;
    std::string category;
    std::string_view piece;
    const auto nextPart = [&](std::string& part) {
        if (!reader.next(piece))
            return false;
        part.assign(piece);
        return true;
    };
    while (reader.next(piece)) {
        if (piece.find(kTipsMarker) == std::string_view::npos) {
            // A continuation: the rest of a long or raw-LF text line, or a stray line.
            if (tips.empty())
                strayText.append(piece);
            else
                ExtendLastText(tips, piece);
            continue;
        }
        if (!nextPart(date) || !nextPart(category) || !reader.next(piece))
            break; // a record cut before its text line is lost, as readers always did
        if (!tips.empty())
            finish();
        add(date, category, piece);
    }
    if (!tips.empty())
        finish();
    return !reader.failed();
}

void AppendTipRecord(std::string& out, TipParts tip, MsRandom& random)
{
    out += kTipsMarker;
    out += '\n';
    out += tip.date;
    out += tip.category;
    AppendScrambled(out, tip.text, std::max<std::size_t>(tip.text.size(), 1) - 1, random);
}

} // namespace

bool ReadTipsFileRecords(const std::string& path, TipsFileContent& content)
{
    content = {};
    const FileHandle file = OpenLastCompleteVersion(path);
    if (!file)
        return false;
    std::vector<Tip>& tips = content.tips;
    tips.reserve(ExpectedRecords(KnownSize(file.get())));
    const auto add = [&tips](std::string& date, std::string& category, std::string_view text) {
        tips.push_back({date, category, std::string(text)});
    };
    content.readError = !ReadRecords(file.get(), tips, content.strayText, add, [] {});
    return true;
}

std::string DecodeTipText(const std::string& stored, MsRandom& random)
{
    std::string text = stored;
    DecodeInPlace(text, random);
    return text;
}

namespace {

template <class Content>
bool LoadFromPath(const std::string& path, Content& content, MsRandom& random, const Clock& clock)
{
    content = {};
    const FileHandle file = OpenLastCompleteVersion(path);
    if (!file)
        return false;
    ReadTipsFile(file.get(), content, random, clock);
    return true;
}

} // namespace

bool LoadTipsFile(const std::string& path, LoadedTips& loaded, MsRandom& random, const Clock& clock)
{
    return LoadFromPath(path, loaded, random, clock);
}

void ReadTipsFile(std::FILE* file, LoadedTips& loaded, MsRandom& random, const Clock& clock)
{
    loaded = {};
    TipList& tips = loaded.tips;
    // What is kept of the records never exceeds the file, so the buffer is never moved.
    const std::int64_t size = KnownSize(file);
    tips.reserve(ExpectedRecords(size), static_cast<std::size_t>(size));
    const auto add = [&tips](std::string& date, std::string& category, std::string_view text) {
        CutToOnePiece(date);
        CutToOnePiece(category);
        tips.push_back({date, category, text});
    };
    // Each text is decoded where it lies as soon as it is whole, while its bytes are
    // still in cache; the steps of DecodeInPlace.
    const auto finish = [&] {
        const std::span<char> text = tips.lastText();
        if (!text.empty()) {
            UnshiftInPlace(text.data(), text.size(), std::max<std::size_t>(text.size(), 2) - 2,
                           random);
            tips.dropFrontOfLastText(1);
        }
        if (!tips.back().text.ends_with('\n'))
            tips.extendLastText("\n");
    };
    loaded.readError = !ReadRecords(file, tips, loaded.strayText, add, finish);
    TimeSeed(random, clock);
}

bool LoadTipsFile(const std::string& path, TipsFileContent& content, MsRandom& random,
                  const Clock& clock)
{
    return LoadFromPath(path, content, random, clock);
}

void ReadTipsFile(std::FILE* file, TipsFileContent& content, MsRandom& random, const Clock& clock)
{
    LoadedTips loaded;
    ReadTipsFile(file, loaded, random, clock);
    content.tips = loaded.tips.toTips();
    content.strayText = std::move(loaded.strayText);
    content.readError = loaded.readError;
}

std::string FormatTipRecord(const Tip& tip, MsRandom& random)
{
    std::string record;
    AppendTipRecord(record, tip, random);
    return record;
}

SaveResult SaveTipsFile(const std::string& path, const TipList& tips, MsRandom& random,
                        const Clock& clock, const SaveOptions& options)
{
    // Each text is scrambled straight into the output: the seeds and shifts drawn are
    // those of scrambling the whole collection in place first, and the collection
    // itself is never touched, so a failed write cannot leave it scrambled. Records
    // are gathered into blocks, so a large file takes one write call per block.
    AtomicFileWriter writer(path);
    if (options.replaceOnlyIf)
        writer.replaceOnlyIf(*options.replaceOnlyIf);
    bool ok = writer.open();
    std::string block;
    block.reserve(kWriteBlock + PieceReader::kMaxPiece);
    for (const TipParts tip : tips) {
        if (!ok)
            break;
        AppendTipRecord(block, tip, random);
        if (block.size() >= kWriteBlock) {
            ok = writer.write(block);
            block.clear();
        }
    }
    ok = ok && writer.write(block) && writer.commit();
    TimeSeed(random, clock);
    if (!ok)
        return {false, writer.error(), writer.changedOnDisk(), {}};
    return {true, {}, false, writer.written()};
}

std::vector<Tip> DefaultTips()
{
    return {
        {"02/20/09\n", "General\n", "Treat yourself the way you want other people to treat you.\n"},
        {"02/21/09\n", "General\n",
         "The most important thing for me is my ability to create change in my environment.\n"},
        {"02/22/09\n", "General\n",
         "Life is short. It is better to take risks and trust and love and enjoy.\n"},
    };
}
