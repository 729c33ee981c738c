// The reads that driver images' version resources take, recorded once as the library's reader
// makes them and then made again plainly: the floor reads the same bytes of the same files, in
// the same order, and does none of the reader's own work (no header, directory or resource is
// looked at).
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kelvd::floor {

class ImageReads {
public:
    // Runs load with every file it opens recorded, in order: the file, and each move and read
    // made in it. What was recorded before is kept, and the new files come after it.
    void Record(const std::function<void()>& load);

    // Whether a recorded image is left to read again.
    bool AnyLeft() const { return next_ < images_.size(); }
    // Reads the next recorded image again, through the platform's files: opens it, moves and
    // reads as recorded, and closes it.
    void ReadNext();
    // Starts again from the first recorded image.
    void Rewind() { next_ = 0; }
    size_t Count() const { return images_.size(); }

    struct Step {
        bool seek;   // a move to offset, or else a read of size bytes
        long amount; // the offset or the size
    };
    struct Image {
        std::string path;
        std::vector<Step> steps;
    };

private:
    std::deque<Image> images_; // a deque: a file being recorded keeps its place
    size_t next_ = 0;
};

} // namespace kelvd::floor
