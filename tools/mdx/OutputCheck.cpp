#include "OutputCheck.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

int withOutputChecked(int exitCode) {
    std::cout.flush();
    errno = 0;
    const bool streamFailed = !std::cout;
    const bool fileFailed = std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!streamFailed && !fileFailed) return exitCode;
    std::cerr << "mdx: the output could not be written"
              << (errno ? std::string(": ") + std::strerror(errno) : std::string()) << "\n";
    return exitCode != 0 ? exitCode : kExitOutputUnwritable;
}
