// The translator window: 1C text on the left, what Zandor makes of it on the
// right.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class CZandorDlg;
}

class CZandorDlg : public QDialog {
    Q_OBJECT

public:
    explicit CZandorDlg(QWidget* parent = nullptr);
    ~CZandorDlg() override;

public slots:
    void OnTranslate();
    void OnAbout();

private:
    std::unique_ptr<Ui::CZandorDlg> m_ui;
};
