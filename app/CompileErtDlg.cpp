#include "CompileErtDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>

#include "ErtCompile.h"
#include "GuiText.h"
#include "Paths.h"
#include "Settings.h"
#include "ui_CompileErtDlg.h"

namespace {

const QString kSection = QStringLiteral("Data");

// Settings hold at most this many characters of a field.
constexpr qsizetype kMaxFieldText = 2047;

QString StripQuotes(QString text)
{
    while (text.startsWith(QLatin1Char('"')))
        text.remove(0, 1);
    while (text.endsWith(QLatin1Char('"')))
        text.chop(1);
    return text;
}

} // namespace

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList lines;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty())
            break;
        // Qt takes the patterns from the last parentheses of a line; most
        // descriptions already end with them.
        const QString shown = QLatin1Char('(') + pattern + QLatin1Char(')');
        lines << (description.endsWith(shown) ? description : description + QLatin1Char(' ') + shown);
    }
    return lines.join(QStringLiteral(";;"));
}

CCompileErtDlg::CCompileErtDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CCompileErtDlg>())
{
    LoadGuiResources();
    m_ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/zandor.png")));

    connect(m_ui->button1009, &QPushButton::clicked, this, &CCompileErtDlg::OnCompile);
    connect(m_ui->button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->button2, &QPushButton::clicked, this, &QDialog::reject);

    const auto browse = [this](QPushButton* button, QLineEdit* field, bool bFolder, QString text,
                               bool bFullPath) {
        connect(button, &QPushButton::clicked, this,
                [=, this] { BrowseIntoField(field, bFolder, text, bFullPath); });
    };
    browse(m_ui->button1007, m_ui->edit1008, false,
           QStringLiteral("Внешние обработки 1С (*.ert)|*.ert||"), true);
    browse(m_ui->button1023, m_ui->edit1022, true, QStringLiteral("Каталог шаблона"), false);
    browse(m_ui->button1011, m_ui->edit1010, false, QStringLiteral("Файл ресурсов с++(*.rc)|*.rc||"),
           false);
    browse(m_ui->button1013, m_ui->edit1012, false,
           QStringLiteral("Файл заголовок ресурсов с++(*.h)|*.h||"), false);
    browse(m_ui->button1015, m_ui->edit1014, false, QStringLiteral("Файл модуля с++(*.cpp)|*.cpp||"),
           false);
    browse(m_ui->button1017, m_ui->edit1016, false,
           QStringLiteral("Файл заголовка модуля с++(*.h)|*.h||"), false);
    browse(m_ui->button1021, m_ui->edit1020, true, QStringLiteral("Каталог проекта"), false);

    LoadFieldState(QStringLiteral("m_FileErt"), m_ui->edit1008, QString());
    LoadFieldState(QStringLiteral("m_Resource"), m_ui->edit1010, QStringLiteral("Dialog.rc"));
    LoadFieldState(QStringLiteral("m_ResourceH"), m_ui->edit1012, QStringLiteral("Resource.h"));
    LoadFieldState(QStringLiteral("m_ModuleCPP"), m_ui->edit1014, QStringLiteral("DialogDlg.cpp"));
    LoadFieldState(QStringLiteral("m_ModuleH"), m_ui->edit1016, QStringLiteral("DialogDlg.h"));
    LoadFieldState(QStringLiteral("m_Proekt"), m_ui->edit1020, QStringLiteral("OUT"));
    LoadFieldState(QStringLiteral("m_Template"), m_ui->edit1022, QStringLiteral("Template"));
}

CCompileErtDlg::~CCompileErtDlg() = default;

void CCompileErtDlg::done(int result)
{
    SaveFieldState(QStringLiteral("m_FileErt"), m_ui->edit1008);
    SaveFieldState(QStringLiteral("m_Resource"), m_ui->edit1010);
    SaveFieldState(QStringLiteral("m_ResourceH"), m_ui->edit1012);
    SaveFieldState(QStringLiteral("m_ModuleCPP"), m_ui->edit1014);
    SaveFieldState(QStringLiteral("m_ModuleH"), m_ui->edit1016);
    SaveFieldState(QStringLiteral("m_Proekt"), m_ui->edit1020);
    SaveFieldState(QStringLiteral("m_Template"), m_ui->edit1022);
    QDialog::done(result);
}

void CCompileErtDlg::LoadFieldState(const QString& key, QLineEdit* field, const QString& defaultText)
{
    const QString text = ReadSettingText(kSection, key, defaultText);
    if (!text.isEmpty())
        field->setText(text);
}

void CCompileErtDlg::SaveFieldState(const QString& key, QLineEdit* field)
{
    WriteSettingText(kSection, key, field->text().left(kMaxFieldText));
}

void CCompileErtDlg::BrowseIntoField(QLineEdit* field, bool bFolder, const QString& text, bool bFullPath)
{
    const QString current = StripQuotes(field->text());
    if (bFolder) {
        // As before: the folder typed becomes the current directory, and
        // relative entries follow it from now on.
        QDir::setCurrent(current);
        const QString folder = QFileDialog::getExistingDirectory(this, text, QDir::currentPath());
        if (!folder.isEmpty())
            field->setText(QDir::toNativeSeparators(folder));
        return;
    }

    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFileFilter(text));
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    field->setText(bFullPath ? chosen : QFileInfo(chosen).fileName());
}

void CCompileErtDlg::OnCompile()
{
    const auto path = [](const QLineEdit* field) { return field->text().toStdString(); };
    SErtCompileInput input;
    input.strErt = path(m_ui->edit1008);
    input.strResource = path(m_ui->edit1010);
    input.strResourceH = path(m_ui->edit1012);
    input.strModuleCpp = path(m_ui->edit1014);
    input.strModuleH = path(m_ui->edit1016);
    input.strOutput = path(m_ui->edit1020);
    input.strTemplate = path(m_ui->edit1022);
    CompileErt(input, ProgramDirectory());
}
