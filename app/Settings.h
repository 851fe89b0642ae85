// Per-user settings of the program: organisation "Orvane", the application's
// name, texts grouped in sections.
#pragma once

#include <QString>

void WriteSettingText(const QString& section, const QString& key, const QString& text);

// The stored text, or defaultText when the key has never been stored.
QString ReadSettingText(const QString& section, const QString& key, const QString& defaultText);
