#include "ZandorDlg.h"

#include <QIcon>
#include <QLayout>
#include <QMenuBar>

#include "AboutDlg.h"
#include "Cp1251.h"
#include "FormConverter.h"
#include "GuiText.h"
#include "ModuleTranslator.h"
#include "Notify.h"
#include "ui_ZandorDlg.h"

namespace {

// Shown in the source editor at start, so that "=>" has something to show.
constexpr std::string_view kSampleModule =
    "Перем ВыбСотрудник;\n"
    "Перем Мас[100];\n"
    "//Формирование проводки НБ\n"
    "Процедура СформироватьПроводкуНБ(Сотрудник, Сумма, Субконто)\n"
    "\tЕсли Сумма = 0 Тогда\n"
    "\t\tВозврат;\n"
    "\tКонецЕсли;\n"
    "\tКурс=Сотрудник.Валюта.Курс.Получить(ДатаДок);\n"
    "\tОперация.НоваяПроводка(1,2,3);\n"
    "\tОперация.СодержаниеПроводки = \"Учтено начисление\";\n"
    "\tОперация.Кредит.Счет = СчетПоКоду(\"НБ\");\n"
    "\tОперация.Кредит.Сотрудники = Сотрудник;\n"
    "КонецПроцедуры\n"
    "СформироватьПроводкуНБ(ВыбСотрудник,100,0);\n"_w;

// Where a character sits in an editor's text, counted as the user counts.
std::string PlaceOf(const QString& text, qsizetype index)
{
    int line = 1, column = 1;
    for (qsizetype i = 0; i < index; ++i) {
        if (text[i] == QLatin1Char('\n')) {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

} // namespace

CZandorDlg::CZandorDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CZandorDlg>())
{
    LoadGuiResources();
    m_ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/zandor.png")));

    // A dialog has no portable window menu: the About item lives in Help.
    auto* menuBar = new QMenuBar(this);
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    QAction* about = help->addAction(QStringLiteral("&About Zandor..."));
    about->setObjectName(QStringLiteral("actionAbout"));
    connect(about, &QAction::triggered, this, &CZandorDlg::OnAbout);
    layout()->setMenuBar(menuBar);

    // Qt's default tab stops are far wider than the code's indentation needs.
    for (QPlainTextEdit* edit : {m_ui->edit1000, m_ui->edit1003})
        edit->setTabStopDistance(4 * edit->fontMetrics().horizontalAdvance(QLatin1Char(' ')));

    connect(m_ui->button1004, &QPushButton::clicked, this, &CZandorDlg::OnTranslate);
    m_ui->radio1005->setChecked(true);
    SetEditText(*m_ui->edit1000, WithCrLf(kSampleModule));
}

CZandorDlg::~CZandorDlg() = default;

void CZandorDlg::OnTranslate()
{
    std::string source;
    qsizetype bad = 0;
    if (!GetEditText(*m_ui->edit1000, source, &bad)) {
        const QString text = m_ui->edit1000->toPlainText();
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", unsigned(text[bad].unicode()));
        Notify(std::string("Символ "_w) + code + std::string(" в позиции "_w) + PlaceOf(text, bad) +
               std::string(" не входит в кодировку Windows-1251: перевод не выполнен"_w));
        return;
    }

    std::string result;
    try {
        if (m_ui->radio1005->isChecked()) {
            CModuleTranslator translator;
            result = translator.TranslateModule(source, "");
        } else if (m_ui->radio1006->isChecked()) {
            CFormConverter converter;
            result = converter.ConvertDialog(source);
        } else {
            return;
        }
    } catch (CTranslateError*) {
        SetEditText(*m_ui->edit1003, WithCrLf(CTranslateError::GetMessage()));
        Notify(std::string("Ошибка!"_w));
        return;
    }
    SetEditText(*m_ui->edit1003, WithCrLf(result));
}

void CZandorDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
