#include "cli/staged_files.h"

#include "cli/command_error.h"
#include "cli/file_access.h"

#include <algorithm>
#include <cstring>

namespace kelvcfg {

namespace {

// A file being written into memory; closing it hands the content to the staged file system.
class StagedFile final : public platform::File {
public:
    StagedFile(StagedFiles& files, std::string path) : files_(files), path_(std::move(path)) {}
    ~StagedFile() override { Close(); }

    char* ReadLine(char*, int) override { return nullptr; }
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void* data, size_t size) override {
        if (closed_)
            return 0;
        if (content_.size() < position_ + size)
            content_.resize(position_ + size);
        std::memcpy(&content_[position_], data, size);
        position_ += size;
        return size;
    }
    bool Seek(long offset) override {
        if (closed_ || offset < 0)
            return false;
        position_ = static_cast<size_t>(offset);
        return true;
    }
    long Tell() override { return static_cast<long>(position_); }
    bool Close() override {
        if (closed_)
            return false;
        closed_ = true;
        files_.Closed(path_, std::move(content_));
        return true;
    }

private:
    StagedFiles& files_;
    std::string path_;
    std::string content_;
    size_t position_ = 0;
    bool closed_ = false;
};

} // namespace

std::unique_ptr<platform::File> StagedFiles::Open(const char* path, platform::OpenMode mode) {
    if (mode == platform::OpenMode::WriteBinary)
        return std::make_unique<StagedFile>(*this, path);
    return base_.Open(path, mode);
}

void StagedFiles::Closed(const std::string& path, std::string content) {
    auto found = staged_.find(path);
    if (found != staged_.end()) {
        journal_[found->second].data = std::move(content);
        return;
    }
    staged_[path] = journal_.Add({JournalEntry::Kind::File, path, "", 0, std::move(content)});
}

bool StagedFiles::Rename(const char* from, const char* to) {
    auto found = staged_.find(from);
    if (found == staged_.end())
        return false;
    Remove(to);
    const size_t entry = found->second;
    staged_.erase(found);
    journal_[entry].where = to;
    staged_[to] = entry;
    return true;
}

bool StagedFiles::Remove(const char* path) {
    auto found = staged_.find(path);
    if (found == staged_.end())
        return false;
    journal_[found->second].kind = JournalEntry::Kind::Withdrawn;
    staged_.erase(found);
    return true;
}

void StagedFiles::CheckWritable(const Journal& journal) {
    for (const JournalEntry& entry : journal.entries()) {
        if (entry.kind != JournalEntry::Kind::File)
            continue;
        std::string why = WhyNotReplaceable(entry.where);
        if (why.empty() && Exists(entry.where) &&
            !platform::fileSystem().Open(entry.where.c_str(), platform::OpenMode::ReadBinary))
            why = "its old content cannot be read to keep";
        if (!why.empty())
            throw CommandError(kUnwritable, "cannot write " + entry.where + ": " + why);
    }
}

void StagedFiles::Commit(const Journal& journal, Undo& undo) {
    for (const JournalEntry& entry : journal.entries()) {
        if (entry.kind != JournalEntry::Kind::File)
            continue;
        std::string old;
        const bool existed =
            platform::ReadWholeFile(entry.where, platform::OpenMode::ReadBinary, &old);
        if (!platform::WriteWholeFile(entry.where, entry.data))
            throw CommandError(kUnwritable, "cannot write " + entry.where);
        undo.Add(entry.where, [where = entry.where, old = std::move(old), existed] {
            return existed ? platform::WriteWholeFile(where, old)
                           : platform::fileSystem().Remove(where.c_str());
        });
    }
}

} // namespace kelvcfg
