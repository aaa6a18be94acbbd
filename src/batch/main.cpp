// velmora-batch: performs the steps given as arguments on the program's
// windows without a display.
#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "batch/chart_picture.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return velmora::batch::runBatch(args, std::cout, std::cerr, velmora::batch::chartSaver());
}
