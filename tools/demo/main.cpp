// kvvelm-mkdemo: writes a demo installation of the suite under the folder given.

#include <exception>
#include <iostream>

#include "platform/errors.hpp"
#include "tools/demo/demo_writer.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: kvvelm-mkdemo FOLDER\n";
        return 64;
    }
    try {
        kv::demo::DemoWriter writer(argv[1]);
        writer.WriteStartUpPart();
        std::cout << "Demo installation written in " << writer.paths().root.string() << "\n";
        return 0;
    } catch (const kv::platform::RuntimeError& error) {
        std::cerr << "kvvelm-mkdemo: error " << error.number() << " " << error.description() << "\n";
    } catch (const kv::platform::ProgramEnd& end) {
        std::cerr << "kvvelm-mkdemo: stopped: " << end.reason() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "kvvelm-mkdemo: " << error.what() << "\n";
    }
    return 1;
}
