#include "GuiText.h"

#include <QPlainTextEdit>

#include "Cp1251.h"

QString ToQString(std::string_view text)
{
    QString result;
    result.reserve(qsizetype(text.size()));
    for (char c : text) {
        const char32_t u = cp1251::ToUnicode((unsigned char)c);
        // The one unassigned byte (0x98) keeps its value rather than vanishing.
        result += QChar(u ? char16_t(u) : char16_t((unsigned char)c));
    }
    return result;
}

bool FromQString(const QString& text, std::string& out, qsizetype* bad)
{
    out.clear();
    out.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const int b = u == 0x98 ? 0x98 : cp1251::FromUnicode(u);
        if (b < 0) {
            if (bad)
                *bad = i;
            return false;
        }
        out += char(b);
    }
    return true;
}

bool GetEditText(const QPlainTextEdit& edit, std::string& out, qsizetype* bad)
{
    QString text = edit.toPlainText();
    if (!FromQString(text, out, bad))
        return false;
    out = WithCrLf(out);
    return true;
}

void SetEditText(QPlainTextEdit& edit, std::string_view text)
{
    QString shown = ToQString(text);
    // CR CR LF is a soft break to a Windows edit control; Qt would show two.
    shown.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    edit.setPlainText(shown);
}

std::string WithCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

void LoadGuiResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(zandor);
        return true;
    }();
    (void)loaded;
}
