// scenario_runner FILE...: runs each scenario file from a fresh program start.
#include <iostream>

#include "scenario/runner.h"

int main(int argc, char** argv) {
    int passed = 0, failed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        const scenario::Outcome o = scenario::runFile(path);
        if (o.passed) {
            ++passed;
            std::cout << "PASS " << path << "\n";
        } else {
            ++failed;
            std::cout << "FAIL " << path << ":" << o.line << ": " << o.message << "\n";
        }
    }
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 && argc > 1 ? 0 : 1;
}
