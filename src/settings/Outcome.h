#pragma once
// What a read or a write of the program's files came to, in one shape for the whole settings layer:
// done, or why not, in words for the user (the path, the reason).
#include <string>
#include <utility>

namespace stillmark {

struct Outcome {
    std::string problem; // empty when it was done

    bool ok() const { return problem.empty(); }
    static Outcome Failed(std::string why) { return {std::move(why)}; }
};

} // namespace stillmark
