#include "plataforma/abrir_janela.hpp"

#include "plataforma/face_sfml.hpp"
#include "plataforma/lugar_janela.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// Until the process says it is DPI-aware every DPI query answers 96 and
// Windows would stretch the window's bitmap, blurred; SFML says so itself
// when it makes its first window, which is too late for the sizes worked out
// here. The same calls as SFML, looked up as SFML does, since neither exists
// on every Windows the game runs on.
void declarar_dpi() {
    using pedir_consciencia = HRESULT(WINAPI*)(int);
    if (HMODULE shcore = LoadLibraryW(L"shcore.dll")) {
        const auto pedir = reinterpret_cast<pedir_consciencia>(
            reinterpret_cast<void*>(GetProcAddress(shcore, "SetProcessDpiAwareness")));
        const int por_sistema = 1; // PROCESS_SYSTEM_DPI_AWARE
        const bool feito = pedir != nullptr && pedir(por_sistema) != E_INVALIDARG;
        FreeLibrary(shcore);
        if (feito) {
            return;
        }
    }
    using declarar = BOOL(WINAPI*)();
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        const auto antigo = reinterpret_cast<declarar>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDPIAware")));
        if (antigo != nullptr) {
            antigo();
        }
    }
}

// GetDpiForSystem exists from Windows 10 1607 on; before it, the screen's
// device context tells the same.
double dpi_do_sistema() {
    using perguntar = UINT(WINAPI*)();
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        const auto dpi = reinterpret_cast<perguntar>(
            reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForSystem")));
        if (dpi != nullptr) {
            return dpi();
        }
    }
    HDC tela = GetDC(nullptr);
    const int dpi = GetDeviceCaps(tela, LOGPIXELSX);
    ReleaseDC(nullptr, tela);
    return dpi;
}

} // namespace

void abrir_janela(sf::RenderWindow& janela) {
    declarar_dpi();
    POINT ponteiro{0, 0};
    GetCursorPos(&ponteiro);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(ponteiro, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& w = monitor.rcWork;
    const sf::IntRect area({w.left, w.top}, {w.right - w.left, w.bottom - w.top});

    // SFML's Close style is a window with a system menu, which Windows gives
    // a caption of its own.
    RECT quadro{0, 0, 0, 0};
    AdjustWindowRect(&quadro, WS_CAPTION | WS_SYSMENU, FALSE);
    const lugar_janela::moldura m{-quadro.left, quadro.right, -quadro.top, quadro.bottom};

    const float escala = lugar_janela::escala_que_cabe(
        lugar_janela::escala_do_dpi(dpi_do_sistema()), face_sfml::tamanho(area), m);
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
    janela.setPosition(sf::Vector2i(cliente.x - m.esquerda, cliente.y - m.topo));
    janela.setVisible(true);
    preparar_janela(janela);
}

void fechar_janela(sf::RenderWindow& janela) {
    janela.close();
}
