#include "plataforma/escala_anunciada.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace escala_anunciada;

namespace {

// _XSETTINGS_SETTINGS holding one integer per setting, in the byte order asked for.
std::vector<unsigned char> xsettings(std::vector<std::pair<std::string, std::int32_t>> inteiros,
                                     bool msb = false) {
    std::vector<unsigned char> d = {static_cast<unsigned char>(msb), 0, 0, 0};
    const auto numero = [&d, msb](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            d.push_back(static_cast<unsigned char>(v >> (8 * (msb ? bytes - 1 - i : i))));
        }
    };
    numero(7, 4);
    numero(static_cast<std::uint32_t>(inteiros.size()), 4);
    for (const auto& [nome, valor] : inteiros) {
        d.insert(d.end(), {0, 0});
        numero(static_cast<std::uint32_t>(nome.size()), 2);
        d.insert(d.end(), nome.begin(), nome.end());
        d.resize(d.size() + (4 - nome.size() % 4) % 4);
        numero(0, 4);
        numero(static_cast<std::uint32_t>(valor), 4);
    }
    return d;
}

} // namespace

TEST(EscalaAnunciada, EachDesktopsSettingsGiveItsScaleInOneOrder) {
    std::vector<unsigned char> cortado = xsettings({{"Xft/DPI", 192 * 1024}});
    cortado.resize(20);
    const struct {
        std::vector<unsigned char> xsettings;
        const char* recursos;
        float escala;
    } linhas[] = {
        {{}, "", 1.0f},
        {{}, "Xft.dpi:\t192\n", 2.0f},
        {{}, "Xft.antialias:\t1\nXft.dpi: 144 \nXft.hinting:\t1", 1.5f},
        {{}, "Xft.dpi:\t96\nXft.dpi:\t192", 2.0f},                    // xrdb -merge
        {{}, "Xft.dpi:\tabc", 1.0f},                                  // damaged
        {xsettings({{"Xft/DPI", 192 * 1024}}), "Xft.dpi:\t96", 2.0f}, // a stale xrdb
        {xsettings({{"Xft/DPI", 192 * 1024}}, true), "", 2.0f},
        {xsettings({{"Gdk/WindowScalingFactor", 2}, {"Xft/DPI", -1}}), "", 2.0f}, // KDE
        {xsettings({{"Gdk/WindowScalingFactor", 1}}), "Xft.dpi:\t144", 1.5f},     // KDE at 150%
        {xsettings({{"Gdk/WindowScalingFactor", 2}, {"Xft/DPI", 96 * 1024}}), "", 1.0f},
        {cortado, "Xft.dpi:\t144", 1.5f},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0xff, 2}, "", 1.0f}, // counts more than it has
    };
    for (const auto& l : linhas) {
        anuncio a;
        a.recursos = dpi_dos_recursos(l.recursos);
        ler_xsettings(l.xsettings.data(), l.xsettings.size(), a);
        EXPECT_EQ(escala(a), l.escala)
            << l.recursos << " with " << l.xsettings.size() << " bytes of XSETTINGS";
    }
}
