#include "application_setup.h"
#include "program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vazolar::setUpApplication(app);
    return vazolar::runProgram(app);
}
