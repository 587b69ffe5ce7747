#include "tools/settings_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "settings/settings_file.h"
#include "tests/support/command_run.h"
#include "tests/support/temp_file.h"

namespace qs::tools {
namespace {

using test::CommandRun;

CommandRun settingsRun(const std::vector<std::string>& args) { return test::runCommand(settingsCommand, args); }

using test::fileBytes;

class SettingsCommand : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(settingsRun({"new", file.path()}).status, 0); }

    void set(const std::string& slot, const std::string& value) {
        const CommandRun run = settingsRun({"set", file.path(), slot, value});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
    }

    test::TempFile file{"settings.qstn"};
};

TEST_F(SettingsCommand, NewSetShowRoundTrip) {
    EXPECT_EQ(settingsRun({"show", "--json", file.path()}).out, "[]\n");
    set("45", "JA1ABC");
    set("45", "");                          // an empty slot is not listed
    set("46", "\xE5\xA4\xAA\xE9\x83\x8E");  // Taro in kanji
    set("1", "CQ DE <MYCALL>\r\nK");
    set("80", "a\"b\\c\td\x01");

    EXPECT_EQ(settingsRun({"show", file.path()}).out,
              " 1  Macro text of macro button 1            CQ DE <MYCALL>\\r\\nK\n"
              "46  My Name                                 \xE5\xA4\xAA\xE9\x83\x8E\n"
              "80  Reserved                                a\"b\\\\c\\td\\u0001\n");
    EXPECT_EQ(settingsRun({"show", "--json", file.path()}).out,
              "[\n"
              "  {\"slot\": 1, \"meaning\": \"Macro text of macro button 1\", "
              "\"value\": \"CQ DE <MYCALL>\\r\\nK\"},\n"
              "  {\"slot\": 46, \"meaning\": \"My Name\", \"value\": "
              "\"\xE5\xA4\xAA\xE9\x83\x8E\"},\n"
              "  {\"slot\": 80, \"meaning\": \"Reserved\", \"value\": "
              "\"a\\\"b\\\\c\\td\\u0001\"}\n"
              "]\n");

    // The terminal's own loader reads what was written.
    settings::SettingsRecord record;
    ASSERT_EQ(settings::openSettingsFile(file.path(), record).status, settings::LoadStatus::Loaded);
    Text value;
    record.GetSlot(value, 46);
    EXPECT_EQ(value, u"\u592A\u90CE");
}

// Files the loader refuses, files that already exist (for "new") and missing
// files (for "show" and "set") are reported and left as they are.
TEST_F(SettingsCommand, FilesThatCannotBeUsedAreReportedAndLeftAlone) {
    const std::string whole = fileBytes(file.path());
    EXPECT_NE(settingsRun({"new", file.path()}).err.find("already exists"), std::string::npos);
    file.write(whole.substr(0, 200));
    EXPECT_NE(settingsRun({"set", file.path(), "45", "X"}).err.find("is cut short"),
              std::string::npos);
    EXPECT_EQ(fileBytes(file.path()), whole.substr(0, 200));

    const std::string other = "\x05HELLO, world";  // a first string that is no data marker
    file.write(other);
    const CommandRun refused = settingsRun({"set", file.path(), "45", "X"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "qstn settings: " + file.path() +
                               "\nCan't read this fail.\nPls try to open another file or "
                               "choice [new file]\n");
    EXPECT_EQ(fileBytes(file.path()), other);

    test::TempFile missing("missing.qstn");
    EXPECT_EQ(settingsRun({"show", missing.path()}).err,
              "qstn settings: " + missing.path() + ": no such file\n");
    EXPECT_EQ(settingsRun({"set", missing.path(), "45", "X"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(missing.path()));
}

TEST_F(SettingsCommand, BadArgumentsGiveUsageAndStatus2) {
    const std::string before = fileBytes(file.path());
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"list", file.path()},
                                                 {"show", "--yaml", file.path()},
                                                 {"set", file.path(), "45"},
                                                 {"set", file.path(), "0", "X"},
                                                 {"set", file.path(), "81", "X"},
                                                 {"set", file.path(), "4 5", "X"},
                                                 {"set", file.path(), "45", "\xFF\xFE"},
                                                 {"new"}}) {
        const CommandRun run = settingsRun(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage: qstn settings"), std::string::npos) << run.err;
    }
    EXPECT_EQ(fileBytes(file.path()), before);
}

}  // namespace
}  // namespace qs::tools
