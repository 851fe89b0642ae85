// The boundary between our Windows-1251 texts and Qt's Unicode strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

QString ToQString(std::string_view text);

// Windows-1251 bytes of text into out. When a character has no byte in the
// code page, returns false and sets *bad to its position in text; out is
// then unusable.
bool FromQString(const QString& text, std::string& out, qsizetype* bad = nullptr);

class QPlainTextEdit;

// The text of a multi-line editor with CR LF line ends, as a Windows edit
// control hands it over; false as FromQString.
bool GetEditText(const QPlainTextEdit& edit, std::string& out, qsizetype* bad = nullptr);

// Shows a text whose lines end in CR LF.
void SetEditText(QPlainTextEdit& edit, std::string_view text);

// Each line feed of text replaced by CR LF.
std::string WithCrLf(std::string_view text);

// Registers the icon and other resources of the program; safe to call again.
void LoadGuiResources();
