#pragma once

// Process entry: the one-shot commands, or the tray application with its event loop.
class Application {
public:
    static int run(int argc, char** argv);

private:
    static int runDesktop(int argc, char** argv);
};
