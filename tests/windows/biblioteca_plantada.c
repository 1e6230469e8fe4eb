/* A foreign DLL planted beside a program under a system DLL's name: when
   loaded, it leaves an empty file named after itself plus ".carregada". */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE dll, DWORD motivo, LPVOID reservado) {
    char nome[MAX_PATH + 16];
    DWORD n = GetModuleFileNameA(dll, nome, MAX_PATH);
    (void)reservado;
    if (motivo == DLL_PROCESS_ATTACH && n > 0 && n < MAX_PATH) {
        lstrcatA(nome, ".carregada");
        CloseHandle(CreateFileA(nome, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return TRUE;
}

/* What the unguarded probe imports from winmm.dll. */
__declspec(dllexport) DWORD WINAPI timeGetTime(void) {
    return 0;
}
