// `zelkora --startup-report`: runs the program's start-up in its real file
// layout without showing the window, prints where each file was looked for and
// whether it was found, and ends the program as "終わり" would. Message boxes
// are printed on stderr instead of shown, so the run never waits for anyone.
// Scripts and the install test use it to learn that an installed copy finds
// its sound library and wave files and where it keeps its settings. A report
// changes nothing: no settings file or folder is created or rewritten.
//
// Output, one line each on stdout:
//   layout: installed | build folder
//   sound library: <path> loaded | missing
//   sound device: opened | none
//   wave <name>: <path> made | not made       (four lines)
//   settings file: <path> present | missing
//   records folder: <path>
#pragma once

#include "app/file_layout.h"

namespace zelkora {

// Runs start-up in `layout` (the program's own: FileLayout::ofProgram).
// Answers 0 when the library was loaded, the device opened and all four
// sound buffers made; 1 otherwise.
int runStartupReport(const FileLayout& layout);

}  // namespace zelkora
