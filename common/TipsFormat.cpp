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

} // namespace

bool ReadTipsFileRecords(const std::string& path, TipsFileContent& content)
{
    content = {};
    const FileHandle file = OpenFile(path, "rb");
    if (!file)
        return false;
    PieceReader reader(file.get());
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
    if (!ReadTipsFileRecords(path, content))
        return false;
    for (Tip& tip : content.tips) {
        tip.text = DecodeTipText(tip.text, random);
        EnsureLineEnd(tip.date);
        EnsureLineEnd(tip.category);
    }
    TimeSeed(random, clock);
    return true;
}

SaveResult SaveTipsFile(const std::string& path, const std::vector<Tip>& tips, MsRandom& random,
                        const Clock& clock)
{
    // Each text is scrambled straight into the output: the seeds and shifts drawn are
    // those of scrambling the whole collection in place first, and the collection
    // itself is never touched, so a failed write cannot leave it scrambled.
    AtomicFileWriter writer(path);
    bool ok = writer.open();
    std::string record;
    for (const Tip& tip : tips) {
        if (!ok)
            break;
        record.assign(kTipsMarker);
        record += '\n';
        record += tip.date;
        record += tip.category;
        record += ScrambleText(tip.text, random);
        ok = writer.write(record);
    }
    ok = ok && writer.commit();
    TimeSeed(random, clock);
    return ok ? SaveResult{} : SaveResult{false, writer.error()};
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
