// Files as a command sees them: reads come from the file system under it; a file opened for
// writing is kept in memory and, once closed, entered in the journal under its name, which a
// rename changes and a removal withdraws. Nothing reaches the disk until the journal is carried
// out, and then every file is written whole beside its old one and moved over it.
#pragma once

#include "cli/journal.h"
#include "cli/undo.h"
#include "platform/file_system.h"

#include <map>
#include <string>

namespace kelvcfg {

class StagedFiles final : public platform::FileSystem {
public:
    StagedFiles(platform::FileSystem& base, Journal& journal) : base_(base), journal_(journal) {}

    std::unique_ptr<platform::File> Open(const char* path, platform::OpenMode mode) override;
    bool Rename(const char* from, const char* to) override;
    bool Remove(const char* path) override;

    // Called by a staged file when it is closed.
    void Closed(const std::string& path, std::string content);

    // Throws a CommandError naming the first file of the journal that could not be written: a
    // read-only file, one in a directory that cannot take the temporary file beside it, or one
    // whose old content cannot be read, to be put back should a later write fail.
    static void CheckWritable(const Journal& journal);
    // Writes the journal's files, each replacing the old one only when complete, and enters in
    // undo how to put each back; throws a CommandError naming the first that fails.
    static void Commit(const Journal& journal, Undo& undo);

private:
    platform::FileSystem& base_;
    Journal& journal_;
    std::map<std::string, size_t> staged_; // path -> its journal entry
};

} // namespace kelvcfg
