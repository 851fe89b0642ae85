// The application object: start-up in its fixed order, then the
// command-line run or the dialogs.
#pragma once

#include <memory>

class QApplication;

class CZandorApp {
public:
    CZandorApp();
    ~CZandorApp();

    // Runs the program to its end and returns the exit status.
    int InitInstance(int argc, char** argv);

private:
    // The interactive road (ZandorInteractive.cpp): makes the window layer
    // and its message sink ready before the self-test, then shows the dialogs.
    void PrepareInteractive(int& argc, char** argv);
    int RunDialogs();

    std::unique_ptr<QApplication> m_app;
};
