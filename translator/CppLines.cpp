// Inline C++: "//cpp:" lines, "_CPP:" statements and "//cppdef:" types.
#include "ModuleTranslator.h"

// Every line holding "//cpp:" becomes "_cpp:" and the text after the marker.
// The marker's next position is searched once and reused while it lies
// ahead, so a rare late marker costs one pass over the text.
std::string CModuleTranslator::PreprocessCppLines(std::string strText)
{
    static constexpr std::string_view kMarker = "//cpp:";
    strText += '\n';
    std::string result;
    result.reserve(strText.size());
    size_t start = 0;
    size_t marker = strText.find(kMarker);
    while (start < strText.size()) {
        if (marker != std::string::npos && marker < start)
            marker = strText.find(kMarker, start);
        if (marker == std::string::npos) {
            result.append(strText, start);
            break;
        }
        const size_t nl = strText.find('\n', start);
        if (marker < nl) {
            result += "_cpp:";
            result.append(strText, marker + kMarker.size(), nl + 1 - (marker + kMarker.size()));
        } else {
            result.append(strText, start, nl + 1 - start);
        }
        start = nl + 1;
    }
    return result;
}
