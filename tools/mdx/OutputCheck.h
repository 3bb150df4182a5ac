#pragma once
// A command whose report could not be written has not done its job: a script reading the
// output of `mdx ... > file` on a full disk must not see exit 0 and an empty file.

// When a command fails in a way no other code names.
inline constexpr int kExitUnexpectedFault = 13;
// When the standard output could not be written, whatever the command did.
inline constexpr int kExitOutputUnwritable = 12;

// Flushes the standard output; the command's exit code when that worked, else a message on
// the error output and kExitOutputUnwritable (or the command's own code when it had failed).
int withOutputChecked(int exitCode);
