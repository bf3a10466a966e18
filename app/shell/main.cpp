#include "app/shell/tavlion_app.h"

int main(int argc, char** argv) {
    CTavlionApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return app.exec();
}
