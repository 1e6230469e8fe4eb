#pragma once

// Windows looks for a DLL that is not one of its "known" ones in the
// program's own folder and the working folder before System32. A file named
// opengl32.dll, winmm.dll or dinput8.dll beside the game (in a downloads
// folder, or the per-user install folder that needs no rights to write) would
// then run its code inside the game. Called first thing in main: every DLL
// loaded after it (opengl32 and winmm are delay-loaded for this, and SFML
// loads dinput8 itself when it makes the window) comes from System32 only.
// Elsewhere it does nothing.
void carregar_bibliotecas_so_do_sistema();
