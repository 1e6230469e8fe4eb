#pragma once

#include <filesystem>

// The folder that holds the running program's own file, as the system names
// it; empty when the system cannot tell.
std::filesystem::path pasta_programa();

// The game reads imagens/ relative to its working folder. Started from another
// folder (a command prompt elsewhere, a shortcut with no "Start in",
// build/trevalia from the source tree) it would find no picture and show a
// black window: when the working folder has no imagens/ but the program's own
// folder has one, the program's folder becomes the working folder. A working
// folder with imagens/ of its own is kept.
void escolher_pasta_de_trabalho();
