#include "app/StillmarkApp.h"

#include <cstdlib>

int main(int argc, char** argv) {
    // GTK would load the GL driver only to pick visuals: tens of megabytes for nothing.
    setenv("GDK_GL", "disable", 0);
    return wxEntry(argc, argv);
}
