// wpdtemplate: makes a WordPerfect 5.1 report template from its readable source.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/wpdtemplate/template_source.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: wpdtemplate <source.wpt> <template.wpd>\n";
        return 2;
    }
    try {
        std::string bytes = CompileTemplate(argv[1]);
        std::string temporary = std::string(argv[2]) + ".part";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out.flush()) {
                std::cerr << "wpdtemplate: " << argv[2] << " cannot be written\n";
                return 1;
            }
        }
        if (std::rename(temporary.c_str(), argv[2]) != 0) {
            std::cerr << "wpdtemplate: " << argv[2] << " cannot be written\n";
            return 1;
        }
    } catch (const TemplateSourceError& e) {
        std::cerr << "wpdtemplate: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
