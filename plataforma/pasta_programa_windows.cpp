#include "plataforma/pasta_programa.hpp"

#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

std::filesystem::path pasta_programa() {
    // A name longer than the buffer comes back cut short and filling it: the
    // buffer grows until the whole name fits, up to the longest path Windows
    // has.
    std::vector<wchar_t> nome(MAX_PATH);
    while (nome.size() <= 32768) {
        const DWORD tamanho =
            GetModuleFileNameW(nullptr, nome.data(), static_cast<DWORD>(nome.size()));
        if (tamanho == 0) {
            return {};
        }
        if (tamanho < nome.size()) {
            return std::filesystem::path(std::wstring(nome.data(), tamanho)).parent_path();
        }
        nome.resize(nome.size() * 2);
    }
    return {};
}
