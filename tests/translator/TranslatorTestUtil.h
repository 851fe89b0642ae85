// Helpers for translator tests: run an operation on a source and return
// the output, or the message of the error it threw.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "../support/Utf8.h"
#include "Cp1251.h"
#include "ModuleTranslator.h"
#include "Notify.h"

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

// Collects what would be shown in message boxes while it lives.
class NotifyRecorder {
public:
    NotifyRecorder()
        : m_previous(SetNotifySink([this](const std::string& text) { messages.push_back(text); }))
    {
    }
    ~NotifyRecorder() { SetNotifySink(m_previous); }
    std::vector<std::string> messages;

private:
    NotifySink m_previous;
};
