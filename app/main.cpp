#include "ZandorApp.h"

int main(int argc, char** argv)
{
    CZandorApp app;
    return app.InitInstance(argc, argv);
}
