#include "common/TipsAsText.h"

#include "common/AtomicFile.h"

namespace {

void AppendWithCrLf(std::string& out, std::string_view bytes)
{
    std::size_t start = 0;
    for (std::size_t lf = bytes.find('\n'); lf != std::string_view::npos;
         lf = bytes.find('\n', start)) {
        out.append(bytes, start, lf - start);
        out += "\r\n";
        start = lf + 1;
    }
    out.append(bytes, start);
}

constexpr std::size_t kChunk = 1 << 20;

} // namespace

void AppendTipAsText(std::string& out, int number, TipParts tip)
{
    out += number == 1 ? "Tip #" : "\r\nTip #";
    out += std::to_string(number);
    out += "\r\n";
    AppendWithCrLf(out, tip.date);
    AppendWithCrLf(out, tip.text);
}

std::string WriteTipsAsText(const TipList& tips, const std::string& path)
{
    AtomicFileWriter writer(path, AtomicFileWriter::NewFile::Document);
    if (!writer.open())
        return writer.error();
    std::string chunk;
    chunk.reserve(kChunk + 4096);
    int number = 0;
    for (const TipParts tip : tips) {
        AppendTipAsText(chunk, ++number, tip);
        if (chunk.size() >= kChunk) {
            if (!writer.write(chunk))
                return writer.error();
            chunk.clear();
        }
    }
    if (!writer.write(chunk) || !writer.commit())
        return writer.error();
    return {};
}
