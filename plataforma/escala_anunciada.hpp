#pragma once

#include <cstddef>
#include <optional>
#include <string>

// What an X desktop publishes about its scale, read from the two places
// programs are told it, and the one scale the game takes from them. Plain
// parsing, with no connection to a server, so that the tests can feed it
// whatever a desktop (or a damaged setting) writes.
namespace escala_anunciada {

// Each source's scale, absent when that source says nothing.
struct anuncio {
    // Xft.dpi in the root window's RESOURCE_MANAGER.
    std::optional<float> recursos;
    // Xft/DPI in the XSETTINGS manager's settings, in 1024ths of a dot per inch.
    std::optional<float> xsettings_dpi;
    // Gdk/WindowScalingFactor there, a whole scale.
    std::optional<float> fator_gdk;
};

// Xft.dpi in the resources' text ("name:\tvalue" a line); the last line that
// names it wins, as in xrdb's merge.
std::optional<float> dpi_dos_recursos(const std::string& recursos);

// Xft/DPI and Gdk/WindowScalingFactor in _XSETTINGS_SETTINGS, in either byte
// order; what is cut short or malformed is left absent.
void ler_xsettings(const unsigned char* dados, std::size_t tamanho, anuncio& lido);

// The scale the game follows.
float escala(const anuncio& lido);

} // namespace escala_anunciada
