// qxpack <plain-package-folder> <output-folder>: makes a package that setup
// can be started from.
#include <cstdio>
#include <string>

#include "tools/qxpack/package_builder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: qxpack <plain-package-folder> <output-folder>\n"
                     "  Encrypts setup.inf and data.inf of the plain folder into setup.nsx and\n"
                     "  data.nsx in the output folder and copies every other file and folder.\n");
        return 2;
    }
    qx::PackageBuildOptions options;
    options.inputFolder = argv[1];
    options.outputFolder = argv[2];
    std::string error;
    if (!qx::BuildPackage(options, &error)) {
        std::fprintf(stderr, "qxpack: %s\n", error.c_str());
        return 1;
    }
    std::printf("qxpack: package written to %s\n", argv[2]);
    return 0;
}
