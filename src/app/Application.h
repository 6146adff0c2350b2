#pragma once

// Process entry: the one-shot commands, or the tray application with its event loop.
class Application {
public:
    static int run(int argc, char** argv);

    // Not in --help: whether every resource file the desktop program reads is where it looks
    // (prints that folder, exit status 0) or not (names the missing files, exit status 1). The
    // install test and packagers run it on an installed tree.
    static constexpr const char* checkResourcesOption = "--check-resources";

private:
    static int runDesktop(int argc, char** argv);
    static int checkResources(const char* argv0);
};
