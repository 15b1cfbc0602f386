// LD_PRELOAD shim: the time each SDL_GL_SwapWindow returns (the picture handed to the
// display), in microseconds of the monotonic clock, one line each, into the file named by
// SWAP_TIMES_FILE, written in blocks of 256 lines.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static FILE* out;

void SDL_GL_SwapWindow(void* window)
{
    static void (*real)(void*);
    static unsigned long count;
    if (!real) real = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    real(window);
    if (!out) {
        const char* name = getenv("SWAP_TIMES_FILE");
        if (!name || !(out = fopen(name, "w"))) return;
    }
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    fprintf(out, "%.0f\n", now.tv_sec * 1e6 + now.tv_nsec / 1e3);
    if (++count % 256 == 0) fflush(out);
}
