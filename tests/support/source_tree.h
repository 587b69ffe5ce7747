#pragma once
// Files of the source tree, for tests that read committed assets. ctest
// passes the tree's root in QUILLSTONE_SOURCE_DIR; without it the tests are
// taken to run in tests/.

#include <cstdlib>
#include <string>

namespace qs::test {

inline std::string sourceTreePath(const std::string& relative) {
    const char* root = std::getenv("QUILLSTONE_SOURCE_DIR");
    return std::string(root != nullptr ? root : "..") + "/" + relative;
}

}  // namespace qs::test
