#include "common/TipsFormat.h"

#include "common/AtomicFile.h"
#include "common/Clock.h"
#include "common/FileHandle.h"
#include "common/InHalves.h"
#include "common/MsRandom.h"
#include "common/PagesFaultedAhead.h"
#include "common/PieceReader.h"
#include "common/SaveJournal.h"
#include "common/Scramble.h"

#include <algorithm>
#include <array>
#include <cerrno>
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

// Hands each record to `record` (date and category as read, the text's first piece) and
// each piece that continues a text, or comes before the first record, to `more`. False
// on a read error; the records before it have been handed over.
template <class Record, class More> bool ReadRecords(PieceReader& reader, Record record, More more)
{
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
            more(piece);
            continue;
        }
        if (!nextPart(date) || !nextPart(category) || !reader.next(piece))
            break; // a record cut before its text line is lost, as readers always did
        CutToOnePiece(date);
        CutToOnePiece(category);
        record(date, category, piece);
    }
    return !reader.failed();
}

void AppendRecordHead(std::string& out, std::string_view date, std::string_view category)
{
    out += kTipsMarker;
    out += '\n';
    out += date;
    out += category;
}

void AppendScrambledText(std::string& out, std::string_view text, MsRandom& random)
{
    AppendScrambled(out, text, std::max<std::size_t>(text.size(), 1) - 1, random);
}

void AppendTipRecord(std::string& out, TipParts tip, MsRandom& random)
{
    AppendRecordHead(out, tip.date, tip.category);
    AppendScrambledText(out, tip.text, random);
}

} // namespace

bool ReadStoredTips(const std::string& path, LoadedTips& stored, StoredParts parts)
{
    stored = {};
    const FileHandle file = OpenLastCompleteVersion(path);
    if (!file)
        return false;
    ReadStoredTips(file.get(), stored, parts);
    return true;
}

void ReadStoredTips(std::FILE* file, LoadedTips& stored, StoredParts parts)
{
    stored = {};
    TipList& tips = stored.tips;
    // What is kept of the records never exceeds the file, so the buffer is never moved.
    const std::int64_t size = KnownSize(file);
    tips.reserve(ExpectedRecords(size), static_cast<std::size_t>(size));
    const auto record = [&tips, parts](const std::string& date, const std::string& category,
                                       std::string_view text) {
        if (parts == StoredParts::TextsOnly)
            tips.push_back({{}, {}, text});
        else
            tips.push_back({date, category, text});
    };
    const auto more = [&](std::string_view piece) {
        if (tips.empty())
            stored.strayText.append(piece);
        else
            tips.extendText(tips.size() - 1, piece);
    };
    // Pages of the buffer are faulted in ahead of the records copied into it, none past
    // what the rest of the file could fill. The list of Tips, an eighth of the buffer, is
    // left to fault in as it fills: faulted ahead, its room reserved for short records
    // would cost as much memory as it saves time.
    const std::span<char> room = tips.reservedRoom();
    PagesFaultedAhead ahead(room.data(), room.size());
    PieceReader reader(file, kReadBlock);
    constexpr std::size_t kRecordsBetweenReports = 4096;
    const auto recordAndReport = [&](const std::string& date, const std::string& category,
                                     std::string_view text) {
        record(date, category, text);
        if (tips.size() % kRecordsBetweenReports == 0) {
            const auto fileBytes = static_cast<std::size_t>(size);
            const std::size_t unread = fileBytes - std::min(reader.consumed(), fileBytes);
            ahead.reached(tips.bytes(), tips.bytes() + unread);
        }
    };
    stored.readError = !ReadRecords(reader, recordAndReport, more);
    tips.releaseUnusedRoom();
}

namespace {

// A stored text's bytes unshifted where they lie, its seed byte still first. Each text
// carries its own seed, so `own` decodes it the same whatever it drew before.
void UnshiftStoredText(std::span<char> text, MsRandom& own)
{
    if (!text.empty())
        UnshiftInPlace(text.data(), text.size(), std::max<std::size_t>(text.size(), 2) - 2, own);
}

// Drops the seed byte of Tip `index`'s unshifted text where it lies; false when the text
// is then left without its closing "\n".
bool DropSeedOfUnshiftedText(TipList& tips, std::size_t index)
{
    if (!tips[index].text.empty())
        tips.dropFrontOfText(index, 1);
    return tips[index].text.ends_with('\n');
}

} // namespace

void DecodeStoredText(TipList& tips, std::size_t index)
{
    // A generator of its own leaves the caller's sequence alone.
    MsRandom own;
    UnshiftStoredText(tips.text(index), own);
    if (!DropSeedOfUnshiftedText(tips, index))
        tips.extendText(index, "\n");
}

void DecodeStoredTexts(TipList& tips)
{
    // While the halves are decoded at once, each touches only its own Tips where they
    // lie; a line end added to a text cut short may move its Tip, so the few of those
    // are given theirs afterwards.
    constexpr std::size_t kInHalvesFrom = std::size_t{1} << 16;
    std::array<std::vector<std::size_t>, 2> cutShort;
    InHalves(tips.size(), kInHalvesFrom, [&](int half, std::size_t from, std::size_t to) {
        MsRandom own;
        for (std::size_t i = from; i < to; ++i) {
            UnshiftStoredText(tips.text(i), own);
            if (!DropSeedOfUnshiftedText(tips, i))
                cutShort[static_cast<std::size_t>(half)].push_back(i);
        }
    });
    for (const std::vector<std::size_t>& indexes : cutShort)
        for (const std::size_t i : indexes)
            tips.extendText(i, "\n");
}

