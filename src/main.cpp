#include "app/CommandLineApplication.h"

int main(int argc, char** argv) {
    return CommandLineApplication::run(argc, argv);
}
