#include "plataforma/abrir_janela.hpp"
#include "plataforma/escala_arte.hpp"
#include "plataforma/espera_janela.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/ponto_jogo.hpp"

#include <gtest/gtest.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Wine never sends WM_DPICHANGED, nor asks WM_GETDPISCALEDSIZE: both are sent
// here as Windows sends them when the window moves to a monitor of another
// scale, the rectangle suggested being the size the window asked for.
TEST(MensagensJanela, AMonitorOfAnotherScaleGivesTheWindowItsPointsAtThatScale) {
    sf::RenderWindow janela;
    abrir_janela(janela);
    const HWND h = face_sfml::janela_do_sistema(janela);
    const struct {
        unsigned dpi;
        sf::Vector2u cliente;
    } linhas[] = {{144, {675, 900}}, {96, {450, 600}}};
    for (const auto& l : linhas) {
        RECT antes{};
        GetWindowRect(h, &antes);
        SIZE pedido{};
        ASSERT_TRUE(SendMessageW(h, 0x02E4 /* WM_GETDPISCALEDSIZE */, l.dpi,
                                 reinterpret_cast<LPARAM>(&pedido)));
        RECT sugerido{antes.left, antes.top, antes.left + pedido.cx, antes.top + pedido.cy};
        SendMessageW(h, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(l.dpi, l.dpi),
                     reinterpret_cast<LPARAM>(&sugerido));
        evento_jogo evento;
        while (espera_janela::proximo(janela, evento)) {
        }
        RECT agora{};
        GetWindowRect(h, &agora);
        EXPECT_EQ(agora.left, sugerido.left);
        EXPECT_EQ(agora.top, sugerido.top);
        EXPECT_EQ(janela.getSize(), l.cliente) << l.dpi << " dpi";
        // Above 1 the pictures' twins (escala_arte).
        EXPECT_EQ(escala_arte::atual(), static_cast<float>(l.dpi) / 96.0f) << l.dpi << " dpi";
        const sf::Vector2i canto(static_cast<int>(l.cliente.x) - 1,
                                 static_cast<int>(l.cliente.y) - 1);
        EXPECT_EQ(ponto_do_jogo(janela, canto), sf::Vector2i(449, 599)) << l.dpi << " dpi";
    }
    fechar_janela(janela);
}
