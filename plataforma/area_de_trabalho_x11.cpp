#include "plataforma/area_de_trabalho_x11.hpp"

#include "plataforma/face_sfml.hpp"
#include "plataforma/vigia_x11.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using lugar_janela::moldura;

// A window manager may take a while to answer, or never answer at all.
constexpr std::chrono::milliseconds limite_moldura(1000);

struct fechar_conexao {
    void operator()(Display* conexao) const { XCloseDisplay(conexao); }
};
using conexao_propria = std::unique_ptr<Display, fechar_conexao>;

Atom atomo(Display* conexao, const char* nome) {
    return XInternAtom(conexao, nome, False);
}

std::vector<long> cardinais(Display* conexao, Window janela, const char* nome) {
    std::vector<long> valores;
    Atom tipo = None;
    int formato = 0;
    unsigned long quantos = 0;
    unsigned long resto = 0;
    unsigned char* dados = nullptr;
    if (XGetWindowProperty(conexao, janela, atomo(conexao, nome), 0, 1024, False, XA_CARDINAL,
                           &tipo, &formato, &quantos, &resto, &dados) == Success &&
        dados != nullptr) {
        if (formato == 32) {
            const long* lidos = reinterpret_cast<const long*>(dados);
            valores.assign(lidos, lidos + quantos);
        }
        XFree(dados);
    }
    return valores;
}

// Whether the running window manager lists that atom in _NET_SUPPORTED.
bool suportado(Display* conexao, Window raiz, const char* nome) {
    const Atom procurado = atomo(conexao, nome);
    Atom tipo = None;
    int formato = 0;
    unsigned long quantos = 0;
    unsigned long resto = 0;
    unsigned char* dados = nullptr;
    bool achou = false;
    if (XGetWindowProperty(conexao, raiz, atomo(conexao, "_NET_SUPPORTED"), 0, 4096, False, XA_ATOM,
                           &tipo, &formato, &quantos, &resto, &dados) == Success &&
        dados != nullptr) {
        const Atom* lista = reinterpret_cast<const Atom*>(dados);
        achou = formato == 32 && std::find(lista, lista + quantos, procurado) != lista + quantos;
        XFree(dados);
    }
    return achou;
}

bool tem_gerenciador(Display* conexao, Window raiz) {
    Atom tipo = None;
    int formato = 0;
    unsigned long quantos = 0;
    unsigned long resto = 0;
    unsigned char* dados = nullptr;
    XGetWindowProperty(conexao, raiz, atomo(conexao, "_NET_SUPPORTING_WM_CHECK"), 0, 1, False,
                       XA_WINDOW, &tipo, &formato, &quantos, &resto, &dados);
    if (dados != nullptr) {
        XFree(dados);
    }
    return quantos > 0;
}

// RandR 1.5's monitors; none on a server without it.
std::vector<lugar_janela::monitor> monitores(Display* conexao, Window raiz) {
    std::vector<lugar_janela::monitor> lista;
    int evento = 0;
    int erro = 0;
    int maior = 0;
    int menor = 0;
    if (!XRRQueryExtension(conexao, &evento, &erro) || !XRRQueryVersion(conexao, &maior, &menor) ||
        maior * 100 + menor < 105) {
        return lista;
    }
    int quantos = 0;
    XRRMonitorInfo* info = XRRGetMonitors(conexao, raiz, True, &quantos);
    for (int i = 0; i < quantos; ++i) {
        lista.push_back({sf::IntRect({info[i].x, info[i].y}, {info[i].width, info[i].height}),
                         info[i].primary != 0});
    }
    if (info != nullptr) {
        XRRFreeMonitors(info);
    }
    return lista;
}

// The work area of the monitor that holds the point, or the pointer (or of
// the whole screen).
sf::IntRect area_escolhida(Display* conexao, Window raiz, const sf::Vector2i* perto) {
    Window outra = 0;
    int x = -1;
    int y = -1;
    int na_janela = 0;
    unsigned botoes = 0;
    if (perto != nullptr) {
        x = perto->x;
        y = perto->y;
    } else if (!XQueryPointer(conexao, raiz, &outra, &outra, &x, &y, &na_janela, &na_janela,
                              &botoes)) {
        x = y = -1; // on another screen
    }
    const std::vector<lugar_janela::monitor> lista = monitores(conexao, raiz);
    const int escolhido = lugar_janela::monitor_escolhido(lista, sf::Vector2i(x, y));
    const int tela = DefaultScreen(conexao);
    const sf::IntRect monitor =
        escolhido < 0
            ? sf::IntRect({0, 0}, {DisplayWidth(conexao, tela), DisplayHeight(conexao, tela)})
            : lista[escolhido].area;
    // Only a running window manager keeps _NET_WORKAREA true.
    const std::vector<long> areas = tem_gerenciador(conexao, raiz)
                                        ? cardinais(conexao, raiz, "_NET_WORKAREA")
                                        : std::vector<long>();
    const std::vector<long> atual = cardinais(conexao, raiz, "_NET_CURRENT_DESKTOP");
    std::size_t inicio = atual.empty() ? 0 : 4 * static_cast<std::size_t>(atual[0]);
    if (inicio + 4 > areas.size()) {
        inicio = 0;
    }
    if (areas.size() < 4) {
        return monitor;
    }
    const sf::IntRect trabalho(
        {static_cast<int>(areas[inicio]), static_cast<int>(areas[inicio + 1])},
        {static_cast<int>(areas[inicio + 2]), static_cast<int>(areas[inicio + 3])});
    return lugar_janela::area_no_monitor(monitor, &trabalho);
}