std::string DecodeTipText(std::string_view stored)
{
    TipList one;
    one.push_back({{}, {}, stored});
    DecodeStoredText(one, 0);
    return std::string(one[0].text);
}

bool LoadTipsFile(const std::string& path, LoadedTips& loaded, MsRandom& random, const Clock& clock)
{
    loaded = {};
    const FileHandle file = OpenLastCompleteVersion(path);
    if (!file)
        return false;
    ReadTipsFile(file.get(), loaded, random, clock);
    return true;
}

void ReadTipsFile(std::FILE* file, LoadedTips& loaded, MsRandom& random, const Clock& clock)
{
    ReadStoredTips(file, loaded, StoredParts::All);
    DecodeStoredTexts(loaded.tips);
    TimeSeed(random, clock);
}

bool LoadTipsFile(const std::string& path, TipsFileContent& content, MsRandom& random,
                  const Clock& clock)
{
    content = {};
    LoadedTips loaded;
    if (!LoadTipsFile(path, loaded, random, clock))
        return false;
    content = {loaded.tips.toTips(), std::move(loaded.strayText), loaded.readError};
    return true;
}

void ReadTipsFile(std::FILE* file, TipsFileContent& content, MsRandom& random, const Clock& clock)
{
    LoadedTips loaded;
    ReadTipsFile(file, loaded, random, clock);
    content = {loaded.tips.toTips(), std::move(loaded.strayText), loaded.readError};
}

std::string FormatTipRecord(const Tip& tip, MsRandom& random)
{
    std::string record;
    AppendTipRecord(record, tip, random);
    return record;
}

namespace {

// Records gathered into blocks for the atomic writer, so a large file takes one write
// call per block.
class RecordBlocks {
  public:
    RecordBlocks(const std::string& path, const SaveOptions& options) : m_writer(path)
    {
        if (options.replaceOnlyIf)
            m_writer.replaceOnlyIf(*options.replaceOnlyIf);
        m_ok = m_writer.open();
        m_block.reserve(kWriteBlock + PieceReader::kMaxPiece);
    }

    bool ok() const { return m_ok; }
    std::string& block() { return m_block; }
    // Writes the block out once it is full.
    void flushIfFull()
    {
        if (m_ok && m_block.size() >= kWriteBlock) {
            m_ok = m_writer.write(m_block);
            m_block.clear();
        }
    }
    // Writes the rest and puts the file in place, unless `complete` is false.
    SaveResult finish(bool complete)
    {
        m_ok = m_ok && complete && m_writer.write(m_block) && m_writer.commit();
        if (!m_ok)
            return {false, m_writer.error(), m_writer.changedOnDisk(), {}};
        return {true, {}, false, m_writer.written()};
    }

  private:
    AtomicFileWriter m_writer;
    std::string m_block;
    bool m_ok = false;
};

} // namespace

SaveResult SaveTipsFile(const std::string& path, const TipList& tips, MsRandom& random,
                        const Clock& clock, const SaveOptions& options)
{
    // Each text is scrambled straight into the output: the seeds and shifts drawn are
    // those of scrambling the whole collection in place first, and the collection
    // itself is never touched, so a failed write cannot leave it scrambled.
    RecordBlocks out(path, options);
    for (const TipParts tip : tips) {
        if (!out.ok())
            break;
        AppendTipRecord(out.block(), tip, random);
        out.flushIfFull();
    }
    const SaveResult result = out.finish(true);
    TimeSeed(random, clock);
    return result;
}

AppendResult AppendToTipsFile(const std::string& path, const TipList& added, MsRandom& random,
                              const Clock& clock, const SaveOptions& options)
{
    AppendResult result;
    RecordBlocks out(path, options);
    // Only a file that is not there holds no Tips; one there but not opened is an error,
    // or its Tips would be saved away.
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0 || errno != ENOENT;
    const FileHandle file = out.ok() ? OpenLastCompleteVersion(path) : FileHandle();
    if (out.ok() && exists && !file)
        result.readFailed = true;
    if (out.ok() && file) {
        // Each record is copied into the block as it is stored, and is complete when the
        // next one starts, its text's continuations read. A stored text that ends its line
        // reads back the same when written as it is; one cut short does not (decoding
        // keeps its last byte as it is and adds a line end), so that one is decoded and
        // scrambled afresh where it lies. The block is written out only between records.
        std::string& block = out.block();
        std::optional<std::size_t> pendingText; // where the last record's text starts
        const auto finishPending = [&] {
            if (!pendingText)
                return;
            if (!block.ends_with('\n')) {
                const std::string text =
                    DecodeTipText(std::string_view(block).substr(*pendingText));
                block.resize(*pendingText);
                AppendScrambledText(block, text, random);
            }
            pendingText.reset();
            ++result.keptTips;
            out.flushIfFull();
        };
        const auto record = [&](const std::string& date, const std::string& category,
                                std::string_view text) {
            finishPending();
            AppendRecordHead(block, date, category);
            pendingText = block.size();
            block += text;
        };
        const auto more = [&](std::string_view piece) {
            if (pendingText)
                block += piece;
        };
        PieceReader reader(file.get(), kReadBlock);
        result.readFailed = !ReadRecords(reader, record, more);
        finishPending();
    }
    for (const TipParts tip : added) {
        if (!out.ok() || result.readFailed)
            break;
        AppendTipRecord(out.block(), tip, random);
        out.flushIfFull();
    }
    result.save = out.finish(!result.readFailed);
    TimeSeed(random, clock);
    return result;
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
