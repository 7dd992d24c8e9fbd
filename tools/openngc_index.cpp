// Builds the index of the deep-sky catalogue (see formats/openngc_index.h)
// when the program is built: velmora_openngc_index FOLDER INDEX.
#include "formats/openngc_index.h"
#include "formats/input_error.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: velmora_openngc_index FOLDER INDEX\n";
        return 2;
    }
    try {
        const std::string index = velmora::formats::openNgcIndex(argv[1]);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << index;
        out.close();
        if (!out) {
            std::cerr << "velmora_openngc_index: cannot write " << argv[2] << '\n';
            return 1;
        }
    } catch (const velmora::formats::InputError& error) {
        std::cerr << "velmora_openngc_index: " << error.what() << '\n';
        return 1;
    }
}
