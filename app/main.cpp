#include "Application.h"

int main(int argc, char* argv[])
{
    return orvella::RunProgram(argc, argv);
}
