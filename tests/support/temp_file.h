#pragma once
// A file name in the system's temporary directory that is removed again when
// the test ends.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace qs::test {

class TempFile {
public:
    explicit TempFile(const std::string& name) {
        static int counter = 0;
        static const unsigned processTag = std::random_device{}();
        path_ =
            std::filesystem::temp_directory_path() / ("quillstone_" + std::to_string(processTag) +
                                                      "_" + std::to_string(++counter) + "_" + name);
    }
    ~TempFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string path() const { return path_.string(); }

    void write(const std::string& bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }

private:
    std::filesystem::path path_;
};

}  // namespace qs::test
