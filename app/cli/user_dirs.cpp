#include "user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR";
constexpr std::string_view kHome = "$HOME";

std::string_view TrimStart(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

// The quoted value of one line, unescaped, or nothing when the line is not
// a well-formed documents entry.
bool ReadEntry(std::string_view line, const std::string& home, std::string& folder) {
    line = TrimStart(line);
    if (line.substr(0, kKey.size()) != kKey) return false;
    line = TrimStart(line.substr(kKey.size()));
    if (line.empty() || line.front() != '=') return false;
    line = TrimStart(line.substr(1));
    if (line.empty() || line.front() != '"') return false;
    line.remove_prefix(1);

    std::string value;
    if (line.substr(0, kHome.size()) == kHome &&
        (line.size() == kHome.size() || line[kHome.size()] == '/' || line[kHome.size()] == '"')) {
        value = home;
        line.remove_prefix(kHome.size());
    } else if (line.empty() || line.front() != '/') {
        return false;
    }
    while (!line.empty() && line.front() != '"') {
        if (line.front() == '\\' && line.size() > 1) line.remove_prefix(1);
        value += line.front();
        line.remove_prefix(1);
    }
    if (line.empty()) return false;  // no closing quote
    while (value.size() > 1 && value.back() == '/') value.pop_back();
    folder = value;
    return true;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    if (!file) return {};
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::string ConfigFolder(const std::string& home) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') return configHome;
    return home + "/.config";
}

}  // namespace

std::string DocumentsFolderIn(std::string_view userDirs, const std::string& home) {
    std::string folder;
    while (!userDirs.empty()) {
        std::size_t end = userDirs.find('\n');
        ReadEntry(userDirs.substr(0, end), home, folder);
        if (end == std::string_view::npos) break;
        userDirs.remove_prefix(end + 1);
    }
    return folder;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') return entry->pw_dir;
    return {};
}

std::string UserDocumentsFolder() {
    std::string home = HomeFolder();
    if (home.empty()) return {};
    std::string folder = DocumentsFolderIn(ReadFile(ConfigFolder(home) + "/user-dirs.dirs"), home);
    return folder.empty() ? home + "/Documents" : folder;
}
