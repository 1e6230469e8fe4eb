#include "plataforma/bibliotecas_seguras.hpp"

// The dynamic linker reads only the folders the system and the program name.
void carregar_bibliotecas_so_do_sistema() {}
