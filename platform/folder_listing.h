// Folders and their contents by the bytes of their names.
//
// A name on disk need not be valid UTF-8; text toolkits turn such bytes into
// U+FFFD, and a path rebuilt from that text names another folder or none. The
// record panel keeps every path as these bytes and decodes them only to show.
#pragma once

#include <string>
#include <vector>

namespace zelkora {

struct FolderEntries {
    std::vector<std::string> folders;   // subfolders, without "." and ".."
    std::vector<std::string> files;     // regular files with the wanted ending
};

// The entries of `folder` (symbolic links followed), each list sorted by bytes.
// Hidden entries (names starting with ".") are left out, as file choosers do.
FolderEntries listFolder(const std::string& folder, const std::string& fileEnding);

// The working folder's absolute path; "/" when it cannot be read.
std::string workingFolderPath();

// `path` made absolute against the working folder, with ".", ".." and repeated
// separators removed by text; "/" is its own parent.
std::string cleanFolderPath(const std::string& path);

// The folders from the root down to `path` (a clean absolute path), both included.
std::vector<std::string> folderChain(const std::string& path);

// Whether `path` names a folder.
bool isFolder(const std::string& path);

}  // namespace zelkora
