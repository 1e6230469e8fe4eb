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
    const std::string& caminho() const { return pasta; }

private:
    std::string pasta;
    std::string anterior;
};
