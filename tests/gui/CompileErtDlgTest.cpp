#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "CompileErtDlg.h"
#include "Cp1251.h"
#include "GuiTestUtil.h"
#include "Paths.h"

namespace fs = std::filesystem;

namespace {

struct SField {
    const char* edit;
    const char* key;
    const char* defaultText;
};

const SField kFields[] = {
    {"edit1008", "m_FileErt", ""},
    {"edit1022", "m_Template", "Template"},
    {"edit1010", "m_Resource", "Dialog.rc"},
    {"edit1012", "m_ResourceH", "Resource.h"},
    {"edit1014", "m_ModuleCPP", "DialogDlg.cpp"},
    {"edit1016", "m_ModuleH", "DialogDlg.h"},
    {"edit1020", "m_Proekt", "OUT"},
};

QLineEdit* Field(QWidget& dialog, const char* name)
{
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

QPushButton* Button(QWidget& dialog, const char* name)
{
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}

// Settings live in a directory of the test; the working directory is put
// back, since "Compile" and folder browsing change it.
class CompileDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.Ok());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((m_dir.Path() / "settings").string()));
    }
    void TearDown() override { fs::current_path(m_cwd); }

    CTempDir m_dir;
    fs::path m_cwd = fs::current_path();
};

// Runs action on the next modal dialog that opens.
void OnNextModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

} // namespace

TEST_F(CompileDialog, FirstStartShowsTheDefaults)
{
    CCompileErtDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Компиляция ert-файлов"));
    for (const SField& f : kFields)
        EXPECT_EQ(Field(dialog, f.edit)->text(), QString::fromUtf8(f.defaultText)) << f.edit;
}

TEST_F(CompileDialog, FieldsComeBackHoweverTheDialogEnded)
{
    const struct {
        const char* button;
        int result;
    } endings[] = {{"button2", QDialog::Rejected}, {"button1", QDialog::Accepted}};
    for (const auto& ending : endings) {
        {
            CCompileErtDlg dialog;
            for (const SField& f : kFields)
                Field(dialog, f.edit)->setText(QStringLiteral("/путь/") + QLatin1String(ending.button) +
                                               QLatin1String(f.key));
            Field(dialog, "edit1022")->clear(); // stored empty, so no default next time
            Field(dialog, "edit1008")->setText(QString(3000, QLatin1Char('e')));
            QTest::mouseClick(Button(dialog, ending.button), Qt::LeftButton);
            EXPECT_EQ(dialog.result(), ending.result);
        }
        CCompileErtDlg again;
        EXPECT_EQ(Field(again, "edit1008")->text(), QString(2047, QLatin1Char('e')));
        EXPECT_EQ(Field(again, "edit1022")->text(), QString());
        for (const SField& f : kFields) {
            if (f.key != std::string_view("m_FileErt") && f.key != std::string_view("m_Template")) {
                EXPECT_EQ(Field(again, f.edit)->text(),
                          QStringLiteral("/путь/") + QLatin1String(ending.button) + QLatin1String(f.key));
            }
        }
        QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Zandor"));
        EXPECT_EQ(settings.value(QStringLiteral("Data/m_Proekt")).toString(),
                  QStringLiteral("/путь/") + QLatin1String(ending.button) + QStringLiteral("m_Proekt"));
    }
}

TEST_F(CompileDialog, EnterInAFieldStartsCompile)
{
    CCompileErtDlg dialog;
    const fs::path out = m_dir.Path() / "out";
    const fs::path templates = m_dir.Path() / "no-templates";
    Field(dialog, "edit1020")->setText(QString::fromStdString(out.string()));
    Field(dialog, "edit1022")->setText(QString::fromStdString(templates.string()));
    dialog.show();
    CNotifyRecorder recorder;
    QTest::keyClick(Field(dialog, "edit1016"), Qt::Key_Return);
    EXPECT_EQ(recorder.m_messages,
              std::vector<std::string>{S("Файл не найден: "_w) + (templates / "Dialog.rc").string()});
    EXPECT_TRUE(dialog.isVisible()); // "Compile" keeps the dialog open
    EXPECT_EQ(fs::current_path(), out);
}

TEST(QtFileFilter, PairsBecomeQtFilterLines)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Внешние обработки 1С (*.ert)|*.ert||"), QStringLiteral("Внешние обработки 1С (*.ert)")},
        {QStringLiteral("Файл ресурсов с++(*.rc)|*.rc||"), QStringLiteral("Файл ресурсов с++(*.rc)")},
        {QStringLiteral("Texts|*.txt;*.1s|All|*||"), QStringLiteral("Texts (*.txt;*.1s);;All (*)")},
        {QString(), QString()},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(QtFileFilter(filter), expected) << filter.toStdString();
}

TEST_F(CompileDialog, BrowsingAFileOffersTheFieldWithoutQuotes)
{
    const fs::path folder = m_dir.Path() / "forms";
    WriteFile(folder / "a.ert", "x");
    WriteFile(folder / "b.ert", "y");
    const QString a = QString::fromStdString((folder / "a.ert").string());
    const QString b = QString::fromStdString((folder / "b.ert").string());

    const struct {
        bool bFullPath;
        bool bAccept;
        QString result;
    } cases[] = {
        {true, true, b},
        {false, true, QStringLiteral("b.ert")},
        {true, false, QLatin1Char('"') + a + QLatin1Char('"')},
    };
    for (const auto& c : cases) {
        CCompileErtDlg dialog;
        QLineEdit* field = Field(dialog, "edit1008");
        field->setText(QLatin1Char('"') + a + QLatin1Char('"'));
        QString offered;
        OnNextModal([&](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(files, nullptr);
            offered = files->selectedFiles().value(0);
            if (c.bAccept) {
                files->selectFile(b);
                QMetaObject::invokeMethod(files, "accept");
            } else {
                files->reject();
            }
        });
        dialog.BrowseIntoField(field, false, QStringLiteral("Внешние обработки 1С (*.ert)|*.ert||"), c.bFullPath);
        EXPECT_EQ(offered, a);
        EXPECT_EQ(field->text(), c.result);
    }
}

TEST_F(CompileDialog, BrowsingAFolderStartsInTheFieldsDirectory)
{
    const fs::path folder = m_dir.Path() / "proj";
    fs::create_directories(folder / "inner");
    CCompileErtDlg dialog;
    QLineEdit* field = Field(dialog, "edit1020");
    field->setText(QString::fromStdString(folder.string()));
    QString title;
    OnNextModal([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        title = files->windowTitle();
        files->setDirectory(QString::fromStdString((folder / "inner").string()));
        QMetaObject::invokeMethod(files, "accept");
    });
    dialog.BrowseIntoField(field, true, QStringLiteral("Каталог проекта"), false);
    EXPECT_EQ(title, QStringLiteral("Каталог проекта"));
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_EQ(field->text(), QString::fromStdString((folder / "inner").string()));
}
