// vandrelle-art's entry point: arguments in, art bytes out, unchanged by the C runtime.
#include <iostream>

#include "tools/vandrelle-art/cli.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "app/text_codec.hpp"

// Windows hands over the arguments as UTF-16; the command line works in UTF-8, and standard
// output must stay binary so CR LF is not doubled.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(vandrelle::app::utf16_to_utf8(reinterpret_cast<const char16_t*>(argv[i])));
    }
    return vandrelle::cli::run(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return vandrelle::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
