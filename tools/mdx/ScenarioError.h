#pragma once
// What makes a scenario refused: the message says what is wrong; the runner adds the step.
#include <stdexcept>
#include <string>

class ScenarioError : public std::runtime_error {
public:
    explicit ScenarioError(const std::string& message) : std::runtime_error(message) {}
};
