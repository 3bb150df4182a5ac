#pragma once
namespace CLI {
class App;
}
// mdx library map STANDARD (--key KEY | --new) [VAR=GROUP.NAME[.KIND] ...] [--remove]:
// shows, creates, changes and removes lines of a standard's mapping file.
void addLibraryMapCommand(CLI::App& library, int& exitCode);
