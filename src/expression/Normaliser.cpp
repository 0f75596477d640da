#include "expression/Normaliser.h"

#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"

namespace tarlix {

bool passes::groupingPasses(std::string& t, const EngineSettings& settings, ConstTable& consts) {
    if (!numbers(t, settings, consts)) return false;
    spaceMarking(t);
    pairLiterals(t);
    pointPairs(t);
    absoluteBrackets(t);
    logarithmForm(t);
    exponentOperands(t);
    powerPrefixArguments(t);
    functionMarking(t);
    functionOperands(t);
    deleteMarkers(t);
    functionApplication(t);
    postfixLeftOperands(t);
    quotientLeftOperands(t);
    deleteSpaces(t);
    return true;
}

NormaliseResult normalise(std::string& t, const NormaliseOptions& options,
                          const EngineSettings& settings, ConstTable& consts) {
    using namespace passes;
    spacesAndSigns(t);
    absoluteBrackets(t);
    negativeNumbers(t);
    if (options.mode >= 1 && options.mode <= 22) pointMode(t, options.mode);
    pointComponents(t);
    if (options.thetaAxis) thetaAxis(t);
    if (!groupingPasses(t, settings, consts)) return NormaliseResult::TooManyConstants;
    normToLen(t);
    if (maxDepth(t) > kMaxBuiltNesting) return NormaliseResult::TooDeep; // chains recurse
    chainedComparisons(t);
    powerPrefixPowers(t);
    if (options.mode == 0) relationVariables(t, settings.thetaMode);
    return NormaliseResult::Ok;
}

} // namespace tarlix
