#include "tests/support/pasta_temporaria.hpp"

#include <SFML/Graphics/Image.hpp>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

pasta_temporaria::pasta_temporaria() {
    std::string modelo = (fs::temp_directory_path() / "trevalia-teste-XXXXXX").string();
    std::vector<char> nome(modelo.begin(), modelo.end());
    nome.push_back('\0');
    if (mkdtemp(nome.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    pasta = nome.data();
    anterior = fs::current_path().string();
    fs::create_directory(fs::path(pasta) / "imagens");
    fs::current_path(pasta);
}

pasta_temporaria::~pasta_temporaria() {
    std::error_code erro;
    fs::current_path(anterior, erro);
    fs::remove_all(pasta, erro);
}

void pasta_temporaria::criar_imagem(const std::string& nome, unsigned largura, unsigned altura,
                                    sf::Color cor) const {
    sf::Image imagem;
    imagem.create(largura, altura, cor);
    if (!imagem.saveToFile((fs::path(pasta) / "imagens" / nome).string())) {
        throw std::runtime_error("could not write test picture " + nome);
    }
}
