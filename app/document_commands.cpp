#include "app/document_commands.h"

namespace qs::app {

using std::filesystem::path;

DocumentFiles standardDocumentFiles() {
    return {[](const path& file, settings::SettingsRecord& record) {
                return settings::openSettingsFile(file, record);
            },
            [](const path& file, settings::SettingsRecord& record) {
                return settings::saveSettingsFile(file, record);
            }};
}

DocumentCommands::DocumentCommands(settings::SettingsRecord& document, RecentFileList& recentFiles,
                                   DocumentUi& ui, DocumentFiles files)
    : document_(document), recentFiles_(recentFiles), ui_(ui), files_(std::move(files)) {}

bool DocumentCommands::newDocument() {
    if (!saveModified()) return false;
    document_.OnNewDocument();
    ui_.documentRenamed();
    ui_.documentReady();
    return true;
}

OpenOutcome DocumentCommands::openWithDialog() {
    const std::optional<path> chosen = ui_.chooseFileToOpen();
    if (!chosen) return OpenOutcome::Cancelled;
    return openDocument(*chosen);
}

OpenOutcome DocumentCommands::openDocument(const path& file) {
    if (!saveModified()) return OpenOutcome::Cancelled;
    return load(file);
}

OpenOutcome DocumentCommands::openRecentFile(int index) {
    const std::vector<Text>& entries = recentFiles_.entries();
    if (index < 0 || index >= static_cast<int>(entries.size())) return OpenOutcome::Failed;
    const OpenOutcome outcome = openDocument(path(entries[index]));
    if (outcome == OpenOutcome::Failed) {
        recentFiles_.remove(index);
        ui_.documentRenamed();
    }
    return outcome;
}

// A file that is not a settings file still opens, as an empty document
// named after it, once the operator has read why.
OpenOutcome DocumentCommands::load(const path& file) {
    const settings::LoadResult result = files_.open(file, document_);
    if (!result.message.empty()) ui_.showMessage(result.message);
    if (result.status != settings::LoadStatus::Loaded &&
        result.status != settings::LoadStatus::NotSettingsFile) {
        return OpenOutcome::Failed;
    }
    recentFiles_.add(document_.GetPathName().u16string());
    ui_.documentRenamed();
    ui_.documentReady();
    return OpenOutcome::Opened;
}

bool DocumentCommands::save() {
    if (document_.GetPathName().empty()) return saveAs();
    return saveTo(document_.GetPathName());
}

bool DocumentCommands::saveAs() {
    path suggested = document_.GetPathName();
    if (suggested.empty()) suggested = path(documentTitle() + kDocumentExtension);
    std::optional<path> chosen = ui_.chooseFileToSave(suggested);
    if (!chosen) return false;
    if (!chosen->has_extension()) *chosen += kDocumentExtension;
    return saveTo(*chosen);
}

bool DocumentCommands::saveTo(const path& file) {
    const settings::SaveResult result = files_.save(file, document_);
    if (!result.saved) {
        ui_.showMessage(result.message);
        return false;
    }
    recentFiles_.add(document_.GetPathName().u16string());
    ui_.documentRenamed();
    return true;
}

bool DocumentCommands::saveModified() {
    if (!document_.IsModified()) return true;
    switch (ui_.askToSave(u"Save changes to " + documentTitle() + u"?")) {
        case SaveAnswer::Yes:
            return save();
        case SaveAnswer::No:
            return true;
        case SaveAnswer::Cancel:
            return false;
    }
    return false;
}

Text DocumentCommands::documentTitle() const {
    const path& file = document_.GetPathName();
    if (file.empty()) return kUntitled;
    return file.stem().u16string();
}

Text DocumentCommands::frameTitle() const {
    return documentTitle() + u" - " + kApplicationTitle;
}

}  // namespace qs::app
