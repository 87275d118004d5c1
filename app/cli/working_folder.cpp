#include "working_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "user_dirs.h"

namespace {

// Built by appending: GCC 12 takes `"'" + std::string(...)` for an
// overlapping copy at -O2 and warns.
std::string Quoted(std::string_view path) {
    std::string quoted;
    quoted.reserve(path.size() + 2);
    quoted.append(1, '\'').append(path).append(1, '\'');
    return quoted;
}

// The folder part of a path to a file ("." for a bare file name).
std::string FolderPart(std::string_view path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return ".";
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string_view NamePart(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Makes `folder` and any missing parents, as mkdir -p does.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat status;
    return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string FolderOfArgument(const char* argument, std::string& why) {
    struct stat status;
    if (stat(argument, &status) != 0) {
        why = Quoted(argument) + " is not there (" + std::strerror(errno) + ")";
        return {};
    }
    if (S_ISDIR(status.st_mode)) return argument;
    if (S_ISREG(status.st_mode) && NamePart(argument) == kDrawingsFile) return FolderPart(argument);
    why = Quoted(argument) + " is neither a folder nor a " + kDrawingsFile + " file";
    return {};
}

std::string MenuFolder() {
    std::string documents = UserDocumentsFolder();
    return documents.empty() ? documents : documents + "/Tarnwick";
}

int ChooseWorkingFolder(const CommandLine& line, WorkingFolder& folder, std::string& error) {
    if (line.folder != nullptr) {
        std::string why;
        folder.path = FolderOfArgument(line.folder, why);
        if (!folder.path.empty()) return 0;
        error = "tarnwick: " + why + "; give a folder or its " + kDrawingsFile;
        return 2;
    }
    if (!line.documentsFolder) return 0;
    folder.path = MenuFolder();
    folder.make = true;
    if (!folder.path.empty()) return 0;
    error = "tarnwick: no home folder to keep the drawings in (HOME is not set)";
    return 1;
}

int EnterWorkingFolder(const WorkingFolder& folder, std::string& error) {
    if (folder.path.empty()) return 0;
    if (folder.make && !MakeFolders(folder.path)) {
        error = "tarnwick: cannot make " + Quoted(folder.path) + ": " + std::strerror(errno);
        return 1;
    }
    if (chdir(folder.path.c_str()) == 0) return 0;
    error = "tarnwick: cannot work in " + Quoted(folder.path) + ": " + std::strerror(errno);
    return 1;
}

std::string AbsolutePath(const char* path) {
    if (path[0] == '/') return path;
    char* here = getcwd(nullptr, 0);
    if (here == nullptr) return path;
    std::string absolute = std::string(here) + "/" + path;
    std::free(here);
    return absolute;
}
