#include "plataforma/abrir_janela.hpp"

#include "plataforma/face_sfml.hpp"
#include "plataforma/lugar_janela.hpp"
#include "plataforma/mensagens_janela.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// The program's manifest declares per-monitor awareness v2, falling back to
// per-monitor (Windows 8.1) and to the system's DPI (Vista, 7); these are the
// same steps for a program without it (the unit tests), and for the game they
// fail, changing nothing. Until the process says it is aware every DPI query
// answers 96 and Windows stretches the window's bitmap, blurred. SFML's own
// call, at its first window, then finds the awareness declared and leaves it.
// Looked up as SFML does, since none exists on every Windows.
template <typename F> F funcao(const wchar_t* biblioteca, const char* nome) {
    HMODULE modulo = LoadLibraryW(biblioteca); // kept: the process holds it anyway
    return modulo == nullptr
               ? nullptr
               : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(modulo, nome)));
}

void declarar_dpi() {
    using por_contexto = BOOL(WINAPI*)(HANDLE);
    if (const auto contexto =
            funcao<por_contexto>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, then _PER_MONITOR_AWARE.
        if (contexto(reinterpret_cast<HANDLE>(-4)) || contexto(reinterpret_cast<HANDLE>(-3))) {
            return;
        }
    }
    using por_processo = HRESULT(WINAPI*)(int);
    if (const auto pedir = funcao<por_processo>(L"shcore.dll", "SetProcessDpiAwareness")) {
        const int por_monitor = 2; // PROCESS_PER_MONITOR_DPI_AWARE
        if (pedir(por_monitor) != E_INVALIDARG) {
            return;
        }
    }
    using declarar = BOOL(WINAPI*)();
    if (const auto antigo = funcao<declarar>(L"user32.dll", "SetProcessDPIAware")) {
        antigo();
    }
}

// The monitor's own DPI where Windows has one per monitor (8.1 and later),
// else the system's; GetDpiForSystem exists from Windows 10 1607 on, and
// before it the screen's device context tells the same.
unsigned dpi_do_monitor(HMONITOR monitor) {
    using do_monitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    if (const auto perguntar = funcao<do_monitor>(L"shcore.dll", "GetDpiForMonitor")) {
        UINT x = 0, y = 0;
        if (perguntar(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y) == S_OK) {
            return x;
        }
    }
    using do_sistema = UINT(WINAPI*)();
    if (const auto dpi = funcao<do_sistema>(L"user32.dll", "GetDpiForSystem")) {
        return dpi();
    }
    HDC tela = GetDC(nullptr);
    const int dpi = GetDeviceCaps(tela, LOGPIXELSX);
    ReleaseDC(nullptr, tela);
    return static_cast<unsigned>(dpi);
}

} // namespace

void abrir_janela(sf::RenderWindow& janela) {
    declarar_dpi();
    POINT ponteiro{0, 0};
    GetCursorPos(&ponteiro);
    const HMONITOR onde = MonitorFromPoint(ponteiro, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(onde, &monitor);
    const RECT& w = monitor.rcWork;
    const sf::IntRect area({w.left, w.top}, {w.right - w.left, w.bottom - w.top});

    const unsigned dpi = dpi_do_monitor(onde);
    const lugar_janela::moldura m = mensagens_janela::moldura(nullptr, dpi);
    const float escala = lugar_janela::escala_que_cabe(
        lugar_janela::escala_do_dpi(static_cast<double>(dpi)), face_sfml::tamanho(area), m);
    const sf::Vector2i tamanho = lugar_janela::tamanho_cliente(escala);
    janela.create(
        face_sfml::modo_video(static_cast<unsigned>(tamanho.x), static_cast<unsigned>(tamanho.y)),
        "Trevalia", sf::Style::Close);
    // Where the library puts a new window on its own can be partly off the
    // screen, the hand with it: place it ourselves. Hidden while it moves, and
    // shown again before anything is drawn: a screen is drawn once, and a
    // picture drawn while the window was still on its way could be left partly
    // black. SFML places the frame's corner, not the client area's.
    janela.setVisible(false);
    const sf::Vector2i cliente = lugar_janela::posicao_centrada(area, tamanho, m);
    const sf::WindowHandle propria = face_sfml::janela_do_sistema(janela);
    mensagens_janela::colocar(propria, {cliente.x - m.esquerda, cliente.y - m.topo}, tamanho, m);
    janela.setVisible(true);
    mensagens_janela::vigiar(propria);
    preparar_janela(janela);
}

void fechar_janela(sf::RenderWindow& janela) {
    mensagens_janela::largar(face_sfml::janela_do_sistema(janela));
    janela.close();
}
