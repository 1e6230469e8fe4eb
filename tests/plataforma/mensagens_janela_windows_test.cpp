#include "plataforma/abrir_janela.hpp"
#include "plataforma/escala_arte.hpp"
#include "plataforma/espera_janela.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/lugar_janela.hpp"
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
    for (const unsigned dpi : {144u, 96u}) {
        RECT antes{}, agora{};
        GetWindowRect(h, &antes);
        SIZE pedido{};
        ASSERT_TRUE(SendMessageW(h, 0x02E4 /* WM_GETDPISCALEDSIZE */, dpi,
                                 reinterpret_cast<LPARAM>(&pedido)));
        RECT sugerido{antes.left, antes.top, antes.left + pedido.cx, antes.top + pedido.cy};
        SendMessageW(h, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&sugerido));
        evento_jogo evento;
        while (espera_janela::proximo(janela, evento)) {
        }
        GetWindowRect(h, &agora);
        EXPECT_EQ(sf::Vector2i(agora.left, agora.top), sf::Vector2i(antes.left, antes.top));
        // 675x900 at 144 dpi, with the pictures' twins (escala_arte).
        const float escala = static_cast<float>(dpi) / 96.0f;
        EXPECT_EQ(janela.getSize(), sf::Vector2u(lugar_janela::tamanho_cliente(escala)));
        EXPECT_EQ(escala_arte::atual(), escala);
        EXPECT_EQ(ponto_do_jogo(janela, lugar_janela::tamanho_cliente(escala) - sf::Vector2i(1, 1)),
                  sf::Vector2i(449, 599));
    }
    fechar_janela(janela);
}
