#pragma once
// The files being evaluated right now, outermost first: the standard of the macro, then the
// child it called, and so on. A child call of a file already in the chain would run for
// ever (A calls B calls A), and many calls of distinct files multiply (each sheet calling
// the next three times, sixteen deep); so a call of a running file is refused, and one
// evaluation, children included, may make at most kMaxCallsPerEvaluation child calls.
#include <string>

#include "core/Mdx_String.h"

namespace child_call_chain {

inline constexpr int kMaxCallsPerEvaluation = 10000;

// Puts a file on the chain for as long as it lives. The first one starts a new evaluation
// and with it a new count of child calls.
class Link {
public:
    explicit Link(const Mdx_String& file);
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;
};

// True when the file (any spelling of it) is being evaluated.
bool isRunning(const Mdx_String& file);
// Counts one child call; false once the evaluation has made its allowance of calls.
bool countCall();
// The allowance; kMaxCallsPerEvaluation unless changed (tests use a small one).
void setCallAllowance(int calls);
int callAllowance();
// The outermost file; empty when nothing is evaluated.
Mdx_String outermost();
// The chain as "A.kvs -> B.kvs -> file" (file names only), for messages.
Mdx_String describeWith(const Mdx_String& file);

}  // namespace child_call_chain
