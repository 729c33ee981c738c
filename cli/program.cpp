#include "cli/program.h"

#include "cli/command_error.h"
#include "cli/command_line.h"
#include "cli/session.h"

#include <new>

namespace kelvcfg {

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Request request;
    const int parsed = ParseCommandLine(args, &request, out, err);
    if (parsed >= 0)
        return parsed;
    try {
        return RunCommand(request, out, err);
    } catch (const CommandError& error) {
        err << "kelvcfg: " << error.what() << "\n";
        return error.code();
    } catch (const std::bad_alloc&) {
        err << "kelvcfg: out of memory; nothing written\n";
        return kUnreadable;
    }
}

} // namespace kelvcfg
