/* A program that imports winmm.dll the usual way and never limits where DLLs
   come from: it loads a winmm.dll planted beside it. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <mmsystem.h>

int main(void) {
    return (int)(timeGetTime() & 0);
}
