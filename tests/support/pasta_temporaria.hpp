#pragma once

#include <SFML/Graphics/Color.hpp>
#include <string>

// A fresh working folder with an empty imagens/ inside, entered for the life of
// the object: the game reads its pictures relative to the working folder, so a
// test makes exactly the pictures it needs and nothing else is found.
class pasta_temporaria {
public:
    pasta_temporaria();
    ~pasta_temporaria();

    pasta_temporaria(const pasta_temporaria&) = delete;
    pasta_temporaria& operator=(const pasta_temporaria&) = delete;

    // Writes imagens/<nome> as a plain picture of the given size and colour.
    void criar_imagem(const std::string& nome, unsigned largura, unsigned altura,
                      sf::Color cor = sf::Color::White) const;
    // Copies into imagens/ a file of the build's own imagens/ (the font, which
    // no test paints).
    void copiar_da_build(const std::string& nome) const;
    const std::string& caminho() const { return pasta; }

private:
    std::string pasta;
    std::string anterior;
    std::string imagens_da_build;
};
