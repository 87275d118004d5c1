// The user's documents folder as the desktop names it: XDG_DOCUMENTS_DIR in
// user-dirs.dirs of the configuration folder, as `xdg-user-dir DOCUMENTS`
// reads it, and $HOME/Documents when the file or the entry is missing.
#ifndef TARNWICK_APP_CLI_USER_DIRS_H
#define TARNWICK_APP_CLI_USER_DIRS_H

#include <string>
#include <string_view>

// The documents folder that the text of a user-dirs.dirs file names, for
// the home folder `home`; empty when the text names none. Entries read
// XDG_DOCUMENTS_DIR="$HOME/..." or XDG_DOCUMENTS_DIR="/...", with '\'
// escaping the next character; the last entry counts, as when a shell
// reads the file; comments and other entries are skipped.
std::string DocumentsFolderIn(std::string_view userDirs, const std::string& home);

// The home folder ($HOME, else the password database's), or empty.
std::string HomeFolder();

// The user's documents folder; empty when there is no home folder.
std::string UserDocumentsFolder();

#endif
