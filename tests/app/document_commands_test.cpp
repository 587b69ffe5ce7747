#include "app/document_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>

#include "app/file_association.h"
#include "tests/settings/scratch_dir.h"

namespace qs::app {
namespace {

using settings::test::readFileBytes;
using settings::test::writeFileBytes;
using std::filesystem::path;

// The windows as a script: queued answers for the prompts and dialogs, and a
// log of what the operator was shown.
class ScriptedUi : public DocumentUi {
public:
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<path>> dialogPaths;
    std::string log;

    SaveAnswer askToSave(TextView prompt) override {
        note("ask " + toUtf8(prompt));
        const SaveAnswer answer = answers.empty() ? SaveAnswer::Cancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    std::optional<path> chooseFileToOpen() override {
        note("open dialog");
        return nextPath();
    }
    std::optional<path> chooseFileToSave(const path& suggested) override {
        note("save dialog " + suggested.filename().string());
        return nextPath();
    }
    void showMessage(TextView message) override {
        note("message");
        lastMessage = message;
    }
    void documentReady() override { note("ready"); }
    void documentRenamed() override { note("renamed"); }

    std::string take() { return std::exchange(log, ""); }
    Text lastMessage;

private:
    std::optional<path> nextPath() {
        if (dialogPaths.empty()) return std::nullopt;
        std::optional<path> next = dialogPaths.front();
        dialogPaths.pop_front();
        return next;
    }
    void note(const std::string& entry) { log += (log.empty() ? "" : ", ") + entry; }
};

class DocumentCommandsTest : public ::testing::Test {
protected:
    path file(const char* name) const { return dir.path() / name; }
    void writeSettings(const path& where, const char16_t* slot1) {
        settings::SettingsRecord record;
        record.SetSlot(slot1, 1);
        ASSERT_TRUE(settings::saveSettingsFile(where, record).saved);
    }
    Text slot(int index) const {
        Text text;
        document.GetSlot(text, index);
        return text;
    }

