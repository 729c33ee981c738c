// Text made for a stream and written to it in pieces of some kilobytes: large enough that writing
// a piece costs little beside making it, small enough to stay in the cache. Output of some
// megabytes is neither built whole first nor written line by line. Appending copies the bytes
// into a buffer that only grows, without the checks of a string's append on every small piece.
#pragma once

#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace kelvcfg {

class TextPieces {
public:
    explicit TextPieces(std::ostream& out) : out_(out), buffer_(2 * kPieceSize, '\0') {}

    void Append(std::string_view text) {
        if (!text.empty()) // an empty view may point nowhere, which memcpy may not be given
            std::memcpy(Room(text.size()), text.data(), text.size());
    }
    void Append(char c) { *Room(1) = c; }
    // count copies of c.
    void Append(size_t count, char c) { std::memset(Room(count), c, count); }
    // Takes back the spaces at the end of the text made since the piece was written, as far back
    // as from (a size() of before).
    void TrimSpaces(size_t from) {
        while (used_ > from && buffer_[used_ - 1] == ' ')
            --used_;
    }
    // How much text is made and not yet written.
    size_t size() const { return used_; }

    // Writes the text made so far once it fills a piece.
    void Piece() {
        if (used_ >= kPieceSize)
            Flush();
    }
    // Writes the text made so far.
    void Flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
        used_ = 0;
    }

private:
    static constexpr size_t kPieceSize = 16384;

    // Where size more bytes go, which now count as made.
    char* Room(size_t size) {
        if (buffer_.size() - used_ < size)
            buffer_.resize(2 * (used_ + size));
        char* room = &buffer_[used_];
        used_ += size;
        return room;
    }

    std::ostream& out_;
    std::string buffer_; // its first used_ bytes are the text made
    size_t used_ = 0;
};

} // namespace kelvcfg
