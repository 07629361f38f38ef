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
#include <cstring>
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
std::string OnePiece(std::string_view part)
{
    std::string whole(part);
    if (whole.ends_with('\n'))
        return whole;
    if (whole.size() >= PieceReader::kMaxPiece)
        whole.resize(PieceReader::kMaxPiece - 1);
    whole.push_back('\n');
    return whole;
}

// Reads the rest of `file` into one string, sized for the whole file at once when its
// size is known, with room to spare for the few records that have to be changed (and so
// copied) to be kept. False on a read error; the bytes before it are kept.
bool ReadWhole(std::FILE* file, ByteBuffer& bytes)
{
    constexpr std::size_t kSpare = std::size_t{1} << 16;
    const std::int64_t size = KnownSize(file);
    bytes.reserve(size > 0 ? static_cast<std::size_t>(size) + kSpare : kReadBlock);
    for (;;) {
        if (bytes.spare().empty())
            bytes.reserve(2 * bytes.capacity());
        const std::span<char> room = bytes.spare();
        const std::size_t read = std::fread(room.data(), 1, room.size(), file);
        bytes.grow(read);
        if (read == 0)
            break;
    }
    return std::ferror(file) == 0;
}

// The pieces of the first `end` bytes of a list's buffer, as PieceReader hands them out of
// a file. Each piece is valid until the list changes.
class BufferPieces {
  public:
    BufferPieces(const TipList& tips, std::size_t end) : m_tips(tips), m_end(end) {}

    // The offset in the buffer of the next piece.
    std::size_t offset() const { return m_pos; }
    bool next(std::string_view& piece)
    {
        const std::size_t avail = std::min(PieceReader::kMaxPiece, m_end - m_pos);
        if (avail == 0)
            return false;
        const char* start = m_tips.buffer().data() + m_pos;
        const void* lineFeed = std::memchr(start, '\n', avail);
        const std::size_t take =
            lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) + 1
                     : avail;
        piece = {start, take};
        m_pos += take;
        return true;
    }

  private:
    const TipList& m_tips;
    std::size_t m_end;
    std::size_t m_pos = 0;
};

// Indexes the records of the bytes read, which are the list's buffer: a record is a piece
// holding the marker, then the date, the category and the first piece of the text, each
// a piece whatever it holds; the pieces up to the next marker continue the text. A
// record cut before its text line is lost, as readers always did. Each record stays where
// it lies, unless its date or category has to be given a line end.
void IndexRecords(TipList& tips, std::string& strayText, StoredParts parts)
{
    const std::size_t end = tips.bytes();
    BufferPieces pieces(tips, end);
    std::string_view piece;
    while (pieces.next(piece)) {
        const std::size_t at = pieces.offset() - piece.size();
        if (piece.find(kTipsMarker) == std::string_view::npos) {
            // A continuation: the rest of a long or raw-LF text line, or a stray line.
            if (tips.empty())
                strayText.append(piece);
            else if (tips.lastTextEndsAt(at))
                tips.extendLastTextInBuffer(piece.size());
            else
                tips.extendText(tips.size() - 1, piece);
            continue;
        }
        std::string_view date;
        std::string_view category;
        std::string_view text;
        if (!pieces.next(date) || !pieces.next(category) || !pieces.next(text))
            break;
        const std::size_t dateAt = at + piece.size();
        if (parts == StoredParts::TextsOnly)
            tips.pushInBuffer(dateAt + date.size() + category.size(), 0, 0, text.size());
        else if (date.ends_with('\n') && category.ends_with('\n'))
            tips.pushInBuffer(dateAt, date.size(), category.size(), text.size());
        else
            tips.push_back({OnePiece(date), OnePiece(category), std::string(text)});
    }
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
    ByteBuffer bytes;
    const bool complete = ReadWhole(file, bytes);
    stored.tips = TipList(std::move(bytes));
    stored.tips.reserve(ExpectedRecords(static_cast<std::int64_t>(stored.tips.bytes())), 0);
    IndexRecords(stored.tips, stored.strayText, parts);
    stored.readError = !complete;
}

void DecodeStoredText(TipList& tips, std::size_t index)
{
    // Each text carries its own seed, so a generator of its own decodes it the same
    // whatever was drawn before, and the caller's sequence is left alone.
    MsRandom own;
    const std::span<char> text = tips.text(index);
    if (!text.empty()) {
        UnshiftInPlace(text.data(), text.size(), std::max<std::size_t>(text.size(), 2) - 2, own);
        tips.dropFrontOfText(index, 1);
    }
    if (!tips[index].text.ends_with('\n'))
        tips.extendText(index, "\n");
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
    for (std::size_t i = 0; i < loaded.tips.size(); ++i)
        DecodeStoredText(loaded.tips, i);
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
