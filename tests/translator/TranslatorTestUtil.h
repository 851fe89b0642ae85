// Helpers for translator tests: run an operation on a source and return
// the output, or the message of the error it threw.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/NotifyRecorder.h"
#include "Console.h"
#include "Cp1251.h"
#include "ModuleTranslator.h"

// Runs op on a translator loaded with source; returns m_strOut, or
// "ERROR: " + the last line of the error text when op threw.
inline std::string RunOn(const std::string& source, const std::function<void(CModuleTranslator&)>& op)
{
    CModuleTranslator t;
    t.SetSource(source);
    try {
        op(t);
    } catch (CTranslateError*) {
        const std::string message = CTranslateError::GetMessage();
        return "ERROR: " + message.substr(message.rfind('\n') + 1);
    }
    return t.m_strOut;
}

// The piece n times over.
inline std::string Repeat(std::string_view piece, int n)
{
    std::string result;
    for (int i = 0; i < n; ++i)
        result += piece;
    return result;
}

