#include "builder/qt/dara_app.h"

int main(int argc, char** argv) {
    return builder::qt::runDara(argc, argv);
}
