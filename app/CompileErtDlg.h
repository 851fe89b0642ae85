// The compile dialog: the .ert file, the templates and the output directory
// of an ert compile, remembered between runs.
#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;

namespace Ui {
class CCompileErtDlg;
}

// A file dialog filter of the form "description|pattern|...||" as Qt wants
// it: one "description (pattern)" line per pair.
QString QtFileFilter(const QString& filter);

class CCompileErtDlg : public QDialog {
    Q_OBJECT

public:
    explicit CCompileErtDlg(QWidget* parent = nullptr);
    ~CCompileErtDlg() override;

    // Stores the fields however the dialog ends.
    void done(int result) override;

    void BrowseIntoField(QLineEdit* field, bool bFolder, const QString& text, bool bFullPath);

public slots:
    void OnCompile();

private:
    void LoadFieldState(const QString& key, QLineEdit* field, const QString& defaultText);
    void SaveFieldState(const QString& key, QLineEdit* field);

    std::unique_ptr<Ui::CCompileErtDlg> m_ui;
};
