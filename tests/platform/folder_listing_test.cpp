// Folder paths kept as bytes: cleaned by text and split into the chain the
// folder list shows, whatever bytes the names hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/folder_listing.h"

namespace zelkora {
namespace {

TEST(FolderPaths, CleanedByTextAndChainedFromTheRoot) {
    struct Case {
        std::string path, clean;
        std::vector<std::string> chain;
    };
    const Case cases[] = {
        {"/", "/", {"/"}},
        {"/a//b/./c/", "/a/b/c", {"/", "/a", "/a/b", "/a/b/c"}},
        {"/a/b/../../..", "/", {"/"}},
        {"/x/bad\xFF\xFE/..\xFF", "/x/bad\xFF\xFE/..\xFF", {"/", "/x", "/x/bad\xFF\xFE", "/x/bad\xFF\xFE/..\xFF"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cleanFolderPath(c.path), c.clean) << c.path;
        EXPECT_EQ(folderChain(c.clean), c.chain) << c.path;
    }
    EXPECT_EQ(cleanFolderPath("."), workingFolderPath());
}

}  // namespace
}  // namespace zelkora
