/* Counts the frames of a program that shows each frame with one XPutImage:
 * preloaded (LD_PRELOAD), it passes every call on to Xlib and writes the
 * number of calls so far, as decimal text, over the file named by
 * PUT_IMAGE_COUNT, so a bench script can read the count at any moment. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

typedef int (*PutImageFn)(void*, unsigned long, void*, void*, int, int, int, int, unsigned int, unsigned int);

static long calls;
static int countFile = -1;

static void WriteCount(void) {
    if (countFile < 0) {
        const char* path = getenv("PUT_IMAGE_COUNT");
        if (path == NULL || *path == '\0') {
            return;
        }
        countFile = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (countFile < 0) {
            return;
        }
    }
    /* Fixed width, so a shorter number never leaves digits of a longer one. */
    char text[32];
    const int length = snprintf(text, sizeof text, "%20ld\n", calls);
    if (length > 0 && pwrite(countFile, text, (size_t)length, 0) < 0) {
        close(countFile);
        countFile = -1;
    }
}

int XPutImage(void* display, unsigned long drawable, void* gc, void* image, int srcX, int srcY, int destX, int destY,
              unsigned int width, unsigned int height) {
    static PutImageFn next;
    if (next == NULL) {
        next = (PutImageFn)dlsym(RTLD_NEXT, "XPutImage");
        if (next == NULL) {
            return 0;
        }
    }
    const int result = next(display, drawable, gc, image, srcX, srcY, destX, destY, width, height);
    ++calls;
    WriteCount();
    return result;
}
