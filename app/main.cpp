#include "app/startup.h"

int main(int argc, char** argv)
{
    return telvar::WinMain(argc, argv);
}
