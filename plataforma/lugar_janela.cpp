#include "plataforma/lugar_janela.hpp"

#include "plataforma/face_sfml.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace lugar_janela {

float escala_do_dpi(double dpi) {
    // NaN fails both comparisons, hence the negated form.
    if (!(dpi >= 48.0 && dpi <= 960.0)) {
        return 1.0f;
    }
    return std::max(1.0f, static_cast<float>(dpi / 96.0));
}

float escala_do_dpi(const char* dpi) {
    if (dpi == nullptr || *dpi == '\0') {
        return 1.0f;
    }
    char* fim = nullptr;
    const double valor = std::strtod(dpi, &fim);
    // A value typed into a resource file may end in spaces.
    while (*fim == ' ' || *fim == '\t') {
        ++fim;
    }
    return *fim == '\0' ? escala_do_dpi(valor) : 1.0f;
}

float escala_que_cabe(float escala, sf::Vector2i area, const moldura& m) {
    const double livre_x = area.x - m.esquerda - m.direita;
    const double livre_y = area.y - m.topo - m.base;
    const double maior = std::min(livre_x / largura_pontos, livre_y / altura_pontos);
    return std::max(1.0f, std::min(escala, static_cast<float>(maior)));
}

sf::Vector2i tamanho_cliente(float escala) {
    return sf::Vector2i(static_cast<int>(std::lround(largura_pontos * escala)),
                        static_cast<int>(std::lround(altura_pontos * escala)));
}

int monitor_escolhido(const std::vector<monitor>& monitores, sf::Vector2i ponteiro) {
    for (std::size_t i = 0; i < monitores.size(); ++i) {
        if (monitores[i].area.contains(ponteiro)) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < monitores.size(); ++i) {
        if (monitores[i].primario) {
            return static_cast<int>(i);
        }
    }
    return monitores.empty() ? -1 : 0;
}

sf::IntRect area_no_monitor(const sf::IntRect& monitor, const sf::IntRect* area_de_trabalho) {
    if (area_de_trabalho != nullptr) {
        if (const auto comum = face_sfml::intersecao(monitor, *area_de_trabalho)) {
            return *comum;
        }
    }
    return monitor;
}

sf::Vector2i posicao_centrada(const sf::IntRect& area, sf::Vector2i cliente, const moldura& m) {
    const auto centrado = [](int livre, int ocupado) {
        return livre > ocupado ? (livre - ocupado) / 2 : 0;
    };
    const int largura = cliente.x + m.esquerda + m.direita;
    const int altura = cliente.y + m.topo + m.base;
    const sf::Vector2i canto = face_sfml::posicao(area);
    const sf::Vector2i livre = face_sfml::tamanho(area);
    return sf::Vector2i(canto.x + centrado(livre.x, largura) + m.esquerda,
                        canto.y + centrado(livre.y, altura) + m.topo);
}

sf::Vector2i posicao_mantida(const sf::IntRect& area, sf::Vector2i centro, sf::Vector2i cliente,
                             const moldura& m) {
    const sf::Vector2i canto = face_sfml::posicao(area);
    const sf::Vector2i livre = face_sfml::tamanho(area);
    // One axis: the frame's start, kept within [inicio, inicio + livre - ocupado].
    const auto dentro = [](int desejado, int inicio, int livre_eixo, int ocupado) {
        return std::max(inicio, std::min(desejado, inicio + livre_eixo - ocupado));
    };
    const int largura = cliente.x + m.esquerda + m.direita;
    const int altura = cliente.y + m.topo + m.base;
    return sf::Vector2i(
        dentro(centro.x - cliente.x / 2 - m.esquerda, canto.x, livre.x, largura) + m.esquerda,
        dentro(centro.y - cliente.y / 2 - m.topo, canto.y, livre.y, altura) + m.topo);
}

encaixe encaixar(sf::Vector2i janela) {
    encaixe e;
    const sf::Vector2i lados(std::max(1, janela.x), std::max(1, janela.y));
    e.escala = std::min(static_cast<float>(lados.x) / largura_pontos,
                        static_cast<float>(lados.y) / altura_pontos);
    const sf::Vector2i tamanho(std::min(lados.x, tamanho_cliente(e.escala).x),
                               std::min(lados.y, tamanho_cliente(e.escala).y));
    e.quadro = sf::IntRect((lados - tamanho) / 2, tamanho);
    return e;
}

} // namespace lugar_janela
