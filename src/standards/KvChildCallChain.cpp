#include "standards/KvChildCallChain.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/PathHelpers.h"
#include "win/FilePaths.h"
#include "win/StableFileNames.h"

namespace fs = std::filesystem;

namespace child_call_chain {
namespace {

struct Running {
    Mdx_String file;
    std::string real;  // the file on disk, so that two spellings of one file are one
};

struct Chain {
    std::vector<Running> files;
    int calls = 0;
    int allowance = kMaxCallsPerEvaluation;
};

Chain& chain() {
    static Chain running;
    return running;
}

std::string realFile(const Mdx_String& file) {
    return win::realPathOf(file.toUtf8()).string();
}

}  // namespace

Link::Link(const Mdx_String& file) {
    Chain& running = chain();
    if (running.files.empty()) running.calls = 0;
    running.files.push_back({file, realFile(file)});
}

Link::~Link() {
    chain().files.pop_back();
}

bool isRunning(const Mdx_String& file) {
    const std::string real = realFile(file);
    for (const Running& running : chain().files)
        if (running.real == real) return true;
    return false;
}

bool countCall() {
    return ++chain().calls <= chain().allowance;
}

void setCallAllowance(int calls) {
    chain().allowance = calls;
}

int callAllowance() {
    return chain().allowance;
}

Mdx_String outermost() {
    const Chain& running = chain();
    return running.files.empty() ? Mdx_String() : running.files.front().file;
}

Mdx_String describeWith(const Mdx_String& file) {
    Mdx_String text;
    for (const Running& running : chain().files) text += getFileName(running.file) + " -> ";
    return text + getFileName(file);
}

}  // namespace child_call_chain
