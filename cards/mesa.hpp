#pragma once

#include "cards/cartas.hpp"
#include "cards/fila_monte.hpp"
#include "plataforma/face_sfml.hpp"

#include <SFML/Graphics.hpp>
#include <map>
#include <string>

// The hand: eight slots, each with a card value (0 when empty) and the card
// sprite that shows it. The hand creates its eight sprites but never deletes
// them: the card registry owns them once they are registered, and copies of
// the hand (made for the end-of-game test) share them.
class mesa final {
public:
    static constexpr int slots = 8;
    // A hand of `para_repor` cards, two played from a full one, is refilled
    // with `por_reposicao` while the deck lasts.
    static constexpr int por_reposicao = 2;
    static constexpr int para_repor = slots - por_reposicao;

    mesa();
    mesa(const mesa& outra);
    mesa& operator=(const mesa&) = delete;
    ~mesa();

    void LimpaMesa();
    bool Vazia() const;
    bool Cheia() const;
    int get_NroElementos() const;
    void set_NroElementos(int n);
    void aumenta_NroElementos();
    void diminui_NroElementos();

    int get_elemento_i(int slot, bool& ok) const;
    // A card value also loads the slot's picture and puts it at the slot's home.
    void set_elemento_i(int slot, int valor, bool& ok);
    // Puts a card (1..99) into the lowest-numbered empty slot.
    bool insereMesa(int valor, bool& ok);
    // Empties a slot that holds a card and hides its picture; anything else is
    // ignored. The window is not used.
    void removeMesa(sf::RenderWindow& janela, int slot);

    // Draws up to n cards into the hand, stopping early when the deck runs out
    // or the hand is full (a card is never drawn without room for it).
    void distribuicao(fila_monte& monte, int n);
    // The refill of two cards, for a hand of six (para_repor) or fewer.
    void NovaDistribuicao(fila_monte& monte, bool& ok);
    // The opening deal of eight cards, for an empty hand.
    void PrimeiraDistribuicao(fila_monte& monte, bool& ok);

    void adicionar_mesa(std::string nome, cartas* carta);

    // The hand's own picture, which the game never loads.
    virtual void set_posicao(float x, float y);
    virtual float get_altura() const;
    virtual float get_largura() const;
    virtual sf::FloatRect get_bounding_rect() const;

    // The centre of slot i's card in the game's points: two rows of four, the even
    // slots above, the odd ones below.
    static sf::Vector2f posicao_casa(int slot);

    // Public: the play loop tests and drags the slot sprites directly.
    cartas* cartas_mesa[slots];

private:
    static bool slot_valido(int slot);
    int primeiro_slot_livre() const;

    int elementos[slots];
    int NroElementos;
    std::map<std::string, cartas*> mapa_cartas;
    sf::Sprite sprite = face_sfml::sprite_vazio();
    sf::Texture textura;
    bool carregada;
};
