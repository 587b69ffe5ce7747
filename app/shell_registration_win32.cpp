#include "app/shell_registration_win32.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "app/file_association.h"
#include "app/registry_profile_win32.h"
#include "ui/controls_win32.h"

namespace qs::app {

void registerFileAssociation() {
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length == 0) return;
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    bool changed = false;
    for (const ClassesValue& value : fileAssociation(win::fromWide(program))) {
        changed = writeClassesValue(value.key, value.name, value.data) || changed;
    }
    if (changed) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace qs::app
