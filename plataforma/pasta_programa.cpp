#include "plataforma/pasta_programa.hpp"

#include <system_error>

void escolher_pasta_de_trabalho() {
    std::error_code erro;
    if (std::filesystem::is_directory("imagens", erro)) {
        return;
    }
    const std::filesystem::path pasta = pasta_programa();
    if (!pasta.empty() && std::filesystem::is_directory(pasta / "imagens", erro)) {
        // Should the change fail, the game runs on without its pictures, as
        // it would have anyway.
        std::filesystem::current_path(pasta, erro);
    }
}
