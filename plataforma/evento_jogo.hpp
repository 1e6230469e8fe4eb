#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

// A window event as the game reads it: what happened, and the button, key and
// pointer's place it carries. SFML 2's event is a union read by its type and
// SFML 3's a variant read by its subtype; the game, its tests and its
// benchmarks read this one record on both (face_sfml makes it from the
// library's event).
struct evento_jogo {
    enum Tipo {
        Outro, // any event the game has no use for
        Fechada,
        TeclaPressionada,
        BotaoPressionado,
        BotaoSolto,
        MouseMovido,
        FocoPerdido,
        MouseSaiu,
        // The window was given another size (espera_janela follows it and
        // hands out no such event).
        Redimensionada,
    };

    Tipo tipo = Outro;
    // For BotaoPressionado and BotaoSolto.
    sf::Mouse::Button botao = sf::Mouse::Button::Left;
    // For TeclaPressionada.
    sf::Keyboard::Key tecla = sf::Keyboard::Key::Unknown;
    // The pointer's place for the buttons and MouseMovido: window pixels as
    // the library gives them, the game's points once espera_janela hands the
    // event out.
    sf::Vector2i ponto;
    // For Redimensionada: the window's new size in its pixels.
    sf::Vector2u tamanho;
};
