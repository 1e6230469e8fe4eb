#include "plataforma/pasta_programa.hpp"

#include <system_error>

// Linux names the running program's file in /proc. Other systems have no such
// link, and the working folder stays as it is.
std::filesystem::path pasta_programa() {
    std::error_code erro;
    const std::filesystem::path programa = std::filesystem::read_symlink("/proc/self/exe", erro);
    return erro ? std::filesystem::path() : programa.parent_path();
}