// Until the property changes on the window, never longer than the limit. The
// connection is this file's own: every event on it is for this wait.
void esperar_propriedade(Display* conexao, Atom propriedade, std::chrono::milliseconds limite) {
    using relogio = std::chrono::steady_clock;
    const relogio::time_point fim = relogio::now() + limite;
    for (;;) {
        while (XPending(conexao) > 0) {
            XEvent evento;
            XNextEvent(conexao, &evento);
            if (evento.type == PropertyNotify && evento.xproperty.atom == propriedade) {
                return;
            }
        }
        const auto resta =
            std::chrono::duration_cast<std::chrono::milliseconds>(fim - relogio::now()).count();
        if (resta <= 0) {
            return;
        }
        pollfd fonte = {ConnectionNumber(conexao), POLLIN, 0};
        poll(&fonte, 1, static_cast<int>(resta));
    }
}

// The window's frame as its manager has set it; nothing before it has.
std::optional<moldura> lida(Display* conexao, Window janela) {
    const std::vector<long> lados = cardinais(conexao, janela, "_NET_FRAME_EXTENTS");
    if (lados.size() != 4) {
        return std::nullopt;
    }
    moldura m;
    m.esquerda = static_cast<int>(lados[0]);
    m.direita = static_cast<int>(lados[1]);
    m.topo = static_cast<int>(lados[2]);
    m.base = static_cast<int>(lados[3]);
    return m;
}

} // namespace

area_de_trabalho_x11::leitura area_de_trabalho_x11::ler(const sf::Vector2i* perto) {
    leitura lida;
    const conexao_propria conexao(XOpenDisplay(nullptr));
    if (!conexao) {
        lida.area =
            sf::IntRect({0, 0}, sf::Vector2i(face_sfml::tamanho(sf::VideoMode::getDesktopMode())));
        return lida;
    }
    lida.escala = vigia_x11::escala_do_desktop(conexao.get());
    lida.area = area_escolhida(conexao.get(), DefaultRootWindow(conexao.get()), perto);
    return lida;
}

std::optional<moldura> area_de_trabalho_x11::moldura_prevista(sf::WindowHandle janela) {
    const conexao_propria conexao(XOpenDisplay(nullptr));
    if (!conexao) {
        return moldura();
    }
    Display* c = conexao.get();
    const Window raiz = DefaultRootWindow(c);
    if (!tem_gerenciador(c, raiz)) {
        return moldura();
    }
    // A request nothing will answer would only cost the wait.
    if (!suportado(c, raiz, "_NET_REQUEST_FRAME_EXTENTS")) {
        return std::nullopt;
    }
    const Atom extensao = atomo(c, "_NET_FRAME_EXTENTS");
    // Heard on this connection too, before the request can be answered.
    XSelectInput(c, janela, PropertyChangeMask);
    XEvent pedido{};
    pedido.xclient.type = ClientMessage;
    pedido.xclient.window = janela;
    pedido.xclient.message_type = atomo(c, "_NET_REQUEST_FRAME_EXTENTS");
    pedido.xclient.format = 32;
    XSendEvent(c, raiz, False, SubstructureRedirectMask | SubstructureNotifyMask, &pedido);
    XFlush(c);
    esperar_propriedade(c, extensao, limite_moldura);
    return lida(c, janela).value_or(moldura());
}

moldura area_de_trabalho_x11::moldura_posta(sf::WindowHandle janela) {
    const conexao_propria conexao(XOpenDisplay(nullptr));
    if (!conexao) {
        return moldura();
    }
    Display* c = conexao.get();
    const Window raiz = DefaultRootWindow(c);
    if (!tem_gerenciador(c, raiz) || !suportado(c, raiz, "_NET_FRAME_EXTENTS")) {
        return moldura();
    }
    // Heard before it is looked at: set in between, it would be missed.
    XSelectInput(c, janela, PropertyChangeMask);
    XSync(c, False);
    if (!lida(c, janela)) {
        esperar_propriedade(c, atomo(c, "_NET_FRAME_EXTENTS"), limite_moldura);
    }
    return lida(c, janela).value_or(moldura());
}
