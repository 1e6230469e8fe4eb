#include "plataforma/abrir_janela.hpp"

#include "plataforma/area_de_trabalho_x11.hpp"
#include "plataforma/erros_x11.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/icone_janela.hpp"
#include "plataforma/lugar_janela.hpp"

#include <SFML/Window/Context.hpp>

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

// SFML 2.5 first puts a new window at y = (screen width - height) / 2 and then
// waits, in a busy loop inside the window's constructor, until the window is
// seen: on a screen much wider than high (two monitors side by side, 32:9) with
// no window manager to move it, that place lies below the screen and the game
// never shows. Nor does SFML know of monitors or of the desktop's scale. So the
// game makes the X window itself, at its final size and place, and hands it to
// SFML, which takes over its events and never destroys a window it did not make.

namespace {

// The window made here, on SFML's own connection: a window manager's close
// request (WM_DELETE_WINDOW) goes to the connection that made the window, and
// must reach SFML to become sf::Event::Closed. That connection stays open as
// long as the game's window object lives.
struct janela_propria {
    Display* conexao = nullptr;
    Window janela = 0;
    Colormap cores = 0;
    // The desktop's scale that the window's size was last worked out for.
    float escala = 1.0f;
};
janela_propria propria;

// A window manager may take a while to show a window, or never answer at
// all: this bounds how long the start waits for it.
constexpr std::chrono::milliseconds limite_mapa(3000);

Atom atomo(Display* conexao, const char* nome) {
    return XInternAtom(conexao, nome, False);
}

// Waits, never longer than the limit, for an event of that kind on the
// window (and of that size, for a ConfigureNotify). Any other event stays
// queued for SFML, whose connection this is.
bool esperar_evento(Display* conexao, Window janela, int tipo, std::chrono::milliseconds limite,
                    sf::Vector2i tamanho = {}) {
    using relogio = std::chrono::steady_clock;
    const relogio::time_point fim = relogio::now() + limite;
    for (;;) {
        XPending(conexao);
        XEvent evento;
        while (XCheckTypedWindowEvent(conexao, janela, tipo, &evento)) {
            if (tipo != ConfigureNotify ||
                (evento.xconfigure.width == tamanho.x && evento.xconfigure.height == tamanho.y)) {
                return true;
            }
        }
        const auto resta =
            std::chrono::duration_cast<std::chrono::milliseconds>(fim - relogio::now()).count();
        if (resta <= 0) {
            return false;
        }
        pollfd fonte = {ConnectionNumber(conexao), POLLIN, 0};
        poll(&fonte, 1, static_cast<int>(resta));
    }
}

// A frame with a title bar, its window menu and a close button, as Windows
// gives the game: moved and closed, never resized, maximised or made full
// screen (the size hints also keep one size). SFML's own Close style asks for
// no decorations at all, and window managers then draw no frame: a window
// that can be neither moved nor closed with the mouse.
void dar_estilo(Display* conexao, Window janela) {
    XWMHints* estado = XAllocWMHints();
    estado->flags = StateHint;
    estado->initial_state = NormalState;
    XSetWMHints(conexao, janela, estado);
    XFree(estado);

    const unsigned long funcoes = 1UL << 0;      // MWM_HINTS_FUNCTIONS
    const unsigned long decoracoes = 1UL << 1;   // MWM_HINTS_DECORATIONS
    const unsigned long mover = 1UL << 2;        // MWM_FUNC_MOVE
    const unsigned long fechar = 1UL << 5;       // MWM_FUNC_CLOSE
    const unsigned long borda = 1UL << 1;        // MWM_DECOR_BORDER
    const unsigned long titulo_barra = 1UL << 3; // MWM_DECOR_TITLE
    const unsigned long menu = 1UL << 4;         // MWM_DECOR_MENU
    const unsigned long motif[5] = {funcoes | decoracoes, mover | fechar,
                                    borda | titulo_barra | menu, 0, 0};
    const Atom atomo_motif = atomo(conexao, "_MOTIF_WM_HINTS");
    XChangeProperty(conexao, janela, atomo_motif, atomo_motif, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);

    char nome_programa[] = "trevalia";
    char nome_classe[] = "Trevalia";
    XClassHint classe{nome_programa, nome_classe};
    XSetClassHint(conexao, janela, &classe);

    // The icon too: SFML 3 sets it only when the server already knows the
    // property's name, which without a window manager it does not.
    const icone_rgba icone = icone_do_jogo();
    std::vector<unsigned long> argb = {icone.lado, icone.lado};
    for (unsigned i = 0; i < icone.lado * icone.lado; ++i) {
        const unsigned char* p = icone.pixels + 4 * i;
        argb.push_back(static_cast<unsigned long>(p[3]) << 24 |
                       static_cast<unsigned long>(p[0]) << 16 |
                       static_cast<unsigned long>(p[1]) << 8 | p[2]);
    }
    XChangeProperty(conexao, janela, atomo(conexao, "_NET_WM_ICON"), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(argb.data()),
                    static_cast<int>(argb.size()));

    XStoreName(conexao, janela, "Trevalia");
    const char titulo[] = "Trevalia";
    XChangeProperty(conexao, janela, atomo(conexao, "_NET_WM_NAME"), atomo(conexao, "UTF8_STRING"),
                    8, PropModeReplace, reinterpret_cast<const unsigned char*>(titulo),
                    static_cast<int>(std::strlen(titulo)));
}

// Static gravity: the place asked for is the client area's, and the manager
// puts its frame around it rather than moving the window by the frame's size.
// The hints first: a manager holds a window it frames to the size they fix.
void fixar_lugar(Display* conexao, Window janela, sf::Vector2i posicao, sf::Vector2i tamanho) {
    XSizeHints* dicas = XAllocSizeHints();
    dicas->flags = PMinSize | PMaxSize | USPosition | PPosition | PWinGravity;
    dicas->min_width = dicas->max_width = tamanho.x;
    dicas->min_height = dicas->max_height = tamanho.y;
    dicas->x = posicao.x;
    dicas->y = posicao.y;
    dicas->win_gravity = StaticGravity;
    XSetWMNormalHints(conexao, janela, dicas);
    XFree(dicas);
    XMoveResizeWindow(conexao, janela, posicao.x, posicao.y, static_cast<unsigned>(tamanho.x),
                      static_cast<unsigned>(tamanho.y));
}

// The scale that fits the framed window in the area, and the client area's
// size and place there.
struct lugar {
    sf::Vector2i posicao;
    sf::Vector2i tamanho;
};

lugar lugar_com(const area_de_trabalho_x11::leitura& desktop, const lugar_janela::moldura& m) {
    const float escala =
        lugar_janela::escala_que_cabe(desktop.escala, face_sfml::tamanho(desktop.area), m);
    const sf::Vector2i tamanho = lugar_janela::tamanho_cliente(escala);
    return {lugar_janela::posicao_centrada(desktop.area, tamanho, m), tamanho};
}

// The window, made and shown at its place; 0 when the display offers no
// visual that OpenGL can draw to with two buffers.
Window criar(Display* conexao) {
    const int tela = DefaultScreen(conexao);
    const Window raiz = RootWindow(conexao, tela);
    int atributos[] = {
        GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
    XVisualInfo* visual = glXChooseVisual(conexao, tela, atributos);
    if (visual == nullptr) {
        return 0;
    }
    const area_de_trabalho_x11::leitura desktop = area_de_trabalho_x11::ler();
    const sf::Vector2i canto = face_sfml::posicao(desktop.area);

    XSetWindowAttributes valores{};
    propria.cores = XCreateColormap(conexao, raiz, visual->visual, AllocNone);
    valores.colormap = propria.cores;
    valores.border_pixel = 0;
    valores.event_mask = StructureNotifyMask | ExposureMask | PropertyChangeMask;
    const sf::Vector2i provisorio = lugar_janela::tamanho_cliente(1.0f);
    const Window janela =
        XCreateWindow(conexao, raiz, canto.x, canto.y, static_cast<unsigned>(provisorio.x),
                      static_cast<unsigned>(provisorio.y), 0, visual->depth, InputOutput,
                      visual->visual, CWColormap | CWBorderPixel | CWEventMask, &valores);
    XFree(visual);
    dar_estilo(conexao, janela);
    // The window, and the style it asks its frame for, known to the server
    // before the desktop is asked about its frame on another connection.
    XSync(conexao, False);

    propria.escala = desktop.escala;
    const std::optional<lugar_janela::moldura> prevista =
        area_de_trabalho_x11::moldura_prevista(janela);
    const lugar antes = lugar_com(desktop, prevista.value_or(lugar_janela::moldura()));
    fixar_lugar(conexao, janela, antes.posicao, antes.tamanho);

    // Shown, and seen to be shown, before SFML takes it: a screen is drawn
    // once, and a picture drawn before the window is up could be lost.
    XMapWindow(conexao, janela);
    esperar_evento(conexao, janela, Expose, limite_mapa);
    if (!prevista) {
        // A frame learnt only now: the window is centred, and fitted, with it
        // before SFML reads its size and anything is drawn.
        const lugar depois = lugar_com(desktop, area_de_trabalho_x11::moldura_posta(janela));
        if (depois.posicao != antes.posicao || depois.tamanho != antes.tamanho) {
            XSync(conexao, False);
            XEvent antiga;
            while (XCheckTypedWindowEvent(conexao, janela, ConfigureNotify, &antiga)) {
            }
            fixar_lugar(conexao, janela, depois.posicao, depois.tamanho);
            esperar_evento(conexao, janela, ConfigureNotify, limite_mapa, depois.tamanho);
        }
    }
    return janela;
}

} // namespace

void abrir_janela(sf::RenderWindow& janela) {
    {
        // With a context of the library current, GLX names its connection.
        sf::Context contexto;
        propria.conexao = glXGetCurrentDisplay();
    }
    if (propria.conexao != nullptr) {
        propria.janela = criar(propria.conexao);
    }
    if (propria.janela != 0) {
        erros_x11::vigiar_janela(propria.conexao, propria.janela);
        janela.create(propria.janela);
    } else {
        // No visual of our own: SFML's window, as the library places it.
        janela.create(
            face_sfml::modo_video(lugar_janela::largura_pontos, lugar_janela::altura_pontos),
            "Trevalia", sf::Style::Titlebar | sf::Style::Close);
    }
    preparar_janela(janela);
}

bool seguir_escala(float escala) {
    if (propria.janela == 0 || escala == propria.escala) {
        return false;
    }
    propria.escala = escala;
    Display* conexao = propria.conexao;
    XWindowAttributes atributos{};
    Window filha = 0;
    int x = 0, y = 0;
    if (!XGetWindowAttributes(conexao, propria.janela, &atributos) ||
        !XTranslateCoordinates(conexao, propria.janela, atributos.root, 0, 0, &x, &y, &filha)) {
        return false;
    }
    const sf::Vector2i antes(atributos.width, atributos.height);
    const sf::Vector2i centro(x + antes.x / 2, y + antes.y / 2);
    const sf::IntRect area = area_de_trabalho_x11::ler(&centro).area;
    const lugar_janela::moldura m = area_de_trabalho_x11::moldura_posta(propria.janela);
    const sf::Vector2i tamanho = lugar_janela::tamanho_cliente(
        lugar_janela::escala_que_cabe(escala, face_sfml::tamanho(area), m));
    if (tamanho == antes) {
        return false;
    }
    fixar_lugar(conexao, propria.janela, lugar_janela::posicao_mantida(area, centro, tamanho, m),
                tamanho);
    XFlush(conexao);
    return true;
}

void fechar_janela(sf::RenderWindow& janela) {
    janela.close();
    if (propria.janela != 0) {
        if (!erros_x11::janela_sumiu()) {
            XDestroyWindow(propria.conexao, propria.janela);
        }
        XFreeColormap(propria.conexao, propria.cores);
        // The errors of a window that went away arrive while they are still
        // known for what they are.
        XSync(propria.conexao, False);
    }
    erros_x11::esquecer_janela();
    propria = janela_propria();
}
