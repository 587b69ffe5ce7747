#include "tools/settings_command.h"

#include <filesystem>

#include "settings/settings_file.h"
#include "tools/argument_values.h"
#include "tools/slot_listing.h"

namespace qs::tools {

namespace {

using settings::LoadResult;
using settings::LoadStatus;
using settings::SettingsRecord;

constexpr const char* kUsage =
    "usage: qstn settings show [--json] FILE.qstn | set FILE.qstn SLOT VALUE | new FILE.qstn "
    "(qstn settings --help)\n";

int failure(std::ostream& err, const std::string& message) {
    err << "qstn settings: " << message << '\n';
    return 2;
}

int usageError(std::ostream& err, const std::string& message) {
    err << "qstn settings: " << message << '\n' << kUsage;
    return 2;
}

// Loads an existing settings file; on failure says why on `err`, in the
// loader's words (a file path line first, then its message).
bool loadExisting(const std::string& path, SettingsRecord& record, std::ostream& err) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        failure(err, path + ": no such file");
        return false;
    }
    const LoadResult result = settings::openSettingsFile(path, record);
    if (result.status == LoadStatus::Loaded) return true;
    const std::string message = toUtf8(result.message);
    failure(err, result.status == LoadStatus::NotSettingsFile ? path + "\n" + message : message);
    return false;
}

bool save(const std::string& path, SettingsRecord& record, std::ostream& err) {
    const settings::SaveResult result = settings::saveSettingsFile(path, record);
    if (!result.saved) failure(err, toUtf8(result.message));
    return result.saved;
}

int show(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError(err, "unknown option " + arg);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1) return usageError(err, "show takes one settings file");
    SettingsRecord record;
    if (!loadExisting(files.front(), record, err)) return 2;
    if (json) {
        listSlotsJson(record, out);
    } else {
        listSlots(record, out);
    }
    return 0;
}

bool isUtf8(const std::string& bytes) {
    return toUtf8(fromUtf8(bytes)) == bytes;
}

int set(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 3) return usageError(err, "set takes a settings file, a slot and a value");
    const std::string& path = args[0];
    int slot = 0;
    if (!parseIntInRange(args[1], settings::kFirstStoredSlot, settings::kLastStoredSlot, slot)) {
        return usageError(err, "SLOT: expected a number 1..80, got \"" + args[1] + "\"");
    }
    if (!isUtf8(args[2])) return usageError(err, "VALUE is not valid UTF-8");
    SettingsRecord record;
    if (!loadExisting(path, record, err)) return 2;
    record.SetSlot(fromUtf8(args[2]), slot);
    return save(path, record, err) ? 0 : 2;
}

int create(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 1) return usageError(err, "new takes one settings file");
    const std::string& path = args[0];
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return failure(err, path + ": already exists; remove it first to start afresh");
    }
    SettingsRecord record;
    record.OnNewDocument();
    return save(path, record, err) ? 0 : 2;
}

}  // namespace

int settingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return usageError(err, "no subcommand given");
    const std::string& subcommand = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (subcommand == "--help" || subcommand == "-h") {
        out << settingsHelp();
        return 0;
    }
    if (subcommand == "show") return show(rest, out, err);
    if (subcommand == "set") return set(rest, err);
    if (subcommand == "new") return create(rest, err);
    return usageError(err, "unknown subcommand " + subcommand);
}

std::string_view settingsHelp() {
    return R"(usage: qstn settings show [--json] FILE.qstn
       qstn settings set FILE.qstn SLOT VALUE
       qstn settings new FILE.qstn

Reads and writes the terminal's settings files with its own loader and
saver.

  show   lists every non-empty slot: its number, its meaning and its value
         (control characters as \r, \n, \t or \u00XX, a backslash as \\);
         --json prints a JSON array of {"slot", "meaning", "value"}
         objects instead, in UTF-8
  set    puts VALUE (UTF-8) into SLOT 1..80 and saves the file; the file
         is replaced in one step, so a failure leaves the old one intact
  new    writes an empty settings file (438 bytes); an existing file is
         not overwritten

exit status: 0 done, 2 bad arguments, a missing file, or a file the
terminal would not load (its message is shown)
)";
}

}  // namespace qs::tools
