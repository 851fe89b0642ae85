// The one way the translator tells the user something (a message box).
// The program installs its own sink: the console, or a Qt dialog.
#pragma once

#include <functional>
#include <string>

using NotifySink = std::function<void(const std::string& text)>;

// Shows text (Windows-1251) to the user and returns when it is acknowledged.
void Notify(const std::string& text);

// Replaces the sink and returns the previous one.
NotifySink SetNotifySink(NotifySink sink);
