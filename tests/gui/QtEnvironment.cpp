// One QApplication for the whole test program, as the program itself has.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

class CQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
        QCoreApplication::setApplicationName(QStringLiteral("Zandor"));
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QApplication* m_app = nullptr;
};

const ::testing::Environment* const g_qt = ::testing::AddGlobalTestEnvironment(new CQtEnvironment);

} // namespace
