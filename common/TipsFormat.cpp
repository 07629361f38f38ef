#include "common/TipsFormat.h"

#include "common/AtomicFile.h"
#include "common/Clock.h"
#include "common/FileHandle.h"
#include "common/MsRandom.h"
#include "common/PieceReader.h"
#include "common/Scramble.h"

#include <cstdio>

namespace {

void EnsureLineEnd(std::string& part)
{
    if (part.empty() || part.back() != '\n')
        part.push_back('\n');
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

// The records as stored, texts still scrambled.
void ReadRecords(std::FILE* file, TipsFileContent& content)
{
    content = {};
    PieceReader reader(file);
    std::vector<Tip>& tips = content.tips;
    std::string piece;
    while (reader.next(piece)) {
        if (piece.find(kTipsMarker) == std::string::npos) {
            // A continuation: the rest of a long or raw-LF text line, or a stray line.
            (tips.empty() ? content.strayText : tips.back().text) += piece;
            continue;
        }
        Tip tip;
        if (!reader.next(tip.date) || !reader.next(tip.category) || !reader.next(tip.text))
            break; // a record cut before its text line is lost, as readers always did
        tips.push_back(std::move(tip));
    }
    content.readError = reader.failed();
}

} // namespace

bool ReadTipsFileRecords(const std::string& path, TipsFileContent& content)
{
    content = {};
    const FileHandle file = OpenFile(path, "rb");
    if (!file)
        return false;
    ReadRecords(file.get(), content);
    return true;
}

std::string DecodeTipText(const std::string& stored, MsRandom& random)
{
    std::string text = UnscrambleText(stored, random);
    EnsureLineEnd(text);
    return text;
}

bool LoadTipsFile(const std::string& path, TipsFileContent& content, MsRandom& random,
                  const Clock& clock)
{
    content = {};
    const FileHandle file = OpenFile(path, "rb");
    if (!file)
        return false;
    ReadTipsFile(file.get(), content, random, clock);
    return true;
}

void ReadTipsFile(std::FILE* file, TipsFileContent& content, MsRandom& random, const Clock& clock)
{
    ReadRecords(file, content);
    for (Tip& tip : content.tips) {
        tip.text = DecodeTipText(tip.text, random);
        CutToOnePiece(tip.date);
        CutToOnePiece(tip.category);
    }
    TimeSeed(random, clock);
}

std::string FormatTipRecord(const Tip& tip, MsRandom& random)
{
    std::string record(kTipsMarker);
    record += '\n';
    record += tip.date;
    record += tip.category;
    record += ScrambleText(tip.text, random);
    return record;
}

SaveResult SaveTipsFile(const std::string& path, const std::vector<Tip>& tips, MsRandom& random,
                        const Clock& clock, const SaveOptions& options)
{
    // Each text is scrambled straight into the output: the seeds and shifts drawn are
    // those of scrambling the whole collection in place first, and the collection
    // itself is never touched, so a failed write cannot leave it scrambled.
    AtomicFileWriter writer(path);
    if (options.replaceOnlyIf)
        writer.replaceOnlyIf(*options.replaceOnlyIf);
    bool ok = writer.open();
    for (const Tip& tip : tips) {
        if (!ok)
            break;
        ok = writer.write(FormatTipRecord(tip, random));
    }
    ok = ok && writer.commit();
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
