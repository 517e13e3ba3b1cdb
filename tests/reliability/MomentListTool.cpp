// Prints the day's moments as the program lists them, one per line: the expected alerts of the
// end-to-end clock tests come from the same schedule rules as the program's list.
//   stillmark_moment_list <start> <end> <count> <am-pm 0|1>
#include "schedule/MomentSchedule.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: " << argv[0] << " <start> <end> <count> <am-pm 0|1>\n";
        return 2;
    }
    for (const std::string& text :
         stillmark::ComputeMomentTexts(argv[1], argv[2], std::atoi(argv[3]), std::atoi(argv[4]) != 0))
        std::cout << text << '\n';
    return 0;
}
