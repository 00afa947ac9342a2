#pragma once
// Plays scenario files (one run of the game written as plain event and
// expectation lines) over the game layer, with scripted ports and no
// display, and reports the first expectation that fails.

#include <string>

namespace scenario {

struct Outcome {
    bool passed = true;
    int line = 0;         // the failing line, 1-based
    std::string message;  // what was expected, what was found
};

// Runs the scenario text from a fresh program start.
Outcome runText(const std::string& text);
Outcome runFile(const std::string& path);

}  // namespace scenario
