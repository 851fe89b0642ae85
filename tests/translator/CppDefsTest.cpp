#include <gtest/gtest.h>

#include <random>
#include <string>

#include "Cp1251.h"
#include "TranslatorTestUtil.h"

namespace {

std::string S(std::string_view v)
{
    return std::string(v);
}

// The recorded pairs as "type name;" in order, then "|" and the type the
// tree finds for each name, or the last line of the error text.
std::string Scan(const std::string& source)
{
    CModuleTranslator t;
    t.SetSource(source);
    try {
        t.ScanCppDefs();
    } catch (CTranslateError*) {
        const std::string message = CTranslateError::GetMessage();
        return "ERROR: " + message.substr(message.rfind('\n') + 1);
    }
    EXPECT_EQ(t.m_strOut, "");
    EXPECT_EQ(t.m_nPos, 0);
    std::string pairs;
    std::string types;
    for (const auto& [type, name] : t.m_cppDefs) {
        pairs += type + " " + name + ";";
        types += t.FindCppType(name) + ";";
    }
    return pairs + "|" + types;
}

} // namespace

TEST(CppDefs, ScanRecordsTypesAndNames)
{
    const std::pair<std::string, std::string> cases[] = {
        {"//cppdef: int N\nA=1;", "int N;|int;"},
        {S("Перем Имена; //cppdef: CString Имена[10]\n"_w), "CString Imena[10];|CString;"},
        {"//cppdef: int N\n//cppdef: double N\n", "int N;double N;|double;double;"},
        {"//cppdef: int A //cppdef: long B\n", "int A;|int;"},
        {"//CPPDEF: int A\n// cppdef: int B\n", "|"},
        {"x //cppdef:int\t\tN1", "int N1;|int;"},
        {"//cppdef: int // why\n N", "int N;|int;"},
        {"//cppdef: int", S("ERROR: Ожидается слово"_w)},
        {"//cppdef: int* p\n", S("ERROR: Ожидается слово"_w)},
        {"//cppdef: 1int p\n", S("ERROR: Ожидается наименование"_w)},
        {"//cppdef: int M[x]\n", S("ERROR: Ожижается константа"_w)},
        {"//cppdef: int M[5\n", S("ERROR: Ожидается символ ']'"_w)},
    };
    for (const auto& [source, expected] : cases)
        EXPECT_EQ(Scan(source), expected) << source;
}

// The scan searches each marker once; it must still find exactly what a
// search from every line's start would find, wherever the markers lie.
TEST(CppDefs, ScanMatchesALineByLineSearch)
{
    std::mt19937 random(7);
    const std::string pieces[] = {"A=1;", " ", "\n", "//cppdef: int V", "//cppdef:long W", "//x", "//cpp", "def:"};
    for (int round = 0; round < 300; ++round) {
        std::string source;
        for (int n = random() % 12; n > 0; --n) {
            source += pieces[random() % std::size(pieces)];
            if (random() % 2)
                source += std::to_string(random() % 3);
        }
        const auto outcome = [&](const std::function<void(CModuleTranslator&)>& scan) {
            CModuleTranslator t;
            t.SetSource(source);
            try {
                scan(t);
            } catch (CTranslateError*) {
                return "ERROR: " + CTranslateError::GetMessage();
            }
            std::string pairs;
            for (const auto& [type, name] : t.m_cppDefs)
                pairs += type + " " + name + ";";
            return pairs;
        };
        const std::string fast = outcome([](CModuleTranslator& t) { t.ScanCppDefs(); });
        const std::string slow = outcome([](CModuleTranslator& t) {
            const std::string& text = t.m_strSource;
            for (size_t start = 0; start < text.size();) {
                const size_t nl = text.find('\n', start);
                const size_t p = text.find("//cppdef:", start);
                if (p == std::string::npos)
                    break;
                if (p < nl) {
                    t.m_nPos = int(p + 9);
                    t.GetCppDef();
                }
                start = nl + 1;
            }
        });
        EXPECT_EQ(fast, slow) << source;
    }
}
