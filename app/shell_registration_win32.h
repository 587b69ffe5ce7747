#pragma once
// Registers the ".qstn" file type for the current user, pointing at this
// program, and tells the shell when that changed anything.

namespace qs::app {

void registerFileAssociation();

}  // namespace qs::app
