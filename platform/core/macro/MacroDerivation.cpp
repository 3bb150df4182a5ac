#include "core/macro/MacroDerivation.h"

#include <set>

#include "core/macro/DerivedFormula.h"
#include "core/macro/Mdx_Macro.h"

namespace {

// Chains of derived variables deeper than this are refused rather than recursed into.
constexpr std::size_t kMaxChain = 256;

class ModuleDerivation {
public:
    ModuleDerivation(Mdx_Macro& macro, Mdx_Module& module) : macro_(macro), module_(module) {}

    bool run(std::string& message) {
        for (Mdx_DialogVariable& variable : module_.dialogVariables())
            if (!variable.formula.isEmpty() && !derive(variable)) break;
        message = error_;
        return error_.empty();
    }

private:
    bool derive(Mdx_DialogVariable& variable) {
        const std::string key = variable.name.toUtf8();
        if (done_.count(key)) return true;
        if (visiting_.size() >= kMaxChain) {
            error_ = "derived variables of module \"" + module_.name().toUtf8() +
                     "\" depend on each other too deeply";
            return false;
        }
        if (!visiting_.insert(key).second) {
            error_ = "\"" + key + "\" of module \"" + module_.name().toUtf8() +
                     "\" depends on itself";
            return false;
        }
        double value = 0;
        std::string message;
        auto resolve = [this](const Mdx_String& name, double& result) {
            return resolveName(name, result);
        };
        if (!evaluateDerivedFormula(variable.formula, resolve, value, message)) {
            if (error_.empty())
                error_ = "\"" + key + "\" of module \"" + module_.name().toUtf8() +
                         "\" cannot be computed: " + message;
            return false;
        }
        variable.value = value;
        visiting_.erase(key);
        done_.insert(key);
        return true;
    }

    bool resolveName(const Mdx_String& name, double& result) {
        if (Mdx_DialogVariable* variable = module_.findDialogVariable(name)) {
            if (!variable->formula.isEmpty() && !derive(*variable)) return false;
            result = variable->value;
            return true;
        }
        if (!macro_.hasGeneralVariable(name)) return false;
        result = macro_.generalVariableValue(name);
        return true;
    }

    Mdx_Macro& macro_;
    Mdx_Module& module_;
    std::set<std::string> visiting_;
    std::set<std::string> done_;
    std::string error_;
};

}  // namespace

bool deriveMacroValues(Mdx_Macro& macro, std::string& message) {
    for (int i = 0; i < macro.moduleCount(); ++i) {
        ModuleDerivation derivation(macro, *macro.moduleAt(i));
        if (!derivation.run(message)) return false;
    }
    return true;
}
