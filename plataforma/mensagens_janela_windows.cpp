#include "plataforma/mensagens_janela.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Older MinGW headers lack the messages of per-monitor awareness v2.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace {

WNDPROC procedimento_sfml = nullptr;
bool pintar = false;
// Set while the window moves to the rectangle of a change of scale: a move
// that takes it to yet another monitor is not followed again from inside it.
bool ajustando = false;

sf::Vector2i externo(sf::Vector2i cliente, const lugar_janela::moldura& m) {
    return {cliente.x + m.esquerda + m.direita, cliente.y + m.topo + m.base};
}

// The window's size for the new DPI: the game's points at its scale, as
// GLFW and SDL keep the client area rather than Windows's own stretch of the
// whole window, with the frame at that DPI.
LRESULT tamanho_pedido(HWND janela, WPARAM dpi, LPARAM tamanho) {
    const lugar_janela::moldura m = mensagens_janela::moldura(janela, static_cast<unsigned>(dpi));
    const sf::Vector2i lado = externo(
        lugar_janela::tamanho_cliente(lugar_janela::escala_do_dpi(static_cast<double>(dpi))), m);
    SIZE* pedido = reinterpret_cast<SIZE*>(tamanho);
    pedido->cx = lado.x;
    pedido->cy = lado.y;
    return TRUE;
}

// The new scale, fitted to the monitor the suggested rectangle lies on, at
// the place Windows suggests.
void seguir_dpi(HWND janela, unsigned dpi, const RECT& sugerido) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&sugerido, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& w = monitor.rcWork;
    const sf::Vector2i area(w.right - w.left, w.bottom - w.top);
    const lugar_janela::moldura m = mensagens_janela::moldura(janela, dpi);
    const sf::Vector2i cliente = lugar_janela::tamanho_cliente(lugar_janela::escala_que_cabe(
        lugar_janela::escala_do_dpi(static_cast<double>(dpi)), area, m));
    ajustando = true;
    mensagens_janela::colocar(janela, {sugerido.left, sugerido.top}, cliente, m);
    ajustando = false;
}

LRESULT CALLBACK procedimento(HWND janela, UINT mensagem, WPARAM w, LPARAM l) {
    switch (mensagem) {
    case WM_PAINT:
        // SFML's procedure hands it on to Windows, which marks the window
        // painted; the game draws once the wait sees the flag.
        pintar = true;
        break;
    case WM_GETDPISCALEDSIZE:
        return tamanho_pedido(janela, w, l);
    case WM_DPICHANGED:
        if (!ajustando) {
            seguir_dpi(janela, LOWORD(w), *reinterpret_cast<const RECT*>(l));
        }
        return 0;
    default:
        break;
    }
    return CallWindowProcW(procedimento_sfml, janela, mensagem, w, l);
}

} // namespace

void mensagens_janela::vigiar(sf::WindowHandle janela) {
    procedimento_sfml = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(janela, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedimento)));
}

void mensagens_janela::largar(sf::WindowHandle janela) {
    if (procedimento_sfml != nullptr) {
        SetWindowLongPtrW(janela, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedimento_sfml));
        procedimento_sfml = nullptr;
    }
}

bool mensagens_janela::pintura_pedida() {
    const bool pedida = pintar;
    pintar = false;
    return pedida;
}

void mensagens_janela::colocar(sf::WindowHandle janela, sf::Vector2i canto, sf::Vector2i cliente,
                               lugar_janela::moldura m) {
    for (int vez = 0; vez < 2; ++vez) {
        const sf::Vector2i lado = externo(cliente, m);
        SetWindowPos(janela, nullptr, canto.x, canto.y, lado.x, lado.y,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        RECT dentro{};
        GetClientRect(janela, &dentro);
        const sf::Vector2i tem(dentro.right, dentro.bottom);
        if (tem == cliente) {
            return;
        }
        m.direita += cliente.x - tem.x;
        m.base += cliente.y - tem.y;
    }
}

lugar_janela::moldura mensagens_janela::moldura(sf::WindowHandle janela, unsigned dpi) {
    // SFML's Close style is a window with a system menu, which Windows gives
    // a caption of its own.
    DWORD estilo = WS_CAPTION | WS_SYSMENU;
    DWORD extra = 0;
    if (janela != nullptr) {
        estilo = static_cast<DWORD>(GetWindowLongW(janela, GWL_STYLE));
        extra = static_cast<DWORD>(GetWindowLongW(janela, GWL_EXSTYLE));
    }
    RECT quadro{0, 0, 0, 0};
    // Windows 10 1607 and later; before it there is only the system's DPI.
    using por_dpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    const auto ajustar = reinterpret_cast<por_dpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (ajustar != nullptr && dpi != 0) {
        ajustar(&quadro, estilo, FALSE, extra, dpi);
    } else {
        AdjustWindowRectEx(&quadro, estilo, FALSE, extra);
    }
    return {-quadro.left, quadro.right, -quadro.top, quadro.bottom};
}
