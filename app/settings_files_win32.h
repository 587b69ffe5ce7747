#pragma once
// Settings files as the Windows program reads and writes them: 8-bit strings
// in the system's ANSI code page, and a save that replaces the old file in
// one step, written through to the disk.

#include "app/document_commands.h"

namespace qs::app {

DocumentFiles windowsDocumentFiles();

}  // namespace qs::app
