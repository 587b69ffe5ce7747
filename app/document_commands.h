#pragma once
// The document commands of the File menu for the single settings document:
// New, Open, Save, Save As, the recent-file list, the save prompt before the
// document is replaced or the program closes, a document named on the
// command line and a file dropped on the window.
//
// Every command that replaces the document first offers to save a modified
// one; answering Cancel, or a save that fails, stops the command. A file
// that cannot be read leaves the current document as it was. After a
// document has been created or opened the view applies it (documentReady).

#include <filesystem>
#include <functional>
#include <optional>

#include "app/recent_file_list.h"
#include "common/text.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace qs::app {

inline constexpr char16_t kApplicationTitle[] = u"Quillstone";
inline constexpr char16_t kUntitled[] = u"Untitled";
inline constexpr char16_t kDocumentExtension[] = u".qstn";

enum class SaveAnswer { Yes, No, Cancel };

// What the commands need of the windows.
class DocumentUi {
public:
    virtual ~DocumentUi() = default;
    // "Save changes to contest?" with Yes, No and Cancel.
    virtual SaveAnswer askToSave(TextView prompt) = 0;
    virtual std::optional<std::filesystem::path> chooseFileToOpen() = 0;
    // Starts at `suggested` (a full path, or a bare name for a new document).
    virtual std::optional<std::filesystem::path> chooseFileToSave(
        const std::filesystem::path& suggested) = 0;
    virtual void showMessage(TextView message) = 0;
    // The document was created or opened: the view's initial update.
    virtual void documentReady() = 0;
    // The document's name changed: frame title and recent-file menu.
    virtual void documentRenamed() = 0;
};

// Reading and writing settings files; the Windows program passes its own
// code page and file replacement.
struct DocumentFiles {
    std::function<settings::LoadResult(const std::filesystem::path&, settings::SettingsRecord&)>
        open;
    std::function<settings::SaveResult(const std::filesystem::path&, settings::SettingsRecord&)>
        save;
};

// The portable defaults: Windows-1252 for 8-bit strings, rename over.
DocumentFiles standardDocumentFiles();

enum class OpenOutcome {
    Opened,
    Cancelled,  // the operator kept the current document
    Failed,     // the file could not be read; the operator has been told
};

class DocumentCommands {
public:
    DocumentCommands(settings::SettingsRecord& document, RecentFileList& recentFiles,
                     DocumentUi& ui, DocumentFiles files = standardDocumentFiles());

    // File New; false when the operator kept the current document.
    bool newDocument();
    // File Open with the file dialog.
    OpenOutcome openWithDialog();
    // A path from the command line, a dropped file or the recent-file list.
    // Opening the document that is already open reads it again, so that its
    // settings can be applied.
    OpenOutcome openDocument(const std::filesystem::path& path);
    // Entry `index` of the recent-file list; an entry whose file cannot be
    // read leaves the list.
    OpenOutcome openRecentFile(int index);
    // Save (Save As for a document without a path) and Save As; false when
    // nothing was saved.
    bool save();
    bool saveAs();

    // The save prompt for a modified document: true when the caller may go
    // on and replace or close it.
    bool saveModified();

    // "Untitled", or the file's name without its extension.
    Text documentTitle() const;
    // "contest - Quillstone".
    Text frameTitle() const;

private:
    bool saveTo(const std::filesystem::path& path);
    OpenOutcome load(const std::filesystem::path& path);

    settings::SettingsRecord& document_;
    RecentFileList& recentFiles_;
    DocumentUi& ui_;
    DocumentFiles files_;
};

}  // namespace qs::app
