// Text made for a stream and written to it in pieces of some kilobytes: large enough that writing
// a piece costs little beside making it, small enough to stay in the cache. Output of some
// megabytes is neither built whole first nor written line by line.
#pragma once

#include <ostream>
#include <string>

namespace kelvcfg {

class TextPieces {
public:
    explicit TextPieces(std::ostream& out) : out_(out) {}

    // The text not yet written, to append to.
    std::string& text() { return text_; }
    // Writes the text made so far once it fills a piece.
    void Piece() {
        if (text_.size() >= kPieceSize)
            Flush();
    }
    // Writes the text made so far.
    void Flush() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }

private:
    static constexpr size_t kPieceSize = 16384;

    std::ostream& out_;
    std::string text_;
};

} // namespace kelvcfg
