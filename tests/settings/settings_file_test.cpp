#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "tests/settings/scratch_dir.h"

namespace qs::settings {
namespace {

using test::readFileBytes;
using test::ScratchDir;
using test::writeFileBytes;

Text slotText(const SettingsRecord& record, int index) {
    Text out;
    record.GetSlot(out, index);
    return out;
}

SettingsRecord modifiedRecord(TextView macro) {
    SettingsRecord record;
    record.SetSlot(macro, 1);
    record.SetSlot(u"kept as it is", 80);
    record.SetPathName("elsewhere.qstn");
    return record;
}

TEST(SettingsFile, SavedFileOpensWithItsPathAndUnmodified) {
    ScratchDir dir;
    const auto path = dir.path() / "station.qstn";
    SettingsRecord record = modifiedRecord(u"CQ \u3053\u3093");
    const SaveResult saved = saveSettingsFile(path, record);
    ASSERT_TRUE(saved.saved) << toUtf8(saved.message);
    EXPECT_EQ(record.GetPathName(), path);
    EXPECT_FALSE(record.IsModified());
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(path)));

    // Saving again replaces the file in place.
    record.SetSlot(u"second", 1);
    ASSERT_TRUE(saveSettingsFile(path, record).saved);

    SettingsRecord opened = modifiedRecord(u"before");
    EXPECT_EQ(openSettingsFile(path, opened).status, LoadStatus::Loaded);
    EXPECT_EQ(slotText(opened, 1), u"second");
    EXPECT_EQ(slotText(opened, 80), u"kept as it is");
    EXPECT_EQ(opened.GetPathName(), path);
    EXPECT_FALSE(opened.IsModified());
}

TEST(SettingsFile, AnotherKindOfFileOpensAsAnEmptyDocumentNamedAfterIt) {
    ScratchDir dir;
    const auto path = dir.path() / "notes.txt";
    // Read as archive strings, it starts with an 8-bit string of 'T' (84) bytes.
    writeFileBytes(path, std::string(200, 'T'));
    SettingsRecord record = modifiedRecord(u"before");
    const LoadResult result = openSettingsFile(path, record);
    EXPECT_EQ(result.status, LoadStatus::NotSettingsFile);
    EXPECT_EQ(result.message, kNotSettingsFileMessage);
    EXPECT_TRUE(slotText(record, 1).empty());
    EXPECT_EQ(record.GetPathName(), path);
    EXPECT_FALSE(record.IsModified());
}

TEST(SettingsFile, FilesThatCannotBeLoadedLeaveTheRecordAlone) {
    ScratchDir dir;
    SettingsRecord source = modifiedRecord(u"source");
    const Bytes whole = storeSettings(source);
    writeFileBytes(dir.path() / "cut.qstn", std::string(whole.begin(), whole.begin() + 200));
    writeFileBytes(dir.path() / "huge.qstn", "");
    std::filesystem::resize_file(dir.path() / "huge.qstn", kMaxSettingsFileBytes + 1);
    const struct {
        const char* name;
        LoadStatus status;
    } cases[] = {{"cut.qstn", LoadStatus::Truncated},
                 {"huge.qstn", LoadStatus::TooLarge},
                 {"missing.qstn", LoadStatus::Unreadable}};
    for (const auto& c : cases) {
        SettingsRecord record = modifiedRecord(u"before");
        const LoadResult result = openSettingsFile(dir.path() / c.name, record);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_NE(result.message.find(fromAscii(c.name)), Text::npos) << c.name;
        EXPECT_EQ(slotText(record, 1), u"before");
        EXPECT_EQ(record.GetPathName(), "elsewhere.qstn");
        EXPECT_TRUE(record.IsModified());
    }
}

TEST(SettingsFile, AFailedSaveKeepsThePreviousFile) {
    ScratchDir dir;
    const auto path = dir.path() / "station.qstn";
    SettingsRecord previous = modifiedRecord(u"previous");
    ASSERT_TRUE(saveSettingsFile(path, previous).saved);
    const std::string previousBytes = readFileBytes(path);

    // The temporary file cannot be created: a directory stands in its way.
    SettingsRecord record = modifiedRecord(u"new");
    std::filesystem::create_directory(temporaryPathFor(path));
    SaveResult result = saveSettingsFile(path, record);
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(readFileBytes(path), previousBytes);
    EXPECT_TRUE(record.IsModified());
    EXPECT_EQ(record.GetPathName(), "elsewhere.qstn");
    std::filesystem::remove(temporaryPathFor(path));

    // The replacement fails: the previous file stays and the temporary goes.
    const auto failingReplace = [](const std::filesystem::path&, const std::filesystem::path&) {
        return false;
    };
    result = saveSettingsFile(path, record, failingReplace);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(readFileBytes(path), previousBytes);
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(path)));
    EXPECT_TRUE(record.IsModified());
}

}  // namespace
}  // namespace qs::settings
