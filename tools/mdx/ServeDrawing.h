#pragma once
// The drawing a browser session works on: one macro of it opened as mdx evaluate opens it.
// Launch points that edit what a drawing holds get their record from the macro and give
// the accepted record back to it; nothing reaches the file until the person saves, and
// then the whole file is written atomically.
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

class EvaluateDrawing;

class ServeDrawing {
public:
    // Throws EvaluateError when the drawing cannot be read or has no such macro.
    ServeDrawing(std::filesystem::path file, std::string macro);
    ~ServeDrawing();

    std::string description() const;
    // The arguments a launch point gets from the drawing (empty: none of its own).
    nlohmann::json argsFor(const std::string& launch);
    // Takes what the launch point returned; an error text when a value cannot be taken.
    std::string take(const std::string& launch, const nlohmann::json& returned);
    // Writes the file; an error text, empty on success. The drawing stays open for more.
    std::string save();

private:
    void open();

    std::filesystem::path file_;
    std::string macroName_;
    std::unique_ptr<EvaluateDrawing> drawing_;
};
