#include "tests/support/pasta_temporaria.hpp"

#include "plataforma/face_sfml.hpp"

#include <SFML/Graphics/Image.hpp>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

pasta_temporaria::pasta_temporaria() {
    // A random name, and create_directory's answer tells whether it was free.
    std::random_device aleatorio;
    fs::path escolhida;
    do {
        escolhida = fs::temp_directory_path() /
                    ("trevalia-teste-" + std::to_string(aleatorio()) + std::to_string(aleatorio()));
    } while (!fs::create_directory(escolhida));
    pasta = escolhida.string();
    anterior = fs::current_path().string();
    // Made absolute while the folder the test started in is current: under
    // Wine the build's own path has no drive, and the temporary folder's is
    // another one.
    imagens_da_build = fs::absolute(TREVALIA_IMAGENS_DIR).string();
    fs::create_directory(fs::path(pasta) / "imagens");
    fs::current_path(pasta);
}

// A folder left behind fills the temporary folder run after run, and one that
// cannot be left would hand the next test this one's pictures: both fail the
// test that made it.
pasta_temporaria::~pasta_temporaria() {
    std::error_code erro;
    fs::current_path(anterior, erro);
    EXPECT_FALSE(erro) << "could not go back to " << anterior << ": " << erro.message();
    fs::remove_all(pasta, erro);
    EXPECT_FALSE(erro) << "could not remove " << pasta << ": " << erro.message();
}

void pasta_temporaria::criar_imagem(const std::string& nome, unsigned largura, unsigned altura,
                                    sf::Color cor) const {
    const sf::Image imagem = face_sfml::imagem(largura, altura, cor);
    if (!imagem.saveToFile((fs::path(pasta) / "imagens" / nome).string())) {
        throw std::runtime_error("could not write test picture " + nome);
    }
}

void pasta_temporaria::copiar_da_build(const std::string& nome) const {
    fs::copy_file(fs::path(imagens_da_build) / nome, fs::path(pasta) / "imagens" / nome);
}
