#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "Cp1251.h"
#include "GuiTestUtil.h"
#include "GuiText.h"
#include "ModuleTranslator.h"
#include "Version.h"
#include "ZandorDlg.h"

namespace {

template <class T>
T* Child(QWidget& dialog, const char* name)
{
    auto* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

std::string Result(QWidget& dialog)
{
    std::string text;
    EXPECT_TRUE(GetEditText(*Child<QPlainTextEdit>(dialog, "edit1003"), text));
    return text;
}

void Translate(QWidget& dialog)
{
    QTest::mouseClick(Child<QPushButton>(dialog, "button1004"), Qt::LeftButton);
}

} // namespace

TEST(TranslatorWindow, SampleModuleBecomesCppWithCrLfLineEnds)
{
    CZandorDlg dialog;
    EXPECT_TRUE(Child<QRadioButton>(dialog, "radio1005")->isChecked());
    EXPECT_EQ(Child<QPlainTextEdit>(dialog, "edit1000")->toPlainText().count(QLatin1Char('\n')), 14);
    CNotifyRecorder recorder;
    Translate(dialog);
    const std::string expected = FromUtf8(
        std::string(80, '/') + "\r\n"
        "//Модуль сгенерирован программой Zandor.exe (" + std::string(kWebAddress) + ")\r\n"
        "//\r\n"
        "\r\n"
        "CValue Kurs;\r\n"
        "CValue VybSotrudnik;\r\n"
        "CValue Mas[100];\r\n"
        "//Формирование проводки НБ\r\n"
        "void SformirovatProvodkuNB(CRefValue Sotrudnik,CRefValue Sum,CRefValue Subconto)\r\n"
        "{\r\n"
        "\tif(Sum==0)\r\n"
        "\t{\r\n"
        "\t\treturn;\r\n"
        "\t};\r\n"
        "\tKurs=Sotrudnik.Attribute(\"Валюта\").Attribute(\"Курс\").Method(\"Получить\",DocDate);\r\n"
        "\tOperation.Method(\"НоваяПроводка\",1,2,3);\r\n"
        "\tOperation.Attribute(\"СодержаниеПроводки\")=_S(\"Учтено начисление\");\r\n"
        "\tOperation.Attribute(\"Кредит\").Attribute(\"Счет\")=AccountByCode(_S(\"НБ\"));\r\n"
        "\tOperation.Attribute(\"Кредит\").Attribute(\"Сотрудники\")=Sotrudnik;\r\n"
        "}\r\n"
        "void OnOpen0(void)\r\n"
        "{\r\n"
        "\tSformirovatProvodkuNB(VybSotrudnik,100,0);\r\n"
        "}\r\n");
    EXPECT_EQ(Result(dialog), expected);
    EXPECT_TRUE(recorder.m_messages.empty());
}

TEST(TranslatorWindow, DialogModeGivesTheResourceScript)
{
    CZandorDlg dialog;
    Child<QRadioButton>(dialog, "radio1006")->setChecked(true);
    Child<QPlainTextEdit>(dialog, "edit1000")
        ->setPlainText(QStringLiteral(
            "{\"Dialogs\",\n{\"Frame\",{\"8\",\"0\",\"0\",\"0\",\"400\",\"0\",\"0\",\"0\",\"204\",\"1\",\"2\",\"1\","
            "\"34\",\"Arial\",\"100\",\"50\",\"Окно\",\"\",\"\",\"0\",\"\",}},\n{\"Controls\",\n"
            "{\"Имя\",\"1CEDIT\",\"1342177280\",\"5\",\"5\",\"60\",\"12\",\"0\",\"0\",\"4153\",\"\",\"\",\"Имя\","
            "\"-1\",\"N\",\"0\",\"0\",\"0\",\"0\",\"16384\",\"\",\"\",\"\",\"0\",\"-11\",\"0\",\"0\",\"0\",\"0\",\"0\","
            "\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"MS Sans Serif\",\"-1\",\"-1\",\"0\",\"Основной\",\"\"}}}"));
    Translate(dialog);
    EXPECT_EQ(Result(dialog),
              FromUtf8("//Zandor generated resource script.\r\n//\r\n\r\n" + std::string(77, '/') +
                       "\r\n//\r\n// Dialog\r\n//\r\n\r\n"
                       "IDD_1CDIALOG1 DIALOG DISCARDABLE  0, 0, 100, 50\r\n"
                       "\t\tSTYLE DS_MODALFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
                       "\t\tCAPTION \"Окно\"\r\n"
                       "\t\tFONT 4, \"Arial\"\r\n"
                       "\t\tBEGIN\r\n"
                       "EDITTEXT IDC_Imya,5,5,60,12,ES_AUTOHSCROLL | ES_NUMBER |  WS_DISABLED \r\n"
                       "\t\t\tEND\r\n"));
}

TEST(TranslatorWindow, AnErrorPutsItsTextInTheResultAndSaysSo)
{
    const struct {
        const char* radio;
        QString source;
    } cases[] = {
        {"radio1005", QStringLiteral("Перем А;\nА = (2;\n")},
        {"radio1006", QStringLiteral("{\"Dialogs\",{\"Frame\",{\"8\"}}")},
    };
    for (const auto& c : cases) {
        CZandorDlg dialog;
        Child<QRadioButton>(dialog, c.radio)->setChecked(true);
        Child<QPlainTextEdit>(dialog, "edit1000")->setPlainText(c.source);
        Child<QPlainTextEdit>(dialog, "edit1003")->setPlainText(QStringLiteral("old result"));
        CNotifyRecorder recorder;
        Translate(dialog);
        const std::string message = CTranslateError::GetMessage();
        EXPECT_NE(message.find("<?>"), std::string::npos) << message;
        // The source reached the translator with CR LF line ends, so its
        // quoted lines come back as CR CR LF: one break in the editor.
        std::string shown = WithCrLf(message);
        for (std::size_t at; (at = shown.find("\r\r\n")) != std::string::npos;)
            shown.erase(at, 1);
        EXPECT_EQ(Result(dialog), shown) << c.radio;
        EXPECT_EQ(recorder.m_messages, std::vector<std::string>{S("Ошибка!"_w)});
        EXPECT_EQ(Child<QPlainTextEdit>(dialog, "edit1000")->toPlainText(), c.source);
    }
}

TEST(TranslatorWindow, ACharacterOutsideWindows1251IsReportedNotDropped)
{
    CZandorDlg dialog;
    Child<QPlainTextEdit>(dialog, "edit1000")->setPlainText(QStringLiteral("А = 1;\nБ = \"中\";\n"));
    Child<QPlainTextEdit>(dialog, "edit1003")->setPlainText(QStringLiteral("old result"));
    CNotifyRecorder recorder;
    Translate(dialog);
    EXPECT_EQ(recorder.m_messages,
              std::vector<std::string>{
                  S("Символ U+4E2D в позиции 2:6 не входит в кодировку Windows-1251: перевод не выполнен"_w)});
    EXPECT_EQ(Child<QPlainTextEdit>(dialog, "edit1003")->toPlainText(), QStringLiteral("old result"));
}

TEST(TranslatorWindow, EnterInAnEditorIsANewLine)
{
    CZandorDlg dialog;
    dialog.show();
    auto* source = Child<QPlainTextEdit>(dialog, "edit1000");
    source->clear();
    source->setFocus();
    QTest::keyClicks(source, QStringLiteral("A=1;"));
    QTest::keyClick(source, Qt::Key_Return);
    EXPECT_EQ(source->toPlainText(), QStringLiteral("A=1;\n"));
    EXPECT_TRUE(Child<QPlainTextEdit>(dialog, "edit1003")->toPlainText().isEmpty());
}

TEST(TranslatorWindow, AboutBoxNamesVersionAndAddress)
{
    CZandorDlg dialog;
    QString title, version, address;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        version = Child<QLabel>(*about, "labelVersion")->text();
        address = Child<QLabel>(*about, "labelAddress")->text();
        QTest::mouseClick(Child<QPushButton>(*about, "button1"), Qt::LeftButton);
    });
    QAction* action = dialog.findChild<QAction*>(QStringLiteral("actionAbout"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("&About Zandor..."));
    action->trigger();
    EXPECT_EQ(title, QStringLiteral("О программе Zandor"));
    EXPECT_EQ(version, QStringLiteral("Zandor Version 1.0"));
    EXPECT_TRUE(address.contains(QString::fromLatin1(kWebAddress.data(), qsizetype(kWebAddress.size()))));
}
