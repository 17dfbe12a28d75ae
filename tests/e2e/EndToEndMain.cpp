#include "EndToEnd.h"

std::wstring QuorvelExe;
std::wstring StandInFolder;

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: EndToEndTests QUORVEL_EXE STANDIN_FOLDER\n");
        return 2;
    }
    QuorvelExe = WindowsPath(argv[1]);
    StandInFolder = WindowsPath(argv[2]);
    return RUN_ALL_TESTS();
}
