// txscan: a TWAIN 2 scanning application for the console.
#include <cstdio>
#include <string>
#include <vector>

#include "Commands_win.h"
#include "ExitCodes.h"
#include "Options.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    const ParseResult parsed = ParseOptions(args, options);
    if (!parsed.ok) {
        std::fprintf(stderr, "txscan: %s\nRun 'txscan --help' for the options.\n", parsed.error.c_str());
        return kExitBadArguments;
    }
    if (options.verb == Verb::Help) {
        std::fputs(HelpText(), stdout);
        return kExitOk;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 4096);
    return RunCommand(options);
}