    settings::test::ScratchDir dir;
    settings::SettingsRecord document;
    RecentFileList recent;
    ScriptedUi ui;
    DocumentCommands commands{document, recent, ui};
};

TEST_F(DocumentCommandsTest, TitlesFollowTheDocument) {
    EXPECT_EQ(commands.frameTitle(), u"Untitled - Quillstone");
    writeSettings(file("contest.qstn"), u"CQ");
    ASSERT_EQ(commands.openDocument(file("contest.qstn")), OpenOutcome::Opened);
    EXPECT_EQ(commands.documentTitle(), u"contest");
    EXPECT_EQ(commands.frameTitle(), u"contest - Quillstone");
    EXPECT_EQ(ui.take(), "renamed, ready");
    EXPECT_EQ(slot(1), u"CQ");
    EXPECT_EQ(recent.entries().front(), file("contest.qstn").u16string());
}

// The prompt comes only for a modified document; Cancel keeps it, No drops
// the changes, Yes saves first (Save As for a new document).
TEST_F(DocumentCommandsTest, SavePromptDecidesWhetherTheDocumentIsReplaced) {
    EXPECT_TRUE(commands.newDocument());
    EXPECT_EQ(ui.take(), "renamed, ready");

    document.SetSlot(u"changed", 45);
    ui.answers = {SaveAnswer::Cancel};
    EXPECT_FALSE(commands.newDocument());
    EXPECT_EQ(ui.take(), "ask Save changes to Untitled?");
    EXPECT_EQ(slot(45), u"changed");

    ui.answers = {SaveAnswer::Yes};
    ui.dialogPaths = {std::nullopt};  // Save As cancelled: nothing replaced
    EXPECT_FALSE(commands.newDocument());
    EXPECT_EQ(ui.take(), "ask Save changes to Untitled?, save dialog Untitled.qstn");
    EXPECT_TRUE(document.IsModified());

    ui.answers = {SaveAnswer::Yes};
    ui.dialogPaths = {file("station")};
    EXPECT_TRUE(commands.newDocument());
    EXPECT_EQ(ui.take(),
              "ask Save changes to Untitled?, save dialog Untitled.qstn, renamed, renamed, ready");
    EXPECT_TRUE(std::filesystem::exists(file("station.qstn")));  // the extension added
    EXPECT_EQ(slot(45), u"");

    document.SetSlot(u"dropped", 45);
    ui.answers = {SaveAnswer::No};
    EXPECT_TRUE(commands.newDocument());
    EXPECT_EQ(slot(45), u"");
    EXPECT_TRUE(std::filesystem::exists(file("station.qstn")));
}

TEST_F(DocumentCommandsTest, UnmodifiedDocumentClosesWithoutAsking) {
    EXPECT_TRUE(commands.saveModified());
    document.SetSlot(u"x", 52);
    document.SetModifiedFlag(false);
    EXPECT_TRUE(commands.saveModified());
    EXPECT_EQ(ui.take(), "");
}

TEST_F(DocumentCommandsTest, SaveWritesToTheDocumentsOwnFileAndSaveAsRenames) {
    writeSettings(file("contest.qstn"), u"old");
    commands.openDocument(file("contest.qstn"));
    ui.take();
    document.SetSlot(u"new", 1);

    EXPECT_TRUE(commands.save());
    EXPECT_EQ(ui.take(), "renamed");
    EXPECT_FALSE(document.IsModified());
    settings::SettingsRecord reread;
    settings::openSettingsFile(file("contest.qstn"), reread);
    Text text;
    reread.GetSlot(text, 1);
    EXPECT_EQ(text, u"new");

    ui.dialogPaths = {file("copy.qstn")};
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(ui.take(), "save dialog contest.qstn, renamed");
    EXPECT_EQ(commands.documentTitle(), u"copy");
    EXPECT_EQ(recent.entries().size(), 2u);
    EXPECT_EQ(recent.entries().front(), file("copy.qstn").u16string());
}

TEST_F(DocumentCommandsTest, FailedSaveKeepsTheDocumentModifiedAndStopsTheClose) {
    document.SetSlot(u"x", 1);
    ui.answers = {SaveAnswer::Yes};
    ui.dialogPaths = {file("missing folder/x.qstn")};
    EXPECT_FALSE(commands.saveModified());
    EXPECT_EQ(ui.take(), "ask Save changes to Untitled?, save dialog Untitled.qstn, message");
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(recent.entries().empty());
}

// An unreadable file leaves the current document and its name; a recent
// entry that cannot be read leaves the list, one that was only cancelled
// stays.
TEST_F(DocumentCommandsTest, UnreadableFilesLeaveTheDocumentAsItWas) {
    writeSettings(file("good.qstn"), u"kept");
    commands.openDocument(file("good.qstn"));
    writeFileBytes(file("short.qstn"), std::string("\xff\xfe\xff\x40", 4));
    recent.add(file("short.qstn").u16string());
    ui.take();

    EXPECT_EQ(commands.openRecentFile(0), OpenOutcome::Failed);
    EXPECT_EQ(ui.take(), "message, renamed");
    EXPECT_EQ(slot(1), u"kept");
    EXPECT_EQ(commands.documentTitle(), u"good");
    EXPECT_EQ(recent.entries(), std::vector<Text>{file("good.qstn").u16string()});

    document.SetSlot(u"edited", 1);
    ui.answers = {SaveAnswer::Cancel};
    EXPECT_EQ(commands.openRecentFile(0), OpenOutcome::Cancelled);
    EXPECT_EQ(recent.entries().size(), 1u);
    EXPECT_EQ(commands.openRecentFile(5), OpenOutcome::Failed);
}

TEST_F(DocumentCommandsTest, ForeignFileOpensEmptyAfterTheMessage) {
    writeFileBytes(file("notes.qstn"), "\x05hello, this is not a settings file");
    document.SetSlot(u"something", 3);
    document.SetModifiedFlag(false);
    EXPECT_EQ(commands.openDocument(file("notes.qstn")), OpenOutcome::Opened);
    EXPECT_EQ(ui.take(), "message, renamed, ready");
    EXPECT_EQ(ui.lastMessage, settings::kNotSettingsFileMessage);
    EXPECT_EQ(slot(3), u"");
    EXPECT_EQ(commands.documentTitle(), u"notes");
}

// The document named on the command line may be opened again from the menu
// to apply its settings.
TEST_F(DocumentCommandsTest, ReopeningTheOpenDocumentReadsItAgain) {
    writeSettings(file("contest.qstn"), u"first");
    commands.openDocument(file("contest.qstn"));
    writeSettings(file("contest.qstn"), u"second");
    ui.dialogPaths = {file("contest.qstn")};
    EXPECT_EQ(commands.openWithDialog(), OpenOutcome::Opened);
    EXPECT_EQ(slot(1), u"second");
    EXPECT_EQ(recent.entries().size(), 1u);
    ui.dialogPaths = {std::nullopt};
    EXPECT_EQ(commands.openWithDialog(), OpenOutcome::Cancelled);
}

TEST(FileAssociation, OpensTheDocumentTypeWithTheProgram) {
    const std::vector<ClassesValue> values = fileAssociation(u"C:\\Q S\\Quillstone.exe");
    const ClassesValue expected[] = {
        {u".qstn", u"", u"Quillstone.Document"},
        {u"Quillstone.Document\\shell\\open\\command", u"", u"\"C:\\Q S\\Quillstone.exe\" \"%1\""},
    };
    for (const ClassesValue& value : expected) {
        EXPECT_NE(std::find(values.begin(), values.end(), value), values.end())
            << toUtf8(value.key);
    }
}

}  // namespace
}  // namespace qs::app
