#include "plataforma/vigia_x11.hpp"

#include "plataforma/erros_x11.hpp"
#include "plataforma/escala_anunciada.hpp"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <string>

namespace {

Atom atomo(Display* conexao, const char* nome) {
    return XInternAtom(conexao, nome, False);
}

// The selection an XSETTINGS manager owns on this screen.
Atom selecao_xsettings(Display* conexao) {
    const std::string nome = "_XSETTINGS_S" + std::to_string(DefaultScreen(conexao));
    return atomo(conexao, nome.c_str());
}

// The bytes of a property of the window, whatever its type; none without it.
std::string propriedade(Display* conexao, Window janela, Atom nome) {
    std::string texto;
    Atom tipo = None;
    int formato = 0;
    unsigned long quantos = 0, resto = 0;
    unsigned char* dados = nullptr;
    if (XGetWindowProperty(conexao, janela, nome, 0, 1L << 20, False, AnyPropertyType, &tipo,
                           &formato, &quantos, &resto, &dados) == Success &&
        dados != nullptr) {
        if (formato == 8) {
            texto.assign(reinterpret_cast<const char*>(dados), quantos);
        }
        XFree(dados);
    }
    return texto;
}

// The manager's window found, watched and read while the server serves no
// one else, as the XSETTINGS specification asks: a manager that ended in
// between would leave a window that no longer exists, and Xlib ends the
// program on the error that asking about it gives.
float ler_sob_posse(Display* conexao, long mascara_dono, Window& dono) {
    const Window raiz = DefaultRootWindow(conexao);
    XGrabServer(conexao);
    dono = XGetSelectionOwner(conexao, selecao_xsettings(conexao));
    escala_anunciada::anuncio lido;
    if (dono != None) {
        if (mascara_dono != 0) {
            XSelectInput(conexao, dono, mascara_dono);
        }
        const std::string dados = propriedade(conexao, dono, atomo(conexao, "_XSETTINGS_SETTINGS"));
        escala_anunciada::ler_xsettings(reinterpret_cast<const unsigned char*>(dados.data()),
                                        dados.size(), lido);
    }
    lido.recursos = escala_anunciada::dpi_dos_recursos(
        propriedade(conexao, raiz, atomo(conexao, "RESOURCE_MANAGER")));
    XUngrabServer(conexao);
    XFlush(conexao);
    return escala_anunciada::escala(lido);
}

} // namespace

vigia_x11::~vigia_x11() {
    if (conexao != nullptr) {
        XCloseDisplay(conexao);
    }
}

float vigia_x11::escala_do_desktop(Display* conexao) {
    Window dono = None;
    return ler_sob_posse(conexao, 0, dono);
}

float vigia_x11::reler() {
    Window novo = None;
    const float escala = ler_sob_posse(conexao, PropertyChangeMask | StructureNotifyMask, novo);
    dono = novo;
    return escala;
}

bool vigia_x11::vigiar(sf::WindowHandle janela) {
    if (conexao == nullptr) {
        conexao = XOpenDisplay(nullptr);
        if (conexao == nullptr) {
            return false;
        }
        // SFML 2.5 never selects Expose events on its window, so a window that
        // covered ours and went away would leave its picture there on a
        // desktop without a compositor: any client may select exposures on
        // any window. The root tells of new resources, and of a new XSETTINGS
        // manager (its MANAGER message goes to the root's StructureNotify).
        XSelectInput(conexao, DefaultRootWindow(conexao), PropertyChangeMask | StructureNotifyMask);
        primeira = true;
    }
    if (janela != vigiada) {
        vigiada = janela;
        // Its destruction by another program too, which SFML never reports
        // as a close.
        XSelectInput(conexao, janela, ExposureMask | StructureNotifyMask);
        XFlush(conexao);
    }
    return true;
}

bool vigia_x11::muda_a_escala(const _XEvent& evento) const {
    const Window raiz = DefaultRootWindow(conexao);
    switch (evento.type) {
    case PropertyNotify:
        return (evento.xproperty.window == raiz &&
                evento.xproperty.atom == atomo(conexao, "RESOURCE_MANAGER")) ||
               (evento.xproperty.window == dono &&
                evento.xproperty.atom == atomo(conexao, "_XSETTINGS_SETTINGS"));
    case ClientMessage:
        return evento.xclient.window == raiz &&
               evento.xclient.message_type == atomo(conexao, "MANAGER") &&
               static_cast<Atom>(evento.xclient.data.l[1]) == selecao_xsettings(conexao);
    case DestroyNotify:
        return evento.xdestroywindow.window == dono;
    default:
        return false;
    }
}

vigia_x11::novidades vigia_x11::ler() {
    novidades lidas;
    bool mudou = primeira;
    primeira = false;
    // Reading the scale asks the server, and its answers may bring events
    // into Xlib's queue, where the wait's sleep would not see them: taken too.
    for (;;) {
        while (XPending(conexao) > 0) {
            XEvent evento;
            XNextEvent(conexao, &evento);
            lidas.repintar =
                lidas.repintar || (evento.type == Expose && evento.xexpose.window == vigiada &&
                                   evento.xexpose.count == 0);
            if (evento.type == DestroyNotify && evento.xdestroywindow.window == vigiada) {
                erros_x11::marcar_sumida();
            }
            mudou = mudou || muda_a_escala(evento);
        }
        if (!mudou) {
            return lidas;
        }
        lidas.escala = reler();
        mudou = false;
    }
}

int vigia_x11::descritor() const {
    return ConnectionNumber(conexao);
}
