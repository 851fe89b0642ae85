// Collects what the program would show in message boxes while it lives.
#pragma once

#include <string>
#include <vector>

#include "Notify.h"

class CNotifyRecorder {
public:
    CNotifyRecorder()
        : m_previous(SetNotifySink([this](const std::string& text) { m_messages.push_back(text); }))
    {
    }
    ~CNotifyRecorder() { SetNotifySink(m_previous); }
    CNotifyRecorder(const CNotifyRecorder&) = delete;
    CNotifyRecorder& operator=(const CNotifyRecorder&) = delete;

    std::vector<std::string> m_messages;

private:
    NotifySink m_previous;
};
