#include "StandardsWorkloads.h"

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <vector>

#include "core/Mdx_Settings.h"
#include "frame/ModuleEntry.h"
#include "frame/StandardsLaunch.h"
#include "host/ModuleLoader.h"
#include "resources/ModuleResources.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvStandardsDataFile.h"
#include "standards/testing/SampleMacro.h"
#include "win/Profile.h"
#include "win/ScriptedUser.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

// A standards sheet file from texts placed in column 1, one a row from row 1.
class SheetText {
public:
    void add(const std::string& text) { rows_.push_back(text); }
    std::string file() const {
        std::string out = "MDX-SHEET 1\nsize 2 " + std::to_string(rows_.size()) + "\n";
        for (size_t row = 0; row < rows_.size(); ++row) {
            out += "cell 1 " + std::to_string(row + 1) + " s \"";
            for (char c : rows_[row]) {
                if (c == '"' || c == '\\') out += '\\';
                out += c;
            }
            out += "\"\n";
        }
        return out + "end\n";
    }

private:
    std::vector<std::string> rows_;
};

std::string local(int k) {
    return "v" + std::to_string(k);
}

// 3 inputs and 2 outputs the plate group of the sample macro has, the rest locals.
constexpr int kLocals = StandardsWorkloads::kGeneratedVariables - 5 - 1;  // and a text

std::string generatedEquation(int i) {
    const int target = i % (kLocals - 1) + 2;
    if (i == 0) return "v1 = L1 + L2";
    if (i == 200) return "CallChild(\"GenChild.kvs\", v7, v11, Width)";
    if (i == 400) return "CallChild(\"GenChild.kvs\", Width, v13, Thickness)";
    if (i == 497) return "label = \"Plate \" & gen_Grade";
    if (i == 498)
        return "Thickness = STDSIZEWITHTOLERANCE(\"PlateThickness.txt\", 1, "
               "MIN(Thickness / 4 + Clearance, 40), 0, 6)";
    if (i == 499)
        return "Width = STDWIDTHWITHTOLERANCE(\"PlateWidth.txt\", 10, Thickness, "
               "MIN(MAX(Width * 2, 100), 280), 0, 40)";
    if (i % 10 == 3) {
        const int key = (i * 97) % StandardsWorkloads::kGeneratedDataLines + 1;
        return local(target) + " = GETCELL(\"Gen.dat\", " + std::to_string(key) + ", \"P\")";
    }
    const int a = (i * 7) % kLocals + 1;
    const int b = (i * 13) % kLocals + 1;
    return local(target) + " = (" + local(a) + " + " + local(b) + ") / 2 + Clearance";
}

std::string generatedStandard() {
    SheetText sheet;
    for (const char* text : {"Input", "Double L1", "Double L2", "Double Clearance", "Output",
                             "Double Thickness", "Double Width", "Local", "String label"})
        sheet.add(text);
    for (int k = 1; k <= kLocals; ++k) sheet.add("Double " + local(k));
    sheet.add("Calc");
    for (int i = 0; i < StandardsWorkloads::kGeneratedEquations; ++i)
        sheet.add(generatedEquation(i));
    return sheet.file();
}

std::string generatedChild() {
    SheetText sheet;
    for (const char* text :
         {"Input", "Double a", "Double b", "Output", "Double c", "Local", "Double t", "Calc",
          "t = MAX(a, b)", "c = ROUNDTO(t * 2 + GETCELL(\"Gen.dat\", 4999, \"P\") / 1000, 5)"})
        sheet.add(text);
    return sheet.file();
}

std::string generatedData() {
    std::string out = "// generated look-up data: key <n>;P, value 2n\r\n";
    for (int n = 1; n <= StandardsWorkloads::kGeneratedDataLines; ++n)
        out += std::to_string(n) + ";P\t" + std::to_string(2 * n) + "\tremark\r\n";
    return out;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

struct StandardsWorkloads::Session {
    standards::testing::SampleMacro macro;
    KvDlgStandardsData sample;
    KvDlgStandardsData generated;

    bool prepare(KvDlgStandardsData& data, const char* file, const char* mapsTo) {
        if (data.initialize(macro.dbMacro, file, mapsTo, &macro.macroData) != Acad::eOk)
            return false;
        data.transaction = macro.transaction.get();
        data.genVarNames = {"gen_Grade"};
        data.genVarValues = {"S355"};
        return true;
    }
    // Every evaluation starts from the caller's own request, as a caller's would.
    bool evaluate(const KvDlgStandardsData& request) {
        KvDlgStandardsData data = request;
        const bool done = StartDlgStandardsSS(data);
        // A clean evaluation tells the user nothing. Nobody answers message boxes here, so
        // their records are dropped rather than left to pile up over the iterations.
        const bool quiet = win::user::messageBoxes().empty();
        if (!quiet) win::user::reset();
        return done && quiet;
    }
};

StandardsWorkloads::StandardsWorkloads()
    : folder_(fs::temp_directory_path() / ("mdx-standards-bench-" + std::to_string(::getpid()))) {}

StandardsWorkloads::~StandardsWorkloads() {
    session_.reset();
    if (host::ModuleLoader::isLoaded(kMeridoxModuleName))
        host::ModuleLoader::unload(kMeridoxModuleName);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

bool StandardsWorkloads::setUp(std::string& error) {
    const fs::path library = folder_ / "library";
    const fs::path standards = library / "Connection Standards";
    fs::create_directories(folder_ / "profile");
    fs::create_directories(standards);
    fs::copy(standards::testing::examplesFolder() / "Connection Standards", standards,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    writeFile(standards / "Generated.kvs", generatedStandard());
    writeFile(standards / "Childs" / "GenChild.kvs", generatedChild());
    writeFile(standards / "Data" / "Gen.dat", generatedData());
    // As a library is used: written long before. Files changed a moment ago are read anew
    // on every call, since file times are too coarse to tell two quick edits apart.
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(library))
        if (file.is_regular_file()) fs::last_write_time(file.path(), anHourAgo);
    win::setProfileFolder(folder_ / "profile");
    gSettings.setLibraryFolder(library.string());
    HINSTANCE module = resources::moduleResourceHandle();
    if (!module || !defineMeridoxModule(module) ||
        host::ModuleLoader::load(kMeridoxModuleName) != Acad::eOk) {
        error = "the module did not load";
        return false;
    }
    session_ = std::make_unique<Session>();
    if (!session_->macro.load(error)) return false;
    if (!session_->prepare(session_->sample, "EndPlate", "EndPlateStd") ||
        !session_->prepare(session_->generated, "Generated", "Module.Plate")) {
        error = "the requests could not be made";
        return false;
    }
    if (!evaluateSample() || !evaluateGenerated()) {
        error = "an evaluation failed";
        return false;
    }
    return true;
}

bool StandardsWorkloads::evaluateSample() {
    return session_->evaluate(session_->sample);
}

bool StandardsWorkloads::evaluateGenerated() {
    return session_->evaluate(session_->generated);
}

bool StandardsWorkloads::lookUpGeneratedData() {
    Mdx_String path, value;
    return findStandardsDataFile("Gen.dat", path) &&
           lookUpStandardsData(path, "4999;P", false, value) == KvDataLookUp::Found;
}

std::string StandardsWorkloads::plateSize() const {
    return session_->macro.variable("EndPlate", "Thickness") + "x" +
           session_->macro.variable("EndPlate", "Width");
}

long residentKib() {
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    if (!(statm >> pages >> resident)) return -1;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace bench
