#include "platform/folder_listing.h"

#include <algorithm>
#include <climits>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkora {

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

FolderEntries listFolder(const std::string& folder, const std::string& fileEnding) {
    FolderEntries entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return entries;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat st;
        if (name.front() == '.' || ::fstatat(::dirfd(dir), name.c_str(), &st, 0) != 0) continue;
        if (S_ISDIR(st.st_mode)) entries.folders.push_back(name);
        else if (S_ISREG(st.st_mode) && endsWith(name, fileEnding)) entries.files.push_back(name);
    }
    ::closedir(dir);
    std::sort(entries.folders.begin(), entries.folders.end());
    std::sort(entries.files.begin(), entries.files.end());
    return entries;
}

std::string workingFolderPath() {
    std::string path(PATH_MAX, '\0');
    if (!::getcwd(path.data(), path.size())) return "/";
    path.resize(path.find('\0'));
    return path;
}

std::string cleanFolderPath(const std::string& path) {
    const std::string absolute = !path.empty() && path.front() == '/' ? path : workingFolderPath() + "/" + path;
    std::vector<std::string> parts;
    for (std::size_t at = 0; at <= absolute.size();) {
        std::size_t slash = absolute.find('/', at);
        if (slash == std::string::npos) slash = absolute.size();
        const std::string part = absolute.substr(at, slash - at);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = slash + 1;
    }
    std::string clean;
    for (const std::string& part : parts) clean += "/" + part;
    return clean.empty() ? "/" : clean;
}

std::vector<std::string> folderChain(const std::string& path) {
    std::vector<std::string> chain = {"/"};
    for (std::size_t slash = path.find('/', 1); path.size() > 1; slash = path.find('/', slash + 1)) {
        chain.push_back(path.substr(0, slash));
        if (slash == std::string::npos) break;
    }
    return chain;
}

bool isFolder(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace zelkora
