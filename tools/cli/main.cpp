// korvane-cli: generates plug-ins (and works with skins) from the command line.
#include "tools/cli/cli.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "encoding/utf8.h"

#include <fcntl.h>
#include <io.h>

// Windows hands the arguments over as UTF-16; they are passed on as UTF-8. Standard output is
// switched to binary so that the plug-in's CR LF is not turned into CR CR LF.
int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg(argv[i]);
        args.push_back(korvane::Utf8Encode(std::u16string(arg.begin(), arg.end())));
    }
    return korvane::RunCli(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv)
{
    return korvane::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
