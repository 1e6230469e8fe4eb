#include "plataforma/bibliotecas_seguras.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void carregar_bibliotecas_so_do_sistema() {
    // Looked up rather than imported: Windows 7 without its KB2533623 update
    // lacks the call, and a missing import would stop the game from starting
    // at all. kernel32 is a known DLL, always loaded from System32.
    using Funcao = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (kernel32 == nullptr) {
        return;
    }
    const auto definir = reinterpret_cast<Funcao>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (definir != nullptr) {
        definir(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}
