#include "DesignReport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <vector>

#include "DesignBindings.h"
#include "DesignSession.h"
#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "core/Mdx_StringArray.h"
#include "core/macro/MacroData.h"
#include "designer/DesignPicture.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "win/CDialog.h"
#include "win/Bitmap.h"
#include "win/CStatic.h"
#include "win/WindowPainter.h"

namespace {

constexpr int kExitNoDesign = 2;
constexpr int kExitNotDrawn = 3;
constexpr int kExitProblems = 4;
constexpr int kExitNoMacro = 5;

std::string utf8(const Mdx_String& text) { return text.toUtf8(); }

std::string typeName(int type) {
    const Mdx_StringArray names = designer::controlTypeNames();
    if (type < 0 || type >= names.length()) return "unknown type " + std::to_string(type);
    return utf8(names[type]);
}

std::string pictureOf(const Mdx_DlgDesignerData& data) {
    if (!data.getImage()) return "no picture";
    int w = 0, h = 0;
    win::imageSize(data.getImage(), w, h);
    return "picture " + std::to_string(w) + " x " + std::to_string(h);
}

std::string pad(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

}  // namespace

int listDesigns(std::ostream& out, std::ostream& err) {
    DesignSession session;
    Mdx_StringArray names;
    getModuleImages(names);
    out << names.length() << " designs in " << utf8(getDesignerRootFolder()) << "\n";
    for (const Mdx_String& name : names) {
        Mdx_DlgDesignerData data;
        if (!session.read(data, utf8(name), err)) {
            out << "  " << utf8(name) << ": cannot be read\n";
            continue;
        }
        out << "  " << pad(utf8(name), 24) << data.getNrControls() << " controls, "
            << pictureOf(data) << "\n";
    }
    return 0;
}

int showDesign(const std::string& design, std::ostream& out, std::ostream& err) {
    DesignSession session;
    Mdx_DlgDesignerData data;
    if (!session.read(data, design, err)) return kExitNoDesign;
    out << utf8(data.getName()) << ": " << data.getNrControls() << " controls, "
        << pictureOf(data) << "\n";
    out << "  #   " << pad("type", 24) << pad("contents", 18) << pad("list", 22)
        << "place in pixels (left, top, right, bottom)\n";
    for (int i = 0; i < data.getNrControls(); ++i) {
        const Mdx_DesignerControl& c = *data.getControl(i);
        const RECT r = data.controlRect(c);
        char place[96];
        std::snprintf(place, sizeof place, "%ld, %ld, %ld, %ld", static_cast<long>(r.left),
                      static_cast<long>(r.top), static_cast<long>(r.right),
                      static_cast<long>(r.bottom));
        out << "  " << pad(std::to_string(i), 4)
            << pad(typeName(c.type) + " (" + std::to_string(c.type) + ")", 24)
            << pad(utf8(c.contents), 18) << pad(utf8(c.getMergedExtComboList()), 22)
            << (data.getImage() ? place : "-") << "\n";
    }
    return 0;
}

int renderDesign(const std::string& design, const std::string& png, std::ostream& err) {
    DesignSession session;
    Mdx_DlgDesignerData data;
    if (!session.read(data, design, err)) return kExitNoDesign;
    if (!session.realise(data, err)) return kExitNotDrawn;
    if (!win::paintWindowToPng(session.page(), png)) {
        err << "mdx design render: cannot write " << png << "\n";
        return kExitNotDrawn;
    }
    return 0;
}

namespace {

void checkPlaces(const Mdx_DlgDesignerData& data, std::vector<std::string>& problems) {
    for (int i = 0; i < data.getNrControls(); ++i) {
        const Mdx_DesignerControl& c = *data.getControl(i);
        const std::string who = "control " + std::to_string(i) + " (" + utf8(c.contents) + ")";
        if (!designer::isKnownControlType(c.type))
            problems.push_back(who + ": unknown type " + std::to_string(c.type) +
                               " (shown as a text)");
        if (!(c.topLeftX >= 0 && c.topLeftY >= 0 && c.bottomRightX <= 1 && c.bottomRightY <= 1))
            problems.push_back(who + ": lies partly outside the picture");
        if (!(c.bottomRightX > c.topLeftX && c.bottomRightY > c.topLeftY))
            problems.push_back(who + ": has no area");
        if (c.type == ctGroupBox) continue;  // a group box holds others on purpose
        for (int j = i + 1; j < data.getNrControls(); ++j) {
            const Mdx_DesignerControl& d = *data.getControl(j);
            if (d.type == ctGroupBox) continue;
            if (std::max(c.topLeftX, d.topLeftX) < std::min(c.bottomRightX, d.bottomRightX) &&
                std::max(c.topLeftY, d.topLeftY) < std::min(c.bottomRightY, d.bottomRightY))
                problems.push_back(who + " overlaps control " + std::to_string(j) + " (" +
                                   utf8(d.contents) + ")");
        }
    }
}

}  // namespace

int checkDesign(const std::string& design, const std::string& drawing, const std::string& macro,
                std::ostream& out, std::ostream& err) {
    DesignSession session;
    Mdx_DlgDesignerData data;
    if (!session.read(data, design, err)) return kExitNoDesign;
    std::vector<std::string> problems;
    if (!data.getImage()) problems.push_back("the design has no picture");
    checkPlaces(data, problems);
    if (drawing.empty() != macro.empty()) {
        err << "mdx design check: --drawing and --macro go together\n";
        return kExitNoMacro;
    }
    if (!drawing.empty()) {
        try {
            EvaluateDrawing opened(drawing, macro);
            MacroData& macroData = opened.macroData();
            const std::vector<int> tabs = tabsShowingDesign(macroData, data.getName());
            for (int i = 0; i < data.getNrControls(); ++i)
                for (std::string& problem : bindingProblems(macroData, tabs, *data.getControl(i), i))
                    problems.push_back(std::move(problem));
        } catch (const EvaluateError& error) {
            err << "mdx design check: " << error.what() << "\n";
            return kExitNoMacro;
        }
    }
    for (const std::string& problem : problems) out << utf8(data.getName()) << ": " << problem << "\n";
    if (problems.empty()) out << utf8(data.getName()) << ": no problems\n";
    return problems.empty() ? 0 : kExitProblems;
}
