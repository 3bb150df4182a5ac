#pragma once
// What mdx design prints and draws; each returns the command's exit code.
#include <ostream>
#include <string>

int listDesigns(std::ostream& out, std::ostream& err);
int showDesign(const std::string& design, std::ostream& out, std::ostream& err);
int renderDesign(const std::string& design, const std::string& png, std::ostream& err);
int checkDesign(const std::string& design, const std::string& drawing, const std::string& macro,
                std::ostream& out, std::ostream& err);
