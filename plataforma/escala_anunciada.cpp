#include "plataforma/escala_anunciada.hpp"

#include "plataforma/lugar_janela.hpp"

#include <cstdint>
#include <sstream>

namespace escala_anunciada {

std::optional<float> dpi_dos_recursos(const std::string& recursos) {
    std::optional<float> escala;
    std::istringstream linhas(recursos);
    std::string linha;
    const auto aparado = [](const std::string& texto) {
        const std::size_t inicio = texto.find_first_not_of(" \t");
        const std::size_t fim = texto.find_last_not_of(" \t");
        return inicio == std::string::npos ? std::string() : texto.substr(inicio, fim - inicio + 1);
    };
    while (std::getline(linhas, linha)) {
        const std::size_t dois_pontos = linha.find(':');
        if (dois_pontos != std::string::npos &&
            aparado(linha.substr(0, dois_pontos)) == "Xft.dpi") {
            escala = lugar_janela::escala_do_dpi(aparado(linha.substr(dois_pontos + 1)).c_str());
        }
    }
    return escala;
}

namespace {

// The settings' wire format, as the XSETTINGS specification gives it: a byte
// order, a serial and a count, then each setting's type, name, serial and
// value, every field padded to four bytes.
class leitor {
public:
    leitor(const unsigned char* dados, std::size_t tamanho) : dados(dados), tamanho(tamanho) {}

    bool pular(std::size_t n) {
        if (tamanho - posicao < n) {
            return false;
        }
        posicao += n;
        return true;
    }

    bool ler(std::uint32_t& valor, int bytes) {
        if (tamanho - posicao < static_cast<std::size_t>(bytes)) {
            return false;
        }
        valor = 0;
        for (int i = 0; i < bytes; ++i) {
            const int deslocamento = 8 * (msb_primeiro ? bytes - 1 - i : i);
            valor |= static_cast<std::uint32_t>(dados[posicao + static_cast<std::size_t>(i)])
                     << deslocamento;
        }
        posicao += static_cast<std::size_t>(bytes);
        return true;
    }

    bool ler_nome(std::string& nome, std::size_t n) {
        if (tamanho - posicao < n) {
            return false;
        }
        nome.assign(reinterpret_cast<const char*>(dados + posicao), n);
        return pular(n) && pular((4 - n % 4) % 4);
    }

    bool msb_primeiro = false;

private:
    const unsigned char* dados;
    std::size_t tamanho;
    std::size_t posicao = 0;
};

} // namespace

void ler_xsettings(const unsigned char* dados, std::size_t tamanho, anuncio& lido) {
    leitor l(dados, tamanho);
    std::uint32_t ordem = 0, quantos = 0, serial = 0;
    if (!l.ler(ordem, 1)) {
        return;
    }
    l.msb_primeiro = ordem == 1; // MSBFirst
    if (!l.pular(3) || !l.ler(serial, 4) || !l.ler(quantos, 4)) {
        return;
    }
    for (std::uint32_t i = 0; i < quantos; ++i) {
        std::uint32_t tipo = 0, comprimento = 0, valor = 0;
        std::string nome;
        if (!l.ler(tipo, 1) || !l.pular(1) || !l.ler(comprimento, 2) ||
            !l.ler_nome(nome, comprimento) || !l.ler(serial, 4)) {
            return;
        }
        if (tipo == 0) { // an integer
            if (!l.ler(valor, 4)) {
                return;
            }
            const auto inteiro = static_cast<std::int32_t>(valor);
            // GTK's daemons write -1 for "not set".
            if (nome == "Xft/DPI" && inteiro > 0) {
                lido.xsettings_dpi = lugar_janela::escala_do_dpi(inteiro / 1024.0);
            } else if (nome == "Gdk/WindowScalingFactor" && inteiro > 0) {
                lido.fator_gdk = lugar_janela::escala_do_dpi(96.0 * inteiro);
            }
        } else if (tipo == 1) { // a string
            if (!l.ler(comprimento, 4) || !l.pular(comprimento) ||
                !l.pular((4 - comprimento % 4) % 4)) {
                return;
            }
        } else if (tipo == 2) { // a colour
            if (!l.pular(8)) {
                return;
            }
        } else {
            return;
        }
    }
}

// Xft/DPI first: the settings manager owns its selection only while it runs,
// and says at once what the desktop's settings say now (GNOME and Xfce write
// the same value to Xft.dpi as well). The resources come next: they stay on
// the root window after whoever wrote them is gone (an xrdb of an earlier
// session, a hand-set ~/.Xresources), but they are where KDE, which unsets
// Xft/DPI, publishes its scale, fractional ones included. Gdk's factor comes
// last: a whole number, which cannot say 150%.
float escala(const anuncio& lido) {
    if (lido.xsettings_dpi) {
        return *lido.xsettings_dpi;
    }
    if (lido.recursos) {
        return *lido.recursos;
    }
    return lido.fator_gdk.value_or(1.0f);
}

} // namespace escala_anunciada
