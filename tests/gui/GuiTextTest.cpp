#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "Cp1251.h"
#include "GuiTestUtil.h"
#include "GuiText.h"

TEST(GuiText, EveryByteOfTheCodePageComesBackUnchanged)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    std::string back;
    ASSERT_TRUE(FromQString(ToQString(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(ToQString("Ёж №1 «да»"_w), QStringLiteral("Ёж №1 «да»"));
}

TEST(GuiText, CharactersOutsideTheCodePageAreReportedWithTheirPosition)
{
    const struct {
        QString text;
        qsizetype bad;
    } cases[] = {
        {QStringLiteral("Перем 中;"), 6},
        {QStringLiteral("ok \U0001F600"), 3}, // the first half of a surrogate pair
        {QStringLiteral("\u00E9"), 0},        // é is Windows-1252, not 1251
    };
    for (const auto& c : cases) {
        std::string out;
        qsizetype bad = -1;
        EXPECT_FALSE(FromQString(c.text, out, &bad)) << c.text.toStdString();
        EXPECT_EQ(bad, c.bad) << c.text.toStdString();
    }
}

TEST(GuiText, EditorsHoldLinesThatEndInCrLf)
{
    const struct {
        std::string shown;
        QString editor;
        std::string read;
    } cases[] = {
        {"a\r\nb\r\n", QStringLiteral("a\nb\n"), "a\r\nb\r\n"},
        {"a\r\r\nb", QStringLiteral("a\nb"), "a\r\nb"}, // a soft break is one break
        {"", QString(), ""},
        {S("Да\r\n"_w), QStringLiteral("Да\n"), S("Да\r\n"_w)},
    };
    for (const auto& c : cases) {
        QPlainTextEdit edit;
        SetEditText(edit, c.shown);
        EXPECT_EQ(edit.toPlainText(), c.editor);
        std::string read;
        ASSERT_TRUE(GetEditText(edit, read));
        EXPECT_EQ(read, c.read);
    }
}
