// Helpers for form converter tests: Windows-1251 texts from UTF-8, records
// of a dialog description, files, and the message of a thrown error.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "Console.h"
#include "Cp1251.h"
#include "FormConverter.h"

// Test fixtures are stored in UTF-8; the converter works on Windows-1251.
inline std::string W(std::string_view utf8)
{
    return FromUtf8(utf8);
}

inline std::string Quoted(const std::string& field)
{
    std::string out = "\"";
    for (char c : field)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// A record of count fields, each "" unless given (1-based, UTF-8 text as
// the field means it; quotes are doubled here).
inline std::string Record(int count, const std::map<int, std::string>& given)
{
    std::string out = "{";
    for (int n = 1; n <= count; ++n) {
        auto it = given.find(n);
        out += Quoted(it == given.end() ? "" : W(it->second));
        if (n < count)
            out += ",";
    }
    return out + "}";
}

inline std::string Control(const std::map<int, std::string>& given)
{
    return Record(43, given);
}

// A frame record of 21 fields and what follows them in real descriptions.
inline std::string Frame(const std::map<int, std::string>& given)
{
    std::string record = Record(21, given);
    record.pop_back();
    return record + ",\"0\",{\"0\"}}";
}

// An empty frame leaves the frame group out.
inline std::string Description(const std::string& frame, const std::vector<std::string>& controls)
{
    std::string text = "{\"Dialogs\",\r\n";
    if (!frame.empty())
        text += "{\"Frame\",\r\n" + frame + "},\r\n";
    text += "{\"Controls\"";
    for (const std::string& control : controls)
        text += ",\r\n" + control;
    return text + "}}";
}

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::filesystem::path FixturePath(const std::string& name)
{
    return std::filesystem::path(ZANDOR_TESTS_DIR) / "forms" / "fixtures" / name;
}

// Runs op; returns "" when it succeeds, else the message line of the error.
inline std::string ErrorOf(const std::function<void()>& op)
{
    try {
        op();
    } catch (CTranslateError*) {
        const std::string message = CTranslateError::GetMessage();
        return message.substr(message.rfind('\n') + 1);
    }
    return "";
}
