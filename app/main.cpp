// orbweave: the screen saver program. Until the saver, the preview and the
// properties dialog exist, it says so and fails instead of pretending to run.
#include <cstdio>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    std::fputs("orbweave: the full-screen saver (/S), the control-panel preview (/P), "
               "the properties dialog (/C) and template import are not built yet.\n",
               stderr);
    return 1;
}
